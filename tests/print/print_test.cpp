#include "fakeplatform.h"
#include "filewrite.h"
#include "fullfolder.h"
#include "paper.h"
#include "pdfdocument.h"
#include "systemprinter.h"
#include "testdata.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <sys/stat.h>
#include <sys/sysmacros.h>

using namespace Qt::StringLiterals;

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
    // The element print left pbprt as 8 x 8 scratch; the table still prints whole.
    EXPECT_EQ(pbprt->surface().width(), 8);
    w.tab_Frame_Click(0);
    w.cb_print_Click();
    ASSERT_EQ(printer.jobs.size(), 5u);
    const auto &items = printer.jobs[4].page.items();
    EXPECT_TRUE(std::any_of(items.begin(), items.end(), [](const PageCanvas::Item &item) {
        return item.kind == PageCanvas::Item::Picture && item.image.size() == QSize(791, 510);
    }));
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

TEST(Paper, TheLocalesTerritoryThenThePaperFileThenA4)
{
    constexpr auto A4 = QPageSize::A4, Letter = QPageSize::Letter;
    const struct
    {
        const char *lcAll, *lcPaper, *file;
        QPageSize::PageSizeId paper;
    } cases[] = {
        {"", "", "", A4},
        // Letter where glibc's locales print on it, whatever the language.
        {"", "en_US.UTF-8", "", Letter},
        {"", "en_CA.UTF-8", "", Letter},
        {"", "fr_CA.UTF-8", "", Letter},
        {"", "es_MX.UTF-8", "", Letter},
        {"", "es_US.UTF-8", "", Letter},
        {"", "en_PH.UTF-8", "", Letter},
        {"", "fil_PH", "", Letter},
        {"", "es_CL.UTF-8", "", Letter},
        {"", "es_CO.utf8", "", Letter},
        {"", "es_VE@valencia", "", Letter},
        {"", "es_PR", "", Letter},
        {"", "es_BO", "", Letter},
        {"", "es_CR", "", Letter},
        {"", "es_GT", "", Letter},
        {"", "es_NI", "", Letter},
        {"", "es_PA", "", Letter},
        {"", "es_SV", "", Letter},
        {"", "en_GB.UTF-8", "", A4},
        {"", "de_DE.UTF-8", "", A4},
        {"", "es_ES.UTF-8", "", A4},
        {"", "pt_BR.UTF-8", "", A4},
        {"", "en_AU.UTF-8", "", A4},
        {"", "sr_RS@latin", "", A4},
        // The locale comes before the paper file.
        {"", "en_US.UTF-8", "a4\n", Letter},
        {"", "en_GB.UTF-8", "letter\n", A4},
        // LC_ALL overrides LC_PAPER.
        {"en_GB.UTF-8", "en_US.UTF-8", "", A4},
        {"en_US.UTF-8", "de_DE.UTF-8", "", Letter},
        // A locale without a territory leaves it to the paper file.
        {"C.UTF-8", "en_US.UTF-8", "", A4},
        {"C.UTF-8", "en_US.UTF-8", "letter\n", Letter},
        {"", "POSIX", "letter\n", Letter},
        // The paper file: its first name, in any case, after comments.
        {"", "", "letter\n", Letter},
        {"", "", "# the machine's paper\n\n  Letter  \na4\n", Letter},
        {"", "", "a4", A4},
        {"", "", "legal\n", QPageSize::Legal},
        {"", "", "A3\n", QPageSize::A3},
        {"", "", "tabloid\nletter\n", A4},
        {"", "", "\n\n", A4},
    };
    for (const auto &c : cases)
        EXPECT_EQ(userPaper({QString::fromLatin1(c.lcAll), QString::fromLatin1(c.lcPaper),
                             QString::fromLatin1(c.file)}),
                  c.paper)
            << c.lcAll << " / " << c.lcPaper << " / " << c.file;

    // The system's sources: the environment and the file named.
    QTemporaryDir dir;
    const QString file = dir.filePath(u"papersize"_s);
    QFile paper(file);
    ASSERT_TRUE(paper.open(QIODevice::WriteOnly) && paper.write("letter\n") == 7);
    paper.close();
    qputenv("LC_ALL", "");
    qputenv("LC_PAPER", "es_MX.UTF-8");
    const PaperSources sources = systemPaperSources(file);
    qunsetenv("LC_PAPER");
    EXPECT_EQ(sources.lcPaper, u"es_MX.UTF-8"_s);
    EXPECT_EQ(sources.paperFile, u"letter\n"_s);
    EXPECT_TRUE(systemPaperSources(dir.filePath(u"none"_s)).paperFile.isEmpty());
}

// The printable areas leave the PDF's 10 point margins (in hundredths of an
// inch), and both pages fit both papers: the table centred on the landscape
// area, every element's page inside the portrait one.
TEST_F(Printing, BothPagesFitA4AndLetter)
{
    const auto expectSize = [](QPageSize::PageSizeId paper, PageOrientation orientation,
                               QSizeF twips) {
        const QSizeF size = pdfPrintableSize(paper, orientation);
        EXPECT_NEAR(size.width(), twips.width(), 0.01) << paper;
        EXPECT_NEAR(size.height(), twips.height(), 0.01) << paper;
    };
    expectSize(QPageSize::Letter, PageOrientation::Portrait, {8.22 * 1440, 10.72 * 1440});
    expectSize(QPageSize::Letter, PageOrientation::Landscape, {10.72 * 1440, 8.22 * 1440});
    expectSize(QPageSize::A4, PageOrientation::Portrait, {7.99 * 1440, 11.41 * 1440});
    expectSize(QPageSize::A4, PageOrientation::Landscape, {11.41 * 1440, 7.99 * 1440});
    const struct
    {
        QPageSize::PageSizeId paper;
        QPoint table; // the table picture's top left on the landscape area
    } papers[] = {{QPageSize::Letter, {1786, 2093}}, {QPageSize::A4, {2283, 1928}}};
    for (const auto &[paper, table] : papers) {
        printer.portraitArea = pdfPrintableSize(paper, PageOrientation::Portrait);
        const QRectF area(QPointF(), printer.portraitArea);
        printer.jobs.clear();
        w.tab_Frame_Click(0);
        w.cb_print_Click();
        ASSERT_EQ(printer.jobs.size(), 1u);
        const PageCanvas::Item &picture = printer.jobs[0].page.items().at(0);
        EXPECT_EQ(QPointF(picture.x, picture.y), QPointF(table)) << paper;
        EXPECT_TRUE(QRectF(QPointF(), area.size().transposed())
                        .contains(QRectF(picture.x, picture.y, 11865, 7650)))
            << paper;
        w.tab_Frame_Click(1);
        for (int z = 1; z <= 118; ++z) {
            eScroll->setValue(z);
            w.cb_print_Click();
            QRectF ink;
            for (const PageCanvas::Item &item : printer.jobs.back().page.items()) {
                if (item.kind == PageCanvas::Item::Picture) {
                    ink |= QRectF(item.x, item.y, item.image.width() * 15.0,
                                  item.image.height() * 15.0);
                } else {
                    const QFontMetricsF metrics(item.font);
                    ink |= QRectF(item.x, item.baseline - metrics.ascent(),
                                  metrics.horizontalAdvance(item.text),
                                  metrics.ascent() + metrics.descent());
                }
            }
            EXPECT_TRUE(area.contains(ink))
                << paper << " " << z << ": " << ink.right() << ", " << ink.bottom();
        }
    }
}

// A PDF file is replaced whole or not at all.
TEST(ReplaceFile, TheNewContentWholeOrTheOldFileUntouched)
{
    QTemporaryDir dir;
    const auto names = [&dir] {
        return QDir(dir.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                       QDir::Name);
    };
    const auto mode = [](const QString &file) {
        struct stat st;
        return ::stat(QFile::encodeName(file).constData(), &st) == 0 ? st.st_mode & 07777 : 0u;
    };
    // A new file gets the usual mode; a replaced one keeps its own.
    const mode_t mask = ::umask(022);
    const QString a = dir.filePath(u"a.pdf"_s);
    EXPECT_EQ(replaceFile(a, "first"), 0);
    EXPECT_EQ(readFile(a), "first");
    EXPECT_EQ(mode(a), 0644u);
    ASSERT_EQ(::chmod(QFile::encodeName(a).constData(), 0600), 0);
    EXPECT_EQ(replaceFile(a, "second"), 0);
    EXPECT_EQ(readFile(a), "second");
    EXPECT_EQ(mode(a), 0600u);
    ::umask(mask);
    // A link keeps naming the file, which gets the new content.
    const QString link = dir.filePath(u"link.pdf"_s);
    ASSERT_TRUE(QFile::link(a, link));
    EXPECT_EQ(replaceFile(link, "third"), 0);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readFile(a), "third");
    // Faults say which.
    EXPECT_EQ(replaceFile(dir.filePath(u"no/such/folder/x.pdf"_s), "x"), ENOENT);
    EXPECT_EQ(replaceFile(dir.path(), "x"), EISDIR);
    EXPECT_EQ(errorText(ENOSPC), u"No space left on device"_s);
    EXPECT_EQ(names(), (QStringList{u"a.pdf"_s, u"link.pdf"_s}));

    // A device is written in place, never replaced: a node of /dev/full's kind.
    const QString device = dir.filePath(u"full"_s);
    if (::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 7)) == 0) {
        EXPECT_EQ(replaceFile(device, "x"), ENOSPC);
        EXPECT_TRUE(QFileInfo(device).exists() && !QFileInfo(device).isFile());
        EXPECT_EQ(names(), (QStringList{u"a.pdf"_s, u"full"_s, u"link.pdf"_s}));
    }

    // On a full file system the old file stays as it was, and nothing is left.
    FullFolder full;
    if (!full.skipReason().isEmpty()) GTEST_SKIP() << full.skipReason().toStdString();
    const QStringList before = full.entries();
    EXPECT_EQ(replaceFile(full.oldFile(), QByteArray(100000, 'n')), ENOSPC);
    EXPECT_EQ(readFile(full.oldFile()), FullFolder::oldBytes());
    EXPECT_EQ(full.entries(), before);
}

namespace {

// Each entry of the cross-reference table names where its object begins, and
// the table is where the file says it is.
bool crossReferencesHold(const QByteArray &pdf)
{
    const qsizetype table = pdf.lastIndexOf("\nxref\n") + 1;
    const auto start =
        QRegularExpression(u"startxref\\s+(\\d+)"_s).match(QString::fromLatin1(pdf.mid(table)));
    if (table <= 0 || !start.hasMatch() || start.captured(1).toLongLong() != table) return false;
    const QList<QByteArray> lines = pdf.mid(table).split('\n');
    const qsizetype count = lines.value(1).split(' ').value(1).toLongLong();
    for (qsizetype i = 1; i < count; ++i) {
        const QByteArray entry = lines.value(2 + i);
        if (!entry.endsWith(" n ") ||
            !pdf.mid(entry.left(10).toLongLong()).startsWith(QByteArray::number(i) + " 0 obj"))
            return false;
    }
    return count > 2;
}

} // namespace

// With a time given, the same page gives the same bytes in every time zone,
// and the document says that time.
TEST_F(Printing, APdfOfAGivenTimeIsTheSameInEveryTimeZone)
{
    printTableThenElement(26);
    ASSERT_FALSE(HasFatalFailure());
    // 22:13:20 UTC, given an hour east of it.
    const QDateTime created = QDateTime::fromSecsSinceEpoch(1700000000, Qt::OffsetFromUTC, 3600);
    const QByteArray zone = qgetenv("TZ");
    std::vector<QByteArray> pdfs;
    QByteArray local; // written at the local time of a zone east of UTC
    for (const char *tz : {"UTC", "CET-1", "EST5"}) {
        qputenv("TZ", tz);
        ::tzset();
        pdfs.push_back(
            pdfDocument(printer.jobs[1].page, PageOrientation::Portrait, QPageSize::A4, created));
        if (std::strcmp(tz, "CET-1") == 0)
            local = pdfDocument(printer.jobs[1].page, PageOrientation::Portrait, QPageSize::A4);
    }
    zone.isNull() ? qunsetenv("TZ") : qputenv("TZ", zone);
    ::tzset();
    EXPECT_TRUE(local.contains("+01'00')")) << "the writer's own date was not local";
    for (const QByteArray &pdf : pdfs) {
        EXPECT_EQ(pdf, pdfs[0]);
        EXPECT_TRUE(pdf.contains("\n/CreationDate (D:20231114221320Z)\n"));
        EXPECT_TRUE(crossReferencesHold(pdf));
    }
    EXPECT_TRUE(crossReferencesHold(local));

    for (const auto &[value, valid] : {std::pair{"1700000000", true},
                                       {"0", true},
                                       {"", false},
                                       {"soon", false},
                                       {"-1", false}}) {
        qputenv("SOURCE_DATE_EPOCH", value);
        EXPECT_EQ(sourceDateEpoch().isValid(), valid) << value;
    }
    qputenv("SOURCE_DATE_EPOCH", "1700000000");
    EXPECT_EQ(sourceDateEpoch(), created);
    qunsetenv("SOURCE_DATE_EPOCH");
}
