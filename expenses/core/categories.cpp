#include "expenses/core/categories.h"

#include "common/core/backup.h"
#include "common/core/datafiles.h"
#include "common/core/folderlock.h"
#include "common/core/records.h"

namespace expenses {

namespace {

CategoriesRead readFieldFile(const pellar::DataFolder& folder, QStringView name) {
    CategoriesRead read;
    if (!pellar::DataFileExists(folder, name))
        return read;
    read.found = true;
    const std::optional<QByteArray> bytes = pellar::readDataFile(folder, name, &read.problem);
    if (bytes) {
        read.categories = decodeFieldList(*bytes);
        read.bytes = *bytes;
    }
    return read;
}

} // namespace

const QStringList& suggestedCategories() {
    static const QStringList list{
        QStringLiteral("Accounting Service"),
        QStringLiteral("Legal Service"),
        QStringLiteral("Banking Service"),
        QStringLiteral("Construction Material"),
        QStringLiteral("Credit Card Fee"),
        QStringLiteral("Credit Card Interest"),
        QStringLiteral("Taxes - Property"),
        QStringLiteral("Taxes - State"),
        QStringLiteral("Taxes - Local"),
        QStringLiteral("Taxes - Federal"),
        QStringLiteral("Taxes -County"),
        QStringLiteral("Utilities - Water"),
        QStringLiteral("Utilities - Electric"),
        QStringLiteral("Utilities - Telephone"),
        QStringLiteral("Utilities - Cable"),
        QStringLiteral("Utilities - Gas"),
        QStringLiteral("Education"),
        QStringLiteral("Educational Literature"),
        QStringLiteral("Travel"),
        QStringLiteral("Contract Labor"),
        QStringLiteral("Customer Rebate"),
        QStringLiteral("Facility - Maintenance"),
        QStringLiteral("Finance Charge"),
        QStringLiteral("Vehicle - Repair"),
        QStringLiteral("Vehicle - Tags"),
        QStringLiteral("Vehicle - Supplies"),
        QStringLiteral("Vehicle - Fuel"),
        QStringLiteral("Petty Cash"),
        QStringLiteral("Rent - Property"),
        QStringLiteral("Rent - Equipment"),
        QStringLiteral("Shipping - Postage"),
        QStringLiteral("Shipping - Carrier"),
        QStringLiteral("Shipping - Container"),
        QStringLiteral("Advertising"),
        QStringLiteral("Equipment - Purchase"),
        QStringLiteral("Equipment - Repair"),
        QStringLiteral("Equipment - Maintenance"),
        QStringLiteral("Office - General"),
        QStringLiteral("Office - Supplies"),
        QStringLiteral("Office - Equipment Purchase"),
        QStringLiteral("Office - Equipment Repair"),
        QStringLiteral("Tools"),
        QStringLiteral("Entertainment"),
        QStringLiteral("Subscriptions"),
        QStringLiteral("Trade Dues"),
        QStringLiteral("Insurance - Liability"),
        QStringLiteral("Insurance - Facility"),
        QStringLiteral("Insurance - Vehicle"),
        QStringLiteral("Taxes - Local"),
        QStringLiteral("Internet - Access"),
        QStringLiteral("Internet - Subscription"),
        QStringLiteral("Computer Equipment"),
        QStringLiteral("Computer Software"),
        QStringLiteral("Computer Supplies"),
        QStringLiteral("Wages"),
    };
    return list;
}

const QStringList& nondeductibleCategories() {
    static const QStringList list{
        QStringLiteral("NOTES PAYABLE"), QStringLiteral("FEDERAL INCOME TAX"),
        QStringLiteral("LOANS PAYABLE"), QStringLiteral("PERSONAL EXPENSE"),
        QStringLiteral("FIXED ASSET"),
    };
    return list;
}

bool canAddCategory(const QStringList& list, const QString& candidate) {
    // Blanks alone would be posted as no category at all.
    return !candidate.trimmed().isEmpty() && !list.contains(candidate, Qt::CaseSensitive);
}

QByteArray encodeCategories(const QStringList& categories) {
    QByteArray bytes;
    for (const QString& category : categories)
        bytes += pellar::RecordWriter().text(category).line();
    return bytes;
}

QStringList decodeFieldList(const QByteArray& bytes) {
    QStringList fields;
    pellar::FreeFormatReader reader(bytes);
    while (!reader.atEnd()) {
        const std::optional<pellar::FreeField> field = reader.next();
        if (!field)
            break;
        fields.append(field->kind == pellar::FreeField::Kind::Truth
                          ? (field->truth ? QStringLiteral("#TRUE#") : QStringLiteral("#FALSE#"))
                          : field->text);
    }
    return fields;
}

CategoriesRead readCategories(const pellar::DataFolder& folder) {
    return readFieldFile(folder, kCategoriesFile);
}

CategoriesRead readChart(const pellar::DataFolder& folder) {
    return readFieldFile(folder, kChartFile);
}

pellar::FileResult saveCategories(const pellar::DataFolder& folder, const QStringList& categories) {
    return pellar::writeDataFileDroppingBackup(folder, kCategoriesFile,
                                               encodeCategories(categories));
}

CategoriesSave saveCategoriesOver(const pellar::DataFolder& folder, const QStringList& categories,
                                  const CategoriesRead& shown) {
    CategoriesSave save;
    // A restore from the backup folder is told before the lock, never while it is held.
    pellar::DataFileExists(folder, kCategoriesFile);
    const QByteArray wanted = encodeCategories(categories);
    save.result = pellar::underFolderLock(folder, [&] {
        save.current = readCategories(folder);
        if (!save.current.problem.isEmpty())
            return pellar::FileResult::failure(save.current.problem);
        if (save.current.found && save.current.bytes == wanted)
            return pellar::FileResult::success();
        // What was shown could not be read: whatever is there now was not seen either.
        if (save.current.found != shown.found || save.current.bytes != shown.bytes ||
            !shown.problem.isEmpty()) {
            save.changedMeanwhile = true;
            return pellar::FileResult::success();
        }
        return saveCategories(folder, categories);
    });
    return save;
}

} // namespace expenses
