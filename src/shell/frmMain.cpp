#include "shell/frmMain.h"

frmMain::frmMain(AppState& state, QWidget* parent) : QMainWindow(parent), m_state(state)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Zelvane"));
}

frmMain::~frmMain() = default;

void frmMain::Form_Load()
{
    // The load sequence runs here.
}
