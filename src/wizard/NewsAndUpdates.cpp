#include "wizard/NewsAndUpdates.h"

#include "platform/RuntimeErrorText.h"
#include "shell/IniFile.h"

#include <QStringList>

#include <limits>

namespace {

// A placeholder under the reserved domain until the product has a site of its own.
constexpr char kDefaultWebHost[] = "http://www.zelvane.example";

// Where the page's version text may begin (1-based, as the page's authors count) and how much of
// the page is read.
constexpr qsizetype kVersionFrom = 1000;
constexpr qsizetype kPageRead = 2000;

// The runtime's leading numeric value of a digit text: blanks skipped, digits read up to the first
// other character. Nothing numeric gives 0.
Result<qint32> leadingValue(const QString& text)
{
    qint64 value = 0;
    for (QChar c : text) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t'))
            continue;
        if (!c.isDigit() || c.unicode() > 0x7f)
            break;
        value = value * 10 + c.digitValue();
        if (value > std::numeric_limits<qint32>::max())
            return MakeRuntimeError(ErrorNumber::Overflow);
    }
    return static_cast<qint32>(value);
}

} // namespace

QString WebHost()
{
    QString host = qEnvironmentVariable("ZELVANE_WEB_HOST");
    if (host.isEmpty())
        host = QLatin1String(kDefaultWebHost);
    while (host.endsWith(QLatin1Char('/')))
        host.chop(1);
    return host;
}

bool NewsIsNew(const QString& newsText, const QString& lastNews)
{
    if (newsText.isEmpty() || newsText == QLatin1String("Error"))
        return false;
    return newsText.mid(8, 1) == QLatin1String(";") || StoredIniValue(NewsStamp(newsText)) != lastNews;
}

QString NewsStamp(const QString& newsText) { return newsText.left(8); }

Result<Version> ParseVersion(const QString& dotted)
{
    const QStringList parts = dotted.split(QLatin1Char('.'));
    Version version;
    qint32* fields[] = {&version.major, &version.minor, &version.revision};
    for (qsizetype i = 0; i < parts.size() && i < 3; ++i) {
        const Result<qint32> value = leadingValue(parts[i]);
        if (!value)
            return value.error();
        *fields[i] = *value;
    }
    return version;
}

Version OwnVersion()
{
    const Result<Version> own = ParseVersion(QStringLiteral(ZELVANE_VERSION));
    return own ? *own : Version();
}

Result<Version> WebVersion(const QString& page)
{
    const QString read = page.left(kPageRead);
    const QString marker = QStringLiteral("Version ");
    const qsizetype found = read.indexOf(marker, kVersionFrom - 1);
    const qsizetype start = found < 0 ? -1 : found + marker.size();
    const qsizetype end = start < 0 ? -1 : read.indexOf(QLatin1String("<br>"), start);
    if (end < 0)
        return MakeRuntimeError(ErrorNumber::InvalidCall);
    return ParseVersion(read.mid(start, end - start));
}

QString UpdateVerdict(const Version& webVersion, const Version& ownVersion, const QString& site)
{
    if (!webVersion.known())
        return {};
    if (webVersion > ownVersion)
        return QStringLiteral("There is a new version of Zelvane available.\r\nYou can get it from ") + site +
               QLatin1Char('.');
    if (webVersion < ownVersion)
        return QStringLiteral("You are running a newer version of Zelvane than the one that is available on the "
                              "website.");
    return QStringLiteral("No updates available.  You are running the current version of Zelvane.");
}
