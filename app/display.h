#pragma once

#include <QApplication>

#include <memory>

// Makes the application on the desktop's display. Qt's choice of platform
// stands, except that a Wayland platform asked for has X11 behind it, for a
// session whose Qt Wayland plugin is missing (XWayland then serves), and that
// Qt's notes on platforms it tried and could not use are not shown. Where no
// display can be opened at all, Qt would abort; instead the process ends here
// with status 1, after one line on standard error saying why when sayWhy is set.
std::unique_ptr<QApplication> openDisplay(int &argc, char **argv, bool sayWhy);
