// A game's text as MAME's listing writes it, and as the screen shows it: the five XML entities
// MAME writes for its own characters read as those characters. Files keep the text as written.
#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

// The length of the entity that starts at `at` in `text` (0 when none does); `shown` is then the
// character it stands for.
qsizetype ListingEntityAt(QStringView text, qsizetype at, QChar& shown);

// `text` as it is shown, in one pass: "&amp;lt;" shows as "&lt;". Text without an entity comes
// back as it is, without a copy.
QString ShownListingText(const QString& text);
