#include "Commands.h"

#include "Generator.h"
#include "Listing.h"
#include "Output.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QThread>

#include <cstdio>

namespace {

QStringList setList(const char* variable)
{
    QStringList sets = qEnvironmentVariable(variable).split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (QString& set : sets)
        set = set.trimmed();
    return sets;
}

bool forEachGame(const FakeMameConfig& config, const GameVisitor& visit)
{
    if (config.listingFile.isEmpty()) {
        forEachGeneratedGame(config.gameCount, config.layout, visit);
        return true;
    }
    if (forEachListedGame(config.listingFile, visit))
        return true;
    std::fprintf(stderr, "fakemame: cannot read the listing %s\n", qPrintable(config.listingFile));
    return false;
}

QString unquoted(QString value)
{
    value = value.trimmed();
    if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
        value = value.mid(1, value.size() - 2);
    return value;
}

// The options of the run's mame.ini: name (lower case) -> value. Lines are a name, blanks or a TAB,
// and the value, which may stand in double quotes; "#" starts a comment line.
QHash<QString, QString> readMameIni(const FakeMameConfig& config)
{
    QHash<QString, QString> options;
    QFile file(config.mameIni);
    if (config.mameIni.isEmpty() || !file.open(QIODevice::ReadOnly))
        return options;
    while (!file.atEnd()) {
        // Bytes as the file system names its folders, so that a path there names the same folder.
        const QString line = QFile::decodeName(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype gap = line.indexOf(QRegularExpression(QStringLiteral("\\s")));
        if (gap < 0)
            options.insert(line.toLower(), QString());
        else
            options.insert(line.left(gap).toLower(), unquoted(line.mid(gap)));
    }
    return options;
}

QStringList searchFolders(const QString& path);

// What today's MAME says of the mame.ini values it does not take, in its words; it passes over
// options it does not have without a word. The older MAME took what the program writes.
QStringList refusedValues(const FakeMameConfig& config, const QHash<QString, QString>& ini)
{
    QStringList refused;
    if (config.layout != ListingLayout::Current)
        return refused;
    const QString frameskip = ini.value(QStringLiteral("frameskip"), QStringLiteral("0"));
    bool number = false;
    const int frames = frameskip.toInt(&number);
    if (!number || frames < 0 || frames > 10)
        refused << QStringLiteral("Out-of-range integer value for frameskip: \"%1\" (must be between 0 and 10, "
                                  "inclusive); reverting to 0").arg(frameskip);
    static const QStringList kVideo = {"auto", "none", "soft", "accel", "opengl", "bgfx"};
    const QString video = ini.value(QStringLiteral("video"), QStringLiteral("auto"));
    if (!kVideo.contains(video))
        refused << QStringLiteral("Invalid video value %1; reverting to software").arg(video);
    static const QStringList kSound = {"auto", "none", "sdl", "portaudio", "pulse"};
    const QString sound = ini.value(QStringLiteral("sound"), QStringLiteral("auto"));
    if (!kSound.contains(sound))
        refused << QStringLiteral("Value %1 not supported for option sound - falling back to auto").arg(sound);
    // A switch takes 0 or 1; MAME names the default it keeps.
    static const QStringList kSwitches = {
        "readconfig", "skip_gameinfo", "cheat", "autosave", "log", "oslog", "verbose", "autoframeskip", "throttle",
        "sleep", "window", "maximize", "keepaspect", "waitvsync", "syncrefresh", "rotate", "ror", "rol", "autoror",
        "autorol", "flipx", "flipy", "filter", "switchres", "artwork_crop", "samples", "mouse", "joystick",
        "lightgun", "offscreen_reload", "steadykey"};
    static const QStringList kSwitchesOn = {"readconfig", "throttle", "sleep", "maximize", "keepaspect",
                                            "rotate", "filter", "samples", "joystick"};
    for (const QString& name : kSwitches) {
        const QString value = ini.value(name, QStringLiteral("0"));
        if (value != QLatin1String("0") && value != QLatin1String("1"))
            refused << QStringLiteral("Illegal boolean value for %1: \"%2\"; reverting to %3")
                           .arg(name, value, kSwitchesOn.contains(name) ? QStringLiteral("1") : QStringLiteral("0"));
    }
    // An effect is a PNG file of the artwork path, found by its exact name; MAME puts ".png" in the
    // place of any extension the name has.
    QString effect = ini.value(QStringLiteral("effect"), QStringLiteral("none"));
    if (effect != QLatin1String("none")) {
        if (effect.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
            effect.chop(4);
        const QString file = effect + QStringLiteral(".png");
        bool found = false;
        for (const QString& folder : searchFolders(ini.value(QStringLiteral("artpath"))))
            found = found || QFileInfo(QDir(folder).filePath(file)).isFile();
        if (!found)
            refused << QStringLiteral("Unable to load effect PNG file '%1'").arg(file);
    }
    return refused;
}

// The value of option `name` on the command line, or `otherwise`.
QString commandOption(const QStringList& arguments, const char* name, const QString& otherwise)
{
    const qsizetype at = arguments.lastIndexOf(QLatin1String(name));
    return at >= 0 && at + 1 < arguments.size() ? arguments[at + 1] : otherwise;
}

// The folders of a search path such as ".;roms;\"/my roms\"", relative ones from the current folder.
QStringList searchFolders(const QString& path)
{
    QStringList folders;
    for (const QString& part : unquoted(path).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString folder = unquoted(part);
        if (!folder.isEmpty())
            folders << QDir::current().absoluteFilePath(folder);
    }
    return folders;
}

// Today's MAME opens "<set>.7z" too where no "<set>.zip" stands.
bool setFound(const FakeMameConfig& config, const QStringList& folders, const std::string& set)
{
    const QString name = QString::fromStdString(set);
    QStringList files = {name + QStringLiteral(".zip")};
    if (config.layout == ListingLayout::Current)
        files << name + QStringLiteral(".7z");
    for (const QString& folder : folders)
        for (const QString& file : files)
            if (QFileInfo(QDir(folder).filePath(file)).isFile())
                return true;
    return false;
}

void writeSetName(Output& out, const char* noun, const FakeGame& game)
{
    out << noun << ' ' << game.name;
    if (!game.cloneof.empty())
        out << " [" << game.cloneof << ']';
}

// Pads like printf's "%-*s" (left) and "%*s" (right).
void padded(Output& out, const std::string& text, std::size_t width)
{
    out << text;
    for (std::size_t i = text.size(); i < width; ++i)
        out << ' ';
}

void padLeft(Output& out, const std::string& text, std::size_t width)
{
    for (std::size_t i = text.size(); i < width; ++i)
        out << ' ';
    out << text;
}

// How today's MAME ends a verify run: the summary on standard output only when every set it found
// is good, else on standard error with exit code 2; nothing found, or nothing known by that name,
// only on standard error. Standard output goes first, as MAME flushes it before.
int currentSummary(Output& out, const FakeMameConfig& config, const QString& pattern, const char* noun, int matched,
                   int found, int good)
{
    out.flush();
    if (found > 0 && good == found) {
        out << found << ' ' << noun << "s found, " << good << " were OK.";
        out.endl();
        return 0;
    }
    Output errors(stderr, config.lineEnd());
    if (matched == 0) {
        errors << "No matching systems found for '" << pattern.toStdString() << "'";
        errors.endl();
        return 5;
    }
    if (found == 0)
        errors << noun << " \"" << pattern.toStdString() << "\" not found!";
    else
        errors << found << ' ' << noun << "s found, " << good << " were OK.";
    errors.endl();
    return 2;
}

} // namespace

QString MameIniOfRun(const FakeMameConfig& config, const QStringList& arguments)
{
    if (config.layout != ListingLayout::Current)
        return QStringLiteral("mame.ini");
    const QString home = QDir::home().filePath(QStringLiteral(".mame"));
    for (const QString& folder : searchFolders(commandOption(arguments, "-inipath", home))) {
        const QString file = QDir(folder).filePath(QStringLiteral("mame.ini"));
        if (QFileInfo(file).isFile())
            return file;
    }
    return QString();
}

FakeMameConfig FakeMameConfig::fromEnvironment()
{
    FakeMameConfig config;
    config.listingFile = qEnvironmentVariable("ZELVANE_FAKEMAME_LISTXML");
    bool ok = false;
    const int games = qEnvironmentVariableIntValue("ZELVANE_FAKEMAME_GAMES", &ok);
    if (ok && games >= 0)
        config.gameCount = games;
    config.badRomSets = setList("ZELVANE_FAKEMAME_BAD");
    config.badSampleSets = setList("ZELVANE_FAKEMAME_BAD_SAMPLES");
    config.logFile = qEnvironmentVariable("ZELVANE_FAKEMAME_LOG");
    config.sleepMs = qEnvironmentVariableIntValue("ZELVANE_FAKEMAME_SLEEP_MS");
    config.exitCode = qEnvironmentVariableIntValue("ZELVANE_FAKEMAME_EXIT");
    config.pausedFile = qEnvironmentVariable("ZELVANE_FAKEMAME_PAUSED");
    config.pauseAt = qEnvironmentVariableIntValue("ZELVANE_FAKEMAME_PAUSE_AT");
    if (qEnvironmentVariable("ZELVANE_FAKEMAME_LAYOUT") == QLatin1String("current")) {
        config.layout = ListingLayout::Current;
        config.version = "0.251";
    }
    const QString version = qEnvironmentVariable("ZELVANE_FAKEMAME_VERSION");
    if (!version.isEmpty())
        config.version = version.toStdString();
    return config;
}

// Tells the test where the listing stopped (the file holds this process's id) and goes on once
// the test removes the file, or after a minute.
void pauseUntilReleased(const QString& pausedFile)
{
    QFile paused(pausedFile);
    if (!paused.open(QIODevice::WriteOnly))
        return;
    paused.write(QByteArray::number(QCoreApplication::applicationPid()));
    paused.close();
    for (int waited = 0; QFileInfo::exists(pausedFile) && waited < 60000; waited += 10)
        QThread::msleep(10);
}

int listXml(const FakeMameConfig& config)
{
    Output out(stdout, config.lineEnd());
    if (!config.pausedFile.isEmpty())
        out.pauseAfter(std::size_t(config.pauseAt), [&config] { pauseUntilReleased(config.pausedFile); });
    if (config.listingFile.isEmpty()) {
        writeGeneratedListing(out, config.gameCount, config.version, config.layout);
        return 0;
    }
    QFile file(config.listingFile);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "fakemame: cannot read the listing %s\n", qPrintable(config.listingFile));
        return 1;
    }
    while (!file.atEnd()) {
        const QByteArray block = file.read(1 << 20);
        out << std::string_view(block.constData(), std::size_t(block.size()));
    }
    return 0;
}

int listCrc(const FakeMameConfig& config)
{
    Output out(stdout, config.lineEnd());
    const bool current = config.layout == ListingLayout::Current;
    const bool ok = forEachGame(config, [&](const FakeGame& game) {
        for (const FakeRom& rom : game.roms) {
            out.hex(rom.crc, 8) << ' ';
            if (current) {
                padded(out, rom.name, 32);
                out << '\t';
                padded(out, game.name, 16);
                out << '\t';
            } else {
                out << rom.name << ' ';
            }
            out << game.description;
            out.endl();
        }
    });
    return ok ? 0 : 1;
}

int help(const FakeMameConfig& config)
{
    Output out(stdout, config.lineEnd());
    if (config.layout == ListingLayout::Current)
        out << "MAME v" << config.version << " (unknown)";
    else
        out << "M.A.M.E. v" << config.version << " (fakemame)";
    out.endl();
    static constexpr std::string_view kUsage[] = {
        "Multiple Arcade Machine Emulator",
        "",
        "Usage:  MAME gamename [options]",
        "",
        "        MAME -listxml       for the list of games",
        "        MAME -listcrc       for the checksums of every ROM",
        "        MAME -verifyroms    to verify ROM sets",
        "        MAME -verifysamples to verify sample sets",
    };
    for (std::string_view line : kUsage) {
        out << line;
        out.endl();
    }
    return 0;
}

int verify(const FakeMameConfig& config, const QString& pattern, AuditKind kind)
{
    const bool roms = kind == AuditKind::Roms;
    const char* noun = roms ? "romset" : "sampleset";
    const QHash<QString, QString> ini = readMameIni(config);
    const QStringList folders = searchFolders(ini.value(roms ? QStringLiteral("rompath") : QStringLiteral("samplepath")));
    const QStringList& bad = roms ? config.badRomSets : config.badSampleSets;
    const QRegularExpression match(QRegularExpression::wildcardToRegularExpression(pattern),
                                   QRegularExpression::CaseInsensitiveOption);

    const bool current = config.layout == ListingLayout::Current;
    Output out(stdout, config.lineEnd());
    if (!config.pausedFile.isEmpty())
        out.pauseAfter(std::size_t(config.pauseAt), [&config] { pauseUntilReleased(config.pausedFile); });
    int matched = 0, found = 0, good = 0;
    const bool ok = forEachGame(config, [&](const FakeGame& game) {
        if ((roms ? game.roms.empty() : game.samples.empty()) || !match.match(QString::fromStdString(game.name)).hasMatch())
            return;
        ++matched;
        if (!setFound(config, folders, game.name)) {
            // Today's MAME says nothing of a set it does not find.
            if (current)
                return;
            writeSetName(out, noun, game);
            out << " not found";
            out.endl();
            return;
        }
        ++found;
        if (bad.contains(QString::fromStdString(game.name))) {
            padded(out, game.name, 8);
            if (roms)
                out << ": " << game.roms.front().name << " (" << game.roms.front().size << " bytes) - INCORRECT CHECKSUM:";
            else
                out << ": " << game.samples.front() << ".wav - NOT FOUND";
            out.endl();
            writeSetName(out, noun, game);
            out << " is bad";
        } else {
            ++good;
            writeSetName(out, noun, game);
            out << " is good";
        }
        out.endl();
    });
    if (!ok)
        return 1;
    if (current)
        return currentSummary(out, config, pattern, noun, matched, found, good);
    if (matched == 0) {
        out << noun << " \"" << pattern.toStdString() << "\" not found!";
        out.endl();
    }
    out << found << ' ' << noun << "s found, " << good << " were OK.";
    out.endl();
    return 0;
}

int listFiles(const FakeMameConfig& config, const QString& set, AuditKind kind)
{
    Output out(stdout, config.lineEnd());
    bool known = false;
    const std::string name = set.toStdString();
    const bool ok = forEachGame(config, [&](const FakeGame& game) {
        if (game.name != name)
            return;
        known = true;
        if (kind == AuditKind::Roms) {
            out << "This is the list of the ROMs required for driver \"" << name << "\".";
            out.endl();
            out << "Name              Size Checksum";
            out.endl();
            for (const FakeRom& rom : game.roms) {
                padded(out, rom.name, 12);
                padLeft(out, std::to_string(rom.size), 10);
                out << " CRC(";
                out.hex(rom.crc, 8) << ')';
                out.endl();
            }
        } else {
            out << "Samples required for driver \"" << name << "\".";
            out.endl();
            for (const std::string& sample : game.samples) {
                out << sample << ".wav";
                out.endl();
            }
        }
    });
    if (!ok)
        return 1;
    if (!known) {
        out << "Game \"" << name << "\" not supported!";
        out.endl();
        return 1;
    }
    return 0;
}

bool logRun(const FakeMameConfig& config, const QStringList& arguments)
{
    if (config.logFile.isEmpty())
        return true;
    QFile iniFile(config.mameIni);
    QJsonValue iniCopy = QJsonValue::Null;
    if (!config.mameIni.isEmpty() && iniFile.open(QIODevice::ReadOnly))
        iniCopy = QString::fromLatin1(iniFile.readAll());

    QJsonObject run;
    run.insert(QStringLiteral("args"), QJsonArray::fromStringList(arguments));
    run.insert(QStringLiteral("cwd"), QDir::currentPath());
    run.insert(QStringLiteral("mameIni"), iniCopy);
    run.insert(QStringLiteral("refused"), QJsonArray::fromStringList(refusedValues(config, readMameIni(config))));
    QFile log(config.logFile);
    if (!log.open(QIODevice::WriteOnly | QIODevice::Append)) {
        std::fprintf(stderr, "fakemame: cannot append to the log %s\n", qPrintable(config.logFile));
        return false;
    }
    log.write(QJsonDocument(run).toJson(QJsonDocument::Compact) + '\n');
    return true;
}

int playGame(const FakeMameConfig& config, const QStringList& arguments)
{
    const QHash<QString, QString> ini = readMameIni(config);
    for (const QString& refused : refusedValues(config, ini))
        std::fprintf(stderr, "%s\n", qPrintable(refused));
    // Today's MAME stops when the controller's file is in no folder of its ctrlrpath.
    const QString controller = commandOption(arguments, "-ctrlr", ini.value(QStringLiteral("ctrlr")));
    if (config.layout == ListingLayout::Current && !controller.isEmpty()) {
        const QString file = controller + QStringLiteral(".cfg");
        bool found = false;
        for (const QString& folder : searchFolders(
                 commandOption(arguments, "-ctrlrpath", ini.value(QStringLiteral("ctrlrpath"), QStringLiteral("ctrlr")))))
            found = found || QFileInfo(QDir(folder).filePath(file)).isFile();
        if (!found) {
            std::printf("Ignoring MAME exception: Could not load controller configuration file %s\n", qPrintable(file));
            std::fprintf(stderr, "Fatal error: Could not load controller configuration file %s\n", qPrintable(file));
            return 3;
        }
    }
    // MAME's default input folder is "inp" in the current folder; it creates no folder itself.
    const QDir folder(QDir::current().absoluteFilePath(ini.value(QStringLiteral("input_directory"), QStringLiteral("inp"))));
    // Today's MAME takes the file's name as mame.ini gives it; the older one added ".inp".
    const bool current = config.layout == ListingLayout::Current;
    const auto inputFile = [&](QString name) {
        if (!current && !name.endsWith(QLatin1String(".inp"), Qt::CaseInsensitive))
            name += QLatin1String(".inp");
        return folder.filePath(name);
    };
    const QString playback = ini.value(QStringLiteral("playback"));
    if (current && !playback.isEmpty() && !QFileInfo::exists(inputFile(playback))) {
        std::printf("Ignoring MAME exception: Input file %s not found\n\n", qPrintable(playback));
        std::fprintf(stderr, "Fatal error: Input file %s not found\n\n", qPrintable(playback));
        return 3;
    }
    const QString record = ini.value(QStringLiteral("record"));
    if (record.isEmpty())
        return 0;
    QFile inp(inputFile(record));
    if (!inp.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "fakemame: cannot record into %s\n", qPrintable(inp.fileName()));
        return 1;
    }
    inp.write("fakemame input recording of " + arguments.value(0).toLocal8Bit() + "\r\n");
    return 0;
}
