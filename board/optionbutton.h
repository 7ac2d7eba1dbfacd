#pragma once

#include "board/look.h"
#include <QAbstractButton>
#include <QButtonGroup>
#include <QGlyphRun>
#include <QStaticText>
#include <QString>

namespace getalveld {

// An option button drawn as a push-button cell: its background colour, its caption in the
// middle, raised while off and pressed in while on. It paints itself, so a chart of two
// hundred of them shows as fast as plain widgets; it is still a checkable button, so it takes
// real clicks, answers isChecked() and joins a QButtonGroup.
class OptionButton : public QAbstractButton, public Look
{
    Q_OBJECT
    LOOK_PROPERTIES

public:
    OptionButton(QWidget *parent, const QString &name, const QRect &geometry);


    QSize sizeHint() const override { return size(); }

protected:
    void lookChanged(LookPart part) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // The caption laid out once per caption and font, so that lighting a row only paints:
    // a number as glyphs straight from the font, any other text as static text.
    QGlyphRun m_digits;
    QStaticText m_text;
    QSizeF m_textSize;
    bool m_textPrepared = false;
    void prepareText();
};

// Turns a button of an exclusive group off. The group itself refuses that for its checked
// button, which would leave one option selected after a reset.
void deselect(QAbstractButton *button);

} // namespace getalveld
