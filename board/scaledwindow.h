#pragma once

#include <QList>
#include <QtGlobal>

class QWidget;

namespace getalveld {

// A window whose controls are drawn at a scale of their designed size (a screen is one).
// The controls ask for the scale through scaleOf and need not know the window.
class ScaledWindow
{
public:
    virtual ~ScaledWindow() = default;
    virtual qreal windowScale() const = 0;
};

// The scale of the window a control lies on; 1 for a control outside any scaled window.
qreal scaleOf(const QWidget *control);

// A control that lies over others, such as the keyboard's frame over a chart: the window does
// not scale it but, once it has moved its controls, lets it follow them; and it comes last
// in the window's Tab order.
class Overlay
{
public:
    virtual ~Overlay() = default;
    virtual void follow() = 0;
};

bool isOverlay(const QWidget *control);
// The overlays on a window, in the order of its children.
QList<QWidget *> overlaysOn(const QWidget *window);

} // namespace getalveld
