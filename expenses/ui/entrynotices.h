#pragma once
// Every question the expense entry screen asks and every refusal it makes, in one place.

#include "common/core/currency.h"
#include "expenses/core/expenseentry.h"

#include <QString>

namespace pellar {
class Desk;
}

namespace expenses {

class EntryNotices {
public:
    explicit EntryNotices(pellar::Desk& desk)
        : m_desk(desk) {}

    pellar::Desk& desk() const { return m_desk; }

    // A beep and "Input Error": something required is missing or cannot be taken.
    void inputError();
    // "Review before Posting" for the entry charged with this category and amount; true
    // when the person confirms.
    bool confirm(const ExpenseEntry& entry, const QString& category, pellar::Currency amount);
    // A posting that did not go through is told; true when it did (or had nothing to write).
    bool posted(const PostResult& result);

    void noAmount();
    void cashOnAccount();
    void futureDate();
    void noCategories();
    void fileProblem(const QString& problem);

private:
    pellar::Desk& m_desk;
};

} // namespace expenses
