#include "deposits/ui/summaryentrypanel.h"

#include "common/core/regional.h"
#include "common/ui/inputroutines.h"
#include "deposits/core/depositdraft.h"
#include "deposits/ui/boxwatch.h"
#include "deposits/ui/depositformwidgets.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <cmath>
#include <limits>

namespace deposits {

using namespace depositwidgets;

SummaryEntryPanel::SummaryEntryPanel(pellar::Desk& desk, QWidget* checkEntry, QWidget* parent)
    : QGroupBox(tr("Deposit Creation"), parent)
    , m_desk(desk) {
    setObjectName(QStringLiteral("fraDepositCreation"));

    m_date = new QDateEdit(this);
    m_date->setObjectName(QStringLiteral("DTPicker1"));
    m_date->setCalendarPopup(true);
    m_date->setDisplayFormat(pellar::RegionalSettings::current().shortDateFormat);
    m_currency = amountBox(QStringLiteral("txtCurrency"),
                           tr("Enter the total of all cash that you wish to deposit"), this);
    m_count = amountBox(QStringLiteral("txtNoofChecks"),
                        tr("Enter the total number of checks that you wish to deposit"), this);
    m_checkSummary = button(QStringLiteral("cmdDepositCreation_0"), tr("&Enter Check Summary Data"),
                            tr("Accepts the total check count"), this);
    m_continue =
        button(QStringLiteral("cmdDepositCreation_1"), tr("&Continue with Deposit Creation"),
               tr("Continues the Deposit process"), this);
    QPushButton* redo =
        button(QStringLiteral("cmdDepositCreation_4"), tr("&Redo Deposit"), tr("Start over"), this);
    m_checksTotal = amountLabel(QStringLiteral("lblTotalofChecks"), tr("Ck Total"), this);
    m_depositTotal = amountLabel(QStringLiteral("lblDepositTotal"), tr("Deposit Total"), this);
    m_depositTotal->setFont(scaled(font(), 1.0, true));

    connect(m_date, &QDateEdit::dateChanged, this, &SummaryEntryPanel::dateChanged);
    connect(m_checkSummary, &QPushButton::clicked, this, &SummaryEntryPanel::checkSummaryClicked);
    connect(m_continue, &QPushButton::clicked, this, &SummaryEntryPanel::continueClicked);
    connect(redo, &QPushButton::clicked, this, &SummaryEntryPanel::redoClicked);

    // The key filters first: a key goes down before it types anything or is dropped.
    pellar::installDigitKeyFilter(*m_currency, true);
    pellar::installDigitKeyFilter(*m_count);
    auto* watch = new BoxWatch(this);
    watch->watch(*m_currency);
    watch->watch(*m_count);
    connect(watch, &BoxWatch::keyDown, this, &SummaryEntryPanel::keyDown);
    connect(watch, &BoxWatch::left, this, &SummaryEntryPanel::left);
    // Pasting types no key: the draft hears of it all the same.
    connect(m_count, &QLineEdit::textEdited, this, &SummaryEntryPanel::countChanged);
    connect(m_currency, &QLineEdit::textEdited, this, &SummaryEntryPanel::currencyTyped);
    // Return in the count goes on: to the checks it announces, or, with none announced or
    // all entered, to the cash-back step.
    connect(m_count, &QLineEdit::returnPressed, this, [this] {
        for (QPushButton* next :
             {announcedChecks() > 0 ? m_checkSummary : m_continue, m_continue}) {
            if (next->isEnabled() && next->isVisible()) {
                next->click();
                return;
            }
        }
    });

    auto* inputs = new QGridLayout;
    inputs->setHorizontalSpacing(12);
    inputs->setVerticalSpacing(10);
    inputs->addWidget(text(tr("Select the Deposit Date"), this), 0, 0);
    inputs->addWidget(m_date, 0, 1, Qt::AlignLeft);
    auto* currencyCaption = new QVBoxLayout;
    currencyCaption->setSpacing(0);
    currencyCaption->addWidget(text(tr("Total Currency with this Deposit"), this));
    QLabel* billsAndCoins = text(tr("(Bills and Coins)"), this);
    billsAndCoins->setFont(scaled(font(), 0.9, false));
    currencyCaption->addWidget(billsAndCoins);
    inputs->addLayout(currencyCaption, 1, 0);
    inputs->addWidget(m_currency, 1, 1, Qt::AlignLeft);
    inputs->addWidget(text(tr("No of Checks included with this Deposit"), this), 2, 0);
    inputs->addWidget(m_count, 2, 1, Qt::AlignLeft);
    inputs->addWidget(m_checkSummary, 3, 1, Qt::AlignLeft);
    inputs->setRowStretch(4, 1);
    inputs->setColumnStretch(0, 1);

    auto* totals = new QGridLayout;
    totals->setHorizontalSpacing(12);
    totals->addWidget(text(tr("Check Total"), this), 0, 0);
    totals->addWidget(m_checksTotal, 0, 1);
    totals->addWidget(text(tr("Total of Deposit"), this), 1, 0);
    totals->addWidget(m_depositTotal, 1, 1);
    totals->setColumnStretch(2, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_continue);
    buttons->addWidget(redo);
    totals->addLayout(buttons, 0, 3, 2, 1);

    keepSizeWhenHidden(checkEntry);
    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addLayout(inputs, 1);
    top->addWidget(checkEntry, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(12);
    layout->addLayout(top, 1);
    layout->addWidget(rule(this));
    layout->addLayout(totals);
}

void SummaryEntryPanel::showDraft(const DepositDraft& draft) {
    const auto shown = [](std::optional<pellar::Currency> amount) {
        return amount ? pellar::formatCurrency(*amount) : QString();
    };
    m_checksTotal->setText(shown(draft.checksTotal()));
    m_depositTotal->setText(shown(draft.depositTotal()));
    m_checkSummary->setEnabled(draft.offersCheckSummary());
    m_continue->setEnabled(draft.offersContinue());
}

void SummaryEntryPanel::clearEntries(QDate today) {
    m_currency->setText(zeroAmount());
    m_count->setText(QStringLiteral("0"));
    m_date->setDate(today);
}

std::optional<pellar::Currency> SummaryEntryPanel::currency() const {
    return pellar::currencyValue(m_currency->text());
}

qint64 SummaryEntryPanel::announcedChecks() const {
    // The box takes only digits, but a pasted text may hold anything.
    const QString text = m_count->text().trimmed();
    bool ok = false;
    const qint64 count = text.toLongLong(&ok);
    if (ok)
        return count;
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    return digits.match(text).hasMatch() ? std::numeric_limits<qint64>::max() : 0;
}

QString SummaryEntryPanel::countText() const {
    return m_count->text();
}

void SummaryEntryPanel::focusCurrency(bool select) {
    m_currency->setFocus();
    if (select)
        m_currency->selectAll();
}

void SummaryEntryPanel::focusCount(bool select) {
    m_count->setFocus();
    if (select)
        m_count->selectAll();
}

void SummaryEntryPanel::focusContinue() {
    m_continue->setFocus();
}

void SummaryEntryPanel::keyDown(QLineEdit* box) {
    if (box == m_currency) {
        if (holdsStartingZero(*m_currency))
            m_currency->clear();
        emit currencyTyped();
    } else {
        if (m_count->text() == u"0")
            m_count->clear();
        emit countTyped();
    }
}

void SummaryEntryPanel::left(QLineEdit* box) {
    if (box == m_currency) {
        if (!pellar::CheckMoneyBox(*m_currency, m_desk))
            emit refused(notAnAmountText());
        return;
    }
    const std::optional<double> count = pellar::floatValue(m_count->text());
    pellar::WholeNumberBox(*m_count, m_desk);
    if (!count || !std::isfinite(*count))
        emit refused(tr("The number of checks was not a number; it is 0 now."));
}

} // namespace deposits
