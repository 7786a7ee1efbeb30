#pragma once

// Prepares a run without a display (tests, benchmarks): the program's fonts,
// the offscreen platform unless one is chosen, and none of its notices
// about size hints it cannot pass on, which say nothing about the program. Call
// before creating the application.
void prepareHeadlessRun();
