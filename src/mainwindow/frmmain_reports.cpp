// The report panel's commands that reach beyond it: cmdFind in its three modes, and the return
// to the game lists, which may move an audited game to the Installed list.
#include "mainwindow/frmMain.h"

#include "options/MameIni.h"
#include "platform/MsgBox.h"
#include "platform/PaintNow.h"
#include "platform/PrintRichText.h"
#include "platform/RichTextBox.h"
#include "platform/StatusPanels.h"
#include "reports/ReportPanel.h"
#include "shell/ShortPath.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QPushButton>
#include <QTimer>

void frmMain::connectReports()
{
    connect(cmdFind, &QPushButton::clicked, this, &frmMain::cmdFind_Click);
    connect(mnuReportsFind, &QAction::triggered, this, &frmMain::cmdFind_Click);
    connect(fraVerify->cmdGameList, &QPushButton::clicked, this, &frmMain::cmdGameList_Click);
}

void frmMain::cmdFind_Click()
{
    switch (m_findMode) {
    case FindMode::MameIni:
        showMameIni();
        break;
    case FindMode::ListBadSets:
        // A list that failed was shown in a box; the report stays, to be tried again.
        if (fraVerify->ListBadSets(JoinPath(m_state.paths.strAppPath, QStringLiteral("reports"))))
            setFindMode(FindMode::Print);
        fraVerify->cmdGameList->setFocus();
        break;
    case FindMode::Print:
        if (!PrintRichText(*fraVerify->txtVerify, 1000, 1000, 1000, 1000))
            MsgBox(QStringLiteral("Unknown Printing Error."), MsgStyle::Information, QStringLiteral("Zelvane"));
        fraVerify->cmdGameList->setFocus();
        break;
    }
}

void frmMain::showMameIni()
{
    const QString title = QStringLiteral("Mame.Ini");
    const bool emptyList = m_state.counts.*fraList->currentListView().count == 0;
    if (emptyList || m_state.selected.installed == SelectedGame::Install::NotInstalled) {
        MsgBox(QStringLiteral("An installed game must first be selected!"), MsgStyle::Exclamation, title);
        GetSelectedIndex();
        return;
    }
    const QString mameIni = MameIniPath(m_state.dirs);
    if (!QFileInfo::exists(mameIni)) {
        MsgBox(QStringLiteral("Cannot find mame.ini!"), MsgStyle::Exclamation, title);
        return;
    }

    // With the button disabled, Play only writes the game's mame.ini.
    cmdFind->setEnabled(false);
    cmdPlay_Click();
    EnterPanel(fraVerify, title, PanelStatus::KeepList);
    PaintNow(*fraVerify);
    if (fraVerify->showFile(mameIni, QStringLiteral("cmdFind_Click"))) {
        if (fraVerify->txtVerify->LineCount() < 50)
            MsgBox(QStringLiteral("The mame.ini is incomplete because you have not made any option changes.  "
                                  "M.A.M.E. defaults will be used."),
                   MsgStyle::Information, title);
    }
    if (!m_state.settings.strOtherCommands.isEmpty())
        MsgBox(QStringLiteral("The following other commands will run as command-line options and override the "
                              "settings in the mame.ini.\r\r") +
                   m_state.settings.strOtherCommands,
               MsgStyle::Information, QStringLiteral("Other Commands"));

    fraVerify->cmdGameList->setFocus();
    // The panel keeps showing the game's version; the file goes back to its paths.
    restoreBaseIni();
    m_state.settings.strOtherCommands.clear();
}

void frmMain::settleAuditedGame()
{
    const QString rom = m_state.game[GameColumn::ROM];
    const bool installed = gameIsInstalled(m_state.game);
    qint32& uninstalledCount = m_state.counts.intUninstalledCount;
    // The zip may have come or gone while the report was shown: the game is in one list either way.
    if (installed && !m_auditTookGame && fraList->removeUninstalled(fraList->uninstalledRow(rom))) {
        m_auditTookGame = true;
        --uninstalledCount;
    } else if (!installed && m_auditTookGame && fraList->restoreUninstalled(m_state.game)) {
        m_auditTookGame = false;
        ++uninstalledCount;
        m_state.view.intUninstalledIndex = uninstalledCount;
        fraList->selectRow(m_views[2], uninstalledCount, true);
        LoadUninstalledStatus();
    }
    StatusBar[0]->setPanelText(1, QStringLiteral("Total Games: ") + QString::number(uninstalledCount));

    // An Uninstalled game whose zip has turned up is installed from now on.
    if (installed && m_auditTookGame) {
        if (uninstalledCount <= 0)
            DisableGameButtons();
        else
            LoadUninstalledStatus();
        if (fraList->appendInstalled(m_state.game))
            ++m_state.counts.intInstalledCount;
    }
    m_auditTookGame = false;
}

void frmMain::cmdGameList_Click()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    fraVerify->cmdGameList->setEnabled(false);
    fraVerify->setTitle(QString());

    if (m_state.report.blnGameAudited)
        settleAuditedGame();

    fraVerify->txtVerify->setText(QString());
    m_state.report.blnGameAudited = false;
    ReturnToGameList(fraVerify, false);
    QApplication::restoreOverrideCursor();
    fraVerify->cmdGameList->setEnabled(true);

    StatusBar[1]->setPanelText(1, QString());
    StatusBar[1]->setPanelText(2, QString());
    setFindMode(FindMode::MameIni);
    cmdFind->setEnabled(true);
    setExitMode(ExitMode::Exit);
    cmdExit->setToolTip(QStringLiteral("Closes Zelvane"));
    Tmr[1]->start();
    setDefaultButton(fraList->cmdPlay);
}
