#pragma once
// The invoice form (form name frmInvoice): one invoice for the customer typed on customer
// entry. It holds the invoice draft and composes the panels that show it: the header with
// the customer block and the buttons, the line grid, line entry, the add-on choice, labor,
// the charges and the totals. A fresh form is made for every invoice and unloaded when the
// person goes back to the menu.
//
// Every handler takes a step of the draft and shows the result; apply() is the one place
// where a refused input is answered (the alarm while alarms are on, the reason in the
// status note, and the focus in the box to fix).

#include "invoicing/core/chargeentry.h"
#include "invoicing/core/invoicedraft.h"
#include "invoicing/ui/invoiceprint.h"

#include <QMainWindow>

class QLineEdit;
class QMenu;

namespace pellar::ui {
class StatusNote;
}

namespace invoicing {

class AddOnPanel;
class Billwright;
class ChargesPanel;
class InvoiceGrid;
class InvoiceHeaderPanel;
class LaborPanel;
class LineEntryPanel;
class TotalsPanel;

class InvoiceForm : public QMainWindow {
    Q_OBJECT

public:
    explicit InvoiceForm(Billwright& program);
    ~InvoiceForm() override;

    const InvoiceDraft& draft() const { return m_draft; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildForm();
    void connectPanels();
    void setTabOrders();

    void activate();
    void clearCharges();
    // The draft's lines and money on the grid, the panels and the totals.
    void drawInvoice();
    // Panels and buttons as the draft's step wants them, then the step's alarm and focus.
    // Newly wanted panels appear before the focus moves and old ones go after, so the focus
    // never passes through a charge box on the way.
    void present(const StepResult& step);
    void apply(const StepResult& step);
    // The alarm (while alarms are on) and the reason in the status note.
    void refuse(const QString& why);
    void react(ChargeBox box, const ChargeReaction& reaction);
    TaxRule taxRule() const;

    void create();
    void redo();
    void post();
    void deleteLine();
    void completeLines();
    void continueFromAddOns();
    void calculateLabor();
    void enterLabor();
    // Print and Save as PDF: back to the menu once the invoice is out (confirmed or not);
    // a cancelled dialog or a failed job leaves the invoice on the form as it was.
    void print(InvoiceOutput output);
    void preview();
    // A charge whose text was refused is still being corrected; nothing prints meanwhile.
    bool chargeBeingCorrected();
    // Writes the catalogue back, unloads the form and shows the menu.
    void leaveToMenu();
    void showHelp();

    Billwright& m_program;
    InvoiceDraft m_draft;
    ChargeEntry m_charges{m_draft};
    InvoiceHeaderPanel* m_header = nullptr;
    InvoiceGrid* m_grid = nullptr; // fgInvoice
    LineEntryPanel* m_lineEntry = nullptr;
    AddOnPanel* m_addOns = nullptr;
    LaborPanel* m_labor = nullptr;
    ChargesPanel* m_chargesPanel = nullptr;
    TotalsPanel* m_totals = nullptr;
    QMenu* m_lineMenu = nullptr; // mnuPopup
    pellar::ui::StatusNote* m_note = nullptr;
};

} // namespace invoicing
