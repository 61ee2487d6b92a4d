// The desk and printing: the printer choice of the run, the parts of the real desk that
// need no person, the inch and font helpers, real PDF jobs through the printer
// surface, the alignment offsets file and the page that sets them, and the document outputs.
#include "common/core/documentoutput.h"
#include "common/core/printalignment.h"
#include "common/core/printerchoice.h"
#include "common/core/printsurface.h"
#include "common/core/programcontext.h"
#include "common/ui/alignmentpage.h"
#include "common/ui/printersurface.h"
#include "common/ui/realdesk.h"
#include "tests/support/datafolder.h"
#include "tests/support/keeppdf.h"
#include "tests/support/recordingsurface.h"
#include "tests/support/scripteddesk.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardPaths>
#include <QUrl>
#include <QtTest/QTest>
#include <cmath>
#include <gtest/gtest.h>

using namespace pellar;
using pellar::testing::ScratchDataFolder;
using pellar::testing::ScriptedDesk;

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

TEST(ChoosePrinter, ChoiceLastsForTheRunAndCancelPrintsNothing) {
    ScriptedDesk desk;
    ProgramContext context(desk, DataFolder());
    const PrinterChoice office{QStringLiteral("Office Laser"), 3, QString()};
    const PrinterChoice pdf{QStringLiteral("Office Laser"), 1, QStringLiteral("/tmp/invoice.pdf")};
    for (const auto& choice : QList<std::optional<PrinterChoice>>{office, {}, pdf, {}})
        desk.expectPrinterDialog(choice);

    const auto first = ChoosePrinter(context);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->copies, 3);
    EXPECT_FALSE(ChoosePrinter(context).has_value()) << "Cancel abandons the print";
    const auto third = ChoosePrinter(context);
    ASSERT_TRUE(third);
    EXPECT_EQ(third->outputFile, QStringLiteral("/tmp/invoice.pdf"));
    EXPECT_FALSE(ChoosePrinter(context).has_value());

    // The dialog opens on the system default at first, then on the last choice: a cancel
    // changes nothing, and a PDF file is not chosen again silently.
    QStringList shown;
    for (const PrinterChoice& c : desk.printerDialogsShownWith())
        shown << QStringLiteral("%1 x%2 %3").arg(c.printerName).arg(c.copies).arg(c.outputFile);
    EXPECT_EQ(shown,
              (QStringList{" x1 ", "Office Laser x3 ", "Office Laser x3 ", "Office Laser x1 "}));
    EXPECT_EQ(context.printer.printerName, QStringLiteral("Office Laser"));
}

TEST(RealDesk, MessageBoxHasNoIconUnlessAskedAndShowsPlainText) {
    auto box = RealDesk::makeMessageBox("Order Paper", {"<b>one</b>", "two"}, MessageButtons::YesNo,
                                        MessageIcon::None);
    EXPECT_EQ(box->text(), QStringLiteral("<b>one</b>\ntwo"));
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Yes));

    // A question whose Yes deletes: Enter must answer No.
    auto risky = RealDesk::makeMessageBox(QStringLiteral("Verify"), {QStringLiteral("Delete?")},
                                          MessageButtons::YesNoDefaultNo, MessageIcon::None);
    EXPECT_EQ(risky->standardButtons(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(risky->defaultButton(), risky->button(QMessageBox::No));
}

TEST(RealDesk, PreviewPagesTurnFromTheKeyboard) {
    QPrinter printer(QPrinter::HighResolution);
    PrintJobSetup setup;
    setup.documentName = QStringLiteral("Three pages");
    const auto dialog = RealDesk::makePreviewDialog(printer, setup, [](PrintSurface& surface) {
        for (int page = 1; page <= 3; ++page) {
            surface.print(QStringLiteral("Page %1").arg(page));
            if (page < 3)
                surface.newPage();
        }
    });
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    auto* preview = dialog->findChild<QPrintPreviewWidget*>();
    QTRY_COMPARE_WITH_TIMEOUT(preview->pageCount(), 3, 5000);
    const auto press = [&](Qt::Key key) {
        QWidget* focus = dialog->focusWidget();
        QTest::keyClick(focus ? focus : dialog.get(), key);
        return preview->currentPage();
    };
    EXPECT_EQ(press(Qt::Key_PageDown), 2);
    EXPECT_EQ(press(Qt::Key_End), 3);
    EXPECT_EQ(press(Qt::Key_PageDown), 3);
    EXPECT_EQ(press(Qt::Key_Home), 1);
    EXPECT_EQ(press(Qt::Key_PageUp), 1);
}

namespace {
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};
} // namespace

TEST(RealDesk, WebAddressesGoStraightToTheDesktopAndNothingElseDoes) {
    UrlCatcher web;
    UrlCatcher local;
    for (const char* scheme : {"http", "https"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &web, "open");
    for (const char* scheme : {"file", "javascript", "mailto"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &local, "open");

    RealDesk desk;
    // Shell metacharacters are just characters of the address: nothing runs a command line.
    const QString tricky = QStringLiteral("https://example.com/a;b?c=$(touch x)&d=`id`");
    EXPECT_TRUE(desk.openWebAddress(tricky));
    EXPECT_TRUE(desk.openWebAddress(QStringLiteral("  http://example.org/order  ")));
    for (const char* refused : {"file:///etc/passwd", "javascript:alert(1)",
                                "mailto:someone@example.com", "/usr/bin/xterm", ""})
        EXPECT_FALSE(desk.openWebAddress(QString::fromLatin1(refused))) << refused;

    for (const char* scheme : {"http", "https", "file", "javascript", "mailto"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));

    ASSERT_EQ(web.urls.size(), 2);
    EXPECT_EQ(web.urls[0].host(), QStringLiteral("example.com"));
    EXPECT_EQ(web.urls[0].path(), QStringLiteral("/a;b"));
    EXPECT_EQ(web.urls[0].query(QUrl::FullyDecoded), QStringLiteral("c=$(touch x)&d=`id`"));
    EXPECT_EQ(web.urls[1], QUrl(QStringLiteral("http://example.org/order")));
    EXPECT_TRUE(local.urls.isEmpty());
}

TEST(RealDesk, HourglassNestsAndNeverPopsSomeoneElsesCursor) {
    ASSERT_EQ(QApplication::overrideCursor(), nullptr);
    {
        RealDesk desk;
        desk.setBusy(false); // nothing to take off
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        desk.setBusy(true);
        desk.setBusy(true);
        desk.setBusy(false);
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        desk.setBusy(false);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        desk.setBusy(true);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the desk gives back what it set";
}

#include "desk_test.moc"

namespace {

PrintJobSetup pdfJob(const QString& file, bool landscape = false) {
    PrintJobSetup setup;
    setup.printer.outputFile = file;
    setup.documentName = QStringLiteral("Surface test");
    setup.orientation = landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    return setup;
}

QString pdfText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

// One entry per page object, its paper in points: "0 0 612 792" is Letter portrait.
QStringList mediaBoxes(const QString& pdf) {
    static const QRegularExpression box(QStringLiteral(R"(/MediaBox\s*\[([^\]]*)\])"));
    QStringList boxes;
    for (auto it = box.globalMatch(pdf); it.hasNext();) {
        QStringList numbers;
        for (const QString& number : it.next().captured(1).split(u' ', Qt::SkipEmptyParts))
            numbers << QString::number(number.toDouble());
        boxes << numbers.join(u' ');
    }
    return boxes;
}

int pageObjects(const QString& pdf) {
    static const QRegularExpression page(QStringLiteral(R"(/Type\s*/Page(?!s))"));
    return int(pdf.count(page));
}

} // namespace

TEST(PrintHelpers, PositionInInchesAndFontKeepWhatIsZeroOrLess) {
    RecordingSurface surface;
    surface.setCurrentX(700);
    surface.setCurrentY(900);
    // x = 0 keeps the current x while y moves: the layouts step down a column this way.
    SetPrintPosition(surface, 0, 1.5f);
    EXPECT_EQ(surface.currentX(), 700);
    EXPECT_EQ(surface.currentY(), 2160);
    SetPrintPosition(surface, 4.1f, -0.5f);
    EXPECT_EQ(surface.currentX(), 5904);
    EXPECT_EQ(surface.currentY(), 2160);
    // Single-precision inch figures still land on whole twips (0.15 in is 216, not 216.00002).
    for (float inches : {0.15f, 0.45f, 1.3f, 1.95f, 2.3f, 2.6f, 3.15f, 4.05f, 6.1f, 9.6f}) {
        SetPrintPosition(surface, inches, inches);
        EXPECT_EQ(surface.currentX(), std::round(double(inches) * 1440)) << inches;
        EXPECT_EQ(surface.currentY(), surface.currentX()) << inches;
    }

    // A size of zero or less keeps the size set before; bold and underline always change.
    for (const auto& [size, bold, underline] :
         {std::tuple{14, true, true}, {0, false, true}, {-3, true, false}}) {
        SetPrintFont(surface, size, bold, underline);
        EXPECT_EQ(std::tuple(surface.fontSize(), surface.bold(), surface.underline()),
                  std::tuple(14.0, bold, underline))
            << size;
    }
}

TEST(PrintHelpers, ATextTooWideForItsColumnIsCutWithAnEllipsisThatFits) {
    RecordingSurface surface; // 10 pt: 100 twips a character
    EXPECT_EQ(fittedToWidth(surface, QStringLiteral("Ann Lee"), 700), QStringLiteral("Ann Lee"));
    EXPECT_EQ(fittedToWidth(surface, "Annabelle Leeward", 700), "Annabe\u2026");
    // A cut at a blank drops the blank rather than printing it before the ellipsis.
    EXPECT_EQ(fittedToWidth(surface, "Ann Leeward", 500), "Ann\u2026");
    EXPECT_EQ(fittedToWidth(surface, QStringLiteral("Ann"), 50), QString());
    for (int width = 100; width < 3000; width += 37) {
        const QString fitted = fittedToWidth(surface, QString(40, u'W'), width);
        EXPECT_LE(surface.textWidth(fitted), width);
    }
}

// Every layout test leans on this finder; one that never found anything would pass them all.
TEST(PrintLog, OverlapsAreFoundOnlyBetweenTextsOfOnePageThatTouch) {
    auto log = std::make_shared<PrintLog>();
    RecordingSurface surface(log); // 10 pt: 100 twips a character, 240 a line
    const auto printAt = [&surface](double x, double y, const char* text) {
        surface.setCurrentX(x);
        surface.setCurrentY(y);
        surface.print(QString::fromUtf8(text));
    };
    printAt(1000, 1000, "Annabelle Leeward"); // to x 2700
    printAt(2600, 1000, "$10,000.00");
    printAt(1000, 1240, "Second line"); // the next line: touches nothing
    surface.newPage();
    printAt(1000, 1000, "Same place, other page");
    // Three quarters of a line lower and to the right: the lower part of the line above.
    printAt(1500, 1180, "Lower");
    EXPECT_EQ(log->overlaps(), (QStringList{"page 1: \"Annabelle Leeward\" and \"$10,000.00\"",
                                            "page 2: \"Same place, other page\" and \"Lower\""}));
}

TEST(PrinterSurface, PrintsATwoPageLetterPdfMeasuredWithThePrintersMetrics) {
    ScratchDataFolder folder;
    const QString path = folder.file(QStringLiteral("printsurface_sample.pdf"));
    {
        PrinterSurface surface(pdfJob(path));
        ASSERT_TRUE(surface.error().isEmpty()) << surface.error().toStdString();
        EXPECT_DOUBLE_EQ(surface.pageWidth(), 12240);
        EXPECT_DOUBLE_EQ(surface.pageHeight(), 15840);

        // "Ariel" is not a real face: the platform's substitute prints it.
        surface.setFontName(QStringLiteral("Ariel"));
        RecordProperty("ArielPrintsAs", surface.actualFontFamily().toStdString());
        EXPECT_FALSE(surface.actualFontFamily().isEmpty());
        // A 10 pt line is about a sixth of an inch; metrics scale with the size (they do
        // not at screen resolution, where sizes round to whole pixels).
        const double height = surface.textHeight();
        const double width = surface.textWidth(QStringLiteral("INVOICE"));
        EXPECT_NEAR(height, 250, 70);
        EXPECT_NEAR(width, 850, 350);
        surface.setFontSize(20);
        EXPECT_NEAR(surface.textHeight(), 2 * height, 10);
        EXPECT_NEAR(surface.textWidth(QStringLiteral("INVOICE")), 2 * width, 10);
        surface.setBold(true);
        EXPECT_GT(surface.textWidth(QStringLiteral("INVOICE")), 2 * width + 10);

        // An invoice-like first page: thick frame, a thin rule, title, blue underlined
        // text, a right-aligned amount.
        surface.setDrawWidth(6);
        surface.box(360, 504, 11880, 5040);
        surface.setDrawWidth(1);
        surface.line(360, 5760, 11880, 5760);
        SetPrintFont(surface, 28, true, false);
        SetPrintPosition(surface, 5, 0.5f);
        surface.print(QStringLiteral("INVOICE"));
        SetPrintFont(surface, 10, false, true);
        surface.setTextColor(QColor(0, 0, 255));
        SetPrintPosition(surface, 1, 1);
        surface.print(QStringLiteral("Underlined blue at one inch"));
        SetPrintFont(surface, 10, true, false);
        surface.setTextColor(Qt::black);
        surface.setCurrentX(rightAlignedX(surface, QStringLiteral("$1,234.56"), 11520));
        surface.setCurrentY(6480);
        surface.print(QStringLiteral("$1,234.56"), true);
        EXPECT_NEAR(surface.currentX(), 11520, 1e-6);

        EXPECT_TRUE(surface.newPage());
        EXPECT_EQ(surface.page(), 2);
        surface.setFontName(QString()); // the printer's default face
        SetPrintFont(surface, 12, false, false);
        SetPrintPosition(surface, 1, 1);
        surface.print(QStringLiteral("Second page"));
        surface.setColorMode(ColorMode::Monochrome); // the blue asked for prints black
        surface.setTextColor(QColor(0, 0, 255));
        SetPrintPosition(surface, 1, 0);
        surface.print(QStringLiteral("Blue asked, black printed"));
        surface.line(1440, 2300, 7200, 2300, QColor(0, 0, 255));
        EXPECT_TRUE(surface.endDoc()) << surface.error().toStdString();
    }
    const QString pdf = pdfText(path);
    EXPECT_TRUE(pdf.startsWith(QStringLiteral("%PDF")));
    EXPECT_EQ(pageObjects(pdf), 2);
    EXPECT_EQ(mediaBoxes(pdf), QStringList(2, QStringLiteral("0 0 612 792")));

    pellar::testing::keepPrintedFileIfAsked(path);

    // Where the words landed, in points (20 twips each). The word box starts at the
    // font's ascent line, which is the top of the text cell for these faces.
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed: text positions not checked";
    QProcess tool;
    tool.start(pdftotext, {"-f", "1", "-l", "1", "-bbox", path, "-"});
    ASSERT_TRUE(tool.waitForFinished(30000));
    const QString words = QString::fromUtf8(tool.readAllStandardOutput());
    auto wordBox = [&](const QString& word) {
        const QRegularExpression re(
            QStringLiteral(
                R"re(xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="[\d.]+">%1<)re")
                .arg(QRegularExpression::escape(word)));
        const auto m = re.match(words);
        return m.hasMatch() ? QList<double>{m.captured(1).toDouble(), m.captured(2).toDouble(),
                                            m.captured(3).toDouble()}
                            : QList<double>{-1, -1, -1};
    };
    const QList<double> title = wordBox(QStringLiteral("INVOICE")); // top-left at (7200, 720)
    EXPECT_NEAR(title[0], 360, 2);
    EXPECT_NEAR(title[1], 36, 3);
    const QList<double> amount = wordBox(QStringLiteral("$1,234.56")); // ends at 11520, top 6480
    EXPECT_NEAR(amount[2], 576, 2);
    EXPECT_NEAR(amount[1], 324, 3);
}

TEST(PrinterSurface, LandscapeFailedAndAbandonedJobs) {
    ScratchDataFolder folder;
    const QString wide = folder.file(QStringLiteral("wide.pdf"));
    {
        PrinterSurface surface(pdfJob(wide, true));
        ASSERT_TRUE(surface.error().isEmpty());
        EXPECT_DOUBLE_EQ(surface.pageWidth(), 15840);
        EXPECT_DOUBLE_EQ(surface.pageHeight(), 12240);
        surface.print(QStringLiteral("Account Information"));
        EXPECT_TRUE(surface.endDoc());
    }
    EXPECT_EQ(pageObjects(pdfText(wide)), 1);

    // A job that cannot start says so in plain words, never claims success, and still
    // lets the layout run to its end.
    const QString nowhere = folder.file(QStringLiteral("missing/folder/x.pdf"));
    PrinterSurface failed(pdfJob(nowhere));
    EXPECT_TRUE(failed.error().contains("could not be written")) << failed.error().toStdString();
    failed.print(QStringLiteral("ignored"));
    EXPECT_GT(failed.currentY(), 0);
    EXPECT_FALSE(failed.newPage());
    EXPECT_EQ(failed.page(), 2);
    EXPECT_FALSE(failed.endDoc());
    EXPECT_FALSE(QFile::exists(nowhere));

    PrintJobSetup unknown;
    unknown.printer.printerName = QStringLiteral("No Such Printer 4711");
    PrinterSurface noPrinter(unknown);
    EXPECT_EQ(noPrinter.error(), "The printer \"No Such Printer 4711\" is not available.");
    EXPECT_FALSE(noPrinter.endDoc());

    // An abandoned job, or one dropped without being ended, leaves no document behind.
    const QString abandoned = folder.file(QStringLiteral("abandoned.pdf"));
    const QString dropped = folder.file(QStringLiteral("dropped.pdf"));
    {
        PrinterSurface surface(pdfJob(abandoned));
        surface.print(QStringLiteral("half a page"));
        surface.abort();
        EXPECT_FALSE(surface.endDoc());
        PrinterSurface forgotten(pdfJob(dropped));
        forgotten.print(QStringLiteral("never ended"));
    }
    EXPECT_FALSE(QFile::exists(abandoned));
    EXPECT_FALSE(QFile::exists(dropped));
}

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
                                   "Deposit Slip", "Deposit 2026-12-06.pdf"};
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
    EXPECT_EQ(drawn, 2) << "nothing is drawn on a job that did not start";
}

TEST(DocumentOutput, AKeptCopyLandsWholeInsideItsFolderAndNeverReplacesAnother) {
    ScratchDataFolder folder;
    const PrintedDocumentKind invoice{PrintedDocument::Invoice, PageOrigin::PaperEdge,
                                      QStringLiteral("Invoice"), QString()};
    QString drawnText = QStringLiteral("first");
    const PageLayout layout = [&drawnText](PrintSurface& surface) {
        surface.print(drawnText);
    };
    pellar::testing::ScriptedDesk desk;

    // Names from what a person typed stay one name inside the folder.
    for (const QString& typed :
         QStringList{"../x", "a/b", "a\\b", "tab\there\x01", ".hidden", QString(300, u'w'), ".."}) {
        const QString part = fileNamePart(typed);
        EXPECT_FALSE(part.isEmpty() || part.contains(u'/') || part.contains(u'\\') ||
                     part.startsWith(u'.') || part.size() > 80)
            << qPrintable(part);
        const DocumentCopy copy =
            keepDocumentCopy(desk, folder, invoice, QStringLiteral("Invoices/2026"), typed, layout);
        ASSERT_TRUE(copy.written.printed) << qPrintable(copy.written.error);
        EXPECT_EQ(QFileInfo(copy.filePath).absolutePath(),
                  QDir(folder.path()).filePath(QStringLiteral("Invoices/2026")));
    }
    EXPECT_EQ(fileNamePart(QStringLiteral("Smith & Sons, Inc.")), "Smith & Sons, Inc");

    // The same name again: a second file beside the first, the first unchanged.
    const auto keep = [&](const QString& name) {
        return keepDocumentCopy(desk, folder, invoice, "Deposits/2026", name, layout);
    };
    const DocumentCopy first = keep(QStringLiteral("2026-12-08 100.00"));
    drawnText = QStringLiteral("second");
    const DocumentCopy second = keep(QStringLiteral("2026-12-08 100.00"));
    EXPECT_EQ(first.relativePath, QStringLiteral("Deposits/2026/2026-12-08 100.00.pdf"));
    EXPECT_EQ(second.relativePath, QStringLiteral("Deposits/2026/2026-12-08 100.00 (2).pdf"));
    EXPECT_TRUE(folder.bytes(first.relativePath).contains("first"));
    EXPECT_TRUE(folder.bytes(second.relativePath).contains("second"));

    // A job that fails leaves nothing behind, not even the partial file.
    desk.failNextPrintJob(QStringLiteral("no room"));
    const DocumentCopy failed = keep(QStringLiteral("failed"));
    EXPECT_FALSE(failed.written.printed);
    EXPECT_EQ(QDir(folder.file("Deposits/2026")).entryList(QDir::Files | QDir::Hidden).size(), 2);
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
    EXPECT_TRUE(again.findChild<QLabel*>("lblAlignmentNote")->text().contains("damaged"));
    EXPECT_EQ(again.shown(PrintedDocument::DepositSlipBack), AlignmentOffsets{});
}
