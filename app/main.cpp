#include "screenscaling.h"
#include "systemplatform.h"
#include "zelmain.h"
#include "zelmod.h"

#include <QApplication>

int main(int argc, char **argv)
{
    prepareScreenScaling();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelvane"));
    SystemPlatform platform;
    const std::unique_ptr<ZelMain> window = StartUp(platform);
    if (!window)
        return 1;
    return QApplication::exec();
}
