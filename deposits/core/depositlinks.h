#pragma once
// The forms supplier's order notice shared by the deposit program's start form and its
// setup form.

#include "common/core/fileresult.h"

namespace pellar {
struct ProgramContext;
}

namespace deposits {

// "Ordering Deluxe Forms": any answer but No opens the supplier's re-order page. The result
// is the shortcut file's (ok when nothing was opened).
pellar::FileResult showSupplierOrderNotice(pellar::ProgramContext& context);

} // namespace deposits
