#pragma once

#include <QWidget>
#include <functional>

namespace getalveld {

// Starts the program as main() does before the event loop: loads the bundled fonts,
// creates the main frame and runs its MDIForm_Load. Returns the main frame.
QWidget *startProgram();

// What ending the process does; by default it ends the program at once.
void setProcessEnd(std::function<void()> end);

} // namespace getalveld
