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
    // cmd.exe: blanks and its own operators; a double quote inside is doubled.
    const auto special = [](char16_t u) { return QStringView(u" \t&|<>^()%!\"").contains(QChar(u)); };
    const QChar quote = u'"';
    const QLatin1String quoteInside("\"\"");
#else
    // /bin/sh: anything but a few plain characters; a single quote inside ends the quoting,
    // stands escaped, and opens it again.
    const auto special = [](char16_t u) {
        const bool safe = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_' ||
                          u == '-' || u == '.' || u == '/' || u == ':' || u == ',' || u == '+' || u == '@' ||
                          u == '%' || u == '=';
        return !safe;
    };
    const QChar quote = u'\'';
    const QLatin1String quoteInside("'\\''");
#endif
    bool plain = !word.isEmpty();
    for (QChar c : word)
        plain = plain && !special(c.unicode());
    if (plain)
        return word;
    QString inner = word;
    inner.replace(quote, quoteInside);
    return quote + inner + quote;
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
