#pragma once

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSlider>
#include <QWidget>

// The controls that choose the table's view. They are classes of their own so
// that the window's accessibility gives them its rules, and so that the style
// sizes their parts (a chooser's arrow, the slider's handle) as at 96 dots per
// inch whatever the screen's, like everything else on the table page: their
// text is sized in pixels already. The one with the keyboard's focus is ringed
// in the highlight colour, plain to see over the page.

// The transparent panel over the table's top right that holds them; it offers
// screen readers only its shown controls.
class ViewPanel : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;
};

// A choice of view, highlight or unit; screen readers read it with its choice.
class Chooser : public QComboBox
{
    Q_OBJECT
public:
    using QComboBox::QComboBox;

protected:
    void initStyleOption(QStyleOptionComboBox *option) const override;
    void paintEvent(QPaintEvent *event) override;
};

class TemperatureSlider : public QSlider
{
    Q_OBJECT
public:
    using QSlider::QSlider;

protected:
    void initStyleOption(QStyleOptionSlider *option) const override;
    void paintEvent(QPaintEvent *event) override;
};

// Numbers in the field keep "." as their decimal point in every language and
// locale, as everywhere else in the program: it shows and reads "300.50".
class TemperatureField : public QDoubleSpinBox
{
    Q_OBJECT
public:
    explicit TemperatureField(QWidget *parent = nullptr);

protected:
    void initStyleOption(QStyleOptionSpinBox *option) const override;
    void paintEvent(QPaintEvent *event) override;
};
