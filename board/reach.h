#pragma once

#include <QWidget>

namespace getalveld {

// What the keyboard may reach is what the mouse could: a control that is shown and lies in
// front at its centre. An overlay that lets the mouse through (the chart's keyboard frame)
// counts as reachable while it is shown.
bool reachable(const QWidget *control);

// The control Tab (forward) or Shift+Tab gives the keyboard to from the one that has it now,
// in the window's Tab order, passing over hidden, disabled and covered controls; null when
// there is none besides the one that has it.
QWidget *nextReachable(QWidget *window, bool forward);

} // namespace getalveld
