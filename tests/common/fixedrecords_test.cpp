// Fixed-record files: record counts, packing in bytes, and splitting a file into records.
#include "common/core/fixedrecords.h"

#include <gtest/gtest.h>

using namespace pellar;

TEST(FixedRecords, RecordCountRoundsHalfToEven) {
    EXPECT_EQ(recordCountForLength(0, 145), 0);
    EXPECT_EQ(recordCountForLength(72, 145), 0);  // 0.497
    EXPECT_EQ(recordCountForLength(73, 145), 1);  // 0.503
    EXPECT_EQ(recordCountForLength(362, 145), 2); // 2.497
    EXPECT_EQ(recordCountForLength(363, 145), 3); // 2.503
    EXPECT_EQ(recordCountForLength(1, 2), 0);     // 0.5
    EXPECT_EQ(recordCountForLength(3, 2), 2);     // 1.5
    EXPECT_EQ(recordCountForLength(5, 2), 2);     // 2.5
    EXPECT_EQ(recordCountForLength(7, 2), 4);     // 3.5
    EXPECT_EQ(recordCountForLength(qint64(kMaxRecords) * 145, 145), kMaxRecords);
    // Not capped: the caller sees a file that is too long.
    EXPECT_EQ(recordCountForLength(qint64(kMaxRecords + 1) * 60, 60), kMaxRecords + 1);
    EXPECT_EQ(recordCountForLength(qint64(1) << 40, 235), 4678772884);
    EXPECT_EQ(recordCountForLength(100, 0), 0);
    EXPECT_EQ(recordCountForLength(-145, 145), 0);
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

TEST(FixedRecords, SplitKeepsAPartialTrailingRecord) {
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
