#include "deposits/ui/checkentrypanel.h"

#include "common/ui/inputroutines.h"
#include "common/ui/keyboard.h"
#include "deposits/core/depositdraft.h"
#include "deposits/ui/boxwatch.h"
#include "deposits/ui/depositformwidgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace deposits {

using namespace depositwidgets;

CheckEntryPanel::CheckEntryPanel(pellar::Desk& desk, QWidget* parent)
    : QGroupBox(tr("Check Entry"), parent)
    , m_desk(desk) {
    setObjectName(QStringLiteral("fraCheckEntry"));

    m_number =
        box(QStringLiteral("txtCheckEntry_0"), tr("Enter the Check No shown on the check"), this);
    m_amount = amountBox(QStringLiteral("txtCheckEntry_1"),
                         tr("Enter the amount shown on the check"), this);
    m_number->setMaximumWidth(m_amount->maximumWidth());
    m_payer = box(QStringLiteral("txtReceivedFrom"), QString(), this);
    m_payer->setMinimumWidth(200);
    m_accept = button(QStringLiteral("cmdDepositCreation_2"), tr("&Accept"),
                      tr("Adds this Check to the Deposit Slip"), this);
    QPushButton* redo = button(QStringLiteral("cmdDepositCreation_3"), tr("Redo C&heck Entry"),
                               tr("Clears this entry"), this);
    connect(m_accept, &QPushButton::clicked, this, &CheckEntryPanel::acceptClicked);
    connect(redo, &QPushButton::clicked, this, &CheckEntryPanel::redoClicked);

    auto* watch = new BoxWatch(this);
    watch->watch(*m_number);
    watch->watch(*m_amount);
    connect(watch, &BoxWatch::keyDown, this, [this](QLineEdit* box) {
        if (box == m_amount && holdsStartingZero(*m_amount))
            m_amount->clear();
        emit checkTyped();
    });
    connect(watch, &BoxWatch::left, this, [this](QLineEdit* box) {
        if (box == m_amount && !pellar::CheckMoneyBox(*m_amount, m_desk))
            emit refused(notAnAmountText());
    });
    pellar::ui::returnClicks(m_payer, m_accept);
    // Return goes on through the boxes as Tab does, to Accept from the last.
    connect(m_number, &QLineEdit::returnPressed, m_amount, [this] { m_amount->setFocus(); });
    connect(m_amount, &QLineEdit::returnPressed, m_payer, [this] { m_payer->setFocus(); });

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(10);
    fields->setVerticalSpacing(8);
    fields->addWidget(text(tr("Number on Customer Check"), this), 0, 0);
    fields->addWidget(m_number, 0, 1);
    fields->addWidget(text(tr("Amount of Check"), this), 1, 0);
    fields->addWidget(m_amount, 1, 1);
    fields->addWidget(text(tr("Enter Received From:"), this), 2, 0, 1, 2);
    fields->addWidget(m_payer, 3, 0, 1, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_accept);
    buttons->addWidget(redo);

    QLabel* instruction = text(tr("Enter Check No, Amount and Received From Information"), this);
    instruction->setWordWrap(true);
    instruction->setFont(scaled(font(), 1.0, true));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->setSpacing(10);
    layout->addWidget(instruction);
    layout->addLayout(fields);
    layout->addStretch(1);
    layout->addLayout(buttons);
}

void CheckEntryPanel::showDraft(const DepositDraft& draft) {
    m_accept->setEnabled(draft.offersAccept());
}

void CheckEntryPanel::showCaption(int currentCheck, const QString& countText) {
    setTitle(tr("Entering Check %1 of %2 Checks").arg(currentCheck).arg(countText));
}

void CheckEntryPanel::clearCheck() {
    m_amount->setText(zeroAmount());
    m_number->clear();
    m_payer->clear();
    m_number->setFocus();
}

void CheckEntryPanel::emptyBoxes() {
    m_number->clear();
    m_amount->clear();
    m_payer->clear();
}

TypedCheck CheckEntryPanel::typedCheck() const {
    return {m_number->text().trimmed(), m_amount->text(), m_payer->text().trimmed()};
}

bool CheckEntryPanel::amountRuleKept() {
    if (m_amount->text().trimmed().isEmpty() || pellar::CheckMoneyBox(*m_amount, m_desk))
        return true;
    emit refused(notAnAmountText());
    return false;
}

void CheckEntryPanel::focusAmount() {
    m_amount->setFocus();
    m_amount->selectAll();
}

} // namespace deposits
