#include "invoicing/core/salestaxpage.h"

#include "common/core/regional.h"

#include <QCoreApplication>
#include <QStringList>

namespace invoicing {

namespace {
// One-inch margins; the amounts stand against the right one.
constexpr double kLeft = 1440;
constexpr double kRight = 12240 - 1440;
constexpr double kRow = 400;

} // namespace

void printSalesTaxReport(pellar::PrintSurface& surface, const pellar::BusinessProfile& business,
                         const SalesTaxFigures& f) {
    const auto line = [&](const QString& text, double size, bool bold, double after) {
        surface.setFontSize(size);
        surface.setBold(bold);
        surface.setCurrentX(kLeft);
        const double y = surface.currentY();
        surface.print(text);
        surface.setCurrentY(y + surface.textHeight() + after);
    };
    surface.setFontName(QStringLiteral("Arial"));
    surface.setCurrentY(1440);
    line(QCoreApplication::translate("SalesTaxPage", "Sales Tax Report"), 18, true, 120);
    line(business.name, 12, true, 40);
    QStringList address;
    for (const QString& part : {business.address, business.poBox, business.city})
        if (!part.trimmed().isEmpty())
            address << part.trimmed();
    const QString stateZip = (business.st.trimmed() + u' ' + business.zip.trimmed()).trimmed();
    if (!stateZip.isEmpty())
        address << stateZip;
    if (!address.isEmpty())
        line(address.join(QStringLiteral(", ")), 10, false, 40);
    if (!business.fein.trimmed().isEmpty())
        line(QCoreApplication::translate("SalesTaxPage", "FEIN / VAT number: %1")
                 .arg(business.fein.trimmed()),
             10, false, 40);
    surface.setCurrentY(surface.currentY() + 200);
    line(QCoreApplication::translate("SalesTaxPage", "Period: %1 to %2")
             .arg(pellar::formatShortDate(f.period.from), pellar::formatShortDate(f.period.to)),
         11, true, 160);
    surface.line(kLeft, surface.currentY(), kRight, surface.currentY());
    surface.setCurrentY(surface.currentY() + 200);

    surface.setFontSize(11);
    const auto row = [&](const QString& caption, const QString& value, bool bold) {
        const double y = surface.currentY();
        surface.setBold(bold);
        surface.setCurrentX(kLeft);
        surface.print(caption);
        surface.setCurrentY(y);
        surface.setCurrentX(kRight - surface.textWidth(value));
        surface.print(value);
        surface.setCurrentY(y + kRow);
    };
    // The amount column's own rule under the two parts, then their sum.
    const QString before =
        pellar::formatCurrency((f.taxable + f.nonTaxable).value_or(pellar::Currency()));
    row(QCoreApplication::translate("SalesTaxPage", "Taxable sales"),
        pellar::formatCurrency(f.taxable), false);
    row(QCoreApplication::translate("SalesTaxPage", "Non-taxable sales"),
        pellar::formatCurrency(f.nonTaxable), false);
    surface.setCurrentY(surface.currentY() - 40);
    const double ruleY = surface.currentY();
    surface.line(kRight - surface.textWidth(before) - 360, ruleY, kRight, ruleY);
    surface.setCurrentY(ruleY + 100); // a line leaves the current point at its end
    row(QCoreApplication::translate("SalesTaxPage", "Total sales before tax"), before, false);
    surface.setCurrentY(surface.currentY() + 200);
    row(QCoreApplication::translate("SalesTaxPage", "Sales tax collected"),
        pellar::formatCurrency(f.tax), true);
    surface.setCurrentY(surface.currentY() + 200);
    row(QCoreApplication::translate("SalesTaxPage", "Invoice totals, tax included"),
        pellar::formatCurrency(f.total), false);
    row(QCoreApplication::translate("SalesTaxPage", "Invoices issued in the period"),
        QString::number(f.invoices), false);
    surface.setCurrentY(surface.currentY() + 40);
    surface.line(kLeft, surface.currentY(), kRight, surface.currentY());
    surface.setBold(false);
}

pellar::PrintedDocumentKind salesTaxDocument(const Period& period) {
    pellar::PrintedDocumentKind kind;
    kind.document = pellar::PrintedDocument::ContactReport; // plain paper, like every report
    kind.origin = pellar::PageOrigin::PaperEdge;
    kind.jobName = QCoreApplication::translate("SalesTaxPage", "Sales Tax Report");
    // The file name is the same in every language (untranslated).
    kind.pdfFileName = QStringLiteral("Sales Tax %1 to %2.pdf")
                           .arg(period.from.toString(QStringLiteral("yyyy-MM-dd")),
                                period.to.toString(QStringLiteral("yyyy-MM-dd")));
    return kind;
}

} // namespace invoicing
