// The real program run from the command line, with no display.

#include "fakeplatform.h"
#include "zelmain.h"
#include "zelmod.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

struct Outcome
{
    int status = -1;
    QString out, err;
};

Outcome zelvane(const QStringList &args)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(ZELVANE_EXECUTABLE), args);
    // A hang (a box nobody can close, a pipe that never ends) fails here.
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << "zelvane " << args.join(u' ').toStdString() << " did not finish";
        return {};
    }
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The page count and whether the one page is wider than tall.
std::pair<int, bool> pdfPages(const QString &path)
{
    const QString pdf = QString::fromLatin1(readAll(path));
    const auto box =
        QRegularExpression(u"/MediaBox\\s*\\[\\s*0\\s+0\\s+([0-9.]+)\\s+([0-9.]+)"_s).match(pdf);
    return {int(pdf.count(QRegularExpression(u"/Type\\s*/Page[^s]"_s))),
            box.captured(1).toDouble() > box.captured(2).toDouble()};
}

} // namespace

TEST(CommandLine, SheetWritesIronsLinesAsText)
{
    const Outcome run = zelvane({u"--sheet"_s, u"fe"_s});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, QString());
    EXPECT_EQ(run.out, u"26 Iron Fe\n"
                       "Period: 4\n"
                       "Group: 8 [VIIIB]\n"
                       "Classification: Transition Metal\n"
                       "State: Solid\n"
                       "Atomic Weight: 55.845 g/mol\n"
                       "Atomic Volume: 7.09 cm³/mol\n"
                       "Atomic Radius: 1.4\n"
                       "Density: 7.874 g/cm³\n"
                       "Electro Negativity: 1.83\n"
                       "Electro Conduct: 1.00 10^7 S/m\n"
                       "Thermal Conduct: 80 Wm-¹K-¹ (at 300 K)\n"
                       "Melting Point: 1811 K\n"
                       "Boiling Point: 3134 K\n"
                       "Specific Heat: 0.449 Jg-¹K-¹ (at 300 K)\n"
                       "Fusion Heat: 13.81 kj/mol\n"
                       "Evaporation Heat: 340 kj/mol\n"
                       "Debye Temp: 470\n"
                       "Covalent Radius: 1.32 Å\n"
                       "Ionic Radius: 0.78 (+2) Å\n"
                       "Ionizing Energy: 762.5 kj/mol\n"
                       "Oxidation States: +2,+3\n"
                       "Crystal Structure: Body-centered cubic\n"
                       "Crystal Constant: 2.8665 (A)\n"
                       "Crystal CA Ratio: 0\n"
                       "Electronic Config: [Ar] 3d6 4s2\n"
                       "Discovered: Anc.\n"
                       "Discoverer: Known since antiquity\n"
                       "Appearance: Lustrous grey metal\n"
                       "Name Origin: Anglo-Saxon iren; the symbol Fe is from Latin ferrum\n"_s);
    // By number and by name, in any case, the same sheet.
    EXPECT_EQ(zelvane({u"--sheet"_s, u"26"_s}).out, run.out);
    EXPECT_EQ(zelvane({u"--sheet"_s, u"IRON"_s}).out, run.out);
}

TEST(CommandLine, PdfPagesAsPrintedWithoutADisplay)
{
    QTemporaryDir dir;
    const QString table = dir.filePath(u"table.pdf"_s), uranium = dir.filePath(u"u.pdf"_s);
    EXPECT_EQ(zelvane({u"--pdf"_s, table}).status, 0);
    EXPECT_EQ(zelvane({u"--pdf"_s, uranium, u"--element"_s, u"92"_s}).status, 0);
    EXPECT_EQ(pdfPages(table), std::pair(1, true)) << "one landscape page";
    EXPECT_EQ(pdfPages(uranium), std::pair(1, false)) << "one portrait page";

    // The table picture goes in whole and lossless: the printed table golden
    // picture holds the same pixels.
    if (QProcess::execute(u"pdfimages"_s, {u"-png"_s, table, dir.filePath(u"img"_s)}) != 0)
        GTEST_SKIP() << "pdfimages (poppler-utils) is not installed";
    const QImage picture =
        QImage(dir.filePath(u"img-000.png"_s)).convertToFormat(QImage::Format_RGB32);
    const QImage golden = QImage(QStringLiteral(ZELVANE_SOURCE_DIR "/tests/golden/print-table.png"))
                              .convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(picture.size(), QSize(791, 510));
    EXPECT_EQ(picture, golden.copy(QRect(QPoint(109, 129), picture.size())));
}

TEST(CommandLine, FaultsGiveOneLineAndTheirStatus)
{
    QTemporaryDir dir;
    const auto expectFault = [](const Outcome &run, int status, const QString &message) {
        EXPECT_EQ(run.status, status) << message.toStdString();
        EXPECT_EQ(run.err.count(u'\n'), 1) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(message)) << run.err.toStdString();
    };
    expectFault(zelvane({u"--element"_s, u"ununknown"_s}), 2, u"no element ununknown"_s);
    expectFault(zelvane({u"--sheet"_s, u"119"_s}), 2, u"no element 119"_s);
    expectFault(zelvane({u"--pdf"_s, dir.filePath(u"no/such/folder/x.pdf"_s)}), 2,
                u"cannot write"_s);
    expectFault(zelvane({u"--frobnicate"_s}), 2, u"Unknown option 'frobnicate'"_s);

    // Bad data files stop the window and the text alike, with no box.
    const QString missing = dir.filePath(u"missing.edb"_s),
                  truncated = dir.filePath(u"short.edb"_s);
    QFile shortFile(truncated);
    ASSERT_TRUE(shortFile.open(QIODevice::WriteOnly));
    shortFile.write(readAll(QStringLiteral(ZELVANE_EDB_PATH)).left(1000));
    shortFile.close();
    const QString pipe = dir.filePath(u"pipe.edb"_s);
    ASSERT_EQ(mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
    expectFault(zelvane({u"--data"_s, missing}), 1, u"missing.edb was not found"_s);
    expectFault(zelvane({u"--data"_s, truncated}), 1,
                u"short.edb holds 2 whole records, but its header promises 118"_s);
    expectFault(zelvane({u"--data"_s, pipe, u"--sheet"_s, u"1"_s}), 1,
                u"pipe.edb is not a regular file"_s);

    // A table of no elements still serves, and says so.
    const QString empty = dir.filePath(u"empty.edb"_s);
    QFile emptyFile(empty);
    ASSERT_TRUE(emptyFile.open(QIODevice::WriteOnly));
    emptyFile.write(QByteArray(2, '\0'));
    emptyFile.close();
    expectFault(zelvane({u"--data"_s, empty, u"--pdf"_s, dir.filePath(u"e.pdf"_s)}), 0,
                u"empty.edb holds no elements"_s);
}

TEST(CommandLine, HelpAndVersion)
{
    EXPECT_EQ(zelvane({u"--version"_s}).out, u"zelvane 1.0\n"_s);
    const Outcome help = zelvane({u"--help"_s});
    EXPECT_EQ(help.status, 0);
    for (const char *option : {"--element <X>", "--pdf <FILE>", "--sheet <X>", "--data <FILE>"})
        EXPECT_TRUE(help.out.contains(QLatin1String(option))) << option;
}

// zelvane --element X: the window opens on the table as always, and shows X
// when the banner goes.
TEST(CommandLine, TheElementOpensOnceTheBannerHasGone)
{
    FakePlatform platform;
    const std::unique_ptr<ZelMain> w = StartUp(platform);
    ASSERT_TRUE(w);
    w->openAfterBanner(26);
    EXPECT_EQ(w->currentTab(), 0);
    EXPECT_EQ(w->currentElement(), 1);
    w->tmAbout_Timer();
    EXPECT_EQ(w->currentTab(), 1);
    EXPECT_EQ(w->currentElement(), 26);
}
