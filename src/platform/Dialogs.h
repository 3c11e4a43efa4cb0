// The common dialogs the program opens: the folder browser and the colour dialog. Each goes
// through a function that tests replace with a scripted answer.
#pragma once

#include <QColor>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

// The folder the user chose, with native separators; nothing when the browser was closed.
std::optional<QString> BrowseForFolder(QWidget* owner, const QString& title);

// The colour the user chose, starting from `initial`, without the custom-colour part; nothing
// when the dialog was cancelled.
std::optional<QColor> ChooseColor(QWidget* owner, const QColor& initial);

using FolderBrowserHandler = std::function<std::optional<QString>(QWidget* owner, const QString& title)>;
using ColorDialogHandler = std::function<std::optional<QColor>(QWidget* owner, const QColor& initial)>;

// An empty function restores the real dialog.
void setFolderBrowserHandler(FolderBrowserHandler handler);
void setColorDialogHandler(ColorDialogHandler handler);
