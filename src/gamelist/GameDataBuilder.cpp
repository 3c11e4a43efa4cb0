#include "gamelist/GameDataBuilder.h"

#include "gamelist/ListingScan.h"
#include "platform/FileReplacement.h"
#include "platform/LineReader.h"
#include "platform/RuntimeErrorText.h"
#include "shell/Progress.h"
#include "shell/ShortPath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr qsizetype kBlock = 4 << 20;

// A byte copy that replaces the target only once it is complete.
Status copyFileOver(const QString& from, const QString& to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return NamingFile(FileRuntimeError(source, false), from);
    FileReplacement target(to);
    if (Status failed = target.open())
        return NamingFile(*failed, to);
    QByteArray block(kBlock, Qt::Uninitialized);
    for (;;) {
        const qint64 got = source.read(block.data(), kBlock);
        if (got < 0)
            return NamingFile(FileRuntimeError(source, false), from);
        if (got == 0)
            break;
        if (Status failed = target.write(QByteArrayView(block.constData(), got)))
            return NamingFile(*failed, to);
    }
    if (Status failed = target.commit())
        return NamingFile(*failed, to);
    return std::nullopt;
}

Status backup(const QString& appPath, const char* file, const char* old)
{
    const QString from = ReportsPath(appPath, QLatin1String(file));
    if (!QFileInfo::exists(from))
        return std::nullopt;
    return copyFileOver(from, ReportsPath(appPath, QLatin1String(old)));
}

// A report file written in large blocks; what was written reaches the file only on commit. Its
// failures name the file.
class BufferedOutput {
public:
    explicit BufferedOutput(const QString& path) : m_file(path) { m_buffer.reserve(kBlock + (64 << 10)); }

    Status open() { return named(m_file.open()); }
    QByteArray& buffer() { return m_buffer; }
    Status drainIfFull() { return m_buffer.size() >= kBlock ? drain() : std::nullopt; }
    Status commit()
    {
        if (!m_file.isOpen())
            return std::nullopt;
        if (Status failed = drain())
            return failed;
        return named(m_file.commit());
    }

private:
    Status drain()
    {
        if (Status failed = m_file.write(m_buffer))
            return named(failed);
        m_buffer.resize(0);
        return std::nullopt;
    }
    Status named(Status failed) const
    {
        return failed ? Status(NamingFile(*failed, m_file.path())) : std::nullopt;
    }

    FileReplacement m_file;
    QByteArray m_buffer;
};

// The end of the listing: where a read failed, a device error rather than the file's end.
RuntimeError listingEnd(const LineReader& listing)
{
    return MakeRuntimeError(listing.failed() ? ErrorNumber::DeviceIO : ErrorNumber::InputPastEnd,
                            int(listing.lineNumber() + 1));
}

// The scan proper: listxml.txt into the two outputs. The line number of a failure is the
// listing's line being handled, or the one that was to be read past the end.
Status scanListing(LineReader& listing, ListingScan& scan, BufferedOutput& gameinfo, BufferedOutput& resource,
                   Progress* progress)
{
    QByteArrayView line;
    for (;;) {
        if (!listing.next(line))
            return listingEnd(listing);
        if (const int number = scan.handleLine(line, gameinfo.buffer(), resource.buffer()))
            return MakeRuntimeError(number, int(listing.lineNumber()));
        if (Status failed = gameinfo.drainIfFull())
            return failed;
        if (Status failed = resource.drainIfFull())
            return failed;
        if (scan.isResourceLine(line))
            break;
    }

    if (progress)
        progress->message(QStringLiteral("Creating resource.txt..."));
    bool closed = false;
    do {
        resource.buffer().append(line).append("\r\n", 2);
        if (Status failed = resource.drainIfFull())
            return failed;
        // MAME's last line closes the listing; a listing that stops before it was cut short.
        const QByteArrayView text = line.trimmed();
        if (!text.isEmpty())
            closed = text == QByteArrayView("</mame>");
    } while (listing.next(line));
    if (listing.failed() || !closed)
        return listingEnd(listing);
    return std::nullopt;
}

Status writeGameData(const QString& listingPath, const QString& gameinfoPath, const QString& resourcePath,
                     ListingScan& scan, Progress* progress)
{
    LineReader listing(listingPath, kBlock);
    if (!listing.isOpen())
        return MakeRuntimeError(QFileInfo::exists(listingPath) ? ErrorNumber::PathFileAccess
                                                               : ErrorNumber::FileNotFound);

    BufferedOutput gameinfo(gameinfoPath);
    BufferedOutput resource(resourcePath);
    Status failed = gameinfo.open();
    if (!failed)
        failed = resource.open();
    if (!failed)
        failed = scanListing(listing, scan, gameinfo, resource, progress);
    // What was written is kept even after a failure, for the caller to use or drop. Committing a
    // file that never opened does nothing.
    const Status gameinfoCommitted = gameinfo.commit();
    const Status resourceCommitted = resource.commit();
    if (failed)
        return failed;
    return gameinfoCommitted ? gameinfoCommitted : resourceCommitted;
}

} // namespace

QString ReportsPath(const QString& appPath, const QString& fileName)
{
    return JoinPath(appPath, QStringLiteral("reports/") + fileName);
}

Status BackupListXML(const QString& appPath) { return backup(appPath, "listxml.txt", "oldlistxml.txt"); }

Status BackupCRCInfo(const QString& appPath) { return backup(appPath, "crcinfo.txt", "oldcrcinfo.txt"); }

Status BackupResource(const QString& appPath)
{
    // One that cannot be read (a folder in its place, no permission) is rebuilt as a missing one is.
    QFile resource(ReportsPath(appPath, QStringLiteral("resource.txt")));
    if (!resource.open(QIODevice::ReadOnly))
        return std::nullopt;
    resource.close();
    return backup(appPath, "resource.txt", "oldresource.txt");
}

Status CreateGameInfo(const QString& listing, const QString& gameinfo, const QString& resource, GameRecord& game,
                      QString& rotate, Progress* progress)
{
    if (progress)
        progress->message(QStringLiteral("Creating gameinfo.txt..."));
    ListingScan scan;
    const Status failed = writeGameData(listing, gameinfo, resource, scan, progress);
    game = scan.record();
    rotate = scan.rotate();
    if (failed)
        return failed;
    game[GameColumn::ROM].clear();
    if (progress)
        progress->message(QString());
    return std::nullopt;
}

QString CreateGameInfoErrorText(const RuntimeError& error)
{
    return QStringLiteral("Error In CreateGameInfo: ") + error.description + QLatin1Char('\r') +
           QStringLiteral("Line Number: ") + QString::number(error.line);
}

RuntimeError NamingFile(RuntimeError error, const QString& path)
{
    error.description += QStringLiteral(": ") + QDir::toNativeSeparators(path);
    return error;
}

Status KillWhatsNewReports(const QString& appPath)
{
    for (const char* name : {"newroms.txt", "whatsnew.txt"}) {
        QFile report(ReportsPath(appPath, QLatin1String(name)));
        if (report.exists() && !report.remove())
            return FileRuntimeError(report, true);
    }
    return std::nullopt;
}
