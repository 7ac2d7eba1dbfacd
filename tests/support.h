#pragma once

#include "board/random.h"
#include "board/forms.h"
#include "board/screen.h"

#include <QObject>
#include <QString>
#include <QWidget>
#include <vector>

namespace getalveld::test {

// The whole program, started in process as main() starts it, with scripted draws and an
// end of the process that only counts.
struct Program
{
    void start();
    void stop();

    QWidget *frame = nullptr;
    ScriptedRandom *random = nullptr;
    int processEnds = 0;
};

// A test whose every test function meets the whole program, started afresh and stopped after.
class ProgramTest : public QObject
{
    Q_OBJECT

protected:
    Program program;

private slots:
    void init() { program.start(); }
    void cleanup() { program.stop(); }
};

// Queue r values for the next draws.
void script(const std::vector<double> &values);
// The r that makes Int(r * n + base) come out as value.
double rFor(int value, int n, int base = 1);

Screen *screen(const QString &name);
// A control of a screen by its name; aborts the test run loudly when it does not exist.
QWidget *control(QWidget *screen, const QString &name);
QString caption(QWidget *screen, const QString &name);
quint32 backColor(QWidget *screen, const QString &name);
quint32 foreColor(QWidget *screen, const QString &name);
bool shown(QWidget *screen, const QString &name); // the control's own Visible flag

// A real click through the control's window at the control's centre: it reaches whatever
// a pupil would hit there. Returns false when the control is not visible, as a pupil could
// not click it then.
bool click(QWidget *widget);
bool click(QWidget *screen, const QString &name);
// Pointer movement over the control, without a button pressed.
bool moveOver(QWidget *widget);
// Choose a menu item of the main frame as a pupil would; false when the menu takes no input.
bool chooseMenu(QWidget *frame, const QString &action);

// From the start screen through the choice board to an exercise, as a pupil gets there;
// null when a button on the way could not be clicked.
Screen *openExercise(const QString &button, const QString &name);
// An exercise by its button on the choice board and its screen's name.
struct Exercise
{
    const char *button;
    const char *screen;
};
inline Screen *openExercise(const Exercise &exercise) { return openExercise(exercise.button, exercise.screen); }

// The names of the screens other than the main frame that are visible now.
QStringList visibleScreens();

// Deliver what the window system and the program posted (activation, repaints, deletions)
// as the event loop does between two inputs.
void settle();

// Control names of the charts: cell i of the hundred chart or of the open hundred of the
// thousand field, and the thousand field's square n of the hundreds (1 to 10) with its picture.
QString cell(int i);
QString square(int n);
QString picture(int n);

// Colours as the pupil sees them (0x00BBGGRR).
constexpr quint32 red = 0x000000FF;
constexpr quint32 yellow = 0x0070E8EB;
constexpr quint32 normalSquare = 0x00C28585; // a square of the hundreds, unmarked

} // namespace getalveld::test
