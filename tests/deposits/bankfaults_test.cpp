// The deposit's two writes failing for real, and the balance rewrite killed at random
// moments: the log and the checkbook file are always whole.
#include "deposits/core/checkbook.h"
#include "deposits/core/transactionlog.h"
#include "tests/support/datafolder.h"
#include "tests/support/faults.h"

#include <gtest/gtest.h>

using namespace deposits;
using pellar::Currency;
using pellar::testing::ChildOutcome;
using pellar::testing::runUnderFileSizeLimit;
using pellar::testing::ScratchDataFolder;

namespace {

const QByteArray kCheckbook("\"Checking\",\"Bank\",\"$1,000.00\",\"0042\",\" 4\",1,2\r\n");

} // namespace

TEST(CheckbookRecord, CarriedNumbersAreSixteenBit) {
    const auto withNumbers = [](const char* six, const char* seven) {
        return QByteArray("\"Checking\",\"Bank\",\"$1.00\",\"0042\",\" 4\",") + six + ',' + seven +
               "\r\n";
    };
    const CheckbookRead edges = decodeCheckbook(withNumbers("32767", "-32768"));
    ASSERT_EQ(edges.status, CheckbookRead::Status::Loaded);
    EXPECT_EQ(edges.record.carried.number6, 32767);
    EXPECT_EQ(edges.record.carried.number7, -32768);
    EXPECT_EQ(encodeCheckbook(edges.record), withNumbers("32767", "-32768"));
    for (const auto& [six, seven] : {std::pair{"32768", "0"}, {"0", "-32769"}})
        EXPECT_EQ(decodeCheckbook(withNumbers(six, seven)).status, CheckbookRead::Status::Damaged)
            << six << ' ' << seven;
}

TEST(BankFaults, AFullDiskChangesNeitherTheLogNorTheBalance) {
    ScratchDataFolder folder;
    const QByteArray log = QByteArray(3 * kTransactionLength, 'T');
    folder.put("Transactions.txt", log);
    folder.put("CheckbookInfo.txt", kCheckbook);
    EXPECT_EQ(runUnderFileSizeLimit(log.size() + 30,
                                    [&] {
                                        return bool(appendTransaction(
                                            folder, QDate(2026, 12, 6), QStringLiteral("Deposit"),
                                            *Currency::fromDecimalText(u"250.5")));
                                    }),
              ChildOutcome::ReportedFailure);
    EXPECT_EQ(folder.bytes("Transactions.txt"), log);

    const CheckbookRecord record = decodeCheckbook(kCheckbook).record;
    EXPECT_EQ(runUnderFileSizeLimit(
                  20,
                  [&] {
                      return bool(writeCheckbook(
                          folder, *withDepositAdded(record, *Currency::fromDecimalText(u"250.5"))));
                  }),
              ChildOutcome::ReportedFailure);
    EXPECT_EQ(folder.bytes("CheckbookInfo.txt"), kCheckbook);
}

TEST(BankFaults, BalanceRewriteKilledAtAnyMomentLeavesAWholeRecord) {
    ScratchDataFolder folder;
    folder.put("CheckbookInfo.txt", kCheckbook);
    const CheckbookRecord before = decodeCheckbook(kCheckbook).record;
    const CheckbookRecord after = *withDepositAdded(before, *Currency::fromDecimalText(u"250.5"));
    const QByteArray newer = encodeCheckbook(after);
    pellar::testing::killDuringRewrites(
        folder.file("CheckbookInfo.txt"),
        [&](int round) { writeCheckbook(folder, round % 2 ? before : after); },
        [&](const QByteArray& bytes) {
            EXPECT_TRUE(bytes == kCheckbook || bytes == newer) << bytes.toStdString();
            EXPECT_EQ(readCheckbook(folder).status, CheckbookRead::Status::Loaded);
        },
        pellar::testing::killCount(), 3000);
}
