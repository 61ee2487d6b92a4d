// The deposit form's screen: the window, the deposit-creation frame with its check entry,
// and the input rules wired to the boxes.
#include "deposits/ui/frmdeposit.h"

#include "common/ui/inputroutines.h"
#include "common/core/regional.h"
#include "deposits/ui/depositformwidgets.h"
#include "deposits/ui/depositkeys.h"

#include <QButtonGroup>
#include <QDateEdit>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace deposits {

using namespace depositwidgets;

void frmDeposit::buildScreen() {
    for (int i = 0; i < 7; ++i)
        cmdDepositCreation.append(nullptr);
    m_creationButtons = new QButtonGroup(this);

    // The three screens share one place; each keeps its size while hidden, so the window
    // does not jump from one step to the next.
    auto* screens = new QGridLayout;
    for (QGroupBox* frame : {buildCreationFrame(), buildAmountBackFrame(), buildSummaryFrame()}) {
        keepSizeWhenHidden(frame);
        screens->addWidget(frame, 0, 0);
    }

    cmdMenu = button(QStringLiteral("cmdMenu"), QStringLiteral("&Menu"),
                     QStringLiteral("Return to Main Menu"), this);
    cmdMenu->setMinimumWidth(110);
    connect(cmdMenu, &QPushButton::clicked, this, &frmDeposit::returnToMenu);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(14, 12, 14, 12);
    outer->setSpacing(10);
    outer->addLayout(screens, 1);
    outer->addWidget(cmdMenu, 0, Qt::AlignRight);

    connect(m_creationButtons, &QButtonGroup::idClicked, this, &frmDeposit::depositCreationClicked);
    connectInputRules();
    setTabOrder();
}

QGroupBox* frmDeposit::buildCreationFrame() {
    fraDepositCreation = new QGroupBox(QStringLiteral("Deposit Creation"), this);
    fraDepositCreation->setObjectName(QStringLiteral("fraDepositCreation"));
    QWidget* f = fraDepositCreation;

    DTPicker1 = new QDateEdit(f);
    DTPicker1->setObjectName(QStringLiteral("DTPicker1"));
    DTPicker1->setCalendarPopup(true);
    DTPicker1->setDisplayFormat(pellar::RegionalSettings::current().shortDateFormat);
    txtCurrency =
        amountBox(QStringLiteral("txtCurrency"),
                  QStringLiteral("Enter the total of all cash that you wish to deposit"), f);
    txtNoofChecks =
        amountBox(QStringLiteral("txtNoofChecks"),
                  QStringLiteral("Enter the total number of checks that you wish to deposit"), f);

    const auto makeButton = [&](int index, const QString& caption, const QString& tip) {
        QPushButton* push =
            button(QStringLiteral("cmdDepositCreation_%1").arg(index), caption, tip, f);
        cmdDepositCreation[index] = push;
        m_creationButtons->addButton(push, index);
        return push;
    };
    makeButton(0, QStringLiteral("Enter Check Summary Data"),
               QStringLiteral("Accepts the total check count"));
    makeButton(1, QStringLiteral("Continue with Deposit Creation"),
               QStringLiteral("Continues the Deposit process"));
    makeButton(4, QStringLiteral("Redo Deposit"), QStringLiteral("Start over"));

    lblTotalofChecks =
        amountLabel(QStringLiteral("lblTotalofChecks"), QStringLiteral("Ck Total"), f);
    lblDepositTotal =
        amountLabel(QStringLiteral("lblDepositTotal"), QStringLiteral("Deposit Total"), f);
    lblDepositTotal->setFont(scaled(font(), 1.0, true));

    auto* inputs = new QGridLayout;
    inputs->setHorizontalSpacing(12);
    inputs->setVerticalSpacing(10);
    inputs->addWidget(text(QStringLiteral("Select the Deposit Date"), f), 0, 0);
    inputs->addWidget(DTPicker1, 0, 1, Qt::AlignLeft);
    auto* currencyCaption = new QVBoxLayout;
    currencyCaption->setSpacing(0);
    currencyCaption->addWidget(text(QStringLiteral("Total Currency with this Deposit"), f));
    QLabel* billsAndCoins = text(QStringLiteral("(Bills and Coins)"), f);
    billsAndCoins->setFont(scaled(font(), 0.9, false));
    currencyCaption->addWidget(billsAndCoins);
    inputs->addLayout(currencyCaption, 1, 0);
    inputs->addWidget(txtCurrency, 1, 1, Qt::AlignLeft);
    inputs->addWidget(text(QStringLiteral("No of Checks included with this Deposit"), f), 2, 0);
    inputs->addWidget(txtNoofChecks, 2, 1, Qt::AlignLeft);
    inputs->addWidget(cmdDepositCreation[0], 3, 1, Qt::AlignLeft);
    inputs->setRowStretch(4, 1);
    inputs->setColumnStretch(0, 1);

    auto* totals = new QGridLayout;
    totals->setHorizontalSpacing(12);
    totals->addWidget(text(QStringLiteral("Check Total"), f), 0, 0);
    totals->addWidget(lblTotalofChecks, 0, 1);
    totals->addWidget(text(QStringLiteral("Total of Deposit"), f), 1, 0);
    totals->addWidget(lblDepositTotal, 1, 1);
    totals->setColumnStretch(2, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdDepositCreation[1]);
    buttons->addWidget(cmdDepositCreation[4]);
    totals->addLayout(buttons, 0, 3, 2, 1);

    QGroupBox* checkEntry = buildCheckEntryFrame();
    keepSizeWhenHidden(checkEntry);

    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addLayout(inputs, 1);
    top->addWidget(checkEntry, 1);

    auto* layout = new QVBoxLayout(f);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(12);
    layout->addLayout(top, 1);
    layout->addWidget(rule(f));
    layout->addLayout(totals);
    return fraDepositCreation;
}

QGroupBox* frmDeposit::buildCheckEntryFrame() {
    fraCheckEntry = new QGroupBox(QStringLiteral("Check Entry"), fraDepositCreation);
    fraCheckEntry->setObjectName(QStringLiteral("fraCheckEntry"));
    QWidget* f = fraCheckEntry;

    txtCheckEntry.append(box(QStringLiteral("txtCheckEntry_0"),
                             QStringLiteral("Enter the Check No shown on the check"), f));
    txtCheckEntry.append(amountBox(QStringLiteral("txtCheckEntry_1"),
                                   QStringLiteral("Enter the amount shown on the check"), f));
    txtCheckEntry[0]->setMaximumWidth(txtCheckEntry[1]->maximumWidth());
    txtReceivedFrom = box(QStringLiteral("txtReceivedFrom"), QString(), f);
    txtReceivedFrom->setMinimumWidth(200);

    cmdDepositCreation[2] = button(QStringLiteral("cmdDepositCreation_2"), QStringLiteral("Accept"),
                                   QStringLiteral("Adds this Check to the Deposit Slip"), f);
    cmdDepositCreation[3] =
        button(QStringLiteral("cmdDepositCreation_3"), QStringLiteral("Redo Check Entry"),
               QStringLiteral("Clears this entry"), f);
    m_creationButtons->addButton(cmdDepositCreation[2], 2);
    m_creationButtons->addButton(cmdDepositCreation[3], 3);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(10);
    fields->setVerticalSpacing(8);
    fields->addWidget(text(QStringLiteral("Number on Customer Check"), f), 0, 0);
    fields->addWidget(txtCheckEntry[0], 0, 1);
    fields->addWidget(text(QStringLiteral("Amount of Check"), f), 1, 0);
    fields->addWidget(txtCheckEntry[1], 1, 1);
    fields->addWidget(text(QStringLiteral("Enter Received From:"), f), 2, 0, 1, 2);
    fields->addWidget(txtReceivedFrom, 3, 0, 1, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdDepositCreation[2]);
    buttons->addWidget(cmdDepositCreation[3]);

    QLabel* instruction =
        text(QStringLiteral("Enter Check No, Amount and Received From Information"), f);
    instruction->setWordWrap(true);
    instruction->setFont(scaled(font(), 1.0, true));

    auto* layout = new QVBoxLayout(f);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->setSpacing(10);
    layout->addWidget(instruction);
    layout->addLayout(fields);
    layout->addStretch(1);
    layout->addLayout(buttons);
    return fraCheckEntry;
}

void frmDeposit::connectInputRules() {
    // The key filters first: a key goes down before it types anything or is dropped.
    installAmountKeyFilter(*txtCurrency);
    pellar::installDigitKeyFilter(*txtNoofChecks);
    onKeyDown(*txtCurrency, [this] { currencyKeyDown(); });
    onKeyDown(*txtNoofChecks, [this] { checkCountKeyDown(); });
    onKeyDown(*txtCheckEntry[0], [this] { checkEntryKeyDown(0); });
    onKeyDown(*txtCheckEntry[1], [this] { checkEntryKeyDown(1); });

    for (QLineEdit* amount : {txtCurrency, txtCheckEntry[1]})
        onLeave(*amount, [this, amount] { pellar::CheckMoneyBox(*amount, m_desk); });
    // An empty amount back means none ("Accept" then deposits all), so leaving it empty for
    // the Accept button is no mistake.
    onLeave(*txtReceiveAmount, [this] {
        if (!txtReceiveAmount->text().trimmed().isEmpty())
            pellar::CheckMoneyBox(*txtReceiveAmount, m_desk);
    });
    onLeave(*txtNoofChecks, [this] { pellar::WholeNumberBox(*txtNoofChecks, m_desk); });
}

void frmDeposit::setTabOrder() {
    const QList<QWidget*> order{DTPicker1,
                                txtCurrency,
                                txtNoofChecks,
                                cmdDepositCreation[0],
                                txtCheckEntry[0],
                                txtCheckEntry[1],
                                txtReceivedFrom,
                                cmdDepositCreation[2],
                                cmdDepositCreation[3],
                                cmdDepositCreation[1],
                                cmdDepositCreation[4],
                                optCashBack[0],
                                optCashBack[1],
                                txtReceiveAmount,
                                cmdReceiveAmount,
                                cmdCashBack,
                                cmdDepositCreation[5],
                                cmdDepositContinue,
                                cmdDepositCreation[6],
                                cmdMenu};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

} // namespace deposits
