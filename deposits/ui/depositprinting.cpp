#include "deposits/ui/depositprinting.h"

#include "common/core/desk.h"
#include "common/core/printjob.h"
#include "common/core/printsurface.h"
#include "deposits/core/depositbank.h"
#include "deposits/core/depositdraft.h"
#include "deposits/core/slipmakerinfo.h"

#include <QDir>
#include <QFileInfo>

namespace deposits {

namespace {

// Printed to a file, the back goes to a file of its own beside the front's, so the second
// job does not write over the first.
QString backFileName(const QString& frontFile) {
    if (frontFile.isEmpty())
        return {};
    const QFileInfo front(frontFile);
    const QString suffix = front.suffix().isEmpty() ? QStringLiteral("pdf") : front.suffix();
    return front.dir().filePath(front.completeBaseName() + QStringLiteral("-back.") + suffix);
}

} // namespace

bool printDepositSheets(pellar::Desk& desk, const pellar::PrinterChoice& printer,
                        const DepositSlip& printed) {
    pellar::PrintJobSetup front;
    front.printer = printer;
    front.documentName = QStringLiteral("Deposit Slip");
    if (!pellar::runPrintJob(desk, front, [&](pellar::PrintSurface& surface) {
            PrintDepositSlip(surface, printed);
        }))
        return false;
    if (!printsBackSide(printed))
        return true;

    desk.message(QStringLiteral("Check Summary on Back"),
                 {QStringLiteral("Reverse the Deposit/Summary Report Form"),
                  QStringLiteral("and Re-install into the Printer as before"),
                  QStringLiteral("Checks will be Printed on the back")},
                 pellar::MessageButtons::Ok);
    pellar::PrintJobSetup back = front;
    back.documentName = QStringLiteral("Deposit Slip - Checks");
    back.printer.outputFile = backFileName(printer.outputFile);
    return pellar::runPrintJob(
               desk, back,
               [&](pellar::PrintSurface& surface) { PrintCheckListOnBack(surface, printed); })
        .printed;
}

bool depositCanBeRecorded(pellar::Desk& desk, const DepositBank& bank, pellar::Currency deposit) {
    // A balance that could not take the deposit is found out now, before anything is
    // printed or written.
    const QString why = bank.refusal(deposit);
    if (why.isEmpty())
        return true;
    desk.message(programTitle(), {why}, pellar::MessageButtons::Ok);
    return false;
}

bool recordDeposit(pellar::Desk& desk, DepositBank& bank, const DepositDraft& draft) {
    // From the print screen on, the deposit total is the net deposit.
    if (const pellar::FileResult logged =
            bank.WriteTransaction(QStringLiteral("Deposit"), draft.net(), draft.date());
        !logged) {
        desk.message(programTitle(),
                     {logged.error, QStringLiteral("The deposit was not recorded: neither the "
                                                   "transactions log nor the checkbook "
                                                   "balance was changed.")},
                     pellar::MessageButtons::Ok);
        return false;
    }
    if (const pellar::FileResult saved = bank.SaveBank(draft.net()); !saved) {
        desk.message(programTitle(),
                     {saved.error, QStringLiteral("The deposit is in the transactions log, but "
                                                  "the checkbook balance was not changed. Add "
                                                  "it to the balance with the PellarWriter "
                                                  "Program.")},
                     pellar::MessageButtons::Ok);
        return false;
    }
    return true;
}

} // namespace deposits
