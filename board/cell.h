#pragma once

#include "board/look.h"
#include "board/controls.h"

namespace getalveld {

// A chart cell: a light widget that paints its own caption, colours and single-line border.
// The hundred chart has 101 of them and the thousand field 1001, so a cell keeps no style,
// palette or text layout of its own; setting a value it already has costs nothing.
class Cell : public TakesClicks<QWidget>, public Look
{
    Q_OBJECT
    LOOK_PROPERTIES

public:
    Cell(QWidget *parent, const QString &name, const QRect &geometry);

signals:
    void clicked();
    void mouseMoved(QPoint pos);

protected:
    void lookChanged(LookPart part) override;
    void paintEvent(QPaintEvent *event) override;
    void mouseClicked() override { emit clicked(); }
    void movedTo(QPoint pos) override { emit mouseMoved(pos); }
};

} // namespace getalveld
