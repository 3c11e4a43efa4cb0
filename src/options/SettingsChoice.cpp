#include "options/SettingsChoice.h"

#include "shell/ShortPath.h"

#include <QFileInfo>

SettingsChoice ChooseSettingsFile(const QString& appPath, const QString& rom, const QString& type,
                                  const QString& settingsType)
{
    const bool known = type == QLatin1String("Raster") || type == QLatin1String("Vector");
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
