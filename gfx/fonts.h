#pragma once

#include <QFont>
#include <QString>

// The program carries the faces it draws with: Zelvane Sans and Zelvane Mono,
// regular and bold, the Windows-1252 part of Liberation Sans and Liberation
// Mono (tools/subset-fonts.py), metric-compatible with Arial and Courier New.
// Text therefore looks and measures the same whatever fonts a machine has
// installed. Every font the program asks for comes from here.
namespace Fonts {

// The carried family that stands for a face name of the artwork: "Courier New"
// and "Courier" give the fixed-pitch family, every other name the proportional
// one. The first call registers the faces (a QGuiApplication must exist).
QString family(const QString &face);

// A carried font of that face, sized in pixels, so that its size never follows
// the screen's dots per inch.
QFont font(const QString &face, int pixelSize, bool bold = false, bool underline = false);

// Makes the carried faces the only fonts the process sees: the installed fonts
// are neither read nor listed, which spares the start-up the reading of the
// machine's font configuration and the listing of every installed font. Call
// before the QGuiApplication is created; without the call the carried faces
// still win over installed ones of the same names.
void useCarriedOnly();

// The desktop's font, for dialogs, which follow the desktop rather than draw
// alike everywhere: the application's font. Where useCarriedOnly hid the
// installed fonts, the files of that font are looked up in the machine's font
// configuration and made available when first asked for.
QFont desktopFont();

// The carried font files, as resource paths, for checking what a font resolved to.
QStringList carriedFiles();

} // namespace Fonts
