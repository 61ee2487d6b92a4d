#pragma once
// Billwright's notices before it sends the person to a supplier's page. Each asks Yes or
// No; the result is the shortcut file's (ok when nothing was opened).

#include "common/core/fileresult.h"

namespace pellar {
struct ProgramContext;
}

namespace invoicing {

// The start menu's "Checks etc": "Ordering Deluxe Forms", Yes opens the re-order page.
pellar::FileResult showFormsOrderNotice(pellar::ProgramContext& context);
// The start menu's "Perforated Paper": "Order Paper", Yes opens the paper supplier's page.
pellar::FileResult showPaperOrderNotice(pellar::ProgramContext& context);
// The setup form's two: the partner notice and a paper notice for service slips; any answer
// but No opens the page.
pellar::FileResult showSetupFormsNotice(pellar::ProgramContext& context);
pellar::FileResult showSetupPaperNotice(pellar::ProgramContext& context);

} // namespace invoicing
