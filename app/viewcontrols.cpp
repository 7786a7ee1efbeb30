#include "viewcontrols.h"

#include <QImage>
#include <QLocale>
#include <QPainter>
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

// A ring two pixels wide just inside the control's edge while it has the focus.
void paintFocusRing(QWidget *control)
{
    if (!control->hasFocus()) return;
    QPainter p(control);
    p.setPen(QPen(control->palette().color(QPalette::Highlight), 2));
    p.drawRect(QRectF(control->rect()).adjusted(1, 1, -1, -1));
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

TemperatureField::TemperatureField(QWidget *parent) : QDoubleSpinBox(parent)
{
    setLocale(QLocale::c());
}

void TemperatureField::initStyleOption(QStyleOptionSpinBox *option) const
{
    QDoubleSpinBox::initStyleOption(option);
    option->fontMetrics = metricsAt96Dpi(font());
}

void Chooser::paintEvent(QPaintEvent *event)
{
    QComboBox::paintEvent(event);
    paintFocusRing(this);
}

void TemperatureSlider::paintEvent(QPaintEvent *event)
{
    QSlider::paintEvent(event);
    paintFocusRing(this);
}

void TemperatureField::paintEvent(QPaintEvent *event)
{
    QDoubleSpinBox::paintEvent(event);
    paintFocusRing(this);
}
