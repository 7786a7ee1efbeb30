#include "datasheet.h"

#include "language.h"
#include "numbertext.h"
#include "sheetsources.h"
#include "strwwrap.h"

#include <algorithm>
#include <cmath>

namespace {

using Record = ElementRecord;

// Longest text that the screen keeps on one line, and the break width beyond it.
constexpr int WrapLimit = 45;
constexpr qint16 WrapWidth = 46;
constexpr int MaxPrintedLevels = 7;

// One line of the sheet, shared by the screen and the print form. A numeric line
// has `number`; a text line has `text`. The unit follows the value unless the
// line shows "--" for a value of exactly 0.
struct SheetLineDef
{
    const char *label;
    double (*number)(const Record &) = nullptr;
    QString (*text)(const Record &, const ClassificationNames &) = nullptr;
    const char *unit = "";
    QString (*suffix)(const Record &) = nullptr;
    bool dashWhenZero = false;
};

// Texts print without their NUL padding (a blank slot's texts are all NULs).
QString shown(const QString &text)
{
    QString out = text;
    out.remove(QChar(0));
    return out;
}

QString trimmed(const QString &text)
{
    return shown(text).trimmed();
}

// The crystal structures the data set names, translated where they are shown;
// any other text is shown as it is.
const char *const CrystalStructures[] = {
    QT_TRANSLATE_NOOP("Sheet", "Body-centered cubic"),
    QT_TRANSLATE_NOOP("Sheet", "Cubic"),
    QT_TRANSLATE_NOOP("Sheet", "Diamond cubic"),
    QT_TRANSLATE_NOOP("Sheet", "Face-centered cubic"),
    QT_TRANSLATE_NOOP("Sheet", "Hexagonal"),
    QT_TRANSLATE_NOOP("Sheet", "Monoclinic"),
    QT_TRANSLATE_NOOP("Sheet", "Orthorhombic"),
    QT_TRANSLATE_NOOP("Sheet", "Rhombohedral"),
    QT_TRANSLATE_NOOP("Sheet", "Simple cubic"),
    QT_TRANSLATE_NOOP("Sheet", "Tetragonal"),
    QT_TRANSLATE_NOOP("Sheet", "Triclinic"),
};

QString crystalStructure(const QString &text)
{
    for (const char *name : CrystalStructures)
        if (text == QLatin1String(name)) return Language::translate("Sheet", name);
    return text;
}

// The element's name in the language in use, without padding.
QString nameOf(const Record &record)
{
    return trimmed(elementName(record));
}

// The labels and units are translated where they are shown.
const SheetLineDef SheetLines[SheetLineCount] = {
    //: A bold label of the data sheet, keeping its colon and trailing space. The
    //: value column starts 21 average widths of Arial 8 to the right (Courier 10:
    //: 22 characters before it); abbreviate a longer label.
    {.label = QT_TRANSLATE_NOOP("Sheet", "Period: "),
     .number = [](const Record &r) { return double(r.Period); }},
    {.label = QT_TRANSLATE_NOOP("Sheet", "Group: "),
     .number = [](const Record &r) { return double(r.Group); },
     .suffix =
         [](const Record &r) { return QStringLiteral("     [") + trimmed(r.GroupLabel) + u']'; }},
    {.label = QT_TRANSLATE_NOOP("Sheet", "Classification: "),
     .text =
         [](const Record &r, const ClassificationNames &names) {
             return shown(classificationText(names, r.Classification));
         }},
    {.label = QT_TRANSLATE_NOOP("Sheet", "State: "),
     .text = [](const Record &r,
                const ClassificationNames &) { return stateText(r.State) + QStringLiteral("  "); }},
    {.label = QT_TRANSLATE_NOOP("Sheet", "Atomic Weight: "),
     .number = [](const Record &r) { return r.AtomicWeight; },
     //: A unit after a value; keep its leading spaces.
     .unit = QT_TRANSLATE_NOOP("Sheet", "     g/mol")},
    {.label = QT_TRANSLATE_NOOP("Sheet", "Atomic Volume:"),
     .number = [](const Record &r) { return r.AtomicVolume; },
     .unit = QT_TRANSLATE_NOOP("Sheet", "     cm³/mol"),
     .dashWhenZero = true},
    {.label = QT_TRANSLATE_NOOP("Sheet", "Atomic Radius: "),
     .number = [](const Record &r) { return r.AtomicRadius; },
     .dashWhenZero = true},
    {.label = QT_TRANSLATE_NOOP("Sheet", "Density: "),
     .number = [](const Record &r) { return r.Density; },
     .suffix = [](const Record &r) { return QStringLiteral("   ") + shown(r.DensityUnit); },
     .dashWhenZero = true},
    {.label = QT_TRANSLATE_NOOP("Sheet", "Electro Negativity: "),
     .number = [](const Record &r) { return r.ElectroNegativity; }},
    {.label = QT_TRANSLATE_NOOP("Sheet", "Electro Conduct:"),
     .text = [](const Record &r,
                const ClassificationNames &) { return trimmed(r.ElectroConduct); }},
    {.label = QT_TRANSLATE_NOOP("Sheet", "Thermal Conduct:"),
     .number = [](const Record &r) { return r.ThermalConduct; },
     .unit = QT_TRANSLATE_NOOP("Sheet", "     Wm-¹K-¹ (at 300 K)")},
    {.label = QT_TRANSLATE_NOOP("Sheet", "Melting Point:"),
     .number = [](const Record &r) { return r.MeltingPoint; },
     .unit = QT_TRANSLATE_NOOP("Sheet", "     K"),
     .dashWhenZero = true},
    {.label = QT_TRANSLATE_NOOP("Sheet", "Boiling Point:"),
     .number = [](const Record &r) { return r.BoilingPoint; },
     .unit = QT_TRANSLATE_NOOP("Sheet", "     K"),
     .dashWhenZero = true},
    {.label = QT_TRANSLATE_NOOP("Sheet", "Specific Heat:"),
     .number = [](const Record &r) { return r.SpecificHeat; },
     .unit = QT_TRANSLATE_NOOP("Sheet", "     Jg-¹K-¹ (at 300 K)"),
     .dashWhenZero = true},
    {.label = QT_TRANSLATE_NOOP("Sheet", "Fusion Heat:"),
     .number = [](const Record &r) { return r.FusionHeat; },
     .unit = QT_TRANSLATE_NOOP("Sheet", "     kj/mol"),
     .dashWhenZero = true},
    {.label = QT_TRANSLATE_NOOP("Sheet", "Evaporation Heat:"),
     .number = [](const Record &r) { return r.EvaporationHeat; },
     .unit = QT_TRANSLATE_NOOP("Sheet", "     kj/mol"),
     .dashWhenZero = true},
    {.label = QT_TRANSLATE_NOOP("Sheet", "Debye Temp:"),
     .number = [](const Record &r) { return r.DebyeTemp; },
     .dashWhenZero = true},
    {.label = QT_TRANSLATE_NOOP("Sheet", "Covalent Radius:"),
     .number = [](const Record &r) { return r.CovalentRadius; },
     .unit = QT_TRANSLATE_NOOP("Sheet", "      Å"),
     .dashWhenZero = true},
    {.label = QT_TRANSLATE_NOOP("Sheet", "Ionic Radius:"),
     .text = [](const Record &r, const ClassificationNames &) { return trimmed(r.IonicRadius); },
     .unit = QT_TRANSLATE_NOOP("Sheet", "    Å")},
    {.label = QT_TRANSLATE_NOOP("Sheet", "Ionizing Energy:"),
     .number = [](const Record &r) { return r.IonizingEnergy; },
     .unit = QT_TRANSLATE_NOOP("Sheet", "      kj/mol"),
     .dashWhenZero = true},
    {.label = QT_TRANSLATE_NOOP("Sheet", "Oxidation States:"),
     .text = [](const Record &r,
                const ClassificationNames &) { return trimmed(r.OxidationStates); }},
    {.label = QT_TRANSLATE_NOOP("Sheet", "Crystal Structure:"),
     .text =
         [](const Record &r, const ClassificationNames &) {
             return crystalStructure(trimmed(r.CrystalStructure));
         }},
    {.label = QT_TRANSLATE_NOOP("Sheet", "Crystal Constant:"),
     .number = [](const Record &r) { return r.CrystalConstant; },
     .unit = QT_TRANSLATE_NOOP("Sheet", "     (A)")},
    {.label = QT_TRANSLATE_NOOP("Sheet", "Crystal CA Ratio:"),
     .number = [](const Record &r) { return r.CrystalCARatio; }},
    {.label = QT_TRANSLATE_NOOP("Sheet", "Electronic Config:"),
     .text = [](const Record &r,
                const ClassificationNames &) { return trimmed(r.ElectronicConfig); }},
    {.label = QT_TRANSLATE_NOOP("Sheet", "Discovered: "),
     .text = [](const Record &r, const ClassificationNames &) { return shown(r.Discovered); }},
    {.label = QT_TRANSLATE_NOOP("Sheet", "Discoverer: "),
     .text = [](const Record &r, const ClassificationNames &) { return shown(r.Discoverer); }},
    {.label = QT_TRANSLATE_NOOP("Sheet", "Appearance: "),
     .text = [](const Record &r, const ClassificationNames &) { return trimmed(r.Appearance); }},
    {.label = QT_TRANSLATE_NOOP("Sheet", "Name Origin: "),
     .text = [](const Record &r, const ClassificationNames &) { return trimmed(r.NameOrigin); }},
};

const SheetLineDef &lineDef(int line)
{
    Q_ASSERT(line >= 1 && line <= SheetLineCount);
    return SheetLines[std::clamp(line, 1, SheetLineCount) - 1];
}

// ---- both forms ----

// Labels of lines 1 to 28, one per line, after indent spaces.
void writeLabels(TextCanvas &canvas, int indent)
{
    for (int line = 1; line < NameOriginLine; ++line) {
        canvas.spc(indent);
        canvas.print(sheetLabel(line));
    }
}

// Each text at the value column on its own line.
void printAtColumn(TextCanvas &canvas, int column, const QStringList &lines)
{
    for (const QString &text : lines) {
        canvas.tab(column);
        canvas.print(text);
    }
}

// Line 29: the bold label stays on the line, the value's lines start at the
// value column of that same line.
void writeNameOrigin(TextCanvas &canvas, int indent, int column, const QStringList &lines)
{
    canvas.setFontBold(true);
    canvas.spc(indent);
    canvas.printStay(sheetLabel(NameOriginLine));
    canvas.setFontBold(false);
    printAtColumn(canvas, column, lines);
}

// ---- screen form ----

// The marker's state comes from the slot named by the record's own atomic
// number; a slot or state outside the tables gives no marker.
int markerState(const ElementData &data, const Record &record)
{
    if (record.AtomicNumber < 0 || record.AtomicNumber > MaxElements) return -1;
    const qint16 state = data.ElementTable[record.AtomicNumber].State;
    return state >= 0 && state <= 3 ? state : -1;
}

// Header: number, name and symbol in 14 point. Returns the block top.
double writeScreenHeader(Surface &pbData, const Record &record)
{
    pbData.cls();
    pbData.setFontSize(14);
    pbData.setForeColor(ColourRed);
    pbData.spc(1);
    pbData.printStay(Str(record.AtomicNumber));
    pbData.setForeColor(ColourBlack);
    pbData.tab(14);
    pbData.printStay(nameOf(record));
    pbData.setForeColor(ColourRed);
    pbData.tab(34);
    pbData.print(shown(record.Symbol));
    pbData.setForeColor(ColourBlack);
    pbData.setFontSize(8);
    pbData.setCurrentY(pbData.currentY() + 4);
    return pbData.currentY();
}

// State marker at the cursor: mask with AND, then the symbol with XOR.
void drawStateMarker(Surface &pbData, const StateSprites &states, int state)
{
    if (state < 0) return;
    const int x = int(std::lround(pbData.currentX()));
    const int y = int(std::lround(pbData.currentY())) + 2;
    pbData.bitBlt(x, y, 10, 10, states.ptstM[state], 0, 0, RasterOp::SrcAnd);
    pbData.bitBlt(x, y, 10, 10, states.ptst[state], 0, 0, RasterOp::SrcInvert);
}

// Values of lines 1 to 28 in their screen colours, from the block top.
void writeScreenValues(Surface &pbData, const Record &record, const ClassificationNames &names,
                       int marker, const StateSprites &states, SheetRows &rows)
{
    const auto row = [&pbData](double top) {
        return std::pair(int(std::lround(top)), int(std::lround(pbData.currentY())));
    };
    pbData.setForeColor(ColourRed);
    for (int line = 1; line < AppearanceLine; ++line) {
        const double top = pbData.currentY();
        const SheetValue value = sheetValue(line, record, names);
        pbData.tab(ScreenValueColumn);
        pbData.printStay(value.text);
        if (line == 2) {
            // The bracketed group label is set in a fixed-pitch face.
            pbData.setFontName(QStringLiteral("Courier New"));
            pbData.printStay(value.suffix);
            pbData.setFontName(QStringLiteral("Arial"));
        } else {
            pbData.printStay(value.suffix);
        }
        if (line == 3) pbData.setForeColor(ColourBlack);
        if (line == 4) drawStateMarker(pbData, states, marker);
        pbData.newLine();
        rows.rows[line] = row(top);
    }
    const double top = pbData.currentY();
    pbData.setForeColor(ColourBlue);
    printAtColumn(pbData, ScreenValueColumn,
                  wrapSheetText(sheetValue(AppearanceLine, record, names).text, 2));
    pbData.setForeColor(ColourBlack);
    rows.rows[AppearanceLine] = row(top);
}

// ---- print form ----

// Where the print header leaves things for the later steps.
struct PrintLayout
{
    qint16 headerY = 0;
    double countsTop = 0;
    double blockTop = 0;
    std::array<qint16, MaxPrintedLevels + 1> levelPos{}; // slots 1 to 7
    int levels = 0;
};

// The proton, neutron and electron lines at the icon column, each with its icon
// composed in pbprt (mask AND, then sprite XOR) and painted left of the word.
void writeParticleLegend(PageCanvas &page, Surface &pbprt, const ParticleSprites &sprites)
{
    pbprt.resize(8, 8);
    pbprt.setBackColor(ColourWhite);
    pbprt.clearPicture();
    const std::array<std::pair<const Surface *, const char *>, 3> legend = {{
        //: The printed page's particle legend, right of the atom picture: the
        //: particle counts end under the first digit of the level row below.
        {&sprites.pbP, QT_TRANSLATE_NOOP("Sheet", "Protons:")},
        {&sprites.pbN, QT_TRANSLATE_NOOP("Sheet", "Neutrons:")},
        {&sprites.pbE, QT_TRANSLATE_NOOP("Sheet", "Electrons:")},
    }};
    for (std::size_t i = 0; i < legend.size(); ++i) {
        page.tab(PrintIconColumn);
        pbprt.bitBlt(0, 0, 8, 8, sprites.pbEmask, 0, 0, RasterOp::SrcAnd);
        pbprt.bitBlt(0, 0, 8, 8, *legend[i].first, 0, 0, RasterOp::SrcInvert);
        page.paintPicture(pbprt, page.currentX() - 190, page.currentY() + 46);
        page.print(Language::translate("Sheet", legend[i].second));
        if (i < 2) page.newLine();
    }
}

// "    Level:" and the underlined level digits; remembers where each digit ends.
void writeLevelRow(PageCanvas &page, PrintLayout &layout)
{
    page.tab(PrintIconColumn);
    //: The printed page's row of electron levels (shells), "1" to "7" after it;
    //: keep the leading spaces. The particle counts above end under its "1".
    page.printStay(Language::translate("Sheet", "    Level:"));
    for (int level = 1; level <= layout.levels; ++level) {
        page.printStay(QStringLiteral("   "));
        page.setFontUnderline(true);
        page.printStay(numberText(level));
        page.setFontUnderline(false);
        layout.levelPos[level] = qint16(std::lround(page.currentX()));
    }
    page.newLine();
}

PrintLayout writePrintHeader(PageCanvas &page, Surface &pbprt, const Record &record,
                             const ParticleSprites &sprites, int atomHeightTwips)
{
    PrintLayout layout;
    // The level row has seven places; a larger count is cut to them.
    layout.levels = std::clamp<int>(record.LevelCount, 0, MaxPrintedLevels);

    page.setFontName(QStringLiteral("Courier"));
    page.newLine();
    page.setFontSize(12);
    page.spc(PrintLabelIndent);
    page.printStay(numberText(record.AtomicNumber));
    page.tab(20);
    page.printStay(nameOf(record));
    page.tab(45);
    page.print(trimmed(record.Symbol));
    layout.headerY = qint16(std::lround(page.currentY()));

    page.newLine();
    page.newLine();
    page.setFontBold(false);
    layout.countsTop = page.currentY();
    page.setFontSize(10);
    page.setCurrentX(0);
    page.setCurrentY(layout.countsTop);

    writeParticleLegend(page, pbprt, sprites);
    writeLevelRow(page, layout);

    page.setCurrentX(0);
    layout.blockTop = atomHeightTwips + 1000.0;
    page.setCurrentY(layout.blockTop);
    page.setForeColor(ColourBlack);
    page.setFontBold(true);
    page.newLine();
    return layout;
}

// Particle counts right-aligned under the first level digit, then each level's
// electrons under its digit (two-digit counts 70 twips further right). Returns
// the position just below the level counts.
double writeCountsBlock(PageCanvas &page, const Record &record, const PrintLayout &layout)
{
    page.setCurrentY(layout.countsTop);
    for (const qint16 count : {record.AtomicNumber, record.Neutrons, record.AtomicNumber}) {
        const QString text = numberText(count).rightJustified(3, u' ');
        page.setCurrentX(std::max(0.0, layout.levelPos[1] - page.textWidth(text)));
        page.print(text);
        page.newLine();
    }
    for (int level = 1; level <= layout.levels; ++level) {
        const qint16 count = record.LevelElectrons[level];
        const QString text = numberText(count);
        double x = layout.levelPos[level] - page.textWidth(text);
        if (count > 9) x += 70;
        page.setCurrentX(std::max(0.0, x));
        page.printStay(text);
    }
    page.newLine();
    const double countsEnd = page.currentY();
    page.setCurrentY(layout.blockTop);
    page.newLine();
    return countsEnd;
}

// Splits text into lines that fit the width at the canvas's current font, each
// broken where StrWWrap finds a break among the characters that fit.
QStringList wrapToWidth(const TextCanvas &canvas, const QString &text, double width)
{
    QStringList lines;
    QString rest = text;
    while (rest.size() > 1 && canvas.textWidth(rest) > width) {
        int fit = 1;
        while (fit < rest.size() && canvas.textWidth(rest.left(fit + 1)) <= width)
            ++fit;
        const qint16 k = StrWWrap(qint16(std::min(fit, 32767)), rest);
        lines << rest.left(k);
        rest = rest.mid(k);
    }
    lines << rest;
    return lines;
}

// Appearance and Name Origin are the free texts that can be longer than the
// page is wide; on paper they wrap at its right edge so that nothing is lost.
QStringList printLines(const PageCanvas &page, const QString &text, double pageWidth)
{
    const double width = pageWidth - (PrintValueColumn - 1) * page.columnWidth();
    // A printer that cannot tell its page size gets the text unwrapped.
    if (width <= 0) return {text};
    return wrapToWidth(page, text, width);
}

void writePrintValues(PageCanvas &page, const Record &record, const ClassificationNames &names,
                      double pageWidth)
{
    for (int line = 1; line < AppearanceLine; ++line) {
        const SheetValue value = sheetValue(line, record, names);
        page.tab(PrintValueColumn);
        page.printStay(value.text);
        page.print(value.suffix);
    }
    printAtColumn(page, PrintValueColumn,
                  printLines(page, sheetValue(AppearanceLine, record, names).text, pageWidth));
}

// The source note in 8 point, wrapped to the width left of x: below the sheet at
// the label indent, or, where the page ends too soon for it there, from the
// legend's column just below the level counts, right of the atom picture.
void writeSourceNote(PageCanvas &page, const QString &note, double countsEnd, double pageWidth,
                     double pageHeight)
{
    const double indent = PrintLabelIndent * page.columnWidth();
    const double legendX = (PrintIconColumn - 1) * page.columnWidth();
    page.newLine();
    const double sizeBefore = page.fontSize();
    page.setFontSize(8);
    // A printer that cannot tell its page size gets the note on one line.
    const auto wrapFrom = [&](double x) {
        return pageWidth - x > 0 ? wrapToWidth(page, note, pageWidth - x) : QStringList{note};
    };
    double x = indent;
    QStringList lines = wrapFrom(x);
    if (pageHeight > 0 && page.currentY() + lines.size() * page.textHeight() > pageHeight) {
        x = legendX;
        lines = wrapFrom(x);
        page.setCurrentY(countsEnd + page.textHeight());
    }
    for (const QString &line : lines) {
        page.setCurrentX(x);
        page.print(line.trimmed());
    }
    page.setFontSize(sizeBefore);
}

} // namespace

int SheetRows::lineAt(double y) const
{
    for (int line = SheetTitleLine; line <= SheetLineCount; ++line)
        if (y >= rows[line].first && y < rows[line].second) return line;
    return -1;
}

QString sheetLabel(int line)
{
    return Language::translate("Sheet", lineDef(line).label);
}

SheetValue sheetValue(int line, const ElementRecord &record, const ClassificationNames &names)
{
    const SheetLineDef &def = lineDef(line);
    SheetValue value;
    if (def.number) {
        const double number = def.number(record);
        if (def.dashWhenZero && number == 0) return {QStringLiteral("--"), {}};
        value.text = numberText(number);
    } else {
        value.text = def.text(record, names);
    }
    if (*def.unit) value.suffix = Language::translate("Sheet", def.unit);
    if (def.suffix) value.suffix += def.suffix(record);
    return value;
}

QString stateText(qint16 state)
{
    switch (state) {
    case 0:
        return Language::translate("SheetStates", "Solid");
    case 1:
        return Language::translate("SheetStates", "Liquid");
    case 2:
        return Language::translate("SheetStates", "Gas");
    default:
        //: An element made only in laboratories, with no state of its own.
        return Language::translate("SheetStates", "Artificial (Man Made)");
    }
}

QString classificationText(const ClassificationNames &names, qint16 classification)
{
    if (classification < 0 || classification >= qint16(names.size())) return {};
    return names[classification];
}

QStringList wrapSheetText(const QString &text, int maxLines)
{
    QStringList lines;
    QString rest = text;
    while (lines.size() < maxLines - 1 && rest.size() > WrapLimit) {
        const qint16 k = StrWWrap(WrapWidth, rest);
        lines << rest.left(k);
        rest = rest.mid(k);
    }
    lines << rest;
    return lines;
}

SheetRows writeScreenSheet(Surface &pbData, const ElementData &data, qint16 n,
                           const ClassificationNames &names, const StateSprites &states)
{
    SheetRows rows;
    if (n < 0 || n > MaxElements) return rows;
    const Record &record = data.ElementTable[n];
    pbData.setFontName(QStringLiteral("Arial"));
    pbData.setFontUnderline(false);
    pbData.setFontBold(true);
    const double blockTop = writeScreenHeader(pbData, record);
    writeLabels(pbData, 0);
    pbData.setFontBold(false);

    rows.rows[SheetTitleLine] = {0, int(std::lround(blockTop))};
    pbData.setCurrentY(blockTop);
    writeScreenValues(pbData, record, names, markerState(data, record), states, rows);
    const double originTop = pbData.currentY();
    writeNameOrigin(pbData, 0, ScreenValueColumn,
                    wrapSheetText(sheetValue(NameOriginLine, record, names).text, 3));
    rows.rows[NameOriginLine] = {int(std::lround(originTop)), int(std::lround(pbData.currentY()))};
    return rows;
}

qint16 writePrintSheet(PageCanvas &page, Surface &pbprt, const ElementData &data, qint16 n,
                       const ClassificationNames &names, const ParticleSprites &sprites,
                       int atomHeightTwips, double pageWidthTwips, const ElementSources *sources,
                       double pageHeightTwips)
{
    if (n < 0 || n > MaxElements) return 0;
    const Record &record = data.ElementTable[n];
    page.setFontUnderline(false);
    page.setFontBold(true);
    const PrintLayout layout = writePrintHeader(page, pbprt, record, sprites, atomHeightTwips);
    writeLabels(page, PrintLabelIndent);
    page.setFontBold(false);

    const double countsEnd = writeCountsBlock(page, record, layout);
    writePrintValues(page, record, names, pageWidthTwips);
    writeNameOrigin(
        page, PrintLabelIndent, PrintValueColumn,
        printLines(page, sheetValue(NameOriginLine, record, names).text, pageWidthTwips));
    if (sources)
        writeSourceNote(page, sourceNoteText(pageSourceCodes(record, n, *sources)), countsEnd,
                        pageWidthTwips, pageHeightTwips);
    return layout.headerY;
}

QStringList sheetTextLines(const ElementRecord &record, const ClassificationNames &names)
{
    QStringList lines{QStringLiteral("%1 %2 %3")
                          .arg(record.AtomicNumber)
                          .arg(nameOf(record), trimmed(record.Symbol))};
    for (int line = 1; line <= SheetLineCount; ++line) {
        const SheetValue value = sheetValue(line, record, names);
        lines << (sheetLabel(line).trimmed() + u' ' + (value.text + value.suffix).simplified())
                     .trimmed();
    }
    return lines;
}
