#include "board/timer.h"

namespace getalveld {

Timer::Timer(QObject *parent, const QString &name, int intervalMs, bool enabled) : QTimer(parent)
{
    setObjectName(name);
    setInterval(intervalMs);
    setEnabled(enabled);
}

void Timer::setEnabled(bool enabled)
{
    if (!enabled) {
        stop();
        return;
    }
    if (isActive())
        return;
    start();
    emit countdownStarted();
}

} // namespace getalveld
