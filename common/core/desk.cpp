#include "common/core/desk.h"

namespace pellar {

// Out of line so the vtable lives in one object file, apart from the real desk's printer
// code: the scripted desk links without it.
Desk::~Desk() = default;

} // namespace pellar
