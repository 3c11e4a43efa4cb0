#include "shell/ShortPath.h"

#include "platform/FileNames.h"

#include <QDir>

QString GetShortPath(const QString& path)
{
    if (path.isEmpty())
        return QString();
    return ShortPathName(path);
}

QString CommandPath(const QString& path)
{
    return LowerWhereCaseIgnored(GetShortPath(path));
}

QString JoinPath(const QString& folder, const QString& relative)
{
    return QDir::toNativeSeparators(folder + QLatin1Char('/') + relative);
}
