#include "viewcontrols.h"

#include <QImage>
#include <QStyleOptionComboBox>
#include <QStyleOptionSlider>
#include <QStyleOptionSpinBox>

namespace {

// The font's metrics on a device of 96 dots per inch: the style scales its
// parts by the metrics' dots per inch.
QFontMetrics metricsAt96Dpi(const QFont &font)
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(3780); // 96 dots per inch
        image.setDotsPerMeterY(3780);
        return image;
    }();
    return QFontMetrics(font, &device);
}

} // namespace

void Chooser::initStyleOption(QStyleOptionComboBox *option) const
{
    QComboBox::initStyleOption(option);
    option->fontMetrics = metricsAt96Dpi(font());
}

void TemperatureSlider::initStyleOption(QStyleOptionSlider *option) const
{
    QSlider::initStyleOption(option);
    option->fontMetrics = metricsAt96Dpi(font());
}

void TemperatureField::initStyleOption(QStyleOptionSpinBox *option) const
{
    QDoubleSpinBox::initStyleOption(option);
    option->fontMetrics = metricsAt96Dpi(font());
}
