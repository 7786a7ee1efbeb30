#pragma once

#include "views.h"

#include <optional>

class QCommandLineParser;
class ZelMain;

// The command line's view options: --view NAME, --temperature T, --list-views.
struct ViewOptions
{
    std::optional<int> view;
    std::optional<Temperature> temperature;
    bool list = false;
};

void addViewOptions(QCommandLineParser &parser);
// Reads the options given; returns the fault in one line, or an empty string.
QString readViewOptions(const QCommandLineParser &parser, ViewOptions &options);
// The views' names as --view takes them, one a line: English in every
// language, as they are what scripts write.
QString viewNamesText();
// Shows the view and temperature asked for in the window (and so in its prints).
void applyViewOptions(ZelMain &window, const ViewOptions &options);
