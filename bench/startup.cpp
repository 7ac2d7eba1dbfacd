// Starts a window, waits for its first paint and quits, printing the peak memory.
// Built twice: as the whole program (its start screen) and as an empty Qt window.

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <cstdio>

#ifdef GETALVELD_BENCH_PROGRAM
#include "app/program.h"
#include "board/screen.h"
#endif

namespace {

// Watches the paint events of one window and of every control in it.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(QWidget *window) : m_window(window) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->window() == m_window) {
            qApp->removeEventFilter(this);
            // Leave the event loop once the paint itself is done; exit() rather than quit(),
            // which would close the windows first.
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return false;
    }

private:
    QWidget *m_window;
};

long peakKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
#ifdef GETALVELD_BENCH_PROGRAM
    getalveld::startProgram();
    QWidget *watched = getalveld::forms().loaded(QStringLiteral("frmmecenaat1"));
#else
    QWidget window;
    window.resize(744, 448);
#ifdef GETALVELD_BENCH_TEXT
    QLabel text(QStringLiteral("Klik hier en start !"), &window);
#endif
    window.show();
    QWidget *watched = &window;
#endif
    FirstPaint firstPaint(watched);
    app.exec();
    std::printf("peak_kib %ld\n", peakKiB());
    return 0;
}
