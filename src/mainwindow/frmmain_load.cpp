// The main window's load sequence: size and place the window, prepare the lists, read
// options.ini (or recreate it), rebuild the game data for a new MAME, load the lists and reopen
// the saved view.
#include "mainwindow/frmMain.h"

#include "gamelist/GameDataBuilder.h"
#include "gamelist/GameDataRebuild.h"
#include "gamelist/ListLoader.h"
#include "options/MameIni.h"
#include "platform/BusyPointer.h"
#include "platform/FileReplacement.h"
#include "platform/MsgBox.h"
#include "platform/PaintNow.h"
#include "platform/RichTextBox.h"
#include "platform/RuntimeErrorText.h"
#include "platform/Twips.h"
#include "platform/WholeFile.h"
#include "shell/ExecCmd.h"
#include "shell/FolderTable.h"
#include "shell/IniFile.h"
#include "shell/MameProgram.h"
#include "shell/OptionsIni.h"
#include "shell/ProgramEnd.h"
#include "shell/ShortPath.h"
#include "shell/frmSplash.h"
#include "shell/frmWait.h"
#include "wizard/frmChoose.h"

#include <QApplication>
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLayout>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QTreeView>

#include <algorithm>

namespace {

constexpr const char* kGameDataFiles[] = {"listxml.txt", "gameinfo.txt", "crcinfo.txt", "resource.txt"};

// The files that the program replaces whole in its two folders, by folder: a replacement stopped
// half-way (the program killed) leaves its temporary file beside one of them.
struct ReplacedFiles {
    const char* folder;
    QStringList names;
};
const ReplacedFiles kReplacedFiles[] = {
    {"settings", {"options.ini", "*.cfg"}},
    {"reports",
     {"listxml.txt", "gameinfo.txt", "crcinfo.txt", "resource.txt", "oldlistxml.txt", "oldcrcinfo.txt",
      "oldresource.txt", "oldcopies.txt", "favorite.txt", "newfav.txt", "whatsnew.txt", "newroms.txt", "roms.txt",
      "samples.txt", "rebuilt.txt", "temp.txt", "bad.txt", "allgames.txt", "installedgames.txt",
      "uninstalledgames.txt"}},
};

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

    RichTextBox* report = fraVerify->txtVerify;
    report->setTabStopDistance(report->fontMetrics().averageCharWidth() * 25.0); // 100 dialog units
    report->setText(QString());

    QString appPath = programFolder;
    if (appPath.endsWith(QLatin1Char('/')) && appPath.size() > 1)
        appPath.chop(1);
    m_state.paths.strAppPath = appPath;
    m_state.paths.strShortAppPath = CommandPath(appPath);

    fraList->prepareListColumns();

    // A folder that cannot be created (read-only media) is no reason to stop here.
    QDir().mkpath(JoinPath(appPath, QStringLiteral("settings")));
    QDir().mkpath(JoinPath(appPath, QStringLiteral("reports")));
    for (const ReplacedFiles& replaced : kReplacedFiles)
        RemoveReplacementLeftovers(JoinPath(appPath, QLatin1String(replaced.folder)), replaced.names);

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
    else if (m_state.view.intWindowState == 1)
        setWindowState(windowState() | Qt::WindowMinimized);

    for (const FolderEntry& f : kFolders)
        m_state.dirs.*f.shortPath = CommandPath(m_state.dirs.*f.path);

    const Result<qint32> size = MameSize(m_state.dirs.strMAMEPath);
    if (!size.ok())
        return size.error();
    m_state.lngNewMAMESize = size.value();
    const bool newMame = NewMameDetected(m_state.paths.strAppPath, {m_state.lngMAMESize, m_state.lngNewMAMESize});
    if (newMame) {
        showSplash();
        progress().message(QStringLiteral("New version of M.A.M.E. detected!"));
        const Result<bool> built = buildGameData(true);
        if (!built.ok())
            return built.error();
        // A failed build is not recorded, so that the next start builds again.
        if (built.value())
            m_state.lngMAMESize = m_state.lngNewMAMESize;
    }

    mnuViewShots->setChecked(m_state.view.blnScreenShots);
    if (m_state.view.blnFavorites)
        mnuViewFavorites->setChecked(true);
    return finishLoad(newMame);
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

Result<bool> frmMain::buildGameData(bool newMame)
{
    const QString& appPath = m_state.paths.strAppPath;
    GameDataRebuild request{appPath, m_state.paths.strShortAppPath, std::nullopt};
    if (newMame)
        request.newMame = MameSizes{m_state.lngMAMESize, m_state.lngNewMAMESize};
    const QString& mameFolder = m_state.dirs.strMAMEPath;
    const Status failed = [&] {
        const BusyPointer busy;
        return RebuildGameData(
            request, [&mameFolder](const QString& line) { return ExecCmd(line, ShowState::Minimized, mameFolder); },
            m_state.game, m_state.strRotate, &progress());
    }();
    if (failed)
        // The load goes on with the game data at hand. The favorites wait for the build that the
        // next start makes: checked against a partial game list they would be dropped.
        MsgBox(CreateGameInfoErrorText(*failed), MsgStyle::Critical);
    else
        TestFavorites();
    if (newMame)
        if (Status error = KillWhatsNewReports(appPath))
            return *error;
    return !failed;
}

void frmMain::showSplash()
{
    auto& splash = static_cast<frmSplash&>(progress());
    splash.show();
    PaintNow(splash);
}

Status frmMain::finishLoad(bool newMameBuilt)
{
    const QString& ini = m_state.paths.strOptionsIni;
    WriteINI(ini, QStringLiteral("Miscellaneous"), QStringLiteral("ZelvaneVersion"), kOptionsVersion);
    WriteOptionKey(ini, m_state, "MAMESize");
    WriteOptionKey(ini, m_state, "AutoRun");
    // The file on disk stays as it was and the load goes on; without the version the next start
    // would take the file for an old one, so the user hears of it.
    if (Status failed = SaveINI(ini))
        MsgBox(SaveFailedText(ini, *failed), MsgStyle::Critical);

    showSplash();

    // After a new MAME's build in this load, even a failed one, MAME runs no second time: the
    // next start builds again.
    // A file that cannot be read (a folder in its place, no permission) is as good as missing.
    const auto missing = [this](const char* file) {
        QFile data(ReportsPath(m_state.paths.strAppPath, QLatin1String(file)));
        return !data.open(QIODevice::ReadOnly);
    };
    if (!newMameBuilt && std::any_of(std::begin(kGameDataFiles), std::end(kGameDataFiles), missing))
        if (const Result<bool> built = buildGameData(false); !built.ok())
            return built.error();

    for (const ListView& row : m_views)
        row.view->hide();
    loadLists();
    DefineCombos();

    for (QGroupBox* panel : std::initializer_list<QGroupBox*>{fraVerify, fraDefaults, fraMaintenance})
        panel->setEnabled(false);
    fraList->raise();
    m_state.view.intPanelShown = 0;

    if (!MameIniAtRest(m_state.dirs))
        if (Status error = CreateMAMEIni(m_state.dirs)) {
            // A missing Ini folder is a setting to correct; a write that failed (a full disk) is
            // no reason to recreate options.ini: Play writes mame.ini again.
            if (error->number == ErrorNumber::PathNotFound)
                return error;
            MsgBox(MameIniErrorText(QStringLiteral("Form_Load"), m_state.dirs, *error), MsgStyle::Critical);
        }

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
    Result<GameLists> lists = [this] {
        const BusyPointer busy;
        PaintedCount shown(progress());
        Result<GameLists> loaded = LoadLists(m_state, &shown);
        shown.finish();
        return loaded;
    }();
    if (!lists.ok())
        FatalError(LoadListsErrorText(lists.error(), m_state.game[GameColumn::ROM]));
    fraDefaults->setMameLayout(lists->fromTodaysMame ? MameLayout::Current : MameLayout::Older);
    showGameLists(std::move(lists.value()));
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
    if (Status failed = KeepAsBackup(ini)) {
        MsgBox(OptionsBackupFailedText(ini, *failed), MsgStyle::Critical);
        m_state.startup.blnOptionsCancelled = true;
        Form_Unload();
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
