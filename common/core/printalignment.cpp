#include "common/core/printalignment.h"

#include "common/core/backup.h"
#include "common/core/printsurface.h"
#include "common/core/records.h"

#include <cstdlib>
#include <utility>

#include <QCoreApplication>

namespace pellar {

namespace {

constexpr PrintedDocument kDocuments[] = {
    PrintedDocument::Invoice, PrintedDocument::DepositSlipFront, PrintedDocument::DepositSlipBack,
    PrintedDocument::ContactReport};

bool withinReach(int offset) {
    return std::abs(offset) <= kLargestOffset;
}

PrintAlignmentRead damaged(const QString& why) {
    PrintAlignmentRead read;
    read.found = true;
    read.problem = QCoreApplication::translate(
                       "PrintAlignment",
                       "The alignment file PrintAlignment.txt is damaged (%1); every document "
                       "prints without its offsets until new ones are saved.")
                       .arg(why);
    return read;
}

} // namespace

QString documentName(PrintedDocument document) {
    switch (document) {
    case PrintedDocument::Invoice:
        return QStringLiteral("Invoice");
    case PrintedDocument::DepositSlipFront:
        return QStringLiteral("Deposit Slip Front");
    case PrintedDocument::DepositSlipBack:
        return QStringLiteral("Deposit Slip Back");
    case PrintedDocument::ContactReport:
        return QStringLiteral("Contact Report");
    }
    return {};
}

bool PrintAlignment::setOffsets(PrintedDocument document, AlignmentOffsets offsets) {
    if (!withinReach(offsets.right) || !withinReach(offsets.down))
        return false;
    m_offsets.insert(document, offsets);
    return true;
}

bool PrintAlignment::operator==(const PrintAlignment& other) const {
    for (const PrintedDocument document : kDocuments) {
        if (offsets(document) != other.offsets(document))
            return false;
    }
    return true;
}

void PrintAlignment::apply(PrintedDocument document, PrintJobSetup& setup) const {
    const AlignmentOffsets o = offsets(document);
    setup.offsetX = o.right * kTwipsPerInch / 100;
    setup.offsetY = o.down * kTwipsPerInch / 100;
}

QByteArray encodePrintAlignment(const PrintAlignment& alignment) {
    QByteArray bytes;
    for (const PrintedDocument document : kDocuments) {
        const AlignmentOffsets o = alignment.offsets(document);
        RecordWriter writer;
        writer.text(documentName(document)).number(o.right).number(o.down);
        bytes += writer.line();
    }
    return bytes;
}

PrintAlignmentRead decodePrintAlignment(const QByteArray& bytes) {
    PrintAlignmentRead read;
    read.found = true;
    FreeFormatReader reader(bytes);
    while (!reader.atEnd()) {
        const QString name = reader.readText();
        const int right = reader.readInt32();
        const int down = reader.readInt32();
        if (!reader.ok())
            return damaged(reader.problem());
        bool known = false;
        for (const PrintedDocument document : kDocuments) {
            if (documentName(document) != name)
                continue;
            known = true;
            if (!read.alignment.setOffsets(document, {right, down}))
                return damaged(
                    QCoreApplication::translate("PrintAlignment", "an offset of %1 beyond an inch")
                        .arg(name));
        }
        if (!known)
            return damaged(
                QCoreApplication::translate("PrintAlignment", "no document is called \"%1\"")
                    .arg(name));
    }
    return read;
}

PrintAlignmentRead readPrintAlignment(const DataFolder& folder) {
    if (!DataFileExists(folder, kPrintAlignmentFile))
        return {};
    QString error;
    const std::optional<QByteArray> bytes = readDataFile(folder, kPrintAlignmentFile, &error);
    if (!bytes)
        return damaged(error);
    return decodePrintAlignment(*bytes);
}

FileResult savePrintAlignment(const DataFolder& folder, const PrintAlignment& alignment) {
    return writeDataFile(folder, kPrintAlignmentFile, encodePrintAlignment(alignment));
}

void printAlignmentGuides(PrintSurface& surface, const QString& title) {
    const double inch = kTwipsPerInch;
    const double width = surface.pageWidth();
    const double height = surface.pageHeight();
    surface.setDrawWidth(1);
    SetPrintFont(surface, 7, false, false);
    for (int quarter = 1; quarter * inch / 4 < width; ++quarter) {
        const double x = quarter * inch / 4;
        const bool whole = quarter % 4 == 0;
        surface.line(x, 0, x, whole ? 0.2 * inch : 0.1 * inch);
        if (whole) {
            surface.setCurrentX(x + 30);
            surface.setCurrentY(0.12 * inch);
            surface.print(QString::number(quarter / 4));
        }
    }
    for (int quarter = 1; quarter * inch / 4 < height; ++quarter) {
        const double y = quarter * inch / 4;
        const bool whole = quarter % 4 == 0;
        surface.line(0, y, whole ? 0.2 * inch : 0.1 * inch, y);
        if (whole) {
            surface.setCurrentX(0.22 * inch);
            surface.setCurrentY(y - 60);
            surface.print(QString::number(quarter / 4));
        }
    }
    for (const auto& [x, y] : {std::pair{1.0, 1.0}, std::pair{7.0, 10.0}}) {
        surface.line((x - 0.25) * inch, y * inch, (x + 0.25) * inch, y * inch);
        surface.line(x * inch, (y - 0.25) * inch, x * inch, (y + 0.25) * inch);
        // Below the right arm, clear of a field's name printed at its top-left corner.
        surface.setCurrentX((x + 0.05) * inch);
        surface.setCurrentY((y + 0.12) * inch);
        surface.print(QCoreApplication::translate("PrintAlignment", "%1 in, %2 in").arg(x).arg(y));
    }
    // The title goes where none of the documents has a field: below the deposit slip, the
    // invoice's customer block and the report's first rows, above the slip's summary and the
    // invoice's table.
    SetPrintFont(surface, 12, true, false);
    surface.setCurrentX(1.5 * inch);
    surface.setCurrentY(3.3 * inch);
    surface.print(title);
    SetPrintFont(surface, 8, false, false);
}

void printFieldOutline(PrintSurface& surface, const QString& name, double leftInches,
                       double topInches, double widthInches, double heightInches) {
    const double left = twipsFromInches(leftInches);
    const double top = twipsFromInches(topInches);
    surface.box(left, top, left + twipsFromInches(widthInches), top + twipsFromInches(heightInches),
                QColor(0x40, 0x70, 0xb0));
    surface.setCurrentX(left + 30);
    surface.setCurrentY(top + 15);
    surface.print(name);
}

} // namespace pellar
