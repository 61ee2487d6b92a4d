#include "invoicing/ui/customerswindow.h"

#include "common/ui/keyboard.h"
#include "invoicing/ui/billwright.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace invoicing {

namespace {

QStringList linesOf(const CustomerAddress& c) {
    return {c.name, c.street, c.poBox, c.city, c.state, c.zip};
}

} // namespace

CustomersWindow::CustomersWindow(Billwright& program)
    : m_program(program) {
    setObjectName(QStringLiteral("frmCustomers"));
    setWindowTitle(tr("Customers"));

    const QStringList captions = {tr("Name"), tr("Street"), tr("Apt/PO Box"),
                                  tr("City"), tr("State"),  tr("ZIP")};
    auto* bookLabel = new QLabel(tr("C&ustomers:"), this);
    m_table = new QTableWidget(0, 6, this);
    m_table->setObjectName(QStringLiteral("fgCustomers"));
    m_table->setHorizontalHeaderLabels(captions);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTabKeyNavigation(false);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setHighlightSections(false);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 8);
    // The name takes what is left; a name still too long shows whole as the cell's tip.
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_table->setColumnWidth(1, 200);
    for (int column = 2; column < 6; ++column)
        m_table->horizontalHeader()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    bookLabel->setBuddy(m_table);

    // The edit boxes, each with its Alt letter: N, T, A, I, E, Z.
    const QString names[6] = {QStringLiteral("txtName"),  QStringLiteral("txtStreet"),
                              QStringLiteral("txtPOBox"), QStringLiteral("txtCity"),
                              QStringLiteral("txtState"), QStringLiteral("txtZip")};
    const QString labels[6] = {tr("&Name:"), tr("S&treet:"), tr("&Apt/PO Box:"),
                               tr("C&ity:"), tr("Stat&e:"),  tr("&ZIP:")};
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    for (int i = 0; i < 6; ++i) {
        m_fields[i] = new QLineEdit(this);
        m_fields[i]->setObjectName(names[i]);
        auto* label = new QLabel(labels[i], this);
        label->setBuddy(m_fields[i]);
        if (i < 3) {
            grid->addWidget(label, i, 0, Qt::AlignRight);
            grid->addWidget(m_fields[i], i, 1, 1, 5);
        } else {
            grid->addWidget(label, 3, (i - 3) * 2, Qt::AlignRight);
            grid->addWidget(m_fields[i], 3, (i - 3) * 2 + 1);
        }
    }
    m_fields[4]->setMaximumWidth(60);
    m_fields[5]->setMaximumWidth(100);
    grid->setColumnStretch(1, 1);

    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("lblBook"));
    m_problem->setWordWrap(true);
    m_problem->hide();

    m_save = new QPushButton(tr("&Save"), this);
    m_save->setObjectName(QStringLiteral("cmdSave"));
    m_save->setAutoDefault(false);
    m_delete = new QPushButton(tr("&Delete..."), this);
    m_delete->setObjectName(QStringLiteral("cmdDelete"));
    m_delete->setAutoDefault(false);
    auto* menu = new QPushButton(tr("&Menu"), this);
    menu->setObjectName(QStringLiteral("cmdMenu"));
    menu->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_save);
    buttons->addWidget(m_delete);
    buttons->addStretch(1);
    buttons->addWidget(menu);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->addWidget(bookLabel);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_problem);
    layout->addSpacing(6);
    layout->addLayout(grid);
    layout->addSpacing(10);
    layout->addLayout(buttons);
    resize(860, 520);

    connect(m_table, &QTableWidget::currentCellChanged, this, &CustomersWindow::showCurrent);
    connect(m_save, &QPushButton::clicked, this, &CustomersWindow::save);
    connect(m_delete, &QPushButton::clicked, this, &CustomersWindow::remove);
    connect(menu, &QPushButton::clicked, this, [this] {
        hide();
        m_program.showMenu();
    });
    // Return in the last box saves, as Continue goes on from customer entry.
    pellar::ui::returnClicks(m_fields[5], m_save);

    setTabOrder(m_table, m_fields[0]);
    for (int i = 0; i < 5; ++i)
        setTabOrder(m_fields[i], m_fields[i + 1]);
    setTabOrder(m_fields[5], m_save);
    setTabOrder(m_save, m_delete);
    setTabOrder(m_delete, menu);
}

void CustomersWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    reload();
    if (!m_book.writable())
        m_program.desk().message(QString::fromUtf16(kApplicationTitle),
                                 m_problem->text().split(u'\n'), pellar::MessageButtons::Ok);
    m_table->setFocus();
}

void CustomersWindow::reload(const QString& current, int fallbackRow) {
    m_book = readCustomerBook(m_program.data());
    const QSignalBlocker quiet(m_table);
    m_table->setRowCount(int(m_book.customers.size()));
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const QStringList lines = linesOf(m_book.customers[row]);
        for (int column = 0; column < 6; ++column) {
            auto* item = new QTableWidgetItem(lines[column]);
            item->setToolTip(lines[column]);
            m_table->setItem(row, column, item);
        }
    }
    const qsizetype at = current.isEmpty() ? -1 : m_book.indexOf(current);
    if (!m_book.customers.isEmpty())
        m_table->setCurrentCell(
            at >= 0 ? int(at) : std::clamp(fallbackRow, 0, m_table->rowCount() - 1), 0);

    // A book with lines this program cannot read is shown, never written over.
    QString problem = m_book.problem;
    if (problem.isEmpty() && m_book.damaged > 0)
        problem =
            tr("%n line(s) of Customers.txt are not customer records.", nullptr, m_book.damaged) +
            u'\n' + tr("The book is not changed here until the file is mended.");
    m_problem->setText(problem);
    m_problem->setVisible(!problem.isEmpty());
    m_save->setEnabled(m_book.writable());
    m_delete->setEnabled(m_book.writable());
    showCurrent();
}

const CustomerAddress* CustomersWindow::chosen() const {
    const int row = m_table->currentRow();
    return row >= 0 && row < m_book.customers.size() ? &m_book.customers[row] : nullptr;
}

void CustomersWindow::showCurrent() {
    const CustomerAddress* c = chosen();
    const QStringList lines = c ? linesOf(*c) : QStringList(6);
    for (int i = 0; i < 6; ++i) {
        m_fields[i]->setText(lines[i]);
        m_fields[i]->setEnabled(c != nullptr);
    }
}

void CustomersWindow::save() {
    const CustomerAddress* c = chosen();
    if (!c) {
        m_program.desk().beep();
        return;
    }
    const CustomerAddress edited{m_fields[0]->text(), m_fields[1]->text(), m_fields[2]->text(),
                                 m_fields[3]->text(), m_fields[4]->text(), m_fields[5]->text()};
    const QString name = c->name;
    const pellar::FileResult saved = changeCustomer(m_program.data(), name, edited);
    if (!saved)
        m_program.reportFileError(saved.error);
    reload(saved ? edited.name.trimmed() : name, m_table->currentRow());
    m_table->setFocus();
}

void CustomersWindow::remove() {
    const CustomerAddress* c = chosen();
    if (!c) {
        m_program.desk().beep();
        return;
    }
    const QString name = c->name;
    if (m_program.desk().message(QString::fromUtf16(kApplicationTitle),
                                 {tr("Delete %1 from the customer book?").arg(name)},
                                 pellar::MessageButtons::YesNoDefaultNo) !=
        pellar::MessageAnswer::Yes)
        return;
    if (const pellar::FileResult removed = changeCustomer(m_program.data(), name, std::nullopt);
        !removed)
        m_program.reportFileError(removed.error);
    reload({}, m_table->currentRow());
    m_table->setFocus();
}

} // namespace invoicing
