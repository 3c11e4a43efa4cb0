#include "shell/InfoBoxes.h"

#include "platform/FileNames.h"
#include "platform/RuntimeText.h"

#include <QStringList>

QString PathInformationText(const ProgramPaths& paths, const DirectorySettings& dirs)
{
    const QString tab = QStringLiteral("\t");
    const QStringList lines = {
        QStringLiteral("Application Path:") + tab + tab + LowerWhereCaseIgnored(paths.strAppPath),
        QStringLiteral("Short Application Path:") + tab + paths.strShortAppPath,
        QString(),
        QStringLiteral("M.A.M.E. Path:") + tab + tab + dirs.strMAMEPath,
        QStringLiteral("Short M.A.M.E. Path:") + tab + dirs.strShortMAMEPath,
        QStringLiteral("Temp M.A.M.E. Path:") + tab + dirs.strTempMAMEPath,
        QString(),
        QStringLiteral("ROMs Path:") + tab + tab + dirs.strROMsPath,
        QStringLiteral("Short ROMs Path:") + tab + tab + dirs.strShortROMsPath,
        QStringLiteral("Temp ROMs Path:") + tab + tab + dirs.strTempROMsPath,
        QString(),
        QStringLiteral("Additional ROMs Path:") + tab + dirs.strAdditionalROMsPath,
        QStringLiteral("Short Additional ROMs Path:") + tab + dirs.strShortAdditionalROMsPath,
        QStringLiteral("Temp Additional ROMs Path:") + tab + dirs.strTempAdditionalROMsPath,
    };
    return lines.join(QLatin1Char('\r'));
}

QString StartUpTimeText(float startTime, float endTime)
{
    constexpr double kSecondsPerDay = 86400.0;
    double seconds = double(endTime) - double(startTime);
    if (seconds < 0)
        seconds += kSecondsPerDay;
    return QString::number(qint64(RoundHalfEven(seconds))) + QStringLiteral(" Second(s)");
}
