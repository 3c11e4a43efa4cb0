// One game: the seventeen stored fields in file and column order, and the list's nineteen columns.
#pragma once

#include <QString>

#include <array>
#include <span>

enum class GameColumn : int {
    Game, Year, Status, Color, Sound, Graphic, Palette, Manufacturer, Type, Display,
    Orientation, Frequency, Origin, ROM, Source, RomOf, CHD,
    Category, Players, // looked up at load time, not stored
    Count
};

inline constexpr int kStoredFieldCount = static_cast<int>(GameColumn::Category); // 17
inline constexpr int kGameColumnCount = static_cast<int>(GameColumn::Count);     // 19

// Column captions in column order.
inline constexpr std::array<const char*, kGameColumnCount> kGameColumnCaptions = {
    "Game", "Year", "Status", "Color", "Sound", "Graphic", "Palette", "Manufacturer", "Type",
    "Display", "Orientation", "Frequency", "Origin", "ROM", "Source", "ROM Of", "CHD",
    "Category", "Players"};

struct GameRecord {
    std::array<QString, kStoredFieldCount> fields;

    QString& operator[](GameColumn c) { return fields[static_cast<int>(c)]; }
    const QString& operator[](GameColumn c) const { return fields[static_cast<int>(c)]; }
    bool operator==(const GameRecord&) const = default;
};

// Whether the record comes from today's MAME, which names a driver file in C++ ("atari/pong.cpp");
// the older one named it in C ("pong.c").
inline bool FromTodaysMame(const GameRecord& record)
{
    return record[GameColumn::Source].endsWith(QLatin1String(".cpp"));
}

// The files that hold a game's ROM set, in the order MAME opens them: today's MAME opens
// "<set>.7z" where no "<set>.zip" stands (and then a folder "<set>", which counts for no list).
inline std::span<const char* const> SetFileExtensions(bool todaysMame)
{
    static constexpr const char* kExtensions[] = {".zip", ".7z"};
    return std::span<const char* const>(kExtensions).first(todaysMame ? 2 : 1);
}
