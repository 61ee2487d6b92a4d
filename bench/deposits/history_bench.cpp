// The transactions log at its largest (32,767 records): the deposit history's showing, from
// the read of the log to the table drawn on screen, and the reading and totals alone. Run by
// hand:
//   build/bench/history_bench
#include "common/core/datafiles.h"
#include "common/core/fixedrecords.h"
#include "common/core/programcontext.h"
#include "common/core/regional.h"
#include "deposits/core/deposithistory.h"
#include "deposits/core/transactionlog.h"
#include "deposits/ui/frmdeposithistory.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "bench/quietdesk.h"

namespace {

const QDate kToday(2026, 12, 6);

// A full log: three deposits a day or so back from today, over 27 years, one record in
// 500 with a date that cannot be read.
QByteArray fullLog() {
    QByteArray bytes;
    bytes.reserve(qsizetype(pellar::kMaxRecords) * deposits::kTransactionLength);
    for (int i = 0; i < pellar::kMaxRecords; ++i) {
        const QDate date = kToday.addDays(-(pellar::kMaxRecords - 1 - i) * 3 / 10);
        QByteArray record = deposits::transactionRecord(
            date, QStringLiteral("Deposit"), pellar::Currency::fromUnits(qint64(i % 90000) * 1250));
        if (i % 500 == 0)
            record.replace(0, 10, "99/99/9999");
        bytes += record;
    }
    return bytes;
}

void putLog(const pellar::DataFolder& folder) {
    QFile file(folder.filePath(deposits::kTransactionsFile));
    const QByteArray bytes = fullLog();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("The transactions log could not be written.");
}

// Each showing of the history: the log read whole, every record decoded, sorted and totalled,
// the table's model reset and the window drawn.
void HistoryShowFullLog(benchmark::State& state) {
    QTemporaryDir dir;
    const pellar::DataFolder folder(dir.path());
    putLog(folder);
    pellar::bench::QuietDesk desk(kToday);
    pellar::ProgramContext context(desk, folder);
    deposits::frmDepositHistory form(context);
    form.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        form.activate();
        form.repaint();
        QCoreApplication::processEvents();
    }
    state.counters["rows"] = double(form.shown().rows.size());
    state.counters["unreadable"] = double(form.shown().unreadable);
    if (desk.messages != 0)
        state.SkipWithError("a message box was shown");
}
BENCHMARK(HistoryShowFullLog)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The records alone: decoded, then one year's range with its month totals.
void HistoryRecordsFullLog(benchmark::State& state) {
    const QByteArray bytes = fullLog();
    for (auto _ : state) {
        const QList<deposits::LoggedDeposit> log = deposits::decodeDepositLog(bytes);
        const deposits::DepositHistory year =
            deposits::depositsBetween(log, QDate(2026, 1, 1), QDate(2026, 12, 31));
        benchmark::DoNotOptimize(year.total);
    }
}
BENCHMARK(HistoryRecordsFullLog)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace
