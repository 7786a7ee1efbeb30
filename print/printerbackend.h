#pragma once

#include <QSizeF>
#include <QString>
#include <QtGlobal>

#include <functional>

class QPainter;

// Qt's printing support, in a module of its own beside the executable that is
// loaded when a page is first printed or measured: runs that print nothing
// never map it. Only Qt's own types cross between the two.
struct PrinterBackend
{
    // Whether any printer is installed.
    bool (*hasPrinter)();
    // The printable area of the default page in twips, on the default printer,
    // or (pdf) in a PDF file.
    QSizeF (*printableSize)(bool pdf, bool landscape);
    // Prints one page as a job named Zelvane: on the default printer where
    // fileName is empty, else as a PDF file of that name. draw paints the page
    // on the opened printer, given its resolution.
    bool (*printPage)(const QString &fileName, bool landscape,
                      const std::function<void(QPainter &, int)> &draw);
};

// The module's one entry point.
using PrinterBackendEntry = const PrinterBackend *(*)();
#define ZELVANE_PRINTER_ENTRY "zelvanePrinterBackend"
