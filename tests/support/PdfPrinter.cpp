#include "PdfPrinter.h"

#include <QFile>
#include <QPageSize>
#include <QPrinter>
#include <QRegularExpression>

PdfPrinter::PdfPrinter(const QString& path) : m_path(path)
{
    PrinterSeam seam;
    seam.open = [path]() -> std::unique_ptr<QPrinter> {
        if (path.isEmpty())
            return nullptr;
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path);
        printer->setPageSize(QPageSize(QPageSize::A4));
        return printer;
    };
    seam.pagePrinted = [this](const PrintedPage& page) { m_pages.push_back(page); };
    setPrinterSeam(std::move(seam));
}

PdfPrinter::~PdfPrinter() { setPrinterSeam({}); }

QByteArray PdfPrinter::pdf() const
{
    QFile file(m_path);
    if (m_path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

int PdfPrinter::pdfPageCount() const
{
    if (m_path.isEmpty() || !QFile::exists(m_path))
        return -1;
    // Each sheet is one object of type Page; the tree above them is of type Pages.
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    return int(QString::fromLatin1(pdf()).count(page));
}

namespace {

// The pages' drawing commands: the zlib streams that clip what they draw.
std::vector<QByteArray> contentStreams(const QByteArray& pdf)
{
    std::vector<QByteArray> streams;
    for (qsizetype at = pdf.indexOf("stream\n"); at >= 0; at = pdf.indexOf("stream\n", at)) {
        at += 7;
        const qsizetype end = pdf.indexOf("\nendstream", at);
        if (end < 0)
            break;
        QByteArray sized(4, '\0');
        sized[0] = 0x01; // a size hint of 16 MB: the buffer grows past it when needed
        const QByteArray content = qUncompress(sized + pdf.mid(at, end - at));
        if (content.contains("W* n"))
            streams.push_back(content);
        at = end + 10; // past "endstream"
    }
    return streams;
}

} // namespace

std::vector<QRectF> PdfPrinter::clipRects() const
{
    static const QRegularExpression cm(QStringLiteral("(\\S+) 0 0 (\\S+) (\\S+) (\\S+) cm"));
    static const QRegularExpression clip(QStringLiteral(
        "(\\S+) (\\S+) m\\n\\S+ \\S+ l\\n(\\S+) (\\S+) l\\n\\S+ \\S+ l\\n\\S+ \\S+ l\\nh\\nW\\* n"));
    static const QRegularExpression mediaBox(QStringLiteral("/MediaBox \\[0 0 (\\S+) (\\S+)\\]"));
    const QByteArray file = pdf();
    const QRegularExpressionMatch media = mediaBox.match(QString::fromLatin1(file));
    const double sheetHeight = media.captured(2).toDouble();
    std::vector<QRectF> rects;
    for (const QByteArray& content : contentStreams(file)) {
        const QString text = QString::fromLatin1(content);
        const QRegularExpressionMatch m = cm.match(text);
        const QRegularExpressionMatch c = clip.match(text);
        if (!media.hasMatch() || !m.hasMatch() || !c.hasMatch())
            continue;
        // From the painter's device pixels to points; the sheet's y runs upwards.
        const auto x = [&](int i) { return m.captured(1).toDouble() * c.captured(i).toDouble() + m.captured(3).toDouble(); };
        const auto y = [&](int i) {
            return sheetHeight - (m.captured(2).toDouble() * c.captured(i).toDouble() + m.captured(4).toDouble());
        };
        rects.push_back(QRectF(QPointF(x(1), y(2)), QPointF(x(3), y(4))).normalized());
    }
    return rects;
}
