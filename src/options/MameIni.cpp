#include "options/MameIni.h"

#include "options/CurrentOptions.h"
#include "options/OptionCatalogue.h"
#include "options/OptionLists.h"
#include "platform/AnsiText.h"
#include "platform/FileReplacement.h"
#include "platform/LineReader.h"
#include "platform/RuntimeErrorText.h"
#include "platform/WholeFile.h"
#include "shell/FolderTable.h"
#include "shell/IniFile.h"
#include "shell/ShortPath.h"

#include <QFileInfo>

#include <span>
#include <utility>
#include <vector>

namespace {

// How a line of the option part gets its value.
enum class Source {
    Section,      // opens a section: `name` is its title line
    Fixed,        // always `fixed`
    NotSet,       // always "# name" and "<NULL> (not set)"
    Stored,       // the settings value as stored
    Lower,        // the settings value in lower case
    Bios,         // the BIOS name of a BIOS item
    Playback,     // the ROM set name when Playback is ticked
    Record,       // the ROM set name when Record is ticked
    FrameSkip,    // autoframeskip and frameskip
    Roll,         // ror, rol, autoror, autorol
    Flip,         // flipx, flipy
    AudioLatency, // the latency item's number
    Controller,   // the controller item's file name
};

struct OptionLine {
    Source source;
    const char* name;
    const OptionDef* option = nullptr;
    const char* fixed = nullptr;
};

constexpr OptionLine section(const char* title) { return {Source::Section, title}; }
constexpr OptionLine fixed(const char* name, const char* value) { return {Source::Fixed, name, nullptr, value}; }
constexpr OptionLine notSet(const char* name) { return {Source::NotSet, name}; }
consteval OptionLine from(Source source, const char* name, std::string_view control)
{
    return {source, name, &optionOf(control)};
}

constexpr const char* kStatePlaybackTitle = "# STATE/PLAYBACK OPTIONS";

constexpr OptionLine kOptionPart[] = {
    section("# CONFIGURATION OPTIONS"),
    fixed("readconfig", "1"),
    from(Source::Stored, "skip_gameinfo", "chkSkipG"),
    section("# MISCELLANEOUS OPTIONS"),
    from(Source::Bios, "bios", "cboBios"),
    from(Source::Stored, "cheat", "chkCheat"),
    section(kStatePlaybackTitle),
    notSet("state"),
    from(Source::Stored, "autosave", "chkAutosave"),
    {Source::Playback, "playback"},
    {Source::Record, "record"},
    notSet("mngwrite"),
    notSet("wavwrite"),
    section("# DEBUGGING OPTIONS"),
    fixed("log", "0"),
    fixed("oslog", "0"),
    fixed("verbose", "0"),
    section("# PERFORMANCE OPTIONS"),
    from(Source::FrameSkip, "frameskip", "cboFrameSkip"),
    fixed("frames_to_run", "0"),
    from(Source::Stored, "throttle", "chkThrottle"),
    from(Source::Stored, "sleep", "chkSleep"),
    from(Source::Stored, "rdtsc", "chkRDTSC"),
    from(Source::Stored, "priority", "cboPriority"),
    section("# VIDEO OPTIONS"),
    from(Source::Lower, "video", "cboVideo"),
    fixed("numscreens", "1"),
    from(Source::Stored, "window", "chkWindow"),
    from(Source::Stored, "maximize", "chkMaximize"),
    from(Source::Stored, "keepaspect", "chkKeepAspect"),
    from(Source::Lower, "prescale", "cboPrescale"),
    from(Source::Lower, "effect", "cboEffect"),
    fixed("pause_brightness", "0.65"),
    from(Source::Stored, "waitvsync", "chkWaitVSync"),
    from(Source::Stored, "syncrefresh", "chkSyncRefresh"),
    section("# VIDEO ROTATION OPTIONS"),
    from(Source::Stored, "rotate", "chkRotate"),
    from(Source::Roll, "ror", "cboRoll"),
    from(Source::Flip, "flipx", "cboFlip"),
    section("# DIRECTDRAW-SPECIFIC OPTIONS"),
    from(Source::Stored, "hwstretch", "chkHwStretch"),
    section("# DIRECT3D-SPECIFIC OPTIONS"),
    notSet("d3dversion"),
    from(Source::Stored, "filter", "chkFilter"),
    section("# PER-WINDOW VIDEO OPTIONS"),
    fixed("screen0", "auto"),
    fixed("aspect0", "auto"),
    from(Source::Lower, "resolution0", "cboResolution"),
    fixed("view0", "auto"),
    fixed("screen1", "auto"), fixed("aspect1", "auto"), fixed("resolution1", "auto"), fixed("view1", "auto"),
    fixed("screen2", "auto"), fixed("aspect2", "auto"), fixed("resolution2", "auto"), fixed("view2", "auto"),
    fixed("screen3", "auto"), fixed("aspect3", "auto"), fixed("resolution3", "auto"), fixed("view3", "auto"),
    section("# FULL SCREEN OPTIONS"),
    from(Source::Stored, "triplebuffer", "chkTripleBuffer"),
    from(Source::Stored, "switchres", "chkSwitchRes"),
    from(Source::Stored, "full_screen_brightness", "cboFullScreenBrightness"),
    from(Source::Stored, "full_screen_contrast", "cboFullScreenContrast"),
    from(Source::Stored, "full_screen_gamma", "cboFullScreenGamma"),
    section("# GAME SCREEN OPTIONS"),
    from(Source::Stored, "brightness", "cboBrightness"),
    from(Source::Stored, "contrast", "cboContrast"),
    from(Source::Stored, "gamma", "cboGamma"),
    section("# VECTOR RENDERING OPTIONS"),
    from(Source::Stored, "antialias", "chkAntialias"),
    from(Source::Stored, "beam", "cboBeam"),
    from(Source::Stored, "flicker", "cboFlicker"),
    section("# ARTWORK OPTIONS"),
    from(Source::Stored, "artwork", "chkArtwork"),
    from(Source::Stored, "artwork_crop", "chkCrop"),
    from(Source::Stored, "use_backdrops", "chkBackdrops"),
    from(Source::Stored, "use_overlays", "chkOverlays"),
    from(Source::Stored, "use_bezels", "chkBezels"),
    section("# SOUND OPTIONS"),
    from(Source::Stored, "sound", "chkSound"),
    from(Source::Stored, "samplerate", "cboSampleRate"),
    from(Source::Stored, "samples", "chkSamples"),
    from(Source::Stored, "volume", "cboVolume"),
    from(Source::AudioLatency, "audio_latency", "cboAudioLat"),
    section("# INPUT DEVICE OPTIONS"),
    from(Source::Controller, "ctrlr", "cboController"),
    from(Source::Stored, "mouse", "chkMouse"),
    from(Source::Stored, "joystick", "chkJoystick"),
    from(Source::Stored, "lightgun", "chkLightgun"),
    from(Source::Stored, "dual_lightgun", "chkDualLightgun"),
    from(Source::Stored, "offscreen_reload", "chkOffReload"),
    from(Source::Stored, "steadykey", "chkSteadyKey"),
    from(Source::Stored, "a2d_deadzone", "cboDeadzone"),
    fixed("digital", "none"),
    section("# AUTOMATIC DEVICE SELECTION OPTIONS"),
    from(Source::Lower, "paddle_device", "cboPaddleDev"),
    from(Source::Lower, "adstick_device", "cboAdstickDev"),
    from(Source::Lower, "pedal_device", "cboPedalDev"),
    from(Source::Lower, "dial_device", "cboDialDev"),
    from(Source::Lower, "trackball_device", "cboTrackballDev"),
    from(Source::Lower, "lightgun_device", "cboLightgunDev"),
    section("# OUTPUT DEVICE OPTIONS"),
    from(Source::Stored, "keyboard_leds", "chkKeyLeds"),
    from(Source::Lower, "led_mode", "cboLEDMode"),
};

// Item texts of the settings file and what they become; any other text writes no line.
struct Translation {
    const char* item;
    const char* value;
};

constexpr Translation kAudioLatency[] = {
    {"1/5 To 2/5", "1"}, {"2/5 To 3/5", "2"}, {"3/5 To 4/5", "3"}, {"4/5 To 5/5", "4"}};
constexpr Translation kControllers[] = {
    {"HotRod", "hotrod"}, {"HotRod SE", "hotrodse"}, {"SlikStik", "slikstik"}, {"X-Arcade", "xarcade"}};

// Roll: the four direction lines in file order, and the item that sets each to "1".
constexpr const char* kRollLines[] = {"ror", "rol", "autoror", "autorol"};
constexpr const char* kRollItems[] = {"Right", "Left", "AutoRight", "AutoLeft"};

struct FlipItem {
    const char* item;
    const char* flipx;
    const char* flipy;
};
constexpr FlipItem kFlips[] = {
    {"None", "0", "0"}, {"Horizontally", "0", "1"}, {"Vertically", "1", "0"}, {"Both", "1", "1"}};

const char* translated(std::span<const Translation> table, const QString& item)
{
    for (const Translation& t : table)
        if (item == QLatin1String(t.item))
            return t.value;
    return nullptr;
}

const char* translated(std::span<const CurrentItem> table, const QString& item)
{
    for (const CurrentItem& t : table)
        if (item == QLatin1String(t.item))
            return t.value;
    return nullptr;
}

bool goneToday(const char* name)
{
    for (const char* gone : kCurrentGoneLines)
        if (std::string_view(name) == gone)
            return true;
    return false;
}

void writeLine(QByteArray& out, QByteArrayView name, QByteArrayView value)
{
    out.append(name).append('\t').append(value).append("\r\n");
}

void writeNotSet(QByteArray& out, QByteArrayView name)
{
    out.append("# ").append(name).append("\t<NULL> (not set)\r\n");
}

// The recording the record or playback line names: <rom>.inp in the Input folder either way.
QByteArray inputFileName(const BuildIniRequest& request)
{
    return toAnsi(request.layout == MameLayout::Current ? request.rom + QStringLiteral(".inp") : request.rom);
}

// MAME reads a quoted value whole; only a blank needs it.
QByteArray pathValue(const QString& value)
{
    const QByteArray bytes = toAnsi(value);
    return bytes.contains(' ') ? '"' + bytes + '"' : bytes;
}

QByteArray pathPart(const DirectorySettings& dirs, MameLayout layout = MameLayout::Older)
{
    // A search path takes in the folders that extend it before it is written.
    std::vector<std::pair<const char*, QString>> lines;
    const FolderEntry* searched = nullptr;
    for (const FolderEntry& row : kFolders) {
        const QString& folder = dirs.*row.shortPath;
        switch (row.mameIni) {
        case MameIniEntry::None:
            break;
        case MameIniEntry::SearchPath:
            lines.emplace_back(row.mameIniLine, QStringLiteral(".;") + folder);
            searched = &row;
            break;
        case MameIniEntry::MoreSearch:
            if (!(dirs.*row.path).isEmpty() && dirs.*row.path != dirs.*searched->path)
                lines.back().second += QLatin1Char(';') + folder;
            break;
        case MameIniEntry::FolderIfSet:
            if (!folder.isEmpty())
                lines.emplace_back(row.mameIniLine, folder);
            break;
        case MameIniEntry::Folder:
            lines.emplace_back(row.mameIniLine, folder);
            break;
        }
    }

    lines.emplace_back("cheat_file", QStringLiteral("cheat.dat"));

    QByteArray out;
    out.append("#\r\n# PATH AND DIRECTORY OPTIONS #\r\n#\r\n");
    for (const auto& [name, value] : lines)
        if (layout == MameLayout::Older || !goneToday(name))
            writeLine(out, name, pathValue(value));
    out.append("\r\n");
    return out;
}

class OptionWriter {
public:
    OptionWriter(QByteArray& out, const BuildIniRequest& request, const QString& artworkFolder)
        : m_out(out), m_request(request), m_artworkFolder(artworkFolder)
    {
    }

    void write(const OptionLine& line)
    {
        if (m_request.layout == MameLayout::Current)
            writeCurrent(line);
        else
            writeOlder(line);
    }

private:
    // A section is opened by its first line: one whose lines are all gone is left out whole.
    void writeCurrent(const OptionLine& line)
    {
        if (line.source == Source::Section) {
            m_pendingSection = &line;
            return;
        }
        if (goneToday(line.name))
            return;
        if (!line.option) {
            openSection();
            writeOlder(line);
            return;
        }
        const CurrentOption& today = kCurrentOptions[static_cast<size_t>(line.option - kOptionCatalogue.data())];
        switch (today.value) {
        case CurrentValue::Gone:
        case CurrentValue::Command:
            break;
        case CurrentValue::Same:
            if (line.option->kind == OptionKind::Check) {
                writeTranslated(line, kCurrentTick);
                break;
            }
            openSection();
            writeOlder(line);
            break;
        case CurrentValue::Renamed:
            openSection();
            for (const char* name : {today.name, today.alsoName})
                if (name)
                    writeLine(m_out, name, toAnsi(value(line)));
            break;
        case CurrentValue::Video:
            writeTranslated(line, kCurrentVideo);
            break;
        case CurrentValue::Sound:
            writeTranslated(line, kCurrentSound);
            break;
        case CurrentValue::Effect: {
            // The list shows the file's name in proper case; MAME looks it up by its exact name.
            openSection();
            const QString item = value(line);
            const QString file = item == QLatin1String("None") ? QString() : EffectFileName(m_artworkFolder, item);
            writeLine(m_out, line.name, toAnsi(file.isEmpty() ? item.toLower() : file));
            break;
        }
        case CurrentValue::FrameSkip: {
            openSection();
            const QString item = value(line);
            bool number = false;
            const int frames = item.toInt(&number);
            if (number && frames > kCurrentMaxFrameSkip) {
                writeLine(m_out, "autoframeskip", "0");
                writeLine(m_out, "frameskip", QByteArray::number(kCurrentMaxFrameSkip));
            } else {
                writeOlder(line);
            }
            break;
        }
        }
    }

    void writeTranslated(const OptionLine& line, std::span<const CurrentItem> table)
    {
        if (const char* today = translated(table, value(line))) {
            openSection();
            writeLine(m_out, line.name, today);
        }
    }

    void openSection()
    {
        if (m_pendingSection)
            writeOlder(*std::exchange(m_pendingSection, nullptr));
    }

    void writeOlder(const OptionLine& line)
    {
        switch (line.source) {
        case Source::Section:
            if (!m_firstSection)
                m_out.append("\r\n");
            m_firstSection = false;
            m_out.append("#\r\n").append(line.name).append("\r\n#\r\n");
            break;
        case Source::Fixed:
            writeLine(m_out, line.name, line.fixed);
            break;
        case Source::NotSet:
            writeNotSet(m_out, line.name);
            break;
        case Source::Stored:
            writeLine(m_out, line.name, toAnsi(value(line)));
            break;
        case Source::Lower:
            writeLine(m_out, line.name, toAnsi(value(line).toLower()));
            break;
        case Source::Bios: {
            // A BIOS item is a description, ": " and the BIOS name.
            const QString item = value(line);
            const QString name = item == QLatin1String("Default") ? item : item.mid(item.indexOf(QLatin1String(": ")) + 2);
            writeLine(m_out, line.name, toAnsi(name.toLower()));
            break;
        }
        case Source::Playback:
        case Source::Record:
            if (line.source == Source::Playback ? m_request.playback : m_request.record)
                writeLine(m_out, line.name, inputFileName(m_request));
            else
                writeNotSet(m_out, line.name);
            break;
        case Source::FrameSkip: {
            const QString item = value(line);
            const bool automatic = item == QLatin1String("Auto");
            writeLine(m_out, "autoframeskip", automatic ? "1" : "0");
            writeLine(m_out, "frameskip", automatic ? QByteArray("0") : toAnsi(item));
            break;
        }
        case Source::Roll: {
            const QString item = value(line);
            bool known = item == QLatin1String("None");
            for (const char* direction : kRollItems)
                known = known || item == QLatin1String(direction);
            if (!known)
                break;
            for (int i = 0; i < 4; ++i)
                writeLine(m_out, kRollLines[i], item == QLatin1String(kRollItems[i]) ? "1" : "0");
            break;
        }
        case Source::Flip: {
            const QString item = value(line);
            for (const FlipItem& flip : kFlips) {
                if (item == QLatin1String(flip.item)) {
                    writeLine(m_out, "flipx", flip.flipx);
                    writeLine(m_out, "flipy", flip.flipy);
                }
            }
            break;
        }
        case Source::AudioLatency:
            if (const char* number = translated(kAudioLatency, value(line)))
                writeLine(m_out, line.name, number);
            break;
        case Source::Controller: {
            const QString item = value(line);
            if (item == QLatin1String("None"))
                writeNotSet(m_out, line.name);
            else if (const char* file = translated(kControllers, item))
                writeLine(m_out, line.name, file);
            break;
        }
        }
    }

    QString value(const OptionLine& line) const
    {
        const OptionDef& option = *line.option;
        return ReadINI(m_request.settingsFile, QLatin1String(option.section), QLatin1String(option.key),
                       option.defaultText);
    }

    QByteArray& m_out;
    const BuildIniRequest& m_request;
    const QString& m_artworkFolder; // as the artpath line names it
    bool m_firstSection = true;
    const OptionLine* m_pendingSection = nullptr;
};

} // namespace

MameLayout LayoutOfGame(const GameRecord& game)
{
    return FromTodaysMame(game) ? MameLayout::Current : MameLayout::Older;
}

QString MameIniFolderArgument(const DirectorySettings& dirs, MameLayout layout)
{
    if (layout == MameLayout::Older)
        return QString();
    // Made since start-up, the folder has no command form yet.
    const QString folder = CommandPath(dirs.strIniPath);
    return folder.isEmpty() ? dirs.strIniPath : folder;
}

QString MameIniPath(const DirectorySettings& dirs) { return JoinPath(dirs.strIniPath, QStringLiteral("mame.ini")); }

namespace {

// The file to write; an empty Ini folder names no folder (joined, it would name the root's file).
Result<QString> mameIniFile(const DirectorySettings& dirs)
{
    if (dirs.strIniPath.isEmpty())
        return MakeRuntimeError(ErrorNumber::PathNotFound);
    return MameIniPath(dirs);
}

Status replaceMameIni(const DirectorySettings& dirs, const QByteArray& content)
{
    const Result<QString> path = mameIniFile(dirs);
    if (!path)
        return path.error();
    return ReplaceWholeFile(*path, content);
}

} // namespace

Status CreateMAMEIni(const DirectorySettings& dirs) { return replaceMameIni(dirs, pathPart(dirs)); }

PendingMameIni::PendingMameIni(const DirectorySettings& dirs) : m_dirs(dirs) {}

PendingMameIni::~PendingMameIni() = default;

Status PendingMameIni::write()
{
    const Result<QString> path = mameIniFile(m_dirs);
    if (!path)
        return path.error();
    m_file = std::make_unique<FileReplacement>(*path);
    if (Status failed = m_file->open())
        return failed;
    return m_file->write(pathPart(m_dirs));
}

Status PendingMameIni::commit()
{
    if (!m_file)
        return MakeRuntimeError(ErrorNumber::PathFileAccess);
    return m_file->commit();
}

namespace {

// The option names of mame.ini's lines, comments and empty lines left out.
QList<QByteArray> optionNames(QByteArrayView content)
{
    QList<QByteArray> names;
    LineSplitter lines(content);
    for (QByteArrayView line; lines.next(line);) {
        line = line.trimmed();
        if (!line.isEmpty() && !line.startsWith('#'))
            names << line.first(line.contains('\t') ? line.indexOf('\t') : line.size()).toByteArray();
    }
    return names;
}

} // namespace

bool MameIniAtRest(const DirectorySettings& dirs)
{
    const QString path = MameIniPath(dirs);
    if (!QFileInfo::exists(path))
        return false;
    const Result<QByteArray> content = ReadWholeFile(path);
    // A file that cannot be read is left to the user.
    if (!content)
        return true;
    const QList<QByteArray> pathNames = optionNames(pathPart(dirs));
    for (const QByteArray& name : optionNames(*content))
        if (!pathNames.contains(name))
            return false;
    return true;
}

Result<QString> BuildIni(const DirectorySettings& dirs, const BuildIniRequest& request)
{
    const Result<QString> file = mameIniFile(dirs);
    if (!file)
        return file.error();
    const QString& path = *file;
    // Never what the file holds: one left by a game that never returned already has an option part.
    QByteArray content = pathPart(dirs, request.layout);

    OptionWriter writer(content, request, dirs.strShortArtworkPath);
    for (const OptionLine& line : kOptionPart)
        writer.write(line);
    const QString otherCommands = ReadINI(request.settingsFile, QStringLiteral("Miscellaneous"),
                                          QStringLiteral("Other Commands"), "");
    if (Status failed = ReplaceWholeFile(path, content))
        return *failed;
    return otherCommands;
}

Status CreateMAMEIniWithInput(const DirectorySettings& dirs, const BuildIniRequest& request)
{
    QByteArray content = pathPart(dirs);
    content.append("#\r\n").append(kStatePlaybackTitle).append("\r\n#\r\n");
    if (request.playback)
        writeLine(content, "playback", inputFileName(request));
    else if (request.record)
        writeLine(content, "record", inputFileName(request));
    return replaceMameIni(dirs, content);
}

QString ControllerFileOf(const QString& settingsFile)
{
    const OptionDef& option = optionOf("cboController");
    const char* name = translated(kControllers, ReadINI(settingsFile, QLatin1String(option.section),
                                                        QLatin1String(option.key), option.defaultText));
    return name ? QLatin1String(name) + QStringLiteral(".cfg") : QString();
}

QString BuildIniErrorText(const RuntimeError& error) { return QStringLiteral("Error In BuildIni: ") + error.description; }

QString MameIniErrorText(const QString& procedure, const DirectorySettings& dirs, const RuntimeError& error)
{
    if (error.number == ErrorNumber::PathNotFound)
        return QStringLiteral("Error In %1: %2").arg(procedure, error.description);
    return SaveFailedText(MameIniPath(dirs), error);
}
