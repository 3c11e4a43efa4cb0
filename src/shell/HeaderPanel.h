// The header of the main window's right-hand column: the manufacturer marquee, the machine
// picture with the game's icon over it, and the artwork mark.
#pragma once

#include <QWidget>

class QGroupBox;
class QFrame;
class QImage;
class QLabel;

class HeaderPanel : public QWidget {
    Q_OBJECT

public:
    explicit HeaderPanel(QWidget* parent = nullptr);

    // One step of the marquee to the left; once the whole strip has left, it enters again.
    void marqueeStep();
    // The marquee's text; the strip is as wide as the text.
    void setMarqueeText(const QString& text);
    // The strip enters from the right while the marquee runs, and stands centred while it does not.
    void RefreshScroll(bool running);
    // Whether the selected game has an icon file, its picture (null when unreadable) and whether
    // its artwork is there.
    void showGameArt(bool hasIcon, const QImage& icon, bool artwork);
    // No icon, no artwork mark, no marquee text.
    void clearGameArt();

    QGroupBox* fraScroll = nullptr;
    QFrame* picBox = nullptr;
    QFrame* picScroll = nullptr;
    QLabel* lblList = nullptr;
    QLabel* imgMachine = nullptr;
    QLabel* lblArtwork = nullptr;
    QLabel* IconScreen = nullptr;

signals:
    void marqueeClicked();
    void machineClicked();
};
