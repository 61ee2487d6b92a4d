#include "common/core/printerchoice.h"

#include "common/core/programcontext.h"

namespace pellar {

std::optional<PrinterChoice> ChoosePrinter(ProgramContext& context) {
    std::optional<PrinterChoice> choice = context.desk.choosePrinter(context.printer);
    if (!choice)
        return std::nullopt;
    choice->copies = qMax(1, choice->copies);
    // The printer stays chosen for the rest of the run; a PDF file name does not, so the
    // next print does not quietly overwrite the last file.
    context.printer.printerName = choice->printerName;
    context.printer.copies = choice->copies;
    return choice;
}

} // namespace pellar
