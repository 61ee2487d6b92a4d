#pragma once
// The category totals report: the expenses of up to twelve months, category by month, with
// the totals of each row and column and of all, exact to the cent; on the screen as a table
// and a chart, and on paper as the same table and bars.

#include "common/core/currency.h"
#include "common/core/desk.h"
#include "common/core/documentoutput.h"
#include "expenses/core/expenseexport.h"

#include <QByteArrayView>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace pellar {
class PrintSurface;
}

namespace expenses {

inline constexpr int kMostTotalsMonths = 12;

struct CategoryTotals {
    DateRange period;
    QDate firstMonth; // the first day of the period's first month
    int months = 0;
    // Rows: the categories of the list in its order, then any others the records name, in
    // the order they first appear. A category of the list with no expense has a row of zeros.
    QStringList categories;
    QList<QList<pellar::Currency>> cells; // [row][month]
    QList<pellar::Currency> rowTotals;
    QList<pellar::Currency> monthTotals;
    pellar::Currency total;
    // What the review leaves out is left out here, and said under the table.
    int unreadableDates = 0;
    int voidOrArchived = 0;
    int unreadableAmounts = 0;
    QString problem; // plain words when the totals could not be made

    QDate month(int index) const { return firstMonth.addMonths(index); }
    // "Jan 2026": the month's column heading.
    QString monthCaption(int index) const;
};

// Whether the period can be reported: both dates valid, in order and within twelve months.
// Empty when it can; else the plain words of the refusal.
QString totalsPeriodProblem(const DateRange& period);

// The totals of the records in the period (a period totalsPeriodProblem refuses gives a
// problem and nothing else).
CategoryTotals totalCategories(QByteArrayView file, const DateRange& period,
                               const QStringList& categoryList);
// The same, read from the expense file and the categories file.
CategoryTotals totalCategories(const pellar::DataFolder& folder, const DateRange& period);

// The line said under the table when records were left out; empty when none were.
QString totalsNotice(const CategoryTotals& totals);

// The report on landscape pages: the heading and period, the table (its heading again on
// every page it runs onto), then a page of two bar charts: the totals by category and by
// month. Every text is cut to its column, so nothing prints over anything else.
void PrintCategoryTotals(pellar::PrintSurface& surface, const CategoryTotals& totals);

// As a printed document: from the paper's edge, moved by the expense reports' offsets, saved
// as "Category Totals <first>-<last>.pdf" unless the person names it otherwise.
pellar::PrintedDocumentKind categoryTotalsKind(const DateRange& period);

} // namespace expenses
