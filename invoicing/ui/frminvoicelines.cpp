// The invoice form's Lines step: the catalogue, posting and deleting item lines.
#include "common/core/desk.h"
#include "common/core/regional.h"
#include "invoicing/ui/billwright.h"
#include "invoicing/ui/frminvoice.h"
#include "invoicing/ui/frminvoicegrid.h"
#include "invoicing/core/invoicefiles.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace invoicing {

void frmInvoice::setLineCaption() {
    fraData->setTitle(QStringLiteral("Create Invoice Line No  ") +
                      QString::number(m_lineCount + 1));
}

void frmInvoice::cmdCancelClick() {
    clearLineEntry();
    cboDescription->setFocus();
}

void frmInvoice::cmdAdditemClick() {
    const QString text = cboDescription->currentText();
    if (text.isEmpty()) {
        alarm(cboDescription);
        return;
    }
    const int at = int(catalogueInsertPosition(catalogue(), text));
    cboDescription->insertItem(at, text);
    cboDescription->setCurrentIndex(at);
    txtQuantity->setFocus();
}

void frmInvoice::cmdDeleteitemClick() {
    const QString text = cboDescription->currentText();
    int at = cboDescription->currentIndex();
    // The entry that reads exactly as typed: the selected one, or else the first such.
    if (at < 0 || cboDescription->itemText(at) != text)
        at = cboDescription->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (text.isEmpty() || at < 0) {
        alarm(cboDescription);
        return;
    }
    cboDescription->removeItem(at);
    cboDescription->setCurrentIndex(-1);
    cboDescription->clearEditText();
    cboDescription->setFocus();
}

void frmInvoice::cmdPostClick() {
    const QString description = cboDescription->currentText();
    if (description.isEmpty()) {
        alarm(cboDescription);
        return;
    }
    if (txtPrice->text().isEmpty()) {
        alarm(txtPrice);
        return;
    }
    if (txtQuantity->text().isEmpty()) {
        alarm(txtQuantity);
        return;
    }
    // The grid holds 50 lines; a further one would have nowhere to go.
    if (m_lineCount >= InvoiceGrid::kLines) {
        alarm(nullptr);
        return;
    }
    const std::optional<pellar::Currency> price = pellar::currencyValue(txtPrice->text());
    if (!price) {
        alarm(txtPrice);
        return;
    }
    // A quantity without a leading number counts as 0 and gives a line of nothing.
    const std::optional<pellar::Currency> extension =
        lineExtension(*price, pellar::leadingNumberValue(txtQuantity->text()));
    if (!extension || !m_totals.addLine(*extension, TaxRule::from(m_program.options()))) {
        alarm(txtQuantity); // more than an invoice can hold
        return;
    }

    const int row = m_lineCount + 1;
    fgInvoice->setText(row, 1, txtQuantity->text());
    fgInvoice->setText(row, 2, description);
    fgInvoice->setText(row, 3, pellar::formatCurrency(*price));
    fgInvoice->setText(row, 4, pellar::formatCurrency(*extension));
    m_extensions.append(*extension);
    showTotals();
    cmdComplete->show();
    ++m_lineCount;
    setLineCaption();
    clearLineEntry();
    cboDescription->setFocus();
}

bool frmInvoice::deleteMenuWanted() const {
    const int line = fgInvoice->currentLine();
    return line >= 1 && !fgInvoice->text(line, 2).isEmpty() && !fraData->isHidden();
}

void frmInvoice::mnuDeleteItemClick() {
    const int line = fgInvoice->currentLine();
    if (!deleteMenuWanted() || line > m_lineCount)
        return;
    const pellar::MessageAnswer answer =
        m_program.desk().message(QStringLiteral("Item Deletion"),
                                 {QStringLiteral("Delete item ") + fgInvoice->text(line, 2) +
                                  QStringLiteral(" from Invoice?")},
                                 pellar::MessageButtons::YesNo);
    if (answer == pellar::MessageAnswer::Yes)
        deleteGridLine();
}

void frmInvoice::deleteGridLine() {
    const int line = fgInvoice->currentLine();
    if (line < 1 || line > m_lineCount)
        return;
    // Exactly what the line added comes off again.
    if (!m_totals.removeLine(m_extensions.at(line - 1), TaxRule::from(m_program.options()))) {
        alarm(cboDescription);
        return;
    }
    m_extensions.removeAt(line - 1);
    fgInvoice->removeLine(line);
    --m_lineCount;
    setLineCaption();
    showTotals();
    clearLineEntry();
    cboDescription->setFocus();
}

void frmInvoice::cmdCompleteClick() {
    fraCompletion->hide();
    cmdComplete->hide();
    // Line entry goes first so the two panels never stand side by side.
    fraData->hide();
    fraInvoiceOptions->show();
    cmdOptionsContinue->setFocus();
}

} // namespace invoicing
