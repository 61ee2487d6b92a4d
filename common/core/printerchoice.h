#pragma once
// The printer dialog as the programs use it.

#include "common/core/desk.h"

#include <optional>

namespace pellar {

struct ProgramContext;

// Shows the printer dialog on the printer chosen last in this run (the system default at
// first). A choice becomes the printer for the rest of the run, copies included.
// nullopt when the person cancels: the caller prints nothing.
std::optional<PrinterChoice> ChoosePrinter(ProgramContext& context);

} // namespace pellar
