// The invoicing program's data files (catalogue, counter, options, memo, customer book and
// register) and the figures and exports made from the register.
#include "common/core/csv.h"
#include "common/core/regional.h"
#include "common/ui/printersurface.h"
#include "invoicing/core/catalogue.h"
#include "invoicing/core/customerbook.h"
#include "invoicing/core/invoicedraft.h"
#include "invoicing/core/invoicefiles.h"
#include "invoicing/core/invoiceoptions.h"
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
#include <gtest/gtest.h>
#include <set>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace invoicing;
using pellar::Currency;
using pellar::testing::money;
using pellar::testing::ScratchDataFolder;
using pellar::testing::ScriptedDesk;

namespace {

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

} // namespace

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

TEST_F(BillwrightFiles, CatalogueEntriesComeBackWholeFromEveryKindOfFile) {
    EXPECT_TRUE(loadItems(folder).items.isEmpty());
    EXPECT_FALSE(folder.exists("SalesItems.txt")); // reading never creates it

    const QStringList entries{QStringLiteral("Bolts, 3/8 inch"), QStringLiteral("\"Best\" hinge"),
                              QStringLiteral("anchor  "), QStringLiteral("Caf\u00e9 table")};
    ASSERT_TRUE(writeItems(folder, entries).ok);
    EXPECT_EQ(folder.bytes("SalesItems.txt"),
              "Bolts, 3/8 inch\r\n\"Best\" hinge\r\nanchor  \r\nCaf\xe9 table\r\n");

    const CatalogueRead read = loadItems(folder);
    EXPECT_TRUE(read.problem.isEmpty());
    // Sorted without regard to case; blanks at the ends dropped; commas and quotes kept.
    EXPECT_EQ(read.items,
              (QStringList{QStringLiteral("\"Best\" hinge"), QStringLiteral("anchor"),
                           QStringLiteral("Bolts, 3/8 inch"), QStringLiteral("Caf\u00e9 table")}));

    // Blank lines and bare line feeds, as an editor might leave them.
    folder.put("SalesItems.txt", "washer\n\n   \r\nNut\r\n");
    EXPECT_EQ(loadItems(folder).items,
              (QStringList{QStringLiteral("Nut"), QStringLiteral("washer")}));

    ASSERT_TRUE(QFile::remove(folder.file("SalesItems.txt")));
    folder.put("Backup/SalesItems.txt", "Gasket\r\n");
    EXPECT_EQ(loadItems(folder).items, QStringList{QStringLiteral("Gasket")});
    EXPECT_EQ(folder.bytes("SalesItems.txt"), "Gasket\r\n");

    // A line break typed into an entry cannot split it.
    ASSERT_TRUE(writeItems(folder, {QStringLiteral("two\nlines")}).ok);
    EXPECT_EQ(folder.bytes("SalesItems.txt"), "two lines\r\n");
    ASSERT_TRUE(writeItems(folder, {}).ok);
    EXPECT_TRUE(folder.exists("SalesItems.txt"));
    EXPECT_EQ(folder.bytes("SalesItems.txt"), QByteArray());
}

TEST_F(BillwrightFiles, CatalogueSavedOverWhatAnotherProgramChangedMeanwhile) {
    folder.put("SalesItems.txt", "Bolt\r\nHinge\r\nNut\r\n");
    Catalogue catalogue(loadItems(folder));
    catalogue.add("Washer");
    catalogue.removeAt(catalogue.find("Nut", -1));
    // Meanwhile another copy added a screw and deleted the bolt.
    folder.put("SalesItems.txt", "Hinge\r\nNut\r\nScrew\r\n");
    ASSERT_TRUE(catalogue.saveChanges(folder));
    EXPECT_EQ(folder.bytes("SalesItems.txt"), "Hinge\r\nScrew\r\nWasher\r\n");
}

TEST(BillwrightCatalogue, InsertPositionKeepsCaseInsensitiveOrder) {
    const QStringList list{QStringLiteral("apple"), QStringLiteral("Bolt"), QStringLiteral("cap")};
    EXPECT_EQ(catalogueInsertPosition(list, QStringLiteral("Apricot")), 1);
    EXPECT_EQ(catalogueInsertPosition(list, QStringLiteral("BOLT")), 2); // after its equal
    EXPECT_EQ(catalogueInsertPosition(list, QStringLiteral("zinc")), 3);
    EXPECT_EQ(catalogueInsertPosition({}, QStringLiteral("a")), 0);
}

// A file written under either region's settings, now or by an earlier copy that stored the
// rates as typed, taxes, discounts and offers labor the same under both.
TEST(BillwrightOptionsRecord, RatesReadTheSameUnderUsAndGermanSettings) {
    const auto record = [](const char* tax, const char* hourly, const char* discount) {
        return QByteArray("#TRUE#,#FALSE#,#FALSE#,#FALSE#,#TRUE#,\"") + tax + "\",1,0,0,\"" +
               hourly + "\",1,\"" + discount + "\",\"10\",1,#FALSE#,#TRUE#\r\n";
    };
    const auto german = pellar::RegionalSettings::fromLocale(QLocale(QStringLiteral("de_DE")));
    const auto us = pellar::RegionalSettings::unitedStates();
    struct Case {
        const pellar::RegionalSettings* region;
        QByteArray file;
    };
    for (const Case& c : {Case{&us, record("6.5", "1045.00", "1.5")},
                          Case{&german, record("6.5", "1045.00", "1.5")},
                          Case{&us, record("6.5", "1,045.00", "1.5")},
                          Case{&german, record("6,5", "1.045,00", "1,5")}}) {
        const pellar::ScopedRegionalSettings region(*c.region);
        const InvoiceOptions o = decodeInvoiceOptions(c.file).options;
        SCOPED_TRACE(c.file.toStdString() + (c.region == &us ? " US" : " DE"));
        EXPECT_EQ(encodeInvoiceOptions(o), record("6.5", "1045.00", "1.5"));

        InvoiceDraft draft;
        draft.start(20260001, AddOns::from(o));
        draft.beginLines();
        ASSERT_FALSE(draft.post("Bolt", "1", "100", TaxRule::from(o)).alarm);
        EXPECT_EQ(draft.totals().tax(), *pellar::Currency::fromDecimalText(u"6.5"));
        draft.completeLines();
        EXPECT_FALSE(draft.continueFromAddOns(o).alarm);
        EXPECT_EQ(draft.totals().discount(), *pellar::Currency::fromDecimalText(u"1.5"));
        EXPECT_EQ(draft.offeredRate(),
                  pellar::formatCurrency(pellar::Currency::fromUnits(10450000)));
    }

    // The setup form takes and shows rates in the regional form.
    EXPECT_EQ(storedRate(u"1.045,5 %", german), QStringLiteral("1045.5 %"));
    EXPECT_EQ(storedRate(u"1,5,5", german), QStringLiteral("1,5,5")); // kept: refused when used
    EXPECT_EQ(shownRate(u"6.5 %", german), QStringLiteral("6,5 %"));
    EXPECT_EQ(shownRate(u"6.5", us), QStringLiteral("6.5"));
}

TEST(BillwrightOptionsRecord, LaterTrueWinsInEachGroup) {
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
}

TEST(BillwrightOptionsRecord, ShortOrDamagedRecordsKeepDefaultsForWhatIsMissing) {
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

TEST_F(BillwrightFiles, MemoLinesAreReadWhole) {
    EXPECT_FALSE(readInvoiceMemo(folder).found);
    folder.put("InvoiceMemo.txt", "Thank you, \"friend\"\r\n\r\n  Net 30  \r\n");
    const MemoRead memo = readInvoiceMemo(folder);
    EXPECT_TRUE(memo.found);
    EXPECT_EQ(memo.lines, (QStringList{QStringLiteral("Thank you, \"friend\""), QString(),
                                       QStringLiteral("  Net 30  ")}));
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

TEST_F(BillwrightFiles, RegisterAppendsReadsSkipsDamageAndKeepsItWhenMarkingPaid) {
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
}

TEST(InvoiceRegister, SalesTaxFiguresAreTheSumsOfThePeriodsRecordsInEveryTaxMode) {
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
}

TEST(InvoiceRegister, CopyNamesFromAnyCustomerStayInTheirYearsFolder) {
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

TEST(SalesTaxPage, EveryFigureIsPrintedOnceAndNothingPrintsOverAnything) {
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
    pellar::RecordingSurface surface;
    printSalesTaxReport(surface, business, f);
    const pellar::PrintLog& log = *surface.log();
    EXPECT_TRUE(log.overlaps().isEmpty()) << log.overlaps().join(u'\n').toStdString();
    for (const QString& figure :
         {pellar::formatCurrency(f.taxable), pellar::formatCurrency(f.nonTaxable),
          pellar::formatCurrency(money("9999999.99")), pellar::formatCurrency(f.tax),
          pellar::formatCurrency(f.total), QStringLiteral("10000"), business.name}) {
        int found = 0;
        for (const pellar::PrintOp& op : log.texts())
            found += op.text == figure ? 1 : 0;
        EXPECT_EQ(found, 1) << figure.toStdString();
    }
    for (const pellar::PrintOp& op : log.texts())
        EXPECT_LE(op.x + surface.textWidth(op.text), surface.pageWidth() - 1440)
            << op.text.toStdString();

    // The same page as a PDF, to look at with PELLAR_KEEP_PDF set.
    QTemporaryDir dir;
    pellar::PrinterChoice choice;
    choice.outputFile = dir.filePath(salesTaxDocument(f.period).pdfFileName);
    pellar::PrintJobSetup setup;
    setup.printer = choice;
    pellar::PrinterSurface pdf(setup);
    ASSERT_EQ(pdf.error(), QString());
    printSalesTaxReport(pdf, business, f);
    EXPECT_TRUE(pdf.endDoc()) << pdf.error().toStdString();
    EXPECT_GT(QFileInfo(choice.outputFile).size(), 0);
    pellar::testing::keepPrintedFileIfAsked(choice.outputFile);
}
