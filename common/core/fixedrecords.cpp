#include "common/core/fixedrecords.h"

#include "common/core/ansi.h"

#include <algorithm>
#include <cstring>

namespace pellar {

qint64 recordCountForLength(qint64 fileLength, int recordLength) {
    if (recordLength <= 0 || fileLength <= 0)
        return 0;
    // Integer arithmetic keeps the half exact, where a division in floating point would not.
    const qint64 whole = fileLength / recordLength;
    const qint64 twiceRest = 2 * (fileLength % recordLength);
    if (twiceRest > recordLength || (twiceRest == recordLength && whole % 2 == 1))
        return whole + 1;
    return whole;
}

FixedRecordLayout::FixedRecordLayout(std::initializer_list<int> widths) {
    m_widths.reserve(qsizetype(widths.size()));
    m_offsets.reserve(qsizetype(widths.size()));
    for (int w : widths) {
        w = std::max(w, 0);
        m_widths.append(w);
        m_offsets.append(m_length);
        m_length += w;
    }
}

QByteArray FixedRecordLayout::pack(const QStringList& values) const {
    QByteArray record(m_length, ' ');
    const qsizetype count = std::min(values.size(), m_widths.size());
    for (qsizetype i = 0; i < count; ++i) {
        // Cut after encoding, so the width holds bytes, not characters.
        const QByteArray bytes = toAnsi(values[i]);
        const qsizetype n = std::min(bytes.size(), qsizetype(m_widths[i]));
        std::memcpy(record.data() + m_offsets[i], bytes.constData(), size_t(n));
    }
    return record;
}

QString FixedRecordLayout::field(QByteArrayView record, int field) const {
    if (field < 0 || field >= fieldCount())
        return {};
    const qsizetype width = m_widths[field];
    const qsizetype offset = m_offsets[field];
    if (offset + width <= record.size())
        return fromAnsi(record.sliced(offset, width));
    // A short record: what it holds, padded as a whole record would have been.
    const qsizetype held = std::clamp(record.size() - offset, qsizetype(0), width);
    QString text = fromAnsi(record.sliced(std::min(offset, record.size()), held));
    text.append(QString(width - held, QLatin1Char(' ')));
    return text;
}

QStringList FixedRecordLayout::unpack(QByteArrayView record) const {
    QStringList fields;
    fields.reserve(m_widths.size());
    for (int i = 0; i < fieldCount(); ++i)
        fields.append(field(record, i));
    return fields;
}

QList<QByteArray> splitRecords(const QByteArray& file, int recordLength) {
    QList<QByteArray> records;
    if (recordLength <= 0)
        return records;
    const qsizetype n = file.size();
    records.reserve((n + recordLength - 1) / recordLength);
    for (qsizetype at = 0; at < n; at += recordLength) {
        if (n - at >= recordLength) {
            records.append(file.sliced(at, recordLength));
        } else {
            QByteArray last(recordLength, ' ');
            std::memcpy(last.data(), file.constData() + at, size_t(n - at));
            records.append(last);
        }
    }
    return records;
}

FixedRecordTable::FixedRecordTable(const FixedRecordLayout& layout, QByteArrayView file)
    : m_layout(layout) {
    const qsizetype length = m_layout.recordLength();
    if (length <= 0 || file.isEmpty())
        return;
    m_count = (file.size() + length - 1) / length;
    m_text = fromAnsi(file);
    m_text.append(QString(m_count * length - file.size(), QLatin1Char(' ')));
}

QStringList FixedRecordTable::record(qsizetype index) const {
    QStringList fields;
    if (index < 0 || index >= m_count)
        return fields;
    fields.reserve(m_layout.fieldCount());
    for (int i = 0; i < m_layout.fieldCount(); ++i)
        fields.append(field(index, i).toString());
    return fields;
}

} // namespace pellar
