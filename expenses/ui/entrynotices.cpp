#include "expenses/ui/entrynotices.h"

#include "common/core/desk.h"
#include "common/core/fixedrecords.h"
#include "common/core/regional.h"
#include "common/ui/keyboard.h"
#include "expenses/ui/notices.h"

#include <QLocale>

namespace expenses {

void EntryNotices::refuse(const QString& why) {
    pellar::ui::refuse(m_desk, m_note, why);
}

void EntryNotices::say(const QString& what) {
    if (m_note)
        m_note->say(what);
}

QString EntryNotices::missingText(const ExpenseEntry& entry, ExpenseEntry::Missing missing) {
    switch (missing) {
    case ExpenseEntry::Missing::Payee:
        return tr("Choose whom the payment was made to.");
    case ExpenseEntry::Missing::Mode:
        return tr("Choose how the amount is charged: to one category, to several, "
                  "or to none on account.");
    case ExpenseEntry::Missing::Category:
        return tr("Choose a category for the expense.");
    case ExpenseEntry::Missing::Amount:
        return tr("Type the amount paid.");
    case ExpenseEntry::Missing::Reference:
        return entry.payment == PayByCheck ? tr("Type the check number.")
                                           : tr("Type the card company.");
    case ExpenseEntry::Missing::Nothing:
        break;
    }
    return {};
}

QString EntryNotices::notAnAmount(const QString& typed) {
    return tr("\"%1\" is not an amount that can be recorded.").arg(typed);
}

void EntryNotices::inputError(const QString& why) {
    refuse(why);
    m_desk.message(tr("Input Error"), {tr("All Required information has not been Supplied")});
}

bool EntryNotices::confirm(const ExpenseEntry& entry, const QString& category,
                           pellar::Currency amount) {
    QStringList lines{
        QString(),
        tr("Paid to: ") + entry.payee,
        tr("For: ") + category,
        tr("By: ") + paymentMethodText(entry.payment),
        tr("In the Amount of: ") + pellar::formatCurrency(amount),
        tr("On ") + pellar::formatShortDate(entry.date),
        tr("Are Entries Correct?"),
    };
    // The person is asked about a payment this program will not record: said before the
    // question, not after the answer.
    if (entry.mode == ChargingMode::PartialPayment)
        lines.insert(lines.size() - 1,
                     tr("This payment itself will not be recorded; only a finance "
                        "charge entered below and posted with Continue will be."));
    return m_desk.message(tr("Review before Posting"), lines, pellar::MessageButtons::YesNo) ==
           pellar::MessageAnswer::Yes;
}

QString EntryNotices::postedText(const QList<ExpenseRecord>& written) {
    if (written.isEmpty())
        return {};
    QStringList charged;
    for (const ExpenseRecord& record : written) {
        // A finance charge is stored as typed; it is said as an amount.
        const std::optional<pellar::Currency> value = pellar::currencyValue(record.amount);
        charged.append(
            tr("%1 to %2")
                .arg(value ? pellar::formatCurrency(*value) : record.amount, record.forWhat));
    }
    QString lines = charged.takeLast();
    if (!charged.isEmpty())
        lines = charged.join(QStringLiteral(", ")) + QStringLiteral(" and ") + lines;
    const ExpenseRecord& first = written.first();
    QString how = first.paymentMethod.trimmed().toLower();
    if (!first.reference.trimmed().isEmpty())
        how += u' ' + first.reference.trimmed();
    return tr("Posted %1, %2").arg(lines, how);
}

bool EntryNotices::posted(const PostResult& result, const QList<ExpenseRecord>& written) {
    switch (result.status) {
    case PostResult::Written:
        say(postedText(written));
        return true;
    case PostResult::NothingToWrite:
        return true;
    case PostResult::Failed:
        fileProblem(result.error);
        return false;
    case PostResult::FileFull:
        break;
    }
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    QStringList lines{tr("The expense file can hold no more than %1 records.")
                          .arg(english.toString(pellar::kMaxRecords))};
    if (result.room == 0)
        lines.append(tr("It is full."));
    else
        lines.append(tr("It has room for %1 more, and this posting needs %2.")
                         .arg(result.room)
                         .arg(result.needed));
    lines.append(tr("Nothing was posted. Remove old records with File Cleanup "
                    "under Reports first."));
    m_desk.message(tr("Expense File Full"), lines);
    return false;
}

void EntryNotices::overRemaining(pellar::Currency line, pellar::Currency remaining) {
    const QString why = tr("%1 is more than the %2 that remains to be split.")
                            .arg(pellar::formatCurrency(line), pellar::formatCurrency(remaining));
    refuse(why);
    m_desk.message(tr("Input Error"), {why});
}

bool EntryNotices::postShortSplit(pellar::Currency left, pellar::Currency amount) {
    return m_desk.message(tr("Amount Not Fully Disbursed"),
                          {tr("%1 of the %2 paid is in no line.")
                               .arg(pellar::formatCurrency(left), pellar::formatCurrency(amount)),
                           tr("Post the lines as they are? Answer No to add a line "
                              "for it.")},
                          pellar::MessageButtons::YesNo) == pellar::MessageAnswer::Yes;
}

void EntryNotices::noAmount() {
    m_desk.message(tr("No Amount Entered"), {tr("Enter an Amount before Disbursing")});
}

void EntryNotices::cashOnAccount() {
    m_desk.message(tr("No Record will be Created"),
                   {tr("A cash payment with no Disbursement"), tr("Does not need to be Posted")});
}

void EntryNotices::futureDate() {
    inputError(tr("The date paid cannot be later than today."));
    m_desk.message(QString::fromUtf16(kProgramTitle),
                   {tr("Your Calendar(s) Selection is Invalid")});
}

void EntryNotices::noCategories() {
    m_desk.message(tr("No Expense Catigories"),
                   {tr("You Do not have any Expense Categories"),
                    tr("Create a list by Selecting Setup on the Main Menu")});
}

void EntryNotices::fileProblem(const QString& problem) {
    reportFileProblem(m_desk, problem);
}

} // namespace expenses
