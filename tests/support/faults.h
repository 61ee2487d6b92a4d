#pragma once
// Failures made real: a write run in a child process that may not grow any file past a
// size limit (as a full disk or a quota would stop it), and a rewrite killed at a random
// moment.

#include <QByteArray>
#include <QFile>
#include <QRandomGenerator>
#include <QThread>
#include <functional>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace pellar::testing {

enum class ChildOutcome { ReportedSuccess, ReportedFailure, Died };

// Runs `write` in a forked child whose files cannot grow past `limitBytes`; the signal such a
// write raises is ignored, so the write sees the error a full disk gives. The child ends with
// _exit, so nothing of the test process runs twice.
inline ChildOutcome runUnderFileSizeLimit(qint64 limitBytes, const std::function<bool()>& write) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{rlim_t(limitBytes), rlim_t(limitBytes)};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            ::_exit(3);
        ::_exit(write() ? 0 : 1);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) > 1)
        return ChildOutcome::Died;
    return WEXITSTATUS(status) == 0 ? ChildOutcome::ReportedSuccess : ChildOutcome::ReportedFailure;
}

inline QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// How many kills a kill test makes: a few in the ordinary run, as many as PELLAR_KILLS says
// for a long one.
inline int killCount() {
    bool ok = false;
    const int wanted = qEnvironmentVariableIntValue("PELLAR_KILLS", &ok);
    return ok && wanted > 0 ? wanted : 20;
}

// Starts a child that runs `rewrite` over and over, kills it at a random moment within its
// first `window` microseconds, and hands the file's bytes after the kill to `check`; `times`
// rounds. `rewrite` alternates between the versions the check accepts.
inline void killDuringRewrites(const QString& path, const std::function<void(int round)>& rewrite,
                               const std::function<void(const QByteArray&)>& check, int times,
                               int window) {
    for (int i = 0; i < times; ++i) {
        const pid_t child = ::fork();
        if (child == 0) {
            for (int round = 0;; ++round)
                rewrite(round);
        }
        ASSERT_GT(child, 0);
        QThread::usleep(QRandomGenerator::global()->bounded(window));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the rewriting child stopped by itself";
        check(fileBytes(path));
        if (::testing::Test::HasFatalFailure() || ::testing::Test::HasNonfatalFailure())
            return;
    }
}

} // namespace pellar::testing
