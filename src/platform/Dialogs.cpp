#include "platform/Dialogs.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>

namespace {

FolderBrowserHandler& folderHandler()
{
    static FolderBrowserHandler h;
    return h;
}

ColorDialogHandler& colorHandler()
{
    static ColorDialogHandler h;
    return h;
}

} // namespace

void setFolderBrowserHandler(FolderBrowserHandler handler) { folderHandler() = std::move(handler); }
void setColorDialogHandler(ColorDialogHandler handler) { colorHandler() = std::move(handler); }

std::optional<QString> BrowseForFolder(QWidget* owner, const QString& title)
{
    if (folderHandler())
        return folderHandler()(owner, title);
    const QString folder = QFileDialog::getExistingDirectory(owner, title, QString(), QFileDialog::ShowDirsOnly);
    if (folder.isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(folder);
}

std::optional<QColor> ChooseColor(QWidget* owner, const QColor& initial)
{
    if (colorHandler())
        return colorHandler()(owner, initial);
    const QColor chosen = QColorDialog::getColor(initial, owner);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}
