#include "commandline.h"

#include "datasheet.h"
#include "display.h"
#include "filewrite.h"
#include "fonts.h"
#include "headless.h"
#include "language.h"
#include "sheetsources.h"
#include "systemplatform.h"
#include "viewoptions.h"
#include "zelmain.h"
#include "zelmod.h"

#include <QApplication>
#include <QBuffer>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHashFunctions>
#include <QMessageBox>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <memory>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int DataFault = 1;
constexpr int WriteFault = 1;
constexpr int UsageFault = 2;

void writeOut(std::FILE *to, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), to);
}

// Writes text to standard output and checks that all of it got there. A full
// disk or a closed output is told in one line; a reader that went away (a
// closed pipe) ends the run quietly, as it would any filter.
int writeStdout(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    errno = 0;
    if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size()) &&
        std::fflush(stdout) == 0)
        return 0;
    const int error = errno;
    if (error != EPIPE)
        writeOut(stderr,
                 QStringLiteral("zelvane: %1\n")
                     .arg(Language::translate("CommandLine", "cannot write to standard output: %1")
                              .arg(QString::fromLocal8Bit(std::strerror(error)))));
    return WriteFault;
}

// A standard stream that was closed gets /dev/null, read-only, in its place:
// no file the program opens can take its number (and receive its output), and
// writing to it still fails as writing to a closed stream does.
void holdClosedStandardStreams()
{
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
        const int held = open("/dev/null", O_RDONLY | O_CLOEXEC);
        if (held != -1 && held != fd) close(held);
    }
}

int usageFault(const QString &message)
{
    writeOut(stderr, QStringLiteral("zelvane: %1\n").arg(message));
    return UsageFault;
}

void addOptions(QCommandLineParser &parser);

// The parser's own fault ("Unknown option 'x'."): its words are the toolkit's,
// which are translated only once an application object exists; the arguments
// are read again with one.
int parseFault(int argc, char **argv, const QStringList &args)
{
    QCoreApplication app(argc, argv);
    Language::installToolkitTexts();
    QCommandLineParser parser;
    addOptions(parser);
    std::ignore = parser.parse(args);
    return usageFault(parser.errorText());
}

// What a file written from the command line holds: the printed page as PDF or
// SVG, or the screen's picture as PNG.
enum class Export { Pdf, Svg, Png };

// The platform of a page written from the command line: every print question
// is answered Yes, and the page goes to the file. A failed write is told by
// the command line itself, as one line.
class FilePlatform : public SystemPlatform
{
public:
    FilePlatform(const QString &fileName, PageFormat format) : m_printer(fileName, format) {}
    bool askYesNo(QWidget *, const QString &, const QString &) override { return true; }
    void showError(QWidget *, const QString &, const QString &) override {}
    PagePrinter &printer() override { return m_printer; }
    const FilePrinter &file() const { return m_printer; }

private:
    FilePrinter m_printer;
};

// Where a message box can be seen: a display to show it on (where none opens
// after all, the run ends quietly, its fault already told).
bool boxesCanShow()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform == "offscreen" || platform == "minimal") return false;
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || !platform.isEmpty();
}

// elementDat.edb beside the running program.
QString defaultDataFile(const char *argv0)
{
    QFileInfo self(QStringLiteral("/proc/self/exe"));
    if (!self.exists()) self = QFileInfo(QString::fromLocal8Bit(argv0));
    return QFileInfo(self.canonicalFilePath()).dir().filePath(QStringLiteral("elementDat.edb"));
}

// One line for a file that could not be written; a reader that went away has
// all it wanted, and hears nothing.
int writeFault(const QString &fileName, int error)
{
    if (error != EPIPE)
        writeOut(
            stderr,
            QStringLiteral("zelvane: %1\n")
                .arg(error ? writeFailure(fileName, error)
                           : Language::translate("CommandLine", "cannot write %1").arg(fileName)));
    return WriteFault;
}

// The table page, or with element n its page, written to fileName ("-" for
// standard output): as printed (PDF, SVG), or as the screen shows it at a
// scale (PNG). Nothing is replaced until the whole file is written.
int writeExport(int argc, char **argv, Export kind, const QString &fileName, double scale,
                const QString &dataFile, const ElementData &elements, qint16 n,
                const ViewOptions &views)
{
    // A closed standard output: what the program opens next would take its place.
    if (fileName == QLatin1String("-") && ::fcntl(STDOUT_FILENO, F_GETFD) < 0)
        return writeFault(fileName, EBADF);
    // The PDF writer lists the embedded faces in the order of a hash table:
    // with a fixed seed the same page gives the same bytes.
    QHashSeed::setDeterministicGlobalSeed();
    if (kind == Export::Png) qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
    prepareHeadlessRun();
    QApplication app(argc, argv);
    Language::installToolkitTexts();
    FilePlatform platform(fileName, kind == Export::Svg ? PageFormat::Svg : PageFormat::Pdf);
    platform.setDataFile(dataFile);
    platform.setNoBoxes(true);
    const std::unique_ptr<ZelMain> window = LoadWindow(platform, &elements);
    if (!window) return DataFault;
    applyViewOptions(*window, views);
    window->layOutPages();
    if (n > 0) window->showElement(n);
    if (kind == Export::Png) {
        QWidget *page =
            window->findChild<QWidget *>(n > 0 ? QStringLiteral("E_Frame") : QStringLiteral("pb"));
        QByteArray png;
        QBuffer buffer(&png);
        if (!page || !buffer.open(QIODevice::WriteOnly) || !page->grab().save(&buffer, "PNG"))
            return writeFault(fileName, 0);
        const int error =
            fileName == QLatin1String("-") ? writeStandardOutput(png) : replaceFile(fileName, png);
        return error ? writeFault(fileName, error) : 0;
    }
    window->cb_print_Click();
    const FilePrinter &file = platform.file();
    return file.written() ? 0 : writeFault(fileName, file.writeError());
}

int runWindow(int argc, char **argv, const QString &dataFile, const ElementData &elements, qint16 n,
              const ViewOptions &views)
{
    Fonts::pinCarriedRendering();
    const std::unique_ptr<QApplication> app = openDisplay(argc, argv, true);
    QApplication::setApplicationName(QStringLiteral("Zelvane"));
    // Docks match the window to its menu entry and icon by this name.
    QApplication::setDesktopFileName(QStringLiteral("io.github.zelvane.Zelvane"));
    SystemPlatform platform;
    platform.setDataFile(dataFile);
    const std::unique_ptr<ZelMain> window = StartUp(platform, &elements);
    if (!window) return DataFault;
    applyViewOptions(*window, views);
    window->openAfterBanner(n);
    return QApplication::exec();
}

int showHelp(int argc, char **argv, bool version)
{
    // The help names the program as it was called; no display is involved. The
    // options are made again now that the toolkit's own help texts can be
    // translated.
    QCoreApplication app(argc, argv);
    Language::installToolkitTexts();
    QCommandLineParser parser;
    addOptions(parser);
    return writeStdout(version ? QStringLiteral("zelvane %1\n").arg(QStringLiteral(ZELVANE_VERSION))
                               : parser.helpText());
}

// The language asked for by --lang CODE (or --lang=CODE), the last one given,
// else by the environment. Read before the options are made, as their help is
// translated: the arguments are read as the parser reads them, so that a value
// such as "--data --lang" asks for no language, and a --lang without its code
// (a fault) leaves the environment's language to tell it.
QString chooseLanguage(const QStringList &args)
{
    QCommandLineParser parser;
    addOptions(parser);
    std::ignore = parser.parse(args);
    const QStringList codes = parser.values(QStringLiteral("lang"));
    return codes.isEmpty() ? Language::fromEnvironment() : Language::carried(codes.last());
}

// The options, each named by its long name, with its value's name and help.
void addOptions(QCommandLineParser &parser)
{
    //: --help's description, in lines of at most 80 characters. X stands for the
    //: value of --element and --sheet; F1 and F2 are keys.
    parser.setApplicationDescription(Language::translate(
        "CommandLine",
        "A reference to the chemical elements: the periodic table, and for each element\n"
        "its data sheet beside a model of its atom. X is an atomic number, a symbol or the\n"
        "start of a name, in any case. In the window, a line of the data sheet tells where\n"
        "its value comes from when pointed at, or with F2 when it has the focus; F1 shows\n"
        "the About page."));
    // The toolkit's own help and version options, with their words translated
    // here: its translations leave some of them English.
    parser.addOption(QCommandLineOption(
        {QStringLiteral("h"), QStringLiteral("help")},
        Language::translate("CommandLine", "Displays help on commandline options.")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("help-all"),
        Language::translate("CommandLine", "Displays help including Qt specific options.")));
    parser.addOption(
        QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")},
                           Language::translate("CommandLine", "Displays version information.")));
    // The options' and their values' names are what scripts write: they stay
    // English. FILE, X, N and CODE in the help name the values.
    const char *options[][3] = {
        {"element", "X",
         QT_TRANSLATE_NOOP("CommandLine",
                           "Open at element X once the banner has gone; with --pdf, write its "
                           "page.")},
        {"pdf", "FILE",
         QT_TRANSLATE_NOOP("CommandLine",
                           "Write the table page (landscape), or with --element the element's "
                           "page (portrait), to FILE as PDF (- for standard output), and show no "
                           "window.")},
        {"svg", "FILE",
         QT_TRANSLATE_NOOP("CommandLine",
                           "Write the page --pdf would write to FILE as SVG instead.")},
        {"png", "FILE",
         QT_TRANSLATE_NOOP("CommandLine",
                           "Write the table picture as the screen shows it, or with --element the "
                           "Element page, to FILE as PNG.")},
        {"scale", "N",
         QT_TRANSLATE_NOOP("CommandLine",
                           "With --png: the picture's scale, 1 (the default) or more, such as "
                           "1.5.")},
        {"sheet", "X",
         QT_TRANSLATE_NOOP("CommandLine",
                           "Write element X's data sheet to standard output as text.")},
        {"sources", "",
         QT_TRANSLATE_NOOP("CommandLine",
                           "With --sheet, follow each line with where its value comes from.")},
        {"data", "FILE",
         QT_TRANSLATE_NOOP("CommandLine",
                           "Read FILE instead of elementDat.edb beside the program.")},
        {"lang", "CODE",
         QT_TRANSLATE_NOOP("CommandLine",
                           "Speak the language CODE: de (German), fr (French), es (Spanish) or en "
                           "(English). Without it the language follows LANGUAGE, LC_ALL, "
                           "LC_MESSAGES and LANG.")}};
    for (const auto &[name, value, help] : options)
        parser.addOption(QCommandLineOption(QString::fromLatin1(name),
                                            Language::translate("CommandLine", help),
                                            QString::fromLatin1(value)));
    addViewOptions(parser);
}

// Reads and checks the data file before anything else, so that its faults
// reach standard error even where no window could show them. Returns the
// exit status for a fault, or 0.
int loadData(int argc, char **argv, const QString &dataFile, bool window, ElementData &elements)
{
    const QString fault = LoadElementTable(dataFile, elements);
    if (!fault.isEmpty()) {
        writeOut(stderr, QStringLiteral("zelvane: %1\n").arg(fault));
        if (window && boxesCanShow()) {
            const std::unique_ptr<QApplication> app = openDisplay(argc, argv, false);
            QMessageBox::critical(nullptr, QStringLiteral("Zelvane"), fault);
        }
        return DataFault;
    }
    // An empty table is allowed, but never silently.
    if (elements.ElementCount <= 0)
        writeOut(stderr,
                 QStringLiteral("zelvane: %1\n")
                     .arg(Language::translate("CommandLine", "warning: %1 holds no elements")
                              .arg(dataFile)));
    return 0;
}

// Element n's data sheet as text on standard output; with its sources, each line
// followed by where its value comes from.
int writeSheet(const ElementData &elements, qint16 n, bool withSources)
{
    ClassificationNames names;
    InitClassificationNames(names);
    const ElementRecord &record = elements.ElementTable[n];
    const QStringList lines = withSources
                                  ? sheetTextLinesWithSources(record, n, names, builtInSources())
                                  : sheetTextLines(record, names);
    return writeStdout(lines.join(u'\n') + u'\n');
}

} // namespace

int runZelvane(int argc, char **argv)
{
    holdClosedStandardStreams();
    // Writes to a pipe whose reader went away fail with EPIPE instead of
    // ending the process, so that each is handled where it happens.
    std::signal(SIGPIPE, SIG_IGN);
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    Language::use(chooseLanguage(args));
    QCommandLineParser parser;
    addOptions(parser);
    if (!parser.parse(args)) return parseFault(argc, argv, args);
    const auto set = [&parser](const char *name) {
        return parser.isSet(QString::fromLatin1(name));
    };
    const auto value = [&parser](const char *name) {
        return parser.value(QString::fromLatin1(name));
    };
    if (set("help") || set("help-all") || set("version"))
        return showHelp(argc, argv, set("version"));
    if (!parser.positionalArguments().isEmpty())
        return usageFault(Language::translate("CommandLine", "unexpected argument %1")
                              .arg(parser.positionalArguments().first()));
    const char *exports[] = {"pdf", "svg", "png"};
    const int exportsSet = int(std::count_if(std::begin(exports), std::end(exports), set));
    //: A fault in the command line. Options such as --sheet are written as
    //: they are in every language.
    if (set("sheet") && (exportsSet > 0 || set("element")))
        return usageFault(Language::translate("CommandLine", "--sheet goes alone"));
    if (exportsSet > 1)
        return usageFault(
            Language::translate("CommandLine", "--pdf, --svg and --png go one at a time"));
    for (const char *option : exports)
        if (set(option) && value(option).isEmpty())
            //: %1 is pdf, svg or png.
            return usageFault(Language::translate("CommandLine", "--%1 needs a file name")
                                  .arg(QLatin1String(option)));
    double scale = 1;
    if (set("scale")) {
        bool number = false;
        scale = value("scale").toDouble(&number);
        if (!set("png"))
            return usageFault(Language::translate("CommandLine", "--scale goes with --png"));
        if (!number || !(scale >= 1 && scale <= 8))
            return usageFault(
                Language::translate("CommandLine", "--scale takes a number from 1 to 8, not %1")
                    .arg(value("scale")));
    }
    for (const char *option : {"sheet", "element"})
        if (set(option) && value(option).trimmed().isEmpty())
            return usageFault(
                Language::translate("CommandLine",
                                    "--%1 needs an element: a number, a symbol or a name")
                    .arg(QLatin1String(option)));
    if (set("sources") && !set("sheet"))
        return usageFault(Language::translate("CommandLine", "--sources goes with --sheet"));
    ViewOptions views;
    if (const QString fault = readViewOptions(parser, views); !fault.isEmpty())
        return usageFault(fault);
    if (views.list) {
        writeOut(stdout, viewNamesText());
        return 0;
    }

    const QString dataFile = set("data") ? value("data") : defaultDataFile(argv[0]);
    ElementData elements;
    if (const int fault =
            loadData(argc, argv, dataFile, !set("sheet") && exportsSet == 0, elements))
        return fault;
    const QString what = value(set("sheet") ? "sheet" : "element");
    const qint16 n = what.isEmpty() ? 0 : findElement(elements, what);
    if (!what.isEmpty() && n == 0)
        return usageFault(
            Language::translate("CommandLine", "no element %1 in %2").arg(what, dataFile));

    if (set("sheet")) return writeSheet(elements, n, set("sources"));
    // The window uses the data read and checked here: the file is read once.
    for (const auto &[option, kind] :
         {std::pair{"pdf", Export::Pdf}, {"svg", Export::Svg}, {"png", Export::Png}}) {
        if (!set(option)) continue;
        // A file needs no display, whichever platform the desktop chose for windows.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return writeExport(argc, argv, kind, value(option), scale, dataFile, elements, n, views);
    }
    return runWindow(argc, argv, dataFile, elements, n, views);
}
