#pragma once
// Customer entry (form name frmShell): the customer's name and address, typed afresh before
// every invoice. Continue hands them to the program for the invoice that follows.

#include "invoicing/core/invoicevalues.h"

#include <QWidget>

class QLineEdit;

namespace invoicing {

class Billwright;

class CustomerEntry : public QWidget {
public:
    explicit CustomerEntry(Billwright& program);

    // The six fields as typed.
    CustomerAddress address() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    Billwright& m_program;
    QLineEdit* m_fields[6] = {}; // txtCustomer_1 to txtCustomer_6
};

} // namespace invoicing
