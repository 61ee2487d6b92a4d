// The deposit's bank data: the checkbook data file and the transactions log, what the
// deposit form does when the checkbook data is missing or damaged, and a checkbook file
// started here. Then the two writes failing for real, and the balance rewrite killed at
// random moments: the log and the checkbook file are always whole.
#include "common/core/backup.h"
#include "common/core/fixedrecords.h"
#include "common/core/regional.h"
#include "deposits/core/checkbook.h"
#include "deposits/core/depositbank.h"
#include "deposits/core/slipmakerinfo.h"
#include "deposits/core/transactionlog.h"
#include "deposits/ui/depositprinting.h"
#include "deposits/ui/frmdeposit.h"
#include "deposits/ui/slipmaker.h"
#include "tests/deposits/slipmakerfixture.h"
#include "tests/support/datafolder.h"
#include "tests/support/faults.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace pellar;
using namespace deposits;
using pellar::testing::ChildOutcome;
using pellar::testing::runUnderFileSizeLimit;
using pellar::testing::ScratchDataFolder;

namespace {

// Field 1 holds a byte above 127 and the count something other than " 4", so the rewrite
// shows what is carried through and what is replaced.
const QByteArray kCheckbook("\"Caf\xE9 Checking\",\"First Bank, Main St\",\"$1,000.00\","
                            "\"0042-17\",\"x\",7,-3\r\n");

QByteArray checkbookWithBalance(const char* balance) {
    return QByteArray("\"Caf\xE9 Checking\",\"First Bank, Main St\",\"") + balance +
           "\",\"0042-17\",\" 4\",7,-3\r\n";
}

// The record as the check-writing program writes it, for the writes that fail.
const QByteArray& kPlainCheckbook = deposits::testing::kCheckbook;

// An amount as the checkbook file and the forms show it ("$1,250.50").
Currency shownAmount(const char* text) {
    return *currencyValue(QString::fromLatin1(text));
}

class SlipmakerBankData : public deposits::testing::SlipmakerTest {
protected:
    SlipmakerBankData() { MakeBackupFolder(folder); }

    // The file put in place and read, as each showing of the deposit form reads it.
    void load(const QByteArray& checkbook) {
        folder.put("CheckbookInfo.txt", checkbook);
        ASSERT_EQ(bank.LoadBank().status, CheckbookRead::Status::Loaded);
    }
    // One confirmed deposit as the workflow records it: the log first, then the balance.
    void deposit(const char* amount, QDate date = QDate(2026, 12, 6)) {
        ASSERT_TRUE(bank.WriteTransaction(QStringLiteral("Deposit"), shownAmount(amount), date));
        ASSERT_TRUE(bank.SaveBank(shownAmount(amount)));
    }

    DepositBank bank{app.folder.data()};
};

} // namespace

TEST_F(SlipmakerBankData, DepositAddsToTheBalanceAndCarriesTheOtherFieldsThrough) {
    load(kCheckbook);
    EXPECT_EQ(bank.record().balance, "$1,000.00");
    deposit("$250.50");
    EXPECT_EQ(folder.bytes("CheckbookInfo.txt"), checkbookWithBalance("$1,250.50"));

    // Negative balances (the regional negative form) and large ones.
    const struct {
        const char* before;
        const char* deposit;
        const char* after;
    } cases[] = {{"($100.00)", "$250.50", "$150.50"},
                 {"$1,234,567.89", "$0.11", "$1,234,568.00"},
                 {"$0.00", "$0.01", "$0.01"},
                 {"$20.00", "($45.00)", "($25.00)"}};
    for (const auto& c : cases) {
        load(checkbookWithBalance(c.before));
        deposit(c.deposit);
        EXPECT_EQ(folder.bytes("CheckbookInfo.txt"), checkbookWithBalance(c.after)) << c.before;
    }

    // Each deposit adds to what is on disk: meanwhile the check-writing program wrote a
    // check, and two saves without a reload each add to the balance last written.
    load(checkbookWithBalance("$950.50"));
    deposit("$100.00");
    deposit("$1.25");
    EXPECT_EQ(folder.bytes("CheckbookInfo.txt"), checkbookWithBalance("$1,051.75"));
}

TEST_F(SlipmakerBankData, LogRecordsOfTheFirstAndSecondDeposit) {
    load(kCheckbook);
    deposit("$1,234.50");
    const QByteArray first = "12/6/2026 "
                             "Deposit                            "
                             "1234.5         ";
    ASSERT_EQ(first.size(), 60);
    EXPECT_EQ(folder.bytes("Transactions.txt"), first);

    // The amount is exact, not rounded to seven digits; a second record follows the first.
    deposit("$123,456.78", QDate(2027, 1, 15));
    const QByteArray second = "1/15/2027 "
                              "Deposit                            "
                              "123456.78      ";
    EXPECT_EQ(folder.bytes("Transactions.txt"), first + second);

    // Widths hold: a long description is cut, whole amounts carry no decimals.
    EXPECT_EQ(transactionRecord(QDate(2026, 12, 25), QString(40, u'D'), *Currency::fromWhole(5)),
              QByteArray("12/25/2026") + QByteArray(35, 'D') + "5              ");
}

TEST_F(SlipmakerBankData, AFullLogRefusesTheNextDepositBeforeItIsPrinted) {
    const QByteArray almostFull(qsizetype(kMaxRecords - 1) * kTransactionLength, 'L');
    folder.put("Transactions.txt", almostFull);
    load(kCheckbook);

    // The 32,767th record still fits.
    EXPECT_TRUE(bank.refusal(shownAmount("10")).isEmpty());
    deposit("$10.00");
    const QByteArray full = folder.bytes("Transactions.txt");
    ASSERT_EQ(full.size(), qsizetype(kMaxRecords) * kTransactionLength);
    EXPECT_EQ(full.left(almostFull.size()), almostFull);

    // Then the deposit is refused up front, and nothing is written even if asked to.
    EXPECT_TRUE(bank.refusal(shownAmount("1")).contains(QStringLiteral("32,767")));
    EXPECT_FALSE(
        bank.WriteTransaction(QStringLiteral("Deposit"), shownAmount("1"), QDate(2026, 12, 7)));
    EXPECT_EQ(folder.bytes("Transactions.txt").size(), full.size());
}

TEST_F(SlipmakerBankData, ADamagedCheckbookFileIsNeverRewritten) {
    const QByteArray damaged[] = {
        "\"Checking\",\"Bank\",\"$1,000.00\",\"0042\",\"x\",7\r\n", // six fields
        "\"Checking\",\"Bank\",\"lots\",\"0042\",\"x\",7,-3\r\n",   // no amount
        "\"Checking\",\"Bank\",\"\",\"0042\",\"x\",7,-3\r\n",       // empty balance
        "\"Checking\",\"Bank\",\"$1,000.00\",\"0042\",\"x\",seven,3\r\n",
        "",
    };
    for (const QByteArray& bytes : damaged) {
        load(kCheckbook); // trusted before: the damaged file must undo that
        folder.put("CheckbookInfo.txt", bytes);
        const CheckbookRead read = bank.LoadBank();
        EXPECT_EQ(read.status, CheckbookRead::Status::Damaged) << bytes.constData();
        EXPECT_TRUE(read.problem.contains(QStringLiteral("CheckbookInfo.txt")));
        EXPECT_FALSE(bank.trusted());

        // Nothing can be recorded against it, and the file stays as it was.
        EXPECT_FALSE(bank.refusal(shownAmount("5")).isEmpty());
        EXPECT_FALSE(
            bank.WriteTransaction(QStringLiteral("Deposit"), shownAmount("5"), QDate(2026, 12, 6)));
        EXPECT_FALSE(bank.SaveBank(shownAmount("5")));
        EXPECT_EQ(folder.bytes("CheckbookInfo.txt"), bytes);
    }
    EXPECT_FALSE(folder.exists("Transactions.txt"));

    // Nor does a deposit that would take the balance past the largest amount: it used to
    // wrap round and store a large negative balance.
    const QByteArray full = checkbookWithBalance("$922,337,203,685,477.58");
    load(full);
    EXPECT_TRUE(bank.refusal(shownAmount("5")).contains(QStringLiteral("$922,337,203,685,477.58")));
    const FileResult refused = bank.SaveBank(shownAmount("5"));
    EXPECT_FALSE(refused);
    EXPECT_TRUE(refused.error.contains(QStringLiteral("$922,337,203,685,477.58")));
    EXPECT_EQ(folder.bytes("CheckbookInfo.txt"), full);
}

TEST_F(SlipmakerBankData, TheDepositFormWithAMissingOrRestoredCheckbookFile) {
    frmDeposit form(app.context);

    // Missing from the folder but in the backup folder: restored with a word, and the form opens.
    folder.put("Backup/CheckbookInfo.txt", kCheckbook);
    desk.expectMessage(QStringLiteral("Slipmaker"));
    EXPECT_TRUE(form.activate());
    EXPECT_TRUE(folder.exists("CheckbookInfo.txt"));
    EXPECT_EQ(form.bank().record().balance, "$1,000.00");

    // Missing with no copy: told, and the program ends, backing up the log.
    QFile::remove(folder.file("CheckbookInfo.txt"));
    QFile::remove(folder.file("Backup/CheckbookInfo.txt"));
    folder.put("Transactions.txt", QByteArray(60, 'T'));
    desk.expectMessage(QStringLiteral("Slipmaker"));
    EXPECT_FALSE(form.activate());
    EXPECT_EQ(app.ended, 1);
    EXPECT_EQ(folder.bytes("Backup/Transactions.txt"), QByteArray(60, 'T'));
}

TEST_F(SlipmakerBankData, ACheckWrittenByAnotherProgramMeanwhileStaysInTheBalance) {
    load(kCheckbook); // $1,000.00 when the deposit form was shown
    // The check-writing program, another process, writes a $500.00 check and its own
    // fields 6 and 7 before the deposit is confirmed.
    const QByteArray afterCheck("\"Caf\xE9 Checking\",\"First Bank, Main St\",\"$500.00\","
                                "\"0042-17\",\" 4\",8,-2\r\n");
    const pid_t writer = ::fork();
    if (writer == 0)
        ::_exit(writeDataFile(folder.data(), u"\\CheckbookInfo.txt", afterCheck) ? 0 : 1);
    int status = 0;
    ASSERT_EQ(::waitpid(writer, &status, 0), writer);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    DepositDraft draft;
    draft.reset(QDate(2026, 12, 6));
    draft.setCurrency(shownAmount("$100.00"));
    draft.announceChecks(0);
    draft.continueToCashBack(0);
    draft.depositAll();
    ASSERT_EQ(draft.net(), shownAmount("$100.00"));

    // Told first; Cancel writes nothing at all.
    desk.expectMessage(programTitle(), MessageAnswer::Cancel);
    EXPECT_FALSE(recordDeposit(desk, bank, draft));
    EXPECT_EQ(folder.bytes("CheckbookInfo.txt"), afterCheck);
    EXPECT_FALSE(QFileInfo::exists(folder.data().filePath(u"/Transactions.txt")));
    ASSERT_EQ(desk.messages().size(), 1);
    EXPECT_TRUE(desk.messages()[0].text().contains("it was $1,000.00 and is now $500.00"));
    EXPECT_TRUE(desk.messages()[0].text().contains("making $600.00"));

    // OK: the deposit goes onto the balance in the file, with the other program's fields.
    desk.expectMessage(programTitle(), MessageAnswer::Ok);
    EXPECT_TRUE(recordDeposit(desk, bank, draft));
    EXPECT_EQ(folder.bytes("CheckbookInfo.txt"),
              QByteArray(afterCheck).replace("$500.00", "$600.00"));
}

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
    folder.put("CheckbookInfo.txt", kPlainCheckbook);
    EXPECT_EQ(runUnderFileSizeLimit(log.size() + 30,
                                    [&] {
                                        return bool(appendTransaction(
                                            folder, QDate(2026, 12, 6), QStringLiteral("Deposit"),
                                            *Currency::fromDecimalText(u"250.5")));
                                    }),
              ChildOutcome::ReportedFailure);
    EXPECT_EQ(folder.bytes("Transactions.txt"), log);

    const CheckbookRecord record = decodeCheckbook(kPlainCheckbook).record;
    EXPECT_EQ(runUnderFileSizeLimit(
                  20,
                  [&] {
                      return bool(writeCheckbook(
                          folder, *withDepositAdded(record, *Currency::fromDecimalText(u"250.5"))));
                  }),
              ChildOutcome::ReportedFailure);
    EXPECT_EQ(folder.bytes("CheckbookInfo.txt"), kPlainCheckbook);
}

TEST(BankFaults, BalanceRewriteKilledAtAnyMomentLeavesAWholeRecord) {
    ScratchDataFolder folder;
    folder.put("CheckbookInfo.txt", kPlainCheckbook);
    const CheckbookRecord before = decodeCheckbook(kPlainCheckbook).record;
    const CheckbookRecord after = *withDepositAdded(before, *Currency::fromDecimalText(u"250.5"));
    const QByteArray newer = encodeCheckbook(after);
    pellar::testing::killDuringRewrites(
        folder.file("CheckbookInfo.txt"),
        [&](int round) { writeCheckbook(folder, round % 2 ? before : after); },
        [&](const QByteArray& bytes) {
            EXPECT_TRUE(bytes == kPlainCheckbook || bytes == newer) << bytes.toStdString();
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
