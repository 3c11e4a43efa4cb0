#include "platform/RichTextBox.h"
#include "platform/RuntimeErrorText.h"

#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>

#include "support/Files.h"
#include "support/FullDisk.h"

namespace {

// The bold runs of the document, read from its fragments rather than through the box's positions.
QStringList boldRuns(const RichTextBox& box)
{
    QStringList runs;
    for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().fontWeight() >= QFont::Bold)
                runs << it.fragment().text();
    return runs;
}

// The box's selection as start, length and text.
struct Selection {
    int start;
    int length;
    QString text;
    bool operator==(const Selection&) const = default;
};

Selection selection(const RichTextBox& box) { return {box.SelStart(), box.SelLength(), box.SelText()}; }

void PrintTo(const Selection& s, std::ostream* os)
{
    *os << s.start << "+" << s.length << " \"" << s.text.toStdString() << "\"";
}

} // namespace

TEST(RichTextBox, TextReadsEveryLineEndAsCrLfAndCountsLines)
{
    const struct {
        QString written;
        QString read;
        int lines;
    } cases[] = {
        {"", "", 1},
        {"one line", "one line", 1},
        {"a\r\nb", "a\r\nb", 2},
        {"a\rb", "a\r\nb", 2},
        {"a\nb", "a\r\nb", 2},
        {"a\r\r\nb\n\r", "a\r\n\r\nb\r\n\r\n", 5},
        {"ends\r\n", "ends\r\n", 2},
        {"\r\n\r\n", "\r\n\r\n", 3},
        {"ROM\tDescription", "ROM\tDescription", 1},
        {"<b>not markup</b>", "<b>not markup</b>", 1},
        {QStringLiteral("no\u00a0break"), QStringLiteral("no\u00a0break"), 1},
    };
    RichTextBox box;
    box.setTabStopDistance(100);
    for (const auto& c : cases) {
        box.setText(c.written);
        EXPECT_EQ(box.Text(), c.read) << c.written.toStdString();
        EXPECT_EQ(box.LineCount(), c.lines) << c.written.toStdString();
        EXPECT_EQ(selection(box), (Selection{0, 0, ""})) << "the caret stands at the top";
        EXPECT_EQ(box.tabStopDistance(), 100) << "the tab stops stay";
    }
}

TEST(RichTextBox, FindCountsPositionsOfTheTextAsItReadsBack)
{
    const struct {
        QString text;
        QString sought;
        int start;
        int found;
    } cases[] = {
        {"Verify ROMs", "ROMs", 0, 7},
        {"Verify ROMs", "rOmS", 0, 7},
        {"Verify ROMs", "roms", 7, 7},
        {"Verify ROMs", "roms", 8, -1},
        {"Verify ROMs", "Samples", 0, -1},
        {"abc", "c", 2, 2},
        {"abc", "c", 3, -1},
        {"abc", "c", 40, -1},
        {"abc", "a", -5, 0},
        {"abc", "", 0, -1},
        {"a\rb\rc", "c", 0, 6},
        {"a\nb\nc", "C", 5, 6},
        {"a\r\nb\r\nc", "b", 0, 3},
        {"is bad\ris bad", "IS BAD", 1, 8},
        {"Game \r\rfoo", "\r\n\r\nfoo", 0, 5},
    };
    RichTextBox box;
    for (const auto& c : cases) {
        box.setText(c.text);
        EXPECT_EQ(box.Find(c.sought, c.start), c.found)
            << c.text.toStdString() << " / " << c.sought.toStdString() << " from " << c.start;
    }
}

TEST(RichTextBox, SelectionCountsLineEndsAsTwoAndStopsAtTheEnd)
{
    const struct {
        QString text;
        int start;
        int length;
        Selection read;
    } cases[] = {
        {"Head\rBody", 6, 4, {6, 4, "Body"}},
        {"Head\nBody", 6, 4, {6, 4, "Body"}},
        {"Head\r\nBody", 2, 6, {2, 6, "ad\r\nBo"}},
        {"one\r\rthree", 3, 4, {3, 4, "\r\n\r\n"}},
        {"abc", 1, 10, {1, 2, "bc"}},
        {"abc", 3, 0, {3, 0, ""}},
        {"abc", 10, 2, {3, 0, ""}},
        {"abc", -1, 1, {0, 1, "a"}},
        {"abc", 1, -3, {1, 0, ""}},
        // Between the CR and the LF of a line end is after the line end.
        {"ab\r\ncd", 3, 1, {4, 1, "c"}},
    };
    RichTextBox box;
    for (const auto& c : cases) {
        box.setText(c.text);
        box.setSelStart(c.start);
        box.setSelLength(c.length);
        EXPECT_EQ(selection(box), c.read) << c.text.toStdString() << " at " << c.start << "+" << c.length;
    }
}

TEST(RichTextBox, HeadingsFoundByFindTurnBoldAndTheCaretReturnsPlain)
{
    // The report bolds each heading where find puts it, then puts the caret at the top, bold off.
    const struct {
        QString text;
        QStringList headings;
    } cases[] = {
        {"ROMs\r\nx is good\r\n\r\nSamples\r\ny is good", {"ROMs", "Samples"}},
        {"Intro\rGame \r\rpacman", {"Game"}},
        {"Filename\tSetting\n\n\nraster\tFrameskip", {"Filename", "Setting"}},
        {"x\ry\rlast", {"last"}},
    };
    for (const auto& c : cases) {
        RichTextBox box;
        box.setText(c.text);
        for (const QString& heading : c.headings) {
            box.setSelStart(box.Find(heading, 0));
            box.setSelLength(int(heading.size()));
            box.setSelBold(true);
            EXPECT_TRUE(box.SelBold()) << heading.toStdString();
        }
        box.setSelStart(0);
        box.setSelLength(0);
        box.setSelBold(false);
        EXPECT_EQ(boldRuns(box), c.headings) << c.text.toStdString();
        EXPECT_FALSE(box.SelBold()) << "typing at the top is plain";
        // A selection over bold and plain characters is not bold.
        box.setSelLength(int(box.Text().size()));
        EXPECT_FALSE(box.SelBold()) << c.text.toStdString();
    }
}

TEST(RichTextBox, NewTextDropsTheOldFormattingWhereverTheCaretStood)
{
    RichTextBox box;
    box.setText("ROMs\r\nrest");
    box.setSelStart(0);
    box.setSelLength(4);
    box.setSelBold(true);
    box.setSelStart(2); // inside the bold heading
    box.setText("next report");
    EXPECT_EQ(boldRuns(box), QStringList());
    EXPECT_FALSE(box.SelBold());
}

TEST(RichTextBox, SelectedTextReplacesTheSpan)
{
    const struct {
        QString text;
        int start;
        int length;
        QString replacement;
        QString read;
        int caret;
    } cases[] = {
        {"The summary line\r\nrest", 4, 12, "line", "The line\r\nrest", 8},
        {"a\r\nsummary\r\nb", 1, 9, "\rEnd of report.", "a\r\nEnd of report.\r\nb", 17},
        {"abc", 3, 0, "\ndef", "abc\r\ndef", 8},
        {"abc", 0, 3, "", "", 0},
    };
    RichTextBox box;
    for (const auto& c : cases) {
        box.setText(c.text);
        box.setSelStart(c.start);
        box.setSelLength(c.length);
        box.setSelText(c.replacement);
        EXPECT_EQ(box.Text(), c.read) << c.text.toStdString();
        EXPECT_EQ(selection(box), (Selection{c.caret, 0, ""})) << c.text.toStdString();
    }
}

TEST(RichTextBox, LoadReadsPlainTextWithTheBoxsLineEndsAndSaveWritesItBack)
{
    const struct {
        QByteArray file;
        QString read;
    } cases[] = {
        {"", ""},
        {"pacman is good\r\n2 romsets found\r\n", "pacman is good\r\n2 romsets found\r\n"},
        {"pacman is good\n2 romsets found\n", "pacman is good\r\n2 romsets found\r\n"},
        {"a\rb\r", "a\r\nb\r\n"},
        {"a\n\rb", "a\r\n\r\nb"},
        {"{\\rtf1\\ansi\\deff0 {\\b bold}\\par}\r\n", "{\\rtf1\\ansi\\deff0 {\\b bold}\\par}\r\n"},
        {"<html><body><b>x</b></body></html>", "<html><body><b>x</b></body></html>"},
        {"caf\xc3\xa9\tbar", QStringLiteral("caf\u00e9\tbar")},
    };
    QTemporaryDir dir;
    const QString in = dir.filePath("in.txt");
    const QString out = dir.filePath("out.txt");
    for (const auto& c : cases) {
        RichTextBox box;
        writeFile(in, c.file);
        ASSERT_FALSE(box.LoadFile(in)) << c.file.toStdString();
        EXPECT_EQ(box.Text(), c.read) << c.file.toStdString();
        EXPECT_EQ(boldRuns(box), QStringList()) << "control words are text, not formatting";
        ASSERT_FALSE(box.SaveFile(out));
        QByteArray crlf = c.file;
        crlf.replace("\r\n", "\n").replace('\r', '\n').replace("\n", "\r\n");
        EXPECT_EQ(readFile(out), crlf) << c.file.toStdString();
    }
}

TEST(RichTextBox, LoadAndSaveFailuresReachTheCallerAndLoseNothing)
{
    QTemporaryDir dir;
    RichTextBox box;
    box.setText("shown report");

    const Status missing = box.LoadFile(dir.filePath("vanished.txt"));
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->number, ErrorNumber::FileNotFound);
    EXPECT_EQ(box.Text(), "shown report") << "a failed load leaves the box as it was";

    const Status noFolder = box.SaveFile(dir.filePath("reports/temp.txt"));
    ASSERT_TRUE(noFolder);
    EXPECT_EQ(noFolder->number, ErrorNumber::PathNotFound);

    const QString kept = dir.filePath("roms.txt");
    writeFile(kept, "old report\r\n");
    ScopedWriteLimit full(4);
    const Status diskFull = box.SaveFile(kept);
    ASSERT_TRUE(diskFull);
    EXPECT_EQ(diskFull->number, ErrorNumber::DiskFull);
    EXPECT_EQ(readFile(kept), "old report\r\n");
}

TEST(RichTextBox, WordsWrapAtBlanksAndAWordWiderThanAnyBoxAnywhere)
{
    struct Case {
        const char* name;
        QString text;
        QTextOption::WrapMode wrap;
    };
    const QString words = QStringLiteral("alpha beta gamma delta ").repeated(40);
    const Case cases[] = {
        {"ordinary words", words, QTextOption::WrapAtWordBoundaryOrAnywhere},
        {"a run as long as any box is wide", QString(1024, 'x') + " " + words, QTextOption::WrapAtWordBoundaryOrAnywhere},
        {"a run wider than any box", words + QString(1025, 'x') + "\r\n" + words, QTextOption::WrapAnywhere},
        {"a 256 KB run", QString(256 * 1024, 'x'), QTextOption::WrapAnywhere},
        {"ordinary words after a long run", words, QTextOption::WrapAtWordBoundaryOrAnywhere},
    };
    RichTextBox box;
    box.resize(300, 200);
    box.show(); // wraps at the width of its viewport
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        box.setText(c.text);
        EXPECT_EQ(box.wordWrapMode(), c.wrap);
        EXPECT_EQ(box.Text(), c.text);
        box.document()->size(); // lays out the whole text
        const QTextBlock first = box.document()->begin();
        const QTextLayout* layout = first.layout();
        ASSERT_GT(layout->lineCount(), 1);
        for (int i = 0; i < layout->lineCount(); ++i)
            EXPECT_LE(layout->lineAt(i).naturalTextWidth(), box.viewport()->width() + 1) << i;
        // Ordinary words are never cut at a line's end.
        if (c.wrap == QTextOption::WrapAtWordBoundaryOrAnywhere && c.text.startsWith('a')) {
            for (int i = 1; i < layout->lineCount(); ++i)
                EXPECT_EQ(first.text().at(layout->lineAt(i).textStart() - 1), ' ') << i;
        }
    }
}
