// What the data files hold and how amounts and dates are shown: 8-bit text, quoted-field
// records and free-format input, fixed records, exact amounts and the regional formats.
#include "common/core/ansi.h"
#include "common/core/currency.h"
#include "common/core/fixedrecords.h"
#include "common/core/records.h"
#include "common/core/regional.h"
#include "tests/support/money.h"

#include <QStringDecoder>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace pellar;
using pellar::testing::money;

namespace {

// Every field free-format input finds, as text ("True"/"False" for truth values).
QStringList allFields(const QByteArray& data) {
    FreeFormatReader reader(data);
    QStringList fields;
    while (!reader.atEnd())
        fields.append(reader.readText());
    return fields;
}

constexpr qint64 kMax = std::numeric_limits<qint64>::max();
constexpr qint64 kMin = std::numeric_limits<qint64>::min();

const RegionalSettings us = RegionalSettings::unitedStates();

QString plainValue(const char16_t* typed, const RegionalSettings& r = us) {
    const auto value = currencyValue(typed, r);
    return value ? value->toPlainString() : QStringLiteral("refused");
}

QString isoDate(const char16_t* typed, const RegionalSettings& r = us) {
    const auto date = parseShortDate(typed, r);
    return date ? date->toString(Qt::ISODate) : QStringLiteral("refused");
}

} // namespace

TEST(Ansi, EncodesTheCodePageReplacesTheRestAndEveryByteSurvives) {
    EXPECT_EQ(toAnsi(u"Caf\u00e9 \u20ac5"), QByteArray("Caf\xe9 \x80") + '5');
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
    EXPECT_EQ(
        (QList<QChar>{decoded[0x80], decoded[0x8A], decoded[0x81], decoded[0xE9], decoded[0]}),
        (QList<QChar>{QChar(0x20AC), QChar(0x0160), QChar(0x81), QChar(0xE9), QChar(0)}));

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
    EXPECT_EQ(options.line(), QByteArray("#FALSE#,#FALSE#,#TRUE#,#TRUE#,#FALSE#,\"0.0\",0,0,0,"
                                         "\"0\",1,\"0.0\",\"0\",0,#FALSE#,#TRUE#\r\n"));

    // A double quote would end the field early; it is kept as an apostrophe instead.
    EXPECT_EQ(RecordWriter().text("12\" pipe").line(), QByteArray("\"12' pipe\"\r\n"));
    EXPECT_EQ(RecordWriter().text(QString::fromUtf16(u"\u20ac \u4e2d \u00e9")).number(-5).line(),
              QByteArray("\"\x80 ? \xe9\",-5\r\n"));
    EXPECT_EQ(RecordWriter().number(20260001).line(), QByteArray("20260001\r\n"));
    EXPECT_EQ(RecordWriter().line(), QByteArray("\r\n"));
}

TEST(FreeFormatReader, SplitsFieldsTheWayTheFilesAreWrittenAndDamageNeverCrashesOrHangs) {
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

TEST(FreeFormatReader, ConvertsNumbersAndTruthValuesAndAShortRecordGivesFallbacks) {
    FreeFormatReader r("12.5,13.5,-2.5,0.5,2147483647,-2147483648,\"  42 \",1e3,+7,#TRUE#");
    QList<qint32> whole;
    for (int i = 0; i < 10; ++i)
        whole << r.readInt32();
    EXPECT_EQ(whole, (QList<qint32>{12, 14, -2, 0, 2147483647, -2147483647 - 1, 42, 1000, 7, -1}));
    EXPECT_TRUE(r.ok()) << r.problem().toStdString();

    FreeFormatReader big("9223372036854775807,-9223372036854775808,255,254.5,0.1,-1.5e2,7");
    EXPECT_EQ(big.readInt64(), kMax);
    EXPECT_EQ(big.readInt64(), kMin);
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
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(bad.readInt32(99), 99);
        EXPECT_EQ(bad.problem(), "field 3 is not a whole number");
    }
    EXPECT_EQ((QList<qint64>{bad.readByte(9), bad.readByte(9), bad.readInt64(9), bad.readInt64(9)}),
              (QList<qint64>{9, 9, 9, 9}));
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(bad.readDouble(9.5), 9.5) << "field " << 9 + i;
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

    // Each read is given the other value as its fallback, so a fallback never passes.
    FreeFormatReader truths("#TRUE#,#FALSE#,0,2,-1,\"True\",false,0.0");
    for (const bool expected : {true, false, false, true, true, true, false, false})
        EXPECT_EQ(truths.readTruth(!expected), expected) << "field " << truths.fieldsRead();
    EXPECT_TRUE(truths.ok()) << truths.problem().toStdString();

    FreeFormatReader notTruth("yes");
    EXPECT_TRUE(notTruth.readTruth(true));
    EXPECT_EQ(notTruth.problem(), "field 1 is not a truth value");

    FreeFormatReader cut("#TRUE#,\"6.5\"\truths\n");
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

TEST(FixedRecords, RecordCountRoundsHalfToEvenAndSplitKeepsAPartialTrailingRecord) {
    // File length, record length, records: 72, 73, 362 and 363 bytes of 145 are 0.497, 0.503,
    // 2.497 and 2.503 records, then the halves 0.5 to 3.5.
    const std::tuple<qint64, int, qint64> counts[] = {
        {0, 145, 0}, {72, 145, 0}, {73, 145, 1}, {362, 145, 2}, {363, 145, 3},  {1, 2, 0},
        {3, 2, 2},   {5, 2, 2},    {7, 2, 4},    {100, 0, 0},   {-145, 145, 0},
    };
    for (const auto& [length, size, count] : counts)
        EXPECT_EQ(recordCountForLength(length, size), count) << length << " / " << size;
    EXPECT_EQ(recordCountForLength(qint64(kMaxRecords) * 145, 145), kMaxRecords);
    // Not capped: the caller sees a file that is too long.
    EXPECT_EQ(recordCountForLength(qint64(kMaxRecords + 1) * 60, 60), kMaxRecords + 1);
    EXPECT_EQ(recordCountForLength(qint64(1) << 40, 235), 4678772884);

    EXPECT_EQ(splitRecords("aaaabbbbcc", 4), QList<QByteArray>({"aaaa", "bbbb", "cc  "}));
    EXPECT_EQ(splitRecords("aaaabbbb", 4).size(), 2);
    EXPECT_TRUE(splitRecords("", 4).isEmpty());
    EXPECT_TRUE(splitRecords("abc", 0).isEmpty());

    // A whole expense-sized file: every record found and its fields where they were put.
    const FixedRecordLayout expense{10, 10, 10, 40, 40, 20, 15};
    ASSERT_EQ(expense.recordLength(), 145);
    QByteArray file;
    for (int n = 1; n <= 300; ++n) {
        // Characters above 0x7F at shifting positions, so every place in a record is tried.
        const QString payee = QString(n % 37, QLatin1Char('x')) + QString::fromUtf16(u"€é ");
        file += expense.pack({QString::number(n), "6/1/2026", "Check", payee + QString::number(n)});
    }
    file.chop(100); // a damaged end: the last record is cut short
    const QList<QByteArray> expenses = splitRecords(file, expense.recordLength());
    ASSERT_EQ(expenses.size(), 300);
    EXPECT_EQ(expense.field(expenses[199], 0).trimmed(), "200");
    EXPECT_EQ(expense.field(expenses[1], 3).trimmed(), QString::fromUtf16(u"xx€é 2"));

    // Decoding the whole file at once gives the same fields as record by record.
    const FixedRecordTable table(expense, file);
    ASSERT_EQ(table.recordCount(), 300);
    for (qsizetype r = 0; r < table.recordCount(); ++r)
        ASSERT_EQ(table.record(r), expense.unpack(expenses[r])) << "record " << r;
    EXPECT_EQ(table.field(299, 6), QString(15, QLatin1Char(' ')));
    EXPECT_TRUE(table.field(300, 0).isEmpty());
    EXPECT_TRUE(table.field(0, 7).isEmpty());
    EXPECT_TRUE(table.record(-1).isEmpty());
    EXPECT_EQ(FixedRecordTable(expense, "").recordCount(), 0);
}

TEST(FixedRecords, PackCutsAndPadsInBytesAfterEncodingAndAShortRecordReadsAsBlanks) {
    const FixedRecordLayout layout{3, 5, 2};
    EXPECT_EQ(layout.recordLength(), 10);
    EXPECT_EQ(layout.offset(2), 8);

    // "é" is two bytes in UTF-8 but one stored byte; '€' is one byte too.
    EXPECT_EQ(layout.pack({"ABCDE", QString::fromUtf16(u"\u00e9\u20ac"), "xyz"}),
              QByteArray("ABC\xe9\x80   xy"));
    EXPECT_EQ(layout.pack({QString::fromUtf16(u"\u00e9\u00e9\u00e9\u00e9")}),
              QByteArray("\xe9\xe9\xe9       "));
    EXPECT_EQ(layout.pack({QString::fromUtf16(u"\u4e2d"), "", "a", "extra"}),
              QByteArray("?       a "));
    EXPECT_EQ(layout.pack({}), QByteArray(10, ' '));

    // Reading back keeps the padding; a field cut on the way in stays cut.
    EXPECT_EQ(layout.unpack(layout.pack({"ABCDE", QString::fromUtf16(u"\u00e9"), "q"})),
              QStringList({"ABC", QString::fromUtf16(u"\u00e9    "), "q "}));
    EXPECT_EQ(layout.field("ABCdefghij", 1), "defgh");
    EXPECT_EQ(layout.field("ABCdefghij", 3), QString());
    EXPECT_EQ(layout.field("ABCdefghij", -1), QString());

    EXPECT_EQ(layout.unpack("ABCde"), QStringList({"ABC", "de   ", "  "}));
    EXPECT_EQ(layout.unpack(""), QStringList({"   ", "     ", "  "}));
    EXPECT_EQ(layout.field("AB", 0), "AB ");
}

TEST(Currency, FromDoubleRoundsTheExactValueHalfToEvenAndRefusesWhatDoesNotFit) {
    // Exact halves of a ten-thousandth go to the even neighbour, either sign, any size.
    // Literals that look like halves are not: the double of 0.00005 lies just above the half,
    // that of 0.00015 just below it. 6.5% of a single-precision 10.01 is a hair above 0.65065.
    const std::pair<double, qint64> rounded[] = {
        {0.03125, 312}, {0.09375, 938},  {-0.03125, -312}, {0.00005, 1},
        {0.00015, 1},   {1.2345, 12345}, {1e-300, 0},      {-0.0, 0},
    };
    for (const auto& [value, units] : rounded)
        EXPECT_EQ(Currency::fromDouble(value), std::optional(Currency::fromUnits(units))) << value;
    EXPECT_EQ(Currency::fromDouble(1234567.03125), Currency::fromUnits(12345670312));
    EXPECT_EQ(Currency::fromDouble(double(10.01f) * 6.5 / 100), Currency::fromUnits(6507));
    EXPECT_EQ(Currency::fromDouble(922337203685477.5), Currency::fromUnits(9223372036854775000));
    EXPECT_EQ(Currency::fromDouble(-922337203685477.5), Currency::fromUnits(-9223372036854775000));
    // The next doubles up are beyond the 64-bit range of ten-thousandths.
    for (const double beyond :
         {922337203685477.625, -922337203685477.625, std::numeric_limits<double>::quiet_NaN(),
          std::numeric_limits<double>::infinity()})
        EXPECT_FALSE(Currency::fromDouble(beyond)) << beyond;
}

TEST(Currency, DecimalTextIsReadExactlyAndWrittenShortest) {
    // Beyond four decimals an exact half goes to even, anything past the half goes up; then
    // the ends of the range.
    const std::pair<const char16_t*, qint64> exact[] = {
        {u"-12.3456", -123456}, {u" 7 ", 70000},     {u".5", 5000},         {u"0.00005", 0},
        {u"0.00015", 2},        {u"0.000250000", 2}, {u"0.00025000001", 3}, {u"-0.00015", -2},
    };
    for (const auto& [text, units] : exact)
        EXPECT_EQ(Currency::fromDecimalText(text), std::optional(Currency::fromUnits(units)))
            << QString::fromUtf16(text).toStdString();
    EXPECT_EQ(Currency::fromDecimalText(u"000000000000000000000001"), Currency::fromUnits(10000));
    EXPECT_EQ(Currency::fromDecimalText(u"922337203685477.5807"), Currency::fromUnits(kMax));
    EXPECT_EQ(Currency::fromDecimalText(u"-922337203685477.5808"), Currency::fromUnits(kMin));
    // Past the ends, and 2^128: a reader that let its wide accumulator wrap would see 0.
    for (const char16_t* bad : {u"", u"-", u".", u"+-1", u"1.2.3", u"1,000", u"1e3", u"$5", u"12 3",
                                u"12abc", u"--1", u"922337203685477.5808", u"922337203685477.58075",
                                u"340282366920938463463374607431768211456"})
        EXPECT_FALSE(Currency::fromDecimalText(bad)) << QString::fromUtf16(bad).toStdString();

    EXPECT_EQ(Currency::fromDecimalText(u"1234.5000")->toPlainString(), QStringLiteral("1234.5"));
    EXPECT_EQ(Currency::fromDecimalText(u"0.0001")->toPlainString(), QStringLiteral("0.0001"));
    EXPECT_EQ(Currency::fromDecimalText(u"-0")->toPlainString(), QStringLiteral("0"));
    EXPECT_EQ(Currency::fromUnits(kMax).toPlainString(), QStringLiteral("922337203685477.5807"));
    EXPECT_EQ(Currency::fromUnits(kMin).toPlainString(), QStringLiteral("-922337203685477.5808"));
    // What is written plainly reads back the same.
    for (const qint64 units : {kMin, kMin + 1, qint64(-10), qint64(7), qint64(123400), kMax})
        EXPECT_EQ(Currency::fromDecimalText(Currency::fromUnits(units).toPlainString())->units(),
                  units);
}

TEST(Currency, ProductIsRoundedHalfToEvenAndEveryOperationRefusesWhatCannotBeHeld) {
    // Halves (0.00005, 0.00015), just past one, 97.406784, and a product whose raw units are
    // far beyond 64 bits though the result is not.
    const std::tuple<const char16_t*, const char16_t*, qint64> products[] = {
        {u"1.5", u"2", 30000},         {u"0.0001", u"0.5", 0},
        {u"0.0003", u"0.5", 2},        {u"0.0001", u"1.5", 2},
        {u"-0.0003", u"0.5", -2},      {u"0.0001", u"0.5001", 1},
        {u"12.3456", u"7.89", 974068}, {u"500000000000", u"1.5", 7500000000000000},
    };
    for (const auto& [a, b, units] : products)
        EXPECT_EQ(*Currency::fromDecimalText(a) * *Currency::fromDecimalText(b),
                  std::optional(Currency::fromUnits(units)))
            << QString::fromUtf16(a).toStdString() << " * " << QString::fromUtf16(b).toStdString();

    const Currency max = Currency::fromUnits(kMax);
    const Currency min = Currency::fromUnits(kMin);
    const Currency unit = Currency::fromUnits(1);
    EXPECT_EQ(max + unit, std::nullopt);
    EXPECT_EQ(min - unit, std::nullopt);
    EXPECT_EQ(-min, std::nullopt);
    EXPECT_EQ(max * qint64(2), std::nullopt);
    EXPECT_EQ(max * *Currency::fromDecimalText(u"2"), std::nullopt);
    EXPECT_EQ(min * *Currency::fromDecimalText(u"-1"), std::nullopt);
    EXPECT_EQ(Currency::fromWhole(kMax / 10000 + 1), std::nullopt);
    // Right at the edges everything still holds.
    EXPECT_EQ(max - unit + unit, max);
    EXPECT_EQ(-max, Currency::fromUnits(-kMax));
    EXPECT_EQ(Currency::fromWhole(kMax / 10000), Currency::fromUnits(kMax / 10000 * 10000));

    // A failure early in a chain stays a failure, even when later steps would come back
    // into range: two $600 trillion checks never show as a negative total.
    const Currency check = Currency::fromUnits(6'000'000'000'000'000'000);
    EXPECT_EQ(check + check - check, std::nullopt);
    EXPECT_EQ(Currency::sum({check, check, *-check}), std::nullopt);
    EXPECT_EQ(Currency::sum({check, unit}), Currency::fromUnits(6'000'000'000'000'000'001));
    EXPECT_EQ(Currency::sum(QList<Currency>{}), Currency());
}

TEST(RegionalSettings, UnitedStatesFromTheCAndEnglishLocalesAndCurrentByDefault) {
    // Servers run the bare C locale; it stands for United States settings.
    EXPECT_EQ(RegionalSettings::fromLocale(QLocale::c()), us);
    EXPECT_EQ(RegionalSettings::fromLocale(QLocale(QStringLiteral("POSIX"))), us);
    // The real en_US locale gives the same, its two-digit short-date year widened.
    EXPECT_EQ(RegionalSettings::fromLocale(QLocale(QStringLiteral("en_US"))), us);

    EXPECT_EQ(RegionalSettings::current(), us); // the test program pins them
    {
        const ScopedRegionalSettings german(RegionalSettings::fromLocale(QLocale("de_DE")));
        EXPECT_EQ(formatCurrency(money(u"2")), QStringLiteral("2,00 €"));
        EXPECT_EQ(currencyValue(u"2,5")->toPlainString(), QStringLiteral("2.5"));
        // Not the regional decimal point: a leading number always reads '.'.
        EXPECT_EQ(leadingNumberValue(u"6,5"), 6);
        EXPECT_EQ(leadingNumberValue(u"6.5"), 6.5);
    }
    EXPECT_EQ(formatCurrency(money(u"2")), QStringLiteral("$2.00"));
}

TEST(RegionalSettings, OtherLocalesAreFollowedWithinTheEightBitDataFiles) {
    const auto de = RegionalSettings::fromLocale(QLocale(QStringLiteral("de_DE")));
    EXPECT_EQ(de.shortDateFormat, QStringLiteral("dd.MM.yyyy"));
    EXPECT_EQ(de.negative, RegionalSettings::Negative::LeadingMinus);
    EXPECT_EQ(formatCurrency(money(u"1234.56"), de), QStringLiteral("1.234,56 €"));
    EXPECT_EQ(formatCurrency(money(u"-1234.56"), de), QStringLiteral("-1.234,56 €"));
    EXPECT_EQ(formatFixed(money(u"1234.5"), de), QStringLiteral("1234,50"));
    EXPECT_EQ(formatFixed(12.5, de), QStringLiteral("12,50"));
    EXPECT_EQ(plainValue(u"1.234,56 €", de), QStringLiteral("1234.56"));
    EXPECT_EQ(plainValue(u"12,5", de), QStringLiteral("12.5"));
    EXPECT_EQ(floatValue(u"1.234,5", de), 1234.5);
    // A '.' here groups thousands; "12.50" is a slip, not 1250.
    EXPECT_EQ(plainValue(u"12.50", de), QStringLiteral("refused"));
    EXPECT_EQ(plainValue(u"$5", de), QStringLiteral("refused"));
    EXPECT_EQ(formatShortDate(QDate(2026, 12, 6), de), QStringLiteral("06.12.2026"));
    EXPECT_EQ(isoDate(u"6.12.26", de), QStringLiteral("2026-12-06"));
    EXPECT_EQ(isoDate(u"12/6/2026", de), QStringLiteral("refused"));

    // A blank-like group separator becomes the no-break space the code page holds, and a
    // typed ordinary blank is read as that separator.
    const auto fr = RegionalSettings::fromLocale(QLocale(QStringLiteral("fr_FR")));
    EXPECT_EQ(fr.groupSeparator, QChar(0x00A0));
    EXPECT_EQ(formatCurrency(money(u"-1234.56"), fr), QString::fromUtf8("(1\u00A0234,56 €)"));
    EXPECT_EQ(plainValue(u"1 234,56", fr), QStringLiteral("1234.56"));
    EXPECT_EQ(plainValue(u"1\u202F234,56\u00A0€", fr), QStringLiteral("1234.56"));
    // A symbol the code page lacks gives way to the currency's code.
    const auto in = RegionalSettings::fromLocale(QLocale(QStringLiteral("en_IN")));
    EXPECT_EQ(formatCurrency(money(u"1234.56"), in), QStringLiteral("INR 1,234.56"));
    EXPECT_EQ(in.shortDateFormat, QStringLiteral("dd/MM/yyyy"));
    // Bidi marks in a date form are dropped, foreign separators replaced.
    const auto sa = RegionalSettings::fromLocale(QLocale(QStringLiteral("ar_SA")));
    EXPECT_EQ(sa.shortDateFormat, QStringLiteral("d/M/yyyy"));
    EXPECT_EQ(sa.decimalPoint, u'.');
}

TEST(Conversions, LeadingNumberValueReadsLikeAPlainTextReader) {
    // Reading stops at the first character that cannot continue the number, a blank too.
    const std::pair<const char16_t*, double> leading[] = {
        {u"12abc", 12.0}, {u"1,234", 1},     {u"-.5", -0.5},
        {u"  \t6.0", 6},  {u"2 widgets", 2}, {u" 3 4", 3},
        {u"1.5e2x", 150}, {u"2e", 2},        {u"1.2.3", 1.2},
        {u"", 0},         {u"abc", 0},       {u"-", 0},
        {u".", 0},        {u"$5", 0},        {u"e5", 0},
        {u"-x1", 0},      {u"1e-999", 0},    {u"1e999", std::numeric_limits<double>::infinity()},
    };
    for (const auto& [typed, value] : leading)
        EXPECT_EQ(leadingNumberValue(typed), value) << QString::fromUtf16(typed).toStdString();
}

TEST(Conversions, CurrencyAndFloatValuesAcceptWhatTheUserMayTypeAndRefuseWhatIsNoNumber) {
    EXPECT_EQ(plainValue(u"12.50"), QStringLiteral("12.5"));
    EXPECT_EQ(plainValue(u"$1,234.56"), QStringLiteral("1234.56"));
    EXPECT_EQ(plainValue(u"  $ 1,234,567.891 "), QStringLiteral("1234567.891"));
    EXPECT_EQ(plainValue(u"($1,234.56)"), QStringLiteral("-1234.56"));
    EXPECT_EQ(plainValue(u"-$5"), QStringLiteral("-5"));
    EXPECT_EQ(plainValue(u"5-"), QStringLiteral("-5"));
    EXPECT_EQ(plainValue(u"-25"), QStringLiteral("-25"));
    EXPECT_EQ(plainValue(u".5"), QStringLiteral("0.5"));
    EXPECT_EQ(plainValue(u"12.34565"), QStringLiteral("12.3456")); // four decimals, half to even
    EXPECT_EQ(plainValue(u"12.34575"), QStringLiteral("12.3458"));
    // What the currency format shows reads back.
    for (const char16_t* plain : {u"0", u"-0.01", u"1234567.89", u"-922337203685477.58"}) {
        const QString shown = formatCurrency(money(plain), us);
        EXPECT_EQ(currencyValue(shown, us), money(plain)) << shown.toStdString();
    }

    for (const char16_t* bad :
         {u"",       u"abc",    u"1.2.3", u"12abc", u"$",      u"()",       u"--5",
          u"(-5)",   u"-5-",    u"$$5",   u"1,23",  u"1,2345", u"1,23,456", u",123",
          u"1,234,", u"12.5,0", u"1 234", u"1e3",   u"€5",     u"(5",       u"922337203685478"}) {
        EXPECT_FALSE(currencyValue(bad, us)) << QString::fromUtf16(bad).toStdString();
        EXPECT_FALSE(isNumeric(bad, us)) << QString::fromUtf16(bad).toStdString();
    }
    EXPECT_TRUE(isNumeric(u"$0.00", us));

    // A floating value follows the same rules.
    EXPECT_EQ(floatValue(u"$1,234.5", us), 1234.5);
    EXPECT_EQ(floatValue(u"(2.25)", us), -2.25);
    EXPECT_EQ(floatValue(u"7.5-", us), -7.5);
    // Beyond the currency range a floating value still reads.
    EXPECT_EQ(floatValue(u"100,000,000,000,000,000,000", us), 1e20);
    // A fraction below the smallest double is zero, as its amount is; it used to be refused.
    const QString tiny = QStringLiteral("0.") + QString(400, u'0') + u'1';
    EXPECT_EQ(floatValue(tiny, us), 0.0);
    EXPECT_EQ(currencyValue(tiny, us), Currency());
    for (const QString& bad :
         {u'1' + QString(400, u'0'), QString(), QStringLiteral("1.2.3"), QStringLiteral("12abc")})
        EXPECT_FALSE(floatValue(bad, us)) << bad.toStdString();
}

TEST(Conversions, CurrencyAndFixedFormatsRoundHalfAwayFromZero) {
    // What rounds to zero shows no sign: never "($0.00)".
    const std::pair<const char*, const char*> formats[] = {
        {"1234.56", "$1,234.56"}, {"-1234.56", "($1,234.56)"}, {"0", "$0.00"},
        {"0.005", "$0.01"},       {"0.0049", "$0.00"},         {"-0.005", "($0.01)"},
        {"-0.0049", "$0.00"},     {"999.995", "$1,000.00"},    {"300000.01", "$300,000.01"},
    };
    for (const auto& [plain, shown] : formats)
        EXPECT_EQ(formatCurrency(money(plain), us), QLatin1String(shown)) << plain;
    EXPECT_EQ(formatCurrency(Currency::fromUnits(kMax), us), "$922,337,203,685,477.58");
    EXPECT_EQ(formatCurrency(Currency::fromUnits(kMin), us), "($922,337,203,685,477.58)");
    // A symbol after the number, set apart, with a leading minus.
    RegionalSettings after = us;
    after.currencySymbol = QStringLiteral("kr");
    after.symbolBefore = false;
    after.symbolSeparated = true;
    after.negative = RegionalSettings::Negative::LeadingMinus;
    EXPECT_EQ(formatCurrency(money(u"-1234.5"), after), QStringLiteral("-1,234.50 kr"));
    EXPECT_EQ(plainValue(u"-1,234.50 kr", after), QStringLiteral("-1234.5"));
    EXPECT_EQ(plainValue(u"1,234.50KR", after), QStringLiteral("1234.5"));
    after.currencySymbol.clear();
    EXPECT_EQ(formatCurrency(money(u"1234.5"), after), QStringLiteral("1,234.50"));
    EXPECT_EQ(plainValue(u"1,234.50", after), QStringLiteral("1234.5"));

    // The fixed format: two decimals and no groups.
    EXPECT_EQ(formatFixed(money(u"1234.5"), us), QStringLiteral("1234.50"));
    EXPECT_EQ(formatFixed(money(u"-0.25"), us), QStringLiteral("-0.25"));
    EXPECT_EQ(formatFixed(money(u"-0.005"), us), QStringLiteral("-0.01"));
    EXPECT_EQ(formatFixed(money(u"-0.0049"), us), QStringLiteral("0.00"));
    EXPECT_EQ(formatFixed(12.5, us), QStringLiteral("12.50"));
    // A double is rounded as the decimal it reads as: 2.675 and 1.005 go up.
    EXPECT_EQ(formatFixed(2.675, us), QStringLiteral("2.68"));
    EXPECT_EQ(formatFixed(1.005, us), QStringLiteral("1.01"));
    EXPECT_EQ(formatFixed(-0.005, us), QStringLiteral("-0.01"));
    EXPECT_EQ(formatFixed(-0.004, us), QStringLiteral("0.00"));
    EXPECT_EQ(formatFixed(9.999, us), QStringLiteral("10.00"));
    EXPECT_EQ(formatFixed(1e20, us), QStringLiteral("100000000000000000000.00"));
    EXPECT_EQ(formatFixed(std::nan(""), us), QString());
}

TEST(Conversions, ShortDatesHaveFourDigitYears) {
    EXPECT_EQ(formatShortDate(QDate(2026, 12, 6), us), QStringLiteral("12/6/2026"));
    EXPECT_EQ(formatShortDate(QDate(), us), QString());
    const std::pair<const char16_t*, const char*> dates[] = {
        {u"12/6/2026", "2026-12-06"}, {u" 02/03/2026 ", "2026-02-03"}, {u"2/29/2028", "2028-02-29"},
        {u"2/3/29", "2029-02-03"},    {u"2/3/30", "1930-02-03"},
    };
    for (const auto& [typed, iso] : dates)
        EXPECT_EQ(isoDate(typed), QLatin1String(iso)) << QString::fromUtf16(typed).toStdString();
    for (const char16_t* bad :
         {u"", u"2/30/2026", u"2/29/2027", u"13/1/2026", u"0/1/2026", u"12/6", u"12/6/202",
          u"12/6/20266", u"12-6-2026", u"12/6/2026 10:00", u"x12/6/2026"})
        EXPECT_EQ(isoDate(bad), QStringLiteral("refused")) << QString::fromUtf16(bad).toStdString();
    // A blank in the date form matches any run of blanks, or none.
    RegionalSettings spaced = us;
    spaced.shortDateFormat = QStringLiteral("d. M. yyyy");
    EXPECT_EQ(formatShortDate(QDate(2026, 12, 6), spaced), QStringLiteral("6. 12. 2026"));
    EXPECT_EQ(isoDate(u"6.\u00A012.  2026", spaced), QStringLiteral("2026-12-06"));
    EXPECT_EQ(isoDate(u"6.12.2026", spaced), QStringLiteral("2026-12-06"));
    // Every day of a leap year reads back as written.
    for (QDate d(2028, 1, 1); d.year() == 2028; d = d.addDays(1))
        ASSERT_EQ(parseShortDate(formatShortDate(d, us), us), d);
}
