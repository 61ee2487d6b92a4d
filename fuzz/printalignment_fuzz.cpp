// The print offsets "\PrintAlignment.txt": one line per document, its name and two offsets.
//
// Property: whatever the bytes, a file read without a problem writes back and reads again
// as the same offsets, each within the largest offset either way; a file with a problem
// gives zero offsets for every document.
#include "common/core/printalignment.h"
#include "fuzz/fuzzsupport.h"

#include <cstdlib>

using namespace pellar;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    pellar::fuzz::pinUnitedStates();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const PrintAlignmentRead read =
        decodePrintAlignment(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!read.problem.isEmpty()) {
        PELLAR_FUZZ_CHECK(read.alignment == PrintAlignment());
        return 0;
    }
    for (const PrintedDocument document :
         {PrintedDocument::Invoice, PrintedDocument::DepositSlipFront,
          PrintedDocument::DepositSlipBack, PrintedDocument::ContactReport}) {
        const AlignmentOffsets offsets = read.alignment.offsets(document);
        PELLAR_FUZZ_CHECK(std::abs(offsets.right) <= kLargestOffset &&
                          std::abs(offsets.down) <= kLargestOffset);
    }
    const PrintAlignmentRead again = decodePrintAlignment(encodePrintAlignment(read.alignment));
    PELLAR_FUZZ_CHECK(again.problem.isEmpty() && again.alignment == read.alignment);
    return 0;
}
