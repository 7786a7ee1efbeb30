#pragma once

#include <memory>

class Platform;
class ZelMain;

// The program's start: loads the window and runs its load handler, then lays
// out and shows it with the banner. On a start-up fault the user is told why and
// nothing is returned; the window is never shown.
std::unique_ptr<ZelMain> StartUp(Platform &platform);
