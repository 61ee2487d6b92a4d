#include "common/core/printjob.h"

#include "common/core/printsurface.h"

namespace pellar {

PrintOutcome runPrintJob(Desk& desk, const PrintJobSetup& setup,
                         const std::function<void(PrintSurface&)>& layout) {
    BusyCursor busy(desk);
    PrintOutcome outcome;
    std::unique_ptr<PrintSurface> surface = desk.openPrintSurface(setup, &outcome.error);
    if (!surface)
        return outcome;
    // A surface that failed as it opened is dropped unended, which abandons its job.
    if (!surface->error().isEmpty()) {
        outcome.error = surface->error();
        return outcome;
    }
    layout(*surface);
    outcome.printed = surface->endDoc();
    if (!outcome.printed)
        outcome.error = surface->error();
    return outcome;
}

} // namespace pellar
