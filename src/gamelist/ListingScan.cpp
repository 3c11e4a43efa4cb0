#include "gamelist/ListingScan.h"

#include "gamelist/GameRecordFile.h"
#include "platform/AnsiText.h"
#include "platform/RuntimeErrorText.h"
#include "platform/RuntimeText.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>

namespace {

// A position or length that the runtime refuses (a marker was missing): error 5.
struct ScanFailure {};

// Positions are 1-based, as the layout is described; 0 means "not found".
qsizetype inStr(QByteArrayView s, qsizetype start, QByteArrayView needle)
{
    if (start < 1)
        throw ScanFailure{};
    if (start > s.size())
        return 0;
    const qsizetype i = s.indexOf(needle, start - 1);
    return i < 0 ? 0 : i + 1;
}

qsizetype inStr(QByteArrayView s, qsizetype start, char c)
{
    if (start < 1)
        throw ScanFailure{};
    if (start > s.size())
        return 0;
    const void* hit = std::memchr(s.data() + start - 1, c, s.size() - start + 1);
    return hit ? static_cast<const char*>(hit) - s.data() + 1 : 0;
}

QByteArrayView mid(QByteArrayView s, qsizetype start, qsizetype length)
{
    if (start < 1 || length < 0)
        throw ScanFailure{};
    if (start > s.size())
        return {};
    return s.sliced(start - 1, std::min(length, s.size() - start + 1));
}

// The text from `start` up to, not including, the next `stop`; `end` becomes that stop's
// position. Without a stop the length comes out negative, which the runtime refuses.
QByteArrayView textTo(QByteArrayView s, qsizetype start, char stop, qsizetype& end)
{
    const qsizetype e = inStr(s, start, stop);
    const QByteArrayView text = mid(s, start, e - start);
    end = e;
    return text;
}

// The value of attribute `name` (with its "="), searched from position `end`: the text between
// the double quote that follows the name and the next one, whose position becomes `end`.
QByteArrayView attribute(QByteArrayView s, QByteArrayView name, qsizetype& end)
{
    const qsizetype at = inStr(s, end, name);
    if (at == 0)
        throw ScanFailure{};
    const qsizetype open = inStr(s, at + name.size(), '"');
    if (open == 0)
        throw ScanFailure{};
    return textTo(s, open + 1, '"', end);
}

void assign(std::string& field, QByteArrayView value) { field.assign(value.data(), size_t(value.size())); }

void assignProperCase(std::string& field, QByteArrayView value)
{
    if (!isAscii(value)) {
        const QByteArray converted = toAnsi(ProperCase(fromAnsi(value)));
        assign(field, converted);
        return;
    }
    assign(field, value);
    bool wordStart = true;
    for (char& c : field) {
        if (c == ' ' || c == 0 || (c >= 9 && c <= 13)) {
            wordStart = true;
            continue;
        }
        if (wordStart && c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
        else if (!wordStart && c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
        wordStart = false;
    }
}

// The parts joined, padded on the left with blanks to `width` characters, never cut.
void assignRightAligned(std::string& field, std::initializer_list<QByteArrayView> parts, int width)
{
    qsizetype length = 0;
    bool ascii = true;
    for (QByteArrayView part : parts) {
        length += part.size();
        ascii = ascii && isAscii(part);
    }
    if (!ascii) {
        QByteArray joined;
        for (QByteArrayView part : parts)
            joined.append(part);
        assign(field, toAnsi(FormatRight(fromAnsi(joined), width)));
        return;
    }
    field.assign(length < width ? size_t(width - length) : 0, ' ');
    for (QByteArrayView part : parts)
        field.append(part.data(), size_t(part.size()));
}

QByteArrayView view(const std::string& s) { return QByteArrayView(s.data(), qsizetype(s.size())); }

bool startsTag(QByteArrayView tag, const char (&name)[6]) { return std::memcmp(tag.data(), name, 5) == 0; }

// The value of attribute `name` of the line's start tag, wherever it stands among the others;
// empty when the tag has no such attribute. The attributes are walked pair by pair, so a name
// never matches inside another attribute's value.
QByteArrayView valueOf(QByteArrayView line, QByteArrayView name, bool* found = nullptr)
{
    if (found)
        *found = false;
    qsizetype i = line.indexOf('<');
    while (i >= 0 && i < line.size() && line[i] != ' ' && line[i] != '\t')
        ++i;
    while (i >= 0 && i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        const qsizetype equals = line.indexOf('=', i);
        if (equals < 0 || equals + 1 >= line.size() || line[equals + 1] != '"')
            break;
        const qsizetype close = line.indexOf('"', equals + 2);
        if (close < 0)
            break;
        if (line.sliced(i, equals - i) == name) {
            if (found)
                *found = true;
            return line.sliced(equals + 2, close - equals - 2);
        }
        i = close + 1;
    }
    return {};
}

// An attribute the listing's own declarations make required: without it the line is broken.
QByteArrayView requiredValue(QByteArrayView line, QByteArrayView name)
{
    bool found = false;
    const QByteArrayView value = valueOf(line, name, &found);
    if (!found)
        throw ScanFailure{};
    return value;
}

} // namespace

void ListingScan::setDefaults()
{
    m_fields[Source] = "?";
    m_fields[RomOf] = "N/A";
    m_fields[CHD] = "No";
    m_fields[Year] = "19??";
    m_fields[Origin] = "Original";
    for (Field f : {Manufacturer, Type, Status, Color, Sound, Graphic, Palette, Display, Orientation, Frequency})
        m_fields[f].clear();
    m_rotate.clear();
    m_displaySeen = false;
}

bool ListingScan::isResourceLine(QByteArrayView line) const
{
    if (m_currentLayout)
        return line.trimmed() == QByteArrayView("</mame>");
    static constexpr char kMarker[] = "<game runnable=";
    return line.size() >= 16 && std::memcmp(line.data() + 1, kMarker, 15) == 0;
}

int ListingScan::handleLine(QByteArrayView line, QByteArray& records, QByteArray& resources)
{
    // The "<" follows an indent of a few characters: a plain loop beats a library call here.
    qsizetype at = 0;
    while (at < line.size() && line[at] != '<')
        ++at;
    // A BIOS set is kept whole for the BIOS list; a device says nothing of any game.
    if (m_entry == Entry::Bios || m_entry == Entry::Device) {
        if (m_entry == Entry::Bios)
            resources.append(line).append("\r\n", 2);
        if (line.sliced(at).startsWith("</machine>"))
            m_entry = Entry::None;
        return 0;
    }
    if (line.size() - at < 5)
        return 0;
    const QByteArrayView tag = line.sliced(at, 5);
    try {
        qsizetype e = 0;
        if (startsTag(tag, "<game"))
            gameLine(line);
        else if (startsTag(tag, "<desc"))
            assign(m_fields[Game], textTo(line, 16, '<', e));
        else if (startsTag(tag, "<year"))
            assign(m_fields[Year], textTo(line, 9, '<', e));
        else if (startsTag(tag, "<manu"))
            assign(m_fields[Manufacturer], textTo(line, 17, '<', e));
        else if (startsTag(tag, "<disk"))
            m_fields[CHD] = "Yes";
        else if (startsTag(tag, "<disp"))
            m_currentLayout ? currentDisplayLine(line) : displayLine(line);
        else if (startsTag(tag, "<driv"))
            m_currentLayout ? currentDriverLine(line) : driverLine(line, records);
        else if (startsTag(tag, "<mach"))
            machineLine(line, resources);
        else if (m_currentLayout && startsTag(tag, "<feat"))
            featureLine(line);
        else if (m_currentLayout && startsTag(tag, "</mac")) {
            // The feature lines follow the driver line: only here is the game's record complete.
            if (m_entry == Entry::Game && m_driverSeen)
                appendRecord(records);
            setDefaults();
            m_entry = Entry::None;
        }
    } catch (const ScanFailure&) {
        return ErrorNumber::InvalidCall;
    }
    return 0;
}

// The offsets 14, 11 and 9 skip what MAME writes between the values (a closing quote, a blank,
// the attribute name and "=", an opening quote): name, sourcefile, cloneof, romof in this order.
void ListingScan::gameLine(QByteArrayView line)
{
    qsizetype e = 0;
    assign(m_fields[ROM], textTo(line, 14, '"', e));
    assign(m_fields[Source], textTo(line, e + 14, '"', e));
    if (line.indexOf("cloneof=") >= 0) {
        const QByteArrayView parent = textTo(line, e + 11, '"', e);
        m_fields[Origin].assign("Clone of ");
        m_fields[Origin].append(parent.data(), size_t(parent.size()));
    }
    if (line.indexOf("romof=") >= 0)
        assign(m_fields[RomOf], textTo(line, e + 9, '"', e));
}

// Only a game's first display sets its type, orientation, size and refresh; any further one
// only marks the game as having several.
void ListingScan::displayLine(QByteArrayView line)
{
    m_fields[Display] = "Multiple";
    if (m_displaySeen)
        return;
    m_displaySeen = true;
    qsizetype e = 0;
    assignProperCase(m_fields[Type], textTo(line, 18, '"', e));
    assign(m_rotate, attribute(line, "rotate=", e));
    m_fields[Orientation] = (m_rotate == "90" || m_rotate == "270") ? "Vertical" : "Horizontal";
    if (m_fields[Type] == "Raster") {
        const QByteArrayView width = attribute(line, "width=", e);
        const QByteArrayView height = attribute(line, "height=", e);
        assignRightAligned(m_fields[Display], {width, "x", height}, 8);
    } else if (m_fields[Type] == "Vector") {
        m_fields[Display] = "N/A";
    }
    assign(m_fields[Frequency], attribute(line, "refresh=", e));
}

void ListingScan::driverLine(QByteArrayView line, QByteArray& records)
{
    qsizetype e = 0;
    assignProperCase(m_fields[Status], textTo(line, 19, '"', e));
    assignProperCase(m_fields[Color], attribute(line, "color=", e));
    assignProperCase(m_fields[Sound], attribute(line, "sound=", e));
    assignProperCase(m_fields[Graphic], attribute(line, "graphic=", e));
    assignRightAligned(m_fields[Palette], {attribute(line, "palettesize=", e)}, 6);
    appendRecord(records);
    setDefaults();
}

void ListingScan::appendRecord(QByteArray& records)
{
    std::array<QByteArrayView, FieldCount> views;
    for (int i = 0; i < FieldCount; ++i)
        views[i] = view(m_fields[i]);
    AppendRecordLine(records, views);
}

void ListingScan::machineLine(QByteArrayView line, QByteArray& resources)
{
    m_currentLayout = true;
    if (valueOf(line, "isbios") == QByteArrayView("yes")) {
        m_entry = Entry::Bios;
        resources.append(line).append("\r\n", 2);
        return;
    }
    if (valueOf(line, "isdevice") == QByteArrayView("yes")) {
        m_entry = Entry::Device;
        return;
    }
    // Each block stands alone: nothing of a game without a driver line carries into the next.
    setDefaults();
    m_entry = Entry::Game;
    m_driverSeen = false;
    assign(m_fields[ROM], requiredValue(line, "name"));
    bool found = false;
    const QByteArrayView source = valueOf(line, "sourcefile", &found);
    if (found)
        assign(m_fields[Source], source);
    const QByteArrayView parent = valueOf(line, "cloneof", &found);
    if (found) {
        m_fields[Origin].assign("Clone of ");
        m_fields[Origin].append(parent.data(), size_t(parent.size()));
    }
    const QByteArrayView romOf = valueOf(line, "romof", &found);
    if (found)
        assign(m_fields[RomOf], romOf);
    // Only a feature line marks one of these as less than good.
    for (Field f : {Color, Sound, Graphic})
        m_fields[f] = "Good";
}

void ListingScan::currentDisplayLine(QByteArrayView line)
{
    m_fields[Display] = "Multiple";
    if (m_displaySeen)
        return;
    m_displaySeen = true;
    assignProperCase(m_fields[Type], requiredValue(line, "type"));
    assign(m_rotate, valueOf(line, "rotate"));
    m_fields[Orientation] = (m_rotate == "90" || m_rotate == "270") ? "Vertical" : "Horizontal";
    if (m_fields[Type] == "Raster")
        assignRightAligned(m_fields[Display], {valueOf(line, "width"), "x", valueOf(line, "height")}, 8);
    else if (m_fields[Type] == "Vector")
        m_fields[Display] = "N/A";
    assign(m_fields[Frequency], valueOf(line, "refresh"));
}

void ListingScan::currentDriverLine(QByteArrayView line)
{
    assignProperCase(m_fields[Status], requiredValue(line, "status"));
    bool found = false;
    const QByteArrayView palette = valueOf(line, "palettesize", &found);
    assignRightAligned(m_fields[Palette], {found ? palette : QByteArrayView("0")}, 6);
    m_driverSeen = true;
}

// A feature line without a status speaks only of the machine's devices (its overall value).
void ListingScan::featureLine(QByteArrayView line)
{
    const QByteArrayView status = valueOf(line, "status");
    const char* text = status == QByteArrayView("imperfect")    ? "Imperfect"
                       : status == QByteArrayView("unemulated") ? "Preliminary"
                                                                 : nullptr;
    if (!text)
        return;
    const QByteArrayView type = valueOf(line, "type");
    if (type == QByteArrayView("palette"))
        m_fields[Color] = text;
    else if (type == QByteArrayView("sound"))
        m_fields[Sound] = text;
    else if (type == QByteArrayView("graphics"))
        m_fields[Graphic] = text;
}

GameRecord ListingScan::record() const
{
    GameRecord record;
    for (int i = 0; i < FieldCount; ++i)
        record.fields[i] = fromAnsi(view(m_fields[i]));
    return record;
}

QString ListingScan::rotate() const { return fromAnsi(view(m_rotate)); }
