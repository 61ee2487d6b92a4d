// The print surfaces: inch and font helpers, the recording log's overlap finder, and real
// PDF jobs through the printer surface.

#include "common/ui/printersurface.h"
#include "tests/support/keeppdf.h"
#include "tests/support/recordingsurface.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>

using namespace pellar;

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

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
    EXPECT_EQ(fittedToWidth(surface, QStringLiteral("Annabelle Leeward"), 700),
              QStringLiteral("Annabe\u2026"));
    // A cut at a blank drops the blank rather than printing it before the ellipsis.
    EXPECT_EQ(fittedToWidth(surface, QStringLiteral("Ann Leeward"), 500),
              QStringLiteral("Ann\u2026"));
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
    surface.setCurrentX(1000);
    surface.setCurrentY(1000);
    surface.print(QStringLiteral("Annabelle Leeward"), true); // to x 2700
    surface.setCurrentX(2600);
    surface.print(QStringLiteral("$10,000.00"));
    surface.setCurrentX(1000);
    surface.setCurrentY(1240); // the next line: touches nothing
    surface.print(QStringLiteral("Second line"));
    surface.newPage();
    surface.setCurrentX(1000);
    surface.setCurrentY(1000);
    surface.print(QStringLiteral("Same place, other page"));
    // Three quarters of a line lower and to the right: the lower part of the line above.
    surface.setCurrentX(1500);
    surface.setCurrentY(1180);
    surface.print(QStringLiteral("Lower"));
    const QStringList found = log->overlaps();
    ASSERT_EQ(found.size(), 2) << found.join(u'\n').toStdString();
    EXPECT_TRUE(found[0].contains(QStringLiteral("Annabelle Leeward")) &&
                found[0].contains(QStringLiteral("$10,000.00")));
    EXPECT_TRUE(found[1].contains(QStringLiteral("other page")) &&
                found[1].contains(QStringLiteral("Lower")));
}

TEST(PrinterSurface, PrintsATwoPageLetterPdfMeasuredWithThePrintersMetrics) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("printsurface_sample.pdf"));
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
        EXPECT_GT(height, 180);
        EXPECT_LT(height, 320);
        EXPECT_GT(width, 500);
        EXPECT_LT(width, 1200);
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
    tool.start(pdftotext,
               {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                QStringLiteral("1"), QStringLiteral("-bbox"), path, QStringLiteral("-")});
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
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());

    const QString wide = folder.filePath(QStringLiteral("wide.pdf"));
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
    const QString nowhere = folder.filePath(QStringLiteral("missing/folder/x.pdf"));
    PrinterSurface failed(pdfJob(nowhere));
    EXPECT_TRUE(failed.error().contains(QStringLiteral("could not be written")))
        << failed.error().toStdString();
    failed.print(QStringLiteral("ignored"));
    EXPECT_GT(failed.currentY(), 0);
    EXPECT_FALSE(failed.newPage());
    EXPECT_EQ(failed.page(), 2);
    EXPECT_FALSE(failed.endDoc());
    EXPECT_FALSE(QFile::exists(nowhere));

    PrintJobSetup unknown;
    unknown.printer.printerName = QStringLiteral("No Such Printer 4711");
    PrinterSurface noPrinter(unknown);
    EXPECT_EQ(noPrinter.error(),
              QStringLiteral("The printer \"No Such Printer 4711\" is not available."));
    EXPECT_FALSE(noPrinter.endDoc());

    // An abandoned job, or one dropped without being ended, leaves no document behind.
    const QString abandoned = folder.filePath(QStringLiteral("abandoned.pdf"));
    const QString dropped = folder.filePath(QStringLiteral("dropped.pdf"));
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
