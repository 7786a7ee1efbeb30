#include "screenscaling.h"

#include <QApplication>
#include <QFont>

#include <cmath>

void prepareScreenScaling()
{
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Floor);
}

void usePixelSizedAppFont()
{
    QFont font = QApplication::font();
    if (font.pixelSize() > 0) return;
    // The size it has at 96 DPI, where one point is 4/3 pixels.
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : 9.0;
    font.setPixelSize(std::max(1, int(std::lround(points * 96.0 / 72.0))));
    // Without a class name this also replaces the per-class fonts, tooltips' among them.
    QApplication::setFont(font);
}
