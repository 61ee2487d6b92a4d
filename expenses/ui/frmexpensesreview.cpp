// The review frame: the posted expenses from a chosen start to today, with their total.
#include "expenses/ui/frmexpenses.h"
#include "expenses/ui/spendlogforms.h"

#include "common/core/desk.h"
#include "common/core/regional.h"
#include "expenses/core/expensegridmodel.h"
#include "expenses/core/expensereview.h"
#include "expenses/ui/notices.h"
#include "expenses/ui/proportionalcolumns.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace expenses {

QGroupBox* frmExpenses::buildReviewFrame() {
    fraExpenses = new QGroupBox(QStringLiteral("Expenses"), this);
    fraExpenses->setObjectName(QStringLiteral("fraExpenses"));

    fgExpenses = new QTableView(fraExpenses);
    fgExpenses->setObjectName(QStringLiteral("fgExpenses"));
    fgExpenses->setModel(m_gridModel);
    fgExpenses->setEditTriggers(QAbstractItemView::NoEditTriggers);
    fgExpenses->setSelectionBehavior(QAbstractItemView::SelectRows);
    fgExpenses->setAlternatingRowColors(true);
    fgExpenses->setWordWrap(false);
    fgExpenses->verticalHeader()->hide();
    // Every row the same height: the view then never measures rows, whatever their number.
    fgExpenses->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    fgExpenses->verticalHeader()->setDefaultSectionSize(fgExpenses->fontMetrics().height() + 6);
    // Columns in the proportion 13 : 44 : 43 : 23 characters.
    new ProportionalColumns(fgExpenses, {13, 44, 43, 23});
    const int character = fgExpenses->fontMetrics().averageCharWidth();
    fgExpenses->setMinimumWidth(100 * character);

    const char16_t* captions[4] = {u"&MTD", u"Eternity", u"&Close Window", u"&YTD"};
    for (int i = 0; i < 4; ++i) {
        cmdExpensesGrid[i] = new QPushButton(QString::fromUtf16(captions[i]), fraExpenses);
        cmdExpensesGrid[i]->setObjectName(QStringLiteral("cmdExpensesGrid_%1").arg(i));
        cmdExpensesGrid[i]->setAutoDefault(false);
        connect(cmdExpensesGrid[i], &QPushButton::clicked, this, [this, i] { gridButton(i); });
    }
    cmdExpensesGrid[GridClose]->setToolTip(QStringLiteral("Show main screen"));

    lblTotal = new QLabel(fraExpenses);
    lblTotal->setObjectName(QStringLiteral("lblTotal"));
    lblTotal->setFrameShape(QFrame::StyledPanel);
    lblTotal->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblTotal->setMinimumWidth(23 * character);
    lblTotal->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    lblTotal->setStyleSheet(QStringLiteral("padding: 3px 6px;"));
    QFont bold = lblTotal->font();
    bold.setBold(true);
    lblTotal->setFont(bold);
    auto* totalCaption = new QLabel(QStringLiteral("Total"), fraExpenses);
    totalCaption->setFont(bold);

    lblPeriod = new QLabel(fraExpenses);
    lblPeriod->setObjectName(QStringLiteral("lblPeriod"));
    lblUnreadable = new QLabel(fraExpenses);
    lblUnreadable->setObjectName(QStringLiteral("lblUnreadable"));
    lblUnreadable->setWordWrap(true);
    lblUnreadable->setStyleSheet(QStringLiteral("color: #8b0000;"));
    lblUnreadable->hide();

    auto* range = new QGroupBox(QStringLiteral("Report Date Range"), fraExpenses);
    auto* rangeLayout = new QHBoxLayout(range);
    rangeLayout->addWidget(cmdExpensesGrid[GridMTD]);
    rangeLayout->addWidget(cmdExpensesGrid[GridYTD]);
    rangeLayout->addWidget(cmdExpensesGrid[GridEternity]);
    rangeLayout->addSpacing(12);
    rangeLayout->addWidget(lblPeriod);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(range);
    bottom->addStretch(1);
    bottom->addWidget(totalCaption, 0, Qt::AlignVCenter);
    bottom->addWidget(lblTotal, 0, Qt::AlignVCenter);
    bottom->addSpacing(24);
    bottom->addWidget(cmdExpensesGrid[GridClose], 0, Qt::AlignVCenter);

    auto* layout = new QVBoxLayout(fraExpenses);
    layout->addWidget(fgExpenses, 1);
    layout->addWidget(lblUnreadable);
    layout->addLayout(bottom);
    return fraExpenses;
}

void frmExpenses::showReview() {
    showFrame(fraExpenses);
    gridButton(GridYTD);
}

void frmExpenses::gridButton(int index) {
    const QDate today = m_desk.today();
    switch (index) {
    case GridMTD:
        m_startDate = QDate(today.year(), today.month(), 1);
        break;
    case GridEternity:
        m_startDate = QDate(1988, 1, 1);
        break;
    case GridYTD:
        m_startDate = QDate(today.year(), 1, 1);
        break;
    case GridClose:
        showFrame(fraMain);
        return;
    default:
        return;
    }
    RefreshExpenseGrid();
}

void frmExpenses::RefreshExpenseGrid() {
    m_endDate = m_desk.today();
    ExpenseReview review = reviewExpenses(m_forms.data(), m_startDate, m_endDate);
    // Without a file the grid keeps what it showed.
    if (!review.fileFound)
        return;
    if (!review.problem.isEmpty()) {
        reportFileProblem(m_desk, review.problem);
        return;
    }
    lblTotal->setText(pellar::formatCurrency(review.total));
    lblPeriod->setText(
        QStringLiteral("%1 to %2")
            .arg(pellar::formatShortDate(m_startDate), pellar::formatShortDate(m_endDate)));
    const QString notice = unreadableNotice(review);
    lblUnreadable->setText(notice);
    lblUnreadable->setVisible(!notice.isEmpty());
    m_gridModel->setRows(std::move(review.rows));
}

} // namespace expenses
