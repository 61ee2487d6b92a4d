#include "common/core/printerchoice.h"

#include "common/core/printsurface.h"

namespace pellar {

namespace {
PrinterChoice& lastChoice() {
    static PrinterChoice choice;
    return choice;
}
} // namespace

std::optional<PrinterChoice> ChoosePrinter(Desk& desk) {
    std::optional<PrinterChoice> choice = desk.choosePrinter(lastChoice());
    if (!choice)
        return std::nullopt;
    choice->copies = qMax(1, choice->copies);
    // The printer stays chosen for the rest of the run; a PDF file name does not, so the
    // next print does not quietly overwrite the last file.
    lastChoice().printerName = choice->printerName;
    lastChoice().copies = choice->copies;
    return choice;
}

PrinterChoice currentPrinter() {
    return lastChoice();
}

void resetCurrentPrinter() {
    lastChoice() = PrinterChoice{};
}

PrintJobSetup expensePageSetup(const QString& orientation, const PrinterChoice& printer,
                               const QString& documentName) {
    PrintJobSetup setup;
    setup.printer = printer;
    setup.documentName = documentName;
    setup.color = true;
    setup.orientation = orientation == u"Portrait" ? QPageLayout::Portrait : QPageLayout::Landscape;
    return setup;
}

void expenseTextDefaults(PrintSurface& surface) {
    surface.setColorMode(ColorMode::Color);
    surface.setTextColor(Qt::black);
    surface.setBold(false);
    surface.setUnderline(false);
}

} // namespace pellar
