#include "systemprinter.h"

#include "printerbackend.h"

#include <QCoreApplication>
#include <QLibrary>

#include <cstdio>

namespace {

// The printer module beside the executable, loaded once; null, with a
// warning, where it cannot be: then nothing prints.
const PrinterBackend *backend()
{
    static const PrinterBackend *const loaded = [] {
        QLibrary module(QCoreApplication::applicationDirPath() +
                        QStringLiteral("/zelvane-printer"));
        const auto entry =
            reinterpret_cast<PrinterBackendEntry>(module.resolve(ZELVANE_PRINTER_ENTRY));
        if (!entry) {
            std::fprintf(stderr, "zelvane: cannot print: %s\n", qPrintable(module.errorString()));
            return static_cast<const PrinterBackend *>(nullptr);
        }
        return entry();
    }();
    return loaded;
}

bool landscape(PageOrientation orientation)
{
    return orientation == PageOrientation::Landscape;
}

bool print(const QString &fileName, const PageCanvas &page, PageOrientation orientation)
{
    const PrinterBackend *printer = backend();
    // Page coordinates count from the top left of the printable area.
    return printer &&
           printer->printPage(fileName, landscape(orientation),
                              [&page](QPainter &painter, int dpi) { page.render(painter, dpi); });
}

} // namespace

SystemPrinter::SystemPrinter(FileNameAsker askFileName) : m_askFileName(std::move(askFileName)) {}

bool SystemPrinter::hasPrinter()
{
    const PrinterBackend *printer = backend();
    return printer && printer->hasPrinter();
}

QSizeF SystemPrinter::printableSize(PageOrientation orientation)
{
    if (!hasPrinter()) return pdfPrintableSize(orientation);
    return backend()->printableSize(false, landscape(orientation));
}

QSizeF SystemPrinter::pdfPrintableSize(PageOrientation orientation)
{
    const PrinterBackend *printer = backend();
    return printer ? printer->printableSize(true, landscape(orientation)) : QSizeF();
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
    // An empty name would mean the default printer to the module.
    return !fileName.isEmpty() && print(fileName, page, orientation);
}
