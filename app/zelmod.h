#pragma once

#include <memory>

class Platform;
class ZelMain;

// Loads the window and runs its load handler: the fixed tables, the data file,
// both pages and element 1. On a fault the platform tells why and nothing is
// returned.
std::unique_ptr<ZelMain> LoadWindow(Platform &platform);

// The program's start: loads the window, then lays out and shows it with the
// banner. On a start-up fault nothing is returned; the window is never shown.
std::unique_ptr<ZelMain> StartUp(Platform &platform);
