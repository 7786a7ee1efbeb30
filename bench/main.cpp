#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>

// The offscreen platform says on every fixed-size window that it cannot pass
// size hints on; that says nothing about the program, so it is left out.
static void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("does not support propagateSizeHints")))
        return;
    qt_message_output(type, context, message);
}

int main(int argc, char **argv)
{
    qInstallMessageHandler(quietHandler);
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
