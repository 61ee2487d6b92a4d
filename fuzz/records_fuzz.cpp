// Quoted-field records and plain text lines, as every small data file is read.
//
// Properties, for any bytes:
//  - atEnd() says exactly whether next() has another field, and the reading ends: no more
//    fields than bytes plus one (a trailing comma promises one empty field).
//  - Every field written again (a truth value as #TRUE#/#FALSE#, anything else as quoted
//    text) reads back as the same field: same count, same truth values, and text equal to
//    what was read with each '"' turned into '\'' (the writer cannot keep a double quote
//    inside the quotes; a quoted field never holds one, a bare field may). Text is 8-bit,
//    so every byte decoded comes back encoded unchanged; bare fields come back quoted.
//  - Each typed read (whole numbers of three sizes, decimals, truth values, text) gives the
//    same value and the same problem on the original field as on its rewritten form.
//  - A whole number written by the writer reads back as itself, without a problem.
//  - Lines split from the data hold no line end and, joined again with CR LF, split into
//    the same lines.
#include "common/core/ansi.h"
#include "common/core/records.h"
#include "fuzz/fuzzsupport.h"

#include <cstring>

using namespace pellar;

namespace {

QList<FreeField> allFields(const QByteArray& data) {
    QList<FreeField> fields;
    FreeFormatReader reader(data);
    for (;;) {
        const bool atEnd = reader.atEnd();
        const std::optional<FreeField> field = reader.next();
        PELLAR_FUZZ_CHECK(atEnd == !field.has_value());
        if (!field)
            break;
        fields.append(*field);
        PELLAR_FUZZ_CHECK(fields.size() <= data.size() + 1);
    }
    return fields;
}

QByteArray rewritten(const QList<FreeField>& fields) {
    RecordWriter writer;
    for (const FreeField& f : fields) {
        if (f.kind == FreeField::Kind::Truth)
            writer.truth(f.truth);
        else
            writer.text(f.text);
    }
    return writer.line();
}

bool sameDouble(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

void typedReadsAgree(const QByteArray& original, const QByteArray& again, qsizetype count) {
    FreeFormatReader a(original);
    FreeFormatReader b(again);
    for (qsizetype i = 0; i < count; ++i) {
        switch (i % 6) {
        case 0: {
            const qint64 value = a.readInt64(-7);
            PELLAR_FUZZ_CHECK(value == b.readInt64(-7));
            FreeFormatReader back(RecordWriter().number(value).line());
            PELLAR_FUZZ_CHECK(back.readInt64(1) == value && back.ok());
            break;
        }
        case 1:
            PELLAR_FUZZ_CHECK(a.readInt32(-7) == b.readInt32(-7));
            break;
        case 2:
            PELLAR_FUZZ_CHECK(a.readByte(7) == b.readByte(7));
            break;
        case 3:
            PELLAR_FUZZ_CHECK(sameDouble(a.readDouble(-0.5), b.readDouble(-0.5)));
            break;
        case 4:
            PELLAR_FUZZ_CHECK(a.readTruth(true) == b.readTruth(true));
            break;
        case 5:
            PELLAR_FUZZ_CHECK(fuzz::quotesReplaced(a.readText()) == b.readText());
            break;
        }
        PELLAR_FUZZ_CHECK(a.problem() == b.problem());
        PELLAR_FUZZ_CHECK(a.fieldsRead() == b.fieldsRead());
    }
    PELLAR_FUZZ_CHECK(a.atEnd() && b.atEnd());
}

void linesRoundTrip(const QByteArray& data) {
    const QStringList lines = splitLines(data);
    QByteArray joined;
    for (const QString& line : lines) {
        PELLAR_FUZZ_CHECK(!line.contains(u'\r') && !line.contains(u'\n'));
        joined += toAnsi(line) + "\r\n";
    }
    PELLAR_FUZZ_CHECK(splitLines(joined) == lines);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::pinUnitedStates();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));

    const QList<FreeField> fields = allFields(input);
    const QByteArray again = rewritten(fields);
    const QList<FreeField> reread = allFields(again);
    PELLAR_FUZZ_CHECK(reread.size() == fields.size());
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const FreeField& was = fields[i];
        const FreeField& is = reread[i];
        if (was.kind == FreeField::Kind::Truth) {
            PELLAR_FUZZ_CHECK(is.kind == FreeField::Kind::Truth && is.truth == was.truth);
        } else {
            PELLAR_FUZZ_CHECK(is.kind == FreeField::Kind::Quoted);
            PELLAR_FUZZ_CHECK(is.text == fuzz::quotesReplaced(was.text));
            PELLAR_FUZZ_CHECK(was.kind == FreeField::Kind::Bare || !was.text.contains(u'"'));
        }
    }
    typedReadsAgree(input, again, fields.size());
    linesRoundTrip(input);
    return 0;
}
