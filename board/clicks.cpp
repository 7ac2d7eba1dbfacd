#include "board/clicks.h"

#include <QApplication>
#include <QPointer>

namespace getalveld {

void ClickTracker::press(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickTracker::doubleClick(QMouseEvent *event)
{
    m_pressed = false;
    event->accept();
}

bool ClickTracker::release(QWidget *widget, QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton
                       && widget->rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    return click;
}

namespace {
class ClickGuard : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            if (watched->isWidgetType()) {
                QWidget *window = static_cast<QWidget *>(watched)->window();
                if (!window->isVisible())
                    return true;
            }
            break;
        default:
            break;
        }
        return false;
    }
};
} // namespace

void installClickGuard()
{
    static QPointer<ClickGuard> guard;
    if (!guard && qApp) {
        guard = new ClickGuard(qApp);
        qApp->installEventFilter(guard);
    }
}

void clickLikeMouse(QWidget *control)
{
    QWidget *window = control->window();
    const QPoint centre = control->mapTo(window, control->rect().center());
    // The click lands on whatever lies in front at that spot, as the mouse's would.
    QWidget *hit = window->childAt(centre);
    if (!hit)
        hit = window;
    const QPointF local = hit->mapFrom(window, centre);
    const QPointF global = window->mapToGlobal(centre);
    QMouseEvent press(QEvent::MouseButtonPress, local, QPointF(centre), global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(hit, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, QPointF(centre), global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(hit, &release);
}

} // namespace getalveld
