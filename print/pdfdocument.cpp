#include "pdfdocument.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <cctype>

namespace {

constexpr int Resolution = 1200;

QPageLayout pdfLayout(QPageSize::PageSizeId paper, PageOrientation orientation)
{
    return QPageLayout(QPageSize(paper),
                       orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                                 : QPageLayout::Portrait,
                       QMarginsF(10, 10, 10, 10), QPageLayout::Point);
}

// Moves every object from after the given place by shift bytes in the cross
// reference table and its start. False when the table is not as written.
bool shiftCrossReferences(QByteArray &pdf, qsizetype after, qsizetype shift)
{
    const qsizetype table = pdf.lastIndexOf("\nxref\n");
    const qsizetype start = pdf.lastIndexOf("\nstartxref\n");
    if (table < after || start < table) return false;
    // Subsections of "first count" lines, each followed by count entries of 20
    // bytes: a ten-digit offset, the generation and n for an object in use.
    constexpr qsizetype EntrySize = 20;
    qsizetype at = table + 6;
    while (!pdf.mid(at, 7).startsWith("trailer")) {
        const qsizetype lineEnd = pdf.indexOf('\n', at);
        const QList<QByteArray> header = pdf.mid(at, lineEnd - at).trimmed().split(' ');
        bool counted = false;
        const qsizetype count = header.size() == 2 ? header[1].toLongLong(&counted) : 0;
        if (lineEnd < 0 || !counted || lineEnd + 1 + count * EntrySize > start) return false;
        at = lineEnd + 1;
        for (qsizetype i = 0; i < count; ++i, at += EntrySize) {
            const qlonglong offset = pdf.mid(at, 10).toLongLong();
            if (pdf.at(at + 17) != 'n' || offset <= after) continue;
            pdf.replace(at, 10, QByteArray::number(offset + shift).rightJustified(10, '0'));
        }
    }
    const qsizetype numberAt = start + 11;
    qsizetype numberEnd = numberAt;
    while (numberEnd < pdf.size() && std::isdigit(static_cast<unsigned char>(pdf.at(numberEnd))))
        ++numberEnd;
    if (numberEnd == numberAt) return false;
    const qlonglong tableAt = pdf.mid(numberAt, numberEnd - numberAt).toLongLong();
    pdf.replace(numberAt, numberEnd - numberAt, QByteArray::number(tableAt + shift));
    return true;
}

// Sets the creation date of the document information, which the PDF writer
// always fills with the local time of writing. The information comes first,
// so the objects after it move with the change of length.
void setCreationDate(QByteArray &pdf, const QDateTime &created)
{
    static const QByteArray key = QByteArrayLiteral("\n/CreationDate (");
    const qsizetype start = pdf.indexOf(key);
    if (start < 0 || start > pdf.indexOf("endobj")) return;
    const qsizetype from = start + key.size();
    const qsizetype end = pdf.indexOf(')', from);
    if (end < 0) return;
    const QByteArray date =
        "D:" + created.toUTC().toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1() + 'Z';
    QByteArray stamped = pdf;
    if (!shiftCrossReferences(stamped, end, date.size() - (end - from))) return;
    pdf = stamped.replace(from, end - from, date);
}

} // namespace

QSizeF pdfPrintableSize(QPageSize::PageSizeId paper, PageOrientation orientation)
{
    const QRectF area = pdfLayout(paper, orientation).paintRect(QPageLayout::Inch);
    return {area.width() * 1440.0, area.height() * 1440.0};
}

QByteArray pdfDocument(const PageCanvas &page, PageOrientation orientation,
                       QPageSize::PageSizeId paper, const QDateTime &created)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(QStringLiteral("Zelvane"));
        writer.setResolution(Resolution);
        writer.setPageLayout(pdfLayout(paper, orientation));
        QPainter painter(&writer);
        // Pictures reach the page with their own pixels, never as lossy JPEG.
        painter.setRenderHint(QPainter::LosslessImageRendering);
        page.render(painter, Resolution);
    }
    QByteArray pdf = buffer.data();
    if (created.isValid()) setCreationDate(pdf, created);
    return pdf;
}

QByteArray svgDocument(const PageCanvas &page, PageOrientation orientation,
                       QPageSize::PageSizeId paper)
{
    constexpr int Dpi = 96;
    const QPageLayout layout = pdfLayout(paper, orientation);
    const QRectF full = layout.fullRect(QPageLayout::Inch);
    const QRectF printable = layout.paintRect(QPageLayout::Inch);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setTitle(QStringLiteral("Zelvane"));
        svg.setResolution(Dpi);
        const QSizeF size = full.size() * Dpi;
        svg.setSize(size.toSize());
        svg.setViewBox(QRectF(QPointF(), size));
        QPainter painter(&svg);
        painter.translate(printable.topLeft() * Dpi);
        page.render(painter, Dpi);
    }
    // A reader without the carried faces takes the faces they match in metrics.
    QByteArray svg = buffer.data();
    svg.replace("font-family=\"Zelvane Sans\"",
                "font-family=\"Zelvane Sans, Liberation Sans, Arial, sans-serif\"");
    svg.replace("font-family=\"Zelvane Mono\"",
                "font-family=\"Zelvane Mono, Liberation Mono, Courier New, monospace\"");
    return svg;
}

QDateTime sourceDateEpoch()
{
    bool number = false;
    const qlonglong seconds = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&number);
    // Up to the last second of the year 9999, the last a PDF date can write.
    if (!number || seconds < 0 || seconds > 253402300799LL) return {};
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC);
}
