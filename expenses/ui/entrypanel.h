#pragma once
// The entry frame "fraMain" of the expense form: the payee, the date, the amount, the form
// of payment with its check number or card company, and the category panel. It keeps the
// payment being recorded as an ExpenseEntry and posts it.

#include "expenses/core/expenseentry.h"

#include <QGroupBox>
#include <QStringList>

class QDateEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace pellar {
class DataFolder;
}

namespace expenses {

class ChargingPanel;
class PaymentPanel;
class EntryNotices;
class SplitSummary;

class EntryPanel : public QGroupBox {
    Q_OBJECT
public:
    EntryPanel(EntryNotices& notices, const pellar::DataFolder& data, QWidget* parent);

    const ExpenseEntry& entry() const { return m_entry; }

    // Checks and e-bills belong in the checkbook program when its data is present.
    void setCheckbookPresent(bool present);
    void setPayees(const QStringList& names);
    void setCategories(const QStringList& categories);
    int categoryCount() const;
    // The first category, and the first payee when there is one.
    void selectFirstChoices();

    // Back to a fresh single-category entry dated today, the focus in the amount box.
    void reset();

signals:
    void menuClicked();
    // A single-category posting was written.
    void posted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectParts();

    void amountEdited(const QString& text);
    // False, said and the focus kept, when the text is not an amount a record can hold.
    bool amountLeft();
    // Return in the amount box: the amount taken, then Enter.
    void returnInAmount();
    // The amount box's text, with the entry's amount following it.
    void setAmountText(const QString& text);
    void dateChanged();
    void focusMissing(ExpenseEntry::Missing missing);
    void postSingleCategory();
    void clearAmount();
    void completeSplit();
    void postSplit();

    ExpenseEntry m_entry;
    EntryNotices& m_notices;
    const pellar::DataFolder& m_data;

    QListWidget* m_payees;
    QDateEdit* m_date;
    QLineEdit* m_amount;
    PaymentPanel* m_payment;
    QLabel* m_checkbookFound; // lblCBFound_0
    QLabel* m_otherCheckbook; // lblCBFound_1
    ChargingPanel* m_charging;
    SplitSummary* m_summary;
    QPushButton* m_enter;
    QPushButton* m_clearAmount;
    QPushButton* m_redo;
    QPushButton* m_menu;
};

} // namespace expenses
