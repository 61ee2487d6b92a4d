// What Billwright keeps of the invoices it issues: the customer book, the register and the
// figures and exports made from it.
#include "common/core/csv.h"
#include "common/core/regional.h"
#include "common/ui/printersurface.h"
#include "invoicing/core/customerbook.h"
#include "invoicing/core/invoiceregister.h"
#include "invoicing/core/invoicetotals.h"
#include "invoicing/core/salestaxpage.h"
#include "tests/support/datafolder.h"
#include "tests/support/keeppdf.h"
#include "tests/support/money.h"
#include "tests/support/recordingsurface.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace invoicing;
using pellar::Currency;
using pellar::testing::money;
using pellar::testing::ScratchDataFolder;

namespace {

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

TEST(CustomerBook, AddsOnceUpdatesByNameKeepsTheFamilyTextAndNeverWritesOverDamage) {
    ScratchDataFolder folder;
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

TEST(InvoiceRegister, AppendsReadsSkipsDamageAndKeepsItWhenMarkingPaid) {
    ScratchDataFolder folder;
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
