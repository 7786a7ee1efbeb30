#include "fakeplatform.h"
#include "systemprinter.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPrinterInfo>
#include <QRegularExpression>

namespace {

std::vector<const PageCanvas::Item *> pictures(const PageCanvas &page)
{
    std::vector<const PageCanvas::Item *> found;
    for (const PageCanvas::Item &item : page.items())
        if (item.kind == PageCanvas::Item::Picture) found.push_back(&item);
    return found;
}

QImage rendered(const PageCanvas &page)
{
    QImage image(850, 1100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    page.render(painter, 100);
    return image;
}

} // namespace

using Printing = App;

TEST_F(Printing, TheTableGoesCentredOnALandscapePageAndTheScreenStays)
{
    const QImage table = pb->surface().image();
    const CellRects cells = w.cells();
    // Answering No calls no printer.
    platform.answer = false;
    w.cb_print_Click();
    EXPECT_EQ(printer.calls, 0);
    platform.answer = true;
    w.cb_print_Click();
    EXPECT_EQ(platform.questions.back(), QStringLiteral("Print: Print Periodic Table"));
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_EQ(printer.jobs[0].orientation, PageOrientation::Landscape);
    const auto found = pictures(printer.jobs[0].page);
    ASSERT_EQ(found.size(), 1u);
    // 791 x 510 pixels at 15 twips each, centred on 15120 x 11520 twips.
    EXPECT_EQ(found[0]->image.size(), QSize(791, 510));
    EXPECT_DOUBLE_EQ(found[0]->x, 15120 / 2 - 11865 / 2);
    EXPECT_DOUBLE_EQ(found[0]->y, 11520 / 2 - 7650 / 2);

    // The screen is as before, also after a failing printer; the print picture
    // is emptied again.
    printer.failing = true;
    w.cb_print_Click();
    EXPECT_EQ(pb->surface().image(), table);
    EXPECT_EQ(pb->geometry(), QRect(2, 45, 791, 510));
    EXPECT_FALSE(w.printing());
    EXPECT_TRUE(w.cells() == cells);
    QImage white = pbprt->surface().image();
    white.fill(Qt::white);
    EXPECT_EQ(pbprt->surface().image(), white);
}

TEST_F(Printing, TheElementGoesOnAPortraitPageAndTheScreenIsRestored)
{
    w.tab_Frame_Click(1);
    eScroll->setValue(26);
    w.cb_print_Click();
    w.cb_print_Click();
    ASSERT_EQ(printer.jobs.size(), 2u);
    // The same element prints the same page every time.
    EXPECT_EQ(rendered(printer.jobs[0].page), rendered(printer.jobs[1].page));
    for (const RecordingPrinter::Job &job : printer.jobs) {
        EXPECT_EQ(job.orientation, PageOrientation::Portrait);
        // Three 8 x 8 legend icons, then the atom, painted last under the title.
        const auto found = pictures(job.page);
        ASSERT_EQ(found.size(), 4u);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(found[i]->image.size(), QSize(8, 8));
        EXPECT_EQ(found[3]->image.size(), QSize(400, 400));
        EXPECT_DOUBLE_EQ(found[3]->x, 200);
        EXPECT_DOUBLE_EQ(found[3]->y, w.printHeaderY());
        EXPECT_GT(w.printHeaderY(), 0);
        // The title is 12-point Courier: 240 twips.
        const auto title = std::find_if(job.page.items().begin(), job.page.items().end(),
                                        [](const auto &item) { return item.text == u"Iron"; });
        ASSERT_NE(title, job.page.items().end());
        EXPECT_EQ(title->font.pixelSize(), 240);
    }
    // Afterwards the screen shows the chosen background and animates again,
    // also after a failing printer.
    ck_animate->setValue(1);
    for (const auto &[failing, background, bgr] :
         {std::tuple{false, 2, 0x808080u}, {true, 3, 0xC0C0C0u}}) {
        printer.failing = failing;
        cScroll->setValue(background);
        w.cb_print_Click();
        EXPECT_FALSE(w.printing());
        EXPECT_EQ(pbAtom->surface().pixel(0, 0), bgr);
        EXPECT_TRUE(tmElectron->isActive());
        EXPECT_EQ(control<QLabel>(w, "d_protons")->text(), QStringLiteral("26"));
    }
    printer.failing = false;
    ck_animate->setValue(0);
    w.cb_print_Click();
    EXPECT_FALSE(tmElectron->isActive());
    EXPECT_EQ(platform.questions.back(), QStringLiteral("Print: Print Element"));
    // The element print left pbprt as 8 x 8 scratch; the table still prints whole.
    EXPECT_EQ(pbprt->surface().width(), 8);
    w.tab_Frame_Click(0);
    w.cb_print_Click();
    ASSERT_EQ(printer.jobs.size(), 5u);
    EXPECT_EQ(pictures(printer.jobs[4].page).front()->image.size(), QSize(791, 510));
}

TEST_F(Printing, PdfFilesHoldOneLosslessPageInTheRightOrientation)
{
    printTableThenElement(92);
    ASSERT_FALSE(HasFatalFailure());
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("page.pdf"));
    for (const RecordingPrinter::Job &job : printer.jobs) {
        ASSERT_TRUE(SystemPrinter::printToPdf(job.page, job.orientation, file));
        QFile pdfFile(file);
        const QString pdf =
            pdfFile.open(QIODevice::ReadOnly) ? QString::fromLatin1(pdfFile.readAll()) : QString();
        const auto landscape = job.orientation == PageOrientation::Landscape;
        EXPECT_TRUE(pdf.startsWith(QStringLiteral("%PDF")));
        EXPECT_FALSE(pdf.contains(QStringLiteral("DCTDecode"))) << "no JPEG pictures";
        EXPECT_EQ(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))), 1);
        const auto box = QRegularExpression(
                             QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+([0-9.]+)\\s+([0-9.]+)"))
                             .match(pdf);
        ASSERT_TRUE(box.hasMatch()) << landscape;
        EXPECT_EQ(box.captured(1).toDouble() > box.captured(2).toDouble(), landscape);
    }
    EXPECT_EQ(printer.jobs[0].orientation, PageOrientation::Landscape);

    // Without a printer the page goes to a chosen PDF file, or nowhere if none is.
    if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "a printer is installed";
    QString answer; // the file name the save dialog gives back
    SystemPrinter systemPrinter([&answer] { return answer; });
    const QString chosen = dir.filePath(QStringLiteral("chosen.pdf"));
    EXPECT_FALSE(systemPrinter.printPage(printer.jobs[1].page, PageOrientation::Portrait));
    EXPECT_FALSE(QFileInfo::exists(chosen));
    answer = chosen;
    EXPECT_TRUE(systemPrinter.printPage(printer.jobs[1].page, PageOrientation::Portrait));
    EXPECT_GT(QFileInfo(chosen).size(), 0);
}
