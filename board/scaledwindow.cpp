#include "board/scaledwindow.h"

#include <QWidget>

namespace getalveld {

qreal scaleOf(const QWidget *control)
{
    const auto *window = dynamic_cast<const ScaledWindow *>(control->window());
    return window ? window->windowScale() : 1.0;
}

bool isOverlay(const QWidget *control)
{
    return dynamic_cast<const Overlay *>(control) != nullptr;
}

QList<QWidget *> overlaysOn(const QWidget *window)
{
    QList<QWidget *> found;
    for (QWidget *w : window->findChildren<QWidget *>())
        if (isOverlay(w))
            found.append(w);
    return found;
}

} // namespace getalveld
