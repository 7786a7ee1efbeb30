#pragma once

#include <QFont>
#include <QString>

// The program carries the faces it draws with: Zelvane Sans and Zelvane Mono,
// regular and bold, the Windows-1252 part of Liberation Sans and Liberation
// Mono (tools/subset-fonts.py), metric-compatible with Arial and Courier New.
// Text therefore looks and measures the same whatever fonts a machine has
// installed. Every font the program draws with comes from here; dialogs,
// message boxes and tooltips keep the desktop's fonts.
namespace Fonts {

// The carried family that stands for a face name of the artwork: "Courier New"
// and "Courier" give the fixed-pitch family, every other name the proportional
// one. The first call registers the faces (a QGuiApplication must exist).
QString family(const QString &face);

// A carried font of that face, sized in pixels, so that its size never follows
// the screen's dots per inch.
QFont font(const QString &face, int pixelSize, bool bold = false, bool underline = false);

// Adds fontconfig rules for the carried families after the machine's and the
// user's own, so that what the program draws is rendered alike everywhere:
// greyscale antialiasing, no autohinter, no sub-pixel order or LCD filter. The
// machine's fonts and rules stay in force for everything else (dialogs, message
// boxes, tooltips). Call before the QGuiApplication is created.
void pinCarriedRendering();

// The carried font files, as resource paths, for checking what a font resolved to.
QStringList carriedFiles();

} // namespace Fonts
