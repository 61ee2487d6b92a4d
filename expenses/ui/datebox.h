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

} // namespace expenses
