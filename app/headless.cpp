#include "headless.h"

#include "fonts.h"

#include <QString>
#include <QtGlobal>

namespace {

void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("does not support propagateSizeHints")) ||
        message.contains(QLatin1String("XDG_RUNTIME_DIR not set")) ||
        message.contains(QLatin1String("does not support raise()")))
        return;
    qt_message_output(type, context, message);
}

} // namespace

void prepareHeadlessRun()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietHandler);
    // The same fonts as the program.
    Fonts::pinCarriedRendering();
}
