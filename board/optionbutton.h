#pragma once

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
class OptionButton : public QAbstractButton
{
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
    Q_PROPERTY(quint32 backColor READ backColor WRITE setBackColor)
    Q_PROPERTY(quint32 foreColor READ foreColor WRITE setForeColor)

public:
    OptionButton(QWidget *parent, const QString &name, const QRect &geometry);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    quint32 backColor() const { return m_back; }
    void setBackColor(quint32 colour);
    quint32 foreColor() const { return m_fore; }
    void setForeColor(quint32 colour);

    QSize sizeHint() const override { return size(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QString m_caption;
    // The caption laid out once per caption and font, so that lighting a row only paints:
    // a number as glyphs straight from the font, any other text as static text.
    QGlyphRun m_digits;
    QStaticText m_text;
    QSizeF m_textSize;
    bool m_textPrepared = false;
    void prepareText();
    quint32 m_back = 0x00C0C0C0;
    quint32 m_fore = 0x00000000;
};

// Turns a button of an exclusive group off. The group itself refuses that for its checked
// button, which would leave one option selected after a reset.
void deselect(QAbstractButton *button);

} // namespace getalveld
