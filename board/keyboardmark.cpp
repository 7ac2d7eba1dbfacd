#include "board/keyboardmark.h"

namespace getalveld {

void paintKeyboardMark(QPainter &p, const QRect &band, int thick)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 220, 0));
    p.drawRect(band.left(), band.top(), band.width(), thick);
    p.drawRect(band.left(), band.bottom() - thick + 1, band.width(), thick);
    p.drawRect(band.left(), band.top(), thick, band.height());
    p.drawRect(band.right() - thick + 1, band.top(), thick, band.height());
    p.setPen(QColor(0, 0, 0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(band.adjusted(thick, thick, -thick - 1, -thick - 1));
}

} // namespace getalveld
