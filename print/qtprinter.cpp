// The printer module: Qt's printing support behind PrinterBackend.
#include "printerbackend.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

bool hasPrinter()
{
    return !QPrinterInfo::defaultPrinter().isNull() || !QPrinterInfo::availablePrinters().isEmpty();
}

void orient(QPrinter &printer, bool landscape)
{
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

QSizeF printableSize(bool pdf, bool landscape)
{
    QPrinter printer(QPrinter::HighResolution);
    if (pdf) printer.setOutputFormat(QPrinter::PdfFormat);
    orient(printer, landscape);
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Inch);
    return {area.width() * 1440.0, area.height() * 1440.0};
}

bool printPage(const QString &fileName, bool landscape,
               const std::function<void(QPainter &, int)> &draw)
{
    QPrinter printer(QPrinter::HighResolution);
    if (!fileName.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(fileName);
    } else if (!printer.isValid()) {
        return false;
    }
    orient(printer, landscape);
    printer.setDocName(QStringLiteral("Zelvane"));
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    // Pictures reach the page with their own pixels, never as lossy JPEG.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    draw(painter, printer.resolution());
    return painter.end();
}

const PrinterBackend Backend{hasPrinter, printableSize, printPage};

} // namespace

extern "C" Q_DECL_EXPORT const PrinterBackend *zelvanePrinterBackend()
{
    return &Backend;
}
