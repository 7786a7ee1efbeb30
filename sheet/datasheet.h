#pragma once

#include "elementdata.h"
#include "elementsources.h"
#include "pagecanvas.h"
#include "surface.h"

#include <QString>
#include <QStringList>

#include <array>
#include <utility>

// The state symbols of the table artwork (16 x 16, only the top-left 10 x 10 is
// used) and their masks, indexed by State 0 to 3.
struct StateSprites
{
    const std::array<Surface, 4> &ptst;
    const std::array<Surface, 4> &ptstM;
};

// The 8 x 8 proton, neutron and electron sprites and their common mask.
struct ParticleSprites
{
    const Surface &pbP, &pbN, &pbE, &pbEmask;
};

// The sheet has 29 lines: lines 1 to 28 are written as a label pass and a value
// pass over the same lines, line 29 (Name Origin) after them.
constexpr int SheetLineCount = 29;
constexpr int AppearanceLine = 28;
constexpr int NameOriginLine = 29;

// Text columns of the two forms.
constexpr int ScreenValueColumn = 22;
constexpr int PrintLabelIndent = 6;
constexpr int PrintValueColumn = 30;
constexpr int PrintIconColumn = 54;

// One line's value: the number or text, then what follows it on the same line
// (the unit, the bracketed group label or the density unit). A field that stands
// for "no value" gives "--" with nothing after it.
struct SheetValue
{
    QString text;
    QString suffix;
};

// The bold label of line 1 to 29, spacing included.
QString sheetLabel(int line);
// The value of line 1 to 29 for a record, unwrapped. NUL characters of blank
// texts are dropped, as they print as nothing.
SheetValue sheetValue(int line, const ElementRecord &record, const ClassificationNames &names);

// The sheet as plain text, for copying and for the command line: the title
// line (number, name, symbol), then "Label: value unit" for each of the 29
// lines, unwrapped, runs of spaces folded into one.
QStringList sheetTextLines(const ElementRecord &record, const ClassificationNames &names);

// "Solid", "Liquid", "Gas", or "Artificial (Man Made)" for any other state.
QString stateText(qint16 state);
// The class name of a classification, untrimmed; empty for 0 and for numbers
// outside the table.
QString classificationText(const ClassificationNames &names, qint16 classification);

// Splits trimmed text into screen lines of the value column: text of 45
// characters or fewer stays whole, longer text breaks where StrWWrap(46) says,
// at most maxLines lines; the last line takes the whole rest. Rests are not
// trimmed again.
QStringList wrapSheetText(const QString &text, int maxLines);

// Line 0 stands for the sheet's title line (number, name and symbol).
constexpr int SheetTitleLine = 0;

// Where the lines of the screen sheet lie: for the title line and lines 1 to 29
// the top and the bottom (exclusive) in pbData's pixels; a wrapped line takes
// all of its screen lines.
struct SheetRows
{
    std::array<std::pair<int, int>, SheetLineCount + 1> rows{};
    // The line at height y; -1 above the title or below the last line.
    int lineAt(double y) const;
};

// The screen sheet for element n into pbData: header, the 28 labels, the 28
// values over the same lines, then Name Origin. pbData keeps its own size and
// background; this clears it first. n outside 0 to 118 draws nothing (and
// gives no rows).
SheetRows writeScreenSheet(Surface &pbData, const ElementData &data, qint16 n,
                           const ClassificationNames &names, const StateSprites &states);

// The print sheet for element n onto a page (twips): header and title line, the
// particle legend with its level row, the labels, the counts block and the
// values in Courier. pbprt is left as the 8 x 8 scratch picture of the icons.
// atomHeightTwips is the atom picture's height on the page; the data block
// starts 1000 twips below it. Appearance and Name Origin wrap where they would
// run past pageWidthTwips, the printable width. Returns the position just below
// the title line (where the atom picture goes); n outside 0 to 118 writes
// nothing and returns 0. Given the sources of the data set, the page ends with a
// note of the sources of its values by their codes, in 8 point below the sheet,
// or, where pageHeightTwips leaves no room there, right of the atom picture.
qint16 writePrintSheet(PageCanvas &page, Surface &pbprt, const ElementData &data, qint16 n,
                       const ClassificationNames &names, const ParticleSprites &sprites,
                       int atomHeightTwips, double pageWidthTwips,
                       const ElementSources *sources = nullptr, double pageHeightTwips = 0);
