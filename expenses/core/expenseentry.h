#pragma once
// One payment being recorded: whom it went to, when, how much, how it was paid, and what it
// is charged to (one category, lines split over several, or nothing but a finance charge on
// a partial payment). The entry screen edits it; posting turns it into expense records,
// all of them or none.

#include "common/core/currency.h"
#include "common/core/datafiles.h"
#include "expenses/core/expensefile.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

namespace expenses {

enum class ChargingMode {
    None = -1,
    SingleCategory = 0,
    MultipleCategories = 1,
    PartialPayment = 2
};

// What a finance charge is recorded under, whether or not the person has that category.
inline constexpr QStringView kFinanceChargeCategory = u"Finance Charge";

struct SplitLine {
    QString category;
    pellar::Currency amount;
    bool operator==(const SplitLine&) const = default;
};

// An amount as it is shown and stored: to the cent.
pellar::Currency wholeCents(pellar::Currency value);
// Typed text as the amount a record holds, to the cent; nullopt for text that is not an
// amount or whose currency form is too long for the amount field.
std::optional<pellar::Currency> storableAmount(const QString& typed);

// What came of writing an entry's records.
struct PostResult {
    enum Status { Written, NothingToWrite, FileFull, Failed };
    Status status = NothingToWrite;
    qint64 room = 0;   // FileFull: how many more records the file can take
    qint64 needed = 0; // FileFull: how many this posting needed
    QString error;     // Failed: plain words
    explicit operator bool() const { return status == Written || status == NothingToWrite; }
};

class ExpenseEntry {
public:
    enum class Missing { Nothing, Payee, Mode, Category, Amount, Reference };
    enum class LineResult { Taken, Completed, Refused };
    enum class Charge { None, Some, Unreadable };

    int payment = PayByCheck;
    QString reference; // check number or card company
    QString payee;
    QDate date;
    // The amount paid; nullopt while none has been typed.
    std::optional<pellar::Currency> amount;
    ChargingMode mode = ChargingMode::SingleCategory;
    // Unpaid amounts may be expensed: split lines are not held to the amount.
    bool allowNegative = false;
    QString category;
    QString financeCharge; // as typed

    // A fresh single-category entry dated today; payee, payment and reference stay.
    void reset(QDate today);

    // A check number or a card company is asked for with these payments.
    bool needsReference() const;
    // The first thing still missing before the entry can be posted.
    Missing missing() const;
    bool hasAmount() const { return amount && !amount->isZero(); }

    // What is left of the amount to split; nullopt while unpaid amounts may be expensed or
    // before an amount is known.
    std::optional<pellar::Currency> remaining() const;
    // A line is refused when it would take what remains below zero. Completed: it left
    // exactly nothing to split.
    LineResult addSplitLine(const QString& lineCategory, pellar::Currency lineAmount);
    const QList<SplitLine>& splitLines() const { return m_lines; }
    void clearSplitLines() { m_lines.clear(); }

    // The records posting writes: one for a single category, one per split line, none for
    // a partial payment.
    QList<ExpenseRecord> records() const;
    // Writes records() after the last record, all or none; the posted lines are then gone,
    // so they cannot be posted twice.
    PostResult post(const pellar::DataFolder& folder);

    // A finance charge is written when the typed text is an amount above zero. Text that
    // does not begin with a number is no charge; text that begins with one but is not an
    // amount cannot be stored.
    Charge charge() const;
    // The finance-charge record, the amount as typed.
    ExpenseRecord financeChargeRecord() const;
    PostResult postFinanceCharge(const pellar::DataFolder& folder) const;

private:
    ExpenseRecord record(const QString& amountText, const QString& forWhat) const;

    QList<SplitLine> m_lines;
};

} // namespace expenses
