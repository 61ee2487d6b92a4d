#include "invoicing/ui/frmshell.h"

#include "invoicing/ui/billwright.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace invoicing {

frmShell::frmShell(Billwright& program)
    : m_program(program) {
    setObjectName(QStringLiteral("frmShell"));
    setWindowTitle(QStringLiteral("Customer Entry    "));

    auto* heading = new QLabel(QStringLiteral("Enter Customer Data then click Continue"), this);
    heading->setObjectName(QStringLiteral("lblHeading"));
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSize(headingFont.pointSize() + 2);
    heading->setFont(headingFont);

    const auto label = [this](const QString& name, const QString& text) {
        auto* l = new QLabel(text, this);
        l->setObjectName(name);
        return l;
    };
    lblName = label(QStringLiteral("lblName"), QStringLiteral("Name"));
    lblStreet = label(QStringLiteral("lblStreet"), QStringLiteral("Street"));
    QLabel* lblPOBox = label(QStringLiteral("lblPOBox"), QStringLiteral("Apt/PO Box"));
    lblCity = label(QStringLiteral("lblCity"), QStringLiteral("City"));
    lblSt = label(QStringLiteral("lblSt"), QStringLiteral("State"));
    lblZip = label(QStringLiteral("lblZip"), QStringLiteral("Zip Code"));
    QLabel* captions[7] = {nullptr, lblName, lblStreet, lblPOBox, lblCity, lblSt, lblZip};

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    for (int i = 1; i <= 6; ++i) {
        txtCustomer[i] = new QLineEdit(this);
        txtCustomer[i]->setObjectName(QStringLiteral("txtCustomer_%1").arg(i));
        captions[i]->setBuddy(txtCustomer[i]);
    }
    txtCustomer[1]->setMinimumWidth(320);
    // City, state and ZIP share the last row, as on an envelope.
    for (int i = 1; i <= 3; ++i) {
        grid->addWidget(captions[i], i - 1, 0, Qt::AlignRight);
        grid->addWidget(txtCustomer[i], i - 1, 1, 1, 5);
    }
    grid->addWidget(lblCity, 3, 0, Qt::AlignRight);
    grid->addWidget(txtCustomer[4], 3, 1);
    grid->addWidget(lblSt, 3, 2, Qt::AlignRight);
    grid->addWidget(txtCustomer[5], 3, 3);
    grid->addWidget(lblZip, 3, 4, Qt::AlignRight);
    grid->addWidget(txtCustomer[6], 3, 5);
    txtCustomer[5]->setMaximumWidth(60);
    txtCustomer[6]->setMaximumWidth(100);
    grid->setColumnStretch(1, 1);

    cmdExit = new QPushButton(QStringLiteral("&Menu"), this);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    cmdExit->setToolTip(QStringLiteral("Return  to Main Menu"));
    cmdSchedule = new QPushButton(QStringLiteral("&Continue"), this);
    cmdSchedule->setObjectName(QStringLiteral("cmdSchedule"));
    cmdSchedule->setToolTip(QStringLiteral("Starts the Invoice Creation"));
    cmdSchedule->setDefault(true);
    connect(cmdExit, &QPushButton::clicked, this, [this] {
        hide();
        m_program.showMenu();
    });
    connect(cmdSchedule, &QPushButton::clicked, this, [this] {
        hide();
        m_program.showInvoiceForm();
    });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdExit);
    buttons->addWidget(cmdSchedule);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->addWidget(heading);
    layout->addSpacing(10);
    layout->addLayout(grid);
    layout->addSpacing(14);
    layout->addLayout(buttons);

    for (int i = 1; i < 6; ++i)
        setTabOrder(txtCustomer[i], txtCustomer[i + 1]);
    setTabOrder(txtCustomer[6], cmdSchedule);
    setTabOrder(cmdSchedule, cmdExit);
}

QString frmShell::customer(int index) const {
    return index >= 1 && index <= 6 ? txtCustomer[index]->text() : QString();
}

QStringList frmShell::customerFields() const {
    QStringList fields;
    for (int i = 1; i <= 6; ++i)
        fields << txtCustomer[i]->text();
    return fields;
}

void frmShell::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Every invoice starts with a blank customer; a window restored by the person keeps
    // what was typed.
    if (event->spontaneous())
        return;
    for (int i = 1; i <= 6; ++i)
        txtCustomer[i]->clear();
    txtCustomer[1]->setFocus();
}

} // namespace invoicing
