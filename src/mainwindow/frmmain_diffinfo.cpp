// Two reports of the report panel that read files other programs wrote: MAMEDiff's comparison of
// the kept and the current listing, and the selected game's entries in the community data files.
#include "mainwindow/frmMain.h"

#include "platform/MsgBox.h"
#include "platform/PaintNow.h"
#include "platform/RichTextBox.h"
#include "platform/ToolFiles.h"
#include "platform/WholeFile.h"
#include "reports/GameInfo.h"
#include "reports/MameDiffLog.h"
#include "shell/ExecCmd.h"
#include "shell/MameCommands.h"
#include "shell/ShortPath.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QPushButton>

namespace {

struct MameDiffKind {
    QAction* frmMain::* item;
    const char* option;
    const char* caption;
};

constexpr MameDiffKind kMameDiffKinds[] = {
    {&frmMain::mnuMAMEDiffSummary, "", "General Summary"},
    {&frmMain::mnuMAMEDiffMSplit, "-s", "Changed Merged-Split ROMs"},
    {&frmMain::mnuMAMEDiffFSplit, "-n", "Changed Full-Split ROMs"},
};

} // namespace

void frmMain::connectDiffInfo()
{
    for (const MameDiffKind& kind : kMameDiffKinds)
        connect(this->*kind.item, &QAction::triggered, this,
                [this, &kind] { MAMEDiff(QLatin1String(kind.option), QLatin1String(kind.caption)); });
    connect(fraList->cmdInfo, &QPushButton::clicked, this, &frmMain::cmdInfo_Click);
    connect(mnuFileInfo, &QAction::triggered, this, &frmMain::cmdInfo_Click);
}

void frmMain::MAMEDiff(const QString& option, const QString& caption)
{
    const QString title = QStringLiteral("MAMEDiff");
    if (!QFileInfo::exists(reportFile("listxml.txt"))) {
        MsgBox(QStringLiteral("Cannot find listxml.txt."), MsgStyle::Information, title);
        return;
    }
    if (!QFileInfo::exists(reportFile("oldlistxml.txt"))) {
        MsgBox(QStringLiteral("Cannot find oldlistxml.txt.  Zelvane must first detect a new version of M.A.M.E.\r"
                              "before it can create the oldlistxml.txt file."),
               MsgStyle::Information, title);
        return;
    }

    const QString logName = QStringLiteral("mamediff.log");
    const ToolFiles files(m_state.dirs.strMAMEPath, {logName, QStringLiteral("mamediff.out")});
    const QString reports = JoinPath(m_state.paths.strShortAppPath, QStringLiteral("reports"));
    showMinimized();
    ExecCmd(MameDiffCommand(option, JoinPath(reports, QStringLiteral("oldlistxml.txt")),
                            JoinPath(reports, QStringLiteral("listxml.txt"))),
            ShowState::Normal, m_state.dirs.strMAMEPath);
    setWindowState(m_state.view.intWindowState == 2 ? Qt::WindowMaximized : Qt::WindowNoState);
    show();
    activateWindow();

    // Read before the panel is entered: a tool that left no log leaves the lists as they were.
    const Result<QByteArray> log = ReadWholeFile(files.path(logName));
    if (!log) {
        MsgBox(QStringLiteral("Error In MAMEDiff: ") + log.error().description, MsgStyle::Critical, title);
        return;
    }
    if (log->isEmpty()) {
        MsgBox(QStringLiteral("No changes were found."), MsgStyle::Information, title);
        return;
    }

    enterGeneralReport(caption, PanelStatus::GeneralTimerKept);
    fraVerify->cmdGameList->setEnabled(false);
    mnuFileExit->setEnabled(false);
    RichTextBox& box = *fraVerify->txtVerify;
    box.setText(MameDiffReport(*log));
    box.boldSpan(0, int(MameDiffCredit().size()));
    box.resetSelection();
    PaintNow(*fraVerify);
    DisableFormButtons();
    fraVerify->cmdGameList->setEnabled(true);
    mnuFileExit->setEnabled(true);
    fraVerify->cmdGameList->setFocus();
}

void frmMain::cmdInfo_Click()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    EnterPanel(fraVerify, QStringLiteral("Game Information"), PanelStatus::KeepList);
    fraVerify->cmdGameList->setEnabled(false);
    cmdExit->setEnabled(false);
    PaintNow(*fraVerify);
    if (const GameRecord* selected = fraList->selectedRecord(fraList->currentListView().view))
        m_state.game[GameColumn::ROM] = (*selected)[GameColumn::ROM];

    RichTextBox& box = *fraVerify->txtVerify;
    const Result<GameInfoReport> report = GameInformation(m_state.dirs.strMAMEPath, m_state.game[GameColumn::ROM]);
    if (report) {
        box.setText(report->text);
        for (const GameInfoReport::Heading& heading : report->headings)
            box.boldSpan(int(heading.start), int(heading.length));
        box.resetSelection();
    } else {
        box.setText(GameInfoErrorText(report.error()));
    }

    fraVerify->cmdGameList->setEnabled(true);
    cmdExit->setEnabled(true);
    fraVerify->cmdGameList->setFocus();
    QApplication::restoreOverrideCursor();
}
