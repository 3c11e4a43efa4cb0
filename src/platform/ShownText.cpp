#include "platform/ShownText.h"

#include "platform/AnsiText.h"

QByteArray LineCutNote(qsizetype length)
{
    return " [... cut here: the line is " + QByteArray::number(length) + " bytes long, too long to show]";
}

QString TextCutNote() { return QStringLiteral("[... cut here: the rest is too long to show]"); }

QByteArray ShownLineBytes(QByteArrayView line)
{
    if (line.size() <= kShownLineBytes)
        return line.toByteArray();
    return line.first(kShownLineBytes).toByteArray() + LineCutNote(line.size());
}

QString ShownLine(QByteArrayView line)
{
    if (line.size() <= kShownLineBytes)
        return fromAnsi(line);
    return fromAnsi(ShownLineBytes(line));
}

QString ShownLines(QByteArrayView text)
{
    QString shown;
    qsizetype pos = 0;
    while (pos < text.size()) {
        if (shown.size() >= kShownTextLength) {
            shown += TextCutNote() + QStringLiteral("\r\n");
            break;
        }
        qsizetype end = text.indexOf("\r\n", pos);
        if (end < 0)
            end = text.size();
        shown += ShownLine(text.sliced(pos, end - pos));
        if (end < text.size())
            shown += QStringLiteral("\r\n");
        pos = end + 2;
    }
    return shown;
}
