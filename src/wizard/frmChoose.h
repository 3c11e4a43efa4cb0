// The options wizard: two pages (preferences, directories) over the shared records, saved by OK.
#pragma once

#include "state/AppState.h"
#include "wizard/WizardTables.h"

#include <QDialog>

#include <array>

class ColorCombo;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// Runs the wizard modally and returns when it has closed: true when OK saved, false when it was
// cancelled (blnOptionsCancelled is then True).
bool ChooseOptions(AppState& state);

class frmChoose : public QDialog {
    Q_OBJECT

public:
    explicit frmChoose(AppState& state, QWidget* parent = nullptr);

    // Form-wide controls.
    QGroupBox* fraPreferences = nullptr;
    QGroupBox* fraDirectories = nullptr;
    QPushButton* cmdBack = nullptr;
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdClearAll = nullptr;
    QPushButton* cmdMyDefaults = nullptr;

    // The preferences page.
    QListWidget* lstHideBios = nullptr;
    QCheckBox* chkHideClones = nullptr;
    QCheckBox* chkHidePrelim = nullptr;
    QCheckBox* chkHideVS = nullptr;
    QCheckBox* chkHideYear = nullptr;
    QComboBox* cboHideYear = nullptr;
    QCheckBox* chkHideBoot = nullptr;
    QCheckBox* chkHideTest = nullptr;
    QCheckBox* chkHideCHD = nullptr;
    QCheckBox* chkHideImperfect = nullptr;
    QCheckBox* chkCloneShots = nullptr;
    QCheckBox* chkDisable = nullptr;
    QCheckBox* chkBackground = nullptr;
    QLabel* lblBackColor = nullptr;
    ColorCombo* cboBackColor = nullptr;
    QLabel* lblFontColor = nullptr;
    QPushButton* cmdFontColor = nullptr;
    QComboBox* cboSize = nullptr;
    QLabel* lblListBack = nullptr;
    QLabel* imgStarfield = nullptr;
    QLabel* lblListText = nullptr;

    // The directories page, in the order of kFolders.
    std::array<QLineEdit*, 16> txtFolder{};
    std::array<QPushButton*, 16> cmdSelect{};

    // The preview's working copy of the list look, as stored colours.
    qint32 previewBackColor() const { return m_previewBackColor; }
    qint32 previewTextColor() const { return m_previewTextColor; }

    void cmdNext_Click();
    void cmdBack_Click();
    void cmdCancel_Click();
    void cmdOK_Click();
    void cmdMyDefaults_Click();
    void cmdClearAll_Click();
    void cmdFontColor_Click();
    void cmdSelectMAME_Click();

public slots:
    // Esc and the window manager's close both mean Cancel.
    void reject() override;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // frmChoose.cpp: the frame, the load and the pages.
    void buildButtons();
    void Form_Load();
    void Form_Activate();
    void showPage(bool directories);

    // frmChoose_preferences.cpp
    void buildPreferencesPage();
    void loadPreferences();
    void chkHideClones_Click();
    void chkHideYear_Click();
    void chkBackground_Click();
    void cboBackColor_Click();
    void cboSize_Click();
    void fillBackColors();
    void setHideYearLook(bool usable, int textColor);
    void setPreviewBackColor(qint32 color);
    void setPreviewTextColor(qint32 color);
    void takePreferences(AppState& chosen) const;

    // frmChoose_directories.cpp
    void buildDirectoriesPage();
    bool browseInto(QLineEdit* box, const QString& title);
    void SelectPaths(QLineEdit* box);
    void TestPaths(QLineEdit* box);
    void refuseFolder(QLineEdit* box, const QString& prompt, const QString& title);

    AppState& m_state;
    bool blnFirstActivate = true;
    QString strFolderName;
    QString strFolderPath;
    bool blnFolderError = false;
    QString m_os; // the "OS" environment variable, read at load
    qint32 m_previewBackColor = 0;
    qint32 m_previewTextColor = 0;
};
