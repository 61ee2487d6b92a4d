#include "invoicing/core/salestaxpage.h"

#include "common/core/regional.h"

namespace invoicing {

namespace {
constexpr double kLeft = 1440;
constexpr double kAmountRight = 8640;
constexpr double kRow = 360;
} // namespace

void printSalesTaxReport(pellar::PrintSurface& surface, const pellar::BusinessProfile& business,
                         const SalesTaxFigures& f) {
    surface.setFontName(QStringLiteral("Arial"));
    surface.setCurrentY(1440);
    surface.setCurrentX(kLeft);
    surface.setFontSize(16);
    surface.setBold(true);
    surface.print(QStringLiteral("Sales Tax Report"));
    surface.setFontSize(11);
    surface.setBold(false);
    surface.setCurrentX(kLeft);
    surface.print(business.name);
    surface.setCurrentX(kLeft);
    surface.print(
        QStringLiteral("%1 to %2")
            .arg(pellar::formatShortDate(f.period.from), pellar::formatShortDate(f.period.to)));
    surface.setCurrentY(surface.currentY() + kRow);
    surface.line(kLeft, surface.currentY(), kAmountRight, surface.currentY());
    surface.setCurrentY(surface.currentY() + kRow / 2);

    const auto row = [&](const QString& caption, const QString& value, bool bold) {
        const double y = surface.currentY();
        surface.setBold(bold);
        surface.setCurrentX(kLeft);
        surface.print(caption);
        surface.setCurrentY(y);
        surface.setCurrentX(kAmountRight - surface.textWidth(value));
        surface.print(value);
        surface.setCurrentY(y + kRow);
    };
    row(QStringLiteral("Taxable sales"), pellar::formatCurrency(f.taxable), false);
    row(QStringLiteral("Non-taxable sales"), pellar::formatCurrency(f.nonTaxable), false);
    row(QStringLiteral("Total sales before tax"),
        pellar::formatCurrency((f.taxable + f.nonTaxable).value_or(pellar::Currency())), false);
    row(QStringLiteral("Sales tax collected"), pellar::formatCurrency(f.tax), true);
    row(QStringLiteral("Invoice totals"), pellar::formatCurrency(f.total), false);
    row(QStringLiteral("Invoices issued"), QString::number(f.invoices), false);
    surface.setBold(false);
}

pellar::PrintedDocumentKind salesTaxDocument(const Period& period) {
    pellar::PrintedDocumentKind kind;
    kind.document = pellar::PrintedDocument::ContactReport; // plain paper, like every report
    kind.origin = pellar::PageOrigin::PaperEdge;
    kind.jobName = QStringLiteral("Sales Tax Report");
    kind.pdfFileName = QStringLiteral("Sales Tax %1 to %2.pdf")
                           .arg(period.from.toString(QStringLiteral("yyyy-MM-dd")),
                                period.to.toString(QStringLiteral("yyyy-MM-dd")));
    return kind;
}

} // namespace invoicing
