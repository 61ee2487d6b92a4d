// The invoicing program's data files: catalogue, counter, options and memo.
#include "invoicing/core/catalogue.h"
#include "invoicing/core/invoicedraft.h"
#include "invoicing/core/invoicefiles.h"
#include "invoicing/core/invoiceoptions.h"
#include "invoicing/core/storedrates.h"
#include "tests/support/datafolder.h"
#include "tests/support/scripteddesk.h"

#include <QFileInfo>
#include <QThread>
#include <gtest/gtest.h>
#include <set>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace invoicing;
using pellar::testing::ScratchDataFolder;
using pellar::testing::ScriptedDesk;

namespace {

// A scratch data folder and a desk whose date is the counter's year.
class BillwrightFiles : public ::testing::Test {
protected:
    ScratchDataFolder folder;
    ScriptedDesk desk;
};

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
