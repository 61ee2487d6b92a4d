#pragma once
// The category totals screen: a year, or two dates within one, the table of categories by
// month with its totals, and bar charts of the totals by category and by month beside it;
// printed, previewed or saved as a PDF through the family's print job.

#include "expenses/core/expensefile.h"

#include <QGroupBox>

class QDateEdit;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableView;

QT_BEGIN_NAMESPACE
class QChartView;
QT_END_NAMESPACE

namespace pellar {
struct ProgramContext;
namespace ui {
class StatusNote;
}
} // namespace pellar

namespace expenses {

class CategoryTotalsModel;

class CategoryTotalsPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit CategoryTotalsPanel(pellar::ProgramContext& context, QWidget* parent = nullptr);

    // Shown for the year of `day`, totalled at once, the focus on the year.
    void open(QDate day);
    void setStatusNote(pellar::ui::StatusNote* note) { m_note = note; }

    // The totals of the dates shown: table, charts and notice. False, with the reason said,
    // when the dates cannot be reported.
    bool showTotals();
    const CategoryTotalsModel& model() const { return *m_model; }

    void print();
    void preview();
    void saveAsPdf();

signals:
    void closeClicked();

private:
    void refuse(const QString& why);
    void fillCharts();
    DateRange shownPeriod() const;

    pellar::ProgramContext& m_context;
    pellar::ui::StatusNote* m_note = nullptr;
    CategoryTotalsModel* m_model;
    QSpinBox* m_year;
    QDateEdit* m_from;
    QDateEdit* m_to;
    QTableView* m_table;
    QChartView* m_byCategory;
    QChartView* m_byMonth;
    QLabel* m_notice;
};

} // namespace expenses
