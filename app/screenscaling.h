#pragma once

// How the program meets screens of any DPI, the same for the program, its tests
// and its benchmarks: the window is scaled only by whole factors, so its
// pictures stay sharp, and text keeps its pixel size.

// Rounds the screen's scale factor down to a whole number: below 2 the window
// stays at one device pixel per pixel, from 2 on every pixel becomes a whole
// block. Call before the QApplication is created.
void prepareScreenScaling();
