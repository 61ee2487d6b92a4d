#pragma once
// The deposit printed onto the pre-printed deposit sheet: the ticket entries and the deposit
// summary on the front, and, when the ticket cannot hold the checks, the check amounts in
// columns on the back. Pure layout on a print surface: no widgets, no dialogs.

#include "common/core/currency.h"
#include "common/core/documentoutput.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

namespace pellar {
class PrintSurface;
}

namespace deposits {

struct DepositCheck {
    QString number;
    pellar::Currency amount;
    QString payer;

    bool operator==(const DepositCheck&) const = default;
};

// Everything a deposit prints, as the deposit stands when Print is clicked.
struct DepositSlip {
    QDate date;
    pellar::Currency currency; // bills and coins
    QList<DepositCheck> checks;
    pellar::Currency checksTotal;
    pellar::Currency gross; // checks and currency, before any cash back
    // Cash taken back; nullopt when no cash-back choice was made, which the ticket shows as
    // the text "0" and the summary leaves out.
    std::optional<pellar::Currency> amountBack;
    pellar::Currency net; // what goes to the bank

    // The ticket's cash-back entry.
    QString amountBackText() const;
};

// The ticket lists at most this many checks; from one more on they go on the back. Its
// second column has room for 17, but the fifteenth line lies across the check count's box:
// an amount there would print over the count or push it out of its box.
inline constexpr int kChecksOnTicket = 14;

inline bool printsBackSide(const DepositSlip& slip) {
    return slip.checks.size() > kChecksOnTicket;
}

// The most checks the back of one sheet lists at the printers' usual line height. A deposit
// is kept to this, so its check list never needs a second sheet.
int checksTheBackHolds();

// The front of the sheet: ticket entries, then the deposit summary. A summary table too
// long for the page goes on at the top of a further page. The caller ends the job.
void PrintDepositSlip(pellar::PrintSurface& surface, const DepositSlip& slip);

// The back of the sheet: the check amounts in columns. A column that would run below the
// printable page goes on in the next column to the right; only when the columns run out
// does the list go on to a further page. The caller ends the job.
void PrintCheckListOnBack(pellar::PrintSurface& surface, const DepositSlip& slip);

// The two sides as documents of their own: both count from the corner of the area the
// printer can print on, and each has its own alignment offsets. The PDF name carries the
// deposit's date: "Deposit 2026-12-06.pdf".
pellar::PrintedDocumentKind depositSlipFront(QDate date);
pellar::PrintedDocumentKind depositSlipBack(QDate date);

// The alignment test page of each side: every entry outlined where it prints.
void outlineFrontFields(pellar::PrintSurface& surface);
void outlineBackFields(pellar::PrintSurface& surface);

} // namespace deposits
