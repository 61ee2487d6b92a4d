#include "deposits/core/depositslip.h"

#include "common/core/printsurface.h"
#include "common/core/regional.h"

#include <algorithm>
#include <cmath>

#include <QCoreApplication>

namespace deposits {

namespace {

using pellar::PrintSurface;
using pellar::SetPrintFont;
using pellar::SetPrintPosition;

// What a printer can reliably reach: half an inch in from every edge of the paper.
constexpr double kPrintableMargin = 0.5 * pellar::kTwipsPerInch;

double twips(double inches) {
    return pellar::twipsFromInches(inches);
}

QString money(pellar::Currency amount) {
    return pellar::formatCurrency(amount);
}

// A whole number as the old line printer wrote it: a blank for the sign and one after.
QString wholeNumber(qsizetype n) {
    return u' ' + QString::number(n) + u' ';
}

// Prints the text so that it ends at the given x in inches, on the current line.
void printEndingAt(PrintSurface& surface, const QString& text, double rightInches,
                   bool stayOnLine = false) {
    pellar::printRightAligned(surface, text, twips(rightInches), stayOnLine);
}

void printAt(PrintSurface& surface, const QString& text, double leftInches,
             bool stayOnLine = false) {
    surface.setCurrentX(twips(leftInches));
    surface.print(text, stayOnLine);
}

double printableBottom(const PrintSurface& surface) {
    return surface.pageHeight() - kPrintableMargin;
}

// ---- the ticket -----------------------------------------------------------------------

// Where the ticket's entries go, in inches from the printable area's corner.
constexpr double kDateLeft = 1.25, kDateTop = 1.5;
constexpr double kCurrencyTop = 0.15;
constexpr double kFirstColumnRight = 4.1, kFirstColumnTop = 0.45;
constexpr double kSecondColumnRight = 6.1, kSecondColumnTop = 0.15;
constexpr double kCheckPitch = 0.3;
constexpr int kChecksInFirstColumn = 6;
constexpr double kNoticeLeft = 4.0;
constexpr double kTotalsRight = 8.0, kGrossTop = 1.6, kAmountBackTop = 1.9;
constexpr double kCountLeft = 5.5, kCountTop = 2.6;
// The least room kept between a cut entry and the amount beside it.
constexpr double kClearance = 0.1;

struct TicketPlace {
    double right;
    double top;
};

// Check i (from 1) on the ticket: the first column below the currency line, then the
// second column from the top, ending above the check count's line.
TicketPlace ticketPlace(qsizetype i) {
    if (i <= kChecksInFirstColumn)
        return {kFirstColumnRight, kFirstColumnTop + double(i - 1) * kCheckPitch};
    return {kSecondColumnRight,
            kSecondColumnTop + double(i - kChecksInFirstColumn - 1) * kCheckPitch};
}

void printTicket(PrintSurface& surface, const DepositSlip& slip) {
    const QString date = pellar::formatShortDate(slip.date);
    SetPrintFont(surface, 10, false, false);
    SetPrintPosition(surface, float(kDateLeft), float(kDateTop));
    surface.print(date);

    SetPrintPosition(surface, 0, float(kCurrencyTop));
    printEndingAt(surface, money(slip.currency), kFirstColumnRight);

    const qsizetype count = slip.checks.size();
    if (count <= kChecksOnTicket) {
        for (qsizetype i = 1; i <= count; ++i) {
            const TicketPlace place = ticketPlace(i);
            surface.setCurrentY(twips(place.top));
            printEndingAt(surface, money(slip.checks[i - 1].amount), place.right);
        }
    } else {
        // Ends above the gross amount's line, so a wide gross never runs into it.
        SetPrintFont(surface, 14, true, false);
        const QString notice =
            QCoreApplication::translate("DepositSlip", "Checks Listed on Back of Slip");
        surface.setCurrentX(twips(kNoticeLeft));
        surface.setCurrentY(
            std::min(twips(kDateTop), twips(kGrossTop) - surface.textHeight(notice)));
        surface.print(notice);
        SetPrintFont(surface, 10, false, false);
    }

    SetPrintPosition(surface, 0, float(kGrossTop));
    printEndingAt(surface, money(slip.gross), kTotalsRight);
    SetPrintPosition(surface, 0, float(kAmountBackTop));
    printEndingAt(surface, slip.amountBackText(), kTotalsRight);
    const QString countText = wholeNumber(count);
    surface.setCurrentX(twips(kCountLeft));
    surface.setCurrentY(twips(kCountTop));
    surface.print(countText, true);
    printEndingAt(surface, money(slip.net), kTotalsRight);
}

// ---- the summary ----------------------------------------------------------------------

// Before a line of the summary: a line that would run below the printable page goes to the
// top of a new page instead. True when a page was started.
bool roomForLine(PrintSurface& surface) {
    if (surface.currentY() + surface.textHeight() <= printableBottom(surface))
        return false;
    surface.newPage();
    surface.setCurrentY(kPrintableMargin);
    return true;
}

void printCheckTableHeadings(PrintSurface& surface) {
    surface.print(QString());
    SetPrintFont(surface, 10, true, false);
    printAt(surface, QCoreApplication::translate("DepositSlip", "Check No"), 2.0, true);
    printAt(surface, QCoreApplication::translate("DepositSlip", "From"), 3.0, true);
    printEndingAt(surface, QCoreApplication::translate("DepositSlip", "Amount"), 6.5);
    surface.print(QString());
    SetPrintFont(surface, 10, false, false);
}

void printCheckTable(PrintSurface& surface, const DepositSlip& slip) {
    printAt(surface, QCoreApplication::translate("DepositSlip", "Check Count"), 2.0, true);
    printAt(surface, wholeNumber(slip.checks.size()), 6.2);
    printAt(surface, QCoreApplication::translate("DepositSlip", "Check Total"), 2.0, true);
    printEndingAt(surface, money(slip.checksTotal), 6.5);

    surface.setCurrentY(surface.currentY() + 144);
    surface.line(twips(2.0), surface.currentY(), twips(6.5), surface.currentY());
    surface.setCurrentY(surface.currentY() + 144);

    printAt(surface, QCoreApplication::translate("DepositSlip", "Deposit"), 2.0, true);
    printEndingAt(surface, money(slip.net), 6.5);
    printCheckTableHeadings(surface);

    // The number and the payer are cut to their columns, which end a little short of the
    // next column and of the widest amount, so no text runs into another.
    double widestAmount = surface.textWidth(QCoreApplication::translate("DepositSlip", "Amount"));
    for (const DepositCheck& check : slip.checks)
        widestAmount = std::max(widestAmount, surface.textWidth(money(check.amount)));
    const double numberWidth = twips(3.0 - 2.0 - kClearance);
    const double payerWidth = twips(6.5 - 3.0 - kClearance) - widestAmount;
    for (const DepositCheck& check : slip.checks) {
        // A continued table carries its headings, so the page reads on its own.
        if (roomForLine(surface))
            printCheckTableHeadings(surface);
        printAt(surface, pellar::fittedToWidth(surface, check.number, numberWidth), 2.0, true);
        printAt(surface, pellar::fittedToWidth(surface, check.payer, payerWidth), 3.0, true);
        printEndingAt(surface, money(check.amount), 6.5);
    }
}

void printSummary(PrintSurface& surface, const DepositSlip& slip) {
    const QString date = pellar::formatShortDate(slip.date);
    SetPrintPosition(surface, 0, 4.0f);
    SetPrintFont(surface, 12, false, true);
    const QString heading = QCoreApplication::translate("DepositSlip", "Deposit Summary");
    surface.setCurrentX(std::round((surface.pageWidth() - surface.textWidth(heading)) / 2));
    surface.print(heading);
    SetPrintFont(surface, 12, false, false);

    printAt(surface, date, 6.0);
    surface.print(QString());
    SetPrintFont(surface, 10, false, false);

    printAt(surface, QCoreApplication::translate("DepositSlip", "Cash"), 2.0, true);
    printEndingAt(surface, money(slip.currency), 6.5);

    if (!slip.checks.isEmpty())
        printCheckTable(surface, slip);

    roomForLine(surface);
    surface.print(QString());
    if (slip.amountBack) {
        roomForLine(surface);
        printAt(surface, QCoreApplication::translate("DepositSlip", "Cash Retained"), 2.0, true);
        printEndingAt(surface, money(*slip.amountBack), 6.5);
    }
}

// ---- the back -------------------------------------------------------------------------

// Where the amounts go on the back: three columns an inch apart (checks 1 to 14, 15 to 29,
// then 30 on), each further column an inch to the right of the last once a column is full.
class BackColumns {
public:
    BackColumns(double lineHeight, double pageWidth, double pageHeight)
        : m_lineHeight(lineHeight)
        , m_pageWidth(pageWidth)
        , m_bottom(pageHeight - kPrintableMargin) {}

    // Moves on to check i (from 1). False when check i needs a further page; the next call
    // then places it at the top of that page.
    bool place(int i) {
        if (m_started) {
            if (m_page == 1 && (i == 15 || i == 30)) {
                nextColumn();
            } else {
                m_y += m_lineHeight;
                if (m_y + m_lineHeight > m_bottom)
                    nextColumn();
            }
        }
        m_started = true;
        if (columnLeft() + kColumnPitch <= m_pageWidth - kPrintableMargin &&
            m_y + m_lineHeight <= m_bottom)
            return true;
        // The columns have run out: a further page.
        ++m_page;
        m_column = 0;
        m_y = kTop;
        m_started = false;
        return false;
    }

    double x() const { return columnLeft(); }
    double y() const { return m_y; }

private:
    static constexpr double kTop = 0.5 * pellar::kTwipsPerInch;
    static constexpr double kColumnPitch = 1.0 * pellar::kTwipsPerInch;

    void nextColumn() {
        ++m_column;
        m_y = kTop;
    }
    double columnLeft() const { return kTop + m_column * kColumnPitch; }

    double m_lineHeight;
    double m_pageWidth;
    double m_bottom;
    int m_page = 1;
    int m_column = 0;
    double m_y = kTop;
    bool m_started = false;
};

void printBackHeading(PrintSurface& surface) {
    surface.setCurrentX(0);
    surface.setCurrentY(0);
    surface.print(QCoreApplication::translate("DepositSlip", "CHECKS WITH THIS DEPOSIT"));
}

} // namespace

QString DepositSlip::amountBackText() const {
    return amountBack ? money(*amountBack) : QStringLiteral("0");
}

int checksTheBackHolds() {
    // An 8-point line as most printers set it: 1.2 em.
    constexpr double nominalLine = 8 * 24;
    BackColumns columns(nominalLine, 8.5 * pellar::kTwipsPerInch, 11 * pellar::kTwipsPerInch);
    int held = 0;
    while (columns.place(held + 1))
        ++held;
    return held;
}

void PrintDepositSlip(PrintSurface& surface, const DepositSlip& slip) {
    printTicket(surface, slip);
    printSummary(surface, slip);
}

void PrintCheckListOnBack(PrintSurface& surface, const DepositSlip& slip) {
    SetPrintFont(surface, 8, false, false);
    printBackHeading(surface);
    BackColumns columns(surface.textHeight(), surface.pageWidth(), surface.pageHeight());
    for (qsizetype i = 1; i <= slip.checks.size(); ++i) {
        if (!columns.place(int(i))) {
            surface.newPage();
            printBackHeading(surface);
            // Not even one line fits on an empty page: print where it lands rather than
            // lose the amount.
            columns.place(int(i));
        }
        surface.setCurrentX(columns.x());
        surface.setCurrentY(columns.y());
        surface.print(money(slip.checks[i - 1].amount));
    }
}

pellar::PrintedDocumentKind depositSlipFront(QDate date) {
    return {pellar::PrintedDocument::DepositSlipFront, pellar::PageOrigin::PrintableArea,
            QCoreApplication::translate("DepositSlip", "Deposit Slip"),
            QStringLiteral("Deposit %1.pdf").arg(date.toString(QStringLiteral("yyyy-MM-dd")))};
}

pellar::PrintedDocumentKind depositSlipBack(QDate date) {
    return {pellar::PrintedDocument::DepositSlipBack, pellar::PageOrigin::PrintableArea,
            QCoreApplication::translate("DepositSlip", "Deposit Slip - Checks"),
            QStringLiteral("Deposit %1-back.pdf").arg(date.toString(QStringLiteral("yyyy-MM-dd")))};
}

void outlineFrontFields(PrintSurface& surface) {
    // An amount box is wide enough for $999,999.99 at 10 points; a line is 0.2 in high.
    constexpr double amountWidth = 1.0, line = 0.2;
    using pellar::printFieldOutline;
    printFieldOutline(surface, QCoreApplication::translate("DepositSlip", "Date"), kDateLeft,
                      kDateTop, 1.0, line);
    printFieldOutline(surface, QCoreApplication::translate("DepositSlip", "Currency"),
                      kFirstColumnRight - amountWidth, kCurrencyTop, amountWidth, line);
    printFieldOutline(surface, QCoreApplication::translate("DepositSlip", "Checks 1-6"),
                      kFirstColumnRight - amountWidth, kFirstColumnTop, amountWidth,
                      kChecksInFirstColumn * kCheckPitch);
    printFieldOutline(surface, QCoreApplication::translate("DepositSlip", "Checks 7-14"),
                      kSecondColumnRight - amountWidth, kSecondColumnTop, amountWidth,
                      (kChecksOnTicket - kChecksInFirstColumn) * kCheckPitch);
    printFieldOutline(surface, QCoreApplication::translate("DepositSlip", "Gross"),
                      kTotalsRight - amountWidth, kGrossTop, amountWidth, line);
    printFieldOutline(surface, QCoreApplication::translate("DepositSlip", "Cash back"),
                      kTotalsRight - amountWidth, kAmountBackTop, amountWidth, line);
    printFieldOutline(surface, QCoreApplication::translate("DepositSlip", "Count"), kCountLeft,
                      kCountTop, 0.45, line);
    printFieldOutline(surface, QCoreApplication::translate("DepositSlip", "Net"),
                      kTotalsRight - amountWidth, kCountTop, amountWidth, line);
    printFieldOutline(surface, QCoreApplication::translate("DepositSlip", "Deposit Summary"), 2.0,
                      4.0, 4.5, 2.0);
}

void outlineBackFields(PrintSurface& surface) {
    using pellar::printFieldOutline;
    printFieldOutline(surface,
                      QCoreApplication::translate("DepositSlip", "CHECKS WITH THIS DEPOSIT"), 0, 0,
                      2.0, 0.15);
    const QStringList columns{QCoreApplication::translate("DepositSlip", "Checks 1-14"),
                              QCoreApplication::translate("DepositSlip", "Checks 15-29"),
                              QCoreApplication::translate("DepositSlip", "Checks 30 on")};
    for (qsizetype i = 0; i < columns.size(); ++i)
        printFieldOutline(surface, columns[i], 0.5 + double(i), 0.5, 0.9, 2.0);
}

} // namespace deposits
