#include "support/MainWindowFixture.h"

#include "gamelist/GameRecordFile.h"
#include "shell/IniFile.h"

#include <QApplication>
#include <QDir>

#include <cstdio>


#include "support/Files.h"

namespace {
const char* kSharedRoot = "ZELVANE_TEST_SHARED_ROOT";
}

void MainWindowTest::SetUp()
{
    IniService::instance().dropAll();
    m_root = qEnvironmentVariableIsSet(kSharedRoot) ? qEnvironmentVariable(kSharedRoot) : m_dir.path();
    makeDirs(app());
    makeDirs(roms());
    makeDirs(snaps());
    makeDirs(samples());
    writeMame();
}

void MainWindowTest::TearDown()
{
    m_window.reset();
    qunsetenv(kSharedRoot);
    qunsetenv("ZELVANE_FAKEMAME_GAMES");
    IniService::instance().dropAll();
}

void MainWindowTest::nextCase()
{
    MainWindowTest::TearDown();
    QDir(m_root).removeRecursively();
    m_state = AppState();
    m_boxes.clearShown();
    MainWindowTest::SetUp();
}

void MainWindowTest::shareFolderWithChild() { qputenv(kSharedRoot, m_root.toLocal8Bit()); }

void MainWindowTest::writeGames(const std::vector<FixtureGame>& games)
{
    QByteArray data;
    for (const FixtureGame& g : games) {
        GameRecord r;
        r[GameColumn::Game] = g.game;
        r[GameColumn::Year] = g.year;
        r[GameColumn::Status] = QStringLiteral("Good");
        r[GameColumn::Color] = QStringLiteral("Good");
        r[GameColumn::Sound] = QStringLiteral("Good");
        r[GameColumn::Graphic] = QStringLiteral("Good");
        r[GameColumn::Palette] = QStringLiteral("   512");
        r[GameColumn::Manufacturer] = g.manufacturer;
        r[GameColumn::Type] = g.type;
        r[GameColumn::Display] = QStringLiteral(" 288x224");
        r[GameColumn::Orientation] = g.orientation;
        r[GameColumn::Frequency] = QStringLiteral("60");
        r[GameColumn::Origin] = g.origin;
        r[GameColumn::ROM] = g.rom;
        r[GameColumn::Source] = g.source;
        r[GameColumn::RomOf] = QStringLiteral("N/A");
        r[GameColumn::CHD] = QStringLiteral("No");
        data += GameRecordLine(r);
        if (g.installed)
            writeFile(roms() + QLatin1Char('/') + g.rom + QStringLiteral(".zip"), "PK");
    }
    writeFile(report("gameinfo.txt"), data);
    writeFile(report("listxml.txt"), "<?xml version=\"1.0\"?>\r\n");
    writeFile(report("crcinfo.txt"), "");
    writeFile(report("resource.txt"), "");
}

QString MainWindowTest::writeListing(const std::vector<FixtureGame>& games)
{
    QByteArray xml = "<?xml version=\"1.0\"?>\r\n<mame build=\"0.106\">\r\n";
    for (const FixtureGame& g : games) {
        xml += "\t<game name=\"" + g.rom.toUtf8() + "\" sourcefile=\"driver.c\"";
        if (g.origin.startsWith(QLatin1String("Clone of ")))
            xml += " cloneof=\"" + g.origin.mid(9).toUtf8() + "\"";
        xml += ">\r\n\t\t<description>" + g.game.toUtf8() + "</description>\r\n\t\t<year>" + g.year.toUtf8() +
               "</year>\r\n\t\t<manufacturer>" + g.manufacturer.toUtf8() + "</manufacturer>\r\n" +
               "\t\t<display type=\"raster\" rotate=\"" +
               (g.orientation == QLatin1String("Vertical") ? "90" : "0") +
               "\" width=\"288\" height=\"224\" refresh=\"60\" />\r\n"
               "\t\t<driver status=\"good\" color=\"good\" sound=\"good\" graphic=\"good\" palettesize=\"512\"/>\r\n"
               "\t</game>\r\n";
    }
    xml += "\t<game runnable=\"no\" name=\"bios\" sourcefile=\"driver.c\">\r\n\t</game>\r\n</mame>\r\n";
    const QString path = m_root + QStringLiteral("/listing.xml");
    writeFile(path, xml);
    return path;
}

void MainWindowTest::writeMame(int padding)
{
    // fakemame, made another size by bytes after its end, as a new MAME would be.
    const QString program = mame() + QStringLiteral("/mame");
    writeFile(program, readFile(QStringLiteral(ZELVANE_FAKEMAME_PATH)) + QByteArray(padding, '\0'));
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

qint64 MainWindowTest::mameSize() const { return QFileInfo(mame() + QStringLiteral("/mame")).size(); }

void MainWindowTest::writeOptions(const QByteArray& extra, const QByteArray& version)
{
    QByteArray text = "[Miscellaneous]\r\nZelvaneVersion=" + version + "\r\nMAMESize=" + QByteArray::number(mameSize()) +
                      "\r\n[Directories]\r\nMAME=" + mame().toUtf8() + "\r\nROMs=" + roms().toUtf8() +
                      "\r\nSnapshots=" + snaps().toUtf8() + "\r\nSamples=" + samples().toUtf8() +
                      "\r\nIni=" + ini().toUtf8() + "\r\n" + extra;
    writeFile(optionsIni(), text);
}

void MainWindowTest::answerWizard()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* form = qobject_cast<frmChoose*>(w);
        if (!form || !form->isVisible() || form == m_answered)
            continue;
        m_answered = form;
        fprintf(stderr, "Wizard: shown\n");
        m_wizard(*form);
    }
}

frmMain& MainWindowTest::load()
{
    // The wizard is modal: it is answered from the event loop that shows it.
    m_wizardWatch.setInterval(5);
    QObject::connect(&m_wizardWatch, &QTimer::timeout, [this] { answerWizard(); });
    m_wizardWatch.start();
    m_window = std::make_unique<frmMain>(m_state);
    m_window->Form_Load(app());
    return *m_window;
}

frmMain& MainWindowTest::loadShown()
{
    frmMain& w = load();
    w.show();
    QApplication::processEvents();
    return w;
}

StartupEnvironment MainWindowTest::startup() const
{
    const QString folder = app();
    return {folder, [folder](Program& p) {
                p.mainWindow = std::make_unique<frmMain>(p.state);
                p.mainWindow->Form_Load(folder);
                p.mainWindow->show();
            }};
}

void MainWindowTest::selectRow(QTreeView* lv, int row) { lv->setCurrentIndex(lv->model()->index(row, 0)); }

std::vector<FixtureGame> MainWindowTest::fiveGames() const
{
    return {
        {QStringLiteral("Pac-Man"), QStringLiteral("1980"), QStringLiteral("pacman")},
        {QStringLiteral("galaxian"), QStringLiteral("1979"), QStringLiteral("galaxian"), QStringLiteral("Original"),
         QStringLiteral("Vertical")},
        {QStringLiteral("Ms. Pac-Man"), QStringLiteral("1981"), QStringLiteral("mspacman"),
         QStringLiteral("Clone of pacman"), QStringLiteral("Vertical"), false},
        {QStringLiteral("Asteroids"), QStringLiteral("1979"), QStringLiteral("asteroid"), QStringLiteral("Original"),
         QStringLiteral("Horizontal"), false},
        {QStringLiteral("Zaxxon"), QStringLiteral("1982"), QStringLiteral("zaxxon")},
    };
}

std::vector<FixtureGame> MainWindowTest::fromTodaysMame(std::vector<FixtureGame> games)
{
    for (FixtureGame& game : games)
        game.source = QStringLiteral("misc/misc.cpp");
    return games;
}

QString storedOption(const QString& ini, const char* section, const char* key)
{
    IniService::instance().dropAll();
    return ReadINI(ini, QLatin1String(section), QLatin1String(key), QStringLiteral("<missing>"));
}
