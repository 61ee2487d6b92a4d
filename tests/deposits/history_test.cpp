// The deposit history: the log read back in date order with totals to the cent, records that
// cannot be read kept and counted, the slips' copies found by date and amount, and nothing
// written to the log or the balance whatever the person does there.
#include "deposits/core/deposithistory.h"
#include "deposits/core/transactionlog.h"
#include "deposits/ui/frmdeposithistory.h"
#include "deposits/ui/slipmaker.h"
#include "tests/deposits/slipmakerfixture.h"

#include <QApplication>
#include <QDateEdit>
#include <QLabel>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

Q_GUI_EXPORT void qt_set_sequence_auto_mnemonic(bool on);

using namespace pellar;
using namespace deposits;

using deposits::testing::kCheckbook;
using deposits::testing::logRecord;

namespace {

// Out of order on purpose, with one date and one amount that cannot be read.
const QByteArray kLog = logRecord("12/6/2026", "100.1") + logRecord("11/30/2026", "0.05") +
                        logRecord("13/45/2026", "7") + logRecord("12/1/2026", "250.5") +
                        logRecord("12/6/2026", "100.1") + logRecord("12/2/2026", "n/a") +
                        logRecord("11/2/2026", "19.99");

} // namespace

TEST(DepositHistory, RowsByDateThenUnreadableWithTotalsToTheCent) {
    const QList<LoggedDeposit> log = decodeDepositLog(kLog);
    ASSERT_EQ(log.size(), 7);
    const DepositHistory all = depositsBetween(log, QDate(2000, 1, 1), QDate(2100, 1, 1));
    QStringList order;
    for (const LoggedDeposit& row : all.rows)
        order << QString::number(row.record);
    EXPECT_EQ(order, QStringList({"7", "2", "4", "1", "5", "3", "6"}));
    EXPECT_EQ(all.unreadable, 2);
    EXPECT_EQ(all.total, Currency::fromDecimalText(u"470.74"));
    ASSERT_EQ(all.months.size(), 2);
    EXPECT_EQ(std::tuple(all.months[0].month, all.months[0].deposits, all.months[0].total),
              std::tuple(11, 2, Currency::fromDecimalText(u"20.04")));
    EXPECT_EQ(std::tuple(all.months[1].month, all.months[1].deposits, all.months[1].total),
              std::tuple(12, 3, Currency::fromDecimalText(u"450.70")));

    // A range keeps its own days (both ends included) and still lists the unreadable ones.
    const DepositHistory december = depositsBetween(log, QDate(2026, 12, 1), QDate(2026, 12, 6));
    EXPECT_EQ(december.rows.size(), 3 + 2);
    EXPECT_EQ(december.total, Currency::fromDecimalText(u"450.7"));

    EXPECT_EQ(depositHistoryCsv(depositsBetween(log, QDate(2026, 11, 30), QDate(2026, 12, 1))),
              "Date,Description,Amount,Unreadable\r\n"
              "2026-11-30,\"Deposit\",0.05,\r\n"
              "2026-12-01,\"Deposit\",250.50,\r\n"
              "\"13/45/2026\",\"Deposit\",\"7\",yes\r\n"
              "\"12/2/2026\",\"Deposit\",\"n/a\",yes\r\n");
    const QList<LoggedDeposit> quoted = decodeDepositLog(logRecord("1/2/2026", "1", "Cash, \"petty\""));
    EXPECT_TRUE(depositHistoryCsv(depositsBetween(quoted, QDate(2026, 1, 1), QDate(2026, 1, 2)))
                    .contains("\"Cash, \"\"petty\"\"\""));
}

class HistoryForm : public deposits::testing::SlipmakerTest {
protected:
    HistoryForm() {
        qt_set_sequence_auto_mnemonic(true);
        folder.put("CheckbookInfo.txt", kCheckbook);
        folder.put("Transactions.txt", kLog);
        // The copies of the two deposits of 12/6 (the second one's name has " (2)"), and of
        // 12/1; 11/30 has none.
        folder.put("Deposits/2026/2026-12-06 100.10.pdf", "first");
        folder.put("Deposits/2026/2026-12-06 100.10 (2).pdf", "second");
        folder.put("Deposits/2026/2026-12-01 250.50.pdf", "third");
        form = std::make_unique<frmDepositHistory>(app.context);
        form->show();
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        form->activate();
    }
    template <typename Widget = QWidget> Widget* child(const char* name) const {
        return deposits::testing::child<Widget>(form.get(), QString::fromLatin1(name));
    }
    void alt(char letter) {
        QTest::keyClick(form.get(), letter, Qt::AltModifier);
        QTest::qWait(150);
    }
    void openRow(int row) {
        auto* table = child<QTableView>("grdDeposits");
        table->setFocus();
        table->selectRow(row);
        QTest::keyClick(table, Qt::Key_Return);
    }

    std::unique_ptr<frmDepositHistory> form;
};

TEST_F(HistoryForm, FilterOpenPrintAndExportFromTheKeyboardWriteNoLogOrBalance) {
    EXPECT_EQ(child<QDateEdit>("dtpFrom")->date(), QDate(2026, 11, 2));
    EXPECT_EQ(child<QDateEdit>("dtpTo")->date(), QDate(2026, 12, 6));
    EXPECT_EQ(child<QLabel>("lblRangeTotal")->text(), "5 deposits from 11/2/2026 to 12/6/2026: $470.74");
    EXPECT_TRUE(child<QLabel>("lblUnreadable")->text().startsWith(QStringLiteral("2 records")));

    // Alt+F to the first day: December only.
    alt('f');
    ASSERT_EQ(QApplication::focusWidget(), child("dtpFrom"));
    child<QDateEdit>("dtpFrom")->setDate(QDate(2026, 12, 1));
    EXPECT_EQ(form->shown().rows.size(), 3 + 2);
    EXPECT_EQ(child<QLabel>("lblRangeTotal")->text(), "3 deposits from 12/1/2026 to 12/6/2026: $450.70");

    // Each 12/6 deposit opens its own copy; one without a copy, or unreadable, is refused.
    openRow(1);
    openRow(2);
    EXPECT_EQ(desk.openedDocuments(),
              QStringList({folder.file("Deposits/2026/2026-12-06 100.10.pdf"),
                           folder.file("Deposits/2026/2026-12-06 100.10 (2).pdf")}));
    openRow(4);
    EXPECT_EQ(desk.beeps(), 1);
    alt('a');
    openRow(1); // 11/30: no copy
    EXPECT_EQ(desk.beeps(), 2);
    EXPECT_EQ(desk.openedDocuments().size(), 2);

    // The list prints through the printer dialog and shows as a preview.
    desk.expectPrinterDialog(PrinterChoice{});
    alt('p');
    alt('v');
    ASSERT_EQ(desk.jobs().size(), 1);
    EXPECT_NE(desk.jobs()[0]->findText(QStringLiteral("$450.70")), nullptr);
    EXPECT_NE(desk.jobs()[0]->findText(QStringLiteral("13/45/2026")), nullptr);
    EXPECT_EQ(desk.previews().size(), 1);

    // The shown rows to CSV.
    desk.expectSaveFile(folder.file("out.csv"));
    alt('e');
    EXPECT_TRUE(folder.bytes("out.csv").startsWith("Date,Description,Amount,Unreadable\r\n2026-11-02,"));

    EXPECT_EQ(folder.bytes("Transactions.txt"), kLog);
    EXPECT_EQ(folder.bytes("CheckbookInfo.txt"), kCheckbook);
}
