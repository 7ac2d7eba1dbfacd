// Start to the first paint, then out at once: built as the program (its start screen), as an
// empty Qt window, the floor bench_getalveld compares the program's start with, and as that
// window with one line of text. Leaving
// without tearing the windows down keeps that cost out of both figures.

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

#ifdef GETALVELD_BENCH_PROGRAM
#include "app/program.h"
#include "board/fontconfiguration.h"
#include "board/forms.h"
#include "board/screen.h"
#endif

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
                // Where the memory goes, for a closer look: GETALVELD_BENCH_SMAPS=file.
                if (const char *file = std::getenv("GETALVELD_BENCH_SMAPS")) {
                    QFile in(QStringLiteral("/proc/self/smaps")), out(QString::fromLocal8Bit(file));
                    if (in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly))
                        out.write(in.readAll());
                }
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
#ifdef GETALVELD_BENCH_PROGRAM
    // As the program's main() does.
    getalveld::beginReadingFontConfiguration();
#endif
    QApplication app(argc, argv);
#ifdef GETALVELD_BENCH_PROGRAM
    getalveld::startProgram();
    FirstPaintExit exitAfter(getalveld::forms().loaded(QStringLiteral("frmmecenaat1")));
#else
    QWidget window;
    window.resize(744, 448);
#ifdef GETALVELD_BENCH_TEXT
    // What any window with text pays for its fonts.
    QLabel text(QStringLiteral("Klik hier en start !"), &window);
#endif
    window.show();
    FirstPaintExit exitAfter(&window);
#endif
    return app.exec();
}
