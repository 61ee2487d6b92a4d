// The entry frame's behaviour: the amount box, the date, the form of payment, the charging
// modes, the entry check and the single-category posting.
#include "expenses/ui/frmexpenses.h"
#include "expenses/ui/spendlogforms.h"

#include "common/core/desk.h"
#include "common/core/fixedrecords.h"
#include "common/core/regional.h"
#include "expenses/core/expensefile.h"
#include "expenses/ui/notices.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

namespace expenses {

namespace {

const QString& notApplicable() {
    static const QString text = QStringLiteral("Not Applicable");
    return text;
}

} // namespace

int frmExpenses::chargingMode() const {
    return m_modes->checkedId();
}

int frmExpenses::paymentOption() const {
    return m_payments->checkedId();
}

bool frmExpenses::amountMissing() const {
    const QString text = txtAmount->text();
    return text.isEmpty() || text == pellar::formatCurrency({});
}

void frmExpenses::ResetEntryScreen() {
    fraFinance->hide();
    mnuReport->setEnabled(true);
    fraSplit->hide();
    cmdExpense[Enter]->setEnabled(false);
    ckAllowNegative->setChecked(false);
    lblAmount->clear();
    lblRemaining->clear();
    selectChargingMode(SingleCategory, false);
    resetSplitGrid();
    DTPicker1->setDate(m_desk.today());
    txtAmount->clear();
    txtAmount->setFocus();
}

void frmExpenses::paymentClicked(int option) {
    const bool reference = option == PayByCheck || option == PayByCreditCard;
    txtReference->setVisible(reference);
    lblReference->setVisible(reference);
    if (reference) {
        txtReference->clear();
        lblReference->setText(option == PayByCheck ? QStringLiteral("Enter Check No")
                                                   : QStringLiteral("Enter Card Co."));
    }
    fraPayto->show();
}

void frmExpenses::selectChargingMode(int mode, bool prompt) {
    // As a click would, the handling runs only when the mode was not chosen already.
    if (optExpenses[mode]->isChecked())
        return;
    optExpenses[mode]->setChecked(true);
    chargingModeClicked(mode, prompt);
}

void frmExpenses::deselectChargingModes() {
    m_modes->setExclusive(false);
    for (QRadioButton* option : optExpenses)
        option->setChecked(false);
    m_modes->setExclusive(true);
}

void frmExpenses::chargingModeClicked(int mode, bool prompt) {
    cboExpenseCategories->setEnabled(true);
    ckAllowNegative->setEnabled(true);
    if (prompt && amountMissing()) {
        m_desk.message(QStringLiteral("No Amount Entered"),
                       {QStringLiteral("Enter an Amount before Disbursing")});
        txtAmount->setFocus();
        deselectChargingModes();
        return;
    }
    switch (mode) {
    case SingleCategory:
        fraAssignAmount->hide();
        fraFinance->hide();
        break;
    case MultipleCategories:
        cmdExpense[Enter]->setEnabled(false);
        fraAssignAmount->show();
        fraFinance->hide();
        txtSplitAmount->clear();
        txtSplitAmount->setFocus();
        return;
    case PartialPayment:
        if (paymentOption() == PayByCash) {
            m_desk.message(QStringLiteral("No Record will be Created"),
                           {QStringLiteral("A cash payment with no Disbursement"),
                            QStringLiteral("Does not need to be Posted")});
            ResetEntryScreen();
            return;
        }
        ckAllowNegative->setChecked(false);
        ckAllowNegative->setEnabled(false);
        fraAssignAmount->hide();
        cboExpenseCategories->setEnabled(false);
        fraFinance->show();
        txtFinance->setText(QStringLiteral("0"));
        txtFinance->setFocus();
        break;
    default:
        return;
    }
    const bool amount = !txtAmount->text().isEmpty();
    cmdExpense[Enter]->setEnabled(amount);
    if (!amount)
        txtAmount->setFocus();
}

void frmExpenses::setAmountLabels() {
    if (ckAllowNegative->isChecked()) {
        lblAmount->setText(notApplicable());
        lblRemaining->setText(notApplicable());
        return;
    }
    const std::optional<pellar::Currency> amount = pellar::currencyValue(txtAmount->text());
    if (!amount) {
        lblAmount->clear();
        lblRemaining->clear();
        return;
    }
    // What is left is the amount less the lines already taken, so changing the amount in
    // the middle of a split does not lose count of them.
    std::optional<pellar::Currency> remaining = *amount;
    for (int row = 0; row < m_splitRow; ++row) {
        if (const QTableWidgetItem* item = fgSplit->item(row, 1))
            remaining =
                remaining - pellar::currencyValue(item->text()).value_or(pellar::Currency{});
    }
    lblAmount->setText(pellar::formatCurrency(*amount));
    // Every amount fits its field, so the difference of a few always holds.
    if (remaining)
        lblRemaining->setText(pellar::formatCurrency(*remaining));
    else
        lblRemaining->clear();
}

void frmExpenses::amountEdited() {
    if (!pellar::currencyValue(txtAmount->text()))
        return;
    switch (chargingMode()) {
    case SingleCategory:
    case PartialPayment:
        cmdExpense[Enter]->setEnabled(true);
        txtSplitAmount->clear();
        fraAssignAmount->hide();
        break;
    case MultipleCategories:
        cmdExpense[Enter]->setEnabled(false);
        fraAssignAmount->show();
        setAmountLabels();
        break;
    default:
        break;
    }
}

void frmExpenses::amountLeft() {
    QString text = txtAmount->text().trimmed();
    if (text.isEmpty())
        text = QStringLiteral("0");
    const std::optional<pellar::Currency> value = pellar::currencyValue(text);
    // Text that is not an amount, or an amount too long for the record, is never kept: it
    // could only be stored unreadable or cut.
    if (!value || !fitsField(AmountField, pellar::formatCurrency(*value))) {
        m_desk.beep();
        txtAmount->setText(pellar::formatCurrency({}));
        txtAmount->setFocus();
        return;
    }
    txtAmount->setText(pellar::formatCurrency(*value));
    if (!ckAllowNegative->isChecked())
        setAmountLabels();
}

void frmExpenses::dateChanged() {
    const QDate today = m_desk.today();
    if (DTPicker1->date() <= today)
        return;
    ShowInputError();
    m_desk.message(QString::fromUtf16(kProgramTitle),
                   {QStringLiteral("Your Calendar(s) Selection is Invalid")});
    DTPicker1->setDate(today);
}

void frmExpenses::allowNegativeClicked() {
    // Unpaid amounts cannot be expensed for a cash payment.
    if (paymentOption() == PayByCash)
        ckAllowNegative->setChecked(false);
    if (ckAllowNegative->isChecked()) {
        setAmountLabels();
    } else if (txtAmount->text().isEmpty()) {
        txtAmount->setFocus();
        lblAmount->clear();
        lblRemaining->clear();
    } else {
        setAmountLabels();
    }
}

void frmExpenses::categoryClicked() {
    if (fraAssignAmount->isVisible())
        txtSplitAmount->setFocus();
}

void frmExpenses::ShowInputError() {
    m_desk.beep();
    m_desk.message(QStringLiteral("Input Error"),
                   {QStringLiteral("All Required information has not been Supplied")});
}

bool frmExpenses::ValidateEntry() {
    const auto fail = [this](QWidget* control) {
        ShowInputError();
        control->setFocus();
        return false;
    };
    const QListWidgetItem* payee = lstVendors->currentItem();
    if (!payee || payee->text().isEmpty())
        return fail(lstVendors);
    if (chargingMode() != PartialPayment && cboExpenseCategories->currentText().isEmpty())
        return fail(cboExpenseCategories);
    // A zero amount, or one left unreadable, is no amount to post.
    if (amountMissing() || !pellar::currencyValue(txtAmount->text()))
        return fail(txtAmount);
    if (txtReference->isVisibleTo(fraPaymentForm) && txtReference->text().trimmed().isEmpty())
        return fail(txtReference);
    return true;
}

bool frmExpenses::ConfirmPosting(const QString& payee, const QString& category, int option,
                                 const QString& amountText, QDate date) {
    const std::optional<pellar::Currency> amount = pellar::currencyValue(amountText);
    const QStringList lines{
        QString(),
        QStringLiteral("Paid to: ") + payee,
        QStringLiteral("For: ") + category,
        QStringLiteral("By: ") + paymentMethodText(option),
        QStringLiteral("In the Amount of: ") +
            (amount ? pellar::formatCurrency(*amount) : amountText),
        QStringLiteral("On ") + pellar::formatShortDate(date),
        QStringLiteral("Are Entries Correct?"),
    };
    return m_desk.message(QStringLiteral("Review before Posting"), lines,
                          pellar::MessageButtons::YesNo) == pellar::MessageAnswer::Yes;
}

bool frmExpenses::ensureRoomFor(int records) {
    const qint64 room = expenseRoomLeft(m_forms.data());
    if (room >= records)
        return true;
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    QStringList lines{QStringLiteral("The expense file can hold no more than %1 records.")
                          .arg(english.toString(pellar::kMaxRecords))};
    if (room == 0)
        lines.append(QStringLiteral("It is full."));
    else
        lines.append(QStringLiteral("It has room for %1 more, and this posting needs %2.")
                         .arg(room)
                         .arg(records));
    lines.append(QStringLiteral("Nothing was posted. Remove old records with File Cleanup "
                                "under Reports first."));
    m_desk.message(QStringLiteral("Expense File Full"), lines);
    return false;
}

void frmExpenses::postSingleCategory() {
    if (!ValidateEntry())
        return;
    const QString payee = lstVendors->currentItem()->text();
    const QString category = cboExpenseCategories->currentText();
    const int option = paymentOption();
    const QString amount = pellar::formatCurrency(*pellar::currencyValue(txtAmount->text()));
    const QDate date = DTPicker1->date();
    if (!ConfirmPosting(payee, category, option, amount, date))
        return;
    const ExpenseRecord record =
        FillExpenseRecord(date, amount, category, payee, option, txtReference->text());
    switch (chargingMode()) {
    case SingleCategory:
        if (!ensureRoomFor(1))
            return;
        if (const pellar::FileResult written = WriteExpenseRecord(m_forms.data(), record);
            !written) {
            reportFileProblem(m_desk, written.error);
            return;
        }
        m_startDate = QDate(1988, 1, 1);
        RefreshExpenseGrid();
        ResetEntryScreen();
        break;
    case MultipleCategories:
        txtSplitAmount->setFocus();
        break;
    default:
        // A partial payment is not itself recorded.
        break;
    }
}

void frmExpenses::clearAmount() {
    selectChargingMode(SingleCategory, false);
    txtAmount->setText(pellar::formatCurrency({}));
    txtAmount->setFocus();
}

} // namespace expenses
