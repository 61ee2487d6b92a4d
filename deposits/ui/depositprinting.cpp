#include "deposits/ui/depositprinting.h"

#include "common/core/desk.h"
#include "common/core/printerchoice.h"
#include "common/core/printjob.h"
#include "common/core/printsurface.h"
#include "common/core/programcontext.h"
#include "common/core/regional.h"
#include "deposits/core/depositbank.h"
#include "deposits/core/depositdraft.h"
#include "deposits/core/deposithistory.h"
#include "deposits/core/slipmakerinfo.h"
#include "deposits/ui/depositformwidgets.h"

#include <QCoreApplication>
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

pellar::PageLayout frontLayout(const DepositSlip& slip) {
    return [&slip](pellar::PrintSurface& surface) {
        PrintDepositSlip(surface, slip);
    };
}

pellar::PageLayout backLayout(const DepositSlip& slip) {
    return [&slip](pellar::PrintSurface& surface) {
        PrintCheckListOnBack(surface, slip);
    };
}

} // namespace

bool printDepositSheets(pellar::Desk& desk, const pellar::DataFolder& folder,
                        const pellar::PrinterChoice& printer, const DepositSlip& printed) {
    if (!pellar::runPrintJob(desk,
                             pellar::documentJob(folder, depositSlipFront(printed.date), printer),
                             frontLayout(printed)))
        return false;
    if (!printsBackSide(printed))
        return true;

    desk.message(
        QCoreApplication::translate("DepositPrinting", "Check Summary on Back"),
        {QCoreApplication::translate("DepositPrinting", "Reverse the Deposit/Summary Report Form"),
         QCoreApplication::translate("DepositPrinting",
                                     "and Re-install into the Printer as before"),
         QCoreApplication::translate("DepositPrinting", "Checks will be Printed on the back")},
        pellar::MessageButtons::Ok);
    pellar::PrinterChoice backPrinter = printer;
    backPrinter.outputFile = backFileName(printer.outputFile);
    return pellar::runPrintJob(
               desk, pellar::documentJob(folder, depositSlipBack(printed.date), backPrinter),
               backLayout(printed))
        .printed;
}

void previewDepositSheets(pellar::Desk& desk, const pellar::DataFolder& folder,
                          const pellar::PrinterChoice& printer, const DepositSlip& slip) {
    pellar::previewDocument(desk, folder, depositSlipFront(slip.date), printer, frontLayout(slip));
    if (printsBackSide(slip))
        pellar::previewDocument(desk, folder, depositSlipBack(slip.date), printer,
                                backLayout(slip));
}

pellar::PdfOutcome saveDepositAsPdf(pellar::Desk& desk, const pellar::DataFolder& folder,
                                    const DepositSlip& slip) {
    pellar::PdfOutcome outcome =
        pellar::saveDocumentAsPdf(desk, folder, depositSlipFront(slip.date), frontLayout(slip));
    if (outcome.cancelled || !outcome.written || !printsBackSide(slip))
        return outcome;
    // A file has no sheet to turn over: the back goes straight into a file of its own.
    pellar::PrinterChoice toFile;
    toFile.outputFile = backFileName(outcome.fileName);
    outcome.written = pellar::runPrintJob(
        desk, pellar::documentJob(folder, depositSlipBack(slip.date), toFile), backLayout(slip));
    return outcome;
}

SheetsOutcome printDeposit(pellar::ProgramContext& context, const DepositSlip& slip) {
    pellar::Desk& desk = context.desk;
    if (!desk.printerAvailable()) {
        // Never a file the person did not name: the PDF only when asked for.
        if (pellar::offerPdfWithoutPrinter(
                desk, programTitle(),
                QCoreApplication::translate("DepositPrinting", "deposit slip")))
            return saveDepositTelling(desk, context.data, slip);
        return SheetsOutcome::Cancelled;
    }
    const std::optional<pellar::PrinterChoice> printer = pellar::ChoosePrinter(context);
    if (!printer)
        return SheetsOutcome::Cancelled;
    if (printDepositSheets(desk, context.data, *printer, slip))
        return SheetsOutcome::Done;
    // Nothing was recorded, so the deposit stays as typed, ready for another try.
    desk.message(
        QCoreApplication::translate("DepositPrinting", "Print Error"),
        {QCoreApplication::translate("DepositPrinting", "An Error has occurred while Printing")},
        pellar::MessageButtons::Ok);
    return SheetsOutcome::Failed;
}

SheetsOutcome saveDepositTelling(pellar::Desk& desk, const pellar::DataFolder& folder,
                                 const DepositSlip& slip) {
    const pellar::PdfOutcome saved = saveDepositAsPdf(desk, folder, slip);
    if (saved.cancelled)
        return SheetsOutcome::Cancelled;
    if (saved.written)
        return SheetsOutcome::Done;
    desk.message(programTitle(),
                 {saved.written.error,
                  QCoreApplication::translate("DepositPrinting", "The deposit was not recorded.")},
                 pellar::MessageButtons::Ok);
    return SheetsOutcome::Failed;
}

QString refusalWords(DepositDraft::Refusal why, const DepositDraft& draft) {
    using Refusal = DepositDraft::Refusal;
    switch (why) {
    case Refusal::NotNow:
        return QCoreApplication::translate("DepositPrinting",
                                           "Enter the checks of the count first.");
    case Refusal::NoChecks:
        return QCoreApplication::translate(
            "DepositPrinting", "No checks to enter: for cash only, click Continue with Deposit "
                               "Creation.");
    case Refusal::MissingField:
        return QCoreApplication::translate(
            "DepositPrinting", "Each check needs its number, its amount and whom it is from.");
    case Refusal::NotPositive:
        return QCoreApplication::translate("DepositPrinting",
                                           "A check amount must be more than zero.");
    case Refusal::BackOutOfRange:
        return QCoreApplication::translate("DepositPrinting",
                                           "The cash back can be from zero up to the deposit, %1.")
            .arg(pellar::formatCurrency(draft.gross()));
    case Refusal::NotAnAmount:
        return depositwidgets::notAnAmountText();
    default:
        return {};
    }
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

namespace {

// The balance may have moved since the deposit form read it (a check written in the
// check-writing program meanwhile): the person hears of it before anything is written.
// True when the deposit is to be recorded.
bool balanceChangeAccepted(pellar::Desk& desk, const DepositBank& bank, pellar::Currency deposit) {
    const std::optional<pellar::Currency> now = bank.balanceNow();
    if (!now || *now == bank.balance())
        return true;
    const std::optional<pellar::Currency> after = *now + deposit;
    if (!after)
        return true; // the save refuses it in its own words
    const pellar::MessageAnswer answer = desk.message(
        programTitle(),
        {QCoreApplication::translate(
             "DepositPrinting",
             "The checkbook balance has changed since this deposit was begun: it "
             "was %1 and is now %2.")
             .arg(pellar::formatCurrency(bank.balance()), pellar::formatCurrency(*now)),
         QCoreApplication::translate("DepositPrinting",
                                     "The deposit of %1 will be added to %2, making %3.")
             .arg(pellar::formatCurrency(deposit), pellar::formatCurrency(*now),
                  pellar::formatCurrency(*after)),
         QCoreApplication::translate(
             "DepositPrinting", "Click OK to record the deposit, or Cancel to record nothing.")},
        pellar::MessageButtons::OkCancel);
    return answer == pellar::MessageAnswer::Ok;
}

} // namespace

bool recordDeposit(pellar::Desk& desk, DepositBank& bank, const DepositDraft& draft) {
    if (!balanceChangeAccepted(desk, bank, draft.net()))
        return false;
    // From the print screen on, the deposit total is the net deposit.
    // The log's description field is read back by the history: it stays untranslated.
    if (const pellar::FileResult logged =
            bank.WriteTransaction(QStringLiteral("Deposit"), draft.net(), draft.date());
        !logged) {
        desk.message(
            programTitle(),
            {logged.error, QCoreApplication::translate("DepositPrinting",
                                                       "The deposit was not recorded: neither the "
                                                       "transactions log nor the checkbook "
                                                       "balance was changed.")},
            pellar::MessageButtons::Ok);
        return false;
    }
    if (const pellar::FileResult saved = bank.SaveBank(draft.net()); !saved) {
        desk.message(
            programTitle(),
            {saved.error, QCoreApplication::translate("DepositPrinting",
                                                      "The deposit is in the transactions log, but "
                                                      "the checkbook balance was not changed. Add "
                                                      "it to the balance with the PellarWriter "
                                                      "Program.")},
            pellar::MessageButtons::Ok);
        return false;
    }
    return true;
}

pellar::DocumentCopy keepDepositCopy(pellar::Desk& desk, const pellar::DataFolder& folder,
                                     const DepositSlip& slip) {
    const pellar::DocumentCopy copy = pellar::keepDocumentCopy(
        desk, folder, depositSlipFront(slip.date), depositCopyFolder(slip.date),
        depositCopyBaseName(slip.date, slip.net), [&slip](pellar::PrintSurface& surface) {
            PrintDepositSlip(surface, slip);
            if (printsBackSide(slip) && surface.newPage())
                PrintCheckListOnBack(surface, slip);
        });
    if (!copy.written)
        desk.message(
            programTitle(),
            {QCoreApplication::translate("DepositPrinting",
                                         "The deposit was recorded, but its PDF copy could not be "
                                         "kept in the Deposits folder."),
             copy.written.error},
            pellar::MessageButtons::Ok);
    return copy;
}

} // namespace deposits
