#include "options/SettingsChoice.h"

#include "shell/ShortPath.h"

#include <QFileInfo>

QString SettingsTypeOf(const QString& gameType)
{
    // Types compare exactly, as the game data writes them.
    if (gameType == QLatin1String("Raster") || gameType == QLatin1String("Lcd") || gameType == QLatin1String("Svg"))
        return QStringLiteral("Raster");
    if (gameType == QLatin1String("Vector"))
        return QStringLiteral("Vector");
    return {};
}

SettingsChoice ChooseSettingsFile(const QString& appPath, const QString& rom, const QString& gameType,
                                  const QString& settingsType)
{
    const QString type = SettingsTypeOf(gameType);
    const bool known = !type.isEmpty();
    SettingsChoice choice{QString(), known ? type : settingsType};
    const QString own = JoinPath(appPath, QStringLiteral("settings/") + rom + QStringLiteral(".cfg"));
    if (QFileInfo::exists(own)) {
        choice.file = own;
    } else if (known) {
        const QString byType = JoinPath(appPath, QStringLiteral("settings/") + type.toLower() + QStringLiteral(".cfg"));
        if (QFileInfo::exists(byType))
            choice.file = byType;
    }
    return choice;
}
