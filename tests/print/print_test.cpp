#include "atomdraw.h"
#include "fakeplatform.h"
#include "systemprinter.h"
#include "windowcontrol.h"
#include "zelmain.h"
#include "zelmod.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

std::vector<const PageCanvas::Item *> pictures(const PageCanvas &page)
{
    std::vector<const PageCanvas::Item *> found;
    for (const PageCanvas::Item &item : page.items())
        if (item.kind == PageCanvas::Item::Picture)
            found.push_back(&item);
    return found;
}

// The table page holds one picture.
const PageCanvas::Item *onlyPicture(const PageCanvas &page)
{
    const auto found = pictures(page);
    EXPECT_EQ(found.size(), 1u);
    return found.empty() ? nullptr : found.front();
}

bool allWhite(const Surface &s)
{
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            if (s.pixel(x, y) != ColourWhite)
                return false;
    return true;
}

QString pageText(const PageCanvas &page)
{
    QString text;
    for (const PageCanvas::Item &item : page.items())
        if (item.kind == PageCanvas::Item::Text)
            text += item.text + QLatin1Char('|');
    return text;
}

} // namespace

TEST(Printing, TheTableGoesCentredOnALandscapePage)
{
    Started s;
    ZelMain &w = s.w();
    auto *pb = control<PictureBox>(w, "pb");
    const QImage table = pb->surface().image();
    const CellRects cells = w.cells();
    // Answering No changes nothing and calls no printer.
    s.platform.answer = false;
    w.cb_print_Click();
    EXPECT_EQ(s.printer().calls, 0);
    s.platform.answer = true;
    w.cb_print_Click();
    EXPECT_EQ(s.platform.questions.back(), QStringLiteral("Print: Print Periodic Table"));

    ASSERT_EQ(s.printer().jobs.size(), 1u);
    const RecordingPrinter::Job &job = s.printer().jobs[0];
    EXPECT_EQ(job.orientation, PageOrientation::Landscape);
    const PageCanvas::Item *picture = onlyPicture(job.page);
    ASSERT_TRUE(picture);
    // 791 x 510 pixels at 15 twips each, centred on 15120 x 11520 twips.
    EXPECT_EQ(picture->image.size(), QSize(791, 510));
    EXPECT_DOUBLE_EQ(picture->x, 15120 / 2 - 11865 / 2);
    EXPECT_DOUBLE_EQ(picture->y, 11520 / 2 - 7650 / 2);

    // The printed table is in its print style: white page, white cell corners.
    const CellRect &fe = cells[26];
    EXPECT_EQ(fromQRgb(picture->image.pixel(5, 5)), ColourWhite);
    EXPECT_EQ(fromQRgb(picture->image.pixel(fe.Left, fe.Top)), ColourWhite);
    EXPECT_NE(fromQRgb(table.pixel(fe.Left, fe.Top)), ColourWhite);

    // The screen is as before; the print picture is emptied again.
    EXPECT_EQ(pb->surface().image(), table);
    EXPECT_EQ(pb->geometry(), QRect(2, 45, 791, 510));
    EXPECT_TRUE(allWhite(control<PictureBox>(w, "pbprt")->surface()));
    EXPECT_FALSE(w.printing());
    EXPECT_TRUE(w.cells() == cells);
}

TEST(Printing, TheElementGoesOnAPortraitPageWithTheAtomUnderTheTitle)
{
    Started s;
    ZelMain &w = s.w();
    auto *ck_animate = control<PictureButton>(w, "ck_animate");
    auto *tmElectron = control<QTimer>(w, "tmElectron");
    w.tab_Frame_Click(1);
    control<QScrollBar>(w, "eScroll")->setValue(26);
    control<QScrollBar>(w, "cScroll")->setValue(2);
    ck_animate->setValue(1);
    w.cb_print_Click();

    ASSERT_EQ(s.printer().jobs.size(), 1u);
    const RecordingPrinter::Job &job = s.printer().jobs[0];
    EXPECT_EQ(job.orientation, PageOrientation::Portrait);
    // Three 8 x 8 legend icons, then the atom, painted last.
    const auto all = pictures(job.page);
    ASSERT_EQ(all.size(), 4u);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(all[i]->image.size(), QSize(8, 8));
    const PageCanvas::Item *picture = all.back();
    EXPECT_DOUBLE_EQ(picture->x, 200);
    EXPECT_DOUBLE_EQ(picture->y, w.printHeaderY());
    EXPECT_GT(w.printHeaderY(), 0);
    EXPECT_EQ(picture->image.size(), QSize(400, 400));
    // The atom was drawn on white for paper.
    EXPECT_EQ(fromQRgb(picture->image.pixel(0, 0)), ColourWhite);
    const QString text = pageText(job.page);
    EXPECT_TRUE(text.contains(QStringLiteral("Iron"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Protons:")));

    // Afterwards the screen shows the chosen background and animates again.
    EXPECT_FALSE(w.printing());
    EXPECT_EQ(control<PictureBox>(w, "pbAtom")->surface().pixel(0, 0), backgroundColour(2));
    EXPECT_TRUE(tmElectron->isActive());
    EXPECT_EQ(control<QLabel>(w, "d_protons")->text(), QStringLiteral("26"));

    ck_animate->setValue(0);
    w.cb_print_Click();
    EXPECT_FALSE(tmElectron->isActive());
    EXPECT_EQ(s.platform.questions.back(), QStringLiteral("Print: Print Element"));

    // The element print left pbprt as 8 x 8 scratch; the table still prints whole.
    EXPECT_EQ(control<PictureBox>(w, "pbprt")->surface().width(), 8);
    w.tab_Frame_Click(0);
    w.cb_print_Click();
    ASSERT_EQ(s.printer().jobs.size(), 3u);
    EXPECT_EQ(pictures(s.printer().jobs[2].page).front()->image.size(), QSize(791, 510));
}

TEST(Printing, AFailingPrinterLeavesTheProgramRunningAndTheScreenRestored)
{
    Started s;
    ZelMain &w = s.w();
    s.printer().failing = true;
    auto *pb = control<PictureBox>(w, "pb");
    const QImage table = pb->surface().image();
    w.cb_print_Click();
    EXPECT_FALSE(w.printing());
    EXPECT_EQ(pb->surface().image(), table);

    w.tab_Frame_Click(1);
    control<QScrollBar>(w, "cScroll")->setValue(3);
    control<PictureButton>(w, "ck_animate")->setValue(1);
    w.cb_print_Click();
    EXPECT_GT(s.printer().calls, 0);
    EXPECT_TRUE(s.printer().jobs.empty());
    EXPECT_FALSE(w.printing());
    EXPECT_EQ(control<PictureBox>(w, "pbAtom")->surface().pixel(0, 0), backgroundColour(3));
    EXPECT_TRUE(control<QTimer>(w, "tmElectron")->isActive());
}

TEST(Printing, RealPdfFilesHoldOnePageInTheRightOrientation)
{
    Started s;
    s.printTableThenElement(92);
    ASSERT_FALSE(HasFatalFailure());

    QTemporaryDir dir;
    const QString names[2] = {dir.filePath(QStringLiteral("table.pdf")),
                              dir.filePath(QStringLiteral("element.pdf"))};
    for (int i = 0; i < 2; ++i) {
        const RecordingPrinter::Job &job = s.printer().jobs[i];
        ASSERT_TRUE(SystemPrinter::printToPdf(job.page, job.orientation, names[i]));
        QFile file(names[i]);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString pdf = QString::fromLatin1(file.readAll());
        EXPECT_TRUE(pdf.startsWith(QStringLiteral("%PDF")));
        // Pictures go in losslessly: no JPEG-compressed image.
        EXPECT_FALSE(pdf.contains(QStringLiteral("DCTDecode"))) << i;
        EXPECT_EQ(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))), 1) << i;
        const QRegularExpression box(
            QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+([0-9.]+)\\s+([0-9.]+)\\s*\\]"));
        const auto match = box.match(pdf);
        ASSERT_TRUE(match.hasMatch()) << i;
        const double width = match.captured(1).toDouble();
        const double height = match.captured(2).toDouble();
        if (i == 0)
            EXPECT_GT(width, height) << "the table page is landscape";
        else
            EXPECT_LT(width, height) << "the element page is portrait";
    }
}

TEST(Printing, TheSameElementPrintsTheSamePageEveryTime)
{
    Started s;
    ZelMain &w = s.w();
    w.tab_Frame_Click(1);
    control<QScrollBar>(w, "eScroll")->setValue(26);
    w.cb_print_Click();
    w.cb_print_Click();
    ASSERT_EQ(s.printer().jobs.size(), 2u);
    const auto render = [](const PageCanvas &page) {
        QImage image(850, 1100, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        page.render(painter, 100);
        return image;
    };
    EXPECT_EQ(render(s.printer().jobs[0].page), render(s.printer().jobs[1].page));
    // The title is 12-point Courier both times: 240 twips.
    for (const RecordingPrinter::Job &job : s.printer().jobs) {
        const auto title = std::find_if(job.page.items().begin(), job.page.items().end(),
                                        [](const auto &item) { return item.text == u"Iron"; });
        ASSERT_NE(title, job.page.items().end());
        EXPECT_EQ(title->font.pixelSize(), 240);
    }
}

TEST(Printing, WithoutAPrinterThePageGoesToAChosenPdfFile)
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "a printer is installed here";
    QTemporaryDir dir;
    QString answer; // the file name the save dialog gives back
    SystemPrinter printer([&answer] { return answer; });
    PageCanvas page;
    page.print(QStringLiteral("Iron"));
    EXPECT_FALSE(printer.printPage(page, PageOrientation::Portrait)) << "cancelled";
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    answer = dir.filePath(QStringLiteral("iron.pdf"));
    EXPECT_TRUE(printer.printPage(page, PageOrientation::Portrait));
    EXPECT_GT(QFileInfo(answer).size(), 0);
}
