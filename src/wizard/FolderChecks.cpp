#include "wizard/FolderChecks.h"

#include "platform/AnsiText.h"
#include "platform/FileNames.h"
#include "shell/IniFile.h"
#include "shell/MameProgram.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr int kFirstYear = 1975;

QChar separator() { return QDir::separator(); }

// Too short to be a folder: empty, or a drive or file system root.
bool isRootOnly(const QString& text, const QString& path)
{
    return path.isEmpty() || IsDriveOrRoot(text, path);
}

} // namespace

QString TypedFolder(const QString& text)
{
    const QString home = QStringLiteral("~");
    if (text == home || text.startsWith(home + QLatin1Char('/')) || text.startsWith(home + separator()))
        return QDir::toNativeSeparators(QDir::homePath()) + text.mid(1);
    if (text.isEmpty() || !QDir::isRelativePath(text))
        return text;
    const QString absolute = QDir::current().absoluteFilePath(text);
    // After a link, ".." leads to the link target's parent, not to the folder the text shows.
    const QString clean = QDir::cleanPath(absolute);
    const bool same = QFileInfo(clean).canonicalFilePath() == QFileInfo(absolute).canonicalFilePath();
    return QDir::toNativeSeparators(same ? clean : absolute);
}

bool HoldsMameProgram(const QString& mameFolder) { return QFileInfo(MameProgramFile(mameFolder)).isFile(); }

QString BrowsedFolderText(const QString& folder)
{
    return LowerWhereCaseIgnored(QDir::toNativeSeparators(folder));
}

bool IsRootFolder(const QString& text) { return text.endsWith(separator()); }

bool IsStorableFolder(const QString& folder)
{
    if (folder.contains(QLatin1Char('\r')) || folder.contains(QLatin1Char('\n')))
        return false;
    const QByteArray bytes = toAnsi(folder);
    return bytes.size() <= kIniReadLimit && fromAnsi(bytes) == folder;
}

std::optional<QString> MameIniRefusal(const QString& folder, const QString& name)
{
    if (!folder.contains(QLatin1Char('"')) && !folder.contains(QLatin1Char(';')))
        return std::nullopt;
    return QStringLiteral("The ") + name +
           QStringLiteral(" folder's name holds \" or ;, which M.A.M.E. cannot read from mame.ini!  "
                          "Please select another folder.");
}

QString FillFromMame(const QString& mameFolder, const QString& subFolder)
{
    if (subFolder.isEmpty())
        return mameFolder;
    if (IsRootFolder(mameFolder))
        return mameFolder + subFolder;
    return mameFolder + separator() + subFolder;
}

FolderVerdict CheckFolder(const QString& typed, const QString& name, bool required)
{
    FolderVerdict verdict;
    const QString folder = TypedFolder(typed);
    verdict.path = folder;
    if (verdict.path.endsWith(separator()))
        verdict.path.chop(1);
    if (required && isRootOnly(folder, verdict.path)) {
        verdict.message = QStringLiteral("You must select a ") + name + QStringLiteral(" folder!");
        return verdict;
    }
    // Emptied by dropping its separator, a root would pass as no folder at all.
    if (!required && IsRootFolder(folder) && isRootOnly(folder, verdict.path)) {
        verdict.message = name + QStringLiteral(" cannot reside in the root!  Please select a folder.");
        return verdict;
    }
    // The next start would read the value back cut short.
    if (!IsStorableFolder(verdict.path)) {
        verdict.message = QLatin1String(kInvalidSelection);
        verdict.title = QLatin1String(kInvalidSelectionTitle);
        return verdict;
    }
    if (std::optional<QString> refusal = MameIniRefusal(verdict.path, name)) {
        verdict.message = *refusal;
        return verdict;
    }
    if (verdict.path.isEmpty() || QFileInfo(verdict.path).isDir()) {
        verdict.passed = true;
        return verdict;
    }
    verdict.message = QStringLiteral("The ") + name + QStringLiteral(" folder does not exist!  Please select an existing folder.");
    return verdict;
}

QStringList YearList(int currentYear)
{
    QStringList years;
    for (int year = kFirstYear; year < currentYear; ++year)
        years << QString::number(year);
    return years;
}
