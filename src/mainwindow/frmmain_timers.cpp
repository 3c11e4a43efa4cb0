// The two timers that finish the display of the selected game: the manufacturer marquee that
// scrolls under the lists, and the one-shot tick that draws the game's icon and artwork mark.
// Distances are twips in the design, 15 to a pixel, so one marquee step is one pixel.
#include "mainwindow/frmMain.h"

#include "gamelist/GameListModel.h"
#include "platform/ClickFilter.h"
#include "platform/FileNames.h"
#include "platform/ListingText.h"
#include "shell/HeaderPanel.h"
#include "shell/ShortPath.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QTimer>
#include <QTreeView>

namespace {

constexpr int kIconSide = 32;

// The icon at 32 by 32 pixels: of the images in the file the one of that size, else the
// largest, scaled. A null image when Qt cannot read the file.
QImage gameIcon(const QString& path)
{
    QImageReader reader(path);
    QImage best;
    do {
        const QImage image = reader.read();
        if (image.isNull())
            break;
        const bool exact = image.size() == QSize(kIconSide, kIconSide);
        const bool bestExact = best.size() == QSize(kIconSide, kIconSide);
        if (best.isNull() || (exact && !bestExact) ||
            (!bestExact && image.width() * image.height() > best.width() * best.height()))
            best = image;
    } while (reader.jumpToNextImage());
    if (best.isNull() || best.size() == QSize(kIconSide, kIconSide))
        return best;
    return best.scaled(kIconSide, kIconSide, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

void frmMain::connectTimers()
{
    connect(Tmr[0], &QTimer::timeout, this, [this] { Tmr_Timer(0); });
    connect(Tmr[1], &QTimer::timeout, this, [this] { Tmr_Timer(1); });
    connect(header, &HeaderPanel::marqueeClicked, this, &frmMain::fraScroll_Click);
}

void frmMain::Tmr_Timer(int index)
{
    if (index == 0)
        header->marqueeStep();
    else if (index == 1)
        iconTick();
}

void frmMain::iconTick()
{
    const QString& rom = m_state.selected.rom;
    const QString iconFile =
        JoinPath(FindSubfolder(m_state.dirs.strMAMEPath, QStringLiteral("icons")), rom + QStringLiteral(".ico"));
    // A file Qt cannot read as a picture leaves the box shown and empty.
    const bool hasIcon = QFileInfo(iconFile).isFile();
    const QImage icon = hasIcon ? gameIcon(iconFile) : QImage();
    const QString artwork = JoinPath(m_state.dirs.strArtworkPath, rom + QStringLiteral(".zip"));
    header->showGameArt(hasIcon, icon, !m_state.dirs.strArtworkPath.isEmpty() && QFileInfo(artwork).isFile());
    Tmr[1]->stop();
    SetMarquee();
}

void frmMain::SetMarquee()
{
    const ListView& row = fraList->currentListView();
    const QModelIndex current = row.view->currentIndex();
    if (m_state.counts.*row.count != 0 && current.isValid())
        header->setMarqueeText(
            ShownListingText(row.model->text(current.row(), static_cast<int>(GameColumn::Manufacturer))).toUpper());
    else
        header->setMarqueeText(QString());
    RefreshScroll();
}

void frmMain::RefreshScroll()
{
    header->RefreshScroll(Tmr[0]->isActive());
}

void frmMain::fraScroll_Click()
{
    if (Tmr[0]->isActive())
        Tmr[0]->stop();
    else
        Tmr[0]->start();
    RefreshScroll();
}
