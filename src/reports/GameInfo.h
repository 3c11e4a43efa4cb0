// Game information: one game's entries in the community data files history.dat, mameinfo.dat and
// cheat.dat of the MAME folder, made into one report under three headings.
#pragma once

#include "platform/RuntimeError.h"

#include <QString>

#include <array>

struct GameInfoReport {
    // Where a heading stands in the text (positions count CR LF as two), to be shown bold.
    struct Heading {
        qsizetype start;
        qsizetype length;
    };
    QString text;
    std::array<Heading, 3> headings{};
};

// Reads each file from its first line up to `rom`'s entry; nothing is indexed. A missing file or
// entry becomes its message in the report; a file that cannot be read, or that ends inside the
// entry, is the error. A line or an entry too long for the panel is cut, a note where; running out
// of memory is the error too.
Result<GameInfoReport> GameInformation(const QString& mamePath, const QString& rom);

// What the report panel shows in place of the report when it could not be made.
QString GameInfoErrorText(const RuntimeError& error);
