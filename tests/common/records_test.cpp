// Quoted-field records, free-format input and the 8-bit text they are stored in.
#include "common/core/ansi.h"
#include "common/core/records.h"

#include <QStringDecoder>
#include <gtest/gtest.h>

using namespace pellar;

namespace {

QByteArray bytes(const char* text) {
    return QByteArray(text);
}

// Every field free-format input finds, as text ("True"/"False" for truth values).
QStringList allFields(const QByteArray& data) {
    FreeFormatReader reader(data);
    QStringList fields;
    while (!reader.atEnd())
        fields.append(reader.readText());
    return fields;
}

} // namespace

TEST(Ansi, EncodesTheCodePageReplacesTheRestAndEveryByteSurvives) {
    EXPECT_EQ(toAnsi(u"Caf\u00e9 \u20ac5"), QByteArray("Caf\xe9 \x80"
                                                       "5"));
    EXPECT_EQ(toAnsi(u"\u201cquoted\u201d \u2014 \u0178"), QByteArray("\x93quoted\x94 \x97 \x9f"));
    // Outside the code page: one '?' per character, a surrogate pair included.
    EXPECT_EQ(toAnsi(u"\u4e2d\u6587"), QByteArray("??"));
    EXPECT_EQ(toAnsi(QString::fromUtf8("a\xf0\x9f\x98\x80z")), QByteArray("a?z"));
    const char16_t lone[] = {u'a', 0xD800, u'b', 0xDC00};
    EXPECT_EQ(toAnsi(QStringView(lone, 4)), QByteArray("a?b?"));
    // C1 controls the code page puts printable characters on cannot be stored.
    EXPECT_EQ(toAnsi(u"\u0080\u009f"), QByteArray("??"));
    EXPECT_EQ(toAnsi(u""), QByteArray());

    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString decoded = fromAnsi(all);
    ASSERT_EQ(decoded.size(), 256);
    EXPECT_EQ(toAnsi(decoded), all);
    EXPECT_EQ(decoded[0x80], QChar(0x20AC));
    EXPECT_EQ(decoded[0x8A], QChar(0x0160));
    EXPECT_EQ(decoded[0x81], QChar(0x81));
    EXPECT_EQ(decoded[0xE9], QChar(0xE9));
    EXPECT_EQ(decoded[0], QChar(0));

    // Cross-check the defined bytes with the platform's own converter where it has one.
    QStringDecoder platform("windows-1252");
    if (platform.isValid()) {
        for (int b = 0; b < 256; ++b) {
            if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D)
                continue;
            const QString expected = platform.decode(QByteArray(1, char(b)));
            EXPECT_EQ(decoded.mid(b, 1), expected) << "byte " << b;
        }
    }
}

TEST(RecordWriter, WritesGoldenBytes) {
    RecordWriter options;
    options.truth(false).truth(false).truth(true).truth(true).truth(false).text("0.0");
    options.number(0).number(0).number(0).text("0").number(1).text("0.0").text("0").number(0);
    options.truth(false).truth(true);
    EXPECT_EQ(options.line(), bytes("#FALSE#,#FALSE#,#TRUE#,#TRUE#,#FALSE#,\"0.0\",0,0,0,\"0\",1,"
                                    "\"0.0\",\"0\",0,#FALSE#,#TRUE#\r\n"));

    // A double quote would end the field early; it is kept as an apostrophe instead.
    EXPECT_EQ(RecordWriter().text("12\" pipe").line(), bytes("\"12' pipe\"\r\n"));
    EXPECT_EQ(RecordWriter().text(QString::fromUtf16(u"\u20ac \u4e2d \u00e9")).number(-5).line(),
              QByteArray("\"\x80 ? \xe9\",-5\r\n"));
    EXPECT_EQ(RecordWriter().number(20260001).line(), bytes("20260001\r\n"));
    EXPECT_EQ(RecordWriter().line(), bytes("\r\n"));
}

TEST(FreeFormatReader, SplitsFieldsTheWayTheFilesAreWritten) {
    // Quoted commas, blanks around fields, text after a closing quote, fields across lines.
    EXPECT_EQ(allFields("\"Acme, Inc.\" , plain text ,\"x\"junk,last\r\nnext line"),
              QStringList({"Acme, Inc.", "plain text", "x", "last", "next line"}));
    // Blank lines hold no field; a comma before a line end closes an empty one.
    EXPECT_EQ(allFields("\r\n\r\na\r\n   \r\n\r\nb,\r\nc,,d"),
              QStringList({"a", "b", "", "c", "", "d"}));
    // A quoted field runs across line ends to its closing quote.
    EXPECT_EQ(allFields("\"two\r\nlines\",x"), QStringList({"two\r\nlines", "x"}));
    // A lone CR or LF ends a line as well as CR LF does.
    EXPECT_EQ(allFields("a\rb\nc\n\rd"), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(allFields("a,"), QStringList({"a", ""}));
    EXPECT_EQ(allFields(""), QStringList());
    EXPECT_EQ(allFields(" \r\n\t\r\n"), QStringList());
    EXPECT_EQ(allFields("\"\x80 \xe9\""), QStringList({QString::fromUtf16(u"\u20ac \u00e9")}));

    FreeFormatReader kinds("\"#TRUE#\",#true#,#FALSE#, 12.50 ");
    EXPECT_EQ(kinds.next()->kind, FreeField::Kind::Quoted);
    const FreeField truth = *kinds.next();
    EXPECT_EQ(truth.kind, FreeField::Kind::Truth);
    EXPECT_TRUE(truth.truth);
    EXPECT_EQ(kinds.readText(), "False");
    EXPECT_EQ(kinds.readText(), "12.50");
    EXPECT_TRUE(kinds.atEnd());
    EXPECT_FALSE(kinds.next().has_value());
    EXPECT_EQ(kinds.fieldsRead(), 4);
    EXPECT_TRUE(kinds.ok());
}

TEST(FreeFormatReader, ReadsTheWrittenOptionsRecordBack) {
    RecordWriter w;
    w.truth(true).text("6.5").number(2).text(QString::fromUtf16(u"Caf\u00e9, \"Bar\"")).number(-7);
    FreeFormatReader r(w.line());
    EXPECT_TRUE(r.readTruth());
    EXPECT_EQ(r.readText(), "6.5");
    EXPECT_EQ(r.readByte(), 2);
    EXPECT_EQ(r.readText(), QString::fromUtf16(u"Caf\u00e9, 'Bar'"));
    EXPECT_EQ(r.readInt32(), -7);
    EXPECT_TRUE(r.atEnd());
    EXPECT_TRUE(r.ok()) << r.problem().toStdString();
}

TEST(FreeFormatReader, ConvertsNumbersWithRoundingAndRanges) {
    FreeFormatReader r("12.5,13.5,-2.5,0.5,2147483647,-2147483648,\"  42 \",1e3,+7,#TRUE#");
    QList<qint32> whole;
    for (int i = 0; i < 10; ++i)
        whole << r.readInt32();
    EXPECT_EQ(whole, (QList<qint32>{12, 14, -2, 0, 2147483647, -2147483647 - 1, 42, 1000, 7, -1}));
    EXPECT_TRUE(r.ok()) << r.problem().toStdString();

    FreeFormatReader big("9223372036854775807,-9223372036854775808,255,254.5,0.1,-1.5e2,7");
    EXPECT_EQ(big.readInt64(), std::numeric_limits<qint64>::max());
    EXPECT_EQ(big.readInt64(), std::numeric_limits<qint64>::min());
    EXPECT_EQ(big.readByte(), 255);
    EXPECT_EQ(big.readByte(), 254);
    EXPECT_DOUBLE_EQ(big.readDouble(), 0.1);
    EXPECT_DOUBLE_EQ(big.readDouble(), -150.0);
    EXPECT_DOUBLE_EQ(big.readDouble(), 7.0);
    EXPECT_TRUE(big.ok()) << big.problem().toStdString();

    // Each failure gives the fallback; the first problem is the one kept.
    FreeFormatReader bad("1,2,abc,2147483648,256,-1,9223372036854775808,1e19,1e400,,12x,.,-");
    EXPECT_EQ(bad.readInt32(), 1);
    EXPECT_EQ(bad.readInt32(), 2);
    EXPECT_TRUE(bad.ok());
    EXPECT_EQ(bad.readInt32(99), 99);
    EXPECT_EQ(bad.problem(), "field 3 is not a whole number");
    EXPECT_EQ(bad.readInt32(99), 99);
    EXPECT_EQ(bad.problem(), "field 3 is not a whole number");
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(bad.readByte(9), 9);
    EXPECT_EQ(bad.readInt64(9), 9);
    EXPECT_EQ(bad.readInt64(9), 9);
    EXPECT_EQ(bad.readDouble(9.5), 9.5);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(bad.readDouble(9.5), 9.5);
    EXPECT_EQ(bad.fieldsRead(), 13);

    auto problemOf = [](const char* data, auto read) {
        FreeFormatReader reader(data);
        read(reader);
        return reader.problem();
    };
    EXPECT_EQ(problemOf("2147483648", [](auto& r) { r.readInt32(); }), "field 1 is out of range");
    EXPECT_EQ(problemOf("-1", [](auto& r) { r.readByte(); }), "field 1 is out of range");
    EXPECT_EQ(problemOf("1e400", [](auto& r) { r.readDouble(); }), "field 1 is out of range");
    EXPECT_EQ(problemOf("a,  ",
                        [](auto& r) {
                            r.readText();
                            r.readInt32();
                        }),
              "field 2 is empty");
    EXPECT_EQ(problemOf("x", [](auto& r) { r.readDouble(); }), "field 1 is not a number");
}

TEST(FreeFormatReader, ReadsTruthValuesAndAShortRecordGivesFallbacks) {
    FreeFormatReader r("#TRUE#,#FALSE#,0,2,-1,\"True\",false,0.0");
    EXPECT_TRUE(r.readTruth());
    EXPECT_FALSE(r.readTruth(true));
    EXPECT_FALSE(r.readTruth(true));
    EXPECT_TRUE(r.readTruth());
    EXPECT_TRUE(r.readTruth());
    EXPECT_TRUE(r.readTruth());
    EXPECT_FALSE(r.readTruth(true));
    EXPECT_FALSE(r.readTruth(true));
    EXPECT_TRUE(r.ok()) << r.problem().toStdString();

    FreeFormatReader bad("yes");
    EXPECT_TRUE(bad.readTruth(true));
    EXPECT_EQ(bad.problem(), "field 1 is not a truth value");

    FreeFormatReader cut("#TRUE#,\"6.5\"\r\n");
    EXPECT_TRUE(cut.readTruth());
    EXPECT_EQ(cut.readText("0.0"), "6.5");
    EXPECT_TRUE(cut.ok());
    EXPECT_EQ(cut.readByte(1), 1);
    EXPECT_EQ(cut.readText("0"), "0");
    EXPECT_TRUE(cut.readTruth(true));
    EXPECT_FALSE(cut.ok());
    EXPECT_EQ(cut.problem(), "field 3 is missing");
    EXPECT_EQ(cut.fieldsRead(), 2);
}

TEST(FreeFormatReader, DamagedInputNeverCrashesOrHangs) {
    // An unclosed quote keeps the rest of the data rather than dropping it.
    EXPECT_EQ(allFields("a,\"no end, here\r\nb"), QStringList({"a", "no end, here\r\nb"}));
    EXPECT_EQ(allFields("\""), QStringList({""}));
    const QByteArray withNul("a\0b,\0", 5);
    EXPECT_EQ(allFields(withNul), QStringList({QString::fromLatin1("a\0b", 3), QString(QChar(0))}));

    // Large inputs stay linear: a million empty fields, a megabyte in one open quote.
    EXPECT_EQ(allFields(QByteArray(1000000, ',')).size(), 1000001);
    QByteArray openQuote(1 << 20, 'x');
    openQuote[0] = '"';
    EXPECT_EQ(allFields(openQuote).value(0).size(), (1 << 20) - 1);
    // Random bytes through every typed read: the records fuzz target, run in CI.
}

TEST(SplitLines, SplitsAtEveryLineEndAndKeepsEverythingElse) {
    EXPECT_EQ(splitLines("a\r\nb\nc\rd"), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines(" memo, \"quoted\" \r\n\r\nlast\r\n"),
              QStringList({" memo, \"quoted\" ", "", "last"}));
    EXPECT_EQ(splitLines("a\n\rb"), QStringList({"a", "", "b"}));
    EXPECT_EQ(splitLines("\r\n"), QStringList({""}));
    EXPECT_EQ(splitLines("no end"), QStringList({"no end"}));
    EXPECT_EQ(splitLines(""), QStringList());
    EXPECT_EQ(splitLines("\x80"), QStringList({QString::fromUtf16(u"\u20ac")}));
}
