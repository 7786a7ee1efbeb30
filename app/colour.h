#pragma once

#include <QRgb>
#include <QtGlobal>

// Colours are kept as the program's 24-bit blue-green-red values (0x0000FF is
// red, 0xFF0000 is blue). They become Qt colours only through these two
// functions.
using Colour = quint32;

constexpr Colour ColourBlack = 0x000000;
constexpr Colour ColourWhite = 0xFFFFFF;
constexpr Colour ColourRed = 0x0000FF;
constexpr Colour ColourBlue = 0xFF0000;
// The background of both pages and of the frames on them.
constexpr Colour ColourPageBlue = 0xD09311;

constexpr QRgb toQRgb(Colour bgr)
{
    return 0xFF000000u | ((bgr & 0xFFu) << 16) | (bgr & 0xFF00u) | ((bgr >> 16) & 0xFFu);
}

constexpr Colour fromQRgb(QRgb rgb)
{
    return ((rgb >> 16) & 0xFFu) | (rgb & 0xFF00u) | ((rgb & 0xFFu) << 16);
}
