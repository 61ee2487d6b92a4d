// The printed invoice, laid out on the recording surface. Its metrics: a character is
// size x 10 twips wide and a line size x 24 twips high (240 at 10 point).
#include "invoicing/core/invoicepagelayout.h"

#include "common/core/printalignment.h"
#include "common/ui/printersurface.h"
#include "tests/support/keeppdf.h"
#include "tests/support/money.h"
#include "tests/support/recordingsurface.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace invoicing;
using pellar::PrintLog;
using pellar::PrintOp;
using pellar::RecordingSurface;
using pellar::testing::money;

namespace {

const QColor kBlack(Qt::black);

InvoicePrintData sampleInvoice() {
    InvoicePrintData d;
    d.business = {"Acme Plumbing", "12 Main St",   "PO Box 9",         "Springfield", "IL",
                  "62701",         "217-555-0100", "acme@example.com", "12-3456789"};
    d.customer = {"Jane Doe", "4 Elm Rd", "", "Riverton", "WY", "82501"};
    d.invoiceNumber = QStringLiteral("20260001");
    d.reference = QStringLiteral("PO-77");
    d.date = QDate(2026, 12, 6);
    d.lines = {{"2", "Copper elbow", money("10"), money("20")},
               {"1", "Valve", money("1234.5"), money("1234.5")}};
    d.subTotal = money("1254.5");
    d.labor = money("50");
    d.shipping = money("7.25");
    d.charges = money("3");
    d.tax = money("62.725"); // shown to the cent, half away from zero
    d.grandTotal = money("1377.475");
    d.discount = money("25.09");
    d.discountDays = QStringLiteral("10");
    d.remittance = true;
    d.color = true;
    return d;
}

void expectNoOverlaps(const PrintLog& log) {
    EXPECT_TRUE(log.overlaps().isEmpty()) << log.overlaps().join(u'\n').toStdString();
}

std::shared_ptr<PrintLog> layOut(const InvoicePrintData& d) {
    RecordingSurface surface;
    InvoicePageLayout(surface, d).printInvoicePages();
    expectNoOverlaps(*surface.log());
    return surface.log();
}

// Every text op of a page as "text@x,y", in printing order.
QStringList placed(const PrintLog& log, int page) {
    QStringList out;
    for (const PrintOp& op : log.textsOnPage(page))
        out << QStringLiteral("%1@%2,%3").arg(op.text).arg(op.x).arg(op.y);
    return out;
}

// Where a text is first printed, as "page:x,y".
QString where(const PrintLog& log, const QString& text) {
    const PrintOp* op = log.findText(text);
    return op ? QStringLiteral("%1:%2,%3").arg(op->page).arg(op->x).arg(op->y) : "missing";
}

QList<PrintOp> rulesOnPage(const PrintLog& log, int page) {
    QList<PrintOp> rules;
    for (const PrintOp& op : log.ops) {
        if (op.page == page && (op.kind == PrintOp::Kind::Line || op.kind == PrintOp::Kind::Box))
            rules << op;
    }
    return rules;
}

int countText(const PrintLog& log, int page, const QString& text) {
    int n = 0;
    for (const PrintOp& op : log.textsOnPage(page))
        n += op.text == text;
    return n;
}

QList<InvoiceLine> numberedRows(int count) {
    QList<InvoiceLine> rows;
    for (int i = 1; i <= count; ++i)
        rows.append({QString::number(i), QStringLiteral("Item %1").arg(i), money("1"),
                     *pellar::Currency::fromWhole(i)});
    return rows;
}

InvoiceLine line(const QString& quantity, const QString& item, const char* price) {
    return {quantity, item, money(price), money(price)};
}

} // namespace

TEST(InvoicePageLayout, FirstPageWithRemittanceInColour) {
    const InvoicePrintData d = sampleInvoice();
    const std::shared_ptr<PrintLog> log = layOut(d);
    EXPECT_EQ(log->pageCount(), 1);

    // The frame: the header box, then every rule, black and one screen dot wide.
    const QList<PrintOp> rules = rulesOnPage(*log, 1);
    ASSERT_EQ(rules.size(), 11);
    const QList<QList<double>> expected{
        {360, 504, 11880, 5040},    {360, 5760, 11880, 5760},    {360, 6120, 11880, 6120},
        {360, 14400, 11880, 14400}, {360, 12240, 11880, 12240},  {360, 13680, 11880, 13680},
        {360, 5760, 360, 14400},    {1800, 5760, 1800, 14400},   {11880, 5760, 11880, 14400},
        {7920, 13680, 7920, 12240}, {10080, 13680, 10080, 14400}};
    for (qsizetype i = 0; i < rules.size(); ++i) {
        EXPECT_EQ(QList<double>({rules[i].x, rules[i].y, rules[i].x2, rules[i].y2}), expected[i])
            << i;
        EXPECT_EQ(rules[i].kind, i == 0 ? PrintOp::Kind::Box : PrintOp::Kind::Line);
        EXPECT_EQ(rules[i].color, kBlack);
        EXPECT_EQ(rules[i].drawWidth, kRulingPenDots);
    }

    EXPECT_EQ(placed(*log, 1),
              QStringList({
                  "INVOICE@7200,576",
                  // Business header: the telephone is not printed.
                  "Acme Plumbing@1440,720",
                  "12 Main St@1440,1056",
                  "PO Box 9@1440,1296",
                  "Springfield, IL. 62701@1440,1536",
                  "acme@example.com@1440,1776",
                  "12-3456789@1440,2016",
                  "Date 12/6/2026@7200,1296",
                  "INVOICE NO: 20260001@7200,1536",
                  "Reference: PO-77@7200,1776",
                  "Page  1@7200,2016",
                  "QTY@864,5832",
                  "DESCRIPTION@3960,5832",
                  "PRICE@8784,5832",
                  "TOTAL@10800,5832",
                  "Detach Here and Return Top Section@4320,5184",
                  // Customer block: the empty apt/PO box line is left out.
                  "Jane Doe@1440,3312",
                  "4 Elm Rd@1440,3552",
                  "Riverton, WY 82501@1440,3792",
                  // Item lines: the empty line, then rows from 4.5 in, amounts right-aligned.
                  "@0,4032",
                  "2@1340,6480",
                  "$10.00@9192,6480",
                  "$20.00@10920,6480",
                  "Copper elbow@2160,6480",
                  "1@1340,6720",
                  "$1,234.50@8892,6720",
                  "$1,234.50@10620,6720",
                  "Valve@2160,6720",
                  "@0,6960",
                  "ITEM SUB-TOTAL@5040,7200",
                  "$1,254.50@10620,7200",
                  "LABOR@5040,7440",
                  "$50.00@10920,7440",
                  "SHIPPING CHARGE@5040,7680",
                  "$7.25@11020,7680",
                  "ADDITIONAL CHARGES@5040,7920",
                  "$3.00@11020,7920",
                  "TAX@5040,8160",
                  "$62.73@10920,8160",
                  // Terms and grand total share the line at 9.6 in; the grand total at 12 pt.
                  "Deduct a Discount of $25.09 if Paid in 10 days@1872,13824",
                  "Thank you for your Business@1872,14064",
                  "$1,377.48@10440,13824",
              }));

    // Fonts and colours where they matter.
    const auto font = [&](const QString& text) {
        const PrintOp* op = log->findText(text);
        return op ? QStringLiteral("%1 %2%3 %4")
                        .arg(op->fontName)
                        .arg(op->fontSize)
                        .arg(op->bold ? "b" : "")
                        .arg(op->color.name())
                  : QStringLiteral("missing");
    };
    EXPECT_EQ(font("INVOICE"), "Ariel 28b #000000");
    EXPECT_EQ(font("Acme Plumbing"), "Ariel 14b #000000");
    EXPECT_EQ(font("12 Main St"), "Ariel 10 #000000");
    EXPECT_EQ(font("Page  1"), "Ariel 10b #0000ff");
    EXPECT_EQ(font("TOTAL"), "Ariel 10b #0000ff");
    EXPECT_EQ(font("Detach Here and Return Top Section"), "Ariel 6b #000000");
    // After the detach note the customer block and the rows are regular.
    EXPECT_EQ(font("Jane Doe"), "Ariel 10 #000000");
    EXPECT_EQ(font("Copper elbow"), "Ariel 10 #0000ff");
    EXPECT_EQ(font("ITEM SUB-TOTAL"), "Ariel 10b #0000ff");
    EXPECT_EQ(font("Thank you for your Business"), "Ariel 10b #0000ff");
    EXPECT_EQ(font("$1,377.48"), "Ariel 12b #0000ff");
}

TEST(InvoicePageLayout, PlainPaperMonochromeAndBusinessHeaderVariants) {
    InvoicePrintData d = sampleInvoice();
    d.remittance = false;
    d.color = false;
    d.business.name = QStringLiteral("Acme Plumbing Co"); // 16 characters
    d.business.poBox.clear();
    d.business.st.clear(); // the city keeps its comma; the ZIP needs a state
    d.business.fax.clear();
    d.customer.poBox = QStringLiteral("Apt 3");
    const std::shared_ptr<PrintLog> log = layOut(d);

    EXPECT_EQ(log->findText("Detach Here and Return Top Section"), nullptr);
    const QStringList page = placed(*log, 1);
    EXPECT_EQ(page.mid(1, 4), QStringList({"Acme Plumbing Co@1440,720", "12 Main St@1440,960",
                                           "Springfield, @1440,1200", "12-3456789@1440,1440"}));
    EXPECT_EQ(log->findText("Acme Plumbing Co")->fontSize, 10);
    EXPECT_TRUE(page.contains("Apt 3@1440,3792"));
    EXPECT_TRUE(page.contains("Riverton, WY 82501@1440,4032"));
    // Without the note the block and the rows keep the heading's bold.
    EXPECT_TRUE(log->findText("Jane Doe")->bold);
    EXPECT_TRUE(log->findText("Copper elbow")->bold);
    for (const PrintOp& op : log->ops) {
        EXPECT_EQ(op.colorMode, pellar::ColorMode::Monochrome);
        EXPECT_NE(op.color, kInvoiceBlue) << op.text.toStdString();
    }

    EXPECT_EQ(InvoicePageLayout::businessCityLine({}), QString());
    EXPECT_EQ(InvoicePageLayout::businessCityLine({"", "", "", "", "IL", "62701", "", "", ""}),
              "IL. 62701");

    // A name too long for the header is cut before the title (layOut checks it).
    d.business.name = QString(70, u'N');
    EXPECT_NE(layOut(d)->findText(QString(55, u'N') + u'…'), nullptr);

    // A name of fifteen characters still has the large type.
    d.business.name = QStringLiteral("Acme Plumbing C");
    EXPECT_EQ(layOut(d)->findText("Acme Plumbing C")->fontSize, 14);
}

TEST(InvoicePageLayout, OptionalChargesCreditAndDiscountTerms) {
    InvoicePrintData d = sampleInvoice();
    d.lines.clear();          // an invoice without lines still prints
    d.labor = money("0.004"); // what shows as $0.00 is left off
    d.shipping = {};
    d.tax = {};
    d.charges = money("-5");
    d.discount = money("0.004");
    const std::shared_ptr<PrintLog> log = layOut(d);
    const QStringList page = placed(*log, 1);
    const qsizetype subTotal = page.indexOf("ITEM SUB-TOTAL@5040,6720");
    ASSERT_GE(subTotal, 0);
    EXPECT_EQ(page.mid(subTotal, 6),
              QStringList({"ITEM SUB-TOTAL@5040,6720", "$1,254.50@10620,6720",
                           "CREDIT ISSUED@5040,6960", "($5.00)@10820,6960",
                           "Thank you for your Business@1872,13824", "$1,377.48@10440,13824"}));

    // A grand total too wide for its box at 12 point is set smaller, right edge kept.
    d.grandTotal = money("1234567.89");
    const std::shared_ptr<PrintLog> wide = layOut(d);
    EXPECT_EQ(where(*wide, "$1,234,567.89"), "1:10220,13824"); // 13 characters from 11520
    EXPECT_EQ(wide->findText("$1,234,567.89")->fontSize, 10);
}

TEST(InvoicePageLayout, WrappingPiecesAndFirstWordsTooWide) {
    RecordingSurface s; // 10 point: 100 twips a character; width 1020 leaves room for 10
    EXPECT_EQ(wrapText(s, "aaa bbb ccc ddd", 1020), QStringList({"aaa bbb ", "ccc ddd"}));
    // The last word goes down too when it does not fit.
    EXPECT_EQ(wrapText(s, "aaaa bbbb cc", 1020), QStringList({"aaaa bbbb ", "cc"}));
    // Blanks after a piece are dropped; blanks inside a piece stay.
    EXPECT_EQ(wrapText(s, "aa  bb      cccccc", 1020), QStringList({"aa  bb    ", "cccccc"}));
    // A word wider than the column is broken at its edge, wherever it stands.
    EXPECT_EQ(wrapText(s, "abcdefghijklmnop", 1020), QStringList({"abcdefghij", "klmnop"}));
    EXPECT_EQ(wrapText(s, "abcdefghijklmnop qr st", 1020),
              QStringList({"abcdefghij", "klmnop qr ", "st"}));
    EXPECT_EQ(wrapText(s, "xx abcdefghijklmnop qr", 1020),
              QStringList({"xx ", "abcdefghij", "klmnop qr"}));
    EXPECT_EQ(wrapText(s, "abcdefghij k", 1020), QStringList({"abcdefghij", "k"}));
    EXPECT_EQ(wrapText(s, "abc", 50), QStringList({"a", "b", "c"})); // never stalls
    EXPECT_EQ(wrapText(s, "", 1020), QStringList({""}));
    EXPECT_EQ(wrapText(s, "          ", 520), QStringList({"     "}));

    printWrapped(s, 2160, 500, 1020, "aaa bbb ccc ddd");
    printWrapped(s, 2160, 0, 1020, ""); // y 0 is a position like any other here
    const QStringList out = placed(*s.log(), 1);
    EXPECT_EQ(out, QStringList({"aaa bbb @2160,500", "ccc ddd@2160,740", "@2160,0"}));
    EXPECT_EQ(s.currentY(), 240);
}

TEST(InvoicePageLayout, LongDescriptionsWrapInTheirColumn) {
    InvoicePrintData d = sampleInvoice();
    // 60 characters: 50 fit in the 3.5 in column at 10 point.
    const QString words = QStringLiteral("Copper pipe three quarter inch type L sold by the foot "
                                         "cut to");
    d.lines = {{"3", words, money("4"), money("12")},
               line("1", QString(60, u'W'), "2"),
               line("1", "Tape", "1")};
    const QStringList page = placed(*layOut(d), 1);
    const qsizetype first = page.indexOf("3@1340,6480");
    ASSERT_GE(first, 0);
    EXPECT_EQ(
        page.mid(first, 13),
        QStringList({"3@1340,6480", "$4.00@9292,6480", "$12.00@10920,6480",
                     "Copper pipe three quarter inch type L sold by the @2160,6480",
                     "foot cut to@2160,6720", "1@1340,6960", "$2.00@9292,6960", "$2.00@11020,6960",
                     QString(50, u'W') + "@2160,6960", QString(10, u'W') + "@2160,7200",
                     "1@1340,7440", "$1.00@9292,7440", "$1.00@11020,7440"}));
}

TEST(InvoicePageLayout, MemoLinesEmptyLinesAndTheBandsLimit) {
    InvoicePrintData d = sampleInvoice();
    d.memo = {QStringLiteral("Checks payable to Acme Plumbing."), QString(),
              QStringLiteral("All work guaranteed for one year from the date of this invoice "
                             "as stated.")};
    std::shared_ptr<PrintLog> log = layOut(d);
    QStringList page = placed(*log, 1);
    const qsizetype memo = page.indexOf("Checks payable to Acme Plumbing.@2880,12600");
    ASSERT_GE(memo, 0);
    // Wrapped at the memo band's divider (5040 twips: 50 characters), black, 10 point bold.
    EXPECT_EQ(page.mid(memo, 4),
              QStringList({"Checks payable to Acme Plumbing.@2880,12600", "@2880,12840",
                           "All work guaranteed for one year from the date of @2880,13080",
                           "this invoice as stated.@2880,13320"}));
    EXPECT_EQ(log->findText("Checks payable to Acme Plumbing.")->color, kBlack);
    EXPECT_TRUE(log->findText("Checks payable to Acme Plumbing.")->bold);

    // Only four lines fit above the bottom band's rule; one more is left off, and the
    // measure the setup form shows says so.
    d.memo = {"one", "two", "three", "four", "five"};
    log = layOut(d);
    EXPECT_NE(log->findText("four"), nullptr);
    EXPECT_EQ(log->findText("five"), nullptr);
    RecordingSurface measuring;
    const MemoFit tooLong = fitInvoiceMemo(measuring, d.memo);
    EXPECT_EQ(std::tuple(tooLong.lines, tooLong.fitting, tooLong.room), std::tuple(5, 4, 4));
    // A memo line wraps to several printed lines, each counted.
    const MemoFit wrapped = fitInvoiceMemo(measuring, {"one", QString(60, u'x')});
    EXPECT_EQ(std::pair(wrapped.lines, wrapped.fitting), std::pair(3, 3));
    EXPECT_EQ(where(*log, "Thank you for your Business"), "1:1872,14064");
}

TEST(InvoicePageLayout, SecondPageRepeatsTheFormAndCarriesTheRows) {
    InvoicePrintData d = sampleInvoice();
    d.lines = numberedRows(30);
    const std::shared_ptr<PrintLog> log = layOut(d);
    ASSERT_EQ(log->pageCount(), 2);

    // Page 1 holds 23 rows: the 24th would reach the memo band at 8.5 in.
    EXPECT_EQ(where(*log, "Item 23"), "1:2160,11760");
    EXPECT_EQ(where(*log, "Item 24"), "2:2160,6336");
    EXPECT_EQ(log->findText("Item 24")->color, kBlack); // after a break the rows come in black

    // The whole form again, without the detach note.
    const QList<PrintOp> rules = rulesOnPage(*log, 2);
    ASSERT_EQ(rules.size(), 11);
    for (const PrintOp& rule : rules)
        EXPECT_EQ(rule.color, kBlack);
    const QStringList page2 = placed(*log, 2);
    for (const char* text :
         {"INVOICE@7200,576", "Acme Plumbing@1440,720", "Date 12/6/2026@7200,1296",
          "INVOICE NO: 20260001@7200,1536", "Reference: PO-77@7200,1776", "Page  2@7200,2016",
          "Jane Doe@1440,3312", "Riverton, WY 82501@1440,3792", "QTY@864,5832"})
        EXPECT_TRUE(page2.contains(text)) << text;
    EXPECT_EQ(countText(*log, 2, "Detach Here and Return Top Section"), 0);
    // The column headings once, as on page 1, not smudged by a second print.
    EXPECT_EQ(countText(*log, 2, "QTY"), 1);
    EXPECT_EQ(log->textsOnPage(2).first().text, "INVOICE");
    for (const PrintOp& op : log->textsOnPage(2)) {
        if (op.text == "INVOICE" || op.text == "Acme Plumbing") {
            EXPECT_EQ(op.color, kBlack) << "the frame of a continued page stays black";
        }
    }

    // The totals follow the last row on page 2, the foot is on page 2 only.
    EXPECT_EQ(where(*log, "ITEM SUB-TOTAL"), "2:5040,8256"); // 7 rows and the empty line
    EXPECT_EQ(log->findText("$1,377.48")->page, 2);
    EXPECT_EQ(countText(*log, 1, "Thank you for your Business"), 0);
}

TEST(InvoicePageLayout, RowsAndTotalsNeverCrossTheMemoBand) {
    InvoicePrintData d = sampleInvoice();
    // 22 rows end at 11760: the empty line fits, the sub-total does not.
    d.lines = numberedRows(22);
    std::shared_ptr<PrintLog> log = layOut(d);
    ASSERT_EQ(log->pageCount(), 2);
    EXPECT_EQ(log->findText("Item 22")->page, 1);
    EXPECT_EQ(where(*log, "ITEM SUB-TOTAL"), "2:5040,6336");
    EXPECT_EQ(where(*log, "LABOR"), "2:5040,6576");

    // 21 rows: the sub-total fits on page 1, the labor line goes over.
    d.lines = numberedRows(21);
    log = layOut(d);
    EXPECT_EQ(log->findText("ITEM SUB-TOTAL")->page, 1);
    EXPECT_EQ(where(*log, "LABOR"), "2:5040,6336");

    // A wrapped row that would not fit below row 20 moves to the next page whole.
    d.lines = numberedRows(20);
    d.lines.append(line("1", QString("word ").repeated(40), "1"));
    log = layOut(d);
    EXPECT_EQ(where(*log, "word word word word word word word word word word "), "2:2160,6336");

    // A description longer than a page is carried over piece by piece.
    d.lines = {line("1", QString("word ").repeated(10 * 30), "1")};
    log = layOut(d);
    EXPECT_EQ(log->pageCount(), 2);
    for (const PrintOp& op : log->texts()) {
        if (op.text.startsWith("word")) {
            EXPECT_LT(op.y + 240, 12240) << "page " << op.page;
        }
    }

    // Nothing of the table ever prints below the memo band's top rule.
    for (int rows : {23, 24, 25, 47, 50}) {
        d.lines = numberedRows(rows);
        log = layOut(d);
        for (const PrintOp& op : log->texts()) {
            if (op.text.startsWith("Item") || op.text == "ITEM SUB-TOTAL" || op.text == "TAX") {
                EXPECT_LT(op.y + 240, 12240) << rows << " rows: " << op.text.toStdString();
            }
        }
    }
}

TEST(InvoicePageLayout, PaperEdgeOriginTheCopysNameAndTheTestPage) {
    EXPECT_EQ(invoiceDocument(QStringLiteral("20260001")).origin, pellar::PageOrigin::PaperEdge);
    EXPECT_EQ(invoiceDocument(QStringLiteral("2026/7:B")).pdfFileName, "Invoice 2026-7-B.pdf");

    // The test page's outlines are drawn without one name over another.
    RecordingSurface testPage;
    pellar::printAlignmentGuides(testPage, QStringLiteral("Invoice"));
    printInvoiceFieldOutlines(testPage);
    expectNoOverlaps(*testPage.log());
    EXPECT_NE(testPage.log()->findText("Grand total"), nullptr);
}

TEST(InvoicePageLayout, TwoPageInvoiceToPdfWithThePrintersOwnMetrics) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    InvoicePrintData d = sampleInvoice();
    d.lines = numberedRows(30);
    d.memo = {QStringLiteral("Checks payable to Acme Plumbing."), QString()};
    pellar::PrinterChoice choice;
    choice.outputFile = dir.filePath("invoice.pdf");
    pellar::PrinterSurface surface(invoiceJobSetup(choice, true, QStringLiteral("Invoice")));
    ASSERT_EQ(surface.error(), QString());
    InvoicePageLayout(surface, d).printInvoicePages();
    EXPECT_EQ(surface.page(), 2);
    EXPECT_TRUE(surface.endDoc()) << surface.error().toStdString();
    EXPECT_GT(QFileInfo(choice.outputFile).size(), 0);
    pellar::testing::keepPrintedFileIfAsked(choice.outputFile);
}
