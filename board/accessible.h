#pragma once

#include <QAccessible>

namespace getalveld {

// Makes the program's controls readable by screen readers in Dutch. The names are worked out
// when a screen reader asks, from what the controls show (a cell's caption, a button's
// picture, a counter with the label before it), so a chart of a thousand cells stores no
// extra text. Installed once, at the program's start.
void installAccessibility();

// Tells a listening screen reader that something about a control changed (a counter's value,
// a cell's colour, the keyboard's place). Nothing is built or sent while none listens, so an
// unheard change costs nothing.
void announce(QObject *control, QAccessible::Event what);
bool screenReaderListening();
// A client inside the program (a test) hears the announcements too.
using Listener = void (*)(QAccessibleEvent *event);
void listenInProcess(Listener listener);

} // namespace getalveld
