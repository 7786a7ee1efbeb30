#include "screenscaling.h"

#include <QGuiApplication>

void prepareScreenScaling()
{
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Floor);
}
