// The verify-all runs and the stored reports of the Reports menu, each shown in the report panel.
#include "mainwindow/frmMain.h"

#include "gamelist/GameListPanel.h"
#include "options/MameIni.h"
#include "platform/FileReplacement.h"
#include "platform/MsgBox.h"
#include "platform/PaintNow.h"
#include "platform/RichTextBox.h"
#include "platform/RuntimeErrorText.h"
#include "platform/ToolOutput.h"
#include "platform/WholeFile.h"
#include "reports/StoredReports.h"
#include "shell/ExecCmd.h"
#include "shell/MameCommands.h"
#include "shell/ShortPath.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QPushButton>

namespace {

struct VerifyKind {
    const char* caption;
    const char* file;
    const char* missing;
};

const VerifyKind& verifyKind(bool samples)
{
    static const VerifyKind kKinds[] = {
        {"Last ROMs Report", "roms.txt",
         "Cannot find ROMs report.  You can create one from the Reports pull-down menu above."},
        {"Last Samples Report", "samples.txt",
         "Cannot find Samples report.  You can create one from the Reports pull-down menu above."},
    };
    return kKinds[samples ? 1 : 0];
}

QString withoutAmpersands(QString caption) { return caption.remove(QLatin1Char('&')); }

} // namespace

void frmMain::connectVerify()
{
    connect(mnuReportsVerifyRoms, &QAction::triggered, this, [this] { verifyAll(false); });
    connect(mnuReportsVerifySamples, &QAction::triggered, this, [this] { verifyAll(true); });
    connect(mnuReportsLastRom, &QAction::triggered, this, [this] { showLastReport(false); });
    connect(mnuReportsLastSample, &QAction::triggered, this, [this] { showLastReport(true); });
    connect(mnuReportsRebuildSettings, &QAction::triggered, this, &frmMain::mnuReportsRebuildSettings_Click);
    connect(mnuReportsChanges, &QAction::triggered, this, &frmMain::mnuReportsChanges_Click);
}

QString frmMain::reportFile(const char* file) const
{
    return JoinPath(JoinPath(m_state.paths.strAppPath, QStringLiteral("reports")), QLatin1String(file));
}

void frmMain::enterGeneralReport(const QString& caption, PanelStatus status)
{
    EnterPanel(fraVerify, caption, status);
    PaintNow(*fraVerify);
}

void frmMain::showVerifyReport(bool samples)
{
    // The bad sets can be listed whenever the report holds one, fresh or stored.
    if (fraVerify->txtVerify->Find(QStringLiteral(" is bad"), 0) != -1) {
        setFindMode(FindMode::ListBadSets);
        cmdFind->setEnabled(true);
    }
    fraVerify->txtVerify->setText(MoveSummary(fraVerify->txtVerify->Text(), !samples));
}

void frmMain::verifyAll(bool samples)
{
    if (MsgBox(QStringLiteral("This could take a long time.  Do you want to continue?"),
               MsgStyle::YesNo + MsgStyle::Question, QStringLiteral("Confirm Continue")) != MsgAnswer::Yes)
        return;

    QAction* item = samples ? mnuReportsVerifySamples : mnuReportsVerifyRoms;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    enterGeneralReport(withoutAmpersands(item->text()));
    fraVerify->cmdGameList->setEnabled(false);
    cmdExit->setEnabled(false);

    const char* file = samples ? "samples.txt" : "roms.txt";
    const QString procedure =
        samples ? QStringLiteral("mnuReportsVerifySamples_Click") : QStringLiteral("mnuReportsVerifyRoms_Click");
    // MAME writes into a file of this run, which takes the report's place only once the run has
    // ended and all of its output was written: otherwise the last report stays as it was.
    FileReplacement output(reportFile(file));
    Status failed = output.open();
    if (!failed) {
        showMinimized();
        const MameLayout layout = fraList->listedByTodaysMame() ? MameLayout::Current : MameLayout::Older;
        const int code = ExecCmd(MameVerifyAllCommand(samples, CommandPath(output.temporaryPath()),
                                                      MameIniFolderArgument(m_state.dirs, layout)),
                                 ShowState::Normal, m_state.dirs.strMAMEPath);
        setWindowState(m_state.view.intWindowState == 2 ? Qt::WindowMaximized : Qt::WindowNoState);
        failed = ToolOutputWritten(samples ? QStringLiteral("mame * -verifysamples") : QStringLiteral("mame * -verifyroms"),
                                   code, output.temporaryPath());
        if (!failed)
            failed = output.commit();
    }

    // A failed run shows nothing: the last report is for the Last ... Report commands.
    const bool loaded = !failed && fraVerify->showFile(reportFile(file), procedure);
    fraVerify->cmdGameList->setEnabled(true);
    cmdExit->setEnabled(true);
    show();
    activateWindow();
    fraVerify->cmdGameList->setFocus();
    QApplication::restoreOverrideCursor();
    if (failed) {
        fraVerify->txtVerify->setText(QString());
        MsgBox(SaveFailedText(reportFile(file), *failed), MsgStyle::Critical);
    }
    if (loaded)
        showVerifyReport(samples);
    fraVerify->raise();
}

void frmMain::showLastReport(bool samples)
{
    const VerifyKind& kind = verifyKind(samples);
    const QString path = reportFile(kind.file);
    if (!QFileInfo::exists(path)) {
        MsgBox(QLatin1String(kind.missing), MsgStyle::Information, QLatin1String(kind.caption));
        return;
    }
    QAction* item = samples ? mnuReportsLastSample : mnuReportsLastRom;
    enterGeneralReport(withoutAmpersands(item->text()));
    const bool loaded = fraVerify->showFile(path, samples ? QStringLiteral("mnuReportsLastSample_Click")
                                                          : QStringLiteral("mnuReportsLastRom_Click"));
    fraVerify->cmdGameList->setFocus();
    if (loaded)
        showVerifyReport(samples);
    fraVerify->raise();
}

void frmMain::mnuReportsRebuildSettings_Click()
{
    const QString path = reportFile("rebuilt.txt");
    if (!QFileInfo::exists(path)) {
        MsgBox(QStringLiteral("Cannot find Rebuild Settings report.  You can run Rebuild Settings from the Tools "
                              "pull-down menu above and if errors are found it will create one for you."),
               MsgStyle::Information, QStringLiteral("Rebuild Settings Report"));
        return;
    }
    enterGeneralReport(QStringLiteral("Rebuilt Settings Report"));
    if (fraVerify->showFile(path, QStringLiteral("mnuReportsRebuildSettings_Click")))
        boldRebuiltHeadings();
    fraVerify->cmdGameList->setFocus();
    fraVerify->raise();
}

void frmMain::mnuReportsChanges_Click()
{
    const QString title = QStringLiteral("Favorite List Changes");
    const QString path = reportFile("changes.txt");
    if (!QFileInfo::exists(path)) {
        MsgBox(QStringLiteral("This report does not exist."), MsgStyle::Information, title);
        return;
    }
    enterGeneralReport(title);
    const Result<QByteArray> changes = ReadWholeFile(path);
    if (changes)
        fraVerify->txtVerify->setText(FavoriteChangesText(*changes));
    else
        MsgBox(QStringLiteral("Error In mnuReportsChanges_Click: %1").arg(changes.error().description),
               MsgStyle::Critical);
    fraVerify->cmdGameList->setFocus();
}
