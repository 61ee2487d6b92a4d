#pragma once
// The invoice's line grid: a header row, 50 item lines and a fixed first column of line
// numbers. Rows and columns are addressed as the invoice knows them: row 0 is the header
// row and rows 1 to 50 are the item lines; column 0 holds the line numbers, columns 1 to 4
// quantity, item, price and extension.

#include "invoicing/core/invoicevalues.h"

#include <QTableWidget>

namespace invoicing {

// The line grid (fgInvoice), drawn from the draft's lines.
class InvoiceGrid : public QTableWidget {
    Q_OBJECT
public:
    static constexpr int kLines = 50;
    static constexpr int kRows = kLines + 1; // with the header row
    static constexpr int kColumns = 5;

    explicit InvoiceGrid(QWidget* parent = nullptr);

    // The lines in order from line 1; the rest of the 50 empty.
    void showLines(const QList<InvoiceLine>& lines);

    // Brings a line (1 to 50) into view.
    void scrollToLine(int line);

    // The line last selected, 1 to 50; 0 when none is.
    int currentLine() const;

signals:
    // A right-click released over the lines, at this point of the screen.
    void rightClicked(const QPoint& globalPosition);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void prepareRow(int tableRow);
    void numberLines();
    void setText(int line, int column, const QString& text);
};

} // namespace invoicing
