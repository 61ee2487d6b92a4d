#pragma once
// One print job: the surface opened through the desk, the busy pointer while the layout
// draws, the job ended in one place, and what went wrong in the printer's own words.
// Layouts only draw; they never end or abandon the job.

#include "common/core/desk.h"

#include <QString>
#include <functional>

namespace pellar {

class PrintSurface;

struct PrintOutcome {
    bool printed = false;
    QString error; // the printer's words when the job could not start or failed

    explicit operator bool() const { return printed; }
};

PrintOutcome runPrintJob(Desk& desk, const PrintJobSetup& setup,
                         const std::function<void(PrintSurface&)>& layout);

} // namespace pellar
