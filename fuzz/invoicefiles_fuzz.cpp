// The invoicing program's other files: the invoice counter "/BWInvoiceNo.txt", the
// sales-item catalogue "\SalesItems.txt" and the memo "/InvoiceMemo.txt". The first byte
// picks which file the rest is.
//
// Properties:
//  - Counter: the load saves at once what it read (year + "0000" for no number or zero),
//    the file then holds exactly that number, and a second load gives it back unchanged.
//  - Catalogue: entries are never empty, have no blanks at their ends and no line end, and
//    stand in the list's order; written and read again they are the same list.
//  - Memo: lines hold no line end and, written with CR LF and read again, are the same.
#include "common/core/ansi.h"
#include "common/core/records.h"
#include "fuzz/fuzzsupport.h"
#include "invoicing/core/invoicefiles.h"

using namespace invoicing;

namespace {

const QDate kToday(2026, 12, 6);

void counterRoundTrip(const QByteArray& file) {
    const pellar::DataFolder& folder = pellar::fuzz::scratchFolder();
    pellar::fuzz::putDataFile(kCounterFile, file);
    const InvoiceCounterLoad first = loadInvoiceNumber(folder, kToday);
    PELLAR_FUZZ_CHECK(first.problem.isEmpty() && first.saved.ok);
    PELLAR_FUZZ_CHECK(first.counter != 0);
    PELLAR_FUZZ_CHECK(pellar::fuzz::dataFileBytes(kCounterFile) ==
                      pellar::RecordWriter().number(first.counter).line());
    const InvoiceCounterLoad second = loadInvoiceNumber(folder, kToday);
    PELLAR_FUZZ_CHECK(second.problem.isEmpty() && second.saved.ok);
    PELLAR_FUZZ_CHECK(second.counter == first.counter);
}

void catalogueRoundTrip(const QByteArray& file) {
    const pellar::DataFolder& folder = pellar::fuzz::scratchFolder();
    pellar::fuzz::putDataFile(kCatalogueFile, file);
    const CatalogueRead first = loadItems(folder);
    PELLAR_FUZZ_CHECK(first.problem.isEmpty());
    for (qsizetype i = 0; i < first.items.size(); ++i) {
        const QString& item = first.items[i];
        PELLAR_FUZZ_CHECK(!item.isEmpty() && item == item.trimmed());
        PELLAR_FUZZ_CHECK(!item.contains(u'\r') && !item.contains(u'\n'));
        if (i > 0)
            PELLAR_FUZZ_CHECK(!catalogueLess(item, first.items[i - 1]));
    }
    PELLAR_FUZZ_CHECK(writeItems(folder, first.items).ok);
    const CatalogueRead second = loadItems(folder);
    PELLAR_FUZZ_CHECK(second.problem.isEmpty() && second.items == first.items);
}

void memoRoundTrip(const QByteArray& file) {
    const pellar::DataFolder& folder = pellar::fuzz::scratchFolder();
    pellar::fuzz::putDataFile(kMemoFile, file);
    const MemoRead first = readInvoiceMemo(folder);
    PELLAR_FUZZ_CHECK(first.found && first.problem.isEmpty());
    QByteArray written;
    for (const QString& line : first.lines) {
        PELLAR_FUZZ_CHECK(!line.contains(u'\r') && !line.contains(u'\n'));
        written += pellar::toAnsi(line) + "\r\n";
    }
    pellar::fuzz::putDataFile(kMemoFile, written);
    const MemoRead second = readInvoiceMemo(folder);
    PELLAR_FUZZ_CHECK(second.lines == first.lines);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    pellar::fuzz::pinUnitedStates();
    pellar::fuzz::scratchFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const QByteArray file(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    switch (data[0] % 3) {
    case 0:
        counterRoundTrip(file);
        break;
    case 1:
        catalogueRoundTrip(file);
        break;
    default:
        memoRoundTrip(file);
        break;
    }
    return 0;
}
