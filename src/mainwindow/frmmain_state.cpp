// Switching the window's buttons and timers around panels and long jobs, the one way in and out
// of a panel, and the scrolling of the two tall panels.
#include "mainwindow/frmMain.h"

#include "platform/ListingText.h"
#include "platform/StatusPanels.h"
#include "shell/HeaderPanel.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

void frmMain::DisableFormButtons()
{
    for (QWidget* w : std::initializer_list<QWidget*>{cmdRaster, cmdVector, cmdFind, chkAutoRun, chkRecord, chkPlayback})
        w->setEnabled(false);
}

void frmMain::EnableFormButtons()
{
    cmdRaster->setEnabled(true);
    cmdVector->setEnabled(true);
    cmdFind->setEnabled(true);
    // The play controls follow the selected game: All Games may show one without its ROM set.
    const bool playable = m_state.view.current == GameView::Installed ||
                          (m_state.view.current == GameView::All &&
                           m_state.selected.installed == SelectedGame::Install::Installed);
    if (playable) {
        chkAutoRun->setEnabled(true);
        chkRecord->setEnabled(true);
        chkPlayback->setEnabled(true);
    }
}

void frmMain::EnableButtons()
{
    fraList->cmdPlay->setEnabled(true);
    fraList->cmdVerify->setEnabled(true);
    fraList->cmdInfo->setEnabled(true);
    EnableFormButtons();
}

void frmMain::DisableGameButtons()
{
    m_state.selected = SelectedGame();
    for (int panel = 2; panel <= 6; ++panel)
        StatusBar[0]->setPanelText(panel, QString());
    fraList->cmdPlay->setEnabled(false);
    fraList->cmdVerify->setEnabled(false);
    fraList->cmdInfo->setEnabled(false);
    chkAutoRun->setEnabled(false);
    // Unticking goes through the box's own handler, which stores AutoRun as off.
    chkAutoRun->setChecked(false);
    chkRecord->setEnabled(false);
    chkPlayback->setEnabled(false);
}

void frmMain::DisableFormTimers()
{
    Tmr[0]->stop();
    Tmr[1]->stop();
}

void frmMain::EnterPanel(QGroupBox* panel, const QString& caption, PanelStatus status, bool toFront)
{
    panel->setEnabled(true);
    fraList->setEnabled(false);
    m_state.view.intPanelShown = 1;
    DisableFormButtons();
    if (toFront)
        panel->raise();
    panel->setTitle(caption);

    switch (status) {
    case PanelStatus::KeepList:
        break;
    case PanelStatus::General:
    case PanelStatus::GeneralTimerKept:
        StatusBar[1]->show();
        StatusBar[1]->raise();
        if (status == PanelStatus::General)
            Tmr[1]->stop();
        header->clearGameArt();
        break;
    case PanelStatus::SelectedGame:
        StatusBar[1]->setPanelText(2, ShownListingText(m_state.selected.description));
        StatusBar[1]->setPanelText(3, m_state.selected.rom);
        StatusBar[1]->show();
        StatusBar[1]->raise();
        break;
    }

    if (panel == fraVerify)
        fraVerify->cmdGameList->setFocus();
    else if (panel == fraMaintenance)
        fraMaintenance->cmdGameList2->setFocus();
}

void frmMain::showPanelProgress(int maximum)
{
    ProgressBar[1]->setRange(0, maximum);
    ProgressBar[1]->setValue(0);
    ProgressBar[1]->show();
    ProgressBar[1]->raise();
}

void frmMain::ReturnToGameList(QGroupBox* panel, bool busyPointer)
{
    if (busyPointer)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    fraList->setEnabled(true);
    GetSelectedIndex();
    m_state.view.intPanelShown = 0;
    EnableFormButtons();
    StatusBar[1]->hide();
    StatusBar[1]->setPanelText(2, QString());
    StatusBar[1]->setPanelText(3, QString());
    fraList->raise();
    panel->setEnabled(false);
    if (busyPointer)
        QApplication::restoreOverrideCursor();
}

void frmMain::VScrollPanel(int index)
{
    if (index == 0)
        fraDefaults->scrollContent();
    else if (index == 1)
        fraMaintenance->scrollContent();
}
