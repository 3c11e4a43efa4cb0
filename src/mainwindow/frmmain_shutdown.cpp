// Closing the main window ends the program: the view is saved to options.ini on the way out,
// except after a cancelled first run.
#include "mainwindow/frmMain.h"

#include "platform/MsgBox.h"
#include "platform/RuntimeErrorText.h"
#include "shell/IniFile.h"
#include "shell/OptionsIni.h"
#include "shell/ProgramEnd.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QPushButton>

namespace {

// The reasons a window closes, as the unload handlers tell them apart.
constexpr int kUnloadFromControlMenu = 0;
constexpr int kUnloadFromCode = 1;
constexpr int kUnloadSessionEnd = 2;

} // namespace

void frmMain::SaveView()
{
    // Until the load has finished the window shows no view of the user's: the one saved stays,
    // and a first run has no options.ini to add it to.
    if (!m_state.startup.blnLoading) {
        const QString& ini = m_state.paths.strOptionsIni;
        m_state.view.strGameView = QLatin1String(GameViewCaption(m_state.view.current));
        m_state.view.blnScreenShots = mnuViewShots->isChecked();
        m_state.view.blnFavorites = mnuViewFavorites->isChecked();
        WriteOptionBatch(ini, m_state, OptionBatch::View);
        // A box would hold up the end of the session: then the view is lost without a word.
        if (Status failed = SaveINI(ini); failed && !m_sessionEnding)
            MsgBox(SaveFailedText(ini, *failed), MsgStyle::Critical);
    }
    DisableFormTimers();
    EndProgram(0);
}

void frmMain::Form_QueryUnload(int unloadMode)
{
    if (unloadMode == kUnloadSessionEnd) {
        m_sessionEnding = true;
        SaveView();
    }
}

void frmMain::Form_Unload()
{
    if (m_state.startup.blnOptionsCancelled) {
        DisableFormTimers();
        EndProgram(0);
    }
    SaveView();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    // Never cancelled: unloading the window always ends the program.
    event->accept();
    Form_QueryUnload(event->spontaneous() ? kUnloadFromControlMenu : kUnloadFromCode);
    Form_Unload();
}

void frmMain::cmdExit_Click()
{
    if (m_exitMode == ExitMode::Cancel) {
        m_state.report.blnCancel = true;
        return;
    }
    close();
}
