#pragma once
// A date picker that is one Tab stop: Tab leaves it instead of walking its month, day and
// year, which the arrow keys and typing reach.

#include <QDateEdit>

namespace expenses {

class DateBox : public QDateEdit {
public:
    using QDateEdit::QDateEdit;

protected:
    bool focusNextPrevChild(bool next) override { return QWidget::focusNextPrevChild(next); }
};

// A period's end as the export and totals screens pick it: one Tab stop, a calendar to open,
// the documented name.
inline QDateEdit* makeDatePicker(QWidget* parent, const QString& name) {
    auto* picker = new DateBox(parent);
    picker->setObjectName(name);
    picker->setCalendarPopup(true);
    picker->setMinimumDate(QDate(1900, 1, 1));
    return picker;
}

} // namespace expenses
