// The invoice form: loading, activation, the buttons of the Ready step, leaving, and the
// events the form watches (right-click on the grid, focus in and out of the charge boxes).
#include "invoicing/ui/frminvoice.h"

#include "common/core/desk.h"
#include "common/core/regional.h"
#include "common/core/settings.h"
#include "invoicing/core/invoicefiles.h"
#include "invoicing/ui/billwright.h"
#include "invoicing/ui/frminvoicegrid.h"
#include "invoicing/ui/frmshell.h"
#include "invoicing/ui/frmsplash.h"
#include "invoicing/ui/optioncheckbox.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>

namespace invoicing {

frmInvoice::frmInvoice(Billwright& program)
    : m_program(program) {
    setObjectName(QStringLiteral("frmInvoice"));
    setWindowTitle(QStringLiteral("Invoice Creation"));
    buildForm();
    m_chargeBoxColor = txtMisc->palette().color(QPalette::Base);
    connectControls();
    setTabOrders();
    for (QGroupBox* panel : {fraData, fraInvoiceOptions, fraLabor, fraCompletion})
        panel->hide();
    cmdComplete->hide();

    fgInvoice->viewport()->installEventFilter(this);
    for (QLineEdit* box : {txtShip, txtMisc, txtTotalLabor})
        box->installEventFilter(this);
    loadCatalogue();
}

frmInvoice::~frmInvoice() = default;

void frmInvoice::connectControls() {
    connect(cmdInvoice, &QPushButton::clicked, this, &frmInvoice::cmdInvoiceClick);
    connect(cmdDelete, &QPushButton::clicked, this, &frmInvoice::cmdDeleteClick);
    connect(cmdPrint, &QPushButton::clicked, this, &frmInvoice::cmdPrintClick);
    connect(cmdExit, &QPushButton::clicked, this, &frmInvoice::cmdExitClick);
    connect(mnuInvoiceHelp, &QAction::triggered, this, &frmInvoice::showHelp);

    connect(cboDescription, &QComboBox::activated, this, [this] { txtQuantity->setFocus(); });
    connect(cmdAdditem, &QPushButton::clicked, this, &frmInvoice::cmdAdditemClick);
    connect(cmdDeleteitem, &QPushButton::clicked, this, &frmInvoice::cmdDeleteitemClick);
    connect(cmdCancel, &QPushButton::clicked, this, &frmInvoice::cmdCancelClick);
    connect(cmdPost, &QPushButton::clicked, this, &frmInvoice::cmdPostClick);
    connect(mnuDeleteItem, &QAction::triggered, this, &frmInvoice::mnuDeleteItemClick);
    connect(cmdComplete, &QPushButton::clicked, this, &frmInvoice::cmdCompleteClick);

    connect(cmdClearChecks, &QPushButton::clicked, this, &frmInvoice::cmdClearChecksClick);
    connect(cmdOptionsContinue, &QPushButton::clicked, this, &frmInvoice::cmdOptionsContinueClick);
    connect(cmdCal, &QPushButton::clicked, this, &frmInvoice::cmdCalClick);
    connect(cmdLaborRedo, &QPushButton::clicked, this, &frmInvoice::cmdOptionsContinueClick);
    connect(Command1, &QPushButton::clicked, this, &frmInvoice::command1Click);
}

// ---- Loading and activation -----------------------------------------------------------------

void frmInvoice::loadCatalogue() {
    const CatalogueRead read = LoadItems(m_program.data());
    if (!read.problem.isEmpty()) {
        // Whatever could be read is offered, but the file is not rewritten from it.
        m_catalogueReadable = false;
        m_program.reportFileError(read.problem);
    }
    cboDescription->addItems(read.items);
}

QStringList frmInvoice::catalogue() const {
    QStringList items;
    for (int i = 0; i < cboDescription->count(); ++i)
        items << cboDescription->itemText(i);
    return items;
}

QString frmInvoice::customerBlock(const QStringList& fields) {
    const auto field = [&fields](int index) {
        return fields.value(index - 1);
    };
    QString block = field(1) + QStringLiteral("\r\n") + field(2) + QStringLiteral("\r\n");
    if (!field(3).isEmpty())
        block += field(3) + QStringLiteral("\r\n");
    block += field(4) + u',' + field(5) + QStringLiteral("\r\n") + field(6);
    return block;
}

void frmInvoice::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // A window restored by the person is not a new invoice.
    if (!event->spontaneous())
        activate();
}

void frmInvoice::closeEvent(QCloseEvent* event) {
    m_unloading = true;
    QMainWindow::closeEvent(event);
}

void frmInvoice::activate() {
    fillCustomerBlock();
    clearLineEntry();
    resetInvoice();
    resetPanels();
    setInvoiceButtons(true);
    loadInvoiceNumber();
    txtPO->setFocus();
}

void frmInvoice::fillCustomerBlock() {
    const QStringList fields =
        m_program.shell() ? m_program.shell()->customerFields() : QStringList();
    QString block = customerBlock(fields);
    txtCustomer->setPlainText(block.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void frmInvoice::clearLineEntry() {
    cboDescription->setCurrentIndex(-1);
    cboDescription->clearEditText();
    txtQuantity->clear();
    txtPrice->clear();
}

void frmInvoice::resetInvoice() {
    fgInvoice->clearLines();
    m_extensions.clear();
    m_lineCount = 0;
    setLineCaption();
    txtInvoiceNo->clear();
    m_totals = InvoiceTotals();
    m_refusedBox = nullptr;
    m_editedBox = nullptr;
    retintChargeBoxes();
    for (QLineEdit* box :
         {txtTotal, txtTax, txtGrandTotal, txtLabor, txtShip, txtMisc, txtDiscount})
        box->setText(pellar::formatCurrency(pellar::Currency()));
    txtTotalLabor->clear();
    txtHours->clear();
    cmdComplete->hide();
}

void frmInvoice::resetPanels() {
    fraData->hide();
    fraLabor->hide();
    fraInvoiceOptions->hide();
    cmdDelete->setEnabled(false);
    cmdPrint->setEnabled(false);
    m_savedBackColor = txtMisc->palette().color(QPalette::Base);
    const InvoiceOptions options = m_program.options();
    ckShipping->setValue(options.shippingAddOn);
    ckMisc->setValue(options.miscAddOn);
    ckLabor->setValue(options.laborAddOn);
    ckDiscount->setValue(options.discountAddOn);
    for (QWidget* widget : {static_cast<QWidget*>(lblRate), static_cast<QWidget*>(lblHours),
                            static_cast<QWidget*>(txtRate), static_cast<QWidget*>(cmdCal)})
        widget->show();
}

void frmInvoice::loadInvoiceNumber() {
    const InvoiceCounterLoad load = LoadInvoiceNumber(m_program.data(), m_program.desk().today());
    m_invoiceNumber = load.counter;
    if (!load.problem.isEmpty())
        m_program.reportFileError(load.problem);
    else if (!load.saved)
        m_program.reportFileError(load.saved.error);
    showInvoiceNumber();
}

void frmInvoice::showInvoiceNumber() {
    txtInvoiceNo->setText(QString::number(m_invoiceNumber));
    txtInvoiceNo->setReadOnly(false);
}

void frmInvoice::setInvoiceButtons(bool ready) {
    cmdInvoice->setEnabled(ready);
    cmdDelete->setEnabled(!ready);
    cmdPrint->setEnabled(!ready);
}

void frmInvoice::showTotals() {
    txtTotal->setText(pellar::formatCurrency(m_totals.subTotal()));
    txtTax->setText(pellar::formatCurrency(m_totals.tax()));
    txtGrandTotal->setText(pellar::formatCurrency(m_totals.grandTotal()));
}

void frmInvoice::alarm(QWidget* focusTo) {
    if (m_program.context().settings.alarmsOn)
        m_program.desk().beep();
    if (focusTo)
        focusTo->setFocus();
}

// ---- Ready ----------------------------------------------------------------------------------

void frmInvoice::cmdInvoiceClick() {
    fraData->show();
    cmdDelete->setEnabled(true);
    setInvoiceButtons(false);
    cboDescription->setFocus();
}

void frmInvoice::cmdDeleteClick() {
    setInvoiceButtons(true);
    cmdDelete->setEnabled(false);
    resetInvoice();
    // The number stays with the invoice: a fresh start still prints under the counter.
    showInvoiceNumber();
    for (QGroupBox* panel : {fraLabor, fraInvoiceOptions, fraData, fraCompletion})
        panel->hide();
    cmdInvoice->setFocus();
}

void frmInvoice::cmdExitClick() {
    leaveToMenu();
}

void frmInvoice::leaveToMenu() {
    if (m_catalogueReadable) {
        if (const pellar::FileResult written = WriteItems(m_program.data(), catalogue()); !written)
            m_program.reportFileError(written.error);
    }
    m_unloading = true;
    close();
    m_program.showMenu();
}

void frmInvoice::showHelp() {
    m_program.desk().message(QString::fromUtf16(kApplicationTitle), frmSplash::helpLines(),
                             pellar::MessageButtons::Ok);
}

// ---- Watched events -------------------------------------------------------------------------

bool frmInvoice::eventFilter(QObject* watched, QEvent* event) {
    if (watched == fgInvoice->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton && deleteMenuWanted())
            mnuPopup->popup(mouse->globalPosition().toPoint());
        return false;
    }
    if (m_unloading || (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut))
        return QMainWindow::eventFilter(watched, event);

    // Focus that leaves with the window (another program, a message box, a menu) comes back
    // to the same box: that is not the person moving between boxes.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
        reason == Qt::MenuBarFocusReason)
        return QMainWindow::eventFilter(watched, event);

    auto* box = qobject_cast<QLineEdit*>(watched);
    if (event->type() == QEvent::FocusIn) {
        if (box == txtShip || box == txtMisc)
            chargeBoxEntered(box);
        else if (box == txtTotalLabor)
            m_editedBox = box;
    } else if (box && box == m_editedBox) {
        // Only a box whose entry was seen: a focus move made while another box was being
        // left can send a leave to a box the focus never reached.
        if (box == txtTotalLabor)
            txtTotalLaborLeft();
        else
            chargeBoxLeft(box);
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace invoicing
