#include "reports/GameInfo.h"

#include "platform/AnsiText.h"
#include "platform/LineReader.h"
#include "platform/RuntimeErrorText.h"
#include "platform/ShownText.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// One data file read line by line, where running out of lines inside an entry is an error.
class DatFile {
public:
    explicit DatFile(const QString& path) : m_reader(path) {}

    bool isOpen() const { return m_reader.isOpen(); }
    bool next(QByteArrayView& line) { return m_reader.next(line); }

    // The next line, which the entry cannot do without.
    Status need(QByteArrayView& line)
    {
        if (m_reader.next(line))
            return std::nullopt;
        return stopped();
    }

    // Reads up to the first line that `matches`; false at the end of the file.
    template <class Match>
    Result<bool> seek(QByteArrayView& line, Match matches)
    {
        while (m_reader.next(line)) {
            if (matches(line))
                return true;
        }
        if (m_reader.failed())
            return stopped();
        return false;
    }

    // Why no further line came: a read that failed, or the end of the file.
    RuntimeError stopped() const
    {
        return MakeRuntimeError(m_reader.failed() ? ErrorNumber::DeviceIO : ErrorNumber::InputPastEnd);
    }

    // Skips lines up to and including the first that starts with `marker`: false when the entry
    // ends first, since the next entry's sections are another game's.
    Result<bool> skipTo(const char* marker)
    {
        QByteArrayView line;
        for (;;) {
            if (Status failed = need(line))
                return *failed;
            if (line.startsWith(marker))
                return true;
            if (isEntryEnd(line))
                return false;
        }
    }

    static bool isEntryEnd(QByteArrayView line) { return line.startsWith("$end"); }

private:
    LineReader m_reader;
};

// Whether an "$info" line lists the game: its name stands after "=" or "," and before "," (or,
// where `lastItemOpen`, at the line's end). Every occurrence counts, so a name that also ends an
// earlier, longer name is still found.
bool listsGame(QByteArrayView line, QByteArrayView rom, bool lastItemOpen)
{
    if (rom.isEmpty() || !line.startsWith("$info"))
        return false;
    for (qsizetype at = line.indexOf(rom, 4); at != -1; at = line.indexOf(rom, at + 1)) {
        const char before = line[at - 1];
        const qsizetype after = at + rom.size();
        const bool closed = after == line.size() ? lastItemOpen : line[after] == ',';
        if ((before == ',' || before == '=') && closed)
            return true;
    }
    return false;
}

// A section's text; empty (no value) when the file holds no entry for the game, or the game's
// entry has no such section.
using Entry = Result<std::optional<QString>>;

// The entry of a file of "$info" entries: past the game's "$info" line to the line that starts
// its `block`, past `dropped` more lines, then each line up to "$end" through `append`.
template <class Append>
Entry infoEntry(DatFile& dat, QByteArrayView rom, bool lastItemOpen, const char* block, int dropped, Append append)
{
    QByteArrayView line;
    const Result<bool> found = dat.seek(line, [&](QByteArrayView l) { return listsGame(l, rom, lastItemOpen); });
    if (!found)
        return found.error();
    if (!*found)
        return std::optional<QString>();
    const Result<bool> hasBlock = dat.skipTo(block);
    if (!hasBlock)
        return hasBlock.error();
    if (!*hasBlock)
        return std::optional<QString>();
    QString text;
    for (int i = 0; i < dropped; ++i) {
        if (Status failed = dat.need(line))
            return *failed;
        if (DatFile::isEntryEnd(line))
            return std::optional<QString>(text);
    }
    bool cut = false;
    for (;;) {
        if (Status failed = dat.need(line))
            return *failed;
        if (DatFile::isEntryEnd(line))
            return std::optional<QString>(text);
        if (text.size() < kShownTextLength) {
            append(text, line);
        } else if (!cut) {
            text += kCrLf + TextCutNote() + kCrLf;
            cut = true;
        }
    }
}

Entry historyEntry(DatFile& dat, QByteArrayView rom)
{
    // The line under "$bio" is not part of the text. A paragraph's lines run into one line; each
    // empty line is a line break.
    Entry entry = infoEntry(dat, rom, false, "$bio", 1, [](QString& text, QByteArrayView line) {
        if (line.isEmpty())
            text += kCrLf;
        else
            text += ShownLine(line) + QLatin1Char(' ');
    });
    if (entry && *entry)
        *entry.value() += kCrLf;
    return entry;
}

Entry mameinfoEntry(DatFile& dat, QByteArrayView rom)
{
    Entry entry = infoEntry(dat, rom, true, "$mame", 0,
                            [](QString& text, QByteArrayView line) { text += ShownLine(line) + kCrLf; });
    if (entry && *entry) {
        // The notes are spaced with empty lines more generously than the panel needs.
        QString& text = *entry.value();
        text.replace(QStringLiteral("\r\n\r\n"), kCrLf);
        text += kCrLf;
    }
    return entry;
}

Entry cheatEntry(DatFile& dat, QByteArrayView rom)
{
    if (rom.isEmpty())
        return std::optional<QString>();
    const QByteArray prefix = rom.toByteArray() + ':';
    QByteArrayView line;
    const Result<bool> found = dat.seek(line, [&prefix](QByteArrayView l) { return l.startsWith(prefix); });
    if (!found)
        return found.error();
    if (!*found)
        return std::optional<QString>();
    // The game's cheats are consecutive lines; each one's description follows its last ":".
    QString text;
    do {
        if (text.size() < kShownTextLength) {
            text += ShownLine(line.sliced(line.lastIndexOf(':') + 1)) + kCrLf;
        } else {
            text += TextCutNote() + kCrLf;
            break;
        }
    } while (dat.next(line) && line.startsWith(prefix));
    return std::optional<QString>(text);
}

struct Section {
    const char* heading;
    const char* file;
    const char* before;  // line ends in front of the heading
    const char* missing; // line ends after the "Cannot find" message
    const char* none;    // the message when the game has no entry, with its line ends
    Entry (*entry)(DatFile&, QByteArrayView);
};

constexpr Section kSections[] = {
    {"History.Dat", "history.dat", "", "\r\n\r\n", "There is no history for this game.\r\n\r\n\r\n", historyEntry},
    {"Mameinfo.Dat", "mameinfo.dat", "\r\n", "\r\n\r\n", "There is no mameinfo for this game.\r\n\r\n",
     mameinfoEntry},
    {"Cheat.Dat", "cheat.dat", "\r\n", "", "There are no cheats for this game.", cheatEntry},
};

} // namespace

namespace {

Result<GameInfoReport> makeReport(const QString& mamePath, const QString& rom)
{
    const QDir folder(mamePath);
    const QByteArray name = toAnsi(rom);
    GameInfoReport report;
    for (size_t i = 0; i < std::size(kSections); ++i) {
        const Section& section = kSections[i];
        report.text += QLatin1String(section.before);
        report.headings[i] = {report.text.size(), qsizetype(qstrlen(section.heading))};
        report.text += QLatin1String(section.heading) + kCrLf + kCrLf;

        const QString path = folder.filePath(QLatin1String(section.file));
        if (!QFileInfo::exists(path)) {
            report.text += QStringLiteral("Cannot find %1 file.  This file must be in your M.A.M.E. directory.")
                               .arg(QLatin1String(section.file)) +
                           QLatin1String(section.missing);
            continue;
        }
        DatFile dat(path);
        if (!dat.isOpen())
            return MakeRuntimeError(ErrorNumber::PathFileAccess);
        const Entry entry = section.entry(dat, name);
        if (!entry)
            return entry.error();
        report.text += entry->value_or(QLatin1String(section.none));
    }
    return report;
}

} // namespace

Result<GameInfoReport> GameInformation(const QString& mamePath, const QString& rom)
{
    return OutOfMemoryAsError<GameInfoReport>([&] { return makeReport(mamePath, rom); });
}

QString GameInfoErrorText(const RuntimeError& error)
{
    return QStringLiteral("Error: ") + QString::number(error.number) + kCrLf + error.description;
}
