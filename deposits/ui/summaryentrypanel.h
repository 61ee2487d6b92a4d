#pragma once
// The deposit form's first screen, "Deposit Creation": the date, the currency, the check
// count and the totals, with the check-entry frame inside it.

#include "common/core/currency.h"

#include <QDate>
#include <QGroupBox>
#include <optional>

class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

namespace pellar {
class Desk;
}

namespace deposits {

class DepositDraft;

class SummaryEntryPanel : public QGroupBox {
    Q_OBJECT
public:
    // `checkEntry` is placed beside the boxes.
    SummaryEntryPanel(pellar::Desk& desk, QWidget* checkEntry, QWidget* parent);

    // The totals and the buttons the draft offers.
    void showDraft(const DepositDraft& draft);
    // Zero currency, no checks, today's date.
    void clearEntries(QDate today);

    // The bills and coins as typed; nullopt when the box holds no amount.
    std::optional<pellar::Currency> currency() const;
    // The count as typed: a run of digits too long for a number is certainly too many,
    // anything else that is not a number counts as none.
    qint64 announcedChecks() const;
    QString countText() const;

    void focusCurrency(bool select = false);
    void focusCount(bool select = false);
    void focusContinue();

signals:
    void checkSummaryClicked();
    void continueClicked();
    void redoClicked();
    void currencyTyped();
    void countTyped();
    // The count's text changed by the person, typed or pasted.
    void countChanged();
    // A box's own rule refused what it held (it has beeped); the words for it.
    void refused(const QString& why);
    void dateChanged(QDate date);

private:
    void keyDown(QLineEdit* box);
    void left(QLineEdit* box);

    pellar::Desk& m_desk;
    QDateEdit* m_date = nullptr;
    QLineEdit* m_currency = nullptr;
    QLineEdit* m_count = nullptr;
    QLabel* m_checksTotal = nullptr;
    QLabel* m_depositTotal = nullptr;
    QPushButton* m_checkSummary = nullptr;
    QPushButton* m_continue = nullptr;
};

} // namespace deposits
