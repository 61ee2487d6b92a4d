// The invoice form's add-on steps: the choice of add-ons, the labor panel and the walk
// through the shipping and additional-charges boxes to the Print button.
#include "common/core/regional.h"
#include "invoicing/ui/billwright.h"
#include "invoicing/ui/frminvoice.h"
#include "invoicing/ui/optioncheckbox.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace invoicing {

namespace {

void setBackground(QLineEdit* box, const QColor& color) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, color);
    box->setPalette(palette);
}

} // namespace

void frmInvoice::cmdClearChecksClick() {
    for (OptionCheckBox* addOn : {ckLabor, ckMisc, ckShipping, ckDiscount})
        addOn->setValue(kClear);
}

void frmInvoice::cmdOptionsContinueClick() {
    const InvoiceOptions options = m_program.options();
    // Only a plain tick offers the discount; a greyed box does not.
    if (ckDiscount->value() == kTicked) {
        if (m_totals.offerDiscount(options.discountPercent))
            txtDiscount->setText(pellar::formatCurrency(m_totals.discount()));
        else
            alarm(nullptr); // a percentage no invoice can hold: no offer
    }
    bool anyAddOn = false;
    for (const OptionCheckBox* addOn : {ckLabor, ckMisc, ckShipping, ckDiscount})
        anyAddOn = anyAddOn || addOn->value() != kClear;
    if (anyAddOn)
        fraCompletion->show();
    cmdPrint->setEnabled(true);

    if (ckLabor->value() != kClear) {
        fraLabor->show();
        if (options.laborMode() == LaborMode::Calculated) {
            const std::optional<pellar::Currency> rate = pellar::currencyValue(options.hourlyRate);
            // An unreadable rate is shown as it stands; Calculate refuses it there.
            txtRate->setText(rate ? pellar::formatCurrency(*rate) : options.hourlyRate);
            txtHours->setFocus();
        } else {
            txtTotalLabor->setFocus();
        }
    } else {
        goToShipping();
    }
    // Hidden once the focus has moved on, so it does not wander through the form first.
    fraInvoiceOptions->hide();
}

void frmInvoice::cmdCalClick() {
    if (txtHours->text().isEmpty()) {
        alarm(txtHours);
        return;
    }
    const std::optional<pellar::Currency> hours = pellar::currencyValue(txtHours->text());
    if (!hours) {
        alarm(txtHours);
        return;
    }
    const std::optional<pellar::Currency> rate = pellar::currencyValue(txtRate->text());
    if (!rate) {
        alarm(txtRate);
        return;
    }
    const std::optional<pellar::Currency> labor = laborCharge(*hours, *rate);
    if (!labor) {
        alarm(txtHours);
        return;
    }
    m_totals.setLabor(*labor);
    txtTotalLabor->setText(pellar::formatCurrency(*labor));
    Command1->setFocus();
}

void frmInvoice::txtTotalLaborLeft() {
    m_editedBox = nullptr;
    if (txtTotalLabor->text().isEmpty())
        txtTotalLabor->setText(QStringLiteral("0"));
    const std::optional<pellar::Currency> labor = pellar::currencyValue(txtTotalLabor->text());
    if (!labor) {
        refuse(txtTotalLabor);
        return;
    }
    m_refusedBox = nullptr;
    m_totals.setLabor(*labor);
    txtTotalLabor->setText(pellar::formatCurrency(*labor));
    Command1->setFocus();
}

void frmInvoice::command1Click() {
    if (txtTotalLabor->text().isEmpty()) {
        alarm(cmdLaborRedo);
        return;
    }
    const std::optional<pellar::Currency> shown = pellar::currencyValue(txtTotalLabor->text());
    if (!shown) {
        refuse(txtTotalLabor);
        return;
    }
    // What the box shows is what the invoice prints, so the charge follows the box should
    // it have been typed into without being left.
    if (pellar::formatCurrency(m_totals.labor()) != txtTotalLabor->text())
        m_totals.setLabor(*shown);
    if (!m_totals.acceptLabor(TaxRule::from(m_program.options()))) {
        refuse(txtTotalLabor);
        return;
    }
    m_refusedBox = nullptr;
    txtLabor->setText(pellar::formatCurrency(*shown));
    showTotals();
    goToShipping();
    // Hidden once the focus has moved on, so it does not land in a charge box by accident.
    fraLabor->hide();
}

void frmInvoice::goToShipping() {
    if (ckShipping->value() != kClear) {
        if (!fraCompletion->isHidden())
            txtShip->setFocus();
    } else {
        goToMisc();
    }
}

void frmInvoice::goToMisc() {
    if (ckMisc->value() == kClear)
        (cmdPrint->isEnabled() ? cmdPrint : cmdInvoice)->setFocus();
    else if (!fraCompletion->isHidden())
        txtMisc->setFocus();
}

void frmInvoice::chargeBoxEntered(QLineEdit* box) {
    m_editedBox = box;
    if (box == m_refocusing)
        return;
    // The amount counts again only once the box is left.
    if (box == txtShip)
        m_totals.clearShipping();
    else
        m_totals.clearCharges();
    box->clear();
    if (m_refusedBox == box)
        m_refusedBox = nullptr;
    const OptionCheckBox* addOn = box == txtShip ? ckShipping : ckMisc;
    if (addOn->value() == kClear) {
        chargeBoxLeft(box);
        return;
    }
    m_savedBackColor = box->palette().color(QPalette::Base);
    setBackground(box, Qt::white);
}

void frmInvoice::chargeBoxLeft(QLineEdit* box) {
    m_editedBox = nullptr;
    if (box->text().isEmpty())
        box->setText(QStringLiteral("0"));
    const bool shipping = box == txtShip;
    const std::optional<pellar::Currency> amount = pellar::currencyValue(box->text());
    if (!amount || !(shipping ? m_totals.enterShipping(*amount) : m_totals.enterCharges(*amount))) {
        refuse(box);
        return;
    }
    m_refusedBox = nullptr;
    box->setText(pellar::formatCurrency(*amount));
    txtGrandTotal->setText(pellar::formatCurrency(m_totals.grandTotal()));
    setBackground(box, m_savedBackColor);
    if (shipping)
        goToMisc();
    else
        cmdPrint->setFocus();
}

void frmInvoice::refuse(QLineEdit* box) {
    m_refusedBox = box;
    m_refocusing = box;
    alarm(box);
    m_refocusing = nullptr;
    m_editedBox = box;
}

void frmInvoice::retintChargeBoxes() {
    for (QLineEdit* box : {txtShip, txtMisc})
        setBackground(box, m_chargeBoxColor);
}

} // namespace invoicing
