#include "invoicing/core/invoiceoptions.h"

#include "common/core/backup.h"
#include "common/core/datafiles.h"
#include "common/core/records.h"
#include "invoicing/core/storedrates.h"

#include <QCoreApplication>

namespace invoicing {

namespace {

// Settles one group: the last true field wins; none true gives the group's default.
void settle(std::initializer_list<bool*> group, bool* fallback) {
    bool* winner = nullptr;
    for (bool* field : group) {
        if (*field)
            winner = field;
    }
    if (!winner)
        winner = fallback;
    for (bool* field : group)
        *field = field == winner;
}

} // namespace

TaxMode InvoiceOptions::taxMode() const {
    if (taxAll)
        return TaxMode::MaterialAndLabor;
    if (taxMaterial)
        return TaxMode::MaterialOnly;
    return TaxMode::None;
}

LaborMode InvoiceOptions::laborMode() const {
    return laborCalculated ? LaborMode::Calculated : LaborMode::Flat;
}

void InvoiceOptions::setTaxMode(TaxMode mode) {
    taxAll = mode == TaxMode::MaterialAndLabor;
    taxMaterial = mode == TaxMode::MaterialOnly;
    noTax = mode == TaxMode::None;
}

void InvoiceOptions::setLaborMode(LaborMode mode) {
    laborFlat = mode == LaborMode::Flat;
    laborCalculated = mode == LaborMode::Calculated;
}

void InvoiceOptions::setRemittance(bool withSlip) {
    remittance = withSlip;
    plainPaper = !withSlip;
}

void InvoiceOptions::settleGroups() {
    settle({&taxAll, &taxMaterial, &noTax}, &noTax);
    settle({&laborFlat, &laborCalculated}, &laborFlat);
    // Record order puts plain paper before the remittance slip.
    settle({&plainPaper, &remittance}, &remittance);
}

QByteArray encodeInvoiceOptions(const InvoiceOptions& o) {
    pellar::RecordWriter writer;
    writer.truth(o.taxAll)
        .truth(o.taxMaterial)
        .truth(o.noTax)
        .truth(o.laborFlat)
        .truth(o.laborCalculated)
        .text(o.taxRate)
        .number(o.laborAddOn)
        .number(o.shippingAddOn)
        .number(o.miscAddOn)
        .text(o.hourlyRate)
        .number(o.color)
        .text(o.discountPercent)
        .text(o.discountDays)
        .number(o.discountAddOn)
        .truth(o.plainPaper)
        .truth(o.remittance);
    return writer.line();
}

InvoiceOptionsRead decodeInvoiceOptions(const QByteArray& bytes) {
    InvoiceOptionsRead read;
    read.found = true;
    InvoiceOptions& o = read.options;
    pellar::FreeFormatReader reader(bytes);
    QString checkProblem;
    // A check box holds 0, 1 or 2; any other number is as unreadable as a word.
    const auto check = [&](CheckValue fallback) {
        const CheckValue value = reader.readByte(fallback);
        if (value <= kGreyed)
            return value;
        if (checkProblem.isEmpty())
            checkProblem =
                QCoreApplication::translate("InvoiceOptions", "field %1 is not 0, 1 or 2")
                    .arg(reader.fieldsRead());
        return fallback;
    };

    o.taxAll = reader.readTruth(o.taxAll);
    o.taxMaterial = reader.readTruth(o.taxMaterial);
    o.noTax = reader.readTruth(o.noTax);
    o.laborFlat = reader.readTruth(o.laborFlat);
    o.laborCalculated = reader.readTruth(o.laborCalculated);
    o.taxRate = readStoredRate(reader.readText(o.taxRate));
    o.laborAddOn = check(o.laborAddOn);
    o.shippingAddOn = check(o.shippingAddOn);
    o.miscAddOn = check(o.miscAddOn);
    o.hourlyRate = readStoredRate(reader.readText(o.hourlyRate));
    o.color = check(o.color);
    o.discountPercent = readStoredRate(reader.readText(o.discountPercent));
    o.discountDays = reader.readText(o.discountDays);
    o.discountAddOn = check(o.discountAddOn);
    o.plainPaper = reader.readTruth(o.plainPaper);
    o.remittance = reader.readTruth(o.remittance);
    o.settleGroups();

    const QString problem = reader.ok() ? checkProblem : reader.problem();
    if (!problem.isEmpty())
        read.problem = QStringLiteral("InvoiceInfo.txt: ") + problem;
    return read;
}

InvoiceOptionsRead loadInvoiceOptions(const pellar::DataFolder& folder) {
    if (!pellar::DataFileExists(folder, kOptionsFile))
        return {};
    QString error;
    const std::optional<QByteArray> bytes = pellar::readDataFile(folder, kOptionsFile, &error);
    if (!bytes) {
        InvoiceOptionsRead read;
        read.found = true;
        read.problem = error;
        return read;
    }
    return decodeInvoiceOptions(*bytes);
}

pellar::FileResult saveInvoiceOptions(const pellar::DataFolder& folder,
                                      const InvoiceOptions& options) {
    // The file is replaced whole in one step, so a failed save leaves the old options.
    return pellar::writeDataFile(folder, kOptionsFile, encodeInvoiceOptions(options));
}

} // namespace invoicing
