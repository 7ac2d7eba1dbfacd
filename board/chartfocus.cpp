#include "board/chartfocus.h"

#include "board/announce.h"
#include "board/clicks.h"
#include "board/keyboardmark.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <cmath>
#include <limits>

namespace getalveld {

ChartFocus::ChartFocus(QWidget *screen, std::vector<QWidget *> targets)
    : QWidget(screen), m_targets(std::move(targets))
{
    setObjectName(QStringLiteral("chartFocus"));
    // A screen reader reads the frame as the chart it serves.
    setAccessibleName(QStringLiteral("tabulon"));
    setFocusPolicy(Qt::StrongFocus);
    // Clicks go through it to the cells, and it paints nothing but the frame.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(0, 0, 0, 0);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *old, QWidget *now) {
        if (now != this || !old || old->window() != window())
            return;
        if (old->isVisible()) {
            m_shown = true;
            update();
        } else {
            // The button that had the keyboard was hidden: the keyboard goes on to the next
            // control as it always did (or back to the hidden button, which takes it again when
            // it is shown), and the chart waits for Tab.
            focusNextPrevChild(true);
            if (hasFocus())
                old->setFocus(Qt::OtherFocusReason);
            // The toolkit tells a screen reader of the frame's focus only after this move.
            QMetaObject::invokeMethod(this, &tellFocusAgain, Qt::QueuedConnection);
        }
    });
}

bool ChartFocus::usable(int index) const
{
    return index >= 0 && m_targets[size_t(index)]->isVisibleTo(parentWidget());
}

QRect ChartFocus::onScreen(int index) const
{
    QWidget *target = m_targets[size_t(index)];
    return QRect(target->mapTo(parentWidget(), QPoint(0, 0)), target->size());
}

void ChartFocus::setCurrent(QWidget *target)
{
    for (size_t i = 0; i < m_targets.size(); ++i)
        if (m_targets[i] == target)
            moveTo(int(i));
}

void ChartFocus::follow()
{
    if (usable(m_current))
        setGeometry(onScreen(m_current));
}

int ChartFocus::nearest(QPoint direction) const
{
    if (!usable(m_current)) {
        for (size_t i = 0; i < m_targets.size(); ++i)
            if (usable(int(i)))
                return int(i);
        return -1;
    }
    const QPoint from = onScreen(m_current).center();
    int best = -1;
    double bestScore = std::numeric_limits<double>::max();
    for (size_t i = 0; i < m_targets.size(); ++i) {
        if (int(i) == m_current || !usable(int(i)))
            continue;
        const QPoint d = onScreen(int(i)).center() - from;
        const int along = d.x() * direction.x() + d.y() * direction.y();
        const int across = std::abs(d.x() * direction.y() - d.y() * direction.x());
        // Only what lies within 45 degrees of the arrow's direction, the straightest first.
        if (along <= 0 || across >= along)
            continue;
        const double score = along + 2.0 * across;
        // Of two targets on one spot the later one lies in front, as for the mouse.
        if (score <= bestScore) {
            best = int(i);
            bestScore = score;
        }
    }
    return best;
}

void ChartFocus::moveTo(int index, bool pointAt)
{
    m_current = index;
    QWidget *target = m_targets[size_t(index)];
    setGeometry(onScreen(index));
    raise();
    update();
    if (pointAt)
        point();
    if (hasFocus()) {
        m_heard = target;
        announce(target, QAccessible::Focus);
    }
}

void ChartFocus::point()
{
    // Where the chart follows the pointer, the frame points at its cell as the mouse would.
    QWidget *target = current();
    if (!target || !usable(m_current) || !target->hasMouseTracking() || !target->isEnabled())
        return;
    const QPointF local = QRectF(target->rect()).center();
    QMouseEvent move(QEvent::MouseMove, local, target->mapTo(window(), local), target->mapToGlobal(local),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &move);
}

void ChartFocus::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    // The toolkit tells a screen reader of the frame itself taking the focus, read as the
    // chart with its cell; the cells are told of as the arrows reach them.
    m_heard = this;
    if (usable(m_current)) {
        setGeometry(onScreen(m_current));
        raise();
        update();
        return;
    }
    // The keyboard arriving is not the pupil pointing: the frame takes its place on the
    // first cell, and points at it only once a key works the chart.
    const int first = nearest({});
    if (first >= 0) {
        m_current = first;
        setGeometry(onScreen(first));
        raise();
        update();
    }
}

namespace {
ChartFocus *pressingFrame = nullptr;
}

ChartFocus *ChartFocus::pressing()
{
    return pressingFrame;
}

void ChartFocus::press(bool repeated)
{
    // The mouse points at a cell before it presses it, and so does the frame.
    point();
    // A held key is one press, as a held mouse button is one click.
    if (m_shown && !repeated && usable(m_current)) {
        pressingFrame = this;
        clickLikeMouse(current());
        pressingFrame = nullptr;
    }
    const bool appearing = !m_shown;
    m_shown = true;
    update();
    // The frame appearing on its cell is a step a screen reader tells, as an arrow's.
    if (appearing && hasFocus() && usable(m_current)) {
        m_heard = current();
        announce(m_heard, QAccessible::Focus);
    }
}

void ChartFocus::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    // Another window coming to the front leaves the frame as it was for the pupil's return.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        m_shown = false;
    update();
}

void ChartFocus::keyPressEvent(QKeyEvent *event)
{
    QPoint direction;
    switch (event->key()) {
    case Qt::Key_Left:
        direction = {-1, 0};
        break;
    case Qt::Key_Right:
        direction = {1, 0};
        break;
    case Qt::Key_Up:
        direction = {0, -1};
        break;
    case Qt::Key_Down:
        direction = {0, 1};
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        press(event->isAutoRepeat());
        event->accept();
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    m_shown = true;
    const int next = nearest(direction);
    if (next >= 0)
        moveTo(next);
    else
        point();
    update();
}

void ChartFocus::paintEvent(QPaintEvent *)
{
    if (!hasFocus() || !m_shown || !usable(m_current))
        return;
    QPainter p(this);
    paintKeyboardMark(p, rect(), qMax(3, height() / 10));
}

} // namespace getalveld
