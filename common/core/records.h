#pragma once
// Quoted-field records: the small data files' one-record-per-line format.
//
//   "Text field",12,#TRUE#,#FALSE#<CR><LF>
//
// Text between double quotes with no escaping, whole numbers bare, truth values as
// #TRUE#/#FALSE#, commas with no blanks between fields, each record ended by CR LF.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace pellar {

class RecordWriter {
public:
    // A text field. A value cannot carry a double quote inside the quotes, so each '"'
    // is stored as '\'' and the record stays readable.
    RecordWriter& text(const QString& value);
    RecordWriter& number(qint64 value);
    RecordWriter& truth(bool value);
    // A field written as it stands, unquoted: a plain decimal amount ("12.50"). The caller
    // makes sure it holds no comma, quote or line end.
    RecordWriter& bare(const QByteArray& value);

    // The record so far, encoded as Windows-1252, with the closing CR LF.
    QByteArray line() const;

private:
    void separate();
    QByteArray m_bytes;
    bool m_empty = true;
};

// One field as free-format input sees it.
struct FreeField {
    enum class Kind { Quoted, Bare, Truth };
    Kind kind = Kind::Bare;
    QString text;       // quoted: the text between the quotes; bare: the text with blanks trimmed
    bool truth = false; // Kind::Truth only
};

// Free-format input: fields taken one after another across line ends. A field ends at a
// comma or a line end; blanks around it are dropped; a field that begins with a double
// quote runs to the next double quote (commas inside belong to it) and what follows up to
// the next comma or line end is ignored; #TRUE# and #FALSE# are truth values. A line end
// right after another line end (a blank line) holds no field; one right after a comma
// closes an empty field, and so does the end of the data. A quote never closed runs to the
// end of the data. Line ends are CR LF, CR or LF.
//
// The typed reads never fail loudly: a missing or unconvertible field gives the fallback,
// and ok()/problem() tell the caller what went wrong so it can tell the user.
class FreeFormatReader {
public:
    explicit FreeFormatReader(QByteArray data);

    bool atEnd() const;
    std::optional<FreeField> next();

    // A truth value reads as "True" or "False", a bare number as it is written.
    QString readText(const QString& fallback = {});
    // Numbers are written with '.' whatever the regional settings; a quoted field holding
    // a number reads as that number, a truth value as -1 (true) or 0.
    // Whole numbers: a decimal value is rounded half to even, as the old files expect.
    // Out of range or not a number: the fallback, and a problem is recorded.
    qint32 readInt32(qint32 fallback = 0);
    qint64 readInt64(qint64 fallback = 0);
    quint8 readByte(quint8 fallback = 0);
    double readDouble(double fallback = 0.0);
    // #TRUE#/#FALSE# (or True/False as text); a number is true when it is not zero.
    bool readTruth(bool fallback = false);

    bool ok() const { return m_problem.isEmpty(); }
    QString problem() const { return m_problem; } // the first problem, in plain words
    int fieldsRead() const { return m_fieldsRead; }

private:
    // What ended the field before the current position: it decides whether a line end
    // found next is an empty field (after a comma) or a blank line (after a line end).
    enum class Ending { LineEnd, Comma, DataEnd };

    std::optional<FreeField> take();
    // The next field, or nothing with the problem that it is missing noted.
    std::optional<FreeField> takeField();
    void noteProblem(const QString& text);
    void noteFieldProblem(const char* what);
    template <typename T> T readWhole(T fallback);

    QByteArray m_data;
    qsizetype m_pos = 0;
    Ending m_ending = Ending::LineEnd;
    int m_fieldsRead = 0;
    QString m_problem;
};

// Text lines as a plain line read gives them: split at CR LF, LF or CR, decoded from
// Windows-1252, nothing trimmed. A final line end does not start another line.
QStringList splitLines(const QByteArray& data);

} // namespace pellar
