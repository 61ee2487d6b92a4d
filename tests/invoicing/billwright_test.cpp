// Billwright driven as the person would, on a scratch folder and a scripted desk: controls
// are found by their documented names. Its start menu, customer entry, setup form, invoices
// window and customer book; then the invoice form's wiring (clicks and keys reach the draft,
// and the draft reaches the screen; the arithmetic and the order of steps are the draft's own
// tests) and its Print button: the printer dialog, the print, the confirmation and the
// retry, and what each answer does to the invoice counter.
#include "common/core/settings.h"
#include "common/ui/keyboard.h"
#include "invoicing/ui/billwright.h"
#include "invoicing/ui/customerentry.h"
#include "invoicing/ui/invoiceform.h"
#include "invoicing/ui/setupform.h"
#include "invoicing/ui/startmenu.h"
#include "tests/support/faults.h"
#include "tests/support/testprogram.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

using namespace invoicing;
using pellar::MessageAnswer;
using pellar::PrinterChoice;
using pellar::PrintLog;

Q_GUI_EXPORT void qt_set_sequence_auto_mnemonic(bool on);

namespace {

const QByteArray kProfile = "\"Hillside Hardware\",\"41 Quarry Road\",\"Suite 2\","
                            "\"Brookfield\",\"VT\",\"05036\",\"802-555-0142\","
                            "\"orders@hillside.example\",\"03-1234567\"\r\n";

class BillwrightTest : public ::testing::Test {
protected:
    // The program with its start menu up, making real invoice forms; on a folder holding the
    // business profile given, if any.
    Billwright& start(const QByteArray& profile = {}) {
        if (!profile.isEmpty())
            folder.put("MyBusinessData.txt", profile);
        program = new Billwright(app.shell());
        program->setInvoiceFormFactory([](Billwright& bw) { return new InvoiceForm(bw); });
        program->start();
        return *program;
    }
    // Menu -> customer entry -> invoice form, active as it is for the person, under the
    // options as changed.
    InvoiceForm* openInvoice(const std::function<void(InvoiceOptions&)>& change = {}) {
        if (!program)
            start(kProfile);
        InvoiceOptions options = program->options();
        if (change)
            change(options);
        program->setOptions(options);
        click(program->startMenu(), "cmdContinue");
        QWidget* entry = app.shell().form(QStringLiteral("frmShell"));
        int box = 0;
        for (const char* line :
             {"Maple Street Bakery", "12 Maple St", "", "Springfield", "IL", "62704"})
            child(entry, "txtCustomer_" + QByteArray::number(++box))->setText(line);
        click(entry, "cmdSchedule");
        form = dynamic_cast<InvoiceForm*>(program->invoiceForm());
        EXPECT_NE(form, nullptr);
        activate(form);
        return form;
    }
    static void activate(QWidget* window) {
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    }

    template <typename T = QLineEdit> static T* child(QWidget* in, const QByteArray& name) {
        T* found = in->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name.constData();
        return found;
    }
    template <typename T = QLineEdit> T* get(const QByteArray& name) const {
        return child<T>(form, name);
    }
    // Near the left edge: a check box stretched by its layout is clickable only on its
    // indicator and text.
    static void click(QWidget* in, const QByteArray& name) {
        auto* button = child<QAbstractButton>(in, name);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }
    void click(const QByteArray& name) { click(form, name); }
    // Types over what a box (or an editable list) holds, with the focus in it.
    static void type(QWidget* in, const QByteArray& name, const QString& text) {
        auto* list = in->findChild<QComboBox*>(QString::fromLatin1(name));
        QLineEdit* box = list ? list->lineEdit() : child(in, name);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    void type(const QByteArray& name, const QString& text) { type(form, name, text); }
    void post(const QString& item, const QString& quantity, const QString& price) {
        type("cboDescription", item);
        type("txtQuantity", quantity);
        type("txtPrice", price);
        click("cmdPost");
    }
    static QString focused() {
        QWidget* widget = QApplication::focusWidget();
        return widget ? widget->objectName() : QString();
    }

    pellar::testing::TestProgram app{billwrightProfile()};
    pellar::testing::ScratchDataFolder& folder = app.folder;
    pellar::testing::ScriptedDesk& desk = app.desk;
    Billwright* program = nullptr;
    InvoiceForm* form = nullptr;

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

const QByteArray kDefaultOptions = "#FALSE#,#FALSE#,#TRUE#,#TRUE#,#FALSE#,\"0.0\",0,0,0,\"0\",1,"
                                   "\"0.0\",\"0\",0,#FALSE#,#TRUE#\r\n";

using BillwrightForms = BillwrightTest;

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
    folder.put("InvoiceInfo.txt", options);
    Billwright& bw = start(kProfile);
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

TEST_F(BillwrightForms, ADamagedOptionsFileOrAFailedSaveIsToldAndTheProgramGoesOn) {
    folder.put("InvoiceInfo.txt", "#TRUE#,#FALSE#,#FALSE#,#FALSE#,#TRUE#,\"6.0\"\r\n");
    desk.expectMessage(QStringLiteral("Billwright"));
    Billwright& bw = start();
    ASSERT_EQ(desk.messages().size(), 1);
    EXPECT_TRUE(desk.messages()[0].text().contains(QStringLiteral("InvoiceInfo.txt")));
    EXPECT_EQ(bw.options().taxRate, "6.0"); // what could be read is used
    EXPECT_TRUE(bw.startMenu()->isVisible());

    // A folder where the options file belongs: it cannot be replaced, and the form stays.
    ASSERT_TRUE(QFile::remove(folder.file("InvoiceInfo.txt")));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("InvoiceInfo.txt")));
    SetupForm* setup = openSetup();
    desk.expectMessage(QStringLiteral("Billwright"));
    click(setup, "cmdQuit");
    ASSERT_EQ(desk.messages().size(), 2);
    EXPECT_TRUE(desk.messages()[1].text().contains(QStringLiteral("InvoiceInfo.txt")));
    EXPECT_TRUE(setup->isVisible());
    EXPECT_FALSE(bw.startMenu()->isVisible());
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
    folder.put("SalesItems.txt", "Hinge\r\n");
    Billwright& bw = start(kProfile);
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

TEST_F(BillwrightForms, CustomerEntryStartsBlankAndHandsTheCustomerOn) {
    Billwright& bw = start(kProfile);
    int made = 0;
    bw.setInvoiceFormFactory([&made](Billwright&) {
        ++made;
        return new QWidget;
    });
    click(bw.startMenu(), "cmdContinue");
    CustomerEntry* entry = bw.customerEntry();
    ASSERT_NE(entry, nullptr);
    for (int i = 1; i <= 6; ++i)
        QTest::keyClicks(child(entry, "txtCustomer_" + QByteArray::number(i)),
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
    QCoreApplication::processEvents();
    EXPECT_FALSE(child<QLabel>(menu, "Image1")->pixmap().isNull()); // drawn once shown
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

const PrinterChoice kOffice{QStringLiteral("Office Laser"), 2, QString()};

class InvoiceFormTest : public BillwrightTest {
protected:
    QStringList row(int line) const {
        QStringList cells;
        for (int column = 0; column < 5; ++column)
            cells << get<QTableWidget>("fgInvoice")->item(line - 1, column)->text();
        return cells;
    }
    QStringList totals() const {
        return {get("txtTotal")->text(), get("txtTax")->text(), get("txtGrandTotal")->text()};
    }
    bool shown(const char* name) const { return !get<QWidget>(name)->isHidden(); }
    // Ready for a new invoice: no lines, no totals, every panel closed, Print waiting.
    void expectReady() const {
        EXPECT_EQ(row(1), (QStringList{"1", "", "", "", ""}));
        EXPECT_EQ(totals(), (QStringList{"$0.00", "$0.00", "$0.00"}));
        for (const char* panel : {"fraData", "fraInvoiceOptions", "fraLabor", "fraCompletion"})
            EXPECT_FALSE(shown(panel)) << panel;
        EXPECT_TRUE(get<QPushButton>("cmdInvoice")->isEnabled());
        EXPECT_FALSE(get<QPushButton>("cmdPrint")->isEnabled());
    }
    InvoiceForm* invoiceWithOneLine(const QString& number = {},
                                    const std::function<void(InvoiceOptions&)>& change = {}) {
        openInvoice(change);
        type("txtPO", "PO-9");
        if (!number.isEmpty())
            type("txtInvoiceNo", number);
        click("cmdInvoice");
        post("Hinge", "2", "4.5");
        EXPECT_EQ(form->draft().lines().size(), 1);
        return form;
    }
    // Print (or save the PDF, or leave), and check the form went back to the menu with the
    // catalogue written.
    void printAndReturn(const QByteArray& button = "cmdPrint") {
        QPointer<InvoiceForm> watched(form);
        click(button);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(watched.isNull()) << "the invoice form is unloaded";
        EXPECT_TRUE(program->startMenu()->isVisible());
        EXPECT_TRUE(folder.exists("SalesItems.txt"));
        EXPECT_FALSE(desk.busy());
    }
    QByteArray counter() const { return folder.bytes("BWInvoiceNo.txt"); }
    static void keys(const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); }
    // The printer dialog's choice, then the answer to whether the invoice printed correctly.
    void expectPrint(MessageAnswer printed = MessageAnswer::Yes,
                     const PrinterChoice& choice = kOffice) {
        desk.expectPrinterDialog(choice);
        desk.expectMessage(QStringLiteral("Printing Confirmation"), printed);
    }
};

using InvoicePrint = InvoiceFormTest;

TEST_F(InvoiceFormTest, OpensReadyWithTheCustomerAndTheCountersNumber) {
    openInvoice();
    EXPECT_EQ(get<QPlainTextEdit>("txtCustomer")->toPlainText(),
              "Maple Street Bakery\n12 Maple St\nSpringfield,IL\n62704");
    // No counter file: this year's first number, saved at once.
    EXPECT_EQ(get("txtInvoiceNo")->text(), "20260001");
    EXPECT_EQ(folder.bytes("BWInvoiceNo.txt"), "20260001\r\n");
    EXPECT_EQ(focused(), "txtPO");
    expectReady();
    EXPECT_FALSE(get<QPushButton>("cmdDelete")->isEnabled());
    EXPECT_EQ(get("txtShip")->text(), "$0.00");

    desk.expectMessage(QStringLiteral("Billwright"));
    get<QAction>("mnuInvoiceHelp")->trigger();
    EXPECT_EQ(desk.messages().back().lines, StartMenu::helpLines());

    // A memo longer than the foot of the invoice holds is said when the form opens.
    folder.put("InvoiceMemo.txt", QByteArray("Thanks\r\n").repeated(9));
    openInvoice();
    EXPECT_TRUE(form->findChild<pellar::ui::StatusNote*>()->text().endsWith("will be left off."));
}

TEST_F(InvoiceFormTest, LinesDiscountShippingAndACorrectedCreditWalkToPrint) {
    openInvoice([](InvoiceOptions& o) {
        o.setTaxMode(TaxMode::MaterialOnly);
        o.taxRate = QStringLiteral("6.0");
        o.discountPercent = QStringLiteral("1.5");
        o.discountAddOn = kTicked;
        o.shippingAddOn = kTicked;
        o.miscAddOn = kTicked;
    });
    type("txtPO", "PO-7781");
    click("cmdInvoice");
    EXPECT_TRUE(shown("fraData"));
    EXPECT_FALSE(shown("cmdComplete"));
    EXPECT_EQ(focused(), "cboDescription");
    post("Garden hose", "2", "100");
    EXPECT_EQ(row(1), (QStringList{"1", "2", "Garden hose", "$100.00", "$200.00"}));
    EXPECT_EQ(totals(), (QStringList{"$200.00", "$12.00", "$212.00"}));
    EXPECT_TRUE(get<QComboBox>("cboDescription")->currentText().isEmpty());
    EXPECT_EQ(get<QComboBox>("cboDescription")->count(), 0); // typed, not added
    EXPECT_EQ(form->draft().reference(), "PO-7781");

    click("cmdComplete");
    EXPECT_FALSE(shown("fraData"));
    EXPECT_EQ(focused(), "cmdOptionsContinue");
    click("cmdOptionsContinue");
    EXPECT_FALSE(shown("fraInvoiceOptions"));
    EXPECT_TRUE(shown("fraCompletion"));
    EXPECT_EQ(get("txtDiscount")->text(), "$3.00");

    // The shipping box is emptied and white while it is typed into.
    EXPECT_EQ(focused(), "txtShip");
    EXPECT_TRUE(get("txtShip")->text().isEmpty());
    EXPECT_EQ(get("txtShip")->palette().color(QPalette::Base), QColor(Qt::white));
    QTest::keyClicks(get("txtShip"), "12.5");
    QTest::keyClick(get("txtShip"), Qt::Key_Tab);
    EXPECT_EQ(get("txtShip")->text(), "$12.50");
    EXPECT_NE(get("txtShip")->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(get("txtGrandTotal")->text(), "$224.50");

    // A charge that is not a number is refused and stays to be corrected; Print waits.
    EXPECT_EQ(focused(), "txtMisc");
    QTest::keyClicks(get("txtMisc"), "about 5");
    click("cmdPrint");
    EXPECT_EQ(desk.beeps(), 2); // on leaving, and the print refused while it stands
    EXPECT_EQ(focused(), "txtMisc");
    EXPECT_EQ(get("txtMisc")->text(), "about 5");
    type("txtMisc", "-25");
    QTest::keyClick(get("txtMisc"), Qt::Key_Tab);
    EXPECT_EQ(get("txtMisc")->text(), "($25.00)");
    EXPECT_EQ(get("txtGrandTotal")->text(), "$199.50");
    EXPECT_EQ(focused(), "cmdPrint");
}

TEST_F(InvoiceFormTest, LaborIsCalculatedOrTypedAndEnteredIntoTheCharges) {
    openInvoice([](InvoiceOptions& o) {
        o.setLaborMode(LaborMode::Calculated);
        o.hourlyRate = QStringLiteral("45");
        o.laborAddOn = kTicked;
    });
    click("cmdInvoice");
    post("Call-out", "1", "0");
    click("cmdComplete");
    click("cmdOptionsContinue");
    EXPECT_TRUE(shown("fraLabor"));
    EXPECT_EQ(get("txtRate")->text(), "$45.00");
    EXPECT_EQ(focused(), "txtHours");
    click("cmdCal"); // no hours yet
    EXPECT_EQ(desk.beeps(), 1);
    EXPECT_EQ(focused(), "txtHours");
    type("txtHours", "2.5");
    click("cmdCal");
    EXPECT_EQ(get("txtTotalLabor")->text(), "$112.50");
    EXPECT_EQ(focused(), "Command1");

    // Typed over, then Enter: leaving the box formats it first, and the box wins.
    type("txtTotalLabor", "100");
    click("Command1");
    EXPECT_EQ(get("txtTotalLabor")->text(), "$100.00");
    EXPECT_EQ(get("txtLabor")->text(), "$100.00");
    EXPECT_FALSE(shown("fraLabor"));
    EXPECT_EQ(totals(), (QStringList{"$0.00", "$0.00", "$100.00"}));
    EXPECT_EQ(focused(), "cmdPrint");
    EXPECT_EQ(desk.beeps(), 1);

    // A word in the box is refused there, and alarms off keep quiet.
    app.context.settings.alarmsOn = false;
    click("cmdLaborRedo");
    type("txtTotalLabor", "lots");
    click("Command1");
    EXPECT_EQ(focused(), "txtTotalLabor");
    EXPECT_EQ(desk.beeps(), 1);
    EXPECT_TRUE(shown("fraLabor"));
}

TEST_F(InvoiceFormTest, RightClickDeletesAPostedLineAfterAsking) {
    openInvoice();
    click("cmdInvoice");
    for (const char* item : {"Alpha", "Bravo", "Charlie"})
        post(item, "1", "1.11");
    auto* grid = get<QTableWidget>("fgInvoice");
    const auto rightClick = [grid] {
        const QPoint inside = grid->viewport()->rect().center();
        QMouseEvent release(QEvent::MouseButtonRelease, inside,
                            grid->viewport()->mapToGlobal(inside), Qt::RightButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(grid->viewport(), &release);
    };
    grid->setCurrentCell(3, 1); // an empty line: no menu, no question
    rightClick();
    EXPECT_FALSE(get<QMenu>("mnuPopup")->isVisible());
    get<QAction>("mnuDeleteItem")->trigger();
    EXPECT_TRUE(desk.messages().isEmpty());

    grid->setCurrentCell(1, 1);
    rightClick();
    EXPECT_TRUE(get<QMenu>("mnuPopup")->isVisible());
    get<QMenu>("mnuPopup")->hide();
    desk.expectMessage(QStringLiteral("Item Deletion"), MessageAnswer::No);
    get<QAction>("mnuDeleteItem")->trigger();
    EXPECT_EQ(desk.messages().back().text(), "Delete item Bravo from Invoice?");
    EXPECT_EQ(desk.messages().back().buttons, pellar::MessageButtons::YesNoDefaultNo);
    EXPECT_EQ(form->draft().lines().size(), 3);
    desk.expectMessage(QStringLiteral("Item Deletion"), MessageAnswer::Yes);
    get<QAction>("mnuDeleteItem")->trigger();
    EXPECT_EQ(row(2), (QStringList{"2", "1", "Charlie", "$1.11", "$1.11"}));
    EXPECT_EQ(row(3), (QStringList{"3", "", "", "", ""}));
    EXPECT_EQ(get<QGroupBox>("fraData")->title(), "Create Invoice Line No  3");
    EXPECT_EQ(totals(), (QStringList{"$2.22", "$0.00", "$2.22"}));
    EXPECT_EQ(focused(), "cboDescription");
}

TEST_F(InvoiceFormTest, ReDoAndClearAllReachTheDraftAndTheScreen) {
    folder.put("BWInvoiceNo.txt", "20260041\r\n");
    openInvoice();
    type("txtInvoiceNo", "A-17");
    EXPECT_EQ(form->draft().number(), "A-17");
    click("cmdInvoice");
    post("Alpha", "2", "5");
    click("cmdComplete");
    click("ckShipping");
    EXPECT_EQ(form->draft().addOns().shipping, kTicked);
    click("cmdDelete");
    expectReady();
    EXPECT_EQ(focused(), "cmdInvoice");
    EXPECT_EQ(get<QCheckBox>("ckShipping")->checkState(), Qt::Checked);
    EXPECT_EQ(get("txtInvoiceNo")->text(), "20260041");
    EXPECT_EQ(folder.bytes("BWInvoiceNo.txt"), "20260041\r\n");

    click("cmdInvoice");
    post("Alpha", "2", "5");
    click("cmdComplete");
    click("cmdClearChecks");
    EXPECT_EQ(form->draft().addOns(), AddOns());
    EXPECT_EQ(get<QCheckBox>("ckShipping")->checkState(), Qt::Unchecked);
}

TEST_F(InvoiceFormTest, CatalogueEditsAreWrittenByMenuButNotByTheCloseBox) {
    folder.put("SalesItems.txt", "Bolts\r\nhinge\r\n");
    openInvoice();
    click("cmdInvoice");
    auto* items = get<QComboBox>("cboDescription");
    type("cboDescription", "anchor");
    click("cmdAdditem");
    EXPECT_EQ(items->itemText(0), "anchor");
    EXPECT_EQ(focused(), "txtQuantity");
    // Removing goes by the text exactly as typed; no such entry sounds the alarm.
    type("cboDescription", "Hinge");
    click("cmdDeleteitem");
    EXPECT_EQ(desk.beeps(), 1);
    type("cboDescription", "hinge");
    click("cmdDeleteitem");
    EXPECT_EQ(items->count(), 2);
    EXPECT_TRUE(items->currentText().isEmpty());
    // Picking an entry moves on to the quantity.
    emit items->activated(1);
    EXPECT_EQ(focused(), "txtQuantity");

    printAndReturn("cmdExit");
    EXPECT_EQ(folder.bytes("SalesItems.txt"), "anchor\r\nBolts\r\n");

    openInvoice();
    click("cmdInvoice");
    type("cboDescription", "Crate");
    click("cmdAdditem");
    pellar::testing::closeByPerson(form);
    EXPECT_EQ(app.ended, 1);
    EXPECT_EQ(folder.bytes("SalesItems.txt"), "anchor\r\nBolts\r\n");
}

TEST_F(InvoiceFormTest, RefusedInputsGetTheAlarmTheReasonAndTheFocus) {
    openInvoice();
    click("cmdInvoice");
    auto* note = get<QLabel>("lblStatusNote");
    click("cmdPost");
    EXPECT_EQ(focused(), "cboDescription");
    EXPECT_EQ(note->text(), "Type or pick the item first.");
    post("Rope", "3", "two dollars");
    EXPECT_EQ(focused(), "txtPrice");
    EXPECT_EQ(note->text(), "The price \"two dollars\" is not an amount.");
    EXPECT_EQ(desk.beeps(), 2);
    EXPECT_TRUE(desk.messages().isEmpty());
    // The next keystroke clears the note; with alarms off a refusal is said without a beep.
    app.context.settings.alarmsOn = false;
    get("txtPrice")->selectAll();
    QTest::keyClick(get("txtPrice"), Qt::Key_Backspace);
    EXPECT_EQ(note->text(), "");
    click("cmdPost");
    EXPECT_EQ(note->text(), "Type the price first.");
    EXPECT_EQ(desk.beeps(), 2);
    EXPECT_EQ(focused(), "txtPrice");
    EXPECT_TRUE(form->draft().lines().isEmpty());
}

// From the start menu to a printed invoice with the keyboard alone: keys go to whatever
// has the focus, as they would for the person.
TEST_F(InvoiceFormTest, KeyboardAloneWalksFromCustomerEntryToPrinted) {
    start(kProfile);
    const auto press = [](Qt::Key key, int times = 1) {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(QApplication::focusWidget(), key);
    };
    activate(program->startMenu());
    ASSERT_EQ(focused(), "cmdContinue");
    press(Qt::Key_Return);
    activate(app.shell().form(QStringLiteral("frmShell")));
    ASSERT_EQ(focused(), "txtCustomer_1");
    for (const char* field : {"Maple Street Bakery", "12 Maple St", "", "Springfield", "IL"}) {
        keys(QString::fromLatin1(field));
        press(Qt::Key_Tab);
    }
    keys("62704");
    press(Qt::Key_Return); // in the last box: Continue

    form = dynamic_cast<InvoiceForm*>(program->invoiceForm());
    ASSERT_NE(form, nullptr);
    activate(form);
    ASSERT_EQ(focused(), "txtPO");
    keys("PO-9");
    press(Qt::Key_Tab, 2);
    ASSERT_EQ(focused(), "cmdInvoice");
    press(Qt::Key_Return);
    // Eleven lines, each posted by Return in the price; the grid follows the last one.
    for (int line = 1; line <= 11; ++line) {
        ASSERT_EQ(focused(), "cboDescription");
        keys(QStringLiteral("Hinge %1").arg(line));
        press(Qt::Key_Tab);
        keys("1,000");
        press(Qt::Key_Tab);
        keys("0.25");
        press(Qt::Key_Return);
    }
    ASSERT_EQ(form->draft().lines().size(), 11);
    EXPECT_EQ(form->draft().totals().subTotal(), *pellar::Currency::fromWhole(2750));
    auto* grid = get<QTableWidget>("fgInvoice");
    EXPECT_GE(grid->rowViewportPosition(10), 0);
    EXPECT_LE(grid->rowViewportPosition(10) + grid->rowHeight(10), grid->viewport()->height());
    // Tab and Shift+Tab leave the grid as they leave any other control.
    grid->setFocus();
    press(Qt::Key_Tab);
    EXPECT_NE(focused(), "fgInvoice");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), "fgInvoice");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_NE(focused(), "fgInvoice");
    get<QWidget>("cboDescription")->setFocus();

    press(Qt::Key_Tab, 7);
    ASSERT_EQ(focused(), "cmdComplete");
    press(Qt::Key_Return);
    ASSERT_EQ(focused(), "cmdOptionsContinue");
    press(Qt::Key_Return);
    ASSERT_EQ(focused(), "cmdPrint");
    expectPrint(MessageAnswer::Yes, pellar::PrinterChoice{});
    press(Qt::Key_Return);
    ASSERT_EQ(desk.jobs().size(), 2); // the paper and the kept copy
    EXPECT_NE(desk.jobs()[0]->findText("Hinge 11"), nullptr);
    EXPECT_EQ(folder.bytes("BWInvoiceNo.txt"), "20260002\r\n");
    EXPECT_TRUE(program->startMenu()->isVisible());
}

TEST_F(InvoicePrint, ConfirmedPrintAdvancesTheCounterOnce) {
    folder.put("InvoiceMemo.txt", "Thank you, neighbour.\r\n\r\nOpen Sundays\r\n");
    invoiceWithOneLine();
    EXPECT_EQ(counter(), "20260001\r\n");

    expectPrint();
    printAndReturn();

    ASSERT_EQ(desk.messages().size(), 1);
    EXPECT_EQ(desk.messages()[0].buttons, pellar::MessageButtons::YesNo);
    EXPECT_EQ(counter(), "20260002\r\n");

    // One job on the chosen printer, in colour with the remittance section (the defaults).
    ASSERT_EQ(desk.jobs().size(), 2) << "the paper and the kept copy";
    const pellar::PrintJobSetup& job = desk.jobSetups()[0];
    EXPECT_EQ(job.printer.printerName, kOffice.printerName);
    EXPECT_EQ(job.printer.copies, 2);
    EXPECT_TRUE(job.color);
    EXPECT_EQ(job.orientation, QPageLayout::Portrait);
    const PrintLog& log = *desk.jobs()[0];
    EXPECT_TRUE(log.ended);
    for (const char* text :
         {"Hillside Hardware", "Date 12/6/2026", "INVOICE NO: 20260001", "Reference: PO-9",
          "Detach Here and Return Top Section", "Maple Street Bakery", "Springfield, IL 62704",
          "Hinge", "$4.50", "$9.00", "Thank you, neighbour.", "Open Sundays"})
        EXPECT_NE(log.findText(text), nullptr) << text;
    EXPECT_EQ(log.findText("Maple Street Bakery")->y, 3312);
    EXPECT_EQ(log.findText("Open Sundays")->y, 12600 + 2 * 240);

    // Issued: one register record, its kept copy drawn by the same job as the paper, the
    // customer in the book.
    EXPECT_EQ(folder.bytes("Invoices.txt"),
              "\"20260001\",\"2026-12-06\",\"Maple Street Bakery\",0.00,9.00,0.00,9.00,0.00,"
              "\"\",\"Invoices/2026/20260001 Maple Street Bakery.pdf\",\"\"\r\n");
    EXPECT_EQ(desk.jobSetups()[1].printer.outputFile.section(u'/', -1),
              QStringLiteral(".20260001 Maple Street Bakery.pdf.part"));
    EXPECT_TRUE(folder.exists("Invoices/2026/20260001 Maple Street Bakery.pdf"));
    const PrintLog& kept = *desk.jobs()[1];
    ASSERT_EQ(kept.ops.size(), log.ops.size());
    for (qsizetype i = 0; i < log.ops.size(); ++i) {
        const pellar::PrintOp &a = log.ops[i], &b = kept.ops[i];
        EXPECT_TRUE(a.kind == b.kind && a.page == b.page && a.x == b.x && a.y == b.y &&
                    a.x2 == b.x2 && a.y2 == b.y2 && a.text == b.text && a.fontSize == b.fontSize &&
                    a.bold == b.bold)
            << "op " << i << " " << a.text.toStdString();
    }
    EXPECT_EQ(folder.bytes("Customers.txt"),
              "\"Maple Street Bakery\",\"12 Maple St\",\"\",\"Springfield\",\"IL\",\"62704\"\r\n");

    openInvoice();
    EXPECT_EQ(get("txtInvoiceNo")->text(), "20260002");
}

TEST_F(InvoicePrint, ARegisterThatCannotGrowRefusesTheInvoiceAndFreesItsNumber) {
    QByteArray earlier;
    for (int i = 0; i < 200; ++i)
        earlier += "\"2025" + QByteArray::number(1000 + i) +
                   "\",\"2025-03-01\",\"Smith\",0.00,"
                   "5.00,0.00,5.00,0.00,\"\",\"Invoices/2025/x.pdf\",\"\"\r\n";
    folder.put("Invoices.txt", earlier);
    invoiceWithOneLine();
    const auto outcome = pellar::testing::runUnderFileSizeLimit(earlier.size() + 16, [&] {
        expectPrint();
        desk.expectMessage(QStringLiteral("Billwright"));
        click("cmdPrint");
        const QString told = desk.messages().last().text();
        return form->isVisible() && told.contains("Invoices.txt could not be written") &&
               told.contains("not issued");
    });
    EXPECT_EQ(outcome, pellar::testing::ChildOutcome::ReportedSuccess);
    EXPECT_EQ(folder.bytes("Invoices.txt"), earlier);
    EXPECT_EQ(counter(), "20260001\r\n");
    EXPECT_TRUE(QDir(folder.file("Invoices/2026")).isEmpty());
    EXPECT_FALSE(folder.exists("Customers.txt"));
}

TEST_F(InvoicePrint, NoThenNoKeepsTheNumberAndNoYesYesPrintsTwiceUnderIt) {
    invoiceWithOneLine();
    expectPrint(MessageAnswer::No);
    desk.expectMessage(QStringLiteral("Print Retry"), MessageAnswer::No);
    printAndReturn();
    ASSERT_EQ(desk.messages().size(), 2);
    EXPECT_EQ(desk.messages()[1].buttons, pellar::MessageButtons::YesNo);
    EXPECT_EQ(desk.jobs().size(), 1);
    EXPECT_EQ(counter(), "20260001\r\n");
    EXPECT_FALSE(folder.exists("Invoices.txt")); // not confirmed: not issued
    EXPECT_FALSE(folder.exists("Invoices"));

    // The next invoice has the same number; printed again on a retry, it counts once.
    invoiceWithOneLine();
    EXPECT_EQ(get("txtInvoiceNo")->text(), "20260001");
    expectPrint(MessageAnswer::No);
    desk.expectMessage(QStringLiteral("Print Retry"), MessageAnswer::Yes);
    expectPrint(MessageAnswer::Yes, PrinterChoice{kOffice.printerName, 1, QString()});
    printAndReturn();
    ASSERT_EQ(desk.jobs().size(), 4);
    for (const auto& log : desk.jobs().mid(1, 2)) {
        EXPECT_TRUE(log->ended);
        EXPECT_NE(log->findText("INVOICE NO: 20260001"), nullptr);
        EXPECT_NE(log->findText("Hinge"), nullptr);
    }
    // The retry's dialog opens on the printer chosen the first time.
    ASSERT_EQ(desk.printerDialogsShownWith().size(), 3);
    EXPECT_EQ(desk.printerDialogsShownWith()[2].printerName, kOffice.printerName);
    EXPECT_EQ(desk.jobSetups()[2].printer.copies, 1);
    EXPECT_EQ(counter(), "20260002\r\n");
}

TEST_F(InvoicePrint, ANumberAnotherCopyIssuedIsNotPrintedAgainAndTheLargestIsRefused) {
    invoiceWithOneLine();
    // Another copy on the folder printed 20260001 and 20260002 while this form was open.
    folder.put("BWInvoiceNo.txt", "20260003\r\n");
    desk.expectMessage(QStringLiteral("Billwright"));
    expectPrint();
    printAndReturn();
    EXPECT_EQ(desk.messages()[0].lines.last(), QStringLiteral("This invoice is number 20260003."));
    ASSERT_EQ(desk.jobs().size(), 2);
    EXPECT_NE(desk.jobs()[0]->findText("INVOICE NO: 20260003"), nullptr);
    EXPECT_EQ(counter(), "20260004\r\n");

    // The counter at its largest refuses before printing.
    folder.put("BWInvoiceNo.txt", "2147483647\r\n");
    invoiceWithOneLine();
    desk.expectMessage(QStringLiteral("Billwright"));
    click("cmdPrint");
    EXPECT_EQ(desk.printerDialogsShownWith().size(), 1); // the first invoice's only
    EXPECT_TRUE(desk.messages().last().text().contains(QStringLiteral("2147483647")));
    EXPECT_EQ(counter(), "2147483647\r\n");
    EXPECT_EQ(form->draft().lines().size(), 1); // the invoice is still there
}

TEST_F(InvoicePrint, CancelledDialogOrFailedJobKeepsTheInvoiceOnTheForm) {
    invoiceWithOneLine();
    desk.expectPrinterDialog(std::nullopt);
    click("cmdPrint");
    EXPECT_TRUE(desk.jobSetups().isEmpty());
    EXPECT_TRUE(desk.messages().isEmpty());

    // A job that cannot start is told in the printer's words; the invoice stays as it was.
    desk.expectPrinterDialog(kOffice);
    desk.failNextPrintJob(QStringLiteral("The printer \"Office Laser\" is not available."));
    desk.expectMessage(QStringLiteral("Billwright"));
    click("cmdPrint");
    EXPECT_TRUE(desk.jobs().isEmpty());
    EXPECT_TRUE(desk.messages().last().text().contains(QStringLiteral("not available")));
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->draft().lines().size(), 1);
    EXPECT_TRUE(get<QAbstractButton>("cmdPrint")->isEnabled());
    EXPECT_EQ(counter(), "20260001\r\n");
    EXPECT_FALSE(folder.exists("Invoices.txt"));
    EXPECT_FALSE(folder.exists("Customers.txt"));
}

TEST_F(InvoicePrint, PreviewNeverCountsAndPdfCountsOnlyOnceConfirmed) {
    invoiceWithOneLine();
    click("cmdPreview");
    ASSERT_EQ(desk.previews().size(), 1);
    EXPECT_NE(desk.previews()[0]->findText("INVOICE NO: 20260001"), nullptr);
    EXPECT_TRUE(desk.jobs().isEmpty());
    EXPECT_EQ(counter(), "20260001\r\n");

    // A cancelled save dialog keeps the invoice; a saved PDF is asked about like paper.
    desk.expectSaveFile(std::nullopt);
    click("cmdSavePdf");
    EXPECT_TRUE(form->isVisible());
    const QString pdf = folder.path() + QStringLiteral("/Hillside March.pdf");
    desk.expectSaveFile(pdf);
    desk.expectMessage(QStringLiteral("Printing Confirmation"), MessageAnswer::No);
    desk.expectMessage(QStringLiteral("Print Retry"), MessageAnswer::Yes);
    desk.expectSaveFile(pdf);
    desk.expectMessage(QStringLiteral("Printing Confirmation"), MessageAnswer::Yes);
    printAndReturn("cmdSavePdf");
    // The retry offers the file chosen the time before.
    EXPECT_EQ(desk.saveFilesSuggested(),
              (QStringList{"Invoice 20260001.pdf", "Invoice 20260001.pdf", pdf}));
    ASSERT_EQ(desk.jobSetups().size(), 3);
    EXPECT_EQ(desk.jobSetups()[1].printer.outputFile, pdf);
    EXPECT_TRUE(desk.printerDialogsShownWith().isEmpty());
    EXPECT_EQ(counter(), "20260002\r\n");
}

TEST_F(InvoicePrint, WithoutAPrinterThePdfIsOfferedAndNothingElseWritten) {
    desk.setPrinterAvailable(false);
    invoiceWithOneLine();
    desk.expectMessage(QStringLiteral("Billwright"), MessageAnswer::No);
    click("cmdPrint");
    EXPECT_TRUE(desk.jobSetups().isEmpty());
    EXPECT_TRUE(desk.printerDialogsShownWith().isEmpty());
    EXPECT_TRUE(form->isVisible());

    const QString pdf = folder.path() + QStringLiteral("/Hillside March.pdf");
    desk.expectMessage(QStringLiteral("Billwright"), MessageAnswer::Yes);
    desk.expectSaveFile(pdf);
    desk.expectMessage(QStringLiteral("Printing Confirmation"), MessageAnswer::Yes);
    printAndReturn();
    ASSERT_EQ(desk.jobSetups().size(), 2);
    EXPECT_EQ(desk.jobSetups()[0].printer.outputFile, pdf);
    EXPECT_EQ(counter(), "20260002\r\n");
}

TEST_F(InvoicePrint, PrintsTheDraftWithTheOptionsOfTheMoment) {
    // An edited number is printed; the counter still goes on from its own value.
    invoiceWithOneLine(QStringLiteral("A-100"), [](InvoiceOptions& o) {
        o.setRemittance(false);
        o.color = kClear;
        o.discountPercent = QStringLiteral("2");
        o.discountDays = QStringLiteral("15");
        o.discountAddOn = kTicked;
    });
    click("cmdComplete");
    click("cmdOptionsContinue");

    expectPrint();
    printAndReturn();

    ASSERT_EQ(desk.jobs().size(), 2);
    EXPECT_FALSE(desk.jobSetups()[0].color);
    const PrintLog& log = *desk.jobs()[0];
    EXPECT_NE(log.findText("INVOICE NO: A-100"), nullptr);
    EXPECT_EQ(log.findText("Detach Here and Return Top Section"), nullptr);
    EXPECT_NE(log.findText("Deduct a Discount of $0.18 if Paid in 15 days"), nullptr);
    EXPECT_EQ(log.findText("Hinge")->colorMode, pellar::ColorMode::Monochrome);
    EXPECT_EQ(log.findText("ITEM SUB-TOTAL")->y, 6480 + 2 * 240);
    EXPECT_EQ(counter(), "20260002\r\n");
}

const QByteArray kRegister =
    "\"20261001\",\"2026-10-01\",\"Smith & Sons\",0.00,100.00,0.00,100.00,0.00,\"\","
    "\"Invoices/2026/20261001 Smith.pdf\",\"\"\r\n"
    "damaged\r\n"
    "\"20261102\",\"2026-11-20\",\"Baker\",50.00,10.00,3.00,63.00,0.00,\"\","
    "\"Invoices/2026/20261102 Baker.pdf\",\"2026-11-30\"\r\n"
    "\"20261203\",\"2026-12-01\",\"Smithfield\",20.00,0.00,1.20,21.20,0.00,\"\","
    "\"Invoices/2026/20261203 Smithfield.pdf\",\"\"\r\n";

class InvoicesWindowTest : public BillwrightTest {
protected:
    void SetUp() override { qt_set_sequence_auto_mnemonic(true); }
    void alt(char key) {
        QTest::keyClick(window, key, Qt::AltModifier);
        QTest::qWait(150);
    }
    // As a keyboard sends them: to the window, which hands them to its focus.
    void press(int key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(window->windowHandle(), Qt::Key(key), modifiers);
    }
    void typeHere(const char* text) {
        for (; *text; ++text)
            QTest::keyClick(window->windowHandle(), *text);
    }
    void openFromMenu(Qt::Key key, const char* form) {
        activate(program->startMenu());
        QTest::keyClick(program->startMenu()->windowHandle(), key, Qt::ControlModifier);
        window = app.shell().form(QString::fromLatin1(form));
        ASSERT_TRUE(window->isVisible());
        activate(window);
    }
    QString summary() const { return child<QLabel>(window, "lblSummary")->text(); }
    QWidget* window = nullptr;
};

TEST_F(InvoicesWindowTest, FindsMarksPaidOpensAndExportsFromTheKeyboard) {
    folder.put("Invoices.txt", kRegister);
    start(kProfile);
    desk.expectMessage(QStringLiteral("Billwright")); // the damaged line is told
    openFromMenu(Qt::Key_I, "frmInvoices");
    EXPECT_TRUE(desk.messages().last().text().contains("1 line(s)"));
    // Today is 2026-12-06: the October invoice is unpaid for more than 30 days.
    EXPECT_EQ(summary(), QStringLiteral("3 of 3 invoices shown, total $184.20; 1 unpaid for "
                                        "more than 30 days (in red)."));
    typeHere("smith");
    EXPECT_TRUE(summary().startsWith("3 of 3")); // filtered once the typing pauses
    QTest::qWait(250);
    EXPECT_TRUE(summary().startsWith("2 of 3 invoices shown, total $121.20"));
    alt('u');
    EXPECT_TRUE(summary().startsWith("2 of 3"));

    // The newest first; the current one is marked paid on the day shown, the damaged line kept.
    alt('p');
    const QByteArray after = folder.bytes("Invoices.txt");
    EXPECT_TRUE(after.contains("\"Invoices/2026/20261203 Smithfield.pdf\",\"2026-12-06\"\r\n"));
    EXPECT_TRUE(after.contains("\r\ndamaged\r\n"));
    EXPECT_TRUE(summary().startsWith("1 of 3 invoices shown, total $100.00"));

    folder.put("Invoices/2026/20261001 Smith.pdf", "%PDF");
    alt('o');
    ASSERT_EQ(desk.openedDocuments().size(), 1);
    EXPECT_EQ(desk.openedDocuments()[0], folder.file("Invoices/2026/20261001 Smith.pdf"));

    const QString csv = folder.file("shown.csv");
    desk.expectSaveFile(csv);
    alt('x');
    EXPECT_EQ(folder.bytes("shown.csv"),
              "\xEF\xBB\xBFNumber,Date,Customer,Taxable,Non-taxable,Tax,Total,Discount,"
              "Discount Days,Paid,PDF\r\n\"20261001\",2026-10-01,\"Smith & Sons\",0.00,100.00,"
              "0.00,100.00,0.00,\"\",,\"Invoices/2026/20261001 Smith.pdf\"\r\n");

    // Several chosen rows at once: all shown, all rows, all unpaid in one rewrite.
    alt('u');
    alt('f');
    press(Qt::Key_A, Qt::ControlModifier);
    press(Qt::Key_Delete);
    for (int i = 0; i < 3; ++i) // past Dates and Unpaid only; the date boxes are off
        press(Qt::Key_Tab);
    EXPECT_EQ(focused(), "fgInvoices");
    press(Qt::Key_A, Qt::ControlModifier);
    alt('n');
    EXPECT_EQ(folder.bytes("Invoices.txt"),
              QByteArray(kRegister).replace("\"2026-11-30\"", "\"\""));

    // The quarter's sales tax, on the screen and as a file.
    EXPECT_TRUE(child<QLabel>(window, "lblSalesTax")->text().contains("tax collected $4.20"));
    desk.expectSaveFile(folder.file("tax.csv"));
    alt('c');
    EXPECT_TRUE(
        folder.bytes("tax.csv").endsWith("2026-10-01,2026-12-31,3,70.00,110.00,4.20,184.20\r\n"));
}

TEST_F(InvoicesWindowTest, CustomerEntryOffersTheBookByPrefixAndFillsTheAddress) {
    folder.put("Customers.txt", "\"Maple Street Bakery\",\"12 Maple St\",\"\",\"Springfield\","
                                "\"IL\",\"62704\"\r\n\"Mapleton Farm\",\"RR 2\",\"\",\"Barre\","
                                "\"VT\",\"05641\"\r\n\"Oak Mill\",\"1 Oak\",\"\",\"Troy\",\"NY\","
                                "\"12180\"\r\n");
    start(kProfile);
    click(program->startMenu(), "cmdContinue");
    QWidget* entry = app.shell().form(QStringLiteral("frmShell"));
    activate(entry);
    QLineEdit* name = child(entry, "txtCustomer_1");
    QTest::keyClicks(name, "map");
    QCompleter* completer = name->completer();
    ASSERT_NE(completer, nullptr);
    EXPECT_EQ(completer->completionCount(), 2);
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Return})
        QTest::keyClick(completer->popup(), key);
    EXPECT_EQ(name->text(), "Mapleton Farm");
    EXPECT_EQ(child(entry, "txtCustomer_2")->text(), "RR 2");
    EXPECT_EQ(child(entry, "txtCustomer_6")->text(), "05641");
    EXPECT_EQ(QApplication::focusWidget(), child(entry, "txtCustomer_2")); // still editable
}

TEST_F(InvoicesWindowTest, CustomersWindowEditsAndDeletesAndLeavesADamagedBookAlone) {
    const QByteArray book =
        "\"Maple Street Bakery\",\"12 Maple St\",\"\",\"Springfield\",\"IL\","
        "\"62704\"\r\n\"Oak Mill\",\"1 Oak\",\"\",\"Troy\",\"NY\",\"12180\"\r\n";
    folder.put("Customers.txt", book);
    start(kProfile);
    openFromMenu(Qt::Key_U, "frmCustomers");
    EXPECT_EQ(focused(), "fgCustomers");

    // The second customer: a new street, saved; a rename onto another customer refused.
    press(Qt::Key_Down);
    EXPECT_EQ(child(window, "txtName")->text(), "Oak Mill");
    alt('t');
    press(Qt::Key_A, Qt::ControlModifier);
    typeHere("9 Elm, Rear");
    alt('s');
    EXPECT_TRUE(folder.bytes("Customers.txt")
                    .endsWith("\"Oak Mill\",\"9 Elm, Rear\",\"\",\"Troy\",\"NY\",\"12180\"\r\n"));
    alt('n');
    press(Qt::Key_A, Qt::ControlModifier);
    typeHere("maple street bakery");
    desk.expectMessage(QStringLiteral("Billwright"));
    alt('s');
    EXPECT_TRUE(desk.messages().last().text().contains("already in the customer book"));
    EXPECT_EQ(child(window, "txtName")->text(), "Oak Mill"); // shown as it is in the file

    // Delete asks first: No keeps the customer, Yes takes it out.
    desk.expectMessage(QStringLiteral("Billwright"), MessageAnswer::No);
    alt('d');
    EXPECT_EQ(desk.messages().last().buttons, pellar::MessageButtons::YesNoDefaultNo);
    EXPECT_TRUE(folder.bytes("Customers.txt").contains("Oak Mill"));
    desk.expectMessage(QStringLiteral("Billwright"), MessageAnswer::Yes);
    alt('d');
    EXPECT_EQ(folder.bytes("Customers.txt"), book.left(book.indexOf("\r\n") + 2));
    EXPECT_EQ(child<QTableWidget>(window, "fgCustomers")->rowCount(), 1);

    // A book with a line that is not a customer: told, shown, and nothing can change it.
    alt('m');
    folder.put("Customers.txt", book + "garbled\r\n");
    desk.expectMessage(QStringLiteral("Billwright"));
    openFromMenu(Qt::Key_U, "frmCustomers");
    EXPECT_TRUE(desk.messages().last().text().contains("1 line(s) of Customers.txt"));
    EXPECT_EQ(child<QTableWidget>(window, "fgCustomers")->rowCount(), 2);
    EXPECT_FALSE(child<QAbstractButton>(window, "cmdSave")->isEnabled());
    EXPECT_FALSE(child<QAbstractButton>(window, "cmdDelete")->isEnabled());
    EXPECT_EQ(folder.bytes("Customers.txt"), book + "garbled\r\n");
}

} // namespace
