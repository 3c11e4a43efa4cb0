// The report box laying out a 256 KB run of text without blanks, next to ordinary report text of
// the same size.
#include "BenchSupport.h"
#include "RunTimes.h"

#include "platform/RichTextBox.h"

#include <QApplication>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace {

// Lays out the whole text and checks that every line fits the box and the text reads back whole.
void showAndCheck(RichTextBox& box, const QString& text)
{
    box.setText(text);
    box.document()->size();
    if (box.Text() != text)
        fail("the text did not read back whole");
    const QTextLayout* layout = box.document()->begin().layout();
    if (layout->lineCount() < 2)
        fail("the text was not wrapped");
    for (int i = 0; i < layout->lineCount(); ++i)
        if (layout->lineAt(i).naturalTextWidth() > box.viewport()->width() + 1)
            fail("a line is wider than the box");
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    constexpr int kRuns = 5;
    constexpr int kSize = 256 * 1024;
    RichTextBox box;
    box.resize(600, 400);
    box.show();
    const QString word(kSize, QLatin1Char('x'));
    QString words = QStringLiteral("alpha beta gamma delta ").repeated(kSize / 23 + 1);
    words.truncate(kSize);
    const QString empty;
    RunTimes::of(kRuns, [&] { showAndCheck(box, word); }, [&] { box.setText(empty); }).print("256 KB word", "ms");
    RunTimes::of(kRuns, [&] { showAndCheck(box, words); }, [&] { box.setText(empty); }).print("256 KB of words", "ms");
    return 0;
}
