#include "expenses/ui/vendorlistpanel.h"

#include "common/ui/widgets.h"
#include "expenses/core/vendorlistmodel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

namespace expenses {

VendorListPanel::VendorListPanel(QWidget* parent)
    : QGroupBox(tr("Vendors / Suppliers List"), parent)
    , m_model(new VendorListModel(this)) {
    setObjectName(QStringLiteral("fraSuppliers"));

    m_grid = pellar::ui::named(new QTableView(this), QStringLiteral("fgVendors"));
    m_grid->setModel(m_model);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->horizontalHeader()->setHighlightSections(false);
    m_grid->setWordWrap(false);
    const QFontMetrics metrics(m_grid->font());
    const int charWidth = metrics.horizontalAdvance(QLatin1Char('n'));
    const int columns[4] = {charWidth * 28, charWidth * 19, charWidth * 15, charWidth * 6};
    for (int i = 0; i < 4; ++i)
        m_grid->setColumnWidth(i, columns[i]);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->verticalHeader()->setDefaultSectionSize(metrics.height() + 6);
    // Every column in view, with room for the scroll bar.
    m_grid->setMinimumWidth(columns[0] + columns[1] + columns[2] + columns[3] +
                            m_grid->verticalScrollBar()->sizeHint().width() +
                            2 * m_grid->frameWidth() + 2);

    m_load = pellar::ui::makeButton(this, QStringLiteral("cmdVendorList_0"), tr("&Load"));
    m_quit = pellar::ui::makeButton(this, QStringLiteral("cmdVendorList_1"), tr("&Quit"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(new QLabel(tr("Left Click to Select"), this), 1);
    buttons->addWidget(m_load);
    buttons->addWidget(m_quit);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid, 1);
    layout->addWidget(pellar::ui::makeNote(
        this, tr("Vendor / Supplier Data cannot be modified     on this screen")));
    layout->addLayout(buttons);

    connect(m_load, &QPushButton::clicked, this, [this] {
        const QModelIndexList rows = m_grid->selectionModel()->selectedRows();
        emit loadClicked(rows.isEmpty() ? 0 : m_model->recordAt(rows.first().row()));
    });
    connect(m_quit, &QPushButton::clicked, this, &VendorListPanel::quitClicked);
}

void VendorListPanel::setContacts(const QList<Contact>& contacts) {
    m_model->setContacts(contacts);
}

QList<QWidget*> VendorListPanel::tabChain() const {
    return {m_grid, m_load, m_quit};
}

} // namespace expenses
