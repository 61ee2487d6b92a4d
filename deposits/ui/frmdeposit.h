#pragma once
// The deposit form: where one bank deposit is put together, printed and, once the person
// confirms it, logged and added to the checkbook balance. One window whose panels take
// turns as the draft moves on: deposit creation (with check entry inside it), cash back,
// and the print screen.

#include "common/core/desk.h"
#include "common/core/programcontext.h"
#include "deposits/core/depositbank.h"
#include "deposits/core/depositdraft.h"

#include <QWidget>

namespace pellar::ui {
class StatusNote;
}

namespace deposits {

class CashBackPanel;
class CheckEntryPanel;
class PrintScreenPanel;
class SummaryEntryPanel;

class frmDeposit : public QWidget {
    Q_OBJECT
public:
    explicit frmDeposit(pellar::ProgramContext& context, QWidget* parent = nullptr);
    ~frmDeposit() override;

    // Every showing of the form: back to the first step, then the checkbook data. False when
    // the data could not be had; the program is then ending (no file) or the form has gone
    // back to the menu (a damaged file).
    bool activate();

    // Reads the checkbook data file into the form. No file: the person is told, and the
    // program ends. A damaged file: the person is told which file and what is wrong, and no
    // deposit can be recorded until a good file is read. True when the data was read.
    bool LoadBank();

    const DepositDraft& draft() const { return m_draft; }
    const DepositBank& bank() const { return m_bank; }

signals:
    // The form has hidden itself; the start form is to be shown.
    void menuWanted();

private:
    void connectPanels();
    void setTabOrder();

    // The steps.
    void ResetDeposit();
    void ClearDepositEntries();
    void ShowCheckEntryCaption();
    void ClearCheckEntry();
    void enterCheckSummary();
    void acceptCheck();
    void continueWithDeposit();
    void receiveAmountAccepted();
    void cashBackContinue();
    bool takeCurrency();
    // Each panel shows the draft as it now stands.
    void showDraft();
    // The panels of the draft's step are shown and the focus put in `focus` before the
    // other panels go, so the focus never passes through their boxes.
    void showStep(const std::function<void()>& focus);
    // The one place an action is refused: a message, or the beep with the reason in words
    // on the status note.
    void refuse(DepositDraft::Refusal why);

    // Print (or save as PDF), confirm, record: the one print flow of the form. A preview
    // records nothing.
    void printClicked();
    void previewClicked();
    void savePdfClicked();
    void confirmAndRecord();
    void returnToMenu();

    pellar::ProgramContext& m_context;
    pellar::Desk& m_desk;
    DepositBank m_bank;
    DepositDraft m_draft;

    SummaryEntryPanel* m_entry = nullptr;
    CheckEntryPanel* m_checkEntry = nullptr;
    CashBackPanel* m_cashBack = nullptr;
    PrintScreenPanel* m_printScreen = nullptr;
    pellar::ui::StatusNote* m_note = nullptr;
};

} // namespace deposits
