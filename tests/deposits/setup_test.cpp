// The deposit program's business setup form: the shared profile, the older profile file,
// the two address layouts and the forms-order note.
#include "common/core/profile.h"
#include "deposits/core/slipmakerinfo.h"
#include "deposits/ui/frmsetup.h"
#include "deposits/ui/slipmaker.h"
#include "tests/deposits/slipmakerfixture.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace pellar;
using namespace deposits;

namespace {

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

TEST_F(SlipmakerSetup, TheOlderProfileFileIsConvertedWhenTheFormLoads) {
    folder.put("BusinessInfo.txt", "\"Old Mill\",\"3 Race Rd\",\"\",\"Millbrook\",\"NY\",\"12545\","
                                   "\"845-555-0199\",\"845-555-0198\"\r\n");
    open();
    EXPECT_EQ(boxes().name + boxes().zip, "Old Mill12545");
    EXPECT_FALSE(folder.exists("BusinessInfo.txt"));
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
