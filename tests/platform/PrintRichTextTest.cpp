#include "platform/PrintRichText.h"
#include "platform/RichTextBox.h"

#include <QFontMetrics>
#include <QPageSize>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/PdfPrinter.h"

namespace {

constexpr double kA4HeightPoints = 841.89;

// Enough lines for `pages` and a half sheets of A4 between margins of 1000 twips (50 points).
QString linesFor(const RichTextBox& box, double pages)
{
    const double pageHeight = (kA4HeightPoints - 100.0) / 72.0 * box.viewport()->logicalDpiY();
    const int lines = int(pages * pageHeight / QFontMetrics(box.font()).height());
    QStringList text;
    for (int i = 0; i < lines; ++i)
        text << QStringLiteral("pacman%1 is good").arg(i);
    return text.join("\r\n");
}

// Where text between these margins (twips) must be drawn on an A4 sheet.
QRect expectedDrawing(const PrintedPage& page, int left, int top, int right, int bottom)
{
    const auto px = [&](int twips) { return qRound(twips * page.resolution / 1440.0); };
    const QRect sheet = QPageSize(QPageSize::A4).rectPixels(page.resolution);
    return QRect(QPoint(px(left), px(top)), QPoint(sheet.right() - px(right), sheet.bottom() - px(bottom)));
}

} // namespace

TEST(PrintRichText, PrintsAsManyPagesAsTheTextNeedsEachWithTheSameMargins)
{
    const struct {
        const char* name;
        double pagesOfText;
        int left, top, right, bottom;
        int pages;
    } cases[] = {
        {"empty report", 0, 1000, 1000, 1000, 1000, 1},
        {"one line", 0.01, 1000, 1000, 1000, 1000, 1},
        {"three pages long", 2.5, 1000, 1000, 1000, 1000, 3},
        {"uneven margins", 0, 0, 300, 2000, 4000, 1},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        PdfPrinter printer(dir.filePath("report.pdf"));
        RichTextBox box;
        box.setText(c.pagesOfText > 0 ? linesFor(box, c.pagesOfText) : QString());

        ASSERT_TRUE(PrintRichText(box, c.left, c.top, c.right, c.bottom)) << c.name;
        EXPECT_EQ(printer.pdfPageCount(), c.pages) << c.name;
        ASSERT_EQ(int(printer.pages().size()), c.pages) << c.name;
        for (const PrintedPage& page : printer.pages()) {
            EXPECT_EQ(page.layout.pageSize().id(), QPageSize::A4) << c.name;
            EXPECT_EQ(page.layout.margins(QPageLayout::Point), QMarginsF(c.left / 20.0, c.top / 20.0, c.right / 20.0, c.bottom / 20.0))
                << c.name;
            EXPECT_EQ(page.drawingRect, expectedDrawing(page, c.left, c.top, c.right, c.bottom)) << c.name;
        }
        // On the sheet itself, each page's text is clipped to the margins measured from its edges.
        const QSizeF sheet = QPageSize(QPageSize::A4).size(QPageSize::Point);
        const std::vector<QRectF> clips = printer.clipRects();
        ASSERT_EQ(int(clips.size()), c.pages) << c.name;
        for (const QRectF& clip : clips) {
            EXPECT_NEAR(clip.left(), c.left / 20.0, 0.5) << c.name;
            EXPECT_NEAR(clip.top(), c.top / 20.0, 0.5) << c.name;
            EXPECT_NEAR(sheet.width() - clip.right(), c.right / 20.0, 0.5) << c.name;
            EXPECT_NEAR(sheet.height() - clip.bottom(), c.bottom / 20.0, 0.5) << c.name;
        }
    }
}

TEST(PrintRichText, KeepsTheBoxsFontAndItsBoldSpans)
{
    const struct {
        bool boldHeading;
        bool boldFontInPdf;
    } cases[] = {{true, true}, {false, false}};
    for (const auto& c : cases) {
        QTemporaryDir dir;
        PdfPrinter printer(dir.filePath("report.pdf"));
        RichTextBox box;
        box.setFont(QFont("Liberation Serif", 12));
        box.setText("ROMs\rpacman is good");
        box.setSelStart(0);
        box.setSelLength(4);
        box.setSelBold(c.boldHeading);
        box.setSelLength(0);

        ASSERT_TRUE(PrintRichText(box, 1000, 1000, 1000, 1000));
        const QByteArray pdf = printer.pdf();
        EXPECT_TRUE(pdf.contains("LiberationSerif")) << "the box's font, not the printer's";
        EXPECT_EQ(pdf.contains("LiberationSerif-Bold"), c.boldFontInPdf);
    }
}

TEST(PrintRichText, FailsWithoutPrintingWhenThereIsNoPrinterOrNoRoom)
{
    const struct {
        const char* name;
        bool printerInstalled;
        int left, top, right, bottom;
    } cases[] = {
        {"no default printer", false, 1000, 1000, 1000, 1000},
        {"margins wider than the sheet", true, 6000, 1000, 6000, 1000},
        {"margins taller than the sheet", true, 1000, 9000, 1000, 9000},
        {"a margin outside the sheet", true, -500, 1000, 1000, 1000},
        {"the largest margins", true, INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        PdfPrinter printer(c.printerInstalled ? dir.filePath("report.pdf") : QString());
        RichTextBox box;
        box.setText("pacman is good");
        EXPECT_FALSE(PrintRichText(box, c.left, c.top, c.right, c.bottom)) << c.name;
        EXPECT_EQ(printer.pdfPageCount(), -1) << c.name << ": nothing printed";
        EXPECT_TRUE(printer.pages().empty()) << c.name;
    }
}
