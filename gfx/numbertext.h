#pragma once

#include <QString>

// Number text in the program's classic form: at most 15 significant digits, no
// trailing zeros, "." as the decimal separator whatever the locale, and a 0
// before the point for values between -1 and 1.
QString numberText(double value);

// The same with the sign space: one leading space when the value is not negative.
QString Str(double value);
