// The main window's layout: controls anchored to the right and bottom edges in twips, the
// screenshot square or fixed by nostretch.ini, maximised centring, and nothing when minimised.
#include "support/MainWindowFixture.h"

#include "platform/RichTextBox.h"
#include "platform/StatusPanels.h"
#include "platform/SysColors.h"
#include "platform/Twips.h"
#include "reports/MaintenancePanel.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeView>

#include "support/Files.h"
#include "support/WheelTurn.h"

namespace {

double tw(int pixels) { return pixelsToTwips(pixels); }

// A gradient's pixel next to its end is within a step or two of the end's colour.
bool nearColour(const QColor& a, const QColor& b)
{
    return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue())}) <= 10;
}

// Pixel positions are twips rounded to whole pixels, each step on its own: allow one pixel.
#define EXPECT_TWIPS(actualPixels, expectedTwips) EXPECT_NEAR((actualPixels), (expectedTwips) / 15.0, 1.01)

class Layout : public MainWindowTest {
protected:
    frmMain& loaded()
    {
        writeGames(fiveGames());
        writeOptions();
        frmMain& w = load();
        w.show();
        QApplication::processEvents();
        return w;
    }

    void resizeClient(frmMain& w, int width, int height)
    {
        const QSize frame = w.size() - w.centralWidget()->size();
        w.resize(QSize(width, height) + frame);
        QApplication::processEvents();
    }

    // Every anchored control against the formulas, at the client size the window has now.
    void expectAnchored(frmMain& w)
    {
        const double W = tw(w.centralWidget()->width());
        const double H = tw(w.centralWidget()->height());
        EXPECT_TWIPS(w.cmdExit->x(), W - 1615);
        EXPECT_TWIPS(w.cmdExit->y(), H - 885);
        EXPECT_TWIPS(w.cmdFind->y(), H - 2780);
        EXPECT_TWIPS(w.cmdRaster->x(), W - 1615);
        EXPECT_TWIPS(w.picRecPlay->y(), H - 1710);
        EXPECT_TWIPS(w.lblDownload->x(), W - 310);
        // The header's items sit in a panel of their own, each where it stood on its own, to the pixel.
        const std::pair<QWidget*, double> headerItems[] = {
            {w.header->fraScroll, W - 1615}, {w.header->picBox, W - 1545}, {w.header->imgMachine, W - 1360},
            {w.header->lblArtwork, W - 1265}, {w.header->IconScreen, W - 1160}};
        for (const auto& [item, left] : headerItems)
            EXPECT_EQ(item->mapTo(w.centralWidget(), QPoint()).x(), twipsToPixels(left)) << item->objectName().toStdString();
        EXPECT_TWIPS(w.LineSeparator[1]->width(), W);
        for (QGroupBox* panel : std::initializer_list<QGroupBox*>{w.fraList, w.fraDefaults, w.fraMaintenance, w.fraVerify}) {
            EXPECT_TWIPS(panel->width(), W - 2040);
            EXPECT_TWIPS(panel->height(), H - 660);
        }
        EXPECT_TWIPS(w.fraList->lvUninstalled->height(), H - 1605);
        EXPECT_TWIPS(w.fraVerify->txtVerify->height(), H - 1605);
        EXPECT_TWIPS(w.VScroll[0]->height(), H - 1690);
        EXPECT_TWIPS(w.fraList->cmdPlay->y(), tw(w.fraList->height()) - 550);
        EXPECT_TWIPS(w.fraList->cmdInfo->x(), tw(w.fraList->width()) - tw(w.fraList->cmdInfo->width()) - 190);
        EXPECT_TWIPS(w.fraList->cmdVerify->x(), (tw(w.fraList->width()) - tw(w.fraList->cmdVerify->width())) / 2 - 5);
        EXPECT_TWIPS(w.cmdCancel->x(), tw(w.cmdOK->x()) + 5340);
        for (StatusPanels* bar : w.StatusBar) {
            EXPECT_EQ(bar->width(), w.centralWidget()->width());
            EXPECT_TWIPS(bar->y(), H - 300);
            EXPECT_TWIPS(bar->panelWidth(2), W - 5450);
        }
        EXPECT_TWIPS(w.ProgressBar[1]->y(), tw(w.StatusBar[0]->y()) + 60);
    }

    void expectSquareShot(frmMain& w)
    {
        const double side = tw(w.fraList->lvAll->height()) - 25;
        EXPECT_TRUE(w.fraList->imgShots->hasScaledContents());
        EXPECT_TWIPS(w.fraList->imgShots->width(), side);
        EXPECT_TWIPS(w.fraList->imgShots->height(), side);
        EXPECT_TWIPS(w.fraList->imgShots->x(), tw(w.fraList->width()) - (tw(w.fraList->imgShots->width()) + 180));
        EXPECT_TWIPS(w.fraList->imgShots->y(), 270);
    }
};

} // namespace

TEST_F(Layout, StartsWithAClientArea426PixelsHigh)
{
    frmMain& w = loaded();
    EXPECT_EQ(w.centralWidget()->height(), 426);
    EXPECT_EQ(m_state.view.intWindowState, 0);
    expectAnchored(w);
    expectSquareShot(w);
}

TEST_F(Layout, FollowsTheEdgesAtTwoSizes)
{
    frmMain& w = loaded();
    resizeClient(w, 900, 600);
    expectAnchored(w);
    expectSquareShot(w);
    resizeClient(w, 1200, 700);
    expectAnchored(w);
    expectSquareShot(w);
    EXPECT_TWIPS(w.picDefaults->x(), 180);
    EXPECT_TWIPS(w.fraVerify->txtVerify->x(), 160);
}

TEST_F(Layout, ListWidthsFollowTheScreenShotSwitch)
{
    frmMain& w = loaded();
    resizeClient(w, 1000, 650);
    EXPECT_TWIPS(w.fraList->lvAll->width(), tw(w.fraList->width()) - 330);
    w.mnuViewShots->trigger();
    QApplication::processEvents();
    EXPECT_TWIPS(w.fraList->lvAll->width(), tw(w.fraList->width()) - (tw(w.fraList->imgShots->width()) + 480));
    resizeClient(w, 1100, 700);
    EXPECT_TWIPS(w.fraList->lvInstalled->width(), tw(w.fraList->width()) - (tw(w.fraList->imgShots->width()) + 480));
    w.mnuViewShots->trigger();
    EXPECT_TWIPS(w.fraList->lvUninstalled->width(), tw(w.fraList->width()) - 330);
}

TEST_F(Layout, MaximisedCentresThePanelContentsAndIgnoresNoStretch)
{
    writeFile(app() + "/settings/nostretch.ini", "[Position]\r\nLeft=600\r\nTop=300\r\n[Size]\r\nWidth=1500\r\n");
    frmMain& w = loaded();
    EXPECT_FALSE(w.fraList->imgShots->hasScaledContents());
    EXPECT_TWIPS(w.fraList->imgShots->x(), 600);
    EXPECT_TWIPS(w.fraList->imgShots->width(), 1500);
    EXPECT_TWIPS(w.fraList->imgShots->height(), 4760);

    w.showMaximized();
    QApplication::processEvents();
    ASSERT_TRUE(w.isMaximized());
    EXPECT_EQ(m_state.view.intWindowState, 2);
    expectAnchored(w);
    expectSquareShot(w);
    EXPECT_TWIPS(w.picDefaults->x(), (tw(w.fraDefaults->width()) - tw(w.picDefaults->width())) / 2);
    EXPECT_TWIPS(w.fraMaintenance->picMaintenance->x(), (tw(w.fraMaintenance->width()) - tw(w.fraMaintenance->picMaintenance->width())) / 2);
    EXPECT_TWIPS(w.fraVerify->txtVerify->x(), (tw(w.fraVerify->width()) - tw(w.fraVerify->txtVerify->width())) / 2 + 20);

    w.showNormal();
    QApplication::processEvents();
    EXPECT_EQ(m_state.view.intWindowState, 0);
    EXPECT_FALSE(w.fraList->imgShots->hasScaledContents());
    EXPECT_TWIPS(w.fraList->imgShots->x(), 600);
}

TEST_F(Layout, OpensInTheStoredWindowState)
{
    struct Case {
        const char* stored;
        Qt::WindowState state;
    };
    for (const Case& c : {Case{"0", Qt::WindowNoState}, Case{"1", Qt::WindowMinimized}, Case{"2", Qt::WindowMaximized}}) {
        SCOPED_TRACE(c.stored);
        nextCase();
        writeGames(fiveGames());
        writeOptions(QByteArray("[View]\r\nWindowState=") + c.stored + "\r\n");
        frmMain& w = loadShown();
        EXPECT_EQ(w.windowState() & (Qt::WindowMinimized | Qt::WindowMaximized), c.state);
    }
}

TEST_F(Layout, MinimisingMovesNothingAndKeepsTheRecordedState)
{
    frmMain& w = loaded();
    w.showMaximized();
    QApplication::processEvents();
    const QRect exit = w.cmdExit->geometry();
    const QRect list = w.fraList->lvAll->geometry();
    w.setWindowState(Qt::WindowMinimized);
    QApplication::processEvents();
    EXPECT_EQ(m_state.view.intWindowState, 2);
    EXPECT_EQ(w.cmdExit->geometry(), exit);
    EXPECT_EQ(w.fraList->lvAll->geometry(), list);
}

TEST_F(Layout, MaintenanceScrollBarIsOffOnlyWhenTheViewportIsTaller)
{
    frmMain& w = loaded();
    resizeClient(w, 700, 426);
    EXPECT_TRUE(w.VScroll[1]->isEnabledTo(w.fraMaintenance->picMaintenance));
    EXPECT_GT(w.VScroll[1]->maximum(), 0);
    // Content and viewport of the same height: on, with nothing to scroll.
    w.fraMaintenance->picBox2->resize(w.fraMaintenance->picBox2->width(), w.fraMaintenance->picMaintenance->height());
    resizeClient(w, 701, 426);
    EXPECT_TRUE(w.VScroll[1]->isEnabledTo(w.fraMaintenance->picMaintenance));
    EXPECT_EQ(w.VScroll[1]->maximum(), 0);
    resizeClient(w, 700, 800);
    EXPECT_FALSE(w.VScroll[1]->isEnabledTo(w.fraMaintenance->picMaintenance));
}

TEST_F(Layout, ScrollingMovesContentOnlyWhenItIsTaller)
{
    frmMain& w = loaded();
    w.VScroll[0]->setValue(1500);
    EXPECT_EQ(w.picBox1->y(), -100);
    w.VScroll[0]->setValue(0);
    EXPECT_EQ(w.picBox1->y(), 0);

    w.fraMaintenance->picBox2->resize(w.fraMaintenance->picBox2->width(), w.fraMaintenance->picMaintenance->height() - 10);
    const int before = w.fraMaintenance->picBox2->y();
    w.VScroll[1]->setMaximum(3000);
    w.VScroll[1]->setValue(3000);
    EXPECT_EQ(w.fraMaintenance->picBox2->y(), before);
}

TEST_F(Layout, MaintenanceContentThatFitsStandsAtTheTop)
{
    frmMain& w = loaded();
    QWidget* content = w.fraMaintenance->picBox2;
    resizeClient(w, 700, 426);
    w.mnuToolsMaintenance->trigger();
    w.VScroll[1]->setValue(w.VScroll[1]->maximum());
    ASSERT_LT(content->y(), 0);
    // Enlarged until all of it shows: the bar is greyed, so nothing else could bring the top back.
    resizeClient(w, 700, 800);
    EXPECT_FALSE(w.VScroll[1]->isEnabledTo(w.fraMaintenance->picMaintenance));
    EXPECT_EQ(content->y(), 0);

    // Opening the panel shows the top, whatever moved the content with the bar at 0.
    w.fraMaintenance->cmdGameList2->click();
    resizeClient(w, 700, 426);
    content->move(content->x(), -40);
    ASSERT_EQ(w.VScroll[1]->value(), 0);
    w.mnuToolsMaintenance->trigger();
    EXPECT_EQ(content->y(), 0);
}

TEST_F(Layout, WheelOverEitherPanelsContentScrollsIt)
{
    frmMain& w = loaded();
    resizeClient(w, 700, 426);
    w.mnuToolsMaintenance->trigger();
    turnDown(w.fraMaintenance->picBox2);
    EXPECT_GT(w.VScroll[1]->value(), 0);
    EXPECT_LT(w.fraMaintenance->picBox2->y(), 0);
    w.fraMaintenance->cmdGameList2->click();

    w.cmdRaster->click();
    turnDown(w.picBox1);
    EXPECT_GT(w.VScroll[0]->value(), 0);
    EXPECT_LT(w.picBox1->y(), 0);
    for (QScrollBar* bar : w.VScroll)
        EXPECT_EQ(bar->focusPolicy(), Qt::StrongFocus);
}

TEST_F(Layout, WheelOverAnOptionBoxWithoutTheFocusScrollsThePanelAndKeepsTheValue)
{
    frmMain& w = loaded();
    resizeClient(w, 700, 426);
    w.cmdRaster->click();
    QApplication::setActiveWindow(&w);
    auto* contrast = w.findChild<QComboBox*>("cboContrast");
    ASSERT_TRUE(contrast);
    const QString value = contrast->currentText();
    ASSERT_NE(value, contrast->itemText(contrast->count() - 1));
    turnDown(contrast);
    EXPECT_EQ(contrast->currentText(), value);
    EXPECT_GT(w.VScroll[0]->value(), 0);
    EXPECT_LT(w.picBox1->y(), 0);
}

TEST_F(Layout, HeaderItemsArePicturesThatInviteAClick)
{
    frmMain& w = loaded();
    EXPECT_EQ(w.header->imgMachine->pixmap().size(), QSize(72, 80));
    // The game's icon is drawn in the machine's screen.
    EXPECT_TRUE(w.header->imgMachine->geometry().contains(w.header->IconScreen->geometry()));
    for (QLabel* item : {w.lblGradient, w.header->imgMachine, w.lblDownload}) {
        EXPECT_EQ(item->frameShape(), QFrame::NoFrame) << item->objectName().toStdString();
        EXPECT_EQ(item->cursor().shape(), Qt::PointingHandCursor) << item->objectName().toStdString();
    }
    // The gradient swatch runs from the button face to the gradient colour (button shadow).
    const QImage swatch = w.lblGradient->grab().toImage();
    EXPECT_TRUE(nearColour(swatch.pixelColor(swatch.width() / 2, 1), StoredColor(sysColorValue(SysColor::ButtonFace))));
    EXPECT_TRUE(nearColour(swatch.pixelColor(swatch.width() / 2, swatch.height() - 2),
                           StoredColor(sysColorValue(SysColor::ButtonShadow))));
    // The clock carries ink of the text colour.
    const QImage clock = w.lblDownload->grab().toImage();
    const QColor ink = w.lblDownload->palette().color(QPalette::WindowText);
    int inked = 0;
    for (int y = 0; y < clock.height(); ++y)
        for (int x = 0; x < clock.width(); ++x)
            inked += clock.pixelColor(x, y) == ink;
    EXPECT_GT(inked, 4);
}
