#include "expenses/frmexpenses.h"

#include "expenses/contacts.h"
#include "expenses/spendlogforms.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace expenses {

frmExpenses::frmExpenses(SpendlogForms& forms)
    : m_forms(forms) {
    setObjectName(QStringLiteral("frmExpenses"));
    setWindowTitle(QStringLiteral("Expenses"));
    auto* central = new QWidget(this);
    setCentralWidget(central);

    lstVendors = new QListWidget(central);
    lstVendors->setObjectName(QStringLiteral("lstVendors"));
    auto* payTo = new QLabel(QStringLiteral("Payment Made to"), central);
    payTo->setBuddy(lstVendors);

    cmdExpense[0] = new QPushButton(QStringLiteral("&Menu"), central);
    cmdExpense[0]->setObjectName(QStringLiteral("cmdExpense_0"));
    cmdExpense[0]->setToolTip(QStringLiteral("Return to the Main Menu"));

    auto* layout = new QVBoxLayout(central);
    layout->addWidget(payTo);
    layout->addWidget(lstVendors, 1);
    layout->addWidget(cmdExpense[0], 0, Qt::AlignRight);
    resize(420, 360);

    connect(cmdExpense[0], &QPushButton::clicked, this, [this] { m_forms.showStartup(this); });
}

void frmExpenses::formLoad() {}

void frmExpenses::showForm() {
    show();
    raise();
    activateWindow();
    activate();
}

void frmExpenses::activate() {
    QStringList names;
    for (const ContactSummary& contact : readContactList().contacts)
        names.append(contact.name);
    setPayees(names);
    if (lstVendors->count() > 0)
        lstVendors->setCurrentRow(0);
}

void frmExpenses::setPayees(const QStringList& names) {
    lstVendors->clear();
    lstVendors->addItems(names);
}

} // namespace expenses
