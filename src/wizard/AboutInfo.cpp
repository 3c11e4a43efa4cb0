#include "wizard/AboutInfo.h"

#include "platform/AnsiText.h"
#include "platform/FileNames.h"
#include "platform/LineReader.h"
#include "platform/RuntimeErrorText.h"
#include "shell/ShortPath.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

QString MameVersionFromHelp(const QByteArray& helpOutput)
{
    LineSplitter lines(helpOutput);
    QByteArrayView line;
    while (lines.next(line)) {
        // Today's MAME names itself "MAME v0.251 (...)" where older ones wrote "M.A.M.E. v0.106 (...)".
        if (!line.startsWith("M.A.M.E.") && !line.startsWith("MAME v"))
            continue;
        const qsizetype paren = line.indexOf('(');
        if (paren < 1)
            break;
        return fromAnsi(line.first(paren - 1)).replace(QLatin1Char('v'), QLatin1String("Version "));
    }
    return QStringLiteral("Unknown");
}

QString ExtrasPath(const ExtrasFolder& folder, const DirectorySettings& dirs)
{
    const QString& base = dirs.*folder.base;
    if (!folder.subfolder || base.isEmpty())
        return base;
    return QDir::toNativeSeparators(FindSubfolder(base, QLatin1String(folder.subfolder)));
}

Result<QStringList> ListExtras(const QString& folder, const QString& pattern)
{
    // An empty setting would list the current folder, which is no extras folder.
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return MakeRuntimeError(ErrorNumber::PathNotFound);
    const QDir dir(folder);
    if (!dir.isReadable())
        return MakeRuntimeError(ErrorNumber::PathNotFound);
    QStringList names;
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (name.endsWith(pattern, Qt::CaseInsensitive))
            names.append(name);
    }
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return names;
}
