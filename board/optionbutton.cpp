#include "board/optionbutton.h"

#include "board/controls.h"
#include "board/geometry.h"

#include <QEvent>
#include <QPainter>
#include <QRawFont>
#include <algorithm>
#include <array>

namespace getalveld {

namespace {

// The ten digits of one font, looked up once: shaping every number of a chart on its own
// costs more than painting the whole cell.
struct Digits
{
    QRawFont font;
    std::array<quint32, 10> glyphs{};
    std::array<qreal, 10> advances{};
    bool usable = false;
};

const Digits &digitsOf(const QFont &font)
{
    // A chart uses one font: keep the digits of the last one asked for.
    static QFont last;
    static Digits digits;
    static bool known = false;
    if (known && font == last)
        return digits;
    known = true;
    last = font;
    digits = Digits();
    digits.font = QRawFont::fromFont(font);
    const QList<quint32> glyphs = digits.font.glyphIndexesForString(QStringLiteral("0123456789"));
    digits.usable = digits.font.isValid() && glyphs.size() == 10 && !glyphs.contains(0);
    if (digits.usable) {
        const QList<QPointF> advances = digits.font.advancesForGlyphIndexes(glyphs);
        for (int i = 0; i < 10; ++i) {
            digits.glyphs[size_t(i)] = glyphs[i];
            digits.advances[size_t(i)] = advances[i].x();
        }
    }
    return digits;
}

bool isNumber(const QString &text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

OptionButton::OptionButton(QWidget *parent, const QString &name, const QRect &geometry)
    : QAbstractButton(parent), Look(0x00C0C0C0)
{
    setObjectName(name);
    setGeometry(geometry);
    setCheckable(true);
    // The chart is worked with the mouse; a focus mark on a cell would only add noise.
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void OptionButton::lookChanged(LookPart part)
{
    if (part == LookPart::Caption) {
        setText(displayText(caption()));
        m_textPrepared = false;
    }
    update();
}

void OptionButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        m_textPrepared = false;
    QAbstractButton::changeEvent(event);
}

void OptionButton::prepareText()
{
    m_textPrepared = true;
    m_digits = QGlyphRun();
    const Digits &d = digitsOf(font());
    if (d.usable && isNumber(text())) {
        QList<quint32> glyphs;
        QList<QPointF> positions;
        qreal x = 0;
        for (QChar c : text()) {
            const size_t digit = size_t(c.unicode() - u'0');
            glyphs.append(d.glyphs[digit]);
            positions.append(QPointF(x, 0));
            x += d.advances[digit];
        }
        m_digits.setRawFont(d.font);
        m_digits.setGlyphIndexes(glyphs);
        m_digits.setPositions(positions);
        m_textSize = QSizeF(x, d.font.ascent() + d.font.descent());
        return;
    }
    m_text.setText(text());
    m_text.setTextFormat(Qt::PlainText);
    m_text.prepare(QTransform(), font());
    m_textSize = m_text.size();
}

void OptionButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, bgr(backColor()));

    // Raised while off; pressed in, with a dark edge, while on or held down. The edges are
    // filled strips: on the raster engine far cheaper than drawn lines.
    const bool in = isChecked() || isDown();
    const QColor light(255, 255, 255), dark(64, 64, 64);
    const QColor &topLeft = in ? dark : light, &bottomRight = in ? light : dark;
    const int w = r.width(), h = r.height();
    p.fillRect(0, 0, w, 1, topLeft);
    p.fillRect(0, 0, 1, h, topLeft);
    p.fillRect(0, h - 1, w, 1, bottomRight);
    p.fillRect(w - 1, 0, 1, h, bottomRight);
    if (in) {
        p.fillRect(2, 2, w - 4, 2, dark);
        p.fillRect(2, h - 4, w - 4, 2, dark);
        p.fillRect(2, 2, 2, h - 4, dark);
        p.fillRect(w - 4, 2, 2, h - 4, dark);
    }

    if (!caption().isEmpty()) {
        if (!m_textPrepared)
            prepareText();
        const qreal shift = in ? 1 : 0;
        const QPointF topLeft((w - m_textSize.width()) / 2 + shift, (h - m_textSize.height()) / 2 + shift);
        p.setPen(bgr(foreColor()));
        if (m_digits.isEmpty())
            p.drawStaticText(topLeft, m_text);
        else
            p.drawGlyphRun(topLeft + QPointF(0, m_digits.rawFont().ascent()), m_digits);
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
