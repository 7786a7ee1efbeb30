#include "creatept.h"

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

struct LegendEntry
{
    int line;
    bool right;
    int colour;
    const char *label;
};
constexpr LegendEntry Legend[10] = {
    {0, false, 3, "Non Metals"},        {0, true, 6, "Alkali Metals"},
    {1, false, 2, "Halogens"},          {1, true, 7, "Alkaline Earth Metals"},
    {2, false, 1, "Inert Gases"},       {2, true, 8, "Other Metals"},
    {3, false, 4, "Semimetallics"},     {3, true, 9, "Rare Earth Elements"},
    {4, false, 5, "Transition Metals"}, {4, true, 10, "Radioactive RE Elements"},
};

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
                CellRects &rects)
        : m_target(target), m_printing(printing), m_data(data), m_art(art), m_rects(rects),
          m_labelColour(printing ? ColourBlack : ColourWhite), m_cellWidth(art.ptBox.width()),
          m_cellHeight(art.ptBox.height())
    {
    }

    void walk();

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
    void seriesBanner(int y, int height, const Surface &banner, const char *label);
    void elementCell(int e, int r, int c, int x, int y);
    void keyCell(int x);
    void classificationLegend(int x, int y);
    void groupHeading(int e, int r, int c, int x, int y);
    void symbolAndWeight(int x, int y, const ElementRecord &rec);

    Canvas &m_target;
    const bool m_printing;
    const ElementData &m_data;
    const TableArtwork &m_art;
    CellRects &m_rects;
    const Colour m_labelColour; // headings and labels: white on screen, black on paper
    const int m_cellWidth, m_cellHeight;
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
                int y0 = y + 100;
                for (const QChar ch : QStringLiteral("PERIOD")) {
                    printCentred(20, y0, QString(ch));
                    y0 += 16;
                }
                m_target.setForeColor(ColourBlack);
            }
            if (r == 1 && c == 7) keyCell(x);
            if (r == 1 && c == 3) classificationLegend(x, y);
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
                seriesBanner(y + 14, m_art.ptLser.height() + 1, m_art.ptLser, "Lanthanide Series");
                seriesBanner(y + 64, m_art.ptAser.height(), m_art.ptAser, "Actinide Series");
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
void TableDrawer::seriesBanner(int y, int height, const Surface &banner, const char *label)
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
    const QString text = QString::fromLatin1(label);
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

    // A class outside the colour table leaves the cell in the work picture's
    // own white rather than reading past the table.
    const int cls = rec.Classification;
    cellBox(x, y, cls >= 0 && cls < int(m_art.ptcolor.size()) ? m_art.ptcolor[cls] : ColourWhite);
    stateSymbol(rec.State, x + 2, y + 2);

    if (headsGroup(r, c)) groupHeading(e, r, c, x, y);

    // Six pixels per character of the number text, its leading space included.
    const QString number = Str(e);
    m_target.setForeColor(ColourRed);
    printAt(x + m_cellWidth - 6 * number.size(), y, number);
    m_target.setForeColor(ColourBlack);

    symbolAndWeight(x, y, rec);
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
        printAt(x + 6, y - 38, QStringLiteral("GROUP"));
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
    printAt(kx - 50, ky, QStringLiteral("State"));
    m_target.line(kx - 23, ky + 7, kx + 3, ky + 7, m_labelColour);

    struct StateItem
    {
        int state, symbolX, symbolY, labelX, labelY;
        const char *label;
    };
    const StateItem states[4] = {
        {2, kx - 3 * m_cellWidth - 5, ky + 18, kx - 3 * m_cellWidth + 10, ky + 17, "Gas"},
        {1, kx - 71, ky + 18, kx - 56, ky + 17, "Liquid"},
        {0, kx - 3 * m_cellWidth - 5, ky + 34, kx - 3 * m_cellWidth + 10, ky + 33, "Solid"},
        {3, kx - 71, ky + 34, kx - 56, ky + 33, "Man Made"},
    };
    for (const StateItem &s : states) {
        stateSymbol(s.state, s.symbolX, s.symbolY);
        printAt(s.labelX, s.labelY, QString::fromLatin1(s.label));
    }

    struct Pointer
    {
        const char *label;
        int labelY, fromX, lineY;
    };
    const Pointer pointers[3] = {
        {"Symbol", ky + 16, kx + m_cellWidth - 12, ky + 23},
        {"Atomic Number", ky, kx + m_cellWidth - 3, ky + 7},
        {"Atomic Weight", ky + 34, kx + m_cellWidth - 3, ky + 41},
    };
    for (const Pointer &p : pointers) {
        printAt(kx + m_cellWidth + 20, p.labelY, QString::fromLatin1(p.label));
        m_target.line(p.fromX, p.lineY, kx + m_cellWidth + 18, p.lineY, m_labelColour);
    }
    m_target.setForeColor(ColourBlack);
}

void TableDrawer::classificationLegend(int x, int y)
{
    const int gx = x + 66;
    const int gy = y + 57;
    m_target.box(gx, gy - 6, gx + 260, gy + 62, ColourBlack);
    m_target.setForeColor(m_labelColour);
    for (const LegendEntry &entry : Legend) {
        const int sx = gx + (entry.right ? 126 : 6);
        const int tx = gx + (entry.right ? 139 : 19);
        const int top = gy + 12 * entry.line;
        m_target.filledBox(sx, top, sx + 8, top + 8, m_art.ptcolor[entry.colour]);
        printAt(tx, top - 2, QString::fromLatin1(entry.label));
    }
    m_target.setForeColor(ColourBlack);
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
                  const TableArtwork &art, CellRects &cellRects, QPoint eFrameTopLeft)
{
    const bool printing = printMode != 0;
    PTLayout layout = {
        QRect(eFrameTopLeft.x() + 2, eFrameTopLeft.y() + 8, TablePictureWidth, TablePictureHeight),
        QSize(art.ptBox.width() + 3, art.ptBox.height() + 3)};
    if (!printing) {
        target.resize(TablePictureWidth, TablePictureHeight);
        target.setBackColor(ColourPageBlue);
    } else {
        layout.pbGeometry = QRect();
        target.clearPicture();
    }

    TableDrawer(target, printing, data, art, cellRects).walk();
    return layout;
}
