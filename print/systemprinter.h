#pragma once

#include "pageprinter.h"
#include "pdfdocument.h"

#include <functional>
#include <QPageSize>
#include <QString>

// Prints on the system's default printer through Qt's printing support, on
// that printer's default paper. When no printer is installed at all, it asks
// for a file name and writes the page as a PDF file there instead, on the
// user's paper (paper.h); no name, no print.
class SystemPrinter : public PagePrinter
{
public:
    // Asks for the PDF file's name in a dialog over parent; an empty answer
    // cancels.
    using FileNameAsker = std::function<QString(QWidget *parent)>;

    explicit SystemPrinter(FileNameAsker askFileName);

    bool chooseDestination(QWidget *parent) override;
    QSizeF printableSize(PageOrientation orientation) override;
    bool printPage(const PageCanvas &page, PageOrientation orientation) override;
    QString failure() const override { return m_failure; }

    // Whether any printer is installed.
    static bool hasPrinter();

private:
    FileNameAsker m_askFileName;
    // The destination chosen: a PDF file of that name on that paper, or the
    // printer where the name is empty.
    QString m_fileName;
    QPageSize::PageSizeId m_paper = QPageSize::A4;
    QString m_failure;
};

// Writes every page it is sent to one PDF or SVG file on the user's paper,
// replacing what the file held only once the whole document is written; "-"
// is standard output.
class FilePrinter : public PagePrinter
{
public:
    explicit FilePrinter(QString fileName, PageFormat format = PageFormat::Pdf);

    bool chooseDestination(QWidget *) override { return true; }
    QSizeF printableSize(PageOrientation orientation) override;
    bool printPage(const PageCanvas &page, PageOrientation orientation) override;
    QString failure() const override { return m_failure; }
    // Whether the last page was written.
    bool written() const { return m_written; }
    // The errno of the last failed write; 0 when none failed.
    int writeError() const { return m_error; }

private:
    QString m_fileName;
    PageFormat m_format;
    QPageSize::PageSizeId m_paper;
    bool m_written = false;
    int m_error = 0;
    QString m_failure;
};

// Writes one page as a PDF or SVG file on that paper, the file replaced whole
// or not at all; "-" is standard output. Returns 0, or the errno of the failure.
int writePageFile(const QString &fileName, const PageCanvas &page, PageOrientation orientation,
                  QPageSize::PageSizeId paper, PageFormat format = PageFormat::Pdf);

// The line that tells why fileName could not be written.
QString writeFailure(const QString &fileName, int error);
