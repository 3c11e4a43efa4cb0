#include "gamelist/Favorites.h"

#include "gamelist/GameRecordFile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/Files.h"

namespace {

GameRecord record(const QString& game, const QString& rom, const QString& year = QStringLiteral("1980"))
{
    GameRecord r;
    for (QString& field : r.fields)
        field = QStringLiteral("Good");
    r[GameColumn::Game] = game;
    r[GameColumn::ROM] = rom;
    r[GameColumn::Year] = year;
    return r;
}

QByteArray line(const QString& game, const QString& rom, const QString& year = QStringLiteral("1980"))
{
    return GameRecordLine(record(game, rom, year));
}

class FavoritesTest : public ::testing::Test {
protected:
    void SetUp() override { makeDirs(m_dir.filePath("reports")); }
    QString report(const char* file) const { return m_dir.filePath(QStringLiteral("reports/") + file); }
    QString app() const { return m_dir.path(); }

    QTemporaryDir m_dir;
};

} // namespace

TEST(FavoriteDescription, TextUpToTheFirstFieldBreak)
{
    EXPECT_EQ(FavoriteDescription("\"Gals, Ganbare\",\"1980\",\"x\""), QByteArrayView("Gals, Ganbare"));
    EXPECT_EQ(FavoriteDescription("\"no break\""), QByteArrayView("no break\""));
    EXPECT_EQ(FavoriteDescription(""), QByteArrayView(""));
}

TEST_F(FavoritesTest, AddComparesDescriptionsExactlyAndKeepsLinesApart)
{
    writeFile(FavoritesPath(app()), line("Pac-Man", "pacman").chopped(2));
    const Result<FavoritesResult> again = AddFavorite(app(), record("Pac-Man", "puckman"));
    ASSERT_TRUE(again.ok());
    ASSERT_TRUE(again->notice.has_value());
    EXPECT_EQ(again->notice->title, "Add To Favorites");
    // Another letter case is another favorite; it goes on a line of its own.
    ASSERT_TRUE(AddFavorite(app(), record("PAC-MAN", "pacmanu")).ok());
    EXPECT_EQ(readFile(FavoritesPath(app())), line("Pac-Man", "pacman") + line("PAC-MAN", "pacmanu"));
}

TEST_F(FavoritesTest, RemoveDropsEveryLineOfTheDescription)
{
    writeFile(FavoritesPath(app()), line("Pac-Man", "pacman") + line("Zaxxon", "zaxxon") + line("Pac-Man", "puckman"));
    // Left by a run that stopped half-way: none of it may come back.
    writeFile(report("newfav.txt"), line("Galaga", "galaga"));
    const Result<FavoritesResult> removed = RemoveFavorite(app(), "Pac-Man");
    ASSERT_TRUE(removed.ok());
    EXPECT_FALSE(removed->emptied.has_value());
    EXPECT_EQ(readFile(FavoritesPath(app())), line("Zaxxon", "zaxxon"));
    EXPECT_FALSE(QFileInfo::exists(report("newfav.txt")));
}

TEST_F(FavoritesTest, FailedRewriteKeepsTheOldList)
{
    const QByteArray list = line("Pac-Man", "pacman") + line("Zaxxon", "zaxxon");
    writeFile(FavoritesPath(app()), list);
    // A folder where the work file goes: the new list cannot take its place.
    makeDirs(report("newfav.txt"));
    EXPECT_FALSE(RemoveFavorite(app(), "Pac-Man").ok());
    EXPECT_EQ(readFile(FavoritesPath(app())), list);
}

TEST_F(FavoritesTest, CheckKeepsCaseOnlyDifferencesAndReportsChangedRecords)
{
    writeFile(report("gameinfo.txt"),
              line("Pac-Man", "pacman") + line("Gals, Ganbare", "galsgan", "1985") + line("Zaxxon", "zaxxon"));
    // A favorite may stand twice, in any letter case.
    writeFile(FavoritesPath(app()), line("PAC-MAN", "PACMAN") + line("Gals, Ganbare", "galsgan", "1984") +
                                        line("Zaxxon", "zaxxon") + line("Zaxxon", "zaxxon").toLower());
    writeFile(report("changes.txt"), "Earlier Game\r\n");
    writeFile(report("newfav.txt"), line("Galaga", "galaga"));

    const Result<FavoritesResult> checked = VerifyFavorites(app());
    ASSERT_TRUE(checked.ok());
    ASSERT_TRUE(checked->notice.has_value());
    EXPECT_EQ(checked->notice->prompt,
              "At least one game was removed from your favorites list because\r"
              "there were changes to it with this version of M.A.M.E.  You can\r"
              "see a list of the games removed by selecting Favorite List Changes\r"
              "from the Reports pull-down menu.");
    EXPECT_EQ(checked->notice->title, "Favorites Verify");
    EXPECT_FALSE(checked->emptied.has_value());
    // The favorite keeps its own spelling.
    EXPECT_EQ(readFile(FavoritesPath(app())),
              line("PAC-MAN", "PACMAN") + line("Zaxxon", "zaxxon") + line("Zaxxon", "zaxxon").toLower());
    EXPECT_EQ(readFile(report("changes.txt")), "Earlier Game\r\nGals, Ganbare\r\n");
    EXPECT_FALSE(QFileInfo::exists(report("newfav.txt")));
}

TEST_F(FavoritesTest, CheckWithoutAListOrWithoutGameData)
{
    writeFile(report("gameinfo.txt"), line("Pac-Man", "pacman"));
    const Result<FavoritesResult> nothing = VerifyFavorites(app());
    ASSERT_TRUE(nothing.ok());
    EXPECT_FALSE(nothing->notice || nothing->emptied);
    EXPECT_FALSE(QFileInfo::exists(report("changes.txt")));

    QFile::remove(report("gameinfo.txt"));
    writeFile(FavoritesPath(app()), line("Pac-Man", "pacman"));
    EXPECT_FALSE(VerifyFavorites(app()).ok());
    EXPECT_EQ(readFile(FavoritesPath(app())), line("Pac-Man", "pacman"));
}

TEST_F(FavoritesTest, CheckRefusesAListTheLoaderCouldNotReadAndKeepsItWhole)
{
    writeFile(report("gameinfo.txt"), line("Pac-Man", "pacman") + line("Zaxxon", "zaxxon"));
    const QByteArray good = line("Pac-Man", "pacman");
    const QByteArray sixteen = good.left(good.lastIndexOf(",\""));
    // The reader's own tests walk the kinds of damage; these stand for them.
    const QByteArray cases[] = {
        good + sixteen + "\r\n\"Good\"\r\n", // fields split over lines
        good + "\r\n" + good,                 // a blank line, once a favorite skipped
        QByteArray(1 << 16, '\n'),            // line feeds only
    };
    writeFile(report("changes.txt"), "Earlier Game\r\n");
    for (const QByteArray& list : cases) {
        writeFile(FavoritesPath(app()), list);
        const Result<FavoritesResult> checked = VerifyFavorites(app());
        ASSERT_FALSE(checked.ok()) << list.left(40).toStdString();
        EXPECT_EQ(readFile(FavoritesPath(app())), list);
        EXPECT_EQ(readFile(report("changes.txt")), "Earlier Game\r\n");
        EXPECT_FALSE(QFileInfo::exists(report("newfav.txt")));
    }

    // An empty list holds no favorite: it goes, as when the check drops the last one.
    writeFile(FavoritesPath(app()), "");
    const Result<FavoritesResult> empty = VerifyFavorites(app());
    ASSERT_TRUE(empty.ok());
    EXPECT_TRUE(empty->emptied.has_value());
    EXPECT_FALSE(QFileInfo::exists(FavoritesPath(app())));
}
