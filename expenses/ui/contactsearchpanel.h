#pragma once
// The search frame "fraSearch": which field to search, the criterion, and the buttons
// that start, clear and leave the search.

#include "expenses/core/contactsearch.h"

#include <QGroupBox>

class QButtonGroup;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace expenses {

class ContactSearchPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit ContactSearchPanel(QWidget* parent);

    // By telephone number, the focus after the criterion's last character.
    void open();
    // An empty criterion, the focus in it.
    void clearCriterion();
    void focusCriterion();
    QList<QWidget*> tabChain() const;

signals:
    void searchClicked(SearchKind kind, const QString& typed);
    void returnClicked();

private:
    void startSearch();

    QButtonGroup* m_kindGroup;
    QRadioButton* m_kinds[kSearchOptionCount];
    QLineEdit* m_criterion;
    QPushButton* m_start;
    QPushButton* m_clear;
    QPushButton* m_return;
};

} // namespace expenses
