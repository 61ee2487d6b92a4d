// The cleanup frame: removing, for good, the expense records of a date range.
#include "expenses/ui/frmexpenses.h"
#include "expenses/ui/spendlogforms.h"

#include "common/core/desk.h"
#include "common/core/regional.h"
#include "expenses/core/expensecleanup.h"
#include "expenses/ui/notices.h"

#include <QButtonGroup>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace expenses {

QGroupBox* frmExpenses::buildCleanupFrame() {
    fraCleanup = new QGroupBox(QStringLiteral("Cleanup"), this);
    fraCleanup->setObjectName(QStringLiteral("fraCleanup"));

    const QString dateForm = pellar::RegionalSettings::current().shortDateFormat;
    const auto picker = [&](const QString& name) {
        auto* edit = new QDateEdit(fraCleanup);
        edit->setObjectName(name);
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(dateForm);
        edit->setMinimumWidth(140);
        connect(edit, &QDateEdit::dateChanged, this, [this, edit] { pickerChanged(edit); });
        return edit;
    };
    DTStartDate = picker(QStringLiteral("DTStartDate"));
    DTEndDate = picker(QStringLiteral("DTEndDate"));

    auto* presets = new QGroupBox(QStringLiteral("Pre-Sets"), fraCleanup);
    auto* presetLayout = new QHBoxLayout(presets);
    auto* presetGroup = new QButtonGroup(this);
    const std::pair<int, const char16_t*> captions[4] = {{PresetEternity, u"&Eternity"},
                                                         {PresetMTD, u"M&TD"},
                                                         {PresetYTD, u"&YTD"},
                                                         {PresetLastMonth, u"&Last Month"}};
    for (const auto& [index, caption] : captions) {
        cmdIncome[index] = new QPushButton(QString::fromUtf16(caption), presets);
        cmdIncome[index]->setObjectName(QStringLiteral("cmdIncome_%1").arg(index));
        cmdIncome[index]->setAutoDefault(false);
        presetGroup->addButton(cmdIncome[index], index);
        presetLayout->addWidget(cmdIncome[index]);
    }
    connect(presetGroup, &QButtonGroup::idClicked, this, &frmExpenses::preset);

    makeButton(Cleanup, QStringLiteral("Cleanup"),
               QStringLiteral("DELETES ALL Expense Records for the select date range"), fraCleanup);
    makeButton(Hide, QStringLiteral("&Hide"), QStringLiteral("Show Main Screen"), fraCleanup);
    cmdExpense[Cleanup]->setStyleSheet(QStringLiteral("font-weight: bold;"));

    lblCleanupResult = new QLabel(fraCleanup);
    lblCleanupResult->setObjectName(QStringLiteral("lblCleanupResult"));
    lblCleanupResult->setWordWrap(true);
    QFont bold = lblCleanupResult->font();
    bold.setBold(true);
    lblCleanupResult->setFont(bold);

    auto* guide = new QLabel(
        QStringLiteral("Enter a Starting Date and Ending Date or Select a Pre-set Button"),
        fraCleanup);
    guide->setWordWrap(true);
    auto* warning = new QLabel(QStringLiteral("Click cleanup to DELETE ALL Expenses Recorded "
                                              "between the Start and Ending Dates"),
                               fraCleanup);
    warning->setWordWrap(true);
    warning->setStyleSheet(QStringLiteral("color: #8b0000; font-weight: bold;"));

    auto* dates = new QGridLayout;
    auto* startLabel = new QLabel(QStringLiteral("Starting Date"), fraCleanup);
    startLabel->setBuddy(DTStartDate);
    auto* endLabel = new QLabel(QStringLiteral("Ending Date"), fraCleanup);
    endLabel->setBuddy(DTEndDate);
    dates->addWidget(startLabel, 0, 0);
    dates->addWidget(DTStartDate, 1, 0);
    dates->addWidget(endLabel, 0, 1);
    dates->addWidget(DTEndDate, 1, 1);
    dates->setHorizontalSpacing(24);
    dates->setColumnStretch(2, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdExpense[Cleanup]);
    buttons->addStretch(1);
    buttons->addWidget(cmdExpense[Hide]);

    // The controls keep their natural size in the middle of the frame rather than being
    // spread over the whole area the entry screen needs.
    auto* body = new QWidget(fraCleanup);
    body->setFixedWidth(640);
    auto* bodyLayout = new QVBoxLayout(body);
    bodyLayout->addWidget(guide);
    bodyLayout->addSpacing(8);
    bodyLayout->addLayout(dates);
    bodyLayout->addSpacing(8);
    bodyLayout->addWidget(presets);
    bodyLayout->addSpacing(16);
    bodyLayout->addWidget(warning);
    bodyLayout->addLayout(buttons);
    bodyLayout->addSpacing(8);
    bodyLayout->addWidget(lblCleanupResult);

    auto* layout = new QVBoxLayout(fraCleanup);
    layout->addStretch(1);
    layout->addWidget(body, 0, Qt::AlignHCenter);
    layout->addStretch(2);

    setTabOrder(DTStartDate, DTEndDate);
    return fraCleanup;
}

void frmExpenses::openCleanup() {
    if (m_desk.message(QStringLiteral("Archive Procedure"),
                       {QStringLiteral("Cleanup Permenantly removes Records in your Expense Files"),
                        QStringLiteral("You should Clean Files only when Records are no longer "
                                       "needed")},
                       pellar::MessageButtons::OkCancel) != pellar::MessageAnswer::Ok)
        return;
    showFrame(fraCleanup);
    lblCleanupResult->clear();
    const QDate today = m_desk.today();
    setPicker(DTStartDate, QDate(today.year(), 1, 1));
    setPicker(DTEndDate, today);
}

void frmExpenses::setPicker(QDateEdit* picker, QDate date) {
    // A picker already on the date reports no change; the range must follow it all the same.
    if (picker->date() == date)
        pickerChanged(picker);
    else
        picker->setDate(date);
}

void frmExpenses::pickerChanged(QDateEdit* picker) {
    const QDate today = m_desk.today();
    if (picker->date() > today) {
        m_desk.beep();
        picker->setDate(today);
        return;
    }
    if (picker == DTStartDate)
        m_startDate = picker->date();
    else
        m_endDate = picker->date();
    if (m_endDate < m_startDate)
        setPicker(DTEndDate, DTStartDate->date());
}

void frmExpenses::preset(int index) {
    const QDate today = m_desk.today();
    const QDate monthStart(today.year(), today.month(), 1);
    switch (index) {
    case PresetEternity:
        setPicker(DTStartDate, QDate(2000, 1, 1));
        setPicker(DTEndDate, today);
        break;
    case PresetMTD:
        setPicker(DTStartDate, monthStart);
        setPicker(DTEndDate, today);
        break;
    case PresetYTD:
        setPicker(DTStartDate, QDate(today.year(), 1, 1));
        setPicker(DTEndDate, today);
        break;
    case PresetLastMonth:
        preset(PresetMTD);
        setPicker(DTStartDate, monthStart.addMonths(-1));
        setPicker(DTEndDate, monthStart.addDays(-1));
        break;
    default:
        break;
    }
}

void frmExpenses::runCleanup() {
    if (m_desk.message(QStringLiteral("Verify"),
                       {QStringLiteral("This will Delete all Expense Records"),
                        QStringLiteral("within the Selected Date Range")},
                       pellar::MessageButtons::YesNo) != pellar::MessageAnswer::Yes)
        return;
    // The range is what the pickers show.
    m_startDate = DTStartDate->date();
    m_endDate = DTEndDate->date();
    const CleanupOutcome outcome = [this] {
        const pellar::BusyCursor busy(m_desk);
        return removeExpensesBetween(m_forms.data(), m_startDate, m_endDate);
    }();
    if (!outcome.result)
        reportFileProblem(m_desk, outcome.result.error);
    lblCleanupResult->setText(cleanupReport(outcome));
}

} // namespace expenses
