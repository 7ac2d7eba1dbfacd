#include "board/reach.h"

namespace getalveld {

bool reachable(const QWidget *control)
{
    if (!control || !control->isVisible())
        return false;
    if (control->testAttribute(Qt::WA_TransparentForMouseEvents))
        return true;
    const QWidget *window = control->window();
    const QPoint centre = control->mapTo(window, control->rect().center());
    const QWidget *hit = window->childAt(centre);
    return hit && (hit == control || control->isAncestorOf(hit));
}

namespace {

bool takesTab(const QWidget *w, const QWidget *window)
{
    return w != window && w->window() == window && (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus
           && !w->focusProxy() && w->isVisibleTo(window) && w->isEnabled()
           && (!window->isVisible() || reachable(w));
}

} // namespace

QWidget *nextReachable(QWidget *window, bool forward)
{
    QWidget *from = window->focusWidget() ? window->focusWidget() : window;
    for (QWidget *w = forward ? from->nextInFocusChain() : from->previousInFocusChain(); w && w != from;
         w = forward ? w->nextInFocusChain() : w->previousInFocusChain()) {
        if (takesTab(w, window))
            return w;
    }
    return nullptr;
}

} // namespace getalveld
