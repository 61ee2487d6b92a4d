#pragma once
// The ways a printed document leaves the program besides the printer: a preview on the
// screen and a PDF file the person names. Each job carries the document's page origin and
// the person's alignment offsets for it, so all three ways put every field in one place.

#include "common/core/desk.h"
#include "common/core/printalignment.h"
#include "common/core/printjob.h"

#include <QString>
#include <functional>
#include <optional>

namespace pellar {

class DataFolder;
struct ProgramContext;
class PrintSurface;

struct PrintedDocumentKind {
    PrintedDocument document = PrintedDocument::Invoice;
    PageOrigin origin = PageOrigin::PaperEdge;
    QString jobName;     // the print job's name, and the preview window's title
    QString pdfFileName; // what the save dialog suggests: "Invoice 20260001.pdf"
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
};

using PageLayout = std::function<void(PrintSurface&)>;

// The job for this document on this printer: its origin and the offsets saved for it (none
// when the offsets file is missing or damaged; the setup page tells of a damaged one).
PrintJobSetup documentJob(const DataFolder& folder, const PrintedDocumentKind& kind,
                          const PrinterChoice& printer);

// The document on the screen, as it would print; nothing is printed and nothing is recorded.
void previewDocument(Desk& desk, const DataFolder& folder, const PrintedDocumentKind& kind,
                     const PrinterChoice& printer, const PageLayout& layout);

struct PdfOutcome {
    bool cancelled = false; // the person closed the save dialog
    PrintOutcome written;   // printed == the file is complete
    QString fileName;
};
// Asks for a file name (starting from the document's own), then writes the PDF there.
PdfOutcome saveDocumentAsPdf(Desk& desk, const DataFolder& folder, const PrintedDocumentKind& kind,
                             const PageLayout& layout);

// A copy the program keeps of a document it issued, under the data folder:
// <data folder>/<subFolder>/<baseName>.pdf, drawn by the same job as the paper copy (the same
// pages, the same positions). The PDF is written beside its place and renamed in when
// complete, so a copy is whole or absent; a name already taken gets " (2)", " (3)" and so on,
// never overwriting an earlier copy.
struct DocumentCopy {
    PrintOutcome written;
    QString filePath;     // the copy's full path, when written
    QString relativePath; // the same from the data folder, with '/' separators
};
DocumentCopy keepDocumentCopy(Desk& desk, const DataFolder& folder, const PrintedDocumentKind& kind,
                              const QString& subFolder, const QString& baseName,
                              const PageLayout& layout);

// A piece of a file name made from what a person typed: no folder separators, no control
// or reserved characters, no leading dots or blanks, at most maxLength characters; "_" when
// nothing is left.
QString fileNamePart(const QString& text, int maxLength = 80);

// The alignment test page of a document on plain paper: the rulers and crosshairs, then the
// fields the program outlines, moved by the offsets the person is trying (saved or not). It
// is a job of its own and never counts as a print of the document.
PrintOutcome printAlignmentTestPage(Desk& desk, const PrintedDocumentKind& kind,
                                    AlignmentOffsets offsets, const PrinterChoice& printer,
                                    const PageLayout& fields);

// The file name in the person's documents folder (their home folder when there is none):
// where every save dialog for a document or an export starts.
QString inDocumentsFolder(const QString& fileName);

// When no printer is set up: says so under the program's title and offers the PDF instead.
// True when the person chose the PDF.
bool offerPdfWithoutPrinter(Desk& desk, const QString& title, const QString& what);

// Where an alignment test page goes: the printer the person picks, or, with no printer set
// up, a PDF file they name after the offer above. Nothing when they cancel either.
std::optional<PrinterChoice> chooseTestPageOutput(ProgramContext& context, const QString& title);

} // namespace pellar
