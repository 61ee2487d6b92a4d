// The program shell: one running copy per program (checked across real processes), the
// loaded-forms list and ExitProgram, the automatic backup and the refusal messages.
#include "common/ui/program.h"

#include "common/core/backup.h"
#include "tests/support/datafolder.h"
#include "tests/support/scripteddesk.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest/qtestspontaneevent.h>
#include <gtest/gtest.h>

using namespace pellar;
using pellar::testing::ScratchDataFolder;
using pellar::testing::ScriptedDesk;

namespace {

// Another process holding (or trying for) the guard of a program.
class Holder {
public:
    Holder(const QString& folder, const QString& program) {
        m_process.start(QStringLiteral(PELLAR_GUARDHOLDER), {folder, program});
        if (m_process.waitForStarted(10000) && m_process.waitForReadyRead(10000))
            m_answer = QString::fromLatin1(m_process.readLine()).trimmed();
    }
    ~Holder() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(10000);
        }
    }
    QString answer() const { return m_answer; }
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

private:
    QProcess m_process;
    QString m_answer;
};

} // namespace

TEST(SingleInstanceGuard, OneCopyPerProgramAcrossProcesses) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    Holder first(folder.path(), QStringLiteral("Billwright"));
    ASSERT_EQ(first.answer(), QStringLiteral("acquired"));

    SingleInstanceGuard here(QStringLiteral("Billwright"), folder.path());
    EXPECT_FALSE(here.acquire());
    Holder second(folder.path(), QStringLiteral("Billwright"));
    EXPECT_EQ(second.answer(), QStringLiteral("refused"));
    Holder otherProgram(folder.path(), QStringLiteral("Slipmaker"));
    EXPECT_EQ(otherProgram.answer(), QStringLiteral("acquired"));

    // A copy that has run for days still holds its lock.
    QFile lock(here.lockFilePath());
    ASSERT_TRUE(lock.open(QIODevice::ReadWrite));
    ASSERT_TRUE(lock.setFileTime(QDateTime::currentDateTime().addDays(-3),
                                 QFileDevice::FileModificationTime));
    lock.close();
    EXPECT_FALSE(here.acquire());

    ASSERT_TRUE(first.finish());
    EXPECT_TRUE(here.acquire()) << "free once the first copy has ended";
    Holder third(folder.path(), QStringLiteral("Billwright"));
    EXPECT_EQ(third.answer(), QStringLiteral("refused"));
    here.release();
    Holder fourth(folder.path(), QStringLiteral("Billwright"));
    EXPECT_EQ(fourth.answer(), QStringLiteral("acquired"));
}

TEST(SingleInstanceGuard, TakesOverTheLockOfACrashedCopy) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    Holder crashed(folder.path(), QStringLiteral("Slipmaker"));
    ASSERT_EQ(crashed.answer(), QStringLiteral("acquired"));
    ASSERT_TRUE(crashed.crash());

    SingleInstanceGuard here(QStringLiteral("Slipmaker"), folder.path());
    ASSERT_TRUE(QFile::exists(here.lockFilePath())) << "the crash left its lock behind";
    EXPECT_TRUE(here.acquire());
    Holder next(folder.path(), QStringLiteral("Slipmaker"));
    EXPECT_EQ(next.answer(), QStringLiteral("refused"));
}

namespace {

// A form that writes its name into a shared log when it is closed.
class LoggingForm : public QWidget {
public:
    LoggingForm(QString name, QStringList& log)
        : m_name(std::move(name))
        , m_log(log) {}
    bool exitWhenUnloaded = false;
    bool refuseClose = false;

protected:
    void closeEvent(QCloseEvent* event) override {
        m_log << m_name;
        if (exitWhenUnloaded)
            ExitProgram();
        if (refuseClose)
            event->ignore();
    }

private:
    QString m_name;
    QStringList& m_log;
};

class LoadedFormsTest : public ::testing::Test {
protected:
    void SetUp() override {
        LoadedForms::instance().reset();
        LoadedForms::instance().setBackupAction([this] { log << QStringLiteral("backup"); });
        LoadedForms::instance().setEndAction([this] { log << QStringLiteral("end"); });
    }
    void TearDown() override { LoadedForms::instance().reset(); }

    LoggingForm* load(const QString& name) {
        auto* form = new LoggingForm(name, log);
        form->setAttribute(Qt::WA_DeleteOnClose);
        form->show();
        LoadedForms::instance().loaded(form);
        return form;
    }

    QStringList log;
};

void closeByUser(QWidget* form) {
    QCloseEvent close;
    QSpontaneKeyEvent::setSpontaneous(&close);
    // As the window system delivers it: sendEvent() would clear the spontaneous flag.
    QCoreApplication::instance()->notify(form, &close);
}

} // namespace

TEST_F(LoadedFormsTest, ExitUnloadsLastLoadedFirstThenBacksUpOnceAndEnds) {
    QPointer<LoggingForm> start = load(QStringLiteral("start"));
    QPointer<LoggingForm> setup = load(QStringLiteral("setup"));
    QPointer<LoggingForm> work = load(QStringLiteral("work"));
    // The start form ends the program whenever it is unloaded; the work form refuses.
    start->exitWhenUnloaded = true;
    work->refuseClose = true;
    EXPECT_EQ(LoadedForms::instance().forms(), (QList<QWidget*>{start, setup, work}));

    ExitProgram();
    ExitProgram();
    EXPECT_EQ(log,
              (QStringList{QStringLiteral("work"), QStringLiteral("setup"), QStringLiteral("start"),
                           QStringLiteral("backup"), QStringLiteral("end")}));
    EXPECT_TRUE(LoadedForms::instance().forms().isEmpty());
    EXPECT_TRUE(LoadedForms::instance().exiting());
    ASSERT_TRUE(work);
    EXPECT_FALSE(work->isVisible()) << "a form that refuses its close still goes away";

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(start);
    EXPECT_FALSE(setup);
    EXPECT_FALSE(work);
}

TEST_F(LoadedFormsTest, OnlyAClosedByThePersonEndsTheProgram) {
    LoggingForm* start = load(QStringLiteral("start"));
    LoggingForm* customer = load(QStringLiteral("customer"));
    QPointer<LoggingForm> invoice = load(QStringLiteral("invoice"));

    // Code closes and unloads the invoice form: the program goes on.
    invoice->close();
    LoadedForms::instance().unloaded(invoice);
    QCoreApplication::processEvents();
    EXPECT_EQ(log, QStringList{QStringLiteral("invoice")});
    EXPECT_FALSE(LoadedForms::instance().exiting());

    // A window that is not a loaded form is none of the list's business.
    QWidget stranger;
    stranger.show();
    closeByUser(&stranger);
    QCoreApplication::processEvents();
    EXPECT_FALSE(LoadedForms::instance().exiting());

    // The close box on the customer form ends everything, the start form last.
    log.clear();
    closeByUser(customer);
    QCoreApplication::processEvents();
    EXPECT_EQ(log, (QStringList{QStringLiteral("customer"), QStringLiteral("start"),
                                QStringLiteral("backup"), QStringLiteral("end")}));
    EXPECT_FALSE(start->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(ProgramShell, RefusalOfASecondCopyPerProgram) {
    QTemporaryDir locks;
    ASSERT_TRUE(locks.isValid());
    const QStringList billwrightLines{QStringLiteral("Billwright is already Running!")};
    const QStringList slipmakerLines{QStringLiteral("Slipmaker is already Running!"),
                                     QStringLiteral("Look for it on the Task Bar")};
    for (ProgramKind kind : {ProgramKind::Billwright, ProgramKind::Slipmaker}) {
        const bool invoicing = kind == ProgramKind::Billwright;
        const QString title =
            invoicing ? QStringLiteral("Billwright") : QStringLiteral("Slipmaker");
        setProgramKind(kind);
        LoadedForms::instance().reset();
        int ends = 0;
        int backups = 0;
        LoadedForms::instance().setEndAction([&] { ++ends; });
        LoadedForms::instance().setBackupAction([&] { ++backups; });

        SingleInstanceGuard running(title, locks.path());
        ASSERT_TRUE(running.acquire());
        ScriptedDesk desk;
        SingleInstanceGuard second(title, locks.path());
        desk.expectMessage(title);
        EXPECT_FALSE(CheckSingleInstance(desk, second, title));
        ASSERT_EQ(desk.messages().size(), 1);
        EXPECT_EQ(desk.messages()[0].lines, invoicing ? billwrightLines : slipmakerLines);
        EXPECT_EQ(desk.messages()[0].buttons, MessageButtons::Ok);
        // Billwright just stops; Slipmaker ends through ExitProgram and its backup.
        const int expected = invoicing ? 0 : 1;
        EXPECT_EQ(ends, expected) << title.toStdString();
        EXPECT_EQ(backups, expected) << title.toStdString();

        running.release();
        EXPECT_TRUE(CheckSingleInstance(desk, second, title)) << "alone now: no message";
    }
    LoadedForms::instance().reset();
}

TEST(ProgramShell, ExitMakesTheAutomaticBackupOfEachProgram) {
    {
        ScriptedDesk desk;
        QString error;
        EXPECT_FALSE(prepareProgram(ProgramKind::Billwright,
                                    {QStringLiteral("program"), QStringLiteral("--data-folder")},
                                    desk, &error));
        EXPECT_FALSE(error.isEmpty());
    }
    for (ProgramKind kind :
         {ProgramKind::Billwright, ProgramKind::Slipmaker, ProgramKind::Spendlog}) {
        ScratchDataFolder data(kind);
        for (const char* name : {"BusinessInfo.txt", "SalesItems.txt", "InvoiceCounter.txt",
                                 "InvoiceInfo.txt", "Transactions.txt"})
            data.put(QString::fromLatin1(name), QByteArray("data of ") + name);
        ASSERT_TRUE(MakeBackupFolder());
        ScriptedDesk desk;
        QString error;
        ASSERT_TRUE(prepareProgram(
            kind, {QStringLiteral("program"), QStringLiteral("--data-folder"), data.path()}, desk,
            &error))
            << error.toStdString();
        LoadedForms::instance().setEndAction([] {});
        ExitProgram();
        LoadedForms::instance().reset();

        const bool invoicing = kind == ProgramKind::Billwright;
        EXPECT_EQ(data.exists(QStringLiteral("Backup/SalesItems.txt")), invoicing);
        EXPECT_EQ(data.exists(QStringLiteral("Backup/InvoiceInfo.txt")), invoicing);
        EXPECT_EQ(data.exists(QStringLiteral("Backup/Transactions.txt")),
                  kind == ProgramKind::Slipmaker);
        if (invoicing) {
            EXPECT_EQ(data.bytes(QStringLiteral("Backup/SalesItems.txt")),
                      "data of SalesItems.txt");
        }
    }
}

TEST(ProgramShell, BillwrightReportsABackupCopyThatFailed) {
    ScratchDataFolder data(ProgramKind::Billwright);
    for (const char* name :
         {"BusinessInfo.txt", "SalesItems.txt", "InvoiceCounter.txt", "InvoiceInfo.txt"})
        data.put(QString::fromLatin1(name), "x");
    // Something in the backup folder that cannot be replaced by a copy.
    data.put(QStringLiteral("Backup/SalesItems.txt/blocker"), "in the way");

    ScriptedDesk desk;
    desk.expectMessage(QStringLiteral("File Copy Incomplete"));
    BackupDataFiles(desk);
    ASSERT_EQ(desk.messages().size(), 1);
    EXPECT_EQ(desk.messages()[0].lines,
              (QStringList{QStringLiteral("Copying of File SalesItems.txtCould not be completed"),
                           QStringLiteral("This is most likely due some other "),
                           QStringLiteral("Orvanta Program running concurrently")}));
    EXPECT_TRUE(data.exists(QStringLiteral("Backup/BusinessInfo.txt")));
    EXPECT_FALSE(data.exists(QStringLiteral("Backup/InvoiceCounter.txt")))
        << "files after the failing one are not copied";
    EXPECT_FALSE(data.exists(QStringLiteral("Backup/InvoiceInfo.txt")));

    // Slipmaker goes on silently.
    setProgramKind(ProgramKind::Slipmaker);
    data.put(QStringLiteral("Transactions.txt"), "x");
    data.put(QStringLiteral("Backup/Transactions.txt/blocker"), "in the way");
    ScriptedDesk quiet;
    BackupDataFiles(quiet);
    EXPECT_TRUE(quiet.messages().isEmpty());
}

TEST(ProgramShell, SpendlogRestoreNoticeAndShowMessage) {
    ScratchDataFolder data(ProgramKind::Spendlog);
    data.put(QStringLiteral("Backup/OldInvoices.txt"), "a");
    data.put(QStringLiteral("Backup/VendorDat.txt"), "b");
    data.put(QStringLiteral("Backup/invoiceNotes.txt"), "c");
    ScriptedDesk desk;
    installSpendlogRestoreNotice(desk);
    desk.expectMessage(QStringLiteral("File Restored from Backup Folder"));
    desk.expectMessage(QStringLiteral("File Restored from Backup Folder"));
    desk.expectMessage(QStringLiteral("File Restored from Backup Folder"));

    EXPECT_TRUE(DataFileExists(u"\\OldInvoices.txt"));
    EXPECT_EQ(desk.beeps(), 1);
    EXPECT_TRUE(DataFileExists(u"/VendorDat.txt"));
    EXPECT_TRUE(DataFileExists(u"\\invoiceNotes.txt"));
    EXPECT_EQ(desk.beeps(), 1) << "only \"Invoice\" with a capital I beeps";
    ASSERT_EQ(desk.messages().size(), 3);
    EXPECT_EQ(desk.messages()[0].lines,
              (QStringList{QStringLiteral("The \\OldInvoices.txt was missing"),
                           QStringLiteral("a recent copy has been restored"),
                           QStringLiteral("Data may be missing from this file"),
                           QStringLiteral("This is normal when Deleting old Invoices etc")}));
    EXPECT_EQ(desk.messages()[1].lines.first(), QStringLiteral("The /VendorDat.txt was missing"));

    desk.expectMessage(QStringLiteral("Contacts"));
    ShowMessage(desk, QStringLiteral("No contact found"), QStringLiteral("Contacts"));
    EXPECT_EQ(desk.messages().last().lines, QStringList{QStringLiteral("No contact found")});
    EXPECT_EQ(desk.messages().last().buttons, MessageButtons::Ok);
    setRestoreNotice({});
}
