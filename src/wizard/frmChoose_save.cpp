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
    // Everything is gathered in a copy and taken only once every check has passed and
    // options.ini holds it: after a failed OK, or a Cancel, memory is as the file is.
    AppState chosen = m_state;
    takePreferences(chosen);

    const QString directories = QStringLiteral("Directories");
    QLineEdit* mame = txtFolder[kMameBox];
    const QString mameFolder = TypedFolder(mame->text());
    if (!IsStorableFolder(mameFolder)) {
        refuseFolder(mame, QLatin1String(kInvalidSelection), QLatin1String(kInvalidSelectionTitle));
        return;
    }
    if (!HoldsMameProgram(mameFolder)) {
        refuseFolder(mame, QLatin1String(kCannotFindMame), directories);
        return;
    }
    DirectorySettings& dirs = chosen.dirs;
    dirs.strMAMEPath = mameFolder;
    if (dirs.strMAMEPath.endsWith(QDir::separator()))
        dirs.strMAMEPath.chop(1);
    if (dirs.strMAMEPath.isEmpty()) {
        MsgBox(QStringLiteral("You must select a M.A.M.E. folder!"), MsgStyle::Critical, directories);
        mame->setFocus();
        return;
    }
    dirs.strShortMAMEPath = CommandPath(dirs.strMAMEPath);

    // The first folder that fails ends OK with its box focused.
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
    // The new mame.ini waits beside its place until options.ini holds its folders, so that MAME
    // never reads folders that were not saved.
    const QString procedure = QStringLiteral("cmdOK_Click");
    PendingMameIni mameIni(dirs);
    if (Status failed = mameIni.write()) {
        MsgBox(MameIniErrorText(procedure, dirs, *failed), MsgStyle::Critical);
        txtFolder[kIniBox]->setFocus();
        return;
    }

    const QString& ini = m_state.paths.strOptionsIni;
    WriteOptionBatch(ini, chosen, OptionBatch::Preferences);
    WriteOptionBatch(ini, chosen, OptionBatch::Directories);
    // Unsaved, the choices stay in the wizard for another OK; a Cancel must not find them
    // waiting in the cache for the next write of the file.
    if (Status failed = SaveINI(ini)) {
        RevertINI(ini);
        MsgBox(SaveFailedText(ini, *failed), MsgStyle::Critical);
        return;
    }
    m_state.filters = chosen.filters;
    m_state.appearance = chosen.appearance;
    m_state.prefs = chosen.prefs;
    m_state.dirs = chosen.dirs;
    // Saved, the folders are the program's: a mame.ini that cannot take its place now is told,
    // and the next Play writes it again.
    if (Status failed = mameIni.commit())
        MsgBox(MameIniErrorText(procedure, dirs, *failed), MsgStyle::Critical);
    accept();
}
