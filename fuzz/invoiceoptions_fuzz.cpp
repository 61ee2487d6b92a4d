// The invoice options record "\InvoiceInfo.txt".
//
// Properties, for any bytes:
//  - Each of the three option groups holds exactly one true field, and every check-box
//    value is 0, 1 or 2.
//  - The options written and read again are the same options, the text fields with each
//    '"' turned into '\'', now without a problem; writing those gives the same bytes.
#include "fuzz/fuzzsupport.h"
#include "invoicing/core/invoiceoptions.h"

using namespace invoicing;

namespace {

int trueCount(std::initializer_list<bool> group) {
    int count = 0;
    for (bool b : group)
        count += b ? 1 : 0;
    return count;
}

InvoiceOptions quotesReplaced(InvoiceOptions o) {
    for (QString* text : {&o.taxRate, &o.hourlyRate, &o.discountPercent, &o.discountDays})
        *text = pellar::fuzz::quotesReplaced(*text);
    return o;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    pellar::fuzz::pinUnitedStates();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const InvoiceOptionsRead first =
        decodeInvoiceOptions(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const InvoiceOptions& o = first.options;
    PELLAR_FUZZ_CHECK(first.found);
    PELLAR_FUZZ_CHECK(trueCount({o.taxAll, o.taxMaterial, o.noTax}) == 1);
    PELLAR_FUZZ_CHECK(trueCount({o.laborFlat, o.laborCalculated}) == 1);
    PELLAR_FUZZ_CHECK(trueCount({o.plainPaper, o.remittance}) == 1);
    for (CheckValue check : {o.laborAddOn, o.shippingAddOn, o.miscAddOn, o.color, o.discountAddOn})
        PELLAR_FUZZ_CHECK(check <= kGreyed);

    const QByteArray written = encodeInvoiceOptions(o);
    const InvoiceOptionsRead second = decodeInvoiceOptions(written);
    PELLAR_FUZZ_CHECK(second.problem.isEmpty());
    PELLAR_FUZZ_CHECK(second.options == quotesReplaced(o));
    PELLAR_FUZZ_CHECK(encodeInvoiceOptions(second.options) == written);
    return 0;
}
