#include "common/core/programcontext.h"

namespace pellar {

ProgramControl::~ProgramControl() = default;

} // namespace pellar
