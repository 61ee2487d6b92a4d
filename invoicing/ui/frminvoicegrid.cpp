#include "invoicing/ui/frminvoicegrid.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QPalette>
#include <QScrollBar>

namespace invoicing {

namespace {

// The blanks are part of the headers: they set the column widths.
const QString kHeaders[InvoiceGrid::kColumns] = {
    QStringLiteral(" Line No. "),
    QStringLiteral(" Quan  "),
    QString(15, u' ') + QStringLiteral("Item") + QString(42, u' '),
    QStringLiteral("Price") + QString(13, u' '),
    QStringLiteral("Extension") + QString(12, u' '),
};

constexpr Qt::Alignment kAlignments[InvoiceGrid::kColumns] = {
    Qt::AlignCenter,
    Qt::AlignHCenter | Qt::AlignBottom,
    Qt::AlignLeft | Qt::AlignVCenter,
    Qt::AlignRight | Qt::AlignVCenter,
    Qt::AlignRight | Qt::AlignVCenter,
};

QFont gridFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    return font;
}

} // namespace

InvoiceGrid::InvoiceGrid(QWidget* parent)
    : QTableWidget(kLines, kColumns, parent) {
    setFont(gridFont());
    setHorizontalHeaderLabels(QStringList(std::begin(kHeaders), std::end(kHeaders)));
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);

    QHeaderView* header = horizontalHeader();
    header->setFont(font());
    header->setDefaultAlignment(Qt::AlignCenter);
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    const QFontMetrics metrics(font());
    int width = frameWidth() * 2 + verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < kColumns; ++column) {
        const int columnWidth = metrics.horizontalAdvance(kHeaders[column]) + 12;
        header->setSectionResizeMode(column, QHeaderView::Fixed);
        setColumnWidth(column, columnWidth);
        width += columnWidth;
    }
    setMinimumWidth(width);
    // The item column takes whatever width the form has beyond the others' own.
    header->setSectionResizeMode(2, QHeaderView::Stretch);
    header->setStretchLastSection(false);
    verticalHeader()->setDefaultSectionSize(metrics.height() + 8);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    for (int row = 0; row < kLines; ++row)
        prepareRow(row);
    numberLines();

    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void InvoiceGrid::prepareRow(int tableRow) {
    for (int column = 0; column < kColumns; ++column) {
        auto* cell = new QTableWidgetItem;
        cell->setTextAlignment(kAlignments[column]);
        if (column == 0) {
            // The fixed column: looks like the header and cannot be selected.
            cell->setFlags(Qt::ItemIsEnabled);
            cell->setBackground(palette().brush(QPalette::Button));
        } else {
            cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        }
        setItem(tableRow, column, cell);
    }
}

QString InvoiceGrid::text(int row, int column) const {
    if (column < 0 || column >= kColumns)
        return {};
    if (row == 0)
        return kHeaders[column];
    const QTableWidgetItem* cell = row > 0 && row <= kLines ? item(row - 1, column) : nullptr;
    return cell ? cell->text() : QString();
}

void InvoiceGrid::setText(int row, int column, const QString& text) {
    if (row < 1 || row > kLines || column < 0 || column >= kColumns)
        return;
    item(row - 1, column)->setText(text);
}

int InvoiceGrid::currentLine() const {
    return currentRow() >= 0 ? currentRow() + 1 : 0;
}

void InvoiceGrid::setCurrentLine(int line) {
    if (line >= 1 && line <= kLines)
        setCurrentCell(line - 1, 1);
}

void InvoiceGrid::numberLines() {
    for (int line = 1; line <= kLines; ++line) {
        item(line - 1, 0)->setText(QString::number(line));
        item(line - 1, 1)->setTextAlignment(kAlignments[1]);
    }
}

void InvoiceGrid::clearLines() {
    for (int row = 0; row < kLines; ++row) {
        for (int column = 1; column < kColumns; ++column)
            item(row, column)->setText(QString());
    }
}

void InvoiceGrid::removeLine(int line) {
    if (line < 1 || line > kLines)
        return;
    removeRow(line - 1);
    insertRow(kLines - 1);
    prepareRow(kLines - 1);
    numberLines();
}

} // namespace invoicing
