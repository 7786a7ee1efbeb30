#pragma once

#include "creatept.h"
#include "elementdata.h"
#include "surface.h"
#include "tableartwork.h"

#include <QRect>
#include <QString>

#include <functional>
#include <utility>

namespace tablefixture {

// Grid position of element z in the standard long layout: periods 1 to 7 in
// rows 1 to 7, lanthanides in row 8 and actinides in row 9, columns 4 to 18.
inline std::pair<int, int> standardPosition(int z)
{
    if (z == 1) return {1, 1};
    if (z == 2) return {1, 18};
    struct Run
    {
        int first, last, row, column;
    };
    const Run runs[] = {{3, 4, 2, 1},   {5, 10, 2, 13}, {11, 12, 3, 1},  {13, 18, 3, 13},
                        {19, 36, 4, 1}, {37, 54, 5, 1}, {55, 56, 6, 1},  {57, 71, 8, 4},
                        {72, 86, 6, 4}, {87, 88, 7, 1}, {89, 103, 9, 4}, {104, 118, 7, 4}};
    for (const Run &r : runs)
        if (z >= r.first && z <= r.last) return {r.row, r.column + z - r.first};
    return {0, 0};
}

inline QString padded(const QString &text, int width)
{
    return text.leftJustified(width, QLatin1Char(' '));
}

inline ElementRecord makeRecord(int z, int row, int column, int classification, int state,
                                double weight, const QString &symbol, const QString &groupLabel)
{
    ElementRecord r = ElementRecord::blank();
    r.AtomicNumber = qint16(z);
    r.TableRow = qint16(row);
    r.TableColumn = qint16(column);
    r.Classification = qint16(classification);
    r.State = qint16(state);
    r.AtomicWeight = weight;
    r.Symbol = padded(symbol, 3);
    r.GroupLabel = padded(groupLabel, 5);
    return r;
}

// Symbols made from the atomic number, e.g. "Cb".
inline QString fakeSymbol(int z)
{
    return QString(QChar('A' + z % 26)) + QChar('a' + (z / 26) % 26);
}

// All 118 elements in the standard layout, with classes 1..10 and the four
// states spread over them.
inline ElementData standardData()
{
    ElementData data;
    data.ElementTable.fill(ElementRecord::blank());
    for (int z = 1; z <= MaxElements; ++z) {
        const auto [row, column] = standardPosition(z);
        data.ElementTable[z] = makeRecord(z, row, column, 1 + z % 10, z % 4, z * 2.5 + 0.0123,
                                          fakeSymbol(z), QStringLiteral("G%1").arg(column));
    }
    data.ElementCount = MaxElements;
    return data;
}

// The documented cell corner of grid position (row, column).
inline QPoint cellCorner(int row, int column)
{
    return {44 + 40 * (column - 1), 42 + 50 * (row - 1) + (row >= 8 ? 8 : 0)};
}

// The picture pb as the window creates it: Arial 8.25, black text.
inline Surface screenPicture()
{
    Surface pb(239, 231, 0xDCCCAB);
    pb.setFontName(QStringLiteral("Arial"));
    pb.setFontSize(8.25);
    pb.setForeColor(ColourBlack);
    return pb;
}

// pbprt as printing uses it: white, Arial 9.75, black text, the table's size.
inline Surface printPicture(int width = TablePictureWidth, int height = TablePictureHeight)
{
    Surface pbprt(width, height, ColourWhite);
    pbprt.setFontName(QStringLiteral("Arial"));
    pbprt.setFontSize(9.75);
    pbprt.setForeColor(ColourBlack);
    return pbprt;
}

// True when region of actual equals the same region of a picture of the same
// size that holds only background and what draw puts there.
inline bool regionLooksLike(const Surface &actual, const QRect &region, Colour background,
                            const std::function<void(Surface &)> &draw, QString *where = nullptr)
{
    Surface expected(actual.width(), actual.height(), background);
    draw(expected);
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            if (actual.pixel(x, y) != expected.pixel(x, y)) {
                if (where) *where = QStringLiteral("first difference at %1,%2").arg(x).arg(y);
                return false;
            }
    return true;
}

// Text drawn as the table draws it: font size, boldness and colour, cursor at (x, y).
inline std::function<void(Surface &)> text(double points, bool bold, Colour colour, double x,
                                           double y, const QString &s)
{
    return [=](Surface &target) {
        target.setFontName(QStringLiteral("Arial"));
        target.setFontSize(points);
        target.setFontBold(bold);
        target.setForeColor(colour);
        target.setCurrentX(x);
        target.setCurrentY(y);
        target.print(s);
    };
}

// Number of pixels in region that differ from background.
inline int inkCount(const Surface &s, const QRect &region, Colour background)
{
    int n = 0;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            n += s.pixel(x, y) != background;
    return n;
}

// True when region of s is a pixel copy of picture at its top-left.
inline bool regionIsCopyOf(const Surface &s, const QRect &region, const Surface &picture,
                           int pictureX = 0, int pictureY = 0)
{
    for (int y = 0; y < region.height(); ++y)
        for (int x = 0; x < region.width(); ++x)
            if (s.pixel(region.left() + x, region.top() + y) !=
                picture.pixel(pictureX + x, pictureY + y))
                return false;
    return true;
}

} // namespace tablefixture
