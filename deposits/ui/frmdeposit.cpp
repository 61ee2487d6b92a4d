#include "deposits/ui/frmdeposit.h"

#include "common/ui/tinted.h"
#include "common/ui/keyboard.h"
#include "deposits/core/slipmakerinfo.h"
#include "deposits/core/transactionlog.h"
#include "deposits/ui/cashbackpanel.h"
#include "deposits/ui/checkentrypanel.h"
#include "deposits/ui/depositformwidgets.h"
#include "deposits/ui/depositprinting.h"
#include "deposits/ui/printscreenpanel.h"
#include "deposits/ui/summaryentrypanel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace deposits {

using Refusal = DepositDraft::Refusal;
using Step = DepositDraft::Step;

frmDeposit::frmDeposit(pellar::ProgramContext& context, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
    , m_desk(context.desk)
    , m_bank(context.data) {
    setObjectName(QStringLiteral("frmDeposit"));
    setWindowTitle(tr("Deposit Creation"));

    m_checkEntry = new CheckEntryPanel(m_desk, this);
    m_entry = new SummaryEntryPanel(m_desk, m_checkEntry, this);
    m_cashBack = new CashBackPanel(m_desk, this);
    m_printScreen = new PrintScreenPanel(this);

    // The three screens share one place; each keeps its size while hidden, so the window
    // does not jump from one step to the next.
    auto* screens = new QGridLayout;
    for (QWidget* screen : {static_cast<QWidget*>(m_entry), static_cast<QWidget*>(m_cashBack),
                            static_cast<QWidget*>(m_printScreen)}) {
        depositwidgets::keepSizeWhenHidden(screen);
        screens->addWidget(screen, 0, 0);
    }
    QPushButton* menu = depositwidgets::button(QStringLiteral("cmdMenu"), tr("&Menu"),
                                               tr("Return to Main Menu"), this);
    menu->setMinimumWidth(110);
    connect(menu, &QPushButton::clicked, this, &frmDeposit::returnToMenu);

    m_note = new pellar::ui::StatusNote(this);
    pellar::ui::tinted(m_note, pellar::Tint::Warning);
    auto* foot = new QHBoxLayout;
    foot->addWidget(m_note, 1);
    foot->addWidget(menu);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(14, 12, 14, 12);
    outer->setSpacing(10);
    outer->addLayout(screens, 1);
    outer->addLayout(foot);

    connectPanels();
    setTabOrder();
    ResetDeposit();
    resize(sizeHint());
}

frmDeposit::~frmDeposit() = default;

void frmDeposit::connectPanels() {
    connect(m_entry, &SummaryEntryPanel::dateChanged, this,
            [this](QDate date) { m_draft.setDate(date); });
    connect(m_entry, &SummaryEntryPanel::currencyTyped, this, [this] {
        m_draft.currencyTyped(m_entry->announcedChecks());
        showDraft();
    });
    connect(m_entry, &SummaryEntryPanel::countTyped, this, [this] {
        m_draft.countTyped();
        showDraft();
    });
    connect(m_entry, &SummaryEntryPanel::countChanged, this, [this] {
        m_draft.countChanged(m_entry->announcedChecks());
        showDraft();
    });
    // A box's own rule has beeped already; the note says why.
    const auto say = [this](const QString& why) {
        m_note->say(why);
    };
    connect(m_entry, &SummaryEntryPanel::refused, this, say);
    connect(m_checkEntry, &CheckEntryPanel::refused, this, say);
    connect(m_cashBack, &CashBackPanel::refused, this, say);
    connect(m_entry, &SummaryEntryPanel::checkSummaryClicked, this, &frmDeposit::enterCheckSummary);
    connect(m_entry, &SummaryEntryPanel::continueClicked, this, &frmDeposit::continueWithDeposit);

    connect(m_checkEntry, &CheckEntryPanel::checkTyped, this, [this] {
        m_draft.checkTyped();
        showDraft();
    });
    connect(m_checkEntry, &CheckEntryPanel::acceptClicked, this, &frmDeposit::acceptCheck);
    connect(m_checkEntry, &CheckEntryPanel::redoClicked, this, [this] {
        ClearCheckEntry();
        ShowCheckEntryCaption();
    });

    connect(m_cashBack, &CashBackPanel::depositAllChosen, this, [this] {
        m_draft.depositAll();
        showDraft();
    });
    connect(m_cashBack, &CashBackPanel::cashBackChosen, this, [this] {
        m_draft.chooseCashBack();
        showDraft();
        m_cashBack->openAmountBack();
    });
    connect(m_cashBack, &CashBackPanel::amountBackAccepted, this,
            &frmDeposit::receiveAmountAccepted);
    connect(m_cashBack, &CashBackPanel::continueClicked, this, &frmDeposit::cashBackContinue);

    connect(m_printScreen, &PrintScreenPanel::printClicked, this, &frmDeposit::printClicked);
    connect(m_printScreen, &PrintScreenPanel::previewClicked, this, &frmDeposit::previewClicked);
    connect(m_printScreen, &PrintScreenPanel::savePdfClicked, this, &frmDeposit::savePdfClicked);

    // "Redo Deposit" on each screen; the checkbook is not read again.
    connect(m_entry, &SummaryEntryPanel::redoClicked, this, &frmDeposit::ResetDeposit);
    connect(m_cashBack, &CashBackPanel::redoClicked, this, &frmDeposit::ResetDeposit);
    connect(m_printScreen, &PrintScreenPanel::redoClicked, this, &frmDeposit::ResetDeposit);
}

void frmDeposit::setTabOrder() {
    // Across the panels, by the controls' documented names.
    const QStringList order{"DTPicker1",
                            "txtCurrency",
                            "txtNoofChecks",
                            "cmdDepositCreation_0",
                            "txtCheckEntry_0",
                            "txtCheckEntry_1",
                            "txtReceivedFrom",
                            "cmdDepositCreation_2",
                            "cmdDepositCreation_3",
                            "cmdDepositCreation_1",
                            "cmdDepositCreation_4",
                            "optCashBack_0",
                            "optCashBack_1",
                            "txtReceiveAmount",
                            "cmdReceiveAmount",
                            "cmdCashBack",
                            "cmdDepositCreation_5",
                            "cmdDepositContinue",
                            "cmdPrintPreview",
                            "cmdSaveAsPdf",
                            "cmdDepositCreation_6",
                            "cmdMenu"};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(findChild<QWidget*>(order[i - 1]), findChild<QWidget*>(order[i]));
}

void frmDeposit::returnToMenu() {
    hide();
    emit menuWanted();
}

bool frmDeposit::activate() {
    ResetDeposit();
    if (LoadBank())
        return true;
    if (!m_context.exiting())
        returnToMenu();
    return false;
}

bool frmDeposit::LoadBank() {
    const CheckbookRead read = m_bank.LoadBank();
    switch (read.status) {
    case CheckbookRead::Status::Loaded:
        return true;
    case CheckbookRead::Status::Missing:
        m_desk.message(programTitle(),
                       {tr("You need to create your Checkbook Data file"),
                        tr("Using the PellarWriter Program")},
                       pellar::MessageButtons::Ok);
        m_context.exitProgram();
        return false;
    case CheckbookRead::Status::Damaged:
        break;
    }
    // The balance on file cannot be read, so nothing may be added to it or written over it.
    m_desk.message(programTitle(),
                   {read.problem, tr("No deposit can be recorded until the file is repaired "
                                     "with the PellarWriter Program.")},
                   pellar::MessageButtons::Ok);
    return false;
}

void frmDeposit::showDraft() {
    m_entry->showDraft(m_draft);
    m_checkEntry->showDraft(m_draft);
    m_cashBack->showDraft(m_draft);
    m_printScreen->showDraft(m_draft);
}

void frmDeposit::showStep(const std::function<void()>& focus) {
    const Step step = m_draft.step();
    const bool creating = step == Step::Creation || step == Step::CheckEntry;
    QList<QWidget*> shown;
    if (creating)
        shown << m_entry;
    if (step == Step::CheckEntry)
        shown << m_checkEntry;
    if (step == Step::CashBack)
        shown << m_cashBack;
    if (step == Step::Print)
        shown << m_printScreen;
    for (QWidget* panel : shown)
        panel->show();
    if (creating)
        m_entry->raise();
    focus();
    for (QWidget* panel :
         {static_cast<QWidget*>(m_entry), static_cast<QWidget*>(m_checkEntry),
          static_cast<QWidget*>(m_cashBack), static_cast<QWidget*>(m_printScreen)}) {
        if (!shown.contains(panel))
            panel->hide();
    }
}

void frmDeposit::refuse(Refusal why) {
    switch (why) {
    case Refusal::None:
        return;
    case Refusal::TooManyChecks:
        m_desk.message(
            programTitle(),
            {tr("The deposit form can list at most %1 checks.").arg(DepositDraft::mostChecks()),
             tr("Please split these checks over two or more deposits.")},
            pellar::MessageButtons::Ok);
        return;
    case Refusal::TooLarge:
        m_desk.message(programTitle(), {depositTooLargeText()}, pellar::MessageButtons::Ok);
        return;
    default:
        pellar::ui::refuse(m_desk, m_note, refusalWords(why, m_draft));
        return;
    }
}

void frmDeposit::ResetDeposit() {
    m_draft.reset(m_desk.today());
    showDraft();
    showStep([this] { m_entry->focusCurrency(); });
    ClearDepositEntries();
}

void frmDeposit::ClearDepositEntries() {
    m_entry->clearEntries(m_desk.today());
    m_checkEntry->emptyBoxes();
}

void frmDeposit::ShowCheckEntryCaption() {
    m_checkEntry->showCaption(m_draft.currentCheck(), m_entry->countText());
}

void frmDeposit::ClearCheckEntry() {
    m_draft.clearCheckEntry();
    showDraft();
    m_checkEntry->clearCheck();
}

void frmDeposit::enterCheckSummary() {
    // Checks already accepted are never dropped without asking.
    if (const int accepted = m_draft.acceptedWhileOwed(); accepted > 0) {
        const QString checks = accepted == 1 ? tr("1 check") : tr("%1 checks").arg(accepted);
        if (m_desk.message(programTitle(),
                           {tr("%1 of this deposit already entered will be dropped.").arg(checks),
                            tr("Start the check entry over?")},
                           pellar::MessageButtons::YesNoDefaultNo) != pellar::MessageAnswer::Yes)
            return;
    }
    if (const Refusal why = m_draft.announceChecks(m_entry->announcedChecks());
        why != Refusal::None) {
        refuse(why);
        m_entry->focusCount(why == Refusal::TooManyChecks);
        return;
    }
    showDraft();
    ShowCheckEntryCaption();
    showStep([this] { m_checkEntry->clearCheck(); });
}

bool frmDeposit::takeCurrency() {
    const std::optional<pellar::Currency> currency = m_entry->currency();
    if (!currency) {
        refuse(Refusal::NotAnAmount);
        m_entry->focusCurrency(true);
        return false;
    }
    m_draft.setCurrency(*currency);
    return true;
}

void frmDeposit::acceptCheck() {
    if (!m_checkEntry->amountRuleKept() || !takeCurrency())
        return;
    const TypedCheck typed = m_checkEntry->typedCheck();
    if (const Refusal why = m_draft.checkRefusal(typed); why != Refusal::None) {
        refuse(why);
        if (why != Refusal::MissingField)
            m_checkEntry->focusAmount();
        return;
    }
    const pellar::MessageAnswer answer = m_desk.message(
        tr("Payment Verification"),
        {tr("Click Okay if the Summary Information is Correct"),
         tr("      Check No   ") + typed.number, tr("      Amount     ") + typed.amount,
         tr("      From       ") + typed.payer},
        pellar::MessageButtons::OkCancel);
    if (answer != pellar::MessageAnswer::Ok) {
        ClearCheckEntry(); // the same check is entered again
        return;
    }
    m_draft.acceptCheck(typed);
    showDraft();
    if (m_draft.step() == Step::CheckEntry) {
        ShowCheckEntryCaption();
        m_checkEntry->clearCheck();
        return;
    }
    showStep([this] { m_entry->focusContinue(); });
}

void frmDeposit::continueWithDeposit() {
    if (!takeCurrency())
        return;
    if (const Refusal why = m_draft.continueToCashBack(m_entry->announcedChecks());
        why != Refusal::None) {
        refuse(why);
        if (why == Refusal::TooLarge)
            m_entry->focusCurrency(true);
        return;
    }
    showDraft();
    showStep([this] { m_cashBack->focusContinue(); });
}

void frmDeposit::receiveAmountAccepted() {
    if (m_cashBack->amountBackEmpty()) {
        m_draft.depositAll();
        showDraft();
        return;
    }
    if (!m_cashBack->amountRuleKept())
        return;
    const std::optional<pellar::Currency> back = m_cashBack->amountBack();
    if (const Refusal why = back ? m_draft.receiveCashBack(*back) : Refusal::NotAnAmount;
        why != Refusal::None) {
        refuse(why);
        m_cashBack->focusAmountBack();
        return;
    }
    showDraft();
}

void frmDeposit::cashBackContinue() {
    m_draft.continueToPrint();
    showDraft();
    showStep([this] { m_printScreen->focusPrint(); });
}

void frmDeposit::printClicked() {
    // Asked first: a deposit that cannot be recorded must not be printed as if it could.
    if (depositCanBeRecorded(m_desk, m_bank, m_draft.net()) &&
        printDeposit(m_context, m_draft.slip()) == SheetsOutcome::Done)
        confirmAndRecord();
}

void frmDeposit::previewClicked() {
    previewDepositSheets(m_desk, m_context.data, m_context.printer, m_draft.slip());
}

void frmDeposit::savePdfClicked() {
    // A saved PDF stands for the printed slip: the same check before anything is recorded.
    if (depositCanBeRecorded(m_desk, m_bank, m_draft.net()) &&
        saveDepositTelling(m_desk, m_context.data, m_draft.slip()) == SheetsOutcome::Done)
        confirmAndRecord();
}

void frmDeposit::confirmAndRecord() {
    const pellar::MessageAnswer answer = m_desk.message(
        tr("Deposit Complete"),
        {tr("Review the Deposit Ticket"), tr("Click YES if Correct"), tr("Click NO if Incorrect ")},
        pellar::MessageButtons::YesNo);
    if (answer != pellar::MessageAnswer::Yes || !recordDeposit(m_desk, m_bank, m_draft)) {
        activate(); // a fresh start: nothing (more) written
        return;
    }
    keepDepositCopy(m_desk, m_context.data, m_draft.slip());
    ClearDepositEntries();
    returnToMenu();
}

} // namespace deposits
