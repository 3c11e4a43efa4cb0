#include "mainwindow/frmMain.h"

#include "platform/SessionEnd.h"
#include "platform/Twips.h"
#include "shell/frmSplash.h"
#include "shell/frmWait.h"

#include <QPushButton>
#include <QKeyEvent>
#include <QTimer>
#include <QTreeView>

frmMain::frmMain(AppState& state, QWidget* parent)
    : QMainWindow(parent), fraList(new GameListPanel(state)), m_state(state), m_views(fraList->views)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Zelvane"));

    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    setCentralWidget(m_client);

    createHeaderAndColumn(m_client);
    createPanels(m_client);
    createStatusBars(m_client);
    createMenus();
    connectHeader();
    connectOptions();

    connectLists();

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
    connectReports();
    connectAudit();
    connectVerify();
    connectDiffInfo();
    connectOptionPanel();
    connectMaintenance();
    connectWhatsChanged();
    connectHelp();

    setDefaultButton(fraList->cmdPlay);

    connect(cmdExit, &QPushButton::clicked, this, &frmMain::cmdExit_Click);

    // Logging off and SIGTERM save the view, as closing the window does, and end.
    onSessionEnd(this, [this] { Form_QueryUnload(2); });

    m_client->setMinimumSize(twipsToPixels(10125), twipsToPixels(6390));
}

frmMain::~frmMain() = default;

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
