// Slipmaker's start: the entry sequence, the start form and the way between the forms.
#include "common/core/profile.h"
#include "deposits/ui/clickablelabel.h"
#include "deposits/ui/frmdeposit.h"
#include "deposits/ui/frmsetup.h"
#include "deposits/ui/frmsplash.h"
#include "deposits/ui/slipmaker.h"
#include "tests/support/datafolder.h"
#include "tests/support/scripteddesk.h"
#include "tests/support/testprogram.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

using namespace pellar;
using namespace deposits;
using pellar::testing::ScratchDataFolder;
using pellar::testing::ScriptedDesk;

namespace {

BusinessProfile named(const QString& name) {
    BusinessProfile profile;
    profile.name = name;
    return profile;
}

const QByteArray kCheckbook("\"Checking\",\"Bank\",\"$1,000.00\",\"0042\",\" 4\",1,2\r\n");

class SlipmakerProgram : public ::testing::Test {
protected:
    QList<QWidget*> visibleForms() {
        QList<QWidget*> shown;
        for (QWidget* form : app.shell().loadedForms()) {
            if (form->isVisible())
                shown << form;
        }
        return shown;
    }

    pellar::testing::TestProgram app{slipmakerProfile()};
    ScratchDataFolder& folder = app.folder;
    ScriptedDesk& desk = app.desk;
    int& ended = app.ended;
};

} // namespace

TEST_F(SlipmakerProgram, WithoutACheckbookFileTheProgramEndsAtOnce) {
    folder.put("Transactions.txt", QByteArray(60, 'T'));
    folder.put("Backup/Transactions.txt", QByteArray(60, 'O'));
    Slipmaker& program = *new Slipmaker(app.shell());
    desk.expectMessage(QStringLiteral("Slipmaker"));
    EXPECT_FALSE(program.start());

    ASSERT_EQ(desk.messages().size(), 1);
    EXPECT_EQ(desk.messages()[0].lines,
              QStringList(
                  {"Create your Checkbook Files using Pellar Writer", "before Running Slipmaker"}));
    EXPECT_EQ(ended, 1);
    EXPECT_TRUE(visibleForms().isEmpty());
    EXPECT_EQ(program.setup(), nullptr);
    EXPECT_EQ(program.deposit(), nullptr);
    // The end still backs up the transactions log.
    EXPECT_EQ(folder.bytes("Backup/Transactions.txt"), QByteArray(60, 'T'));
}

TEST_F(SlipmakerProgram, StartFormTextsAndEntrySequence) {
    folder.put("CheckbookInfo.txt", kCheckbook);
    Slipmaker& program = *new Slipmaker(app.shell());
    ASSERT_TRUE(program.start());

    // The start form shown, the backup folder made, the two working forms loaded hidden.
    EXPECT_TRUE(QFileInfo(folder.file("Backup")).isDir());
    frmSplash* splash = program.splash();
    ASSERT_NE(splash, nullptr);
    EXPECT_EQ(app.shell().loadedForms(),
              QList<QWidget*>({splash, program.setup(), program.deposit()}));
    EXPECT_EQ(visibleForms(), QList<QWidget*>{splash});

    EXPECT_EQ(splash->windowTitle(), "Pellar Banking by ORVANTA Co");
    EXPECT_EQ(program.setup()->windowTitle(), "Deposit Creation Setup Form");
    EXPECT_EQ(program.deposit()->windowTitle(), "Deposit Creation");
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Version \\d+\\.\\d+\\.\\d+$"))
                    .match(splash->lblVersion->text())
                    .hasMatch())
        << splash->lblVersion->text().toStdString();
    EXPECT_TRUE(splash->lblNotice->text().endsWith(QStringLiteral("2026")));
    EXPECT_EQ(splash->lblProductName->text() + splash->lblCreateDeposit->text(),
              "Pellar Banking -Create a Deposit");
    EXPECT_EQ(splash->lblCreateDeposit->toolTip(), "The Name of this program");
    EXPECT_EQ(splash->cmdContinue->toolTip(), "Starts the Program");
    EXPECT_EQ(splash->Image1->toolTip(), "Shows Setup Screen");
    ASSERT_EQ(splash->lblRunning.size(), 3);
    EXPECT_EQ(splash->lblRunning[2]->text(), "before continuing....");
    EXPECT_EQ(splash->mnuPellarBanking->text(), "to Pellar Banking (Full)");
    EXPECT_EQ(desk.messages().size(), 0);
}

TEST_F(SlipmakerProgram, ContinueGoesToSetupFirstAndToTheDepositFormOnceAProfileExists) {
    folder.put("CheckbookInfo.txt", kCheckbook);
    folder.put("FormsOrdered.txt", "\"Pat\",\"1\"\r\n");
    Slipmaker& program = *new Slipmaker(app.shell());
    ASSERT_TRUE(program.start());
    const QPointer<frmSplash> first = program.splash();

    // No profile yet: setup.
    QTest::mouseClick(first->cmdContinue, Qt::LeftButton);
    EXPECT_EQ(visibleForms(), QList<QWidget*>{program.setup()});
    EXPECT_EQ(program.splash(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(ended, 0);

    // Saving returns to a start form made afresh.
    QTest::keyClicks(program.setup()->txtName, QStringLiteral("Corner Shop"));
    QTest::mouseClick(program.setup()->cmdQuit, Qt::LeftButton);
    frmSplash* second = program.splash();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(visibleForms(), QList<QWidget*>{second});
    EXPECT_EQ(app.shell().loadedForms().last(), second);

    // With the profile on file: the deposit form, with the checkbook data read.
    QTest::mouseClick(second->cmdContinue, Qt::LeftButton);
    EXPECT_EQ(visibleForms(), QList<QWidget*>{program.deposit()});
    EXPECT_TRUE(program.deposit()->bankLoaded());

    // The picture opens the setup form as well.
    QTest::mouseClick(program.deposit()->cmdMenu, Qt::LeftButton);
    QTest::mouseClick(program.splash()->Image1, Qt::LeftButton);
    EXPECT_EQ(visibleForms(), QList<QWidget*>{program.setup()});
    EXPECT_EQ(desk.messages().size(), 0);
}

TEST_F(SlipmakerProgram, EveryFreshStartFormChecksForTheCheckbookFile) {
    folder.put("CheckbookInfo.txt", kCheckbook);
    ASSERT_TRUE(saveProfileKeepingBackup(folder, named("Corner Shop")));
    Slipmaker& program = *new Slipmaker(app.shell());
    ASSERT_TRUE(program.start());
    QTest::mouseClick(program.splash()->cmdContinue, Qt::LeftButton);

    QFile::remove(folder.file("CheckbookInfo.txt"));
    desk.expectMessage(QStringLiteral("Slipmaker"));
    QTest::mouseClick(program.deposit()->cmdMenu, Qt::LeftButton);
    EXPECT_EQ(desk.messages().last().lines.first(),
              "Create your Checkbook Files using Pellar Writer");
    EXPECT_EQ(ended, 1);
    EXPECT_TRUE(visibleForms().isEmpty());
}

TEST_F(SlipmakerProgram, ADamagedCheckbookFileSendsTheDepositFormBackToTheMenu) {
    folder.put("CheckbookInfo.txt", "\"Checking\",\"Bank\",\"n/a\",\"0042\",\" 4\",1,2\r\n");
    ASSERT_TRUE(saveProfileKeepingBackup(folder, named("Corner Shop")));
    Slipmaker& program = *new Slipmaker(app.shell());
    ASSERT_TRUE(program.start());
    desk.expectMessage(QStringLiteral("Slipmaker"));
    QTest::mouseClick(program.splash()->cmdContinue, Qt::LeftButton);

    EXPECT_TRUE(desk.messages().last().text().contains(QStringLiteral("CheckbookInfo.txt")));
    ASSERT_NE(program.splash(), nullptr);
    EXPECT_EQ(visibleForms(), QList<QWidget*>{program.splash()});
    EXPECT_EQ(ended, 0);
}

TEST_F(SlipmakerProgram, WebEntriesAndTheSupplierNotice) {
    folder.put("CheckbookInfo.txt", kCheckbook);
    const pellar::WebConfig links = pellar::WebConfig::defaults();
    app.context.web = links;
    Slipmaker& program = *new Slipmaker(app.shell());
    ASSERT_TRUE(program.start());
    frmSplash* splash = program.splash();

    splash->mnuPellarBanking->trigger();
    splash->mnuHome->trigger();
    EXPECT_EQ(desk.openedAddresses(), QStringList({links.bankingProduct, links.homePage}));
    EXPECT_EQ(folder.bytes("Temp.url"),
              "[InternetShortcut]\r\nURL = " + links.homePage.toUtf8() + "\r\n");

    desk.expectMessage(QStringLiteral("Ordering Deluxe Forms"), MessageAnswer::No);
    splash->mnuDeluxe->trigger();
    EXPECT_EQ(desk.openedAddresses().size(), 2);
    const pellar::testing::ShownMessage notice = desk.messages().last();
    EXPECT_EQ(notice.buttons, MessageButtons::YesNo);
    EXPECT_EQ(notice.icon, MessageIcon::None);
    EXPECT_EQ(
        notice.lines,
        QStringList({"Orvanta partners with Deluxe Business Forms,",
                     "follow these instructions to receive a 20% Discount",
                     "on your initial order of ANY DELUXE PRODUCTS", "",
                     "Call Deluxe (Toll Free) at " + links.supplierPhone,
                     "USE PRIORITY CODE " + links.priorityCode + " to obtain the Discount", "",
                     "Click YES to connect to the INTERNET TO PLACE A  RE-ORDER", "",
                     "After connecting:", "Click Continue to Deluxe Business Checks and Solutions",
                     "Select Sumbit a Re-Order", "follow the Re-order Instructions"}));

    desk.expectMessage(QStringLiteral("Ordering Deluxe Forms"), MessageAnswer::Yes);
    splash->mnuDeluxe->trigger();
    EXPECT_EQ(desk.openedAddresses().last(), links.formsReorder);
}

TEST_F(SlipmakerProgram, ExitProgramUnloadsEveryFormAndBacksUpTheLog) {
    folder.put("CheckbookInfo.txt", kCheckbook);
    folder.put("Transactions.txt", QByteArray(120, 'T'));
    Slipmaker& program = *new Slipmaker(app.shell());
    ASSERT_TRUE(program.start());
    QTest::mouseClick(program.splash()->cmdContinue, Qt::LeftButton); // to setup: no profile
    app.shell().exitProgram();
    EXPECT_EQ(ended, 1);
    EXPECT_TRUE(visibleForms().isEmpty());
    EXPECT_TRUE(app.shell().loadedForms().isEmpty());
    EXPECT_EQ(folder.bytes("Backup/Transactions.txt"), QByteArray(120, 'T'));
}
