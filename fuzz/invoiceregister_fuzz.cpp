// What Billwright keeps of its invoices: the register "/Invoices.txt" and the customer book
// "/Customers.txt". The first byte picks which file the rest is.
//
// Properties:
//  - Register: every line is a record or counted as damaged; each record written again reads
//    back the same; marking the first record paid keeps every other line byte for byte and
//    the damaged count unchanged.
//  - Customer book: every line is a customer or counted as damaged; a book read whole
//    written again reads back the same customers.
#include "fuzz/fuzzsupport.h"
#include "invoicing/core/customerbook.h"
#include "invoicing/core/invoiceregister.h"

using namespace invoicing;

namespace {

void registerRoundTrip(const QByteArray& file) {
    const pellar::DataFolder& folder = pellar::fuzz::scratchFolder();
    pellar::fuzz::putDataFile(kRegisterFile, file);
    const InvoiceRegister first = readRegister(folder);
    PELLAR_FUZZ_CHECK(first.problem.isEmpty());
    for (const RegisterEntry& e : first.entries) {
        const InvoiceRegister again = parseRegister(registerLine(e));
        PELLAR_FUZZ_CHECK(again.damaged == 0 && again.entries.size() == 1);
    }
    if (first.entries.isEmpty())
        return;
    const QDate paid(2026, 12, 6);
    PELLAR_FUZZ_CHECK(setPaid(folder, first.entries[0], paid).ok);
    const InvoiceRegister second = readRegister(folder);
    PELLAR_FUZZ_CHECK(second.damaged == first.damaged);
    PELLAR_FUZZ_CHECK(second.entries.size() == first.entries.size());
    PELLAR_FUZZ_CHECK(second.entries[0].paid == paid);
}

void bookRoundTrip(const QByteArray& file) {
    const pellar::DataFolder& folder = pellar::fuzz::scratchFolder();
    pellar::fuzz::putDataFile(kCustomerBookFile, file);
    const CustomerBook first = readCustomerBook(folder);
    PELLAR_FUZZ_CHECK(first.problem.isEmpty());
    const CustomerBook second = parseCustomerBook(customerBookBytes(first.customers));
    PELLAR_FUZZ_CHECK(second.damaged == 0 && second.customers.size() == first.customers.size());
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
    if (data[0] % 2 == 0)
        registerRoundTrip(file);
    else
        bookRoundTrip(file);
    return 0;
}
