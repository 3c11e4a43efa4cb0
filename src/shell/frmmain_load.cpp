// The main window's load sequence: size and place the window, prepare the lists, read
// options.ini (or recreate it), rebuild the game data for a new MAME, load the lists and reopen
// the saved view.
#include "shell/frmMain.h"

#include "gamelist/GameDataBuilder.h"
#include "gamelist/GameDataCommands.h"
#include "gamelist/GameListModel.h"
#include "gamelist/ListLoader.h"
#include "options/MameIni.h"
#include "platform/MsgBox.h"
#include "platform/RuntimeErrorText.h"
#include "platform/StatusPanels.h"
#include "platform/SysColors.h"
#include "platform/Twips.h"
#include "shell/IniFile.h"
#include "shell/MameProgram.h"
#include "shell/OptionsIni.h"
#include "shell/ProgramEnd.h"
#include "shell/ShortPath.h"
#include "shell/StarField.h"
#include "shell/frmSplash.h"
#include "shell/frmWait.h"
#include "wizard/frmChoose.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLayout>
#include <QLabel>
#include <QScreen>
#include <QTextEdit>
#include <QTimer>
#include <QTreeView>

namespace {

constexpr const char* kGameDataFiles[] = {"listxml.txt", "gameinfo.txt", "crcinfo.txt", "resource.txt"};

// The byte length of the MAME program, or the runtime's "File not found" when it is missing.
Result<qint32> MameSize(const QString& mameFolder)
{
    const QFileInfo program(MameProgramFile(mameFolder));
    if (mameFolder.isEmpty() || !program.isFile())
        return MakeRuntimeError(ErrorNumber::FileNotFound);
    return qint32(program.size());
}

// Painting the running count after every game would take longer than loading the games: the
// count is painted at most every 40 ms, and once more with the last count at the end.
class PaintedCount : public Progress {
public:
    explicit PaintedCount(Progress& target) : m_target(target) {}
    void message(const QString& text) override { m_target.message(text); }
    void count(qint32 games) override
    {
        m_last = games;
        if (m_clock.isValid() && m_clock.elapsed() < 40)
            return;
        m_target.count(games);
        m_shown = games;
        m_clock.start();
    }
    void finish()
    {
        if (m_last != m_shown)
            m_target.count(m_last);
    }

private:
    Progress& m_target;
    QElapsedTimer m_clock;
    qint32 m_last = -1;
    qint32 m_shown = -1;
};

} // namespace

Progress& frmMain::progress()
{
    if (m_state.startup.blnLoading) {
        if (!m_splash)
            m_splash = std::make_unique<frmSplash>(m_state.paths.strAppPath);
        return *m_splash;
    }
    if (!m_wait)
        m_wait = std::make_unique<frmWait>();
    return *m_wait;
}

void frmMain::Form_Load() { Form_Load(QCoreApplication::applicationDirPath()); }

void frmMain::Form_Load(const QString& programFolder)
{
    m_state.startup.blnLoading = true;
    sizeAndCentre();
    // The two tall panels need no subclassing here: their scroll bars draw themselves.

    txtVerify->setTabStopDistance(txtVerify->fontMetrics().averageCharWidth() * 25.0); // 100 dialog units
    txtVerify->clear();

    QString appPath = programFolder;
    if (appPath.endsWith(QLatin1Char('/')) && appPath.size() > 1)
        appPath.chop(1);
    m_state.paths.strAppPath = appPath;
    m_state.paths.strShortAppPath = CommandPath(appPath);

    prepareListColumns();

    // A folder that cannot be created (read-only media) is no reason to stop here.
    QDir().mkpath(JoinPath(appPath, QStringLiteral("settings")));
    QDir().mkpath(JoinPath(appPath, QStringLiteral("reports")));

    bool optionsHandler = false; // errOptions has taken over from errFolder
    for (;;) {
        m_state.paths.strOptionsIni = JoinPath(appPath, QStringLiteral("settings/options.ini"));
        Status failed;
        if (QFileInfo::exists(m_state.paths.strOptionsIni)) {
            optionsHandler = true;
            Result<bool> passed = versionGate();
            if (!passed.ok())
                failed = passed.error();
            else if (!passed.value())
                continue;
            else
                failed = loadWithOptions();
        } else {
            failed = firstRun();
        }
        if (!failed)
            break;
        if (!optionsHandler)
            errFolder(*failed);
        if (m_restartedAfterOptionsError)
            stopAfterSecondFailure(*failed);
        errOptions(*failed);
    }
}

void frmMain::sizeAndCentre()
{
    // The client area starts 426 pixels high, at its design width, in the middle of the screen.
    resize(twipsToPixels(10125), 426);
    layout()->activate();
    resize(width(), height() + 426 - m_client->height());
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

void frmMain::prepareListColumns()
{
    for (const GameColumn c : {GameColumn::Source, GameColumn::RomOf, GameColumn::CHD})
        for (const ListView& row : m_views)
            row.view->setColumnHidden(static_cast<int>(c), true);

    const QString& appPath = m_state.paths.strAppPath;
    m_state.startup.blnCatver = QFileInfo::exists(JoinPath(appPath, QStringLiteral("catver.ini")));
    m_state.startup.blnNPlayers = QFileInfo::exists(JoinPath(appPath, QStringLiteral("nplayers.ini")));
    for (const ListView& row : m_views) {
        row.view->setColumnHidden(static_cast<int>(GameColumn::Category), !m_state.startup.blnCatver);
        row.view->setColumnHidden(static_cast<int>(GameColumn::Players), !m_state.startup.blnNPlayers);
    }
}

Result<bool> frmMain::versionGate()
{
    const QString& ini = m_state.paths.strOptionsIni;
    const Result<qint32> version = OptionsVersionNumber(ReadINI(ini, QStringLiteral("Miscellaneous"), QStringLiteral("ZelvaneVersion"), 0));
    if (!version.ok())
        return version.error();
    m_state.startup.intZelvaneVersion = version.value();
    if (version.value() >= kOldestOptionsVersion)
        return true;
    MsgBox(QStringLiteral("The options.ini file must be recreated with this version of Zelvane."), MsgStyle::Information);
    // A file that cannot be deleted would send the load round this gate for ever.
    if (!KillINI(ini))
        return MakeRuntimeError(ErrorNumber::PathFileAccess);
    return false;
}

Status frmMain::loadWithOptions()
{
    if (Status error = ReadOptions(m_state.paths.strOptionsIni, m_state))
        return error;

    // A saved sort on a hidden column, or one that names no column, falls back to the first,
    // ascending.
    for (const ListView& row : m_views) {
        qint32& key = m_state.view.*row.sortKey;
        qint32& order = m_state.view.*row.sortOrder;
        const bool lookUp = key == static_cast<int>(GameColumn::Category) || key == static_cast<int>(GameColumn::Players);
        if (key < 0 || key >= kGameColumnCount || (lookUp && row.view->isColumnHidden(key))) {
            key = 0;
            order = 0;
        }
        if (order != 1)
            order = 0;
    }

    if (m_state.view.intWindowState == 2)
        setWindowState(windowState() | Qt::WindowMaximized);

    for (const FolderEntry& f : kFolders)
        m_state.dirs.*f.shortPath = CommandPath(m_state.dirs.*f.path);

    const Result<qint32> size = MameSize(m_state.dirs.strMAMEPath);
    if (!size.ok())
        return size.error();
    m_state.lngNewMAMESize = size.value();
    if (m_state.lngNewMAMESize != m_state.lngMAMESize && m_state.lngMAMESize != 0) {
        showSplash();
        progress().message(QStringLiteral("New version of M.A.M.E. detected!"));
        if (Status error = buildGameData(true))
            return error;
        m_state.lngMAMESize = m_state.lngNewMAMESize;
    }

    mnuViewShots->setChecked(m_state.view.blnScreenShots);
    if (m_state.view.blnFavorites)
        mnuViewFavorites->setChecked(true);
    return finishLoad();
}

Status frmMain::firstRun()
{
    m_state.view.intAllIndex = m_state.view.intInstalledIndex = m_state.view.intUninstalledIndex = 1;
    // The year limit is no default: after errOptions the wizard shows the year the file held.
    const QString year = m_state.filters.strHideYear;
    m_state.filters = ListFilters();
    m_state.filters.strHideYear = year;
    m_state.view.blnScreenShots = m_state.view.blnFavorites = false;
    m_state.prefs = GeneralPreferences();
    m_state.appearance = ListAppearance();
    m_state.view.blnScroll = true;

    ChooseOptions(m_state);
    QFile::remove(ReportsPath(m_state.paths.strAppPath, QStringLiteral("listxml.txt")));
    if (m_state.startup.blnOptionsCancelled)
        Form_Unload();

    const Result<qint32> size = MameSize(m_state.dirs.strMAMEPath);
    if (!size.ok())
        return size.error();
    m_state.lngMAMESize = size.value();
    return finishLoad();
}

Status frmMain::buildGameData(bool backups)
{
    const QString& appPath = m_state.paths.strAppPath;
    if (backups) {
        if (Status error = BackupListXML(appPath))
            return error;
        if (Status error = BackupCRCInfo(appPath))
            return error;
    }
    CreateListXML(m_state.paths, m_state.dirs, &progress());
    CreateCRCInfo(m_state.paths, m_state.dirs, &progress());
    if (Status error = CreateGameInfo(appPath, m_state.game, m_state.strRotate, &progress()))
        // The scan reports its own failure and the load goes on with what it wrote. The favorites
        // wait for the rebuild that the next start makes: checked against a partial game list
        // they would be dropped.
        MsgBox(CreateGameInfoErrorText(*error), MsgStyle::Critical);
    else
        TestFavorites();
    if (backups)
        return KillWhatsNewReports(appPath);
    return std::nullopt;
}

void frmMain::showSplash()
{
    auto& splash = static_cast<frmSplash&>(progress());
    splash.show();
    splash.repaint();
}

Status frmMain::finishLoad()
{
    const QString& ini = m_state.paths.strOptionsIni;
    WriteINI(ini, QStringLiteral("Miscellaneous"), QStringLiteral("ZelvaneVersion"), kOptionsVersion);
    WriteOptionKey(ini, m_state, "MAMESize");
    WriteOptionKey(ini, m_state, "AutoRun");
    FlushINI(ini);

    showSplash();

    for (const char* file : kGameDataFiles)
        if (!QFileInfo::exists(ReportsPath(m_state.paths.strAppPath, QLatin1String(file)))) {
            if (Status error = buildGameData(false))
                return error;
            break;
        }

    for (const ListView& row : m_views)
        row.view->hide();
    loadLists();
    // DefineCombos runs here.

    for (QGroupBox* panel : {fraVerify, fraDefaults, fraMaintenance})
        panel->setEnabled(false);
    fraList->raise();
    m_state.view.intPanelShown = 0;

    if (!QFileInfo::exists(MameIniPath(m_state.dirs)))
        if (Status error = CreateMAMEIni(m_state.dirs))
            return error;

    applyListAppearance();

    const QString& view = m_state.view.strGameView;
    if (view == QLatin1String("Installed Games"))
        mnuViewInstalled_Click();
    else if (view == QLatin1String("Uninstalled Games"))
        mnuViewUninstalled_Click();
    else
        mnuViewAll_Click();

    CheckFilters();
    if (m_state.view.blnScroll)
        Tmr[0]->start();
    else
        Tmr[0]->stop();

    m_splash.reset();
    m_state.startup.blnLoading = false;
    return std::nullopt;
}

void frmMain::loadLists()
{
    PaintedCount shown(progress());
    Result<GameLists> lists = LoadLists(m_state, &shown);
    shown.finish();
    if (!lists.ok())
        FatalError(LoadListsErrorText(lists.error(), m_state.game[GameColumn::ROM]));
    showGameLists(std::move(lists.value()));
}

namespace {

// The star field repeats across a list in tiles of this size.
constexpr QSize kStarFieldTile(256, 256);

} // namespace

void frmMain::applyListAppearance()
{
    const ListAppearance& look = m_state.appearance;
    const QImage starField = look.blnUseStarfield ? StarFieldImage(kStarFieldTile) : QImage();
    for (const ListView& row : m_views) {
        QPalette palette = row.view->palette();
        // The "Star Field" picture takes the back colour's place when chosen.
        if (look.blnUseStarfield)
            palette.setBrush(QPalette::Base, QBrush(QPixmap::fromImage(starField)));
        else
            palette.setBrush(QPalette::Base, StoredColor(look.lngBackColor));
        palette.setColor(QPalette::Text, StoredColor(look.lngFontColor));
        row.view->setPalette(palette);
        QFont font = row.view->font();
        bool ok = false;
        const int points = look.strFontSize.toInt(&ok);
        if (ok && points > 0)
            font.setPointSize(points);
        row.view->setFont(font);
    }
}

void frmMain::errFolder(const RuntimeError& error)
{
    MsgBox(QStringLiteral("Error In Form(errFolder): ") + error.description, MsgStyle::Critical);
    m_state.startup.blnOptionsCancelled = true;
    Form_Unload();
}

void frmMain::errOptions(const RuntimeError&)
{
    const QString& ini = m_state.paths.strOptionsIni;
    // The user's settings survive a failure that was not theirs (a MAME drive not ready).
    const QString backup = ini + QStringLiteral(".bak");
    if (QFileInfo::exists(ini)) {
        QFile::remove(backup);
        QFile::copy(ini, backup);
    }
    KillINI(ini);
    MsgBox(QStringLiteral("Problem in options.ini file.  Zelvane will now create a new one."));
    clearGameLists();
    if (m_splash)
        m_splash->lblCount->clear();
    for (const FolderEntry& f : kFolders)
        m_state.dirs.*f.path = QString();
    m_restartedAfterOptionsError = true;
}

void frmMain::stopAfterSecondFailure(const RuntimeError& error)
{
    MsgBox(QStringLiteral("Zelvane cannot start: the new options.ini file does not work either.\r") + error.description,
           MsgStyle::Critical);
    m_state.startup.blnOptionsCancelled = true;
    Form_Unload();
}
