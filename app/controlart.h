#pragma once

#include <QIcon>
#include <QPixmap>

#include <functional>

// The small pictures of the window's graphical controls, drawn by code at their
// design sizes: 24 x 24 button and tab faces, 24 x 8 and 16 x 16 icons; and the
// program's own icon. Each picture is drawn at a device scale (any factor of 1
// or more): its pixmap holds size x scale device pixels and shows at its design
// size, with the detail of the device's resolution.
namespace ControlArt {

enum class Picture {
    ElementTab,  // an atom, for the Element tab
    Print,       // a printer
    Exit,        // an open door with an arrow
    Animate,     // an electron on its orbit with a turning arrow
    LevelColors, // rings in several colours
    LevelsShown, // rings, drawn or not
    LevelShape,  // circle and ellipse
};

// Raised (unchecked) or pressed-in (checked) face of a 24 x 24 picture.
QPixmap picture(Picture which, bool down, double scale);
// Draws which's faces on request; the Print and Exit pictures have one face.
std::function<QPixmap(bool down, double scale)> source(Picture which);
// 24 x 8 strip from black to white: the background colour bar's icon.
QPixmap backgroundColorIcon(double scale);
// 16 x 16 stopwatch: the animation speed bar's icon.
QPixmap speedIcon(double scale);
// The program's icon at 16, 32, 48, 64 and 128 pixels, drawn from
// resources/zelvane.svg at build time and compiled in.
QIcon windowIcon();

} // namespace ControlArt
