// The report box: a text edit offering the few operations the reports use, with positions that
// count each line end as carriage return plus line feed, as the reports' texts are written.
#pragma once

#include "platform/RuntimeError.h"

#include <QTextEdit>

class RichTextBox : public QTextEdit {
    Q_OBJECT

public:
    explicit RichTextBox(QWidget* parent = nullptr);

    // The whole text, each line end as CR LF. Setting it takes CR LF, a lone CR or a lone LF as
    // a line end, drops all formatting and puts the caret at the top.
    QString Text() const;
    void setText(const QString& text);

    // Position of the first match at or after `start`, without regard to case; -1 when none.
    int Find(const QString& text, int start) const;

    // The selection, in positions of Text. Setting the start collapses the selection there;
    // setting the length extends it from the start. Both stop at the end of the text.
    int SelStart() const;
    void setSelStart(int start);
    int SelLength() const;
    void setSelLength(int length);
    // True when every selected character is bold; with nothing selected, whether typing would be.
    bool SelBold() const;
    void setSelBold(bool bold);
    // Selects `length` characters from `start` and makes them bold.
    void boldSpan(int start, int length);
    // Nothing selected, the caret at the top and typing not bold: a report once its headings are set.
    void resetSelection();
    QString SelText() const;
    // Replaces the selection; the caret stands after the new text.
    void setSelText(const QString& text);

    // The file's bytes as text, never read as markup; a failure leaves the box as it was.
    Status LoadFile(const QString& path);
    // Text written in place of the file; a failure leaves the old file whole.
    Status SaveFile(const QString& path) const;

    // Lines of the text, counted by line ends rather than by wrapping, so that the count does not
    // depend on the window's width. An empty box has one line.
    int LineCount() const;

private:
    // Qt's own text and search members count a line end as one character and read markup; hiding
    // them keeps every caller on the operations above.
    using QTextEdit::append;
    using QTextEdit::clear;
    using QTextEdit::find;
    using QTextEdit::insertHtml;
    using QTextEdit::insertPlainText;
    using QTextEdit::setHtml;
    using QTextEdit::setMarkdown;
    using QTextEdit::setPlainText;
    using QTextEdit::toHtml;
    using QTextEdit::toMarkdown;
    using QTextEdit::toPlainText;

    int textPosition(int documentPosition) const;
    int documentPosition(int textPosition) const;
    void select(int documentStart, int documentEnd);
};
