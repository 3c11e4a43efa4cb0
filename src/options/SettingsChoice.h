// Which settings file a game runs with: its own, else the one of its type.
#pragma once

#include <QString>

struct SettingsChoice {
    QString file; // empty when there is none
    QString type; // the settings type afterwards ("Raster" or "Vector")
};

// The settings type a game of Type `gameType` takes: "Raster" or "Vector", empty for another type.
// LCD and SVG screens are drawn as raster screens are, with raster settings.
QString SettingsTypeOf(const QString& gameType);

// settings/<rom>.cfg of the program folder `appPath` when it exists, else settings/raster.cfg
// or settings/vector.cfg by the game's settings type when that exists. The settings type follows
// the game's (SettingsTypeOf), even when no file exists; another type keeps `settingsType`.
SettingsChoice ChooseSettingsFile(const QString& appPath, const QString& rom, const QString& type,
                                  const QString& settingsType);
