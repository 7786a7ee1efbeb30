// The real program run from the command line, with no display.

#include "creatept.h"
#include "fullfolder.h"
#include "testdata.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLibraryInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>

#include <optional>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

struct Outcome
{
    int status = -1;
    QString out, err;
    bool crashed = false; // ended by a signal
    qint64 ms = 0;
    QByteArray outBytes; // standard output as written
};

// Changes to the run's environment (or standard streams) before it starts.
using SetUp = std::function<void(QProcess &, QProcessEnvironment &)>;

// Runs the program without this one's display, locale, language and time
// settings: it speaks English unless setUp asks for another language.
Outcome zelvane(const QStringList &args,
                const QString &program = QStringLiteral(ZELVANE_EXECUTABLE),
                const SetUp &setUp = {})
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL",
                             "LC_MESSAGES", "LC_PAPER", "SOURCE_DATE_EPOCH", "TZ"})
        env.remove(QString::fromLatin1(name));
    env.insert(u"LANG"_s, u"C"_s);
    if (setUp) setUp(process, env);
    process.setProcessEnvironment(env);
    QElapsedTimer clock;
    clock.start();
    process.start(program, args);
    // A hang (a box nobody can close, a pipe that never ends) fails here.
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << "zelvane " << args.join(u' ').toStdString() << " did not finish";
        return {};
    }
    const QByteArray out = process.readAllStandardOutput();
    return {process.exitCode(),
            QString::fromUtf8(out),
            QString::fromUtf8(process.readAllStandardError()),
            process.exitStatus() == QProcess::CrashExit,
            clock.elapsed(),
            out};
}

Outcome zelvane(const QStringList &args, const SetUp &setUp)
{
    return zelvane(args, QStringLiteral(ZELVANE_EXECUTABLE), setUp);
}

// The same with the environment given on top, standard output going to
// outFile if named.
Outcome zelvaneWith(const QStringList &environment, const QStringList &args,
                    const QString &outFile = {},
                    const QString &program = QStringLiteral(ZELVANE_EXECUTABLE))
{
    return zelvane(args, program, [&](QProcess &process, QProcessEnvironment &env) {
        for (const QString &setting : environment)
            env.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
        if (!outFile.isEmpty()) process.setStandardOutputFile(outFile);
    });
}

// One line on standard error, the run's only output there.
void expectOneLine(const Outcome &run, int status, const QString &line)
{
    EXPECT_EQ(run.status, status) << line.toStdString();
    EXPECT_FALSE(run.crashed) << line.toStdString();
    EXPECT_EQ(run.err.count(u'\n'), 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(line)) << run.err.toStdString();
}

// An X display number nothing serves.
QString deadDisplay()
{
    int n = 99;
    while (QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)) ||
           QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)))
        ++n;
    return QStringLiteral(":%1").arg(n);
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
    // English, byte for byte as ever.
    EXPECT_TRUE(run.outBytes.startsWith(
        "26 Iron Fe\nPeriod: 4\nGroup: 8 [VIIIB]\n"
        "Classification: Transition Metal\nState: Solid\n"
        "Atomic Weight: 55.845 g/mol\nAtomic Volume: 7.09 cm\xc2\xb3/mol\n"))
        << run.outBytes.left(200).toStdString();
    // --lang en is English whatever the desktop speaks, and a language not
    // carried is English, without a word on standard error.
    for (const auto &[environment, args] :
         {std::pair{QStringList{u"LANG=de_DE.UTF-8"_s}, QStringList{u"--lang"_s, u"en"_s}},
          {{u"LANG=ja_JP.UTF-8"_s}, {}},
          {{u"LANG=de_DE.UTF-8"_s}, {u"--lang"_s, u"xx"_s}}}) {
        const Outcome other = zelvaneWith(environment, QStringList{u"--sheet"_s, u"fe"_s} + args);
        EXPECT_EQ(std::tuple(other.status, other.err, other.outBytes),
                  std::tuple(0, QString(), run.outBytes))
            << (environment + args).join(u' ').toStdString();
    }
    // By number and by name, in any case, the same sheet.
    EXPECT_EQ(zelvane({u"--sheet"_s, u"26"_s}).out, run.out);
    EXPECT_EQ(zelvane({u"--sheet"_s, u"IRON"_s}).out, run.out);
}

// With --sources each line is followed by where its value comes from; a value
// of another data file than the one shipped comes from an unknown source.
TEST(CommandLine, SourcesFollowEachLineOfTheSheet)
{
    const Outcome run = zelvane({u"--sheet"_s, u"fe"_s, u"--sources"_s});
    EXPECT_EQ(std::pair(run.status, run.err), std::pair(0, QString()));
    const QStringList plain = ironSheetText().split(u'\n');
    const QStringList lines = run.out.split(u'\n');
    ASSERT_EQ(lines.size(), plain.size());
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        EXPECT_TRUE(lines[i].startsWith(plain[i] + u" — "_s)) << lines[i].toStdString();
    for (const QString &line :
         {u"26 Iron Fe — periodictable 1.6.0 (NIST); public domain"_s,
          u"Density: 7.874 g/cm³ — periodictable 1.6.0 (NIST); public domain"_s,
          u"Fusion Heat: 13.81 kj/mol — standard handbook figure (CRC Handbook of Chemistry and "
          u"Physics)"_s,
          u"Crystal CA Ratio: 0 — no trustworthy value"_s})
        EXPECT_TRUE(lines.contains(line)) << line.toStdString();
    EXPECT_TRUE(zelvane({u"--sheet"_s, u"h"_s, u"--sources"_s})
                    .out.contains(u"\nDiscoverer: H. Cavendish — Blue Obelisk Data Repository 10; "
                                  u"MIT, corrected by hand for Zelvane. Reason: BODR gives the "
                                  u"initial C.; the discoverer is Henry Cavendish\n"_s));

    QTemporaryDir dir;
    std::vector<ElementRecord> records(shippedData().ElementTable.begin() + 1,
                                       shippedData().ElementTable.end());
    records[25].Density = 7.9;
    const QString other = dir.filePath(u"other.edb"_s);
    ASSERT_TRUE(writeFile(other, makeEdbBytes(records)));
    const QString out = zelvane({u"--data"_s, other, u"--sheet"_s, u"26"_s, u"--sources"_s}).out;
    EXPECT_TRUE(out.contains(u"\nDensity: 7.9 g/cm³ — unknown\n"_s)) << out.toStdString();
    EXPECT_TRUE(out.contains(u"\nAtomic Weight: 55.845 g/mol — Blue Obelisk Data Repository 10; "
                             u"MIT\n"_s));

    const Outcome alone = zelvane({u"--sources"_s});
    EXPECT_EQ(std::tuple(alone.status, alone.out, alone.err),
              std::tuple(2, QString(), u"zelvane: --sources goes with --sheet\n"_s));
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

// The screen's pictures as PNG: the table picture pixel for pixel as the
// window shows it at scale 1 and at 2 (the golden pictures of the window, less
// its frame and header), the Element page at its size; the printed page as SVG,
// its words text. Each written whole, or not at all.
TEST(CommandLine, PngAndSvgExports)
{
    QTemporaryDir dir;
    const auto picture = [&dir](const QString &name) {
        return QImage(dir.filePath(name)).convertToFormat(QImage::Format_RGB32);
    };
    const auto golden = [](const char *name, QRect part) {
        return QImage(QStringLiteral(ZELVANE_SOURCE_DIR "/tests/golden/") + QLatin1String(name))
            .convertToFormat(QImage::Format_RGB32)
            .copy(part);
    };
    EXPECT_EQ(zelvane({u"--png"_s, dir.filePath(u"t1.png"_s)}).status, 0);
    EXPECT_EQ(zelvane({u"--png"_s, dir.filePath(u"t2.png"_s), u"--scale"_s, u"2"_s}).status, 0);
    EXPECT_EQ(zelvane({u"--png"_s, dir.filePath(u"fe.png"_s), u"--scale"_s, u"1.5"_s,
                       u"--element"_s, u"fe"_s})
                  .status,
              0);
    // Below the view chooser, which lies over the table's top right.
    EXPECT_TRUE(picture(u"t1.png"_s).copy(0, 70, 791, 440) ==
                golden("table-page.png", {2, 115, 791, 440}));
    EXPECT_TRUE(picture(u"t2.png"_s).copy(0, 140, 1582, 880) ==
                golden("table-page@2x.png", {4, 230, 1582, 880}));
    EXPECT_EQ(picture(u"fe.png"_s).size(), QSize(1191, 780)); // 794 x 520 at 1.5

    const QString svg = dir.filePath(u"fe.svg"_s);
    EXPECT_EQ(zelvane({u"--svg"_s, svg, u"--element"_s, u"26"_s}).status, 0);
    const QByteArray text = readFile(svg);
    EXPECT_TRUE(text.startsWith("<?xml") && text.contains("<svg")) << text.left(80).data();
    for (const char *word : {">Iron<", ">Fe<", ">Protons:<", ">Melting Point:<"})
        EXPECT_TRUE(text.contains(word)) << word;
    QProcess render;
    render.start(u"rsvg-convert"_s, {svg, u"-o"_s, dir.filePath(u"svg.png"_s)});
    if (render.waitForFinished(30000) && render.exitCode() == 0)
        EXPECT_EQ(picture(u"svg.png"_s).size(), QSize(794, 1123)); // A4 at 96 to the inch

    // Written safely: a full device is a fault, and an old file outlives a
    // write into a folder that is not there.
    expectOneLine(zelvane({u"--png"_s, u"/dev/full"_s}), 1,
                  u"cannot write /dev/full: No space left on device"_s);
    expectOneLine(zelvane({u"--svg"_s, dir.filePath(u"no/such.svg"_s)}), 1,
                  u"No such file or directory"_s);
    for (const QStringList &bad : {QStringList{u"--png"_s, u"x.png"_s, u"--scale"_s, u"0.5"_s},
                                   QStringList{u"--png"_s, u"x.png"_s, u"--scale"_s, u"two"_s},
                                   QStringList{u"--svg"_s, u"x.svg"_s, u"--scale"_s, u"2"_s},
                                   QStringList{u"--svg"_s, u"x.svg"_s, u"--png"_s, u"x.png"_s},
                                   QStringList{u"--png"_s, u""_s}})
        EXPECT_EQ(zelvane(bad).status, 2) << bad.join(u' ').toStdString();
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
    expectFault(zelvane({u"--pdf"_s, dir.filePath(u"no/such/folder/x.pdf"_s)}), 1,
                u"cannot write %1: No such file or directory"_s.arg(
                    dir.filePath(u"no/such/folder/x.pdf"_s)));
    expectFault(zelvane({u"--pdf"_s, QString()}), 2, u"--pdf needs a file name"_s);
    expectFault(zelvane({u"--frobnicate"_s}), 2, u"Unknown option 'frobnicate'"_s);
    // A name must name something: empty or blank is a fault, not element 0.
    expectFault(zelvane({u"--sheet"_s, u""_s}), 2, u"--sheet needs an element"_s);
    expectFault(zelvane({u"--sheet"_s, u"  "_s}), 2, u"--sheet needs an element"_s);
    expectFault(zelvane({u"--element"_s, u""_s}), 2, u"--element needs an element"_s);
    expectFault(zelvane({u"--element"_s, u" \t"_s, u"--pdf"_s, dir.filePath(u"b.pdf"_s)}), 2,
                u"--element needs an element"_s);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(u"b.pdf"_s)));

    // A bad data file stops the program, with no box (the reader tests word every
    // fault); a table of no elements still serves, and says so.
    const QString empty = dir.filePath(u"empty.edb"_s);
    ASSERT_TRUE(writeFile(empty, QByteArray(2, '\0')));
    expectFault(zelvane({u"--data"_s, dir.filePath(u"missing.edb"_s)}), 1,
                u"missing.edb was not found"_s);
    expectFault(zelvane({u"--data"_s, empty, u"--pdf"_s, dir.filePath(u"e.pdf"_s)}), 0,
                u"empty.edb holds no elements"_s);
}

// A write that fails is one line and status 1, and replaces nothing: the
// old file stays byte for byte, and no new file is left beside it.
TEST(CommandLine, AFailedPdfWriteIsOneLineAndTheOldFileStays)
{
    const Outcome device = zelvane({u"--pdf"_s, u"/dev/full"_s});
    EXPECT_EQ(device.status, 1);
    EXPECT_EQ(device.err, u"zelvane: cannot write /dev/full: No space left on device\n"_s);
    const Outcome out = zelvaneWith({}, {u"--pdf"_s, u"-"_s}, u"/dev/full"_s);
    EXPECT_EQ(out.status, 1);
    EXPECT_EQ(out.err, u"zelvane: cannot write standard output: No space left on device\n"_s);
    const Outcome closed = zelvane(
        {u"-c"_s, u"exec \"$0\" --pdf - >&-"_s, QStringLiteral(ZELVANE_EXECUTABLE)}, u"/bin/sh"_s);
    EXPECT_EQ(closed.status, 1);
    EXPECT_EQ(closed.err, u"zelvane: cannot write standard output: Bad file descriptor\n"_s);

    FullFolder full;
    if (!full.skipReason().isEmpty()) GTEST_SKIP() << full.skipReason().toStdString();
    const QStringList before = full.entries();
    for (const QString &element : {u"0"_s, u"fe"_s}) {
        QStringList args{u"--pdf"_s, full.oldFile()};
        if (element != u"0"_s) args << u"--element"_s << element;
        const Outcome run = zelvane(args);
        EXPECT_EQ(run.status, 1) << element.toStdString();
        EXPECT_EQ(run.err,
                  u"zelvane: cannot write %1: No space left on device\n"_s.arg(full.oldFile()));
        EXPECT_EQ(readFile(full.oldFile()), FullFolder::oldBytes());
        EXPECT_EQ(full.entries(), before);
    }
}

// The page is laid on the paper of the locale's territory: LC_PAPER, unless
// LC_ALL says otherwise; to a file or to standard output.
TEST(CommandLine, PdfOnTheUsersPaper)
{
    QTemporaryDir dir;
    const QString table = dir.filePath(u"t.pdf"_s), iron = dir.filePath(u"fe.pdf"_s);
    const struct
    {
        QStringList env;
        QSizeF portrait; // in points
    } cases[] = {{{u"LC_PAPER=en_US.UTF-8"_s}, {612, 792}},
                 {{u"LC_PAPER=fr_CA.UTF-8"_s}, {612, 792}},
                 {{u"LC_PAPER=de_DE.UTF-8"_s}, {595, 842}},
                 {{u"LC_ALL=en_GB.UTF-8"_s, u"LC_PAPER=en_US.UTF-8"_s}, {595, 842}}};
    for (const auto &[env, portrait] : cases) {
        const std::string what = env.join(u' ').toStdString();
        EXPECT_EQ(zelvaneWith(env, {u"--pdf"_s, table}).status, 0) << what;
        EXPECT_EQ(zelvaneWith(env, {u"--pdf"_s, iron, u"--element"_s, u"fe"_s}).status, 0) << what;
        const QSizeF landscape = pdfPageSize(readFile(table)),
                     upright = pdfPageSize(readFile(iron));
        EXPECT_NEAR(landscape.width(), portrait.height(), 0.01) << what;
        EXPECT_NEAR(landscape.height(), portrait.width(), 0.01) << what;
        EXPECT_NEAR(upright.width(), portrait.width(), 0.01) << what;
        EXPECT_NEAR(upright.height(), portrait.height(), 0.01) << what;
    }
    // The same document on standard output, through a pipe.
    const Outcome out = zelvaneWith({u"SOURCE_DATE_EPOCH=1700000000"_s},
                                    {u"--pdf"_s, u"-"_s, u"--element"_s, u"fe"_s});
    EXPECT_EQ(std::pair(out.status, out.err), std::pair(0, QString()));
    EXPECT_EQ(zelvaneWith({u"SOURCE_DATE_EPOCH=1700000000"_s},
                          {u"--pdf"_s, iron, u"--element"_s, u"fe"_s})
                  .status,
              0);
    EXPECT_EQ(out.outBytes, readFile(iron));
}

// With SOURCE_DATE_EPOCH, runs give the same bytes, in any time zone, and the
// document's creation date is that time.
TEST(CommandLine, ReproduciblePdf)
{
    QTemporaryDir dir;
    std::vector<QByteArray> pdfs;
    for (int run = 0; run < 6; ++run) {
        const QString file = dir.filePath(u"fe%1.pdf"_s.arg(run));
        const QStringList env{u"SOURCE_DATE_EPOCH=1700000000"_s,
                              run % 2 ? u"TZ=CET-1"_s : u"TZ=UTC"_s};
        EXPECT_EQ(zelvaneWith(env, {u"--pdf"_s, file, u"--element"_s, u"fe"_s}).status, 0);
        pdfs.push_back(readFile(file));
    }
    for (const QByteArray &pdf : pdfs)
        EXPECT_EQ(pdf, pdfs[0]);
    EXPECT_TRUE(pdfs[0].contains("/CreationDate (D:20231114221320Z)"));
    QProcess info;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"TZ"_s, u"UTC"_s);
    info.setProcessEnvironment(env);
    info.start(u"pdfinfo"_s, {dir.filePath(u"fe0.pdf"_s)});
    if (!info.waitForFinished(20000) || info.exitCode() != 0)
        GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
    EXPECT_TRUE(
        info.readAllStandardOutput().contains("CreationDate:    Tue Nov 14 22:13:20 2023 UTC"));
    EXPECT_EQ(info.readAllStandardError(), QByteArray()); // the file reads without repair
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
    for (const char *option : {"--element <X>", "--pdf <FILE>", "--sheet <X>", "--sources",
                               "--data <FILE>", "--lang <CODE>"})
        EXPECT_TRUE(help.out.contains(QLatin1String(option))) << option;
    EXPECT_TRUE(help.out.contains(u"A reference to the chemical elements"_s));
    EXPECT_TRUE(help.out.contains(u"-h, --help         Displays help on commandline options.\n"_s));
    // In another language every line is in it, the toolkit's help options too;
    // the options' and their values' names stay as scripts write them.
    const std::pair<const char *, QString> languages[] = {
        {"de", u"Ein Nachschlagewerk zu den chemischen Elementen"_s},
        {"fr", u"Un ouvrage de référence sur les éléments chimiques"_s},
        {"es", u"Una obra de consulta sobre los elementos químicos"_s}};
    for (const auto &[code, description] : languages) {
        const Outcome run = zelvane({u"--help"_s, u"--lang"_s, QString::fromLatin1(code)});
        EXPECT_EQ(run.status, 0) << code;
        EXPECT_TRUE(run.out.contains(description)) << run.out.toStdString();
        for (const char *option : {"-h, --help ", "--help-all ", "-v, --version ", "--pdf <FILE> ",
                                   "--lang <CODE> ", "--view <NAME> ", "--temperature <T> "})
            EXPECT_TRUE(run.out.contains(QLatin1String(option))) << code << option;
        for (const char *english : {"Usage:", "Options:", "Displays", "A reference", "Write "})
            EXPECT_FALSE(run.out.contains(QLatin1String(english))) << code << english;
    }
}

// The language follows LANGUAGE, LC_ALL, LC_MESSAGES and LANG, the first one
// set deciding, and --lang over them all; a language not carried is English,
// without a word about it. Every fault is one line in it, the parser's own
// too, with its usual status.
TEST(CommandLine, FaultsAreToldInTheLanguageAskedFor)
{
    const QStringList noIron{u"--sheet"_s, u"999"_s};
    const auto withArgs = [](QStringList args, const QStringList &more) { return args << more; };
    const QString english = u"zelvane: no element 999 in "_s;
    const QString french = u"zelvane: aucun élément 999 dans "_s;
    const QString spanish = u"zelvane: no hay ningún elemento 999 en "_s;
    const QString german = u"zelvane: kein Element 999 in "_s;
    const struct
    {
        QStringList environment, args;
        int status;
        QString line; // the line's start
    } cases[] = {
        {{}, noIron, 2, english},
        {{u"LANGUAGE=fr"_s, u"LC_ALL=es_ES.UTF-8"_s, u"LANG=de_DE.UTF-8"_s}, noIron, 2, french},
        {{u"LC_ALL=es_ES.UTF-8"_s, u"LC_MESSAGES=fr_FR"_s, u"LANG=de_DE.UTF-8"_s},
         noIron,
         2,
         spanish},
        {{u"LC_MESSAGES=de_DE.UTF-8"_s, u"LANG=fr_FR.UTF-8"_s}, noIron, 2, german},
        {{u"LANG=fr_FR.UTF-8"_s}, noIron, 2, french},
        {{u"LANGUAGE=it:es"_s, u"LANG=de_DE.UTF-8"_s}, noIron, 2, spanish},
        {{u"LANG=ja_JP.UTF-8"_s}, noIron, 2, english},
        {{u"LANGUAGE=fr"_s, u"LANG=de_DE.UTF-8"_s},
         withArgs(noIron, {u"--lang"_s, u"es"_s}),
         2,
         spanish},
        {{u"LANG=de_DE.UTF-8"_s}, withArgs(noIron, {u"--lang=fr"_s}), 2, french},
        {{u"LANG=de_DE.UTF-8"_s}, withArgs(noIron, {u"--lang"_s, u"xx"_s}), 2, english},
        {{u"LANG=de_DE.UTF-8"_s}, withArgs(noIron, {u"--lang=es"_s, u"--lang=fr"_s}), 2, french},
        {{u"LANG=fr_FR.UTF-8"_s},
         {u"--lang"_s, u"de"_s, u"x"_s},
         2,
         u"zelvane: unerwartetes Argument x\n"_s},
        // "--lang" as the value of --data asks for no language.
        {{u"LANG=es_ES.UTF-8"_s},
         {u"--data"_s, u"--lang"_s, u"fr"_s},
         2,
         u"zelvane: argumento inesperado fr\n"_s},
        {{u"LANG=de_DE.UTF-8"_s},
         {u"--frobnicate"_s},
         2,
         u"zelvane: Unbekannte Option 'frobnicate'.\n"_s},
        {{},
         {u"--lang"_s, u"fr"_s, u"--frobnicate"_s},
         2,
         u"zelvane: Option inconnue \"frobnicate\".\n"_s},
        {{u"LANG=de_DE.UTF-8"_s}, {u"--lang"_s}, 2, u"zelvane: Nach '--lang' fehlt der Wert.\n"_s},
        {{u"LANG=es_ES.UTF-8"_s},
         {u"--data"_s, u"/no/such/e.edb"_s, u"--sheet"_s, u"fe"_s},
         1,
         u"zelvane: no se encontró e.edb en /no/such\n"_s},
        {{u"LANG=fr_FR.UTF-8"_s},
         {u"--pdf"_s, u"/no/such/x.pdf"_s},
         1,
         u"zelvane: impossible d’écrire /no/such/x.pdf\u00a0: "_s},
        {{u"LANG=de_DE.UTF-8"_s},
         {},
         1,
         u"zelvane: kann keine Anzeige öffnen (DISPLAY ist nicht gesetzt); --pdf und --sheet "
         u"gehen ohne Anzeige\n"_s},
    };
    for (const auto &[environment, args, status, line] : cases) {
        SCOPED_TRACE((environment + args).join(u' ').toStdString());
        const Outcome run = zelvaneWith(environment, args);
        expectOneLine(run, status, line);
        EXPECT_TRUE(run.err.startsWith(line)) << run.err.toStdString();
    }
}

// Text to standard output is checked to the end: a full disk or a closed
// output is one line and status 1, never a silent success; a reader that went
// away ends the run quietly, with a failing status and no crash. A closed
// output stays closed: no file or descriptor the program opens takes its place
// (the help went into Qt's event descriptor once: "Invalid argument").
TEST(CommandLine, TextThatCannotBeWrittenIsNoSuccess)
{
    for (const QStringList &args :
         {QStringList{u"--sheet"_s, u"fe"_s}, QStringList{u"--help"_s}, {u"--version"_s}}) {
        SCOPED_TRACE(args.join(u' ').toStdString());
        expectOneLine(
            zelvane(args, [](QProcess &p,
                             QProcessEnvironment &) { p.setStandardOutputFile(u"/dev/full"_s); }),
            1, u"zelvane: cannot write to standard output: No space left on device"_s);
        expectOneLine(zelvane(args,
                              [](QProcess &p, QProcessEnvironment &) {
                                  p.setChildProcessModifier([] { close(STDOUT_FILENO); });
                              }),
                      1, u"zelvane: cannot write to standard output: Bad file descriptor"_s);
        // A pipe whose reader has gone, and SIGPIPE as a shell leaves it.
        const Outcome gone = zelvane(args, [](QProcess &p, QProcessEnvironment &) {
            p.setChildProcessModifier([] {
                int ends[2];
                if (pipe(ends) != 0) _exit(99);
                dup2(ends[1], STDOUT_FILENO);
                close(ends[0]);
                close(ends[1]);
                std::signal(SIGPIPE, SIG_DFL);
            });
        });
        EXPECT_FALSE(gone.crashed);
        EXPECT_EQ(gone.status, 1);
        EXPECT_EQ(gone.err, QString());
    }
}

// Without a display the window cannot open: one line says so and why, within
// a second, with status 1; Qt's own five lines and its abort never show.
TEST(CommandLine, NoDisplayIsOneLineNotACrash)
{
    const QString nothing = deadDisplay();
    const Outcome unset = zelvane({});
    expectOneLine(unset, 1,
                  u"zelvane: cannot open a display (DISPLAY is not set); --pdf and --sheet work "
                  "without one\n"_s);
    EXPECT_LT(unset.ms, 1000);
    const Outcome dead =
        zelvane({u"--element"_s, u"fe"_s}, [&nothing](QProcess &, QProcessEnvironment &env) {
            env.insert(u"DISPLAY"_s, nothing);
        });
    expectOneLine(dead, 1,
                  u"zelvane: cannot open a display (nothing answers at DISPLAY=%1); --pdf and "
                  "--sheet work without one\n"_s.arg(nothing));
    EXPECT_LT(dead.ms, 1000);
    // The runs that need no display never look for one, whichever platform the
    // desktop chose for its windows.
    for (const QString &platform : {u"xcb"_s, u"wayland"_s}) {
        QTemporaryDir dir;
        const auto onPlatform = [&](QProcess &, QProcessEnvironment &env) {
            env.insert(u"QT_QPA_PLATFORM"_s, platform);
            env.insert(u"DISPLAY"_s, nothing);
        };
        const QString pdf = dir.filePath(u"t.pdf"_s);
        EXPECT_EQ(zelvane({u"--pdf"_s, pdf}, onPlatform).status, 0) << platform.toStdString();
        EXPECT_TRUE(readFile(pdf).startsWith("%PDF-"));
        EXPECT_EQ(zelvane({u"--version"_s}, onPlatform).out, u"zelvane 1.0\n"_s);
        EXPECT_TRUE(zelvane({u"--help"_s}, onPlatform).out.contains(u"--sheet <X>"_s));
    }
    // A bad data file is told once; no box can show, and none is tried twice.
    QTemporaryDir dir;
    expectOneLine(zelvane({u"--data"_s, dir.filePath(u"missing.edb"_s)},
                          [&nothing](QProcess &, QProcessEnvironment &env) {
                              env.insert(u"DISPLAY"_s, nothing);
                          }),
                  1, u"missing.edb was not found"_s);
}

// A Wayland session whose Qt Wayland plugin is not installed: the program,
// with a Qt plugin folder that lacks it, says so where no X display serves
// either. (tests/smoke/display.sh shows it falling back to an X display.)
TEST(CommandLine, NoWaylandPluginAndNoXIsOneLine)
{
    QTemporaryDir dir;
    const QDir system(QLibraryInfo::path(QLibraryInfo::PluginsPath));
    ASSERT_TRUE(QDir(dir.path()).mkpath(u"plugins/platforms"_s));
    for (const QString &entry : system.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (entry != u"platforms"_s)
            QFile::link(system.filePath(entry), dir.filePath(u"plugins/"_s + entry));
    for (const QString &plugin : QDir(system.filePath(u"platforms"_s)).entryList(QDir::Files))
        if (!plugin.contains(u"wayland"_s))
            QFile::link(system.filePath(u"platforms/"_s + plugin),
                        dir.filePath(u"plugins/platforms/"_s + plugin));
    QFile conf(dir.filePath(u"qt.conf"_s));
    ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
    conf.write("[Paths]\nPlugins=plugins\n");
    conf.close();
    const QString lone = dir.filePath(u"zelvane"_s);
    ASSERT_TRUE(QFile::copy(QStringLiteral(ZELVANE_EXECUTABLE), lone));
    const Outcome run = zelvane({u"--data"_s, QStringLiteral(ZELVANE_EDB_PATH)}, lone,
                                [](QProcess &, QProcessEnvironment &env) {
                                    env.insert(u"QT_QPA_PLATFORM"_s, u"wayland"_s);
                                });
    expectOneLine(run, 1,
                  u"zelvane: cannot open a display (the Qt platform plugin \"wayland\" is not "
                  "installed, and DISPLAY is not set); --pdf and --sheet work without one\n"_s);
    EXPECT_LT(run.ms, 1000);
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
