#include "invoicing/core/invoicefiles.h"

#include "common/core/ansi.h"
#include "common/core/backup.h"
#include "common/core/datafiles.h"
#include "common/core/records.h"

#include <algorithm>

namespace invoicing {

// ---- Catalogue ---------------------------------------------------------------------------

bool catalogueLess(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

qsizetype catalogueInsertPosition(const QStringList& sorted, const QString& entry) {
    const auto at = std::upper_bound(sorted.begin(), sorted.end(), entry, catalogueLess);
    return at - sorted.begin();
}

CatalogueRead loadItems(const pellar::DataFolder& folder) {
    CatalogueRead read;
    if (!pellar::DataFileExists(folder, kCatalogueFile))
        return read;
    const std::optional<QByteArray> bytes =
        pellar::readDataFile(folder, kCatalogueFile, &read.problem);
    if (!bytes)
        return read;
    for (const QString& line : pellar::splitLines(*bytes)) {
        const QString entry = line.trimmed();
        if (!entry.isEmpty())
            read.items.append(entry);
    }
    std::stable_sort(read.items.begin(), read.items.end(), catalogueLess);
    return read;
}

pellar::FileResult writeItems(const pellar::DataFolder& folder, const QStringList& items) {
    QByteArray bytes;
    for (QString entry : items) {
        entry.replace(u'\r', u' ').replace(u'\n', u' ');
        bytes.append(pellar::toAnsi(entry)).append("\r\n");
    }
    return pellar::writeDataFile(folder, kCatalogueFile, bytes);
}

// ---- Invoice counter ---------------------------------------------------------------------

qint32 yearCounter(int year, int sequence) {
    return qint32(year) * 10000 + sequence;
}

InvoiceCounterLoad loadInvoiceNumber(const pellar::DataFolder& folder, QDate today) {
    InvoiceCounterLoad load;
    const int year = today.year();
    if (!pellar::DataFileExists(folder, kCounterFile)) {
        load.counter = yearCounter(year, 1);
    } else {
        const std::optional<QByteArray> bytes =
            pellar::readDataFile(folder, kCounterFile, &load.problem);
        if (!bytes) {
            // Writing a fresh number over a counter we could not read would lose it.
            load.counter = yearCounter(year, 0);
            load.saved = pellar::FileResult::failure(load.problem);
            return load;
        }
        pellar::FreeFormatReader reader(*bytes);
        load.counter = reader.readInt32(0);
        if (load.counter == 0)
            load.counter = yearCounter(year, 0);
    }
    load.saved = saveInvoiceCounter(folder, load.counter);
    return load;
}

pellar::FileResult saveInvoiceCounter(const pellar::DataFolder& folder, qint32 counter) {
    pellar::RecordWriter writer;
    writer.number(counter);
    return pellar::writeDataFileDroppingBackup(folder, kCounterFile, writer.line());
}

// ---- Memo --------------------------------------------------------------------------------

MemoRead readInvoiceMemo(const pellar::DataFolder& folder) {
    MemoRead read;
    if (!pellar::DataFileExists(folder, kMemoFile))
        return read;
    read.found = true;
    if (const std::optional<QByteArray> bytes =
            pellar::readDataFile(folder, kMemoFile, &read.problem))
        read.lines = pellar::splitLines(*bytes);
    return read;
}

pellar::FileResult saveInvoiceMemo(const pellar::DataFolder& folder, const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += pellar::toAnsi(line) + "\r\n";
    return pellar::writeDataFile(folder, kMemoFile, bytes);
}

} // namespace invoicing
