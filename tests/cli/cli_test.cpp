// The real program run from the command line, with no display.

#include "creatept.h"
#include "testdata.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

struct Outcome
{
    int status = -1;
    QString out, err;
};

Outcome zelvane(const QStringList &args,
                const QString &program = QStringLiteral(ZELVANE_EXECUTABLE))
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(env);
    process.start(program, args);
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

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

TEST(CommandLine, SheetWritesIronsLinesAsText)
{
    const Outcome run = zelvane({u"--sheet"_s, u"fe"_s});
    EXPECT_EQ(std::pair(run.status, run.err), std::pair(0, QString()));
    EXPECT_EQ(run.out, ironSheetText());
    // By number and by name, in any case, the same sheet.
    EXPECT_EQ(zelvane({u"--sheet"_s, u"26"_s}).out, run.out);
    EXPECT_EQ(zelvane({u"--sheet"_s, u"IRON"_s}).out, run.out);
}

// One page each, the table landscape, the element portrait. On paper the
// table's words are text, and every picture is drawn for paper: 300 pixels to
// the inch or more.
TEST(CommandLine, PdfPagesAsPrintedWithoutADisplay)
{
    QTemporaryDir dir;
    const QString table = dir.filePath(u"table.pdf"_s), uranium = dir.filePath(u"u.pdf"_s);
    EXPECT_EQ(zelvane({u"--pdf"_s, table}).status, 0);
    EXPECT_EQ(zelvane({u"--pdf"_s, uranium, u"--element"_s, u"92"_s}).status, 0);
    for (const auto &[file, landscape] : {std::pair{table, true}, {uranium, false}}) {
        const QString pdf = QString::fromLatin1(readFile(file));
        const auto box =
            QRegularExpression(u"/MediaBox\\s*\\[\\s*0\\s+0\\s+([0-9.]+)\\s+([0-9.]+)"_s)
                .match(pdf);
        EXPECT_TRUE(pdf.startsWith(u"%PDF"_s) && !pdf.contains(u"DCTDecode"_s)) << landscape;
        EXPECT_EQ(pdf.count(QRegularExpression(u"/Type\\s*/Page[^s]"_s)), 1) << landscape;
        EXPECT_EQ(box.captured(1).toDouble() > box.captured(2).toDouble(), landscape);
    }
    const auto output = [](const QString &program, const QStringList &args) {
        QProcess p;
        p.start(program, args);
        return p.waitForFinished(30000) && p.exitCode() == 0 ? QString::fromUtf8(p.readAll())
                                                             : QString();
    };
    const QString words = output(u"pdftotext"_s, {table, u"-"_s});
    if (words.isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    for (const char *word : {"Fe", "55.845", "GROUP", "Lanthanide Series", "Non Metals"})
        EXPECT_TRUE(words.contains(QLatin1String(word))) << word;
    for (const QString &file : {table, uranium}) {
        // page num type width height color comp bpc enc interp object ID x-ppi y-ppi ...
        const QStringList rows = output(u"pdfimages"_s, {u"-list"_s, file}).split(u'\n').mid(2);
        int images = 0;
        for (const QString &row : rows) {
            const QStringList f = row.simplified().split(u' ');
            if (f.size() < 14) continue;
            ++images;
            EXPECT_GE(f[12].toInt(), 300) << file.toStdString() << ": " << row.toStdString();
            EXPECT_GE(f[13].toInt(), 300) << file.toStdString() << ": " << row.toStdString();
        }
        EXPECT_GT(images, 0) << file.toStdString();
    }
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

    // A bad data file stops the program, with no box (the reader tests word every
    // fault); a table of no elements still serves, and says so.
    const QString empty = dir.filePath(u"empty.edb"_s);
    ASSERT_TRUE(writeFile(empty, QByteArray(2, '\0')));
    expectFault(zelvane({u"--data"_s, dir.filePath(u"missing.edb"_s)}), 1,
                u"missing.edb was not found"_s);
    expectFault(zelvane({u"--data"_s, empty, u"--pdf"_s, dir.filePath(u"e.pdf"_s)}), 0,
                u"empty.edb holds no elements"_s);
}

// Printing lives in a module beside the program; where it is missing, nothing
// is written and the run says why.
// The executable alone, away from the build, prints: it needs nothing beside
// it but its data.
TEST(CommandLine, TheExecutableAloneWritesThePdf)
{
    QTemporaryDir dir;
    const QString lone = dir.filePath(u"zelvane"_s), pdf = dir.filePath(u"t.pdf"_s);
    ASSERT_TRUE(QFile::copy(QStringLiteral(ZELVANE_EXECUTABLE), lone));
    const Outcome run =
        zelvane({u"--data"_s, QStringLiteral(ZELVANE_EDB_PATH), u"--pdf"_s, pdf}, lone);
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    QFile written(pdf);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().startsWith("%PDF-"));
}

TEST(CommandLine, HelpAndVersion)
{
    EXPECT_EQ(zelvane({u"--version"_s}).out, u"zelvane 1.0\n"_s);
    const Outcome help = zelvane({u"--help"_s});
    EXPECT_EQ(help.status, 0);
    for (const char *option : {"--element <X>", "--pdf <FILE>", "--sheet <X>", "--data <FILE>"})
        EXPECT_TRUE(help.out.contains(QLatin1String(option))) << option;
}

namespace {

void expectUsageFault(const Outcome &run, const QString &message)
{
    EXPECT_EQ(run.status, 2) << message.toStdString();
    EXPECT_EQ(run.err.count(u'\n'), 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(message)) << run.err.toStdString();
}

// The first pixel, in reading order, within 3 of colour c in each channel.
std::optional<QPoint> firstOf(const QImage &image, Colour c)
{
    const QColor want = QColor::fromRgb(toQRgb(c));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor got = image.pixelColor(x, y);
            if (std::abs(got.red() - want.red()) <= 3 &&
                std::abs(got.green() - want.green()) <= 3 &&
                std::abs(got.blue() - want.blue()) <= 3)
                return QPoint(x, y);
        }
    return std::nullopt;
}

} // namespace

TEST(CommandLine, ViewsAreListedAndBadNamesOrTemperaturesAreUsageFaults)
{
    const Outcome list = zelvane({u"--list-views"_s});
    EXPECT_EQ(std::tuple(list.status, list.err), std::tuple(0, QString()));
    EXPECT_EQ(list.out, u"classes\nblock\nstate\natomic-weight\ndensity\nmelting-point\n"
                        "boiling-point\natomic-radius\ncovalent-radius\natomic-volume\n"
                        "electronegativity\nionization-energy\nspecific-heat\nfusion-heat\n"
                        "evaporation-heat\nthermal-conductivity\ndebye-temperature\n"_s);
    expectUsageFault(zelvane({u"--view"_s, u"bogus"_s}), u"no view bogus"_s);
    expectUsageFault(zelvane({u"--view"_s, u"Density"_s}), u"no view Density"_s);
    for (const QString &bad : {u"20X"_s, u"300"_s, u"-1K"_s, u"6001K"_s})
        expectUsageFault(zelvane({u"--temperature"_s, bad}), u"bad temperature "_s + bad);
    expectUsageFault(zelvane({u"--sheet"_s, u"fe"_s, u"--view"_s, u"density"_s}),
                     u"--sheet goes alone"_s);
    const Outcome help = zelvane({u"--help"_s});
    for (const char *option : {"--view <NAME>", "--temperature <T>", "--list-views"})
        EXPECT_TRUE(help.out.contains(QLatin1String(option))) << option;
}

// The state at 80 °F written to PDF: rendered at 96 dots per inch, every
// element's cell has the colour the screen gives it, and the key its words.
TEST(CommandLine, AViewWrittenToPdfHasTheScreensColours)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(u"state.pdf"_s);
    const Outcome run =
        zelvane({u"--view"_s, u"state"_s, u"--temperature"_s, u"80F"_s, u"--pdf"_s, pdf});
    ASSERT_EQ(std::pair(run.status, run.err), std::pair(0, QString()));
    QProcess render;
    render.start(u"pdftoppm"_s,
                 {u"-r"_s, u"96"_s, u"-png"_s, u"-singlefile"_s, pdf, dir.filePath(u"state"_s)});
    if (!render.waitForFinished(30000) || render.exitCode() != 0)
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    const QImage paper(dir.filePath(u"state.png"_s));
    ASSERT_FALSE(paper.isNull());

    const TableView state{findTableView(u"state"_s), toKelvin(80, TemperatureUnit::Fahrenheit),
                          TemperatureUnit::Fahrenheit};
    Surface screen = tablePictureDesign();
    CellRects rects{};
    CreatePT(screen, 0, shippedData(), tableArtwork(), rects, {0, 37}, state);
    // Hydrogen's cell is the first thing drawn in a gas's colour: it places the table on the page.
    const std::optional<QPoint> onScreen = firstOf(screen.image(), PhaseColours[2]);
    const std::optional<QPoint> onPaper = firstOf(paper, PhaseColours[2]);
    ASSERT_TRUE(onScreen && onPaper);
    const QPoint offset = *onPaper - *onScreen;
    for (int z = 1; z <= 118; ++z) {
        const QPoint at(rects[z].Left + 3, rects[z].Top + 30);
        const QColor s = QColor::fromRgb(screen.image().pixel(at));
        const QColor p = paper.pixelColor(at + offset);
        EXPECT_TRUE(std::abs(s.red() - p.red()) <= 3 && std::abs(s.green() - p.green()) <= 3 &&
                    std::abs(s.blue() - p.blue()) <= 3)
            << z << ": screen " << s.name().toStdString() << ", paper " << p.name().toStdString();
    }
    // Mercury and bromine are liquid at 80 °F.
    EXPECT_EQ(screen.pixel(rects[80].Left + 3, rects[80].Top + 30), PhaseColours[1]);
    EXPECT_EQ(screen.pixel(rects[35].Left + 3, rects[35].Top + 30), PhaseColours[1]);

    QProcess words;
    words.start(u"pdftotext"_s, {pdf, u"-"_s});
    ASSERT_TRUE(words.waitForFinished(30000));
    const QString text = QString::fromUtf8(words.readAll());
    for (const QString &word : {u"State at 80 \u00B0F"_s, u"Liquid"_s, u"Unknown"_s})
        EXPECT_TRUE(text.contains(word)) << word.toStdString();
    EXPECT_FALSE(text.contains(u"Non Metals"_s));
}
