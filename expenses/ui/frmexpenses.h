#pragma once
// The expense form: the entry screen where a payment is recorded (to one category, split
// over several, or as a partial payment with a finance charge), the review grid of the
// posted expenses of a period, and the cleanup screen that removes the records of a date
// range. The three frames share one area of the form; one of them is seen at a time.

#include <QDate>
#include <QMainWindow>
#include <QStringList>

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;
class QTableView;
class QTableWidget;

namespace pellar {
class Desk;
}

namespace expenses {

class ExpenseGridModel;
class SpendlogForms;

class frmExpenses : public QMainWindow {
    Q_OBJECT
public:
    // The indexes of the button array cmdExpense.
    enum Button {
        Menu = 0,
        Enter = 1,
        Complete = 4,
        FinanceContinue = 5,
        SplitEnter = 6,
        Redo = 7,
        ClearAmount = 8,
        SplitRedo = 9,
        SplitContinue = 10,
        Cleanup = 11,
        Hide = 12,
        ButtonCount = 13
    };
    // The review frame's buttons, cmdExpensesGrid.
    enum GridButton { GridMTD = 0, GridEternity = 1, GridClose = 2, GridYTD = 3 };
    // The cleanup presets, cmdIncome.
    enum Preset { PresetEternity = 0, PresetMTD = 3, PresetYTD = 4, PresetLastMonth = 6 };
    // The charging modes, optExpenses.
    enum Mode { SingleCategory = 0, MultipleCategories = 1, PartialPayment = 2 };

    explicit frmExpenses(SpendlogForms& forms);

    // Once per run: the forms of payment follow from whether the checkbook program's data
    // is there.
    void formLoad();
    // Shows the form and runs its activation: payees and categories read again, the entry
    // screen reset.
    void showForm();
    // The payee list: the contacts' names, in file order.
    void setPayees(const QStringList& names);

    // Lists the records from the start date to today in the review grid, with their total.
    void RefreshExpenseGrid();
    // Back to a fresh single-category entry dated today.
    void ResetEntryScreen();

    // The period the review lists and the range a cleanup removes.
    QDate startDate() const { return m_startDate; }
    QDate endDate() const { return m_endDate; }
    // The charging mode chosen, -1 for none.
    int chargingMode() const;
    ExpenseGridModel& gridModel() const { return *m_gridModel; }

    // Entry frame.
    QGroupBox* fraMain;
    QListWidget* lstVendors;
    QDateEdit* DTPicker1;
    QLineEdit* txtAmount;
    QGroupBox* fraPaymentForm;
    QRadioButton* optPayment[4];
    QLabel* lblReference;
    QLineEdit* txtReference;
    QLabel* lblCBFound[2];
    QGroupBox* fraPayto;
    QComboBox* cboExpenseCategories;
    QRadioButton* optExpenses[3];
    QCheckBox* ckAllowNegative;
    QGroupBox* fraAssignAmount;
    QLineEdit* txtSplitAmount;
    QLabel* lblAmount;
    QLabel* lblRemaining;
    QGroupBox* fraFinance;
    QLineEdit* txtFinance;
    QGroupBox* fraSplit;
    QTableWidget* fgSplit;
    QPushButton* cmdExpense[ButtonCount]; // indexes 2 and 3 are not used

    QMenu* mnuReport;
    QAction* mnuExpenses;
    QAction* mnuCleanup;

    // Review frame.
    QGroupBox* fraExpenses;
    QTableView* fgExpenses;
    QLabel* lblTotal;
    QLabel* lblPeriod;     // the period listed
    QLabel* lblUnreadable; // records that could not be read, when there are any
    QPushButton* cmdExpensesGrid[4];

    // Cleanup frame.
    QGroupBox* fraCleanup;
    QDateEdit* DTStartDate;
    QDateEdit* DTEndDate;
    QPushButton* cmdIncome[7]; // indexes 0, 3, 4 and 6
    QLabel* lblCleanupResult;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building the screen (one file per frame).
    QGroupBox* buildEntryFrame();
    QGroupBox* buildPaytoFrame();
    void buildSplitFrame();
    QGroupBox* buildReviewFrame();
    QGroupBox* buildCleanupFrame();
    void buildMenus();
    QPushButton* makeButton(int index, const QString& caption, const QString& tip, QWidget* parent);
    void showFrame(QGroupBox* frame);

    void activate();
    void onButton(int index);

    // Entry.
    void paymentClicked(int option);
    // A missing amount is asked for only when prompt is set.
    void chargingModeClicked(int mode, bool prompt);
    // Selects a mode from code.
    void selectChargingMode(int mode, bool prompt);
    void deselectChargingModes();
    void amountEdited();
    void amountLeft();
    void dateChanged();
    void allowNegativeClicked();
    void categoryClicked();
    bool ValidateEntry();
    void ShowInputError();
    bool ConfirmPosting(const QString& payee, const QString& category, int option,
                        const QString& amountText, QDate date);
    bool ensureRoomFor(int records);
    void postSingleCategory();
    void clearAmount();
    int paymentOption() const;
    bool amountMissing() const;
    void setAmountLabels();

    // Split lines and the finance charge.
    void enterSplitLine();
    void completeSplit();
    void postSplit();
    void postFinanceCharge();
    void resetSplitGrid();
    void placeSplitSummary();

    // Review.
    void showReview();
    void gridButton(int index);

    // Cleanup.
    void openCleanup();
    void setPicker(QDateEdit* picker, QDate date);
    void pickerChanged(QDateEdit* picker);
    void preset(int index);
    void runCleanup();

    SpendlogForms& m_forms;
    pellar::Desk& m_desk;
    ExpenseGridModel* m_gridModel;
    QButtonGroup* m_payments;
    QButtonGroup* m_modes;
    QDate m_startDate;
    QDate m_endDate;
    int m_splitRow = 0; // the grid row the next split line goes into
};

} // namespace expenses
