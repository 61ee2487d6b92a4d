#pragma once
// Customer entry (form name frmShell): the customer's name and address, typed afresh before
// every invoice. Continue hands them to the program for the invoice that follows. The first
// letters of a name offer the customers of the book; choosing one fills in the address,
// which stays editable.

#include "invoicing/core/customerbook.h"
#include "invoicing/core/invoicevalues.h"

#include <QWidget>

class QCompleter;
class QLineEdit;
class QStringListModel;

namespace invoicing {

class Billwright;

class CustomerEntry : public QWidget {
    Q_OBJECT

public:
    explicit CustomerEntry(Billwright& program);

    // The six fields as typed.
    CustomerAddress address() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fillFromBook(const QString& name);

    Billwright& m_program;
    CustomerBook m_book; // read again each time the form is shown
    QStringListModel* m_names = nullptr;
    QCompleter* m_completer = nullptr;
    QLineEdit* m_fields[6] = {}; // txtCustomer_1 to txtCustomer_6
};

} // namespace invoicing
