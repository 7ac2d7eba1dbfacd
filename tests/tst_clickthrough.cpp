#include "support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMap>
#include <QRegularExpression>
#include <QTest>
#include <random>

using namespace getalveld;
using namespace getalveld::test;

namespace {

// The program's draws come from the run's own seed, so a failing run can be repeated.
class SeededRandom : public RandomSource
{
public:
    explicit SeededRandom(unsigned seed) : m_engine(seed) {}
    void reseed() override {}
    double next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine); }

private:
    std::mt19937 m_engine;
};

// Every screen that is not one of these is an exercise, so new exercises join the run by
// being registered.
const QStringList shellScreens = {"frmmecenaat1", "frmkiesbasis", "frminfo"};
bool isExercise(const QString &name) { return !shellScreens.contains(name); }

// Following the buttons, exactly one of start screen, board, an exercise and closing
// screen is visible. The menu "&Basis" shows the board over an open exercise, which then
// stays shown until its own stop button, also when the board goes on to another screen.
bool allowedScreens(const QStringList &visible, bool menuOverExercise, QString *why)
{
    const int others = int(std::count_if(visible.begin(), visible.end(),
                                         [](const QString &s) { return !isExercise(s); }));
    const bool ok = visible.size() == 1
                    || (menuOverExercise && !visible.contains("frmmecenaat1") && others <= 1);
    if (!ok)
        *why = visible.join(u',');
    return ok;
}

bool exerciseShown()
{
    const QStringList visible = visibleScreens();
    return std::any_of(visible.begin(), visible.end(), isExercise);
}

// No counter label shows anything but a whole number.
bool countersWhole(QString *why)
{
    static const QRegularExpression whole(QStringLiteral("^\\d+$"));
    for (Screen *s : forms().loadedScreens()) {
        if (!s->findChild<QWidget *>("lblfout"))
            continue; // only the screens with the score block count
        for (const char *name : {"lbljuist", "lblfout", "lblhelp"}) {
            const QString text = caption(s, name);
            if (!text.isEmpty() && !whole.match(text).hasMatch()) {
                *why = s->objectName() + u' ' + QString::fromLatin1(name) + u'=' + text;
                return false;
            }
        }
    }
    return true;
}

} // namespace

class ClickThrough : public QObject
{
    Q_OBJECT

    Program program;
    // Over all seeds: how often each screen was on top, and the screens the program has.
    QMap<QString, int> reached;
    QStringList registered;

    void run(unsigned seed, int steps)
    {
        std::mt19937 pick(seed);
        auto below = [&pick](int n) { return int(std::uniform_int_distribution<int>(0, n - 1)(pick)); };
        program.start();
        setRandomSource(std::make_unique<SeededRandom>(seed));
        int restarts = 0;
        QMap<QString, int> visits; // how often each screen was on top, reported to show the reach
        bool menuOverExercise = false;

        for (int step = 0; step < steps; ++step) {
            const QString where = QStringLiteral("seed %1 step %2").arg(seed).arg(step);
            QList<QWidget *> windows;
            for (Screen *s : forms().loadedScreens())
                if (s->isVisible())
                    windows.append(s);
            QVERIFY2(!windows.isEmpty() || program.processEnds > 0, qPrintable(where));

            // The closing screen runs its ticks, driven here; then the program starts anew.
            if (Screen *info = forms().loaded("frminfo"); info && info->isVisible()) {
                const int ends = program.processEnds;
                for (int t = 0; t < 200 && program.processEnds == ends; ++t)
                    QMetaObject::invokeMethod(info, "Timer1_Timer");
                QVERIFY2(program.processEnds == ends + 1, qPrintable(where));
                QVERIFY2(!info->isVisible(), qPrintable(where));
                program.stop();
                program.start();
                menuOverExercise = false;
                setRandomSource(std::make_unique<SeededRandom>(seed + unsigned(++restarts)));
                continue;
            }

            QWidget *window = windows.at(below(int(windows.size())));
            ++visits[window->objectName()];
            const QList<QWidget *> all = window->findChildren<QWidget *>();
            // The part of each visible control that lies inside its window.
            QList<QRect> targets;
            for (QWidget *w : all) {
                const QRect inside = QRect(w->mapTo(window, QPoint(0, 0)), w->size()) & window->rect();
                if (w->isVisible() && !inside.isEmpty())
                    targets.append(inside);
            }
            const int action = below(100);
            if (action < 70 && !targets.isEmpty()) {
                const QRect target = targets.at(below(int(targets.size())));
                const QPoint at = target.topLeft() + QPoint(below(target.width()), below(target.height()));
                QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, at);
            } else if (action < 85 && !targets.isEmpty()) {
                QTest::mouseMove(window->windowHandle(), targets.at(below(int(targets.size()))).center());
            } else if (action < 92) {
                const Qt::Key keys[] = {Qt::Key_Space, Qt::Key_Tab, Qt::Key_Return, Qt::Key_Backtab};
                if (QWidget *focus = window->focusWidget())
                    QTest::keyClick(focus, keys[below(4)]);
            } else if (action < 96) {
                const bool underneath = exerciseShown();
                if (chooseMenu(program.frame, "aftrek2") && underneath)
                    menuOverExercise = true;
            } else {
                // Another window of the program becomes active, then this one again.
                QEvent other(QEvent::WindowActivate), back(QEvent::WindowActivate);
                QApplication::sendEvent(program.frame, &other);
                QApplication::sendEvent(window, &back);
            }

            QString why;
            if (program.processEnds == 0 || !visibleScreens().isEmpty())
                QVERIFY2(allowedScreens(visibleScreens(), menuOverExercise, &why), qPrintable(where + u' ' + why));
            QVERIFY2(countersWhole(&why), qPrintable(where + u' ' + why));
            QVERIFY2(program.frame->isVisible(), qPrintable(where));
        }
        QStringList reach;
        for (auto it = visits.cbegin(); it != visits.cend(); ++it)
            reach.append(it.key() + u' ' + QString::number(it.value()));
        qInfo("seed %u: %d endings; steps per screen: %s", seed, restarts, qPrintable(reach.join(QStringLiteral(", "))));
        for (auto it = visits.cbegin(); it != visits.cend(); ++it)
            reached[it.key()] += it.value();
        registered = forms().registeredNames();
        QVERIFY(restarts > 0);
        program.stop();
    }

private slots:
    void randomPupil_data()
    {
        QTest::addColumn<unsigned>("seed");
        const QByteArray fromEnvironment = qgetenv("GETALVELD_CLICK_SEED");
        if (!fromEnvironment.isEmpty()) {
            QTest::newRow("from the environment") << fromEnvironment.toUInt();
            return;
        }
        for (unsigned seed : {1u, 2u, 3u, 20261209u})
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
    }
    // Thousands of clicks, moves and keys anywhere a pupil could reach: the program stays
    // alive, one screen at a time, and every counter a whole number.
    void randomPupil()
    {
        QFETCH(unsigned, seed);
        run(seed, 5000);
    }

    // Every screen must have been reached by the seeds together, or the runs prove little.
    // (Some screens let the pupil leave only after a series of ten tasks, so one seed
    // alone need not reach them all.)
    void everyScreenReached()
    {
        if (!qgetenv("GETALVELD_CLICK_SEED").isEmpty())
            QSKIP("one seed from the environment");
        QVERIFY(!registered.isEmpty());
        for (const QString &name : registered)
            if (name != QLatin1String("frminfo"))
                QVERIFY2(reached.value(name) > 0, qPrintable(name));
    }
};

QTEST_MAIN(ClickThrough)
#include "tst_clickthrough.moc"
