#include "invoicing/ui/invoicegrid.h"

#include "common/core/regional.h"
#include "common/ui/widgets.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPalette>
#include <QScrollBar>

namespace invoicing {

namespace {

// The blanks are part of the headers: they set the column widths.
QStringList headers() {
    return {u' ' + InvoiceGrid::tr("Line No.") + u' ',
            u' ' + InvoiceGrid::tr("Quan") + QString(2, u' '),
            QString(15, u' ') + InvoiceGrid::tr("Item") + QString(42, u' '),
            InvoiceGrid::tr("Price") + QString(13, u' '),
            InvoiceGrid::tr("Extension") + QString(12, u' ')};
}

constexpr Qt::Alignment kAlignments[InvoiceGrid::kColumns] = {
    Qt::AlignCenter,
    Qt::AlignHCenter | Qt::AlignBottom,
    Qt::AlignLeft | Qt::AlignVCenter,
    Qt::AlignRight | Qt::AlignVCenter,
    Qt::AlignRight | Qt::AlignVCenter,
};

QFont gridFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    pellar::ui::preferSansSerif(font);
    font.setPointSizeF(8.25);
    return font;
}

} // namespace

InvoiceGrid::InvoiceGrid(QWidget* parent)
    : QTableWidget(kLines, kColumns, parent) {
    setFont(gridFont());
    const QStringList captions = headers();
    setHorizontalHeaderLabels(captions);
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    // The grid is only read and clicked: Tab moves on to the next control, never from cell to
    // cell, or the only ways out would throw the lines away.
    setTabKeyNavigation(false);

    QHeaderView* header = horizontalHeader();
    header->setFont(font());
    header->setDefaultAlignment(Qt::AlignCenter);
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    const QFontMetrics metrics(font());
    int width = frameWidth() * 2 + verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < kColumns; ++column) {
        const int columnWidth = metrics.horizontalAdvance(captions[column]) + 12;
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

void InvoiceGrid::setText(int line, int column, const QString& text) {
    item(line - 1, column)->setText(text);
}

void InvoiceGrid::showLines(const QList<InvoiceLine>& lines) {
    for (int line = 1; line <= kLines; ++line) {
        if (line > lines.size()) {
            for (int column = 1; column < kColumns; ++column)
                setText(line, column, QString());
            continue;
        }
        const InvoiceLine& shown = lines[line - 1];
        setText(line, 1, shown.quantity);
        setText(line, 2, shown.item);
        setText(line, 3, pellar::formatCurrency(shown.price));
        setText(line, 4, pellar::formatCurrency(shown.extension));
    }
}

void InvoiceGrid::mouseReleaseEvent(QMouseEvent* event) {
    QTableWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::RightButton)
        emit rightClicked(event->globalPosition().toPoint());
}

int InvoiceGrid::currentLine() const {
    return currentRow() >= 0 ? currentRow() + 1 : 0;
}

void InvoiceGrid::numberLines() {
    for (int line = 1; line <= kLines; ++line)
        item(line - 1, 0)->setText(QString::number(line));
}

void InvoiceGrid::scrollToLine(int line) {
    if (line >= 1 && line <= kLines)
        scrollToItem(item(line - 1, 0));
}

} // namespace invoicing
