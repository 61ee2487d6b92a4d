#pragma once
// The export screen: a period, the categories and forms of payment to include, and the kind
// of file, then the file the person names. What was written is told in words.

#include "expenses/core/expensefile.h"

#include <QGroupBox>
#include <QList>
#include <QStringList>

class QCheckBox;
class QDateEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace pellar {
class DataFolder;
class Desk;
namespace ui {
class StatusNote;
}
} // namespace pellar

namespace expenses {

class ExportPanel : public QGroupBox {
    Q_OBJECT
public:
    ExportPanel(pellar::Desk& desk, const pellar::DataFolder& data, QWidget* parent = nullptr);

    // Shown for the period, with the categories of the list (all of them chosen) and the
    // focus on the first date.
    void open(const DateRange& period, const QStringList& categories);
    void setStatusNote(pellar::ui::StatusNote* note) { m_note = note; }

    // Asks for the file and writes it; the Export button's action.
    void exportChosen();

signals:
    void closeClicked();

private:
    void refuse(const QString& why);

    pellar::Desk& m_desk;
    const pellar::DataFolder& m_data;
    pellar::ui::StatusNote* m_note = nullptr;
    QDateEdit* m_from;
    QDateEdit* m_to;
    QCheckBox* m_allCategories;
    QListWidget* m_categories;
    QList<QCheckBox*> m_methods;
    QRadioButton* m_csv;
    QRadioButton* m_journal;
    QPushButton* m_export;
};

} // namespace expenses
