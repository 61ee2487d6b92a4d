// Slipmaker's start: the entry sequence, the start form and the way between the forms. Its
// business setup form: the shared profile, the older profile file and its conversion, the two
// address layouts and the forms-order note. And the deposit history: the log read back in date order with totals to the cent, records that
// cannot be read kept and counted, the slips' copies found by date and amount, and nothing
// written to the log or the balance whatever the person does there.
#include "common/core/profile.h"
#include "deposits/core/deposithistory.h"
#include "deposits/core/profileload.h"
#include "deposits/core/slipmakerinfo.h"
#include "deposits/core/transactionlog.h"
#include "deposits/ui/frmcheckbooksetup.h"
#include "deposits/ui/frmdeposit.h"
#include "deposits/ui/frmdeposithistory.h"
#include "deposits/ui/frmsetup.h"
#include "deposits/ui/frmsplash.h"
#include "deposits/ui/slipmaker.h"
#include "tests/deposits/slipmakerfixture.h"

#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QDateTime>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

Q_GUI_EXPORT void qt_set_sequence_auto_mnemonic(bool on);

using namespace pellar;
using namespace deposits;

using deposits::testing::child;
using deposits::testing::kCheckbook;
using deposits::testing::logRecord;

namespace {

void click(QWidget* form, const char* name) {
    QTest::mouseClick(child(form, QString::fromLatin1(name)), Qt::LeftButton);
}

class SlipmakerProgram : public deposits::testing::SlipmakerTest {
protected:
    // Started as from the desktop, the checkbook file in place unless given other bytes.
    Slipmaker& started(const QByteArray& checkbook = kCheckbook) {
        folder.put("CheckbookInfo.txt", checkbook);
        auto* program = new Slipmaker(app.shell());
        EXPECT_TRUE(program->start());
        return *program;
    }
    QList<QWidget*> visibleForms() {
        QList<QWidget*> shown;
        for (QWidget* form : app.shell().loadedForms()) {
            if (form->isVisible())
                shown << form;
        }
        return shown;
    }

    int& ended = app.ended;
};

// Out of order on purpose, with one date and one amount that cannot be read.
const QByteArray kLog = logRecord("12/6/2026", "100.1") + logRecord("11/30/2026", "0.05") +
                        logRecord("13/45/2026", "7") + logRecord("12/1/2026", "250.5") +
                        logRecord("12/6/2026", "100.1") + logRecord("12/2/2026", "n/a") +
                        logRecord("11/2/2026", "19.99");

BusinessProfile sample() {
    return {"Hill, Dale & Sons", "12 Main St",     "Suite 4",   "Springfield", "IL", "62701",
            "217-555-0100",      "hd@example.com", "12-3456789"};
}

const char* const kBoxes[] = {"txtName", "txtAddress", "txtPOBox", "txtCity", "txtSt",
                              "txtZip",  "txtTel",     "txtFax",   "txtFein"};

class SlipmakerSetup : public deposits::testing::SlipmakerTest {
protected:
    // Opened as the start form opens it; on the business tab unless told to keep the tab
    // the form chose.
    void open(bool keepTab = false) {
        form = std::make_unique<frmSetup>(app.context);
        form->show();
        form->activate();
        if (!keepTab)
            tabs()->setCurrentIndex(0);
    }
    template <typename Widget = QWidget> Widget* child(const char* name) const {
        return deposits::testing::child<Widget>(form.get(), QString::fromLatin1(name));
    }
    QLineEdit* box(const char* name) const { return child<QLineEdit>(name); }
    QTabWidget* tabs() const { return child<QTabWidget>("SSTab1"); }
    void click(const char* name) { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }
    void replaceText(const char* name, const QString& text) {
        box(name)->selectAll();
        QTest::keyClicks(box(name), text);
    }
    BusinessProfile boxes() const {
        QStringList values;
        for (const char* name : kBoxes)
            values << box(name)->text();
        return BusinessProfile::fromFields(values);
    }

    std::unique_ptr<frmSetup> form;
};

} // namespace

TEST_F(SlipmakerSetup, TheProfileIsSharedWithTheInvoicingProgram) {
    // Written by the invoicing program's writer, shown here unchanged.
    ASSERT_TRUE(saveProfileKeepingBackup(folder, sample()));
    const QByteArray written = folder.bytes("MyBusinessData.txt");
    open();
    EXPECT_EQ(boxes(), sample());
    EXPECT_EQ(folder.bytes("MyBusinessData.txt"), written);

    // Saved here, read by the common reader the other programs use.
    replaceText("txtName", QStringLiteral("Hill, Dale & Daughters"));
    replaceText("txtFein", QStringLiteral("DE 123 456 789"));
    QSignalSpy menu(form.get(), &frmSetup::menuWanted);
    folder.put("Backup/MyBusinessData.txt", written);
    click("cmdQuit");
    EXPECT_EQ(menu.count(), 1);
    EXPECT_FALSE(form->isVisible());

    BusinessProfile expected = sample();
    expected.name = "Hill, Dale & Daughters";
    expected.fein = "DE 123 456 789";
    EXPECT_EQ(readBusinessProfile(folder).profile, expected);
    EXPECT_EQ(folder.bytes("MyBusinessData.txt"), encodeProfile(expected));
    // This program's save drops the backup copy, so no older profile can come back.
    EXPECT_FALSE(folder.exists("Backup/MyBusinessData.txt"));
}

TEST_F(SlipmakerSetup, AProfileTheInvoicingProgramSavedMeanwhileIsKeptWhenThePersonSaysNo) {
    ASSERT_TRUE(saveProfileKeepingBackup(folder, sample()));
    open();
    replaceText("txtTel", QStringLiteral("217-555-0199"));
    BusinessProfile theirs = sample();
    theirs.name = "Dale Hill Hardware";
    ASSERT_TRUE(saveProfileKeepingBackup(folder, theirs));
    QSignalSpy menu(form.get(), &frmSetup::menuWanted);
    desk.expectMessage(QStringLiteral("Slipmaker"), pellar::MessageAnswer::No);
    click("cmdQuit");
    EXPECT_EQ(readBusinessProfile(folder).profile, theirs);
    EXPECT_EQ(boxes(), theirs) << "the form shows the profile kept";
    EXPECT_EQ(menu.count(), 0);
}

TEST_F(SlipmakerSetup, AltSSavesFromTheTabsWithoutTheSaveButton) {
    // The business tab's button answers to its own letter on a real display.
    ASSERT_TRUE(saveProfileKeepingBackup(folder, sample()));
    for (int tab = 1; tab < 3; ++tab) {
        open();
        tabs()->setCurrentIndex(tab);
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        QSignalSpy menu(form.get(), &frmSetup::menuWanted);
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : form.get(),
                        Qt::Key_S, Qt::AltModifier);
        EXPECT_EQ(menu.count(), 1) << "tab " << tab;
    }
}

TEST_F(SlipmakerSetup, AddressLayoutFollowsTheProfileAndANameIsNeeded) {
    const auto expectStyle = [this](AddressStyle style) {
        const bool usa = style == AddressStyle::UnitedStates;
        EXPECT_EQ(form->addressStyle(), style);
        EXPECT_EQ(box("txtZip")->isHidden(), !usa);
        EXPECT_EQ(child("lblPostal")->isHidden(), !usa);
    };

    open(); // a new profile
    expectStyle(AddressStyle::UnitedStates);
    EXPECT_EQ(boxes(), BusinessProfile{});

    // It cannot be saved without a company name: the button and Return in the last box
    // are both refused.
    QSignalSpy menu(form.get(), &frmSetup::menuWanted);
    replaceText("txtAddress", QStringLiteral("1 Quay St"));
    click("cmdQuit");
    EXPECT_EQ(desk.beeps(), 1);
    EXPECT_FALSE(child<QLabel>("lblStatusNote")->text().isEmpty());
    QTest::keyClick(box("txtFein"), Qt::Key_Return);
    EXPECT_EQ(desk.beeps(), 2);
    EXPECT_EQ(menu.count(), 0);
    EXPECT_TRUE(form->isVisible() && form->focusWidget() == box("txtName"));
    EXPECT_FALSE(folder.exists("MyBusinessData.txt"));

    ASSERT_TRUE(saveProfileKeepingBackup(folder, sample()));
    open(); // named, with a postal code
    expectStyle(AddressStyle::UnitedStates);
    // Switching away empties the postal code; switching back brings the one last loaded or
    // saved, not the one typed.
    replaceText("txtZip", QStringLiteral("99999"));
    click("cmdAddress");
    expectStyle(AddressStyle::International);
    EXPECT_EQ(box("txtZip")->text(), "");
    click("cmdAddress");
    expectStyle(AddressStyle::UnitedStates);
    EXPECT_EQ(box("txtZip")->text(), "62701");

    // Saved in the international layout: no postal code, and that is how it opens next.
    click("cmdAddress");
    replaceText("txtSt", QStringLiteral("Lower Saxony Region"));
    click("cmdQuit");
    EXPECT_EQ(readBusinessProfile(folder).profile.zip, "");
    form->show();
    form->activate();
    expectStyle(AddressStyle::International);
    // A long address line survives the two-letter state box when switching.
    click("cmdAddress");
    EXPECT_EQ(box("txtSt")->text(), "Lower Saxony Region");

    BusinessProfile abroad = sample();
    abroad.zip = "";
    ASSERT_TRUE(saveProfileKeepingBackup(folder, abroad));
    open(); // named, without a postal code
    expectStyle(AddressStyle::International);
    EXPECT_EQ(boxes(), abroad);
}

TEST_F(SlipmakerSetup, FormsOrderNoteAndTheOrderMenu) {
    // A first-time user sees the ordering instructions first.
    open(true);
    EXPECT_EQ(tabs()->currentIndex(), 1);
    EXPECT_FALSE(child("fraOrderNow")->isHidden());
    click("cmdInstructions_1");
    EXPECT_TRUE(child("fraOrderNow")->isHidden());
    click("cmdInstructions_0");
    EXPECT_FALSE(child("fraOrderNow")->isHidden());
    replaceText("txtRep", QStringLiteral("Pat Doe"));
    replaceText("txtOrderNo", QStringLiteral("A-1234, B"));
    click("cmdInstructions_2");
    EXPECT_EQ(folder.bytes("FormsOrdered.txt"), QByteArray("\"Pat Doe\",\"A-1234, B\"\r\n"));

    open(true);
    EXPECT_EQ(tabs()->currentIndex(), 0);
    EXPECT_TRUE(child("fraOrderNow")->isHidden());
    EXPECT_EQ(box("txtRep")->text() + box("txtOrderNo")->text(), "Pat DoeA-1234, B");

    // "Order Forms": the supplier's notice; Yes opens the re-order page.
    desk.expectMessage(QStringLiteral("Ordering Deluxe Forms"), MessageAnswer::Yes);
    child<QAction>("mnuOrder")->trigger();
    EXPECT_EQ(desk.openedAddresses(), QStringList{WebConfig::defaults().formsReorder});
}

TEST_F(SlipmakerSetup, AlignmentTestPagesOfBothSidesUseTheOffsetsShown) {
    open();
    tabs()->setCurrentWidget(child("pgAlignment"));
    child<QSpinBox>("spnAlignRight_0")->setValue(25);
    child<QSpinBox>("spnAlignDown_1")->setValue(-10);
    desk.expectPrinterDialog(PrinterChoice{});
    click("cmdAlignTest_0");
    // No printer: the test page may go to a PDF the person names.
    desk.setPrinterAvailable(false);
    desk.expectMessage(programTitle(), MessageAnswer::Yes);
    desk.expectSaveFile(QStringLiteral("/out/test.pdf"));
    click("cmdAlignTest_1");

    ASSERT_EQ(desk.jobSetups().size(), 2);
    const PrintJobSetup& front = desk.jobSetups()[0];
    EXPECT_EQ(std::tuple(front.origin, front.offsetX, front.offsetY),
              std::tuple(PageOrigin::PrintableArea, 360.0, 0.0));
    EXPECT_NE(desk.jobs()[0]->findText(QStringLiteral("Checks 7-14")), nullptr);
    const PrintJobSetup& back = desk.jobSetups()[1];
    EXPECT_EQ(std::tuple(back.printer.outputFile, back.offsetY),
              std::tuple(QStringLiteral("/out/test.pdf"), -144.0));
    EXPECT_NE(desk.jobs()[1]->findText(QStringLiteral("Checks 30 on")), nullptr);
    // Only a test: nothing saved until the person saves.
    EXPECT_FALSE(folder.exists("PrintAlignment.txt"));
}

TEST_F(SlipmakerSetup, TheOlderProfileFileIsConvertedButADamagedOneNeverWrittenOver) {
    folder.put("BusinessInfo.txt", "\"Acme, Inc\",\"1 Road\",\"\",\"Town\",\"ST\",\"12345\","
                                   "\"555-1234\",\"555-9999\"\r\n");
    folder.put("Backup/BusinessInfo.txt", "older still");
    open(); // converted as the form loads; a failed save would be told
    EXPECT_EQ(boxes().fax, "555-9999");
    EXPECT_EQ(folder.bytes("MyBusinessData.txt"),
              QByteArray("\"Acme, Inc\",\"1 Road\",\"\",\"Town\",\"ST\",\"12345\",\"555-1234\","
                         "\"555-9999\",\"\"\r\n"));
    EXPECT_FALSE(folder.exists("BusinessInfo.txt") || folder.exists("Backup/BusinessInfo.txt"));

    // The nine-field file wins; a stray older file is removed all the same.
    folder.put("BusinessInfo.txt", "\"Other\"\r\n");
    DepositProfileLoad load = loadBusinessConverting(folder);
    EXPECT_EQ(load.read.profile.name, "Acme, Inc");
    EXPECT_FALSE(folder.exists("BusinessInfo.txt"));

    // Nothing at all: nothing is written.
    QFile::remove(folder.file("MyBusinessData.txt"));
    load = loadBusinessConverting(folder);
    EXPECT_FALSE(load.read.found || folder.exists("MyBusinessData.txt"));

    folder.put("MyBusinessData.txt", "\"Acme\"\r\n");
    folder.put("BusinessInfo.txt", "\"Older\"\r\n");
    load = loadBusinessConverting(folder);
    EXPECT_FALSE(load.read.problem.isEmpty());
    EXPECT_EQ(folder.bytes("MyBusinessData.txt"), QByteArray("\"Acme\"\r\n"));
    EXPECT_TRUE(folder.exists("BusinessInfo.txt"));
}

TEST_F(SlipmakerProgram, WithoutACheckbookFileTheProgramEndsAtOnce) {
    folder.put("Transactions.txt", QByteArray(60, 'T'));
    folder.put("Backup/Transactions.txt", QByteArray(60, 'O'));
    Slipmaker& program = *new Slipmaker(app.shell());
    desk.expectMessage(QStringLiteral("Slipmaker"));
    desk.expectMessage(QStringLiteral("Slipmaker"), MessageAnswer::No); // no checkbook here
    EXPECT_FALSE(program.start());
    EXPECT_EQ(ended, 1);
    EXPECT_TRUE(visibleForms().isEmpty());
    EXPECT_EQ(program.setup(), nullptr);
    EXPECT_EQ(program.deposit(), nullptr);
    // The end still backs up the transactions log.
    EXPECT_EQ(folder.bytes("Backup/Transactions.txt"), QByteArray(60, 'T'));
}

// The backup copy of the checkbook file is never brought up to date, so its balance comes
// back with a word of which balance and which copy, before the start form offers a deposit.
TEST_F(SlipmakerProgram, ACheckbookRestoredFromItsCopySaysWhichBalanceCameBack) {
    folder.put("Backup/CheckbookInfo.txt", kCheckbook);
    QFile copy(folder.file("Backup/CheckbookInfo.txt"));
    ASSERT_TRUE(copy.open(QIODevice::ReadWrite));
    ASSERT_TRUE(copy.setFileTime(QDateTime(QDate(2026, 3, 2), QTime(9, 0)),
                                 QFileDevice::FileModificationTime));
    copy.close();
    desk.expectMessage(QStringLiteral("Slipmaker"));
    auto* program = new Slipmaker(app.shell());
    ASSERT_TRUE(program->start());
    ASSERT_EQ(desk.messages().size(), 1);
    EXPECT_TRUE(desk.messages()[0].text().contains(QStringLiteral("3/2/2026")));
    EXPECT_TRUE(desk.messages()[0].text().contains(QStringLiteral("$1,000.00")));
    EXPECT_EQ(folder.bytes("CheckbookInfo.txt"), kCheckbook);
}

TEST_F(SlipmakerProgram, EntrySequenceAndTheStartFormsWebEntries) {
    const pellar::WebConfig links = pellar::WebConfig::defaults();
    app.context.web = links;
    Slipmaker& program = started();

    // The start form shown, the backup folder made, the two working forms loaded hidden once
    // the start form is on the screen.
    QCoreApplication::processEvents();
    EXPECT_TRUE(QFileInfo(folder.file("Backup")).isDir());
    frmSplash* splash = program.splash();
    ASSERT_NE(splash, nullptr);
    EXPECT_EQ(app.shell().loadedForms(),
              QList<QWidget*>({splash, program.setup(), program.deposit()}));
    EXPECT_EQ(visibleForms(), QList<QWidget*>{splash});
    EXPECT_TRUE(child<QLabel>(splash, "lblNotice")->text().endsWith(QStringLiteral("2026")));

    child<QAction>(splash, "mnuPellarBanking")->trigger();
    child<QAction>(splash, "mnuHome")->trigger();
    EXPECT_EQ(desk.openedAddresses(), QStringList({links.bankingProduct, links.homePage}));

    desk.expectMessage(QStringLiteral("Ordering Deluxe Forms"), MessageAnswer::Yes);
    child<QAction>(splash, "mnuDeluxe")->trigger();
    EXPECT_EQ(desk.messages().last().buttons, MessageButtons::YesNo);
    EXPECT_EQ(desk.openedAddresses().last(), links.formsReorder);
}

TEST_F(SlipmakerProgram, ContinueGoesToSetupFirstAndToTheDepositFormOnceAProfileExists) {
    folder.put("FormsOrdered.txt", "\"Pat\",\"1\"\r\n");
    Slipmaker& program = started();
    const QPointer<frmSplash> first = program.splash();

    // No profile yet: setup.
    click(first, "cmdContinue");
    EXPECT_EQ(visibleForms(), QList<QWidget*>{program.setup()});
    EXPECT_EQ(program.splash(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(ended, 0);

    // Saving returns to a start form made afresh.
    QTest::keyClicks(child(program.setup(), "txtName"), QStringLiteral("Corner Shop"));
    click(program.setup(), "cmdQuit");
    frmSplash* second = program.splash();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(visibleForms(), QList<QWidget*>{second});
    EXPECT_EQ(app.shell().loadedForms().last(), second);

    // With the profile on file: the deposit form, with the checkbook data read.
    click(second, "cmdContinue");
    EXPECT_EQ(visibleForms(), QList<QWidget*>{program.deposit()});
    EXPECT_TRUE(program.deposit()->bank().trusted());

    // The picture opens the setup form as well.
    click(program.deposit(), "cmdMenu");
    click(program.splash(), "Image1");
    EXPECT_EQ(visibleForms(), QList<QWidget*>{program.setup()});

    // Every start form made afresh looks for the checkbook file again.
    QFile::remove(folder.file("CheckbookInfo.txt"));
    desk.expectMessage(QStringLiteral("Slipmaker"));
    desk.expectMessage(QStringLiteral("Slipmaker"), MessageAnswer::No);
    click(program.setup(), "cmdQuit");
    EXPECT_EQ(desk.messages()[desk.messages().size() - 2].lines.first(),
              "Create your Checkbook Files using Pellar Writer");
    EXPECT_EQ(ended, 1);
    EXPECT_TRUE(visibleForms().isEmpty());
}

TEST_F(SlipmakerProgram, ADamagedCheckbookFileSendsTheDepositFormBackToTheMenu) {
    ASSERT_TRUE(saveProfileKeepingBackup(folder, BusinessProfile::fromFields({"Corner Shop"})));
    Slipmaker& program = started("\"Checking\",\"Bank\",\"n/a\",\"0042\",\" 4\",1,2\r\n");
    desk.expectMessage(QStringLiteral("Slipmaker"));
    click(program.splash(), "cmdContinue");

    EXPECT_TRUE(desk.messages().last().text().contains(QStringLiteral("CheckbookInfo.txt")));
    ASSERT_NE(program.splash(), nullptr);
    EXPECT_EQ(visibleForms(), QList<QWidget*>{program.splash()});
    EXPECT_EQ(ended, 0);
}

TEST_F(SlipmakerProgram, ExitProgramUnloadsEveryFormAndBacksUpEveryFileItWrites) {
    const QStringList written{"CheckbookInfo.txt", "Transactions.txt", "FormsOrdered.txt",
                              "PrintAlignment.txt"};
    for (const QString& name : written)
        folder.put(name, name.toLatin1());
    click(started().splash(), "cmdContinue"); // to setup: no profile
    app.shell().exitProgram();
    EXPECT_EQ(ended, 1);
    EXPECT_TRUE(visibleForms().isEmpty());
    EXPECT_TRUE(app.shell().loadedForms().isEmpty());
    EXPECT_EQ(folder.notBackedUp(written, desk.today()), QStringList());
}

// Without the check-writing program: after the message, the checkbook file is set up here
// from the keyboard, and the start form follows with it in place.
TEST_F(SlipmakerProgram, ACheckbookFileSetUpHereLeadsToTheStartForm) {
    qt_set_sequence_auto_mnemonic(true);
    desk.expectMessage(QStringLiteral("Slipmaker"));
    desk.expectMessage(QStringLiteral("Slipmaker"), MessageAnswer::Yes);
    Slipmaker& program = *new Slipmaker(app.shell());
    ASSERT_TRUE(program.start());
    frmCheckbookSetup* setup = program.checkbookSetup();
    ASSERT_NE(setup, nullptr);
    EXPECT_EQ(visibleForms(), QList<QWidget*>{setup});
    setup->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(setup));

    // A balance that is not an amount is refused with a beep; nothing is written.
    const auto typeInto = [setup](const char* mnemonic, const QString& text) {
        QTest::keyClick(setup, mnemonic[0], Qt::AltModifier);
        QApplication::focusWidget()->setProperty("text", QString());
        QTest::keyClicks(QApplication::focusWidget(), text);
    };
    typeInto("a", QStringLiteral("Operating"));
    typeInto("b", QStringLiteral("Savings Bank"));
    typeInto("o", QStringLiteral("lots"));
    typeInto("n", QStringLiteral("0042"));
    QTest::keyClick(setup, 'c', Qt::AltModifier);
    QTest::qWait(150);
    EXPECT_EQ(desk.beeps(), 1);
    EXPECT_FALSE(folder.exists("CheckbookInfo.txt"));

    // Return goes on from box to box, and from the last creates the file.
    typeInto("o", QStringLiteral("1250.5"));
    QWindow* keyboard = setup->windowHandle();
    QTest::keyClick(keyboard, Qt::Key_Return);
    QTest::keyClick(keyboard, Qt::Key_Return);
    QTest::keyClick(keyboard, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("201"));
    QTest::keyClick(keyboard, Qt::Key_Return);
    EXPECT_EQ(folder.bytes("CheckbookInfo.txt"),
              "\"Operating\",\"Savings Bank\",\"$1,250.50\",\"0042\",\" 4\",201,1\r\n");
    ASSERT_NE(program.splash(), nullptr);
    EXPECT_EQ(visibleForms(), QList<QWidget*>{program.splash()});
    EXPECT_EQ(ended, 0);
}

TEST_F(SlipmakerProgram, DeclinedCheckbookSetupEndsTheProgram) {
    desk.expectMessage(QStringLiteral("Slipmaker"));
    desk.expectMessage(QStringLiteral("Slipmaker"), MessageAnswer::Yes);
    Slipmaker& program = *new Slipmaker(app.shell());
    ASSERT_TRUE(program.start());
    click(program.checkbookSetup(), "cmdCancelCheckbook");
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(folder.exists("CheckbookInfo.txt"));
}

TEST_F(SlipmakerProgram, TheHistoryOpensFromTheStartFormAndReturnsToIt) {
    Slipmaker& program = started();
    click(program.splash(), "cmdHistory");
    ASSERT_NE(program.history(), nullptr);
    EXPECT_EQ(visibleForms(), QList<QWidget*>{program.history()});
    click(program.history(), "cmdMenu");
    ASSERT_NE(program.splash(), nullptr);
    EXPECT_EQ(visibleForms(), QList<QWidget*>{program.splash()});
}

TEST(DepositHistory, RowsByDateThenUnreadableWithTotalsToTheCent) {
    const QList<LoggedDeposit> log = decodeDepositLog(kLog);
    ASSERT_EQ(log.size(), 7);
    const DepositHistory all = depositsBetween(log, QDate(2000, 1, 1), QDate(2100, 1, 1));
    QStringList order;
    for (const LoggedDeposit& row : all.rows)
        order << QString::number(row.record);
    EXPECT_EQ(order, QStringList({"7", "2", "4", "1", "5", "3", "6"}));
    EXPECT_EQ(all.unreadable, 2);
    EXPECT_EQ(all.total, Currency::fromDecimalText(u"470.74"));
    ASSERT_EQ(all.months.size(), 2);
    EXPECT_EQ(std::tuple(all.months[0].month, all.months[0].deposits, all.months[0].total),
              std::tuple(11, 2, Currency::fromDecimalText(u"20.04")));
    EXPECT_EQ(std::tuple(all.months[1].month, all.months[1].deposits, all.months[1].total),
              std::tuple(12, 3, Currency::fromDecimalText(u"450.70")));

    // A range keeps its own days (both ends included) and still lists the unreadable ones.
    const DepositHistory december = depositsBetween(log, QDate(2026, 12, 1), QDate(2026, 12, 6));
    EXPECT_EQ(december.rows.size(), 3 + 2);
    EXPECT_EQ(december.total, Currency::fromDecimalText(u"450.7"));

    EXPECT_EQ(depositHistoryCsv(depositsBetween(log, QDate(2026, 11, 30), QDate(2026, 12, 1))),
              "Date,Description,Amount,Unreadable\r\n"
              "2026-11-30,\"Deposit\",0.05,\r\n"
              "2026-12-01,\"Deposit\",250.50,\r\n"
              "\"13/45/2026\",\"Deposit\",\"7\",yes\r\n"
              "\"12/2/2026\",\"Deposit\",\"n/a\",yes\r\n");
    const QList<LoggedDeposit> quoted = decodeDepositLog(logRecord("1/2/2026", "1", "Cash, \"petty\""));
    EXPECT_TRUE(depositHistoryCsv(depositsBetween(quoted, QDate(2026, 1, 1), QDate(2026, 1, 2)))
                    .contains("\"Cash, \"\"petty\"\"\""));
}

class HistoryForm : public deposits::testing::SlipmakerTest {
protected:
    HistoryForm() {
        qt_set_sequence_auto_mnemonic(true);
        folder.put("CheckbookInfo.txt", kCheckbook);
        folder.put("Transactions.txt", kLog);
        // The copies of the two deposits of 12/6 (the second one's name has " (2)"), and of
        // 12/1; 11/30 has none.
        folder.put("Deposits/2026/2026-12-06 100.10.pdf", "first");
        folder.put("Deposits/2026/2026-12-06 100.10 (2).pdf", "second");
        folder.put("Deposits/2026/2026-12-01 250.50.pdf", "third");
        form = std::make_unique<frmDepositHistory>(app.context);
        form->show();
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        form->activate();
    }
    template <typename Widget = QWidget> Widget* child(const char* name) const {
        return deposits::testing::child<Widget>(form.get(), QString::fromLatin1(name));
    }
    void alt(char letter) {
        QTest::keyClick(form.get(), letter, Qt::AltModifier);
        QTest::qWait(150);
    }
    void openRow(int row) {
        auto* table = child<QTableView>("grdDeposits");
        table->setFocus();
        table->selectRow(row);
        QTest::keyClick(table, Qt::Key_Return);
    }

    std::unique_ptr<frmDepositHistory> form;
};

TEST_F(HistoryForm, FilterOpenPrintAndExportFromTheKeyboardWriteNoLogOrBalance) {
    EXPECT_EQ(child<QDateEdit>("dtpFrom")->date(), QDate(2026, 11, 2));
    EXPECT_EQ(child<QDateEdit>("dtpTo")->date(), QDate(2026, 12, 6));
    EXPECT_EQ(child<QLabel>("lblRangeTotal")->text(), "5 deposits from 11/2/2026 to 12/6/2026: $470.74");
    EXPECT_TRUE(child<QLabel>("lblUnreadable")->text().startsWith(QStringLiteral("2 records")));

    // Alt+F to the first day: December only.
    alt('f');
    ASSERT_EQ(QApplication::focusWidget(), child("dtpFrom"));
    child<QDateEdit>("dtpFrom")->setDate(QDate(2026, 12, 1));
    EXPECT_EQ(form->shown().rows.size(), 3 + 2);
    EXPECT_EQ(child<QLabel>("lblRangeTotal")->text(), "3 deposits from 12/1/2026 to 12/6/2026: $450.70");

    // Each 12/6 deposit opens its own copy; one without a copy, or unreadable, is refused.
    openRow(1);
    openRow(2);
    EXPECT_EQ(desk.openedDocuments(),
              QStringList({folder.file("Deposits/2026/2026-12-06 100.10.pdf"),
                           folder.file("Deposits/2026/2026-12-06 100.10 (2).pdf")}));
    openRow(4);
    EXPECT_EQ(desk.beeps(), 1);
    alt('a');
    openRow(1); // 11/30: no copy
    EXPECT_EQ(desk.beeps(), 2);
    EXPECT_EQ(desk.openedDocuments().size(), 2);

    // The list prints through the printer dialog and shows as a preview.
    desk.expectPrinterDialog(PrinterChoice{});
    alt('p');
    alt('v');
    ASSERT_EQ(desk.jobs().size(), 1);
    EXPECT_NE(desk.jobs()[0]->findText(QStringLiteral("$450.70")), nullptr);
    EXPECT_NE(desk.jobs()[0]->findText(QStringLiteral("13/45/2026")), nullptr);
    EXPECT_EQ(desk.previews().size(), 1);

    // The shown rows to CSV.
    desk.expectSaveFile(folder.file("out.csv"));
    alt('e');
    EXPECT_TRUE(folder.bytes("out.csv").startsWith("Date,Description,Amount,Unreadable\r\n2026-11-02,"));

    EXPECT_EQ(folder.bytes("Transactions.txt"), kLog);
    EXPECT_EQ(folder.bytes("CheckbookInfo.txt"), kCheckbook);
}
