#pragma once

#include "board/look.h"
#include "board/clicks.h"

#include <QLineEdit>
#include <QString>

namespace getalveld {

// A text box: one line of text the pupil types, with its background and text colour as
// 0x00BBGGRR and a click event. A disabled text box keeps its colours, so the number in it
// stays as readable as before.
class TextBox : public QLineEdit, public Colours
{
    Q_OBJECT
    Q_PROPERTY(QString caption READ text WRITE setText)
    Q_PROPERTY(quint32 backColor READ backColor WRITE setBackColor)
    Q_PROPERTY(quint32 foreColor READ foreColor WRITE setForeColor)

public:
    TextBox(QWidget *parent, const QString &name, const QRect &geometry);

    // Chained set-up: background, font, text centred.
    TextBox *look(quint32 back, const QString &family, qreal points, bool bold = false);


signals:
    // A press and release of the left button inside the box.
    void clicked();

protected:
    void lookChanged(LookPart part) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    ClickTracker m_click;
};

} // namespace getalveld
