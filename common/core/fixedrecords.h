#pragma once
// Fixed-record files: equal-length records of fixed-width 8-bit fields, each left-aligned
// and padded with blanks; no separators, header or line ends. Record n (from 1) starts at
// byte (n - 1) * record length.

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <initializer_list>

namespace pellar {

// Record numbers are 16-bit signed in these files.
inline constexpr int kMaxRecords = 32767;

// File length / record length rounded to the nearest whole number, an exact half to the
// even neighbour. Not capped: a caller compares with kMaxRecords itself.
qint64 recordCountForLength(qint64 fileLength, int recordLength);

class FixedRecordLayout {
public:
    FixedRecordLayout(std::initializer_list<int> widths);

    int fieldCount() const { return int(m_widths.size()); }
    int recordLength() const { return m_length; }
    int width(int field) const { return m_widths[field]; }
    int offset(int field) const { return m_offsets[field]; }

    // Each value encoded as Windows-1252, cut at its width in bytes, padded with blanks.
    // Missing values are blank; extra values are ignored.
    QByteArray pack(const QStringList& values) const;

    // The fields of one record as stored (padding kept). A short record gives what it
    // holds and blanks for the rest.
    QStringList unpack(QByteArrayView record) const;
    QString field(QByteArrayView record, int field) const;

private:
    QList<int> m_widths;
    QList<int> m_offsets;
    int m_length = 0;
};

// A whole fixed-record file decoded in one pass into one string, its fields read as views.
// For reading every record of a large file (review, search, cleanup): no allocation per
// record or field. Records are counted like splitRecords: a trailing partial record is
// kept, padded with blanks.
class FixedRecordTable {
public:
    FixedRecordTable(const FixedRecordLayout& layout, QByteArrayView file);

    qsizetype recordCount() const { return m_count; }
    // index from 0; the view lives as long as the table. Out of range: an empty view.
    // Inline: a full read calls it for every field of every record.
    QStringView field(qsizetype index, int field) const {
        if (index < 0 || index >= m_count || field < 0 || field >= m_layout.fieldCount())
            return {};
        return QStringView(m_text).sliced(index * m_layout.recordLength() + m_layout.offset(field),
                                          m_layout.width(field));
    }
    QStringList record(qsizetype index) const;

private:
    FixedRecordLayout m_layout;
    QString m_text;
    qsizetype m_count = 0;
};

// Blanks (spaces only) off both ends, as a fixed-width field is read back; no copy made.
// Inline: a full read trims every field of every record.
inline QStringView blankTrimmed(QStringView text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.sliced(first, last - first);
}

// Splits a whole file into records. A trailing partial record (a damaged file) is kept,
// padded with blanks, so nothing the user typed is dropped silently.
QList<QByteArray> splitRecords(const QByteArray& file, int recordLength);

} // namespace pellar
