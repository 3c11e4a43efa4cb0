// Printing the report box on the default printer, page by page, with margins from the sheet's edge.
#pragma once

#include <QPageLayout>
#include <QRect>

#include <functional>
#include <memory>

class QPrinter;
class RichTextBox;

// Prints the box's text in its fonts and bold spans, paginated as the text lays out between the
// margins (twips from the edges of the sheet). False when no printer is set up as the default,
// when the margins leave no room on the sheet, or when the printer fails; nothing is shown here.
bool PrintRichText(const RichTextBox& box, qint32 leftMargin, qint32 topMargin, qint32 rightMargin, qint32 bottomMargin);

// One sheet as it was printed.
struct PrintedPage {
    QPageLayout layout;     // the sheet and the margins the job was given
    int resolution = 0;     // device pixels per inch
    QRect drawingRect;      // where the text was drawn, device pixels from the sheet's top left corner
};

// Where print jobs go. An empty `open` restores the default printer; `open` returning null means
// there is no default printer. Tests print to a PDF file and keep the pages from `pagePrinted`.
struct PrinterSeam {
    std::function<std::unique_ptr<QPrinter>()> open;
    std::function<void(const PrintedPage&)> pagePrinted;
};
void setPrinterSeam(PrinterSeam seam);
