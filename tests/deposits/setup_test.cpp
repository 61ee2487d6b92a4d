// The deposit program's business setup form: the shared profile, the older profile file,
// the two address layouts and the forms-order note.
#include "common/core/profile.h"
#include "deposits/ui/frmsetup.h"
#include "deposits/ui/slipmaker.h"
#include "tests/support/datafolder.h"
#include "tests/support/scripteddesk.h"
#include "tests/support/testprogram.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace pellar;
using namespace deposits;
using pellar::testing::ScratchDataFolder;
using pellar::testing::ScriptedDesk;

namespace {

BusinessProfile sample() {
    return {"Hill, Dale & Sons", "12 Main St",     "Suite 4",   "Springfield", "IL", "62701",
            "217-555-0100",      "hd@example.com", "12-3456789"};
}

class SlipmakerSetup : public ::testing::Test {
protected:
    // Opened as the start form opens it; on the business tab unless told to keep the tab
    // the form chose.
    std::unique_ptr<frmSetup> openForm(bool keepTab = false) {
        auto form = std::make_unique<frmSetup>(app.context);
        form->show();
        form->activate();
        if (!keepTab)
            form->SSTab1->setCurrentIndex(0);
        return form;
    }

    static BusinessProfile boxes(const frmSetup& f) {
        return {f.txtName->text(), f.txtAddress->text(), f.txtPOBox->text(),
                f.txtCity->text(), f.txtSt->text(),      f.txtZip->text(),
                f.txtTel->text(),  f.txtFax->text(),     f.txtFein->text()};
    }

    static void replaceText(QLineEdit* box, const QString& text) {
        box->selectAll();
        QTest::keyClicks(box, text);
    }

    pellar::testing::TestProgram app{slipmakerProfile()};
    ScratchDataFolder& folder = app.folder;
    ScriptedDesk& desk = app.desk;
    int& ended = app.ended;
};

} // namespace

TEST_F(SlipmakerSetup, TheProfileIsSharedWithTheInvoicingProgram) {
    // Written by the invoicing program's writer, shown here unchanged.
    ASSERT_TRUE(saveProfileKeepingBackup(folder, sample()));
    const QByteArray written = folder.bytes("MyBusinessData.txt");
    auto form = openForm();
    EXPECT_EQ(boxes(*form), sample());
    EXPECT_EQ(folder.bytes("MyBusinessData.txt"), written);

    // Saved here, read by the common reader the other programs use.
    replaceText(form->txtName, QStringLiteral("Hill, Dale & Daughters"));
    replaceText(form->txtFein, QStringLiteral("DE 123 456 789"));
    QSignalSpy menu(form.get(), &frmSetup::menuWanted);
    folder.put("Backup/MyBusinessData.txt", written);
    QTest::mouseClick(form->cmdQuit, Qt::LeftButton);
    EXPECT_EQ(menu.count(), 1);
    EXPECT_FALSE(form->isVisible());

    BusinessProfile expected = sample();
    expected.name = "Hill, Dale & Daughters";
    expected.fein = "DE 123 456 789";
    const ProfileRead read = readBusinessProfile(folder);
    EXPECT_TRUE(read.problem.isEmpty());
    EXPECT_EQ(read.profile, expected);
    EXPECT_EQ(folder.bytes("MyBusinessData.txt"), encodeProfile(expected));
    // This program's save drops the backup copy, so no older profile can come back.
    EXPECT_FALSE(folder.exists("Backup/MyBusinessData.txt"));
}

TEST_F(SlipmakerSetup, TheOlderProfileFileIsConverted) {
    const QByteArray old("\"Old Mill\",\"3 Race Rd\",\"\",\"Millbrook\",\"NY\",\"12545\","
                         "\"845-555-0199\",\"845-555-0198\"\r\n");
    folder.put("BusinessInfo.txt", old);
    folder.put("Backup/BusinessInfo.txt", old);
    auto form = openForm();

    EXPECT_EQ(folder.bytes("MyBusinessData.txt"),
              QByteArray("\"Old Mill\",\"3 Race Rd\",\"\",\"Millbrook\",\"NY\",\"12545\","
                         "\"845-555-0199\",\"845-555-0198\",\"\"\r\n"));
    EXPECT_FALSE(folder.exists("BusinessInfo.txt"));
    EXPECT_FALSE(folder.exists("Backup/BusinessInfo.txt"));
    EXPECT_EQ(form->txtName->text(), "Old Mill");
    EXPECT_EQ(form->txtZip->text(), "12545");
    EXPECT_EQ(form->txtFein->text(), "");
    EXPECT_TRUE(desk.messages().isEmpty());
}

TEST_F(SlipmakerSetup, AddressLayoutFollowsTheProfile) {
    const auto expectUsa = [](const frmSetup& f) {
        EXPECT_EQ(f.addressStyle(), AddressStyle::UnitedStates);
        EXPECT_EQ(f.cmdAddress->text(), "USA Style Address");
        EXPECT_EQ(f.lblAddress[3]->text(), "City");
        EXPECT_EQ(f.lblAddress[4]->text(), "State");
        EXPECT_FALSE(f.lblAddress[5]->isHidden());
        EXPECT_FALSE(f.lblPostal->isHidden());
        EXPECT_FALSE(f.txtZip->isHidden());
        EXPECT_LT(f.txtSt->width(), f.txtCity->width());
    };
    const auto expectInternational = [](const frmSetup& f) {
        EXPECT_EQ(f.addressStyle(), AddressStyle::International);
        EXPECT_EQ(f.cmdAddress->text(), "International Style Address");
        EXPECT_EQ(f.lblAddress[3]->text(), "Address 3");
        EXPECT_EQ(f.lblAddress[4]->text(), "Address 4");
        EXPECT_TRUE(f.lblAddress[5]->isHidden());
        EXPECT_TRUE(f.lblPostal->isHidden());
        EXPECT_TRUE(f.txtZip->isHidden());
        EXPECT_EQ(f.txtSt->width(), f.txtCity->width());
        EXPECT_EQ(f.txtSt->maxLength(), 55);
    };

    {
        SCOPED_TRACE("new profile");
        auto form = openForm();
        expectUsa(*form);
        EXPECT_EQ(form->txtSt->maxLength(), 2);
        EXPECT_EQ(boxes(*form), BusinessProfile{});
    }
    {
        SCOPED_TRACE("named, with a postal code");
        ASSERT_TRUE(saveProfileKeepingBackup(folder, sample()));
        auto form = openForm();
        expectUsa(*form);

        // Switching away empties the postal code; switching back brings the one last
        // loaded or saved, not the one typed.
        replaceText(form->txtZip, QStringLiteral("99999"));
        QTest::mouseClick(form->cmdAddress, Qt::LeftButton);
        expectInternational(*form);
        EXPECT_EQ(form->txtZip->text(), "");
        QTest::mouseClick(form->cmdAddress, Qt::LeftButton);
        expectUsa(*form);
        EXPECT_EQ(form->txtZip->text(), "62701");

        // Saved in the international layout: no postal code, and that is how it opens next.
        QTest::mouseClick(form->cmdAddress, Qt::LeftButton);
        replaceText(form->txtSt, QStringLiteral("Lower Saxony Region"));
        QTest::mouseClick(form->cmdQuit, Qt::LeftButton);
        EXPECT_EQ(readBusinessProfile(folder).profile.zip, "");
        EXPECT_EQ(readBusinessProfile(folder).profile.st, "Lower Saxony Region");
        form->show();
        form->activate();
        expectInternational(*form);

        // A long address line survives the two-letter state box when switching.
        QTest::mouseClick(form->cmdAddress, Qt::LeftButton);
        expectUsa(*form);
        EXPECT_EQ(form->txtSt->text(), "Lower Saxony Region");
        EXPECT_EQ(form->txtZip->text(), "");
    }
    {
        SCOPED_TRACE("named, without a postal code");
        BusinessProfile abroad = sample();
        abroad.city = "Hauptstrasse 5";
        abroad.st = "30159 Hannover, Germany";
        abroad.zip = "";
        ASSERT_TRUE(saveProfileKeepingBackup(folder, abroad));
        auto form = openForm();
        expectInternational(*form);
        EXPECT_EQ(boxes(*form), abroad);
    }
}

TEST_F(SlipmakerSetup, AnEmptyCompanyNameBlocksSaving) {
    auto form = openForm();
    QSignalSpy menu(form.get(), &frmSetup::menuWanted);
    replaceText(form->txtAddress, QStringLiteral("1 Quay St"));
    QTest::mouseClick(form->cmdQuit, Qt::LeftButton);
    EXPECT_EQ(desk.beeps(), 1);
    EXPECT_TRUE(desk.messages().isEmpty());
    EXPECT_EQ(menu.count(), 0);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(folder.exists("MyBusinessData.txt"));
}

TEST_F(SlipmakerSetup, FormsOrderNote) {
    {
        // A first-time user sees the ordering instructions first.
        auto form = openForm(true);
        EXPECT_EQ(form->SSTab1->currentIndex(), 1);
        EXPECT_EQ(form->SSTab1->tabText(0), "Business Info");
        EXPECT_EQ(form->SSTab1->tabText(1), "Forms");
        EXPECT_FALSE(form->fraOrderNow->isHidden());
        QTest::mouseClick(form->cmdInstructions[1], Qt::LeftButton);
        EXPECT_TRUE(form->fraOrderNow->isHidden());
        QTest::mouseClick(form->cmdInstructions[0], Qt::LeftButton);
        EXPECT_FALSE(form->fraOrderNow->isHidden());

        replaceText(form->txtRep, QStringLiteral("Pat Doe"));
        replaceText(form->txtOrderNo, QStringLiteral("A-1234, B"));
        QTest::mouseClick(form->cmdInstructions[2], Qt::LeftButton);
        EXPECT_EQ(folder.bytes("FormsOrdered.txt"), QByteArray("\"Pat Doe\",\"A-1234, B\"\r\n"));
    }
    auto form = openForm(true);
    EXPECT_EQ(form->SSTab1->currentIndex(), 0);
    EXPECT_TRUE(form->fraOrderNow->isHidden());
    EXPECT_EQ(form->txtRep->text(), "Pat Doe");
    EXPECT_EQ(form->txtOrderNo->text(), "A-1234, B");
}

TEST_F(SlipmakerSetup, OrderFormsMenuShowsTheSupplierNotice) {
    auto form = openForm();
    desk.expectMessage(QStringLiteral("Ordering Deluxe Forms"), MessageAnswer::No);
    form->mnuOrder->trigger();
    EXPECT_FALSE(folder.exists("Temp.url"));
    EXPECT_TRUE(desk.openedAddresses().isEmpty());

    desk.expectMessage(QStringLiteral("Ordering Deluxe Forms"), MessageAnswer::Yes);
    form->mnuOrder->trigger();
    const QString reorder = WebConfig::defaults().formsReorder;
    EXPECT_EQ(desk.openedAddresses(), QStringList{reorder});
    EXPECT_EQ(folder.bytes("Temp.url"), "[InternetShortcut]\r\nURL = " + reorder.toUtf8() + "\r\n");
}
