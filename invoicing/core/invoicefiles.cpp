#include "invoicing/core/invoicefiles.h"

#include "common/core/ansi.h"
#include "common/core/backup.h"
#include "common/core/datafiles.h"
#include "common/core/folderlock.h"
#include "common/core/printalignment.h"
#include "common/core/profile.h"
#include "common/core/records.h"
#include "common/core/settings.h"
#include "invoicing/core/customerbook.h"
#include "invoicing/core/invoiceoptions.h"
#include "invoicing/core/invoiceregister.h"

#include <QCoreApplication>
#include <algorithm>
#include <limits>
#include <optional>

namespace invoicing {

QStringList writtenFiles() {
    QStringList names;
    for (const char16_t* name :
         {pellar::kBusinessFile, kCatalogueFile, kOptionsFile, kMemoFile,
          pellar::kPrintAlignmentFile, pellar::kSettingsFile, kCustomerBookFile, kRegisterFile})
        names << pellar::baseName(QStringView(name));
    return names;
}

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
    // The read and the save that follows it under one lock, so another copy's count cannot
    // fall between them (without the lock the save refuses).
    const pellar::FolderLock lock(folder);
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

namespace {

// The counter as the file holds it now: 0 for no file or no number, nullopt when the file
// exists but cannot be read.
std::optional<qint32> counterInFile(const pellar::DataFolder& folder, QString* problem) {
    if (!pellar::DataFileExists(folder, kCounterFile))
        return 0;
    const std::optional<QByteArray> bytes = pellar::readDataFile(folder, kCounterFile, problem);
    if (!bytes)
        return std::nullopt;
    return pellar::FreeFormatReader(*bytes).readInt32(0);
}

} // namespace

InvoiceNumberTaken takeInvoiceNumber(const pellar::DataFolder& folder, qint32 shown) {
    InvoiceNumberTaken taken;
    const pellar::FolderLock lock(folder);
    if (!lock) {
        taken.saved = lock.refusal();
        return taken;
    }
    QString problem;
    const std::optional<qint32> inFile = counterInFile(folder, &problem);
    if (!inFile) {
        taken.saved = pellar::FileResult::failure(problem);
        return taken;
    }
    taken.counter = std::max(*inFile, shown);
    if (taken.counter == std::numeric_limits<qint32>::max()) {
        taken.saved = pellar::FileResult::failure(
            QCoreApplication::translate("InvoiceFiles",
                                        "Invoice number %1 is the largest the invoice "
                                        "counter can hold, so it cannot count this "
                                        "invoice.")
                .arg(taken.counter));
        return taken;
    }
    pellar::pausePoint("invoicenumber");
    taken.saved = saveInvoiceCounter(folder, taken.counter + 1);
    return taken;
}

pellar::FileResult giveBackInvoiceNumber(const pellar::DataFolder& folder, qint32 taken) {
    return pellar::underFolderLock(folder, [&] {
        QString problem;
        const std::optional<qint32> inFile = counterInFile(folder, &problem);
        if (!inFile)
            return pellar::FileResult::failure(problem);
        if (*inFile != taken + 1)
            return pellar::FileResult::success();
        return saveInvoiceCounter(folder, taken);
    });
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
