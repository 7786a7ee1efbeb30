// Printing through a real print scheduler: tests/print/cups.sh starts a private
// CUPS scheduler whose default queue writes each job to a PDF file, and runs
// these tests with CUPS_SERVER and ZELVANE_PRINTER_OUTPUT set. Elsewhere they
// are not run.

#include "fakeplatform.h"
#include "systemprinter.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

using RealPrinter = App;
using namespace Qt::StringLiterals;

TEST_F(RealPrinter, TableAndElementPagesComeOutOnePageEachTheRightWayRound)
{
    const QString out = qEnvironmentVariable("ZELVANE_PRINTER_OUTPUT");
    ASSERT_FALSE(out.isEmpty()) << "run through tests/print/cups.sh";
    printTableThenElement(26);
    ASSERT_FALSE(HasFatalFailure());
    SystemPrinter systemPrinter([](QWidget *) { return QString(); });
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(systemPrinter.chooseDestination(nullptr)) << i;
        ASSERT_TRUE(systemPrinter.printPage(printer.jobs[i].page, printer.jobs[i].orientation))
            << i;
        // Delivered once the file stops growing.
        QDeadlineTimer deadline(20000);
        for (qint64 size = -1, now = 0; !deadline.hasExpired(); size = now, QThread::msleep(300))
            if ((now = QFile(out).size()) > 0 && now == size) break;
        QTemporaryDir dir;
        QProcess::execute(u"pdftoppm"_s,
                          {u"-r"_s, u"20"_s, u"-png"_s, out, dir.filePath(u"page"_s)});
        QFile::remove(out);
        EXPECT_FALSE(QFile::exists(dir.filePath(u"page-2.png"_s))) << i;
        const QImage page(dir.filePath(u"page-1.png"_s));
        ASSERT_FALSE(page.isNull()) << i;
        // The box around everything that is not white.
        QRect ink;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (qGray(page.pixel(x, y)) < 200) ink |= QRect(x, y, 1, 1);
        // The scheduler may hand a landscape page over as a portrait sheet with
        // the content turned: what counts is that the content's long side lies
        // along the sheet's long side, and that all of it is on the sheet.
        EXPECT_TRUE(!ink.isEmpty() && page.rect().adjusted(1, 1, -1, -1).contains(ink)) << i;
        EXPECT_EQ(page.height() > page.width(), ink.height() > ink.width()) << i;
    }
}
