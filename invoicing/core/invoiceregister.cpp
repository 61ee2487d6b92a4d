#include "invoicing/core/invoiceregister.h"

#include "common/core/ansi.h"
#include "common/core/backup.h"
#include "common/core/csv.h"
#include "common/core/documentoutput.h"
#include "common/core/folderlock.h"
#include "common/core/records.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace invoicing {

namespace {

constexpr int kFields = 11;

QString isoDate(QDate date) {
    return date.isValid() ? date.toString(QStringLiteral("yyyy-MM-dd")) : QString();
}

// "yyyy-MM-dd" exactly; an invalid date for anything else. Read by hand: the general
// format parser is the larger part of reading a long register.
QDate isoDateFrom(const QString& text) {
    if (text.size() != 10 || text[4] != u'-' || text[7] != u'-')
        return {};
    int parts[3] = {0, 0, 0};
    const int starts[3] = {0, 5, 8}, lengths[3] = {4, 2, 2};
    for (int p = 0; p < 3; ++p) {
        for (int i = starts[p]; i < starts[p] + lengths[p]; ++i) {
            const char16_t c = text[i].unicode();
            if (c < u'0' || c > u'9')
                return {};
            parts[p] = parts[p] * 10 + (c - u'0');
        }
    }
    return QDate(parts[0], parts[1], parts[2]);
}

// A register line, or nothing when it is not one.
std::optional<RegisterEntry> parseLine(const QByteArray& line) {
    pellar::FreeFormatReader reader(line);
    pellar::FreeField f[kFields];
    for (pellar::FreeField& field : f) {
        const std::optional<pellar::FreeField> next = reader.next();
        if (!next)
            return std::nullopt;
        field = *next;
    }
    if (!reader.atEnd())
        return std::nullopt;
    using Kind = pellar::FreeField::Kind;
    // A text this program could not write back (a control character) makes the line one
    // it keeps as it is rather than a record it would change on the next rewrite.
    for (const int text : {0, 1, 2, 8, 9, 10})
        if (f[text].kind != Kind::Quoted || pellar::storableText(f[text].text) != f[text].text)
            return std::nullopt;
    RegisterEntry e;
    e.number = f[0].text;
    e.date = isoDateFrom(f[1].text);
    e.customer = f[2].text;
    pellar::Currency* amounts[] = {&e.taxable, &e.nonTaxable, &e.tax, &e.total, &e.discount};
    for (int i = 0; i < 5; ++i) {
        if (f[3 + i].kind != Kind::Bare)
            return std::nullopt;
        const std::optional<pellar::Currency> amount =
            pellar::Currency::fromDecimalText(f[3 + i].text);
        if (!amount)
            return std::nullopt;
        *amounts[i] = *amount;
    }
    e.discountDays = f[8].text;
    e.pdfFile = f[9].text;
    if (!f[10].text.isEmpty()) {
        e.paid = isoDateFrom(f[10].text);
        if (!e.paid.isValid())
            return std::nullopt;
    }
    if (e.number.isEmpty() || !e.date.isValid())
        return std::nullopt;
    return e;
}

// Each line with its bytes as they are (CR LF, LF or CR ends it); blank lines left out.
template <typename Each> void forEachLine(const QByteArray& bytes, Each&& each) {
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i <= n; ++i) {
        if (i < n && bytes[i] != '\n' && bytes[i] != '\r')
            continue;
        if (i > start)
            each(bytes.mid(start, i - start));
        if (i + 1 < n && bytes[i] == '\r' && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
}

QByteArray amount(pellar::Currency value) {
    return pellar::plainAmount(value).toLatin1();
}

} // namespace

RegisterEntry registerEntryFor(const InvoicePrintData& invoice, TaxMode mode) {
    RegisterEntry e;
    e.number = invoice.invoiceNumber;
    e.date = invoice.date;
    e.customer = invoice.customer.name.trimmed();
    if (mode == TaxMode::MaterialAndLabor)
        e.taxable = (invoice.subTotal + invoice.labor).value_or(pellar::Currency());
    else if (mode == TaxMode::MaterialOnly)
        e.taxable = invoice.subTotal;
    e.tax = invoice.tax;
    e.total = invoice.grandTotal;
    e.nonTaxable = (invoice.grandTotal - invoice.tax - e.taxable).value_or(pellar::Currency());
    e.discount = invoice.discount;
    if (!invoice.discount.isZero())
        e.discountDays = invoice.discountDays;
    return e;
}

QString copyBaseName(const QString& number, const QString& customer) {
    QString base = pellar::fileNamePart(number, 40);
    if (!customer.trimmed().isEmpty())
        base += u' ' + pellar::fileNamePart(customer.trimmed());
    return base;
}

QByteArray registerLine(const RegisterEntry& e) {
    return pellar::RecordWriter()
        .text(pellar::storableText(e.number))
        .text(isoDate(e.date))
        .text(pellar::storableText(e.customer))
        .bare(amount(e.taxable))
        .bare(amount(e.nonTaxable))
        .bare(amount(e.tax))
        .bare(amount(e.total))
        .bare(amount(e.discount))
        .text(pellar::storableText(e.discountDays))
        .text(pellar::storableText(e.pdfFile))
        .text(isoDate(e.paid))
        .line();
}

InvoiceRegister parseRegister(const QByteArray& bytes) {
    InvoiceRegister reg;
    reg.entries.reserve(bytes.size() / 100);
    forEachLine(bytes, [&](const QByteArray& line) {
        if (std::optional<RegisterEntry> e = parseLine(line))
            reg.entries << std::move(*e);
        else
            ++reg.damaged;
    });
    return reg;
}

InvoiceRegister readRegister(const pellar::DataFolder& folder) {
    if (!pellar::DataFileExists(folder, kRegisterFile))
        return {};
    InvoiceRegister reg;
    const std::optional<QByteArray> bytes =
        pellar::readDataFile(folder, kRegisterFile, &reg.problem);
    return bytes ? parseRegister(*bytes) : reg;
}

pellar::FileResult appendToRegister(const pellar::DataFolder& folder, const RegisterEntry& entry) {
    return pellar::underFolderLock(folder, [&]() -> pellar::FileResult {
        // A register lost from the data folder comes back from its backup first: appending
        // to a new file would leave every earlier invoice out of it.
        pellar::DataFileExists(folder, kRegisterFile);
        const QString path = folder.filePath(kRegisterFile);
        const QFileInfo info(path);
        qint64 size = info.exists() ? info.size() : 0;
        QByteArray line = registerLine(entry);
        if (size > 0) {
            // A last line left without its end (an editor, a cut-off copy) is ended first,
            // so the new record starts a line of its own.
            QFile file(path);
            if (file.open(QIODevice::ReadOnly) && file.seek(size - 1) && file.read(1) != "\n")
                line.prepend("\r\n");
        }
        return pellar::writeInPlace(folder, kRegisterFile, size, line);
    });
}

pellar::FileResult setPaid(const pellar::DataFolder& folder, const QList<RegisterEntry>& entries,
                           QDate paid) {
    return pellar::underFolderLock(folder, [&]() -> pellar::FileResult {
        if (!pellar::DataFileExists(folder, kRegisterFile))
            return pellar::FileResult::failure(
                QCoreApplication::translate("InvoiceRegister", "Invoices.txt is missing."));
        QString error;
        const std::optional<QByteArray> bytes = pellar::readDataFile(folder, kRegisterFile, &error);
        if (!bytes)
            return pellar::FileResult::failure(error);
        QByteArray out;
        out.reserve(bytes->size() + 16 * entries.size());
        QList<bool> found(entries.size(), false);
        forEachLine(*bytes, [&](const QByteArray& line) {
            std::optional<RegisterEntry> e = parseLine(line);
            for (qsizetype i = 0; e && i < entries.size(); ++i) {
                const RegisterEntry& wanted = entries[i];
                if (!found[i] && e->number == wanted.number && e->pdfFile == wanted.pdfFile &&
                    e->date == wanted.date) {
                    found[i] = true;
                    e->paid = paid;
                    out += registerLine(*e);
                    return;
                }
            }
            out += line + "\r\n";
        });
        // All of them or none: a person who chose several sees them all change.
        if (const qsizetype missing = found.indexOf(false); missing >= 0)
            return pellar::FileResult::failure(
                QCoreApplication::translate("InvoiceRegister",
                                            "Invoice %1 is no longer in Invoices.txt.")
                    .arg(entries[missing].number));
        return pellar::writeDataFile(folder, kRegisterFile, out);
    });
}

// ---- Finding ------------------------------------------------------------------------------

bool RegisterFilter::accepts(const RegisterEntry& e) const {
    if (unpaidOnly && e.isPaid())
        return false;
    if (from.isValid() && e.date < from)
        return false;
    if (to.isValid() && e.date > to)
        return false;
    return text.isEmpty() || e.number.contains(text, Qt::CaseInsensitive) ||
           e.customer.contains(text, Qt::CaseInsensitive);
}

QList<qsizetype> filterRegister(const QList<RegisterEntry>& entries, const RegisterFilter& filter) {
    QList<qsizetype> shown;
    const RegisterFilter trimmed{filter.text.trimmed(), filter.from, filter.to, filter.unpaidOnly};
    for (qsizetype i = 0; i < entries.size(); ++i)
        if (trimmed.accepts(entries[i]))
            shown << i;
    return shown;
}

// ---- Sales tax ----------------------------------------------------------------------------

Period periodOf(PeriodKind kind, QDate day, QDate to) {
    switch (kind) {
    case PeriodKind::Month:
        return {QDate(day.year(), day.month(), 1),
                QDate(day.year(), day.month(), day.daysInMonth())};
    case PeriodKind::Quarter: {
        const int first = (day.month() - 1) / 3 * 3 + 1;
        const QDate start(day.year(), first, 1);
        return {start, start.addMonths(3).addDays(-1)};
    }
    case PeriodKind::Year:
        return {QDate(day.year(), 1, 1), QDate(day.year(), 12, 31)};
    case PeriodKind::Dates:
        break;
    }
    return day <= to ? Period{day, to} : Period{to, day};
}

SalesTaxFigures salesTaxFor(const QList<RegisterEntry>& entries, Period period) {
    SalesTaxFigures f;
    f.period = period;
    std::optional<pellar::Currency> sums[4] = {pellar::Currency(), pellar::Currency(),
                                               pellar::Currency(), pellar::Currency()};
    for (const RegisterEntry& e : entries) {
        if (e.date < period.from || e.date > period.to)
            continue;
        ++f.invoices;
        sums[0] = sums[0] + e.taxable;
        sums[1] = sums[1] + e.nonTaxable;
        sums[2] = sums[2] + e.tax;
        sums[3] = sums[3] + e.total;
    }
    for (const auto& sum : sums)
        f.overflow = f.overflow || !sum;
    if (!f.overflow) {
        f.taxable = *sums[0];
        f.nonTaxable = *sums[1];
        f.tax = *sums[2];
        f.total = *sums[3];
    }
    return f;
}

// ---- Exports ------------------------------------------------------------------------------

QByteArray registerCsv(const QList<RegisterEntry>& entries, const QList<qsizetype>& shown) {
    // The headers are read by other programs, so they stay untranslated.
    QString text = QStringLiteral("Number,Date,Customer,Taxable,Non-taxable,Tax,Total,Discount,"
                                  "Discount Days,Paid,PDF\r\n");
    text.reserve(text.size() + shown.size() * 120);
    for (const qsizetype i : shown) {
        const RegisterEntry& e = entries[i];
        pellar::appendQuoted(text, e.number);
        text += u',' + isoDate(e.date) + u',';
        pellar::appendQuoted(text, e.customer);
        for (const pellar::Currency a : {e.taxable, e.nonTaxable, e.tax, e.total, e.discount})
            text += u',' + pellar::plainAmount(a);
        text += u',';
        pellar::appendQuoted(text, e.discountDays);
        text += u',' + isoDate(e.paid) + u',';
        pellar::appendQuoted(text, e.pdfFile);
        text += QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

QByteArray salesTaxCsv(const SalesTaxFigures& f) {
    // Untranslated, as the register's headers are.
    QString text = QStringLiteral("From,To,Invoices,Taxable Sales,Non-taxable Sales,Tax "
                                  "Collected,Total\r\n");
    text +=
        isoDate(f.period.from) + u',' + isoDate(f.period.to) + u',' + QString::number(f.invoices);
    for (const pellar::Currency a : {f.taxable, f.nonTaxable, f.tax, f.total})
        text += u',' + pellar::plainAmount(a);
    text += QStringLiteral("\r\n");
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace invoicing
