#include "expenses/core/expensereview.h"

#include "common/core/ansi.h"
#include "common/core/fixedrecords.h"
#include "common/core/regional.h"
#include "expenses/core/expensefile.h"

#include <QCoreApplication>
#include <QVarLengthArray>
#include <algorithm>
#include <cstring>
#include <vector>

namespace expenses {

namespace {

// Blanks (spaces only) off both ends of a field's bytes: a blank is the one byte that
// decodes to one, so this is the field's text trimmed.
QByteArrayView trimmedBytes(QByteArrayView bytes) {
    qsizetype first = 0;
    qsizetype last = bytes.size();
    while (first < last && bytes[first] == ' ')
        ++first;
    while (last > first && bytes[last - 1] == ' ')
        --last;
    return bytes.sliced(first, last - first);
}

// A field's text decoded on the stack: the review reads a few fields of every record, and
// makes no string for any of them.
class FieldText {
public:
    explicit FieldText(QByteArrayView bytes)
        : m_text(bytes.size()) {
        pellar::fromAnsi(bytes, m_text.data());
    }
    QStringView view() const { return QStringView(m_text.data(), m_text.size()); }

private:
    QVarLengthArray<char16_t, 40> m_text;
};

// Whether the field's bytes hold the text; they are decoded only when the lengths agree.
bool fieldIs(QByteArrayView bytes, QStringView text) {
    return bytes.size() == text.size() && FieldText(bytes).view() == text;
}

// Within one review the same texts come back again and again: the dates of a busy day, the
// amount of a monthly bill. A small cache per field keeps what a text was read as, so each
// is read once while it is in use. A text takes the slot its hash picks, putting out the one
// there: the cache stays small however many distinct texts the file holds. The keys are the
// field's bytes in the file, which outlives the caches.
template <typename Value> class FieldCache {
public:
    template <typename Read> const Value& get(QByteArrayView bytes, Read read) {
        const quint64 hash = hashOf(bytes);
        Slot& slot = m_slots[(hash >> 32) % kSlots];
        // The whole hash is kept too: a different text in the slot is mostly told by it
        // without comparing the bytes.
        if (!slot.used || slot.hash != hash || slot.bytes != bytes) {
            slot.bytes = bytes;
            slot.hash = hash;
            slot.value = read(FieldText(bytes).view());
            slot.used = true;
        }
        return slot.value;
    }

private:
    static constexpr size_t kSlots = 1024;

    struct Slot {
        QByteArrayView bytes;
        quint64 hash = 0;
        Value value{};
        bool used = false;
    };

    // Eight bytes at a time: the fields are short, and many start alike.
    static quint64 hashOf(QByteArrayView bytes) {
        const char* at = bytes.data();
        size_t left = size_t(bytes.size());
        quint64 hash = 0x9e3779b97f4a7c15ULL ^ left;
        const auto mix = [&hash](quint64 word) {
            hash = (hash ^ word) * 0xff51afd7ed558ccdULL;
            hash ^= hash >> 29;
        };
        for (; left >= 8; left -= 8, at += 8) {
            quint64 word;
            std::memcpy(&word, at, 8);
            mix(word);
        }
        if (left > 0) {
            quint64 word = 0;
            for (size_t i = 0; i < left; ++i)
                word |= quint64(quint8(at[i])) << (8 * i);
            mix(word);
        }
        return hash;
    }

    std::vector<Slot> m_slots = std::vector<Slot>(kSlots);
};

} // namespace

QString ReviewRows::field(qsizetype row, int field) const {
    const qsizetype length = expenseLayout().recordLength();
    const QByteArrayView record = QByteArrayView(m_file).sliced(m_listed[row].record * length);
    // The last record of a damaged file may be short; the layout pads it.
    const QString text =
        expenseLayout().field(record.first(std::min(length, record.size())), field);
    const QStringView trimmed = pellar::blankTrimmed(text);
    return trimmed.size() == text.size() ? text : trimmed.toString();
}

QString ReviewRows::date(qsizetype row) const {
    return field(row, DateField);
}

QString ReviewRows::paidTo(qsizetype row) const {
    return field(row, PaidToField);
}

QString ReviewRows::category(qsizetype row) const {
    return field(row, ForField);
}

QString ReviewRows::storedAmount(qsizetype row) const {
    return m_listed[row].amount ? QString() : field(row, AmountField);
}

ReviewRow ReviewRows::operator[](qsizetype row) const {
    return {date(row), paidTo(row), category(row), amount(row), storedAmount(row)};
}

ExpenseReview reviewExpenseRecords(const QByteArray& file, QDate start, QDate end) {
    ExpenseReview review;
    review.fileFound = true;
    review.rows.m_file = file;
    const pellar::FixedRecordLayout& layout = expenseLayout();
    const qsizetype length = layout.recordLength();
    // A trailing partial record counts, padded with blanks, as every reader of the file
    // counts it.
    const qsizetype count = (file.size() + length - 1) / length;
    QByteArray lastPadded;
    if (file.size() % length != 0) {
        lastPadded = file.sliced((count - 1) * length);
        lastPadded.append(QByteArray(length - lastPadded.size(), ' '));
    }
    const pellar::RegionalSettings& regional = pellar::RegionalSettings::current();
    FieldCache<std::optional<QDate>> dates;
    FieldCache<std::optional<pellar::Currency>> amounts;
    const auto readAmount = [&regional](QStringView text) {
        return pellar::currencyValue(text, regional);
    };
    QList<ReviewRows::Listed>& listed = review.rows.m_listed;
    listed.resize(count);
    qsizetype listedCount = 0;
    for (qsizetype i = 0; i < count; ++i) {
        const QByteArrayView record = lastPadded.isEmpty() || i + 1 < count
                                          ? QByteArrayView(file).sliced(i * length, length)
                                          : QByteArrayView(lastPadded);
        const auto field = [&](ExpenseField f) {
            return trimmedBytes(record.sliced(layout.offset(f), layout.width(f)));
        };
        const std::optional<QDate>& date = dates.get(field(DateField), readRecordDate);
        if (!date) {
            ++review.unreadableDates;
            continue;
        }
        if (fieldIs(field(PaymentMethodField), kVoidCheck) ||
            fieldIs(field(StatusField), kArchivedStatus))
            continue;
        if (*date < start || *date > end)
            continue;
        std::optional<pellar::Currency> amount = amounts.get(field(AmountField), readAmount);
        // One that would take the total out of range counts as unreadable, never wraps it.
        if (!amount || !pellar::addTo(review.total, *amount)) {
            amount.reset();
            ++review.unreadableAmounts;
        }
        listed[listedCount++] = {i, amount};
    }
    listed.resize(listedCount);
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
        parts.append(QCoreApplication::translate(
            "ExpenseReview", "1 record has a date that could not be read; it is not listed."));
    else if (review.unreadableDates > 1)
        parts.append(QCoreApplication::translate(
                         "ExpenseReview",
                         "%1 records have a date that could not be read; they are not "
                         "listed.")
                         .arg(review.unreadableDates));
    if (review.unreadableAmounts == 1)
        parts.append(QCoreApplication::translate(
            "ExpenseReview", "1 listed record has an amount that could not be read; it is "
                             "left out of the total."));
    else if (review.unreadableAmounts > 1)
        parts.append(
            QCoreApplication::translate("ExpenseReview",
                                        "%1 listed records have an amount that could not be read; "
                                        "they are left out of the total.")
                .arg(review.unreadableAmounts));
    return parts.join(u' ');
}

} // namespace expenses
