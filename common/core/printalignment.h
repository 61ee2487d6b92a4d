#pragma once
// The person's alignment offsets for each printed document: how far, in hundredths of an
// inch, everything moves right and down so it lands on a pre-printed form on this printer.
// Kept in "\PrintAlignment.txt", one quoted-field record per document:
//   "Deposit Slip Front",12,-5<CR><LF>

#include "common/core/datafiles.h"
#include "common/core/desk.h"
#include "common/core/fileresult.h"

#include <QByteArray>
#include <QMap>
#include <QString>

namespace pellar {

inline constexpr const char16_t* kPrintAlignmentFile = u"\\PrintAlignment.txt";
// Offsets are kept within an inch either way.
inline constexpr int kLargestOffset = 100;

enum class PrintedDocument { Invoice, DepositSlipFront, DepositSlipBack, ContactReport };

struct AlignmentOffsets {
    int right = 0; // hundredths of an inch; negative moves left
    int down = 0;  // hundredths of an inch; negative moves up
    bool operator==(const AlignmentOffsets&) const = default;
};

class PrintAlignment {
public:
    AlignmentOffsets offsets(PrintedDocument document) const { return m_offsets.value(document); }
    // False, with nothing changed, for an offset beyond kLargestOffset either way.
    bool setOffsets(PrintedDocument document, AlignmentOffsets offsets);
    // The job moved by the document's offsets (in twips).
    void apply(PrintedDocument document, PrintJobSetup& setup) const;
    // Equal when every document has the same offsets (a document never set has none).
    bool operator==(const PrintAlignment& other) const;

private:
    QMap<PrintedDocument, AlignmentOffsets> m_offsets;
};

// The name each document has in the file.
QString documentName(PrintedDocument document);

QByteArray encodePrintAlignment(const PrintAlignment& alignment);

class PrintSurface;
// The frame of an alignment test page, drawn from the page's origin: a ruler in inches
// along the top and the left edge (a tick each quarter inch, a number each inch) and
// crosshairs at 1 in, 1 in and at 7 in, 10 in, so the sheet can be laid on a real form and
// measured. The document's own field outlines go on top.
void printAlignmentGuides(PrintSurface& surface, const QString& title);
// One field of a form outlined where it will print, with its name inside.
void printFieldOutline(PrintSurface& surface, const QString& name, double leftInches,
                       double topInches, double widthInches, double heightInches);

struct PrintAlignmentRead {
    PrintAlignment alignment;
    bool found = false;
    QString problem; // plain words when the file is damaged; every offset is then zero
};
PrintAlignmentRead decodePrintAlignment(const QByteArray& bytes);
// Missing: zero offsets, no problem. Damaged: zero offsets and the problem; the file is left
// as it is until the person saves new offsets.
PrintAlignmentRead readPrintAlignment(const DataFolder& folder);
FileResult savePrintAlignment(const DataFolder& folder, const PrintAlignment& alignment);

} // namespace pellar
