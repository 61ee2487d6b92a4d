// Fixed-record files and the 8-bit text their fields hold.
//
// The first byte picks a layout (the program files' own, and odd ones with empty, negative
// or no fields); eight more give a file length and four a record length for the count.
// Properties:
//  - recordCountForLength is the nearest whole number to length / record length, an exact
//    half going to the even one; 0 for a length or record length that is not positive.
//  - splitRecords keeps every byte: records of the record length, as many as started, and
//    together the file padded with blanks to a whole record.
//  - FixedRecordTable and FixedRecordLayout read the same fields from the same records,
//    whether the last record is short or padded, and give nothing out of range.
//  - pack(unpack(r)) == r for every whole record: the fields cover the record and every
//    byte survives the 8-bit decode and encode.
//  - pack keeps of a value its 8-bit form cut at the width in bytes, padded with blanks,
//    with '?' for a character Windows-1252 cannot hold.
//  - toAnsi gives one byte per character (a surrogate pair is one), and a character comes
//    back from fromAnsi unchanged exactly when decoding some byte gives it.
#include "common/core/ansi.h"
#include "common/core/fixedrecords.h"
#include "fuzz/fuzzsupport.h"

#include <QSet>
#include <cstring>
#include <fuzzer/FuzzedDataProvider.h>

using namespace pellar;

namespace {

const FixedRecordLayout& pickLayout(quint8 choice) {
    static const FixedRecordLayout layouts[] = {
        {10, 30, 35, 15, 20, 25, 10},                // expenses
        {20, 30, 35, 25, 20, 2, 10, 13, 30, 20, 30}, // contacts
        {10, 35, 15},                                // transactions
        {1},
        {0, 3, 0, 2},
        {-4, 5},
        {},
        {7, 0},
    };
    return layouts[choice % std::size(layouts)];
}

const QSet<QChar>& storableCharacters() {
    static const QSet<QChar> set = [] {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        const QString decoded = fromAnsi(all);
        return QSet<QChar>(decoded.begin(), decoded.end());
    }();
    return set;
}

void countIsRounded(qint64 length, int recordLength) {
    const qint64 count = recordCountForLength(length, recordLength);
    if (length <= 0 || recordLength <= 0) {
        PELLAR_FUZZ_CHECK(count == 0);
        return;
    }
    __extension__ typedef __int128 Wide;
    const Wide distance = Wide(length) - Wide(count) * recordLength;
    const Wide twice = distance < 0 ? -2 * distance : 2 * distance;
    PELLAR_FUZZ_CHECK(count >= 0 && twice <= recordLength);
    if (twice == recordLength)
        PELLAR_FUZZ_CHECK(count % 2 == 0);
}

void recordsKeepEveryByte(const FixedRecordLayout& layout, const QByteArray& file) {
    const int length = layout.recordLength();
    const QList<QByteArray> records = splitRecords(file, length);
    const FixedRecordTable table(layout, file);
    if (length <= 0) {
        PELLAR_FUZZ_CHECK(records.isEmpty() && table.recordCount() == 0);
        return;
    }
    PELLAR_FUZZ_CHECK(records.size() == (file.size() + length - 1) / length);
    PELLAR_FUZZ_CHECK(table.recordCount() == records.size());
    QByteArray joined;
    for (qsizetype i = 0; i < records.size(); ++i) {
        const QByteArray& record = records[i];
        PELLAR_FUZZ_CHECK(record.size() == length);
        joined += record;
        const QStringList fields = layout.unpack(record);
        PELLAR_FUZZ_CHECK(fields.size() == layout.fieldCount());
        PELLAR_FUZZ_CHECK(layout.pack(fields) == record);
        PELLAR_FUZZ_CHECK(table.record(i) == fields);
        // The stored bytes as they are, short or not.
        const QByteArrayView held = QByteArrayView(file).sliced(
            i * length, std::min<qsizetype>(length, file.size() - i * length));
        PELLAR_FUZZ_CHECK(layout.unpack(held) == fields);
        for (int f = 0; f < layout.fieldCount(); ++f) {
            PELLAR_FUZZ_CHECK(fields[f].size() == layout.width(f));
            PELLAR_FUZZ_CHECK(table.field(i, f) == fields[f]);
        }
        PELLAR_FUZZ_CHECK(table.field(i, -1).isEmpty() &&
                          table.field(i, layout.fieldCount()).isEmpty());
    }
    PELLAR_FUZZ_CHECK(joined == file + QByteArray(joined.size() - file.size(), ' '));
    PELLAR_FUZZ_CHECK(table.field(records.size(), 0).isEmpty() && table.record(-1).isEmpty());
}

void packCutsInBytes(const FixedRecordLayout& layout, const QStringList& values) {
    const QByteArray record = layout.pack(values);
    PELLAR_FUZZ_CHECK(record.size() == layout.recordLength());
    const QStringList fields = layout.unpack(record);
    for (int f = 0; f < layout.fieldCount(); ++f) {
        const QByteArray stored =
            f < values.size() ? toAnsi(values[f]).left(layout.width(f)) : QByteArray();
        PELLAR_FUZZ_CHECK(fields[f] == fromAnsi(stored).leftJustified(layout.width(f), u' '));
    }
}

void textIsEightBit(const QString& text) {
    const QByteArray bytes = toAnsi(text);
    qsizetype characters = 0;
    for (qsizetype i = 0; i < text.size(); ++i, ++characters) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
    }
    PELLAR_FUZZ_CHECK(bytes.size() == characters);
    const QString back = fromAnsi(bytes);
    const QSet<QChar>& storable = storableCharacters();
    for (qsizetype i = 0, at = 0; i < text.size(); ++i, ++at) {
        const bool pair =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        if (pair || !storable.contains(text[i]))
            PELLAR_FUZZ_CHECK(back[at] == u'?');
        else
            PELLAR_FUZZ_CHECK(back[at] == text[i]);
        if (pair)
            ++i;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const FixedRecordLayout& layout = pickLayout(input.ConsumeIntegral<quint8>());
    const qint64 length = input.ConsumeIntegral<qint64>();
    const int recordLength = input.ConsumeIntegral<int>();
    countIsRounded(length, recordLength);
    countIsRounded(length, layout.recordLength());

    const std::vector<uint8_t> rest = input.ConsumeRemainingBytes<uint8_t>();
    const QByteArray file(reinterpret_cast<const char*>(rest.data()), qsizetype(rest.size()));
    recordsKeepEveryByte(layout, file);
    countIsRounded(file.size(), layout.recordLength());

    // The same bytes as text typed in any script: UTF-8 values split at each NUL, and as
    // raw UTF-16 code units, lone surrogates included.
    QStringList values;
    for (const QByteArray& part : file.split('\0'))
        values.append(QString::fromUtf8(part));
    packCutsInBytes(layout, values);
    QString units(file.size() / 2, Qt::Uninitialized);
    std::memcpy(units.data(), file.constData(), size_t(units.size()) * sizeof(QChar));
    textIsEightBit(units);
    return 0;
}
