#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <QtGlobal>

namespace getalveld {

// Layouts are written in twips, as the screen designs give them; 15 twips make one
// logical pixel at 96 dpi, and Qt scales logical pixels on high-dpi displays.
constexpr int twipsPerPixel = 15;

constexpr int px(int twips) { return twips >= 0 ? (twips + 7) / 15 : -((-twips + 7) / 15); }
QRect twipsRect(int left, int top, int width, int height);

// Colours are written 0x00BBGGRR: red in the low byte, blue in the high byte.
QColor bgr(quint32 value);

// The client size of the exercise screens and the choice board.
constexpr int screenWidthTwips = 11880;
constexpr int screenHeightTwips = 7935;

namespace colour {
constexpr quint32 cellGrey = 0x00808080;
constexpr quint32 cellGreen = 0x00006400;
constexpr quint32 red = 0x000000FF; // a wrong answer, the wrong count
constexpr quint32 cellRed = red;
constexpr quint32 cellOrange = 0x000052FD;
constexpr quint32 white = 0x00FFFFFF;
constexpr quint32 black = 0x00000000;
constexpr quint32 marked = 0x00336600; // the dark green of the icon square and marked cells
constexpr quint32 exerciseBack = 0x00FFF8F0; // a light blue behind the exercises
constexpr quint32 panel = 0x006A6A00;        // the left panel of the exercise screens
constexpr quint32 paleYellow = 0x00C0FFFF;
constexpr quint32 helpPanel = 0x009F6B00; // the right panel with the help
constexpr quint32 helpButton = 0x0080FF80;
constexpr quint32 lilac = 0x00C28585; // the hundred squares' frames, the equation row and the colour key
} // namespace colour

// The two font families of the screen designs; both resolve to the bundled Liberation Sans.
namespace font {
inline const QString arial = QStringLiteral("Arial");
inline const QString sansSerif = QStringLiteral("MS Sans Serif");
} // namespace font

} // namespace getalveld
