// A second process for the single-instance tests:
//   guardholder LOCK_FOLDER PROGRAM_NAME [DATA_FOLDER]
// takes the guard, prints "acquired" or "refused", and while it holds the guard waits for
// its standard input to close (or to be killed, to leave a stale lock behind).
#include "common/core/singleinstance.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3 && args.size() != 4) {
        std::fprintf(stderr, "usage: guardholder LOCK_FOLDER PROGRAM_NAME [DATA_FOLDER]\n");
        return 2;
    }
    pellar::SingleInstanceGuard guard(args.at(2), args.at(1), args.value(3));
    const bool acquired = guard.acquire();
    std::printf("%s\n", acquired ? "acquired" : "refused");
    std::fflush(stdout);
    if (!acquired)
        return 1;
    while (std::getchar() != EOF) {
    }
    return 0;
}
