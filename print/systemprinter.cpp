#include "systemprinter.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

void orient(QPrinter &printer, PageOrientation orientation)
{
    printer.setPageOrientation(orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                                         : QPageLayout::Portrait);
}

QSizeF printableArea(bool pdf, PageOrientation orientation)
{
    QPrinter printer(QPrinter::HighResolution);
    if (pdf) printer.setOutputFormat(QPrinter::PdfFormat);
    orient(printer, orientation);
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Inch);
    return {area.width() * 1440.0, area.height() * 1440.0};
}

// Prints one page as a job named Zelvane: on the default printer where
// fileName is empty, else as a PDF file of that name. Page coordinates count
// from the top left of the printable area.
bool print(const QString &fileName, const PageCanvas &page, PageOrientation orientation)
{
    QPrinter printer(QPrinter::HighResolution);
    if (!fileName.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(fileName);
    } else if (!printer.isValid()) {
        return false;
    }
    orient(printer, orientation);
    printer.setDocName(QStringLiteral("Zelvane"));
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    // Pictures reach the page with their own pixels, never as lossy JPEG.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    page.render(painter, printer.resolution());
    return painter.end();
}

} // namespace

SystemPrinter::SystemPrinter(FileNameAsker askFileName) : m_askFileName(std::move(askFileName)) {}

bool SystemPrinter::hasPrinter()
{
    return !QPrinterInfo::defaultPrinter().isNull() || !QPrinterInfo::availablePrinters().isEmpty();
}

QSizeF SystemPrinter::printableSize(PageOrientation orientation)
{
    return printableArea(!hasPrinter(), orientation);
}

QSizeF SystemPrinter::pdfPrintableSize(PageOrientation orientation)
{
    return printableArea(true, orientation);
}

bool SystemPrinter::printPage(const PageCanvas &page, PageOrientation orientation)
{
    if (!hasPrinter()) {
        const QString fileName = m_askFileName ? m_askFileName() : QString();
        if (fileName.isEmpty()) return false;
        return printToPdf(page, orientation, fileName);
    }
    return print(QString(), page, orientation);
}

bool SystemPrinter::printToPdf(const PageCanvas &page, PageOrientation orientation,
                               const QString &fileName)
{
    // An empty name would mean the default printer.
    return !fileName.isEmpty() && print(fileName, page, orientation);
}
