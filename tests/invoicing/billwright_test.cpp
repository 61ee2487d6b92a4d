// Billwright's start menu, customer entry and setup form, driven through their controls.
#include "common/core/settings.h"
#include "invoicing/ui/customerentry.h"
#include "invoicing/ui/setupform.h"
#include "tests/invoicing/billwrightfixture.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabWidget>

using namespace invoicing;
using invoicing::testing::kProfile;
using pellar::MessageAnswer;

namespace {

const QByteArray kDefaultOptions = "#FALSE#,#FALSE#,#TRUE#,#TRUE#,#FALSE#,\"0.0\",0,0,0,\"0\",1,"
                                   "\"0.0\",\"0\",0,#FALSE#,#TRUE#\r\n";

class BillwrightForms : public invoicing::testing::BillwrightTest {
protected:
    SetupForm* openSetup() {
        child<QAction>(program->startMenu(), "mnuCreate")->trigger();
        return program->setupForm();
    }
    // The setup form's Options tab, on one of its sub-tabs.
    static void optionsTab(SetupForm* setup, int subTab) {
        child<QTabWidget>(setup, "tabInfo")->setCurrentIndex(2);
        child<QTabWidget>(setup, "tabOptions")->setCurrentIndex(subTab);
    }
};

TEST_F(BillwrightForms, FirstStartGoesToSetupThenToCustomerEntry) {
    Billwright& bw = start();
    StartMenu* menu = bw.startMenu();
    EXPECT_TRUE(menu->isVisible());
    EXPECT_FALSE(bw.setupForm()->isVisible());
    EXPECT_TRUE(folder.exists("Backup"));

    click(menu, "cmdContinue");
    SetupForm* setup = bw.setupForm();
    EXPECT_FALSE(menu->isVisible());
    ASSERT_TRUE(setup->isVisible());
    EXPECT_EQ(child<QTabWidget>(setup, "tabInfo")->currentIndex(), 0);
    EXPECT_EQ(setup->focusWidget(), child(setup, "txtName"));
    EXPECT_FALSE(folder.exists("InvoiceInfo.txt"));

    QTest::keyClicks(child(setup, "txtName"), QStringLiteral("Hillside \"Hardware\", Inc"));
    click(setup, "cmdQuit");
    EXPECT_FALSE(setup->isVisible());
    EXPECT_TRUE(menu->isVisible());
    // No options file: the defaults were shown (not the lists' first texts) and so saved.
    EXPECT_EQ(folder.bytes("MyBusinessData.txt"),
              "\"Hillside 'Hardware', Inc\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n");
    // The name is shown and printed as stored, as after a restart.
    EXPECT_EQ(bw.profile().name, QStringLiteral("Hillside 'Hardware', Inc"));
    EXPECT_EQ(folder.bytes("InvoiceInfo.txt"), kDefaultOptions);
    EXPECT_EQ(folder.bytes("Settings.txt"), "0,0,#TRUE#,#TRUE#\r\n");

    click(menu, "cmdContinue");
    ASSERT_NE(bw.customerEntry(), nullptr);
    EXPECT_TRUE(bw.customerEntry()->isVisible());
    EXPECT_EQ(app.ended, 0);

    // A profile only in the backup folder: Continue looks, it does not restore.
    QFile::remove(folder.path() + "/MyBusinessData.txt");
    folder.put("Backup/MyBusinessData.txt", kProfile);
    bw.showMenu();
    click(menu, "cmdContinue");
    EXPECT_TRUE(setup->isVisible());
    EXPECT_FALSE(folder.exists("MyBusinessData.txt"));
}

TEST_F(BillwrightForms, OptionsEditedOnTheFormApplyAtOnceAndAreStoredAsShown) {
    Billwright& bw = start();
    SetupForm* setup = openSetup();
    optionsTab(setup, 1);
    click(setup, "optMaterial");
    type(setup, "cboRate", QStringLiteral("6.5"));
    optionsTab(setup, 2);
    click(setup, "ckShipping");
    child<QTabWidget>(setup, "tabInfo")->setCurrentIndex(3);
    click(setup, "optPlain");

    // The program has them before any save.
    const InvoiceOptions& now = bw.options();
    EXPECT_EQ(now.taxMode(), TaxMode::MaterialOnly);
    EXPECT_EQ(now.taxRate, "6.5");
    EXPECT_EQ(now.shippingAddOn, kTicked);
    EXPECT_FALSE(now.remittance);

    click(setup, "cmdQuit");
    EXPECT_EQ(folder.bytes("InvoiceInfo.txt"),
              "#FALSE#,#TRUE#,#FALSE#,#TRUE#,#FALSE#,\"6.5\",0,1,0,\"0\",1,\"0.0\",\"0\",0,"
              "#TRUE#,#FALSE#\r\n");
    EXPECT_EQ(child<QComboBox>(setup, "cboRate")->count(), 4); // typing does not add to the list
}

TEST_F(BillwrightForms, StoredFilesFillTheFormAndAnUnchangedSaveRewritesThemAsRead) {
    const QByteArray options = "#FALSE#,#TRUE#,#FALSE#,#FALSE#,#TRUE#,\"7.25\",2,1,0,\"38.50\",0,"
                               "\"2.0\",\"10\",1,#TRUE#,#FALSE#\r\n";
    folder.put("MyBusinessData.txt", kProfile);
    folder.put("InvoiceInfo.txt", options);
    Billwright& bw = start();
    EXPECT_EQ(bw.profile().name, "Hillside Hardware");
    SetupForm* setup = openSetup();
    ASSERT_TRUE(setup->isVisible());
    EXPECT_FALSE(bw.startMenu()->isVisible());
    EXPECT_EQ(child<QCheckBox>(setup, "ckLabor")->checkState(), Qt::PartiallyChecked);
    child<QTabWidget>(setup, "tabInfo")->setCurrentIndex(3);
    click(setup, "cmdQuit");
    EXPECT_EQ(folder.bytes("MyBusinessData.txt"), kProfile);
    EXPECT_EQ(folder.bytes("InvoiceInfo.txt"), options);

    // It opens on Business Info with the cursor in the name, whatever was left.
    openSetup();
    EXPECT_EQ(child<QTabWidget>(setup, "tabInfo")->currentIndex(), 0);
    EXPECT_EQ(setup->focusWidget(), child(setup, "txtName"));
    // A click on a greyed box ticks it; every other control goes back as it was shown.
    optionsTab(setup, 2);
    click(setup, "ckLabor");
    EXPECT_EQ(program->options().laborAddOn, kTicked);
    click(setup, "cmdQuit");
    EXPECT_EQ(folder.bytes("InvoiceInfo.txt"),
              "#FALSE#,#TRUE#,#FALSE#,#FALSE#,#TRUE#,\"7.25\",1,1,0,\"38.50\",0,\"2.0\",\"10\",1,"
              "#TRUE#,#FALSE#\r\n");
}

TEST_F(BillwrightForms, DamagedOptionsFileIsToldAndTheProgramGoesOn) {
    folder.put("InvoiceInfo.txt", "#TRUE#,#FALSE#,#FALSE#,#FALSE#,#TRUE#,\"6.0\"\r\n");
    desk.expectMessage(QStringLiteral("Billwright"));
    Billwright& bw = start();
    ASSERT_EQ(desk.messages().size(), 1);
    EXPECT_TRUE(desk.messages()[0].text().contains(QStringLiteral("InvoiceInfo.txt")));
    EXPECT_EQ(bw.options().taxRate, "6.0"); // what could be read is used
    EXPECT_TRUE(bw.startMenu()->isVisible());
}

TEST_F(BillwrightForms, ABackupFolderThatCannotBeMadeIsNotCalledUnreadable) {
    folder.put("InvoiceInfo.txt", kDefaultOptions);
    folder.put("Backup", "a file where the folder should be");
    desk.expectMessage(QStringLiteral("Billwright"));
    start();
    ASSERT_EQ(desk.messages().size(), 1);
    const QString text = desk.messages()[0].text();
    EXPECT_TRUE(text.contains(QStringLiteral("could not be created"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("could not be read"))) << text.toStdString();
}

TEST_F(BillwrightForms, ProgramAidsFollowTheBoxesAndAreSavedUnlessUnreadable) {
    folder.put("Settings.txt", "7,9,#TRUE#,#FALSE#\r\n");
    start();
    SetupForm* setup = openSetup();
    EXPECT_FALSE(child<QCheckBox>(setup, "ckPrompts")->isChecked());
    optionsTab(setup, 4);
    click(setup, "ckAlarms");
    EXPECT_FALSE(app.context.settings.alarmsOn); // at once, before any save
    click(setup, "ckPrompts");
    EXPECT_TRUE(app.context.settings.promptsOn);
    click(setup, "cmdQuit");
    EXPECT_EQ(folder.bytes("Settings.txt"), "7,9,#FALSE#,#TRUE#\r\n");

    // A settings file that could not be read is not written over.
    app.restart();
    folder.put("Settings.txt", "seven,9,#TRUE#,#TRUE#\r\n");
    desk.expectMessage(QStringLiteral("Billwright"));
    start();
    setup = openSetup();
    optionsTab(setup, 4);
    click(setup, "ckAlarms");
    click(setup, "cmdQuit");
    EXPECT_EQ(folder.bytes("Settings.txt"), "seven,9,#TRUE#,#TRUE#\r\n");
    EXPECT_FALSE(app.context.settings.alarmsOn);
}

TEST_F(BillwrightForms, TitleBarCloseOfSetupLosesEditsAndEndsWithBackup) {
    folder.put("MyBusinessData.txt", kProfile);
    folder.put("SalesItems.txt", "Hinge\r\n");
    Billwright& bw = start();
    SetupForm* setup = openSetup();
    type(setup, "txtName", QStringLiteral("Changed Name"));
    click(setup, "optAll");

    pellar::testing::closeByPerson(setup);
    EXPECT_EQ(app.ended, 1);
    EXPECT_FALSE(setup->isVisible());
    EXPECT_FALSE(bw.startMenu()->isVisible());
    EXPECT_EQ(folder.bytes("MyBusinessData.txt"), kProfile);
    EXPECT_FALSE(folder.exists("InvoiceInfo.txt"));
    EXPECT_FALSE(folder.exists("Settings.txt"));
    EXPECT_EQ(folder.bytes("Backup/SalesItems.txt"), "Hinge\r\n");
}

TEST_F(BillwrightForms, EveryFileWrittenIsBackedUpAtExitButTheCounter) {
    const QStringList written{"MyBusinessData.txt", "SalesItems.txt",     "InvoiceInfo.txt",
                              "InvoiceMemo.txt",    "PrintAlignment.txt", "Settings.txt"};
    for (const QString& name : written + QStringList{"BWInvoiceNo.txt"})
        folder.put(name, name.toLatin1());
    ASSERT_TRUE(pellar::MakeBackupFolder(folder)); // as the start does
    app.shell().exitProgram();
    EXPECT_EQ(folder.notBackedUp(written, desk.today()), QStringList());
    // An older counter would issue its numbers again.
    EXPECT_FALSE(folder.exists("Backup/BWInvoiceNo.txt"));
}

TEST_F(BillwrightForms, AFailedExitBackupIsToldAndTheRestIsNotCopied) {
    for (const char* name : {"BusinessInfo.txt", "SalesItems.txt", "InvoiceCounter.txt"})
        folder.put(QString::fromLatin1(name), "x");
    folder.put("InvoiceInfo.txt", kDefaultOptions);
    // Something in the backup folder that cannot be replaced by a copy.
    folder.put("Backup/SalesItems.txt/blocker", "in the way");
    start();
    desk.expectMessage(QStringLiteral("File Copy Incomplete"));
    app.shell().exitProgram();
    EXPECT_TRUE(desk.messages().last().text().contains(QStringLiteral("SalesItems.txt")));
    EXPECT_TRUE(folder.exists("Backup/BusinessInfo.txt"));
    EXPECT_FALSE(folder.exists("Backup/InvoiceCounter.txt"));
    EXPECT_FALSE(folder.exists("Backup/InvoiceInfo.txt"));
}

TEST_F(BillwrightForms, MemoAndOffsetsAreSavedOnlyWhenChangedAndAnOverlongMemoIsTold) {
    folder.put("InvoiceMemo.txt", "Open Sundays\r\n");
    folder.put("PrintAlignment.txt", "garbage");
    start();
    SetupForm* setup = openSetup();
    auto* memo = child<QPlainTextEdit>(setup, "txtMemo");
    EXPECT_EQ(memo->toPlainText(), "Open Sundays");
    EXPECT_TRUE(child<QLabel>(setup, "lblMemoFit")->text().startsWith("The memo uses 1 of the "));
    // Nothing edited: neither file is touched, the damaged one included.
    click(setup, "cmdQuit");
    EXPECT_EQ(folder.bytes("InvoiceMemo.txt"), "Open Sundays\r\n");
    EXPECT_EQ(folder.bytes("PrintAlignment.txt"), "garbage");

    // Twelve lines cannot all fit: the note says so, and so does Save, which still keeps
    // the memo as typed.
    openSetup();
    QStringList lines;
    for (int i = 1; i <= 12; ++i)
        lines << QStringLiteral("Line %1").arg(i);
    memo->setPlainText(lines.join(u'\n'));
    child<QSpinBox>(setup, "spnAlignRight_0")->setValue(-12);
    QTest::qWait(400);
    EXPECT_TRUE(child<QLabel>(setup, "lblMemoFit")->text().endsWith("will be left off."));
    desk.expectMessage(QStringLiteral("Billwright"));
    click(setup, "cmdQuit");
    EXPECT_TRUE(desk.messages().last().text().contains(QStringLiteral("left off")));
    EXPECT_FALSE(setup->isVisible());
    EXPECT_EQ(folder.bytes("InvoiceMemo.txt"), (lines.join("\r\n") + "\r\n").toLatin1());
    EXPECT_TRUE(folder.bytes("PrintAlignment.txt").startsWith("\"Invoice\",-12,0\r\n"));

    // The test page goes to the printer chosen, with the offsets shown.
    openSetup();
    child<QSpinBox>(setup, "spnAlignDown_0")->setValue(5);
    desk.expectPrinterDialog(pellar::PrinterChoice{});
    click(setup, "cmdAlignTest_0");
    ASSERT_EQ(desk.jobSetups().size(), 1);
    EXPECT_EQ(desk.jobSetups()[0].offsetX, -12 * 14.4);
    EXPECT_EQ(desk.jobSetups()[0].offsetY, 5 * 14.4);
    EXPECT_NE(desk.jobs()[0]->findText("Description"), nullptr);
    EXPECT_EQ(folder.bytes("BWInvoiceNo.txt"), QByteArray());
}

TEST_F(BillwrightForms, FailedSaveIsToldAndTheFormStays) {
    Billwright& bw = start();
    // A folder where the options file belongs: it cannot be replaced.
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("InvoiceInfo.txt")));
    SetupForm* setup = openSetup();
    desk.expectMessage(QStringLiteral("Billwright"));
    click(setup, "cmdQuit");
    ASSERT_EQ(desk.messages().size(), 1);
    EXPECT_TRUE(desk.messages()[0].text().contains(QStringLiteral("InvoiceInfo.txt")));
    EXPECT_TRUE(setup->isVisible());
    EXPECT_FALSE(bw.startMenu()->isVisible());
}

TEST_F(BillwrightForms, CustomerEntryStartsBlankAndHandsTheCustomerOn) {
    folder.put("MyBusinessData.txt", kProfile);
    Billwright& bw = start();
    int made = 0;
    bw.setInvoiceFormFactory([&made](Billwright&) {
        ++made;
        return new QWidget;
    });
    click(bw.startMenu(), "cmdContinue");
    CustomerEntry* entry = bw.customerEntry();
    ASSERT_NE(entry, nullptr);
    for (int i = 1; i <= 6; ++i)
        QTest::keyClicks(child(entry, QStringLiteral("txtCustomer_%1").arg(i).toLatin1()),
                         QStringLiteral("field %1").arg(i));
    click(entry, "cmdExit");
    EXPECT_FALSE(entry->isVisible());
    EXPECT_TRUE(bw.startMenu()->isVisible());
    EXPECT_EQ(bw.customer(), CustomerAddress());

    click(bw.startMenu(), "cmdContinue");
    EXPECT_TRUE(child(entry, "txtCustomer_3")->text().isEmpty());
    EXPECT_EQ(entry->focusWidget(), child(entry, "txtCustomer_1"));
    QTest::keyClicks(child(entry, "txtCustomer_1"), QStringLiteral("Maple Street Bakery"));
    QTest::keyClicks(child(entry, "txtCustomer_6"), QStringLiteral("62704"));
    click(entry, "cmdSchedule");
    EXPECT_FALSE(entry->isVisible());
    EXPECT_EQ(bw.customer(), (CustomerAddress{"Maple Street Bakery", "", "", "", "", "62704"}));
    // A fresh invoice form each time, owned by the shell.
    ASSERT_NE(bw.invoiceForm(), nullptr);
    EXPECT_TRUE(bw.invoiceForm()->isVisible());
    EXPECT_EQ(made, 1);
    EXPECT_TRUE(app.shell().loadedForms().contains(bw.invoiceForm()));
}

TEST_F(BillwrightForms, StartMenuAndSetupMenuEntries) {
    Billwright& bw = start();
    StartMenu* menu = bw.startMenu();
    // The telephone number and the priority code are the web settings'.
    pellar::WebConfig& web = app.context.web;
    web.supplierPhone = QStringLiteral("1-800-555-0199");
    web.priorityCode = QStringLiteral("ABC123");
    desk.expectMessage(QStringLiteral("Billwright"));
    child<QAction>(menu, "mnuHelp")->trigger();
    EXPECT_EQ(desk.messages().last().lines, StartMenu::helpLines());

    desk.expectMessage(QStringLiteral("Ordering Deluxe Forms"), MessageAnswer::Yes);
    child<QAction>(menu, "mnuChecks")->trigger();
    EXPECT_EQ(desk.messages().last().lines.mid(3, 2),
              (QStringList{"Call Deluxe (Toll Free) at 1-800-555-0199",
                           "Use Priority Code ABC123 for Discount Prices"}));
    desk.expectMessage(QStringLiteral("Order Paper"), MessageAnswer::Yes);
    child<QAction>(menu, "mnuPaper")->trigger();
    EXPECT_EQ(desk.openedAddresses(), (QStringList{web.formsReorder, web.paperSupplier}));
    child<QAction>(menu, "mnuVisit")->trigger();
    EXPECT_EQ(folder.bytes("Temp.url"),
              "[InternetShortcut]\r\nURL = " + web.productComparison.toLatin1() + "\r\n");

    SetupForm* setup = bw.setupForm();
    desk.expectMessage(QStringLiteral("Ordering Deluxe Forms"), MessageAnswer::No);
    child<QAction>(setup, "mnuDeluxe")->trigger();
    const QStringList lines = desk.messages().last().lines;
    ASSERT_EQ(lines.size(), 13);
    EXPECT_EQ(lines[4], "Call Deluxe (Toll Free) at " + web.supplierPhone);
    EXPECT_EQ(lines[5], "USE PRIORITY CODE " + web.priorityCode + " to obtain the Discount");
    desk.expectMessage(QStringLiteral("Order Paper"), MessageAnswer::Yes);
    child<QAction>(setup, "mnuPaper")->trigger();
    EXPECT_EQ(desk.openedAddresses().last(), web.paperSupplier);

    child<QAction>(menu, "mnuExit")->trigger();
    EXPECT_EQ(app.ended, 1);
    EXPECT_FALSE(menu->isVisible());
}

// Alt letters: in each window no letter is taken twice by the menu bar's titles, the buttons
// and the labels of boxes; a menu's own entries count only among themselves.
TEST_F(BillwrightForms, NoAltLetterIsTakenTwiceInOneWindow) {
    openInvoice();
    program->showInvoices();
    program->showCustomers();
    program->setupForm();
    QStringList clashes;
    const auto check = [&clashes](const QString& where, const QStringList& captions) {
        QMap<QKeySequence, QString> taken;
        for (const QString& caption : captions) {
            const QKeySequence letter = QKeySequence::mnemonic(caption);
            if (!letter.isEmpty() && taken.contains(letter))
                clashes << where + u' ' + taken[letter] + QStringLiteral(" / ") + caption;
            taken.insert(letter, caption);
        }
    };
    const QList<QWidget*> windows = app.shell().loadedForms();
    ASSERT_EQ(windows.size(), 6);
    for (QWidget* window : windows) {
        QStringList captions;
        if (auto* main = qobject_cast<QMainWindow*>(window))
            for (const QAction* title : main->menuBar()->actions())
                captions << title->text();
        for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
            captions << button->text();
        for (const QLabel* label : window->findChildren<QLabel*>())
            if (label->buddy())
                captions << label->text();
        check(window->objectName(), captions);
        for (const QMenu* menu : window->findChildren<QMenu*>()) {
            QStringList entries;
            for (const QAction* entry : menu->actions())
                entries << entry->text();
            check(window->objectName() + u' ' + menu->objectName(), entries);
        }
    }
    EXPECT_TRUE(clashes.isEmpty()) << clashes.join(u'\n').toStdString();
}

} // namespace
