#pragma once

#include "exercises1000/frmduizendveldplus.h"

namespace getalveld {

// The subtraction twin of the addition screen on the thousand field.
ThousandSumVariant thousandMinVariant();

} // namespace getalveld
