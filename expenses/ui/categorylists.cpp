#include "expenses/ui/categorylists.h"

#include "common/ui/inputroutines.h"
#include "expenses/core/expensefile.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QVBoxLayout>

namespace expenses {

CategorySourceList::CategorySourceList(QWidget* parent)
    : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setDefaultDropAction(Qt::CopyAction);
}

QStringList CategorySourceList::mimeTypes() const {
    return {QString::fromLatin1(kCategoryDragFormat)};
}

QMimeData* CategorySourceList::mimeData(const QList<QListWidgetItem*>& items) const {
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kCategoryDragFormat), objectName().toUtf8());
    // Other programs may take the text; the expense list goes by the list's selection.
    if (!items.isEmpty())
        data->setText(items.first()->text());
    return data;
}

ExpenseListBox::ExpenseListBox(QWidget* parent)
    : QWidget(parent)
    , m_edit(new QLineEdit(this))
    , m_list(new QListWidget(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_edit);
    layout->addWidget(m_list, 1);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    // Drops are taken by the box as a whole, never by the typing area as text.
    m_edit->setAcceptDrops(false);
    pellar::keepStorable(*m_edit);
    // No longer than an expense record's category: a longer name would be posted cut.
    m_edit->setMaxLength(expenseLayout().width(ForField));
    m_list->setAcceptDrops(false);
    m_list->viewport()->setAcceptDrops(false);
    setAcceptDrops(true);
    setFocusProxy(m_edit);
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            m_edit->setText(m_list->item(row)->text());
    });
}

QString ExpenseListBox::editText() const {
    return m_edit->text();
}

void ExpenseListBox::setEditText(const QString& text) {
    m_edit->setText(text);
}

int ExpenseListBox::count() const {
    return m_list->count();
}

QString ExpenseListBox::itemText(int index) const {
    const QListWidgetItem* item = m_list->item(index);
    return item ? item->text() : QString();
}

QStringList ExpenseListBox::items() const {
    QStringList texts;
    texts.reserve(m_list->count());
    for (int i = 0; i < m_list->count(); ++i)
        texts.append(m_list->item(i)->text());
    return texts;
}

void ExpenseListBox::addItem(const QString& text) {
    m_list->addItem(text);
}

void ExpenseListBox::addItems(const QStringList& texts) {
    m_list->addItems(texts);
}

void ExpenseListBox::removeItem(int index) {
    delete m_list->takeItem(index);
}

void ExpenseListBox::clear() {
    m_list->clear();
}

int ExpenseListBox::currentIndex() const {
    const QListWidgetItem* item = m_list->currentItem();
    return item && item->isSelected() ? m_list->row(item) : -1;
}

void ExpenseListBox::setCurrentIndex(int index) {
    m_list->setCurrentRow(index);
}

void ExpenseListBox::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasFormat(QString::fromLatin1(kCategoryDragFormat)))
        event->acceptProposedAction();
    else
        event->ignore();
}

void ExpenseListBox::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData()->hasFormat(QString::fromLatin1(kCategoryDragFormat)))
        event->acceptProposedAction();
    else
        event->ignore();
}

void ExpenseListBox::dropEvent(QDropEvent* event) {
    const QString format = QString::fromLatin1(kCategoryDragFormat);
    if (!event->mimeData()->hasFormat(format)) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit droppedFrom(QString::fromUtf8(event->mimeData()->data(format)));
}

} // namespace expenses
