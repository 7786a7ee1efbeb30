#pragma once

#include <functional>

class QPainter;
class QWidget;

// Paints a control's picture exactly as at one device pixel per pixel and shows
// it scaled by whole pixels with no smoothing, so at 2x every pixel becomes a
// 2 x 2 block: lines and borders drawn on a scaled painter would straddle device
// pixels instead. On an unscaled painter the picture is drawn straight on.
// Call from the widget's paintEvent; draw paints in the widget's coordinates.
void paintPixelExact(QWidget *widget, const std::function<void(QPainter &)> &draw);
