#include "expenses/core/expensereview.h"

#include "common/core/fixedrecords.h"
#include "common/core/regional.h"
#include "expenses/core/expensefile.h"

namespace expenses {

namespace {

// A sum that would leave the range of the money type is treated like an amount that could
// not be read, rather than wrapping round.
bool addChecked(pellar::Currency& total, pellar::Currency amount) {
    const std::optional<pellar::Currency> sum = total + amount;
    if (sum)
        total = *sum;
    return sum.has_value();
}

} // namespace

ExpenseReview reviewExpenseRecords(QByteArrayView file, QDate start, QDate end) {
    ExpenseReview review;
    review.fileFound = true;
    const pellar::FixedRecordTable table(expenseLayout(), file);
    const qsizetype count = table.recordCount();
    const pellar::RegionalSettings& regional = pellar::RegionalSettings::current();
    review.rows.reserve(count);
    for (qsizetype i = 0; i < count; ++i) {
        const std::optional<QDate> date = readRecordDate(blankTrimmed(table.field(i, DateField)));
        if (!date) {
            ++review.unreadableDates;
            continue;
        }
        if (blankTrimmed(table.field(i, PaymentMethodField)) == kVoidCheck ||
            blankTrimmed(table.field(i, StatusField)) == kArchivedStatus)
            continue;
        if (*date < start || *date > end)
            continue;
        ReviewRow row;
        row.date = blankTrimmed(table.field(i, DateField)).toString();
        row.paidTo = blankTrimmed(table.field(i, PaidToField)).toString();
        row.category = blankTrimmed(table.field(i, ForField)).toString();
        const QStringView amountText = blankTrimmed(table.field(i, AmountField));
        row.amount = pellar::currencyValue(amountText, regional);
        if (!row.amount || !addChecked(review.total, *row.amount)) {
            row.amount.reset();
            row.storedAmount = amountText.toString();
            ++review.unreadableAmounts;
        }
        review.rows.append(std::move(row));
    }
    return review;
}

ExpenseReview reviewExpenses(const pellar::DataFolder& folder, QDate start, QDate end) {
    ExpenseFileBytes read = readExpenseFile(folder);
    if (!read.found)
        return {};
    if (!read.problem.isEmpty()) {
        ExpenseReview review;
        review.fileFound = true;
        review.problem = read.problem;
        return review;
    }
    return reviewExpenseRecords(read.bytes, start, end);
}

QString unreadableNotice(const ExpenseReview& review) {
    QStringList parts;
    if (review.unreadableDates == 1)
        parts.append(
            QStringLiteral("1 record has a date that could not be read; it is not listed."));
    else if (review.unreadableDates > 1)
        parts.append(QStringLiteral("%1 records have a date that could not be read; they are not "
                                    "listed.")
                         .arg(review.unreadableDates));
    if (review.unreadableAmounts == 1)
        parts.append(QStringLiteral("1 listed record has an amount that could not be read; it is "
                                    "left out of the total."));
    else if (review.unreadableAmounts > 1)
        parts.append(QStringLiteral("%1 listed records have an amount that could not be read; "
                                    "they are left out of the total.")
                         .arg(review.unreadableAmounts));
    return parts.join(u' ');
}

} // namespace expenses
