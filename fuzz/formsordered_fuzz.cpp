// The forms-order note "/FormsOrdered.txt".
//
// Property: the note read (what a short or damaged note holds), written and read again is
// the same note with each '"' turned into '\''.
#include "deposits/core/formsordered.h"
#include "fuzz/fuzzsupport.h"

using namespace deposits;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    pellar::fuzz::pinUnitedStates();
    pellar::fuzz::scratchFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const pellar::DataFolder& folder = pellar::fuzz::scratchFolder();
    pellar::fuzz::putDataFile(kFormsOrderedFile,
                              QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const std::optional<FormsOrder> first = readFormsOrder(folder);
    PELLAR_FUZZ_CHECK(first.has_value());
    PELLAR_FUZZ_CHECK(writeFormsOrder(folder, *first).ok);
    const std::optional<FormsOrder> second = readFormsOrder(folder);
    PELLAR_FUZZ_CHECK(second.has_value());
    PELLAR_FUZZ_CHECK(second->representative ==
                      pellar::fuzz::quotesReplaced(first->representative));
    PELLAR_FUZZ_CHECK(second->orderNumber == pellar::fuzz::quotesReplaced(first->orderNumber));
    return 0;
}
