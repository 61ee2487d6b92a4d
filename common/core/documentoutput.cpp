#include "common/core/documentoutput.h"

#include "common/core/datafiles.h"
#include "common/core/printerchoice.h"
#include "common/core/programcontext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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
        QCoreApplication::translate("DocumentOutput", "Save as PDF"), kind.pdfFileName,
        QCoreApplication::translate("DocumentOutput", "PDF files (*.pdf)"));
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

QString fileNamePart(const QString& text, int maxLength) {
    static const QString reserved = QStringLiteral("/\\:*?\"<>|");
    QString part;
    part.reserve(text.size());
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format
            || c.isSurrogate() || reserved.contains(c))
            part += QLatin1Char(c.isSpace() ? ' ' : '_');
        else
            part += c.isSpace() ? QChar(u' ') : c;
    }
    part = part.simplified();
    while (part.startsWith(u'.') || part.startsWith(u' '))
        part.remove(0, 1);
    if (part.size() > maxLength)
        part.truncate(maxLength);
    // A name ending in a dot or a blank is awkward on every system that shares the folder.
    while (part.endsWith(u'.') || part.endsWith(u' '))
        part.chop(1);
    return part.isEmpty() ? QStringLiteral("_") : part;
}

DocumentCopy keepDocumentCopy(Desk& desk, const DataFolder& folder, const PrintedDocumentKind& kind,
                              const QString& subFolder, const QString& baseName,
                              const PageLayout& layout) {
    DocumentCopy copy;
    const QString relativeFolder = QDir::cleanPath(subFolder);
    const QDir dir(QDir(folder.path()).filePath(relativeFolder));
    if (!QDir().mkpath(dir.path())) {
        copy.written.error =
            QCoreApplication::translate("DocumentOutput", "The folder \"%1\" could not be created.")
                .arg(QDir::toNativeSeparators(dir.path()));
        return copy;
    }
    const QString base = fileNamePart(baseName, 120);
    const QString partial = dir.filePath(QStringLiteral(".") + base + QStringLiteral(".pdf.part"));
    QFile::remove(partial);
    PrinterChoice toFile;
    toFile.outputFile = partial;
    copy.written = runPrintJob(desk, documentJob(folder, kind, toFile), layout);
    if (!copy.written) {
        QFile::remove(partial);
        return copy;
    }
    // A rename never replaces a file that is there, so a name taken since is passed over.
    for (int n = 1; n < 1000; ++n) {
        const QString name = n == 1 ? base + QStringLiteral(".pdf")
                                    : QStringLiteral("%1 (%2).pdf").arg(base).arg(n);
        if (QFileInfo::exists(dir.filePath(name)))
            continue;
        if (QFile::rename(partial, dir.filePath(name))) {
            copy.filePath = dir.filePath(name);
            copy.relativePath = relativeFolder + u'/' + name;
            return copy;
        }
        if (!QFileInfo::exists(dir.filePath(name)))
            break;
    }
    QFile::remove(partial);
    copy.written.printed = false;
    copy.written.error =
        QCoreApplication::translate("DocumentOutput", "The copy could not be saved in \"%1\".")
            .arg(QDir::toNativeSeparators(dir.path()));
    return copy;
}

PrintOutcome printAlignmentTestPage(Desk& desk, const PrintedDocumentKind& kind,
                                    AlignmentOffsets offsets, const PrinterChoice& printer,
                                    const PageLayout& fields) {
    PrintAlignment trying;
    trying.setOffsets(kind.document, offsets);
    PrintJobSetup setup;
    setup.printer = printer;
    setup.documentName = QCoreApplication::translate("DocumentOutput", "Alignment Test Page");
    setup.origin = kind.origin;
    trying.apply(kind.document, setup);
    return runPrintJob(desk, setup, [&kind, &fields](PrintSurface& surface) {
        printAlignmentGuides(
            surface, QCoreApplication::translate("DocumentOutput", "Alignment test page: ") +
                         documentName(kind.document));
        fields(surface);
    });
}

bool offerPdfWithoutPrinter(Desk& desk, const QString& title, const QString& what) {
    return desk.message(
               title,
               {QCoreApplication::translate("DocumentOutput",
                                            "No printer is set up on this computer."),
                QCoreApplication::translate("DocumentOutput", "Save the %1 as a PDF file instead?")
                    .arg(what)},
               MessageButtons::YesNo, MessageIcon::Question) == MessageAnswer::Yes;
}

} // namespace pellar

namespace pellar {

std::optional<PrinterChoice> chooseTestPageOutput(ProgramContext& context, const QString& title) {
    Desk& desk = context.desk;
    if (desk.printerAvailable())
        return ChoosePrinter(context);
    if (!offerPdfWithoutPrinter(
            desk, title, QCoreApplication::translate("DocumentOutput", "alignment test page")))
        return std::nullopt;
    const std::optional<QString> file =
        desk.chooseSaveFile(QCoreApplication::translate("DocumentOutput", "Save as PDF"),
                            QStringLiteral("Alignment Test Page.pdf"),
                            QCoreApplication::translate("DocumentOutput", "PDF files (*.pdf)"));
    if (!file || file->trimmed().isEmpty())
        return std::nullopt;
    return PrinterChoice{QString(), 1, *file};
}

} // namespace pellar
