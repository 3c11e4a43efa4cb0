// The layout of the main window: every control anchored by a fixed distance in twips from the
// right or bottom edge of the client area; only the screenshot follows the lists' height.
#include "mainwindow/frmMain.h"

#include "platform/RichTextBox.h"
#include "platform/StatusPanels.h"
#include "platform/TwipsLayout.h"
#include "shell/HeaderPanel.h"

#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeView>

#include <algorithm>

namespace {

double twips(int pixels) { return pixelsToTwips(pixels); }
double widthOf(const QWidget* w) { return twips(w->width()); }
double heightOf(const QWidget* w) { return twips(w->height()); }
double leftOf(const QWidget* w) { return twips(w->x()); }
double topOf(const QWidget* w) { return twips(w->y()); }

} // namespace

void frmMain::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void frmMain::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize();
}

double frmMain::scaleWidth() const { return twips(m_client->width()); }
double frmMain::scaleHeight() const { return twips(m_client->height()); }

void frmMain::Form_Resize()
{
    if (windowState() & Qt::WindowMinimized)
        return;
    m_state.view.intWindowState = (windowState() & Qt::WindowMaximized) ? 2 : 0;
    const bool maximised = m_state.view.intWindowState == 2;
    if (!m_state.startup.blnLoading)
        SetGradient();

    const double W = scaleWidth();
    const double H = scaleHeight();

    for (QFrame* rule : LineSeparator)
        setWidthTwips(rule, W);
    // The header's items keep their own distances from the right edge, to the pixel (fraScroll W - 1615,
    // picBox W - 1545, imgMachine W - 1360, lblArtwork W - 1265, IconScreen W - 1160).
    placeLeft(header, W - 1620);
    placeLeft(cmdRaster, W - 1615);
    placeLeft(cmdVector, W - 1615);
    place(cmdFind, W - 1615, H - 2780);
    place(lblGradient, W - 1800, H - 2180);
    place(lblDownload, W - 310, H - 2180);
    place(picAutoRun, W - 1465, H - 2180);
    place(picRecPlay, W - 1465, H - 1710);
    place(cmdExit, W - 1615, H - 885);

    for (QGroupBox* panel : std::initializer_list<QGroupBox*>{fraDefaults, fraList, fraMaintenance, fraVerify}) {
        setWidthTwips(panel, W - 2040);
        setHeightTwips(panel, H - 660);
    }
    for (QTreeView* lv : {fraList->lvAll, fraList->lvInstalled, fraList->lvUninstalled})
        setHeightTwips(lv, H - 1605);

    // The viewports' scroll ranges: how much taller the content is than the viewport.
    setHeightTwips(picDefaults, H - 1640);
    setHeightTwips(VScroll[0], H - 1690);
    VScroll[0]->setMaximum(std::max(0.0, heightOf(picBox1) - heightOf(picDefaults)));
    setHeightTwips(fraMaintenance->picMaintenance, H - 1640);
    setHeightTwips(VScroll[1], H - 1690);
    VScroll[1]->setMaximum(std::max(0.0, heightOf(fraMaintenance->picBox2) - heightOf(fraMaintenance->picMaintenance)));
    VScroll[1]->setEnabled(!(heightOf(fraMaintenance->picMaintenance) > heightOf(fraMaintenance->picBox2)));

    setHeightTwips(fraVerify->txtVerify, H - 1605);

    // Only a maximised window centres the panels' contents; they keep their design widths.
    if (maximised) {
        placeLeft(picDefaults, (widthOf(fraDefaults) - widthOf(picDefaults)) / 2);
        placeLeft(fraMaintenance->picMaintenance, (widthOf(fraMaintenance) - widthOf(fraMaintenance->picMaintenance)) / 2);
        placeLeft(fraVerify->txtVerify, (widthOf(fraVerify) - widthOf(fraVerify->txtVerify)) / 2 + 20);
    } else {
        placeLeft(picDefaults, 180);
        placeLeft(fraMaintenance->picMaintenance, 180);
        placeLeft(fraVerify->txtVerify, 160);
    }

    fraList->placeShot();
    place(fraList->lblShots, leftOf(fraList->imgShots) + (widthOf(fraList->imgShots) - widthOf(fraList->lblShots)) / 2,
          topOf(fraList->imgShots) + (heightOf(fraList->imgShots) - heightOf(fraList->lblShots)) / 2);

    const double listWidth = mnuViewShots->isChecked() ? widthOf(fraList) - (widthOf(fraList->imgShots) + 480)
                                                       : widthOf(fraList) - 330;
    for (QTreeView* lv : {fraList->lvAll, fraList->lvInstalled, fraList->lvUninstalled})
        setWidthTwips(lv, listWidth);

    const double listFoot = heightOf(fraList) - 550;
    placeTop(fraList->cmdPlay, listFoot);
    place(fraList->cmdVerify, (widthOf(fraList) - widthOf(fraList->cmdVerify)) / 2 - 5, listFoot);
    place(fraList->cmdInfo, widthOf(fraList) - widthOf(fraList->cmdInfo) - 190, listFoot);
    const double defaultsFoot = heightOf(fraDefaults) - 550;
    place(cmdOK, leftOf(picDefaults), defaultsFoot);
    place(cmdRestore, (widthOf(fraDefaults) - widthOf(cmdRestore)) / 2 - 5, defaultsFoot);
    place(cmdCancel, leftOf(cmdOK) + 5340, defaultsFoot);
    place(fraVerify->cmdGameList, leftOf(fraVerify->txtVerify) + 20, heightOf(fraVerify) - 550);
    place(fraMaintenance->cmdGameList2, leftOf(fraMaintenance->picMaintenance), heightOf(fraMaintenance) - 550);

    for (StatusPanels* bar : StatusBar) {
        bar->setPanelWidth(2, twipsToPixels(W - 5450));
        setWidthTwips(bar, W);
        placeTop(bar, H - 300);
    }
    placeTop(ProgressBar[1], topOf(StatusBar[0]) + 60);
    setWidthTwips(ProgressBar[1], twips(StatusBar[0]->panelWidth(2)) - 65);

    if (!m_state.startup.blnLoading) {
        for (const ListView& row : m_views)
            if (m_state.counts.*row.count > 0 && row.view->currentIndex().isValid())
                row.view->scrollTo(row.view->currentIndex());
    }
}
