#pragma once
// The printed invoice: a ruled US Letter form with the business header, an optional
// remittance section to tear off, the item table, the totals, the memo, the discount terms
// and the grand total in the bottom-right box.
//
// The layout only places, measures and formats: it takes the invoice's values
// (InvoicePrintData) and writes them onto a print surface in twips from the paper's top-left
// corner. It never does arithmetic on money and never opens a file or a dialog.
//
// The table of items and totals ends at the memo band's top rule on every page; a row that
// would reach it goes to a continuation page, which repeats the frame, the header, the
// headings and the customer block. The memo band holds only the memo, the bottom band only
// the terms and the grand total, so nothing is ever printed across a rule.

#include "common/core/desk.h"
#include "common/core/documentoutput.h"
#include "common/core/printsurface.h"
#include "common/core/profile.h"
#include "invoicing/core/invoicevalues.h"

#include <QColor>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace invoicing {

// Every position below is in twips (1440 to the inch).
namespace invoicepage {
inline constexpr double kWidth = 12240;             // 8.5 in
inline constexpr double kLeft = 360;                // left edge of the frame
inline constexpr double kRight = 11880;             // right edge of the frame
inline constexpr double kHeaderTop = 504;           // the header box
inline constexpr double kHeaderBottom = 5040;       //
inline constexpr double kHeadingTop = 5760;         // the band of column headings
inline constexpr double kHeadingBottom = 6120;      //
inline constexpr double kMemoTop = 12240;           // 8.5 in: the table ends here
inline constexpr double kBottomBandTop = 13680;     // 9.5 in: terms and grand total below
inline constexpr double kFormBottom = 14400;        // 10 in
inline constexpr double kQuantityEdge = 1800;       // rule right of the quantities
inline constexpr double kMemoDivider = 7920;        // rule right of the memo
inline constexpr double kGrandTotalDivider = 10080; // left side of the grand-total box
inline constexpr double kFirstItemTop = 6480;       // 4.5 in, first page
inline constexpr double kContinuedItemTop = 6336;   // 4.4 in, continuation pages
inline constexpr double kMemoLeft = 2880;           // 2.0 in
inline constexpr double kMemoFirstTop = 12600;      // 8.75 in
} // namespace invoicepage

inline constexpr const char* kInvoiceFontName = "Ariel";
inline const QColor kInvoiceBlue{0, 0, 255};
// Rules are one dot of a 96-dpi screen wide (1/96 in): the fine rule of a printed form.
inline constexpr int kRulingPenDots = 1;

// The invoice to print: the draft's values, with the business, the options and the memo
// that go with it. Amounts are printed in the regional currency format.
struct InvoicePrintData {
    pellar::BusinessProfile business;
    CustomerAddress customer;
    QString invoiceNumber; // as shown on the form, edited or not
    QString reference;
    QDate date;
    QList<InvoiceLine> lines;
    pellar::Currency subTotal;
    pellar::Currency labor; // as accepted
    pellar::Currency shipping;
    pellar::Currency charges; // negative: a credit
    pellar::Currency tax;
    pellar::Currency grandTotal;
    pellar::Currency discount; // the early-payment offer; zero when none
    QString discountDays;
    bool remittance = false; // the tear-off section on perforated paper
    bool color = false;
    QStringList memo; // the memo file's lines; empty when there is none
};

// The print job an invoice needs: Letter, portrait, in colour or monochrome.
pellar::PrintJobSetup invoiceJobSetup(const pellar::PrinterChoice& printer, bool color,
                                      const QString& documentName = {});

// The invoice as a printed document: measured from the paper's edge, since its frame runs
// to a quarter inch of it; named for its number ("Invoice 20260001.pdf").
pellar::PrintedDocumentKind invoiceDocument(const QString& number);

// The alignment test page's share of the invoice: the frame's rules and an outline of each
// field where it prints, for holding against pre-printed invoice paper.
void printInvoiceFieldOutlines(pellar::PrintSurface& surface);

// The pieces `text` wraps to in a column of `width` twips in the surface's current font.
// A piece ends after a blank and is at most width - 20 wide; the blanks after a piece are
// dropped. A word that alone is too wide is broken at the column's edge, so nothing runs
// into the next column. An empty text is one empty piece.
QStringList wrapText(const pellar::PrintSurface& surface, const QString& text, double width);

// How the memo fills its band: the printed lines its text lines wrap to, and how many of
// them fit above the bottom band (the rest is left off).
struct MemoFit {
    int lines = 0;
    int fitting = 0;
    int room = 0; // the printed lines the band holds
    bool all() const { return fitting == lines; }
};
// Measured in the surface's metrics; leaves the surface in the memo's font.
MemoFit fitInvoiceMemo(pellar::PrintSurface& surface, const QStringList& memo);

// Prints the wrapped pieces of `text` at x, one per line, starting at y (`PrintWrapped`).
void printWrapped(pellar::PrintSurface& surface, double x, double y, double width,
                  const QString& text);

// The invoice layout on one surface. printInvoicePages() lays out the whole invoice; the
// single routines are public so each part of the page can be checked on its own.
class InvoicePageLayout {
public:
    InvoicePageLayout(pellar::PrintSurface& surface, const InvoicePrintData& invoice);

    // Set-up, frame, heading, detach note, customer block, items and totals; the caller
    // ends the job.
    void printInvoicePages();

    void setupInvoicePage();
    void printPageFrame();
    void printBusinessHeader();
    void printInvoiceHeading();
    void printColumnHeadings();
    void printDetachNote();
    void printAddressBlock(float yInches = 2.3f);
    void printItemLines();
    void startContinuationPage();
    void printTotals();
    void printDiscountTerms(); // `PrintDiscountTerms`
    void printInvoiceMemo();   // `PrintInvoiceMemo`
    void printGrandTotal();

    // The memo's printed lines, in the memo's font (which this sets).
    static QStringList memoPieces(pellar::PrintSurface& surface, const QStringList& memo);

    // The business header's city line: "city, " and then "ST. ZIP" only with a state.
    static QString businessCityLine(const pellar::BusinessProfile& business);

private:
    void blueIfColor();
    // A continuation page when a line of the totals' height would reach the memo band.
    void keepTotalsLineOnPage();
    void printTotalsLine(const QString& label, pellar::Currency amount);
    void printItemRow(const InvoiceLine& line);

    pellar::PrintSurface& m_surface;
    const InvoicePrintData& m_invoice;
};

} // namespace invoicing
