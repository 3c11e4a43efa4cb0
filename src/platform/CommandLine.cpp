#include "platform/CommandLine.h"

#include <QByteArray>

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
