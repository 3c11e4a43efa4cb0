#include "platform/StatusPanels.h"

#include <QLabel>

StatusPanels::StatusPanels(const std::vector<Panel>& panels, QWidget* parent) : QFrame(parent)
{
    // Opaque: the panels' status bar is stacked over the lists' one and must hide its texts.
    setAutoFillBackground(true);
    for (const Panel& p : panels) {
        auto* label = new QLabel(this);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setToolTip(QString::fromLatin1(p.toolTip));
        label->setTextFormat(Qt::PlainText);
        label->resize(p.width, height());
        m_labels.push_back(label);
    }
    place();
}

QString StatusPanels::panelText(int panel) const { return panelLabel(panel)->text(); }

void StatusPanels::setPanelText(int panel, const QString& text) { panelLabel(panel)->setText(text); }

int StatusPanels::panelWidth(int panel) const { return panelLabel(panel)->width(); }

void StatusPanels::setPanelWidth(int panel, int width)
{
    // A panel never shrinks below nothing; the layout may ask for less in a small window.
    panelLabel(panel)->resize(std::max(width, 0), panelLabel(panel)->height());
    place();
}

QLabel* StatusPanels::panelLabel(int panel) const { return m_labels.at(size_t(panel - 1)); }

void StatusPanels::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    place();
}

void StatusPanels::place()
{
    int x = 0;
    for (QLabel* label : m_labels) {
        label->setGeometry(x, 0, label->width(), height());
        x += label->width() + 2;
    }
}
