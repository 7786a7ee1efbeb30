#include "creatept.h"

#include "language.h"
#include "numbertext.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int GridRows = 9;
constexpr int GridColumns = 18;
constexpr int GridLeft = 44;
constexpr int GridTop = 42;
constexpr int SeriesGap = 8; // extra space above the series rows
constexpr int KeyTop = 22;
constexpr int StateSymbol = StateSymbolSize;
constexpr int StateGas = 2;

// True where an element cell carries the heading of its group.
bool headsGroup(int r, int c)
{
    return r == 1 || (r == 2 && c == 2) || (r == 2 && c >= 13 && c <= 17) ||
           (r == 4 && c >= 3 && c <= 12);
}

class TableDrawer
{
public:
    TableDrawer(Canvas &target, bool printing, const ElementData &data, const TableArtwork &art,
                CellRects &rects, const TableView &view)
        : m_target(target), m_printing(printing), m_data(data), m_art(art), m_rects(rects),
          m_labelColour(printing ? ColourBlack : ColourWhite),
          m_background(printing ? ColourWhite : ColourPageBlue), m_cellWidth(art.ptBox.width()),
          m_cellHeight(art.ptBox.height()), m_colouring(view, data, art.ptcolor)
    {
    }

    void walk();
    std::vector<KeyArea> takeKeyAreas() { return std::move(m_keyAreas); }

private:
    void printAt(double x, double y, const QString &text)
    {
        m_target.setCurrentX(x);
        m_target.setCurrentY(y);
        m_target.print(text);
    }
    void printCentred(int centreX, double y, const QString &text)
    {
        printAt(centreX - intDiv(m_target.textWidth(text), 2), y, text);
    }
    void stateSymbol(int state, int x, int y)
    {
        if (state < 0 || state > 3) return;
        m_target.drawSprite(x, y, StateSymbol, StateSymbol, m_art.ptstM[state], m_art.ptst[state]);
    }
    const ElementRecord &record(int e) const { return m_data.ElementTable[e]; }

    void cellBox(int x, int y, Colour k);
    void seriesBanner(int y, int height, const Surface &banner, const QString &text);
    void elementCell(int e, int r, int c, int x, int y);
    void keyCell(int x);
    void viewKey(int x, int y);
    void keyEntry(int gx, int gy, int line, bool right, const KeyItem &item);
    void colourBar(int gx, int gy);
    void groupHeading(int e, int r, int c, int x, int y);
    void symbolAndWeight(int x, int y, const ElementRecord &rec);

    Canvas &m_target;
    const bool m_printing;
    const ElementData &m_data;
    const TableArtwork &m_art;
    CellRects &m_rects;
    const Colour m_labelColour; // headings and labels: white on screen, black on paper
    const Colour m_background;  // what dimmed cells fade into: the page
    const int m_cellWidth, m_cellHeight;
    const TableColouring m_colouring;
    std::vector<KeyArea> m_keyAreas;
};

void TableDrawer::walk()
{
    int y = GridTop;
    for (int r = 1; r <= GridRows; ++r) {
        int x = GridLeft;
        if (r <= 7) printAt(32, y + 16, Str(r));
        for (int c = 1; c <= GridColumns; ++c) {
            if (r == 2 && c == 1) {
                m_target.setForeColor(m_labelColour);
                // One letter under another down the left edge, between periods 2 and 7.
                int y0 = y + 100;
                //: Written downwards, one letter a line: at most 12 letters.
                for (const QChar ch : Language::translate("Table", "PERIOD")) {
                    printCentred(20, y0, QString(ch));
                    y0 += 16;
                }
                m_target.setForeColor(ColourBlack);
            }
            if (r == 1 && c == 7) keyCell(x);
            if (r == 1 && c == 3) viewKey(x, y);
            if (r == 8 && c == 1) y += SeriesGap;
            const int e = GetEfromRC(m_data, qint16(r), qint16(c));
            if (e > 0) elementCell(e, r, c, x, y);
            if (r == 6 && c == 3) {
                const Surface &conn = m_printing ? m_art.ptconnW : m_art.ptconn;
                m_target.bitBlt(x, y, m_cellWidth, conn.height(), conn, 0, 0, RasterOp::SrcCopy);
            }
            if (r == 8 && c == 1) {
                // The first copy is one row taller than the banner; the row that
                // has no source pixels leaves the target as it was.
                //: A banner's label, in bold: at most 106 pixels.
                seriesBanner(y + 14, m_art.ptLser.height() + 1, m_art.ptLser,
                             Language::translate("Table", "Lanthanide Series"));
                seriesBanner(y + 64, m_art.ptAser.height(), m_art.ptAser,
                             Language::translate("Table", "Actinide Series"));
            }
            x += m_cellWidth;
        }
        y += m_cellHeight;
    }
}

// A cell's box in class colour k, laid whole over what was there.
void TableDrawer::cellBox(int x, int y, Colour k)
{
    m_target.filledBox(x, y, x + m_cellWidth - 1, y + m_cellHeight - 1, k);
    // On paper the rounded corners match the white page.
    m_target.drawSprite(x, y, m_cellWidth, m_cellHeight, m_art.ptBoxM,
                        m_printing ? m_art.ptBoxW : m_art.ptBox);
}

// A series banner with its label in white bold, centred on its body; on paper
// its tip lies on white.
void TableDrawer::seriesBanner(int y, int height, const Surface &banner, const QString &text)
{
    m_target.bitBlt(6, y, banner.width(), height, banner, 0, 0, RasterOp::SrcCopy);
    const int tipWidth = m_art.ptserW.width();
    if (m_printing)
        m_target.bitBlt(6 + banner.width() - tipWidth, y, tipWidth, m_art.ptserW.height(),
                        m_art.ptserW, 0, 0, RasterOp::SrcCopy);
    const double size = m_target.fontSize();
    const bool bold = m_target.fontBold();
    const Colour colour = m_target.foreColor();
    m_target.setFontSize(8.25);
    m_target.setFontBold(true);
    m_target.setForeColor(ColourWhite);
    const int bodyWidth = banner.width() - tipWidth;
    m_target.setCurrentX(6 + std::max(2.0, (bodyWidth - m_target.textWidth(text)) / 2));
    m_target.setCurrentY(y + (m_art.ptLser.height() - m_target.textHeight()) / 2);
    m_target.printStay(text);
    m_target.setFontSize(size);
    m_target.setFontBold(bold);
    m_target.setForeColor(colour);
}

void TableDrawer::elementCell(int e, int r, int c, int x, int y)
{
    m_rects[e] = CellRect{qint16(r),
                          qint16(c),
                          qint16(x),
                          qint16(y),
                          qint16(x + m_cellWidth - 1),
                          qint16(y + m_cellHeight - 1)};
    const ElementRecord &rec = record(e);

    // The view's colour; a highlight fades the cells outside its group into
    // the page, words and all.
    Colour fill = m_colouring.cellColour(rec);
    const bool dimmed = m_colouring.dimmed(rec);
    if (dimmed) fill = fadedColour(fill, m_background);
    CellInk ink = cellInk(fill);
    if (dimmed) ink = {fadedColour(ink.text, fill), fadedColour(ink.number, fill)};
    cellBox(x, y, fill);
    stateSymbol(rec.State, x + 2, y + 2);

    if (headsGroup(r, c)) groupHeading(e, r, c, x, y);

    // Six pixels per character of the number text, its leading space included.
    const QString number = Str(e);
    m_target.setForeColor(ink.number);
    printAt(x + m_cellWidth - 6 * number.size(), y, number);
    m_target.setForeColor(ink.text);

    symbolAndWeight(x, y, rec);
    m_target.setForeColor(ColourBlack);
}

// The symbol in 12-point bold, then the weight in 8-point regular, centred.
void TableDrawer::symbolAndWeight(int x, int y, const ElementRecord &rec)
{
    m_target.setFontBold(true);
    m_target.setFontSize(12);
    printCentred(x + m_cellWidth / 2, y + 14, trimmedText(rec.Symbol));
    m_target.setFontSize(8);
    m_target.setFontBold(false);
    printCentred(x + m_cellWidth / 2, y + 34, cellWeightText(rec.AtomicWeight));
}

void TableDrawer::groupHeading(int e, int r, int c, int x, int y)
{
    if (r == 1 && c == 1) {
        m_target.setForeColor(m_labelColour);
        printAt(x + 6, y - 38, Language::translate("Table", "GROUP"));
        m_target.setForeColor(ColourBlack);
    }
    printCentred(x + m_cellWidth / 2, y - 24, QString::number(c));
    printCentred(x + m_cellWidth / 2, y - 12, trimmedText(record(e).GroupLabel));
}

void TableDrawer::keyCell(int x)
{
    const int kx = x + m_cellWidth / 2 + 12;
    const int ky = KeyTop;
    const ElementRecord &first = record(1);

    cellBox(kx, ky, m_art.ptcolor[0]);
    stateSymbol(StateGas, kx + 2, ky + 2);

    m_target.setForeColor(ColourRed);
    printAt(kx + m_cellWidth - 12, ky, Str(1));
    m_target.setForeColor(ColourBlack);

    symbolAndWeight(kx, ky, first);

    m_target.setForeColor(m_labelColour);
    //: The key's heading of the state symbols: at most 25 pixels, then a line.
    printAt(kx - 50, ky, Language::translate("States", "State"));
    m_target.line(kx - 23, ky + 7, kx + 3, ky + 7, m_labelColour);

    struct StateItem
    {
        int state, symbolX, symbolY, labelX, labelY;
        const char *label;
    };
    const StateItem states[4] = {
        //: The key's state names: Gas and Solid at most 33 pixels, Liquid and Man Made 53.
        {2, kx - 3 * m_cellWidth - 5, ky + 18, kx - 3 * m_cellWidth + 10, ky + 17,
         QT_TRANSLATE_NOOP("States", "Gas")},
        {1, kx - 71, ky + 18, kx - 56, ky + 17, QT_TRANSLATE_NOOP("States", "Liquid")},
        {0, kx - 3 * m_cellWidth - 5, ky + 34, kx - 3 * m_cellWidth + 10, ky + 33,
         QT_TRANSLATE_NOOP("States", "Solid")},
        {3, kx - 71, ky + 34, kx - 56, ky + 33, QT_TRANSLATE_NOOP("States", "Man Made")},
    };
    for (const StateItem &s : states) {
        stateSymbol(s.state, s.symbolX, s.symbolY);
        printAt(s.labelX, s.labelY, Language::translate("States", s.label));
    }

    struct Pointer
    {
        const char *label;
        int labelY, fromX, lineY;
    };
    const Pointer pointers[3] = {
        //: What the key cell's parts are: at most 140 pixels.
        {QT_TRANSLATE_NOOP("Table", "Symbol"), ky + 16, kx + m_cellWidth - 12, ky + 23},
        {QT_TRANSLATE_NOOP("Table", "Atomic Number"), ky, kx + m_cellWidth - 3, ky + 7},
        {QT_TRANSLATE_NOOP("Table", "Atomic Weight"), ky + 34, kx + m_cellWidth - 3, ky + 41},
    };
    for (const Pointer &p : pointers) {
        printAt(kx + m_cellWidth + 20, p.labelY, Language::translate("Table", p.label));
        m_target.line(p.fromX, p.lineY, kx + m_cellWidth + 18, p.lineY, m_labelColour);
    }
    m_target.setForeColor(ColourBlack);
}

// The legend box: the view's key. Its entries lie two to a line as the class
// legend's do; a view other than the classes first names what is shown.
void TableDrawer::viewKey(int x, int y)
{
    const int gx = x + 66;
    const int gy = y + 57;
    m_target.box(gx, gy - 6, gx + 260, gy + 62, ColourBlack);
    m_target.setForeColor(m_labelColour);
    const std::vector<KeyItem> items = m_colouring.keyItems();
    const TableViewDef &def = m_colouring.def();
    switch (def.kind) {
    case ViewKind::Classes:
        for (size_t i = 0; i < items.size(); ++i)
            keyEntry(gx, gy, int(i / 2), i % 2 == 1, items[i]);
        break;
    case ViewKind::Block:
        //: The block key's heading: at most 248 pixels.
        printAt(gx + 6, gy - 2, Language::translate("Views", "Block: the subshell being filled"));
        for (size_t i = 0; i < items.size(); ++i)
            keyEntry(gx, gy, 1 + int(i / 2), i % 2 == 1, items[i]);
        break;
    case ViewKind::State:
        //: The state key's heading with a temperature ("State at 298 K"): at most 248 pixels.
        printAt(gx + 6, gy - 2,
                Language::translate("States", "State at %1")
                    .arg(temperatureText(m_colouring.view().kelvin, m_colouring.view().unit)));
        for (size_t i = 0; i < items.size(); ++i)
            keyEntry(gx, gy, 1 + int(i / 2), i % 2 == 1, items[i]);
        //: Under the state key: at most 248 pixels.
        printAt(gx + 6, gy + 34,
                Language::translate("States", "Unknown: the points known do not decide"));
        break;
    case ViewKind::Property:
        colourBar(gx, gy);
        keyEntry(gx, gy, 4, false, items.front());
        break;
    }
    m_target.setForeColor(ColourBlack);
}

// One entry: its colour swatch and its words. While a group is highlighted
// the other entries' swatches fade as their cells do.
void TableDrawer::keyEntry(int gx, int gy, int line, bool right, const KeyItem &item)
{
    const int sx = gx + (right ? 126 : 6);
    const int tx = gx + (right ? 139 : 19);
    const int top = gy + 12 * line;
    const int highlight = m_colouring.view().highlight;
    const Colour swatch = highlight == NoHighlight || highlight == item.group
                              ? item.colour
                              : fadedColour(item.colour, m_background);
    m_target.filledBox(sx, top, sx + 8, top + 8, swatch);
    printAt(tx, top - 2, item.label);
    const int left = gx + (right ? 126 : 1);
    m_keyAreas.push_back({QRect(left, top - 2, right ? 134 : 125, 12), item.group});
}

// A property's key: its name and unit, the colour map from the lowest value
// to the highest, and those values under its ends and middle.
void TableDrawer::colourBar(int gx, int gy)
{
    const TableViewDef &def = m_colouring.def();
    const ColourScale &scale = m_colouring.scale();
    QString title = def.title;
    if (!def.unit.isEmpty()) title += QStringLiteral(" (%1)").arg(def.unit);
    //: The colour bar's heading: a view's title and unit, on a logarithmic scale.
    //: At most 248 pixels with the longest title.
    if (scale.log) title = Language::translate("Views", "%1, log scale").arg(title);
    printAt(gx + 6, gy - 2, title);

    const int left = gx + 6, right = gx + 254, top = gy + 11, bottom = gy + 23;
    for (int x = left; x <= right; ++x)
        m_target.filledBox(x, top, x, bottom, viridis(double(x - left) / (right - left)));
    m_target.box(left - 1, top - 1, right + 1, bottom + 1, ColourBlack);

    const int textY = bottom + 2;
    if (scale.empty) {
        printAt(left, textY, Language::translate("Views", "No element has a value"));
        return;
    }
    const QString low = keyNumberText(scale.low);
    const QString high = keyNumberText(scale.high);
    printAt(left, textY, low);
    printAt(right + 1 - m_target.textWidth(high), textY, high);
    if (scale.high != scale.low)
        printCentred((left + right) / 2, textY, keyNumberText(scaleValue(scale, 0.5)));
}

} // namespace

int intDiv(double dividend, int divisor)
{
    // std::nearbyint rounds halves to even in the default rounding mode.
    return int(std::nearbyint(dividend)) / divisor;
}

QString trimmedText(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    auto blank = [](QChar c) { return c == QLatin1Char(' ') || c.unicode() == 0; };
    while (begin < end && blank(text[begin]))
        ++begin;
    while (end > begin && blank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

QString cellWeightText(double atomicWeight)
{
    return Str(atomicWeight).trimmed().left(6);
}

qint16 GetEfromRC(const ElementData &data, qint16 row, qint16 column)
{
    const int count = std::clamp<int>(data.ElementCount, 0, MaxElements);
    for (int e = 1; e <= count; ++e) {
        const ElementRecord &rec = data.ElementTable[e];
        if (rec.TableRow == row && rec.TableColumn == column) return qint16(e);
    }
    return 0;
}

Surface tablePictureDesign(double scale)
{
    Surface picture(239, 231, 0xDCCCAB, scale);
    picture.setForeColor(ColourBlack);
    picture.setFontSize(8.25);
    return picture;
}

PTLayout CreatePT(Canvas &target, qint16 printMode, const ElementData &data,
                  const TableArtwork &art, CellRects &cellRects, QPoint eFrameTopLeft,
                  const TableView &view)
{
    const bool printing = printMode != 0;
    PTLayout layout = {
        QRect(eFrameTopLeft.x() + 2, eFrameTopLeft.y() + 8, TablePictureWidth, TablePictureHeight),
        QSize(art.ptBox.width() + 3, art.ptBox.height() + 3),
        {}};
    if (!printing) {
        target.resize(TablePictureWidth, TablePictureHeight);
        target.setBackColor(ColourPageBlue);
    } else {
        layout.pbGeometry = QRect();
        target.clearPicture();
    }

    TableDrawer drawer(target, printing, data, art, cellRects, view);
    drawer.walk();
    layout.keyAreas = drawer.takeKeyAreas();
    return layout;
}
