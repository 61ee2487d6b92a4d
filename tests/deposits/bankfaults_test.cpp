// The deposit's two writes failing for real, and the balance rewrite killed at random
// moments: the log and the checkbook file are always whole. A checkbook file started here.
#include "common/core/backup.h"
#include "deposits/core/checkbook.h"
#include "deposits/core/depositbank.h"
#include "deposits/core/transactionlog.h"
#include "tests/deposits/slipmakerfixture.h"
#include "tests/support/datafolder.h"
#include "tests/support/faults.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace deposits;
using pellar::Currency;
using pellar::testing::ChildOutcome;
using pellar::testing::runUnderFileSizeLimit;
using pellar::testing::ScratchDataFolder;

using deposits::testing::kCheckbook;

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

// A checkbook file started here is the check-writing program's own record for a new
// account, read back by the deposit form like any other; it never replaces one that is there.
TEST(CheckbookStart, NewFileIsTheSevenFieldRecordAndIsNeverWrittenOver) {
    ScratchDataFolder folder;
    CheckbookStart start{QStringLiteral(" Hillside Hardware Operating"),
                         QStringLiteral("Green Mountain Savings Bank"),
                         *Currency::fromDecimalText(u"4218.37"), QStringLiteral("000123456789"),
                         1047};
    const std::optional<CheckbookRecord> record = newCheckbookRecord(start);
    ASSERT_TRUE(record);
    const QByteArray expected("\"Hillside Hardware Operating\",\"Green Mountain Savings Bank\","
                              "\"$4,218.37\",\"000123456789\",\" 4\",1047,1\r\n");
    ASSERT_TRUE(createCheckbook(folder, *record));
    EXPECT_EQ(folder.bytes("CheckbookInfo.txt"), expected);
    DepositBank bank(folder.data());
    ASSERT_EQ(bank.LoadBank().status, CheckbookRead::Status::Loaded);
    EXPECT_EQ(bank.balance(), *Currency::fromDecimalText(u"4218.37"));

    // There already, or only in the backup folder (restored): refused, left as it is.
    const QByteArray other("\"Other\",\"Bank\",\"$1.00\",\"1\",\" 4\",1,1\r\n");
    folder.put("CheckbookInfo.txt", other);
    EXPECT_FALSE(createCheckbook(folder, *record));
    pellar::MakeBackupFolder(folder.data());
    folder.put("Backup/CheckbookInfo.txt", other);
    QFile::remove(folder.file("CheckbookInfo.txt"));
    EXPECT_FALSE(createCheckbook(folder, *record));
    EXPECT_EQ(folder.bytes("CheckbookInfo.txt"), other);

    // Texts the file cannot hold, and check numbers outside 1..32767, are refused.
    for (const auto& [name, next] : {std::pair{u"Say \"hi\"", 5}, {u"Line\nbreak", 5},
                                     {u"\u0416 rubles", 5}, {u"Fine", 0}, {u"Fine", -3}}) {
        CheckbookStart bad = start;
        bad.accountName = QString::fromUtf16(name);
        bad.nextCheck = qint16(next);
        QString problem;
        EXPECT_FALSE(newCheckbookRecord(bad, &problem));
        EXPECT_FALSE(problem.isEmpty());
    }
}

TEST(CheckbookStart, AFullDiskLeavesNoCheckbookFile) {
    ScratchDataFolder folder;
    const std::optional<CheckbookRecord> record = newCheckbookRecord(
        {QStringLiteral("Checking"), QStringLiteral("Bank"), Currency(), QStringLiteral("1"), 1});
    ASSERT_TRUE(record);
    EXPECT_EQ(runUnderFileSizeLimit(20, [&] { return bool(createCheckbook(folder, *record)); }),
              ChildOutcome::ReportedFailure);
    EXPECT_FALSE(folder.exists("CheckbookInfo.txt"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}
