#pragma once

#include "board/announce.h"

namespace getalveld {

// Makes the program's controls readable by screen readers in Dutch. The names are worked out
// when a screen reader asks, from what the controls show (a cell's caption, a button's
// picture, a counter with the label before it), so a chart of a thousand cells stores no
// extra text. Installed once, at the program's start.
void installAccessibility();

} // namespace getalveld
