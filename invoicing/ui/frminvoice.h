#pragma once
// The invoice form: one invoice for the customer typed on customer entry. It shows the
// invoice number, a reference, the customer block and up to 50 item lines filled from the
// sales-item catalogue, then walks through the add-ons (labor, shipping, additional charges
// or credit, discount) to the Print button. A fresh form is made for every invoice and
// unloaded when the person goes back to the menu.
//
// The person works one step at a time: Ready (Create Invoice) -> Lines (fraData) -> Add-ons
// (fraInvoiceOptions) -> Charges (fraLabor, fraCompletion) -> Print. Only the panel of the
// current step is shown. Missing or unreadable input is answered with the alarm (a beep while
// alarms are on) and the focus in the box to fix; nothing else.

#include "invoicing/core/invoicetotals.h"

#include <QColor>
#include <QList>
#include <QMainWindow>
#include <QStringList>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace pellar {
struct PrinterChoice;
}

namespace invoicing {

class Billwright;
class InvoiceGrid;
class OptionCheckBox;

class frmInvoice : public QMainWindow {
public:
    explicit frmInvoice(Billwright& program);
    ~frmInvoice() override;

    // The customer block from the six customer-entry fields (name, street, apt/PO box, city,
    // state, ZIP): lines joined by CR LF, the apt/PO box line left out when empty, "city,state"
    // with no blank, no line break after the ZIP.
    static QString customerBlock(const QStringList& fields);

    // The sales-item catalogue as the drop-down list holds it now.
    QStringList catalogue() const;

    const InvoiceTotals& totals() const { return m_totals; }
    int lineCount() const { return m_lineCount; }
    // The counter: the number of the invoice being made. Editing the number box changes what
    // is printed, never this.
    qint32 invoiceNumber() const { return m_invoiceNumber; }

    // Whether a right-click over the grid offers "Delete Item": a posted line is current and
    // line entry is open.
    bool deleteMenuWanted() const;

    // Prints the invoice now on the form through the invoice layout: the number and reference
    // boxes, grid lines 1 to lineCount(), the amount boxes as shown, the customer-entry fields
    // and the options, on the printer chosen. False when the job could not start or did not
    // finish. (frminvoiceprint.cpp, with the Print button.)
    bool PrintInvoice(const pellar::PrinterChoice& printer);

    // ---- Controls, by their documented names ---------------------------------------------
    QLabel* lblCustomer;
    QPlainTextEdit* txtCustomer;
    QLabel* lblPO;
    QLineEdit* txtPO;
    QLabel* lblInvoiceNo;
    QLineEdit* txtInvoiceNo;
    QPushButton* cmdInvoice;
    QPushButton* cmdDelete;
    QPushButton* cmdPrint;
    QPushButton* cmdExit;
    InvoiceGrid* fgInvoice;
    QLabel* lblTotal;
    QLineEdit* txtTotal;
    QLabel* lblTax;
    QLineEdit* txtTax;
    QLabel* lblGrandTotal;
    QLineEdit* txtGrandTotal;

    // Line entry
    QGroupBox* fraData;
    QLabel* lblDescription;
    QComboBox* cboDescription;
    QLabel* lblQuantity;
    QLineEdit* txtQuantity;
    QLabel* lblPrice;
    QLineEdit* txtPrice;
    QPushButton* cmdPost;
    QPushButton* cmdCancel;
    QPushButton* cmdAdditem;
    QPushButton* cmdDeleteitem;
    QPushButton* cmdComplete;

    // Add-on choice
    QGroupBox* fraInvoiceOptions;
    OptionCheckBox* ckLabor;
    OptionCheckBox* ckShipping;
    OptionCheckBox* ckMisc;
    OptionCheckBox* ckDiscount;
    QPushButton* cmdClearChecks;
    QPushButton* cmdOptionsContinue;

    // Labor
    QGroupBox* fraLabor;
    QLabel* lblHours;
    QLineEdit* txtHours;
    QLabel* lblRate;
    QLineEdit* txtRate;
    QPushButton* cmdCal;
    QLabel* lblTotalLabor;
    QLineEdit* txtTotalLabor;
    QPushButton* Command1; // "Enter"
    QPushButton* cmdLaborRedo;

    // Charges
    QGroupBox* fraCompletion;
    QLabel* lblLabor;
    QLineEdit* txtLabor;
    QLabel* lblShip;
    QLineEdit* txtShip;
    QLabel* lblMisc;
    QLineEdit* txtMisc;
    QLabel* lblDiscount;
    QLineEdit* txtDiscount;

    QAction* mnuInvoiceHelp;
    QMenu* mnuPopup;
    QAction* mnuDeleteItem;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building the form
    void buildForm();
    QGroupBox* buildLineEntry();
    QGroupBox* buildAddOnChoice();
    QGroupBox* buildLabor();
    QGroupBox* buildCharges();
    QWidget* buildTotals();
    void connectControls();
    void setTabOrders();

    // Loading and activation
    void loadCatalogue();
    void activate();
    void fillCustomerBlock();
    void clearLineEntry();
    void resetInvoice();
    void resetPanels();
    void loadInvoiceNumber();
    void showInvoiceNumber();
    void setInvoiceButtons(bool ready);
    void showTotals();

    // Ready and Lines
    void cmdInvoiceClick();
    void cmdAdditemClick();
    void cmdDeleteitemClick();
    void cmdCancelClick();
    void cmdPostClick();
    void mnuDeleteItemClick();
    void deleteGridLine();
    void setLineCaption();
    void cmdCompleteClick();
    void cmdDeleteClick();
    void cmdExitClick();
    // Writes the catalogue back, unloads the form and shows the menu.
    void leaveToMenu();
    void showHelp();

    // Add-ons and charges
    void cmdClearChecksClick();
    void cmdOptionsContinueClick();
    void cmdCalClick();
    void command1Click();
    void txtTotalLaborLeft();
    void goToShipping();
    void goToMisc();
    void chargeBoxEntered(QLineEdit* box);
    void chargeBoxLeft(QLineEdit* box);
    // Puts the focus back into a box whose text was refused, keeping the text to correct.
    void refuse(QLineEdit* box);
    // The charge boxes' own tint, which they lose while typed into.
    void retintChargeBoxes();

    // The print button: printer choice, the invoice, the confirmation and the counter.
    void cmdPrintClick();
    // True while a box holds a text that was refused; the invoice is not finished then.
    bool refusedTextPending() const { return m_refusedBox != nullptr; }
    // What the counter becomes after a confirmed print.
    void advanceInvoiceCounter();

    // The alarm on a missing or unreadable input, and the focus to the box to fix.
    void alarm(QWidget* focusTo);

    Billwright& m_program;
    InvoiceTotals m_totals;
    QList<pellar::Currency> m_extensions; // what each posted line added to the sub-total
    int m_lineCount = 0;
    qint32 m_invoiceNumber = 0;
    bool m_catalogueReadable = true; // never write back a catalogue that could not be read
    QColor m_savedBackColor;
    QColor m_chargeBoxColor;
    QLineEdit* m_editedBox = nullptr;  // the charge box whose entry step has run
    QLineEdit* m_refocusing = nullptr; // a box getting its refused text back, not a new entry
    QLineEdit* m_refusedBox = nullptr; // a box still holding a refused text
    bool m_unloading = false;          // the form is going: focus moves mean nothing now
};

} // namespace invoicing
