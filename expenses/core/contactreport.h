#pragma once
// The contact report: every contact in a block of four lines (name, street, city line,
// telephone), three blocks to a row, under the heading "Account Information" and the date.

#include "common/core/desk.h"
#include "common/core/documentoutput.h"
#include "common/core/printsurface.h"
#include "expenses/core/contacts.h"

#include <QList>
#include <QString>

namespace pellar {
class PrintSurface;
}

namespace expenses {

// The page's side margins, and the space kept free below the last row, in twips.
inline constexpr double kReportMargin = 720;
// The row of blocks starts this far down on every page, in inches.
inline constexpr float kReportFirstRowInches = 1.0f;

// The heading centred at the top, the date right-aligned at the right margin; the print
// position is left where the first row of blocks starts.
void PrintReportHeader(pellar::PrintSurface& surface, const QString& date);

// Column 1 to 3; the row's top in twips. A field too wide for its column is cut and ends
// in an ellipsis rather than running into the next block or off the paper.
void PrintContactBlock(pellar::PrintSurface& surface, const Contact& contact, int column,
                       double rowTop);
// The left edge of a column's blocks, in twips.
double contactColumnLeft(const pellar::PrintSurface& surface, int column);

// Every contact, three to a row; rows are five text lines apart, and a row that would
// not end above the bottom margin goes to a new page under the header again.
void PrintAllContacts(pellar::PrintSurface& surface, const QList<Contact>& contacts,
                      const QString& date);

// The whole report; the print job's runner ends the job.
void PrintContactReport(pellar::PrintSurface& surface, const QList<Contact>& contacts,
                        const QString& date);

// The report as a printed document: measured from the paper's edge, named for the job, and
// saved as "Contacts.pdf" unless the person names it otherwise.
pellar::PrintedDocumentKind contactReportKind();
// The report's job on a printer: the expense program's portrait page set-up, from the paper's
// edge, moved by the person's offsets for the report.
pellar::PrintJobSetup contactReportJob(const pellar::DataFolder& folder,
                                       const pellar::PrinterChoice& printer);

// The alignment test page's fields: the date and the first two rows of blocks, outlined where
// the report prints them.
void PrintContactReportOutlines(pellar::PrintSurface& surface);

// The expense program's page set-up: colour, portrait when the orientation text is
// "Portrait" and landscape for any other text, on the given printer choice.
pellar::PrintJobSetup expensePageSetup(const QString& orientation,
                                       const pellar::PrinterChoice& printer,
                                       const QString& documentName = {});
// The text state an expense report starts from: black, bold and underline off.
void expenseTextDefaults(pellar::PrintSurface& surface);

} // namespace expenses
