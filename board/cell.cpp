#include "board/cell.h"

#include "board/announce.h"
#include "board/geometry.h"

#include <QAccessible>
#include <QPainter>

namespace getalveld {

Cell::Cell(QWidget *parent, const QString &name, const QRect &geometry) : TakesClicks(parent), Look(0x00FFFFFF)
{
    setObjectName(name);
    setGeometry(geometry);
    // The cell paints every pixel itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Cell::lookChanged(LookPart part)
{
    update();
    // The colour is the verdict on a clicked cell: a screen reader hears it as the description.
    if (part == LookPart::BackColor && isVisible()) {
        announce(this, QAccessible::DescriptionChanged);
        noteNews(this);
    }
}

void Cell::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, bgr(backColor()));
    if (!caption().isEmpty()) {
        p.setPen(bgr(foreColor()));
        p.drawText(r.adjusted(1, 1, -1, -1), Qt::AlignCenter | Qt::TextWordWrap, displayText(caption()));
    }
    p.setPen(cellBorder());
    p.drawRect(r.adjusted(0, 0, -1, -1));
}

} // namespace getalveld
