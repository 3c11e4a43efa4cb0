#include "gamelist/GameDataRebuild.h"

#include "gamelist/GameDataBuilder.h"
#include "platform/FileReplacement.h"
#include "platform/RuntimeErrorText.h"
#include "platform/WholeFile.h"
#include "shell/MameCommands.h"
#include "shell/Progress.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

namespace {

// The game data files in the order that a rebuild puts them in place: the listing last, since a
// missing listing is what makes the next start build again.
enum DataFile { GameInfo, Resource, CrcInfo, ListXml, DataFileCount };
constexpr const char* kDataFiles[DataFileCount] = {"gameinfo.txt", "resource.txt", "crcinfo.txt", "listxml.txt"};

// Which change of MAME the old copies were last taken for: the two sizes.
constexpr const char* kOldCopiesNote = "oldcopies.txt";

// The files whose unfinished versions a stopped run may leave beside them.
constexpr const char* kRebuiltFiles[] = {"gameinfo.txt",   "resource.txt",   "crcinfo.txt",     "listxml.txt",
                                         "oldlistxml.txt", "oldcrcinfo.txt", "oldresource.txt", kOldCopiesNote};
constexpr const char* kRunSuffix = ".build-";

QString report(const QString& appPath, const char* name) { return ReportsPath(appPath, QLatin1String(name)); }

// A MAME left running by a stopped run may still write into its file: removed, the file is no
// longer anyone's to read.
void removeLeftovers(const QString& appPath)
{
    QDir reports(ReportsPath(appPath, QString()));
    QStringList names, runs;
    for (const char* name : kRebuiltFiles) {
        names << QLatin1String(name);
        runs << QLatin1String(name) + QLatin1String(kRunSuffix) + QLatin1Char('*');
    }
    for (const QString& name : reports.entryList(runs, QDir::Files | QDir::Hidden | QDir::System))
        reports.remove(name);
    RemoveReplacementLeftovers(reports.path(), names);
}

QByteArray noteText(MameSizes sizes)
{
    return QByteArray::number(sizes.stored) + ' ' + QByteArray::number(sizes.now) + "\r\n";
}

// The old copies hold the data of the MAME before the last change. A run stopped after taking
// them for this change has left the current files as they were, so taking them again would do no
// harm; but a run stopped after the new files took their place must not copy those.
Status takeOldCopiesOnce(const QString& appPath, MameSizes sizes)
{
    const QString note = report(appPath, kOldCopiesNote);
    const Result<QByteArray> taken = ReadWholeFileOr(note, {});
    if (taken.ok() && taken.value() == noteText(sizes))
        return std::nullopt;
    for (Status (*backup)(const QString&) : {BackupListXML, BackupCRCInfo, BackupResource})
        if (Status failed = backup(appPath))
            return failed;
    if (Status failed = ReplaceWholeFile(note, noteText(sizes)))
        return NamingFile(*failed, note);
    return std::nullopt;
}

Status runListing(const MameRunner& runMame, const QString& commandLine, const char* command)
{
    const int code = runMame(commandLine);
    if (code == 0)
        return std::nullopt;
    const QString what = QStringLiteral("mame ") + QLatin1String(command);
    return RuntimeError{0,
                        code < 0 ? what + QStringLiteral(" did not run to its end")
                                 : what + QStringLiteral(" ended with exit code ") + QString::number(code),
                        0};
}

// This run's names for the four files, beside the current ones; what is left of them goes with it.
class RunFiles {
public:
    explicit RunFiles(const QString& appPath) : m_appPath(appPath)
    {
        m_suffix = QLatin1String(kRunSuffix) + QString::number(QCoreApplication::applicationPid()) + QLatin1Char('-') +
                   QString::number(QRandomGenerator::global()->generate(), 16);
    }
    ~RunFiles()
    {
        for (int file = 0; file < DataFileCount; ++file)
            QFile::remove(path(DataFile(file)));
    }
    RunFiles(const RunFiles&) = delete;
    RunFiles& operator=(const RunFiles&) = delete;

    QString name(DataFile file) const { return QLatin1String(kDataFiles[file]) + m_suffix; }
    QString path(DataFile file) const { return ReportsPath(m_appPath, name(file)); }

private:
    QString m_appPath;
    QString m_suffix;
};

Status removeListing(const QString& appPath)
{
    QFile listing(report(appPath, kDataFiles[ListXml]));
    if (listing.exists() && !listing.remove())
        return NamingFile(FileRuntimeError(listing, true), listing.fileName());
    return std::nullopt;
}

Status putInPlace(const QString& appPath, const RunFiles& run)
{
    // Until the new listing stands in place the set is incomplete, so a stop in between makes the
    // next start build again.
    if (Status failed = removeListing(appPath))
        return failed;
    for (int file = 0; file < DataFileCount; ++file) {
        const QString target = report(appPath, kDataFiles[file]);
        if (Status failed = MoveFileOver(run.path(DataFile(file)), target))
            return NamingFile(*failed, target);
    }
    return std::nullopt;
}

void keepWhatWasRead(const QString& appPath, const RunFiles& run)
{
    const QString gameinfo = report(appPath, kDataFiles[GameInfo]);
    if (QFileInfo::exists(gameinfo) || removeListing(appPath))
        return;
    // An empty list rather than none, which the loader could not open.
    if (!QFileInfo::exists(run.path(GameInfo)) || MoveFileOver(run.path(GameInfo), gameinfo))
        ReplaceWholeFile(gameinfo, {});
}

} // namespace

Status CreateListXML(const QString& shortAppPath, const QString& fileName, const MameRunner& runMame,
                     Progress* progress)
{
    if (progress)
        progress->message(QStringLiteral("Creating listxml.txt..."));
    return runListing(runMame, MameListXmlCommand(shortAppPath, fileName), "-listxml");
}

Status CreateCRCInfo(const QString& shortAppPath, const QString& fileName, const MameRunner& runMame,
                     Progress* progress)
{
    if (progress)
        progress->message(QStringLiteral("Creating crcinfo.txt..."));
    return runListing(runMame, MameListCrcCommand(shortAppPath, fileName), "-listcrc");
}

bool NewMameDetected(const QString& appPath, MameSizes sizes)
{
    if (sizes.stored != 0 && sizes.now != sizes.stored)
        return true;
    QFile::remove(report(appPath, kOldCopiesNote));
    return false;
}

Status RebuildGameData(const GameDataRebuild& request, const MameRunner& runMame, GameRecord& game, QString& rotate,
                       Progress* progress)
{
    const QString& appPath = request.appPath;
    removeLeftovers(appPath);
    if (Status failed = request.newMame ? takeOldCopiesOnce(appPath, *request.newMame) : BackupResource(appPath))
        return failed;

    const RunFiles run(appPath);
    Status failed = CreateListXML(request.shortAppPath, run.name(ListXml), runMame, progress);
    if (!failed)
        failed = CreateCRCInfo(request.shortAppPath, run.name(CrcInfo), runMame, progress);
    if (!failed)
        failed = CreateGameInfo(run.path(ListXml), run.path(GameInfo), run.path(Resource), game, rotate, progress);
    if (!failed)
        failed = putInPlace(appPath, run);
    else
        keepWhatWasRead(appPath, run);
    return failed;
}
