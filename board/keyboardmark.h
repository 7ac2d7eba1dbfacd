#pragma once

#include <QPainter>
#include <QRect>

namespace getalveld {

// The keyboard's mark on a chart cell or a button: a thick yellow band along the inside of
// `band` with a dark line inside it, which a pupil who sees poorly finds on every colour.
void paintKeyboardMark(QPainter &p, const QRect &band, int thick);

} // namespace getalveld
