#include "expenses/core/categorytotals.h"

#include "common/core/printsurface.h"
#include "common/core/regional.h"
#include "expenses/core/categories.h"
#include "expenses/core/contactreport.h"

#include <QColor>
#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <algorithm>

namespace expenses {

namespace {

QDate monthStart(QDate date) {
    return QDate(date.year(), date.month(), 1);
}

int monthsBetween(QDate first, QDate last) {
    return (last.year() - first.year()) * 12 + last.month() - first.month() + 1;
}

} // namespace

QString CategoryTotals::monthCaption(int index) const {
    return QLocale(QLocale::English).toString(month(index), QStringLiteral("MMM yyyy"));
}

QString totalsPeriodProblem(const DateRange& period) {
    if (!period.start.isValid() || !period.end.isValid())
        return QCoreApplication::translate("CategoryTotals",
                                           "Both dates of the period are needed.");
    if (period.end < period.start)
        return QCoreApplication::translate("CategoryTotals", "The period ends before it starts.");
    if (monthsBetween(period.start, period.end) > kMostTotalsMonths)
        return QCoreApplication::translate(
            "CategoryTotals", "The totals cover at most 12 months; choose two dates within "
                              "a year.");
    return {};
}

CategoryTotals totalCategories(QByteArrayView file, const DateRange& period,
                               const QStringList& categoryList) {
    CategoryTotals totals;
    totals.period = period;
    totals.problem = totalsPeriodProblem(period);
    if (!totals.problem.isEmpty())
        return totals;
    totals.firstMonth = monthStart(period.start);
    totals.months = monthsBetween(period.start, period.end);

    const ExpenseExport records = collectExport(file, ExportFilter{period, {}, {}});
    totals.unreadableDates = records.unreadableDates;
    totals.voidOrArchived = records.voidOrArchived;
    totals.unreadableAmounts = records.unreadableAmounts;

    QHash<QString, qsizetype> rowOf;
    const auto row = [&](const QString& category) {
        const auto found = rowOf.constFind(category);
        if (found != rowOf.constEnd())
            return *found;
        totals.categories.append(category);
        totals.cells.append(QList<pellar::Currency>(totals.months));
        totals.rowTotals.append(pellar::Currency());
        return rowOf[category] = totals.categories.size() - 1;
    };
    for (const QString& category : categoryList)
        row(category);
    totals.monthTotals = QList<pellar::Currency>(totals.months);
    for (const ExportRow& record : records.rows) {
        const qsizetype r = row(record.category);
        const int m = monthsBetween(totals.firstMonth, record.date) - 1;
        if (!pellar::addTo(totals.cells[r][m], record.amount) ||
            !pellar::addTo(totals.rowTotals[r], record.amount) ||
            !pellar::addTo(totals.monthTotals[m], record.amount) ||
            !pellar::addTo(totals.total, record.amount)) {
            CategoryTotals tooLarge;
            tooLarge.period = period;
            tooLarge.problem = QCoreApplication::translate(
                "CategoryTotals", "The totals of this period are too large to be added up.");
            return tooLarge;
        }
    }
    return totals;
}

CategoryTotals totalCategories(const pellar::DataFolder& folder, const DateRange& period) {
    const CategoriesRead list = readCategories(folder);
    const ExpenseFileBytes read = readExpenseFile(folder);
    CategoryTotals totals = totalCategories(
        read.found && read.problem.isEmpty() ? read.bytes : QByteArray(), period, list.categories);
    if (totals.problem.isEmpty())
        totals.problem = read.problem;
    return totals;
}

QString totalsNotice(const CategoryTotals& totals) {
    QString text =
        leftOutText(totals.unreadableDates, totals.unreadableAmounts, totals.voidOrArchived);
    if (!text.isEmpty())
        text += u'.';
    return text;
}

// ---- the printed report ------------------------------------------------------------------

namespace {

constexpr double kMargin = 720; // half an inch all round
constexpr double kGap = 144;    // a tenth of an inch between columns

struct TableColumns {
    int fontSize = 8;
    double categoryWidth = 0;
    double amountWidth = 0; // each month's column and the total's
    int firstMonth = 0;
    int months = 0; // in this table
};

QString amountText(pellar::Currency amount) {
    return pellar::formatCurrency(amount);
}

// The tables the months are printed in: all of them in one when the widest amount leaves the
// categories an inch and a half at 8 down to 6 points; else in as few tables of equal size
// as do, each with the year's totals at its right.
QList<TableColumns> tableGroups(pellar::PrintSurface& surface, const CategoryTotals& totals) {
    const double usable = surface.pageWidth() - 2 * kMargin;
    const auto widestAt = [&](int size) {
        pellar::SetPrintFont(surface, size, true, false);
        double widest = surface.textWidth(QCoreApplication::translate("CategoryTotals", "Total"));
        for (int m = 0; m < totals.months; ++m)
            widest = std::max(widest, surface.textWidth(totals.monthCaption(m)));
        // Measured in bold, as the totals print.
        const auto measure = [&](pellar::Currency amount) {
            widest = std::max(widest, surface.textWidth(amountText(amount)));
        };
        for (const QList<pellar::Currency>& cells : totals.cells)
            std::for_each(cells.begin(), cells.end(), measure);
        std::for_each(totals.rowTotals.begin(), totals.rowTotals.end(), measure);
        std::for_each(totals.monthTotals.begin(), totals.monthTotals.end(), measure);
        measure(totals.total);
        return widest + kGap;
    };
    TableColumns chosen{6, 0, widestAt(6), 0, 1};
    bool found = false;
    for (int perTable = totals.months; perTable >= 1 && !found; --perTable) {
        if (perTable != totals.months && totals.months % perTable != 0 && perTable > 3)
            continue; // equal tables where it can be
        for (int size = 8; size >= 6; --size) {
            const double amountWidth = widestAt(size);
            const double categoryWidth = usable - (perTable + 1) * amountWidth;
            if (categoryWidth >= 1.5 * pellar::kTwipsPerInch) {
                chosen = {size, categoryWidth, amountWidth, 0, perTable};
                found = true;
                break;
            }
        }
    }
    if (!found)
        chosen.categoryWidth = std::max(0.0, usable - 2 * chosen.amountWidth);
    QList<TableColumns> groups;
    for (int first = 0; first < totals.months; first += chosen.months) {
        TableColumns group = chosen;
        group.firstMonth = first;
        group.months = std::min(chosen.months, totals.months - first);
        groups.append(group);
    }
    return groups;
}

void printHeading(pellar::PrintSurface& surface, const CategoryTotals& totals,
                  const QString& title) {
    expenseTextDefaults(surface);
    surface.setCurrentY(kMargin);
    pellar::SetPrintFont(surface, 14, true, false);
    surface.setCurrentX(kMargin);
    surface.print(title);
    pellar::SetPrintFont(surface, 10, false, false);
    surface.setCurrentX(kMargin);
    surface.print(QCoreApplication::translate("CategoryTotals", "%1 to %2")
                      .arg(pellar::formatShortDate(totals.period.start),
                           pellar::formatShortDate(totals.period.end)));
    surface.setCurrentY(surface.currentY() + surface.textHeight() / 2);
}

void printTableHeader(pellar::PrintSurface& surface, const CategoryTotals& totals,
                      const TableColumns& columns) {
    pellar::SetPrintFont(surface, columns.fontSize, true, false);
    const double y = surface.currentY();
    surface.setCurrentX(kMargin);
    surface.print(QCoreApplication::translate("CategoryTotals", "Category"), true);
    double right = kMargin + columns.categoryWidth;
    for (int m = 0; m <= columns.months; ++m) {
        right += columns.amountWidth;
        surface.setCurrentY(y);
        pellar::printRightAligned(surface,
                                  m < columns.months
                                      ? totals.monthCaption(columns.firstMonth + m)
                                      : QCoreApplication::translate("CategoryTotals", "Total"),
                                  right, true);
    }
    surface.setCurrentY(y + surface.textHeight());
    const double ruleY = surface.currentY() + 20;
    surface.line(kMargin, ruleY, surface.pageWidth() - kMargin, ruleY);
    surface.setCurrentY(ruleY + 40);
    pellar::SetPrintFont(surface, columns.fontSize, false, false);
}

void printTableRow(pellar::PrintSurface& surface, const TableColumns& columns,
                   const QString& caption, const QList<pellar::Currency>& amounts,
                   pellar::Currency total) {
    const double y = surface.currentY();
    surface.setCurrentX(kMargin);
    surface.print(pellar::fittedToWidth(surface, caption, columns.categoryWidth - kGap), true);
    double right = kMargin + columns.categoryWidth;
    for (int m = 0; m <= columns.months; ++m) {
        right += columns.amountWidth;
        surface.setCurrentY(y);
        pellar::printRightAligned(
            surface, amountText(m < columns.months ? amounts.value(columns.firstMonth + m) : total),
            right, true);
    }
    surface.setCurrentY(y + surface.textHeight());
}

// One chart: a row per entry, its caption, a bar as long as its share of the largest
// amount, and the amount after the bar.
void printBars(pellar::PrintSurface& surface, const QString& title, const QStringList& captions,
               const QList<pellar::Currency>& amounts, double left, double width,
               const QColor& color) {
    pellar::SetPrintFont(surface, 10, true, false);
    const double top = surface.currentY();
    surface.setCurrentX(left);
    surface.print(title);
    pellar::SetPrintFont(surface, 8, false, false);
    const double line = surface.textHeight();
    const double captionWidth = width * 0.3;
    double widestAmount = 0;
    qint64 largest = 0;
    for (const pellar::Currency amount : amounts) {
        widestAmount = std::max(widestAmount, surface.textWidth(amountText(amount)));
        largest = std::max(largest, amount.units());
    }
    const double barLeft = left + captionWidth;
    const double barRoom = std::max(0.0, width - captionWidth - widestAmount - kGap);
    double y = top + 1.5 * line + line / 2;
    for (qsizetype i = 0; i < captions.size(); ++i) {
        if (y + 1.5 * line > surface.pageHeight() - kMargin) {
            surface.newPage();
            expenseTextDefaults(surface);
            pellar::SetPrintFont(surface, 10, true, false);
            surface.setCurrentX(left);
            surface.setCurrentY(kMargin);
            surface.print(title + QCoreApplication::translate("CategoryTotals", " (continued)"));
            pellar::SetPrintFont(surface, 8, false, false);
            y = surface.currentY() + line / 2;
        }
        surface.setCurrentX(left);
        surface.setCurrentY(y);
        surface.print(pellar::fittedToWidth(surface, captions[i], captionWidth - kGap), true);
        const double share =
            largest > 0 ? double(std::max<qint64>(0, amounts[i].units())) / double(largest) : 0;
        const double barRight = barLeft + std::max(20.0, share * barRoom);
        surface.box(barLeft, y + line * 0.15, barRight, y + line * 0.85, color);
        surface.setCurrentX(barRight + kGap / 2);
        surface.setCurrentY(y);
        surface.print(amountText(amounts[i]));
        y += 1.5 * line;
    }
}

void printTable(pellar::PrintSurface& surface, const CategoryTotals& totals,
                const TableColumns& columns, const QString& title) {
    printHeading(surface, totals, title);
    printTableHeader(surface, totals, columns);
    const double line = surface.textHeight();
    const double bottom = surface.pageHeight() - kMargin;
    const QString continued = title + QCoreApplication::translate("CategoryTotals", " (continued)");
    for (qsizetype r = 0; r < totals.categories.size(); ++r) {
        // The last row keeps room for the totals line under it.
        if (surface.currentY() + line * (r + 1 == totals.categories.size() ? 3 : 1) > bottom) {
            surface.newPage();
            printHeading(surface, totals, continued);
            printTableHeader(surface, totals, columns);
        }
        printTableRow(surface, columns, totals.categories[r], totals.cells[r], totals.rowTotals[r]);
    }
    if (surface.currentY() + line * 2 > bottom) {
        surface.newPage();
        printHeading(surface, totals, continued);
        printTableHeader(surface, totals, columns);
    }
    const double ruleY = surface.currentY() + 20;
    surface.line(kMargin, ruleY, surface.pageWidth() - kMargin, ruleY);
    surface.setCurrentY(ruleY + 40);
    pellar::SetPrintFont(surface, columns.fontSize, true, false);
    printTableRow(surface, columns, QCoreApplication::translate("CategoryTotals", "Total"),
                  totals.monthTotals, totals.total);
    const QString notice = totalsNotice(totals);
    if (!notice.isEmpty()) {
        pellar::SetPrintFont(surface, columns.fontSize, false, false);
        surface.setCurrentY(surface.currentY() + line / 2);
        surface.setCurrentX(kMargin);
        surface.print(pellar::fittedToWidth(surface, notice, surface.pageWidth() - 2 * kMargin));
    }
}

} // namespace

void PrintCategoryTotals(pellar::PrintSurface& surface, const CategoryTotals& totals) {
    const QString title = QCoreApplication::translate("CategoryTotals", "Expenses by Category");
    const QList<TableColumns> groups = tableGroups(surface, totals);
    for (qsizetype g = 0; g < groups.size(); ++g) {
        if (g > 0)
            surface.newPage();
        printTable(surface, totals, groups[g], title);
    }

    // The charts: categories on the left half, months on the right.
    surface.newPage();
    printHeading(surface, totals, title);
    const double chartTop = surface.currentY();
    const double half = (surface.pageWidth() - 2 * kMargin - kGap * 2) / 2;
    const int chartPage = surface.page();
    printBars(surface, QCoreApplication::translate("CategoryTotals", "Totals by Category"),
              totals.categories, totals.rowTotals, kMargin, half, QColor(0x2f, 0x6f, 0xb0));
    QStringList months;
    for (int m = 0; m < totals.months; ++m)
        months.append(totals.monthCaption(m));
    // The months go beside the categories when those took one page; else on a page of
    // their own after them.
    double monthsLeft = kMargin + half + kGap * 2;
    if (surface.page() == chartPage) {
        surface.setCurrentY(chartTop);
    } else {
        surface.newPage();
        printHeading(surface, totals,
                     title + QCoreApplication::translate("CategoryTotals", " (continued)"));
        monthsLeft = kMargin;
    }
    printBars(surface, QCoreApplication::translate("CategoryTotals", "Totals by Month"), months,
              totals.monthTotals, monthsLeft, half, QColor(0x3a, 0x8f, 0x5c));
}

pellar::PrintedDocumentKind categoryTotalsKind(const DateRange& period) {
    pellar::PrintedDocumentKind kind{
        pellar::PrintedDocument::ContactReport, pellar::PageOrigin::PaperEdge,
        QCoreApplication::translate("CategoryTotals", "Category Totals"),
        QStringLiteral("Category Totals %1 to %2.pdf")
            .arg(period.start.toString(QStringLiteral("yyyy-MM-dd")),
                 period.end.toString(QStringLiteral("yyyy-MM-dd")))};
    kind.orientation = QPageLayout::Landscape;
    return kind;
}

} // namespace expenses
