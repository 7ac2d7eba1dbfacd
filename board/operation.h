#pragma once

namespace getalveld {

// Whether a sum screen adds or subtracts.
enum class Operation { Plus, Minus };

} // namespace getalveld
