// The about box: the program's name and version, MAME's version, the extras browser and the link
// to the web site. While it is open the main window's marquee stands still.
#pragma once

#include "state/AppState.h"
#include "wizard/AboutInfo.h"

#include <QDialog>
#include <QPixmap>

#include <array>
#include <functional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QListView;
class QPushButton;
class QRadioButton;
class QStringListModel;
class QTimer;

class frmMyAbout : public QDialog {
    Q_OBJECT

public:
    // `marquee` is the main window's marquee timer and `refreshScroll` redraws the marquee after it
    // stopped.
    frmMyAbout(AppState& state, QTimer* marquee, std::function<void()> refreshScroll, QWidget* parent = nullptr);

    void cmdOK_Click();
    void cmdVersion_Click();
    void chkOther_Click();
    void optArtwork_Click() { showExtras(Extras::Artwork); }
    void optDATs_Click() { showExtras(Extras::DATs); }
    void optIcons_Click() { showExtras(Extras::Icons); }
    void optSamples_Click() { showExtras(Extras::Samples); }
    void File1_Click();
    void lblURL_Click();
    void lblAuthor_Click();

    QLabel* lblTitle = nullptr;
    QLabel* lblTitle2 = nullptr;
    QLabel* lblVersion = nullptr;
    std::array<QLabel*, 2> lblNotice{};
    QLabel* lblAuthor = nullptr;
    QLabel* imgMachine = nullptr;
    QLabel* imgMe = nullptr;
    QLabel* lblURL = nullptr;
    QPushButton* cmdVersion = nullptr;
    QLabel* lblMAMEVersion = nullptr;
    QCheckBox* chkOther = nullptr;
    QGroupBox* fraOther = nullptr;
    QRadioButton* optArtwork = nullptr;
    QRadioButton* optIcons = nullptr;
    QRadioButton* optSamples = nullptr;
    QRadioButton* optDATs = nullptr;
    QListView* File1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblTotal = nullptr;
    QPushButton* cmdOK = nullptr;

    // The extras folder whose files File1 lists.
    Extras shownExtras() const { return m_extras; }

    // Closing the box any other way is OK's work too: the marquee must not stay stopped.
    void reject() override;
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void createControls();
    void createExtras();
    void Form_Load();
    void showExtras(Extras which);
    void underlineLink(bool on);

    AppState& m_state;
    QTimer* m_marquee;
    std::function<void()> m_refreshScroll;
    QStringListModel* m_files = nullptr;
    Extras m_extras = Extras::Artwork;
    bool m_closing = false;
};

// Opens the about box modally and returns when it has closed.
void ShowAbout(AppState& state, QTimer* marquee, std::function<void()> refreshScroll, QWidget* parent);

// The picture that a click on the author's name shows: a joystick, 72 by 80 pixels.
QPixmap MaintainersPicture();
