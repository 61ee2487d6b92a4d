// The deposit form's later screens: cash back, and the print screen with its picture of
// the pre-printed sheet.
#include "deposits/ui/frmdeposit.h"

#include "deposits/ui/depositformwidgets.h"
#include "deposits/core/formpictures.h"

#include <QButtonGroup>
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

QGroupBox* frmDeposit::buildAmountBackFrame() {
    fraAmountBack = new QGroupBox(QStringLiteral("Cash Back from Deposit"), this);
    fraAmountBack->setObjectName(QStringLiteral("fraAmountBack"));
    QWidget* f = fraAmountBack;

    m_cashBackOptions = new QButtonGroup(this);
    const QStringList options{QStringLiteral("No, Deposit All"),
                              QStringLiteral("Yes, Receive Cash Back")};
    for (int i = 0; i < options.size(); ++i) {
        auto* option = new QRadioButton(options[i], f);
        option->setObjectName(QStringLiteral("optCashBack_%1").arg(i));
        optCashBack.append(option);
        m_cashBackOptions->addButton(option, i);
    }
    connect(m_cashBackOptions, &QButtonGroup::idClicked, this, &frmDeposit::cashBackOptionClicked);

    lblDepositAmount =
        amountLabel(QStringLiteral("lblDepositAmount"), QStringLiteral("Deposit Amount"), f);
    lblAmountBack = amountLabel(QStringLiteral("lblAmountBack"), QStringLiteral("Amount Back"), f);
    lblNewDeposit = amountLabel(QStringLiteral("lblNewDeposit"), QStringLiteral("New Deposit"), f);
    lblNewDeposit->setFont(scaled(font(), 1.0, true));

    cmdCashBack = button(QStringLiteral("cmdCashBack"), QStringLiteral("Continue"),
                         QStringLiteral("Continues the Deposit Process"), f);
    cmdDepositCreation[5] = button(QStringLiteral("cmdDepositCreation_5"),
                                   QStringLiteral("Redo Deposit"), QStringLiteral("Start over"), f);
    m_creationButtons->addButton(cmdDepositCreation[5], 5);
    connect(cmdCashBack, &QPushButton::clicked, this, &frmDeposit::cashBackContinue);

    fraReceiveAmount = new QGroupBox(QStringLiteral("Enter Amount Back"), f);
    fraReceiveAmount->setObjectName(QStringLiteral("fraReceiveAmount"));
    keepSizeWhenHidden(fraReceiveAmount);
    txtReceiveAmount = amountBox(QStringLiteral("txtReceiveAmount"), QString(), fraReceiveAmount);
    cmdReceiveAmount = button(QStringLiteral("cmdReceiveAmount"), QStringLiteral("Accept"),
                              QStringLiteral("Deducts the Casj Back Amount from the Deposit Total"),
                              fraReceiveAmount);
    connect(cmdReceiveAmount, &QPushButton::clicked, this, &frmDeposit::receiveAmountAccepted);
    auto* receive = new QHBoxLayout(fraReceiveAmount);
    receive->setContentsMargins(12, 10, 12, 10);
    receive->addWidget(txtReceiveAmount);
    receive->addWidget(cmdReceiveAmount);

    auto* choice = new QVBoxLayout;
    choice->setSpacing(8);
    QLabel* question =
        text(QStringLiteral("Click Yes if you would like Cash Back from this Deposit"), f);
    question->setFont(scaled(font(), 1.0, true));
    choice->addWidget(question);
    choice->addWidget(optCashBack[0]);
    choice->addWidget(optCashBack[1]);
    choice->addWidget(fraReceiveAmount, 0, Qt::AlignLeft);
    choice->addStretch(1);

    auto* amounts = new QGridLayout;
    amounts->setHorizontalSpacing(12);
    amounts->setVerticalSpacing(8);
    amounts->addWidget(text(QStringLiteral("Grand Total"), f), 0, 0);
    amounts->addWidget(lblDepositAmount, 0, 1);
    amounts->addWidget(text(QStringLiteral("Amount Back"), f), 1, 0);
    amounts->addWidget(lblAmountBack, 1, 1);
    amounts->addWidget(rule(f), 2, 1);
    amounts->addWidget(text(QStringLiteral("New Total"), f), 3, 0);
    amounts->addWidget(lblNewDeposit, 3, 1);
    amounts->setRowStretch(4, 1);

    auto* top = new QHBoxLayout;
    top->setSpacing(24);
    top->addLayout(choice, 1);
    top->addLayout(amounts);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(text(QStringLiteral("Click Continue when Correct"), f), 1);
    buttons->addWidget(cmdCashBack);
    buttons->addWidget(cmdDepositCreation[5]);
    cmdCashBack->setMinimumWidth(cmdDepositCreation[5]->sizeHint().width());

    auto* layout = new QVBoxLayout(f);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(12);
    layout->addLayout(top, 1);
    layout->addWidget(rule(f));
    layout->addLayout(buttons);
    return fraAmountBack;
}

QGroupBox* frmDeposit::buildSummaryFrame() {
    fraDepositSummary = new QGroupBox(QStringLiteral("Deposit Summary Report Form"), this);
    fraDepositSummary->setObjectName(QStringLiteral("fraDepositSummary"));
    QWidget* f = fraDepositSummary;

    // The pre-printed sheet and where things land on it.
    const QSize pictureSize(170, 220);
    auto* picture = new QLabel(f);
    picture->setPixmap(depositTicketPicture(pictureSize));
    picture->setFixedSize(pictureSize);
    QLabel* leadingEdge = text(QStringLiteral("Leading Edge"), f);
    QLabel* ticketNote = text(QStringLiteral("Ck No's Print Here"), f);
    QLabel* journalNote = text(QStringLiteral("Sales Journal Prints Here"), f);
    // Arrows from the notes to the part of the sheet they name.
    QLabel* intoPrinter = text(QStringLiteral("\u25B2"), f);
    QLabel* toTicket = text(QStringLiteral("\u25C0"), f);
    QLabel* toJournal = text(QStringLiteral("\u25C0"), f);
    for (QLabel* note : {leadingEdge, ticketNote, journalNote, intoPrinter, toTicket, toJournal}) {
        note->setFont(scaled(font(), 0.9, false));
        note->setStyleSheet(QStringLiteral("color: #28406e;"));
    }
    auto* edge = new QVBoxLayout;
    edge->setSpacing(0);
    edge->addWidget(leadingEdge, 0, Qt::AlignHCenter);
    edge->addWidget(intoPrinter, 0, Qt::AlignHCenter);
    const auto note = [](QLabel* arrow, QLabel* caption) {
        auto* row = new QHBoxLayout;
        row->setSpacing(4);
        row->addWidget(arrow);
        row->addWidget(caption);
        row->addStretch(1);
        return row;
    };
    auto* sheet = new QGridLayout;
    sheet->setHorizontalSpacing(6);
    sheet->setVerticalSpacing(2);
    sheet->addLayout(edge, 0, 0);
    sheet->addWidget(picture, 1, 0, 2, 1);
    sheet->addLayout(note(toTicket, ticketNote), 1, 1, Qt::AlignVCenter);
    sheet->addLayout(note(toJournal, journalNote), 2, 1, Qt::AlignVCenter);
    // The ticket takes the top two-fifths of the sheet, the journal the rest.
    sheet->setRowStretch(1, 2);
    sheet->setRowStretch(2, 3);

    QLabel* orderNumber = text(QStringLiteral("(Deluxe  #  80200)"), f);
    orderNumber->setFont(scaled(font(), 1.0, true));
    QLabel* clickPrint = text(QStringLiteral("Click Print"), f);
    clickPrint->setFont(scaled(font(), 1.3, true));
    lblNewDepositPrint =
        namedLabel(QStringLiteral("lblNewDepositPrint"), QStringLiteral("0.00"), f);
    lblNewDepositPrint->setFont(scaled(font(), 1.6, true));
    lblDeposit.append(nullptr);
    lblDeposit.append(
        namedLabel(QStringLiteral("lblDeposit_1"),
                   QStringLiteral("Insert a pre-printed Deposit Form into the Printer"), f));
    lblDeposit[1]->setWordWrap(true);
    lblDeposit[1]->setStyleSheet(QStringLiteral("color: #8b1a1a;"));
    lblDeposit[1]->setFont(scaled(font(), 1.0, true));

    cmdDepositContinue = button(QStringLiteral("cmdDepositContinue"), QStringLiteral("&Print"),
                                QStringLiteral("Print the Deposit Slip and Summary"), f);
    cmdDepositCreation[6] = button(QStringLiteral("cmdDepositCreation_6"),
                                   QStringLiteral("Redo Deposit"), QStringLiteral("Start over"), f);
    m_creationButtons->addButton(cmdDepositCreation[6], 6);
    cmdDepositContinue->setMinimumWidth(cmdDepositCreation[6]->sizeHint().width());
    connect(cmdDepositContinue, &QPushButton::clicked, this, &frmDeposit::printClicked);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdDepositContinue);
    buttons->addWidget(cmdDepositCreation[6]);

    auto* side = new QVBoxLayout;
    side->setSpacing(10);
    side->addWidget(orderNumber);
    side->addSpacing(8);
    side->addWidget(clickPrint);
    side->addWidget(lblNewDepositPrint);
    side->addStretch(1);
    side->addWidget(lblDeposit[1]);
    side->addLayout(buttons);

    auto* layout = new QHBoxLayout(f);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(24);
    layout->addLayout(sheet);
    layout->addLayout(side, 1);
    return fraDepositSummary;
}

} // namespace deposits
