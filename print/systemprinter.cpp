#include "systemprinter.h"

#include "filewrite.h"
#include "language.h"
#include "paper.h"
#include "pdfdocument.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

void orient(QPrinter &printer, PageOrientation orientation)
{
    printer.setPageOrientation(orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                                         : QPageLayout::Portrait);
}

// Prints one page as a job named Zelvane on the default printer. Page
// coordinates count from the top left of the printable area.
bool print(const PageCanvas &page, PageOrientation orientation)
{
    QPrinter printer(QPrinter::HighResolution);
    if (!printer.isValid()) return false;
    orient(printer, orientation);
    printer.setDocName(QStringLiteral("Zelvane"));
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    // Pictures reach the page with their own pixels, never as lossy JPEG.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    page.render(painter, printer.resolution());
    return painter.end();
}

QPageSize::PageSizeId systemUserPaper()
{
    return userPaper(systemPaperSources());
}

} // namespace

int writePageFile(const QString &fileName, const PageCanvas &page, PageOrientation orientation,
                  QPageSize::PageSizeId paper, PageFormat format)
{
    const QByteArray document = format == PageFormat::Svg
                                    ? svgDocument(page, orientation, paper)
                                    : pdfDocument(page, orientation, paper, sourceDateEpoch());
    return fileName == QLatin1String("-") ? writeStandardOutput(document)
                                          : replaceFile(fileName, document);
}

QString writeFailure(const QString &fileName, int error)
{
    //: %1 is the system's reason, such as "No space left on device".
    if (fileName == QLatin1String("-"))
        return Language::translate("FileWrite", "cannot write standard output: %1")
            .arg(errorText(error));
    //: %1 is a file's name, %2 the system's reason, such as "No space left on device".
    return Language::translate("FileWrite", "cannot write %1: %2").arg(fileName, errorText(error));
}

SystemPrinter::SystemPrinter(FileNameAsker askFileName) : m_askFileName(std::move(askFileName)) {}

bool SystemPrinter::hasPrinter()
{
    return !QPrinterInfo::defaultPrinter().isNull() || !QPrinterInfo::availablePrinters().isEmpty();
}

bool SystemPrinter::chooseDestination(QWidget *parent)
{
    m_fileName.clear();
    m_failure.clear();
    if (hasPrinter()) return true;
    m_paper = systemUserPaper();
    m_fileName = m_askFileName ? m_askFileName(parent) : QString();
    return !m_fileName.isEmpty();
}

QSizeF SystemPrinter::printableSize(PageOrientation orientation)
{
    if (!m_fileName.isEmpty()) return pdfPrintableSize(m_paper, orientation);
    QPrinter printer(QPrinter::HighResolution);
    orient(printer, orientation);
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Inch);
    return {area.width() * 1440.0, area.height() * 1440.0};
}

bool SystemPrinter::printPage(const PageCanvas &page, PageOrientation orientation)
{
    m_failure.clear();
    if (m_fileName.isEmpty()) return print(page, orientation);
    if (const int error = writePageFile(m_fileName, page, orientation, m_paper)) {
        m_failure = writeFailure(m_fileName, error);
        return false;
    }
    return true;
}

FilePrinter::FilePrinter(QString fileName, PageFormat format)
    : m_fileName(std::move(fileName)), m_format(format), m_paper(systemUserPaper())
{
}

QSizeF FilePrinter::printableSize(PageOrientation orientation)
{
    return pdfPrintableSize(m_paper, orientation);
}

bool FilePrinter::printPage(const PageCanvas &page, PageOrientation orientation)
{
    m_error = writePageFile(m_fileName, page, orientation, m_paper, m_format);
    m_failure = m_error ? writeFailure(m_fileName, m_error) : QString();
    m_written = m_error == 0;
    return m_written;
}
