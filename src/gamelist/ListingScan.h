// The fixed-layout scan of MAME's -listxml output: values taken from fixed character positions and
// from attribute searches, one line at a time, without an XML parser.
#pragma once

#include "state/GameRecord.h"

#include <QByteArray>
#include <QByteArrayView>

#include <array>
#include <string>

class ListingScan {
public:
    ListingScan() { setDefaults(); }

    // Handles one line of the game part. A driver line ends the game: its record line is
    // appended to `records`. Returns 0, or the runtime's error number when a marker that a
    // position or a search expects is missing.
    int handleLine(QByteArrayView line, QByteArray& records);

    // The first line of the resource part: characters 2 to 16 read "<game runnable=".
    static bool isResourceLine(QByteArrayView line);

    // The scan's buffer as the program's current game, and the first display's rotation.
    GameRecord record() const;
    QString rotate() const;

private:
    enum Field { Game, Year, Status, Color, Sound, Graphic, Palette, Manufacturer, Type, Display,
                 Orientation, Frequency, Origin, ROM, Source, RomOf, CHD, FieldCount };
    static_assert(FieldCount == kStoredFieldCount);

    void setDefaults();
    void gameLine(QByteArrayView line);
    void displayLine(QByteArrayView line);
    void driverLine(QByteArrayView line, QByteArray& records);

    // std::string keeps its capacity across assignments, so the scan allocates nothing per line.
    std::array<std::string, FieldCount> m_fields;
    std::string m_rotate;
    bool m_displaySeen = false;
};
