#pragma once
// The setup form's lists: the two lists of ready-made categories, which the person drags
// from, and the expense list, a typing area over an always-open list, which takes the drops.

#include <QListWidget>
#include <QString>
#include <QStringList>
#include <QWidget>

class QLineEdit;

namespace expenses {

// What a drag from a category list carries: the object name of the list it came from.
inline constexpr const char* kCategoryDragFormat = "application/x-pellar-category-list";

class CategorySourceList : public QListWidget {
    Q_OBJECT
public:
    explicit CategorySourceList(QWidget* parent = nullptr);

protected:
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override;
};

// A combo box whose list stays open: the person types a category into the typing area or
// picks an item of the list, which then also shows in the typing area.
class ExpenseListBox : public QWidget {
    Q_OBJECT
public:
    explicit ExpenseListBox(QWidget* parent = nullptr);

    QLineEdit* typingArea() const { return m_edit; }
    QListWidget* list() const { return m_list; }

    QString editText() const;
    void setEditText(const QString& text);
    int count() const;
    QString itemText(int index) const;
    QStringList items() const;
    void addItem(const QString& text);
    void addItems(const QStringList& texts);
    void removeItem(int index);
    void clear();
    // The selected item, -1 when none.
    int currentIndex() const;
    void setCurrentIndex(int index);

signals:
    // A category list was dropped here; the name is the list's object name.
    void droppedFrom(const QString& listName);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QLineEdit* m_edit;
    QListWidget* m_list;
};

} // namespace expenses
