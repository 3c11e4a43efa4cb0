#include "shell/ShortPath.h"

#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

QString GetShortPath(const QString& path)
{
    if (path.isEmpty())
        return QString();
#ifdef Q_OS_WIN
    wchar_t buffer[1024];
    const DWORD n = GetShortPathNameW(reinterpret_cast<const wchar_t*>(path.utf16()), buffer, 1024);
    if (n == 0 || n >= 1024)
        return QString();
    return QString::fromWCharArray(buffer, int(n));
#else
    return QFileInfo::exists(path) ? path : QString();
#endif
}

QString CommandPath(const QString& path)
{
#ifdef Q_OS_WIN
    return GetShortPath(path).toLower();
#else
    return GetShortPath(path);
#endif
}

QString QuoteArg(const QString& word)
{
#ifdef Q_OS_WIN
    static const QString special = QStringLiteral(" \t&|<>^()%!\"");
    bool plain = !word.isEmpty();
    for (QChar c : word)
        plain = plain && !special.contains(c);
    if (plain)
        return word;
    QString inner = word;
    inner.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + inner + QLatin1Char('"');
#else
    bool plain = !word.isEmpty();
    for (QChar c : word) {
        const char16_t u = c.unicode();
        const bool safe = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') ||
                          u == '_' || u == '-' || u == '.' || u == '/' || u == ':' || u == ',' ||
                          u == '+' || u == '@' || u == '%' || u == '=';
        plain = plain && safe;
    }
    if (plain)
        return word;
    QString inner = word;
    inner.replace(QLatin1Char('\''), QLatin1String("'\\''"));
    return QLatin1Char('\'') + inner + QLatin1Char('\'');
#endif
}

QString CommandPrefix()
{
#ifdef Q_OS_WIN
    return QString::fromLocal8Bit(qgetenv("COMSPEC")) + QLatin1String(" /c ");
#else
    return QString();
#endif
}

QString JoinPath(const QString& folder, const QString& relative)
{
    return QDir::toNativeSeparators(folder + QLatin1Char('/') + relative);
}
