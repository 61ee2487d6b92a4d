#include "expenses/ui/paymentpanel.h"

#include "common/ui/inputroutines.h"
#include "common/ui/widgets.h"
#include "expenses/core/expenseentry.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace expenses {

PaymentPanel::PaymentPanel(ExpenseEntry& entry, QWidget* parent)
    : QGroupBox(tr("Form of Payment"), parent)
    , m_entry(entry) {
    setObjectName(QStringLiteral("fraPaymentForm"));
    setToolTip(tr("Select the Form of Payment that was used"));
    const char* payments[PaymentOptionCount][2] = {
        {QT_TR_NOOP("C&heck"), QT_TR_NOOP("Debits Checkbook")},
        {QT_TR_NOOP("Ca&sh"), QT_TR_NOOP("Does not Debit Checkbook")},
        {QT_TR_NOOP("Credit C&ard"), QT_TR_NOOP("Does not Debit Checkbook")},
        {QT_TR_NOOP("E-&Bill Payment"), QT_TR_NOOP("Debits Checkbook")}};
    m_group = new QButtonGroup(this);
    auto* paymentRow = new QHBoxLayout;
    for (int i = 0; i < PaymentOptionCount; ++i) {
        m_payments[i] = pellar::ui::named(new QRadioButton(tr(payments[i][0]), this),
                                          QStringLiteral("optPayment_%1").arg(i));
        m_payments[i]->setToolTip(tr(payments[i][1]));
        m_group->addButton(m_payments[i], i);
        paymentRow->addWidget(m_payments[i]);
    }
    paymentRow->addStretch(1);
    m_reference = pellar::ui::makeBox(this, QStringLiteral("txtReference"), tr("Enter a Check #"));
    m_reference->setMaxLength(25); // the width of the record's field
    pellar::keepStorable(*m_reference);
    m_referenceLabel =
        pellar::ui::makeLabel(this, QStringLiteral("lblReference"), QString(), m_reference);
    // Hidden for cash and e-bills, the reference keeps its room: nothing below it moves.
    for (QWidget* widget :
         {static_cast<QWidget*>(m_reference), static_cast<QWidget*>(m_referenceLabel)}) {
        QSizePolicy policy = widget->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        widget->setSizePolicy(policy);
    }
    auto* referenceRow = new QHBoxLayout;
    referenceRow->addWidget(m_referenceLabel);
    referenceRow->addWidget(m_reference, 1);
    referenceRow->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(paymentRow);
    layout->addLayout(referenceRow);
    // Every option in the chain: Tab stops at whichever is chosen, even one of the last
    // when the checkbook program takes checks and e-bills.
    for (int i = 1; i < PaymentOptionCount; ++i)
        setTabOrder(m_payments[i - 1], m_payments[i]);
    setTabOrder(m_payments[PaymentOptionCount - 1], m_reference);

    connect(m_group, &QButtonGroup::idClicked, this, &PaymentPanel::paymentClicked);
    connect(m_reference, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_entry.reference = text; });
}

void PaymentPanel::setCheckbookPresent(bool present) {
    m_payments[PayByCheck]->setEnabled(!present);
    m_payments[PayByEBill]->setEnabled(!present);
    const int chosen = present ? PayByCash : PayByCheck;
    m_payments[chosen]->setChecked(true);
    paymentClicked(chosen);
}

void PaymentPanel::paymentClicked(int option) {
    m_entry.payment = option;
    const bool reference = m_entry.needsReference();
    m_reference->setVisible(reference);
    m_referenceLabel->setVisible(reference);
    if (reference) {
        m_reference->clear();
        m_referenceLabel->setText(option == PayByCheck ? tr("Enter Check No")
                                                       : tr("Enter Card Co."));
    }
    emit paymentChosen();
}

void PaymentPanel::clearReference() {
    m_reference->clear();
}

void PaymentPanel::focusReference() {
    m_reference->setFocus();
}

QWidget* PaymentPanel::tabFirst() const {
    return m_payments[0];
}

QWidget* PaymentPanel::tabLast() const {
    return m_reference;
}

} // namespace expenses
