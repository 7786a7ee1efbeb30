#include "display.h"

#include "language.h"

#include <QRegularExpression>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace {

// What is learnt while the application is being made.
struct Opening
{
    bool sayWhy = false;
    QStringList missingPlugins;
    QtMessageHandler previous = nullptr;
};
Opening *opening = nullptr;

QString whyNoDisplay()
{
    const QString x = qEnvironmentVariable("DISPLAY");
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    const QString xAt = QStringLiteral("DISPLAY=") + x;
    const QString waylandAt = QStringLiteral("WAYLAND_DISPLAY=") + wayland;
    QString why;
    // Why no display opened, told inside "cannot open a display (%1)".
    //: Inside "cannot open a display (%1)". DISPLAY is a variable's name.
    if (x.isEmpty() && wayland.isEmpty())
        why = Language::translate("CommandLine", "DISPLAY is not set");
    //: Inside "cannot open a display (%1)"; %1 and %2 are such as DISPLAY=:0.
    else if (!x.isEmpty() && !wayland.isEmpty())
        why = Language::translate("CommandLine", "nothing answers at %1 or %2").arg(xAt, waylandAt);
    else
        why = Language::translate("CommandLine", "nothing answers at %1")
                  .arg(x.isEmpty() ? waylandAt : xAt);
    //: Inside "cannot open a display (%1)"; %2 is one of the other reasons.
    for (const QString &plugin : opening->missingPlugins)
        why = Language::translate("CommandLine",
                                  "the Qt platform plugin \"%1\" is not installed, and %2")
                  .arg(plugin, why);
    return why;
}

void openingHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    // Qt gives up on every platform with a fatal message, which aborts.
    if (type == QtFatalMsg) {
        if (opening->sayWhy) {
            const QString line =
                Language::translate(
                    "CommandLine", "cannot open a display (%1); --pdf and --sheet work without one")
                    .arg(whyNoDisplay());
            std::fprintf(stderr, "zelvane: %s\n", line.toUtf8().constData());
        }
        std::fflush(stderr);
        std::_Exit(1);
    }
    // Notes on a platform that could not be used: the next one may serve, and
    // if none does, the line above says why.
    if (type != QtDebugMsg) {
        static const QRegularExpression missing(
            QStringLiteral("Could not find the Qt platform plugin \"([^\"]+)\""));
        if (qstrcmp(context.category, "qt.qpa.plugin") == 0) {
            const QRegularExpressionMatch found = missing.match(message);
            if (found.hasMatch()) opening->missingPlugins << found.captured(1);
            return;
        }
        if (message.startsWith(QLatin1String("could not connect to display")) ||
            message.startsWith(QLatin1String("Failed to create wl_display")))
            return;
    }
    opening->previous(type, context, message);
}

} // namespace

std::unique_ptr<QApplication> openDisplay(int &argc, char **argv, bool sayWhy)
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.contains("wayland") && !platform.contains("xcb"))
        qputenv("QT_QPA_PLATFORM", platform + ";xcb");
    Opening state;
    state.sayWhy = sayWhy;
    opening = &state;
    state.previous = qInstallMessageHandler(openingHandler);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(state.previous);
    opening = nullptr;
    Language::installToolkitTexts();
    return app;
}
