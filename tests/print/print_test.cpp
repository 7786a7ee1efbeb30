#include "fakeplatform.h"
#include "systemprinter.h"

#include <QFileInfo>

using Printing = App;

// Where the pictures lie on the page the printed golden pictures carry.
TEST_F(Printing, TheTableGoesOnALandscapePageAndTheScreenStays)
{
    const QImage table = pb->surface().image();
    const CellRects cells = w.cells();
    platform.answer = false; // answering No calls no printer
    w.cb_print_Click();
    EXPECT_EQ(printer.calls, 0);
    platform.answer = true;
    w.cb_print_Click();
    EXPECT_EQ(platform.questions.back(), QStringLiteral("Print: Print Periodic Table"));
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_EQ(printer.jobs[0].orientation, PageOrientation::Landscape);
    // The screen is as before, also after a failing printer.
    printer.failing = true;
    w.cb_print_Click();
    EXPECT_EQ(pb->surface().image(), table);
    EXPECT_EQ(pb->geometry(), QRect(2, 45, 791, 510));
    EXPECT_FALSE(w.printing());
    EXPECT_TRUE(w.cells() == cells);
}

TEST_F(Printing, TheElementGoesOnAPortraitPageAndTheScreenIsRestored)
{
    w.tab_Frame_Click(1);
    eScroll->setValue(26);
    w.cb_print_Click();
    w.cb_print_Click();
    ASSERT_EQ(printer.jobs.size(), 2u);
    // The same element prints the same page every time.
    EXPECT_EQ(printer.jobs[0].paper(printer.portraitArea),
              printer.jobs[1].paper(printer.portraitArea));
    EXPECT_EQ(printer.jobs[1].orientation, PageOrientation::Portrait);
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
    // After an element print the table still prints whole, its words as text
    // on a white box of the screen table's size (791 x 510 pixels).
    w.tab_Frame_Click(0);
    w.cb_print_Click();
    ASSERT_EQ(printer.jobs.size(), 5u);
    const auto &items = printer.jobs[4].page.items();
    QStringList texts;
    bool whiteTable = false;
    for (const PageCanvas::Item &item : items) {
        if (item.kind == PageCanvas::Item::Text) texts << item.text;
        if (item.kind == PageCanvas::Item::Box && item.colour == ColourWhite)
            whiteTable |= QSizeF(item.width, item.height) == QSizeF(11865, 7650);
    }
    EXPECT_TRUE(whiteTable);
    for (const char *word : {"GROUP", "Og", "Fe", "55.845", "Lanthanide Series", "Actinide Series"})
        EXPECT_TRUE(texts.contains(QLatin1String(word))) << word;
}

// The PDF pages themselves the command line tests check.
TEST_F(Printing, WithoutAPrinterThePageGoesToAChosenPdfFile)
{
    if (SystemPrinter::hasPrinter()) GTEST_SKIP() << "a printer is installed";
    printTableThenElement(92);
    ASSERT_FALSE(HasFatalFailure());
    QTemporaryDir dir;
    QString answer; // the file name the save dialog gives back; none at first
    SystemPrinter systemPrinter([&answer] { return answer; });
    const QString chosen = dir.filePath(QStringLiteral("chosen.pdf"));
    EXPECT_FALSE(systemPrinter.printPage(printer.jobs[1].page, PageOrientation::Portrait));
    EXPECT_FALSE(QFileInfo::exists(chosen));
    answer = chosen;
    EXPECT_TRUE(systemPrinter.printPage(printer.jobs[1].page, PageOrientation::Portrait));
    EXPECT_GT(QFileInfo(chosen).size(), 0);
}
