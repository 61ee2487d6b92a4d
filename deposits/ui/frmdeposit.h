#pragma once
// The deposit form: where one bank deposit is put together, printed and, once the person
// confirms it, logged and added to the checkbook balance. One window whose frames take
// turns: deposit creation (with check entry inside it), cash back, and the print screen.

#include "common/core/currency.h"
#include "common/core/desk.h"
#include "common/core/fileresult.h"
#include "common/core/programcontext.h"
#include "deposits/core/checkbook.h"
#include "deposits/core/depositslip.h"

#include <QDate>
#include <QList>
#include <QWidget>

class QButtonGroup;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace deposits {

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
    // Adds the new deposit (the caption of lblNewDeposit) to the balance and replaces the
    // checkbook data file. Refused, with nothing written, when the file read last was not
    // trustworthy or the caption is not an amount.
    pellar::FileResult SaveBank();
    // Appends one record to the transactions log. Refused, with nothing written, when the
    // checkbook data is not trustworthy or the log is full.
    pellar::FileResult WriteTransaction(const QString& description, pellar::Currency amount,
                                        QDate date);

    // Asked before a deposit is printed: false, after telling the person why, when the
    // deposit could not be recorded afterwards (damaged checkbook data, a full log).
    bool depositCanBeRecorded();

    bool bankLoaded() const { return m_bankTrusted; }
    const CheckbookRecord& bankRecord() const { return m_bank; }

    // What Print would print now, read from the form.
    DepositSlip slip() const;
    // The checks accepted so far, in entry order.
    const QList<DepositCheck>& checks() const { return m_checks; }

    // Deposit creation.
    QGroupBox* fraDepositCreation = nullptr;
    QDateEdit* DTPicker1 = nullptr;
    QLineEdit* txtCurrency = nullptr;
    QLineEdit* txtNoofChecks = nullptr;
    QLabel* lblTotalofChecks = nullptr;
    QLabel* lblDepositTotal = nullptr;
    // Indexes 0 "Enter Check Summary Data", 1 "Continue with Deposit Creation", 2 "Accept",
    // 3 "Redo Check Entry", 4, 5 and 6 "Redo Deposit" (one on each screen).
    QList<QPushButton*> cmdDepositCreation;

    // Check entry, inside deposit creation.
    QGroupBox* fraCheckEntry = nullptr;
    QList<QLineEdit*> txtCheckEntry; // 0 the check's number, 1 its amount
    QLineEdit* txtReceivedFrom = nullptr;

    // Cash back.
    QGroupBox* fraAmountBack = nullptr;
    QList<QRadioButton*> optCashBack; // 0 "No, Deposit All", 1 "Yes, Receive Cash Back"
    QLabel* lblDepositAmount = nullptr;
    QLabel* lblAmountBack = nullptr;
    // The net deposit after any cash back, in the regional currency format.
    QLabel* lblNewDeposit = nullptr;
    QPushButton* cmdCashBack = nullptr;
    QGroupBox* fraReceiveAmount = nullptr;
    QLineEdit* txtReceiveAmount = nullptr;
    QPushButton* cmdReceiveAmount = nullptr;

    // The print screen.
    QGroupBox* fraDepositSummary = nullptr;
    QLabel* lblNewDepositPrint = nullptr;
    QList<QLabel*> lblDeposit; // only index 1 is used
    QPushButton* cmdDepositContinue = nullptr;

    QPushButton* cmdMenu = nullptr;

signals:
    // The form has hidden itself; the start form is to be shown.
    void menuWanted();

private:
    // The screen (depositform_screen.cpp, depositform_panels.cpp).
    void buildScreen();
    QGroupBox* buildCreationFrame();
    QGroupBox* buildCheckEntryFrame();
    QGroupBox* buildAmountBackFrame();
    QGroupBox* buildSummaryFrame();
    void connectInputRules();
    void setTabOrder();

    // Deposit creation and check entry (depositform_entry.cpp).
    void ResetDeposit();
    void ClearDepositEntries();
    void ShowCheckEntryCaption();
    void ClearCheckEntry();
    void depositCreationClicked(int index);
    void enterCheckSummary();
    void acceptCheck();
    void checksComplete();
    void continueWithDeposit();
    void currencyKeyDown();
    void checkCountKeyDown();
    void checkEntryKeyDown(int index);
    bool continueAllowed() const;
    pellar::Currency currencyAmount() const;
    // Tells the person the deposit would be too large to log, and keeps the box for correction.
    void refuseTooLarge(QLineEdit& box);

    // Cash back (depositform_cashback.cpp).
    void startCashBack();
    void cashBackOptionClicked(int index);
    void receiveAmountAccepted();
    void cashBackContinue();
    void clearCashBackChoice();

    // Printing and confirmation (depositform_print.cpp).
    void printClicked();
    bool printDeposit(const pellar::PrinterChoice& printer);
    bool recordDeposit();

    void returnToMenu();

    pellar::ProgramContext& m_context;
    pellar::Desk& m_desk;
    CheckbookRecord m_bank;
    bool m_bankTrusted = false;
    QString m_bankProblem; // why the form's checkbook data is not to be trusted

    int m_checkCount = 0;   // checks announced for this deposit
    int m_currentCheck = 0; // 1-based number of the check being entered
    QList<DepositCheck> m_checks;
    pellar::Currency m_checksTotal;
    // Every announced check has been accepted and the count not touched since.
    bool m_checksComplete = false;

    QButtonGroup* m_creationButtons = nullptr;
    QButtonGroup* m_cashBackOptions = nullptr;
};

} // namespace deposits
