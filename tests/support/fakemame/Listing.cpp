#include "Listing.h"

#include <QByteArray>
#include <QFile>

namespace {

// The value of attribute `name` (written ` name="`) in a line, empty when it has none.
QByteArray attribute(const QByteArray& line, const char* name)
{
    const QByteArray key = QByteArray(" ") + name + "=\"";
    const qsizetype start = line.indexOf(key);
    if (start < 0)
        return {};
    const qsizetype from = start + key.size();
    const qsizetype end = line.indexOf('"', from);
    return end < 0 ? QByteArray() : line.mid(from, end - from);
}

std::string element(const QByteArray& line, const char* tag)
{
    const QByteArray open = QByteArray("<") + tag + ">";
    const qsizetype start = line.indexOf(open) + open.size();
    const qsizetype end = line.indexOf('<', start);
    return end < 0 ? line.mid(start).toStdString() : line.mid(start, end - start).toStdString();
}

} // namespace

bool forEachListedGame(const QString& path, const GameVisitor& visit)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    FakeGame game;
    bool inGame = false;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.startsWith("<game ") || line.startsWith("<machine ")) {
            game = FakeGame();
            // A device is part of the machines that use it, no set of its own.
            inGame = attribute(line, "isdevice") != "yes";
            game.name = attribute(line, "name").toStdString();
            game.sourcefile = attribute(line, "sourcefile").toStdString();
            game.cloneof = attribute(line, "cloneof").toStdString();
            game.romof = attribute(line, "romof").toStdString();
            game.runnable = attribute(line, "runnable") != "no" && attribute(line, "isbios") != "yes";
        } else if (!inGame) {
            continue;
        } else if (line.startsWith("<description>")) {
            game.description = element(line, "description");
        } else if (line.startsWith("<rom ")) {
            game.roms.push_back({attribute(line, "name").toStdString(), attribute(line, "size").toInt(),
                                 attribute(line, "crc").toUInt(nullptr, 16)});
        } else if (line.startsWith("<sample ")) {
            game.samples.push_back(attribute(line, "name").toStdString());
        } else if (line.startsWith("</game>") || line.startsWith("</machine>")) {
            visit(game);
            inGame = false;
        }
    }
    return true;
}

