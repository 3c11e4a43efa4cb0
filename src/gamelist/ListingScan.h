// The fixed-layout scan of MAME's -listxml output: values taken from fixed character positions and
// from attribute searches, one line at a time, without an XML parser. Both of MAME's layouts are
// read: the older one of <game> entries, and the current one of <machine> entries (with BIOS sets
// among the games and devices after them), told apart by the first entry line.
#pragma once

#include "state/GameRecord.h"

#include <QByteArray>
#include <QByteArrayView>

#include <array>
#include <string>

class ListingScan {
public:
    ListingScan() { setDefaults(); }

    // Handles one line of the game part. A game's record line is appended to `records` at its
    // driver line (older layout) or at its closing line (current layout); the lines of a current
    // layout's BIOS set go to `resources` as they stand. Returns 0, or the runtime's error number
    // when a marker that a position or a search expects is missing.
    int handleLine(QByteArrayView line, QByteArray& records, QByteArray& resources);

    // The line from which the rest of the listing is the resource file's tail: in the older layout
    // the first whose characters 2 to 16 read "<game runnable=", in the current one "</mame>".
    bool isResourceLine(QByteArrayView line) const;

    // The scan's buffer as the program's current game, and the first display's rotation.
    GameRecord record() const;
    QString rotate() const;

private:
    enum Field { Game, Year, Status, Color, Sound, Graphic, Palette, Manufacturer, Type, Display,
                 Orientation, Frequency, Origin, ROM, Source, RomOf, CHD, FieldCount };
    static_assert(FieldCount == kStoredFieldCount);

    // What the current layout's entry block being read is.
    enum class Entry { None, Game, Bios, Device };

    void setDefaults();
    void gameLine(QByteArrayView line);
    void displayLine(QByteArrayView line);
    void driverLine(QByteArrayView line, QByteArray& records);
    void appendRecord(QByteArray& records);

    // The current layout: attributes are found by name, and a game ends at its closing line.
    void machineLine(QByteArrayView line, QByteArray& resources);
    void currentDisplayLine(QByteArrayView line);
    void currentDriverLine(QByteArrayView line);
    void featureLine(QByteArrayView line);

    // std::string keeps its capacity across assignments, so the scan allocates nothing per line.
    std::array<std::string, FieldCount> m_fields;
    std::string m_rotate;
    bool m_displaySeen = false;
    bool m_currentLayout = false;
    Entry m_entry = Entry::None;
    bool m_driverSeen = false;
};
