#include "expenses/ui/entrypanel.h"

#include "common/ui/tinted.h"
#include "common/core/desk.h"
#include "common/core/regional.h"
#include "common/ui/keyboard.h"
#include "common/ui/widgets.h"
#include "expenses/ui/chargingpanel.h"
#include "expenses/ui/datebox.h"
#include "expenses/ui/entrynotices.h"
#include "expenses/ui/paymentpanel.h"
#include "expenses/ui/splitsummary.h"

#include <QDateEdit>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace expenses {

namespace {

QLabel* checkbookNote(QWidget* parent, const QString& name, const QString& text) {
    QLabel* label = pellar::ui::named(pellar::ui::makeNote(parent, text), name);
    pellar::ui::tinted(label, pellar::Tint::Warning, true);
    return label;
}

} // namespace

EntryPanel::EntryPanel(EntryNotices& notices, const pellar::DataFolder& data, QWidget* parent)
    : QGroupBox(tr("Business Expenses"), parent)
    , m_notices(notices)
    , m_data(data) {
    setObjectName(QStringLiteral("fraMain"));

    m_payees = pellar::ui::named(new QListWidget(this), QStringLiteral("lstVendors"));
    m_payees->setMinimumWidth(220);
    m_date = pellar::ui::named(new DateBox(this), QStringLiteral("DTPicker1"));
    m_date->setToolTip(tr("Select the date the expense occurred"));
    m_date->setCalendarPopup(true);
    m_date->setDisplayFormat(pellar::RegionalSettings::current().shortDateFormat);
    m_date->setMinimumWidth(140);
    m_amount = pellar::ui::makeBox(this, QStringLiteral("txtAmount"),
                                   tr("Enter Amount paid for this item"));
    m_amount->setAlignment(Qt::AlignRight);
    m_amount->setMinimumWidth(140);
    m_amount->installEventFilter(this);

    m_checkbookFound =
        checkbookNote(this, QStringLiteral("lblCBFound_0"),
                      tr("USE YOUR CHECKBOOK PROGRAM TO ENTER CHECKS AND E-PAYMENTS."));
    m_otherCheckbook =
        checkbookNote(this, QStringLiteral("lblCBFound_1"),
                      tr("ENTER EXPENSES PAID USING A CHECKBOOK OTHER THAN ORVANTA'S TILLBOOKII"));
    m_checkbookFound->hide();
    m_payment = new PaymentPanel(m_entry, this);

    m_charging = new ChargingPanel(m_entry, notices, data, this);
    m_charging->installEventFilter(this);
    m_summary = new SplitSummary(this);
    m_summary->hide();

    m_enter = pellar::ui::makeButton(this, QStringLiteral("cmdExpense_1"), tr("E&nter"),
                                     tr("Enter Amount to Single Category"));
    m_clearAmount = pellar::ui::makeButton(this, QStringLiteral("cmdExpense_8"),
                                           tr("C&lear Amount"), tr("Clears the amount input box"));
    m_redo = pellar::ui::makeButton(this, QStringLiteral("cmdExpense_7"), tr("Re&do"),
                                    tr("Redo the Expense Posting"));
    m_menu = pellar::ui::makeButton(this, QStringLiteral("cmdExpense_0"), tr("&Menu"),
                                    tr("Return to the Main Menu"));
    for (QPushButton* button : {m_enter, m_clearAmount, m_redo, m_menu})
        button->setAutoDefault(false);

    auto* dateAndAmount = new QGridLayout;
    dateAndAmount->addWidget(pellar::ui::makeLabel(this, QString(), tr("Date Paid"), m_date), 0, 0);
    dateAndAmount->addWidget(m_date, 1, 0);
    dateAndAmount->addWidget(
        pellar::ui::makeLabel(this, QString(), tr("Enter Amount Paid"), m_amount), 0, 1);
    dateAndAmount->addWidget(m_amount, 1, 1);
    dateAndAmount->setColumnStretch(2, 1);

    auto* right = new QVBoxLayout;
    right->addLayout(dateAndAmount);
    right->addWidget(m_payment);
    right->addWidget(m_checkbookFound);
    right->addWidget(m_otherCheckbook);
    right->addWidget(m_charging);
    right->addStretch(1);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addWidget(m_enter);
    buttons->addWidget(m_clearAmount);
    buttons->addWidget(m_redo);
    buttons->addStretch(1);
    buttons->addWidget(m_menu);

    auto* layout = new QGridLayout(this);
    layout->addWidget(pellar::ui::makeLabel(this, QString(), tr("Payment Made to"), m_payees), 0,
                      0);
    layout->addWidget(m_payees, 1, 0);
    layout->addLayout(right, 0, 1, 2, 1);
    layout->addLayout(buttons, 2, 0, 1, 2);
    layout->setColumnStretch(0, 2);
    layout->setColumnStretch(1, 5);
    layout->setRowStretch(1, 1);
    layout->setHorizontalSpacing(16);

    setTabOrder(m_payees, m_date);
    setTabOrder(m_date, m_amount);
    setTabOrder(m_amount, m_payment->tabFirst());
    setTabOrder(m_payment->tabLast(), m_charging->tabFirst());
    setTabOrder(m_charging->tabLast(), m_enter);
    setTabOrder(m_enter, m_clearAmount);
    setTabOrder(m_clearAmount, m_redo);
    setTabOrder(m_redo, m_menu);
    connectParts();
}

void EntryPanel::connectParts() {
    connect(m_payees, &QListWidget::currentTextChanged, this,
            [this](const QString& name) { m_entry.payee = name; });
    connect(m_date, &QDateEdit::dateChanged, this, &EntryPanel::dateChanged);
    connect(m_amount, &QLineEdit::textEdited, this, &EntryPanel::amountEdited);
    connect(m_amount, &QLineEdit::returnPressed, this, &EntryPanel::returnInAmount);
    connect(m_payment, &PaymentPanel::paymentChosen, m_charging, &QWidget::show);

    connect(m_charging, &ChargingPanel::amountNeeded, this, [this] { m_amount->setFocus(); });
    connect(m_charging, &ChargingPanel::enterAllowed, m_enter, &QPushButton::setEnabled);
    connect(m_charging, &ChargingPanel::resetNeeded, this, &EntryPanel::reset);
    connect(m_charging, &ChargingPanel::missingInput, this, &EntryPanel::focusMissing);
    connect(m_charging, &ChargingPanel::linesChanged, this,
            [this] { m_summary->showLines(m_entry.splitLines()); });
    connect(m_charging, &ChargingPanel::summaryWanted, this, &EntryPanel::completeSplit);
    connect(m_summary, &SplitSummary::continueClicked, this, &EntryPanel::postSplit);
    connect(m_summary, &SplitSummary::redoClicked, this, &EntryPanel::reset);

    connect(m_enter, &QPushButton::clicked, this, &EntryPanel::postSingleCategory);
    connect(m_clearAmount, &QPushButton::clicked, this, &EntryPanel::clearAmount);
    connect(m_redo, &QPushButton::clicked, this, &EntryPanel::reset);
    connect(m_menu, &QPushButton::clicked, this, &EntryPanel::menuClicked);
}

void EntryPanel::setCheckbookPresent(bool present) {
    m_checkbookFound->setVisible(present);
    m_otherCheckbook->setVisible(!present);
    m_payment->setCheckbookPresent(present);
}

void EntryPanel::setPayees(const QStringList& names) {
    m_payees->clear();
    m_payees->addItems(names);
}

void EntryPanel::setCategories(const QStringList& categories) {
    m_charging->setCategories(categories);
}

int EntryPanel::categoryCount() const {
    return m_charging->categoryCount();
}

void EntryPanel::selectFirstChoices() {
    m_charging->selectFirstCategory();
    if (m_payees->count() > 0)
        m_payees->setCurrentRow(0);
}

void EntryPanel::reset() {
    m_charging->hideFinance();
    m_summary->hide();
    m_enter->setEnabled(false);
    // The mode's own handling still sees the amount being replaced, as a click would.
    m_charging->reset();
    m_entry.clearSplitLines();
    m_summary->showLines({});
    m_date->setDate(m_notices.desk().today());
    setAmountText(QString());
    m_entry.reset(m_notices.desk().today());
    m_amount->setFocus();
}

void EntryPanel::setAmountText(const QString& text) {
    m_amount->setText(text);
    const std::optional<pellar::Currency> value = pellar::currencyValue(text);
    m_entry.amount = text.isEmpty() || !value ? std::nullopt : std::optional(wholeCents(*value));
}

void EntryPanel::amountEdited(const QString& text) {
    const std::optional<pellar::Currency> value = pellar::currencyValue(text);
    m_entry.amount = value ? std::optional(wholeCents(*value)) : std::nullopt;
    if (!value)
        return;
    if (m_entry.mode != ChargingMode::None)
        m_enter->setEnabled(m_entry.mode != ChargingMode::MultipleCategories);
    m_charging->amountTyped();
}

bool EntryPanel::amountLeft() {
    QString text = m_amount->text().trimmed();
    if (text.isEmpty())
        text = QStringLiteral("0");
    // Text that is not an amount, or an amount too long for the record, is refused and left
    // in the box to be corrected: it is no amount, and certainly not zero.
    const std::optional<pellar::Currency> value = storableAmount(text);
    if (!value) {
        m_entry.amount.reset();
        m_notices.refuse(EntryNotices::notAnAmount(text));
        m_amount->setFocus();
        m_amount->selectAll();
        return false;
    }
    setAmountText(pellar::formatCurrency(*value));
    if (!m_entry.allowNegative)
        m_charging->showAmounts();
    return true;
}

void EntryPanel::returnInAmount() {
    if (!amountLeft())
        return;
    if (m_entry.mode == ChargingMode::None) {
        m_notices.refuse(EntryNotices::missingText(m_entry, ExpenseEntry::Missing::Mode));
        m_charging->focusModes();
        return;
    }
    // In a split the amount is only what is to be split: the lines come next.
    if (m_entry.mode == ChargingMode::MultipleCategories)
        m_charging->focusSplit();
    else if (m_enter->isEnabled())
        m_enter->click();
}

void EntryPanel::dateChanged() {
    const QDate today = m_notices.desk().today();
    if (m_date->date() > today) {
        m_notices.futureDate();
        m_date->setDate(today);
        return;
    }
    m_entry.date = m_date->date();
}

void EntryPanel::focusMissing(ExpenseEntry::Missing missing) {
    m_notices.inputError(EntryNotices::missingText(m_entry, missing));
    switch (missing) {
    case ExpenseEntry::Missing::Mode:
        m_charging->focusModes();
        break;
    case ExpenseEntry::Missing::Payee:
        m_payees->setFocus();
        break;
    case ExpenseEntry::Missing::Category:
        m_charging->focusCategories();
        break;
    case ExpenseEntry::Missing::Amount:
        m_amount->setFocus();
        break;
    case ExpenseEntry::Missing::Reference:
        m_payment->focusReference();
        break;
    case ExpenseEntry::Missing::Nothing:
        break;
    }
}

void EntryPanel::postSingleCategory() {
    if (const ExpenseEntry::Missing missing = m_entry.missing();
        missing != ExpenseEntry::Missing::Nothing) {
        focusMissing(missing);
        return;
    }
    if (!m_notices.confirm(m_entry, m_entry.category, *m_entry.amount))
        return;
    switch (m_entry.mode) {
    case ChargingMode::SingleCategory: {
        const QList<ExpenseRecord> record = m_entry.records();
        if (!m_notices.posted(m_entry.post(m_data), record))
            return;
        m_payment->clearReference();
        emit posted();
        reset();
        break;
    }
    case ChargingMode::MultipleCategories:
        m_charging->focusSplit();
        break;
    default:
        // A partial payment is not itself recorded; the person is told, not left guessing.
        m_notices.say(tr("A partial payment is not recorded. A finance charge is "
                         "recorded with Continue."));
        break;
    }
}

void EntryPanel::clearAmount() {
    m_charging->selectMode(ChargingMode::SingleCategory);
    setAmountText(pellar::formatCurrency({}));
    m_amount->setFocus();
}

void EntryPanel::completeSplit() {
    m_summary->showOver(m_charging);
}

void EntryPanel::postSplit() {
    // The summary posts its lines, whatever was chosen under it since.
    m_entry.mode = ChargingMode::MultipleCategories;
    // A cent left over by rounding the lines is easily missed: said before anything is
    // written, and the lines kept open for one more.
    if (const std::optional<pellar::Currency> left = m_entry.remaining();
        left && *left > pellar::Currency{} && m_entry.amount &&
        !m_notices.postShortSplit(*left, *m_entry.amount)) {
        m_summary->hide();
        m_charging->focusSplit();
        return;
    }
    const QList<ExpenseRecord> lines = m_entry.records();
    if (!m_notices.posted(m_entry.post(m_data), lines))
        return;
    m_summary->hide();
    m_payment->clearReference();
    // The posted lines are gone from the entry: the next split cannot post them again.
    m_summary->showLines(m_entry.splitLines());
    clearAmount();
    m_charging->hideSplit();
}

bool EntryPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_charging) {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Move)
            m_summary->follow(m_charging);
    } else if (watched == m_amount) {
        if (event->type() == QEvent::KeyPress) {
            // Typing over a zero starts from an empty box.
            const QString typed = static_cast<QKeyEvent*>(event)->text();
            if (!typed.isEmpty() && typed[0].isPrint() &&
                m_amount->text() == pellar::formatCurrency({}))
                m_amount->clear();
        } else if (event->type() == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                amountLeft();
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

} // namespace expenses
