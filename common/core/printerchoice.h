#pragma once
// The printer dialog as the programs use it, and the expense reports' page set-up.

#include "common/core/desk.h"

#include <optional>

namespace pellar {

class PrintSurface;

// Shows the printer dialog on the printer chosen last in this run (the system default at
// first). A choice becomes the printer for the rest of the run, copies included.
// nullopt when the person cancels: the caller prints nothing.
std::optional<PrinterChoice> ChoosePrinter(Desk& desk);

// The printer chosen last in this run.
PrinterChoice currentPrinter();
void resetCurrentPrinter(); // back to the system default (tests)

// The expense reports' job: colour, portrait when the orientation text is "Portrait" and
// landscape for any other text, on the given printer choice.
PrintJobSetup expensePageSetup(const QString& orientation, const PrinterChoice& printer,
                               const QString& documentName = {});
// The text state an expense report starts from: black, bold and underline off.
void expenseTextDefaults(PrintSurface& surface);

} // namespace pellar
