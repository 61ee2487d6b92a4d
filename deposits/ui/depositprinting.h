#pragma once
// A deposit printed and recorded: the sheet's two print jobs with the turn between them,
// and the log and the balance once the person confirms the printout. Each tells the person
// what went wrong.

#include "common/core/currency.h"
#include "common/core/desk.h"
#include "common/core/documentoutput.h"
#include "deposits/core/depositdraft.h"

namespace pellar {
class DataFolder;
struct ProgramContext;
} // namespace pellar

namespace deposits {

class DepositBank;
struct DepositSlip;

// The front; when the checks go on the back, the sheet turned over and the back. Each side
// counts from the printable area and carries its saved offsets. False when a job could not
// be printed.
bool printDepositSheets(pellar::Desk& desk, const pellar::DataFolder& folder,
                        const pellar::PrinterChoice& printer, const DepositSlip& slip);

// The sheets on the screen, the front and then any back; nothing is printed or recorded.
void previewDepositSheets(pellar::Desk& desk, const pellar::DataFolder& folder,
                          const pellar::PrinterChoice& printer, const DepositSlip& slip);

// The front to a PDF file the person names, and any back beside it ("...-back.pdf").
pellar::PdfOutcome saveDepositAsPdf(pellar::Desk& desk, const pellar::DataFolder& folder,
                                    const DepositSlip& slip);

// Where the sheets went: nowhere (the person cancelled), nowhere for a fault the person was
// told of, or to the printer or the PDF file.
enum class SheetsOutcome { Cancelled, Failed, Done };

// Print: the printer dialog, then both sides; with no printer set up, the offer of a PDF
// instead. A failed print is told as "Print Error"; nothing is recorded either way.
SheetsOutcome printDeposit(pellar::ProgramContext& context, const DepositSlip& slip);
// Save as PDF, telling the person when the file could not be written.
SheetsOutcome saveDepositTelling(pellar::Desk& desk, const pellar::DataFolder& folder,
                                 const DepositSlip& slip);

// The status note's words for a refusal that is not worth a message box.
QString refusalWords(DepositDraft::Refusal why, const DepositDraft& draft);

// Asked before a deposit is printed: false, after telling the person why, when the deposit
// could not be recorded afterwards (damaged checkbook data, a full log, a balance that
// cannot take it).
bool depositCanBeRecorded(pellar::Desk& desk, const DepositBank& bank, pellar::Currency deposit);

// The log first, then the balance, both with the net deposit.
bool recordDeposit(pellar::Desk& desk, DepositBank& bank, const DepositDraft& draft);

// The copy kept of a recorded deposit: the front and any back as the pages of one PDF,
// drawn by the front's job, at Deposits/<year>/<yyyy-MM-dd> <net>.pdf under the data folder
// (" (2)" and on for another deposit of that day and amount). The person hears when it could
// not be kept; the deposit stays recorded.
pellar::DocumentCopy keepDepositCopy(pellar::Desk& desk, const pellar::DataFolder& folder,
                                     const DepositSlip& slip);

} // namespace deposits
