#include "deposits/ui/frmdeposithistory.h"

#include "common/ui/tinted.h"
#include "common/core/datafiles.h"
#include "common/core/desk.h"
#include "common/core/documentoutput.h"
#include "common/core/printerchoice.h"
#include "common/core/printjob.h"
#include "common/core/printsurface.h"
#include "common/core/programcontext.h"
#include "common/core/regional.h"
#include "common/ui/keyboard.h"
#include "common/ui/widgets.h"
#include "deposits/core/slipmakerinfo.h"

#include <QAbstractTableModel>
#include <QBrush>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPalette>
#include <QDateEdit>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSaveFile>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace deposits {

namespace {

QString moneyOrTooLarge(const std::optional<pellar::Currency>& amount) {
    return amount ? pellar::formatCurrency(*amount)
                  : QCoreApplication::translate("frmDepositHistory", "(too large to add up)");
}

QString monthName(int year, int month) {
    return QLocale().monthName(month) + u' ' + QString::number(year);
}

QString unreadableWhy(const LoggedDeposit& deposit) {
    if (!deposit.date)
        return QCoreApplication::translate("frmDepositHistory", "date cannot be read");
    return QCoreApplication::translate("frmDepositHistory", "amount cannot be read");
}

} // namespace

// The shown rows as the table shows them, formatted as each comes into view.
class DepositTableModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setRows(const QList<LoggedDeposit>* rows) {
        beginResetModel();
        m_rows = rows;
        endResetModel();
    }
    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() || !m_rows ? 0 : int(m_rows->size());
    }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 4; }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return {};
        static const char* const names[] = {QT_TRANSLATE_NOOP("frmDepositHistory", "Date"),
                                            QT_TRANSLATE_NOOP("frmDepositHistory", "Description"),
                                            QT_TRANSLATE_NOOP("frmDepositHistory", "Amount"),
                                            QT_TRANSLATE_NOOP("frmDepositHistory", "Note")};
        return QCoreApplication::translate("frmDepositHistory", names[section]);
    }
    QVariant data(const QModelIndex& index, int role) const override {
        const LoggedDeposit& deposit = (*m_rows)[index.row()];
        const bool readable = deposit.readable();
        switch (role) {
        case Qt::DisplayRole:
            switch (index.column()) {
            case 0:
                return readable ? pellar::formatShortDate(*deposit.date) : deposit.dateText;
            case 1:
                return deposit.description;
            case 2:
                return readable ? pellar::formatCurrency(*deposit.amount) : deposit.amountText;
            default:
                return readable ? QString()
                                : QCoreApplication::translate("frmDepositHistory", "Unreadable");
            }
        case Qt::ToolTipRole:
            return readable ? QVariant()
                            : QVariant(QCoreApplication::translate(
                                           "frmDepositHistory",
                                           "Record %1 of the log: its %2; it is not "
                                           "in the totals")
                                           .arg(deposit.record)
                                           .arg(unreadableWhy(deposit)));
        case Qt::TextAlignmentRole:
            return index.column() == 2 ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
        case Qt::BackgroundRole:
            return readable ? QVariant() : QVariant(QBrush(pellar::markedRowColor(
                                  pellar::Tint::Warning, QGuiApplication::palette().color(QPalette::Base))));
        default:
            return {};
        }
    }

private:
    const QList<LoggedDeposit>* m_rows = nullptr;
};

frmDepositHistory::frmDepositHistory(pellar::ProgramContext& context, QWidget* parent)
    : QMainWindow(parent)
    , m_context(context)
    , m_desk(context.desk) {
    setObjectName(QStringLiteral("frmDepositHistory"));
    setWindowTitle(tr("Deposit History"));
    buildScreen();
}

frmDepositHistory::~frmDepositHistory() = default;

void frmDepositHistory::buildScreen() {
    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(14, 12, 14, 10);
    outer->setSpacing(8);

    const auto dateBox = [central](const char* name) {
        auto* edit = pellar::ui::named(new QDateEdit(central), QString::fromLatin1(name));
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(pellar::RegionalSettings::current().shortDateFormat);
        // Every date the log can hold, so "All Dates" never leaves one out.
        edit->setDateRange(QDate(1000, 1, 1), QDate(9999, 12, 31));
        return edit;
    };
    m_from = dateBox("dtpFrom");
    m_from->setToolTip(tr("The first day shown"));
    m_to = dateBox("dtpTo");
    m_to->setToolTip(tr("The last day shown"));
    QPushButton* all =
        pellar::ui::makeButton(central, QStringLiteral("cmdAllDates"), tr("&All Dates"),
                               tr("Shows every deposit in the log"));
    auto* range = new QHBoxLayout;
    range->addWidget(
        pellar::ui::makeLabel(central, QStringLiteral("lblFrom"), tr("&From:"), m_from));
    range->addWidget(m_from);
    range->addSpacing(8);
    range->addWidget(pellar::ui::makeLabel(central, QStringLiteral("lblTo"), tr("&To:"), m_to));
    range->addWidget(m_to);
    range->addSpacing(8);
    range->addWidget(all);
    range->addStretch(1);
    outer->addLayout(range);

    m_model = new DepositTableModel(this);
    m_table = pellar::ui::named(new QTableView(central), QStringLiteral("grdDeposits"));
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTabKeyNavigation(false);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setColumnWidth(0, 100);
    m_table->setColumnWidth(1, 180);
    m_table->setColumnWidth(2, 120);
    m_table->setToolTip(tr("Enter or a double click opens the slip's PDF copy"));
    connect(m_table, &QTableView::activated, this, [this] { openSlip(); });

    m_months = pellar::ui::named(new QTableWidget(0, 3, central), QStringLiteral("grdMonths"));
    m_months->setHorizontalHeaderLabels({tr("Month"), tr("Deposits"), tr("Total")});
    m_months->verticalHeader()->hide();
    m_months->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_months->setTabKeyNavigation(false);
    m_months->setFocusPolicy(Qt::ClickFocus);
    m_months->horizontalHeader()->setStretchLastSection(true);
    m_months->setColumnWidth(0, 130);
    m_months->setColumnWidth(1, 70);
    m_months->setMinimumWidth(330);

    auto* tables = new QHBoxLayout;
    tables->addWidget(m_table, 3);
    auto* monthSide = new QVBoxLayout;
    monthSide->addWidget(
        pellar::ui::makeLabel(central, QStringLiteral("lblMonths"), tr("Month totals")));
    monthSide->addWidget(m_months, 1);
    tables->addLayout(monthSide, 2);
    outer->addLayout(tables, 1);

    m_total = pellar::ui::makeLabel(central, QStringLiteral("lblRangeTotal"), QString());
    QFont bold = m_total->font();
    bold.setBold(true);
    m_total->setFont(bold);
    outer->addWidget(m_total);
    m_unreadable = pellar::ui::makeLabel(central, QStringLiteral("lblUnreadable"), QString());
    m_unreadable->setWordWrap(true);
    pellar::ui::tinted(m_unreadable, pellar::Tint::Warning);
    outer->addWidget(m_unreadable);
    m_note = new pellar::ui::StatusNote(central);
    m_note->setWordWrap(true);
    outer->addWidget(m_note);

    const auto button = [central](const char* name, const QString& caption, const QString& tip) {
        return pellar::ui::makeButton(central, QString::fromLatin1(name), caption, tip);
    };
    QPushButton* open = button("cmdOpenSlip", tr("&Open / Reprint Slip"),
                               tr("Opens the slip's PDF copy in your PDF viewer, where it can be "
                                  "printed again"));
    QPushButton* preview =
        button("cmdPreviewList", tr("Pre&view List"), tr("Shows the list as it would print"));
    QPushButton* print = button("cmdPrintList", tr("&Print List..."),
                                tr("Prints the list, or saves it as a PDF file"));
    QPushButton* exportCsv =
        button("cmdExportCsv", tr("&Export CSV..."), tr("Saves the shown rows as a CSV file"));
    QPushButton* menu = button("cmdMenu", tr("&Back to Menu"), tr("Returns to the start form"));
    connect(open, &QPushButton::clicked, this, &frmDepositHistory::openSlip);
    connect(preview, &QPushButton::clicked, this, [this] { printList(true); });
    connect(print, &QPushButton::clicked, this, [this] { printList(false); });
    connect(exportCsv, &QPushButton::clicked, this, &frmDepositHistory::exportCsv);
    connect(menu, &QPushButton::clicked, this, [this] {
        hide();
        emit menuWanted();
    });
    connect(all, &QPushButton::clicked, this, &frmDepositHistory::showAll);
    connect(m_from, &QDateEdit::dateChanged, this, &frmDepositHistory::refresh);
    connect(m_to, &QDateEdit::dateChanged, this, &frmDepositHistory::refresh);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(open);
    buttons->addStretch(1);
    buttons->addWidget(preview);
    buttons->addWidget(print);
    buttons->addWidget(exportCsv);
    buttons->addSpacing(12);
    buttons->addWidget(menu);
    outer->addLayout(buttons);

    setTabOrder(m_from, m_to);
    setTabOrder(m_to, all);
    setTabOrder(all, m_table);
    setTabOrder(m_table, open);
    resize(900, 560);
}

void frmDepositHistory::activate() {
    QString error;
    m_note->clearNote();
    if (std::optional<QList<LoggedDeposit>> log = readDepositLog(m_context.data, &error)) {
        m_log = std::move(*log);
    } else {
        m_log.clear();
        m_note->say(error);
    }
    showAll();
    m_table->setFocus();
    if (m_model->rowCount() > 0)
        m_table->selectRow(0);
}

void frmDepositHistory::showAll() {
    QDate first, last;
    for (const LoggedDeposit& deposit : m_log) {
        if (!deposit.date)
            continue;
        if (!first.isValid() || *deposit.date < first)
            first = *deposit.date;
        if (!last.isValid() || *deposit.date > last)
            last = *deposit.date;
    }
    const QDate today = m_desk.today();
    const QSignalBlocker holdFrom(m_from), holdTo(m_to);
    m_from->setDate(first.isValid() ? first : today);
    m_to->setDate(last.isValid() ? last : today);
    refresh();
}

void frmDepositHistory::refresh() {
    m_history = depositsBetween(m_log, m_from->date(), m_to->date());
    m_model->setRows(&m_history.rows);

    const int dated = int(m_history.rows.size()) - m_history.unreadable;
    m_total->setText(tr("%1 %2 from %3: %4")
                         .arg(dated)
                         .arg(dated == 1 ? QStringLiteral("deposit") : QStringLiteral("deposits"))
                         .arg(rangeWords(), moneyOrTooLarge(m_history.total)));
    m_unreadable->setVisible(m_history.unreadable > 0);
    m_unreadable->setText(
        tr("%1 %2 of the log cannot be read by date or amount: listed last, "
           "marked, and not in the totals. The log is left as it is.")
            .arg(m_history.unreadable)
            .arg(m_history.unreadable == 1 ? QStringLiteral("record") : QStringLiteral("records")));

    m_months->setRowCount(int(m_history.months.size()));
    for (int i = 0; i < m_history.months.size(); ++i) {
        const MonthTotal& month = m_history.months[i];
        m_months->setItem(i, 0, new QTableWidgetItem(monthName(month.year, month.month)));
        auto* count = new QTableWidgetItem(QString::number(month.deposits));
        count->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_months->setItem(i, 1, count);
        auto* total = new QTableWidgetItem(moneyOrTooLarge(month.total));
        total->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_months->setItem(i, 2, total);
    }
}

QString frmDepositHistory::rangeWords() const {
    return tr("%1 to %2")
        .arg(pellar::formatShortDate(m_from->date()), pellar::formatShortDate(m_to->date()));
}

void frmDepositHistory::openSlip() {
    const QModelIndex current = m_table->currentIndex();
    if (!current.isValid()) {
        pellar::ui::refuse(m_desk, m_note, tr("Choose a deposit in the list first."));
        return;
    }
    const LoggedDeposit& deposit = m_history.rows[current.row()];
    const int index = deposit.record - 1;
    const QString path = depositCopyPath(m_context.data, m_log, index);
    if (path.isEmpty()) {
        pellar::ui::refuse(m_desk, m_note,
                           deposit.readable()
                               ? tr("No PDF copy of the deposit of %1 on %2 is in the Deposits "
                                    "folder: it was made before copies were kept, or its copy "
                                    "could not be written.")
                                     .arg(pellar::formatCurrency(*deposit.amount),
                                          pellar::formatShortDate(*deposit.date))
                               : tr("This record cannot be read, so its slip cannot be found."));
        return;
    }
    if (!m_desk.openDocument(path)) {
        m_desk.message(programTitle(),
                       {tr("No PDF viewer took the slip's copy."),
                        tr("It is %1.").arg(QDir::toNativeSeparators(path))},
                       pellar::MessageButtons::Ok);
        return;
    }
    m_note->say(tr("The slip opened in your PDF viewer; print it from there to "
                   "reprint it."));
}

void frmDepositHistory::printLayout(pellar::PrintSurface& surface) const {
    constexpr double left = 1080, dateRight = 2700, amountRight = 10800, top = 1080;
    const double bottom = surface.pageHeight() - 1080;
    const auto at = [&surface](double x, const QString& text, bool right = false) {
        surface.setCurrentX(right ? x - surface.textWidth(text) : x);
        surface.print(text, true);
    };
    const auto header = [&] {
        surface.setCurrentY(top);
        surface.setFontSize(14);
        surface.setBold(true);
        at(left, tr("Deposit History, %1").arg(rangeWords()));
        surface.setFontSize(10);
        surface.setCurrentY(surface.currentY() + surface.textHeight() * 1.8);
        at(left, tr("Date"));
        at(dateRight + 300, tr("Description"));
        at(amountRight, tr("Amount"), true);
        surface.setBold(false);
        surface.setCurrentY(surface.currentY() + surface.textHeight() * 1.4);
    };
    const auto nextLine = [&](double lines = 1.0) {
        surface.setCurrentY(surface.currentY() + surface.textHeight() * lines);
        if (surface.currentY() + surface.textHeight() > bottom && surface.newPage())
            header();
    };
    surface.setFontName(QStringLiteral("Arial"));
    header();
    for (int i = 0; i < m_model->rowCount(); ++i) {
        for (int column = 0; column < 3; ++column) {
            const QString text = m_model->index(i, column).data().toString();
            at(column == 0 ? left : column == 1 ? dateRight + 300 : amountRight, text, column == 2);
        }
        if (!m_history.rows[i].readable())
            at(amountRight + 120, QStringLiteral("*"));
        nextLine();
    }
    nextLine(0.6);
    surface.setBold(true);
    for (const MonthTotal& month : m_history.months) {
        at(left, QStringLiteral("%1 (%2)").arg(monthName(month.year, month.month)).arg(month.deposits));
        at(amountRight, moneyOrTooLarge(month.total), true);
        nextLine();
    }
    at(left, m_total->text());
    nextLine();
    surface.setBold(false);
    if (m_history.unreadable > 0)
        at(left, QStringLiteral("* ") + m_unreadable->text().section(u':', 0, 0) + u'.');
}

void frmDepositHistory::printList(bool preview) {
    pellar::PrintJobSetup setup;
    setup.documentName = tr("Deposit History");
    setup.printer = m_context.printer;
    const auto layout = [this](pellar::PrintSurface& surface) { printLayout(surface); };
    if (preview) {
        m_desk.previewPrint(setup, layout);
        return;
    }
    const std::optional<pellar::PrinterChoice> printer = pellar::ChoosePrinter(m_context);
    if (!printer)
        return;
    setup.printer = *printer;
    if (const pellar::PrintOutcome printed = pellar::runPrintJob(m_desk, setup, layout); !printed)
        m_desk.message(tr("Print Error"),
                       {tr("An Error has occurred while Printing"), printed.error},
                       pellar::MessageButtons::Ok);
}

void frmDepositHistory::exportCsv() {
    const std::optional<QString> name = m_desk.chooseSaveFile(
        tr("Export Deposits"),
        pellar::inDocumentsFolder(
            QStringLiteral("Deposits %1 to %2.csv")
                .arg(m_from->date().toString(Qt::ISODate), m_to->date().toString(Qt::ISODate))),
        tr("CSV files (*.csv)"));
    if (!name)
        return;
    QSaveFile file(*name);
    const QByteArray bytes = depositHistoryCsv(m_history);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        m_desk.message(programTitle(),
                       {tr("The file %1 could not be written: %2")
                            .arg(QDir::toNativeSeparators(*name), file.errorString())},
                       pellar::MessageButtons::Ok);
        return;
    }
    m_note->say(
        tr("%1 rows saved in %2.").arg(m_history.rows.size()).arg(QDir::toNativeSeparators(*name)));
}

} // namespace deposits
