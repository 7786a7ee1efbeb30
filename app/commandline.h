#pragma once

// Runs Zelvane as its command line asks: the window (optionally opening at an
// element), a page written as PDF, or a data sheet written as text, the last
// two without a window or a display. Returns the exit status: 0 done, 1 the
// data file could not be used, standard output or the PDF not written or no
// display opened, 2 a fault in the command line itself.
int runZelvane(int argc, char **argv);
