// Printing through a real print scheduler: tests/print/cups.sh starts a private
// CUPS scheduler whose default queue writes each job to a PDF file, and runs
// these tests with CUPS_SERVER and ZELVANE_PRINTER_OUTPUT set. Elsewhere they
// are not run.

#include "fakeplatform.h"
#include "systemprinter.h"
#include "windowcontrol.h"
#include "zelmain.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

// Waits for the scheduler to deliver the job's file, then renders its pages.
std::vector<QImage> deliveredPages(const QString &file)
{
    QDeadlineTimer deadline(20000);
    qint64 size = -1;
    // Delivered once the file stops growing.
    while (!deadline.hasExpired()) {
        const qint64 now = QFile(file).size();
        if (now > 0 && now == size) break;
        size = now;
        QThread::msleep(300);
    }
    QTemporaryDir dir;
    QProcess::execute(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-r"), QStringLiteral("20"), QStringLiteral("-png"), file,
                       dir.filePath(QStringLiteral("page"))});
    std::vector<QImage> pages;
    for (int i = 1; i < 10; ++i) {
        const QImage page(dir.filePath(QStringLiteral("page-%1.png").arg(i)));
        if (page.isNull()) break;
        pages.push_back(page);
    }
    QFile::remove(file);
    return pages;
}

// The box around everything that is not white.
QRect inkBox(const QImage &page)
{
    QRect box;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 200) box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

TEST(RealPrinter, TableAndElementPagesComeOutOnePageEachTheRightWayRound)
{
    const QString out = qEnvironmentVariable("ZELVANE_PRINTER_OUTPUT");
    ASSERT_FALSE(out.isEmpty()) << "run through tests/print/cups.sh";
    Started s;
    s.printTableThenElement(26);
    ASSERT_FALSE(HasFatalFailure());

    SystemPrinter printer([] { return QString(); });
    for (int i = 0; i < 2; ++i) {
        const RecordingPrinter::Job &job = s.printer().jobs[i];
        ASSERT_TRUE(printer.printPage(job.page, job.orientation)) << i;
        const std::vector<QImage> pages = deliveredPages(out);
        ASSERT_EQ(pages.size(), 1u) << i;
        const QImage &page = pages.front();
        const QRect ink = inkBox(page);
        ASSERT_FALSE(ink.isEmpty()) << i;
        // The scheduler may hand a landscape page over as a portrait sheet with
        // the content turned: what counts is that the content's long side lies
        // along the sheet's long side, and that all of it is on the sheet.
        const bool sheetTall = page.height() > page.width();
        const bool inkTall = ink.height() > ink.width();
        EXPECT_EQ(sheetTall, inkTall) << i;
        EXPECT_TRUE(page.rect().adjusted(1, 1, -1, -1).contains(ink)) << i;
    }
}
