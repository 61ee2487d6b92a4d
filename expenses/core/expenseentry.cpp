#include "expenses/core/expenseentry.h"

#include "common/core/regional.h"

namespace expenses {

namespace {

PostResult writeAll(const pellar::DataFolder& folder, const QList<ExpenseRecord>& records) {
    PostResult result;
    if (records.isEmpty())
        return result;
    // A split's lines go in one append, refused whole when the file lacks room for them all:
    // half a split on file would not add up.
    qint64 room = -1;
    if (const pellar::FileResult written = appendExpenseRecords(folder, records, &room); !written) {
        if (room >= 0) {
            result.status = PostResult::FileFull;
            result.room = room;
            result.needed = records.size();
        } else {
            result.status = PostResult::Failed;
            result.error = written.error;
        }
        return result;
    }
    result.status = PostResult::Written;
    return result;
}

} // namespace

pellar::Currency wholeCents(pellar::Currency value) {
    return pellar::Currency::fromUnits(value.cents() * (pellar::Currency::kScale / 100));
}

std::optional<pellar::Currency> storableAmount(const QString& typed) {
    const std::optional<pellar::Currency> value = pellar::currencyValue(typed);
    if (!value || !fitsField(AmountField, pellar::formatCurrency(*value)))
        return std::nullopt;
    return wholeCents(*value);
}

void ExpenseEntry::reset(QDate today) {
    date = today;
    amount.reset();
    mode = ChargingMode::SingleCategory;
    allowNegative = false;
    m_lines.clear();
}

bool ExpenseEntry::needsReference() const {
    return payment == PayByCheck || payment == PayByCreditCard;
}

ExpenseEntry::Missing ExpenseEntry::missing() const {
    if (payee.isEmpty())
        return Missing::Payee;
    // With no way of charging chosen there is nothing posting could write.
    if (mode == ChargingMode::None)
        return Missing::Mode;
    // A category of blanks would be posted as no category at all.
    if (mode != ChargingMode::PartialPayment && category.trimmed().isEmpty())
        return Missing::Category;
    if (!hasAmount())
        return Missing::Amount;
    if (needsReference() && reference.trimmed().isEmpty())
        return Missing::Reference;
    return Missing::Nothing;
}

std::optional<pellar::Currency> ExpenseEntry::remaining() const {
    if (allowNegative || !amount)
        return std::nullopt;
    std::optional<pellar::Currency> left = *amount;
    for (const SplitLine& line : m_lines)
        left = left - line.amount;
    return left;
}

ExpenseEntry::LineResult ExpenseEntry::addSplitLine(const QString& lineCategory,
                                                    pellar::Currency lineAmount) {
    std::optional<pellar::Currency> left;
    if (!allowNegative) {
        left = remaining().value_or(pellar::Currency{}) - lineAmount;
        if (!left || left->isNegative())
            return LineResult::Refused;
    }
    m_lines.append({lineCategory, lineAmount});
    return left && left->isZero() ? LineResult::Completed : LineResult::Taken;
}

ExpenseRecord ExpenseEntry::record(const QString& amountText, const QString& forWhat) const {
    return FillExpenseRecord(date, amountText, forWhat, payee, payment, reference);
}

QList<ExpenseRecord> ExpenseEntry::records() const {
    QList<ExpenseRecord> list;
    switch (mode) {
    case ChargingMode::SingleCategory:
        if (amount)
            list.append(record(pellar::formatCurrency(*amount), category));
        break;
    case ChargingMode::MultipleCategories:
        for (const SplitLine& line : m_lines)
            list.append(record(pellar::formatCurrency(line.amount), line.category));
        break;
    default:
        // A partial payment is not itself recorded.
        break;
    }
    return list;
}

PostResult ExpenseEntry::post(const pellar::DataFolder& folder) {
    const PostResult result = writeAll(folder, records());
    if (result.status == PostResult::Written)
        m_lines.clear();
    return result;
}

ExpenseEntry::Charge ExpenseEntry::charge() const {
    const std::optional<pellar::Currency> value = pellar::currencyValue(financeCharge);
    if (!value)
        return pellar::leadingNumberValue(financeCharge) > 0 ? Charge::Unreadable : Charge::None;
    return *value > pellar::Currency{} ? Charge::Some : Charge::None;
}

ExpenseRecord ExpenseEntry::financeChargeRecord() const {
    return record(financeCharge, kFinanceChargeCategory.toString());
}

PostResult ExpenseEntry::postFinanceCharge(const pellar::DataFolder& folder) const {
    if (charge() != Charge::Some)
        return {};
    return writeAll(folder, {financeChargeRecord()});
}

} // namespace expenses
