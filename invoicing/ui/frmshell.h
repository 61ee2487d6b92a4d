#pragma once
// Customer entry: the customer's name and address, typed afresh before every invoice.

#include <QStringList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace invoicing {

class Billwright;

class frmShell : public QWidget {
public:
    explicit frmShell(Billwright& program);

    // The six fields by their index, 1 to 6: name, street, apt/PO box, city, state, ZIP.
    QString customer(int index) const;
    QStringList customerFields() const; // the six in order

    QLineEdit* txtCustomer[7] = {}; // indexes 1 to 6
    QLabel* lblName;
    QLabel* lblStreet;
    QLabel* lblCity;
    QLabel* lblSt;
    QLabel* lblZip;
    QPushButton* cmdExit;
    QPushButton* cmdSchedule;

protected:
    void showEvent(QShowEvent* event) override;

private:
    Billwright& m_program;
};

} // namespace invoicing
