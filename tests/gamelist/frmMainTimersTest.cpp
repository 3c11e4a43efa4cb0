// The marquee and icon timers of the main window: one icon for a burst of selections, a file Qt
// cannot read, the artwork mark, the marquee's wrap and its still, centred state.
#include "support/MainWindowFixture.h"

#include "platform/StatusPanels.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include "support/Files.h"

namespace {

class Timers : public MainWindowTest {
protected:
    // All Games sorted: Asteroids (Atari), Galaxian (Namco), Pac-Man (Namco), Zaxxon (Sega).
    frmMain& loaded(const QByteArray& options = {})
    {
        writeGames({{"Pac-Man", "1980", "pacman", "Original", "Vertical", true, "Namco"},
                    {"Galaxian", "1979", "galaxian", "Original", "Vertical", true, "Namco"},
                    {"Asteroids", "1979", "asteroid", "Original", "Horizontal", true, "Atari"},
                    {"Zaxxon", "1982", "zaxxon", "Original", "Vertical", true, "Sega Enterprises"}});
        writeOptions(options);
        return loadShown();
    }


    void writeIcon(const char* rom, QColor colour, int side = 64, const char* folder = "icons")
    {
        QImage image(side, side, QImage::Format_ARGB32);
        image.fill(colour);
        makeDirs(mame() + "/" + folder);
        ASSERT_TRUE(image.save(mame() + "/" + folder + "/" + rom + ".ico"));
    }

    static int centred(frmMain& w) { return (w.header->picBox->width() - w.header->picScroll->width()) / 2; }
};

} // namespace

TEST_F(Timers, QuickSelectionsDrawOneIconForTheLast)
{
    writeIcon("asteroid", Qt::red);
    writeIcon("galaxian", Qt::green);
    writeIcon("pacman", Qt::blue);
    writeIcon("zaxxon", Qt::yellow);
    frmMain& w = loaded();
    QSignalSpy ticks(w.Tmr[1], &QTimer::timeout);
    for (int row : {0, 1, 2, 3, 1})
        selectRow(w.fraList->lvAll, row);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks.count() > 0; }, 5000));
    QTest::qWait(600);
    EXPECT_EQ(ticks.count(), 1);
    EXPECT_FALSE(w.Tmr[1]->isActive());
    ASSERT_TRUE(w.header->IconScreen->isVisibleTo(&w));
    const QImage icon = w.header->IconScreen->pixmap().toImage();
    // Drawn at 32 by 32 from the larger picture in the file.
    EXPECT_EQ(icon.size(), QSize(32, 32));
    EXPECT_EQ(icon.pixelColor(16, 16), QColor(Qt::green));
    EXPECT_EQ(w.header->lblList->text(), "NAMCO");
}

// A MAME folder copied from Windows may hold "Icons" or "ICONS".
TEST_F(Timers, IconsFolderInAnyLetterCase)
{
    writeIcon("zaxxon", Qt::red, 32, "Icons");
    frmMain& w = loaded();
    selectRow(w.fraList->lvAll, 3); // Zaxxon
    w.Tmr_Timer(1);
    ASSERT_TRUE(w.header->IconScreen->isVisibleTo(&w));
    EXPECT_EQ(w.header->IconScreen->pixmap().toImage().pixelColor(16, 16), QColor(Qt::red));
    selectRow(w.fraList->lvAll, 2); // Pac-Man has none
    w.Tmr_Timer(1);
    EXPECT_FALSE(w.header->IconScreen->isVisibleTo(&w));
}

TEST_F(Timers, UnreadableIconLeavesTheBoxEmptyAndTheTickGoesOn)
{
    makeDirs(m_root + "/artwork");
    writeFile(m_root + "/artwork/pacman.zip", "PK");
    writeFile(mame() + "/icons/pacman.ico", "not a picture");
    writeIcon("zaxxon", Qt::red);
    frmMain& w = loaded("Artwork=" + QFile::encodeName(m_root + "/artwork") + "\r\n");
    selectRow(w.fraList->lvAll, 3); // Zaxxon: icon, no artwork
    w.Tmr_Timer(1);
    EXPECT_TRUE(w.header->IconScreen->isVisibleTo(&w));
    EXPECT_FALSE(w.header->lblArtwork->isVisibleTo(&w));

    selectRow(w.fraList->lvAll, 2); // Pac-Man
    w.Tmr_Timer(1);
    EXPECT_TRUE(w.header->IconScreen->isVisibleTo(&w));
    EXPECT_TRUE(w.header->IconScreen->pixmap().isNull());
    EXPECT_TRUE(w.header->lblArtwork->isVisibleTo(&w));
    EXPECT_EQ(w.header->lblList->text(), "NAMCO");
    EXPECT_FALSE(w.Tmr[1]->isActive());
    EXPECT_TRUE(m_boxes.shown().empty());

    selectRow(w.fraList->lvAll, 1); // Galaxian: no icon file
    w.Tmr_Timer(1);
    EXPECT_FALSE(w.header->IconScreen->isVisibleTo(&w));
}

TEST_F(Timers, StripWrapsOnlyOnceItHasLeftTheViewport)
{
    frmMain& w = loaded();
    w.Tmr[0]->stop();
    w.Tmr_Timer(1);
    const int width = w.header->picScroll->width();
    ASSERT_GT(width, 0);
    w.header->picScroll->move(-width + 2, w.header->picScroll->y());
    w.Tmr_Timer(0);
    EXPECT_EQ(w.header->picScroll->x(), -width + 1); // its last pixel still shows
    w.Tmr_Timer(0);
    EXPECT_EQ(w.header->picScroll->x(), w.header->picBox->width());
    w.Tmr_Timer(0);
    EXPECT_EQ(w.header->picScroll->x(), w.header->picBox->width() - 1);
}

TEST_F(Timers, ClickOnTheFrameStopsTheMarqueeAndCentresIt)
{
    frmMain& w = loaded();
    selectRow(w.fraList->lvAll, 0); // Asteroids
    w.Tmr_Timer(1);
    ASSERT_TRUE(w.Tmr[0]->isActive());
    EXPECT_EQ(w.header->picScroll->x(), w.header->picBox->width());

    // The frame's edge, beside the viewport.
    QTest::mouseClick(w.header->fraScroll, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_FALSE(w.Tmr[0]->isActive());
    const int shortName = w.header->picScroll->width();
    EXPECT_EQ(w.header->picScroll->x(), centred(w));

    selectRow(w.fraList->lvAll, 3); // Zaxxon: a longer name, centred in its turn
    w.Tmr_Timer(1);
    EXPECT_EQ(w.header->lblList->text(), "SEGA ENTERPRISES");
    EXPECT_GT(w.header->picScroll->width(), shortName);
    EXPECT_EQ(w.header->lblList->width(), w.header->picScroll->width());
    EXPECT_EQ(w.header->picScroll->x(), centred(w));

    QTest::mouseClick(w.header->fraScroll, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_TRUE(w.Tmr[0]->isActive());
    EXPECT_EQ(w.header->picScroll->x(), w.header->picBox->width());
}

TEST_F(Timers, EmptyListGivesAnEmptyMarquee)
{
    frmMain& w = loaded();
    w.mnuViewUninstalled->trigger(); // every game is installed
    w.header->lblList->setText("STALE");
    w.Tmr_Timer(1);
    EXPECT_EQ(w.header->lblList->text(), "");
}
