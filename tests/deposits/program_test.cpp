// Slipmaker's start: the entry sequence, the start form and the way between the forms.
#include "common/core/profile.h"
#include "deposits/ui/frmcheckbooksetup.h"
#include "deposits/ui/frmdeposit.h"
#include "deposits/ui/frmdeposithistory.h"
#include "deposits/ui/frmsetup.h"
#include "deposits/ui/frmsplash.h"
#include "deposits/ui/slipmaker.h"
#include "tests/deposits/slipmakerfixture.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

Q_GUI_EXPORT void qt_set_sequence_auto_mnemonic(bool on);

using namespace pellar;
using namespace deposits;

using deposits::testing::child;
using deposits::testing::kCheckbook;

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

} // namespace

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
