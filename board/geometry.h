#pragma once

#include <QColor>
#include <QRect>
#include <QtGlobal>

namespace getalveld {

// Layouts are written in twips, as the screen designs give them; 15 twips make one
// logical pixel at 96 dpi, and Qt scales logical pixels on high-dpi displays.
constexpr int twipsPerPixel = 15;

constexpr int px(int twips) { return twips >= 0 ? (twips + 7) / 15 : -((-twips + 7) / 15); }
QRect twipsRect(int left, int top, int width, int height);

// Colours are written 0x00BBGGRR: red in the low byte, blue in the high byte.
QColor bgr(quint32 value);

namespace colour {
constexpr quint32 cellGrey = 0x00808080;
constexpr quint32 cellGreen = 0x00006400;
constexpr quint32 cellRed = 0x000000FF;
constexpr quint32 cellOrange = 0x000052FD;
constexpr quint32 white = 0x00FFFFFF;
constexpr quint32 black = 0x00000000;
constexpr quint32 marked = 0x00336600; // the dark green of the icon square and marked cells
} // namespace colour

} // namespace getalveld
