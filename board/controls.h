#pragma once

#include "board/clicks.h"
#include "board/look.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLine>
#include <QString>
#include <QWidget>

namespace getalveld {

// The controls every screen is built from. Each one carries its name as objectName and
// exposes `caption`, `backColor` and `foreColor` (0x00BBGGRR) as Qt properties, which is
// what the tests and outside checks read.

QString arrayName(const QString &name, int index); // "lbltabulon(47)"
QFont screenFont(const QString &family, qreal points, bool bold = false);
// Display text of a caption: a carriage return + line feed is one line break.
QString displayText(const QString &caption);

enum class Align { Left, Centre, Right };

// The dark single-line border of bordered labels and chart cells.
inline QColor cellBorder() { return QColor(32, 32, 32); }

class Label : public TakesClicks<QLabel>, public Look
{
    Q_OBJECT
    LOOK_PROPERTIES

public:
    Label(QWidget *parent, const QString &name, const QRect &geometry);

    // Chained set-up, in the order the designs list a label's look.
    Label *look(quint32 back, quint32 fore, const QString &family, qreal points, bool bold = false,
                Align align = Align::Centre);

    void setBorder(bool on);
    // Cells keep their text in the middle of the box; other labels start at the top.
    void setVerticallyCentred(bool on);

signals:
    void clicked();
    void mouseMoved(QPoint pos);

protected:
    void lookChanged(LookPart part) override;
    void mouseClicked() override { emit clicked(); }
    void movedTo(QPoint pos) override { emit mouseMoved(pos); }
    void paintEvent(QPaintEvent *event) override;

private:
    void applyAlignment();
    Align m_align = Align::Centre;
    bool m_vcentre = false;
    bool m_border = false;
};

// A command button in graphical style: its background colour, a picture above the caption.
class CommandButton : public ReportsMoves<QAbstractButton>, public Look
{
    Q_OBJECT
    LOOK_PROPERTIES
    Q_PROPERTY(QString picture READ picture WRITE setPicture)

public:
    CommandButton(QWidget *parent, const QString &name, const QRect &geometry);

    QString picture() const { return m_picture; }
    void setPicture(const QString &name);
    // The picture's size in logical pixels, 32 x 32 like a button face; an empty size fits
    // the picture to the button.
    void setPictureSize(const QSize &size);

    QSize sizeHint() const override { return size(); }

signals:
    void mouseMoved(QPoint pos);

protected:
    void lookChanged(LookPart part) override;
    void paintEvent(QPaintEvent *event) override;
    void movedTo(QPoint pos) override { emit mouseMoved(pos); }
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString m_picture;
    QSize m_pictureSize{32, 32};
    quint32 m_back = 0x00C0C0C0;
    quint32 m_fore = 0x00000000;
};

enum class ShapeKind { Rectangle, RoundedRectangle };

// A filled shape: decoration only, clicks pass through it to what lies beneath.
class Shape : public QWidget, public Colours
{
    Q_OBJECT
    Q_PROPERTY(quint32 backColor READ backColor WRITE setBackColor)

public:
    Shape(QWidget *parent, const QString &name, const QRect &geometry, quint32 colour,
          ShapeKind kind = ShapeKind::Rectangle);
    // The outline, black unless the design gives a colour.
    quint32 borderColor() const { return m_border; }
    void setBorderColor(quint32 colour);

protected:
    void lookChanged(LookPart part) override;
    void paintEvent(QPaintEvent *event) override;

private:
    ShapeKind m_kind;
    quint32 m_border = 0x00000000;
};

// A picture from the catalogue, stretched over its rectangle; it can take clicks.
class Image : public TakesClicks<QWidget>
{
    Q_OBJECT
    Q_PROPERTY(QString picture READ picture WRITE setPicture)

public:
    Image(QWidget *parent, const QString &name, const QRect &geometry, const QString &picture);
    QString picture() const { return m_picture; }
    void setPicture(const QString &name);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseClicked() override { emit clicked(); }

private:
    QString m_picture;
};

// A frame with a caption in its border. Its Enabled flag gates every control inside it;
// a disabled frame keeps its colours, so the pupil sees no greyed-out chart.
class Frame : public QWidget, public Look
{
    Q_OBJECT
    LOOK_PROPERTIES

public:
    Frame(QWidget *parent, const QString &name, const QRect &geometry);

protected:
    void lookChanged(LookPart part) override;
    void paintEvent(QPaintEvent *event) override;

private:
};

// A straight line from (X1, Y1) to (X2, Y2) on its parent, in twips as the designs give it,
// drawn with a pen of the given width in pixels. Decoration only: clicks pass through it.
class Line : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(quint32 borderColor READ borderColor)
    Q_PROPERTY(int borderWidth READ borderWidth)
    Q_PROPERTY(QLine twips READ twips)

public:
    Line(QWidget *parent, const QString &name, const QLine &twips, quint32 colour, int widthPixels = 1);
    quint32 borderColor() const { return m_colour; }
    int borderWidth() const { return m_width; }
    QLine twips() const { return m_twips; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLine m_twips;
    quint32 m_colour;
    int m_width;
};

// Sets a colour role for every colour group, so that disabled controls look as enabled ones.
void setRoleColour(QWidget *widget, QPalette::ColorRole role, quint32 colour);
// A control that shows its look through its palette: its background colour in the role
// `back`, its text colour in the role `fore`.
void setPaletteColours(QWidget *widget, const Colours &look, QPalette::ColorRole back, QPalette::ColorRole fore);

} // namespace getalveld
