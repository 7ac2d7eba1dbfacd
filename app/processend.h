#pragma once

namespace getalveld {

// Ends the process through the function given to setProcessEnd.
void endProcess();

} // namespace getalveld
