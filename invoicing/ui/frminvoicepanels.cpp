// The invoice form's controls and their layout: the header with the customer block and the
// buttons, the line grid, the step panels below it and the totals beside them.
#include "invoicing/ui/frminvoice.h"

#include "common/ui/widgets.h"

#include "common/ui/inputroutines.h"
#include "invoicing/ui/frminvoicegrid.h"
#include "invoicing/ui/optioncheckbox.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace invoicing {

namespace {

// The charge boxes are tinted until the person types into one; it is white while edited.
const QColor kChargeBoxColor(236, 241, 248);

using pellar::ui::makeBox;
using pellar::ui::makeButton;
using pellar::ui::makeLabel;
using pellar::ui::named;

// A box that only shows an amount: right-aligned, not typed into, out of the Tab walk.
QLineEdit* makeAmountBox(QWidget* parent, const QString& name, const QString& tip = {}) {
    QLineEdit* box = makeBox(parent, name, tip);
    box->setAlignment(Qt::AlignRight);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus);
    return box;
}

void tint(QLineEdit* box, const QColor& color) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, color);
    box->setPalette(palette);
}

// Wide enough for the largest amounts an invoice shows, in bold.
int amountWidth(const QWidget* widget) {
    QFont font = widget->font();
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(QStringLiteral("($999,999,999.99)")) + 16;
}

} // namespace

void frmInvoice::buildForm() {
    auto* central = new QWidget(this);
    setCentralWidget(central);

    // ---- Header: customer, reference, number, the four buttons ------------------------------
    txtCustomer = named(new QPlainTextEdit(central), QStringLiteral("txtCustomer"));
    txtCustomer->setReadOnly(true);
    txtCustomer->setFocusPolicy(Qt::ClickFocus);
    txtCustomer->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtCustomer->setFixedHeight(QFontMetrics(txtCustomer->font()).lineSpacing() * 5 + 12);
    txtCustomer->setMinimumWidth(260);
    lblCustomer = makeLabel(central, QStringLiteral("lblCustomer"), QStringLiteral("Customer Info"),
                            txtCustomer);

    txtPO = makeBox(central, QStringLiteral("txtPO"));
    lblPO = makeLabel(central, QStringLiteral("lblPO"), QStringLiteral("PO or Reference"), txtPO);
    txtInvoiceNo = makeBox(central, QStringLiteral("txtInvoiceNo"));
    txtInvoiceNo->setText(QStringLiteral("Inv No"));
    txtInvoiceNo->setAlignment(Qt::AlignCenter);
    lblInvoiceNo = makeLabel(central, QStringLiteral("lblInvoiceNo"), QStringLiteral("Invoice No"),
                             txtInvoiceNo);
    QFont numberFont = txtInvoiceNo->font();
    numberFont.setBold(true);
    txtInvoiceNo->setFont(numberFont);

    cmdInvoice =
        makeButton(central, QStringLiteral("cmdInvoice"), QStringLiteral("&Create Invoice"),
                   QStringLiteral("Starts the Invoice Creation process for this Customer"));
    cmdDelete = makeButton(central, QStringLiteral("cmdDelete"), QStringLiteral("&ReDo"),
                           QStringLiteral("Clears all lines of this Invoice"));
    cmdPrint = makeButton(central, QStringLiteral("cmdPrint"), QStringLiteral("&Print"),
                          QStringLiteral("Print the Invoice"));
    cmdExit = makeButton(central, QStringLiteral("cmdExit"), QStringLiteral("&Menu"),
                         QStringLiteral("Returns to the Menu without printing this Invoice"));

    auto* customer = new QVBoxLayout;
    customer->setSpacing(3);
    customer->addWidget(lblCustomer);
    customer->addWidget(txtCustomer);
    customer->addStretch(1);

    auto* reference = new QVBoxLayout;
    reference->setSpacing(3);
    reference->addWidget(lblPO);
    reference->addWidget(txtPO);
    reference->addSpacing(8);
    reference->addWidget(lblInvoiceNo);
    reference->addWidget(txtInvoiceNo);
    reference->addStretch(1);
    txtPO->setMinimumWidth(200);

    auto* buttons = new QGridLayout;
    buttons->setContentsMargins(0, lblPO->sizeHint().height() + 3, 0, 0);
    buttons->addWidget(cmdInvoice, 0, 0);
    buttons->addWidget(cmdDelete, 0, 1);
    buttons->addWidget(cmdPrint, 1, 0);
    buttons->addWidget(cmdExit, 1, 1);
    buttons->setVerticalSpacing(10);
    buttons->setRowStretch(2, 1);
    for (QPushButton* button : {cmdInvoice, cmdDelete, cmdPrint, cmdExit}) {
        button->setMinimumHeight(30);
        button->setMinimumWidth(120);
    }

    auto* header = new QHBoxLayout;
    header->setSpacing(24);
    header->addLayout(customer);
    header->addLayout(reference);
    header->addStretch(1);
    header->addLayout(buttons);

    // ---- Grid, step panels and totals -------------------------------------------------------
    fgInvoice = named(new InvoiceGrid(central), QStringLiteral("fgInvoice"));
    fgInvoice->setToolTip(QStringLiteral("Invoice Items Show here"));
    fgInvoice->setMinimumHeight(fgInvoice->verticalHeader()->defaultSectionSize() * 10 +
                                fgInvoice->horizontalHeader()->sizeHint().height() + 4);

    fraData = buildLineEntry();
    fraInvoiceOptions = buildAddOnChoice();
    fraLabor = buildLabor();
    fraCompletion = buildCharges();
    auto* panels = new QWidget(central);
    panels->setObjectName(QStringLiteral("panelArea"));
    auto* panelRow = new QHBoxLayout(panels);
    panelRow->setContentsMargins(0, 0, 0, 0);
    for (QGroupBox* panel : {fraData, fraInvoiceOptions, fraLabor, fraCompletion}) {
        panel->setParent(panels);
        panelRow->addWidget(panel, 0, Qt::AlignTop);
    }
    panelRow->addStretch(1);
    // The step panels come and go in the same place; the form keeps its size meanwhile. Labor
    // and charges stand side by side, the others alone.
    const int spacing = panelRow->spacing();
    const QSize labor = fraLabor->sizeHint();
    const QSize charges = fraCompletion->sizeHint();
    panels->setMinimumSize(
        std::max({fraData->sizeHint().width(), fraInvoiceOptions->sizeHint().width(),
                  labor.width() + spacing + charges.width()}),
        std::max({fraData->sizeHint().height(), fraInvoiceOptions->sizeHint().height(),
                  labor.height(), charges.height()}));

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(panels, 1);
    bottom->addWidget(buildTotals(), 0, Qt::AlignTop);

    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->addLayout(header);
    layout->addSpacing(6);
    layout->addWidget(fgInvoice, 1);
    layout->addLayout(bottom);

    // ---- Menus ------------------------------------------------------------------------------
    mnuInvoiceHelp =
        named(menuBar()->addAction(QStringLiteral("Help")), QStringLiteral("mnuInvoiceHelp"));
    mnuPopup = named(new QMenu(QStringLiteral("Popup"), this), QStringLiteral("mnuPopup"));
    mnuDeleteItem =
        named(mnuPopup->addAction(QStringLiteral("Delete Item")), QStringLiteral("mnuDeleteItem"));
}

QGroupBox* frmInvoice::buildLineEntry() {
    auto* frame =
        named(new QGroupBox(QStringLiteral("Invoice Line No")), QStringLiteral("fraData"));
    frame->setToolTip(QStringLiteral("Enter Invoice Line Info here"));

    cboDescription = named(new QComboBox(frame), QStringLiteral("cboDescription"));
    cboDescription->setEditable(true);
    // Only Add to List puts an entry in the catalogue; a typed item stays on its line.
    cboDescription->setInsertPolicy(QComboBox::NoInsert);
    cboDescription->setCompleter(nullptr);
    pellar::keepStorable(*cboDescription); // the catalogue is an 8-bit file
    cboDescription->setToolTip(QStringLiteral("List of Previously Created Items"));
    cboDescription->setMinimumWidth(340);
    cboDescription->setMaxVisibleItems(16);
    cboDescription->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    lblDescription =
        makeLabel(frame, QStringLiteral("lblDescription"), QStringLiteral("Item"), cboDescription);
    txtQuantity =
        makeBox(frame, QStringLiteral("txtQuantity"), QStringLiteral("Enter Quantity here"));
    lblQuantity =
        makeLabel(frame, QStringLiteral("lblQuantity"), QStringLiteral("Quantity"), txtQuantity);
    txtPrice =
        makeBox(frame, QStringLiteral("txtPrice"), QStringLiteral("Enter the per Unit Price here"));
    txtPrice->setAlignment(Qt::AlignRight);
    lblPrice = makeLabel(frame, QStringLiteral("lblPrice"), QStringLiteral("Price"), txtPrice);
    txtQuantity->setMaximumWidth(90);
    txtPrice->setMaximumWidth(120);

    cmdPost = makeButton(frame, QStringLiteral("cmdPost"), QStringLiteral("Post to Invoice"),
                         QStringLiteral("Posts this Information to the Invoice Line"));
    cmdCancel = makeButton(frame, QStringLiteral("cmdCancel"), QStringLiteral("Clear this Item"),
                           QStringLiteral("Clears Item, Price and Quantity"));
    cmdAdditem = makeButton(frame, QStringLiteral("cmdAdditem"), QStringLiteral("Add to List"),
                            QStringLiteral("Adds the Newly entered Item to the list"));
    cmdDeleteitem =
        makeButton(frame, QStringLiteral("cmdDeleteitem"), QStringLiteral("Delete from List"),
                   QStringLiteral("Deletes the Selected item fro the list of items"));
    cmdComplete = makeButton(frame, QStringLiteral("cmdComplete"), QStringLiteral("Items Complete"),
                             QStringLiteral("Completes the Invoice Body and adds addons"));
    QFont strong = cmdPost->font();
    strong.setBold(true);
    cmdPost->setFont(strong);

    auto* grid = new QGridLayout(frame);
    grid->addWidget(lblDescription, 0, 0);
    grid->addWidget(cboDescription, 0, 1, 1, 4);
    grid->addWidget(cmdAdditem, 0, 5);
    grid->addWidget(cmdDeleteitem, 0, 6);
    grid->addWidget(lblQuantity, 1, 0);
    grid->addWidget(txtQuantity, 1, 1);
    grid->addWidget(lblPrice, 1, 2, Qt::AlignRight);
    grid->addWidget(txtPrice, 1, 3);
    grid->addWidget(cmdPost, 1, 5);
    grid->addWidget(cmdCancel, 1, 6);
    grid->addWidget(cmdComplete, 2, 5, 1, 2);
    grid->setColumnStretch(4, 1);
    return frame;
}

QGroupBox* frmInvoice::buildAddOnChoice() {
    auto* frame =
        named(new QGroupBox(QStringLiteral("Add to Invoice")), QStringLiteral("fraInvoiceOptions"));
    frame->setToolTip(QStringLiteral("Displays pre-selected Add-ons"));
    ckLabor = named(new OptionCheckBox(QStringLiteral("Add Labor Charges"), frame),
                    QStringLiteral("ckLabor"));
    ckShipping = named(new OptionCheckBox(QStringLiteral("Add Shipping and Handling"), frame),
                       QStringLiteral("ckShipping"));
    ckMisc = named(new OptionCheckBox(QStringLiteral("Additional Charges/Credits"), frame),
                   QStringLiteral("ckMisc"));
    ckDiscount = named(new OptionCheckBox(QStringLiteral("Add Discount Information"), frame),
                       QStringLiteral("ckDiscount"));
    cmdClearChecks =
        makeButton(frame, QStringLiteral("cmdClearChecks"), QStringLiteral("Clear All"),
                   QStringLiteral("De-select all Add-ons"));
    cmdOptionsContinue =
        makeButton(frame, QStringLiteral("cmdOptionsContinue"), QStringLiteral("Continue"),
                   QStringLiteral("Continues to create the Invoice"));

    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(18);
    grid->addWidget(ckLabor, 0, 0);
    grid->addWidget(ckShipping, 1, 0);
    grid->addWidget(ckMisc, 0, 1);
    grid->addWidget(ckDiscount, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addStretch(1);
    buttons->addWidget(cmdClearChecks);
    buttons->addWidget(cmdOptionsContinue);
    grid->addLayout(buttons, 2, 0, 1, 2);
    return frame;
}

QGroupBox* frmInvoice::buildLabor() {
    auto* frame = named(new QGroupBox(QStringLiteral("Labor ")), QStringLiteral("fraLabor"));
    frame->setToolTip(QStringLiteral("Calculate or Enter Labor Charges"));
    txtHours = makeBox(frame, QStringLiteral("txtHours"));
    lblHours = makeLabel(frame, QStringLiteral("lblHours"), QStringLiteral("Man-hours"), txtHours);
    txtRate = makeBox(frame, QStringLiteral("txtRate"));
    lblRate = makeLabel(frame, QStringLiteral("lblRate"), QStringLiteral("Rate"), txtRate);
    txtTotalLabor = makeBox(frame, QStringLiteral("txtTotalLabor"));
    lblTotalLabor = makeLabel(frame, QStringLiteral("lblTotalLabor"), QStringLiteral("TOTAL LABOR"),
                              txtTotalLabor);
    for (QLineEdit* box : {txtHours, txtRate, txtTotalLabor}) {
        box->setAlignment(Qt::AlignRight);
        box->setFixedWidth(110);
    }
    cmdCal = makeButton(frame, QStringLiteral("cmdCal"), QStringLiteral("Calculate"),
                        QStringLiteral("Multiplies Rate by Hours"));
    Command1 = makeButton(frame, QStringLiteral("Command1"), QStringLiteral("Enter"),
                          QStringLiteral("Accpts Total and Continues"));
    cmdLaborRedo = makeButton(frame, QStringLiteral("cmdLaborRedo"), QStringLiteral("Redo"),
                              QStringLiteral("Redo Labor Calculation"));

    auto* grid = new QGridLayout(frame);
    grid->addWidget(lblHours, 0, 0);
    grid->addWidget(txtHours, 0, 1);
    grid->addWidget(lblRate, 1, 0);
    grid->addWidget(txtRate, 1, 1);
    grid->addWidget(cmdCal, 1, 2);
    grid->addWidget(lblTotalLabor, 2, 0);
    grid->addWidget(txtTotalLabor, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command1);
    buttons->addWidget(cmdLaborRedo);
    grid->addLayout(buttons, 3, 1, 1, 2);
    return frame;
}

QGroupBox* frmInvoice::buildCharges() {
    auto* frame =
        named(new QGroupBox(QStringLiteral("Additional Charges")), QStringLiteral("fraCompletion"));
    frame->setToolTip(QStringLiteral("Use to enter Add-on Charges"));
    txtLabor = makeAmountBox(frame, QStringLiteral("txtLabor"));
    txtShip = makeBox(frame, QStringLiteral("txtShip"));
    txtShip->setAlignment(Qt::AlignRight);
    txtMisc = makeBox(frame, QStringLiteral("txtMisc"));
    txtMisc->setAlignment(Qt::AlignRight);
    txtDiscount = makeAmountBox(frame, QStringLiteral("txtDiscount"));
    lblLabor = makeLabel(frame, QStringLiteral("lblLabor"), QStringLiteral("Labor"), txtLabor);
    lblShip =
        makeLabel(frame, QStringLiteral("lblShip"), QStringLiteral("Shipping/Handling"), txtShip);
    lblMisc =
        makeLabel(frame, QStringLiteral("lblMisc"), QStringLiteral("Charges/Credits"), txtMisc);
    lblDiscount =
        makeLabel(frame, QStringLiteral("lblDiscount"), QStringLiteral("Discount"), txtDiscount);

    auto* grid = new QGridLayout(frame);
    const QList<QPair<QLabel*, QLineEdit*>> rows{
        {lblLabor, txtLabor}, {lblShip, txtShip}, {lblMisc, txtMisc}, {lblDiscount, txtDiscount}};
    for (int row = 0; row < rows.size(); ++row) {
        grid->addWidget(rows[row].first, row, 0);
        grid->addWidget(rows[row].second, row, 1);
        rows[row].second->setFixedWidth(amountWidth(rows[row].second));
        tint(rows[row].second, kChargeBoxColor);
    }
    return frame;
}

QWidget* frmInvoice::buildTotals() {
    auto* totals = new QWidget;
    totals->setObjectName(QStringLiteral("totalsArea"));
    txtTotal = makeAmountBox(totals, QStringLiteral("txtTotal"),
                             QStringLiteral("Shows a runnig Invoice Subtotal"));
    txtTax = makeAmountBox(totals, QStringLiteral("txtTax"),
                           QStringLiteral("Diplays Tax if applicable"));
    txtGrandTotal =
        makeAmountBox(totals, QStringLiteral("txtGrandTotal"), QStringLiteral("Grand Total"));
    lblTotal = makeLabel(totals, QStringLiteral("lblTotal"), QStringLiteral("Sub-Total"), txtTotal);
    lblTax = makeLabel(totals, QStringLiteral("lblTax"), QStringLiteral("Tax"), txtTax);
    lblGrandTotal =
        makeLabel(totals, QStringLiteral("lblGrandTotal"), QStringLiteral("TOTAL"), txtGrandTotal);
    QFont strong = txtGrandTotal->font();
    strong.setBold(true);
    txtGrandTotal->setFont(strong);
    lblGrandTotal->setFont(strong);

    auto* grid = new QGridLayout(totals);
    grid->setContentsMargins(0, 8, 0, 0);
    const QList<QPair<QLabel*, QLineEdit*>> rows{
        {lblTotal, txtTotal}, {lblTax, txtTax}, {lblGrandTotal, txtGrandTotal}};
    for (int row = 0; row < rows.size(); ++row) {
        grid->addWidget(rows[row].first, row, 0, Qt::AlignRight);
        grid->addWidget(rows[row].second, row, 1);
        rows[row].second->setFixedWidth(amountWidth(rows[row].second));
    }
    return totals;
}

void frmInvoice::setTabOrders() {
    const QList<QWidget*> order{
        txtPO,          txtInvoiceNo,       cmdInvoice, cmdDelete,  cmdPrint,  cmdExit,
        cboDescription, txtQuantity,        txtPrice,   cmdPost,    cmdCancel, cmdAdditem,
        cmdDeleteitem,  cmdComplete,        ckLabor,    ckShipping, ckMisc,    ckDiscount,
        cmdClearChecks, cmdOptionsContinue, txtHours,   txtRate,    cmdCal,    txtTotalLabor,
        Command1,       cmdLaborRedo,       txtShip,    txtMisc,    fgInvoice};
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
}

} // namespace invoicing
