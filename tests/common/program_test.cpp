// The program shell: one running copy per program (checked across real processes), the
// loaded-forms list and ExitProgram, the automatic backup and the refusal messages; the
// command line and where the data folder is; web addresses, Temp.url and the notices that
// open a page.
#include "common/core/backup.h"
#include "common/core/commandline.h"
#include "common/core/datafiles.h"
#include "common/core/datafoldernotice.h"
#include "common/core/programcontext.h"
#include "common/core/singleinstance.h"
#include "common/core/weblinks.h"
#include "common/ui/programshell.h"
#include "tests/support/datafolder.h"
#include "tests/support/scripteddesk.h"
#include "tests/support/testprogram.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

using namespace pellar;
using pellar::testing::ScratchDataFolder;
using pellar::testing::ScriptedDesk;
using pellar::testing::TestProgram;

namespace {

// Another process holding (or trying for) the guard of a program.
class Holder {
public:
    Holder(const QString& folder, const QString& program, const QString& dataFolder = {}) {
        QStringList args{folder, program};
        if (!dataFolder.isEmpty())
            args << dataFolder;
        m_process.start(QStringLiteral(PELLAR_GUARDHOLDER), args);
        if (m_process.waitForStarted(10000) && m_process.waitForReadyRead(10000))
            answer = QString::fromLatin1(m_process.readLine()).trimmed();
    }
    ~Holder() { crash(); }
    // Lets go of the guard the ordinary way.
    bool finish() {
        m_process.closeWriteChannel();
        return m_process.waitForFinished(10000);
    }
    // Dies without cleaning up, as a crash would.
    bool crash() {
        m_process.kill();
        return m_process.waitForFinished(10000);
    }

    // "acquired" or "refused"; a holder made only for its answer ends with the statement.
    QString answer;

private:
    QProcess m_process;
};

} // namespace

TEST(SingleInstanceGuard, OneCopyPerProgramAcrossProcessesAndACrashedCopysLockTakenOver) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    Holder first(folder.path(), QStringLiteral("Billwright"));
    ASSERT_EQ(first.answer, QStringLiteral("acquired"));

    SingleInstanceGuard here(QStringLiteral("Billwright"), folder.path());
    EXPECT_FALSE(here.acquire());
    EXPECT_EQ(Holder(folder.path(), "Billwright").answer, "refused");
    EXPECT_EQ(Holder(folder.path(), "Slipmaker").answer, "acquired");

    // A copy that has run for days still holds its lock.
    QFile lock(here.lockFilePath());
    ASSERT_TRUE(lock.open(QIODevice::ReadWrite));
    ASSERT_TRUE(lock.setFileTime(QDateTime::currentDateTime().addDays(-3),
                                 QFileDevice::FileModificationTime));
    lock.close();
    EXPECT_FALSE(here.acquire());

    ASSERT_TRUE(first.finish());
    EXPECT_TRUE(here.acquire()) << "free once the first copy has ended";
    EXPECT_EQ(Holder(folder.path(), "Billwright").answer, "refused");
    here.release();
    EXPECT_EQ(Holder(folder.path(), "Billwright").answer, "acquired");

    // A copy that crashed left its lock behind: the next copy takes it over.
    Holder crashed(folder.path(), QStringLiteral("Slipmaker"));
    ASSERT_EQ(crashed.answer, QStringLiteral("acquired"));
    ASSERT_TRUE(crashed.crash());

    SingleInstanceGuard slipmaker(QStringLiteral("Slipmaker"), folder.path());
    ASSERT_TRUE(QFile::exists(slipmaker.lockFilePath())) << "the crash left its lock behind";
    EXPECT_TRUE(slipmaker.acquire());
    EXPECT_EQ(Holder(folder.path(), "Slipmaker").answer, "refused");
}

TEST(SingleInstanceGuard, OneCopyPerDataFolderFromAnyComputer) {
    QTemporaryDir data, runtimeA, runtimeB;
    ASSERT_TRUE(data.isValid() && runtimeA.isValid() && runtimeB.isValid());
    // Two computers: each its own runtime folder, one shared data folder.
    Holder first(runtimeA.path(), QStringLiteral("Billwright"), data.path());
    ASSERT_EQ(first.answer, QStringLiteral("acquired"));
    EXPECT_EQ(Holder(runtimeB.path(), "Billwright", data.path()).answer, "refused");
    // A runtime folder that cannot take a lock leaves the data folder's rule standing.
    EXPECT_EQ(Holder(runtimeB.filePath("gone/away"), "Billwright", data.path()).answer, "refused");
    ASSERT_TRUE(first.finish());

    // A lock another computer left: kept while it is renewed, taken over once it is not.
    SingleInstanceGuard here(QStringLiteral("Billwright"), runtimeB.path(), data.path());
    const QString lockPath = here.folderLockFilePath();
    for (const int ageMinutes : {1, 6}) {
        QFile lock(lockPath);
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly | QIODevice::Truncate));
        lock.write("4242\nBillwright\nanother-computer\n");
        lock.flush();
        ASSERT_TRUE(lock.setFileTime(QDateTime::currentDateTime().addSecs(-60 * ageMinutes),
                                     QFileDevice::FileModificationTime));
        lock.close();
        EXPECT_EQ(here.acquire(), ageMinutes > 5) << ageMinutes << " minutes old";
    }
    EXPECT_EQ(Holder(runtimeA.path(), "Billwright", data.path()).answer, "refused");
}

namespace {

// A form that writes its name into a shared log when it is closed.
class LoggingForm : public QWidget {
public:
    LoggingForm(QString name, QStringList& log, ProgramContext& context)
        : m_name(std::move(name))
        , m_log(log)
        , m_context(context) {}
    bool exitWhenUnloaded = false;
    bool refuseClose = false;

protected:
    void closeEvent(QCloseEvent* event) override {
        m_log << m_name;
        if (exitWhenUnloaded)
            m_context.exitProgram();
        if (refuseClose)
            event->ignore();
    }

private:
    QString m_name;
    QStringList& m_log;
    ProgramContext& m_context;
};

// A program of three dummy forms: a start form, a kept work form and a form made afresh
// each time it is shown. Its backup copies one file.
class ShellTest : public ::testing::Test {
protected:
    ShellTest()
        : program(profile()) {
        program.shell().setEndAction([this] { log << QStringLiteral("end"); });
        for (const QString& name : {QStringLiteral("start"), QStringLiteral("work")})
            program.shell().addForm(name, [this, name] { return make(name); });
        program.shell().addForm(
            "fresh", [this] { return make("fresh"); }, ProgramShell::Lifetime::Recreated);
    }
    static ProgramProfile profile() {
        ProgramProfile p;
        p.title = "Dummy";
        p.backupNames = {"Kept.txt"};
        return p;
    }
    LoggingForm* make(const QString& name) {
        ++made[name];
        return new LoggingForm(name, log, program.context);
    }
    LoggingForm* form(const QString& name) {
        return dynamic_cast<LoggingForm*>(program.shell().loadedForm(name));
    }

    TestProgram program;
    QStringList log;
    QHash<QString, int> made;
};

} // namespace

TEST_F(ShellTest, FormsAreMadeWhenWantedAndShownOneFromAnother) {
    EXPECT_TRUE(program.shell().loadedForms().isEmpty());
    QWidget* start = program.shell().show(QStringLiteral("start"));
    ASSERT_NE(start, nullptr);
    EXPECT_TRUE(start->isVisible());

    // A kept form is made once and only hidden and shown after that.
    QWidget* work = program.shell().show(QStringLiteral("work"), start);
    EXPECT_FALSE(start->isVisible());
    EXPECT_TRUE(work->isVisible());
    program.shell().show(QStringLiteral("start"), work);
    EXPECT_EQ(program.shell().show(QStringLiteral("work"), start), work);
    EXPECT_EQ(made[QStringLiteral("work")], 1);

    // A recreated form is made afresh for each showing, and leaving it unloads it.
    QPointer<QWidget> fresh = program.shell().show(QStringLiteral("fresh"), work);
    program.shell().show(QStringLiteral("work"), fresh);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(fresh);
    EXPECT_EQ(program.shell().loadedForm(QStringLiteral("fresh")), nullptr);
    program.shell().show(QStringLiteral("fresh"), work);
    EXPECT_EQ(made[QStringLiteral("fresh")], 2);
    EXPECT_EQ(log, (QStringList{QStringLiteral("fresh")})) << "unloading closes the form";
    EXPECT_EQ(program.shell().loadedForms(),
              (QList<QWidget*>{start, work, program.shell().loadedForm(QStringLiteral("fresh"))}));
    EXPECT_EQ(program.ended, 0);
    EXPECT_EQ(program.shell().form(QStringLiteral("unknown")), nullptr);
}

TEST_F(ShellTest, CtrlQInAFormEndsTheProgramTheOneWay) {
    QWidget* start = program.shell().show(QStringLiteral("start"));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(start));
    start->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(start));
    QTest::keyClick(start->windowHandle(), Qt::Key_Q, Qt::ControlModifier);
    QTest::qWait(20);
    EXPECT_TRUE(program.context.exiting());
    EXPECT_EQ(log.value(log.size() - 1), QStringLiteral("end"));
}

TEST_F(ShellTest, ExitUnloadsLastLoadedFirstThenBacksUpOnceAndEnds) {
    program.folder.put(QStringLiteral("Kept.txt"), "kept");
    ASSERT_TRUE(MakeBackupFolder(program.folder));
    program.shell().show(QStringLiteral("start"));
    program.shell().form(QStringLiteral("work"));
    program.shell().show(QStringLiteral("fresh"));
    // The start form ends the program whenever it is unloaded; the work form refuses.
    form(QStringLiteral("start"))->exitWhenUnloaded = true;
    form(QStringLiteral("work"))->refuseClose = true;
    QPointer<QWidget> work = form(QStringLiteral("work"));

    program.shell().exitProgram();
    program.shell().exitProgram();
    EXPECT_EQ(log, (QStringList{"fresh", "work", "start", "end"}));
    EXPECT_EQ(program.folder.bytes(QStringLiteral("Backup/Kept.txt")), "kept");
    EXPECT_TRUE(program.shell().loadedForms().isEmpty());
    EXPECT_TRUE(program.context.exiting());
    ASSERT_TRUE(work);
    EXPECT_FALSE(work->isVisible()) << "a form that refuses its close still goes away";
}

TEST_F(ShellTest, OnlyAClosedByThePersonEndsTheProgram) {
    program.shell().show(QStringLiteral("start"));
    QWidget* work = program.shell().show(QStringLiteral("work"));
    QWidget* fresh = program.shell().show(QStringLiteral("fresh"));

    // Code unloads the fresh form: the program goes on.
    program.shell().unload(fresh);
    QCoreApplication::processEvents();
    EXPECT_EQ(log, QStringList{QStringLiteral("fresh")});
    EXPECT_FALSE(program.context.exiting());

    // A window that is not a loaded form is none of the shell's business.
    QWidget stranger;
    stranger.show();
    pellar::testing::closeByPerson(&stranger);
    QCoreApplication::processEvents();
    EXPECT_FALSE(program.context.exiting());

    // The close box on the work form ends everything, the start form last.
    log.clear();
    pellar::testing::closeByPerson(work);
    QCoreApplication::processEvents();
    EXPECT_EQ(log, (QStringList{"work", "start", "end"}));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(ProgramShell, RefusalOfASecondCopy) {
    for (const bool exitAfterRefusal : {false, true}) {
        int started = 0;
        ProgramProfile profile;
        profile.title = "Dummy";
        profile.refusalLines = {"Dummy is already Running!"};
        profile.exitAfterRefusal = exitAfterRefusal;
        profile.start = [&started](ProgramShell&) {
            return ++started > 0;
        };
        TestProgram first(profile);
        ASSERT_TRUE(first.shell().start());

        TestProgram second(profile);
        second.shell().setLockFolder(first.folder.path());
        second.desk.expectMessage(QStringLiteral("Dummy"));
        EXPECT_FALSE(second.shell().start());
        EXPECT_EQ(second.desk.messages()[0].lines, profile.refusalLines);
        EXPECT_EQ(started, 1) << "the refused copy starts nothing";
        // Without exitAfterRefusal it just stops; with it, it ends through ExitProgram.
        EXPECT_EQ(second.ended, exitAfterRefusal ? 1 : 0);
    }
}

TEST(ProgramShell, ExitBackupTellsAFailedCopyOrPassesItOver) {
    for (const bool tell : {true, false}) {
        ProgramProfile profile;
        profile.backupNames = {"A.txt", "B.txt", "C.txt"};
        QStringList failed;
        if (tell)
            profile.backupFailed = [&failed](Desk&, const QString& name) {
                failed << name;
            };
        TestProgram program(profile);
        for (const char* name : {"A.txt", "B.txt", "C.txt"})
            program.folder.put(QString::fromLatin1(name), "x");
        // Something in the backup folder that cannot be replaced by a copy.
        program.folder.put(QStringLiteral("Backup/B.txt/blocker"), "in the way");
        program.shell().exitProgram();
        EXPECT_TRUE(program.folder.exists(QStringLiteral("Backup/A.txt")));
        // Told: the files after the failing one are not copied; passed over: they are.
        EXPECT_EQ(program.folder.exists(QStringLiteral("Backup/C.txt")), !tell);
        EXPECT_EQ(failed, tell ? QStringList{QStringLiteral("B.txt")} : QStringList());
    }
}

TEST(ProgramShell, RestoreNoticeAndShortcutRuleComeFromTheProfile) {
    QStringList restored;
    ProgramProfile profile;
    profile.restoreNotice = [&restored](Desk&, const DataFolder&, const QString& name) {
        restored << name;
    };
    profile.shortcutDropsBackup = true;
    TestProgram program(profile);
    program.folder.put(QStringLiteral("Backup/VendorDat.txt"), "b");
    EXPECT_TRUE(DataFileExists(program.context.data, u"/VendorDat.txt"));
    EXPECT_EQ(restored, QStringList{QStringLiteral("/VendorDat.txt")});
    EXPECT_TRUE(program.context.shortcutDropsBackup);
}

TEST(CommandLine, OptionsHelpVersionAndMistakes) {
    const auto parse = [](QStringList arguments) {
        arguments.prepend(QStringLiteral("Billwright"));
        return parseCommandLine(arguments);
    };
    EXPECT_EQ(parse({}).action, CommandLine::Action::Run);
    EXPECT_EQ(parse({"--data-folder", "/data"}).dataFolder, "/data");
    EXPECT_EQ(parse({"--data-folder=/data"}).dataFolder, "/data");
    EXPECT_EQ(parse({"--help"}).action, CommandLine::Action::Help);
    EXPECT_EQ(parse({"--version", "--bogus"}).action, CommandLine::Action::Version);
    for (const char* mistaken : {"--data-folder", "--verbose"}) {
        const CommandLine refused = parse({mistaken});
        EXPECT_EQ(refused.action, CommandLine::Action::Error) << mistaken;
        EXPECT_TRUE(refused.error.contains(mistaken));
    }
    // Qt's own options pass, with their values, in every spelling Qt takes; a folder after
    // them is still the program's.
    const CommandLine qt = parse({"-style", "fusion", "--platform", "xcb", "-reverse",
                                  "-style=windows", "--data-folder", "/data"});
    EXPECT_EQ(qt.action, CommandLine::Action::Run);
    EXPECT_EQ(qt.dataFolder, "/data");
    EXPECT_EQ(parse({"-style"}).action, CommandLine::Action::Error);
    EXPECT_EQ(parse({"-reverse=1"}).action, CommandLine::Action::Error);
    EXPECT_TRUE(usageText("Billwright", "/home/u/.local/share/Pellar")
                    .contains("/home/u/.local/share/Pellar"));
    // The program's files, each named once, bare.
    const QString files =
        usageText("Slipmaker", "/u", {"\\Transactions.txt", "Deposits.txt", "\\Transactions.txt"});
    EXPECT_TRUE(files.endsWith("  Transactions.txt Deposits.txt\n")) << qPrintable(files);
}

TEST(CommandLine, TheDataFolderRule) {
    ScratchDataFolder given;
    ScratchDataFolder program;
    ScratchDataFolder home;
    const QString user = home.file("share/Pellar");
    QString error;
    // Given: that folder, if it is there.
    EXPECT_EQ(chooseDataFolder(given.path(), program.path(), user, &error), given.path());
    EXPECT_FALSE(chooseDataFolder(given.file("nowhere"), program.path(), user, &error));
    EXPECT_TRUE(error.contains("nowhere"));

    // Not given, the program in a folder of its own: the per-user folder, made on first use.
    EXPECT_EQ(chooseDataFolder({}, program.path(), user, &error), user);
    EXPECT_TRUE(QFileInfo(user).isDir());

    // A portable copy keeps its data beside the program: a "portable" file, a file the family
    // shares, or one of the program's own.
    const QStringList own{QStringLiteral("\\CheckbookInfo.txt")};
    for (const char* marker : {"portable", "MyBusinessData.txt", "CheckbookInfo.txt"}) {
        ScratchDataFolder copy;
        copy.put(QString::fromLatin1(marker), "");
        EXPECT_EQ(chooseDataFolder({}, copy.path(), user, &error, own), copy.path()) << marker;
        // A folder given on the command line still comes first.
        EXPECT_EQ(chooseDataFolder(given.path(), copy.path(), user, &error), given.path());
    }
    program.put("Backup/readme.txt", "not a data file");
    EXPECT_EQ(chooseDataFolder({}, program.path(), user, &error), user);

    // A per-user folder that cannot be made is told.
    home.put("blocked", "a file where the folder should be");
    EXPECT_FALSE(chooseDataFolder({}, program.path(), home.file("blocked/Pellar"), &error));
    EXPECT_TRUE(error.contains("blocked"));
}

TEST(DataFolderNotice, ShowsThePathAndOpensTheFolderOnlyWhenAsked) {
    pellar::testing::ScratchDataFolder folder;
    pellar::testing::ScriptedDesk desk;
    pellar::ProgramContext context(desk, folder);
    desk.expectMessage(QStringLiteral("Data Folder"), pellar::MessageAnswer::No);
    pellar::showDataFolder(context);
    EXPECT_TRUE(desk.messages()[0].lines.contains(QDir::toNativeSeparators(folder.path())));
    EXPECT_TRUE(desk.openedFolders().isEmpty());
    desk.expectMessage(QStringLiteral("Data Folder"), pellar::MessageAnswer::Yes);
    pellar::showDataFolder(context);
    EXPECT_EQ(desk.openedFolders(), QStringList{folder.path()});
    // Nothing to open it with: the path is given to copy, not a silent nothing.
    desk.folderOpenerWorks = false;
    desk.expectMessage(QStringLiteral("Data Folder"), pellar::MessageAnswer::Yes);
    desk.expectMessage(QStringLiteral("Data Folder"));
    pellar::showDataFolder(context);
    ASSERT_EQ(desk.messages().size(), 4);
    EXPECT_TRUE(desk.messages()[3].lines.contains(QDir::toNativeSeparators(folder.path())));
}

TEST(OpenWebAddress, WritesTheShortcutThenOpensTheAddress) {
    ScratchDataFolder data;
    data.put(QStringLiteral("Temp.url"), "an older and much longer shortcut file\r\n\r\n\r\n");
    data.put(QStringLiteral("Backup/Temp.url"), "backup copy");
    ScriptedDesk desk;
    ProgramContext context(desk, data.data());

    const QString url = QStringLiteral("https://www.example.com/order?id=7&x=a b");
    EXPECT_TRUE(OpenWebAddress(context, url));
    EXPECT_EQ(data.bytes("Temp.url"),
              "[InternetShortcut]\r\nURL = https://www.example.com/order?id=7&x=a b\r\n");
    EXPECT_EQ(desk.openedAddresses(), QStringList{url});
    EXPECT_EQ(data.bytes(QStringLiteral("Backup/Temp.url")), "backup copy");

    // A program whose rewrites drop the backup copy first.
    context.shortcutDropsBackup = true;
    EXPECT_TRUE(OpenWebAddress(context, QStringLiteral("https://example.org/")));
    EXPECT_EQ(data.bytes("Temp.url"), "[InternetShortcut]\r\nURL = https://example.org/\r\n");
    EXPECT_FALSE(data.exists(QStringLiteral("Backup/Temp.url")));

    // A folder where the file should be: the write fails and nothing is opened.
    ScratchDataFolder blocked;
    blocked.put(QStringLiteral("Temp.url/inside"), "x");
    ProgramContext other(desk, blocked.data());
    const FileResult result = OpenWebAddress(other, QStringLiteral("https://example.com/"));
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains(QStringLiteral("Temp.url"))) << result.error.toStdString();
    EXPECT_EQ(desk.openedAddresses().size(), 2);

    // An address that is not a web page's is refused in words before the file is written.
    for (const char* refused : {"file:///etc/passwd", "javascript:alert(1)", "https://"}) {
        const FileResult refusal = OpenWebAddress(context, QString::fromLatin1(refused));
        EXPECT_FALSE(refusal.ok) << refused;
        EXPECT_TRUE(refusal.error.contains(QString::fromLatin1(refused)));
    }
    EXPECT_EQ(data.bytes("Temp.url"), "[InternetShortcut]\r\nURL = https://example.org/\r\n");
    EXPECT_EQ(desk.openedAddresses().size(), 2);

    // No browser took it: the person is told, with the address to type.
    desk.browserTakesAddresses = false;
    const FileResult unopened = OpenWebAddress(context, QStringLiteral("https://example.net/"));
    EXPECT_FALSE(unopened.ok);
    EXPECT_TRUE(unopened.error.contains(QStringLiteral("https://example.net/")));
}

TEST(SupplierNotices, TheAgreeingAnswerOpensThePageAndNoLeavesTempUrlAlone) {
    ScratchDataFolder data;
    data.put(QStringLiteral("Temp.url"), "earlier shortcut");
    ScriptedDesk desk;
    ProgramContext context(desk, data.data());
    const QStringList lines{QStringLiteral("Offer")};
    const QString page = QStringLiteral("https://forms.example.com/");

    desk.expectMessage(QStringLiteral("Ordering"), MessageAnswer::No);
    EXPECT_TRUE(askThenOpen(context, QStringLiteral("Ordering"), lines, page));
    desk.expectMessage(QStringLiteral("Ordering"), MessageAnswer::No);
    EXPECT_TRUE(askThenOpen(context, "Ordering", lines, page, NoticeOpens::UnlessNo));
    EXPECT_EQ(data.bytes(QStringLiteral("Temp.url")), "earlier shortcut");
    EXPECT_TRUE(desk.openedAddresses().isEmpty());

    desk.expectMessage(QStringLiteral("Ordering"), MessageAnswer::Yes);
    EXPECT_TRUE(askThenOpen(context, QStringLiteral("Ordering"), lines, page));
    ASSERT_EQ(desk.messages().size(), 3);
    EXPECT_EQ(desk.messages()[2].buttons, MessageButtons::YesNo);
    EXPECT_EQ(desk.openedAddresses(), QStringList{page});
}

TEST(WebConfig, TheDeployersFileOverridesTheDefaults) {
    ScratchDataFolder folder;
    const WebConfig defaults = WebConfig::defaults();
    const WebConfig missing = WebConfig::load(folder.path());
    EXPECT_EQ(missing.formsReorder, defaults.formsReorder);

    // Addresses keep their ';', ',' and backslashes as written; keys are not case-sensitive.
    folder.put("PellarLinks.ini",
               "\xEF\xBB\xBF; edited at the shop\r\n"
               "[Links]\r\n"
               "FormsReorder = https://forms.example.com/re;order?code=XYZ&a=1,2\r\n"
               "paperSUPPLIER=\"https://paper.example.com/a%20b\\c\"\r\n"
               "LiteProduct =\r\n"
               "# Phone = 000 (a comment, and in the wrong section anyway)\r\n"
               "BasicProduct = https://basic.example.com/\rURL = https://elsewhere.example/\r\n"
               "[FormsSupplier]\r\n"
               "Phone = 1-877-555-0123, ext. 4\r\n"
               "PriorityCode = XYZ\r\n"
               "[Other]\r\n"
               "ProductComparison = https://wrong.example.com/\r\n");

    const WebConfig loaded = WebConfig::load(folder.path());
    EXPECT_EQ(loaded.formsReorder,
              QStringLiteral("https://forms.example.com/re;order?code=XYZ&a=1,2"));
    EXPECT_EQ(loaded.paperSupplier, QStringLiteral("https://paper.example.com/a%20b\\c"));
    EXPECT_EQ(loaded.liteProduct, defaults.liteProduct) << "an empty value keeps the default";
    EXPECT_EQ(loaded.supplierPhone, QStringLiteral("1-877-555-0123, ext. 4"));
    EXPECT_EQ(loaded.priorityCode, QStringLiteral("XYZ"));
    EXPECT_EQ(loaded.productComparison, defaults.productComparison);
    EXPECT_EQ(loaded.labelSupplier, defaults.labelSupplier);
    // A carriage return inside a value ends it: the shortcut file stays two lines.
    EXPECT_EQ(loaded.basicProduct, QStringLiteral("https://basic.example.com/"));
    EXPECT_EQ(shortcutFileBytes(QStringLiteral("https://a.example/\r\nURL = https://b.example/")),
              "[InternetShortcut]\r\nURL = https://a.example/URL = https://b.example/\r\n");
}
