#pragma once

#include "board/clicks.h"

#include <QLineEdit>
#include <QString>

namespace getalveld {

// A text box: one line of text the pupil types, with its background and text colour as
// 0x00BBGGRR and a click event. A disabled text box keeps its colours, so the number in it
// stays as readable as before.
class TextBox : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(QString caption READ text WRITE setText)
    Q_PROPERTY(quint32 backColor READ backColor WRITE setBackColor)
    Q_PROPERTY(quint32 foreColor READ foreColor WRITE setForeColor)

public:
    TextBox(QWidget *parent, const QString &name, const QRect &geometry);

    // Chained set-up: background, font, text centred.
    TextBox *look(quint32 back, const QString &family, qreal points, bool bold = false);

    quint32 backColor() const { return m_back; }
    void setBackColor(quint32 colour);
    quint32 foreColor() const { return m_fore; }
    void setForeColor(quint32 colour);

signals:
    // A press and release of the left button inside the box.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    quint32 m_back = 0x00FFFFFF;
    quint32 m_fore = 0x00000000;
    ClickTracker m_click;
};

} // namespace getalveld
