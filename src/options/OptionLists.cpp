#include "options/OptionLists.h"

#include "platform/AnsiText.h"
#include "platform/LineReader.h"
#include "platform/RuntimeErrorText.h"
#include "platform/RuntimeText.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

// Texts built from whole hundredths, so that no floating point and no locale enters them.
QStringList hundredths(int first, int last, int step)
{
    QStringList items;
    for (int n = first; n <= last; n += step)
        items << QStringLiteral("%1.%2").arg(n / 100).arg(n % 100, 2, 10, QLatin1Char('0'));
    return items;
}

QStringList wholeNumbers(int first, int last)
{
    QStringList items;
    for (int n = first; n <= last; ++n)
        items << QString::number(n);
    return items;
}

QStringList resolutions()
{
    QStringList items = {QStringLiteral("Auto"), QStringLiteral("0x0@60"), QStringLiteral("0x0@70"),
                         QStringLiteral("0x0@72"), QStringLiteral("0x0@75")};
    for (const char* size : {"320x240", "640x480", "800x600", "1024x768", "1152x864", "1280x960", "1280x1024",
                             "1600x1024", "1600x1200"}) {
        items << QLatin1String(size);
        for (const char* rate : {"@60", "@70", "@72", "@75"})
            items << QLatin1String(size) + QLatin1String(rate);
    }
    return items;
}

// Up to `length` bytes from `from`; less (or none) where the line is shorter.
QByteArrayView part(QByteArrayView line, qsizetype from, qsizetype length)
{
    if (from >= line.size())
        return {};
    return line.sliced(from, std::min(length, line.size() - from));
}

QStringList texts(std::initializer_list<const char*> items)
{
    QStringList list;
    for (const char* item : items)
        list << QLatin1String(item);
    return list;
}

} // namespace

Result<QStringList> BiosItems(const QString& resourcePath)
{
    QStringList items = {QStringLiteral("Default")};
    if (!QFileInfo::exists(resourcePath))
        return items;
    LineReader reader(resourcePath);
    if (!reader.isOpen())
        return MakeRuntimeError(ErrorNumber::PathFileAccess);
    QString prefix;
    QByteArrayView line;
    while (reader.next(line)) {
        const QByteArrayView tag = part(line, 2, 5);
        if (tag == "<desc") {
            const qsizetype end = line.indexOf('<', 15);
            prefix = fromAnsi(part(line, 15, (end < 0 ? line.size() : end) - 15)) + QStringLiteral(": ");
        } else if (tag == "<bios") {
            const qsizetype name = line.indexOf("name=");
            if (name < 0)
                continue;
            const QByteArrayView rest = line.sliced(std::min(name + 6, line.size()));
            const qsizetype end = rest.indexOf('"');
            items << prefix + ProperCase(fromAnsi(end < 0 ? rest : rest.first(end)));
        }
    }
    if (reader.failed())
        return MakeRuntimeError(ErrorNumber::PathFileAccess);
    return items;
}

namespace {

// The effect files of the Artwork folder, in list order.
QStringList effectFiles(const QString& artworkFolder)
{
    if (artworkFolder.isEmpty())
        return {};
    // Without QDir::CaseSensitive the pattern matches ".PNG" too, as the system's listing does.
    return QDir(artworkFolder).entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name);
}

QString effectItem(QString file) { return ProperCase(file.remove(QStringLiteral(".png"))); }

} // namespace

QStringList EffectItems(const QString& artworkFolder)
{
    QStringList items = {QStringLiteral("None")};
    for (const QString& file : effectFiles(artworkFolder))
        items << effectItem(file);
    return items;
}

QString EffectFileName(const QString& artworkFolder, const QString& item)
{
    for (const QString& file : effectFiles(artworkFolder))
        if (effectItem(file) == item)
            return file.chopped(4);
    return {};
}

OptionLists DefineComboLists(const QStringList& biosItems, const QStringList& effectItems)
{
    const QStringList devices = texts({"Keyboard", "Mouse", "Joystick", "Lightgun"});
    OptionLists lists;
    const auto set = [&lists](int row, QStringList items) { lists[static_cast<size_t>(row)] = std::move(items); };
    set(optionRow("cboBios"), biosItems);
    set(optionRow("cboFrameSkip"), QStringList{QStringLiteral("Auto")} + wholeNumbers(0, 12));
    set(optionRow("cboPriority"), wholeNumbers(-15, 1));
    set(optionRow("cboVideo"), texts({"GDI", "DDraw", "D3D"}));
    set(optionRow("cboPrescale"), wholeNumbers(1, 8));
    set(optionRow("cboEffect"), effectItems);
    set(optionRow("cboRoll"), texts({"None", "Right", "Left", "AutoRight", "AutoLeft"}));
    set(optionRow("cboFlip"), texts({"None", "Horizontally", "Vertically", "Both"}));
    set(optionRow("cboResolution"), resolutions());
    set(optionRow("cboFullScreenBrightness"), hundredths(10, 200, 10));
    set(optionRow("cboFullScreenContrast"), hundredths(10, 200, 10));
    set(optionRow("cboFullScreenGamma"), hundredths(10, 300, 10));
    set(optionRow("cboBrightness"), hundredths(10, 200, 1));
    set(optionRow("cboContrast"), hundredths(50, 200, 5));
    set(optionRow("cboGamma"), hundredths(50, 200, 5));
    set(optionRow("cboBeam"), hundredths(100, 1600, 10));
    set(optionRow("cboFlicker"), hundredths(0, 10000, 500));
    set(optionRow("cboSampleRate"), texts({"11025", "22050", "44100", "48000"}));
    set(optionRow("cboVolume"), wholeNumbers(-32, 0));
    set(optionRow("cboAudioLat"), texts({"1/5 To 2/5", "2/5 To 3/5", "3/5 To 4/5", "4/5 To 5/5"}));
    set(optionRow("cboController"), texts({"None", "HotRod", "HotRod SE", "SlikStik", "X-Arcade"}));
    set(optionRow("cboDeadzone"), hundredths(0, 100, 5));
    for (const char* device : {"cboPaddleDev", "cboAdstickDev", "cboPedalDev", "cboDialDev", "cboTrackballDev",
                               "cboLightgunDev"})
        set(findOptionRow(device), devices);
    set(optionRow("cboLEDMode"), texts({"PS/2", "USB"}));
    return lists;
}

std::optional<QString> AcceptedValue(const OptionLists& lists, int row, const QString& text)
{
    switch (kOptionCatalogue[static_cast<size_t>(row)].kind) {
    case OptionKind::Check: {
        const std::optional<qint16> state = ParseInteger(text);
        if (!state || *state < 0 || *state > 2)
            return std::nullopt;
        return QString::number(*state);
    }
    case OptionKind::Combo:
        if (!lists[static_cast<size_t>(row)].contains(text))
            return std::nullopt;
        return text;
    case OptionKind::Text:
        break;
    }
    return text;
}
