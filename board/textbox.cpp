#include "board/textbox.h"

#include "board/controls.h"

#include <QMouseEvent>

namespace getalveld {

TextBox::TextBox(QWidget *parent, const QString &name, const QRect &geometry) : QLineEdit(parent)
{
    setObjectName(name);
    setGeometry(geometry);
    setAlignment(Qt::AlignCenter);
    setRoleColour(this, QPalette::Base, m_back);
    setRoleColour(this, QPalette::Text, m_fore);
}

TextBox *TextBox::look(quint32 back, const QString &family, qreal points, bool bold)
{
    setBackColor(back);
    setFont(screenFont(family, points, bold));
    return this;
}

void TextBox::setBackColor(quint32 colour)
{
    if (colour == m_back)
        return;
    m_back = colour;
    setRoleColour(this, QPalette::Base, colour);
}

void TextBox::setForeColor(quint32 colour)
{
    if (colour == m_fore)
        return;
    m_fore = colour;
    setRoleColour(this, QPalette::Text, colour);
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
