// The contact report: its layout on the recording surface, the printing from the full
// list, and one real PDF.
#include "common/core/printalignment.h"
#include "common/core/printerchoice.h"
#include "common/ui/printersurface.h"
#include "expenses/core/contactreport.h"
#include "expenses/ui/frmcontacts.h"
#include "expenses/ui/frmstartup.h"
#include "tests/expenses/spendlogfixture.h"
#include "tests/support/keeppdf.h"
#include "tests/support/recordingsurface.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QSpinBox>
#include <QTemporaryDir>

using namespace expenses;
using expenses::testing::child;
using expenses::testing::click;
using expenses::testing::SpendlogTest;
using pellar::MessageAnswer;
using pellar::PrintOp;

namespace {

// Recording metrics: 10 pt text is 240 twips high and 100 twips a character.
constexpr double kLine = 240;
constexpr double kRowStep = 5 * kLine;
constexpr double kFirstRow = 1440;
const double kColumnLeft[3] = {720, 4320, 7920};

Contact numbered(int n) {
    Contact c;
    c.name = QStringLiteral("Contact %1").arg(n);
    c.address1 = QStringLiteral("%1 Main Street").arg(n);
    c.city = QStringLiteral("Springfield");
    c.state = QStringLiteral("IL");
    c.postal = QStringLiteral("62701");
    c.telephone = QStringLiteral("217-555-%1").arg(n, 4, 10, QLatin1Char('0'));
    return c;
}

QList<Contact> contacts(int count) {
    QList<Contact> list;
    for (int n = 1; n <= count; ++n)
        list << numbered(n);
    return list;
}

// Nothing on any page prints over anything else.
void expectNoOverlaps(const pellar::PrintLog& log) {
    EXPECT_TRUE(log.overlaps().isEmpty()) << log.overlaps().join(u'\n').toStdString();
}

std::shared_ptr<pellar::PrintLog> printed(const QList<Contact>& list) {
    pellar::RecordingSurface surface;
    PrintContactReport(surface, list, QStringLiteral("12/6/2026"));
    return surface.log();
}

// Where each contact's name was printed: page, column index and row top.
struct Place {
    int page;
    int column;
    double top;
};
Place placeOf(const pellar::PrintLog& log, int n) {
    const PrintOp* op = log.findText(QStringLiteral("Contact %1").arg(n));
    if (!op)
        return {0, -1, -1};
    int column = -1;
    for (int i = 0; i < 3; ++i) {
        if (op->x == kColumnLeft[i])
            column = i;
    }
    return {op->page, column, op->y};
}

} // namespace

TEST(ContactReport, HeaderAndBlocksThreeToARow) {
    const auto log = printed(contacts(7));
    EXPECT_EQ(log->pageCount(), 1);

    // The title centred on the page; the date ending at the right margin, inside the page.
    const PrintOp* title = log->findText("Account Information");
    ASSERT_TRUE(title);
    EXPECT_EQ(std::tuple(title->x + 19 * 140 / 2.0, title->y, title->fontSize, title->bold,
                         title->underline),
              std::tuple(12240 / 2.0, 720.0, 14.0, true, true));
    const PrintOp* date = log->findText("12/6/2026");
    ASSERT_TRUE(date);
    EXPECT_EQ(std::tuple(date->x + 9 * 100, date->y, date->fontSize, date->bold, date->underline),
              std::tuple(12240 - 720.0, 720.0, 10.0, false, false));

    // Rows of 3, 3 and 1, five text lines apart.
    const int expected[7][2] = {{0, 0}, {1, 0}, {2, 0}, {0, 1}, {1, 1}, {2, 1}, {0, 2}};
    for (int n = 1; n <= 7; ++n) {
        const Place place = placeOf(*log, n);
        EXPECT_EQ(place.column, expected[n - 1][0]) << "contact " << n;
        EXPECT_EQ(place.top, kFirstRow + expected[n - 1][1] * kRowStep) << "contact " << n;
    }

    // A block: name, street, city line and telephone, one under the other at its left edge.
    const auto at = [&](const QString& text) {
        const PrintOp* op = log->findText(text);
        return op ? QPointF(op->x, op->y) : QPointF(-1, -1);
    };
    EXPECT_EQ(at("5 Main Street"), QPointF(4320, kFirstRow + kRowStep + kLine));
    EXPECT_EQ(at("217-555-0005"), QPointF(4320, kFirstRow + kRowStep + 3 * kLine));
    EXPECT_EQ(at("Springfield, IL 62701"), QPointF(720, kFirstRow + 2 * kLine));
    EXPECT_EQ(log->texts().count(), 3 + 7 * 4); // title, date, page number
    expectNoOverlaps(*log);
}

TEST(ContactReport, NewPageRepeatsTheHeaderAndKeepsTheBottomMargin) {
    const auto log = printed(contacts(40));
    ASSERT_EQ(log->pageCount(), 2);
    // Eleven rows fit above the half-inch bottom margin: 33 contacts on the first page.
    const auto at = [&log](int n) {
        const Place p = placeOf(*log, n);
        return std::tuple(p.page, p.column, p.top);
    };
    EXPECT_EQ(at(33), std::tuple(1, 2, kFirstRow + 10 * kRowStep));
    EXPECT_EQ(at(34), std::tuple(2, 0, kFirstRow));
    EXPECT_EQ(at(40), std::tuple(2, 0, kFirstRow + 2 * kRowStep));

    int titles = 0, dates = 0;
    double lowest = 0;
    for (const PrintOp& op : log->texts()) {
        titles += op.text == "Account Information" && op.y == 720;
        dates += op.text == "12/6/2026" && op.y == 720;
        lowest = std::max(lowest, op.y + kLine);
        EXPECT_LE(op.x + op.text.size() * op.fontSize * 10, 12240 - 720) << op.text.toStdString();
    }
    EXPECT_EQ(std::pair(titles, dates), std::pair(2, 2));
    const PrintOp* second = log->findText("Page 2");
    ASSERT_TRUE(second);
    EXPECT_EQ(std::tuple(second->page, second->x, second->y), std::tuple(2, 720.0, 720.0));
    EXPECT_LE(lowest, 15840 - 720);
    expectNoOverlaps(*log);

    // Exactly 33 contacts: no empty page after them.
    EXPECT_EQ(printed(contacts(33))->pageCount(), 1);
}

TEST(ContactReport, LongFieldsAreCutToTheirColumn) {
    Contact c = numbered(1);
    c.address1 = QStringLiteral("12345 North Industrial Parkway West"); // 35 characters
    pellar::RecordingSurface surface;
    PrintContactBlock(surface, c, 3, 2000);
    const QList<PrintOp> texts = surface.log()->texts();
    ASSERT_EQ(texts.size(), 4);
    EXPECT_EQ(texts[0].text, "Contact 1");

    // Forty characters without a blank in every field of every block of a row.
    Contact wide;
    wide.name = wide.address1 = wide.city = wide.telephone = QString(40, u'W');
    QList<Contact> row(3, wide);
    expectNoOverlaps(*printed(row));
    // 3600 twips a column, less the gap: 33 characters of 10 pt at most.
    EXPECT_EQ(texts[1].text, QStringLiteral("12345 North Industrial Parkway W") + QChar(0x2026));
    EXPECT_LE(texts[1].x + texts[1].text.size() * 100, 12240 - 720);
    EXPECT_EQ(texts[1].y, 2000 + kLine);

    // Letters of unequal width ('W' three times an 'i'): still the longest start that fits,
    // whether the text's average letter makes it look longer or shorter than it is.
    struct WideW : pellar::RecordingSurface {
        double textWidth(const QString& text) const override {
            return RecordingSurface::textWidth(text) + 200 * text.count(u'W');
        }
    };
    WideW uneven;
    c.name = QString(10, u'W') + QString(20, u'i');
    c.address1 = QString(20, u'i') + QString(10, u'W');
    PrintContactBlock(uneven, c, 1, 2000);
    const QList<PrintOp> cut = uneven.log()->texts();
    EXPECT_EQ(cut[0].text, QString(10, u'W') + "ii" + QChar(0x2026));
    EXPECT_EQ(cut[1].text, QString(20, u'i') + "WWWW" + QChar(0x2026));
}

class ContactReportFormTest : public SpendlogTest {
protected:
    frmContacts& listed(int count) {
        putContacts(contacts(count));
        frmContacts& c = showContacts();
        expenses::testing::trigger(&c, "mnuPrint");
        return c;
    }
};

TEST_F(ContactReportFormTest, PrintAsksThenChoosesThePrinterAndReportsFailures) {
    frmContacts& c = listed(7);
    QAbstractButton* print = child(&c, "cmdPrintContacts");
    ASSERT_FALSE(print->isHidden());

    desk.expectMessage("Contact Report", MessageAnswer::No);
    print->click();

    // Cancel in the printer dialog prints nothing.
    desk.expectMessage("Contact Report", MessageAnswer::Yes);
    desk.expectPrinterDialog(std::nullopt);
    print->click();
    EXPECT_TRUE(desk.jobs().isEmpty());

    desk.expectMessage("Contact Report", MessageAnswer::Yes);
    desk.expectPrinterDialog(pellar::PrinterChoice{QStringLiteral("Office"), 2, {}});
    print->click();
    ASSERT_EQ(desk.jobs().size(), 1);
    const pellar::PrintJobSetup& setup = desk.jobSetups().last();
    EXPECT_EQ(setup.printer.printerName, "Office");
    EXPECT_EQ(setup.orientation, QPageLayout::Portrait);
    EXPECT_EQ(setup.origin, pellar::PageOrigin::PaperEdge);
    const pellar::PrintLog& log = *desk.jobs().last();
    EXPECT_TRUE(log.ended);
    EXPECT_EQ(log.copies, 2);
    EXPECT_TRUE(log.findText("12/6/2026"));
    EXPECT_TRUE(log.findText("Contact 7"));

    // A job that cannot start is a print error.
    desk.expectMessage("Contact Report", MessageAnswer::Yes);
    desk.expectPrinterDialog(pellar::PrinterChoice{});
    desk.failNextPrintJob("No printer is set up on this computer.");
    desk.expectMessage("Print Error");
    print->click();
    EXPECT_EQ(desk.jobs().size(), 1);
    EXPECT_FALSE(child<QWidget>(&c, "fraContactsFound")->isHidden());
}

TEST_F(ContactReportFormTest, PreviewPdfAndThePdfOfferedWithoutAPrinter) {
    frmContacts& c = listed(7);
    click(&c, "cmdPreviewContacts");
    ASSERT_EQ(desk.previews().size(), 1);
    EXPECT_TRUE(desk.previews().last()->findText("Contact 7"));
    EXPECT_EQ(desk.previews().last()->origin, pellar::PageOrigin::PaperEdge);
    EXPECT_TRUE(desk.jobs().isEmpty());

    desk.expectSaveFile(folder.file("list.pdf"));
    click(&c, "cmdSavePdfContacts");
    ASSERT_EQ(desk.jobs().size(), 1);
    EXPECT_EQ(desk.jobSetups().last().printer.outputFile, folder.file("list.pdf"));
    EXPECT_TRUE(desk.jobs().last()->findText("Contact 7"));
    EXPECT_EQ(child<QLabel>(&c, "lblStatusNote")->text(),
              "The contact report was saved as " +
                  QDir::toNativeSeparators(folder.file("list.pdf")));

    // No printer set up: the PDF is offered instead, never the printer dialog.
    desk.setPrinterAvailable(false);
    desk.expectMessage("Contact Report", MessageAnswer::Yes);
    desk.expectMessage("PellarSpendlogFREE", MessageAnswer::No);
    click(&c, "cmdPrintContacts");
    EXPECT_EQ(desk.jobs().size(), 1);
    desk.expectMessage("Contact Report", MessageAnswer::Yes);
    desk.expectMessage("PellarSpendlogFREE", MessageAnswer::Yes);
    desk.expectSaveFile(folder.file("Contacts.pdf"));
    click(&c, "cmdPrintContacts");
    ASSERT_EQ(desk.jobs().size(), 2);
    EXPECT_EQ(desk.jobSetups().last().printer.outputFile, folder.file("Contacts.pdf"));
    // Suggested among the person's documents (or at home), never in the working folder.
    ASSERT_EQ(desk.saveFilesSuggested().size(), 2);
    for (const QString& suggested : desk.saveFilesSuggested()) {
        EXPECT_TRUE(QFileInfo(suggested).isAbsolute()) << suggested.toStdString();
        EXPECT_EQ(QFileInfo(suggested).fileName(), "Contacts.pdf");
    }
}

TEST_F(ContactReportFormTest, OffsetsMoveTheTestPageAndThenTheReport) {
    frmContacts& c = listed(7);
    click(&c, "cmdAlignContacts");
    EXPECT_FALSE(child<QWidget>(&c, "fraAlignment")->isHidden());
    EXPECT_TRUE(child<QWidget>(&c, "fraContactsFound")->isHidden());
    child<QSpinBox>(&c, "spnAlignRight_0")->setValue(12);
    child<QSpinBox>(&c, "spnAlignDown_0")->setValue(-5);

    // The test page tries the offsets shown before they are saved.
    desk.expectPrinterDialog(pellar::PrinterChoice{QStringLiteral("Office"), 1, {}});
    click(&c, "cmdAlignTest_0");
    ASSERT_EQ(desk.jobs().size(), 1);
    const pellar::PrintLog& test = *desk.jobs().last();
    const PrintOp* first = test.findText("Contact 1");
    ASSERT_TRUE(first);
    EXPECT_DOUBLE_EQ(first->x, 720 + 30 + 12 * 14.4);
    EXPECT_DOUBLE_EQ(first->y, kFirstRow + 15 - 5 * 14.4);
    EXPECT_TRUE(test.findText("Contact 6"));
    expectNoOverlaps(test);
    EXPECT_FALSE(QFile::exists(folder.file("PrintAlignment.txt")));

    click(&c, "cmdSaveAlignment");
    EXPECT_TRUE(folder.bytes("PrintAlignment.txt").contains("\"Contact Report\",12,-5\r\n"));
    click(&c, "cmdAlignmentDone");
    EXPECT_FALSE(child<QWidget>(&c, "fraContactsFound")->isHidden());

    desk.expectMessage("Contact Report", MessageAnswer::Yes);
    desk.expectPrinterDialog(pellar::PrinterChoice{QStringLiteral("Office"), 1, {}});
    click(&c, "cmdPrintContacts");
    ASSERT_EQ(desk.jobs().size(), 2);
    EXPECT_EQ(desk.jobs().last()->findText("Contact 1")->x, 720 + 12 * 14.4);
    EXPECT_EQ(desk.jobs().last()->findText("Contact 1")->y, kFirstRow - 5 * 14.4);
}

TEST(ContactReportPdf, FortyContactsOnTwoPages) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    pellar::PrintJobSetup setup = expensePageSetup(
        QStringLiteral("Portrait"), pellar::PrinterChoice{{}, 1, dir.filePath("contacts.pdf")},
        QStringLiteral("Contact Report"));
    {
        pellar::PrinterSurface surface(setup);
        ASSERT_TRUE(surface.error().isEmpty()) << surface.error().toStdString();
        PrintContactReport(surface, contacts(40), QStringLiteral("12/6/2026"));
        EXPECT_TRUE(surface.endDoc()) << surface.error().toStdString();
    }
    QFile pdf(dir.filePath("contacts.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n"), 2);
    pellar::testing::keepPrintedFileIfAsked(dir.filePath("contacts.pdf"));

    // The alignment test page on the real surface, moved a little right and up.
    const QString testPage = dir.filePath("alignment.pdf");
    pellar::PrintJobSetup job = contactReportJob(pellar::DataFolder(dir.path()), {{}, 1, testPage});
    job.offsetX = 0.1 * pellar::kTwipsPerInch;
    job.offsetY = -0.05 * pellar::kTwipsPerInch;
    {
        pellar::PrinterSurface surface(job);
        ASSERT_TRUE(surface.error().isEmpty()) << surface.error().toStdString();
        pellar::printAlignmentGuides(surface,
                                     QStringLiteral("Alignment test page: Contact Report"));
        PrintContactReportOutlines(surface);
        EXPECT_TRUE(surface.endDoc()) << surface.error().toStdString();
    }
    EXPECT_TRUE(QFileInfo(testPage).size() > 0);
    pellar::testing::keepPrintedFileIfAsked(testPage);
}

// The report asks for "Portrait" (its print test sees it); any other word is landscape.
TEST(ExpensePageSetup, LandscapeForAnyWordButPortrait) {
    for (const QString& other :
         {QStringLiteral("Landscape"), QStringLiteral("portrait"), QString()})
        EXPECT_EQ(expensePageSetup(other, {}).orientation, QPageLayout::Landscape)
            << other.toStdString();
}
