#pragma once

#include <QRgb>
#include <QtGlobal>

// Colours are kept as the program's documented 24-bit blue-green-red values
// (255 is red, 16711680 is blue). They become Qt colours only through these two
// functions.
using Colour = quint32;

constexpr Colour ColourBlack = 0;
constexpr Colour ColourWhite = 16777215;
constexpr Colour ColourRed = 255;
constexpr Colour ColourBlue = 16711680;

constexpr QRgb toQRgb(Colour bgr)
{
    return 0xFF000000u | ((bgr & 0xFFu) << 16) | (bgr & 0xFF00u) | ((bgr >> 16) & 0xFFu);
}

constexpr Colour fromQRgb(QRgb rgb)
{
    return ((rgb >> 16) & 0xFFu) | (rgb & 0xFF00u) | ((rgb & 0xFFu) << 16);
}
