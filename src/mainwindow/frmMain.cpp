#include "mainwindow/frmMain.h"

#include "gamelist/GameListModel.h"
#include "platform/SessionEnd.h"
#include "platform/Twips.h"
#include "shell/frmSplash.h"
#include "shell/frmWait.h"

#include <QPushButton>
#include <QKeyEvent>
#include <QTimer>
#include <QTreeView>

frmMain::frmMain(AppState& state, QWidget* parent) : QMainWindow(parent), m_state(state)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Zelvane"));

    // The design sizes in twips assume the small 8-point dialog font.
    QFont small = font();
    small.setPointSize(8);
    setFont(small);

    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    setCentralWidget(m_client);

    createHeaderAndColumn(m_client);
    createPanels(m_client);
    createStatusBars(m_client);
    createMenus();
    connectHeader();
    connectOptions();

    m_views = {{
        {lvAll, qobject_cast<GameListModel*>(lvAll->model()), GameView::All, 850,
         &ListCounts::intAllCount, &ViewState::intAllIndex, &ViewState::intAllSortKey,
         &ViewState::intAllSortOrder, &frmMain::LoadAllStatus},
        {lvInstalled, qobject_cast<GameListModel*>(lvInstalled->model()), GameView::Installed, 1270,
         &ListCounts::intInstalledCount, &ViewState::intInstalledIndex, &ViewState::intInstalledSortKey,
         &ViewState::intInstalledSortOrder, &frmMain::LoadInstalledStatus},
        {lvUninstalled, qobject_cast<GameListModel*>(lvUninstalled->model()), GameView::Uninstalled, 1465,
         &ListCounts::intUninstalledCount, &ViewState::intUninstalledIndex,
         &ViewState::intUninstalledSortKey, &ViewState::intUninstalledSortOrder,
         &frmMain::LoadUninstalledStatus},
    }};
    for (ListView& row : m_views)
        connectListEvents(row);

    // Marquee step every 40 ms, on from the start; icon tick 500 ms after the last selection.
    for (int i = 0; i < 2; ++i) {
        Tmr[i] = new QTimer(this);
        Tmr[i]->setObjectName(QStringLiteral("Tmr%1").arg(i));
    }
    Tmr[0]->setInterval(40);
    Tmr[0]->start();
    Tmr[1]->setInterval(500);
    Tmr[1]->setSingleShot(true);
    connectTimers();
    connectFavorites();
    connectPlay();

    setDefaultButton(cmdPlay);

    connect(cmdExit, &QPushButton::clicked, this, &frmMain::cmdExit_Click);

    // Logging off and SIGTERM save the view, as closing the window does, and end.
    onSessionEnd(this, [this] { Form_QueryUnload(2); });

    m_client->setMinimumSize(twipsToPixels(10125), twipsToPixels(6390));
}

frmMain::~frmMain()
{
    // The views outlive this body (Qt deletes the children later) and must not reach the games
    // that the members below take with them.
    clearGameLists();
}

void frmMain::setDefaultButton(QPushButton* button)
{
    if (m_defaultButton)
        m_defaultButton->setDefault(false);
    m_defaultButton = button;
    if (button)
        button->setDefault(true);
}

void frmMain::keyPressEvent(QKeyEvent* event)
{
    // A main window has no default button of its own: Enter that no control took presses it, as
    // in a dialog, where a button that has the focus takes Enter itself.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter) {
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        QPushButton* target = focused ? focused : m_defaultButton;
        if (target && target->isEnabled() && target->isVisible()) {
            target->click();
            return;
        }
    }
    QMainWindow::keyPressEvent(event);
}
