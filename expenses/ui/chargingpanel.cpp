#include "expenses/ui/chargingpanel.h"

#include "common/core/regional.h"
#include "common/ui/widgets.h"
#include "expenses/ui/entrynotices.h"
#include "expenses/ui/financepanel.h"
#include "expenses/ui/splitpanel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace expenses {

ChargingPanel::ChargingPanel(ExpenseEntry& entry, EntryNotices& notices,
                             const pellar::DataFolder& data, QWidget* parent)
    : QGroupBox(tr("Expense Category Selection"), parent)
    , m_entry(entry)
    , m_notices(notices) {
    setObjectName(QStringLiteral("fraPayto"));
    m_categories = pellar::ui::named(new QComboBox(this), QStringLiteral("cboExpenseCategories"));
    m_categories->setToolTip(tr("Select a Category from the List"));
    m_categories->setMinimumContentsLength(30);

    const char* modes[3][2] = {
        {QT_TR_NOOP("Apply Amount to a Sin&gle Category"), nullptr},
        {QT_TR_NOOP("Disb&urse Amount to Multiple Categories"),
         QT_TR_NOOP("Amount can be Credited to Multiple Expense Categories")},
        {QT_TR_NOOP("Apply none of the Amount to  Categories Making &Partial Payment on  Account"),
         QT_TR_NOOP("You can Pay a Bill with out Applying the Amount to an Expense Category")}};
    m_modeGroup = new QButtonGroup(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_categories);
    for (int i = 0; i < 3; ++i) {
        m_modes[i] = pellar::ui::named(new QRadioButton(tr(modes[i][0]), this),
                                       QStringLiteral("optExpenses_%1").arg(i));
        if (modes[i][1])
            m_modes[i]->setToolTip(tr(modes[i][1]));
        m_modeGroup->addButton(m_modes[i], i);
        layout->addWidget(m_modes[i]);
    }
    m_modes[int(ChargingMode::SingleCategory)]->setChecked(true);

    m_allowNegative = pellar::ui::named(new QCheckBox(tr("E&xpense Unpaid Amounts"), this),
                                        QStringLiteral("ckAllowNegative"));
    m_allowNegative->setToolTip(tr("You can Expense More than the Amount Entered"));
    layout->addWidget(m_allowNegative);

    m_split = new SplitPanel(notices, this);
    m_split->hide();
    layout->addWidget(m_split);
    m_finance = new FinancePanel(entry, notices, data, this);
    m_finance->hide();
    layout->addWidget(m_finance);

    // Every mode before the check box: Tab from whichever is chosen reaches the split box.
    setTabOrder(m_categories, m_modes[0]);
    setTabOrder(m_modes[0], m_modes[1]);
    setTabOrder(m_modes[1], m_modes[2]);
    setTabOrder(m_modes[2], m_allowNegative);
    setTabOrder(m_allowNegative, m_split->tabFirst());
    setTabOrder(m_split->tabLast(), m_finance->tabFirst());

    connect(m_categories, &QComboBox::currentTextChanged, this,
            [this](const QString& text) { m_entry.category = text; });
    // Picking a category while splitting goes straight on to the line's amount.
    connect(m_categories, &QComboBox::activated, this, [this] {
        if (m_split->isVisible())
            m_split->focusTyped();
    });
    connect(m_modeGroup, &QButtonGroup::idClicked, this,
            [this](int mode) { modeClicked(mode, true); });
    connect(m_allowNegative, &QCheckBox::clicked, this, &ChargingPanel::allowNegativeClicked);
    connect(m_split, &SplitPanel::enterClicked, this, &ChargingPanel::enterSplitLine);
    connect(m_split, &SplitPanel::completeClicked, this, &ChargingPanel::summaryWanted);
}

void ChargingPanel::setCategories(const QStringList& categories) {
    m_categories->clear();
    m_categories->addItems(categories);
}

int ChargingPanel::categoryCount() const {
    return m_categories->count();
}

void ChargingPanel::selectFirstCategory() {
    m_categories->setCurrentIndex(0);
}

void ChargingPanel::focusCategories() {
    m_categories->setFocus();
}

void ChargingPanel::focusModes() {
    m_modes[int(ChargingMode::SingleCategory)]->setFocus();
}

void ChargingPanel::selectMode(ChargingMode mode) {
    if (m_entry.mode == mode)
        return;
    m_modes[int(mode)]->setChecked(true);
    modeClicked(int(mode), false);
}

void ChargingPanel::deselectModes() {
    m_modeGroup->setExclusive(false);
    for (QRadioButton* option : m_modes)
        option->setChecked(false);
    m_modeGroup->setExclusive(true);
    m_entry.mode = ChargingMode::None;
}

void ChargingPanel::modeClicked(int mode, bool prompt) {
    m_categories->setEnabled(true);
    m_allowNegative->setEnabled(true);
    if (prompt && !m_entry.hasAmount()) {
        m_notices.noAmount();
        emit amountNeeded();
        deselectModes();
        return;
    }
    m_entry.mode = ChargingMode(mode);
    switch (m_entry.mode) {
    case ChargingMode::SingleCategory:
        m_split->hide();
        m_finance->hide();
        break;
    case ChargingMode::MultipleCategories:
        emit enterAllowed(false);
        m_split->show();
        m_finance->hide();
        m_split->clearTyped();
        m_split->focusTyped();
        return;
    case ChargingMode::PartialPayment:
        if (m_entry.payment == PayByCash) {
            m_notices.cashOnAccount();
            emit resetNeeded();
            return;
        }
        m_allowNegative->setChecked(false);
        m_entry.allowNegative = false;
        m_allowNegative->setEnabled(false);
        m_split->hide();
        m_categories->setEnabled(false);
        m_finance->start();
        break;
    default:
        return;
    }
    const bool amount = m_entry.amount.has_value();
    emit enterAllowed(amount);
    if (!amount)
        emit amountNeeded();
}

void ChargingPanel::reset() {
    m_allowNegative->setChecked(false);
    m_entry.allowNegative = false;
    m_split->clearAmounts();
    selectMode(ChargingMode::SingleCategory);
}

void ChargingPanel::amountTyped() {
    switch (m_entry.mode) {
    case ChargingMode::SingleCategory:
    case ChargingMode::PartialPayment:
        m_split->clearTyped();
        m_split->hide();
        break;
    case ChargingMode::MultipleCategories:
        m_split->show();
        m_split->showAmounts(m_entry);
        break;
    default:
        break;
    }
}

void ChargingPanel::showAmounts() {
    m_split->showAmounts(m_entry);
}

void ChargingPanel::hideSplit() {
    m_split->hide();
}

void ChargingPanel::focusSplit() {
    m_split->focusTyped();
}

void ChargingPanel::hideFinance() {
    m_finance->hide();
}

void ChargingPanel::allowNegativeClicked() {
    // Unpaid amounts cannot be expensed for a cash payment.
    if (m_entry.payment == PayByCash)
        m_allowNegative->setChecked(false);
    m_entry.allowNegative = m_allowNegative->isChecked();
    if (!m_entry.allowNegative && !m_entry.amount) {
        emit amountNeeded();
        m_split->clearAmounts();
        return;
    }
    m_split->showAmounts(m_entry);
}

void ChargingPanel::retypeSplitLine() {
    m_split->clearTyped();
    m_split->focusTyped();
}

void ChargingPanel::enterSplitLine() {
    const QString typed = m_split->typed();
    if (typed.isEmpty())
        return;
    // Each line becomes a record: it needs what a single posting needs, and an amount that
    // can be stored whole.
    const std::optional<pellar::Currency> amount = storableAmount(typed);
    if (!amount) {
        m_notices.inputError(EntryNotices::notAnAmount(typed));
        retypeSplitLine();
        return;
    }
    if (const ExpenseEntry::Missing missing = m_entry.missing();
        missing != ExpenseEntry::Missing::Nothing) {
        emit missingInput(missing);
        return;
    }
    if (!m_notices.confirm(m_entry, m_entry.category, *amount)) {
        m_split->clearTyped();
        m_split->focusTyped();
        return;
    }
    const std::optional<pellar::Currency> left = m_entry.remaining();
    const ExpenseEntry::LineResult taken = m_entry.addSplitLine(m_entry.category, *amount);
    if (taken == ExpenseEntry::LineResult::Refused) {
        m_notices.overRemaining(*amount, left.value_or(pellar::Currency{}));
        retypeSplitLine();
        return;
    }
    emit linesChanged();
    if (!m_entry.allowNegative)
        m_split->showAmounts(m_entry);
    m_split->clearTyped();
    m_split->focusTyped();
    if (taken == ExpenseEntry::LineResult::Completed)
        emit summaryWanted();
}

QWidget* ChargingPanel::tabFirst() const {
    return m_categories;
}

QWidget* ChargingPanel::tabLast() const {
    return m_finance->tabLast();
}

} // namespace expenses
