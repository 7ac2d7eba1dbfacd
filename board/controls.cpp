#include "board/controls.h"

#include "board/announce.h"
#include "board/geometry.h"
#include "board/keyboardmark.h"
#include "board/pictures.h"
#include "board/reach.h"
#include "board/scaledwindow.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <cmath>

namespace getalveld {

QString arrayName(const QString &name, int index)
{
    return name + u'(' + QString::number(index) + u')';
}

QFont screenFont(const QString &family, qreal points, bool bold)
{
    QFont font(resolveFontFamily(family));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QString displayText(const QString &caption)
{
    QString text = caption;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

void setRoleColour(QWidget *widget, QPalette::ColorRole role, quint32 colour)
{
    QPalette pal = widget->palette();
    const QColor c = bgr(colour);
    if (pal.color(QPalette::Active, role) == c && pal.color(QPalette::Disabled, role) == c)
        return;
    pal.setColor(QPalette::All, role, c);
    widget->setPalette(pal);
}

void setPaletteColours(QWidget *widget, const Colours &look, QPalette::ColorRole back, QPalette::ColorRole fore)
{
    setRoleColour(widget, back, look.backColor());
    setRoleColour(widget, fore, look.foreColor());
}

Label::Label(QWidget *parent, const QString &name, const QRect &geometry) : TakesClicks(parent), Look(0x00FFFFFF)
{
    setObjectName(name);
    setGeometry(geometry);
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAutoFillBackground(true);
    setPaletteColours(this, *this, QPalette::Window, QPalette::WindowText);
    applyAlignment();
}

Label *Label::look(quint32 back, quint32 fore, const QString &family, qreal points, bool bold, Align align)
{
    setBackColor(back);
    setForeColor(fore);
    setFont(screenFont(family, points, bold));
    m_align = align;
    applyAlignment();
    return this;
}

void Label::applyAlignment()
{
    Qt::Alignment a = m_align == Align::Left ? Qt::AlignLeft : m_align == Align::Right ? Qt::AlignRight
                                                                                      : Qt::AlignHCenter;
    setAlignment(a | (m_vcentre ? Qt::AlignVCenter : Qt::AlignTop));
}

void Label::lookChanged(LookPart part)
{
    if (part != LookPart::Caption) {
        setPaletteColours(this, *this, QPalette::Window, QPalette::WindowText);
        if (part == LookPart::BackColor)
            noteColourNews(this); // a task turning green or red is the verdict
        return;
    }
    const QString before = text();
    setText(displayText(caption()));
    // A screen reader hears a counter or a verdict change; nothing is sent while none listens.
    if (isVisible())
        announce(this, QAccessible::NameChanged);
    noteTextNews(this, before);
}

void Label::setBorder(bool on)
{
    m_border = on;
    setContentsMargins(on ? 1 : 0, on ? 1 : 0, on ? 1 : 0, on ? 1 : 0);
    update();
}

void Label::setVerticallyCentred(bool on)
{
    m_vcentre = on;
    applyAlignment();
}

void Label::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (m_border) {
        QPainter p(this);
        p.setPen(cellBorder());
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

CommandButton::CommandButton(QWidget *parent, const QString &name, const QRect &geometry)
    : ReportsMoves(parent), Look(0x00C0C0C0)
{
    setObjectName(name);
    setGeometry(geometry);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
}

void CommandButton::lookChanged(LookPart part)
{
    if (part == LookPart::Caption)
        setText(displayText(caption()));
    update();
}

void CommandButton::setPicture(const QString &name)
{
    m_picture = name;
    update();
}

void CommandButton::setPictureSize(const QSize &size)
{
    m_pictureSize = size;
    update();
}

void CommandButton::keyPressEvent(QKeyEvent *event)
{
    const bool pressKey = event->key() == Qt::Key_Space || event->key() == Qt::Key_Select
                          || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    // A button the pupil cannot see or hit (hidden, or covered by another at its centre)
    // is not pressed by a key either.
    if (pressKey && !reachable(this)) {
        event->ignore();
        return;
    }
    // Enter presses the focused button too, as Space does.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void CommandButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect r = rect();
    const bool down = isDown();
    QColor back = bgr(backColor());
    if (underMouse() && !down)
        back = back.lighter(112);
    p.fillRect(r, back);

    // A raised bevel that sinks while pressed, as a child expects a button to do.
    const QColor light = down ? QColor(60, 60, 60) : QColor(255, 255, 255);
    const QColor dark = down ? QColor(255, 255, 255) : QColor(60, 60, 60);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(light);
    p.drawLine(r.topLeft(), r.topRight() - QPoint(1, 0));
    p.drawLine(r.topLeft(), r.bottomLeft() - QPoint(0, 1));
    p.setPen(dark);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    p.setRenderHint(QPainter::Antialiasing);

    const int shift = down ? 1 : 0;
    QRect content = r.adjusted(3 + shift, 3 + shift, -3 + shift, -3 + shift);
    const QString caption = text();
    const QFontMetrics fm(font());
    const int textHeight = caption.isEmpty() ? 0 : fm.boundingRect(content, Qt::TextWordWrap, caption).height();
    if (!m_picture.isEmpty()) {
        const int fit = qMax(8, qMin(content.width(), content.height() - textHeight));
        const int side = m_pictureSize.isEmpty() ? fit
                                                 : qMin(fit, int(std::lround(m_pictureSize.width() * scaleOf(this))));
        const QRect iconRect(content.center().x() - side / 2 + 1, content.top() + (content.height() - textHeight - side) / 2, side, side);
        p.drawPixmap(iconRect, getalveld::picture(m_picture, iconRect.size(), devicePixelRatioF()));
        content.setTop(iconRect.bottom());
    }
    if (!caption.isEmpty()) {
        p.setPen(bgr(foreColor()));
        p.drawText(content, Qt::AlignCenter | Qt::TextWordWrap, caption);
    }
    if (hasFocus()) {
        // The same mark as the chart's keyboard frame, just inside the button's edge.
        paintKeyboardMark(p, r.adjusted(1, 1, -1, -1), qMax(3, int(std::lround(3 * scaleOf(this)))));
    }
}

Shape::Shape(QWidget *parent, const QString &name, const QRect &geometry, quint32 colour, ShapeKind kind)
    : QWidget(parent), Colours(colour), m_kind(kind)
{
    setObjectName(name);
    setGeometry(geometry);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::lookChanged(LookPart)
{
    update();
}

void Shape::setBorderColor(quint32 colour)
{
    if (colour == m_border)
        return;
    m_border = colour;
    update();
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (m_kind == ShapeKind::Rectangle && p.deviceTransform().type() <= QTransform::TxTranslate) {
        // On whole pixels a plain rectangle has no edge to smooth: filled and framed without
        // antialiasing it has the very same pixels, at a fraction of the cost.
        p.fillRect(rect(), bgr(backColor()));
        p.setPen(QPen(bgr(m_border), 1));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        return;
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(bgr(m_border), 1));
    p.setBrush(bgr(backColor()));
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (m_kind == ShapeKind::RoundedRectangle) {
        const qreal radius = qMin(r.width(), r.height()) / 6.0;
        p.drawRoundedRect(r, radius, radius);
    } else {
        p.drawRect(r);
    }
}

Image::Image(QWidget *parent, const QString &name, const QRect &geometry, const QString &picture)
    : TakesClicks(parent), m_picture(picture)
{
    setObjectName(name);
    setGeometry(geometry);
}

void Image::setPicture(const QString &name)
{
    m_picture = name;
    update();
}

void Image::paintEvent(QPaintEvent *)
{
    if (m_picture.isEmpty())
        return;
    QPainter p(this);
    p.drawPixmap(rect(), getalveld::picture(m_picture, size(), devicePixelRatioF()));
}

Frame::Frame(QWidget *parent, const QString &name, const QRect &geometry) : QWidget(parent), Look(0x00C0C0C0)
{
    setObjectName(name);
    setGeometry(geometry);
}

void Frame::lookChanged(LookPart)
{
    update();
}

void Frame::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), bgr(backColor()));
    const QFontMetrics fm(font());
    const int half = fm.height() / 2;
    const QRect box = rect().adjusted(0, half, -1, -1);
    p.setPen(bgr(backColor()).darker(160));
    p.drawRect(box);
    p.setPen(bgr(backColor()).lighter(140));
    p.drawRect(box.adjusted(1, 1, 1, 1));
    if (!caption().isEmpty()) {
        const QRect textRect(8, 0, fm.horizontalAdvance(caption()) + 6, fm.height());
        p.fillRect(textRect, bgr(backColor()));
        p.setPen(bgr(foreColor()));
        p.drawText(textRect, Qt::AlignCenter, caption());
    }
}

static QPoint pixels(QPoint twips)
{
    return QPoint(px(twips.x()), px(twips.y()));
}

Line::Line(QWidget *parent, const QString &name, const QLine &twips, quint32 colour, int widthPixels)
    : QWidget(parent), m_twips(twips), m_colour(colour), m_width(widthPixels)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // The widget covers the line's box with room for the pen on every side.
    const QRect ends = QRect(pixels(twips.p1()), pixels(twips.p2())).normalized();
    const int margin = widthPixels / 2 + 1;
    setGeometry(ends.adjusted(-margin, -margin, margin, margin));
}

void Line::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(bgr(m_colour), m_width, Qt::SolidLine, Qt::RoundCap));
    const qreal scale = scaleOf(this);
    if (scale == 1.0) {
        const QPoint origin = pos();
        p.drawLine(pixels(m_twips.p1()) - origin, pixels(m_twips.p2()) - origin);
        return;
    }
    // Drawn at the designed size through the painter's scale: a wider pen, never a stretched
    // picture of a line.
    const QRect ends = QRect(pixels(m_twips.p1()), pixels(m_twips.p2())).normalized();
    const QPoint origin = ends.topLeft() - QPoint(m_width / 2 + 1, m_width / 2 + 1);
    p.scale(scale, scale);
    p.drawLine(pixels(m_twips.p1()) - origin, pixels(m_twips.p2()) - origin);
}

} // namespace getalveld
