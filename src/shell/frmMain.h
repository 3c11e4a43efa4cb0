// The main window: one object shared by every subsystem; its member functions live in several
// files, by subsystem.
#pragma once

#include "shell/AppState.h"

#include <QMainWindow>

class frmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit frmMain(AppState& state, QWidget* parent = nullptr);
    ~frmMain() override;

    // The load sequence: returns with the lists loaded and the saved view reopened, or ends the
    // program (first run cancelled, fatal errors).
    void Form_Load();

private:
    AppState& m_state;
};
