// The invoicing program without a form. One invoice: its arithmetic, exact from the line to
// the grand total, its steps taken on the draft, and the charge boxes' state machine. Its data
// files (catalogue, counter, options, memo, customer book and register) and the figures and
// exports made from the register. And the printed invoice, laid out on the recording surface,
// whose metrics are: a character is size x 10 twips wide and a line size x 24 twips high (240
// at 10 point).
#include "common/core/printalignment.h"
#include "common/core/regional.h"
#include "common/ui/printersurface.h"
#include "invoicing/core/catalogue.h"
#include "invoicing/core/chargeentry.h"
#include "invoicing/core/customerbook.h"
#include "invoicing/core/invoicedraft.h"
#include "invoicing/core/invoicefiles.h"
#include "invoicing/core/invoiceoptions.h"
#include "invoicing/core/invoicepagelayout.h"
#include "invoicing/core/invoiceregister.h"
#include "invoicing/core/invoicetotals.h"
#include "invoicing/core/salestaxpage.h"
#include "invoicing/core/storedrates.h"
#include "tests/support/datafolder.h"
#include "tests/support/keeppdf.h"
#include "tests/support/money.h"
#include "tests/support/recordingsurface.h"
#include "tests/support/scripteddesk.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <set>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace invoicing;
using pellar::Currency;
using pellar::PrintLog;
using pellar::PrintOp;
using pellar::RecordingSurface;
using pellar::testing::money;
using pellar::testing::ScratchDataFolder;
using pellar::testing::ScriptedDesk;

namespace {

const TaxRule kNoTax{TaxMode::None, QStringLiteral("0.0")};
const TaxRule kMaterial6{TaxMode::MaterialOnly, QStringLiteral("6.0")};
const StepResult kNextLine{false, InvoiceField::Item};

StepResult refusal(InvoiceField field) {
    return {true, field, false};
}

InvoiceDraft inLines(const AddOns& addOns = {}) {
    InvoiceDraft draft;
    draft.start(20260041, addOns);
    draft.beginLines();
    return draft;
}

// An invoice of $200 at the charges, with the add-ons given.
struct Charges {
    explicit Charges(const AddOns& addOns)
        : draft(inLines(addOns)) {
        draft.post("Garden hose", "2", "100", kNoTax);
        draft.completeLines();
        draft.continueFromAddOns({});
    }
    InvoiceDraft draft;
    ChargeEntry entry{draft};
};

// A scratch data folder and a desk whose date is the counter's year.
class BillwrightFiles : public ::testing::Test {
protected:
    ScratchDataFolder folder;
    ScriptedDesk desk;
};

RegisterEntry entry(const char* number, QDate date, const char* total,
                    const char* customer = "Smith") {
    RegisterEntry e;
    e.number = QString::fromLatin1(number);
    e.date = date;
    e.customer = QString::fromUtf8(customer);
    e.nonTaxable = e.total = money(total);
    e.pdfFile = QStringLiteral("Invoices/%1/%2.pdf").arg(date.year()).arg(e.number);
    return e;
}

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

// Printed with the printer's own metrics to a PDF in a scratch folder, kept to look at when
// PELLAR_KEEP_PDF is set.
void printPdf(pellar::PrintJobSetup setup, const QString& name,
              const std::function<void(pellar::PrintSurface&)>& print) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    setup.printer.outputFile = dir.filePath(name);
    pellar::PrinterSurface surface(setup);
    ASSERT_EQ(surface.error(), QString());
    print(surface);
    EXPECT_TRUE(surface.endDoc()) << surface.error().toStdString();
    EXPECT_GT(QFileInfo(setup.printer.outputFile).size(), 0);
    pellar::testing::keepPrintedFileIfAsked(setup.printer.outputFile);
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
    for (const PrintOp& op : log.ops)
        if (op.page == page && (op.kind == PrintOp::Kind::Line || op.kind == PrintOp::Kind::Box))
            rules << op;
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
                     *Currency::fromWhole(i)});
    return rows;
}

InvoiceLine line(const QString& quantity, const QString& item, const char* price) {
    return {quantity, item, money(price), money(price)};
}

} // namespace

TEST(InvoiceArithmetic, PercentagesExtensionsAndLaborAreExactWithHalvesToEven) {
    EXPECT_EQ(percentOf(money("30"), u"6.0"), money("1.8"));
    EXPECT_EQ(percentOf(money("200"), u"1.5"), money("3"));
    // 0.65065 and 0.65195 are exact halves: the even neighbour wins.
    EXPECT_EQ(percentOf(money("10.01"), u"6.5"), money("0.6506"));
    EXPECT_EQ(percentOf(money("10.03"), u"6.5"), money("0.652"));
    // The rate is the text's leading number.
    EXPECT_EQ(percentOf(money("100"), u"7 % state"), money("7"));
    EXPECT_EQ(percentOf(money("100"), u"none"), Currency());
    EXPECT_EQ(percentOf(money("-100"), u"6.25"), money("-6.25"));
    EXPECT_EQ(percentOf(money("100"), u"1e300"), std::nullopt);
    EXPECT_EQ(percentOf(money("100"), u"6,5"), std::nullopt); // not cut to 6

    EXPECT_EQ(lineExtension(money("10"), 3), money("30"));
    EXPECT_EQ(lineExtension(money("0.333"), 3), money("0.999"));
    EXPECT_EQ(lineExtension(money("300000.01"), 1), money("300000.01"));
    EXPECT_EQ(lineExtension(money("0.333"), 12.5), money("4.1625"));
    EXPECT_EQ(lineExtension(money("19.99"), -2), money("-39.98"));
    EXPECT_EQ(lineExtension(money("12.5"), 0), Currency());
    EXPECT_EQ(lineExtension(money("100000000000"), 1e9), std::nullopt);
    EXPECT_EQ(lineExtension(money("1"), std::numeric_limits<double>::infinity()), std::nullopt);

    EXPECT_EQ(laborCharge(money("2.5"), money("45")), money("112.5"));
    EXPECT_EQ(laborCharge(money("1.3333"), money("37.5")), money("49.9988"));
    EXPECT_EQ(laborCharge(money("900000000"), money("900000000")), std::nullopt);
}

TEST(InvoiceArithmetic, QuantitiesAndRatesAreReadWholeInTheRegionalForm) {
    // {}: what cannot be read as a quantity.
    const std::pair<const char16_t*, std::optional<double>> quantities[] = {
        {u"1,000", 1000.0}, {u" 2.5 coils", 2.5}, {u"-3", -3.0},  {u"some", 0.0},
        {u"", 0.0},         {u"1,5", {}},         {u"1.2.3", {}}, {u"1,00", {}},
        {u"1e3", {}},       {u"2E-1 boxes", {}},
    };
    for (const auto& [typed, quantity] : quantities)
        EXPECT_EQ(leadingQuantity(typed), quantity) << QString::fromUtf16(typed).toStdString();

    const pellar::ScopedRegionalSettings german(
        pellar::RegionalSettings::fromLocale(QLocale(QLocale::German, QLocale::Germany)));
    EXPECT_EQ(leadingQuantity(u"1,5"), 1.5);
    EXPECT_EQ(leadingQuantity(u"1.000 Stück"), 1000.0);
    EXPECT_EQ(leadingQuantity(u"1.5"), std::nullopt);
    EXPECT_EQ(percentOf(money("100"), u"6.5"), money("6.5")); // stored rates keep the dot
    EXPECT_EQ(percentOf(money("900000000000000"), u"5000"), std::nullopt);
}

// Each charge box counts what is known up to it; what cannot be held changes nothing.
TEST(InvoiceArithmetic, ChargesAddUpAndAmountsTooLargeToHoldAreRefusedWithNothingChanged) {
    InvoiceTotals totals;
    const Currency huge = Currency::fromUnits(std::numeric_limits<qint64>::max() - 5);
    ASSERT_TRUE(totals.addLine(money("200"), kMaterial6));
    totals.setLabor(money("50"));
    ASSERT_TRUE(totals.acceptLabor(kMaterial6));
    ASSERT_TRUE(totals.enterShipping(money("12.5")));
    EXPECT_EQ(totals.grandTotal(), money("274.5"));
    ASSERT_TRUE(totals.enterCharges(money("-25")));
    EXPECT_EQ(totals.grandTotal(), money("249.5"));
    const InvoiceTotals before = totals;
    EXPECT_FALSE(totals.addLine(huge, kNoTax));
    // The sub-total and the tax would fit, their sum would not.
    EXPECT_FALSE(totals.addLine(money("900000000000000"), kMaterial6));
    EXPECT_FALSE(totals.enterShipping(huge));
    EXPECT_FALSE(totals.enterCharges(huge));
    EXPECT_FALSE(totals.offerDiscount(u"1e300"));
    EXPECT_EQ(totals.subTotal(), before.subTotal());
    EXPECT_EQ(totals.tax(), before.tax());
    EXPECT_EQ(totals.grandTotal(), before.grandTotal());
    EXPECT_EQ(totals.shipping(), money("12.5"));
    EXPECT_EQ(totals.discount(), Currency());
}

// An empty item and a price in words are refused at the form (its tests).
TEST(InvoiceDraft, PostingChecksItsInputsKeepsTheQuantityAsTypedAndDeletingTakesOffWhatItAdded) {
    InvoiceDraft draft = inLines();
    EXPECT_EQ(draft.post("Rope", "", "", kNoTax), refusal(InvoiceField::Price));
    EXPECT_EQ(draft.post("Rope", "", "2", kNoTax), refusal(InvoiceField::Quantity));
    EXPECT_EQ(draft.post("Rope", "1e300", "1000000", kNoTax), refusal(InvoiceField::Quantity));
    EXPECT_TRUE(draft.lines().isEmpty());
    EXPECT_FALSE(draft.completeOffered());

    // A quantity without a leading number is a line of nothing; "2 coils" is 2.
    EXPECT_EQ(draft.post("Rope", "some", "2", kNoTax), kNextLine);
    EXPECT_EQ(draft.post("Rope", "2 coils", "$1,000.50", kNoTax), kNextLine);
    EXPECT_EQ(draft.lines()[0], (InvoiceLine{"some", "Rope", money("2"), Currency()}));
    EXPECT_EQ(draft.lines()[1], (InvoiceLine{"2 coils", "Rope", money("1000.5"), money("2001")}));
    EXPECT_TRUE(draft.completeOffered());

    // A quantity is read whole: 1,000 is a thousand, and 1,5 is refused rather than billed as 1.
    EXPECT_EQ(draft.post("Washer", "1,000", "0.05", kNoTax), kNextLine);
    EXPECT_EQ(draft.lines()[2].extension, money("50"));
    const StepResult cut = draft.post("Washer", "1,5", "0.05", kNoTax);
    EXPECT_EQ(cut, refusal(InvoiceField::Quantity));
    EXPECT_EQ(cut.why, QStringLiteral("The quantity \"1,5\" cannot be read as a number."));
    // A tax rate set up as 6,5 is never taken as 6.
    const TaxRule unreadable{TaxMode::MaterialAndLabor, QStringLiteral("6,5")};
    EXPECT_EQ(draft.post("Washer", "1", "1", unreadable), refusal(InvoiceField::None));
    EXPECT_EQ(draft.lines().size(), 3);

    while (draft.lines().size() < InvoiceDraft::kMaxLines)
        ASSERT_EQ(draft.post("Item", "1", "1", kNoTax), kNextLine);
    EXPECT_EQ(draft.post("One too many", "1", "1", kNoTax), refusal(InvoiceField::None));
    EXPECT_EQ(draft.lines().size(), 50);
    EXPECT_EQ(draft.totals().subTotal(), money("2098"));

    // Deleting a line takes off exactly what it added.
    const TaxRule tax10{TaxMode::MaterialAndLabor, QStringLiteral("10")};
    InvoiceDraft five = inLines();
    const char* items[] = {"Alpha", "Bravo", "Charlie", "Delta", "Echo"};
    for (int i = 0; i < 5; ++i)
        five.post(items[i], QString::number(i + 1), "1.11", tax10);
    EXPECT_EQ(five.totals().subTotal(), money("16.65"));
    EXPECT_EQ(five.totals().grandTotal(), money("18.315"));

    EXPECT_FALSE(five.canDelete(0));
    EXPECT_FALSE(five.canDelete(6));
    EXPECT_EQ(five.deleteLine(3, tax10), kNextLine);
    EXPECT_EQ(five.lines().size(), 4);
    EXPECT_EQ(five.lines()[2].item, "Delta");
    EXPECT_EQ(five.totals().subTotal(), money("13.32"));
    EXPECT_EQ(five.totals().tax(), money("1.332"));

    // Thousands and fractions of a cent come off whole.
    InvoiceDraft exact = inLines();
    const TaxRule material{TaxMode::MaterialOnly, QStringLiteral("6.5")};
    exact.post("Site survey", "1", "300000.01", material);
    exact.post("Washer", "3", "0.333", material);
    EXPECT_EQ(exact.totals().tax(), money("19500.0656")); // on the whole sub-total
    exact.deleteLine(1, material);
    EXPECT_EQ(exact.totals().subTotal(), money("0.999"));
    EXPECT_EQ(exact.totals().tax(), money("0.0649"));
    exact.deleteLine(1, material);
    EXPECT_TRUE(exact.totals().subTotal().isZero() && exact.totals().grandTotal().isZero());

    // Lines are deleted only while they are entered.
    exact.post("Shelf", "1", "10.01", material);
    EXPECT_EQ(exact.totals().tax(), money("0.6506"));
    exact.completeLines();
    EXPECT_FALSE(exact.canDelete(1));
}

// Ticked add-ons opening the charges, the discount offered, the focus going on from shipping,
// and the lines, totals and number after a redo are walked on the invoice form.
TEST(InvoiceDraft, AddOnsGreyedOrNoneGoToPrintABadDiscountIsRefusedAndRedoKeepsThem) {
    InvoiceOptions options;
    options.discountPercent = QStringLiteral("1.5");
    // A greyed discount offers nothing; a mark still opens the charges. No add-on: Print.
    InvoiceDraft greyed = inLines({kClear, kClear, kClear, kGreyed});
    greyed.post("Hinge", "1", "50", kNoTax);
    EXPECT_EQ(greyed.continueFromAddOns(options), (StepResult{false, InvoiceField::Print}));
    EXPECT_TRUE(greyed.totals().discount().isZero());
    EXPECT_TRUE(greyed.chargesOpen());
    InvoiceDraft none = inLines();
    EXPECT_EQ(none.continueFromAddOns(options), (StepResult{false, InvoiceField::Print}));
    EXPECT_FALSE(none.chargesOpen());

    // A percentage no invoice can hold: the alarm, no offer, and the walk goes on.
    InvoiceDraft draft = inLines({kClear, kTicked, kTicked, kTicked});
    draft.post("Garden hose", "2", "100", kNoTax);
    draft.completeLines();
    draft.continueFromAddOns(options);
    options.discountPercent = QStringLiteral("1e300");
    EXPECT_EQ(draft.continueFromAddOns(options), (StepResult{true, InvoiceField::Shipping}));
    EXPECT_EQ(draft.totals().discount(), money("3")); // the one offered before stands

    // A redo keeps the reference, the add-ons and the counter's number.
    InvoiceDraft redone = inLines({kClear, kTicked, kClear, kTicked});
    redone.setReference("PO-7781");
    redone.setNumber("A-17");
    redone.post("Alpha", "2", "5", kNoTax);
    redone.completeLines();
    redone.continueFromAddOns({});
    redone.redo();
    EXPECT_EQ(redone.stage(), InvoiceDraft::Stage::Ready);
    EXPECT_FALSE(redone.printable() || redone.chargesOpen() || redone.completeOffered());
    EXPECT_TRUE(redone.totals().discount().isZero());
    EXPECT_EQ(redone.reference(), "PO-7781");
    EXPECT_EQ(redone.counter(), 20260041);
    EXPECT_EQ(redone.addOns(), (AddOns{kClear, kTicked, kClear, kTicked}));
    EXPECT_EQ(redone.afterShipping(), InvoiceField::CreateInvoice);

    EXPECT_EQ(CustomerAddress({"N", "S", "Apt 2", "C", "ST", "Z"}).block(),
              "N\r\nS\r\nApt 2\r\nC,ST\r\nZ");
}

TEST(InvoiceDraft, LaborIsWorkedOutThenAcceptedAndTaxedOnlyWithMaterialAndLabor) {
    // Per tax mode: the grand total before the labor is entered, then the tax and the total.
    const struct {
        TaxMode mode;
        const char *before, *tax, *grand;
    } cases[] = {{TaxMode::MaterialAndLabor, "31.8", "7.8", "137.8"},
                 {TaxMode::MaterialOnly, "31.8", "1.8", "131.8"},
                 {TaxMode::None, "30", "0", "130"}};
    for (const auto& c : cases) {
        const TaxRule rule{c.mode, QStringLiteral("6.0")};
        InvoiceOptions options;
        options.setLaborMode(LaborMode::Calculated);
        options.hourlyRate = QStringLiteral("45");
        InvoiceDraft draft = inLines({kGreyed, kClear, kClear, kClear});
        draft.post("Widget", "3", "10", rule);
        EXPECT_EQ(draft.continueFromAddOns(options), (StepResult{false, InvoiceField::Hours}));
        EXPECT_TRUE(draft.laborOpen());
        EXPECT_EQ(draft.offeredRate(), "$45.00");

        EXPECT_EQ(draft.enterLabor("", rule), refusal(InvoiceField::LaborRedo));
        EXPECT_EQ(draft.calculateLabor("two", "$45.00"), refusal(InvoiceField::Hours));
        EXPECT_EQ(draft.calculateLabor("2.5", "n/a"), refusal(InvoiceField::Rate));
        EXPECT_EQ(draft.calculateLabor("2.5", "$45.00"),
                  (StepResult{false, InvoiceField::EnterLabor}));
        EXPECT_EQ(draft.totals().labor(), money("112.5"));
        EXPECT_TRUE(draft.acceptedLabor().isZero()); // counts once Enter takes it
        EXPECT_EQ(draft.totals().grandTotal(), money(c.before));

        EXPECT_EQ(draft.enterLabor("lots", rule),
                  (StepResult{true, InvoiceField::LaborTotal, true}));
        // The box was typed into without being left: what it shows is the charge.
        EXPECT_EQ(draft.enterLabor("$100.00", rule), (StepResult{false, InvoiceField::Print}));
        EXPECT_FALSE(draft.laborOpen());
        EXPECT_EQ(draft.acceptedLabor(), money("100"));
        EXPECT_EQ(draft.totals().tax(), money(c.tax));
        EXPECT_EQ(draft.totals().grandTotal(), money(c.grand));
    }
}

// Formatting, tinting and the focus after each box go through the invoice form's tests.
TEST(ChargeEntry, EachBoxTakesItsAmountOutWhileEnteredAndARefusedTextStaysUntilCorrected) {
    Charges c({kClear, kTicked, kTicked, kClear});
    c.entry.entered(ChargeBox::Shipping);
    c.entry.left(ChargeBox::Shipping, "12.5");
    c.entry.entered(ChargeBox::Charges);
    c.entry.left(ChargeBox::Charges, "-25");
    EXPECT_EQ(c.draft.totals().grandTotal(), money("187.5"));

    c.entry.entered(ChargeBox::Shipping);
    EXPECT_TRUE(c.draft.totals().shipping().isZero());
    EXPECT_EQ(c.entry.left(ChargeBox::Shipping, "").text, "$0.00");
    EXPECT_EQ(c.draft.totals().grandTotal(), money("200"));

    // A leave for a box whose entry was not seen means nothing.
    EXPECT_FALSE(c.entry.left(ChargeBox::Charges, "99").text.has_value());

    Charges unchosen({kClear, kClear, kClear, kGreyed});
    const ChargeReaction passed = unchosen.entry.entered(ChargeBox::Shipping);
    EXPECT_EQ(passed.text, "$0.00");
    EXPECT_EQ(passed.focus, InvoiceField::Print);
    EXPECT_EQ(unchosen.draft.totals().grandTotal(), money("200"));

    Charges refused({kClear, kClear, kTicked, kClear});
    refused.entry.entered(ChargeBox::Charges);
    ChargeReaction r = refused.entry.left(ChargeBox::Charges, "about 5");
    EXPECT_TRUE(r.alarm);
    EXPECT_EQ(refused.entry.refusedBox(), ChargeBox::Charges);

    // The focus coming back is no new entry: nothing is cleared.
    r = refused.entry.entered(ChargeBox::Charges);
    EXPECT_FALSE(r.text.has_value());
    refused.entry.settled();

    r = refused.entry.left(ChargeBox::Charges, "5");
    EXPECT_EQ(r.text, "$5.00");
    EXPECT_EQ(refused.entry.refusedBox(), std::nullopt);

    // An amount too large to add to the invoice is refused like a word.
    refused.entry.entered(ChargeBox::Charges);
    r = refused.entry.left(ChargeBox::Charges, "922337203685477");
    EXPECT_TRUE(r.alarm);
    EXPECT_EQ(refused.entry.refusedBox(), ChargeBox::Charges);
    refused.entry.settled();
    // Entering it afresh after the person left it another way drops the refusal.
    refused.entry.entered(ChargeBox::Charges);
    EXPECT_EQ(refused.entry.refusedBox(), std::nullopt);

    Charges labor({kTicked, kClear, kClear, kClear});
    EXPECT_FALSE(labor.entry.entered(ChargeBox::Labor).text.has_value()); // not emptied
    ChargeReaction reaction = labor.entry.left(ChargeBox::Labor, "");
    EXPECT_EQ(reaction.text, "$0.00");
    EXPECT_EQ(reaction.focus, InvoiceField::EnterLabor);

    labor.entry.entered(ChargeBox::Labor);
    reaction = labor.entry.left(ChargeBox::Labor, "lots");
    EXPECT_TRUE(reaction.alarm);
    EXPECT_EQ(reaction.focus, InvoiceField::LaborTotal);
    labor.entry.accepted();
    EXPECT_EQ(labor.entry.refusedBox(), std::nullopt);

    // Once the form is going, focus moves change nothing.
    labor.entry.stop();
    EXPECT_FALSE(labor.entry.entered(ChargeBox::Shipping).text.has_value());
}

TEST_F(BillwrightFiles, CounterIsMadeRestoredKeptAcrossTheYearOrReset) {
    const QByteArray year = QByteArray::number(desk.today().year());
    // No file, but a backup copy: restored, then the copy dropped.
    folder.put("Backup/BWInvoiceNo.txt", "20260042\r\n");
    EXPECT_EQ(loadInvoiceNumber(folder, desk.today()).counter, 20260042);
    EXPECT_EQ(folder.bytes("BWInvoiceNo.txt"), "20260042\r\n");
    EXPECT_FALSE(folder.exists("Backup/BWInvoiceNo.txt"));

    // No file at all: the year and 0001, saved at once.
    ASSERT_TRUE(QFile::remove(folder.file("BWInvoiceNo.txt")));
    InvoiceCounterLoad load = loadInvoiceNumber(folder, desk.today());
    EXPECT_EQ(QByteArray::number(load.counter), year + "0001");
    EXPECT_TRUE(load.saved.ok);
    EXPECT_EQ(folder.bytes("BWInvoiceNo.txt"), year + "0001\r\n");

    // Zero, a word, nothing at all or too large: the year and 0000.
    for (const QByteArray& content : {QByteArray("0\r\n"), QByteArray("\"twelve\"\r\n"),
                                      QByteArray(""), QByteArray("99999999999\r\n")}) {
        folder.put("BWInvoiceNo.txt", content);
        load = loadInvoiceNumber(folder, desk.today());
        EXPECT_EQ(QByteArray::number(load.counter), year + "0000") << content.constData();
        EXPECT_EQ(folder.bytes("BWInvoiceNo.txt"), year + "0000\r\n");
    }

    // Counting goes on into the next year, and a backup copy is dropped on saving: an older
    // copy could otherwise come back in place of a lost counter.
    desk.setToday(QDate(2027, 1, 2));
    folder.put("BWInvoiceNo.txt", "20260417\r\n");
    folder.put("Backup/BWInvoiceNo.txt", "20260001\r\n");
    load = loadInvoiceNumber(folder, desk.today());
    EXPECT_EQ(load.counter, 20260417);
    ASSERT_TRUE(saveInvoiceCounter(folder, load.counter + 1).ok);
    EXPECT_EQ(folder.bytes("BWInvoiceNo.txt"), "20260418\r\n");
    EXPECT_FALSE(folder.exists("Backup/BWInvoiceNo.txt"));
}

TEST_F(BillwrightFiles, CatalogueAndMemoComeBackWholeAndTheCatalogueIsSavedOverOtherChanges) {
    EXPECT_TRUE(loadItems(folder).items.isEmpty());
    EXPECT_FALSE(folder.exists("SalesItems.txt")); // reading never creates it

    const QStringList entries{"Bolts, 3/8 inch", "\"Best\" hinge", "anchor  ", "Caf\u00e9 table"};
    ASSERT_TRUE(writeItems(folder, entries).ok);
    EXPECT_EQ(folder.bytes("SalesItems.txt"),
              "Bolts, 3/8 inch\r\n\"Best\" hinge\r\nanchor  \r\nCaf\xe9 table\r\n");

    const CatalogueRead read = loadItems(folder);
    EXPECT_TRUE(read.problem.isEmpty());
    // Sorted without regard to case; blanks at the ends dropped; commas and quotes kept.
    EXPECT_EQ(read.items,
              (QStringList{"\"Best\" hinge", "anchor", "Bolts, 3/8 inch", "Caf\u00e9 table"}));

    // Blank lines and bare line feeds, as an editor might leave them.
    folder.put("SalesItems.txt", "washer\n\n   \r\nNut\r\n");
    EXPECT_EQ(loadItems(folder).items, (QStringList{"Nut", "washer"}));

    ASSERT_TRUE(QFile::remove(folder.file("SalesItems.txt")));
    folder.put("Backup/SalesItems.txt", "Gasket\r\n");
    EXPECT_EQ(loadItems(folder).items, QStringList{"Gasket"});
    EXPECT_EQ(folder.bytes("SalesItems.txt"), "Gasket\r\n");

    // A line break typed into an entry cannot split it.
    ASSERT_TRUE(writeItems(folder, {QStringLiteral("two\nlines")}).ok);
    EXPECT_EQ(folder.bytes("SalesItems.txt"), "two lines\r\n");
    ASSERT_TRUE(writeItems(folder, {}).ok);
    EXPECT_TRUE(folder.exists("SalesItems.txt"));
    EXPECT_EQ(folder.bytes("SalesItems.txt"), QByteArray());

    EXPECT_FALSE(readInvoiceMemo(folder).found);
    folder.put("InvoiceMemo.txt", "Thank you, \"friend\"\r\n\r\n  Net 30  \r\n");
    const MemoRead memo = readInvoiceMemo(folder);
    EXPECT_TRUE(memo.found);
    EXPECT_EQ(memo.lines, (QStringList{"Thank you, \"friend\"", "", "  Net 30  "}));

    folder.put("SalesItems.txt", "Bolt\r\nHinge\r\nNut\r\n");
    Catalogue catalogue(loadItems(folder));
    catalogue.add("Washer");
    catalogue.add("HINGE"); // in order without regard to case, after its equal
    catalogue.removeAt(catalogue.find("Nut", -1));
    // Meanwhile another copy added a screw and deleted the bolt.
    folder.put("SalesItems.txt", "Hinge\r\nNut\r\nScrew\r\n");
    ASSERT_TRUE(catalogue.saveChanges(folder));
    EXPECT_EQ(folder.bytes("SalesItems.txt"), "Hinge\r\nHINGE\r\nScrew\r\nWasher\r\n");
}

// A file written under either region's settings, now or by an earlier copy that stored the
// rates as typed, taxes, discounts and offers labor the same under both.
TEST(BillwrightOptionsRecord, RatesReadTheSameUnderEitherRegionLaterTrueWinsAndDefaultsFillIn) {
    const auto record = [](const char* tax, const char* hourly, const char* discount) {
        return QByteArray("#TRUE#,#FALSE#,#FALSE#,#FALSE#,#TRUE#,\"") + tax + "\",1,0,0,\"" +
               hourly + "\",1,\"" + discount + "\",\"10\",1,#FALSE#,#TRUE#\r\n";
    };
    const auto german = pellar::RegionalSettings::fromLocale(QLocale(QStringLiteral("de_DE")));
    const auto us = pellar::RegionalSettings::unitedStates();
    for (const auto& [region, file] : {std::pair{&us, record("6.5", "1045.00", "1.5")},
                                       std::pair{&german, record("6.5", "1045.00", "1.5")},
                                       std::pair{&us, record("6.5", "1,045.00", "1.5")},
                                       std::pair{&german, record("6,5", "1.045,00", "1,5")}}) {
        const pellar::ScopedRegionalSettings scoped(*region);
        const InvoiceOptions o = decodeInvoiceOptions(file).options;
        SCOPED_TRACE(file.toStdString() + (region == &us ? " US" : " DE"));
        EXPECT_EQ(encodeInvoiceOptions(o), record("6.5", "1045.00", "1.5"));

        InvoiceDraft draft = inLines(AddOns::from(o));
        ASSERT_FALSE(draft.post("Bolt", "1", "100", TaxRule::from(o)).alarm);
        EXPECT_EQ(draft.totals().tax(), money("6.5"));
        draft.completeLines();
        EXPECT_FALSE(draft.continueFromAddOns(o).alarm);
        EXPECT_EQ(draft.totals().discount(), money("1.5"));
        EXPECT_EQ(draft.offeredRate(), pellar::formatCurrency(Currency::fromUnits(10450000)));
    }

    // The setup form takes and shows rates in the regional form.
    EXPECT_EQ(storedRate(u"1.045,5 %", german), QStringLiteral("1045.5 %"));
    EXPECT_EQ(storedRate(u"1,5,5", german), QStringLiteral("1,5,5")); // kept: refused when used
    EXPECT_EQ(shownRate(u"6.5 %", german), QStringLiteral("6,5 %"));
    EXPECT_EQ(shownRate(u"6.5", us), QStringLiteral("6.5"));

    // Two true tax modes, both labor modes, both paper choices; then groups with none true.
    InvoiceOptions o = decodeInvoiceOptions("#TRUE#,#TRUE#,#FALSE#,#TRUE#,#TRUE#,\"5.0\",1,0,0,"
                                            "\"0\",1,\"0.0\",\"0\",0,#TRUE#,#TRUE#\r\n")
                           .options;
    EXPECT_EQ(o.taxMode(), TaxMode::MaterialOnly);
    EXPECT_FALSE(o.taxAll);
    EXPECT_EQ(o.laborMode(), LaborMode::Calculated);
    EXPECT_FALSE(o.laborFlat);
    EXPECT_TRUE(o.remittance);
    EXPECT_FALSE(o.plainPaper);

    o = decodeInvoiceOptions("#TRUE#,#FALSE#,#TRUE#,#FALSE#,#FALSE#,\"5.0\",1,0,0,"
                             "\"0\",1,\"0.0\",\"0\",0,#FALSE#,#FALSE#\r\n")
            .options;
    EXPECT_EQ(o.taxMode(), TaxMode::None);
    EXPECT_EQ(o.laborMode(), LaborMode::Flat); // none set: the default
    EXPECT_TRUE(o.remittance);

    // Six fields only: the rest are the defaults.
    InvoiceOptionsRead read = decodeInvoiceOptions("#TRUE#,#FALSE#,#FALSE#,#TRUE#,#FALSE#,6.5\r\n");
    EXPECT_FALSE(read.problem.isEmpty());
    EXPECT_EQ(read.options.taxMode(), TaxMode::MaterialAndLabor);
    EXPECT_EQ(read.options.taxRate, QStringLiteral("6.5")); // a bare number stays text
    EXPECT_EQ(read.options.color, kTicked);
    EXPECT_TRUE(read.options.remittance);

    // A check field of 3 (0, 1 and 2 are the only values), a word where a truth value
    // belongs: defaults for those fields.
    read = decodeInvoiceOptions("#FALSE#,#FALSE#,#TRUE#,#TRUE#,#FALSE#,\"4.0\",3,1,0,\"0\",1,"
                                "\"0.0\",\"10\",0,maybe,#TRUE#\r\n");
    EXPECT_FALSE(read.problem.isEmpty());
    EXPECT_EQ(read.options.laborAddOn, kClear);
    EXPECT_EQ(read.options.shippingAddOn, kTicked);
    EXPECT_EQ(read.options.discountDays, QStringLiteral("10"));
    EXPECT_TRUE(read.options.remittance);

    EXPECT_FALSE(decodeInvoiceOptions("").problem.isEmpty());
    EXPECT_EQ(decodeInvoiceOptions("").options, InvoiceOptions{});
}

TEST_F(BillwrightFiles, TwoCopiesPrintingAtOnceTakeTwoNumbers) {
    // Both copies showed 20260007 when their Print was pressed; two real processes take it.
    folder.put("BWInvoiceNo.txt", "20260007\r\n");
    const QString gate = folder.file("go");
    std::vector<pid_t> children;
    for (int copy = 0; copy < 2; ++copy) {
        const pid_t child = ::fork();
        if (child == 0) {
            while (!QFileInfo::exists(gate))
                QThread::usleep(100);
            const InvoiceNumberTaken taken = takeInvoiceNumber(folder, 20260007);
            QFile out(folder.file(QStringLiteral("taken%1").arg(copy)));
            const bool ok = taken.saved.ok && out.open(QIODevice::WriteOnly) &&
                            out.write(QByteArray::number(taken.counter)) > 0;
            out.close();
            ::_exit(ok ? 0 : 1);
        }
        children.push_back(child);
    }
    QFile(gate).open(QIODevice::WriteOnly);
    for (const pid_t child : children) {
        int status = 1;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const std::set<QByteArray> numbers{folder.bytes("taken0"), folder.bytes("taken1")};
    EXPECT_EQ(numbers, (std::set<QByteArray>{"20260007", "20260008"}));
    EXPECT_EQ(folder.bytes("BWInvoiceNo.txt"), "20260009\r\n");

    // An invoice not confirmed hands its number back, unless another copy counted on since.
    ASSERT_TRUE(giveBackInvoiceNumber(folder, 20260008).ok);
    EXPECT_EQ(folder.bytes("BWInvoiceNo.txt"), "20260008\r\n");
    ASSERT_TRUE(giveBackInvoiceNumber(folder, 20260006).ok);
    EXPECT_EQ(folder.bytes("BWInvoiceNo.txt"), "20260008\r\n");
}

TEST_F(BillwrightFiles, CustomerBookAddsOnceUpdatesByNameAndNeverWritesOverDamage) {
    const CustomerAddress smith{"J. \"Jo\" Smith, Jr.", "1 Rue Élysée", "", "Lyon", "", "69001"};
    ASSERT_TRUE(saveCustomer(folder, smith));
    ASSERT_TRUE(saveCustomer(folder, {"Baker", "2 Oak", "", "Troy", "NY", "12180"}));
    CustomerAddress moved = smith;
    moved.name = QStringLiteral("  j. 'jo' smith, jr."); // the same customer, as the book holds it
    moved.street = QStringLiteral("9 Quai");
    ASSERT_TRUE(saveCustomer(folder, moved));
    ASSERT_TRUE(saveCustomer(folder, {"   ", "nameless", "", "", "", ""}));
    EXPECT_EQ(folder.bytes("Customers.txt"),
              "\"j. 'jo' smith, jr.\",\"9 Quai\",\"\",\"Lyon\",\"\",\"69001\"\r\n"
              "\"Baker\",\"2 Oak\",\"\",\"Troy\",\"NY\",\"12180\"\r\n");
    const CustomerBook book = readCustomerBook(folder);
    EXPECT_EQ(book.names(), (QStringList{"Baker", "j. 'jo' smith, jr."}));
    EXPECT_EQ(book.customers[book.indexOf("J. 'JO' SMITH, JR.")].street, "9 Quai");

    // Renamed, deleted; a rename onto another customer is refused.
    EXPECT_FALSE(
        changeCustomer(folder, "Baker", CustomerAddress{"j. 'jo' smith, jr.", "", "", "", "", ""}));
    ASSERT_TRUE(
        changeCustomer(folder, "Baker", CustomerAddress{"Bécker", "2 Oak", "", "", "", ""}));
    ASSERT_TRUE(changeCustomer(folder, "j. 'jo' smith, jr.", std::nullopt));
    EXPECT_EQ(folder.bytes("Customers.txt"), "\"B\xE9"
                                             "cker\",\"2 Oak\",\"\",\"\",\"\",\"\"\r\n");

    const QByteArray damaged = folder.bytes("Customers.txt") + "\"half a record\r\n";
    folder.put("Customers.txt", damaged);
    EXPECT_EQ(readCustomerBook(folder).damaged, 1);
    const pellar::FileResult refused = saveCustomer(folder, {"New", "", "", "", "", ""});
    EXPECT_FALSE(refused);
    EXPECT_TRUE(refused.error.contains("Customers.txt"));
    EXPECT_EQ(folder.bytes("Customers.txt"), damaged);
}

TEST_F(BillwrightFiles, RegisterAppendsReadsSkipsDamageKeepsItMarkingPaidAndNamesCopiesSafely) {
    // A last line without its end, and two lines that are not records.
    folder.put("Invoices.txt", "garbage line\r\n"
                               "\"1\",\"2026-13-01\",\"x\",0,0,0,0,0,\"\",\"\",\"\"\r\n"
                               "\"20260001\",\"2026-01-05\",\"Smith\",0.00,5.00,0.00,5.00,0.00,"
                               "\"\",\"Invoices/2026/20260001.pdf\",\"\"");
    RegisterEntry second = entry("20260002", QDate(2026, 2, 1), "7.25", "Baker, \"Ltd\"");
    ASSERT_TRUE(appendToRegister(folder, second));
    InvoiceRegister reg = readRegister(folder);
    EXPECT_EQ(reg.damaged, 2);
    ASSERT_EQ(reg.entries.size(), 2);
    second.customer = QStringLiteral("Baker, 'Ltd'");
    EXPECT_EQ(reg.entries[1], second);

    ASSERT_TRUE(setPaid(folder, reg.entries[0], QDate(2026, 3, 2)));
    reg = readRegister(folder);
    EXPECT_EQ(reg.damaged, 2);
    EXPECT_EQ(reg.entries[0].paid, QDate(2026, 3, 2));
    EXPECT_TRUE(folder.bytes("Invoices.txt").startsWith("garbage line\r\n\"1\",\"2026-13-01\""));
    EXPECT_FALSE(reg.entries[0].overdue(QDate(2026, 6, 1)));
    EXPECT_TRUE(reg.entries[1].overdue(QDate(2026, 3, 4)));
    EXPECT_FALSE(reg.entries[1].overdue(QDate(2026, 3, 3))); // 30 days: not yet
    ASSERT_TRUE(setPaid(folder, reg.entries[0], QDate()));
    EXPECT_FALSE(readRegister(folder).entries[0].isPaid());
    // Several at once, all or none: one no longer there leaves the file as it is.
    const QByteArray before = folder.bytes("Invoices.txt");
    EXPECT_FALSE(setPaid(folder, {reg.entries[1], entry("gone", QDate(2026, 2, 1), "1")},
                         QDate(2026, 3, 9)));
    EXPECT_EQ(folder.bytes("Invoices.txt"), before);

    // Found by a part of the number or the name, a date range, unpaid only.
    const QList<RegisterEntry> all = readRegister(folder).entries;
    EXPECT_EQ(filterRegister(all, {"bak", {}, {}, false}), (QList<qsizetype>{1}));
    EXPECT_EQ(filterRegister(all, {" 0001 ", {}, {}, false}), (QList<qsizetype>{0}));
    EXPECT_EQ(filterRegister(all, {{}, QDate(2026, 1, 6), QDate(2026, 2, 1), false}),
              (QList<qsizetype>{1}));

    // Copy names from any customer stay in their year's folder.
    const QString base = QStringLiteral("Invoices/2026/");
    for (const QString& customer :
         {QStringLiteral("../x"), QStringLiteral("a/b"), QStringLiteral("..\\..\\evil"),
          QStringLiteral("tab\there\x01\n"), QString(300, u'z'), QStringLiteral("...")}) {
        const QString name = copyBaseName(QStringLiteral("20260001"), customer);
        const QString path = QDir::cleanPath(base + name + QStringLiteral(".pdf"));
        EXPECT_TRUE(path.startsWith(base)) << path.toStdString();
        EXPECT_EQ(path.count(u'/'), 2) << path.toStdString();
        EXPECT_FALSE(name.contains(u'\\') || name.contains(u'\t') || name.contains(u'\x01'));
        EXPECT_LE(name.size(), 120);
        EXPECT_TRUE(name.startsWith(QStringLiteral("20260001")));
    }
}

TEST(InvoiceRegister, SalesTaxFiguresSumThePeriodsRecordsInEveryTaxModeAndPrintOnceEach) {
    const TaxMode modes[] = {TaxMode::MaterialAndLabor, TaxMode::MaterialOnly, TaxMode::None};
    QList<RegisterEntry> entries;
    int day = 1;
    for (const TaxMode mode : modes) {
        for (const char* price : {"19.99", "0.35", "1234.57"}) {
            const TaxRule rule{mode, QStringLiteral("6.25")};
            InvoiceTotals totals;
            ASSERT_TRUE(totals.addLine(money(price), rule));
            totals.setLabor(money("40.01"));
            ASSERT_TRUE(totals.acceptLabor(rule));
            ASSERT_TRUE(totals.enterShipping(money("3.33")));
            InvoicePrintData printed;
            printed.invoiceNumber = QString::number(day);
            printed.date = QDate(2026, 4, day++);
            printed.subTotal = totals.subTotal();
            printed.labor = totals.labor();
            printed.tax = totals.tax();
            printed.grandTotal = totals.grandTotal();
            const RegisterEntry e = registerEntryFor(printed, mode);
            EXPECT_EQ(*(e.taxable + e.nonTaxable + e.tax), e.total);
            EXPECT_EQ(e.taxable, mode == TaxMode::None ? Currency()
                                 : mode == TaxMode::MaterialOnly
                                     ? totals.subTotal()
                                     : *(totals.subTotal() + totals.labor()));
            entries << parseRegister(registerLine(e)).entries;
        }
    }
    entries << entry("outside", QDate(2026, 7, 1), "100.00");
    const SalesTaxFigures quarter =
        salesTaxFor(entries, periodOf(PeriodKind::Quarter, QDate(2026, 5, 9)));
    EXPECT_EQ(quarter.period.from, QDate(2026, 4, 1));
    EXPECT_EQ(quarter.period.to, QDate(2026, 6, 30));
    EXPECT_EQ(quarter.invoices, 9);
    EXPECT_EQ(
        std::tuple(quarter.taxable, quarter.nonTaxable, quarter.tax, quarter.total),
        std::tuple(money("2629.85"), money("1524.94"), money("164.3656"), money("4319.1556")));
    EXPECT_EQ(salesTaxFor(entries, periodOf(PeriodKind::Year, QDate(2026, 1, 1))).invoices, 10);
    EXPECT_EQ(salesTaxFor(entries, periodOf(PeriodKind::Month, QDate(2026, 4, 30))).invoices, 9);
    EXPECT_EQ(
        salesTaxFor(entries, periodOf(PeriodKind::Dates, QDate(2026, 4, 3), QDate(2026, 4, 2)))
            .invoices,
        2);

    // The exports: a header, ISO dates, plain amounts, quoted texts made inert.
    QList<RegisterEntry> odd{entry("=1+1", QDate(2026, 4, 2), "5", "He said \"hi\"")};
    EXPECT_EQ(registerCsv(odd, {0}),
              "\xEF\xBB\xBFNumber,Date,Customer,Taxable,Non-taxable,Tax,Total,Discount,"
              "Discount Days,Paid,PDF\r\n\"'=1+1\",2026-04-02,\"He said \"\"hi\"\"\",0.00,5.00,"
              "0.00,5.00,0.00,\"\",,\"Invoices/2026/=1+1.pdf\"\r\n");
    EXPECT_TRUE(salesTaxCsv(quarter).endsWith(
        "\r\n2026-04-01,2026-06-30,9,2629.85,1524.94,164.3656,4319.1556\r\n"));

    // On the sales tax page every figure is printed once and nothing over anything else.
    SalesTaxFigures f;
    f.period = periodOf(PeriodKind::Quarter, QDate(2026, 11, 2));
    f.taxable = money("9876543.21");
    f.nonTaxable = money("123456.78");
    f.tax = money("617283.95");
    f.total = money("10617283.94");
    f.invoices = 10000;
    const pellar::BusinessProfile business{"Hillside Hardware and Garden Supply of Brookfield",
                                           "41 Quarry Road",
                                           "Suite 2",
                                           "Brookfield",
                                           "VT",
                                           "05036",
                                           "802-555-0142",
                                           "",
                                           "03-1234567"};
    RecordingSurface surface;
    printSalesTaxReport(surface, business, f);
    const PrintLog& log = *surface.log();
    expectNoOverlaps(log);
    for (const QString& figure :
         {pellar::formatCurrency(f.taxable), pellar::formatCurrency(f.nonTaxable),
          pellar::formatCurrency(money("9999999.99")), pellar::formatCurrency(f.tax),
          pellar::formatCurrency(f.total), QStringLiteral("10000"), business.name})
        EXPECT_EQ(countText(log, 0, figure), 1) << figure.toStdString();
    for (const PrintOp& op : log.texts())
        EXPECT_LE(op.x + surface.textWidth(op.text), surface.pageWidth() - 1440)
            << op.text.toStdString();

    printPdf({}, salesTaxDocument(f.period).pdfFileName,
             [&](pellar::PrintSurface& pdf) { printSalesTaxReport(pdf, business, f); });
}

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

    const QStringList page = placed(*log, 1);
    // The business header: the telephone is not printed.
    EXPECT_EQ(page.mid(0, 16),
              (QStringList{"INVOICE@7200,576", "Acme Plumbing@1440,720", "12 Main St@1440,1056",
                           "PO Box 9@1440,1296", "Springfield, IL. 62701@1440,1536",
                           "acme@example.com@1440,1776", "12-3456789@1440,2016",
                           "Date 12/6/2026@7200,1296", "INVOICE NO: 20260001@7200,1536",
                           "Reference: PO-77@7200,1776", "Page  1@7200,2016", "QTY@864,5832",
                           "DESCRIPTION@3960,5832", "PRICE@8784,5832", "TOTAL@10800,5832",
                           "Detach Here and Return Top Section@4320,5184"}));
    // The customer block leaves the empty apt/PO box line out; then the item lines: the empty
    // line, then rows from 4.5 in, amounts right-aligned.
    EXPECT_EQ(
        page.mid(16, 13),
        (QStringList{"Jane Doe@1440,3312", "4 Elm Rd@1440,3552", "Riverton, WY 82501@1440,3792",
                     "@0,4032", "2@1340,6480", "$10.00@9192,6480", "$20.00@10920,6480",
                     "Copper elbow@2160,6480", "1@1340,6720", "$1,234.50@8892,6720",
                     "$1,234.50@10620,6720", "Valve@2160,6720", "@0,6960"}));
    EXPECT_EQ(page.mid(29, 10),
              (QStringList{"ITEM SUB-TOTAL@5040,7200", "$1,254.50@10620,7200", "LABOR@5040,7440",
                           "$50.00@10920,7440", "SHIPPING CHARGE@5040,7680", "$7.25@11020,7680",
                           "ADDITIONAL CHARGES@5040,7920", "$3.00@11020,7920", "TAX@5040,8160",
                           "$62.73@10920,8160"}));
    // Terms and grand total share the line at 9.6 in; the grand total at 12 pt.
    EXPECT_EQ(page.mid(39),
              (QStringList{"Deduct a Discount of $25.09 if Paid in 10 days@1872,13824",
                           "Thank you for your Business@1872,14064", "$1,377.48@10440,13824"}));

    // Fonts and colours where they matter: after the detach note the customer block and the
    // rows are regular.
    QStringList fonts;
    for (const char* text : {"INVOICE", "Acme Plumbing", "12 Main St", "Page  1", "TOTAL",
                             "Detach Here and Return Top Section", "Jane Doe", "Copper elbow",
                             "ITEM SUB-TOTAL", "Thank you for your Business", "$1,377.48"}) {
        const PrintOp* op = log->findText(text);
        fonts << (op ? QStringLiteral("%1 %2%3 %4")
                           .arg(op->fontName, QString::number(op->fontSize), op->bold ? "b" : "",
                                op->color.name())
                     : QStringLiteral("missing"));
    }
    EXPECT_EQ(fonts, (QStringList{"Ariel 28b #000000", "Ariel 14b #000000", "Ariel 10 #000000",
                                  "Ariel 10b #0000ff", "Ariel 10b #0000ff", "Ariel 6b #000000",
                                  "Ariel 10 #000000", "Ariel 10 #0000ff", "Ariel 10b #0000ff",
                                  "Ariel 10b #0000ff", "Ariel 12b #0000ff"}));
}

TEST(InvoicePageLayout, PlainPaperMonochromeHeaderVariantsOptionalChargesAndCredit) {
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

    // Optional charges left off, a credit, and the discount terms.
    InvoicePrintData charged = sampleInvoice();
    charged.lines.clear();          // an invoice without lines still prints
    charged.labor = money("0.004"); // what shows as $0.00 is left off
    charged.shipping = {};
    charged.tax = {};
    charged.charges = money("-5");
    charged.discount = money("0.004");
    const std::shared_ptr<PrintLog> chargedLog = layOut(charged);
    const QStringList chargedPage = placed(*chargedLog, 1);
    const qsizetype subTotal = chargedPage.indexOf("ITEM SUB-TOTAL@5040,6720");
    ASSERT_GE(subTotal, 0);
    EXPECT_EQ(chargedPage.mid(subTotal, 6),
              QStringList({"ITEM SUB-TOTAL@5040,6720", "$1,254.50@10620,6720",
                           "CREDIT ISSUED@5040,6960", "($5.00)@10820,6960",
                           "Thank you for your Business@1872,13824", "$1,377.48@10440,13824"}));

    // A grand total too wide for its box at 12 point is set smaller, right edge kept.
    charged.grandTotal = money("1234567.89");
    const std::shared_ptr<PrintLog> wide = layOut(charged);
    EXPECT_EQ(where(*wide, "$1,234,567.89"), "1:10220,13824"); // 13 characters from 11520
    EXPECT_EQ(wide->findText("$1,234,567.89")->fontSize, 10);
}

TEST(InvoicePageLayout, WrappingPiecesFirstWordsTooWideAndLongDescriptionsInTheirColumn) {
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

    InvoicePrintData d = sampleInvoice();
    // 60 characters: 50 fit in the 3.5 in column at 10 point.
    const QString words = "Copper pipe three quarter inch type L sold by the foot cut to";
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

TEST(InvoicePageLayout, ASecondPageRepeatsTheFormAndRowsAndTotalsNeverCrossTheMemoBand) {
    InvoicePrintData d = sampleInvoice();
    d.lines = numberedRows(30);
    std::shared_ptr<PrintLog> log = layOut(d);
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

    // 22 rows end at 11760: the empty line fits, the sub-total does not.
    d.lines = numberedRows(22);
    log = layOut(d);
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

TEST(InvoicePageLayout, PaperEdgeOriginTheCopysNameTheTestPageAndATwoPagePdf) {
    EXPECT_EQ(invoiceDocument(QStringLiteral("20260001")).origin, pellar::PageOrigin::PaperEdge);
    EXPECT_EQ(invoiceDocument(QStringLiteral("2026/7:B")).pdfFileName, "Invoice 2026-7-B.pdf");

    // The test page's outlines are drawn without one name over another.
    RecordingSurface testPage;
    pellar::printAlignmentGuides(testPage, QStringLiteral("Invoice"));
    printInvoiceFieldOutlines(testPage);
    expectNoOverlaps(*testPage.log());
    EXPECT_NE(testPage.log()->findText("Grand total"), nullptr);

    // A two-page invoice as a PDF.
    InvoicePrintData d = sampleInvoice();
    d.lines = numberedRows(30);
    d.memo = {QStringLiteral("Checks payable to Acme Plumbing."), QString()};
    printPdf(invoiceJobSetup({}, true, QStringLiteral("Invoice")), "invoice.pdf",
             [&](pellar::PrintSurface& surface) {
                 InvoicePageLayout(surface, d).printInvoicePages();
                 EXPECT_EQ(surface.page(), 2);
             });
}
