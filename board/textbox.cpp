#include "board/textbox.h"

#include "board/accessible.h"
#include "board/controls.h"

#include <QMouseEvent>

namespace getalveld {

TextBox::TextBox(QWidget *parent, const QString &name, const QRect &geometry) : QLineEdit(parent), Colours(0x00FFFFFF)
{
    setObjectName(name);
    setGeometry(geometry);
    setAlignment(Qt::AlignCenter);
    setPaletteColours(this, *this, QPalette::Base, QPalette::Text);
}

TextBox *TextBox::look(quint32 back, const QString &family, qreal points, bool bold)
{
    setBackColor(back);
    setFont(screenFont(family, points, bold));
    return this;
}

void TextBox::lookChanged(LookPart part)
{
    setPaletteColours(this, *this, QPalette::Base, QPalette::Text);
    if (part == LookPart::BackColor)
        noteColourNews(this); // a result box's colour is its verdict
}

void TextBox::mousePressEvent(QMouseEvent *event)
{
    m_click.press(event);
    QLineEdit::mousePressEvent(event);
}

void TextBox::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_click.release(this, event);
    QLineEdit::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

} // namespace getalveld
