#pragma once
// The cleanup frame "fraCleanup": removing, for good, the expense records of a date range
// chosen with two pickers or a preset.

#include "expenses/core/expensecleanup.h"

#include <QGroupBox>

class QDateEdit;
class QLabel;
class QPushButton;

namespace pellar {
class DataFolder;
class Desk;
namespace ui {
class StatusNote;
}
} // namespace pellar

namespace expenses {

class CleanupPanel : public QGroupBox {
    Q_OBJECT
public:
    // The range is the form's, shared with the review.
    CleanupPanel(DateRange& range, pellar::Desk& desk, const pellar::DataFolder& data,
                 QWidget* parent);

    // The pickers on the year so far, no result shown.
    void open();
    void applyPreset(CleanupPreset preset);
    // Where a refused date is told in words.
    void setStatusNote(pellar::ui::StatusNote* note) { m_note = note; }

signals:
    void hideClicked();

private:
    // Every change of a picker's value passes here, whoever made it.
    void pickerChanged(QDateEdit* picker);
    void setPicker(QDateEdit* picker, QDate date);
    void runCleanup();

    DateRange& m_range;
    pellar::Desk& m_desk;
    const pellar::DataFolder& m_data;
    QDateEdit* m_start;
    QDateEdit* m_end;
    // cmdIncome_0, _3, _4 and _6: eternity, month to date, year to date, last month.
    QPushButton* m_cleanupPresets[4];
    QPushButton* m_cleanup;
    QPushButton* m_hide;
    QLabel* m_result;
    pellar::ui::StatusNote* m_note = nullptr;
};

} // namespace expenses
