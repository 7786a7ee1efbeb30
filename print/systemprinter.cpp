#include "systemprinter.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

QPageLayout::Orientation qtOrientation(PageOrientation orientation)
{
    return orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                     : QPageLayout::Portrait;
}

bool hasPrinter()
{
    return !QPrinterInfo::defaultPrinter().isNull() || !QPrinterInfo::availablePrinters().isEmpty();
}

// Paints one page onto an opened printer; the orientation was set before.
bool paintPage(QPrinter &printer, const PageCanvas &page)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // Pictures reach the page with their own pixels, never as lossy JPEG.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    // Page coordinates count from the top left of the printable area.
    page.render(painter, printer.resolution());
    return painter.end();
}

} // namespace

SystemPrinter::SystemPrinter(FileNameAsker askFileName) : m_askFileName(std::move(askFileName)) {}

namespace {

QSizeF printableArea(QPrinter &printer, PageOrientation orientation)
{
    printer.setPageOrientation(qtOrientation(orientation));
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Inch);
    return {area.width() * 1440.0, area.height() * 1440.0};
}

} // namespace

QSizeF SystemPrinter::printableSize(PageOrientation orientation)
{
    if (!hasPrinter())
        return pdfPrintableSize(orientation);
    QPrinter printer(QPrinter::HighResolution);
    return printableArea(printer, orientation);
}

QSizeF SystemPrinter::pdfPrintableSize(PageOrientation orientation)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    return printableArea(printer, orientation);
}

bool SystemPrinter::printPage(const PageCanvas &page, PageOrientation orientation)
{
    if (!hasPrinter()) {
        const QString fileName = m_askFileName ? m_askFileName() : QString();
        if (fileName.isEmpty())
            return false;
        return printToPdf(page, orientation, fileName);
    }
    QPrinter printer(QPrinter::HighResolution);
    if (!printer.isValid())
        return false;
    printer.setPageOrientation(qtOrientation(orientation));
    printer.setDocName(QStringLiteral("Zelvane"));
    return paintPage(printer, page);
}

bool SystemPrinter::printToPdf(const PageCanvas &page, PageOrientation orientation,
                               const QString &fileName)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    printer.setPageOrientation(qtOrientation(orientation));
    printer.setDocName(QStringLiteral("Zelvane"));
    return paintPage(printer, page);
}
