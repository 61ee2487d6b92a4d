// The invoice form's header, add-on and totals panels.
#include "invoicing/ui/invoicepanels.h"

#include "common/core/regional.h"
#include "common/ui/keyboard.h"
#include "common/ui/widgets.h"
#include "invoicing/ui/optioncheckbox.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace invoicing {

using pellar::ui::makeBox;
using pellar::ui::makeButton;
using pellar::ui::makeLabel;
using pellar::ui::named;

QLineEdit* makeAmountBox(QWidget* parent, const QString& name, const QString& tip) {
    QLineEdit* box = makeBox(parent, name, tip);
    box->setAlignment(Qt::AlignRight);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus);
    return box;
}

int amountWidth(const QWidget* widget) {
    QFont font = widget->font();
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(QStringLiteral("($999,999,999.99)")) + 16;
}

// ---- Header -----------------------------------------------------------------------------------

InvoiceHeaderPanel::InvoiceHeaderPanel(QWidget* parent)
    : QWidget(parent) {
    m_customer = named(new QPlainTextEdit(this), QStringLiteral("txtCustomer"));
    m_customer->setReadOnly(true);
    m_customer->setFocusPolicy(Qt::ClickFocus);
    m_customer->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_customer->setFixedHeight(QFontMetrics(m_customer->font()).lineSpacing() * 5 + 12);
    m_customer->setMinimumWidth(260);
    QLabel* customerLabel =
        makeLabel(this, QStringLiteral("lblCustomer"), tr("Customer Info"), m_customer);

    m_reference = makeBox(this, QStringLiteral("txtPO"));
    QLabel* referenceLabel =
        makeLabel(this, QStringLiteral("lblPO"), tr("PO or Reference"), m_reference);
    m_number = makeBox(this, QStringLiteral("txtInvoiceNo"));
    m_number->setText(tr("Inv No"));
    m_number->setAlignment(Qt::AlignCenter);
    QLabel* numberLabel =
        makeLabel(this, QStringLiteral("lblInvoiceNo"), tr("Invoice No"), m_number);
    QFont numberFont = m_number->font();
    numberFont.setBold(true);
    m_number->setFont(numberFont);

    m_create = makeButton(this, QStringLiteral("cmdInvoice"), tr("&Create Invoice"),
                          tr("Starts the Invoice Creation process for this Customer"));
    m_redo = makeButton(this, QStringLiteral("cmdDelete"), tr("&ReDo"),
                        tr("Clears all lines of this Invoice"));
    m_print = makeButton(this, QStringLiteral("cmdPrint"), tr("&Print"), tr("Print the Invoice"));
    m_preview = makeButton(this, QStringLiteral("cmdPreview"), tr("Print Pre&view"),
                           tr("Shows the Invoice as it will print"));
    pellar::ui::printKeys(m_print, m_preview);
    m_savePdf = makeButton(this, QStringLiteral("cmdSavePdf"), tr("Save as P&DF"),
                           tr("Saves the Invoice to a PDF file instead of printing"));
    m_menu = makeButton(this, QStringLiteral("cmdExit"), tr("&Menu"),
                        tr("Returns to the Menu without printing this Invoice"));
    connect(m_create, &QPushButton::clicked, this, &InvoiceHeaderPanel::createClicked);
    connect(m_redo, &QPushButton::clicked, this, &InvoiceHeaderPanel::redoClicked);
    connect(m_print, &QPushButton::clicked, this, &InvoiceHeaderPanel::printClicked);
    connect(m_preview, &QPushButton::clicked, this, &InvoiceHeaderPanel::previewClicked);
    connect(m_savePdf, &QPushButton::clicked, this, &InvoiceHeaderPanel::savePdfClicked);
    connect(m_menu, &QPushButton::clicked, this, &InvoiceHeaderPanel::menuClicked);
    connect(m_reference, &QLineEdit::textEdited, this, &InvoiceHeaderPanel::referenceEdited);
    connect(m_number, &QLineEdit::textEdited, this, &InvoiceHeaderPanel::numberEdited);

    auto* customer = new QVBoxLayout;
    customer->setSpacing(3);
    customer->addWidget(customerLabel);
    customer->addWidget(m_customer);
    customer->addStretch(1);

    auto* reference = new QVBoxLayout;
    reference->setSpacing(3);
    reference->addWidget(referenceLabel);
    reference->addWidget(m_reference);
    reference->addSpacing(8);
    reference->addWidget(numberLabel);
    reference->addWidget(m_number);
    reference->addStretch(1);
    m_reference->setMinimumWidth(200);

    auto* buttons = new QGridLayout;
    buttons->setContentsMargins(0, referenceLabel->sizeHint().height() + 3, 0, 0);
    buttons->addWidget(m_create, 0, 0);
    buttons->addWidget(m_redo, 0, 1);
    buttons->addWidget(m_print, 1, 0);
    buttons->addWidget(m_menu, 1, 1);
    buttons->addWidget(m_preview, 2, 0);
    buttons->addWidget(m_savePdf, 2, 1);
    buttons->setVerticalSpacing(10);
    buttons->setRowStretch(3, 1);
    for (QPushButton* button : {m_create, m_redo, m_print, m_menu, m_preview, m_savePdf}) {
        button->setMinimumHeight(30);
        button->setMinimumWidth(120);
    }

    auto* header = new QHBoxLayout(this);
    header->setContentsMargins(0, 0, 0, 0);
    header->setSpacing(24);
    header->addLayout(customer);
    header->addLayout(reference);
    header->addStretch(1);
    header->addLayout(buttons);
}

void InvoiceHeaderPanel::showCustomer(const CustomerAddress& customer) {
    QString block = customer.block();
    m_customer->setPlainText(block.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void InvoiceHeaderPanel::showNumber(const QString& number) {
    m_number->setText(number);
}

void InvoiceHeaderPanel::showStage(InvoiceDraft::Stage stage) {
    const bool ready = stage == InvoiceDraft::Stage::Ready;
    m_create->setEnabled(ready);
    m_redo->setEnabled(!ready);
    m_print->setEnabled(!ready);
    m_preview->setEnabled(!ready);
    m_savePdf->setEnabled(!ready);
}

void InvoiceHeaderPanel::focusReference() {
    m_reference->setFocus();
}

bool InvoiceHeaderPanel::focus(InvoiceField field) {
    return focusOn(widgetFor(field));
}

QWidget* InvoiceHeaderPanel::widgetFor(InvoiceField field) const {
    if (field == InvoiceField::CreateInvoice)
        return m_create;
    return field == InvoiceField::Print ? m_print : nullptr;
}

QList<QWidget*> InvoiceHeaderPanel::tabChain() const {
    return {m_reference, m_number, m_create, m_redo, m_print, m_preview, m_savePdf, m_menu};
}

// ---- Add-ons ----------------------------------------------------------------------------------

AddOnPanel::AddOnPanel()
    : QGroupBox(tr("Add to Invoice")) {
    setObjectName(QStringLiteral("fraInvoiceOptions"));
    setToolTip(tr("Displays pre-selected Add-ons"));
    const auto check = [this](const QString& name, const QString& caption) {
        auto* box = named(new OptionCheckBox(caption, this), name);
        connect(box, &QCheckBox::stateChanged, this, [this] {
            if (!m_showing)
                emit edited(addOns());
        });
        return box;
    };
    m_labor = check(QStringLiteral("ckLabor"), tr("Add Labor Charges"));
    m_shipping = check(QStringLiteral("ckShipping"), tr("Add Shipping and Handling"));
    m_misc = check(QStringLiteral("ckMisc"), tr("Additional Charges/Credits"));
    m_discount = check(QStringLiteral("ckDiscount"), tr("Add Discount Information"));
    m_clearAll = makeButton(this, QStringLiteral("cmdClearChecks"), tr("C&lear All"),
                            tr("De-select all Add-ons"));
    m_continue = makeButton(this, QStringLiteral("cmdOptionsContinue"), tr("C&ontinue"),
                            tr("Continues to create the Invoice"));
    connect(m_clearAll, &QPushButton::clicked, this, [this] { showAddOns(AddOns()); });
    connect(m_continue, &QPushButton::clicked, this, &AddOnPanel::continueClicked);

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(18);
    grid->addWidget(m_labor, 0, 0);
    grid->addWidget(m_shipping, 1, 0);
    grid->addWidget(m_misc, 0, 1);
    grid->addWidget(m_discount, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addStretch(1);
    buttons->addWidget(m_clearAll);
    buttons->addWidget(m_continue);
    grid->addLayout(buttons, 2, 0, 1, 2);
}

AddOns AddOnPanel::addOns() const {
    return {m_labor->value(), m_shipping->value(), m_misc->value(), m_discount->value()};
}

void AddOnPanel::showAddOns(AddOns shown) {
    m_showing = true;
    m_labor->setValue(shown.labor);
    m_shipping->setValue(shown.shipping);
    m_misc->setValue(shown.misc);
    m_discount->setValue(shown.discount);
    m_showing = false;
    emit edited(addOns());
}

bool AddOnPanel::focus(InvoiceField field) {
    return focusOn(widgetFor(field));
}

QWidget* AddOnPanel::widgetFor(InvoiceField field) const {
    return field == InvoiceField::AddOnsContinue ? m_continue : nullptr;
}

QList<QWidget*> AddOnPanel::tabChain() const {
    return {m_labor, m_shipping, m_misc, m_discount, m_clearAll, m_continue};
}

// ---- Totals -----------------------------------------------------------------------------------

TotalsPanel::TotalsPanel() {
    setObjectName(QStringLiteral("totalsArea"));
    m_subTotal =
        makeAmountBox(this, QStringLiteral("txtTotal"), tr("Shows a runnig Invoice Subtotal"));
    m_tax = makeAmountBox(this, QStringLiteral("txtTax"), tr("Diplays Tax if applicable"));
    m_grandTotal = makeAmountBox(this, QStringLiteral("txtGrandTotal"), tr("Grand Total"));
    QLabel* grandTotalLabel =
        makeLabel(this, QStringLiteral("lblGrandTotal"), tr("TOTAL"), m_grandTotal);
    QFont strong = m_grandTotal->font();
    strong.setBold(true);
    m_grandTotal->setFont(strong);
    grandTotalLabel->setFont(strong);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 8, 0, 0);
    const QList<QPair<QLabel*, QLineEdit*>> rows{
        {makeLabel(this, QStringLiteral("lblTotal"), tr("Sub-Total"), m_subTotal), m_subTotal},
        {makeLabel(this, QStringLiteral("lblTax"), tr("Tax"), m_tax), m_tax},
        {grandTotalLabel, m_grandTotal}};
    for (int row = 0; row < rows.size(); ++row) {
        grid->addWidget(rows[row].first, row, 0, Qt::AlignRight);
        grid->addWidget(rows[row].second, row, 1);
        rows[row].second->setFixedWidth(amountWidth(rows[row].second));
    }
}

void TotalsPanel::showTotals(const InvoiceTotals& totals) {
    m_subTotal->setText(pellar::formatCurrency(totals.subTotal()));
    m_tax->setText(pellar::formatCurrency(totals.tax()));
    m_grandTotal->setText(pellar::formatCurrency(totals.grandTotal()));
}

} // namespace invoicing
