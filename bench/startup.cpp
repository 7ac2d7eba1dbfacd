// The floor for the start-up figures: an empty Qt window, up to its first paint, then out at
// once, as bench_getalveld --start leaves after the program's first paint.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace {

class FirstPaintExit : public QObject
{
public:
    explicit FirstPaintExit(QWidget *window) : m_window(window) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->window() == m_window) {
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, qApp, [] {
                std::fflush(nullptr);
                std::_Exit(0);
            });
        }
        return false;
    }

private:
    QWidget *m_window;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(744, 448);
    window.show();
    FirstPaintExit exitAfter(&window);
    return app.exec();
}
