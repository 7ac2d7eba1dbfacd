#pragma once

#include <QTimer>

namespace getalveld {

// A screen's timer. Its Enabled flag is isActive(); enabling a timer that already runs
// keeps its countdown, so a repeated "enable" never pushes the next tick back.
class Timer : public QTimer
{
    Q_OBJECT

public:
    Timer(QObject *parent, const QString &name, int intervalMs, bool enabled = false);

    void setEnabled(bool enabled);
    bool isEnabled() const { return isActive(); }

signals:
    // A new countdown has begun: tests follow the countdowns with it instead of waiting.
    void countdownStarted();
};

} // namespace getalveld
