#include "expenses/ui/entrynotices.h"

#include "common/core/desk.h"
#include "common/core/fixedrecords.h"
#include "common/core/regional.h"
#include "expenses/ui/notices.h"

#include <QLocale>

namespace expenses {

void EntryNotices::inputError() {
    m_desk.beep();
    m_desk.message(QStringLiteral("Input Error"),
                   {QStringLiteral("All Required information has not been Supplied")});
}

bool EntryNotices::confirm(const ExpenseEntry& entry, const QString& category,
                           pellar::Currency amount) {
    const QStringList lines{
        QString(),
        QStringLiteral("Paid to: ") + entry.payee,
        QStringLiteral("For: ") + category,
        QStringLiteral("By: ") + paymentMethodText(entry.payment),
        QStringLiteral("In the Amount of: ") + pellar::formatCurrency(amount),
        QStringLiteral("On ") + pellar::formatShortDate(entry.date),
        QStringLiteral("Are Entries Correct?"),
    };
    return m_desk.message(QStringLiteral("Review before Posting"), lines,
                          pellar::MessageButtons::YesNo) == pellar::MessageAnswer::Yes;
}

bool EntryNotices::posted(const PostResult& result) {
    switch (result.status) {
    case PostResult::Written:
    case PostResult::NothingToWrite:
        return true;
    case PostResult::Failed:
        fileProblem(result.error);
        return false;
    case PostResult::FileFull:
        break;
    }
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    QStringList lines{QStringLiteral("The expense file can hold no more than %1 records.")
                          .arg(english.toString(pellar::kMaxRecords))};
    if (result.room == 0)
        lines.append(QStringLiteral("It is full."));
    else
        lines.append(QStringLiteral("It has room for %1 more, and this posting needs %2.")
                         .arg(result.room)
                         .arg(result.needed));
    lines.append(QStringLiteral("Nothing was posted. Remove old records with File Cleanup "
                                "under Reports first."));
    m_desk.message(QStringLiteral("Expense File Full"), lines);
    return false;
}

void EntryNotices::noAmount() {
    m_desk.message(QStringLiteral("No Amount Entered"),
                   {QStringLiteral("Enter an Amount before Disbursing")});
}

void EntryNotices::cashOnAccount() {
    m_desk.message(QStringLiteral("No Record will be Created"),
                   {QStringLiteral("A cash payment with no Disbursement"),
                    QStringLiteral("Does not need to be Posted")});
}

void EntryNotices::futureDate() {
    inputError();
    m_desk.message(QString::fromUtf16(kProgramTitle),
                   {QStringLiteral("Your Calendar(s) Selection is Invalid")});
}

void EntryNotices::noCategories() {
    m_desk.message(QStringLiteral("No Expense Catigories"),
                   {QStringLiteral("You Do not have any Expense Categories"),
                    QStringLiteral("Create a list by Selecting Setup on the Main Menu")});
}

void EntryNotices::fileProblem(const QString& problem) {
    reportFileProblem(m_desk, problem);
}

} // namespace expenses
