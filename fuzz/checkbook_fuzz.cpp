// The check-writing program's checkbook file "\CheckbookInfo.txt". The first eight bytes
// pick a deposit; the rest is the file.
//
// Properties:
//  - A record is either loaded, with no problem, or damaged, with plain words saying why.
//  - A loaded record written and read again loads as the same record (text fields with
//    each '"' turned into '\'') with the same balance.
//  - Adding a deposit stores a balance that reads back as the exact sum rounded to cents,
//    with the count " 4" and the carried fields as they were; a sum the money type cannot hold
//    is refused rather than stored wrapped round.
#include "common/core/regional.h"
#include "deposits/core/checkbook.h"
#include "fuzz/fuzzsupport.h"

#include <fuzzer/FuzzedDataProvider.h>
#include <limits>

using namespace deposits;

namespace {

CheckbookRecord quotesReplaced(CheckbookRecord r) {
    for (QString* text :
         {&r.carried.text1, &r.carried.text2, &r.balance, &r.carried.text4, &r.count})
        *text = pellar::fuzz::quotesReplaced(*text);
    return r;
}

void depositAdded(const CheckbookRead& read, pellar::Currency deposit) {
    const std::optional<CheckbookRecord> updated = withDepositAdded(read.record, deposit);
    __extension__ typedef __int128 Wide;
    const Wide sum = Wide(read.balance.units()) + deposit.units();
    if (sum > std::numeric_limits<qint64>::max() || sum < std::numeric_limits<qint64>::min()) {
        PELLAR_FUZZ_CHECK(!updated);
        return;
    }
    PELLAR_FUZZ_CHECK(updated.has_value());
    const pellar::Currency exact = pellar::Currency::fromUnits(qint64(sum));
    PELLAR_FUZZ_CHECK(pellar::currencyValue(updated->balance) ==
                      pellar::Currency::fromUnits(exact.cents() * 100));
    PELLAR_FUZZ_CHECK(updated->count == QString::fromUtf16(kCheckbookCount));
    PELLAR_FUZZ_CHECK(updated->carried == read.record.carried);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    pellar::fuzz::pinUnitedStates();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const pellar::Currency deposit = pellar::Currency::fromUnits(input.ConsumeIntegral<qint64>());
    const std::vector<uint8_t> rest = input.ConsumeRemainingBytes<uint8_t>();
    const CheckbookRead read = decodeCheckbook(
        QByteArray(reinterpret_cast<const char*>(rest.data()), qsizetype(rest.size())));
    if (read.status != CheckbookRead::Status::Loaded) {
        PELLAR_FUZZ_CHECK(read.status == CheckbookRead::Status::Damaged && !read.problem.isEmpty());
        return 0;
    }
    PELLAR_FUZZ_CHECK(read.problem.isEmpty());
    const CheckbookRead again = decodeCheckbook(encodeCheckbook(read.record));
    PELLAR_FUZZ_CHECK(again.status == CheckbookRead::Status::Loaded);
    PELLAR_FUZZ_CHECK(again.record == quotesReplaced(read.record));
    PELLAR_FUZZ_CHECK(again.balance == read.balance);
    depositAdded(read, deposit);
    return 0;
}
