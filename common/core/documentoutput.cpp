#include "common/core/documentoutput.h"

#include "common/core/datafiles.h"
#include "common/core/printerchoice.h"
#include "common/core/programcontext.h"

#include <QDir>
#include <QStandardPaths>

namespace pellar {

PrintJobSetup documentJob(const DataFolder& folder, const PrintedDocumentKind& kind,
                          const PrinterChoice& printer) {
    PrintJobSetup setup;
    setup.printer = printer;
    setup.documentName = kind.jobName;
    setup.origin = kind.origin;
    setup.orientation = kind.orientation;
    readPrintAlignment(folder).alignment.apply(kind.document, setup);
    return setup;
}

void previewDocument(Desk& desk, const DataFolder& folder, const PrintedDocumentKind& kind,
                     const PrinterChoice& printer, const PageLayout& layout) {
    desk.previewPrint(documentJob(folder, kind, printer), layout);
}

QString inDocumentsFolder(const QString& fileName) {
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty() || !QDir(documents).exists())
        documents = QDir::homePath();
    return QDir(documents).filePath(fileName);
}

PdfOutcome saveDocumentAsPdf(Desk& desk, const DataFolder& folder, const PrintedDocumentKind& kind,
                             const PageLayout& layout) {
    PdfOutcome outcome;
    const std::optional<QString> chosen = desk.chooseSaveFile(
        QStringLiteral("Save as PDF"), kind.pdfFileName, QStringLiteral("PDF files (*.pdf)"));
    if (!chosen || chosen->trimmed().isEmpty()) {
        outcome.cancelled = true;
        return outcome;
    }
    outcome.fileName = *chosen;
    if (!outcome.fileName.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        outcome.fileName += QStringLiteral(".pdf");
    PrinterChoice toFile;
    toFile.outputFile = outcome.fileName;
    outcome.written = runPrintJob(desk, documentJob(folder, kind, toFile), layout);
    return outcome;
}

PrintOutcome printAlignmentTestPage(Desk& desk, const PrintedDocumentKind& kind,
                                    AlignmentOffsets offsets, const PrinterChoice& printer,
                                    const PageLayout& fields) {
    PrintAlignment trying;
    trying.setOffsets(kind.document, offsets);
    PrintJobSetup setup;
    setup.printer = printer;
    setup.documentName = QStringLiteral("Alignment Test Page");
    setup.origin = kind.origin;
    trying.apply(kind.document, setup);
    return runPrintJob(desk, setup, [&kind, &fields](PrintSurface& surface) {
        printAlignmentGuides(surface,
                             QStringLiteral("Alignment test page: ") + documentName(kind.document));
        fields(surface);
    });
}

bool offerPdfWithoutPrinter(Desk& desk, const QString& title, const QString& what) {
    return desk.message(title,
                        {QStringLiteral("No printer is set up on this computer."),
                         QStringLiteral("Save the %1 as a PDF file instead?").arg(what)},
                        MessageButtons::YesNo, MessageIcon::Question) == MessageAnswer::Yes;
}

} // namespace pellar

namespace pellar {

std::optional<PrinterChoice> chooseTestPageOutput(ProgramContext& context, const QString& title) {
    Desk& desk = context.desk;
    if (desk.printerAvailable())
        return ChoosePrinter(context);
    if (!offerPdfWithoutPrinter(desk, title, QStringLiteral("alignment test page")))
        return std::nullopt;
    const std::optional<QString> file = desk.chooseSaveFile(
        QStringLiteral("Save as PDF"), QStringLiteral("Alignment Test Page.pdf"),
        QStringLiteral("PDF files (*.pdf)"));
    if (!file || file->trimmed().isEmpty())
        return std::nullopt;
    return PrinterChoice{QString(), 1, *file};
}

} // namespace pellar
