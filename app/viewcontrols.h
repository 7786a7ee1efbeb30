#pragma once

#include <QComboBox>
#include <QWidget>

// The controls that choose the table's view, as classes of their own so that
// the window's accessibility gives them its own rules: the panel offers only
// its shown controls, a chooser is read with what it shows.

// The transparent panel over the table's top right that holds them.
class ViewPanel : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;
};

// A choice of view, highlight or unit.
class Chooser : public QComboBox
{
    Q_OBJECT
public:
    using QComboBox::QComboBox;
};
