// The game audit: MAME checks the selected game's ROM and sample sets, and the report panel shows
// what it said with the files the game needs. A game of the Uninstalled list whose zip has turned
// up leaves that list here and joins the Installed list at the return.
#include "mainwindow/frmMain.h"

#include "options/MameIni.h"
#include "platform/MsgBox.h"
#include "platform/PaintNow.h"
#include "platform/RichTextBox.h"
#include "platform/StatusPanels.h"
#include "platform/ToolFiles.h"
#include "platform/ToolOutput.h"
#include "reports/GameAudit.h"
#include "shell/ExecCmd.h"
#include "shell/ShortPath.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>

void frmMain::connectAudit()
{
    connect(fraList->cmdVerify, &QPushButton::clicked, this, &frmMain::cmdVerify_Click);
    connect(mnuFileVerify, &QAction::triggered, this, &frmMain::cmdVerify_Click);
}

void frmMain::cmdVerify_Click()
{
    const GameView list = m_state.view.current;
    const GameRecord* selected = fraList->selectedRecord(fraList->currentListView().view);
    if (!selected)
        return;
    const QString rom = (*selected)[GameColumn::ROM];

    QApplication::setOverrideCursor(Qt::WaitCursor);
    for (QWidget* w : std::initializer_list<QWidget*>{fraVerify->cmdGameList, cmdExit, cmdFind})
        w->setEnabled(false);
    EnterPanel(fraVerify, QStringLiteral("Game Audit"), PanelStatus::KeepList);
    PaintNow(*fraVerify);

    if (list == GameView::Uninstalled) {
        m_state.game = *selected;
        m_state.report.blnGameAudited = true;
        m_auditTookGame = false;
        // The icon and marquee still due belong to the audited game, not to the row that takes
        // its place.
        if (Tmr[1]->isActive())
            iconTick();
        if (gameIsInstalled(*selected) && fraList->removeUninstalled(fraList->selectedIndex(m_views[2]))) {
            m_auditTookGame = true;
            --m_state.counts.intUninstalledCount;
            StatusBar[0]->setPanelText(1, QStringLiteral("Total Games: ") +
                                              QString::number(m_state.counts.intUninstalledCount));
            StatusBar[0]->setPanelText(6, QStringLiteral("New ROM Found"));
        }
    }

    const QString reportsFolder = JoinPath(m_state.paths.strAppPath, QStringLiteral("reports"));
    QStringList auditFiles;
    for (const AuditRun& run : kAuditRuns)
        auditFiles << QLatin1String(run.fileName);
    const ToolFiles removed(reportsFolder, auditFiles);
    const QString commandFolder = JoinPath(CommandPath(m_state.paths.strAppPath), QStringLiteral("reports"));
    const QString iniFolder = MameIniFolderArgument(m_state.dirs, LayoutOfGame(*selected));
    // A run whose output did not reach its file (a full disk, a folder that takes no file) is
    // named, and no audit is shown in place of what MAME said.
    Result<QString> report = QString();
    for (const AuditRun& run : kAuditRuns) {
        const QString command =
            MameSetReportCommand(rom, run.report, JoinPath(commandFolder, QLatin1String(run.fileName)), iniFolder);
        const int code = ExecCmd(command, ShowState::Minimized, m_state.dirs.strMAMEPath);
        const QString output = removed.path(QLatin1String(run.fileName));
        if (Status failed = ToolOutputWritten(QStringLiteral("mame ") + rom, code, output)) {
            if (failed->number != 0)
                failed->description += QStringLiteral(": ") + QDir::toNativeSeparators(output);
            report = *failed;
            break;
        }
    }
    if (report)
        report = GameAuditReport(reportsFolder);

    RichTextBox& box = *fraVerify->txtVerify;
    if (report) {
        box.setText(*report);
        for (const char* heading : {"ROMs", "Samples"})
            box.boldSpan(box.Find(QLatin1String(heading), 0), int(qstrlen(heading)));
        box.resetSelection();
    } else {
        box.setText(QString());
    }
    show();
    activateWindow();

    QApplication::restoreOverrideCursor();
    fraVerify->cmdGameList->setEnabled(true);
    cmdExit->setEnabled(true);
    fraVerify->cmdGameList->setFocus();
    // The panel stays usable: the return button leaves it as after any audit.
    if (!report)
        MsgBox(QStringLiteral("Error In cmdVerify_Click: ") + report.error().description, MsgStyle::Critical);
}
