#include "tableartwork.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <map>
#include <utility>

namespace {

constexpr int BoxWidth = 40;
constexpr int BoxHeight = 50;
constexpr int StatePictureSize = 16;
constexpr int ConnectorWidth = 40;
constexpr int ConnectorHeight = 178;
constexpr int BannerWidth = 132;
constexpr int BannerHeight = 21;
constexpr int TipWidth = 20;

// Cell box colours: a dark outline and light-grey bevels, lighter on the lit
// left side than down the right and along the bottom.
constexpr Colour BoxOutline = 0x404040;
constexpr Colour BevelLeft = 0xE0E0E0;
constexpr Colour BevelBottom = 0xB0B0B0;
constexpr Colour BevelRight[3] = {0xD0D0D0, 0xC0C0C0, 0xB0B0B0};

// State symbol colours (blue-green-red).
constexpr Colour SymbolYellow = 0x00DCFF;
constexpr Colour SymbolLightBlue = 0xFFAA5A;
constexpr Colour SymbolRed = 0x0000E6;

// Banner body: navy with white lettering.
constexpr Colour BannerBody = 0x800000;

// The key cell's colour, then the colours of the ten classifications.
constexpr std::array<Colour, 11> CellColours = {0xE8E8E8, 0xBC93BC, 0xFFC0C0, 0xFFFFC0,
                                                0xDEDEE7, 0xDCCCAB, 0x8BD58B, 0xA6F9F0,
                                                0x9B9BF6, 0xC6C6E7, 0x7B7BE7};

// 10 x 10 state symbols: '.' transparent, 'X' the flask's black outline,
// 'Y' yellow, 'B' light blue, 'R' red.
using Glyph = std::array<const char *, StateSymbolSize>;
constexpr std::array<Glyph, 4> StateGlyphs = {{
    // 0 solid: a heap at the bottom of the flask
    {"..XXXXXX..", "...X..X...", "...X..X...", "...X..X...", "..X....X..", "..X....X..",
     ".X......X.", ".X.YYYY.X.", "XYYYYYYYYX", "XXXXXXXXXX"},
    // 1 liquid: the flask filled from the shoulders down
    {"..XXXXXX..", "...X..X...", "...X..X...", "...X..X...", "..X....X..", "..XBBBBX..",
     ".XBBBBBBX.", ".XBBBBBBX.", "XBBBBBBBBX", "XXXXXXXXXX"},
    // 2 gas: the empty flask
    {"..XXXXXX..", "...X..X...", "...X..X...", "...X..X...", "..X....X..", "..X....X..",
     ".X......X.", ".X......X.", "X........X", "XXXXXXXXXX"},
    // 3 man made: sparks
    {"..R....Y..", ".RYR..YRY.", "..R....Y..", "......R...", "...Y......", "..YRY...R.",
     "...Y...RYR", "R.......R.", "....R.....", "...RYR...."},
}};

Colour glyphColour(char c)
{
    switch (c) {
    case 'Y':
        return SymbolYellow;
    case 'B':
        return SymbolLightBlue;
    case 'R':
        return SymbolRed;
    default:
        return ColourBlack;
    }
}

void buildCellBox(Surface &box, Surface &mask, double scale, Colour corners)
{
    box = Surface(BoxWidth, BoxHeight, ColourBlack, scale);
    mask = Surface(BoxWidth, BoxHeight, ColourBlack, scale);
    const int r = BoxWidth - 1;
    const int b = BoxHeight - 1;

    // Outline with rounded corners: straight edges stop two pixels short of each
    // corner, and one diagonal pixel closes each corner.
    box.line(2, 0, r - 2, 0, BoxOutline);
    box.line(2, b, r - 2, b, BoxOutline);
    box.line(0, 2, 0, b - 2, BoxOutline);
    box.line(r, 2, r, b - 2, BoxOutline);
    box.setPixel(1, 1, BoxOutline);
    box.setPixel(r - 1, 1, BoxOutline);
    box.setPixel(1, b - 1, BoxOutline);
    box.setPixel(r - 1, b - 1, BoxOutline);

    // Bevels: one pixel on the left and along the bottom, three down the right.
    box.line(1, 2, 1, b - 2, BevelLeft);
    box.line(2, b - 1, r - 2, b - 1, BevelBottom);
    box.line(CellInteriorRight + 1, CellInteriorTop, CellInteriorRight + 1, CellInteriorBottom,
             BevelRight[0]);
    box.line(CellInteriorRight + 2, CellInteriorTop, CellInteriorRight + 2, CellInteriorBottom,
             BevelRight[1]);
    box.line(CellInteriorRight + 3, CellInteriorTop + 1, CellInteriorRight + 3, CellInteriorBottom,
             BevelRight[2]);

    // The corners carry the screen background so that the box looks rounded.
    for (int y = 0; y < BoxHeight; ++y)
        for (int x = 0; x < BoxWidth; ++x)
            if (isCellCornerPixel(x, y, BoxWidth, BoxHeight)) box.setPixel(x, y, corners);

    mask.filledBox(CellInteriorLeft, CellInteriorTop, CellInteriorRight, CellInteriorBottom,
                   ColourWhite);
}

void buildStateSymbols(std::array<Surface, 4> &sprites, std::array<Surface, 4> &masks, double scale)
{
    for (size_t s = 0; s < StateGlyphs.size(); ++s) {
        sprites[s] = Surface(StatePictureSize, StatePictureSize, ColourBlack, scale);
        masks[s] = Surface(StatePictureSize, StatePictureSize, ColourWhite, scale);
        for (int y = 0; y < StateSymbolSize; ++y) {
            for (int x = 0; x < StateSymbolSize; ++x) {
                const char c = StateGlyphs[s][y][x];
                if (c == '.') continue;
                sprites[s].setPixel(x, y, glyphColour(c));
                masks[s].setPixel(x, y, ColourBlack);
            }
        }
    }
}

// Two curved arrows: from the period 6 slot down and right into the first cell
// of the upper series row, and from the period 7 slot into the lower one. The
// outer arrow starts lower, so the two never cross.
void drawConnector(QPainter &p, Colour ink)
{
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colour = QColor::fromRgb(toQRgb(ink));
    p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

    struct Arrow
    {
        qreal startY, shaftX, endY;
    };
    // endY lines up with the middle of the series banners (period 8 at 132, the
    // lower row as far down as the picture reaches).
    const Arrow arrows[2] = {{20, 25, 132}, {70, 11, 172}};
    for (const Arrow &a : arrows) {
        p.setBrush(colour);
        p.drawEllipse(QPointF(a.shaftX, a.startY), 3, 3);
        p.setBrush(Qt::NoBrush);
        QPainterPath path(QPointF(a.shaftX, a.startY));
        path.lineTo(a.shaftX, a.endY - 6);
        path.quadTo(a.shaftX, a.endY, a.shaftX + 6, a.endY);
        path.lineTo(ConnectorWidth - 7, a.endY);
        p.drawPath(path);
        QPainterPath head;
        head.moveTo(ConnectorWidth - 1, a.endY);
        head.lineTo(ConnectorWidth - 8, a.endY - 4.5);
        head.lineTo(ConnectorWidth - 8, a.endY + 4.5);
        head.closeSubpath();
        p.fillPath(head, colour);
    }
}

Surface buildConnector(Colour background, Colour ink, double scale)
{
    Surface connector(ConnectorWidth, ConnectorHeight, background, scale);
    connector.paint([ink](QPainter &p) { drawConnector(p, ink); });
    return connector;
}

// The arrow tip at the right end of a banner, width TipWidth.
QPainterPath tipPath(qreal left)
{
    QPainterPath tip;
    tip.moveTo(left, 0);
    tip.lineTo(left + TipWidth - 0.5, BannerHeight / 2.0);
    tip.lineTo(left, BannerHeight);
    tip.closeSubpath();
    return tip;
}

// The banner's body; its label is drawn with the table's text.
Surface buildBanner(double scale)
{
    Surface banner(BannerWidth, BannerHeight, ColourPageBlue, scale);
    banner.paint([](QPainter &p) {
        const QColor body = QColor::fromRgb(toQRgb(BannerBody));
        p.fillRect(0, 0, BannerWidth - TipWidth, BannerHeight, body);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillPath(tipPath(BannerWidth - TipWidth), body);
    });
    return banner;
}

Surface buildTipOnWhite(double scale)
{
    Surface tip(TipWidth, BannerHeight, ColourWhite, scale);
    tip.paint([](QPainter &p) {
        p.setRenderHint(QPainter::Antialiasing);
        p.fillPath(tipPath(0), QColor::fromRgb(toQRgb(BannerBody)));
    });
    return tip;
}

} // namespace

bool isCellCornerPixel(int x, int y, int w, int h)
{
    const bool left = x == 0 || x == 1;
    const bool right = x == w - 1 || x == w - 2;
    const bool top = y == 0 || y == 1;
    const bool bottom = y == h - 1 || y == h - 2;
    if (!((left || right) && (top || bottom))) return false;
    // Of each 2 x 2 corner block, all but the pixel diagonally inside.
    const bool innerX = x == 1 || x == w - 2;
    const bool innerY = y == 1 || y == h - 2;
    return !(innerX && innerY);
}

TableArtwork buildTableArtwork(double scale)
{
    TableArtwork art;
    buildCellBox(art.ptBox, art.ptBoxM, scale, ColourPageBlue);
    Surface mask;
    buildCellBox(art.ptBoxW, mask, scale, ColourWhite);
    buildStateSymbols(art.ptst, art.ptstM, scale);
    art.ptconn = buildConnector(ColourPageBlue, ColourWhite, scale);
    art.ptconnW = buildConnector(ColourWhite, ColourBlack, scale);
    art.ptLser = buildBanner(scale);
    art.ptAser = buildBanner(scale);
    art.ptserW = buildTipOnWhite(scale);
    art.ptcolor = classColours();
    return art;
}

const TableArtwork &tableArtwork(double scale)
{
    // The few scales a run meets: the screen's, and the paper's.
    static std::map<double, TableArtwork> made;
    auto found = made.find(scale);
    if (found == made.end()) found = made.emplace(scale, buildTableArtwork(scale)).first;
    return found->second;
}

const std::array<Colour, 11> &classColours()
{
    return CellColours;
}
