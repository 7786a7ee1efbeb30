#include "commandline.h"

#include "datasheet.h"
#include "fonts.h"
#include "headless.h"
#include "screenscaling.h"
#include "systemplatform.h"
#include "viewoptions.h"
#include "zelmain.h"
#include "zelmod.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>

#include <cstdio>
#include <memory>

namespace {

constexpr int DataFault = 1;
constexpr int UsageFault = 2;

void writeOut(std::FILE *to, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), to);
}

int usageFault(const QString &message)
{
    writeOut(stderr, QStringLiteral("zelvane: %1\n").arg(message));
    return UsageFault;
}

// The platform of a PDF written from the command line: every print question
// is answered Yes, and the page goes to the file.
class PdfPlatform : public SystemPlatform
{
public:
    explicit PdfPlatform(const QString &fileName) : m_printer(fileName) {}
    bool askYesNo(QWidget *, const QString &, const QString &) override { return true; }
    PagePrinter &printer() override { return m_printer; }
    bool written() const { return m_printer.written(); }

private:
    PdfFilePrinter m_printer;
};

// Where a message box can be seen: a display to show it on.
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

int writePdf(int argc, char **argv, const QString &fileName, const QString &dataFile,
             const ElementData &elements, qint16 n, const ViewOptions &views)
{
    QFile probe(fileName);
    if (!probe.open(QIODevice::WriteOnly))
        return usageFault(QStringLiteral("cannot write %1: %2").arg(fileName, probe.errorString()));
    probe.close();
    prepareHeadlessRun();
    QApplication app(argc, argv);
    PdfPlatform platform(fileName);
    platform.setDataFile(dataFile);
    platform.setNoBoxes(true);
    const std::unique_ptr<ZelMain> window = LoadWindow(platform, &elements);
    if (!window) return DataFault;
    applyViewOptions(*window, views);
    window->layOutPages();
    if (n > 0) window->showElement(n);
    window->cb_print_Click();
    if (!platform.written()) return usageFault(QStringLiteral("cannot write %1").arg(fileName));
    return 0;
}

int runWindow(int argc, char **argv, const QString &dataFile, const ElementData &elements, qint16 n,
              const ViewOptions &views)
{
    prepareScreenScaling();
    Fonts::useCarriedOnly();
    QApplication app(argc, argv);
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

int showHelp(int argc, char **argv, const QCommandLineParser &parser, bool version)
{
    prepareHeadlessRun();
    QApplication app(argc, argv);
    writeOut(stdout, version ? QStringLiteral("zelvane %1\n").arg(QStringLiteral(ZELVANE_VERSION))
                             : parser.helpText());
    return 0;
}

// The options, each named by its long name, with its value's name and help.
void addOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QStringLiteral(
        "A reference to the chemical elements: the periodic table, and for each element\n"
        "its data sheet beside a model of its atom. X is an atomic number, a symbol or the\n"
        "start of a name, in any case."));
    parser.addHelpOption();
    parser.addVersionOption();
    const char *options[][3] = {
        {"element", "X", "Open at element X once the banner has gone; with --pdf, write its page."},
        {"pdf", "FILE",
         "Write the table page (landscape), or with --element the element's page (portrait), "
         "to FILE as PDF, and show no window."},
        {"sheet", "X", "Write element X's data sheet to standard output as text."},
        {"data", "FILE", "Read FILE instead of elementDat.edb beside the program."}};
    for (const auto &[name, value, help] : options)
        parser.addOption(QCommandLineOption(QString::fromLatin1(name), QString::fromUtf8(help),
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
            QApplication app(argc, argv);
            QMessageBox::critical(nullptr, QStringLiteral("Zelvane"), fault);
        }
        return DataFault;
    }
    // An empty table is allowed, but never silently.
    if (elements.ElementCount <= 0)
        writeOut(stderr, QStringLiteral("zelvane: warning: %1 holds no elements\n").arg(dataFile));
    return 0;
}

} // namespace

int runZelvane(int argc, char **argv)
{
    QCommandLineParser parser;
    addOptions(parser);
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (!parser.parse(args)) return usageFault(parser.errorText());
    const auto set = [&parser](const char *name) {
        return parser.isSet(QString::fromLatin1(name));
    };
    const auto value = [&parser](const char *name) {
        return parser.value(QString::fromLatin1(name));
    };
    if (set("help") || set("help-all") || set("version"))
        return showHelp(argc, argv, parser, set("version"));
    if (!parser.positionalArguments().isEmpty())
        return usageFault(
            QStringLiteral("unexpected argument %1").arg(parser.positionalArguments().first()));
    if (set("sheet") && (set("pdf") || set("element")))
        return usageFault(QStringLiteral("--sheet goes alone"));
    ViewOptions views;
    if (const QString fault = readViewOptions(parser, views); !fault.isEmpty())
        return usageFault(fault);
    if (views.list) {
        writeOut(stdout, viewNamesText());
        return 0;
    }

    const QString dataFile = set("data") ? value("data") : defaultDataFile(argv[0]);
    ElementData elements;
    if (const int fault = loadData(argc, argv, dataFile, !set("sheet") && !set("pdf"), elements))
        return fault;
    const QString what = value(set("sheet") ? "sheet" : "element");
    const qint16 n = what.isEmpty() ? 0 : findElement(elements, what);
    if (!what.isEmpty() && n == 0)
        return usageFault(QStringLiteral("no element %1 in %2").arg(what, dataFile));

    if (set("sheet")) {
        ClassificationNames names;
        InitClassificationNames(names);
        writeOut(stdout, sheetTextLines(elements.ElementTable[n], names).join(u'\n') + u'\n');
        return 0;
    }
    // The window uses the data read and checked here: the file is read once.
    if (set("pdf")) return writePdf(argc, argv, value("pdf"), dataFile, elements, n, views);
    return runWindow(argc, argv, dataFile, elements, n, views);
}
