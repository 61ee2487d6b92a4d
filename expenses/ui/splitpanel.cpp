#include "expenses/ui/splitpanel.h"

#include "common/core/desk.h"
#include "common/core/regional.h"
#include "common/ui/keyboard.h"
#include "common/ui/widgets.h"
#include "expenses/core/expenseentry.h"
#include "expenses/ui/entrynotices.h"
#include "expenses/ui/focusreasons.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace expenses {

namespace {

const QString& notApplicable() {
    static const QString text = QCoreApplication::translate("SplitPanel", "Not Applicable");
    return text;
}

// Amounts are read to the cent: labels that show one keep their width as it changes.
QLabel* amountLabel(const QString& name, QWidget* parent) {
    auto* label = pellar::ui::named(new QLabel(parent), name);
    label->setFrameShape(QFrame::StyledPanel);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(notApplicable()) + 16);
    return label;
}

} // namespace

SplitPanel::SplitPanel(EntryNotices& notices, QWidget* parent)
    : QGroupBox(tr("Disburse Amount to Categories"), parent)
    , m_notices(notices) {
    setObjectName(QStringLiteral("fraAssignAmount"));
    m_lineAmount = pellar::ui::makeBox(this, QStringLiteral("txtSplitAmount"));
    m_lineAmount->setAlignment(Qt::AlignRight);
    m_lineAmount->setMaximumWidth(140);
    m_lineAmount->installEventFilter(this);
    m_enter = pellar::ui::makeButton(this, QStringLiteral("cmdExpense_6"), tr("&Enter"),
                                     tr("Enter Amount to Selected Category"));
    m_complete = pellar::ui::makeButton(this, QStringLiteral("cmdExpense_4"), tr("&Complete"),
                                        tr("Complete the Disbursement"));
    for (QPushButton* button : {m_enter, m_complete})
        button->setAutoDefault(false);
    m_total = amountLabel(QStringLiteral("lblAmount"), this);
    m_remaining = amountLabel(QStringLiteral("lblRemaining"), this);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("Select a Category Above"), this), 0, 0, 1, 3);
    grid->addWidget(new QLabel(tr("Enter an Amount"), this), 1, 0);
    grid->addWidget(m_lineAmount, 1, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Click Enter"), this), 2, 0);
    grid->addWidget(m_enter, 2, 1);
    grid->addWidget(m_complete, 2, 2);
    grid->setColumnStretch(3, 1);
    grid->addWidget(new QLabel(tr("Total Amount"), this), 0, 4, Qt::AlignRight);
    grid->addWidget(m_total, 0, 5);
    grid->addWidget(new QLabel(tr("Amount Remaining"), this), 1, 4, Qt::AlignRight);
    grid->addWidget(m_remaining, 1, 5);

    setTabOrder(m_lineAmount, m_enter);
    setTabOrder(m_enter, m_complete);
    connect(m_enter, &QPushButton::clicked, this, &SplitPanel::enterClicked);
    connect(m_complete, &QPushButton::clicked, this, &SplitPanel::completeClicked);
    pellar::ui::returnClicks(m_lineAmount, m_enter);
}

QString SplitPanel::typed() const {
    return m_lineAmount->text().trimmed();
}

void SplitPanel::clearTyped() {
    m_lineAmount->clear();
}

void SplitPanel::focusTyped() {
    m_lineAmount->setFocus();
}

void SplitPanel::showAmounts(const ExpenseEntry& entry) {
    if (entry.allowNegative) {
        m_total->setText(notApplicable());
        m_remaining->setText(notApplicable());
        return;
    }
    if (!entry.amount) {
        clearAmounts();
        return;
    }
    m_total->setText(pellar::formatCurrency(*entry.amount));
    const std::optional<pellar::Currency> remaining = entry.remaining();
    m_remaining->setText(remaining ? pellar::formatCurrency(*remaining) : QString());
}

void SplitPanel::clearAmounts() {
    m_total->clear();
    m_remaining->clear();
}

QWidget* SplitPanel::tabFirst() const {
    return m_lineAmount;
}

QWidget* SplitPanel::tabLast() const {
    return m_complete;
}

bool SplitPanel::eventFilter(QObject* watched, QEvent* event) {
    // Leaving the line's amount box sounds a beep, as it always has.
    if (watched == m_lineAmount && event->type() == QEvent::FocusOut &&
        movedByPerson(static_cast<QFocusEvent*>(event)->reason()))
        m_notices.refuse(tr("An amount typed here is taken with Enter."));
    return QGroupBox::eventFilter(watched, event);
}

} // namespace expenses
