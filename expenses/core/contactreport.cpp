#include "expenses/core/contactreport.h"

#include "common/core/printalignment.h"
#include "common/core/printerchoice.h"
#include "common/core/printsurface.h"

#include <algorithm>

#include <QCoreApplication>

namespace expenses {

namespace {

constexpr int kColumns = 3;
// Between the end of one block's longest line and the next block.
constexpr double kColumnGap = 216;
constexpr int kLinesPerRow = 5; // four lines of the block and one blank

double columnWidth(const pellar::PrintSurface& surface) {
    return (surface.pageWidth() - 2 * kReportMargin) / kColumns;
}

// The text as it fits the width: cut, with an ellipsis to show the cut. The cut keeps the
// longest start of the text that fits with the ellipsis, blanks it ends in dropped after.
QString fitted(const pellar::PrintSurface& surface, const QString& text, double width) {
    const double whole = surface.textWidth(text);
    if (whole <= width)
        return text;
    const QString ellipsis(QChar(0x2026));
    const auto fits = [&](qsizetype length) {
        return surface.textWidth(text.first(length) + ellipsis) <= width;
    };
    // Every measurement shapes the whole start again, so the search begins at the length
    // the text's average character gives, and steps from there: the width grows with every
    // character, and the estimate is seldom more than a character or two off.
    const double room = width - surface.textWidth(ellipsis);
    qsizetype length =
        whole > 0 && room > 0 ? std::min(qsizetype(room / whole * text.size()), text.size()) : 0;
    if (fits(length)) {
        while (length < text.size() && fits(length + 1))
            ++length;
    } else {
        while (length > 0 && !fits(length))
            --length;
    }
    return trimBlanks(text.first(length)) + ellipsis;
}

double rowStep(const pellar::PrintSurface& surface) {
    return kLinesPerRow * surface.textHeight(QStringLiteral("ABC"));
}

} // namespace

void PrintReportHeader(pellar::PrintSurface& surface, const QString& date) {
    pellar::SetPrintPosition(surface, 0, 0.5f);
    pellar::SetPrintFont(surface, 14, true, true);
    const QString title = QCoreApplication::translate("ContactReport", "Account Information");
    surface.setCurrentX((surface.pageWidth() - surface.textWidth(title)) / 2);
    surface.print(title);

    pellar::SetPrintFont(surface, 10, false, false);
    pellar::SetPrintPosition(surface, 0, 0.5f);
    pellar::printRightAligned(surface, date, surface.pageWidth() - kReportMargin);
    // A report of many pages dropped or shuffled is put back in order by these.
    pellar::SetPrintPosition(surface, 0, 0.5f);
    surface.setCurrentX(kReportMargin);
    surface.print(QCoreApplication::translate("ContactReport", "Page ") +
                  QString::number(surface.page()));

    pellar::SetPrintPosition(surface, 2.25f, kReportFirstRowInches);
}

double contactColumnLeft(const pellar::PrintSurface& surface, int column) {
    return kReportMargin + (column - 1) * columnWidth(surface);
}

void PrintContactBlock(pellar::PrintSurface& surface, const Contact& c, int column, double rowTop) {
    const double left = contactColumnLeft(surface, column);
    const double width = columnWidth(surface) - kColumnGap;
    const QString lines[] = {
        trimBlanks(c.name),
        trimBlanks(c.address1),
        trimBlanks(c.city) + QStringLiteral(", ") + trimBlanks(c.state) + u' ' +
            trimBlanks(c.postal),
        trimBlanks(c.telephone),
    };
    surface.setCurrentY(rowTop);
    for (const QString& line : lines) {
        surface.setCurrentX(left);
        surface.print(fitted(surface, line, width));
    }
}

void PrintAllContacts(pellar::PrintSurface& surface, const QList<Contact>& contacts,
                      const QString& date) {
    int column = 1;
    double rowTop = surface.currentY();
    for (qsizetype i = 0; i < contacts.size(); ++i) {
        PrintContactBlock(surface, contacts[i], column, rowTop);
        ++column;
        if (column <= kColumns)
            continue;
        if (i + 1 == contacts.size())
            break;
        column = 1;
        rowTop += rowStep(surface);
        // The next row must end, blank line included, above the bottom margin.
        if (surface.pageHeight() - kReportMargin < rowTop + rowStep(surface)) {
            surface.newPage();
            PrintReportHeader(surface, date);
            rowTop = surface.currentY();
        }
    }
}

void PrintContactReport(pellar::PrintSurface& surface, const QList<Contact>& contacts,
                        const QString& date) {
    expenseTextDefaults(surface);
    PrintReportHeader(surface, date);
    PrintAllContacts(surface, contacts, date);
}

pellar::PrintedDocumentKind contactReportKind() {
    return {pellar::PrintedDocument::ContactReport, pellar::PageOrigin::PaperEdge,
            QCoreApplication::translate("ContactReport", "Contact Report"),
            QStringLiteral("Contacts.pdf")};
}

pellar::PrintJobSetup contactReportJob(const pellar::DataFolder& folder,
                                       const pellar::PrinterChoice& printer) {
    const pellar::PrintedDocumentKind kind = contactReportKind();
    pellar::PrintJobSetup setup =
        expensePageSetup(QStringLiteral("Portrait"), printer, kind.jobName);
    const pellar::PrintJobSetup placed = pellar::documentJob(folder, kind, printer);
    setup.origin = placed.origin;
    setup.offsetX = placed.offsetX;
    setup.offsetY = placed.offsetY;
    return setup;
}

void PrintContactReportOutlines(pellar::PrintSurface& surface) {
    // Measured in the report's own font, so each outline is the room the report gives.
    pellar::SetPrintFont(surface, 10, false, false);
    const double line = surface.textHeight(QStringLiteral("ABC"));
    const double dateWidth = surface.textWidth(QStringLiteral("12/31/2026"));
    const double blockWidth = columnWidth(surface) - kColumnGap;
    const auto inches = [](double twips) {
        return twips / pellar::kTwipsPerInch;
    };
    // Small names, clear of the crosshair's label at one inch.
    pellar::SetPrintFont(surface, 8, false, false);
    pellar::printFieldOutline(surface, QCoreApplication::translate("ContactReport", "Date"),
                              inches(surface.pageWidth() - kReportMargin - dateWidth), 0.5,
                              inches(dateWidth), inches(line));
    const double firstRow = kReportFirstRowInches * pellar::kTwipsPerInch;
    for (int row = 0; row < 2; ++row) {
        for (int column = 1; column <= kColumns; ++column) {
            pellar::printFieldOutline(surface,
                                      QCoreApplication::translate("ContactReport", "Contact %1")
                                          .arg(row * kColumns + column),
                                      inches(contactColumnLeft(surface, column)),
                                      inches(firstRow + row * rowStep(surface)), inches(blockWidth),
                                      inches(4 * line));
        }
    }
}

pellar::PrintJobSetup expensePageSetup(const QString& orientation,
                                       const pellar::PrinterChoice& printer,
                                       const QString& documentName) {
    pellar::PrintJobSetup setup;
    setup.printer = printer;
    setup.documentName = documentName;
    setup.color = true;
    setup.orientation = orientation == u"Portrait" ? QPageLayout::Portrait : QPageLayout::Landscape;
    return setup;
}

void expenseTextDefaults(pellar::PrintSurface& surface) {
    surface.setColorMode(pellar::ColorMode::Color);
    surface.setTextColor(Qt::black);
    surface.setBold(false);
    surface.setUnderline(false);
}

} // namespace expenses
