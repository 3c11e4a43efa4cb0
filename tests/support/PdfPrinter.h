// Puts a PDF file in place of the default printer for one test, and keeps what each printed page
// was given.
#pragma once

#include "platform/PrintRichText.h"

#include <QRectF>
#include <QString>

#include <vector>

class PdfPrinter {
public:
    // Jobs go to the file at `path` on A4 paper; an empty path stands for a system without a
    // default printer.
    explicit PdfPrinter(const QString& path);
    ~PdfPrinter();
    PdfPrinter(const PdfPrinter&) = delete;
    PdfPrinter& operator=(const PdfPrinter&) = delete;

    const std::vector<PrintedPage>& pages() const { return m_pages; }
    // The page objects in the written file; -1 when there is no file.
    int pdfPageCount() const;
    QByteArray pdf() const;
    // Where each page clipped the text it drew, in points from the top left corner of the sheet,
    // read from the pages' drawing commands.
    std::vector<QRectF> clipRects() const;

private:
    QString m_path;
    std::vector<PrintedPage> m_pages;
};
