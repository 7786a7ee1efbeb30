#pragma once

#include <memory>

class Platform;
class ZelMain;
struct ElementData;

// Loads the window and runs its load handler: the fixed tables, the data file,
// both pages and element 1. On a fault the platform tells why and nothing is
// returned. Data already read and checked (by the command line) is used as it
// is instead of reading the file again.
std::unique_ptr<ZelMain> LoadWindow(Platform &platform, const ElementData *loaded = nullptr);

// The program's start: loads the window, then lays out and shows it with the
// banner. On a start-up fault nothing is returned; the window is never shown.
std::unique_ptr<ZelMain> StartUp(Platform &platform, const ElementData *loaded = nullptr);
