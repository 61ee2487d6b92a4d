// Two copies of the program on one data folder, as two real processes: a posting during a
// cleanup, and long runs of appends against cleanups and of contact edits against additions
// and deletions. Nothing either copy wrote may be lost, blanked or put in another's place.
#include "expenses/core/contactcursor.h"
#include "expenses/core/contacts.h"
#include "expenses/core/expensecleanup.h"
#include "expenses/core/expensefile.h"
#include "tests/expenses/spendlogfixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

using namespace expenses;
using expenses::testing::dated;
using expenses::testing::expenseFileOf;
using expenses::testing::expensesIn;
using pellar::testing::ScratchDataFolder;

namespace {

// Runs `work` in a forked child that ends with _exit: 0 when it returned true. With a gate,
// the child starts its work only once the gate file exists, so two children run together.
pid_t startChild(const std::function<bool()>& work, const QString& gate = {}) {
    const pid_t child = ::fork();
    if (child == 0) {
        while (!gate.isEmpty() && !QFileInfo::exists(gate))
            QThread::usleep(200);
        ::_exit(work() ? 0 : 1);
    }
    return child;
}

// Lets children waiting at the gate go.
void open(const QString& gate) {
    QFile(gate).open(QIODevice::WriteOnly);
}

// True when the child ended by itself with exit code 0.
bool succeeded(pid_t child) {
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

// Waits up to `ms` for the child to end; true (and reaped, its success in *ok) when it did.
bool endedWithin(pid_t child, int ms, bool* ok) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        int status = 0;
        if (::waitpid(child, &status, WNOHANG) == child) {
            *ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
            return true;
        }
        QThread::msleep(2);
    }
    return false;
}

int stressRounds() {
    bool ok = false;
    const int wanted = qEnvironmentVariableIntValue("PELLAR_STRESS_ROUNDS", &ok);
    return ok && wanted > 0 ? wanted : 30;
}

Contact contactNamed(const QString& name) {
    Contact c;
    c.account = name;
    c.name = name;
    c.state = QStringLiteral("IL");
    return c;
}

qint64 indexOfAccount(const ContactCursor& cursor, const QString& account) {
    const QList<Contact>& contacts = cursor.contacts();
    for (qsizetype i = 0; i < contacts.size(); ++i)
        if (contacts[i].account == account)
            return i + 1;
    return 0;
}

} // namespace

TEST(SharedExpenseFile, AnExpensePostedWhileACleanupRunsSurvivesIt) {
    ScratchDataFolder folder;
    QTemporaryDir handshake;
    const QString pause = handshake.filePath("cleanup");
    const QByteArray original = expenseFileOf(
        {dated("3/1/2001", "Old one"), dated("4/1/2026", "Recent"), dated("5/1/2001", "Old two")});
    folder.put("NewExpenses.txt", original);

    // The cleanup stops after its read, before its rewrite.
    const pid_t cleanup = startChild([&] {
        qputenv("PELLAR_PAUSE_AT", "cleanup");
        qputenv("PELLAR_PAUSE_FILE", pause.toLocal8Bit());
        return bool(removeExpensesBetween(folder, {2001, 1, 1}, {2001, 12, 31}).result);
    });
    QElapsedTimer waited;
    waited.start();
    while (!QFileInfo::exists(pause + ".reached") && waited.elapsed() < 10000)
        QThread::msleep(2);
    ASSERT_TRUE(QFileInfo::exists(pause + ".reached"));

    // The other copy posts an expense dated inside the range. It may finish now or wait
    // for the cleanup; either way the cleanup goes on only after it had its chance.
    const pid_t posting = startChild(
        [&] { return bool(WriteExpenseRecord(folder, dated("6/15/2001", "Posted meanwhile"))); });
    bool posted = false;
    const bool postedFirst = endedWithin(posting, 400, &posted);
    open(pause + ".go");
    EXPECT_TRUE(succeeded(cleanup));
    if (!postedFirst)
        posted = succeeded(posting);
    EXPECT_TRUE(posted);

    QStringList payees;
    for (const ExpenseRecord& r : expensesIn(folder.bytes("NewExpenses.txt")))
        payees << r.paidTo;
    EXPECT_EQ(payees, (QStringList{"Recent", "Posted meanwhile"}));
    // The file as the cleanup found it is kept in the day's backup folder.
    const QDir day(folder.file("Backup/" + QDate::currentDate().toString("yyyy-MM-dd")));
    const QStringList copies = day.entryList({"NewExpenses before cleanup *.txt"}, QDir::Files);
    ASSERT_EQ(copies.size(), 1);
    EXPECT_EQ(folder.bytes("Backup/" + day.dirName() + "/" + copies[0]), original);
}

TEST(SharedExpenseFile, AppendsAgainstCleanupsLoseNoRecordAndLeaveNoneBlank) {
    ScratchDataFolder folder;
    QTemporaryDir handshake;
    const QString gate = handshake.filePath("go");
    const int rounds = stressRounds();
    // Years of kept records, so each cleanup takes a while to read and rewrite.
    QList<ExpenseRecord> years(1000, dated("7/7/2020", QStringLiteral("Kept")));
    folder.put("NewExpenses.txt", expenseFileOf(years));

    // Each round posts a split of two lines: an old one the cleanups may take and a recent
    // one they must never touch.
    const pid_t poster = startChild(
        [&] {
            for (int i = 0; i < rounds; ++i) {
                if (!appendExpenseRecords(folder,
                                          {dated("2/2/2001", QStringLiteral("Old %1").arg(i)),
                                           dated("2/2/2026", QStringLiteral("New %1").arg(i))}))
                    return false;
                QThread::usleep(500);
            }
            return true;
        },
        gate);
    const pid_t cleaner = startChild(
        [&] {
            for (int i = 0; i < rounds; ++i) {
                if (!removeExpensesBetween(folder, {2001, 1, 1}, {2001, 12, 31}).result)
                    return false;
                // A breath between cleanups: the lock is not handed out in turn, and a copy
                // that takes it back at once could keep the other waiting past its patience.
                QThread::usleep(500);
            }
            return true;
        },
        gate);
    open(gate);
    EXPECT_TRUE(succeeded(poster));
    EXPECT_TRUE(succeeded(cleaner));

    const QByteArray file = folder.bytes("NewExpenses.txt");
    EXPECT_EQ(file.size() % kExpenseRecordLength, 0);
    QStringList recent;
    int kept = 0;
    for (const ExpenseRecord& r : expensesIn(file)) {
        ASSERT_EQ(r.status, "Open") << "a blank or partial record";
        if (r.date == "2/2/2026")
            recent << r.paidTo;
        else if (r.paidTo == "Kept")
            ++kept;
        else
            EXPECT_EQ(r.date, "2/2/2001");
    }
    EXPECT_EQ(kept, years.size());
    QStringList posted;
    for (int i = 0; i < rounds; ++i)
        posted << QStringLiteral("New %1").arg(i);
    EXPECT_EQ(recent, posted);
}

TEST(SharedContactsFile, EditsAgainstAdditionsAndDeletionsNeverLandOnAnotherContact) {
    ScratchDataFolder folder;
    const int rounds = stressRounds();
    // One copy's contacts come first, so each of its deletions moves the other's records.
    QStringList adders;
    for (int i = 0; i < 8; ++i)
        adders << QStringLiteral("A-seed-%1").arg(i);
    const QStringList editors{"B-0", "B-1", "B-2", "B-3"};
    for (const QString& name : adders + editors)
        ASSERT_TRUE(writeContact(folder, contactCount(folder) + 1, contactNamed(name)));

    QTemporaryDir handshake;
    const QString gate = handshake.filePath("go");
    // Adds a contact and deletes its own first one in turn.
    const pid_t adder = startChild(
        [&] {
            ContactCursor cursor(folder);
            for (int i = 0; i < rounds; ++i) {
                ContactSave done;
                do {
                    cursor.reload();
                    if (i % 2 == 0) {
                        cursor.startNew();
                        Contact added = contactNamed(QStringLiteral("A-new-%1").arg(i));
                        done = cursor.save(added);
                    } else {
                        qint64 first = 0;
                        for (qsizetype k = 0; k < cursor.count() && !first; ++k)
                            if (cursor.contacts()[k].account.startsWith(u"A-"))
                                first = k + 1;
                        cursor.select(first);
                        done = cursor.deleteCurrent();
                    }
                } while (done.status == ContactSave::ChangedElsewhere);
                if (!done)
                    return false;
            }
            return true;
        },
        gate);
    // Edits its own contacts by record number, as the contacts form does.
    const pid_t editor = startChild(
        [&] {
            ContactCursor cursor(folder);
            for (int i = 0; i < rounds; ++i) {
                ContactSave done;
                do {
                    cursor.reload();
                    cursor.select(indexOfAccount(cursor, editors[i % editors.size()]));
                    Contact edited = *cursor.currentContact();
                    edited.keyContact = QStringLiteral("edit %1").arg(i);
                    done = cursor.save(edited);
                } while (done.status == ContactSave::ChangedElsewhere);
                if (!done)
                    return false;
            }
            return true;
        },
        gate);
    open(gate);
    EXPECT_TRUE(succeeded(adder));
    EXPECT_TRUE(succeeded(editor));

    QStringList expectedAdders = adders;
    for (int i = 0; i < rounds; ++i) {
        if (i % 2 == 0)
            expectedAdders << QStringLiteral("A-new-%1").arg(i);
        else
            expectedAdders.removeFirst();
    }
    // Each of the editor's contacts once, in its order, with the last edit made to it.
    QStringList lastEdits = editors;
    for (int i = 0; i < rounds; ++i)
        lastEdits[i % editors.size()] =
            editors[i % editors.size()] + QStringLiteral(": edit %1").arg(i);
    EXPECT_EQ(folder.bytes("VendorDat.txt").size() % kContactRecordLength, 0);
    QStringList onFileAdders, onFileEditors;
    for (const Contact& c : readContacts(folder).contacts) {
        if (c.account.startsWith(u"A-"))
            onFileAdders << c.account;
        else
            onFileEditors << c.account + QStringLiteral(": ") + c.keyContact;
    }
    EXPECT_EQ(onFileAdders, expectedAdders);
    EXPECT_EQ(onFileEditors, lastEdits);
}
