// Bounds on what is read for the report panel: a huge line, entry, file or web reply is shown in
// part, with a word where it was cut, rather than taking all the memory there is.
#pragma once

#include "platform/RuntimeError.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <new>

// Bytes of one line that are shown.
inline constexpr qsizetype kShownLineBytes = 64 * 1024;
// Characters of a whole text (an entry, a report, a reply) that are shown.
inline constexpr qsizetype kShownTextLength = 4 * 1024 * 1024;

// Where a line of `length` bytes was cut.
QByteArray LineCutNote(qsizetype length);
// Where a text was cut.
QString TextCutNote();

// The line's first kShownLineBytes bytes and, for a longer line, the note.
QByteArray ShownLineBytes(QByteArrayView line);
QString ShownLine(QByteArrayView line);

// Each line of `text` (lines end in CR LF; every other byte is kept) shown, up to
// kShownTextLength characters and then the note.
QString ShownLines(QByteArrayView text);

// Runs `make`; running out of memory on the way becomes the runtime's "Out of memory".
template <class T, class Make>
Result<T> OutOfMemoryAsError(Make make)
{
    try {
        return make();
    } catch (const std::bad_alloc&) {
        return RuntimeError{7, QStringLiteral("Out of memory"), 0};
    }
}
