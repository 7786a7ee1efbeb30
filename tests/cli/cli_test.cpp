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
using Prepare = std::function<void(QProcess &, QProcessEnvironment &)>;

// Runs the program without this one's display, locale, language and time
// settings: it speaks English unless prepare asks for another language.
Outcome zelvane(const QStringList &args,
                const QString &program = QStringLiteral(ZELVANE_EXECUTABLE),
                const Prepare &prepare = {})
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL",
                             "LC_MESSAGES", "LC_PAPER", "SOURCE_DATE_EPOCH", "TZ"})
        env.remove(QString::fromLatin1(name));
    env.insert(u"LANG"_s, u"C"_s);
    if (prepare) prepare(process, env);
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

Outcome zelvane(const QStringList &args, const Prepare &prepare)
{
    return zelvane(args, QStringLiteral(ZELVANE_EXECUTABLE), prepare);
}

// The words of a command line or environment, split at spaces.
QStringList words(const char *line)
{
    return QString::fromUtf8(line).split(u' ', Qt::SkipEmptyParts);
}

// The environment given as NAME=VALUE settings on top.
Prepare withEnvironment(const QStringList &settings)
{
    return [settings](QProcess &, QProcessEnvironment &env) {
        for (const QString &setting : settings)
            env.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    };
}

Outcome zelvaneWith(const QStringList &environment, const QStringList &args,
                    const QString &program = QStringLiteral(ZELVANE_EXECUTABLE))
{
    return zelvane(args, program, withEnvironment(environment));
}

// One line on standard error, starting with start, the run's only output there.
void expectOneLine(const Outcome &run, int status, const QString &start)
{
    EXPECT_EQ(run.status, status) << start.toStdString();
    EXPECT_FALSE(run.crashed) << start.toStdString();
    EXPECT_EQ(run.err.count(u'\n'), 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.startsWith(start)) << run.err.toStdString();
}

// The output of a tool such as pdftotext, its errors too, in UTC; none when it
// is not installed or fails.
std::optional<QString> toolOutput(const QString &tool, const QStringList &args)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"TZ"_s, u"UTC"_s);
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(tool, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return std::nullopt;
    return QString::fromUtf8(p.readAll());
}

// Two colours within 3 of each other in each channel.
bool near(const QColor &a, const QColor &b)
{
    return std::abs(a.red() - b.red()) <= 3 && std::abs(a.green() - b.green()) <= 3 &&
           std::abs(a.blue() - b.blue()) <= 3;
}

// The first pixel, in reading order, near colour c.
std::optional<QPoint> firstOf(const QImage &image, Colour c)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (near(image.pixelColor(x, y), QColor::fromRgb(toQRgb(c)))) return QPoint(x, y);
    return std::nullopt;
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

// English, byte for byte as ever, by number and by name in any case; --lang en
// is English whatever the desktop speaks, and a language not carried is
// English, without a word on standard error.
TEST(CommandLine, SheetWritesIronsLinesAsText)
{
    const Outcome run = zelvane({u"--sheet"_s, u"fe"_s});
    EXPECT_EQ(std::pair(run.status, run.err), std::pair(0, QString()));
    EXPECT_EQ(run.out, ironSheetText());
    EXPECT_TRUE(run.outBytes.startsWith(
        "26 Iron Fe\nPeriod: 4\nGroup: 8 [VIIIB]\n"
        "Classification: Transition Metal\nState: Solid\n"
        "Atomic Weight: 55.845 g/mol\nAtomic Volume: 7.09 cm\xc2\xb3/mol\n"))
        << run.outBytes.left(200).toStdString();
    for (const auto &[environment, args] : {std::pair{"LANG=de_DE.UTF-8", "--sheet fe --lang en"},
                                            {"LANG=ja_JP.UTF-8", "--sheet fe"},
                                            {"LANG=de_DE.UTF-8", "--sheet fe --lang xx"},
                                            {"", "--sheet 26"},
                                            {"", "--sheet IRON"}}) {
        const Outcome other = zelvaneWith(words(environment), words(args));
        EXPECT_EQ(std::tuple(other.status, other.err, other.outBytes),
                  std::tuple(0, QString(), run.outBytes))
            << environment << " " << args;
    }
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
}

// One page each, the table landscape, the element portrait, written by the
// executable alone too, away from the build with nothing beside it but its
// data. On paper the table's words are text, and every picture is drawn for
// paper: 300 pixels to the inch or more.
TEST(CommandLine, PdfPagesAsPrintedWithoutADisplay)
{
    QTemporaryDir dir;
    const QString table = dir.filePath(u"table.pdf"_s), uranium = dir.filePath(u"u.pdf"_s);
    const QString lone = dir.filePath(u"zelvane"_s);
    ASSERT_TRUE(QFile::copy(QStringLiteral(ZELVANE_EXECUTABLE), lone));
    const Outcome alone =
        zelvane({u"--data"_s, QStringLiteral(ZELVANE_EDB_PATH), u"--pdf"_s, table}, lone);
    EXPECT_EQ(alone.status, 0) << alone.err.toStdString();
    EXPECT_EQ(zelvane({u"--pdf"_s, uranium, u"--element"_s, u"92"_s}).status, 0);
    for (const auto &[file, landscape] : {std::pair{table, true}, {uranium, false}}) {
        const QString pdf = QString::fromLatin1(readFile(file));
        const QSizeF size = pdfPageSize(readFile(file));
        EXPECT_TRUE(pdf.startsWith(u"%PDF-"_s) && !pdf.contains(u"DCTDecode"_s)) << landscape;
        EXPECT_EQ(pdf.count(QRegularExpression(u"/Type\\s*/Page[^s]"_s)), 1) << landscape;
        EXPECT_EQ(size.width() > size.height(), landscape);
    }
    const std::optional<QString> text = toolOutput(u"pdftotext"_s, {table, u"-"_s});
    if (!text) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    for (const char *word : {"Fe", "55.845", "GROUP", "Lanthanide Series", "Non Metals"})
        EXPECT_TRUE(text->contains(QLatin1String(word))) << word;
    for (const QString &file : {table, uranium}) {
        // page num type width height color comp bpc enc interp object ID x-ppi y-ppi ...
        int images = 0;
        const QString list = toolOutput(u"pdfimages"_s, {u"-list"_s, file}).value_or(QString());
        for (const QString &row : list.split(u'\n').mid(2)) {
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
// its words text.
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
    for (const char *args : {"--png t1.png", "--png t2.png --scale 2",
                             "--png fe.png --scale 1.5 --element fe", "--svg fe.svg --element 26"})
        EXPECT_EQ(zelvane(words(args),
                          [&dir](QProcess &p, QProcessEnvironment &) {
                              p.setWorkingDirectory(dir.path());
                          })
                      .status,
                  0)
            << args;
    // Below the view chooser, which lies over the table's top right.
    EXPECT_TRUE(picture(u"t1.png"_s).copy(0, 70, 791, 440) ==
                golden("table-page.png", {2, 115, 791, 440}));
    EXPECT_TRUE(picture(u"t2.png"_s).copy(0, 140, 1582, 880) ==
                golden("table-page@2x.png", {4, 230, 1582, 880}));
    EXPECT_EQ(picture(u"fe.png"_s).size(), QSize(1191, 780)); // 794 x 520 at 1.5

    const QByteArray text = readFile(dir.filePath(u"fe.svg"_s));
    EXPECT_TRUE(text.startsWith("<?xml") && text.contains("<svg")) << text.left(80).data();
    for (const char *word : {">Iron<", ">Fe<", ">Protons:<", ">Melting Point:<"})
        EXPECT_TRUE(text.contains(word)) << word;
    if (toolOutput(u"rsvg-convert"_s,
                   {dir.filePath(u"fe.svg"_s), u"-o"_s, dir.filePath(u"s.png"_s)})) {
        EXPECT_EQ(picture(u"s.png"_s).size(), QSize(794, 1123)); // A4 at 96 to the inch
    }
}

// A fault in the command line, the data or a write is one line with its
// status: 2 for the command line, 1 for the data or a write. A name must name
// something: empty or blank is a fault, not element 0. A bad data file stops
// the program, with no box (the reader tests word every fault); a table of no
// elements still serves, and says so. Nothing is written after a fault.
TEST(CommandLine, FaultsGiveOneLineAndTheirStatus)
{
    QTemporaryDir dir;
    const QString noFolder = dir.filePath(u"no/such/folder/x.pdf"_s);
    const QString noSvg = dir.filePath(u"no/such.svg"_s), blank = dir.filePath(u"b.pdf"_s);
    const QString empty = dir.filePath(u"empty.edb"_s), missing = dir.filePath(u"missing.edb"_s);
    ASSERT_TRUE(writeFile(empty, QByteArray(2, '\0')));
    const QString noElement =
        u"zelvane: --element needs an element: a number, a symbol or a name\n"_s;
    const QString noSheet = u"zelvane: --sheet needs an element: a number, a symbol or a name\n"_s;
    const QString noRoom = u"zelvane: cannot write /dev/full: No space left on device\n"_s;
    const QString badScale = u"zelvane: --scale takes a number from 1 to 8, not "_s;
    const struct
    {
        QStringList args;
        int status;
        QString line; // the line's start
    } cases[] = {
        {words("--element ununknown"), 2, u"zelvane: no element ununknown in "_s},
        {words("--sheet 119"), 2, u"zelvane: no element 119 in "_s},
        {words("--frobnicate"), 2, u"zelvane: Unknown option 'frobnicate'.\n"_s},
        {{u"--sheet"_s, u""_s}, 2, noSheet},
        {{u"--sheet"_s, u"  "_s}, 2, noSheet},
        {{u"--element"_s, u""_s}, 2, noElement},
        {{u"--element"_s, u" \t"_s, u"--pdf"_s, blank}, 2, noElement},
        {{u"--pdf"_s, u""_s}, 2, u"zelvane: --pdf needs a file name\n"_s},
        {{u"--png"_s, u""_s}, 2, u"zelvane: --png needs a file name\n"_s},
        {words("--png x.png --scale 0.5"), 2, badScale + u"0.5\n"_s},
        {words("--png x.png --scale two"), 2, badScale + u"two\n"_s},
        {words("--svg x.svg --scale 2"), 2, u"zelvane: --scale goes with --png\n"_s},
        {words("--svg x.svg --png x.png"), 2,
         u"zelvane: --pdf, --svg and --png go one at a time\n"_s},
        {words("--sources"), 2, u"zelvane: --sources goes with --sheet\n"_s},
        {words("--sheet fe --view density"), 2, u"zelvane: --sheet goes alone\n"_s},
        {words("--view bogus"), 2, u"zelvane: no view bogus (zelvane --list-views names them)\n"_s},
        {words("--view Density"), 2, u"zelvane: no view Density ("_s},
        {words("--temperature 20X"), 2, u"zelvane: bad temperature 20X: "_s},
        {words("--temperature 300"), 2, u"zelvane: bad temperature 300: "_s},
        {words("--temperature -1K"), 2, u"zelvane: bad temperature -1K: "_s},
        {words("--temperature 6001K"), 2, u"zelvane: bad temperature 6001K: "_s},
        {{u"--pdf"_s, noFolder},
         1,
         u"zelvane: cannot write %1: No such file or directory\n"_s.arg(noFolder)},
        {{u"--svg"_s, noSvg},
         1,
         u"zelvane: cannot write %1: No such file or directory\n"_s.arg(noSvg)},
        {words("--pdf /dev/full"), 1, noRoom},
        {words("--png /dev/full"), 1, noRoom},
        {{u"--data"_s, missing}, 1, u"zelvane: missing.edb was not found in "_s},
        {{u"--data"_s, empty, u"--pdf"_s, dir.filePath(u"e.pdf"_s)},
         0,
         u"zelvane: warning: %1 holds no elements\n"_s.arg(empty)},
    };
    for (const auto &[args, status, line] : cases) {
        SCOPED_TRACE(args.join(u' ').toStdString());
        expectOneLine(zelvane(args), status, line);
    }
    EXPECT_FALSE(QFileInfo::exists(blank));
    EXPECT_TRUE(readFile(dir.filePath(u"e.pdf"_s)).startsWith("%PDF-"));
}

// Output that cannot be written is no success: a full disk or a closed
// standard output is one line and status 1; a reader that went away ends the
// run quietly, with a failing status and no crash. A closed output stays
// closed: no file or descriptor the program opens takes its place (the help
// went into Qt's event descriptor once: "Invalid argument"). A file that
// cannot be written is replaced by nothing: the old file stays byte for byte,
// and no new file is left beside it.
TEST(CommandLine, OutputThatCannotBeWrittenIsNoSuccessAndReplacesNothing)
{
    const Prepare full = [](QProcess &p, QProcessEnvironment &) {
        p.setStandardOutputFile(u"/dev/full"_s);
    };
    const Prepare closed = [](QProcess &p, QProcessEnvironment &) {
        p.setChildProcessModifier([] { close(STDOUT_FILENO); });
    };
    // A pipe whose reader has gone, and SIGPIPE as a shell leaves it.
    const Prepare gone = [](QProcess &p, QProcessEnvironment &) {
        p.setChildProcessModifier([] {
            int ends[2];
            if (pipe(ends) != 0) _exit(99);
            dup2(ends[1], STDOUT_FILENO);
            close(ends[0]);
            close(ends[1]);
            std::signal(SIGPIPE, SIG_DFL);
        });
    };
    const QString text = u"zelvane: cannot write to standard output: "_s;
    const QString pdf = u"zelvane: cannot write standard output: "_s;
    for (const auto &[args, line] :
         {std::pair{"--sheet fe", text}, {"--help", text}, {"--version", text}, {"--pdf -", pdf}}) {
        SCOPED_TRACE(args);
        expectOneLine(zelvane(words(args), full), 1, line + u"No space left on device\n"_s);
        expectOneLine(zelvane(words(args), closed), 1, line + u"Bad file descriptor\n"_s);
        const Outcome quiet = zelvane(words(args), gone);
        EXPECT_EQ(std::tuple(quiet.crashed, quiet.status, quiet.err),
                  std::tuple(false, 1, QString()));
    }

    FullFolder folder;
    if (!folder.skipReason().isEmpty()) GTEST_SKIP() << folder.skipReason().toStdString();
    const QStringList before = folder.entries();
    for (const QStringList &element : {QStringList(), words("--element fe")}) {
        SCOPED_TRACE(element.join(u' ').toStdString());
        expectOneLine(
            zelvane(QStringList{u"--pdf"_s, folder.oldFile()} + element), 1,
            u"zelvane: cannot write %1: No space left on device\n"_s.arg(folder.oldFile()));
        EXPECT_EQ(readFile(folder.oldFile()), FullFolder::oldBytes());
        EXPECT_EQ(folder.entries(), before);
    }
}

// The page is laid on the paper of the locale's territory: LC_PAPER, unless
// LC_ALL says otherwise; to a file or to standard output. With
// SOURCE_DATE_EPOCH, runs give the same bytes, in any time zone, and the
// document's creation date is that time.
TEST(CommandLine, PdfOnTheUsersPaperTheSameEveryTime)
{
    QTemporaryDir dir;
    const QString table = dir.filePath(u"t.pdf"_s), iron = dir.filePath(u"fe.pdf"_s);
    const struct
    {
        const char *env;
        QSizeF portrait; // in points
    } cases[] = {{"LC_PAPER=en_US.UTF-8", {612, 792}},
                 {"LC_PAPER=fr_CA.UTF-8", {612, 792}},
                 {"LC_PAPER=de_DE.UTF-8", {595, 842}},
                 {"LC_ALL=en_GB.UTF-8 LC_PAPER=en_US.UTF-8", {595, 842}}};
    for (const auto &[env, portrait] : cases) {
        SCOPED_TRACE(env);
        EXPECT_EQ(zelvaneWith(words(env), {u"--pdf"_s, table}).status, 0);
        EXPECT_EQ(zelvaneWith(words(env), {u"--pdf"_s, iron, u"--element"_s, u"fe"_s}).status, 0);
        const QSizeF landscape = pdfPageSize(readFile(table)),
                     upright = pdfPageSize(readFile(iron));
        EXPECT_NEAR(landscape.width(), portrait.height(), 0.01);
        EXPECT_NEAR(landscape.height(), portrait.width(), 0.01);
        EXPECT_NEAR(upright.width(), portrait.width(), 0.01);
        EXPECT_NEAR(upright.height(), portrait.height(), 0.01);
    }
    std::vector<QByteArray> pdfs;
    for (const char *tz : {"TZ=UTC", "TZ=CET-1", "TZ=UTC", "TZ=CET-1", "TZ=EST5"}) {
        const QStringList env{u"SOURCE_DATE_EPOCH=1700000000"_s, QString::fromLatin1(tz)};
        EXPECT_EQ(zelvaneWith(env, {u"--pdf"_s, iron, u"--element"_s, u"fe"_s}).status, 0) << tz;
        pdfs.push_back(readFile(iron));
    }
    // The same document on standard output, through a pipe.
    const Outcome out = zelvaneWith({u"SOURCE_DATE_EPOCH=1700000000"_s},
                                    {u"--pdf"_s, u"-"_s, u"--element"_s, u"fe"_s});
    EXPECT_EQ(std::pair(out.status, out.err), std::pair(0, QString()));
    pdfs.push_back(out.outBytes);
    for (const QByteArray &pdf : pdfs)
        EXPECT_EQ(pdf, pdfs[0]);
    EXPECT_TRUE(pdfs[0].contains("/CreationDate (D:20231114221320Z)"));
    const std::optional<QString> info = toolOutput(u"pdfinfo"_s, {iron});
    if (!info) GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
    EXPECT_TRUE(info->contains(u"CreationDate:    Tue Nov 14 22:13:20 2023 UTC"_s));
    EXPECT_FALSE(info->contains(u"Error"_s)) << info->toStdString(); // it reads without repair
}

// The help names every option, in English or in the language asked for, the
// toolkit's help options too; the options' and their values' names stay as
// scripts write them. The views are listed by the names --view takes.
TEST(CommandLine, HelpVersionAndViews)
{
    EXPECT_EQ(zelvane({u"--version"_s}).out, u"zelvane 1.0\n"_s);
    const Outcome list = zelvane({u"--list-views"_s});
    EXPECT_EQ(std::tuple(list.status, list.err), std::tuple(0, QString()));
    EXPECT_EQ(list.out, u"classes\nblock\nstate\natomic-weight\ndensity\nmelting-point\n"
                        "boiling-point\natomic-radius\ncovalent-radius\natomic-volume\n"
                        "electronegativity\nionization-energy\nspecific-heat\nfusion-heat\n"
                        "evaporation-heat\nthermal-conductivity\ndebye-temperature\n"_s);
    const struct
    {
        const char *lang;
        QString description;
    } languages[] = {{"en", u"A reference to the chemical elements"_s},
                     {"de", u"Ein Nachschlagewerk zu den chemischen Elementen"_s},
                     {"fr", u"Un ouvrage de référence sur les éléments chimiques"_s},
                     {"es", u"Una obra de consulta sobre los elementos químicos"_s}};
    for (const auto &[lang, description] : languages) {
        const Outcome run = zelvane({u"--help"_s, u"--lang"_s, QString::fromLatin1(lang)});
        EXPECT_EQ(run.status, 0) << lang;
        EXPECT_TRUE(run.out.contains(description)) << run.out.toStdString();
        for (const char *option :
             {"-h, --help ", "--help-all ", "-v, --version ", "--element <X> ", "--pdf <FILE> ",
              "--svg <FILE> ", "--png <FILE> ", "--scale <N> ", "--sheet <X> ", "--sources ",
              "--data <FILE> ", "--lang <CODE> ", "--view <NAME> ", "--temperature <T> ",
              "--list-views "})
            EXPECT_TRUE(run.out.contains(QLatin1String(option))) << lang << option;
        for (const char *english : {"Usage:", "Options:", "Displays", "A reference", "Write "})
            EXPECT_EQ(run.out.contains(QLatin1String(english)), lang == std::string("en"))
                << lang << english;
    }
    EXPECT_TRUE(zelvane({u"--help"_s})
                    .out.contains(u"-h, --help         Displays help on commandline options.\n"_s));
}

// The language follows LANGUAGE, LC_ALL, LC_MESSAGES and LANG, the first one
// set deciding, and --lang over them all; a language not carried is English,
// without a word about it. Every fault is one line in it, the parser's own
// too, with its usual status.
TEST(CommandLine, FaultsAreToldInTheLanguageAskedFor)
{
    const QString english = u"zelvane: no element 999 in "_s;
    const QString french = u"zelvane: aucun élément 999 dans "_s;
    const QString spanish = u"zelvane: no hay ningún elemento 999 en "_s;
    const QString german = u"zelvane: kein Element 999 in "_s;
    const struct
    {
        const char *environment, *args;
        int status;
        QString line; // the line's start
    } cases[] = {
        {"", "--sheet 999", 2, english},
        {"LANGUAGE=fr LC_ALL=es_ES.UTF-8 LANG=de_DE.UTF-8", "--sheet 999", 2, french},
        {"LC_ALL=es_ES.UTF-8 LC_MESSAGES=fr_FR LANG=de_DE.UTF-8", "--sheet 999", 2, spanish},
        {"LC_MESSAGES=de_DE.UTF-8 LANG=fr_FR.UTF-8", "--sheet 999", 2, german},
        {"LANG=fr_FR.UTF-8", "--sheet 999", 2, french},
        {"LANGUAGE=it:es LANG=de_DE.UTF-8", "--sheet 999", 2, spanish},
        {"LANG=ja_JP.UTF-8", "--sheet 999", 2, english},
        {"LANGUAGE=fr LANG=de_DE.UTF-8", "--sheet 999 --lang es", 2, spanish},
        {"LANG=de_DE.UTF-8", "--sheet 999 --lang=fr", 2, french},
        {"LANG=de_DE.UTF-8", "--sheet 999 --lang xx", 2, english},
        {"LANG=de_DE.UTF-8", "--sheet 999 --lang=es --lang=fr", 2, french},
        {"LANG=fr_FR.UTF-8", "--lang de x", 2, u"zelvane: unerwartetes Argument x\n"_s},
        // "--lang" as the value of --data asks for no language.
        {"LANG=es_ES.UTF-8", "--data --lang fr", 2, u"zelvane: argumento inesperado fr\n"_s},
        {"LANG=de_DE.UTF-8", "--frobnicate", 2, u"zelvane: Unbekannte Option 'frobnicate'.\n"_s},
        {"", "--lang fr --frobnicate", 2, u"zelvane: Option inconnue \"frobnicate\".\n"_s},
        {"LANG=de_DE.UTF-8", "--lang", 2, u"zelvane: Nach '--lang' fehlt der Wert.\n"_s},
        {"LANG=es_ES.UTF-8", "--data /no/such/e.edb --sheet fe", 1,
         u"zelvane: no se encontró e.edb en /no/such\n"_s},
        {"LANG=fr_FR.UTF-8", "--pdf /no/such/x.pdf", 1,
         u"zelvane: impossible d’écrire /no/such/x.pdf\u00a0: "_s},
        {"LANG=de_DE.UTF-8", "", 1,
         u"zelvane: kann keine Anzeige öffnen (DISPLAY ist nicht gesetzt); --pdf und --sheet "
         u"gehen ohne Anzeige\n"_s},
    };
    for (const auto &[environment, args, status, line] : cases) {
        SCOPED_TRACE(std::string(environment) + " " + args);
        expectOneLine(zelvaneWith(words(environment), words(args)), status, line);
    }
}

// Without a display the window cannot open: one line says so and why, within
// a second, with status 1; Qt's own five lines and its abort never show. The
// runs that need no display never look for one, whichever platform the
// desktop chose for its windows. A bad data file is told once; no box can
// show, and none is tried twice.
TEST(CommandLine, NoDisplayIsOneLineNotACrash)
{
    const QString nothing = deadDisplay();
    const QString why =
        u"zelvane: cannot open a display (%1); --pdf and --sheet work without one\n"_s;
    const Outcome unset = zelvane({});
    expectOneLine(unset, 1, why.arg(u"DISPLAY is not set"_s));
    EXPECT_LT(unset.ms, 1000);
    const Outcome dead = zelvaneWith({u"DISPLAY="_s + nothing}, words("--element fe"));
    expectOneLine(dead, 1, why.arg(u"nothing answers at DISPLAY="_s + nothing));
    EXPECT_LT(dead.ms, 1000);
    QTemporaryDir dir;
    expectOneLine(zelvaneWith({u"DISPLAY="_s + nothing}, {u"--data"_s, dir.filePath(u"m.edb"_s)}),
                  1, u"zelvane: m.edb was not found in "_s);
    for (const QString &platform : {u"xcb"_s, u"wayland"_s}) {
        SCOPED_TRACE(platform.toStdString());
        const QStringList env{u"QT_QPA_PLATFORM="_s + platform, u"DISPLAY="_s + nothing};
        const QString pdf = dir.filePath(platform + u".pdf"_s);
        EXPECT_EQ(zelvaneWith(env, {u"--pdf"_s, pdf}).status, 0);
        EXPECT_TRUE(readFile(pdf).startsWith("%PDF-"));
        EXPECT_EQ(zelvaneWith(env, {u"--version"_s}).out, u"zelvane 1.0\n"_s);
        EXPECT_TRUE(zelvaneWith(env, {u"--help"_s}).out.contains(u"--sheet <X>"_s));
    }

    // A Wayland session whose Qt Wayland plugin is not installed: the program,
    // with a Qt plugin folder that lacks it, says so where no X display serves
    // either. (tests/smoke/display.sh shows it falling back to an X display.)
    const QDir system(QLibraryInfo::path(QLibraryInfo::PluginsPath));
    ASSERT_TRUE(QDir(dir.path()).mkpath(u"plugins/platforms"_s));
    for (const QString &entry : system.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (entry != u"platforms"_s)
            QFile::link(system.filePath(entry), dir.filePath(u"plugins/"_s + entry));
    for (const QString &plugin : QDir(system.filePath(u"platforms"_s)).entryList(QDir::Files))
        if (!plugin.contains(u"wayland"_s))
            QFile::link(system.filePath(u"platforms/"_s + plugin),
                        dir.filePath(u"plugins/platforms/"_s + plugin));
    ASSERT_TRUE(writeFile(dir.filePath(u"qt.conf"_s), "[Paths]\nPlugins=plugins\n"));
    const QString lone = dir.filePath(u"zelvane"_s);
    ASSERT_TRUE(QFile::copy(QStringLiteral(ZELVANE_EXECUTABLE), lone));
    const Outcome run = zelvaneWith({u"QT_QPA_PLATFORM=wayland"_s},
                                    {u"--data"_s, QStringLiteral(ZELVANE_EDB_PATH)}, lone);
    expectOneLine(run, 1,
                  why.arg(u"the Qt platform plugin \"wayland\" is not installed, and DISPLAY is "
                          u"not set"_s));
    EXPECT_LT(run.ms, 1000);
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
    if (!toolOutput(u"pdftoppm"_s,
                    {u"-r"_s, u"96"_s, u"-png"_s, u"-singlefile"_s, pdf, dir.filePath(u"state"_s)}))
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
    for (int z = 1; z <= 118; ++z) {
        const QPoint at(rects[z].Left + 3, rects[z].Top + 30);
        const QColor s = QColor::fromRgb(screen.image().pixel(at));
        const QColor p = paper.pixelColor(at + *onPaper - *onScreen);
        EXPECT_TRUE(near(s, p)) << z << ": screen " << s.name().toStdString() << ", paper "
                                << p.name().toStdString();
    }
    // Mercury and bromine are liquid at 80 °F.
    EXPECT_EQ(screen.pixel(rects[80].Left + 3, rects[80].Top + 30), PhaseColours[1]);
    EXPECT_EQ(screen.pixel(rects[35].Left + 3, rects[35].Top + 30), PhaseColours[1]);
    const QString text = toolOutput(u"pdftotext"_s, {pdf, u"-"_s}).value_or(QString());
    for (const QString &word : {u"State at 80 \u00B0F"_s, u"Liquid"_s, u"Unknown"_s})
        EXPECT_TRUE(text.contains(word)) << word.toStdString();
    EXPECT_FALSE(text.contains(u"Non Metals"_s));
}
