#pragma once
// The customers window (form name frmCustomers): the customer book as a table, one customer's
// name and address to correct, and a customer to take out of the book. Invoices add the
// customers; this window only changes or deletes them. The book is read again each time the
// window is shown, and every change re-reads it under the folder lock.
//
//   fgCustomers   the book, one row per customer, in the order they were first saved
//   txtName ... txtZip   the chosen customer's six lines, to edit
//   cmdSave   writes the edited lines over the chosen customer (a rename when the name changed)
//   cmdDelete takes the chosen customer out, after a Yes to the question
//   lblBook   what is wrong with the file when it cannot be changed
//   cmdMenu   back to the start form

#include "invoicing/core/customerbook.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace invoicing {

class Billwright;

class CustomersWindow : public QWidget {
    Q_OBJECT
public:
    explicit CustomersWindow(Billwright& program);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Reads the book again and shows it; the customer of this name is the current one, or
    // else the one now at `fallbackRow`.
    void reload(const QString& current = {}, int fallbackRow = 0);
    void showCurrent();
    const CustomerAddress* chosen() const;
    void save();
    void remove();

    Billwright& m_program;
    CustomerBook m_book;
    QTableWidget* m_table;
    QLineEdit* m_fields[6];
    QPushButton* m_save;
    QPushButton* m_delete;
    QLabel* m_problem;
};

} // namespace invoicing
