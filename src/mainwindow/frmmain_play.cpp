// Starting the selected game in MAME, with its mame.ini built from its settings file, and the
// Record, Playback and Auto Run boxes that steer it.
#include "mainwindow/frmMain.h"

#include "gamelist/GameListModel.h"
#include "options/MameIni.h"
#include "options/SettingsChoice.h"
#include "platform/ListingText.h"
#include "platform/MsgBox.h"
#include "platform/RuntimeErrorText.h"
#include "platform/ToolOutput.h"
#include "shell/ExecCmd.h"
#include "shell/IniFile.h"
#include "shell/MameCommands.h"
#include "shell/OptionsIni.h"
#include "shell/ProgramEnd.h"
#include "shell/ShortPath.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QPushButton>
#include <QTemporaryFile>
#include <QTimer>
#include <QTreeView>

namespace {

void playError(const RuntimeError& error)
{
    MsgBox(QStringLiteral("Error In cmdPlay_Click: ") + error.description, MsgStyle::Critical);
}

void mameIniError(const DirectorySettings& dirs, const RuntimeError& error)
{
    MsgBox(MameIniErrorText(QStringLiteral("cmdPlay_Click"), dirs, error), MsgStyle::Critical);
}

// What MAME said on its standard error before it stopped the game with `exitCode`: its last lines
// (a missing ROM, a value it refused, a missing file), else the code.
void showMameErrors(int exitCode, QTemporaryFile& errors, const QString& game)
{
    if (exitCode == 0)
        return;
    errors.seek(0);
    QString said = LastLines(errors.readAll(), 10);
    // Not started, or killed: the drive message or nothing to add.
    if (exitCode == kCommandNotEnded && said.isEmpty())
        return;
    if (said.isEmpty())
        said = QStringLiteral("M.A.M.E. stopped with exit code %1.").arg(exitCode);
    MsgBox(said, MsgStyle::Critical, game);
}

} // namespace

void frmMain::connectPlay()
{
    connect(fraList->cmdPlay, &QPushButton::clicked, this, &frmMain::cmdPlay_Click);
    connect(mnuFilePlay, &QAction::triggered, this, &frmMain::cmdPlay_Click);
    // Ticking a box from code runs its handler as a click does.
    connect(chkAutoRun, &QCheckBox::stateChanged, this, &frmMain::chkAutoRun_Click);
    connect(chkRecord, &QCheckBox::stateChanged, this, &frmMain::chkRecord_Click);
    connect(chkPlayback, &QCheckBox::stateChanged, this, &frmMain::chkPlayback_Click);
}

bool frmMain::writeGameIni(bool playback, bool record)
{
    const GameRecord& game = m_state.game;
    SettingsEdit& settings = m_state.settings;
    const SettingsChoice choice =
        ChooseSettingsFile(m_state.paths.strAppPath, game[GameColumn::ROM], game[GameColumn::Type]);
    settings.strSettingsType = choice.type;
    const BuildIniRequest request{choice.file, game[GameColumn::ROM], playback, record,
                                  LayoutOfGame(game)};
    if (!choice.file.isEmpty()) {
        settings.strSettingsFile = choice.file;
        const Result<QString> otherCommands = BuildIni(m_state.dirs, request);
        if (!otherCommands)
            FatalError(BuildIniErrorText(otherCommands.error()));
        settings.strOtherCommands = *otherCommands;
        return true;
    }
    // Without a settings file MAME keeps its own defaults, but a ticked Record or Playback must
    // still reach it.
    if (playback || record) {
        if (Status failed = CreateMAMEIniWithInput(m_state.dirs, request)) {
            mameIniError(m_state.dirs, *failed);
            return false;
        }
    }
    return true;
}

void frmMain::restoreBaseIni()
{
    if (Status failed = CreateMAMEIni(m_state.dirs))
        mameIniError(m_state.dirs, *failed);
}

bool frmMain::prepareInputFolder(bool playback, bool record)
{
    const QString& folder = m_state.dirs.strInputPath;
    if (!QFileInfo(folder).isDir() && (folder.isEmpty() || !QDir().mkpath(folder))) {
        // Without the folder MAME would record nowhere that Playback looks.
        playError(MakeRuntimeError(folder.isEmpty() ? ErrorNumber::PathNotFound : ErrorNumber::PathFileAccess));
        return false;
    }
    // mame.ini names the folder as it stood at start-up, which is not at all when it was made
    // since: MAME would record elsewhere, or not find the recording.
    const QString shortPath = CommandPath(folder);
    if (shortPath == m_state.dirs.strShortInputPath)
        return true;
    m_state.dirs.strShortInputPath = shortPath;
    if (Status failed = CreateMAMEIni(m_state.dirs)) {
        mameIniError(m_state.dirs, *failed);
        return false;
    }
    return writeGameIni(playback, record);
}

QString frmMain::missingController()
{
    const GameRecord& game = m_state.game;
    // The older MAME went on without the file.
    if (LayoutOfGame(game) != MameLayout::Current)
        return QString();
    const SettingsChoice choice =
        ChooseSettingsFile(m_state.paths.strAppPath, game[GameColumn::ROM], game[GameColumn::Type]);
    if (choice.file.isEmpty())
        return QString();
    const QString file = ControllerFileOf(choice.file);
    if (file.isEmpty() || QFileInfo(JoinPath(m_state.dirs.strCtrlrPath, file)).isFile())
        return QString();
    return file;
}

void frmMain::cmdPlay_Click()
{
    GetSelectedIndex();
    m_state.settings.strOtherCommands.clear();

    QTreeView* lv = fraList->playableList();
    if (!lv) {
        if (m_state.view.current == GameView::Uninstalled)
            showNotInstalled();
        return;
    }
    // Only Auto Run reaches here with nothing selected (an empty list): there is nothing to play.
    const GameRecord* selected = fraList->selectedRecord(lv);
    if (!selected)
        return;
    GameRecord& game = m_state.game;
    game[GameColumn::Type] = (*selected)[GameColumn::Type];
    game[GameColumn::ROM] = (*selected)[GameColumn::ROM];
    game[GameColumn::Source] = (*selected)[GameColumn::Source];
    const QString rom = game[GameColumn::ROM];
    const QString description = ShownListingText((*selected)[GameColumn::Game]);
    if (lv == fraList->lvAll && !gameIsInstalled(*selected)) {
        showNotInstalled();
        return;
    }

    const bool playback = chkPlayback->isChecked();
    const bool record = chkRecord->isChecked();
    if (!writeGameIni(playback, record))
        return;

    // The report panel's mame.ini view disables the button itself and wants only the file.
    if (cmdFind->testAttribute(Qt::WA_ForceDisabled))
        return;

    // Today's MAME stops at once without the controller's file: the user learns which file, and
    // where it belongs, before the window goes; Record and Playback stay for the next try.
    if (const QString controller = missingController(); !controller.isEmpty()) {
        MsgBox(QStringLiteral("The controller file %1 is not in the Ctrlr folder:\r%2\r\rM.A.M.E. cannot start "
                              "the game with this controller.  Copy the file there, or choose another controller.")
                   .arg(controller, QDir::toNativeSeparators(m_state.dirs.strCtrlrPath)),
               MsgStyle::Exclamation, QStringLiteral("Play Game"));
        restoreBaseIni();
        return;
    }

    const QString recording = JoinPath(m_state.dirs.strInputPath, rom + QStringLiteral(".inp"));
    if (playback && !QFileInfo::exists(recording)) {
        MsgBox(QStringLiteral("Cannot find the .inp file for this game.\rYou must record this game first."),
               MsgStyle::Information, QStringLiteral("Playback"));
        chkPlayback->setChecked(false);
        restoreBaseIni();
        return;
    }
    if (playback && !prepareInputFolder(playback, record)) {
        restoreBaseIni();
        return;
    }
    if (record) {
        // One game only: cleared before it starts.
        chkRecord->setChecked(false);
        if (!prepareInputFolder(playback, record)) {
            restoreBaseIni();
            return;
        }
        if (QFileInfo::exists(recording) &&
            MsgBox(QStringLiteral("An .inp file for this game already exists.\rDo you want to overwrite it?"),
                   MsgStyle::YesNo | MsgStyle::Question | MsgStyle::DefaultButton2,
                   QStringLiteral("Record")) == MsgAnswer::No) {
            restoreBaseIni();
            chkRecord->setChecked(false);
            return;
        }
    }

    m_state.settings.strOtherCommands = MamePlayCommand(rom, m_state.settings.strOtherCommands,
                                                        MameIniFolderArgument(m_state.dirs, LayoutOfGame(game)));
    m_state.view.blnScroll = Tmr[0]->isActive();
    if (m_state.view.blnScroll)
        Tmr[0]->stop();
    // MAME's standard error, for what it says when it stops the game.
    QTemporaryFile errors;
    errors.open();
    hide();
    // The system keys stay usable while the game runs: there is no lock for them here.
    const int exitCode = ExecCmd(m_state.settings.strOtherCommands,
                                 chkPlayback->isChecked() ? ShowState::Normal : ShowState::Minimized,
                                 m_state.dirs.strMAMEPath, errors.isOpen() ? errors.fileName() : QString());
    show();
    if (chkPlayback->isChecked())
        chkPlayback->setChecked(false);
    if (m_state.view.blnScroll)
        Tmr[0]->start();
    LoadShot();
    restoreBaseIni();
    showMameErrors(exitCode, errors, description.isEmpty() ? rom : description);
}

void frmMain::chkRecord_Click()
{
    if (chkRecord->isChecked())
        chkPlayback->setChecked(false);
    GetSelectedIndex();
}

void frmMain::chkPlayback_Click()
{
    if (chkPlayback->isChecked())
        chkRecord->setChecked(false);
    GetSelectedIndex();
}

void frmMain::chkAutoRun_Click()
{
    const Qt::CheckState value = chkAutoRun->checkState();
    if (value == Qt::Unchecked)
        m_state.prefs.blnAutoRun = false;
    else if (value == Qt::Checked)
        m_state.prefs.blnAutoRun = true;
    WriteOptionKey(m_state.paths.strOptionsIni, m_state, "AutoRun");
    if (Status failed = SaveINI(m_state.paths.strOptionsIni))
        MsgBox(SaveFailedText(m_state.paths.strOptionsIni, *failed), MsgStyle::Critical);
    if (!m_state.startup.blnLoading)
        GetSelectedIndex();
}
