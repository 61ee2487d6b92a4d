#include "invoicing/ui/customerentry.h"

#include "common/ui/keyboard.h"
#include "invoicing/ui/billwright.h"

#include <QCompleter>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStringListModel>
#include <QVBoxLayout>

namespace invoicing {

CustomerEntry::CustomerEntry(Billwright& program)
    : m_program(program) {
    setObjectName(QStringLiteral("frmShell"));
    setWindowTitle(tr("Customer Entry    "));

    auto* heading = new QLabel(tr("Enter Customer Data then click Continue"), this);
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
    QLabel* captions[6] = {label(QStringLiteral("lblName"), tr("Name")),
                           label(QStringLiteral("lblStreet"), tr("Street")),
                           label(QStringLiteral("lblPOBox"), tr("Apt/PO Box")),
                           label(QStringLiteral("lblCity"), tr("City")),
                           label(QStringLiteral("lblSt"), tr("State")),
                           label(QStringLiteral("lblZip"), tr("Zip Code"))};

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    // The documented control array txtCustomer(1 to 6).
    for (int i = 0; i < 6; ++i) {
        m_fields[i] = new QLineEdit(this);
        m_fields[i]->setObjectName(QStringLiteral("txtCustomer_%1").arg(i + 1));
        captions[i]->setBuddy(m_fields[i]);
    }
    m_fields[0]->setMinimumWidth(320);
    m_names = new QStringListModel(this);
    m_completer = new QCompleter(m_names, this);
    m_completer->setCaseSensitivity(Qt::CaseInsensitive);
    m_completer->setCompletionMode(QCompleter::PopupCompletion);
    m_fields[0]->setCompleter(m_completer);
    connect(m_completer, qOverload<const QString&>(&QCompleter::activated), this,
            &CustomerEntry::fillFromBook);
    // City, state and ZIP share the last row, as on an envelope.
    for (int i = 0; i < 3; ++i) {
        grid->addWidget(captions[i], i, 0, Qt::AlignRight);
        grid->addWidget(m_fields[i], i, 1, 1, 5);
    }
    for (int i = 3; i < 6; ++i) {
        grid->addWidget(captions[i], 3, (i - 3) * 2, Qt::AlignRight);
        grid->addWidget(m_fields[i], 3, (i - 3) * 2 + 1);
    }
    m_fields[4]->setMaximumWidth(60);
    m_fields[5]->setMaximumWidth(100);
    grid->setColumnStretch(1, 1);

    auto* menu = new QPushButton(tr("&Menu"), this);
    menu->setObjectName(QStringLiteral("cmdExit"));
    menu->setToolTip(tr("Return  to Main Menu"));
    auto* continueButton = new QPushButton(tr("&Continue"), this);
    continueButton->setObjectName(QStringLiteral("cmdSchedule"));
    continueButton->setToolTip(tr("Starts the Invoice Creation"));
    continueButton->setDefault(true);
    connect(menu, &QPushButton::clicked, this, [this] {
        hide();
        m_program.showMenu();
    });
    connect(continueButton, &QPushButton::clicked, this, [this] {
        m_program.setCustomer(address());
        hide();
        m_program.showInvoiceForm();
    });

    // Return in the ZIP code, the last box, goes on as Continue does.
    pellar::ui::returnClicks(m_fields[5], continueButton);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(menu);
    buttons->addWidget(continueButton);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->addWidget(heading);
    layout->addSpacing(10);
    layout->addLayout(grid);
    layout->addSpacing(14);
    layout->addLayout(buttons);

    for (int i = 0; i < 5; ++i)
        setTabOrder(m_fields[i], m_fields[i + 1]);
    setTabOrder(m_fields[5], continueButton);
    setTabOrder(continueButton, menu);
}

CustomerAddress CustomerEntry::address() const {
    return {m_fields[0]->text(), m_fields[1]->text(), m_fields[2]->text(),
            m_fields[3]->text(), m_fields[4]->text(), m_fields[5]->text()};
}

void CustomerEntry::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Every invoice starts with a blank customer; a window restored by the person keeps
    // what was typed.
    if (event->spontaneous())
        return;
    for (QLineEdit* field : m_fields)
        field->clear();
    m_book = readCustomerBook(m_program.data());
    m_names->setStringList(m_book.names());
    m_fields[0]->setFocus();
}

void CustomerEntry::fillFromBook(const QString& name) {
    const qsizetype at = m_book.indexOf(name);
    if (at < 0)
        return;
    const CustomerAddress& c = m_book.customers[at];
    const QString lines[6] = {c.name, c.street, c.poBox, c.city, c.state, c.zip};
    for (int i = 0; i < 6; ++i)
        m_fields[i]->setText(lines[i]);
    m_fields[1]->setFocus();
}

} // namespace invoicing
