#include "expenses/ui/reviewpanel.h"

#include "common/ui/tinted.h"
#include "common/core/desk.h"
#include "common/core/regional.h"
#include "common/ui/widgets.h"
#include "expenses/core/expensegridmodel.h"
#include "expenses/core/expensereview.h"
#include "expenses/ui/notices.h"
#include "expenses/ui/proportionalcolumns.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace expenses {

ReviewPanel::ReviewPanel(DateRange& period, pellar::Desk& desk, const pellar::DataFolder& data,
                         QWidget* parent)
    : QGroupBox(tr("Expenses"), parent)
    , m_period(period)
    , m_desk(desk)
    , m_data(data)
    , m_model(new ExpenseGridModel(this)) {
    setObjectName(QStringLiteral("fraExpenses"));

    m_grid = pellar::ui::named(new QTableView(this), QStringLiteral("fgExpenses"));
    m_grid->setModel(m_model);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setAlternatingRowColors(true);
    m_grid->setWordWrap(false);
    m_grid->verticalHeader()->hide();
    // Every row the same height: the view then never measures rows, whatever their number.
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    // Columns in the proportion 13 : 44 : 43 : 23 characters.
    new ProportionalColumns(m_grid, {13, 44, 43, 23});
    const int character = m_grid->fontMetrics().averageCharWidth();
    m_grid->setMinimumWidth(100 * character);

    const char* captions[4] = {QT_TR_NOOP("&MTD"), QT_TR_NOOP("&Eternity"),
                               QT_TR_NOOP("&Close Window"), QT_TR_NOOP("&YTD")};
    for (int i = 0; i < 4; ++i) {
        m_buttons[i] = pellar::ui::makeButton(this, QStringLiteral("cmdExpensesGrid_%1").arg(i),
                                              tr(captions[i]));
        m_buttons[i]->setAutoDefault(false);
        connect(m_buttons[i], &QPushButton::clicked, this,
                [this, i] { i == Close ? emit closeClicked() : listFrom(Button(i)); });
    }
    m_buttons[Close]->setToolTip(tr("Show main screen"));

    m_total = pellar::ui::named(new QLabel(this), QStringLiteral("lblTotal"));
    m_total->setFrameShape(QFrame::StyledPanel);
    m_total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_total->setMinimumWidth(23 * character);
    m_total->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    m_total->setStyleSheet(QStringLiteral("padding: 3px 6px;"));
    QFont bold = m_total->font();
    bold.setBold(true);
    m_total->setFont(bold);
    auto* totalCaption = new QLabel(tr("Total"), this);
    totalCaption->setFont(bold);

    m_periodShown = pellar::ui::named(new QLabel(this), QStringLiteral("lblPeriod"));
    m_unreadable = pellar::ui::named(new QLabel(this), QStringLiteral("lblUnreadable"));
    m_unreadable->setWordWrap(true);
    pellar::ui::tinted(m_unreadable, pellar::Tint::Warning);
    m_unreadable->hide();

    auto* range = new QGroupBox(tr("Report Date Range"), this);
    auto* rangeLayout = new QHBoxLayout(range);
    rangeLayout->addWidget(m_buttons[MonthToDate]);
    rangeLayout->addWidget(m_buttons[YearToDate]);
    rangeLayout->addWidget(m_buttons[Eternity]);
    rangeLayout->addSpacing(12);
    rangeLayout->addWidget(m_periodShown);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(range);
    bottom->addStretch(1);
    bottom->addWidget(totalCaption, 0, Qt::AlignVCenter);
    bottom->addWidget(m_total, 0, Qt::AlignVCenter);
    bottom->addSpacing(24);
    QPushButton* exportButton =
        pellar::ui::makeButton(this, QStringLiteral("cmdExpensesExport"), tr("E&xport..."),
                               tr("Saves the expenses of the period to a file"));
    exportButton->setAutoDefault(false);
    connect(exportButton, &QPushButton::clicked, this, &ReviewPanel::exportClicked);
    bottom->addWidget(exportButton, 0, Qt::AlignVCenter);
    bottom->addWidget(m_buttons[Close], 0, Qt::AlignVCenter);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid, 1);
    layout->addWidget(m_unreadable);
    layout->addLayout(bottom);
}

void ReviewPanel::listFrom(Button button) {
    const QDate today = m_desk.today();
    switch (button) {
    case MonthToDate:
        m_period.start = QDate(today.year(), today.month(), 1);
        break;
    case Eternity:
        m_period.start = QDate(1988, 1, 1);
        break;
    case YearToDate:
        m_period.start = QDate(today.year(), 1, 1);
        break;
    case Close:
        return;
    }
    refresh();
}

void ReviewPanel::refresh() {
    m_period.end = m_desk.today();
    ExpenseReview review = reviewExpenses(m_data, m_period.start, m_period.end);
    if (!review.fileFound)
        return;
    if (!review.problem.isEmpty()) {
        reportFileProblem(m_desk, review.problem);
        return;
    }
    m_total->setText(pellar::formatCurrency(review.total));
    m_periodShown->setText(
        tr("%1 to %2")
            .arg(pellar::formatShortDate(m_period.start), pellar::formatShortDate(m_period.end)));
    const QString notice = unreadableNotice(review);
    m_unreadable->setText(notice);
    m_unreadable->setVisible(!notice.isEmpty());
    m_model->setRows(std::move(review.rows));
}

} // namespace expenses
