#include "deposits/ui/cashbackpanel.h"

#include "common/core/regional.h"
#include "common/ui/inputroutines.h"
#include "common/ui/keyboard.h"
#include "deposits/core/depositdraft.h"
#include "deposits/ui/boxwatch.h"
#include "deposits/ui/depositformwidgets.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace deposits {

using namespace depositwidgets;

namespace {
enum CashBackOption { DepositAll = 0, ReceiveCashBack = 1 };
} // namespace

CashBackPanel::CashBackPanel(pellar::Desk& desk, QWidget* parent)
    : QGroupBox(tr("Cash Back from Deposit"), parent)
    , m_desk(desk) {
    setObjectName(QStringLiteral("fraAmountBack"));

    m_optionGroup = new QButtonGroup(this);
    const QStringList options{tr("&No, Deposit All"), tr("&Yes, Receive Cash Back")};
    for (int i = 0; i < options.size(); ++i) {
        auto* option = new QRadioButton(options[i], this);
        option->setObjectName(QStringLiteral("optCashBack_%1").arg(i));
        m_options.append(option);
        m_optionGroup->addButton(option, i);
        pellar::ui::returnChooses(option);
    }
    connect(m_optionGroup, &QButtonGroup::idClicked, this, [this](int index) {
        if (index == DepositAll)
            emit depositAllChosen();
        else
            emit cashBackChosen();
    });

    m_gross = amountLabel(QStringLiteral("lblDepositAmount"), tr("Deposit Amount"), this);
    m_amountBack = amountLabel(QStringLiteral("lblAmountBack"), tr("Amount Back"), this);
    m_net = amountLabel(QStringLiteral("lblNewDeposit"), tr("New Deposit"), this);
    m_net->setFont(scaled(font(), 1.0, true));

    m_continue = button(QStringLiteral("cmdCashBack"), tr("&Continue"),
                        tr("Continues the Deposit Process"), this);
    QPushButton* redo =
        button(QStringLiteral("cmdDepositCreation_5"), tr("&Redo Deposit"), tr("Start over"), this);
    connect(m_continue, &QPushButton::clicked, this, &CashBackPanel::continueClicked);
    connect(redo, &QPushButton::clicked, this, &CashBackPanel::redoClicked);

    m_receive = new QGroupBox(tr("Enter Amount Back"), this);
    m_receive->setObjectName(QStringLiteral("fraReceiveAmount"));
    keepSizeWhenHidden(m_receive);
    m_receiveAmount = amountBox(QStringLiteral("txtReceiveAmount"), QString(), m_receive);
    QPushButton* accept =
        button(QStringLiteral("cmdReceiveAmount"), tr("&Accept"),
               tr("Deducts the Casj Back Amount from the Deposit Total"), m_receive);
    connect(accept, &QPushButton::clicked, this, &CashBackPanel::amountBackAccepted);
    auto* watch = new BoxWatch(this);
    watch->watch(*m_receiveAmount);
    // An empty amount back means none ("Accept" then deposits all), so leaving it empty for
    // the Accept button is no mistake.
    connect(watch, &BoxWatch::left, this, [this] {
        if (!amountBackEmpty() && !pellar::CheckMoneyBox(*m_receiveAmount, m_desk))
            emit refused(notAnAmountText());
    });
    pellar::ui::returnClicks(m_receiveAmount, accept);
    auto* receive = new QHBoxLayout(m_receive);
    receive->setContentsMargins(12, 10, 12, 10);
    receive->addWidget(m_receiveAmount);
    receive->addWidget(accept);

    auto* choice = new QVBoxLayout;
    choice->setSpacing(8);
    QLabel* question = text(tr("Click Yes if you would like Cash Back from this Deposit"), this);
    question->setFont(scaled(font(), 1.0, true));
    choice->addWidget(question);
    choice->addWidget(m_options[DepositAll]);
    choice->addWidget(m_options[ReceiveCashBack]);
    choice->addWidget(m_receive, 0, Qt::AlignLeft);
    choice->addStretch(1);

    auto* amounts = new QGridLayout;
    amounts->setHorizontalSpacing(12);
    amounts->setVerticalSpacing(8);
    amounts->addWidget(text(tr("Grand Total"), this), 0, 0);
    amounts->addWidget(m_gross, 0, 1);
    amounts->addWidget(text(tr("Amount Back"), this), 1, 0);
    amounts->addWidget(m_amountBack, 1, 1);
    amounts->addWidget(rule(this), 2, 1);
    amounts->addWidget(text(tr("New Total"), this), 3, 0);
    amounts->addWidget(m_net, 3, 1);
    amounts->setRowStretch(4, 1);

    auto* top = new QHBoxLayout;
    top->setSpacing(24);
    top->addLayout(choice, 1);
    top->addLayout(amounts);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(text(tr("Click Continue when Correct"), this), 1);
    buttons->addWidget(m_continue);
    buttons->addWidget(redo);
    m_continue->setMinimumWidth(redo->sizeHint().width());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(12);
    layout->addLayout(top, 1);
    layout->addWidget(rule(this));
    layout->addLayout(buttons);
}

void CashBackPanel::showDraft(const DepositDraft& draft) {
    if (draft.step() != DepositDraft::Step::CashBack && draft.step() != DepositDraft::Step::Print)
        return;
    m_gross->setText(pellar::formatCurrency(draft.gross()));
    m_amountBack->setText(draft.slip().amountBackText());
    m_net->setText(pellar::formatCurrency(draft.net()));
    switch (draft.cashBackChoice()) {
    case DepositDraft::CashBackChoice::None:
        setChoice(-1);
        break;
    case DepositDraft::CashBackChoice::DepositAll:
        setChoice(DepositAll);
        break;
    case DepositDraft::CashBackChoice::ReceiveCashBack:
        setChoice(ReceiveCashBack);
        break;
    }
    if (!draft.awaitingAmountBack()) {
        if (m_receive->isAncestorOf(focusWidget()))
            m_continue->setFocus();
        m_receive->hide();
    }
}

void CashBackPanel::setChoice(int checked) {
    // An exclusive group cannot be emptied; for a moment it is not exclusive.
    m_optionGroup->setExclusive(false);
    for (int i = 0; i < m_options.size(); ++i)
        m_options[i]->setChecked(i == checked);
    m_optionGroup->setExclusive(true);
}

void CashBackPanel::openAmountBack() {
    m_receive->show();
    m_receiveAmount->clear();
    m_receiveAmount->setFocus();
}

bool CashBackPanel::amountBackEmpty() const {
    return m_receiveAmount->text().trimmed().isEmpty();
}

bool CashBackPanel::amountRuleKept() {
    if (pellar::CheckMoneyBox(*m_receiveAmount, m_desk))
        return true;
    emit refused(notAnAmountText());
    return false;
}

std::optional<pellar::Currency> CashBackPanel::amountBack() const {
    return pellar::currencyValue(m_receiveAmount->text());
}

void CashBackPanel::focusAmountBack() {
    m_receiveAmount->setFocus();
    m_receiveAmount->selectAll();
}

void CashBackPanel::focusContinue() {
    m_continue->setFocus();
}

} // namespace deposits
