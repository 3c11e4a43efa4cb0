// The gradient colour dialog: picks the bottom colour of the main window's background.
#pragma once

#include "state/AppState.h"

#include <QDialog>

#include <functional>

class ColorCombo;
class QLabel;
class QPushButton;

class frmGradient : public QDialog {
    Q_OBJECT

public:
    // `setGradient` repaints the main window's background from the state's gradient colour.
    frmGradient(AppState& state, std::function<void()> setGradient, QWidget* parent = nullptr);

    ColorCombo* cboSysCol = nullptr;
    QPushButton* cmdOK = nullptr;

private:
    void Form_Load();
    void cboSysCol_Click();
    void cmdOK_Click();

    AppState& m_state;
    std::function<void()> m_setGradient;
    QLabel* lblCaption = nullptr;
};
