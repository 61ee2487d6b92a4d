// The entry frame of the expense form: payee, date, amount, form of payment and the
// category panel with its split and finance-charge panels.
#include "expenses/ui/frmexpenses.h"

#include "common/ui/inputroutines.h"
#include "common/core/regional.h"
#include "expenses/ui/proportionalcolumns.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace expenses {

namespace {

QLabel* wrapped(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

QGroupBox* frame(const QString& name, const QString& caption, QWidget* parent) {
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(name);
    return box;
}

// Amounts are read to the cent: labels that show one keep their width as it changes.
QLabel* amountLabel(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFrameShape(QFrame::StyledPanel);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(
        label->fontMetrics().horizontalAdvance(QStringLiteral("Not Applicable")) + 16);
    return label;
}

} // namespace

QGroupBox* frmExpenses::buildEntryFrame() {
    fraMain = frame(QStringLiteral("fraMain"), QStringLiteral("Business Expenses"), this);

    lstVendors = new QListWidget(fraMain);
    lstVendors->setObjectName(QStringLiteral("lstVendors"));
    auto* payTo = new QLabel(QStringLiteral("Payment Made to"), fraMain);
    payTo->setBuddy(lstVendors);

    DTPicker1 = new QDateEdit(fraMain);
    DTPicker1->setObjectName(QStringLiteral("DTPicker1"));
    DTPicker1->setToolTip(QStringLiteral("Select the date the expense occurred"));
    DTPicker1->setCalendarPopup(true);
    DTPicker1->setDisplayFormat(pellar::RegionalSettings::current().shortDateFormat);
    auto* datePaid = new QLabel(QStringLiteral("Date Paid"), fraMain);
    datePaid->setBuddy(DTPicker1);

    txtAmount = new QLineEdit(fraMain);
    txtAmount->setObjectName(QStringLiteral("txtAmount"));
    txtAmount->setToolTip(QStringLiteral("Enter Amount paid for this item"));
    txtAmount->setAlignment(Qt::AlignRight);
    connect(DTPicker1, &QDateEdit::dateChanged, this, &frmExpenses::dateChanged);
    connect(txtAmount, &QLineEdit::textEdited, this, &frmExpenses::amountEdited);
    auto* amountPaid = new QLabel(QStringLiteral("Enter Amount Paid"), fraMain);
    amountPaid->setBuddy(txtAmount);

    fraPaymentForm =
        frame(QStringLiteral("fraPaymentForm"), QStringLiteral("Form of Payment"), fraMain);
    fraPaymentForm->setToolTip(QStringLiteral("Select the Form of Payment that was used"));
    const char16_t* payments[4][2] = {{u"Check", u"Debits Checkbook"},
                                      {u"Cash", u"Does not Debit Checkbook"},
                                      {u"Credit Card", u"Does not Debit Checkbook"},
                                      {u"E-Bill Payment", u"Debits Checkbook"}};
    m_payments = new QButtonGroup(this);
    auto* paymentRow = new QHBoxLayout;
    for (int i = 0; i < 4; ++i) {
        optPayment[i] = new QRadioButton(QString::fromUtf16(payments[i][0]), fraPaymentForm);
        optPayment[i]->setObjectName(QStringLiteral("optPayment_%1").arg(i));
        optPayment[i]->setToolTip(QString::fromUtf16(payments[i][1]));
        m_payments->addButton(optPayment[i], i);
        paymentRow->addWidget(optPayment[i]);
    }
    paymentRow->addStretch(1);
    lblReference = new QLabel(fraPaymentForm);
    lblReference->setObjectName(QStringLiteral("lblReference"));
    txtReference = new QLineEdit(fraPaymentForm);
    txtReference->setObjectName(QStringLiteral("txtReference"));
    txtReference->setToolTip(QStringLiteral("Enter a Check #"));
    txtReference->setMaxLength(25); // the width of the record's field
    pellar::keepStorable(*txtReference);
    lblReference->setBuddy(txtReference);
    auto* referenceRow = new QHBoxLayout;
    referenceRow->addWidget(lblReference);
    referenceRow->addWidget(txtReference, 1);
    referenceRow->addStretch(1);
    auto* paymentLayout = new QVBoxLayout(fraPaymentForm);
    paymentLayout->addLayout(paymentRow);
    paymentLayout->addLayout(referenceRow);
    connect(m_payments, &QButtonGroup::idClicked, this, &frmExpenses::paymentClicked);

    lblCBFound[0] = wrapped(
        QStringLiteral("USE YOUR CHECKBOOK PROGRAM TO ENTER CHECKS AND E-PAYMENTS."), fraMain);
    lblCBFound[1] = wrapped(
        QStringLiteral("ENTER EXPENSES PAID USING A CHECKBOOK OTHER THAN ORVANTA'S TILLBOOKII"),
        fraMain);
    for (int i = 0; i < 2; ++i) {
        lblCBFound[i]->setObjectName(QStringLiteral("lblCBFound_%1").arg(i));
        lblCBFound[i]->setStyleSheet(QStringLiteral("color: #8b0000; font-weight: bold;"));
    }
    lblCBFound[0]->hide();

    makeButton(Enter, QStringLiteral("Enter"), QStringLiteral("Enter Amount to Single Category"),
               fraMain);
    makeButton(ClearAmount, QStringLiteral("&Clear Amount"),
               QStringLiteral("Clears the amount input box"), fraMain);
    makeButton(Redo, QStringLiteral("&Redo"), QStringLiteral("Redo the Expense Posting"), fraMain);
    makeButton(Menu, QStringLiteral("&Menu"), QStringLiteral("Return to the Main Menu"), fraMain);

    auto* dateAndAmount = new QGridLayout;
    dateAndAmount->addWidget(datePaid, 0, 0);
    dateAndAmount->addWidget(DTPicker1, 1, 0);
    dateAndAmount->addWidget(amountPaid, 0, 1);
    dateAndAmount->addWidget(txtAmount, 1, 1);
    dateAndAmount->setColumnStretch(2, 1);
    DTPicker1->setMinimumWidth(140);
    txtAmount->setMinimumWidth(140);

    auto* right = new QVBoxLayout;
    right->addLayout(dateAndAmount);
    right->addWidget(fraPaymentForm);
    right->addWidget(lblCBFound[0]);
    right->addWidget(lblCBFound[1]);
    right->addWidget(buildPaytoFrame());
    right->addStretch(1);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addWidget(cmdExpense[Enter]);
    buttons->addWidget(cmdExpense[ClearAmount]);
    buttons->addWidget(cmdExpense[Redo]);
    buttons->addStretch(1);
    buttons->addWidget(cmdExpense[Menu]);

    auto* layout = new QGridLayout(fraMain);
    layout->addWidget(payTo, 0, 0);
    layout->addWidget(lstVendors, 1, 0);
    layout->addLayout(right, 0, 1, 2, 1);
    layout->addLayout(buttons, 2, 0, 1, 2);
    layout->setColumnStretch(0, 2);
    layout->setColumnStretch(1, 5);
    layout->setRowStretch(1, 1);
    layout->setHorizontalSpacing(16);
    lstVendors->setMinimumWidth(220);

    setTabOrder(lstVendors, DTPicker1);
    setTabOrder(DTPicker1, txtAmount);
    setTabOrder(txtAmount, optPayment[0]);
    setTabOrder(optPayment[0], txtReference);
    setTabOrder(txtReference, cboExpenseCategories);
    setTabOrder(cboExpenseCategories, optExpenses[0]);
    setTabOrder(optExpenses[0], ckAllowNegative);
    setTabOrder(ckAllowNegative, txtSplitAmount);
    setTabOrder(txtSplitAmount, cmdExpense[SplitEnter]);
    setTabOrder(cmdExpense[SplitEnter], cmdExpense[Complete]);
    setTabOrder(cmdExpense[Complete], txtFinance);
    setTabOrder(txtFinance, cmdExpense[FinanceContinue]);
    setTabOrder(cmdExpense[FinanceContinue], cmdExpense[Enter]);
    setTabOrder(cmdExpense[Enter], cmdExpense[ClearAmount]);
    setTabOrder(cmdExpense[ClearAmount], cmdExpense[Redo]);
    setTabOrder(cmdExpense[Redo], cmdExpense[Menu]);
    return fraMain;
}

QGroupBox* frmExpenses::buildPaytoFrame() {
    fraPayto =
        frame(QStringLiteral("fraPayto"), QStringLiteral("Expense Category Selection"), fraMain);
    cboExpenseCategories = new QComboBox(fraPayto);
    cboExpenseCategories->setObjectName(QStringLiteral("cboExpenseCategories"));
    cboExpenseCategories->setToolTip(QStringLiteral("Select a Category from the List"));
    cboExpenseCategories->setMinimumContentsLength(30);
    connect(cboExpenseCategories, &QComboBox::activated, this, &frmExpenses::categoryClicked);

    const char16_t* modes[3][2] = {
        {u"Apply Amount to a Single Category", nullptr},
        {u"Disburse Amount to Multiple Categories",
         u"Amount can be Credited to Multiple Expense Categories"},
        {u"Apply none of the Amount to  Categories Making Partial Payment on  Account",
         u"You can Pay a Bill with out Applying the Amount to an Expense Category"}};
    m_modes = new QButtonGroup(this);
    auto* layout = new QVBoxLayout(fraPayto);
    layout->addWidget(cboExpenseCategories);
    for (int i = 0; i < 3; ++i) {
        optExpenses[i] = new QRadioButton(QString::fromUtf16(modes[i][0]), fraPayto);
        optExpenses[i]->setObjectName(QStringLiteral("optExpenses_%1").arg(i));
        if (modes[i][1])
            optExpenses[i]->setToolTip(QString::fromUtf16(modes[i][1]));
        m_modes->addButton(optExpenses[i], i);
        layout->addWidget(optExpenses[i]);
    }
    optExpenses[SingleCategory]->setChecked(true);
    connect(m_modes, &QButtonGroup::idClicked, this,
            [this](int mode) { chargingModeClicked(mode, true); });

    ckAllowNegative = new QCheckBox(QStringLiteral("Expense Unpaid Amounts"), fraPayto);
    ckAllowNegative->setObjectName(QStringLiteral("ckAllowNegative"));
    ckAllowNegative->setToolTip(QStringLiteral("You can Expense More than the Amount Entered"));
    connect(ckAllowNegative, &QCheckBox::clicked, this, &frmExpenses::allowNegativeClicked);
    layout->addWidget(ckAllowNegative);

    // The split panel.
    fraAssignAmount = frame(QStringLiteral("fraAssignAmount"),
                            QStringLiteral("Disburse Amount to Categories"), fraPayto);
    txtSplitAmount = new QLineEdit(fraAssignAmount);
    txtSplitAmount->setObjectName(QStringLiteral("txtSplitAmount"));
    txtSplitAmount->setAlignment(Qt::AlignRight);
    txtSplitAmount->setMaximumWidth(140);
    makeButton(SplitEnter, QStringLiteral("&Enter"),
               QStringLiteral("Enter Amount to Selected Category"), fraAssignAmount);
    makeButton(Complete, QStringLiteral("&Complete"), QStringLiteral("Complete the Disbursement"),
               fraAssignAmount);
    lblAmount = amountLabel(QStringLiteral("lblAmount"), fraAssignAmount);
    lblRemaining = amountLabel(QStringLiteral("lblRemaining"), fraAssignAmount);
    auto* split = new QGridLayout(fraAssignAmount);
    split->addWidget(new QLabel(QStringLiteral("Select a Category Above"), fraAssignAmount), 0, 0,
                     1, 3);
    split->addWidget(new QLabel(QStringLiteral("Enter an Amount"), fraAssignAmount), 1, 0);
    split->addWidget(txtSplitAmount, 1, 1, 1, 2);
    split->addWidget(new QLabel(QStringLiteral("Click Enter"), fraAssignAmount), 2, 0);
    split->addWidget(cmdExpense[SplitEnter], 2, 1);
    split->addWidget(cmdExpense[Complete], 2, 2);
    split->setColumnStretch(3, 1);
    split->addWidget(new QLabel(QStringLiteral("Total Amount"), fraAssignAmount), 0, 4,
                     Qt::AlignRight);
    split->addWidget(lblAmount, 0, 5);
    split->addWidget(new QLabel(QStringLiteral("Amount Remaining"), fraAssignAmount), 1, 4,
                     Qt::AlignRight);
    split->addWidget(lblRemaining, 1, 5);
    fraAssignAmount->hide();
    layout->addWidget(fraAssignAmount);

    // The finance-charge panel.
    fraFinance = frame(QStringLiteral("fraFinance"), QStringLiteral("Finance Charge"), fraPayto);
    txtFinance = new QLineEdit(fraFinance);
    txtFinance->setObjectName(QStringLiteral("txtFinance"));
    txtFinance->setAlignment(Qt::AlignRight);
    txtFinance->setMaxLength(15); // the width of the record's amount field
    pellar::keepStorable(*txtFinance);
    txtFinance->setMaximumWidth(140);
    makeButton(FinanceContinue, QStringLiteral("Continue"),
               QStringLiteral("Enter Amount as Finance Charge"), fraFinance);
    auto* finance = new QGridLayout(fraFinance);
    finance->addWidget(
        wrapped(QStringLiteral("Review the Statement of Account that you are Posting. If a "
                               "Finance Charge appears then you should Expense it. Enter the "
                               "Amount shown on the Statement in the box and click Continue."),
                fraFinance),
        0, 0, 1, 3);
    finance->addWidget(txtFinance, 1, 0);
    finance->addWidget(cmdExpense[FinanceContinue], 1, 1);
    finance->setColumnStretch(2, 1);
    fraFinance->hide();
    layout->addWidget(fraFinance);
    return fraPayto;
}

void frmExpenses::buildSplitFrame() {
    // Shown over the category panel, so nothing under it can be changed while the person
    // reviews the lines.
    fraSplit =
        frame(QStringLiteral("fraSplit"), QStringLiteral("Summary of Disbursement"), fraMain);
    fraSplit->setAutoFillBackground(true);
    fgSplit = new QTableWidget(1, 2, fraSplit);
    fgSplit->setObjectName(QStringLiteral("fgSplit"));
    fgSplit->setEditTriggers(QAbstractItemView::NoEditTriggers);
    fgSplit->setSelectionMode(QAbstractItemView::NoSelection);
    fgSplit->verticalHeader()->hide();
    auto* category = new QTableWidgetItem(QStringLiteral("Expense Category"));
    category->setTextAlignment(Qt::AlignCenter);
    auto* amount = new QTableWidgetItem(QStringLiteral("Amount"));
    amount->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    fgSplit->setHorizontalHeaderItem(0, category);
    fgSplit->setHorizontalHeaderItem(1, amount);
    fgSplit->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    fgSplit->verticalHeader()->setDefaultSectionSize(fgSplit->fontMetrics().height() + 6);
    // Columns in the proportion 35 : 10 characters.
    new ProportionalColumns(fgSplit, {35, 10});

    makeButton(SplitRedo, QStringLiteral("&Redo"), QStringLiteral("Redo the Expense Posting"),
               fraSplit);
    makeButton(SplitContinue, QStringLiteral("&Continue"),
               QStringLiteral("Continue to enter disbursed expense"), fraSplit);
    auto* layout = new QGridLayout(fraSplit);
    layout->addWidget(fgSplit, 0, 0, 1, 3);
    layout->addWidget(wrapped(QStringLiteral("Review the Disbursment Entries If correct, click "
                                             "Continue      Click Redo if incorrect"),
                              fraSplit),
                      1, 0, 1, 3);
    layout->addWidget(cmdExpense[SplitRedo], 2, 1);
    layout->addWidget(cmdExpense[SplitContinue], 2, 2);
    layout->setColumnStretch(0, 1);
    layout->setRowStretch(0, 1);
    fraSplit->hide();
}

void frmExpenses::placeSplitSummary() {
    if (fraSplit->isHidden())
        return;
    fraSplit->setGeometry(fraPayto->geometry());
    fraSplit->raise();
}

} // namespace expenses
