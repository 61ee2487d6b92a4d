// Billwright's start menu, customer entry and setup form, driven through their controls.
#include "common/core/settings.h"
#include "invoicing/ui/billwright.h"
#include "invoicing/ui/frmsetup.h"
#include "invoicing/ui/frmshell.h"
#include "invoicing/ui/frmsplash.h"
#include "invoicing/ui/optioncheckbox.h"
#include "tests/support/datafolder.h"
#include "tests/support/scripteddesk.h"
#include "tests/support/testprogram.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace invoicing;
using pellar::MessageAnswer;
using pellar::testing::ScratchDataFolder;
using pellar::testing::ScriptedDesk;

namespace {

const QByteArray kProfile = "\"Hillside Hardware\",\"41 Quarry Road\",\"Suite 2\",\"Brookfield\","
                            "\"VT\",\"05036\",\"802-555-0142\",\"orders@hillside.example\","
                            "\"03-1234567\"\r\n";
const QByteArray kDefaultOptions = "#FALSE#,#FALSE#,#TRUE#,#TRUE#,#FALSE#,\"0.0\",0,0,0,\"0\",1,"
                                   "\"0.0\",\"0\",0,#FALSE#,#TRUE#\r\n";

class BillwrightForms : public ::testing::Test {
protected:
    Billwright& start() {
        if (program)
            app.restart();
        program = new Billwright(app.shell());
        program->start();
        return *program;
    }
    // Near the left edge: a check box stretched by its layout is clickable only on its
    // indicator and text.
    static void click(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }
    static void type(QLineEdit* box, const QString& text) {
        box->selectAll();
        QTest::keyClicks(box, text);
    }

    pellar::testing::TestProgram app{billwrightProfile()};
    ScratchDataFolder& folder = app.folder;
    ScriptedDesk& desk = app.desk;
    int& ended = app.ended;
    Billwright* program = nullptr;
};

TEST_F(BillwrightForms, FirstStartGoesToSetupThenToCustomerEntry) {
    Billwright& bw = start();
    frmSplash* splash = bw.splash();
    EXPECT_TRUE(splash->isVisible());
    EXPECT_FALSE(bw.setup()->isVisible());
    EXPECT_TRUE(folder.exists("Backup"));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Version \\d+\\.\\d+\\.\\d+$"))
                    .match(splash->lblVersion->text())
                    .hasMatch())
        << splash->lblVersion->text().toStdString();

    click(splash->cmdContinue);
    frmSetup* setup = bw.setup();
    EXPECT_FALSE(splash->isVisible());
    ASSERT_TRUE(setup->isVisible());
    EXPECT_EQ(setup->tabInfo->currentIndex(), 0);
    EXPECT_EQ(setup->focusWidget(), setup->txtName);

    // No options file: the defaults, not the lists' first texts.
    EXPECT_EQ(setup->cboRate->currentText(), QStringLiteral("0.0"));
    EXPECT_EQ(setup->cboRate->count(), 4);
    EXPECT_EQ(setup->cboDiscount->currentText(), QStringLiteral("0.0"));
    EXPECT_EQ(setup->cboDays->currentText(), QStringLiteral("0"));
    EXPECT_EQ(setup->txtRate->text(), QStringLiteral("0"));
    EXPECT_TRUE(setup->optNoTax->isChecked());
    EXPECT_TRUE(setup->optFlat->isChecked());
    EXPECT_TRUE(setup->optReturn->isChecked());
    EXPECT_EQ(setup->ckColor->checkState(), Qt::Checked);
    for (QCheckBox* addOn : {setup->ckLabor, setup->ckShipping, setup->ckMisc, setup->ckDiscount})
        EXPECT_EQ(addOn->checkState(), Qt::Unchecked) << addOn->objectName().toStdString();
    EXPECT_TRUE(setup->ckAlarms->isChecked());
    EXPECT_TRUE(setup->ckPrompts->isChecked());
    EXPECT_FALSE(folder.exists("InvoiceInfo.txt"));

    QTest::keyClicks(setup->txtName, QStringLiteral("Hillside Hardware, Inc"));
    click(setup->cmdQuit);
    EXPECT_FALSE(setup->isVisible());
    EXPECT_TRUE(splash->isVisible());
    EXPECT_EQ(folder.bytes("MyBusinessData.txt"),
              "\"Hillside Hardware, Inc\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n");
    EXPECT_EQ(folder.bytes("InvoiceInfo.txt"), kDefaultOptions);
    EXPECT_EQ(folder.bytes("Settings.txt"), "0,0,#TRUE#,#TRUE#\r\n");

    click(splash->cmdContinue);
    ASSERT_NE(bw.shell(), nullptr);
    EXPECT_TRUE(bw.shell()->isVisible());
    EXPECT_FALSE(setup->isVisible());
    EXPECT_EQ(ended, 0);
}

TEST_F(BillwrightForms, ProfileOnlyInTheBackupFolderStillSendsToSetup) {
    Billwright& bw = start();
    // Left in the backup folder after the program started: Continue looks, it does not
    // restore.
    folder.put("Backup/MyBusinessData.txt", kProfile);
    click(bw.splash()->cmdContinue);
    EXPECT_TRUE(bw.setup()->isVisible());
    EXPECT_EQ(bw.shell(), nullptr);
    EXPECT_FALSE(folder.exists("MyBusinessData.txt"));
}

TEST_F(BillwrightForms, SavingUnchangedFormRewritesBothFilesAsShown) {
    folder.put("MyBusinessData.txt", kProfile);
    Billwright& bw = start();
    EXPECT_EQ(bw.profile().name, QStringLiteral("Hillside Hardware"));
    bw.splash()->mnuCreate->trigger();
    frmSetup* setup = bw.setup();
    ASSERT_TRUE(setup->isVisible());
    EXPECT_FALSE(bw.splash()->isVisible());
    EXPECT_EQ(setup->txtZip->text(), QStringLiteral("05036"));
    EXPECT_EQ(setup->txtFEIN->text(), QStringLiteral("03-1234567"));

    click(setup->cmdQuit);
    EXPECT_EQ(folder.bytes("MyBusinessData.txt"), kProfile);
    EXPECT_EQ(folder.bytes("InvoiceInfo.txt"), kDefaultOptions);
}

TEST_F(BillwrightForms, TypedTaxRateIsStoredAsTextAndUsedAtOnce) {
    Billwright& bw = start();
    bw.splash()->mnuCreate->trigger();
    frmSetup* setup = bw.setup();
    setup->tabInfo->setCurrentIndex(2);
    setup->tabOptions->setCurrentIndex(1);
    click(setup->optMaterial);
    type(setup->cboRate->lineEdit(), QStringLiteral("6.5"));
    click(setup->ckShipping);

    // The invoice form reads the options from the form, before any save.
    const InvoiceOptions now = bw.options();
    EXPECT_EQ(now.taxMode(), TaxMode::MaterialOnly);
    EXPECT_EQ(now.taxRate, QStringLiteral("6.5"));
    EXPECT_EQ(now.shippingAddOn, kTicked);

    click(setup->cmdQuit);
    EXPECT_EQ(folder.bytes("InvoiceInfo.txt"),
              "#FALSE#,#TRUE#,#FALSE#,#TRUE#,#FALSE#,\"6.5\",0,1,0,\"0\",1,\"0.0\",\"0\",0,"
              "#FALSE#,#TRUE#\r\n");
    EXPECT_EQ(setup->cboRate->count(), 4); // typing does not add to the list
}

TEST_F(BillwrightForms, StoredOptionsFillTheControls) {
    // Both tax modes and both labor modes true: the later wins. Labor add-on greyed.
    folder.put("InvoiceInfo.txt", "#TRUE#,#TRUE#,#FALSE#,#TRUE#,#TRUE#,\"7.25\",2,1,0,\"38.50\",0,"
                                  "\"2.0\",\"10\",1,#TRUE#,#FALSE#\r\n");
    Billwright& bw = start();
    frmSetup* setup = bw.setup();
    EXPECT_TRUE(setup->optMaterial->isChecked());
    EXPECT_FALSE(setup->optAll->isChecked());
    EXPECT_TRUE(setup->optCal->isChecked());
    EXPECT_TRUE(setup->optPlain->isChecked());
    EXPECT_EQ(setup->cboRate->currentText(), QStringLiteral("7.25"));
    EXPECT_EQ(setup->txtRate->text(), QStringLiteral("38.50"));
    EXPECT_EQ(setup->cboDiscount->currentText(), QStringLiteral("2.0"));
    EXPECT_EQ(setup->cboDays->currentText(), QStringLiteral("10"));
    EXPECT_EQ(setup->ckLabor->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(setup->ckShipping->value(), kTicked);
    EXPECT_EQ(setup->ckColor->value(), kClear);
    EXPECT_EQ(setup->ckDiscount->value(), kTicked);

    // A click on a greyed box ticks it, the next one clears it.
    bw.splash()->mnuCreate->trigger();
    setup->tabInfo->setCurrentIndex(2);
    setup->tabOptions->setCurrentIndex(2);
    click(setup->ckLabor);
    EXPECT_EQ(setup->ckLabor->value(), kTicked);
    click(setup->ckLabor);
    EXPECT_EQ(setup->ckLabor->value(), kClear);
}

TEST_F(BillwrightForms, DamagedOptionsFileIsToldAndTheProgramGoesOn) {
    folder.put("InvoiceInfo.txt", "#TRUE#,#FALSE#,#FALSE#,#FALSE#,#TRUE#,\"6.0\"\r\n");
    desk.expectMessage(QStringLiteral("Billwright"));
    Billwright& bw = start();
    ASSERT_EQ(desk.messages().size(), 1);
    EXPECT_TRUE(desk.messages()[0].text().contains(QStringLiteral("InvoiceInfo.txt")));
    EXPECT_TRUE(bw.setup()->optAll->isChecked());
    EXPECT_TRUE(bw.setup()->optCal->isChecked());
    EXPECT_EQ(bw.setup()->cboRate->currentText(), QStringLiteral("6.0"));
    EXPECT_EQ(bw.setup()->cboDays->currentText(), QStringLiteral("0")); // default
    EXPECT_TRUE(bw.splash()->isVisible());
}

TEST_F(BillwrightForms, ProgramAidsFollowTheBoxesAndAreSaved) {
    folder.put("Settings.txt", "7,9,#TRUE#,#FALSE#\r\n");
    Billwright& bw = start();
    frmSetup* setup = bw.setup();
    EXPECT_TRUE(setup->ckAlarms->isChecked());
    EXPECT_FALSE(setup->ckPrompts->isChecked());

    bw.splash()->mnuCreate->trigger();
    setup->tabInfo->setCurrentIndex(2);
    setup->tabOptions->setCurrentIndex(4);
    click(setup->ckAlarms);
    EXPECT_FALSE(app.context.settings.alarmsOn); // at once, before any save
    click(setup->ckPrompts);
    EXPECT_TRUE(app.context.settings.promptsOn);
    click(setup->cmdQuit);
    EXPECT_EQ(folder.bytes("Settings.txt"), "7,9,#FALSE#,#TRUE#\r\n");
}

TEST_F(BillwrightForms, UnreadableSettingsFileIsNotOverwritten) {
    folder.put("Settings.txt", "seven,9,#TRUE#,#TRUE#\r\n");
    desk.expectMessage(QStringLiteral("Billwright"));
    Billwright& bw = start();
    bw.splash()->mnuCreate->trigger();
    click(bw.setup()->ckAlarms);
    click(bw.setup()->cmdQuit);
    EXPECT_EQ(folder.bytes("Settings.txt"), "seven,9,#TRUE#,#TRUE#\r\n");
    EXPECT_FALSE(app.context.settings.alarmsOn);
}

TEST_F(BillwrightForms, TitleBarCloseOfSetupLosesEditsAndEndsWithBackup) {
    folder.put("MyBusinessData.txt", kProfile);
    folder.put("SalesItems.txt", "Hinge\r\n");
    Billwright& bw = start();
    bw.splash()->mnuCreate->trigger();
    frmSetup* setup = bw.setup();
    type(setup->txtName, QStringLiteral("Changed Name"));
    click(setup->optAll);

    pellar::testing::closeByPerson(setup);
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(setup->isVisible());
    EXPECT_FALSE(bw.splash()->isVisible());
    EXPECT_EQ(folder.bytes("MyBusinessData.txt"), kProfile);
    EXPECT_FALSE(folder.exists("InvoiceInfo.txt"));
    EXPECT_FALSE(folder.exists("Settings.txt"));
    EXPECT_EQ(folder.bytes("Backup/SalesItems.txt"), "Hinge\r\n");
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
    EXPECT_EQ(desk.messages().last().lines,
              (QStringList{QStringLiteral("Copying of File SalesItems.txtCould not be completed"),
                           QStringLiteral("This is most likely due some other "),
                           QStringLiteral("Orvanta Program running concurrently")}));
    EXPECT_TRUE(folder.exists("Backup/BusinessInfo.txt"));
    EXPECT_FALSE(folder.exists("Backup/InvoiceCounter.txt"));
    EXPECT_FALSE(folder.exists("Backup/InvoiceInfo.txt"));
}

TEST_F(BillwrightForms, FailedSaveIsToldAndTheFormStays) {
    Billwright& bw = start();
    // A folder where the options file belongs: it cannot be replaced.
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("InvoiceInfo.txt")));
    bw.splash()->mnuCreate->trigger();
    desk.expectMessage(QStringLiteral("Billwright"));
    click(bw.setup()->cmdQuit);
    ASSERT_EQ(desk.messages().size(), 1);
    EXPECT_TRUE(desk.messages()[0].text().contains(QStringLiteral("InvoiceInfo.txt")));
    EXPECT_TRUE(bw.setup()->isVisible());
    EXPECT_FALSE(bw.splash()->isVisible());
}

TEST_F(BillwrightForms, SetupAlwaysOpensOnBusinessInfo) {
    Billwright& bw = start();
    frmSetup* setup = bw.setup();
    bw.splash()->mnuCreate->trigger();
    setup->tabInfo->setCurrentIndex(3);
    setup->txtTel->setFocus();
    click(setup->cmdQuit);
    bw.splash()->mnuCreate->trigger();
    EXPECT_EQ(setup->tabInfo->currentIndex(), 0);
    EXPECT_EQ(setup->focusWidget(), setup->txtName);
}

TEST_F(BillwrightForms, CustomerEntryStartsBlankEveryTime) {
    folder.put("MyBusinessData.txt", kProfile);
    Billwright& bw = start();
    click(bw.splash()->cmdContinue);
    frmShell* shell = bw.shell();
    ASSERT_NE(shell, nullptr);
    EXPECT_EQ(shell->windowTitle(), QStringLiteral("Customer Entry    "));
    EXPECT_EQ(shell->focusWidget(), shell->txtCustomer[1]);
    for (int i = 1; i <= 6; ++i)
        QTest::keyClicks(shell->txtCustomer[i], QStringLiteral("field %1").arg(i));
    EXPECT_EQ(shell->customer(3), QStringLiteral("field 3"));
    EXPECT_EQ(shell->customerFields().size(), 6);

    click(shell->cmdExit);
    EXPECT_FALSE(shell->isVisible());
    EXPECT_TRUE(bw.splash()->isVisible());
    click(bw.splash()->cmdContinue);
    for (int i = 1; i <= 6; ++i)
        EXPECT_TRUE(shell->txtCustomer[i]->text().isEmpty()) << i;
    EXPECT_EQ(shell->focusWidget(), shell->txtCustomer[1]);

    // Continue goes on to the invoice form; without one, back to the menu.
    click(shell->cmdSchedule);
    EXPECT_FALSE(shell->isVisible());
    EXPECT_TRUE(bw.splash()->isVisible());
}

TEST_F(BillwrightForms, ContinueOpensAFreshInvoiceFormEachTime) {
    folder.put("MyBusinessData.txt", kProfile);
    Billwright& bw = start();
    int made = 0;
    bw.setInvoiceFormFactory([&made](Billwright&) {
        ++made;
        return new QWidget;
    });
    click(bw.splash()->cmdContinue);
    click(bw.shell()->cmdSchedule);
    ASSERT_NE(bw.invoiceForm(), nullptr);
    EXPECT_TRUE(bw.invoiceForm()->isVisible());
    EXPECT_EQ(made, 1);
    EXPECT_TRUE(app.shell().loadedForms().contains(bw.invoiceForm()));
}

TEST_F(BillwrightForms, StartMenuEntries) {
    Billwright& bw = start();
    frmSplash* splash = bw.splash();

    desk.expectMessage(QStringLiteral("Billwright"));
    splash->mnuHelp->trigger();
    ASSERT_EQ(desk.messages().size(), 1);
    EXPECT_EQ(desk.messages()[0].lines.mid(0, 3),
              (QStringList{QStringLiteral("The Help file is named Free Billwright User.pdf"),
                           QStringLiteral("and is in your Orvanta folder"),
                           QStringLiteral("You'll need a PFD Reader to view it")}));
    EXPECT_EQ(desk.messages()[0].lines.size(), 4);

    desk.expectMessage(QStringLiteral("Ordering Deluxe Forms"), MessageAnswer::No);
    splash->mnuChecks->trigger();
    EXPECT_FALSE(folder.exists("Temp.url"));
    desk.expectMessage(QStringLiteral("Order Paper"), MessageAnswer::Yes);
    splash->mnuPaper->trigger();
    EXPECT_EQ(desk.openedAddresses(), QStringList{pellar::WebConfig::defaults().paperSupplier});

    splash->mnuVisit->trigger();
    EXPECT_EQ(folder.bytes("Temp.url"),
              "[InternetShortcut]\r\nURL = " +
                  pellar::WebConfig::defaults().productComparison.toLatin1() + "\r\n");

    splash->mnuExit->trigger();
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(splash->isVisible());
}

TEST_F(BillwrightForms, SetupSupplierNotices) {
    Billwright& bw = start();
    frmSetup* setup = bw.setup();
    const pellar::WebConfig web = pellar::WebConfig::defaults();

    desk.expectMessage(QStringLiteral("Ordering Deluxe Forms"), MessageAnswer::No);
    setup->mnuDeluxe->trigger();
    ASSERT_EQ(desk.messages().size(), 1);
    const QStringList& lines = desk.messages()[0].lines;
    ASSERT_EQ(lines.size(), 13);
    EXPECT_EQ(lines[4], QStringLiteral("Call Deluxe (Toll Free) at ") + web.supplierPhone);
    EXPECT_EQ(lines[5], QStringLiteral("USE PRIORITY CODE ") + web.priorityCode +
                            QStringLiteral(" to obtain the Discount"));
    EXPECT_EQ(lines[7],
              QStringLiteral("Click YES to connect to the INTERNET TO PLACE A  RE-ORDER"));
    EXPECT_TRUE(lines[3].isEmpty() && lines[6].isEmpty() && lines[8].isEmpty());
    EXPECT_TRUE(desk.openedAddresses().isEmpty());

    desk.expectMessage(QStringLiteral("Order Paper"), MessageAnswer::Yes);
    setup->mnuPaper->trigger();
    EXPECT_EQ(desk.messages()[1].lines[1],
              QStringLiteral("Service Slips with a Tally or Remittance Section"));
    EXPECT_EQ(desk.openedAddresses(), QStringList{web.paperSupplier});
}

TEST_F(BillwrightForms, CaptionsWithTellingBlanks) {
    Billwright& bw = start();
    frmSetup* setup = bw.setup();
    EXPECT_EQ(setup->windowTitle(), QStringLiteral("Billwright Setup Form"));
    EXPECT_EQ(setup->tabInfo->toolTip(),
              QStringLiteral("Enter the needed info,  Click the Orange to Save it"));
    EXPECT_EQ(setup->cmdQuit->text(), QStringLiteral("&Save Entries and  Return to Menu"));
    EXPECT_EQ(setup->optCal->text(), QStringLiteral("Calculate (Manpower  X  Hours)"));
    EXPECT_EQ(setup->optReturn->text(), QStringLiteral("Print Remittance Slip "));
    EXPECT_EQ(setup->ckColor->toolTip(), QStringLiteral("Tick to set color printing "));
    QStringList tabs;
    for (int i = 0; i < setup->tabInfo->count(); ++i)
        tabs << setup->tabInfo->tabText(i);
    EXPECT_EQ(tabs, (QStringList{QStringLiteral("Business Info"), QStringLiteral("Help"),
                                 QStringLiteral("Options"), QStringLiteral("Printing")}));
    EXPECT_EQ(setup->tabOptions->count(), 5);

    EXPECT_EQ(bw.splash()->windowTitle(), QStringLiteral("BILLWRIGHT by ORVANTA Co"));
    EXPECT_EQ(bw.splash()->lblRunning[1]->text(),
              QStringLiteral("Exit all other Orvanta Programs before continuing...."));
}

} // namespace
