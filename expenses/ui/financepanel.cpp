#include "expenses/ui/financepanel.h"

#include "common/core/desk.h"
#include "common/ui/inputroutines.h"
#include "common/ui/keyboard.h"
#include "common/ui/widgets.h"
#include "expenses/core/expenseentry.h"
#include "expenses/ui/entrynotices.h"
#include "expenses/ui/focusreasons.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace expenses {

FinancePanel::FinancePanel(ExpenseEntry& entry, EntryNotices& notices,
                           const pellar::DataFolder& data, QWidget* parent)
    : QGroupBox(tr("Finance Charge"), parent)
    , m_entry(entry)
    , m_notices(notices)
    , m_data(data) {
    setObjectName(QStringLiteral("fraFinance"));
    m_charge = pellar::ui::makeBox(this, QStringLiteral("txtFinance"));
    m_charge->setAlignment(Qt::AlignRight);
    m_charge->setMaxLength(15); // the width of the record's amount field
    pellar::keepStorable(*m_charge);
    m_charge->setMaximumWidth(140);
    m_charge->installEventFilter(this);
    m_continue = pellar::ui::makeButton(this, QStringLiteral("cmdExpense_5"), tr("Con&tinue"),
                                        tr("Enter Amount as Finance Charge"));
    m_continue->setAutoDefault(false);
    auto* grid = new QGridLayout(this);
    grid->addWidget(
        pellar::ui::makeNote(this, tr("Review the Statement of Account that you are Posting. "
                                      "If a Finance Charge appears then you should Expense "
                                      "it. Enter the Amount shown on the Statement in the "
                                      "box and click Continue.")),
        0, 0, 1, 3);
    grid->addWidget(m_charge, 1, 0);
    grid->addWidget(m_continue, 1, 1);
    grid->setColumnStretch(2, 1);
    setTabOrder(m_charge, m_continue);

    connect(m_charge, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_entry.financeCharge = text; });
    connect(m_continue, &QPushButton::clicked, this, &FinancePanel::post);
    pellar::ui::returnClicks(m_charge, m_continue);
}

void FinancePanel::start() {
    show();
    m_charge->setText(QStringLiteral("0"));
    m_charge->setFocus();
}

void FinancePanel::post() {
    // Text that starts like a number but is not an amount would be stored unreadable.
    if (m_entry.charge() == ExpenseEntry::Charge::Unreadable) {
        m_notices.inputError(EntryNotices::notAnAmount(m_entry.financeCharge));
        m_charge->setFocus();
        return;
    }
    const PostResult result = m_entry.postFinanceCharge(m_data);
    // A full file keeps the panel, so the charge is not lost from view.
    if (result.status == PostResult::FileFull) {
        m_notices.posted(result, {});
        return;
    }
    hide();
    m_notices.posted(result, {m_entry.financeChargeRecord()});
}

QWidget* FinancePanel::tabFirst() const {
    return m_charge;
}

QWidget* FinancePanel::tabLast() const {
    return m_continue;
}

bool FinancePanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_charge)
        return QGroupBox::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        // Typing over the zero starts from an empty box.
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (!typed.isEmpty() && typed[0].isPrint() && m_charge->text() == u"0")
            m_charge->clear();
    } else if (event->type() == QEvent::FocusOut &&
               movedByPerson(static_cast<QFocusEvent*>(event)->reason())) {
        m_notices.refuse(tr("A finance charge typed here is recorded with Continue."));
    }
    return QGroupBox::eventFilter(watched, event);
}

} // namespace expenses
