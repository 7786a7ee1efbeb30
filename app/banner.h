#pragma once

#include <QString>

// The start-up banner: five lines separated by single carriage returns, the
// product line third and the maker's invitation last.
QString bannerText();
// The banner as a label shows it: carriage returns become line breaks.
QString bannerDisplayText();
