// The deposit form's print screen: the printer, the sheet (and its back), the person's
// confirmation, and then the log and the balance.
#include "deposits/ui/frmdeposit.h"

#include "common/core/desk.h"
#include "common/core/printerchoice.h"
#include "common/core/printjob.h"
#include "common/core/printsurface.h"
#include "common/core/regional.h"
#include "deposits/core/slipmakerinfo.h"

#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <functional>

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

void frmDeposit::printClicked() {
    // Asked first: a deposit that cannot be recorded must not be printed as if it could.
    if (!depositCanBeRecorded())
        return;
    const std::optional<pellar::PrinterChoice> printer = pellar::ChoosePrinter(m_context);
    if (!printer)
        return; // cancelled: nothing printed, still on the print screen

    if (!printDeposit(*printer)) {
        m_desk.message(QStringLiteral("Print Error"),
                       {QStringLiteral("An Error has occurred while Printing")},
                       pellar::MessageButtons::Ok);
        activate();
        return;
    }
    const pellar::MessageAnswer answer = m_desk.message(
        QStringLiteral("Deposit Complete"),
        {QStringLiteral("Review the Deposit Ticket"), QStringLiteral("Click YES if Correct"),
         QStringLiteral("Click NO if Incorrect ")},
        pellar::MessageButtons::YesNo);
    if (answer != pellar::MessageAnswer::Yes || !recordDeposit()) {
        activate(); // a fresh start: nothing (more) written
        return;
    }
    ClearDepositEntries();
    returnToMenu();
}

bool frmDeposit::printDeposit(const pellar::PrinterChoice& printer) {
    const DepositSlip printed = slip();
    pellar::PrintJobSetup front;
    front.printer = printer;
    front.documentName = QStringLiteral("Deposit Slip");
    if (!pellar::runPrintJob(m_desk, front, [&](pellar::PrintSurface& surface) {
             PrintDepositSlip(surface, printed);
         }))
        return false;
    if (!printsBackSide(printed))
        return true;

    m_desk.message(QStringLiteral("Check Summary on Back"),
                   {QStringLiteral("Reverse the Deposit/Summary Report Form"),
                    QStringLiteral("and Re-install into the Printer as before"),
                    QStringLiteral("Checks will be Printed on the back")},
                   pellar::MessageButtons::Ok);
    pellar::PrintJobSetup back = front;
    back.documentName = QStringLiteral("Deposit Slip - Checks");
    back.printer.outputFile = backFileName(printer.outputFile);
    return pellar::runPrintJob(m_desk, back,
                               [&](pellar::PrintSurface& surface) {
                                   PrintCheckListOnBack(surface, printed);
                               })
        .printed;
}

bool frmDeposit::recordDeposit() {
    const std::optional<pellar::Currency> total = pellar::currencyValue(lblDepositTotal->text());
    pellar::FileResult logged =
        total ? WriteTransaction(QStringLiteral("Deposit"), *total, DTPicker1->date())
              : pellar::FileResult::failure(
                    QStringLiteral("The deposit total \"%1\" is not an amount of money.")
                        .arg(lblDepositTotal->text()));
    if (!logged) {
        m_desk.message(programTitle(),
                       {logged.error, QStringLiteral("The deposit was not recorded: neither the "
                                                     "transactions log nor the checkbook "
                                                     "balance was changed.")},
                       pellar::MessageButtons::Ok);
        return false;
    }
    if (const pellar::FileResult saved = SaveBank(); !saved) {
        m_desk.message(programTitle(),
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
