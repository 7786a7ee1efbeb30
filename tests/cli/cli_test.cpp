// The real program run from the command line, with no display.

#include "creatept.h"
#include "filewrite.h"
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

// Changes to the run's standard streams or working folder before it starts.
using Prepare = std::function<void(QProcess &)>;

// Runs the program without this one's display, locale, language and time
// settings, with the NAME=VALUE settings of env on top: it speaks English
// unless env asks for another language.
Outcome zelvane(const QStringList &args, const QStringList &env = {}, const Prepare &prepare = {},
                const QString &program = QStringLiteral(ZELVANE_EXECUTABLE))
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL",
                             "LC_MESSAGES", "LC_PAPER", "SOURCE_DATE_EPOCH", "TZ"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(u"LANG"_s, u"C"_s);
    for (const QString &setting : env)
        environment.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    process.setProcessEnvironment(environment);
    if (prepare) prepare(process);
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

// The words of a command line or environment, split at spaces; '' is an
// empty word, and ~ a space within one.
QStringList words(const char *line)
{
    QStringList list = QString::fromUtf8(line).split(u' ', Qt::SkipEmptyParts);
    for (QString &word : list)
        word = word == u"''"_s ? QString() : word.replace(u'~', u' ');
    return list;
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

} // namespace

// English, byte for byte as ever, by number and by name in any case; --lang en
// is English whatever the desktop speaks, and a language not carried is
// English, without a word on standard error. With --sources each line is
// followed by where its value comes from; a value of another data file than
// the one shipped comes from an unknown source.
TEST(CommandLine, SheetWritesIronsLinesAsTextWithTheirSources)
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
        const Outcome other = zelvane(words(args), words(environment));
        EXPECT_EQ(std::tuple(other.status, other.err, other.outBytes),
                  std::tuple(0, QString(), run.outBytes))
            << environment << " " << args;
    }

    const Outcome sources = zelvane({u"--sheet"_s, u"fe"_s, u"--sources"_s});
    EXPECT_EQ(std::pair(sources.status, sources.err), std::pair(0, QString()));
    const QStringList plain = ironSheetText().split(u'\n');
    const QStringList lines = sources.out.split(u'\n');
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
    ASSERT_EQ(0, replaceFile(other, makeEdbBytes(records)));
    const QString out = zelvane({u"--data"_s, other, u"--sheet"_s, u"26"_s, u"--sources"_s}).out;
    EXPECT_TRUE(out.contains(u"\nDensity: 7.9 g/cm³ — unknown\n"_s)) << out.toStdString();
    EXPECT_TRUE(out.contains(u"\nAtomic Weight: 55.845 g/mol — Blue Obelisk Data Repository 10; "
                             u"MIT\n"_s));
}

// One page each, the table landscape, the element portrait, written by the
// executable alone too, away from the build with nothing beside it but its
// data. On paper the table's words are text, and every picture is drawn for
// paper: 300 pixels to the inch or more. The screen's pictures as PNG: the
// table picture pixel for pixel as the window shows it at scale 1 and at 2
// (the golden pictures of the window, less its frame and header), the Element
// page at its size; the printed page as SVG, its words text.
TEST(CommandLine, PagesAndPicturesWrittenWithoutADisplay)
{
    QTemporaryDir dir;
    const QString table = dir.filePath(u"table.pdf"_s), uranium = dir.filePath(u"u.pdf"_s);
    const QString lone = dir.filePath(u"zelvane"_s);
    ASSERT_TRUE(QFile::copy(QStringLiteral(ZELVANE_EXECUTABLE), lone));
    const Outcome alone =
        zelvane({u"--data"_s, QStringLiteral(ZELVANE_EDB_PATH), u"--pdf"_s, table}, {}, {}, lone);
    EXPECT_EQ(alone.status, 0) << alone.err.toStdString();
    const Prepare inDir = [&dir](QProcess &p) { p.setWorkingDirectory(dir.path()); };
    for (const char *args : {"--pdf u.pdf --element 92", "--png t1.png", "--png t2.png --scale 2",
                             "--png fe.png --scale 1.5 --element fe", "--svg fe.svg --element 26"})
        EXPECT_EQ(zelvane(words(args), {}, inDir).status, 0) << args;
    for (const auto &[file, landscape] : {std::pair{table, true}, {uranium, false}}) {
        const QString pdf = QString::fromLatin1(readFile(file));
        const QSizeF size = pdfPageSize(readFile(file));
        EXPECT_TRUE(pdf.startsWith(u"%PDF-"_s) && !pdf.contains(u"DCTDecode"_s)) << landscape;
        EXPECT_EQ(pdf.count(QRegularExpression(u"/Type\\s*/Page[^s]"_s)), 1) << landscape;
        EXPECT_EQ(size.width() > size.height(), landscape);
    }
    const auto picture = [&dir](const QString &name) {
        return QImage(dir.filePath(name)).convertToFormat(QImage::Format_RGB32);
    };
    const auto golden = [](const char *name, QRect part) {
        return QImage(QStringLiteral(ZELVANE_SOURCE_DIR "/tests/golden/") + QLatin1String(name))
            .convertToFormat(QImage::Format_RGB32)
            .copy(part);
    };
    // Below the view chooser, which lies over the table's top right.
    EXPECT_TRUE(picture(u"t1.png"_s).copy(0, 70, 791, 440) ==
                golden("table-page.png", {2, 115, 791, 440}));
    EXPECT_TRUE(picture(u"t2.png"_s).copy(0, 140, 1582, 880) ==
                golden("table-page@2x.png", {4, 230, 1582, 880}));
    EXPECT_EQ(picture(u"fe.png"_s).size(), QSize(1191, 780)); // 794 x 520 at 1.5

    const QByteArray svg = readFile(dir.filePath(u"fe.svg"_s));
    EXPECT_TRUE(svg.startsWith("<?xml") && svg.contains("<svg")) << svg.left(80).data();
    for (const char *word : {">Iron<", ">Fe<", ">Protons:<", ">Melting Point:<"})
        EXPECT_TRUE(svg.contains(word)) << word;
    if (toolOutput(u"rsvg-convert"_s,
                   {dir.filePath(u"fe.svg"_s), u"-o"_s, dir.filePath(u"s.png"_s)})) {
        EXPECT_EQ(picture(u"s.png"_s).size(), QSize(794, 1123)); // A4 at 96 to the inch
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

// A fault in the command line, the data or a write is one line with its
// status: 2 for the command line, 1 for the data or a write; nothing is written
// after it. A name must name something: empty or blank is not element 0. A bad
// data file stops the program, with no box (the reader tests word every
// fault); a table of no elements still serves, and says so. The language
// follows LANGUAGE, LC_ALL, LC_MESSAGES and LANG, the first one set deciding,
// and --lang (the last one) over them all; a language not carried is English,
// without a word about it. The parser's own faults are in it too.
TEST(CommandLine, FaultsGiveOneLineAndTheirStatusInTheLanguageAskedFor)
{
    QTemporaryDir dir;
    ASSERT_EQ(0, replaceFile(dir.filePath(u"empty.edb"_s), QByteArray(2, '\0')));
    const char *de = "LANG=de_DE.UTF-8", *fr = "LANG=fr_FR.UTF-8", *es = "LANG=es_ES.UTF-8";
    const char *english = "zelvane: no element 999 in ",
               *french = "zelvane: aucun élément 999 dans ",
               *spanish = "zelvane: no hay ningún elemento 999 en ";
    const struct
    {
        const char *env, *args; // '' is an empty word, ~ a space in one
        int status;
        const char *line; // the line's start
    } cases[] = {
        {"", "--element ununknown", 2, "zelvane: no element ununknown in "},
        {"", "--sheet 119", 2, "zelvane: no element 119 in "},
        {"", "--frobnicate", 2, "zelvane: Unknown option 'frobnicate'.\n"},
        {"", "--sheet ''", 2, "zelvane: --sheet needs an element: a number, a symbol or a name\n"},
        {"", "--sheet ~~", 2, "zelvane: --sheet needs an element: a number, a symbol or a name\n"},
        {"", "--element ''", 2, "zelvane: --element needs an element: a number, a symbol or a"},
        {"", "--element ~\t --pdf b.pdf", 2, "zelvane: --element needs an element: "},
        {"", "--pdf ''", 2, "zelvane: --pdf needs a file name\n"},
        {"", "--png ''", 2, "zelvane: --png needs a file name\n"},
        {"", "--png x.png --scale 0.5", 2,
         "zelvane: --scale takes a number from 1 to 8, not 0.5\n"},
        {"", "--png x.png --scale two", 2,
         "zelvane: --scale takes a number from 1 to 8, not two\n"},
        {"", "--svg x.svg --scale 2", 2, "zelvane: --scale goes with --png\n"},
        {"", "--svg x.svg --png x.png", 2, "zelvane: --pdf, --svg and --png go one at a time\n"},
        {"", "--sources", 2, "zelvane: --sources goes with --sheet\n"},
        {"", "--sheet fe --view density", 2, "zelvane: --sheet goes alone\n"},
        {"", "--view bogus", 2, "zelvane: no view bogus (zelvane --list-views names them)\n"},
        {"", "--view Density", 2, "zelvane: no view Density ("},
        {"", "--temperature 20X", 2, "zelvane: bad temperature 20X: "},
        {"", "--temperature 300", 2, "zelvane: bad temperature 300: "},
        {"", "--temperature -1K", 2, "zelvane: bad temperature -1K: "},
        {"", "--temperature 6001K", 2, "zelvane: bad temperature 6001K: "},
        {"", "--pdf no/such/x.pdf", 1, "zelvane: cannot write no/such/x.pdf: No such file or"},
        {"", "--svg no/such.svg", 1,
         "zelvane: cannot write no/such.svg: No such file or directory\n"},
        {"", "--pdf /dev/full", 1, "zelvane: cannot write /dev/full: No space left on device\n"},
        {"", "--png /dev/full", 1, "zelvane: cannot write /dev/full: No space left on device\n"},
        {"", "--data missing.edb", 1, "zelvane: missing.edb was not found in "},
        {"", "--data empty.edb --pdf e.pdf", 0, "zelvane: warning: empty.edb holds no elements\n"},
        // In the language asked for.
        {"", "--sheet 999", 2, english},
        {"LANGUAGE=fr LC_ALL=es_ES.UTF-8 LANG=de_DE.UTF-8", "--sheet 999", 2, french},
        {"LC_ALL=es_ES.UTF-8 LC_MESSAGES=fr_FR LANG=de_DE.UTF-8", "--sheet 999", 2, spanish},
        {"LC_MESSAGES=de_DE.UTF-8 LANG=fr_FR.UTF-8", "--sheet 999", 2, "zelvane: kein Element 999"},
        {fr, "--sheet 999", 2, french},
        {"LANGUAGE=it:es LANG=de_DE.UTF-8", "--sheet 999", 2, spanish},
        {"LANG=ja_JP.UTF-8", "--sheet 999", 2, english},
        {"LANGUAGE=fr LANG=de_DE.UTF-8", "--sheet 999 --lang es", 2, spanish},
        {de, "--sheet 999 --lang=fr", 2, french},
        {de, "--sheet 999 --lang xx", 2, english},
        {de, "--sheet 999 --lang=es --lang=fr", 2, french},
        {fr, "--lang de x", 2, "zelvane: unerwartetes Argument x\n"},
        // "--lang" as the value of --data asks for no language.
        {es, "--data --lang fr", 2, "zelvane: argumento inesperado fr\n"},
        {de, "--frobnicate", 2, "zelvane: Unbekannte Option 'frobnicate'.\n"},
        {"", "--lang fr --frobnicate", 2, "zelvane: Option inconnue \"frobnicate\".\n"},
        {de, "--lang", 2, "zelvane: Nach '--lang' fehlt der Wert.\n"},
        {es, "--data /no/such/e.edb --sheet fe", 1, "zelvane: no se encontró e.edb en /no/such\n"},
        {fr, "--pdf /no/such/x.pdf", 1, "zelvane: impossible d’écrire /no/such/x.pdf\u00a0: "},
        {de, "", 1,
         "zelvane: kann keine Anzeige öffnen (DISPLAY ist nicht gesetzt); --pdf und "
         "--sheet gehen ohne Anzeige\n"},
    };
    const Prepare inDir = [&dir](QProcess &p) { p.setWorkingDirectory(dir.path()); };
    for (const auto &[env, args, status, line] : cases) {
        SCOPED_TRACE(std::string(env) + " " + args);
        expectOneLine(zelvane(words(args), words(env), inDir), status, QString::fromUtf8(line));
    }
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(u"b.pdf"_s)));
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
    const Prepare full = [](QProcess &p) { p.setStandardOutputFile(u"/dev/full"_s); };
    const Prepare closed = [](QProcess &p) {
        p.setChildProcessModifier([] { close(STDOUT_FILENO); });
    };
    // A pipe whose reader has gone, and SIGPIPE as a shell leaves it.
    const Prepare gone = [](QProcess &p) {
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
        expectOneLine(zelvane(words(args), {}, full), 1, line + u"No space left on device\n"_s);
        expectOneLine(zelvane(words(args), {}, closed), 1, line + u"Bad file descriptor\n"_s);
        const Outcome quiet = zelvane(words(args), {}, gone);
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
        EXPECT_EQ(zelvane({u"--pdf"_s, table}, words(env)).status, 0);
        EXPECT_EQ(zelvane({u"--pdf"_s, iron, u"--element"_s, u"fe"_s}, words(env)).status, 0);
        EXPECT_EQ(pdfPageSize(readFile(table)), portrait.transposed());
        EXPECT_EQ(pdfPageSize(readFile(iron)), portrait);
    }
    std::vector<QByteArray> pdfs;
    for (const char *tz : {"TZ=UTC", "TZ=CET-1", "TZ=UTC", "TZ=CET-1", "TZ=EST5"}) {
        const QStringList env{u"SOURCE_DATE_EPOCH=1700000000"_s, QString::fromLatin1(tz)};
        EXPECT_EQ(zelvane({u"--pdf"_s, iron, u"--element"_s, u"fe"_s}, env).status, 0) << tz;
        pdfs.push_back(readFile(iron));
    }
    // The same document on standard output, through a pipe.
    const Outcome out = zelvane(words("--pdf - --element fe"), {u"SOURCE_DATE_EPOCH=1700000000"_s});
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
    const Outcome dead = zelvane(words("--element fe"), {u"DISPLAY="_s + nothing});
    expectOneLine(dead, 1, why.arg(u"nothing answers at DISPLAY="_s + nothing));
    EXPECT_LT(dead.ms, 1000);
    QTemporaryDir dir;
    expectOneLine(zelvane({u"--data"_s, dir.filePath(u"m.edb"_s)}, {u"DISPLAY="_s + nothing}), 1,
                  u"zelvane: m.edb was not found in "_s);
    for (const QString &platform : {u"xcb"_s, u"wayland"_s}) {
        SCOPED_TRACE(platform.toStdString());
        const QStringList env{u"QT_QPA_PLATFORM="_s + platform, u"DISPLAY="_s + nothing};
        const QString pdf = dir.filePath(platform + u".pdf"_s);
        EXPECT_EQ(zelvane({u"--pdf"_s, pdf}, env).status, 0);
        EXPECT_TRUE(readFile(pdf).startsWith("%PDF-"));
        EXPECT_EQ(zelvane({u"--version"_s}, env).out, u"zelvane 1.0\n"_s);
        EXPECT_TRUE(zelvane({u"--help"_s}, env).out.contains(u"--sheet <X>"_s));
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
    ASSERT_EQ(0, replaceFile(dir.filePath(u"qt.conf"_s), "[Paths]\nPlugins=plugins\n"));
    const QString lone = dir.filePath(u"zelvane"_s);
    ASSERT_TRUE(QFile::copy(QStringLiteral(ZELVANE_EXECUTABLE), lone));
    const Outcome run = zelvane({u"--data"_s, QStringLiteral(ZELVANE_EDB_PATH)},
                                {u"QT_QPA_PLATFORM=wayland"_s}, {}, lone);
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
