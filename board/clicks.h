#pragma once

#include <QMouseEvent>
#include <QWidget>

namespace getalveld {

// Where a click goes: what counts as a click on a control, which clicks a control never
// gets, and the click the keyboard and a screen reader make.

// A click on a label, a cell or a picture: the left button pressed and released over it.
// A double-click is one click, as children double-click what should be clicked once: the
// second press of a double-click starts no click. (Command buttons keep two clicks.)
class ClickTracker
{
public:
    void press(QMouseEvent *event);
    void doubleClick(QMouseEvent *event);
    // True when this release completes a click on the widget.
    bool release(QWidget *widget, QMouseEvent *event);

private:
    bool m_pressed = false;
};

// The mouse-move handler of a control that tells where the pointer goes: each move is
// heard by movedTo() before the control's own handling. Moves without a button pressed
// come only after reportMouseMoves().
template <class Control>
class ReportsMoves : public Control
{
public:
    using Control::Control;
    void reportMouseMoves() { this->setMouseTracking(true); }

protected:
    virtual void movedTo(QPoint) {}
    void mouseMoveEvent(QMouseEvent *event) override
    {
        movedTo(event->position().toPoint());
        Control::mouseMoveEvent(event);
    }
};

// The mouse handlers of a label, a cell or a picture: mouseClicked() is called once for
// each click as ClickTracker counts them. Presses and releases go no further.
template <class Control>
class TakesClicks : public ReportsMoves<Control>
{
public:
    using ReportsMoves<Control>::ReportsMoves;

protected:
    virtual void mouseClicked() = 0;
    void mousePressEvent(QMouseEvent *event) override { m_click.press(event); }
    void mouseDoubleClickEvent(QMouseEvent *event) override { m_click.doubleClick(event); }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (m_click.release(this, event))
            mouseClicked();
    }

private:
    ClickTracker m_click;
};

// A control takes a click only while its screen is shown. While a mouse button is held Qt
// sends every later press and release to the control that took the first press, also once
// its screen has been hidden; this guard, installed once on the application, drops those.
void installClickGuard();

// Presses a control as the left mouse button would: a press and a release at its centre,
// through the same event path as a real click, so a hidden window, a disabled frame or a
// covered control reacts exactly as it does to the mouse.
void clickLikeMouse(QWidget *control);

} // namespace getalveld
