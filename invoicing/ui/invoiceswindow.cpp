#include "invoicing/ui/invoiceswindow.h"

#include "common/core/documentoutput.h"
#include "common/core/regional.h"
#include "invoicing/core/registermodel.h"
#include "invoicing/core/salestaxpage.h"
#include "invoicing/ui/billwright.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QShowEvent>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace invoicing {

namespace {

QDateEdit* dateEdit(QWidget* parent, const QString& name) {
    auto* edit = new QDateEdit(parent);
    edit->setObjectName(name);
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    return edit;
}

QPushButton* button(QWidget* parent, const QString& name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

// Long enough to cover the gap between two keystrokes of someone typing, short enough not
// to be noticed as a wait.
constexpr int kFindPauseMs = 150;

QString title() {
    return QString::fromUtf16(kApplicationTitle);
}

} // namespace

InvoicesWindow::InvoicesWindow(Billwright& program)
    : m_program(program) {
    setObjectName(QStringLiteral("frmInvoices"));
    setWindowTitle(tr("Invoices"));

    m_model = new RegisterModel(this);
    m_sorted = new QSortFilterProxyModel(this);
    m_sorted->setSourceModel(m_model);
    m_sorted->setSortRole(RegisterModel::kSortRole);

    auto* findLabel = new QLabel(tr("&Find:"), this);
    m_find = new QLineEdit(this);
    m_find->setObjectName(QStringLiteral("txtFind"));
    m_find->setPlaceholderText(tr("number or customer"));
    m_find->setClearButtonEnabled(true);
    findLabel->setBuddy(m_find);
    m_useDates = new QCheckBox(tr("&Dates from"), this);
    m_useDates->setObjectName(QStringLiteral("ckDates"));
    m_from = dateEdit(this, QStringLiteral("dtFrom"));
    m_to = dateEdit(this, QStringLiteral("dtTo"));
    m_unpaid = new QCheckBox(tr("&Unpaid only"), this);
    m_unpaid->setObjectName(QStringLiteral("ckUnpaid"));

    auto* filters = new QHBoxLayout;
    filters->addWidget(findLabel);
    filters->addWidget(m_find, 1);
    filters->addSpacing(12);
    filters->addWidget(m_useDates);
    filters->addWidget(m_from);
    filters->addWidget(new QLabel(tr("to"), this));
    filters->addWidget(m_to);
    filters->addSpacing(12);
    filters->addWidget(m_unpaid);

    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("fgInvoices"));
    m_table->setModel(m_sorted);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(RegisterModel::Date, Qt::DescendingOrder);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Several rows (Shift or Ctrl with the arrows and Space) can be marked paid at once.
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTabKeyNavigation(false);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 8);
    m_table->horizontalHeader()->setSectionResizeMode(RegisterModel::Customer,
                                                      QHeaderView::Stretch);
    m_table->horizontalHeader()->setHighlightSections(false);
    m_table->setColumnWidth(RegisterModel::Number, 110);
    m_table->setColumnWidth(RegisterModel::Date, 100);
    m_table->setColumnWidth(RegisterModel::Total, 110);
    m_table->setColumnWidth(RegisterModel::Paid, 130);

    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("lblSummary"));

    QPushButton* open = button(this, QStringLiteral("cmdOpen"), tr("&Open PDF"));
    m_paidOn = dateEdit(this, QStringLiteral("dtPaid"));
    auto* paidLabel = new QLabel(tr("paid on"), this);
    QPushButton* paid = button(this, QStringLiteral("cmdPaid"), tr("Mark &Paid"));
    QPushButton* unpaid = button(this, QStringLiteral("cmdUnpaid"), tr("Mark U&npaid"));
    QPushButton* exportCsv = button(this, QStringLiteral("cmdExport"), tr("E&xport Shown..."));
    QPushButton* menu = button(this, QStringLiteral("cmdMenu"), tr("&Menu"));
    auto* actions = new QHBoxLayout;
    actions->addWidget(open);
    actions->addSpacing(12);
    actions->addWidget(paidLabel);
    actions->addWidget(m_paidOn);
    actions->addWidget(paid);
    actions->addWidget(unpaid);
    actions->addSpacing(12);
    actions->addWidget(exportCsv);
    actions->addStretch(1);
    actions->addWidget(menu);

    auto* taxBox = new QGroupBox(tr("Sales tax"), this);
    auto* periodLabel = new QLabel(tr("Pe&riod:"), taxBox);
    m_period = new QComboBox(taxBox);
    m_period->setObjectName(QStringLiteral("cboPeriod"));
    m_period->addItems({tr("Month"), tr("Quarter"), tr("Year"), tr("Dates")});
    m_period->setCurrentIndex(1);
    periodLabel->setBuddy(m_period);
    m_periodDay = dateEdit(taxBox, QStringLiteral("dtPeriod"));
    m_periodTo = dateEdit(taxBox, QStringLiteral("dtPeriodTo"));
    m_salesTax = new QLabel(taxBox);
    m_salesTax->setObjectName(QStringLiteral("lblSalesTax"));
    m_salesTax->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPushButton* taxPreview = button(taxBox, QStringLiteral("cmdTaxPreview"), tr("Previe&w"));
    QPushButton* taxPdf = button(taxBox, QStringLiteral("cmdTaxPdf"), tr("S&ave as PDF..."));
    QPushButton* taxCsv = button(taxBox, QStringLiteral("cmdTaxCsv"), tr("Tax &CSV..."));
    auto* taxRow = new QHBoxLayout;
    taxRow->addWidget(periodLabel);
    taxRow->addWidget(m_period);
    taxRow->addWidget(m_periodDay);
    taxRow->addWidget(new QLabel(tr("to"), taxBox));
    taxRow->addWidget(m_periodTo);
    taxRow->addStretch(1);
    taxRow->addWidget(taxPreview);
    taxRow->addWidget(taxPdf);
    taxRow->addWidget(taxCsv);
    auto* taxLayout = new QVBoxLayout(taxBox);
    taxLayout->addLayout(taxRow);
    taxLayout->addWidget(m_salesTax);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->addLayout(filters);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_summary);
    layout->addLayout(actions);
    layout->addWidget(taxBox);
    resize(860, 560);

    // Typing in Find filters after a short pause, not on every keystroke of a long register.
    m_findPause = new QTimer(this);
    m_findPause->setSingleShot(true);
    m_findPause->setInterval(kFindPauseMs);
    connect(m_find, &QLineEdit::textChanged, m_findPause, qOverload<>(&QTimer::start));
    connect(m_findPause, &QTimer::timeout, this, &InvoicesWindow::applyFilter);
    // Return, or leaving the box, filters at once.
    connect(m_find, &QLineEdit::editingFinished, this, &InvoicesWindow::settleFilter);
    connect(m_useDates, &QCheckBox::toggled, this, &InvoicesWindow::applyFilter);
    connect(m_from, &QDateEdit::dateChanged, this, &InvoicesWindow::applyFilter);
    connect(m_to, &QDateEdit::dateChanged, this, &InvoicesWindow::applyFilter);
    connect(m_unpaid, &QCheckBox::toggled, this, &InvoicesWindow::applyFilter);
    connect(m_table, &QTableView::activated, this, &InvoicesWindow::openCopy);
    connect(open, &QPushButton::clicked, this, &InvoicesWindow::openCopy);
    connect(paid, &QPushButton::clicked, this, [this] { markPaid(true); });
    connect(unpaid, &QPushButton::clicked, this, [this] { markPaid(false); });
    connect(exportCsv, &QPushButton::clicked, this, &InvoicesWindow::exportRegister);
    connect(menu, &QPushButton::clicked, this, [this] {
        hide();
        m_program.showMenu();
    });
    connect(m_period, &QComboBox::currentIndexChanged, this, &InvoicesWindow::showSalesTax);
    connect(m_periodDay, &QDateEdit::dateChanged, this, &InvoicesWindow::showSalesTax);
    connect(m_periodTo, &QDateEdit::dateChanged, this, &InvoicesWindow::showSalesTax);
    connect(taxPreview, &QPushButton::clicked, this, &InvoicesWindow::previewSalesTax);
    connect(taxPdf, &QPushButton::clicked, this, &InvoicesWindow::saveSalesTaxPdf);
    connect(taxCsv, &QPushButton::clicked, this, &InvoicesWindow::exportSalesTax);

    QWidget* order[] = {m_find,   m_useDates,  m_from,     m_to,       m_unpaid,  m_table,
                        open,     m_paidOn,    paid,       unpaid,     exportCsv, menu,
                        m_period, m_periodDay, m_periodTo, taxPreview, taxPdf,    taxCsv};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
}

void InvoicesWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    const QDate today = m_program.desk().today();
    for (QDateEdit* edit : {m_from, m_to, m_paidOn, m_periodDay, m_periodTo}) {
        const QSignalBlocker quiet(edit);
        edit->setDate(today);
    }
    {
        const QSignalBlocker quiet(m_from);
        m_from->setDate(today.addMonths(-1));
    }
    reload();
    if (m_damaged > 0)
        m_program.desk().message(
            title(),
            {tr("%1 line(s) of Invoices.txt are not invoice records and are not "
                "shown.")
                 .arg(m_damaged),
             tr("They are kept in the file as they are.")},
            pellar::MessageButtons::Ok);
    m_find->setFocus();
}

void InvoicesWindow::reload() {
    InvoiceRegister reg = readRegister(m_program.data());
    if (!reg.problem.isEmpty())
        m_program.reportFileError(reg.problem);
    m_damaged = reg.damaged;
    m_model->setRegister(std::move(reg.entries), m_program.desk().today());
    applyFilter();
    showSalesTax();
}

void InvoicesWindow::applyFilter() {
    m_findPause->stop();
    m_from->setEnabled(m_useDates->isChecked());
    m_to->setEnabled(m_useDates->isChecked());
    RegisterFilter filter;
    filter.text = m_find->text();
    if (m_useDates->isChecked()) {
        filter.from = m_from->date();
        filter.to = m_to->date();
    }
    filter.unpaidOnly = m_unpaid->isChecked();
    m_model->setFilter(filter);
    if (m_sorted->rowCount() > 0)
        m_table->selectRow(0);
    showSummary();
}

void InvoicesWindow::showSummary() {
    const std::optional<pellar::Currency> total = m_model->shownTotal();
    QString text = tr("%1 of %2 invoices shown, total %3")
                       .arg(m_model->shownCount())
                       .arg(m_model->entries().size())
                       .arg(total ? pellar::formatCurrency(*total) : tr("too large to add up"));
    if (const int overdue = m_model->overdueCount(); overdue > 0)
        text += tr("; %1 unpaid for more than 30 days (in red)").arg(overdue);
    m_summary->setText(text + u'.');
}

SalesTaxFigures InvoicesWindow::salesTax() const {
    const PeriodKind kind = PeriodKind(m_period->currentIndex());
    m_periodTo->setEnabled(kind == PeriodKind::Dates);
    return salesTaxFor(m_model->entries(), periodOf(kind, m_periodDay->date(), m_periodTo->date()));
}

void InvoicesWindow::showSalesTax() {
    const SalesTaxFigures f = salesTax();
    if (f.overflow) {
        m_salesTax->setText(tr("The sums of this period are too large to add up."));
        return;
    }
    m_salesTax->setText(
        tr("%1 to %2:   taxable sales %3   non-taxable sales %4   tax collected %5"
           "   (%6 invoices)")
            .arg(pellar::formatShortDate(f.period.from), pellar::formatShortDate(f.period.to),
                 pellar::formatCurrency(f.taxable), pellar::formatCurrency(f.nonTaxable),
                 pellar::formatCurrency(f.tax))
            .arg(f.invoices));
}

void InvoicesWindow::settleFilter() {
    if (m_findPause->isActive())
        applyFilter();
}

const RegisterEntry* InvoicesWindow::current() {
    settleFilter();
    const QModelIndex index = m_table->currentIndex();
    if (!index.isValid())
        return nullptr;
    return &m_model->entryAt(m_sorted->mapToSource(index).row());
}

void InvoicesWindow::openCopy() {
    const RegisterEntry* e = current();
    if (!e) {
        m_program.desk().beep();
        return;
    }
    const QString path = QDir(m_program.data().path()).filePath(e->pdfFile);
    if (e->pdfFile.isEmpty() || !QFile::exists(path) || !m_program.desk().openDocument(path))
        m_program.desk().message(title(),
                                 {tr("The copy of invoice %1 could not be opened:").arg(e->number),
                                  QDir::toNativeSeparators(path)},
                                 pellar::MessageButtons::Ok);
}

QList<RegisterEntry> InvoicesWindow::selected() {
    settleFilter();
    QList<RegisterEntry> entries;
    for (const QModelIndex& index : m_table->selectionModel()->selectedRows())
        entries << m_model->entryAt(m_sorted->mapToSource(index).row());
    if (entries.isEmpty())
        if (const RegisterEntry* e = current())
            entries << *e;
    return entries;
}

void InvoicesWindow::markPaid(bool paid) {
    QList<RegisterEntry> entries = selected();
    entries.removeIf([paid](const RegisterEntry& e) { return e.isPaid() == paid; });
    if (entries.isEmpty()) {
        m_program.desk().beep();
        return;
    }
    const pellar::FileResult saved =
        setPaid(m_program.data(), entries, paid ? m_paidOn->date() : QDate());
    if (!saved)
        m_program.reportFileError(saved.error);
    reload();
    // The same invoices stay chosen, wherever the filter and the order put them.
    QItemSelection again;
    int first = -1;
    for (int row = 0; row < m_sorted->rowCount(); ++row) {
        const RegisterEntry& at =
            m_model->entryAt(m_sorted->mapToSource(m_sorted->index(row, 0)).row());
        const bool wanted =
            std::any_of(entries.begin(), entries.end(), [&](const RegisterEntry& e) {
                return at.number == e.number && at.pdfFile == e.pdfFile && at.date == e.date;
            });
        if (!wanted)
            continue;
        again.select(m_sorted->index(row, 0), m_sorted->index(row, RegisterModel::ColumnCount - 1));
        if (first < 0)
            first = row;
    }
    if (first >= 0) {
        m_table->setCurrentIndex(m_sorted->index(first, 0));
        m_table->selectionModel()->select(again, QItemSelectionModel::ClearAndSelect);
    }
    m_table->setFocus();
}

void InvoicesWindow::saveCsv(const QString& dialogTitle, const QString& suggested,
                             const QByteArray& bytes) {
    const std::optional<QString> file = m_program.desk().chooseSaveFile(
        dialogTitle, pellar::inDocumentsFolder(suggested), tr("CSV files (*.csv)"));
    if (!file)
        return;
    if (const QString error = pellar::replaceFile(*file, bytes); !error.isEmpty())
        m_program.reportFileError(error);
}

void InvoicesWindow::exportRegister() {
    settleFilter();
    // In the order shown.
    QList<qsizetype> rows;
    for (int row = 0; row < m_sorted->rowCount(); ++row)
        rows << m_model->shown()[m_sorted->mapToSource(m_sorted->index(row, 0)).row()];
    saveCsv(tr("Export Invoices"), QStringLiteral("Invoices.csv"),
            registerCsv(m_model->entries(), rows));
}

void InvoicesWindow::previewSalesTax() {
    const SalesTaxFigures f = salesTax();
    pellar::previewDocument(m_program.desk(), m_program.data(), salesTaxDocument(f.period),
                            m_program.context().printer, [&](pellar::PrintSurface& surface) {
                                printSalesTaxReport(surface, m_program.profile(), f);
                            });
}

void InvoicesWindow::saveSalesTaxPdf() {
    const SalesTaxFigures f = salesTax();
    pellar::PrintedDocumentKind kind = salesTaxDocument(f.period);
    kind.pdfFileName = pellar::inDocumentsFolder(kind.pdfFileName);
    const pellar::PdfOutcome saved = pellar::saveDocumentAsPdf(
        m_program.desk(), m_program.data(), kind, [&](pellar::PrintSurface& surface) {
            printSalesTaxReport(surface, m_program.profile(), f);
        });
    if (!saved.cancelled && !saved.written)
        m_program.reportFileError(saved.written.error);
}

void InvoicesWindow::exportSalesTax() {
    const SalesTaxFigures f = salesTax();
    saveCsv(tr("Export Sales Tax"),
            QStringLiteral("Sales Tax %1 to %2.csv")
                .arg(f.period.from.toString(QStringLiteral("yyyy-MM-dd")),
                     f.period.to.toString(QStringLiteral("yyyy-MM-dd"))),
            salesTaxCsv(f));
}

} // namespace invoicing
