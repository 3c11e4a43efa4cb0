#include "shell/HeaderPanel.h"

#include "platform/ClickFilter.h"
#include "platform/TwipsLayout.h"
#include "shell/HeaderPictures.h"

#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPixmap>

namespace {

constexpr int kMarqueeStep = 1; // 15 twips

} // namespace

HeaderPanel::HeaderPanel(QWidget* parent) : QWidget(parent)
{
    // Design places less the panel's own (8505, 120); whole pixels, so that every item keeps its
    // own distance from the window's right edge.
    setObjectName(QStringLiteral("header"));
    setGeometry(twipsToPixels(8505), twipsToPixels(120), twipsToPixels(1500), twipsToPixels(1860));

    fraScroll = makeControl<QGroupBox>(this, "fraScroll", 0, 0, 1500, 525);
    fraScroll->setToolTip(QStringLiteral("Game Manufacturer"));
    picBox = makeControl<QFrame>(this, "picBox", 75, 135, 1360, 300);
    picBox->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picScroll = makeControl<QFrame>(picBox, "picScroll", 0, 0, 1360, 300);
    lblList = makeControl<QLabel>(picScroll, "lblList", 0, 0, 1360, 300);
    // A maker's name such as "<UNKNOWN>" is text, not markup.
    lblList->setTextFormat(Qt::PlainText);

    imgMachine = makeControl<QLabel>(this, "imgMachine", 255, 660, 1080, 1200);
    imgMachine->setPixmap(MachinePicture());
    imgMachine->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    imgMachine->setCursor(Qt::PointingHandCursor);
    IconScreen = makeControl<QLabel>(this, "IconScreen", 465, 840, 510, 510);
    IconScreen->setFrameStyle(QFrame::Box | QFrame::Plain);
    IconScreen->hide();
    lblArtwork = makeControl<QLabel>(this, "lblArtwork", 360, 1440, 900, 255, QStringLiteral("Artwork"));
    lblArtwork->setAlignment(Qt::AlignCenter);
    lblArtwork->hide();

    ConnectClick(fraScroll, [this] { emit marqueeClicked(); });
    ConnectClick(imgMachine, [this] { emit machineClicked(); });
}

void HeaderPanel::marqueeStep()
{
    picScroll->move(picScroll->x() - kMarqueeStep, picScroll->y());
    // Only once the whole strip has left the viewport does it enter again from the right.
    if (picScroll->x() + picScroll->width() <= 0)
        picScroll->move(picBox->width(), picScroll->y());
}

void HeaderPanel::setMarqueeText(const QString& text)
{
    lblList->setText(text);
    // The label is as wide as its text, and the strip as wide as the label.
    lblList->resize(lblList->sizeHint().width(), lblList->height());
    picScroll->resize(lblList->width(), picScroll->height());
    lblList->move(0, lblList->y());
}

void HeaderPanel::RefreshScroll(bool running)
{
    if (running)
        picScroll->move(picBox->width(), picScroll->y());
    else
        picScroll->move((picBox->width() - picScroll->width()) / 2, picScroll->y());
}

void HeaderPanel::showGameArt(bool hasIcon, const QImage& icon, bool artwork)
{
    IconScreen->clear();
    IconScreen->setVisible(hasIcon);
    if (hasIcon && !icon.isNull()) {
        IconScreen->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        IconScreen->setPixmap(QPixmap::fromImage(icon));
    }
    lblArtwork->setVisible(artwork);
}

void HeaderPanel::clearGameArt()
{
    IconScreen->hide();
    lblArtwork->hide();
    lblList->clear();
}
