#pragma once
// The panels the invoice form is made of. Each owns its controls (named by their documented
// names), shows a part of the invoice draft and reports what the person does by signals; none
// keeps a figure of its own. focus() puts the focus where a step sends it, when that control
// is the panel's.

#include "invoicing/core/catalogue.h"
#include "invoicing/core/chargeentry.h"
#include "invoicing/core/invoicedraft.h"

#include <QGroupBox>
#include <QList>
#include <QWidget>
#include <optional>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace invoicing {

class OptionCheckBox;

// The head of the form: the customer block, the reference, the invoice number and the
// buttons Create Invoice, ReDo, Print (with Print Preview and Save as PDF beside it) and Menu.
class InvoiceHeaderPanel : public QWidget {
    Q_OBJECT
public:
    explicit InvoiceHeaderPanel(QWidget* parent);
    void showCustomer(const CustomerAddress& customer);
    void showNumber(const QString& number);
    void showStage(InvoiceDraft::Stage stage);
    void focusReference();
    bool focus(InvoiceField field);
    // The controls in Tab order, for the form's Tab walk through all panels.
    QList<QWidget*> tabChain() const;

signals:
    void createClicked();
    void redoClicked();
    void printClicked();
    void previewClicked();
    void savePdfClicked();
    void menuClicked();
    void referenceEdited(const QString& reference);
    void numberEdited(const QString& number);

private:
    QWidget* widgetFor(InvoiceField field) const;
    QPlainTextEdit* m_customer = nullptr; // txtCustomer
    QLineEdit* m_reference = nullptr;     // txtPO
    QLineEdit* m_number = nullptr;        // txtInvoiceNo
    QPushButton* m_create = nullptr;      // cmdInvoice
    QPushButton* m_redo = nullptr;        // cmdDelete
    QPushButton* m_print = nullptr;       // cmdPrint
    QPushButton* m_preview = nullptr;     // cmdPreview
    QPushButton* m_savePdf = nullptr;     // cmdSavePdf
    QPushButton* m_menu = nullptr;        // cmdExit
};

// Line entry (fraData): the item from the catalogue or typed, quantity and price, Post and
// Cancel, and the catalogue's own editing.
class LineEntryPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit LineEntryPanel(const Catalogue& catalogue);
    const Catalogue& catalogue() const { return m_catalogue; }
    // What the person typed or picked.
    QString item() const;
    QString quantity() const;
    QString price() const;
    void clearEntry();
    void showDraft(const InvoiceDraft& draft);
    bool focus(InvoiceField field);
    // The controls in Tab order, for the form's Tab walk through all panels.
    QList<QWidget*> tabChain() const;

signals:
    void postClicked();
    void completeClicked();
    // A catalogue step taken or refused.
    void stepTaken(const StepResult& step);

private:
    QWidget* widgetFor(InvoiceField field) const;
    void addToCatalogue();
    void deleteFromCatalogue();

    Catalogue m_catalogue;
    QComboBox* m_item = nullptr;            // cboDescription
    QLineEdit* m_quantity = nullptr;        // txtQuantity
    QLineEdit* m_price = nullptr;           // txtPrice
    QPushButton* m_post = nullptr;          // cmdPost
    QPushButton* m_cancel = nullptr;        // cmdCancel
    QPushButton* m_addItem = nullptr;       // cmdAdditem
    QPushButton* m_deleteItem = nullptr;    // cmdDeleteitem
    QPushButton* m_itemsComplete = nullptr; // cmdComplete
};

// The add-on choice (fraInvoiceOptions): labor, shipping, charges and discount ticks, Clear
// All and Continue.
class AddOnPanel : public QGroupBox {
    Q_OBJECT
public:
    AddOnPanel();
    // Shows the add-ons and reports them as edited once.
    void showAddOns(AddOns addOns);
    bool focus(InvoiceField field);
    // The controls in Tab order, for the form's Tab walk through all panels.
    QList<QWidget*> tabChain() const;

signals:
    void edited(const AddOns& addOns);
    void continueClicked();

private:
    QWidget* widgetFor(InvoiceField field) const;
    AddOns addOns() const;

    OptionCheckBox* m_labor = nullptr;    // ckLabor
    OptionCheckBox* m_shipping = nullptr; // ckShipping
    OptionCheckBox* m_misc = nullptr;     // ckMisc
    OptionCheckBox* m_discount = nullptr; // ckDiscount
    QPushButton* m_clearAll = nullptr;    // cmdClearChecks
    QPushButton* m_continue = nullptr;    // cmdOptionsContinue
    bool m_showing = false;
};

// Labor (fraLabor): hours times rate by Calculate, or the total typed; Enter and Redo.
class LaborPanel : public QGroupBox {
    Q_OBJECT
public:
    LaborPanel();
    QString hours() const;
    QString rate() const;
    QString total() const;
    void showRate(const QString& rate);
    void showTotal(const QString& total);
    void clear();
    // The labor total box reports its focus moves to `filter`.
    void watch(QObject* filter);
    bool isTotalBox(const QObject* object) const;
    bool focus(InvoiceField field);
    // The controls in Tab order, for the form's Tab walk through all panels.
    QList<QWidget*> tabChain() const;

signals:
    void calculateClicked();
    void enterClicked();
    void redoClicked();

private:
    QWidget* widgetFor(InvoiceField field) const;
    QLineEdit* m_hours = nullptr;        // txtHours
    QLineEdit* m_rate = nullptr;         // txtRate
    QPushButton* m_calculate = nullptr;  // cmdCal
    QLineEdit* m_total = nullptr;        // txtTotalLabor
    QPushButton* m_enterLabor = nullptr; // Command1
    QPushButton* m_redo = nullptr;       // cmdLaborRedo
};

// The charges (fraCompletion): the labor and discount as the draft has them, and the
// shipping and additional-charges boxes the person types into.
class ChargesPanel : public QGroupBox {
    Q_OBJECT
public:
    ChargesPanel();
    void showDraft(const InvoiceDraft& draft);
    // Both boxes back to zero in their own tint.
    void clearBoxes();
    void showCharge(ChargeBox box, const QString& text);
    void tint(ChargeBox box, ChargeReaction::Tint tint);
    // The shipping and charges boxes report their focus moves to `filter`.
    void watch(QObject* filter);
    std::optional<ChargeBox> chargeBoxOf(const QObject* object) const;
    bool focus(InvoiceField field);
    // The controls in Tab order, for the form's Tab walk through all panels.
    QList<QWidget*> tabChain() const;

private:
    QWidget* widgetFor(InvoiceField field) const;
    QLineEdit* m_labor = nullptr;    // txtLabor
    QLineEdit* m_shipping = nullptr; // txtShip
    QLineEdit* m_charges = nullptr;  // txtMisc
    QLineEdit* m_discount = nullptr; // txtDiscount
};

// Sub-total, tax and total beside the panels.
class TotalsPanel : public QWidget {
    Q_OBJECT
public:
    TotalsPanel();
    void showTotals(const InvoiceTotals& totals);

private:
    QLineEdit* m_subTotal = nullptr;   // txtTotal
    QLineEdit* m_tax = nullptr;        // txtTax
    QLineEdit* m_grandTotal = nullptr; // txtGrandTotal
};

// Puts the focus on `widget` when there is one.
inline bool focusOn(QWidget* widget) {
    if (widget)
        widget->setFocus();
    return widget != nullptr;
}

// A box that only shows an amount: right-aligned, not typed into, out of the Tab walk.
QLineEdit* makeAmountBox(QWidget* parent, const QString& name, const QString& tip = {});
// Wide enough for the largest amounts an invoice shows, in bold.
int amountWidth(const QWidget* widget);

} // namespace invoicing
