// Which settings file a game runs with: its own, else the one of its type.
#pragma once

#include <QString>

struct SettingsChoice {
    QString file; // empty when there is none
    QString type; // the settings type afterwards ("Raster" or "Vector")
};

// settings/<rom>.cfg of the program folder `appPath` when it exists, else settings/raster.cfg
// or settings/vector.cfg by the game's `type` when that exists. The settings type follows the
// game's type when that is "Raster" or "Vector" (exactly), even when no file exists; any other
// type keeps `settingsType`.
SettingsChoice ChooseSettingsFile(const QString& appPath, const QString& rom, const QString& type,
                                  const QString& settingsType);
