#pragma once

#include "exercises100/frmtabulonplus.h"

namespace getalveld {

// The subtraction twin of the addition screen.
ChartSumVariant minVariant();

} // namespace getalveld
