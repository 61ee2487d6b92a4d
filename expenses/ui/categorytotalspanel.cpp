#include "expenses/ui/categorytotalspanel.h"

#include "common/ui/tinted.h"
#include "common/core/desk.h"
#include "common/core/documentoutput.h"
#include "common/core/printerchoice.h"
#include "common/core/printjob.h"
#include "common/core/programcontext.h"
#include "common/core/regional.h"
#include "common/ui/keyboard.h"
#include "common/ui/widgets.h"
#include "expenses/core/categorytotals.h"
#include "expenses/core/categorytotalsmodel.h"
#include "expenses/ui/datebox.h"
#include "expenses/ui/notices.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

namespace expenses {

namespace {

QChartView* chartView(QWidget* parent, const QString& name) {
    auto* view = pellar::ui::named(new QChartView(parent), name);
    view->setRenderHint(QPainter::Antialiasing);
    view->setFocusPolicy(Qt::NoFocus);
    view->setMinimumSize(380, 240);
    return view;
}

// Dollars, for the chart's scale: exact amounts are the table's.
qreal chartValue(pellar::Currency amount) {
    return qreal(amount.units()) / qreal(pellar::Currency::kScale);
}

// A chart of one series of bars, `horizontal` for the categories (their names read along
// the rows), upright for the months.
QChart* barChart(const QString& title, const QStringList& captions,
                 const QList<pellar::Currency>& amounts, bool horizontal, const QColor& color) {
    auto* set = new QBarSet(title);
    set->setColor(color);
    qreal largest = 0;
    for (const pellar::Currency amount : amounts) {
        set->append(chartValue(amount));
        largest = std::max(largest, chartValue(amount));
    }
    QAbstractBarSeries* series = horizontal
                                     ? static_cast<QAbstractBarSeries*>(new QHorizontalBarSeries)
                                     : static_cast<QAbstractBarSeries*>(new QBarSeries);
    series->append(set);
    auto* chart = new QChart;
    chart->addSeries(series);
    chart->setTitle(title);
    chart->legend()->hide();
    chart->setAnimationOptions(QChart::NoAnimation);
    auto* names = new QBarCategoryAxis;
    names->append(captions);
    QFont small = names->labelsFont();
    small.setPointSizeF(std::max(7.0, small.pointSizeF() - 1));
    names->setLabelsFont(small);
    auto* values = new QValueAxis;
    values->setRange(0, largest > 0 ? largest * 1.05 : 1);
    values->setLabelFormat(QStringLiteral("%.0f"));
    values->setLabelsFont(small);
    values->setTickCount(4);
    chart->addAxis(names, horizontal ? Qt::AlignLeft : Qt::AlignBottom);
    chart->addAxis(values, horizontal ? Qt::AlignBottom : Qt::AlignLeft);
    series->attachAxis(names);
    series->attachAxis(values);
    return chart;
}

void tellNotPrinted(pellar::Desk& desk, const QString& why) {
    QStringList lines{QCoreApplication::translate("CategoryTotalsPanel",
                                                  "The category totals could not be printed.")};
    if (!why.isEmpty())
        lines << why;
    desk.message(QCoreApplication::translate("CategoryTotalsPanel", "Category Totals"), lines,
                 pellar::MessageButtons::Ok, pellar::MessageIcon::Warning);
}

} // namespace

CategoryTotalsPanel::CategoryTotalsPanel(pellar::ProgramContext& context, QWidget* parent)
    : QGroupBox(tr("Category Totals"), parent)
    , m_context(context)
    , m_model(new CategoryTotalsModel(this)) {
    setObjectName(QStringLiteral("fraCategoryTotals"));

    m_year = pellar::ui::named(new QSpinBox(this), QStringLiteral("spnTotalsYear"));
    m_year->setRange(1900, 9999);
    m_from = makeDatePicker(this, QStringLiteral("dtpTotalsFrom"));
    m_to = makeDatePicker(this, QStringLiteral("dtpTotalsTo"));
    connect(m_year, &QSpinBox::valueChanged, this, [this](int year) {
        m_from->setDate(QDate(year, 1, 1));
        m_to->setDate(QDate(year, 12, 31));
    });
    QPushButton* show = pellar::ui::makeButton(this, QStringLiteral("cmdTotalsShow"), tr("&Show"),
                                               tr("Totals the expenses of the dates"));
    connect(show, &QPushButton::clicked, this, &CategoryTotalsPanel::showTotals);
    // Return in the year or a date shows the totals, as the Show button does.
    for (QWidget* box : {static_cast<QWidget*>(m_year), static_cast<QWidget*>(m_from),
                         static_cast<QWidget*>(m_to)})
        pellar::ui::returnClicks(box->findChild<QLineEdit*>(), show);

    auto* period = new QHBoxLayout;
    period->addWidget(
        pellar::ui::makeLabel(this, QStringLiteral("lblTotalsYear"), tr("&Year"), m_year));
    period->addWidget(m_year);
    period->addSpacing(12);
    period->addWidget(
        pellar::ui::makeLabel(this, QStringLiteral("lblTotalsFrom"), tr("&From"), m_from));
    period->addWidget(m_from);
    period->addSpacing(8);
    period->addWidget(pellar::ui::makeLabel(this, QStringLiteral("lblTotalsTo"), tr("&To"), m_to));
    period->addWidget(m_to);
    period->addSpacing(8);
    period->addWidget(show);
    period->addStretch(1);

    m_table = pellar::ui::named(new QTableView(this), QStringLiteral("tblTotals"));
    m_table->setModel(m_model);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setAlternatingRowColors(true);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->setMinimumWidth(m_table->fontMetrics().averageCharWidth() * 70);
    // Tab leaves the table for the next control, as in every form.
    m_table->setTabKeyNavigation(false);

    m_byCategory = chartView(this, QStringLiteral("chtTotalsByCategory"));
    m_byMonth = chartView(this, QStringLiteral("chtTotalsByMonth"));
    auto* charts = new QWidget(this);
    auto* chartsLayout = new QVBoxLayout(charts);
    chartsLayout->setContentsMargins(0, 0, 0, 0);
    chartsLayout->addWidget(m_byCategory, 3);
    chartsLayout->addWidget(m_byMonth, 2);
    auto* split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(m_table);
    split->addWidget(charts);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    split->setChildrenCollapsible(false);

    m_notice = pellar::ui::named(new QLabel(this), QStringLiteral("lblTotalsNotice"));
    m_notice->setWordWrap(true);
    pellar::ui::tinted(m_notice, pellar::Tint::Warning);

    QPushButton* print =
        pellar::ui::makeButton(this, QStringLiteral("cmdTotalsPrint"), tr("&Print..."));
    QPushButton* preview =
        pellar::ui::makeButton(this, QStringLiteral("cmdTotalsPreview"), tr("Pre&view"));
    pellar::ui::printKeys(print, preview);
    QPushButton* pdf =
        pellar::ui::makeButton(this, QStringLiteral("cmdTotalsPdf"), tr("Save as P&DF..."));
    QPushButton* close = pellar::ui::makeButton(this, QStringLiteral("cmdTotalsClose"),
                                                tr("&Close Window"), tr("Show main screen"));
    for (QPushButton* button : {show, print, preview, pdf, close})
        button->setAutoDefault(false);
    connect(print, &QPushButton::clicked, this, &CategoryTotalsPanel::print);
    connect(preview, &QPushButton::clicked, this, &CategoryTotalsPanel::preview);
    connect(pdf, &QPushButton::clicked, this, &CategoryTotalsPanel::saveAsPdf);
    connect(close, &QPushButton::clicked, this, &CategoryTotalsPanel::closeClicked);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_notice, 1);
    for (QPushButton* button : {print, preview, pdf, close})
        buttons->addWidget(button);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(period);
    layout->addWidget(split, 1);
    layout->addLayout(buttons);
}

void CategoryTotalsPanel::open(QDate day) {
    m_year->setValue(day.year());
    // The same year again sets no dates: they are set here in any case.
    m_from->setDate(QDate(day.year(), 1, 1));
    m_to->setDate(QDate(day.year(), 12, 31));
    showTotals();
    m_year->setFocus();
    m_year->selectAll();
}

DateRange CategoryTotalsPanel::shownPeriod() const {
    return {m_from->date(), m_to->date()};
}

void CategoryTotalsPanel::refuse(const QString& why) {
    pellar::ui::refuse(m_context.desk, m_note, why);
}

bool CategoryTotalsPanel::showTotals() {
    const DateRange period = shownPeriod();
    if (const QString problem = totalsPeriodProblem(period); !problem.isEmpty()) {
        refuse(problem);
        return false;
    }
    CategoryTotals totals = totalCategories(m_context.data, period);
    if (totals.months == 0) {
        reportFileProblem(m_context.desk, totals.problem);
        return false;
    }
    if (!totals.problem.isEmpty())
        reportFileProblem(m_context.desk, totals.problem);
    m_notice->setText(totalsNotice(totals));
    m_model->setTotals(std::move(totals));
    m_table->resizeColumnsToContents();
    fillCharts();
    return true;
}

void CategoryTotalsPanel::fillCharts() {
    const CategoryTotals& totals = m_model->totals();
    // The months by their short names (with the year when the period spans two); the
    // categories from the top down, in the table's order.
    const bool oneYear = totals.period.start.year() == totals.period.end.year();
    QStringList months;
    for (int m = 0; m < totals.months; ++m)
        months.append(QLocale(QLocale::English)
                          .toString(totals.month(m),
                                    oneYear ? QStringLiteral("MMM") : QStringLiteral("MMM yy")));
    QStringList categories = totals.categories;
    QList<pellar::Currency> categoryTotals = totals.rowTotals;
    std::reverse(categories.begin(), categories.end());
    std::reverse(categoryTotals.begin(), categoryTotals.end());
    // Set before the old ones go: a view never shows no chart.
    QChart* oldCategory = m_byCategory->chart();
    QChart* oldMonth = m_byMonth->chart();
    m_byCategory->setChart(barChart(tr("Totals by Category"), categories, categoryTotals, true,
                                    QColor(0x2f, 0x6f, 0xb0)));
    m_byMonth->setChart(barChart(tr("Totals by Month"), months, totals.monthTotals, false,
                                 QColor(0x3a, 0x8f, 0x5c)));
    delete oldCategory;
    delete oldMonth;
}

void CategoryTotalsPanel::print() {
    if (!showTotals())
        return;
    pellar::Desk& desk = m_context.desk;
    const CategoryTotals& totals = m_model->totals();
    if (!desk.printerAvailable()) {
        if (pellar::offerPdfWithoutPrinter(desk, QString::fromUtf16(kProgramTitle),
                                           tr("Category Totals")))
            saveAsPdf();
        return;
    }
    const std::optional<pellar::PrinterChoice> printer = pellar::ChoosePrinter(m_context);
    if (!printer)
        return;
    const pellar::PrintOutcome printed = pellar::runPrintJob(
        desk, pellar::documentJob(m_context.data, categoryTotalsKind(totals.period), *printer),
        [&](pellar::PrintSurface& surface) { PrintCategoryTotals(surface, totals); });
    if (!printed)
        tellNotPrinted(desk, printed.error);
}

void CategoryTotalsPanel::preview() {
    if (!showTotals())
        return;
    const CategoryTotals& totals = m_model->totals();
    pellar::previewDocument(
        m_context.desk, m_context.data, categoryTotalsKind(totals.period), m_context.printer,
        [&](pellar::PrintSurface& surface) { PrintCategoryTotals(surface, totals); });
}

void CategoryTotalsPanel::saveAsPdf() {
    if (!showTotals())
        return;
    const CategoryTotals& totals = m_model->totals();
    pellar::PrintedDocumentKind kind = categoryTotalsKind(totals.period);
    kind.pdfFileName = pellar::inDocumentsFolder(kind.pdfFileName);
    const pellar::PdfOutcome saved = pellar::saveDocumentAsPdf(
        m_context.desk, m_context.data, kind,
        [&](pellar::PrintSurface& surface) { PrintCategoryTotals(surface, totals); });
    if (saved.written && m_note)
        m_note->say(tr("The category totals were saved as %1")
                        .arg(QDir::toNativeSeparators(saved.fileName)));
    else if (!saved.cancelled && !saved.written)
        tellNotPrinted(m_context.desk, saved.written.error);
}

} // namespace expenses
