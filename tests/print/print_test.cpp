#include "fakeplatform.h"
#include "filewrite.h"
#include "fullfolder.h"
#include "paper.h"
#include "pdfdocument.h"
#include "systemplatform.h"
#include "systemprinter.h"
#include "testdata.h"
#include "zelmod.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <sys/stat.h>
#include <sys/sysmacros.h>

using namespace Qt::StringLiterals;

using Printing = App;

// Where the pictures lie on the page the printed golden pictures carry. A
// printer gives no reason when it fails and is not told; a failed write is
// told over the window.
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
    EXPECT_TRUE(platform.errorBoxes.empty());
    EXPECT_EQ(pb->surface().image(), table);
    EXPECT_EQ(pb->geometry(), QRect(2, 45, 791, 510));
    EXPECT_FALSE(w.printing());
    EXPECT_TRUE(w.cells() == cells);
    printer.failureText = u"cannot write /x/old.pdf: No space left on device"_s;
    w.cb_print_Click();
    w.tab_Frame_Click(1);
    w.cb_print_Click();
    ASSERT_EQ(platform.errorBoxes.size(), 2u);
    for (const auto &[parent, text] : platform.errorBoxes) {
        EXPECT_EQ(parent, &w);
        EXPECT_EQ(text, u"Print: Cannot write /x/old.pdf: No space left on device"_s);
    }
}

// The destination is asked for before anything is composed for print, over
// the window; cancelled, nothing else happens.
TEST_F(Printing, TheElementIsAskedForThenGoesOnAPortraitPageAndTheScreenIsRestored)
{
    w.tab_Frame_Click(1);
    eScroll->setValue(26);
    cScroll->setValue(2); // a grey background, hex 808080
    const QImage atom = pbAtom->surface().image();
    int asked = 0;
    printer.whileChoosing = [&] {
        ++asked;
        EXPECT_FALSE(w.printing());
        EXPECT_EQ(pbAtom->surface().pixel(0, 0), 0x808080u);
        EXPECT_EQ(pbAtom->surface().image(), atom);
    };
    printer.cancelDestination = true;
    w.cb_print_Click();
    w.tab_Frame_Click(0);
    w.cb_print_Click();
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(printer.chooserParent, &w);
    EXPECT_EQ(printer.calls, 2); // no page was composed, none sent
    w.tab_Frame_Click(1);
    EXPECT_EQ(pbAtom->surface().image(), atom);
    printer.cancelDestination = false;
    w.cb_print_Click();
    w.cb_print_Click();
    EXPECT_EQ(asked, 4);
    EXPECT_TRUE(platform.errorBoxes.empty());
    printer.whileChoosing = {};
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
    const QString chosen = dir.filePath(u"chosen.pdf"_s);
    // The file name the save dialog gives back: none at first, over the window.
    QString answer;
    SystemPrinter systemPrinter([&](QWidget *parent) { return parent == &w ? answer : chosen; });
    EXPECT_FALSE(systemPrinter.chooseDestination(&w));
    EXPECT_FALSE(systemPrinter.printPage(printer.jobs[1].page, PageOrientation::Portrait));
    EXPECT_FALSE(QFileInfo::exists(chosen));
    answer = chosen;
    ASSERT_TRUE(systemPrinter.chooseDestination(&w));
    EXPECT_TRUE(systemPrinter.printPage(printer.jobs[1].page, PageOrientation::Portrait));
    EXPECT_TRUE(systemPrinter.failure().isEmpty());
    EXPECT_TRUE(readFile(chosen).startsWith("%PDF-"));
}

TEST(Paper, TheLocalesTerritoryThenThePaperFileThenA4)
{
    constexpr auto A4 = QPageSize::A4, Letter = QPageSize::Letter;
    // Letter where glibc's locales print on it, whatever the language.
    for (const char *locale :
         {"en_US.UTF-8", "en_CA.UTF-8", "fr_CA.UTF-8", "es_MX.UTF-8", "es_US.UTF-8", "en_PH.UTF-8",
          "fil_PH", "es_CL.UTF-8", "es_CO.utf8", "es_VE@valencia", "es_PR", "es_BO", "es_CR",
          "es_GT", "es_NI", "es_PA", "es_SV"})
        EXPECT_EQ(userPaper({{}, QString::fromLatin1(locale), {}}), Letter) << locale;
    for (const char *locale : {"en_GB.UTF-8", "de_DE.UTF-8", "es_ES.UTF-8", "pt_BR.UTF-8",
                               "en_AU.UTF-8", "sr_RS@latin", "", "C.UTF-8", "POSIX"})
        EXPECT_EQ(userPaper({{}, QString::fromLatin1(locale), {}}), A4) << locale;
    const struct
    {
        const char *lcAll, *lcPaper, *file;
        QPageSize::PageSizeId paper;
    } cases[] = {
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
    ASSERT_EQ(replaceFile(file, "letter\n"), 0);
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
    const struct
    {
        QPageSize::PageSizeId paper;
        QSizeF portrait;
        QPoint table; // the table picture's top left on the landscape area
    } papers[] = {{QPageSize::Letter, {8.22 * 1440, 10.72 * 1440}, {1786, 2093}},
                  {QPageSize::A4, {7.99 * 1440, 11.41 * 1440}, {2283, 1928}}};
    for (const auto &[paper, portrait, table] : papers) {
        EXPECT_EQ(pdfPrintableSize(paper, PageOrientation::Portrait), portrait) << paper;
        EXPECT_EQ(pdfPrintableSize(paper, PageOrientation::Landscape), portrait.transposed());
        printer.portraitArea = pdfPrintableSize(paper, PageOrientation::Portrait);
        const QRectF area(QPointF(), printer.portraitArea);
        printer.jobs.clear();
        w.tab_Frame_Click(0);
        w.cb_print_Click();
        ASSERT_EQ(printer.jobs.size(), 1u);
        // The table's white ground comes first.
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
                if (item.kind != PageCanvas::Item::Text) {
                    ink |= QRectF(item.x, item.y, item.width, item.height);
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

    // SOURCE_DATE_EPOCH: seconds since 1970, up to the last second a PDF date can write.
    for (const auto &[value, seconds] : {std::pair{"1700000000", 1700000000LL},
                                         {"0", 0LL},
                                         {"253402300799", 253402300799LL},
                                         {"", -1LL},
                                         {"soon", -1LL},
                                         {"-1", -1LL},
                                         {"253402300800", -1LL}}) {
        qputenv("SOURCE_DATE_EPOCH", value);
        EXPECT_EQ(sourceDateEpoch(),
                  seconds < 0 ? QDateTime() : QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC))
            << value;
    }
    qunsetenv("SOURCE_DATE_EPOCH");
}

namespace {

// A step checks its dialog and closes it through the event loop.
using Step = std::function<void(QWidget *dialog)>;

// Runs action, answering the modal dialogs it opens with one step each, in
// order. A dialog beyond the steps, or left open, fails the test and is closed.
void answerDialogs(const std::vector<Step> &steps, const std::function<void()> &action)
{
    size_t done = 0;
    std::vector<QPointer<QWidget>> seen;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog || std::find(seen.begin(), seen.end(), dialog) != seen.end()) return;
        seen.emplace_back(dialog);
        QTimer::singleShot(10000, dialog, [dialog] {
            ADD_FAILURE() << "left open: " << dialog->windowTitle().toStdString();
            if (auto *d = qobject_cast<QDialog *>(dialog)) d->reject();
        });
        if (done < steps.size()) return steps[done++](dialog);
        ADD_FAILURE() << "a dialog beyond the script: " << dialog->windowTitle().toStdString();
        QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
    });
    timer.start(20);
    action();
    EXPECT_EQ(done, steps.size()) << "dialogs answered";
}

// A message box over the window, answered with that button.
Step pressOn(QMessageBox::StandardButton button)
{
    return [button](QWidget *dialog) {
        auto *box = qobject_cast<QMessageBox *>(dialog);
        ASSERT_TRUE(box) << "no message box: " << dialog->metaObject()->className();
        QMetaObject::invokeMethod(box->button(button), "click", Qt::QueuedConnection);
    };
}

// The save dialog over the window, answered with that file name typed into
// its name field, as the user would, or cancelled for none.
Step saveAs(QWidget *window, const QString &file)
{
    return [window, file](QWidget *dialog) {
        auto *files = qobject_cast<QFileDialog *>(dialog);
        ASSERT_TRUE(files) << dialog->metaObject()->className();
        EXPECT_EQ(files->parentWidget(), window);
        auto *name = files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        ASSERT_TRUE(name);
        name->setText(file);
        QMetaObject::invokeMethod(files, file.isEmpty() ? "reject" : "accept",
                                  Qt::QueuedConnection);
    };
}

} // namespace

// The real dialogs, over the real window, where no printer is installed.
class SystemDialogs : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (SystemPrinter::hasPrinter()) GTEST_SKIP() << "a printer is installed";
        platform.setDataFile(QStringLiteral(ZELVANE_EDB_PATH));
        platform.setNoBoxes(true);
        window = StartUp(platform);
        ASSERT_TRUE(window);
        window->tmAbout_Timer();
        window->tab_Frame_Click(1);
        control<QScrollBar>(*window, "eScroll")->setValue(26);
        control<QScrollBar>(*window, "cScroll")->setValue(2); // a grey background, hex 808080
    }

    // The question: over the window, Yes its default, answered with Return.
    Step question()
    {
        return [this](QWidget *dialog) {
            auto *box = qobject_cast<QMessageBox *>(dialog);
            ASSERT_TRUE(box);
            EXPECT_EQ(box->parentWidget(), window.get());
            EXPECT_EQ(box->text(), u"Print Element"_s);
            EXPECT_EQ(static_cast<QAbstractButton *>(box->defaultButton()),
                      box->button(QMessageBox::Yes));
            QTest::keyClick(box, Qt::Key_Return);
        };
    }
    // The screen shows its own colours, not those of print.
    void expectScreenColours()
    {
        EXPECT_FALSE(window->printing());
        EXPECT_EQ(atom()->surface().pixel(0, 0), 0x808080u);
    }
    PictureBox *atom() { return control<PictureBox>(*window, "pbAtom"); }
    void print(const std::vector<Step> &steps)
    {
        answerDialogs(steps, [this] { window->cb_print_Click(); });
    }

    SystemPlatform platform;
    std::unique_ptr<ZelMain> window;
};

// Asked over the window before anything is composed: cancelled, nothing
// changes. Saved, the file is replaced whole, on the paper of the locale; a
// failed save is told over the window, and leaves the old file as it was.
TEST_F(SystemDialogs, AskedOverTheWindowThenSavedOnTheUsersPaperOrToldWhyNot)
{
    const QImage atomBefore = atom()->surface().image();
    print({question(), [this](QWidget *dialog) {
               expectScreenColours();
               saveAs(window.get(), {})(dialog);
           }});
    EXPECT_EQ(atom()->surface().image(), atomBefore);

    QTemporaryDir dir;
    const QString saved = dir.filePath(u"iron.pdf"_s);
    ASSERT_EQ(replaceFile(saved, "old"), 0);
    qputenv("LC_PAPER", "en_US.UTF-8");
    print({question(), saveAs(window.get(), saved), pressOn(QMessageBox::Yes)});
    qunsetenv("LC_PAPER");
    const QByteArray pdf = readFile(saved);
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(pdfPageSize(pdf), QSizeF(612, 792));

    FullFolder full;
    if (!full.skipReason().isEmpty()) GTEST_SKIP() << full.skipReason().toStdString();
    const QStringList before = full.entries();
    const auto failed = [&](QWidget *dialog) {
        auto *box = qobject_cast<QMessageBox *>(dialog);
        ASSERT_TRUE(box);
        EXPECT_EQ(box->parentWidget(), window.get());
        EXPECT_EQ(box->icon(), QMessageBox::Warning);
        EXPECT_EQ(box->text(), u"Cannot write %1: No space left on device"_s.arg(full.oldFile()));
        expectScreenColours();
        pressOn(QMessageBox::Ok)(dialog);
    };
    print({question(), saveAs(window.get(), full.oldFile()), pressOn(QMessageBox::Yes), failed});
    EXPECT_EQ(readFile(full.oldFile()), FullFolder::oldBytes());
    EXPECT_EQ(full.entries(), before);
}
