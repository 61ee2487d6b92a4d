#pragma once
// The invoice's line grid: a header row, 50 item lines and a fixed first column of line
// numbers. Rows and columns are addressed as the invoice knows them: row 0 is the header
// row and rows 1 to 50 are the item lines; column 0 holds the line numbers, columns 1 to 4
// quantity, item, price and extension.

#include <QTableWidget>

namespace invoicing {

class InvoiceGrid : public QTableWidget {
public:
    static constexpr int kLines = 50;
    static constexpr int kRows = kLines + 1; // with the header row
    static constexpr int kColumns = 5;

    explicit InvoiceGrid(QWidget* parent = nullptr);

    // The text of a cell; row 0 gives the header texts.
    QString text(int row, int column) const;
    void setText(int row, int column, const QString& text);

    // The line last selected, 1 to 50; 0 when none is.
    int currentLine() const;
    void setCurrentLine(int line);

    // Line numbers 1 to 50 in column 0, and the quantity column's alignment.
    void numberLines();
    // Columns 1 to 4 of every line emptied.
    void clearLines();
    // Takes a line out; the lines below move up and an empty line is added at the bottom.
    void removeLine(int line);

private:
    void prepareRow(int tableRow);
};

} // namespace invoicing
