// The value lists of the option panel's drop-down boxes: the only values a settings file may
// hold for them.
#pragma once

#include "options/OptionCatalogue.h"
#include "platform/RuntimeError.h"

#include <QStringList>

#include <array>

// Items per catalogue row, in list order; empty for the rows that are no drop-down list.
using OptionLists = std::array<QStringList, kOptionCount>;

// "Default", then "<game description>: <Bios Name>" for every BIOS set line of resource.txt (the
// bare name before any description line). A missing resource.txt has no BIOS sets: the next start
// builds the game data again, since the file is one of the four it checks. An unreadable one is
// an error.
Result<QStringList> BiosItems(const QString& resourcePath);

// "None", then each .png of the Artwork folder (any case of the extension) without a lower-case
// ".png", in proper case.
QStringList EffectItems(const QString& artworkFolder);

// The name by which MAME finds the effect the list shows as `item`: the first such file's name as
// it stands in the Artwork folder, without its extension (MAME adds ".png"); empty when no file
// is listed so.
QString EffectFileName(const QString& artworkFolder, const QString& item);

// The 29 lists: the fixed ones, the BIOS list and the effect list given.
OptionLists DefineComboLists(const QStringList& biosItems, const QStringList& effectItems);

// Whether the row's control takes the stored text, and the value it then holds: a list's item
// exactly as listed, a check box's state 0, 1 or 2 (as a number, so "01" is 1). Other Commands
// takes anything.
std::optional<QString> AcceptedValue(const OptionLists& lists, int row, const QString& text);
