#pragma once
// The vendor list "fraSuppliers": every contact's name, account number, telephone and
// record number, sorted by name; "Load" shows the chosen one.

#include "expenses/core/contacts.h"

#include <QGroupBox>

class QPushButton;
class QTableView;

namespace expenses {

class VendorListModel;

class VendorListPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit VendorListPanel(QWidget* parent);

    void setContacts(const QList<Contact>& contacts);
    QList<QWidget*> tabChain() const;

signals:
    // The record of the chosen row; 0 when no row is chosen.
    void loadClicked(qint64 record);
    void quitClicked();

private:
    VendorListModel* m_model;
    QTableView* m_grid;
    QPushButton* m_load;
    QPushButton* m_quit;
};

} // namespace expenses
