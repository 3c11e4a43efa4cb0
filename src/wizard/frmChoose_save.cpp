// OK: the preferences taken over, every folder checked in order, mame.ini and options.ini written.
#include "wizard/frmChoose.h"

#include "options/MameIni.h"
#include "platform/MsgBox.h"
#include "platform/RuntimeErrorText.h"
#include "shell/IniFile.h"
#include "shell/OptionsIni.h"
#include "shell/ShortPath.h"
#include "wizard/FolderChecks.h"

#include <QDir>
#include <QLineEdit>

void frmChoose::cmdOK_Click()
{
    // The preferences are taken first and stay taken, whatever the folder checks find.
    takePreferences();

    const QString directories = QStringLiteral("Directories");
    QLineEdit* mame = txtFolder[kMameBox];
    if (!HoldsMameProgram(mame->text())) {
        refuseFolder(mame, QLatin1String(kCannotFindMame), directories);
        return;
    }
    DirectorySettings& dirs = m_state.dirs;
    dirs.strMAMEPath = mame->text();
    if (dirs.strMAMEPath.endsWith(QDir::separator()))
        dirs.strMAMEPath.chop(1);
    if (dirs.strMAMEPath.isEmpty()) {
        MsgBox(QStringLiteral("You must select a M.A.M.E. folder!"), MsgStyle::Critical, directories);
        mame->setFocus();
        if (!m_state.startup.blnLoading)
            dirs.strMAMEPath = dirs.strTempMAMEPath;
        return;
    }
    dirs.strShortMAMEPath = CommandPath(dirs.strMAMEPath);

    // Each folder that passes is taken at once; the first that fails ends OK with its box focused.
    for (size_t i = 0; i < kFolders.size(); ++i) {
        if (int(i) == kMameBox)
            continue;
        strFolderPath = txtFolder[i]->text();
        strFolderName = QString::fromLatin1(kFolders[i].wizard.name);
        TestPaths(txtFolder[i]);
        if (blnFolderError) {
            blnFolderError = false;
            return;
        }
        dirs.*kFolders[i].path = strFolderPath;
        dirs.*kFolders[i].shortPath = CommandPath(strFolderPath);
    }

    // An Ini folder that cannot take mame.ini saves nothing; the wizard stays open to choose another.
    if (Status failed = CreateMAMEIni(dirs)) {
        MsgBox(MameIniErrorText(QStringLiteral("cmdOK_Click"), dirs, *failed), MsgStyle::Critical);
        txtFolder[kIniBox]->setFocus();
        return;
    }

    const QString& ini = m_state.paths.strOptionsIni;
    WriteOptionBatch(ini, m_state, OptionBatch::Preferences);
    WriteOptionBatch(ini, m_state, OptionBatch::Directories);
    // Unsaved, the choices stay in the wizard for another OK; a Cancel must not find them
    // waiting in the cache for the next write of the file.
    if (Status failed = SaveINI(ini)) {
        RevertINI(ini);
        MsgBox(SaveFailedText(ini, *failed), MsgStyle::Critical);
        return;
    }
    accept();
}
