// Splitting an amount over several categories, the summary that posts the lines, and the
// finance charge of a partial payment.
#include "expenses/ui/frmexpenses.h"
#include "expenses/ui/spendlogforms.h"

#include "common/core/desk.h"
#include "common/core/regional.h"
#include "expenses/core/expensefile.h"
#include "expenses/ui/notices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

namespace expenses {

void frmExpenses::resetSplitGrid() {
    fgSplit->clearContents();
    fgSplit->setRowCount(1); // the empty row the next line goes into
    m_splitRow = 0;
}

void frmExpenses::enterSplitLine() {
    const QString typed = txtSplitAmount->text().trimmed();
    if (typed.isEmpty())
        return;
    const auto refuse = [this] {
        ShowInputError();
        txtSplitAmount->clear();
        txtSplitAmount->setFocus();
    };
    // Each line becomes a record: it needs what a single posting needs, and an amount that
    // can be stored whole.
    const std::optional<pellar::Currency> value = pellar::currencyValue(typed);
    if (!value || !fitsField(AmountField, pellar::formatCurrency(*value))) {
        refuse();
        return;
    }
    if (!ValidateEntry())
        return;
    const QString amount = pellar::formatCurrency(*value);
    const QString category = cboExpenseCategories->currentText();
    if (!ConfirmPosting(lstVendors->currentItem()->text(), category, paymentOption(), amount,
                        DTPicker1->date())) {
        txtSplitAmount->clear();
        txtSplitAmount->setFocus();
        return;
    }
    const bool limited = !ckAllowNegative->isChecked();
    std::optional<pellar::Currency> remaining;
    if (limited) {
        remaining =
            pellar::currencyValue(lblRemaining->text()).value_or(pellar::Currency{}) - *value;
        if (!remaining || remaining->isNegative()) {
            refuse();
            return;
        }
        lblRemaining->setText(pellar::formatCurrency(*remaining));
    }

    fgSplit->setItem(m_splitRow, 0, new QTableWidgetItem(category));
    auto* amountItem = new QTableWidgetItem(amount);
    amountItem->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    fgSplit->setItem(m_splitRow, 1, amountItem);
    fgSplit->setRowCount(fgSplit->rowCount() + 1);
    ++m_splitRow;
    fgSplit->scrollToBottom();

    txtSplitAmount->clear();
    txtSplitAmount->setFocus();
    if (remaining && remaining->isZero())
        completeSplit();
}

void frmExpenses::completeSplit() {
    fraSplit->show();
    placeSplitSummary();
    cmdExpense[SplitContinue]->setFocus();
}

void frmExpenses::postSplit() {
    QList<ExpenseRecord> records;
    const QListWidgetItem* payee = lstVendors->currentItem();
    const QDate date = DTPicker1->date();
    for (int row = 0; row < m_splitRow; ++row) {
        const QTableWidgetItem* category = fgSplit->item(row, 0);
        const QTableWidgetItem* amount = fgSplit->item(row, 1);
        records.append(FillExpenseRecord(
            date, amount ? amount->text() : QString(), category ? category->text() : QString(),
            payee ? payee->text() : QString(), paymentOption(), txtReference->text()));
    }
    // All lines or none: a split half on file would not add up to the payment.
    if (!ensureRoomFor(int(records.size())))
        return;
    if (const pellar::FileResult written = appendExpenseRecords(m_forms.data(), records);
        !written) {
        reportFileProblem(m_desk, written.error);
        return;
    }
    fraSplit->hide();
    // The posted lines leave the grid, so that the next split cannot post them again.
    resetSplitGrid();
    clearAmount();
    fraAssignAmount->hide();
}

void frmExpenses::postFinanceCharge() {
    const QString typed = txtFinance->text();
    const std::optional<pellar::Currency> value = pellar::currencyValue(typed);
    // Text that starts like a number but is not an amount would be stored unreadable;
    // text that does not start with a number at all means no charge.
    if (!value && pellar::leadingNumberValue(typed) > 0) {
        ShowInputError();
        txtFinance->setFocus();
        return;
    }
    const bool charge = value && *value > pellar::Currency{};
    if (charge && !ensureRoomFor(1))
        return;
    fraFinance->hide();
    if (!charge)
        return;
    const QListWidgetItem* payee = lstVendors->currentItem();
    const ExpenseRecord record =
        FillExpenseRecord(DTPicker1->date(), typed, QStringLiteral("Finance Charge"),
                          payee ? payee->text() : QString(), paymentOption(), txtReference->text());
    if (const pellar::FileResult written = WriteExpenseRecord(m_forms.data(), record); !written)
        reportFileProblem(m_desk, written.error);
}

} // namespace expenses
