// The invoice form's line entry: the item, quantity and price of the next line, and the
// catalogue's own editing.
#include "common/ui/inputroutines.h"
#include "common/ui/keyboard.h"
#include "common/ui/widgets.h"
#include "invoicing/ui/invoicepanels.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace invoicing {

using pellar::ui::makeBox;
using pellar::ui::makeButton;
using pellar::ui::makeLabel;
using pellar::ui::named;

LineEntryPanel::LineEntryPanel(const Catalogue& catalogue)
    : QGroupBox(tr("Invoice Line No"))
    , m_catalogue(catalogue) {
    setObjectName(QStringLiteral("fraData"));
    setToolTip(tr("Enter Invoice Line Info here"));

    m_item = named(new QComboBox(this), QStringLiteral("cboDescription"));
    m_item->setEditable(true);
    // Only Add to List puts an entry in the catalogue; a typed item stays on its line.
    m_item->setInsertPolicy(QComboBox::NoInsert);
    m_item->setCompleter(nullptr);
    pellar::keepStorable(*m_item); // the catalogue is an 8-bit file
    m_item->setToolTip(tr("List of Previously Created Items"));
    m_item->setMinimumWidth(340);
    m_item->setMaxVisibleItems(16);
    m_item->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_item->addItems(m_catalogue.items());
    m_quantity = makeBox(this, QStringLiteral("txtQuantity"), tr("Enter Quantity here"));
    m_price = makeBox(this, QStringLiteral("txtPrice"), tr("Enter the per Unit Price here"));
    m_price->setAlignment(Qt::AlignRight);
    m_quantity->setMaximumWidth(90);
    m_price->setMaximumWidth(120);

    m_post = makeButton(this, QStringLiteral("cmdPost"), tr("Po&st to Invoice"),
                        tr("Posts this Information to the Invoice Line"));
    m_cancel = makeButton(this, QStringLiteral("cmdCancel"), tr("Clear &this Item"),
                          tr("Clears Item, Price and Quantity"));
    m_addItem = makeButton(this, QStringLiteral("cmdAdditem"), tr("&Add to List"),
                           tr("Adds the Newly entered Item to the list"));
    m_deleteItem = makeButton(this, QStringLiteral("cmdDeleteitem"), tr("Delete &from List"),
                              tr("Deletes the Selected item fro the list of items"));
    m_itemsComplete = makeButton(this, QStringLiteral("cmdComplete"), tr("&Items Complete"),
                                 tr("Completes the Invoice Body and adds addons"));
    QFont strong = m_post->font();
    strong.setBold(true);
    m_post->setFont(strong);

    connect(m_item, &QComboBox::activated, this, [this] {
        emit stepTaken({false, InvoiceField::Quantity});
    });
    connect(m_post, &QPushButton::clicked, this, &LineEntryPanel::postClicked);
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        clearEntry();
        emit stepTaken({false, InvoiceField::Item});
    });
    connect(m_addItem, &QPushButton::clicked, this, &LineEntryPanel::addToCatalogue);
    connect(m_deleteItem, &QPushButton::clicked, this, &LineEntryPanel::deleteFromCatalogue);
    connect(m_itemsComplete, &QPushButton::clicked, this, &LineEntryPanel::completeClicked);
    // Return in the price, the step's last box, posts the line.
    pellar::ui::returnClicks(m_price, m_post);

    auto* grid = new QGridLayout(this);
    grid->addWidget(makeLabel(this, QStringLiteral("lblDescription"), tr("Item"), m_item), 0, 0);
    grid->addWidget(m_item, 0, 1, 1, 4);
    grid->addWidget(m_addItem, 0, 5);
    grid->addWidget(m_deleteItem, 0, 6);
    grid->addWidget(makeLabel(this, QStringLiteral("lblQuantity"), tr("Quantity"), m_quantity), 1,
                    0);
    grid->addWidget(m_quantity, 1, 1);
    grid->addWidget(makeLabel(this, QStringLiteral("lblPrice"), tr("Price"), m_price), 1, 2,
                    Qt::AlignRight);
    grid->addWidget(m_price, 1, 3);
    grid->addWidget(m_post, 1, 5);
    grid->addWidget(m_cancel, 1, 6);
    grid->addWidget(m_itemsComplete, 2, 5, 1, 2);
    grid->setColumnStretch(4, 1);
}

QString LineEntryPanel::item() const {
    return m_item->currentText();
}

QString LineEntryPanel::quantity() const {
    return m_quantity->text();
}

QString LineEntryPanel::price() const {
    return m_price->text();
}

void LineEntryPanel::clearEntry() {
    m_item->setCurrentIndex(-1);
    m_item->clearEditText();
    m_quantity->clear();
    m_price->clear();
}

void LineEntryPanel::showDraft(const InvoiceDraft& draft) {
    setTitle(tr("Create Invoice Line No  %1").arg(draft.lines().size() + 1));
    m_itemsComplete->setVisible(draft.completeOffered());
}

void LineEntryPanel::addToCatalogue() {
    const QString text = m_item->currentText();
    if (text.isEmpty()) {
        emit stepTaken(
            {true, InvoiceField::Item, false, tr("Type the item to add to the list first.")});
        return;
    }
    const int at = int(m_catalogue.add(text));
    m_item->insertItem(at, text);
    m_item->setCurrentIndex(at);
    emit stepTaken({false, InvoiceField::Quantity});
}

void LineEntryPanel::deleteFromCatalogue() {
    const qsizetype at = m_catalogue.find(m_item->currentText(), m_item->currentIndex());
    if (at < 0) {
        emit stepTaken({true, InvoiceField::Item, false, tr("That item is not in the list.")});
        return;
    }
    m_catalogue.removeAt(at);
    m_item->removeItem(int(at));
    m_item->setCurrentIndex(-1);
    m_item->clearEditText();
    emit stepTaken({false, InvoiceField::Item});
}

bool LineEntryPanel::focus(InvoiceField field) {
    return focusOn(widgetFor(field));
}

QWidget* LineEntryPanel::widgetFor(InvoiceField field) const {
    switch (field) {
    case InvoiceField::Item:
        return m_item;
    case InvoiceField::Quantity:
        return m_quantity;
    case InvoiceField::Price:
        return m_price;
    default:
        return nullptr;
    }
}

QList<QWidget*> LineEntryPanel::tabChain() const {
    return {m_item,   m_quantity, m_price,      m_post,
            m_cancel, m_addItem,  m_deleteItem, m_itemsComplete};
}

} // namespace invoicing
