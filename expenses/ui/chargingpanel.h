#pragma once
// The category panel "fraPayto": the category, how the amount is charged (to one
// category, split over several, or not at all on a partial payment), whether unpaid
// amounts may be expensed, and inside it the split and finance-charge panels.

#include "expenses/core/expenseentry.h"

#include <QGroupBox>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QRadioButton;

namespace pellar {
class DataFolder;
}

namespace expenses {

class EntryNotices;
class FinancePanel;
class SplitPanel;

class ChargingPanel : public QGroupBox {
    Q_OBJECT
public:
    ChargingPanel(ExpenseEntry& entry, EntryNotices& notices, const pellar::DataFolder& data,
                  QWidget* parent);

    void setCategories(const QStringList& categories);
    int categoryCount() const;
    void selectFirstCategory();
    void focusCategories();
    void focusModes();

    // Chooses a mode as a click would, without asking for an amount; nothing happens when
    // it is chosen already.
    void selectMode(ChargingMode mode);
    // Unpaid amounts off, the split amounts empty, a single category.
    void reset();
    // A readable amount was typed: the split panel follows the mode.
    void amountTyped();
    // The split panel's amounts follow the entry.
    void showAmounts();
    void hideSplit();
    void focusSplit();
    void hideFinance();

    QWidget* tabFirst() const;
    QWidget* tabLast() const;

signals:
    // The focus belongs in the amount box.
    void amountNeeded();
    void enterAllowed(bool allowed);
    void resetNeeded();
    void missingInput(ExpenseEntry::Missing missing);
    // The split lines changed.
    void linesChanged();
    void summaryWanted();

private:
    // A missing amount is asked for only when prompt is set.
    void modeClicked(int mode, bool prompt);
    void deselectModes();
    void allowNegativeClicked();
    void enterSplitLine();
    // The line's amount emptied and asked for again, after the refusal is told.
    void retypeSplitLine();

    ExpenseEntry& m_entry;
    EntryNotices& m_notices;
    QComboBox* m_categories;
    QButtonGroup* m_modeGroup;
    QRadioButton* m_modes[3];
    QCheckBox* m_allowNegative;
    SplitPanel* m_split;
    FinancePanel* m_finance;
};

} // namespace expenses
