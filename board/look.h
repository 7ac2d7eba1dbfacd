#pragma once

#include <QString>
#include <QtGlobal>

namespace getalveld {

// What of a control's look changed.
enum class LookPart { Caption, BackColor, ForeColor };

// The colours a control shows, as 0x00BBGGRR: kept here once for every control, with the rule
// that setting a colour it already has does nothing. The control says, in lookChanged, what
// follows a change (a repaint, a new palette, a word to a screen reader). Qt reads them
// through the properties each control declares: LOOK_PROPERTIES below where it has a caption.
class Colours
{
public:
    quint32 backColor() const { return m_back; }
    void setBackColor(quint32 colour) { change(m_back, colour, LookPart::BackColor); }
    quint32 foreColor() const { return m_fore; }
    void setForeColor(quint32 colour) { change(m_fore, colour, LookPart::ForeColor); }

protected:
    explicit Colours(quint32 back, quint32 fore = 0x00000000) : m_back(back), m_fore(fore) {}
    ~Colours() = default;
    virtual void lookChanged(LookPart part) = 0;
    // Setting what the control already shows does nothing.
    template <class T>
    void change(T &field, const T &value, LookPart part)
    {
        if (field == value)
            return;
        field = value;
        lookChanged(part);
    }

private:
    quint32 m_back;
    quint32 m_fore;
};

// The colours and a caption.
class Look : public Colours
{
public:
    const QString &caption() const { return m_caption; }
    void setCaption(const QString &caption) { change(m_caption, caption, LookPart::Caption); }

protected:
    using Colours::Colours;
    ~Look() = default;

private:
    QString m_caption;
};

} // namespace getalveld

// The look of a control with a caption as the Qt properties `caption`, `backColor` and
// `foreColor`, which the tests and outside checks read: written in the class beside Q_OBJECT.
#define LOOK_PROPERTIES                                                                              \
    Q_PROPERTY(QString caption READ caption WRITE setCaption)                                        \
    Q_PROPERTY(quint32 backColor READ backColor WRITE setBackColor)                                  \
    Q_PROPERTY(quint32 foreColor READ foreColor WRITE setForeColor)
