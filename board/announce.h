#pragma once

#include <QAccessible>
#include <QWidget>

namespace getalveld {

// What a control tells a screen reader about itself. The controls call these; what a screen
// reader hears of each control is worked out in accessible.cpp, which knows the controls.

// Tells a listening screen reader that something about a control changed (a counter's value,
// a cell's colour, the keyboard's place). Nothing is built or sent while none listens, so an
// unheard change costs nothing.
void announce(QObject *control, QAccessible::Event what);
bool screenReaderListening();

// News a pupil must hear: a label's new text (the task, a verdict, a counter, the help) or the
// new colour of the cell under the keyboard. What changes while one handler runs is gathered
// and, once the handler is done and the keyboard has settled, told in one go: the window's
// news board, a notification never shown on the screen, takes the text and a screen reader
// is told that it shows, which it speaks whichever control has the keyboard.
void noteNews(QWidget *changed);
// A label's new text, with what it showed before: a label that ends the handler showing what
// it showed at its start (a counter counted up and taken back) is no news.
void noteTextNews(QWidget *changed, const QString &before);
// News told in words of its own, where the control cannot say it (a hundred opened, a
// hundred marked): the words are read in the changed control's place.
void noteNews(QWidget *changed, const QString &words);
// News a screen tells as one sentence where its labels change in an order that reads wrong
// (a sum whose signs are set before its numbers): what the window's controls noted in this
// handler so far is dropped, and these words are read in the changed control's place. Called
// last in the handler.
void noteNewsInstead(QWidget *changed, const QString &words);
// A box's or a label's new colour, news when it is a verdict (green or red).
void noteColourNews(QWidget *changed);
// Tells a screen reader again which control has the keyboard, after the keyboard moved on
// while the toolkit was still telling of an earlier move.
void tellFocusAgain();
// A client inside the program (a test) hears the announcements too.
using Listener = void (*)(QAccessibleEvent *event);
void listenInProcess(Listener listener);
Listener inProcessListener();

} // namespace getalveld
