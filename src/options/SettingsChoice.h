// Which settings file a game runs with: its own, else the one of its type.
#pragma once

#include <QString>

struct SettingsChoice {
    QString file; // empty when there is none
    QString type; // the settings type afterwards ("Raster" or "Vector")
};

// The settings type a game of Type `gameType` takes: "Vector" for a vector screen, else "Raster".
// LCD and SVG screens are drawn as raster screens are, and a machine without a screen (an empty
// Type) still has its settings kept and played with.
QString SettingsTypeOf(const QString& gameType);

// settings/<rom>.cfg of the program folder `appPath` when it exists, else settings/raster.cfg
// or settings/vector.cfg by the game's settings type when that exists. The settings type follows
// the game's (SettingsTypeOf), even when no file exists.
SettingsChoice ChooseSettingsFile(const QString& appPath, const QString& rom, const QString& gameType);
