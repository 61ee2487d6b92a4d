#pragma once
// Every question the expense entry screen asks and every refusal it makes, in one place.

#include "common/core/currency.h"
#include "expenses/core/expenseentry.h"

#include <QCoreApplication>
#include <QString>

namespace pellar {
class Desk;
namespace ui {
class StatusNote;
}
} // namespace pellar

namespace expenses {

class EntryNotices {
    Q_DECLARE_TR_FUNCTIONS(EntryNotices)

public:
    explicit EntryNotices(pellar::Desk& desk)
        : m_desk(desk) {}

    pellar::Desk& desk() const { return m_desk; }
    // Where the form says in words why a step was refused.
    void setStatusNote(pellar::ui::StatusNote* note) { m_note = note; }

    // The beep, and the reason on the status line.
    void refuse(const QString& why);
    // Words on the status line without a beep.
    void say(const QString& what);
    // "Input Error": something required is missing or cannot be taken; `why` names it on
    // the status line.
    void inputError(const QString& why);
    // The words for what is missing from an entry.
    static QString missingText(const ExpenseEntry& entry, ExpenseEntry::Missing missing);
    // The words for typed text that is not an amount.
    static QString notAnAmount(const QString& typed);
    // "Review before Posting" for the entry charged with this category and amount; true
    // when the person confirms.
    bool confirm(const ExpenseEntry& entry, const QString& category, pellar::Currency amount);
    // A posting that did not go through is told, one that did is said on the status line
    // with what it wrote; true when it went through (or had nothing to write).
    bool posted(const PostResult& result, const QList<ExpenseRecord>& written);
    // "Posted $125.50 to Office Supplies, check 1047".
    static QString postedText(const QList<ExpenseRecord>& written);

    // A split line larger than what is left of the amount to split.
    void overRemaining(pellar::Currency line, pellar::Currency remaining);
    // Lines that leave part of the amount uncharged; true when they are to be posted so.
    bool postShortSplit(pellar::Currency left, pellar::Currency amount);
    void noAmount();
    void cashOnAccount();
    void futureDate();
    void noCategories();
    void fileProblem(const QString& problem);

private:
    pellar::Desk& m_desk;
    pellar::ui::StatusNote* m_note = nullptr;
};

} // namespace expenses
