// A status bar of fixed panels: a row of sunken labels, each with its own width and tool tip.
// Panels are numbered from 1; their texts are read back where the program reads them.
#pragma once

#include <QFrame>

#include <vector>

class QLabel;

class StatusPanels : public QFrame {
    Q_OBJECT

public:
    struct Panel {
        int width;          // pixels
        const char* toolTip;
    };

    StatusPanels(const std::vector<Panel>& panels, QWidget* parent = nullptr);

    int count() const { return int(m_labels.size()); }
    QString panelText(int panel) const;
    void setPanelText(int panel, const QString& text);
    int panelWidth(int panel) const;
    void setPanelWidth(int panel, int width);
    QLabel* panelLabel(int panel) const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void place();

    std::vector<QLabel*> m_labels;
};
