// Reading a full expense-sized fixed-record file: the raw read against reading and decoding
// every field. The decode should stay a small multiple of the read.
#include "common/core/fixedrecords.h"

#include <QFile>
#include <QTemporaryFile>
#include <benchmark/benchmark.h>
#include <memory>

using namespace pellar;

namespace {

const FixedRecordLayout& layout() {
    static const FixedRecordLayout l{10, 10, 10, 40, 40, 20, 15};
    return l;
}

// A full file (the most records a file can hold), made once for every benchmark.
const QString& sampleFile() {
    static std::unique_ptr<QTemporaryFile> file;
    static QString path;
    if (!file) {
        file = std::make_unique<QTemporaryFile>();
        if (!file->open())
            qFatal("cannot create the sample file");
        QByteArray data;
        data.reserve(qsizetype(kMaxRecords) * layout().recordLength());
        for (int n = 1; n <= kMaxRecords; ++n) {
            data += layout().pack({QString::number(n), QStringLiteral("6/1/2026"),
                                   QStringLiteral("Check"),
                                   QStringLiteral("Office supplies %1").arg(n % 97),
                                   QStringLiteral("Caf\u00e9 Supply Co., invoice %1").arg(n),
                                   QStringLiteral("1,234.56"), QStringLiteral("Expense")});
        }
        if (file->write(data) != data.size() || !file->flush())
            qFatal("cannot write the sample file");
        file->close();
        path = file->fileName();
    }
    return path;
}

QByteArray readWhole(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("cannot open the sample file");
    return f.readAll();
}

void RawRead(benchmark::State& state) {
    const QString& path = sampleFile();
    for (auto _ : state) {
        QByteArray data = readWhole(path);
        benchmark::DoNotOptimize(data.constData());
        if (data.size() != qsizetype(kMaxRecords) * layout().recordLength())
            state.SkipWithError("wrong file length");
    }
    state.SetBytesProcessed(state.iterations() * qint64(kMaxRecords) * layout().recordLength());
}

void ReadAndDecodeAll(benchmark::State& state) {
    const QString& path = sampleFile();
    const FixedRecordLayout& fields = layout();
    for (auto _ : state) {
        const QList<QByteArray> records = splitRecords(readWhole(path), fields.recordLength());
        QList<QStringList> decoded;
        decoded.reserve(records.size());
        for (const QByteArray& record : records)
            decoded.append(fields.unpack(record));
        benchmark::DoNotOptimize(decoded.constData());
        if (decoded.size() != kMaxRecords)
            state.SkipWithError("wrong record count");
    }
    state.SetItemsProcessed(state.iterations() * kMaxRecords);
}

// The same work through the one-pass table: the whole file decoded once, every field
// visited as a view.
void ReadAndDecodeTable(benchmark::State& state) {
    const QString& path = sampleFile();
    const FixedRecordLayout& fields = layout();
    for (auto _ : state) {
        const FixedRecordTable table(fields, readWhole(path));
        qsizetype characters = 0;
        for (qsizetype r = 0; r < table.recordCount(); ++r) {
            for (int f = 0; f < fields.fieldCount(); ++f)
                characters += table.field(r, f).size();
        }
        benchmark::DoNotOptimize(characters);
        if (characters != qsizetype(kMaxRecords) * layout().recordLength())
            state.SkipWithError("wrong character count");
    }
    state.SetItemsProcessed(state.iterations() * kMaxRecords);
}

} // namespace

BENCHMARK(RawRead)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadAndDecodeAll)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadAndDecodeTable)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
