#include "platform/RichTextBox.h"

#include "platform/AnsiText.h"
#include "platform/WholeFile.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

// The document keeps a line end as one separator character: a paragraph end, or a line break
// typed with Shift+Enter.
bool isLineEnd(QChar c) { return c == QChar::ParagraphSeparator || c == QChar::LineSeparator; }

// CR LF, a lone CR and a lone LF each become the one line end the document takes.
QString withNewlines(QString text)
{
    text.replace(kLineEnd, QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QString withCrLf(const QString& raw)
{
    QString text;
    text.reserve(raw.size() + raw.size() / 16);
    for (QChar c : raw) {
        if (isLineEnd(c))
            text += kLineEnd;
        else
            text += c;
    }
    return text;
}

// Laying out a word wider than the box at word boundaries costs the rest of the word on every
// line it fills, the square of its length in all; a run of this many characters is wider than
// any box, so such a text wraps anywhere.
constexpr qsizetype kWiderThanAnyBox = 1024;

bool hasWordWiderThanAnyBox(const QString& text)
{
    qsizetype run = 0;
    for (QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > kWiderThanAnyBox)
            return true;
    }
    return false;
}

} // namespace

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent) {}

QString RichTextBox::Text() const { return withCrLf(document()->toRawText()); }

void RichTextBox::setText(const QString& text)
{
    const QTextOption::WrapMode wrap =
        hasWordWiderThanAnyBox(text) ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere;
    if (wordWrapMode() != wrap) {
        // Emptied first, so that the old text is not laid out again in the new mode.
        document()->clear();
        setWordWrapMode(wrap);
    }
    // Through the document, not the edit: the edit would give the new text the caret's format,
    // so a caret left in a bold heading would make the whole next report bold.
    document()->setPlainText(withNewlines(text));
    setTextCursor(QTextCursor(document()));
}

int RichTextBox::Find(const QString& text, int start) const
{
    if (text.isEmpty())
        return -1;
    return int(Text().indexOf(text, std::max(start, 0), Qt::CaseInsensitive));
}

int RichTextBox::textPosition(int documentPosition) const
{
    const QString raw = document()->toRawText();
    const int end = std::min(documentPosition, int(raw.size()));
    const auto lineEnds = std::count_if(raw.begin(), raw.begin() + end, isLineEnd);
    return documentPosition + int(lineEnds);
}

int RichTextBox::documentPosition(int textPosition) const
{
    // A position between the CR and the LF of a line end falls after the line end.
    const QString raw = document()->toRawText();
    int position = 0;
    for (int i = 0; i < raw.size(); ++i) {
        if (position >= textPosition)
            return i;
        position += isLineEnd(raw[i]) ? 2 : 1;
    }
    return int(raw.size());
}

void RichTextBox::select(int documentStart, int documentEnd)
{
    QTextCursor cursor(document());
    cursor.setPosition(documentStart);
    cursor.setPosition(documentEnd, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

int RichTextBox::SelStart() const { return textPosition(textCursor().selectionStart()); }

void RichTextBox::setSelStart(int start)
{
    const int at = documentPosition(std::max(start, 0));
    select(at, at);
}

int RichTextBox::SelLength() const
{
    const QTextCursor cursor = textCursor();
    return textPosition(cursor.selectionEnd()) - textPosition(cursor.selectionStart());
}

void RichTextBox::setSelLength(int length)
{
    const int start = textCursor().selectionStart();
    select(start, documentPosition(textPosition(start) + std::max(length, 0)));
}

bool RichTextBox::SelBold() const
{
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection())
        return cursor.charFormat().fontWeight() >= QFont::Bold;
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    for (QTextBlock block = document()->findBlock(start); block.isValid() && block.position() < end; block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.position() + fragment.length() <= start || fragment.position() >= end)
                continue;
            if (fragment.charFormat().fontWeight() < QFont::Bold)
                return false;
        }
    }
    return true;
}

void RichTextBox::setSelBold(bool bold)
{
    QTextCharFormat format;
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    mergeCurrentCharFormat(format);
}

void RichTextBox::boldSpan(int start, int length)
{
    setSelStart(start);
    setSelLength(length);
    setSelBold(true);
}

void RichTextBox::resetSelection()
{
    setSelStart(0);
    setSelLength(0);
    setSelBold(false);
}

QString RichTextBox::SelText() const { return withCrLf(textCursor().selectedText()); }

void RichTextBox::setSelText(const QString& text)
{
    QTextCursor cursor = textCursor();
    cursor.insertText(withNewlines(text));
    setTextCursor(cursor);
}

Status RichTextBox::LoadFile(const QString& path)
{
    const Result<QByteArray> bytes = ReadWholeFile(path);
    if (!bytes)
        return bytes.error();
    setText(fromAnsi(*bytes));
    return std::nullopt;
}

Status RichTextBox::SaveFile(const QString& path) const { return ReplaceWholeFile(path, toAnsi(Text())); }

int RichTextBox::LineCount() const
{
    const QString raw = document()->toRawText();
    return int(std::count_if(raw.begin(), raw.end(), isLineEnd)) + 1;
}
