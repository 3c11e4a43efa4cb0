// The favorites list in the main window: the view toggle, Add and Remove on the pop-up menu,
// and the check of the list after a new MAME rebuilt the game data (fakemame as MAME).
#include "support/MainWindowFixture.h"

#include "gamelist/Favorites.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QTreeView>

#include "support/Files.h"
#include "support/FullDisk.h"
#include "support/ScopedEnv.h"

namespace {

class Favorites : public MainWindowTest {
protected:
    frmMain& loaded(const QByteArray& options = {})
    {
        writeOptions(options);
        return loadShown();
    }

    static QStringList names(QTreeView* lv)
    {
        QStringList list;
        for (int r = 0; r < lv->model()->rowCount(); ++r)
            list << lv->model()->index(r, 0).data().toString();
        return list;
    }

    // The line of gameinfo.txt (as writeGames wrote it) that holds `description`.
    QByteArray gameLine(const char* description) const
    {
        for (const QByteArray& line : readFile(report("gameinfo.txt")).split('\n'))
            if (line.startsWith('"' + QByteArray(description) + "\","))
                return line + '\n';
        ADD_FAILURE() << "no game " << description;
        return {};
    }

    QString favorites() const { return report("favorite.txt"); }
};

} // namespace

TEST_F(Favorites, ViewWithoutAListIsRefused)
{
    writeGames(fiveGames());
    frmMain& w = loaded();
    w.mnuViewFavorites->trigger();
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_EQ(m_boxes.shown()[0].prompt, "You do not have a favorites list.  ");
    EXPECT_EQ(m_boxes.shown()[0].style, 64);
    EXPECT_FALSE(w.mnuViewFavorites->isChecked());
    EXPECT_FALSE(m_state.view.blnFavorites);
    EXPECT_EQ(m_state.counts.intAllCount, 5);
}

TEST_F(Favorites, AddedGamesMakeTheFavoritesView)
{
    writeGames(fiveGames());
    frmMain& w = loaded();
    selectRow(w.fraList->lvAll, 3); // Pac-Man
    w.mnuAddFavorite->trigger();
    w.mnuAddFavorite->trigger();
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_EQ(m_boxes.shown()[0].prompt, "Game already on list.");
    w.mnuViewInstalled->trigger();
    selectRow(w.fraList->lvInstalled, 2); // Zaxxon
    w.mnuAddFavorite->trigger();
    EXPECT_EQ(readFile(favorites()), gameLine("Pac-Man") + gameLine("Zaxxon"));

    w.mnuViewFavorites->trigger();
    EXPECT_TRUE(m_state.view.blnFavorites);
    EXPECT_EQ(names(w.fraList->lvInstalled), QStringList({"Pac-Man", "Zaxxon"}));
    EXPECT_EQ(m_state.counts.intAllCount, 2);
}

TEST_F(Favorites, RemovingTheLastFavoriteEndsTheView)
{
    writeGames(fiveGames());
    writeFile(favorites(), gameLine("Pac-Man") + gameLine("Zaxxon") + gameLine("Pac-Man"));
    frmMain& w = loaded("[View]\r\nFavorites=True\r\n");
    ASSERT_EQ(names(w.fraList->lvAll), QStringList({"Pac-Man", "Pac-Man", "Zaxxon"}));

    selectRow(w.fraList->lvAll, 0);
    w.mnuRemoveFavorite->trigger();
    EXPECT_EQ(names(w.fraList->lvAll), QStringList({"Zaxxon"}));
    EXPECT_TRUE(m_boxes.shown().empty());

    selectRow(w.fraList->lvAll, 0);
    w.mnuRemoveFavorite->trigger();
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_EQ(m_boxes.shown()[0].prompt, "Your favorites list is empty.  Zelvane will now return to the default list.");
    EXPECT_FALSE(QFileInfo::exists(favorites()));
    EXPECT_FALSE(w.mnuViewFavorites->isChecked());
    EXPECT_EQ(m_state.counts.intAllCount, 5);
    EXPECT_EQ(storedOption(optionsIni(), "View", "Favorites"), "False");
}

TEST_F(Favorites, NewMameKeepsUnchangedFavoritesAndReportsTheOthers)
{
    ScopedEnv listing("ZELVANE_FAKEMAME_LISTXML", QFile::encodeName(writeListing(fiveGames())));
    writeGames(fiveGames());
    const QByteArray zaxxon = gameLine("Zaxxon");
    QByteArray changed = zaxxon;
    changed.replace("\"1982\"", "\"1983\"");
    writeFile(favorites(), gameLine("Pac-Man").toUpper() + changed);
    writeOptions("[View]\r\nFavorites=True\r\n");
    writeMame(64);
    frmMain& w = load();

    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_TRUE(m_boxes.shown()[0].prompt.startsWith("At least one game was removed from your favorites list because\r"));
    EXPECT_EQ(readFile(report("changes.txt")), "Zaxxon\r\n");
    EXPECT_EQ(readFile(favorites()), gameLine("Pac-Man").toUpper());
    EXPECT_EQ(names(w.fraList->lvAll), QStringList({"PAC-MAN"}));
    EXPECT_TRUE(w.mnuViewFavorites->isChecked());
}

TEST_F(Favorites, RefreshAfterANewMameThatDropsEveryFavoriteEndsTheView)
{
    ScopedEnv listing("ZELVANE_FAKEMAME_LISTXML", QFile::encodeName(writeListing(fiveGames())));
    writeGames(fiveGames());
    QByteArray changed = gameLine("Zaxxon");
    changed.replace("\"Maker\"", "\"Another Maker\"");
    writeFile(favorites(), changed);
    frmMain& w = loaded("[View]\r\nFavorites=True\r\n");
    ASSERT_EQ(m_state.counts.intAllCount, 1);

    writeMame(64);
    w.mnuViewRefresh->trigger();
    ASSERT_EQ(m_boxes.shown().size(), 2u);
    EXPECT_EQ(m_boxes.shown()[1].prompt, "Your favorites list is now empty.  Zelvane will now load\rthe default game list.");
    EXPECT_FALSE(QFileInfo::exists(favorites()));
    EXPECT_FALSE(w.mnuViewFavorites->isChecked());
    EXPECT_EQ(storedOption(optionsIni(), "View", "Favorites"), "False");
    EXPECT_EQ(m_state.counts.intAllCount, 5);
    EXPECT_EQ(readFile(report("changes.txt")), "Zaxxon\r\n");
}

TEST_F(Favorites, RebuildThatFailsLeavesTheListForTheNextCheck)
{
    // A listing cut short in its second game: the game data holds one game only.
    QByteArray cut = readFile(writeListing(fiveGames()));
    cut.truncate(cut.indexOf("<description>galaxian"));
    writeFile(m_root + "/cut.xml", cut);
    ScopedEnv listing("ZELVANE_FAKEMAME_LISTXML", QFile::encodeName(m_root + "/cut.xml"));
    writeGames(fiveGames());
    const QByteArray list = gameLine("Zaxxon");
    writeFile(favorites(), list);
    writeOptions();
    writeMame(64);
    load();
    ASSERT_FALSE(m_boxes.shown().empty());
    EXPECT_TRUE(m_boxes.shown()[0].prompt.startsWith("Error In CreateGameInfo: "));
    EXPECT_EQ(readFile(favorites()), list);
    EXPECT_FALSE(QFileInfo::exists(report("changes.txt")));
}

TEST_F(Favorites, FullDiskKeepsTheListAndTheViewAndSaysWhichFileItCouldNotSave)
{
    writeGames(fiveGames());
    struct Case {
        const char* name;
        QByteArray list;      // favorite.txt before
        bool favoritesView;
        QAction* frmMain::* command;
        bool listKept;        // favorite.txt as it was (else: emptied, kept for the stored view)
        const char* file;     // the file the box names
    };
    const Case cases[] = {
        {"add", gameLine("Zaxxon"), false, &frmMain::mnuAddFavorite, true, "reports/favorite.txt"},
        {"remove", gameLine("Zaxxon") + gameLine("Pac-Man"), true, &frmMain::mnuRemoveFavorite, true,
         "reports/favorite.txt"},
        // The last one goes (an empty list needs no room), but the view's end cannot be stored:
        // the empty list stays for the next start, which still opens the favorites view.
        {"remove the last", gameLine("Zaxxon"), true, &frmMain::mnuRemoveFavorite, false, "settings/options.ini"},
    };
    for (const Case& c : cases) {
        writeFile(favorites(), c.list);
        IniService::instance().dropAll();
        m_state = AppState();
        m_boxes.clearShown();
        frmMain& w = loaded(c.favoritesView ? "[View]\r\nFavorites=True\r\n" : "");
        const QByteArray options = readFile(optionsIni());
        selectRow(w.fraList->lvAll, c.favoritesView ? 0 : 3);
        {
            ScopedWriteLimit full(0);
            (w.*c.command)->trigger();
        }
        ASSERT_FALSE(m_boxes.shown().empty()) << c.name;
        EXPECT_EQ(m_boxes.shown()[0].prompt.toStdString(), DiskFullPrompt(app() + "/" + c.file)) << c.name;
        EXPECT_EQ(m_boxes.shown()[0].style, 16) << c.name;
        EXPECT_EQ(readFile(favorites()), c.listKept ? c.list : QByteArray()) << c.name;
        EXPECT_TRUE(QFileInfo::exists(favorites())) << c.name;
        EXPECT_EQ(readFile(optionsIni()), options) << c.name;
        m_window.reset();
    }
}
