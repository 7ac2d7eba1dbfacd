#include "board/announce.h"

namespace getalveld {

namespace {
Listener inProcessClient = nullptr;
}

bool screenReaderListening()
{
    return inProcessClient || QAccessible::isActive();
}

void listenInProcess(Listener listener)
{
    inProcessClient = listener;
}

Listener inProcessListener()
{
    return inProcessClient;
}

void announce(QObject *control, QAccessible::Event what)
{
    if (!screenReaderListening())
        return;
    QAccessibleEvent event(control, what);
    if (QAccessible::isActive())
        QAccessible::updateAccessibility(&event);
    else if (inProcessClient)
        inProcessClient(&event);
}

} // namespace getalveld
