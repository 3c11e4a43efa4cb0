// The main window's background gradient and the small boxes behind the header's labels: the
// gradient colour dialog, path information and start-up time.
#include "mainwindow/frmMain.h"

#include "platform/ClickFilter.h"
#include "platform/MsgBox.h"
#include "shell/GradientPaint.h"
#include "shell/HeaderPanel.h"
#include "shell/HeaderPictures.h"
#include "shell/InfoBoxes.h"
#include "shell/frmGradient.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>

#include <functional>

namespace {

// Paints a widget (before its own painting) each time it is painted: the client area's gradient
// under its controls, the pictures of the two small header items.
class PaintFilter : public QObject {
public:
    using Paint = std::function<void(QPainter&, QWidget&)>;
    PaintFilter(QWidget* widget, Paint paint) : QObject(widget), m_paint(std::move(paint))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            auto& widget = static_cast<QWidget&>(*watched);
            QPainter painter(&widget);
            m_paint(painter, widget);
        }
        return false;
    }

private:
    Paint m_paint;
};

} // namespace

void frmMain::connectHeader()
{
    const qint32& color = m_state.appearance.lngGradientColor;
    new PaintFilter(m_client, [&color](QPainter& p, QWidget& w) { PaintGradient(p, w.size(), color); });
    new PaintFilter(lblGradient,
                    [&color](QPainter& p, QWidget& w) { PaintGradientSwatch(p, w.rect(), color, w.palette()); });
    new PaintFilter(lblDownload, [](QPainter& p, QWidget& w) { PaintClock(p, w.rect(), w.palette()); });
    for (QLabel* item : {lblGradient, lblDownload})
        item->setCursor(Qt::PointingHandCursor);
    ConnectClick(lblGradient, [this] { lblGradient_Click(); });
    connect(header, &HeaderPanel::machineClicked, this, &frmMain::imgMachine_Click);
    ConnectClick(lblDownload, [this] { lblDownload_Click(); });
}

void frmMain::SetGradient()
{
    m_client->update();
    lblGradient->update();
}

void frmMain::lblGradient_Click()
{
    frmGradient dialog(m_state, [this] { SetGradient(); }, this);
    dialog.exec();
}

void frmMain::imgMachine_Click()
{
    MsgBox(PathInformationText(m_state.paths, m_state.dirs), MsgStyle::Information, QStringLiteral("Path Information"));
}

void frmMain::lblDownload_Click()
{
    MsgBox(StartUpTimeText(m_state.startup.sngStartTime, m_state.startup.sngEndTime), MsgStyle::Information,
           QStringLiteral("Start Up Time"));
}
