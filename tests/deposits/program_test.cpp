// Slipmaker on a scratch folder with a scripted desk, its forms' controls found by their
// documented names: the business setup form and the profile it shares; the checkbook file and
// the transactions log, missing, damaged, started here, or their writes failing or killed (each
// file always whole); the deposit form from keys and clicks to the log and the balance, written
// only once the person confirms; the start and the way between the forms; and the deposit
// history, read back from the log in date order, which writes nothing.
#include "common/core/backup.h"
#include "common/core/fixedrecords.h"
#include "common/core/printalignment.h"
#include "common/core/printerchoice.h"
#include "common/core/profile.h"
#include "common/core/regional.h"
#include "deposits/core/checkbook.h"
#include "deposits/core/depositbank.h"
#include "deposits/core/deposithistory.h"
#include "deposits/core/profileload.h"
#include "deposits/core/slipmakerinfo.h"
#include "deposits/core/transactionlog.h"
#include "deposits/ui/depositprinting.h"
#include "deposits/ui/frmcheckbooksetup.h"
#include "deposits/ui/frmdeposit.h"
#include "deposits/ui/frmdeposithistory.h"
#include "deposits/ui/frmsetup.h"
#include "deposits/ui/frmsplash.h"
#include "deposits/ui/slipmaker.h"
#include "tests/support/datafolder.h"
#include "tests/support/faults.h"
#include "tests/support/money.h"
#include "tests/support/testprogram.h"

#include <QAction>
#include <QApplication>
#include <QByteArray>
#include <QClipboard>
#include <QDateEdit>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

Q_GUI_EXPORT void qt_set_sequence_auto_mnemonic(bool on);

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

using namespace pellar;
using namespace deposits;
using pellar::testing::ChildOutcome;
using pellar::testing::money;
using pellar::testing::runUnderFileSizeLimit;
using pellar::testing::ScratchDataFolder;

namespace {

QByteArray checkbookWithBalance(const char* balance) {
    return QByteArray("\"Checking\",\"Bank\",\"") + balance + "\",\"0042\",\" 4\",1,2\r\n";
}
const QByteArray kCheckbook = checkbookWithBalance("$1,000.00");

QByteArray logRecord(const char* date, const char* amount, const char* what = "Deposit") {
    return QByteArray(date).leftJustified(10) + QByteArray(what).leftJustified(35) +
           QByteArray(amount).leftJustified(15);
}

template <typename Widget = QWidget> Widget* child(const QObject* form, const QString& name) {
    auto* widget = form->findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
}

class SlipmakerTest : public ::testing::Test {
protected:
    pellar::testing::TestProgram app{slipmakerProfile()};
    pellar::testing::ScratchDataFolder& folder = app.folder;
    pellar::testing::ScriptedDesk& desk = app.desk;
};

// One form of the program, made by the test.
template <typename Form> class FormTest : public SlipmakerTest {
protected:
    template <typename Widget = QWidget> Widget* child(const QString& name) const {
        return ::child<Widget>(form.get(), name);
    }
    QLineEdit* box(const QString& name) const { return child<QLineEdit>(name); }
    // Shown as from the menu, its window active as it is for the person.
    auto reopen() {
        form->show();
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        return form->activate();
    }

    std::unique_ptr<Form> form;
};

// Field 1 holds a byte above 127 and the count something other than " 4", so the rewrite
// shows what is carried through and what is replaced.
const QByteArray kCafeCheckbook("\"Caf\xE9 Checking\",\"First Bank, Main St\",\"$1,000.00\","
                                "\"0042-17\",\"x\",7,-3\r\n");

QByteArray cafeCheckbookWithBalance(const char* balance) {
    return QByteArray("\"Caf\xE9 Checking\",\"First Bank, Main St\",\"") + balance +
           "\",\"0042-17\",\" 4\",7,-3\r\n";
}

// An amount as the checkbook file and the forms show it ("$1,250.50").
Currency shownAmount(const char* text) {
    return *currencyValue(QString::fromLatin1(text));
}

class SlipmakerBankData : public SlipmakerTest {
protected:
    SlipmakerBankData() { MakeBackupFolder(folder); }

    // The file put in place and read, as each showing of the deposit form reads it.
    void load(const QByteArray& checkbook) {
        folder.put("CheckbookInfo.txt", checkbook);
        ASSERT_EQ(bank.LoadBank().status, CheckbookRead::Status::Loaded);
    }
    // One confirmed deposit as the workflow records it: the log first, then the balance.
    void deposit(const char* amount, QDate date = QDate(2026, 12, 6)) {
        ASSERT_TRUE(bank.WriteTransaction(QStringLiteral("Deposit"), shownAmount(amount), date));
        ASSERT_TRUE(bank.SaveBank(shownAmount(amount)));
    }

    DepositBank bank{app.folder.data()};
};

class DepositFlow : public FormTest<frmDeposit> {
protected:
    DepositFlow() {
        MakeBackupFolder(folder);
        folder.put("CheckbookInfo.txt", kCheckbook);
        form = std::make_unique<frmDeposit>(app.context);
        EXPECT_TRUE(reopen());
    }
    QString text(const QString& label) const { return child<QLabel>(label)->text(); }
    bool shown(const QString& name) const { return child(name)->isVisible(); }

    void type(const QString& name, const QString& text) {
        box(name)->setFocus();
        QTest::keyClicks(box(name), text);
    }
    void click(const QString& name) {
        auto* button = child<QAbstractButton>(name);
        ASSERT_TRUE(button->isVisible() && button->isEnabled()) << name.toStdString();
        // On the indicator: a radio button takes clicks only there and on its text.
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }
    // A click that the program answers with a message, answered as given.
    void clickTold(const QString& name, MessageAnswer answer = MessageAnswer::Ok,
                   const QString& title = programTitle()) {
        desk.expectMessage(title, answer);
        click(name);
    }
    // The keyboard from the first box on: Tab to the next box, Return in the last goes on.
    void announce(const QString& currency, const QString& count) {
        type("txtCurrency", currency);
        press(Qt::Key_Tab);
        typeHere(count);
        press(Qt::Key_Return);
    }
    // From box to box with Tab, or with Return.
    void typeCheck(const QString& number, const QString& amount, const QString& payer,
                   Qt::Key next = Qt::Key_Tab) {
        type("txtCheckEntry_0", number);
        press(next);
        typeHere(amount);
        press(next);
        typeHere(payer);
    }
    void enterCheck(const QString& number, const QString& amount, const QString& payer,
                    MessageAnswer answer = MessageAnswer::Ok, Qt::Key next = Qt::Key_Tab) {
        typeCheck(number, amount, payer, next);
        desk.expectMessage(QStringLiteral("Payment Verification"), answer);
        press(Qt::Key_Return);
    }
    void enterChecks(int count) {
        announce(QStringLiteral("5"), QString::number(count));
        for (int i = 0; i < count; ++i)
            enterCheck(QString::number(1000 + i), QString::number((100 + i) / 100.0, 'f', 2),
                       QStringLiteral("Payer %1").arg(i));
    }
    // From the deposit-creation screen to the print screen without cash back.
    void toPrintScreen() {
        click("cmdDepositCreation_1");
        click("cmdCashBack");
    }
    // Printed with the button, or with Return where the button has the focus.
    void print(MessageAnswer answer, bool back = false, const PrinterChoice& printer = {},
               bool byKey = false) {
        desk.expectPrinterDialog(printer);
        if (back)
            desk.expectMessage(QStringLiteral("Check Summary on Back"));
        desk.expectMessage(QStringLiteral("Deposit Complete"), answer);
        byKey ? press(Qt::Key_Return) : click("cmdDepositContinue");
    }
    bool onCreationScreen() const {
        return shown("fraDepositCreation") && !shown("fraCheckEntry") && !shown("fraAmountBack") &&
               !shown("fraDepositSummary");
    }
    bool focused(const QString& name) const { return child(name)->hasFocus(); }
    QString note() const { return text(QStringLiteral("lblStatusNote")); }
    // As a keyboard sends keys: to the active window, which hands them to its focus.
    static QWindow* keyboard() {
        QWidget* focus = QApplication::focusWidget();
        return focus ? focus->window()->windowHandle() : QGuiApplication::focusWindow();
    }
    static void press(Qt::Key key) { QTest::keyClick(keyboard(), key); }
    static void typeHere(const QString& text) {
        for (const QChar c : text)
            QTest::keyClick(keyboard(), c.toLatin1());
    }
};

void click(QWidget* form, const char* name) {
    QTest::mouseClick(child(form, QString::fromLatin1(name)), Qt::LeftButton);
}

class SlipmakerProgram : public SlipmakerTest {
protected:
    // Started as from the desktop, the checkbook file in place unless given other bytes.
    Slipmaker& started(const QByteArray& checkbook = kCheckbook) {
        folder.put("CheckbookInfo.txt", checkbook);
        auto* program = new Slipmaker(app.shell());
        EXPECT_TRUE(program->start());
        return *program;
    }
    QList<QWidget*> visibleForms() {
        QList<QWidget*> shown = app.shell().loadedForms();
        shown.removeIf([](const QWidget* form) { return !form->isVisible(); });
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

class SlipmakerSetup : public FormTest<frmSetup> {
protected:
    // Opened as the start form opens it; on the business tab unless told to keep the tab
    // the form chose.
    void open(bool keepTab = false) {
        form = std::make_unique<frmSetup>(app.context);
        reopen();
        if (!keepTab)
            tabs()->setCurrentIndex(0);
    }
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
    reopen();
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

TEST_F(SlipmakerBankData, DepositAddsToTheBalanceAndCarriesTheOtherFieldsThrough) {
    load(kCafeCheckbook);
    EXPECT_EQ(bank.record().balance, "$1,000.00");
    deposit("$250.50");
    EXPECT_EQ(folder.bytes("CheckbookInfo.txt"), cafeCheckbookWithBalance("$1,250.50"));

    // Negative balances (the regional negative form) and large ones.
    for (const auto& [before, amount, after] : {std::tuple{"($100.00)", "$250.50", "$150.50"},
                                                {"$1,234,567.89", "$0.11", "$1,234,568.00"},
                                                {"$0.00", "$0.01", "$0.01"},
                                                {"$20.00", "($45.00)", "($25.00)"}}) {
        load(cafeCheckbookWithBalance(before));
        deposit(amount);
        EXPECT_EQ(folder.bytes("CheckbookInfo.txt"), cafeCheckbookWithBalance(after)) << before;
    }

    // Each deposit adds to what is on disk: meanwhile the check-writing program wrote a
    // check, and two saves without a reload each add to the balance last written.
    load(cafeCheckbookWithBalance("$950.50"));
    deposit("$100.00");
    deposit("$1.25");
    EXPECT_EQ(folder.bytes("CheckbookInfo.txt"), cafeCheckbookWithBalance("$1,051.75"));
}

TEST_F(SlipmakerBankData, LogRecordsOfTheFirstAndSecondDeposit) {
    load(kCafeCheckbook);
    deposit("$1,234.50");
    const QByteArray first = "12/6/2026 "
                             "Deposit                            "
                             "1234.5         ";
    ASSERT_EQ(first.size(), 60);
    EXPECT_EQ(folder.bytes("Transactions.txt"), first);

    // The amount is exact, not rounded to seven digits; a second record follows the first.
    deposit("$123,456.78", QDate(2027, 1, 15));
    const QByteArray second = "1/15/2027 "
                              "Deposit                            "
                              "123456.78      ";
    EXPECT_EQ(folder.bytes("Transactions.txt"), first + second);

    // Widths hold: a long description is cut, whole amounts carry no decimals.
    EXPECT_EQ(transactionRecord(QDate(2026, 12, 25), QString(40, u'D'), *Currency::fromWhole(5)),
              QByteArray("12/25/2026") + QByteArray(35, 'D') + "5              ");
}

TEST_F(SlipmakerBankData, AFullLogRefusesTheNextDepositBeforeItIsPrinted) {
    const QByteArray almostFull(qsizetype(kMaxRecords - 1) * kTransactionLength, 'L');
    folder.put("Transactions.txt", almostFull);
    load(kCafeCheckbook);

    // The 32,767th record still fits.
    EXPECT_TRUE(bank.refusal(shownAmount("10")).isEmpty());
    deposit("$10.00");
    const QByteArray full = folder.bytes("Transactions.txt");
    ASSERT_EQ(full.size(), qsizetype(kMaxRecords) * kTransactionLength);
    EXPECT_EQ(full.left(almostFull.size()), almostFull);

    // Then the deposit is refused up front, and nothing is written even if asked to.
    EXPECT_TRUE(bank.refusal(shownAmount("1")).contains(QStringLiteral("32,767")));
    EXPECT_FALSE(bank.WriteTransaction("Deposit", shownAmount("1"), QDate(2026, 12, 7)));
    EXPECT_EQ(folder.bytes("Transactions.txt").size(), full.size());
}

TEST_F(SlipmakerBankData, ADamagedCheckbookFileIsNeverRewritten) {
    const QByteArray damaged[] = {
        "\"Checking\",\"Bank\",\"$1,000.00\",\"0042\",\"x\",7\r\n", // six fields
        "\"Checking\",\"Bank\",\"lots\",\"0042\",\"x\",7,-3\r\n",   // no amount
        "\"Checking\",\"Bank\",\"\",\"0042\",\"x\",7,-3\r\n",       // empty balance
        "\"Checking\",\"Bank\",\"$1,000.00\",\"0042\",\"x\",seven,3\r\n",
        "",
    };
    for (const QByteArray& bytes : damaged) {
        load(kCafeCheckbook); // trusted before: the damaged file must undo that
        folder.put("CheckbookInfo.txt", bytes);
        const CheckbookRead read = bank.LoadBank();
        EXPECT_EQ(read.status, CheckbookRead::Status::Damaged) << bytes.constData();
        EXPECT_TRUE(read.problem.contains(QStringLiteral("CheckbookInfo.txt")));
        EXPECT_FALSE(bank.trusted());

        // Nothing can be recorded against it, and the file stays as it was.
        EXPECT_FALSE(bank.refusal(shownAmount("5")).isEmpty());
        EXPECT_FALSE(bank.WriteTransaction("Deposit", shownAmount("5"), QDate(2026, 12, 6)));
        EXPECT_FALSE(bank.SaveBank(shownAmount("5")));
        EXPECT_EQ(folder.bytes("CheckbookInfo.txt"), bytes);
    }
    EXPECT_FALSE(folder.exists("Transactions.txt"));

    // Nor does a deposit that would take the balance past the largest amount: it used to
    // wrap round and store a large negative balance.
    const QByteArray full = cafeCheckbookWithBalance("$922,337,203,685,477.58");
    load(full);
    EXPECT_TRUE(bank.refusal(shownAmount("5")).contains(QStringLiteral("$922,337,203,685,477.58")));
    const FileResult refused = bank.SaveBank(shownAmount("5"));
    EXPECT_FALSE(refused);
    EXPECT_TRUE(refused.error.contains(QStringLiteral("$922,337,203,685,477.58")));
    EXPECT_EQ(folder.bytes("CheckbookInfo.txt"), full);
}

TEST_F(SlipmakerBankData, TheDepositFormWithAMissingOrRestoredCheckbookFile) {
    frmDeposit form(app.context);

    // Missing from the folder but in the backup folder: restored with a word, and the form opens.
    folder.put("Backup/CheckbookInfo.txt", kCafeCheckbook);
    desk.expectMessage(QStringLiteral("Slipmaker"));
    EXPECT_TRUE(form.activate());
    EXPECT_TRUE(folder.exists("CheckbookInfo.txt"));
    EXPECT_EQ(form.bank().record().balance, "$1,000.00");

    // Missing with no copy: told, and the program ends, backing up the log.
    QFile::remove(folder.file("CheckbookInfo.txt"));
    QFile::remove(folder.file("Backup/CheckbookInfo.txt"));
    folder.put("Transactions.txt", QByteArray(60, 'T'));
    desk.expectMessage(QStringLiteral("Slipmaker"));
    EXPECT_FALSE(form.activate());
    EXPECT_EQ(app.ended, 1);
    EXPECT_EQ(folder.bytes("Backup/Transactions.txt"), QByteArray(60, 'T'));
}

TEST_F(SlipmakerBankData, ACheckWrittenByAnotherProgramMeanwhileStaysInTheBalance) {
    load(kCafeCheckbook); // $1,000.00 when the deposit form was shown
    // The check-writing program, another process, writes a $500.00 check and its own
    // fields 6 and 7 before the deposit is confirmed.
    const QByteArray afterCheck("\"Caf\xE9 Checking\",\"First Bank, Main St\",\"$500.00\","
                                "\"0042-17\",\" 4\",8,-2\r\n");
    const pid_t writer = ::fork();
    if (writer == 0)
        ::_exit(writeDataFile(folder.data(), u"\\CheckbookInfo.txt", afterCheck) ? 0 : 1);
    int status = 0;
    ASSERT_EQ(::waitpid(writer, &status, 0), writer);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    DepositDraft draft;
    draft.reset(QDate(2026, 12, 6));
    draft.setCurrency(shownAmount("$100.00"));
    draft.announceChecks(0);
    draft.continueToCashBack(0);
    draft.depositAll();
    ASSERT_EQ(draft.net(), shownAmount("$100.00"));

    // Told first; Cancel writes nothing at all.
    desk.expectMessage(programTitle(), MessageAnswer::Cancel);
    EXPECT_FALSE(recordDeposit(desk, bank, draft));
    EXPECT_EQ(folder.bytes("CheckbookInfo.txt"), afterCheck);
    EXPECT_FALSE(QFileInfo::exists(folder.data().filePath(u"/Transactions.txt")));
    ASSERT_EQ(desk.messages().size(), 1);
    EXPECT_TRUE(desk.messages()[0].text().contains("it was $1,000.00 and is now $500.00"));
    EXPECT_TRUE(desk.messages()[0].text().contains("making $600.00"));

    // OK: the deposit goes onto the balance in the file, with the other program's fields.
    desk.expectMessage(programTitle(), MessageAnswer::Ok);
    EXPECT_TRUE(recordDeposit(desk, bank, draft));
    EXPECT_EQ(folder.bytes("CheckbookInfo.txt"),
              QByteArray(afterCheck).replace("$500.00", "$600.00"));
}

TEST(CheckbookRecord, CarriedNumbersAreSixteenBit) {
    const auto withNumbers = [](const char* six, const char* seven) {
        return QByteArray("\"Checking\",\"Bank\",\"$1.00\",\"0042\",\" 4\",") + six + ',' + seven +
               "\r\n";
    };
    const CheckbookRead edges = decodeCheckbook(withNumbers("32767", "-32768"));
    ASSERT_EQ(edges.status, CheckbookRead::Status::Loaded);
    EXPECT_EQ(edges.record.carried.number6, 32767);
    EXPECT_EQ(edges.record.carried.number7, -32768);
    EXPECT_EQ(encodeCheckbook(edges.record), withNumbers("32767", "-32768"));
    for (const auto& [six, seven] : {std::pair{"32768", "0"}, {"0", "-32769"}})
        EXPECT_EQ(decodeCheckbook(withNumbers(six, seven)).status, CheckbookRead::Status::Damaged)
            << six << ' ' << seven;
}

TEST(BankFaults, AFullDiskChangesNeitherTheLogNorTheBalance) {
    ScratchDataFolder folder;
    const QByteArray log = QByteArray(3 * kTransactionLength, 'T');
    folder.put("Transactions.txt", log);
    folder.put("CheckbookInfo.txt", kCheckbook);
    const auto append = [&] {
        return bool(appendTransaction(folder, QDate(2026, 12, 6), "Deposit", money("250.5")));
    };
    EXPECT_EQ(runUnderFileSizeLimit(log.size() + 30, append), ChildOutcome::ReportedFailure);
    EXPECT_EQ(folder.bytes("Transactions.txt"), log);

    const CheckbookRecord record = decodeCheckbook(kCheckbook).record;
    const auto rewrite = [&] {
        return bool(writeCheckbook(folder, *withDepositAdded(record, money("250.5"))));
    };
    EXPECT_EQ(runUnderFileSizeLimit(20, rewrite), ChildOutcome::ReportedFailure);
    EXPECT_EQ(folder.bytes("CheckbookInfo.txt"), kCheckbook);
}

TEST(BankFaults, BalanceRewriteKilledAtAnyMomentLeavesAWholeRecord) {
    ScratchDataFolder folder;
    folder.put("CheckbookInfo.txt", kCheckbook);
    const CheckbookRecord before = decodeCheckbook(kCheckbook).record;
    const CheckbookRecord after = *withDepositAdded(before, money("250.5"));
    const QByteArray newer = encodeCheckbook(after);
    pellar::testing::killDuringRewrites(
        folder.file("CheckbookInfo.txt"),
        [&](int round) { writeCheckbook(folder, round % 2 ? before : after); },
        [&](const QByteArray& bytes) {
            EXPECT_TRUE(bytes == kCheckbook || bytes == newer) << bytes.toStdString();
            EXPECT_EQ(readCheckbook(folder).status, CheckbookRead::Status::Loaded);
        },
        pellar::testing::killCount(), 3000);
}

// A checkbook file started here is the check-writing program's own record for a new
// account, read back by the deposit form like any other; it never replaces one that is there.
TEST(CheckbookStart, NewFileIsTheSevenFieldRecordAndIsNeverWrittenOver) {
    ScratchDataFolder folder;
    CheckbookStart start{" Hillside Hardware Operating", "Green Mountain Savings Bank",
                         money("4218.37"), "000123456789", 1047};
    const std::optional<CheckbookRecord> record = newCheckbookRecord(start);
    ASSERT_TRUE(record);
    const QByteArray expected("\"Hillside Hardware Operating\",\"Green Mountain Savings Bank\","
                              "\"$4,218.37\",\"000123456789\",\" 4\",1047,1\r\n");
    ASSERT_TRUE(createCheckbook(folder, *record));
    EXPECT_EQ(folder.bytes("CheckbookInfo.txt"), expected);
    DepositBank bank(folder.data());
    ASSERT_EQ(bank.LoadBank().status, CheckbookRead::Status::Loaded);
    EXPECT_EQ(bank.balance(), money("4218.37"));

    // There already, or only in the backup folder (restored): refused, left as it is.
    const QByteArray other("\"Other\",\"Bank\",\"$1.00\",\"1\",\" 4\",1,1\r\n");
    folder.put("CheckbookInfo.txt", other);
    EXPECT_FALSE(createCheckbook(folder, *record));
    pellar::MakeBackupFolder(folder.data());
    folder.put("Backup/CheckbookInfo.txt", other);
    QFile::remove(folder.file("CheckbookInfo.txt"));
    EXPECT_FALSE(createCheckbook(folder, *record));
    EXPECT_EQ(folder.bytes("CheckbookInfo.txt"), other);

    // Texts the file cannot hold, and check numbers outside 1..32767, are refused.
    for (const auto& [name, next] : {std::pair{u"Say \"hi\"", 5},
                                     {u"Line\nbreak", 5},
                                     {u"\u0416 rubles", 5},
                                     {u"Fine", 0},
                                     {u"Fine", -3}}) {
        CheckbookStart bad = start;
        bad.accountName = QString::fromUtf16(name);
        bad.nextCheck = qint16(next);
        QString problem;
        EXPECT_FALSE(newCheckbookRecord(bad, &problem));
        EXPECT_FALSE(problem.isEmpty());
    }
}

TEST(CheckbookStart, AFullDiskLeavesNoCheckbookFile) {
    ScratchDataFolder folder;
    const std::optional<CheckbookRecord> record = newCheckbookRecord(
        {QStringLiteral("Checking"), QStringLiteral("Bank"), Currency(), QStringLiteral("1"), 1});
    ASSERT_TRUE(record);
    EXPECT_EQ(runUnderFileSizeLimit(20, [&] { return bool(createCheckbook(folder, *record)); }),
              ChildOutcome::ReportedFailure);
    EXPECT_FALSE(folder.exists("CheckbookInfo.txt"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

TEST_F(DepositFlow, CashOnlyDepositIsPrintedLoggedAndAddedToTheBalance) {
    EXPECT_TRUE(onCreationScreen() && focused("txtCurrency"));
    EXPECT_EQ(child<QDateEdit>("DTPicker1")->date(), QDate(2026, 12, 6));
    EXPECT_FALSE(child("cmdDepositCreation_0")->isEnabled() ||
                 child("cmdDepositCreation_1")->isEnabled());

    // Leaving the untouched box rewrites its zero; letters never get in; the zero goes
    // when the first key goes down, and typing offers "Continue".
    box("txtNoofChecks")->setFocus();
    EXPECT_EQ(box("txtCurrency")->text(), "0.00");
    type("txtCurrency", QStringLiteral("1x00"));
    EXPECT_EQ(box("txtCurrency")->text(), "100");
    child<QDateEdit>("DTPicker1")->setDate(QDate(2026, 12, 4));
    type("txtNoofChecks", QStringLiteral("0")); // still cash only: Continue stays offered
    click("cmdDepositCreation_1");
    EXPECT_EQ(box("txtCurrency")->text(), "100.00");
    EXPECT_EQ(text("lblDepositTotal"), "$100.00");
    EXPECT_TRUE(shown("fraAmountBack") && focused("cmdCashBack"));
    EXPECT_FALSE(shown("fraDepositCreation") || shown("fraReceiveAmount"));
    EXPECT_EQ(text("lblAmountBack"), "0"); // no choice made
    for (const char* label : {"lblDepositAmount", "lblNewDeposit", "lblNewDepositPrint"})
        EXPECT_EQ(text(label), "$100.00");

    press(Qt::Key_Return);
    EXPECT_TRUE(shown("fraDepositSummary") && focused("cmdDepositContinue"));
    EXPECT_FALSE(shown("fraAmountBack"));

    QSignalSpy menu(form.get(), &frmDeposit::menuWanted);
    print(MessageAnswer::Yes, false, {}, true);
    // The slip on the printer, then its kept copy by the same layout.
    ASSERT_EQ(desk.jobs().size(), 2);
    EXPECT_TRUE(desk.jobs()[0]->ended);
    EXPECT_EQ(desk.jobs()[0]->findText(QStringLiteral("Cash Retained")), nullptr);
    EXPECT_EQ(desk.jobs()[1]->texts().size(), desk.jobs()[0]->texts().size());
    EXPECT_EQ(QDir(folder.file("Deposits/2026")).entryList(QDir::Files),
              QStringList{"2026-12-04 100.00.pdf"});
    EXPECT_EQ(folder.bytes("Transactions.txt"), logRecord("12/4/2026", "100"));
    EXPECT_EQ(folder.bytes("CheckbookInfo.txt"), checkbookWithBalance("$1,100.00"));
    EXPECT_EQ(menu.count(), 1);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(desk.beeps(), 0);
}

TEST_F(DepositFlow, ThreeChecksVerifiedThenTwentyBackOnSixtyFive) {
    announce(QStringLiteral("5"), QStringLiteral("3"));
    EXPECT_TRUE(shown("fraCheckEntry") && focused("txtCheckEntry_0"));
    EXPECT_FALSE(child("cmdDepositCreation_2")->isEnabled());

    enterCheck(QStringLiteral("1041"), QStringLiteral("10"), QStringLiteral("Harbor Supply"));
    EXPECT_EQ(
        desk.messages().last().lines,
        QStringList({"Click Okay if the Summary Information is Correct", "      Check No   1041",
                     "      Amount     10.00", "      From       Harbor Supply"}));
    EXPECT_EQ(box("txtCheckEntry_0")->text() + box("txtCheckEntry_1")->text() +
                  box("txtReceivedFrom")->text(),
              "$0.00");

    // Cancel: the same check is entered again.
    enterCheck("1042", "99", "Wrong", MessageAnswer::Cancel);
    EXPECT_EQ(child<QGroupBox>("fraCheckEntry")->title(), "Entering Check 2 of 3 Checks");
    EXPECT_EQ(form->draft().checks().size(), 1);

    enterCheck("1042", "20", "Lee", MessageAnswer::Ok, Qt::Key_Return);
    enterCheck(QStringLiteral("1043"), QStringLiteral("30"), QStringLiteral("Ng"));
    EXPECT_FALSE(shown("fraCheckEntry"));
    EXPECT_EQ(text("lblTotalofChecks"), "$60.00");
    EXPECT_EQ(text("lblDepositTotal"), "$65.00");
    EXPECT_TRUE(focused("cmdDepositCreation_1"));

    press(Qt::Key_Return);
    // "Yes", then an empty amount: as "No, Deposit All".
    click("optCashBack_1");
    EXPECT_TRUE(shown("fraReceiveAmount") && focused("txtReceiveAmount"));
    click("cmdReceiveAmount");
    EXPECT_EQ(text("lblAmountBack"), "$0.00");
    EXPECT_TRUE(child<QRadioButton>("optCashBack_0")->isChecked());
    EXPECT_FALSE(shown("fraReceiveAmount"));

    // More back than the deposit: a beep, kept for correction. Return chooses "Yes" as
    // Space does.
    child("optCashBack_1")->setFocus();
    press(Qt::Key_Return);
    typeHere(QStringLiteral("65.01"));
    press(Qt::Key_Return); // Return in the box: its Accept
    EXPECT_TRUE(shown("fraReceiveAmount") && focused("txtReceiveAmount"));
    EXPECT_EQ(desk.beeps(), 1);
    EXPECT_EQ(note(), "The cash back can be from zero up to the deposit, $65.00.");
    box("txtReceiveAmount")->setText(QStringLiteral("20"));
    click("cmdReceiveAmount");
    EXPECT_EQ(text("lblAmountBack"), "$20.00");
    EXPECT_EQ(text("lblNewDeposit"), "$45.00");
    EXPECT_TRUE(!shown("fraReceiveAmount") && focused("cmdCashBack"));
    click("cmdCashBack");
    EXPECT_EQ(text("lblNewDepositPrint"), "$45.00"); // what goes to the bank

    print(MessageAnswer::Yes);
    EXPECT_EQ(folder.bytes("Transactions.txt"), logRecord("12/6/2026", "45"));
    EXPECT_EQ(folder.bytes("CheckbookInfo.txt"), checkbookWithBalance("$1,045.00"));
    EXPECT_NE(desk.jobs()[0]->findText(QStringLiteral("Cash Retained")), nullptr);
}

TEST_F(DepositFlow, EntryMistakesAreRefusedWithWordsAndRedoStartsOver) {
    // No count: a beep; leaving the count empty gives "0" with a beep.
    type("txtNoofChecks", QStringLiteral("0"));
    click("cmdDepositCreation_0");
    EXPECT_EQ(desk.beeps(), 1);
    EXPECT_FALSE(shown("fraCheckEntry") || note().isEmpty());
    type("txtNoofChecks", QStringLiteral("\b"));
    EXPECT_TRUE(note().isEmpty()); // the next keystroke clears it
    box("txtCurrency")->setFocus();
    EXPECT_EQ(box("txtNoofChecks")->text(), "0");
    EXPECT_EQ(desk.beeps(), 2);

    // More checks than the back of the form can list: told, and kept for correction.
    type("txtNoofChecks", QStringLiteral("4x05"));
    EXPECT_EQ(box("txtNoofChecks")->text(), "405");
    clickTold("cmdDepositCreation_0");
    EXPECT_TRUE(desk.messages().last().text().contains(QStringLiteral("at most 404 checks")));
    EXPECT_TRUE(focused("txtNoofChecks"));
    box("txtNoofChecks")->clear();

    // A check beyond what the log can record: told, the amount kept for correction.
    announce(QStringLiteral("1"), QStringLiteral("2"));
    typeCheck(QStringLiteral("77"), QStringLiteral("600000000000000"), QStringLiteral("Big"));
    clickTold("cmdDepositCreation_2");
    EXPECT_EQ(desk.messages().last().text(), depositTooLargeText());
    EXPECT_TRUE(focused("txtCheckEntry_1"));

    // A missing field: a beep, nothing stored. Not a number: a beep, the currency form of
    // zero, the focus kept in the box.
    const int before = desk.beeps();
    box("txtReceivedFrom")->clear();
    click("cmdDepositCreation_2");
    box("txtCheckEntry_1")->setFocus();
    box("txtCheckEntry_1")->setText(QStringLiteral("1.2.3"));
    box("txtReceivedFrom")->setFocus();
    EXPECT_EQ(box("txtCheckEntry_1")->text(), "$0.00");
    EXPECT_TRUE(focused("txtCheckEntry_1"));
    EXPECT_EQ(desk.beeps(), before + 2);
    EXPECT_TRUE(form->draft().checks().isEmpty());

    // Redo Check Entry empties the check; Redo Deposit starts over without rereading.
    click("cmdDepositCreation_3");
    EXPECT_EQ(box("txtCheckEntry_0")->text() + box("txtCheckEntry_1")->text(), "$0.00");
    EXPECT_EQ(child<QGroupBox>("fraCheckEntry")->title(), "Entering Check 1 of 2 Checks");
    QFile::remove(folder.file("CheckbookInfo.txt"));
    click("cmdDepositCreation_4");
    EXPECT_TRUE(onCreationScreen());
    EXPECT_EQ(box("txtCurrency")->text(), "$0.00");
    EXPECT_TRUE(text("lblDepositTotal").isEmpty());

    // A currency box that holds no amount when Continue is reached without leaving it (a
    // click from code, as a shortcut may give) is refused, never taken as zero.
    type("txtCurrency", QStringLiteral("1"));
    box("txtCurrency")->setText(QStringLiteral("1.2.3"));
    const int beeps = desk.beeps();
    child<QPushButton>("cmdDepositCreation_1")->click();
    EXPECT_EQ(desk.beeps(), beeps + 1);
    EXPECT_TRUE(onCreationScreen() && focused("txtCurrency"));
    EXPECT_EQ(form->draft().step(), DepositDraft::Step::Creation);

    // From the cash-back and print screens too.
    folder.put("CheckbookInfo.txt", kCheckbook);
    enterChecks(1);
    click("cmdDepositCreation_1");
    click("cmdDepositCreation_5");
    EXPECT_TRUE(onCreationScreen());
    EXPECT_TRUE(form->draft().checks().isEmpty());
    enterChecks(1);
    toPrintScreen();
    click("cmdDepositCreation_6");
    EXPECT_TRUE(onCreationScreen());

    // "Enter Check Summary Data" while checks are owed asks first; No keeps them.
    announce(QStringLiteral("5"), QStringLiteral("3"));
    EXPECT_FALSE(child("cmdDepositCreation_0")->isEnabled());
    enterCheck(QStringLiteral("1"), QStringLiteral("10"), QStringLiteral("Lee"));
    type("txtNoofChecks", QStringLiteral("\b4"));
    clickTold("cmdDepositCreation_0", MessageAnswer::No);
    EXPECT_EQ(desk.messages().last().buttons, MessageButtons::YesNoDefaultNo);
    EXPECT_EQ(form->draft().checks().size(), 1);

    // A check of zero: beep and words.
    typeCheck(QStringLiteral("2"), QStringLiteral("0"), QStringLiteral("Ng"));
    click("cmdDepositCreation_2");
    EXPECT_EQ(note(), "A check amount must be more than zero.");
    clickTold("cmdDepositCreation_0", MessageAnswer::Yes);
    EXPECT_TRUE(form->draft().checks().isEmpty());
    EXPECT_EQ(child<QGroupBox>("fraCheckEntry")->title(), "Entering Check 1 of 4 Checks");

    // A count changed by pasting is seen: the checks of the old count no longer do.
    click("cmdDepositCreation_4");
    enterChecks(1);
    EXPECT_TRUE(child("cmdDepositCreation_1")->isEnabled());
    QApplication::clipboard()->setText(QStringLiteral("3"));
    box("txtNoofChecks")->selectAll();
    box("txtNoofChecks")->paste();
    EXPECT_FALSE(child("cmdDepositCreation_1")->isEnabled());

    QSignalSpy menu(form.get(), &frmDeposit::menuWanted);
    click("cmdMenu");
    EXPECT_EQ(menu.count(), 1);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(app.ended, 0);
}

TEST_F(DepositFlow, PrintingCancelledDeclinedOrFailedWritesNothing) {
    enterChecks(1);
    toPrintScreen();

    // Cancel in the printer dialog: nothing printed, still on the print screen.
    desk.expectPrinterDialog(std::nullopt);
    click("cmdDepositContinue");
    EXPECT_TRUE(desk.jobs().isEmpty());
    EXPECT_TRUE(shown("fraDepositSummary"));

    // No after printing: a fresh start with the checkbook read again, nothing written.
    folder.put("CheckbookInfo.txt", checkbookWithBalance("$7.00"));
    print(MessageAnswer::No);
    EXPECT_EQ(desk.jobs().size(), 1);
    EXPECT_TRUE(onCreationScreen());
    EXPECT_EQ(form->bank().record().balance, "$7.00");
    EXPECT_FALSE(folder.exists("Transactions.txt"));

    // A job that cannot start: "Print Error", and the deposit kept on the print screen.
    enterChecks(1);
    toPrintScreen();
    desk.expectPrinterDialog(PrinterChoice{QString(), 3, QString()});
    desk.failNextPrintJob(QStringLiteral("No printer is set up on this computer."));
    clickTold("cmdDepositContinue", MessageAnswer::Ok, QStringLiteral("Print Error"));
    EXPECT_EQ(desk.jobSetups().last().printer.copies, 3);
    EXPECT_TRUE(shown("fraDepositSummary"));
    EXPECT_EQ(form->draft().checks().size(), 1);
    EXPECT_FALSE(folder.exists("Transactions.txt"));
    click("cmdDepositCreation_6");

    // The log cannot be written after Yes: told which file, nothing recorded.
    QDir(folder.path()).mkdir(QStringLiteral("Transactions.txt"));
    enterChecks(1);
    toPrintScreen();
    desk.expectPrinterDialog(PrinterChoice{});
    desk.expectMessage(QStringLiteral("Deposit Complete"), MessageAnswer::Yes);
    clickTold("cmdDepositContinue");
    EXPECT_TRUE(desk.messages().last().text().contains(QStringLiteral("Transactions.txt")));
    EXPECT_EQ(folder.bytes("CheckbookInfo.txt"), checkbookWithBalance("$7.00"));
    EXPECT_TRUE(onCreationScreen() && form->isVisible());

    // A balance that cannot take the deposit: told before anything is printed.
    folder.put("CheckbookInfo.txt", checkbookWithBalance("$922,337,203,685,477.00"));
    const qsizetype jobs = desk.jobs().size();
    EXPECT_TRUE(reopen());
    type("txtCurrency", QStringLiteral("1000"));
    toPrintScreen();
    clickTold("cmdDepositContinue");
    EXPECT_TRUE(desk.messages().last().text().contains(QStringLiteral("$922,337,203,685,477.00")));
    EXPECT_EQ(desk.jobs().size(), jobs);
    // No deposit was recorded, so no copy was kept.
    EXPECT_FALSE(folder.exists("Deposits"));
}

TEST_F(DepositFlow, ACopyThatCannotBeKeptIsToldAndTheDepositStaysRecorded) {
    folder.put("Deposits/2026", "not a folder");
    type("txtCurrency", QStringLiteral("5"));
    toPrintScreen();
    desk.expectPrinterDialog(PrinterChoice{});
    desk.expectMessage(QStringLiteral("Deposit Complete"), MessageAnswer::Yes);
    clickTold("cmdDepositContinue");
    EXPECT_TRUE(desk.messages().last().text().contains(QStringLiteral("PDF copy")));
    EXPECT_EQ(folder.bytes("Transactions.txt").size(), kTransactionLength);
    EXPECT_EQ(folder.bytes("CheckbookInfo.txt"), checkbookWithBalance("$1,005.00"));
}

TEST_F(DepositFlow, EighteenChecksGoOnTheBackThenThreeInTheSameRunDoNot) {
    enterChecks(18);
    toPrintScreen();
    // Printed to a file, the back gets a file of its own rather than overwriting the front.
    print(MessageAnswer::Yes, true, PrinterChoice{QString(), 1, QStringLiteral("/out/slip.pdf")});
    // Front, back, and the kept copy holding both as its two pages.
    ASSERT_EQ(desk.jobs().size(), 3);
    EXPECT_EQ(desk.jobs()[2]->pageCount(), 2);
    EXPECT_EQ(desk.jobs()[2]->texts().size(),
              desk.jobs()[0]->texts().size() + desk.jobs()[1]->texts().size());
    EXPECT_EQ(desk.jobSetups()[0].printer.outputFile, "/out/slip.pdf");
    EXPECT_EQ(desk.jobSetups()[1].printer.outputFile, "/out/slip-back.pdf");
    EXPECT_EQ(desk.jobSetups()[1].origin, PageOrigin::PrintableArea);
    EXPECT_NE(desk.jobs()[0]->findText(QStringLiteral("Checks Listed on Back of Slip")), nullptr);
    EXPECT_EQ(desk.jobs()[1]->texts().size(), 1 + 18);
    EXPECT_TRUE(desk.jobs()[1]->ended);

    // The next deposit starts without them.
    EXPECT_TRUE(reopen());
    EXPECT_TRUE(form->draft().checks().isEmpty());
    EXPECT_EQ(desk.beeps(), 0);
}

TEST_F(DepositFlow, PreviewAndPdfUseEachSidesOriginAndOffsetsAndRecordOnlyWhenConfirmed) {
    PrintAlignment alignment;
    alignment.setOffsets(PrintedDocument::DepositSlipFront, {10, -5});
    alignment.setOffsets(PrintedDocument::DepositSlipBack, {3, 4});
    ASSERT_TRUE(savePrintAlignment(folder.data(), alignment));
    enterChecks(18);
    toPrintScreen();

    // A preview (Ctrl+Shift+P, as a keyboard sends it) shows both sides, each from the
    // printable area moved by its own offsets, and records nothing.
    QTest::keyClick(keyboard(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(desk.previews().size(), 2);
    const PrintOp* date = desk.previews()[0]->findText(QStringLiteral("12/6/2026"));
    EXPECT_EQ(std::pair(date->x, date->y), std::pair(1800.0 + 144, 2160.0 - 72));
    const PrintOp* heading = desk.previews()[1]->findText("CHECKS WITH THIS DEPOSIT");
    EXPECT_EQ(std::pair(heading->x, heading->y), std::pair(43.2, 57.6));
    EXPECT_TRUE(desk.jobs().isEmpty());
    EXPECT_TRUE(shown("fraDepositSummary"));

    // Save as PDF: cancelled, nothing; a file that cannot be written, told and kept on
    // the print screen; saved, both sides go to files and the confirmation follows.
    desk.expectSaveFile(std::nullopt);
    click("cmdSaveAsPdf");
    desk.expectSaveFile(QStringLiteral("/out/full.pdf"));
    desk.failNextPrintJob(QStringLiteral("The disk is full."));
    clickTold("cmdSaveAsPdf");
    EXPECT_TRUE(shown("fraDepositSummary"));
    desk.expectSaveFile(QStringLiteral("/out/Deposit"));
    clickTold("cmdSaveAsPdf", MessageAnswer::No, QStringLiteral("Deposit Complete"));
    EXPECT_EQ(desk.saveFilesSuggested(), QStringList(3, QStringLiteral("Deposit 2026-12-06.pdf")));
    ASSERT_EQ(desk.jobSetups().size(), 3);
    EXPECT_EQ(desk.jobSetups()[1].printer.outputFile, "/out/Deposit.pdf");
    EXPECT_EQ(desk.jobSetups()[2].printer.outputFile, "/out/Deposit-back.pdf");
    EXPECT_FALSE(folder.exists("Transactions.txt"));
    EXPECT_TRUE(onCreationScreen());

    // No printer: said so, and the PDF offered; only a named file is written.
    desk.setPrinterAvailable(false);
    type("txtCurrency", QStringLiteral("40"));
    toPrintScreen();
    clickTold("cmdDepositContinue", MessageAnswer::No);
    desk.expectMessage(programTitle(), MessageAnswer::Yes);
    desk.expectSaveFile(QStringLiteral("/out/cash.pdf"));
    clickTold("cmdDepositContinue", MessageAnswer::Yes, QStringLiteral("Deposit Complete"));
    ASSERT_EQ(desk.jobSetups().size(), 5);
    EXPECT_EQ(desk.jobSetups()[3].printer.outputFile, "/out/cash.pdf");
    EXPECT_TRUE(desk.printerDialogsShownWith().isEmpty());
    EXPECT_EQ(folder.bytes("Transactions.txt"), logRecord("12/6/2026", "40"));
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

TEST_F(SlipmakerProgram, EntrySequenceTheStartFormsWebEntriesAndTheWayToTheHistory) {
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
    EXPECT_FALSE(child<QLabel>(splash, "Image1")->pixmap().isNull()); // drawn once shown
    EXPECT_TRUE(child<QLabel>(splash, "lblNotice")->text().endsWith(QStringLiteral("2026")));

    child<QAction>(splash, "mnuPellarBanking")->trigger();
    child<QAction>(splash, "mnuHome")->trigger();
    EXPECT_EQ(desk.openedAddresses(), QStringList({links.bankingProduct, links.homePage}));

    desk.expectMessage(QStringLiteral("Ordering Deluxe Forms"), MessageAnswer::Yes);
    child<QAction>(splash, "mnuDeluxe")->trigger();
    EXPECT_EQ(desk.messages().last().buttons, MessageButtons::YesNo);
    EXPECT_EQ(desk.openedAddresses().last(), links.formsReorder);

    // The history opens from the start form and returns to it.
    click(splash, "cmdHistory");
    ASSERT_NE(program.history(), nullptr);
    EXPECT_EQ(visibleForms(), QList<QWidget*>{program.history()});
    click(program.history(), "cmdMenu");
    ASSERT_NE(program.splash(), nullptr);
    EXPECT_EQ(visibleForms(), QList<QWidget*>{program.splash()});
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

TEST(DepositHistory, RowsByDateThenUnreadableWithTotalsToTheCent) {
    const QList<LoggedDeposit> log = decodeDepositLog(kLog);
    ASSERT_EQ(log.size(), 7);
    const DepositHistory all = depositsBetween(log, QDate(2000, 1, 1), QDate(2100, 1, 1));
    QStringList order;
    for (const LoggedDeposit& row : all.rows)
        order << QString::number(row.record);
    EXPECT_EQ(order, QStringList({"7", "2", "4", "1", "5", "3", "6"}));
    EXPECT_EQ(all.unreadable, 2);
    EXPECT_EQ(all.total, money("470.74"));
    ASSERT_EQ(all.months.size(), 2);
    EXPECT_EQ(std::tuple(all.months[0].month, all.months[0].deposits, all.months[0].total),
              std::tuple(11, 2, money("20.04")));
    EXPECT_EQ(std::tuple(all.months[1].month, all.months[1].deposits, all.months[1].total),
              std::tuple(12, 3, money("450.70")));

    // A range keeps its own days (both ends included) and still lists the unreadable ones.
    const DepositHistory december = depositsBetween(log, QDate(2026, 12, 1), QDate(2026, 12, 6));
    EXPECT_EQ(december.rows.size(), 3 + 2);
    EXPECT_EQ(december.total, money("450.7"));

    EXPECT_EQ(depositHistoryCsv(depositsBetween(log, QDate(2026, 11, 30), QDate(2026, 12, 1))),
              "Date,Description,Amount,Unreadable\r\n"
              "2026-11-30,\"Deposit\",0.05,\r\n"
              "2026-12-01,\"Deposit\",250.50,\r\n"
              "\"13/45/2026\",\"Deposit\",\"7\",yes\r\n"
              "\"12/2/2026\",\"Deposit\",\"n/a\",yes\r\n");
    const QList<LoggedDeposit> quoted =
        decodeDepositLog(logRecord("1/2/2026", "1", "Cash, \"petty\""));
    EXPECT_TRUE(depositHistoryCsv(depositsBetween(quoted, QDate(2026, 1, 1), QDate(2026, 1, 2)))
                    .contains("\"Cash, \"\"petty\"\"\""));
}

class HistoryForm : public FormTest<frmDepositHistory> {
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
        reopen();
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
};

TEST_F(HistoryForm, FilterOpenPrintAndExportFromTheKeyboardWriteNoLogOrBalance) {
    EXPECT_EQ(child<QDateEdit>("dtpFrom")->date(), QDate(2026, 11, 2));
    EXPECT_EQ(child<QDateEdit>("dtpTo")->date(), QDate(2026, 12, 6));
    EXPECT_EQ(child<QLabel>("lblRangeTotal")->text(),
              "5 deposits from 11/2/2026 to 12/6/2026: $470.74");
    EXPECT_TRUE(child<QLabel>("lblUnreadable")->text().startsWith(QStringLiteral("2 records")));

    // Alt+F to the first day: December only.
    alt('f');
    ASSERT_EQ(QApplication::focusWidget(), child("dtpFrom"));
    child<QDateEdit>("dtpFrom")->setDate(QDate(2026, 12, 1));
    EXPECT_EQ(form->shown().rows.size(), 3 + 2);
    EXPECT_EQ(child<QLabel>("lblRangeTotal")->text(),
              "3 deposits from 12/1/2026 to 12/6/2026: $450.70");

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
    EXPECT_TRUE(
        folder.bytes("out.csv").startsWith("Date,Description,Amount,Unreadable\r\n2026-11-02,"));

    EXPECT_EQ(folder.bytes("Transactions.txt"), kLog);
    EXPECT_EQ(folder.bytes("CheckbookInfo.txt"), kCheckbook);
}
