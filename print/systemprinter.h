#pragma once

#include "pageprinter.h"

#include <functional>
#include <QString>

// Prints on the system's default printer through Qt's printing support. When
// no printer is installed at all, it asks for a file name and writes the page as a PDF file
// there instead; no name, no print.
class SystemPrinter : public PagePrinter
{
public:
    // Asks for the PDF file's name; an empty answer cancels.
    using FileNameAsker = std::function<QString()>;

    explicit SystemPrinter(FileNameAsker askFileName);

    QSizeF printableSize(PageOrientation orientation) override;
    bool printPage(const PageCanvas &page, PageOrientation orientation) override;

    // Writes one page to a PDF file, in the given orientation, on the default
    // page size. Used when there is no printer, and by tests.
    static bool printToPdf(const PageCanvas &page, PageOrientation orientation,
                           const QString &fileName);

    // The printable area of the default page size when writing PDF, in twips.
    static QSizeF pdfPrintableSize(PageOrientation orientation);
    // Whether any printer is installed.
    static bool hasPrinter();

private:
    FileNameAsker m_askFileName;
};

// Writes every page it is sent to one PDF file, replacing what the file held.
class PdfFilePrinter : public PagePrinter
{
public:
    explicit PdfFilePrinter(QString fileName) : m_fileName(std::move(fileName)) {}

    QSizeF printableSize(PageOrientation orientation) override
    {
        return SystemPrinter::pdfPrintableSize(orientation);
    }
    bool printPage(const PageCanvas &page, PageOrientation orientation) override
    {
        m_written = SystemPrinter::printToPdf(page, orientation, m_fileName);
        return m_written;
    }
    // Whether the last page was written.
    bool written() const { return m_written; }

private:
    QString m_fileName;
    bool m_written = false;
};
