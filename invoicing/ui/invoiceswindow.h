#pragma once
// The invoices window (form name frmInvoices): the register as a table to search, sort and
// check off, each invoice's kept copy, and the sales-tax figures of a period on the screen,
// on paper or as a file. Everything is read from the files again each time it is shown.

#include "invoicing/core/invoiceregister.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;
class QTimer;

namespace invoicing {

class Billwright;
class RegisterModel;

class InvoicesWindow : public QWidget {
    Q_OBJECT

public:
    explicit InvoicesWindow(Billwright& program);

    // Reads the register again (after an invoice was issued, or another copy changed it).
    void reload();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void applyFilter();
    void showSummary();
    void showSalesTax();
    SalesTaxFigures salesTax() const;
    // Applies a Find text still waiting for the typing to pause.
    void settleFilter();
    const RegisterEntry* current();
    // The chosen rows, or else the current one.
    QList<RegisterEntry> selected();
    void openCopy();
    void markPaid(bool paid);
    void exportRegister();
    void previewSalesTax();
    void saveSalesTaxPdf();
    void exportSalesTax();
    void saveCsv(const QString& title, const QString& suggested, const QByteArray& bytes);

    Billwright& m_program;
    RegisterModel* m_model;
    QSortFilterProxyModel* m_sorted;
    QLineEdit* m_find; // txtFind
    QTimer* m_findPause;
    QCheckBox* m_useDates;  // ckDates
    QDateEdit* m_from;      // dtFrom
    QDateEdit* m_to;        // dtTo
    QCheckBox* m_unpaid;    // ckUnpaid
    QTableView* m_table;    // fgInvoices
    QLabel* m_summary;      // lblSummary
    QDateEdit* m_paidOn;    // dtPaid
    QComboBox* m_period;    // cboPeriod
    QDateEdit* m_periodDay; // dtPeriod
    QDateEdit* m_periodTo;  // dtPeriodTo
    QLabel* m_salesTax;     // lblSalesTax
    int m_damaged = 0;
};

} // namespace invoicing
