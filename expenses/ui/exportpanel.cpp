#include "expenses/ui/exportpanel.h"

#include "common/core/desk.h"
#include "common/core/documentoutput.h"
#include "common/ui/keyboard.h"
#include "common/ui/widgets.h"
#include "expenses/core/expenseentry.h"
#include "expenses/core/expenseexport.h"
#include "expenses/ui/datebox.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace expenses {

ExportPanel::ExportPanel(pellar::Desk& desk, const pellar::DataFolder& data, QWidget* parent)
    : QGroupBox(tr("Export Expenses"), parent)
    , m_desk(desk)
    , m_data(data) {
    setObjectName(QStringLiteral("fraExport"));

    m_from = makeDatePicker(this, QStringLiteral("dtpExportFrom"));
    m_to = makeDatePicker(this, QStringLiteral("dtpExportTo"));
    auto* period = pellar::ui::makeFrame(this, QStringLiteral("fraExportPeriod"), tr("Period"));
    auto* periodLayout = new QHBoxLayout(period);
    periodLayout->addWidget(
        pellar::ui::makeLabel(period, QStringLiteral("lblExportFrom"), tr("&From"), m_from));
    periodLayout->addWidget(m_from);
    periodLayout->addSpacing(12);
    periodLayout->addWidget(
        pellar::ui::makeLabel(period, QStringLiteral("lblExportTo"), tr("&To"), m_to));
    periodLayout->addWidget(m_to);
    periodLayout->addStretch(1);

    auto* categories =
        pellar::ui::makeFrame(this, QStringLiteral("fraExportCategories"), tr("Categories"));
    m_allCategories = pellar::ui::named(new QCheckBox(tr("&All categories"), categories),
                                        QStringLiteral("chkAllCategories"));
    m_categories =
        pellar::ui::named(new QListWidget(categories), QStringLiteral("lstExportCategories"));
    m_categories->setMinimumHeight(m_categories->fontMetrics().height() * 8);
    auto* categoriesLayout = new QVBoxLayout(categories);
    categoriesLayout->addWidget(m_allCategories);
    categoriesLayout->addWidget(m_categories, 1);
    connect(m_allCategories, &QCheckBox::toggled, this, [this](bool all) {
        for (int i = 0; i < m_categories->count(); ++i)
            m_categories->item(i)->setCheckState(all ? Qt::Checked : Qt::Unchecked);
    });

    auto* methods =
        pellar::ui::makeFrame(this, QStringLiteral("fraExportMethods"), tr("Forms of Payment"));
    auto* methodsLayout = new QVBoxLayout(methods);
    const char* methodCaptions[PaymentOptionCount] = {QT_TR_NOOP("Chec&k"), QT_TR_NOOP("Ca&sh"),
                                                      QT_TR_NOOP("Cre&dit Card"),
                                                      QT_TR_NOOP("&E-Bill Payment")};
    for (int i = 0; i < PaymentOptionCount; ++i) {
        auto* method = pellar::ui::named(new QCheckBox(tr(methodCaptions[i]), methods),
                                         QStringLiteral("chkExportMethod_%1").arg(i));
        method->setChecked(true);
        m_methods.append(method);
        methodsLayout->addWidget(method);
    }
    methodsLayout->addStretch(1);

    auto* format = pellar::ui::makeFrame(this, QStringLiteral("fraExportFormat"), tr("File"));
    m_csv = pellar::ui::named(new QRadioButton(tr("Spreadsheet (CSV, &UTF-8)"), format),
                              QStringLiteral("optExportCsv"));
    m_journal = pellar::ui::named(new QRadioButton(tr("Plain-text accounting &journal"), format),
                                  QStringLiteral("optExportJournal"));
    m_csv->setChecked(true);
    pellar::ui::returnChooses(m_csv);
    pellar::ui::returnChooses(m_journal);
    auto* formatLayout = new QVBoxLayout(format);
    formatLayout->addWidget(m_csv);
    formatLayout->addWidget(m_journal);
    formatLayout->addStretch(1);

    m_export = pellar::ui::makeButton(this, QStringLiteral("cmdExport"), tr("E&xport..."),
                                      tr("Saves the expenses chosen to a file"));
    QPushButton* close = pellar::ui::makeButton(this, QStringLiteral("cmdExportClose"),
                                                tr("&Close Window"), tr("Show main screen"));
    for (QPushButton* button : {m_export, close})
        button->setAutoDefault(false);
    connect(m_export, &QPushButton::clicked, this, &ExportPanel::exportChosen);
    connect(close, &QPushButton::clicked, this, &ExportPanel::closeClicked);

    auto* right = new QVBoxLayout;
    right->addWidget(methods);
    right->addWidget(format);
    auto* middle = new QHBoxLayout;
    middle->addWidget(categories, 1);
    middle->addLayout(right);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(
        pellar::ui::makeNote(this, tr("Void checks, archived records and records whose "
                                      "date or amount cannot be read are left out, as "
                                      "in the review.")),
        1);
    buttons->addWidget(m_export);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(period);
    layout->addLayout(middle, 1);
    layout->addLayout(buttons);
}

void ExportPanel::open(const DateRange& period, const QStringList& categories) {
    m_from->setDate(period.start);
    m_to->setDate(period.end);
    m_categories->clear();
    for (const QString& category : categories) {
        auto* item = new QListWidgetItem(category, m_categories);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    // A finance charge is posted under a category of its own, which the list never holds.
    const QString financeCharge = kFinanceChargeCategory.toString();
    if (!categories.contains(financeCharge)) {
        auto* item = new QListWidgetItem(financeCharge, m_categories);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    m_categories->setCurrentRow(0);
    m_allCategories->setChecked(true);
    m_from->setFocus();
}

void ExportPanel::refuse(const QString& why) {
    pellar::ui::refuse(m_desk, m_note, why);
}

void ExportPanel::exportChosen() {
    ExportFilter filter;
    filter.period = {m_from->date(), m_to->date()};
    if (filter.period.end < filter.period.start) {
        refuse(tr("The period ends before it starts."));
        return;
    }
    // Every category chosen means every category, those no longer on the list included.
    if (!m_allCategories->isChecked()) {
        for (int i = 0; i < m_categories->count(); ++i) {
            if (m_categories->item(i)->checkState() == Qt::Checked)
                filter.categories.insert(m_categories->item(i)->text());
        }
        if (filter.categories.isEmpty()) {
            refuse(tr("Choose at least one category to export."));
            return;
        }
    }
    for (int i = 0; i < PaymentOptionCount; ++i) {
        if (m_methods[i]->isChecked())
            filter.paymentOptions.insert(i);
    }
    if (filter.paymentOptions.isEmpty()) {
        refuse(tr("Choose at least one form of payment to export."));
        return;
    }
    if (filter.paymentOptions.size() == PaymentOptionCount)
        filter.paymentOptions.clear(); // and the forms another program wrote

    const ExpenseExport expenses = collectExport(m_data, filter);
    const QString title = tr("Export Expenses");
    if (!expenses.problem.isEmpty()) {
        m_desk.message(title, {expenses.problem, tr("Nothing was exported.")},
                       pellar::MessageButtons::Ok, pellar::MessageIcon::Warning);
        return;
    }
    if (expenses.rows.isEmpty()) {
        refuse(tr("No expenses of the period match what is chosen; nothing was "
                  "exported."));
        return;
    }

    const bool csv = m_csv->isChecked();
    const QString extension = csv ? QStringLiteral(".csv") : QStringLiteral(".journal");
    const QString suggested = pellar::inDocumentsFolder(
        tr("Expenses %1 to %2")
            .arg(filter.period.start.toString(QStringLiteral("yyyy-MM-dd")),
                 filter.period.end.toString(QStringLiteral("yyyy-MM-dd"))) +
        extension);
    const std::optional<QString> chosen = m_desk.chooseSaveFile(
        title, suggested, csv ? tr("CSV files (*.csv)") : tr("Journal files (*.journal)"));
    if (!chosen || chosen->trimmed().isEmpty())
        return;
    QString path = *chosen;
    if (QFileInfo(path).suffix().isEmpty())
        path += extension;
    const pellar::FileResult written =
        writeExportFile(path, csv ? exportCsv(expenses) : exportJournal(expenses));
    if (!written) {
        m_desk.message(title, {written.error}, pellar::MessageButtons::Ok,
                       pellar::MessageIcon::Warning);
        return;
    }
    m_desk.message(
        title, {exportSummary(expenses), tr("Saved as %1").arg(QDir::toNativeSeparators(path))});
}

} // namespace expenses
