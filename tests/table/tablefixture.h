#pragma once

#include "creatept.h"

#include <utility>

namespace tablefixture {

// Grid position of element z in the standard long layout: periods 1 to 7 in
// rows 1 to 7, lanthanides in row 8 and actinides in row 9.
inline std::pair<int, int> standardPosition(int z)
{
    // first, last, row, column of each run of neighbours
    const int runs[][4] = {{1, 1, 1, 1},    {2, 2, 1, 18},   {3, 4, 2, 1},   {5, 10, 2, 13},
                           {11, 12, 3, 1},  {13, 18, 3, 13}, {19, 36, 4, 1}, {37, 54, 5, 1},
                           {55, 56, 6, 1},  {57, 71, 8, 4},  {72, 86, 6, 4}, {87, 88, 7, 1},
                           {89, 103, 9, 4}, {104, 118, 7, 4}};
    for (const auto &r : runs)
        if (z >= r[0] && z <= r[1]) return {r[2], r[3] + z - r[0]};
    return {0, 0};
}

// All 118 elements in the standard layout, classes and states spread over
// them; texts padded as the data file pads them, symbols like "Cb".
inline ElementData standardData()
{
    ElementData data;
    data.ElementTable.fill(ElementRecord::blank());
    for (int z = 1; z <= MaxElements; ++z) {
        ElementRecord &r = data.ElementTable[z];
        const auto [row, column] = standardPosition(z);
        r.TableRow = qint16(row);
        r.TableColumn = qint16(column);
        r.Classification = qint16(1 + z % 10);
        r.State = qint16(z % 4);
        r.AtomicWeight = z * 2.5 + 0.0123;
        r.Symbol = (QString(QChar('A' + z % 26)) + QChar('a' + (z / 26) % 26)).leftJustified(3);
        r.GroupLabel = QStringLiteral("G%1").arg(column).leftJustified(5);
    }
    data.ElementCount = MaxElements;
    return data;
}

// The top-left corner of the cell at grid position (row, column).
inline QPoint cellCorner(int row, int column)
{
    return {44 + 40 * (column - 1), 42 + 50 * (row - 1) + (row >= 8 ? 8 : 0)};
}

// The table drawn on screen into a pb set up as the window sets it up.
struct Drawn
{
    ElementData data;
    Surface pb{239, 231, 0xDCCCAB};
    Surface pw;
    CellRects rects{};
    PTLayout layout;

    explicit Drawn(ElementData d, QSize pwSize = {103, 88})
        : data(std::move(d)), pw(pwSize.width(), pwSize.height(), ColourWhite)
    {
        pb.setFontName(QStringLiteral("Arial"));
        pb.setFontSize(8.25);
        pb.setForeColor(ColourBlack);
        layout = CreatePT(pb, 0, data, tableArtwork(), rects, pw);
    }
};

// A picture a little larger than the table, all in one colour.
inline Surface plain(Colour c)
{
    return Surface(TablePictureWidth + 10, TablePictureHeight + 10, c);
}

// plain(background) with text printed as the table prints it: Arial at
// points, cursor at (x, y).
inline Surface printed(Colour background, double points, bool bold, Colour colour, double x,
                       double y, const QString &text)
{
    Surface s = plain(background);
    s.setFontName(QStringLiteral("Arial"));
    s.setFontSize(points);
    s.setFontBold(bold);
    s.setForeColor(colour);
    s.setCurrentX(x);
    s.setCurrentY(y);
    s.print(text);
    return s;
}

// x from which text starts when centred on centreX: half its measured width,
// rounded, taken off.
inline double centredX(int centreX, double points, bool bold, const QString &text)
{
    Surface measure;
    measure.setFontName(QStringLiteral("Arial"));
    measure.setFontSize(points);
    measure.setFontBold(bold);
    return centreX - intDiv(measure.textWidth(text), 2);
}

// True when region of s shows picture placed with its top-left at origin.
inline bool shows(const Surface &s, const QRect &region, const Surface &picture, QPoint origin = {})
{
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            if (s.pixel(x, y) != picture.pixel(x - origin.x(), y - origin.y())) return false;
    return true;
}

} // namespace tablefixture
