// The main window's background gradient and the small boxes behind the header's labels: the
// gradient colour dialog, path information and start-up time.
#include "shell/frmMain.h"

#include "platform/ClickFilter.h"
#include "platform/MsgBox.h"
#include "shell/GradientPaint.h"
#include "shell/InfoBoxes.h"
#include "shell/frmGradient.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>

namespace {

// Paints the gradient under the client area's controls, each time the client area is painted.
class GradientBackground : public QObject {
public:
    GradientBackground(QWidget* client, const qint32& color) : QObject(client), m_color(color)
    {
        client->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            auto* client = static_cast<QWidget*>(watched);
            QPainter painter(client);
            PaintGradient(painter, client->size(), m_color);
        }
        return false;
    }

private:
    const qint32& m_color;
};

} // namespace

void frmMain::connectHeader()
{
    new GradientBackground(m_client, m_state.appearance.lngGradientColor);
    ConnectClick(lblGradient, [this] { lblGradient_Click(); });
    ConnectClick(imgMachine, [this] { imgMachine_Click(); });
    ConnectClick(lblDownload, [this] { lblDownload_Click(); });
}

void frmMain::SetGradient() { m_client->update(); }

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
