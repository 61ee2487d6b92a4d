#pragma once
// The expense form. For now it carries the payee list and the way back to the menu; the
// recording of payments is built on it next.

#include <QMainWindow>
#include <QStringList>

class QLabel;
class QListWidget;
class QPushButton;

namespace expenses {

class SpendlogForms;

class frmExpenses : public QMainWindow {
    Q_OBJECT
public:
    explicit frmExpenses(SpendlogForms& forms);

    void formLoad();
    // Shows the form; activation reads the payees from the contacts file again.
    void showForm();
    // The payee list: the contacts' names, in file order.
    void setPayees(const QStringList& names);

    QListWidget* lstVendors;
    QPushButton* cmdExpense[1]; // index 0, "&Menu"

private:
    void activate();

    SpendlogForms& m_forms;
};

} // namespace expenses
