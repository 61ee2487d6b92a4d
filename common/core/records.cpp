#include "common/core/records.h"

#include "common/core/ansi.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

#include <QCoreApplication>

namespace pellar {

// ---- RecordWriter ----------------------------------------------------------------------

void RecordWriter::separate() {
    if (!m_empty)
        m_bytes.append(',');
    m_empty = false;
}

RecordWriter& RecordWriter::text(const QString& value) {
    separate();
    QByteArray bytes = toAnsi(value);
    bytes.replace('"', '\'');
    m_bytes.append('"').append(bytes).append('"');
    return *this;
}

RecordWriter& RecordWriter::number(qint64 value) {
    separate();
    m_bytes.append(QByteArray::number(value));
    return *this;
}

RecordWriter& RecordWriter::truth(bool value) {
    separate();
    m_bytes.append(value ? "#TRUE#" : "#FALSE#");
    return *this;
}

RecordWriter& RecordWriter::bare(const QByteArray& value) {
    separate();
    m_bytes.append(value);
    return *this;
}

QByteArray RecordWriter::line() const {
    return m_bytes + "\r\n";
}

// ---- Free-format input -----------------------------------------------------------------

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Steps over one line end at pos: CR LF, CR or LF.
qsizetype skipLineEnd(const QByteArray& data, qsizetype pos) {
    if (data[pos] == '\r' && pos + 1 < data.size() && data[pos + 1] == '\n')
        return pos + 2;
    return pos + 1;
}

QString truthText(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

// The number forms the files hold: an optional sign, digits with an optional decimal point,
// an optional exponent. Always '.' whatever the regional settings: the files are not
// regional.
enum class NumberForm { None, Whole, Decimal };

NumberForm numberForm(const QByteArray& t) {
    qsizetype i = 0;
    const qsizetype n = t.size();
    if (i < n && (t[i] == '+' || t[i] == '-'))
        ++i;
    qsizetype digits = 0;
    while (i < n && isDigit(t[i]))
        ++i, ++digits;
    bool decimal = false;
    if (i < n && t[i] == '.') {
        decimal = true;
        ++i;
        while (i < n && isDigit(t[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return NumberForm::None;
    if (i < n && (t[i] == 'e' || t[i] == 'E')) {
        decimal = true;
        ++i;
        if (i < n && (t[i] == '+' || t[i] == '-'))
            ++i;
        qsizetype expDigits = 0;
        while (i < n && isDigit(t[i]))
            ++i, ++expDigits;
        if (expDigits == 0)
            return NumberForm::None;
    }
    if (i != n)
        return NumberForm::None;
    return decimal ? NumberForm::Decimal : NumberForm::Whole;
}

enum class Conversion { Ok, Empty, NotNumber, OutOfRange };

// What a read that did not convert says of its field; notNumber for a text that is none.
const char* conversionProblem(Conversion conversion, const char* notNumber) {
    switch (conversion) {
    case Conversion::Empty:
        return "is empty";
    case Conversion::OutOfRange:
        return "is out of range";
    case Conversion::Ok:
    case Conversion::NotNumber:
        break;
    }
    return notNumber;
}

// The field's text as a number would be read from it: blanks dropped, Latin digits only.
QByteArray numberText(const FreeField& f) {
    return toAnsi(f.text).trimmed();
}

Conversion toDouble(const FreeField& f, double& out) {
    if (f.kind == FreeField::Kind::Truth) {
        out = f.truth ? -1.0 : 0.0;
        return Conversion::Ok;
    }
    QByteArray t = numberText(f);
    if (t.isEmpty())
        return Conversion::Empty;
    if (numberForm(t) == NumberForm::None)
        return Conversion::NotNumber;
    const char* begin = t.constData();
    if (*begin == '+')
        ++begin;
    const auto [ptr, ec] = std::from_chars(begin, t.constData() + t.size(), out);
    if (ec == std::errc::result_out_of_range || !std::isfinite(out))
        return Conversion::OutOfRange;
    if (ec != std::errc() || ptr != t.constData() + t.size())
        return Conversion::NotNumber;
    return Conversion::Ok;
}

// Rounds to the nearest whole number, an exact half to the even neighbour, without
// depending on the floating-point rounding mode.
double roundHalfEven(double v) {
    const double below = std::floor(v);
    const double diff = v - below;
    if (diff > 0.5)
        return below + 1.0;
    if (diff < 0.5)
        return below;
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

Conversion toWhole(const FreeField& f, qint64 lo, qint64 hi, qint64& out) {
    if (f.kind == FreeField::Kind::Truth) {
        out = f.truth ? -1 : 0;
        return out >= lo && out <= hi ? Conversion::Ok : Conversion::OutOfRange;
    }
    QByteArray t = numberText(f);
    if (t.isEmpty())
        return Conversion::Empty;
    qint64 value = 0;
    switch (numberForm(t)) {
    case NumberForm::None:
        return Conversion::NotNumber;
    case NumberForm::Whole: {
        const char* begin = t.constData();
        if (*begin == '+')
            ++begin;
        const auto [ptr, ec] = std::from_chars(begin, t.constData() + t.size(), value);
        if (ec == std::errc::result_out_of_range)
            return Conversion::OutOfRange;
        if (ec != std::errc() || ptr != t.constData() + t.size())
            return Conversion::NotNumber;
        break;
    }
    case NumberForm::Decimal: {
        double d = 0;
        const Conversion c = toDouble(f, d);
        if (c != Conversion::Ok)
            return c;
        const double r = roundHalfEven(d);
        // 2^63 is exact in a double; anything at or beyond it does not fit.
        if (!(r >= -9223372036854775808.0 && r < 9223372036854775808.0))
            return Conversion::OutOfRange;
        value = qint64(r);
        break;
    }
    }
    if (value < lo || value > hi)
        return Conversion::OutOfRange;
    out = value;
    return Conversion::Ok;
}

} // namespace

FreeFormatReader::FreeFormatReader(QByteArray data)
    : m_data(std::move(data)) {}

bool FreeFormatReader::atEnd() const {
    // Looks past blanks and blank lines the way take() would, without moving.
    qsizetype pos = m_pos;
    const qsizetype n = m_data.size();
    for (;;) {
        while (pos < n && isBlank(m_data[pos]))
            ++pos;
        if (pos >= n)
            return m_ending != Ending::Comma;
        if (!isLineEnd(m_data[pos]) || m_ending == Ending::Comma)
            return false;
        pos = skipLineEnd(m_data, pos);
    }
}

std::optional<FreeField> FreeFormatReader::take() {
    const char* const data = m_data.constData();
    const qsizetype n = m_data.size();
    FreeField field;
    for (;;) {
        while (m_pos < n && isBlank(data[m_pos]))
            ++m_pos;
        if (m_pos >= n) {
            // A comma at the very end still promises a field: an empty one.
            if (m_ending != Ending::Comma)
                return std::nullopt;
            m_ending = Ending::DataEnd;
            ++m_fieldsRead;
            return field;
        }
        if (!isLineEnd(data[m_pos]))
            break;
        m_pos = skipLineEnd(m_data, m_pos);
        if (m_ending == Ending::Comma) {
            // "a,<line end>": the comma opened a field that the line end closes empty.
            m_ending = Ending::LineEnd;
            ++m_fieldsRead;
            return field;
        }
        // A blank line holds no field.
    }

    qsizetype tail = m_pos; // where the search for the ending comma or line end starts
    if (data[m_pos] == '"') {
        const qsizetype start = m_pos + 1;
        const void* close = start < n ? std::memchr(data + start, '"', size_t(n - start)) : nullptr;
        // An unclosed quote runs to the end of the data rather than losing the text.
        const qsizetype stop = close ? static_cast<const char*>(close) - data : n;
        field.kind = FreeField::Kind::Quoted;
        field.text = fromAnsi(QByteArrayView(data + start, stop - start));
        tail = close ? stop + 1 : n;
    }
    qsizetype end = tail;
    while (end < n && data[end] != ',' && !isLineEnd(data[end]))
        ++end;
    if (field.kind == FreeField::Kind::Bare) {
        qsizetype last = end;
        while (last > m_pos && isBlank(data[last - 1]))
            --last;
        const QByteArrayView bytes(data + m_pos, last - m_pos);
        if (bytes.compare(QByteArrayView("#TRUE#"), Qt::CaseInsensitive) == 0) {
            field.kind = FreeField::Kind::Truth;
            field.truth = true;
        } else if (bytes.compare(QByteArrayView("#FALSE#"), Qt::CaseInsensitive) == 0) {
            field.kind = FreeField::Kind::Truth;
            field.truth = false;
        }
        field.text = fromAnsi(bytes);
    }
    if (end >= n) {
        m_pos = n;
        m_ending = Ending::DataEnd;
    } else if (data[end] == ',') {
        m_pos = end + 1;
        m_ending = Ending::Comma;
    } else {
        m_pos = skipLineEnd(m_data, end);
        m_ending = Ending::LineEnd;
    }
    ++m_fieldsRead;
    return field;
}

std::optional<FreeField> FreeFormatReader::next() {
    return take();
}

void FreeFormatReader::noteProblem(const QString& text) {
    if (m_problem.isEmpty())
        m_problem = text;
}

void FreeFormatReader::noteFieldProblem(const char* what) {
    noteProblem(QCoreApplication::translate("Records", "field %1 %2")
                    .arg(m_fieldsRead)
                    .arg(QLatin1String(what)));
}

std::optional<FreeField> FreeFormatReader::takeField() {
    std::optional<FreeField> f = take();
    if (!f) {
        noteProblem(
            QCoreApplication::translate("Records", "field %1 is missing").arg(m_fieldsRead + 1));
    }
    return f;
}

QString FreeFormatReader::readText(const QString& fallback) {
    const std::optional<FreeField> f = takeField();
    if (!f)
        return fallback;
    if (f->kind == FreeField::Kind::Truth)
        return truthText(f->truth);
    return f->text;
}

template <typename T> T FreeFormatReader::readWhole(T fallback) {
    const std::optional<FreeField> f = takeField();
    if (!f)
        return fallback;
    qint64 value = 0;
    const Conversion conversion =
        toWhole(*f, std::numeric_limits<T>::min(), std::numeric_limits<T>::max(), value);
    if (conversion == Conversion::Ok)
        return T(value);
    noteFieldProblem(conversionProblem(conversion, "is not a whole number"));
    return fallback;
}

qint32 FreeFormatReader::readInt32(qint32 fallback) {
    return readWhole<qint32>(fallback);
}
qint64 FreeFormatReader::readInt64(qint64 fallback) {
    return readWhole<qint64>(fallback);
}
quint8 FreeFormatReader::readByte(quint8 fallback) {
    return readWhole<quint8>(fallback);
}

double FreeFormatReader::readDouble(double fallback) {
    const std::optional<FreeField> f = takeField();
    if (!f)
        return fallback;
    double value = 0;
    const Conversion conversion = toDouble(*f, value);
    if (conversion == Conversion::Ok)
        return value;
    noteFieldProblem(conversionProblem(conversion, "is not a number"));
    return fallback;
}

bool FreeFormatReader::readTruth(bool fallback) {
    const std::optional<FreeField> f = takeField();
    if (!f)
        return fallback;
    if (f->kind == FreeField::Kind::Truth)
        return f->truth;
    // A truth value read back as text ("True"/"False") counts as one too.
    const QString t = f->text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    double value = 0;
    if (toDouble(*f, value) == Conversion::Ok)
        return value != 0.0;
    noteFieldProblem(t.isEmpty() ? "is empty" : "is not a truth value");
    return fallback;
}

// ---- Lines -----------------------------------------------------------------------------

QStringList splitLines(const QByteArray& data) {
    QStringList lines;
    const qsizetype n = data.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (!isLineEnd(data[i]))
            continue;
        lines.append(fromAnsi(QByteArrayView(data.constData() + start, i - start)));
        i = skipLineEnd(data, i) - 1;
        start = i + 1;
    }
    if (start < n)
        lines.append(fromAnsi(QByteArrayView(data.constData() + start, n - start)));
    return lines;
}

} // namespace pellar
