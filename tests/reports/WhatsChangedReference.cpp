#include "WhatsChangedReference.h"

#include <QList>

#include <algorithm>

namespace reference {
namespace {

// The runtime's string functions, positions from 1, 0 for "not found".
qsizetype instr(qsizetype start, const QByteArray& text, const QByteArray& find)
{
    if (start > text.size())
        return 0;
    return text.indexOf(find, start - 1) + 1;
}

QByteArray mid(const QByteArray& text, qsizetype start, qsizetype length = -1)
{
    return length < 0 ? text.mid(start - 1) : text.mid(start - 1, length);
}

QByteArray trimBlanks(QByteArray text)
{
    while (text.startsWith(' '))
        text.remove(0, 1);
    while (text.endsWith(' '))
        text.chop(1);
    return text;
}

QList<QByteArray> linesOf(const QByteArray& text)
{
    QList<QByteArray> lines;
    QByteArray line;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.append(line);
            line.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            line += c;
        }
    }
    if (!line.isEmpty())
        lines.append(line);
    return lines;
}

QByteArray restOfLine(const QByteArray& line)
{
    const qsizetype tab = line.lastIndexOf('\t') + 1;
    if (tab > 0)
        return trimBlanks(mid(line, tab + 1));
    const qsizetype first = instr(1, line, " ");
    if (first == 0)
        return {};
    const qsizetype second = instr(first + 1, line, " ");
    if (second == 0)
        return {};
    return trimBlanks(mid(line, second + 1));
}

// Where the next block starts, searched from the seventh character: the first game of either
// layout, else the first resource; 0 for none.
qsizetype nextStart(const QByteArray& text)
{
    const qsizetype game = instr(7, text, "<game n");
    const qsizetype machine = instr(7, text, "<machine n");
    if (game > 0 && machine > 0)
        return std::min(game, machine);
    if (game > 0 || machine > 0)
        return std::max(game, machine);
    return instr(7, text, "<game r");
}

// The text up to the end of its last closing tag of a game, or all of it when it has none.
QByteArray closedElement(const QByteArray& run)
{
    const qsizetype game = run.lastIndexOf("</game>");
    const qsizetype machine = run.lastIndexOf("</machine>");
    if (game < 0 && machine < 0)
        return run;
    return game > machine ? run.left(game + 7) : run.left(machine + 10);
}

// Cuts the next block off the front of `text`, the text before its start dropped, and what
// follows its element up to the next block; true when it was the last.
bool cutBlock(QByteArray& text, QByteArray& block)
{
    qsizetype first = 0;
    for (const char* start : {"<game n", "<machine n", "<game r"}) {
        const qsizetype at = instr(1, text, start);
        if (at > 0 && (first == 0 || at < first))
            first = at;
    }
    if (first == 0) {
        block.clear();
        text.clear();
        return true;
    }
    text = mid(text, first);
    const qsizetype end = nextStart(text);
    if (end == 0) {
        block = closedElement(text);
        text.clear();
        return true;
    }
    block = closedElement(text.left(end - 1));
    text = mid(text, end);
    return false;
}

std::optional<QByteArray> title(const QByteArray& block)
{
    const qsizetype name = instr(1, block, "name=");
    if (name == 0)
        return std::nullopt;
    const qsizetype quote = instr(name + 6, block, "\"");
    if (quote == 0)
        return std::nullopt;
    const qsizetype desc = instr(quote, block, "<desc");
    if (desc == 0)
        return std::nullopt;
    const qsizetype descEnd = instr(desc + 13, block, "<");
    if (descEnd == 0)
        return std::nullopt;
    return mid(block, name + 6, quote - (name + 6)) + '\t' + mid(block, desc + 13, descEnd - (desc + 13));
}

bool stripHeader(QByteArray& text)
{
    const qsizetype start = nextStart(text);
    if (start == 0)
        return false;
    text = mid(text, start);
    return true;
}

} // namespace

std::optional<QByteArray> romsInfo(const QByteArray& newList, const QByteArray& oldList)
{
    const QList<QByteArray> lines = linesOf(newList);
    if (lines.isEmpty())
        return std::nullopt;
    qsizetype count = 0;
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (i == 0 || restOfLine(lines[i]) != restOfLine(lines[i - 1]))
            ++count;

    QByteArray report;
    qsizetype next = 1;
    QByteArray current = lines[0];
    for (qsizetype compared = 0;; ++compared) {
        const QByteArray key = restOfLine(current);
        QByteArray newGroup = current;
        while (next < lines.size()) {
            const QByteArray line = lines[next++];
            if (restOfLine(line) == key) {
                newGroup += line;
            } else {
                current = line;
                break;
            }
        }
        QByteArray oldGroup;
        const QList<QByteArray> oldLines = linesOf(oldList); // the old file, opened again
        for (qsizetype i = 0; i < oldLines.size(); ++i) {
            if (restOfLine(oldLines[i]) != key)
                continue;
            for (qsizetype j = i; j < oldLines.size() && restOfLine(oldLines[j]) == key; ++j)
                oldGroup += oldLines[j];
            break;
        }
        if (compared == count)
            break;
        if (newGroup != oldGroup)
            report += key + "\r\n";
    }
    return report;
}

std::optional<QByteArray> romsInfoByKey(const QByteArray& newList, const QByteArray& oldList)
{
    const QList<QByteArray> lines = linesOf(newList);
    if (lines.isEmpty())
        return std::nullopt;
    // Every line of the key in the list, each once, sorted.
    const auto linesOfKey = [](const QList<QByteArray>& list, const QByteArray& key) {
        QList<QByteArray> found;
        for (const QByteArray& line : list)
            if (restOfLine(line) == key && !found.contains(line))
                found.append(line);
        std::sort(found.begin(), found.end());
        return found;
    };
    const QList<QByteArray> oldLines = linesOf(oldList);
    QList<QByteArray> seen;
    QByteArray report;
    for (const QByteArray& line : lines) {
        const QByteArray key = restOfLine(line);
        if (seen.contains(key))
            continue;
        seen.append(key);
        const QList<QByteArray> oldOfKey = linesOfKey(oldLines, key);
        if (oldOfKey.isEmpty() || linesOfKey(lines, key) != oldOfKey)
            report += key + "\r\n";
    }
    return report;
}

std::optional<QByteArray> allInfo(const QByteArray& newListing, const QByteArray& oldListing)
{
    QByteArray newText = newListing;
    QByteArray oldText = oldListing;
    if (newText.count("<game name=") + newText.count("<game runnable=") + newText.count("<machine name=") == 0)
        return std::nullopt;
    if (!stripHeader(newText) || !stripHeader(oldText))
        return std::nullopt;

    QByteArray report;
    QByteArray block;
    for (bool last = false; !last;) {
        last = cutBlock(newText, block);
        const std::optional<QByteArray> entry = title(block);
        if (!entry)
            return std::nullopt;
        const qsizetype at = instr(1, oldText, block);
        if (at > 0)
            oldText = oldText.left(at - 1) + mid(oldText, at + block.size());
        else
            report += *entry + "\r\n";
    }
    while (!oldText.isEmpty()) {
        cutBlock(oldText, block);
        if (block.isEmpty())
            break;
        const std::optional<QByteArray> entry = title(block);
        if (!entry)
            return std::nullopt;
        if (instr(1, report, *entry) == 0)
            report += *entry + "\r\n";
    }
    return report;
}

} // namespace reference
