// The alignment offsets file, the offsets reaching a preview and a PDF, and the page that
// sets them.
#include "common/core/documentoutput.h"
#include "common/core/printalignment.h"
#include "common/core/printsurface.h"
#include "common/core/programcontext.h"
#include "common/ui/alignmentpage.h"
#include "tests/support/datafolder.h"
#include "tests/support/scripteddesk.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <gtest/gtest.h>

using namespace pellar;
using pellar::testing::ScratchDataFolder;

TEST(PrintAlignment, FileBytesAndWhatADamagedFileDoes) {
    ScratchDataFolder folder;
    // Missing: every offset zero, nothing written.
    PrintAlignmentRead read = readPrintAlignment(folder);
    EXPECT_FALSE(read.found);
    EXPECT_EQ(read.alignment, PrintAlignment());
    EXPECT_FALSE(folder.exists("PrintAlignment.txt"));

    PrintAlignment alignment;
    EXPECT_TRUE(alignment.setOffsets(PrintedDocument::DepositSlipFront, {12, -5}));
    EXPECT_FALSE(alignment.setOffsets(PrintedDocument::Invoice, {101, 0}));
    EXPECT_FALSE(alignment.setOffsets(PrintedDocument::Invoice, {0, -101}));
    EXPECT_TRUE(alignment.setOffsets(PrintedDocument::ContactReport, {-100, 100}));
    ASSERT_TRUE(savePrintAlignment(folder, alignment));
    EXPECT_EQ(folder.bytes("PrintAlignment.txt"), "\"Invoice\",0,0\r\n"
                                                  "\"Deposit Slip Front\",12,-5\r\n"
                                                  "\"Deposit Slip Back\",0,0\r\n"
                                                  "\"Contact Report\",-100,100\r\n");
    read = readPrintAlignment(folder);
    EXPECT_TRUE(read.found && read.problem.isEmpty());
    EXPECT_EQ(read.alignment, alignment);

    // Damaged: zero offsets and a plain message; the file itself stays as it is.
    for (const QByteArray& bytes :
         {QByteArray("\"Invoice\",twelve,0\r\n"), QByteArray("\"Invoice\",0,200\r\n"),
          QByteArray("\"Cheque\",1,1\r\n"), QByteArray("\"Invoice\",5\r\n")}) {
        folder.put("PrintAlignment.txt", bytes);
        read = readPrintAlignment(folder);
        EXPECT_EQ(read.alignment, PrintAlignment()) << bytes.constData();
        EXPECT_TRUE(read.problem.contains("PrintAlignment.txt")) << bytes.constData();
        EXPECT_EQ(folder.bytes("PrintAlignment.txt"), bytes);
    }
}

TEST(DocumentOutput, PreviewAndPdfCarryTheOriginAndOffsetsAndAPdfNeedsAName) {
    ScratchDataFolder folder;
    PrintAlignment alignment;
    alignment.setOffsets(PrintedDocument::DepositSlipFront, {10, 20});
    ASSERT_TRUE(savePrintAlignment(folder, alignment));
    const PrintedDocumentKind slip{PrintedDocument::DepositSlipFront, PageOrigin::PrintableArea,
                                   QStringLiteral("Deposit Slip"),
                                   QStringLiteral("Deposit 2026-12-06.pdf")};
    int drawn = 0;
    const PageLayout layout = [&drawn](PrintSurface& surface) {
        ++drawn;
        surface.print(QStringLiteral("x"));
    };

    pellar::testing::ScriptedDesk desk;
    previewDocument(desk, folder, slip, {}, layout);
    ASSERT_EQ(desk.previews().size(), 1);
    EXPECT_EQ(desk.previews()[0]->origin, PageOrigin::PrintableArea);
    EXPECT_TRUE(desk.jobs().isEmpty());

    // Cancelled: nothing written.
    desk.expectSaveFile(std::nullopt);
    EXPECT_TRUE(saveDocumentAsPdf(desk, folder, slip, layout).cancelled);
    EXPECT_TRUE(desk.jobs().isEmpty());

    // A name without the extension gets it; the job goes to that file, offsets applied.
    const QString march = folder.path() + QStringLiteral("/March");
    desk.expectSaveFile(march);
    const PdfOutcome saved = saveDocumentAsPdf(desk, folder, slip, layout);
    EXPECT_TRUE(saved.written.printed);
    EXPECT_EQ(saved.fileName, march + QStringLiteral(".pdf"));
    ASSERT_EQ(desk.jobSetups().size(), 1);
    EXPECT_EQ(desk.jobSetups()[0].printer.outputFile, march + QStringLiteral(".pdf"));
    EXPECT_EQ(desk.jobSetups()[0].offsetX, 144);
    EXPECT_EQ(desk.jobSetups()[0].offsetY, 288);
    EXPECT_EQ(desk.saveFilesSuggested().value(1), QStringLiteral("Deposit 2026-12-06.pdf"));
    EXPECT_EQ(drawn, 2);

    // A failing file is a failure, not a saved PDF.
    desk.expectSaveFile(QStringLiteral("/tmp/April.pdf"));
    desk.failNextPrintJob(QStringLiteral("Cannot write /tmp/April.pdf"));
    const PdfOutcome failed = saveDocumentAsPdf(desk, folder, slip, layout);
    EXPECT_FALSE(failed.written.printed);
    EXPECT_EQ(failed.written.error, QStringLiteral("Cannot write /tmp/April.pdf"));
}

TEST(DocumentOutput, AKeptCopyLandsWholeInsideItsFolderAndNeverReplacesAnother) {
    ScratchDataFolder folder;
    const PrintedDocumentKind invoice{PrintedDocument::Invoice, PageOrigin::PaperEdge,
                                      QStringLiteral("Invoice"), QString()};
    QString drawnText = QStringLiteral("first");
    const PageLayout layout = [&drawnText](PrintSurface& surface) { surface.print(drawnText); };
    pellar::testing::ScriptedDesk desk;

    // Names from what a person typed stay one name inside the folder.
    for (const QString& typed :
         {QStringLiteral("../x"), QStringLiteral("a/b"), QStringLiteral("a\\b"),
          QStringLiteral("tab\there\x01"), QStringLiteral(".hidden"), QString(300, u'w'),
          QStringLiteral("..")}) {
        const QString part = fileNamePart(typed);
        EXPECT_FALSE(part.isEmpty() || part.contains(u'/') || part.contains(u'\\')
                     || part.startsWith(u'.') || part.size() > 80)
            << qPrintable(part);
        const DocumentCopy copy = keepDocumentCopy(desk, folder, invoice,
                                                   QStringLiteral("Invoices/2026"), typed, layout);
        ASSERT_TRUE(copy.written.printed) << qPrintable(copy.written.error);
        EXPECT_EQ(QFileInfo(copy.filePath).absolutePath(),
                  QDir(folder.path()).filePath(QStringLiteral("Invoices/2026")));
    }
    EXPECT_EQ(fileNamePart(QStringLiteral("Smith & Sons, Inc.")), QStringLiteral("Smith & Sons, Inc"));

    // The same name again: a second file beside the first, the first unchanged.
    const DocumentCopy first =
        keepDocumentCopy(desk, folder, invoice, QStringLiteral("Deposits/2026"),
                         QStringLiteral("2026-12-08 100.00"), layout);
    drawnText = QStringLiteral("second");
    const DocumentCopy second =
        keepDocumentCopy(desk, folder, invoice, QStringLiteral("Deposits/2026"),
                         QStringLiteral("2026-12-08 100.00"), layout);
    EXPECT_EQ(first.relativePath, QStringLiteral("Deposits/2026/2026-12-08 100.00.pdf"));
    EXPECT_EQ(second.relativePath, QStringLiteral("Deposits/2026/2026-12-08 100.00 (2).pdf"));
    EXPECT_TRUE(folder.bytes(first.relativePath).contains("first"));
    EXPECT_TRUE(folder.bytes(second.relativePath).contains("second"));

    // A job that fails leaves nothing behind, not even the partial file.
    desk.failNextPrintJob(QStringLiteral("no room"));
    const DocumentCopy failed = keepDocumentCopy(desk, folder, invoice, QStringLiteral("Deposits/2026"),
                                                 QStringLiteral("failed"), layout);
    EXPECT_FALSE(failed.written.printed);
    EXPECT_EQ(QDir(folder.path() + QStringLiteral("/Deposits/2026"))
                  .entryList(QDir::Files | QDir::Hidden).size(),
              2);
}

TEST(AlignmentPage, SavesItsDocumentsKeepsTheOthersAndTestsUnsavedOffsets) {
    ScratchDataFolder folder;
    pellar::testing::ScriptedDesk desk;
    ProgramContext context(desk, folder);
    PrintAlignment another;
    another.setOffsets(PrintedDocument::ContactReport, {-7, 3});
    ASSERT_TRUE(savePrintAlignment(folder, another));

    QList<std::pair<PrintedDocument, AlignmentOffsets>> tested;
    ui::AlignmentPage page(context,
                           {PrintedDocument::DepositSlipFront, PrintedDocument::DepositSlipBack},
                           [&tested](PrintedDocument d, AlignmentOffsets o) {
                               tested.append({d, o});
                           });
    page.findChild<QSpinBox*>(QStringLiteral("spnAlignRight_1"))->setValue(-30);
    page.findChild<QSpinBox*>(QStringLiteral("spnAlignDown_1"))->setValue(500); // held at 100
    page.findChild<QPushButton*>(QStringLiteral("cmdAlignTest_1"))->click();
    ASSERT_EQ(tested.size(), 1);
    EXPECT_EQ(tested[0].first, PrintedDocument::DepositSlipBack);
    EXPECT_EQ(tested[0].second, (AlignmentOffsets{-30, 100}));
    EXPECT_EQ(readPrintAlignment(folder).alignment, another); // trying is not saving

    page.findChild<QPushButton*>(QStringLiteral("cmdSaveAlignment"))->click();
    const PrintAlignment saved = readPrintAlignment(folder).alignment;
    EXPECT_EQ(saved.offsets(PrintedDocument::DepositSlipBack), (AlignmentOffsets{-30, 100}));
    EXPECT_EQ(saved.offsets(PrintedDocument::ContactReport), (AlignmentOffsets{-7, 3}));

    // Another copy saves its own offsets for the slip's back meanwhile: asked, No keeps them.
    PrintAlignment theirs = saved;
    theirs.setOffsets(PrintedDocument::DepositSlipBack, {12, 12});
    ASSERT_TRUE(savePrintAlignment(folder, theirs));
    page.findChild<QSpinBox*>(QStringLiteral("spnAlignRight_1"))->setValue(-40);
    desk.expectMessage(QStringLiteral("Print Offsets"), MessageAnswer::No);
    page.findChild<QPushButton*>(QStringLiteral("cmdSaveAlignment"))->click();
    EXPECT_EQ(readPrintAlignment(folder).alignment, theirs);
    EXPECT_EQ(page.shown(PrintedDocument::DepositSlipBack), (AlignmentOffsets{12, 12}));

    // A damaged file is told on the page, which shows zero offsets.
    folder.put("PrintAlignment.txt", "\"Deposit Slip Back\",x,1\r\n");
    ui::AlignmentPage again(context, {PrintedDocument::DepositSlipBack}, {});
    EXPECT_TRUE(again.findChild<QLabel*>(QStringLiteral("lblAlignmentNote"))
                    ->text()
                    .contains(QStringLiteral("damaged")));
    EXPECT_EQ(again.shown(PrintedDocument::DepositSlipBack), AlignmentOffsets{});
}
