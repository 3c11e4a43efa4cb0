#include "platform/PrintRichText.h"

#include "platform/RichTextBox.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

namespace {

PrinterSeam& printerSeam()
{
    static PrinterSeam seam;
    return seam;
}

std::unique_ptr<QPrinter> openDefaultPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

constexpr double kTwipsPerPoint = 20.0;
constexpr double kTwipsPerInch = 1440.0;

// Margins of the sheet in twips, refused when they are negative or leave no room between them.
bool marginsFit(const QSizeF& sheetPoints, qint64 left, qint64 top, qint64 right, qint64 bottom)
{
    if (left < 0 || top < 0 || right < 0 || bottom < 0)
        return false;
    return left + right < qint64(sheetPoints.width() * kTwipsPerPoint)
        && top + bottom < qint64(sheetPoints.height() * kTwipsPerPoint);
}

int twipsToPixels(qint64 twips, int resolution) { return qRound(double(twips) * resolution / kTwipsPerInch); }

} // namespace

void setPrinterSeam(PrinterSeam seam) { printerSeam() = std::move(seam); }

bool PrintRichText(const RichTextBox& box, qint32 leftMargin, qint32 topMargin, qint32 rightMargin, qint32 bottomMargin)
{
    const PrinterSeam& seam = printerSeam();
    const std::unique_ptr<QPrinter> printer = seam.open ? seam.open() : openDefaultPrinter();
    if (!printer || !printer->isValid())
        return false;

    // The painter's origin at the sheet's corner, so that margins count from the edge of the
    // paper wherever the printer's reach begins.
    printer->setFullPage(true);
    const QSizeF sheet = printer->pageLayout().fullRect(QPageLayout::Point).size();
    if (!marginsFit(sheet, leftMargin, topMargin, rightMargin, bottomMargin))
        return false;
    printer->setPageMargins(QMarginsF(leftMargin / kTwipsPerPoint, topMargin / kTwipsPerPoint, rightMargin / kTwipsPerPoint,
                                      bottomMargin / kTwipsPerPoint),
                            QPageLayout::Point);
    const QPageLayout layout = printer->pageLayout();
    const int resolution = printer->resolution();
    const QRect sheetPixels = layout.fullRectPixels(resolution);
    const QRect drawingRect(QPoint(twipsToPixels(leftMargin, resolution), twipsToPixels(topMargin, resolution)),
                            QPoint(sheetPixels.right() - twipsToPixels(rightMargin, resolution),
                                   sheetPixels.bottom() - twipsToPixels(bottomMargin, resolution)));

    // The text lays out as on the screen, on pages the size of the drawing rectangle, and is
    // scaled onto the printer's finer grid: fonts, bold spans and tab stops keep their proportions.
    const std::unique_ptr<QTextDocument> document(box.document()->clone());
    document->documentLayout()->setPaintDevice(box.viewport());
    document->setDocumentMargin(0);
    const double scaleX = double(resolution) / box.viewport()->logicalDpiX();
    const double scaleY = double(resolution) / box.viewport()->logicalDpiY();
    const QSizeF page(drawingRect.width() / scaleX, drawingRect.height() / scaleY);
    document->setPageSize(page);
    const int pages = document->pageCount();

    QPainter painter;
    if (!painter.begin(printer.get()))
        return false;
    for (int i = 0; i < pages; ++i) {
        if (i > 0 && !printer->newPage()) {
            painter.end();
            printer->abort();
            return false;
        }
        const QRectF pageInDocument(QPointF(0, i * page.height()), page);
        painter.save();
        painter.translate(drawingRect.topLeft());
        painter.scale(scaleX, scaleY);
        painter.translate(-pageInDocument.topLeft());
        document->drawContents(&painter, pageInDocument);
        painter.restore();
        if (seam.pagePrinted)
            seam.pagePrinted(PrintedPage{layout, resolution, drawingRect});
    }
    return painter.end();
}
