// The main window's controls at their design places (twips of a 10125 by 6390 client area);
// Form_Resize moves the anchored ones.
#include "mainwindow/frmMain.h"

#include "options/OptionPanel.h"
#include "platform/StatusPanels.h"
#include "platform/TwipsLayout.h"
#include "reports/ReportPanel.h"
#include "shell/HeaderPanel.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>

namespace {

// The short names the design tables below were written with.
template <class W, class... Args>
W* make(Args&&... args)
{
    return makeControl<W>(std::forward<Args>(args)...);
}
constexpr auto button = makeButton;

QGroupBox* stackPanel(QGroupBox* frame, QWidget* parent)
{
    // Opaque, so that the panel in front hides the ones stacked behind it.
    frame->setParent(parent);
    frame->setGeometry(twipsToPixels(120), twipsToPixels(120), twipsToPixels(8085), twipsToPixels(5730));
    frame->setAutoFillBackground(true);
    return frame;
}

} // namespace

void frmMain::createHeaderAndColumn(QWidget* client)
{
    // Two one-pixel rules under the menu bar, dark over light, as an etched edge.
    for (int i = 0; i < 2; ++i) {
        LineSeparator[i] = make<QFrame>(client, i == 0 ? "LineSeparator0" : "LineSeparator1", 0, i * 15, 10125, 15);
        LineSeparator[i]->setAutoFillBackground(true);
        LineSeparator[i]->setBackgroundRole(i == 0 ? QPalette::Dark : QPalette::Light);
    }

    header = new HeaderPanel(client);

    cmdRaster = button(client, "cmdRaster", "&Raster Settings...", "Settings For All Raster Games", 8510, 2130, 1500);
    cmdVector = button(client, "cmdVector", "&Vector Settings...", "Settings For All Vector Games", 8510, 2580, 1500);
    cmdFind = button(client, "cmdFind", "", nullptr, 8510, 3610, 1500);
    setFindMode(FindMode::MameIni);

    // Two small items beside Auto Run; frmmain_header.cpp paints what they open.
    lblGradient = make<QLabel>(client, "lblGradient", 8325, 4210, 150, 240);
    lblGradient->setToolTip(QStringLiteral("Gradient Color"));
    lblDownload = make<QLabel>(client, "lblDownload", 9815, 4210, 150, 240);
    lblDownload->setToolTip(QStringLiteral("Start Up Time"));

    picAutoRun = make<QFrame>(client, "picAutoRun", 8660, 4210, 1155, 300);
    chkAutoRun = make<QCheckBox>(picAutoRun, "chkAutoRun", 0, 0, 1155, 300, QStringLiteral("Auto Run"));
    picRecPlay = make<QFrame>(client, "picRecPlay", 8660, 4680, 1155, 600);
    chkRecord = make<QCheckBox>(picRecPlay, "chkRecord", 0, 0, 1155, 300, QStringLiteral("Record"));
    chkPlayback = make<QCheckBox>(picRecPlay, "chkPlayback", 0, 300, 1155, 300, QStringLiteral("Playback"));

    cmdExit = button(client, "cmdExit", "", "Closes Zelvane", 8510, 5505, 1500);
    setExitMode(ExitMode::Exit);
}

void frmMain::setFindMode(FindMode mode)
{
    struct Caption {
        const char* text;
        const char* toolTip;
    };
    static constexpr Caption kCaptions[] = {
        {"&Mame.Ini", "The Mame.Ini File That Will Be Used For The Selected Game"},
        {"&List Bad Sets", "Searches The Report And Lists The Bad Sets"},
        {"&Print", "Prints This List To Your Default Printer"},
    };
    m_findMode = mode;
    const Caption& caption = kCaptions[static_cast<size_t>(mode)];
    cmdFind->setText(QString::fromLatin1(caption.text));
    cmdFind->setToolTip(QString::fromLatin1(caption.toolTip));
}

void frmMain::setExitMode(ExitMode mode)
{
    // Each job that turns the button into its cancel button gives it its own tool tip.
    m_exitMode = mode;
    cmdExit->setText(mode == ExitMode::Cancel ? QStringLiteral("&Cancel") : QStringLiteral("E&xit"));
}

void frmMain::createPanels(QWidget* client)
{
    // Option panel: a viewport over the taller content, with its own scroll bar.
    fraDefaults = new OptionPanel;
    stackPanel(fraDefaults, client);
    picDefaults = fraDefaults->picDefaults;
    picBox1 = fraDefaults->picBox1;
    VScroll[0] = fraDefaults->VScroll0;
    cmdOK = fraDefaults->cmdOK;
    cmdRestore = fraDefaults->cmdRestore;
    cmdCancel = fraDefaults->cmdCancel;

    fraMaintenance = new MaintenancePanel(m_state);
    stackPanel(fraMaintenance, client);
    VScroll[1] = fraMaintenance->VScroll1;
    ProgressBar[0] = fraMaintenance->ProgressBar0;

    for (int i = 0; i < 2; ++i) {
        // The scroll bars move the content as it is dragged and on every change of value.
        connect(VScroll[i], &QScrollBar::valueChanged, this, [this, i] { VScrollPanel(i); });
        connect(VScroll[i], &QScrollBar::sliderMoved, this, [this, i] { VScrollPanel(i); });
    }

    // The list and report frames build their own controls; here they take their places in the stack.
    fraVerify = new ReportPanel;
    stackPanel(fraVerify, client);
    stackPanel(fraList, client);

    // The lists lie in front; the other panels wait, disabled, behind them.
    for (QGroupBox* panel : std::initializer_list<QGroupBox*>{fraDefaults, fraMaintenance, fraVerify})
        panel->setEnabled(false);
    fraList->raise();
}

void frmMain::createStatusBars(QWidget* client)
{
    // Widths at 96 dots per inch; the second bar differs only in two tool tips.
    const std::vector<StatusPanels::Panel> list = {
        {100, "Total Number Of Games In This List"},
        {314, "Selected Game Name"},
        {67, "ROM Name"},
        {67, "Original Game Or Clone Of Some Other Game"},
        {20, "Display Orientation: H = Horizontal  V = Vertical"},
        {103, "Settings This Game Uses If Installed"},
    };
    std::vector<StatusPanels::Panel> panel = list;
    panel[1].toolTip = "Game Name";
    panel[4].toolTip = "Orientation: H = Horizontal  V = Vertical";

    for (int i = 0; i < 2; ++i) {
        StatusBar[i] = new StatusPanels(i == 0 ? list : panel, client);
        StatusBar[i]->setObjectName(QStringLiteral("StatusBar%1").arg(i));
        StatusBar[i]->setGeometry(0, twipsToPixels(6090), twipsToPixels(10125), twipsToPixels(300));
    }
    StatusBar[1]->hide();

    ProgressBar[1] = make<QProgressBar>(client, "ProgressBar1", 1545, 6150, 4645, 180);
    ProgressBar[1]->setTextVisible(false);
    ProgressBar[1]->hide();
}
