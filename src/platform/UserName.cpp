#include "platform/UserName.h"

#ifdef Q_OS_WIN
#include <QtGlobal>

QString UserName()
{
    const QString name = qEnvironmentVariable("USERNAME");
    return name.isEmpty() ? QStringLiteral("user") : name;
}
#else
#include <pwd.h>
#include <unistd.h>

QString UserName()
{
    // The password database, not $USER: the environment may be missing or changed by a caller.
    const uid_t uid = geteuid();
    if (const passwd* entry = getpwuid(uid); entry && entry->pw_name && *entry->pw_name)
        return QString::fromLocal8Bit(entry->pw_name);
    return QString::number(uid);
}
#endif
