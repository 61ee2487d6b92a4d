#include "expenses/ui/cleanuppanel.h"

#include "common/ui/tinted.h"
#include "common/core/desk.h"
#include "common/core/regional.h"
#include "common/ui/keyboard.h"
#include "common/ui/widgets.h"
#include "expenses/ui/notices.h"

#include <QDateEdit>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace expenses {

CleanupPanel::CleanupPanel(DateRange& range, pellar::Desk& desk, const pellar::DataFolder& data,
                           QWidget* parent)
    : QGroupBox(tr("Cleanup"), parent)
    , m_range(range)
    , m_desk(desk)
    , m_data(data) {
    setObjectName(QStringLiteral("fraCleanup"));

    const QString dateForm = pellar::RegionalSettings::current().shortDateFormat;
    const auto picker = [&](const QString& name) {
        auto* edit = pellar::ui::named(new QDateEdit(this), name);
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(dateForm);
        edit->setMinimumWidth(140);
        connect(edit, &QDateEdit::dateChanged, this, [this, edit] { pickerChanged(edit); });
        return edit;
    };
    m_start = picker(QStringLiteral("DTStartDate"));
    m_end = picker(QStringLiteral("DTEndDate"));

    auto* presets = new QGroupBox(tr("Pre-Sets"), this);
    auto* presetLayout = new QHBoxLayout(presets);
    const std::pair<CleanupPreset, const char*> captions[4] = {
        {CleanupPreset::Eternity, QT_TR_NOOP("&Eternity")},
        {CleanupPreset::MonthToDate, QT_TR_NOOP("M&TD")},
        {CleanupPreset::YearToDate, QT_TR_NOOP("&YTD")},
        {CleanupPreset::LastMonth, QT_TR_NOOP("&Last Month")}};
    for (int i = 0; i < 4; ++i) {
        // Named copies, not a structured binding: a lambda may not capture one in C++20.
        const CleanupPreset preset = captions[i].first;
        const char* caption = captions[i].second;
        m_cleanupPresets[i] = pellar::ui::makeButton(
            presets, QStringLiteral("cmdIncome_%1").arg(int(preset)), tr(caption));
        m_cleanupPresets[i]->setAutoDefault(false);
        presetLayout->addWidget(m_cleanupPresets[i]);
        connect(m_cleanupPresets[i], &QPushButton::clicked, this,
                [this, preset] { applyPreset(preset); });
    }

    m_cleanup = pellar::ui::makeButton(this, QStringLiteral("cmdExpense_11"), tr("&Cleanup"),
                                       tr("DELETES ALL Expense Records for the select date range"));
    m_cleanup->setStyleSheet(QStringLiteral("font-weight: bold;"));
    m_hide = pellar::ui::makeButton(this, QStringLiteral("cmdExpense_12"), tr("&Hide"),
                                    tr("Show Main Screen"));
    for (QPushButton* button : {m_cleanup, m_hide})
        button->setAutoDefault(false);

    m_result = pellar::ui::named(pellar::ui::makeNote(this, QString()),
                                 QStringLiteral("lblCleanupResult"));
    QFont bold = m_result->font();
    bold.setBold(true);
    m_result->setFont(bold);
    // Room for the longest result from the start, so showing one never grows the window.
    m_result->setMinimumHeight(2 * QFontMetrics(bold).lineSpacing());

    auto* warning = pellar::ui::makeNote(this, tr("Click cleanup to DELETE ALL "
                                                  "Expenses Recorded between the "
                                                  "Start and Ending Dates"));
    pellar::ui::tinted(warning, pellar::Tint::Warning, true);

    auto* dates = new QGridLayout;
    dates->addWidget(pellar::ui::makeLabel(this, QString(), tr("Starting Date"), m_start), 0, 0);
    dates->addWidget(m_start, 1, 0);
    dates->addWidget(pellar::ui::makeLabel(this, QString(), tr("Ending Date"), m_end), 0, 1);
    dates->addWidget(m_end, 1, 1);
    dates->setHorizontalSpacing(24);
    dates->setColumnStretch(2, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_cleanup);
    buttons->addStretch(1);
    buttons->addWidget(m_hide);

    // The controls keep their natural size in the middle of the frame rather than being
    // spread over the whole area the entry screen needs.
    auto* body = new QWidget(this);
    body->setFixedWidth(640);
    auto* bodyLayout = new QVBoxLayout(body);
    bodyLayout->addWidget(pellar::ui::makeNote(
        this, tr("Enter a Starting Date and Ending Date or Select a Pre-set Button")));
    bodyLayout->addSpacing(8);
    bodyLayout->addLayout(dates);
    bodyLayout->addSpacing(8);
    bodyLayout->addWidget(presets);
    bodyLayout->addSpacing(16);
    bodyLayout->addWidget(warning);
    bodyLayout->addLayout(buttons);
    bodyLayout->addSpacing(8);
    bodyLayout->addWidget(m_result);

    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
    layout->addWidget(body, 0, Qt::AlignHCenter);
    layout->addStretch(2);

    setTabOrder(m_start, m_end);
    connect(m_cleanup, &QPushButton::clicked, this, &CleanupPanel::runCleanup);
    connect(m_hide, &QPushButton::clicked, this, &CleanupPanel::hideClicked);
}

void CleanupPanel::open() {
    m_result->clear();
    const QDate today = m_desk.today();
    setPicker(m_start, QDate(today.year(), 1, 1));
    setPicker(m_end, today);
}

void CleanupPanel::applyPreset(CleanupPreset preset) {
    const DateRange range = cleanupPresetRange(preset, m_desk.today());
    setPicker(m_start, range.start);
    setPicker(m_end, range.end);
}

void CleanupPanel::setPicker(QDateEdit* picker, QDate date) {
    // A picker already on the date reports no change; the range must follow it all the same.
    if (picker->date() == date)
        pickerChanged(picker);
    else
        picker->setDate(date);
}

void CleanupPanel::pickerChanged(QDateEdit* picker) {
    const QDate today = m_desk.today();
    if (picker->date() > today) {
        pellar::ui::refuse(m_desk, m_note, tr("Records cannot be dated later than today."));
        picker->setDate(today);
        return;
    }
    // A result belongs to the range it was run on.
    m_result->clear();
    if (picker == m_start)
        m_range.start = picker->date();
    else
        m_range.end = picker->date();
    if (m_range.end < m_range.start)
        setPicker(m_end, m_start->date());
}

void CleanupPanel::runCleanup() {
    if (m_desk.message(
            tr("Verify"),
            {tr("This will Delete all Expense Records"), tr("within the Selected Date Range")},
            pellar::MessageButtons::YesNoDefaultNo) != pellar::MessageAnswer::Yes)
        return;
    // The range is what the pickers show.
    m_range = {m_start->date(), m_end->date()};
    const CleanupOutcome outcome = [this] {
        const pellar::BusyCursor busy(m_desk);
        return removeExpensesBetween(m_data, m_range.start, m_range.end);
    }();
    if (!outcome.result)
        reportFileProblem(m_desk, outcome.result.error);
    m_result->setText(cleanupReport(outcome));
}

} // namespace expenses
