#include "board/optionbutton.h"

#include "board/controls.h"
#include "board/geometry.h"

#include <QPainter>

namespace getalveld {

OptionButton::OptionButton(QWidget *parent, const QString &name, const QRect &geometry) : QAbstractButton(parent)
{
    setObjectName(name);
    setGeometry(geometry);
    setCheckable(true);
    // The chart is worked with the mouse; a focus mark on a cell would only add noise.
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void OptionButton::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    setText(displayText(caption));
    update();
}

void OptionButton::setBackColor(quint32 colour)
{
    if (colour == m_back)
        return;
    m_back = colour;
    update();
}

void OptionButton::setForeColor(quint32 colour)
{
    if (colour == m_fore)
        return;
    m_fore = colour;
    update();
}

void OptionButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, bgr(m_back));

    // Raised while off; pressed in, with a dark edge, while on or held down.
    const bool in = isChecked() || isDown();
    const QColor light(255, 255, 255), dark(64, 64, 64);
    p.setPen(in ? dark : light);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(in ? light : dark);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    if (in) {
        p.setPen(QPen(dark, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(2, 2, -1, -1));
    }

    if (!m_caption.isEmpty()) {
        p.setPen(bgr(m_fore));
        const int shift = in ? 1 : 0;
        p.drawText(r.translated(shift, shift), Qt::AlignCenter, text());
    }
}

void deselect(QAbstractButton *button)
{
    if (!button->isChecked())
        return;
    QButtonGroup *group = button->group();
    const bool exclusive = group && group->exclusive();
    const bool autoExclusive = button->autoExclusive();
    if (exclusive)
        group->setExclusive(false);
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(autoExclusive);
    if (exclusive)
        group->setExclusive(true);
}

} // namespace getalveld
