#include "options/SettingsChoice.h"

#include "shell/ShortPath.h"

#include <QFileInfo>

QString SettingsTypeOf(const QString& gameType)
{
    // Types compare exactly, as the game data writes them.
    return gameType == QLatin1String("Vector") ? QStringLiteral("Vector") : QStringLiteral("Raster");
}

SettingsChoice ChooseSettingsFile(const QString& appPath, const QString& rom, const QString& gameType)
{
    const QString type = SettingsTypeOf(gameType);
    SettingsChoice choice{QString(), type};
    const QString own = JoinPath(appPath, QStringLiteral("settings/") + rom + QStringLiteral(".cfg"));
    if (QFileInfo::exists(own)) {
        choice.file = own;
    } else {
        const QString byType = JoinPath(appPath, QStringLiteral("settings/") + type.toLower() + QStringLiteral(".cfg"));
        if (QFileInfo::exists(byType))
            choice.file = byType;
    }
    return choice;
}
