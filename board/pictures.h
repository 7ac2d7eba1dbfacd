#pragma once

#include <QIcon>
#include <QPixmap>
#include <QStringList>

namespace getalveld {

// The picture catalogue: every picture of every screen by name, at any size, rendered once
// per size and kept. Screens never see file paths.
//
// Names: the choice board's faces (balloons, mouse, robot, star, duck, icelolly, dumptruck,
// candle, musicnote, fishbowl, saucer, sun, castle), the buttons (start, stop, check, new,
// help), person1..person6, coatofarms, logo, decorsun, reward0..reward9 and reward,
// flag1-00..flag1-19 and flag2-00..flag2-19, hamster00..hamster29, figure00..figure19, and the
// pictures drawn here: veld1..veld10 (a small chart with its number) and blackboard.
QPixmap picture(const QString &name, const QSize &size, qreal devicePixelRatio = 1.0);
QIcon pictureIcon(const QString &name);
// The same picture from the ones rendered ahead of time (:/rendered), as a build without an
// SVG renderer draws it; empty where they are not built in.
QPixmap renderedPicture(const QString &name, const QSize &size, qreal devicePixelRatio = 1.0);
bool hasPicture(const QString &name);
QStringList pictureNames();
// How many pictures this process has drawn from their SVG so far; the start draws none.
int picturesDrawnFromSource();

// Liberation Sans, bundled and loaded at start; "Arial" and "MS Sans Serif" resolve to it so
// that text measures the same on every machine.
void loadBundledFonts();
QString resolveFontFamily(const QString &family);

// The attribution the credits must carry.
QString pictureCredit();
QString fontCredit();

} // namespace getalveld
