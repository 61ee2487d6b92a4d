#include "expenses/ui/contactresultspanel.h"

#include "common/ui/keyboard.h"
#include "common/ui/widgets.h"
#include "expenses/core/contactsfoundmodel.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

namespace expenses {

ContactResultsPanel::ContactResultsPanel(QWidget* parent)
    : QGroupBox(tr("Payto Search Results"), parent)
    , m_model(new ContactsFoundModel(this)) {
    setObjectName(QStringLiteral("fraContactsFound"));

    m_grid = pellar::ui::named(new QTableView(this), QStringLiteral("fgContactsFound"));
    m_grid->setToolTip(tr("Displays Customers"));
    m_grid->setModel(m_model);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setWordWrap(false);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->horizontalHeader()->setHighlightSections(false);
    const QFontMetrics metrics(m_grid->font());
    const int charWidth = metrics.horizontalAdvance(u'n');
    // Name, telephone, street, city, state, postal code, record number.
    const int columns[ContactsFoundModel::ColumnCount] = {
        charWidth * 26, charWidth * 14, charWidth * 30, charWidth * 16,
        charWidth * 7,  charWidth * 10, charWidth * 11};
    int total = 0;
    for (int i = 0; i < ContactsFoundModel::ColumnCount; ++i) {
        m_grid->setColumnWidth(i, columns[i]);
        total += columns[i];
    }
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->verticalHeader()->setDefaultSectionSize(metrics.height() + 6);
    m_grid->setMinimumWidth(total + m_grid->verticalScrollBar()->sizeHint().width() +
                            2 * m_grid->frameWidth() + 2);
    m_grid->setMinimumHeight((metrics.height() + 6) * 14);
    // The pop-up menu opens over the row that was right-clicked.
    m_grid->installEventFilter(this);
    m_grid->viewport()->installEventFilter(this);

    m_print = pellar::ui::makeButton(this, QStringLiteral("cmdPrintContacts"), tr("&Print"),
                                     tr("Prints the Contact List"));
    m_preview =
        pellar::ui::makeButton(this, QStringLiteral("cmdPreviewContacts"), tr("Print P&review"),
                               tr("Shows the Contact List as it will print"));
    pellar::ui::printKeys(m_print, m_preview);
    m_savePdf =
        pellar::ui::makeButton(this, QStringLiteral("cmdSavePdfContacts"), tr("Save as P&DF"),
                               tr("Saves the Contact List to a PDF file"));
    m_alignment = pellar::ui::makeButton(this, QStringLiteral("cmdAlignContacts"), tr("Ali&gnment"),
                                         tr("Moves the printed Contact List to fit your printer"));
    m_hide = pellar::ui::makeButton(this, QStringLiteral("cmdRetry"), tr("&Hide"),
                                    tr("Hides the Contactr Grid"));
    auto* buttons = new QHBoxLayout;
    // Wrapped, so the print buttons beside it never widen the window.
    buttons->addWidget(
        pellar::ui::makeNote(this, tr("Click a Payto to Select then Right Click to "
                                      "load                or Click Retry if not Found")),
        1);
    buttons->addWidget(m_print);
    buttons->addWidget(m_preview);
    buttons->addWidget(m_savePdf);
    buttons->addWidget(m_alignment);
    buttons->addWidget(m_hide);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);

    // Shown only over the grid.
    m_popup = pellar::ui::named(new QMenu(this), QStringLiteral("mnupopup"));
    m_select = m_popup->addAction(tr("&Select Recipient"));
    m_select->setObjectName(QStringLiteral("mnuSelect"));

    connect(m_select, &QAction::triggered, this,
            [this] { emit selectClicked(m_model->recordAt(m_grid->currentIndex().row())); });
    connect(m_print, &QPushButton::clicked, this, &ContactResultsPanel::printClicked);
    connect(m_preview, &QPushButton::clicked, this, &ContactResultsPanel::previewClicked);
    connect(m_savePdf, &QPushButton::clicked, this, &ContactResultsPanel::savePdfClicked);
    connect(m_alignment, &QPushButton::clicked, this, &ContactResultsPanel::alignmentClicked);
    connect(m_hide, &QPushButton::clicked, this, &ContactResultsPanel::hideClicked);
}

void ContactResultsPanel::setFound(const QList<FoundContact>& found) {
    m_model->setFound(found);
    if (!found.isEmpty())
        m_grid->selectRow(0);
}

void ContactResultsPanel::showAs(const QString& title, bool printable) {
    setTitle(title);
    for (QPushButton* button : {m_print, m_preview, m_savePdf, m_alignment})
        button->setVisible(printable);
    show();
}

void ContactResultsPanel::focusGrid() {
    m_grid->setFocus();
}

bool ContactResultsPanel::chooseAt(const QPoint& viewportPos) {
    const QModelIndex index = m_grid->indexAt(viewportPos);
    if (!index.isValid())
        return false;
    m_grid->setCurrentIndex(index);
    return true;
}

void ContactResultsPanel::showPopup(const QPoint& viewportPos, bool fromMouse) {
    QPoint at = viewportPos;
    if (fromMouse) {
        if (!chooseAt(viewportPos))
            return;
    } else {
        // From the keyboard the menu opens over the current row.
        const QModelIndex current = m_grid->currentIndex();
        if (!current.isValid())
            return;
        at = m_grid->visualRect(current).center();
    }
    m_popup->popup(m_grid->viewport()->mapToGlobal(at));
}

QList<QWidget*> ContactResultsPanel::tabChain() const {
    return {m_grid, m_print, m_preview, m_savePdf, m_alignment, m_hide};
}

bool ContactResultsPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ContextMenu ||
        (watched != m_grid && watched != m_grid->viewport()))
        return QGroupBox::eventFilter(watched, event);
    const auto* menuEvent = static_cast<QContextMenuEvent*>(event);
    QPoint pos = menuEvent->pos();
    if (watched == m_grid)
        pos = m_grid->viewport()->mapFrom(m_grid, pos);
    showPopup(pos, menuEvent->reason() == QContextMenuEvent::Mouse);
    return true;
}

} // namespace expenses
