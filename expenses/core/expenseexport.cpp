#include "expenses/core/expenseexport.h"

#include "common/core/csv.h"
#include "common/core/datafiles.h"
#include "common/core/fixedrecords.h"
#include "common/core/regional.h"

#include <QCoreApplication>
#include <QHash>
#include <cstdio>
#include <limits>

namespace expenses {

namespace {

// The forms of payment by their trimmed stored text.
int paymentOptionOf(QStringView method) {
    static const QStringList texts = [] {
        QStringList all;
        for (int option = 0; option < PaymentOptionCount; ++option)
            all.append(paymentMethodText(option).trimmed());
        return all;
    }();
    for (int option = 0; option < PaymentOptionCount; ++option) {
        if (method == texts[option])
            return option;
    }
    return -1;
}

using pellar::appendQuoted;
using pellar::plainAmount;

// An account name a plain-text accounting tool reads as one name: no colon (it would make a
// sub-account), no run of blanks or tab (two blanks end the name), no comment mark, no
// leading bracket.
QString accountPart(const QString& text) {
    QString part = text.simplified();
    part.replace(u':', u'-');
    part.replace(u';', u',');
    while (!part.isEmpty() && (part.front() == u'(' || part.front() == u'['))
        part.remove(0, 1);
    return part.isEmpty() ? QStringLiteral("Uncategorized") : part;
}

// A transaction's description: one line, no double blank (which would start a comment).
QString journalText(const QString& text) {
    const bool plain = !text.contains(QStringLiteral("  ")) && !text.contains(u';') &&
                       !text.contains(u'\t') && text == text.trimmed();
    if (plain)
        return text;
    QString line = text.simplified();
    line.replace(u';', u',');
    return line;
}

bool samePayment(const ExportRow& a, const ExportRow& b) {
    return a.record + 1 == b.record && a.date == b.date && a.payee == b.payee &&
           a.paymentMethod == b.paymentMethod && a.reference == b.reference;
}

// yyyy-MM-dd without going through a date format: the export writes tens of thousands.
QString isoDate(QDate date) {
    char text[16];
    const int n =
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year(), date.month(), date.day());
    return QString::fromLatin1(text, n);
}

QString grouped(qint64 count) {
    QString digits = QString::number(count);
    const QChar separator = pellar::RegionalSettings::current().groupSeparator;
    for (qsizetype i = digits.size() - 3; i > 0; i -= 3)
        digits.insert(i, separator);
    return digits;
}

QString counted(qint64 count, const char* one, const char* many) {
    return grouped(count) + u' ' + QString::fromLatin1(count == 1 ? one : many);
}

} // namespace

ExpenseExport collectExport(QByteArrayView file, const ExportFilter& filter) {
    ExpenseExport result;
    result.fileFound = true;
    const pellar::FixedRecordTable table(expenseLayout(), file);
    const pellar::RegionalSettings& regional = pellar::RegionalSettings::current();
    result.rows.reserve(table.recordCount());
    for (qsizetype i = 0; i < table.recordCount(); ++i) {
        const std::optional<QDate> date = readRecordDate(blankTrimmed(table.field(i, DateField)));
        if (!date) {
            ++result.unreadableDates;
            continue;
        }
        if (*date < filter.period.start || *date > filter.period.end)
            continue;
        const QStringView method = blankTrimmed(table.field(i, PaymentMethodField));
        if (method == kVoidCheck || blankTrimmed(table.field(i, StatusField)) == kArchivedStatus) {
            ++result.voidOrArchived;
            continue;
        }
        const QStringView category = blankTrimmed(table.field(i, ForField));
        if (!filter.categories.isEmpty() && !filter.categories.contains(category.toString()))
            continue;
        if (!filter.paymentOptions.isEmpty() &&
            !filter.paymentOptions.contains(paymentOptionOf(method)))
            continue;
        const std::optional<pellar::Currency> amount =
            pellar::currencyValue(blankTrimmed(table.field(i, AmountField)), regional);
        const std::optional<pellar::Currency> total =
            amount ? result.total + *amount : std::optional<pellar::Currency>();
        if (!total) {
            ++result.unreadableAmounts;
            continue;
        }
        result.total = *total;
        result.rows.append({i + 1, *date, blankTrimmed(table.field(i, PaidToField)).toString(),
                            category.toString(), *amount, method.toString(),
                            blankTrimmed(table.field(i, ReferenceField)).toString()});
    }
    return result;
}

ExpenseExport collectExport(const pellar::DataFolder& folder, const ExportFilter& filter) {
    const ExpenseFileBytes read = readExpenseFile(folder);
    if (!read.found)
        return {};
    if (!read.problem.isEmpty()) {
        ExpenseExport failed;
        failed.fileFound = true;
        failed.problem = read.problem;
        return failed;
    }
    return collectExport(read.bytes, filter);
}

QByteArray exportCsv(const ExpenseExport& expenses) {
    QString text = QStringLiteral("Record,Date,Payee,Category,Amount,Payment Method,Reference\r\n");
    text.reserve(text.size() + expenses.rows.size() * 128);
    // Field by field onto the one text: no row is built apart first.
    for (const ExportRow& row : expenses.rows) {
        text += QString::number(row.record);
        text += u',';
        text += isoDate(row.date);
        text += u',';
        appendQuoted(text, row.payee);
        text += u',';
        appendQuoted(text, row.category);
        text += u',';
        text += plainAmount(row.amount);
        text += u',';
        appendQuoted(text, row.paymentMethod);
        text += u',';
        appendQuoted(text, row.reference);
        text += QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

QString paymentAccount(const QString& paymentMethod) {
    switch (paymentOptionOf(paymentMethod)) {
    case PayByCheck:
    case PayByEBill:
        return QStringLiteral("Assets:Checking");
    case PayByCash:
        return QStringLiteral("Assets:Cash");
    case PayByCreditCard:
        return QStringLiteral("Liabilities:Credit Card");
    default:
        return QStringLiteral("Assets:") + accountPart(paymentMethod);
    }
}

QByteArray exportJournal(const ExpenseExport& expenses) {
    QString text;
    text.reserve(expenses.rows.size() * 120);
    QHash<QString, QString> accounts; // by category: made once each
    for (qsizetype first = 0; first < expenses.rows.size();) {
        // The lines of one payment, as long as their sum stays in range (it always does
        // for amounts a person pays; a transaction is ended early rather than overflow).
        pellar::Currency paid = expenses.rows[first].amount;
        qsizetype end = first + 1;
        while (end < expenses.rows.size() &&
               samePayment(expenses.rows[end - 1], expenses.rows[end])) {
            const std::optional<pellar::Currency> sum = paid + expenses.rows[end].amount;
            if (!sum || sum->units() == std::numeric_limits<qint64>::min())
                break;
            paid = *sum;
            ++end;
        }
        const ExportRow& head = expenses.rows[first];
        text += isoDate(head.date);
        QString code = head.reference;
        if (code.contains(u'(') || code.contains(u')'))
            code.remove(u'(').remove(u')');
        code = journalText(code);
        if (!code.isEmpty()) {
            text += QStringLiteral(" (");
            text += code;
            text += u')';
        }
        const QString payee = journalText(head.payee);
        text += u' ';
        text += payee.isEmpty() ? QStringLiteral("(no payee)") : payee;
        text += u'\n';
        for (qsizetype i = first; i < end; ++i) {
            const ExportRow& row = expenses.rows[i];
            auto account = accounts.constFind(row.category);
            if (account == accounts.constEnd())
                account = accounts.insert(row.category, accountPart(row.category));
            text += QStringLiteral("    Expenses:");
            text += *account;
            text += QStringLiteral("  ");
            text += plainAmount(row.amount);
            text += u'\n';
        }
        text += QStringLiteral("    ");
        text += paymentAccount(head.paymentMethod);
        text += QStringLiteral("  ");
        text += plainAmount(pellar::Currency::fromUnits(-paid.units()));
        text += QStringLiteral("\n\n");
        first = end;
    }
    return text.toUtf8();
}

QString leftOutText(int unreadableDates, int unreadableAmounts, int voidOrArchived) {
    const struct {
        int count;
        const char* one;
        const char* many;
    } parts[] = {
        {unreadableDates, "record with an unreadable date", "records with unreadable dates"},
        {unreadableAmounts, "record with an unreadable amount", "records with unreadable amounts"},
        {voidOrArchived, "void or archived record", "void or archived records"},
    };
    QStringList told;
    for (const auto& part : parts) {
        if (part.count > 0)
            told << counted(part.count, part.one, part.many) + QStringLiteral(" left out");
    }
    return told.join(QStringLiteral("; "));
}

QString exportSummary(const ExpenseExport& expenses) {
    QString text =
        counted(expenses.rows.size(), "payment", "payments") + QStringLiteral(" exported");
    const QString leftOut =
        leftOutText(expenses.unreadableDates, expenses.unreadableAmounts, expenses.voidOrArchived);
    if (!leftOut.isEmpty())
        text += QStringLiteral("; ") + leftOut;
    return text + u'.';
}

pellar::FileResult writeExportFile(const QString& path, const QByteArray& bytes) {
    const QString why = pellar::replaceFile(path, bytes);
    if (why.isEmpty())
        return pellar::FileResult::success();
    return pellar::FileResult::failure(
        QCoreApplication::translate(
            "ExpenseExport",
            "The export could not be written to %1: %2 Nothing was saved under that "
            "name.")
            .arg(path, why));
}

} // namespace expenses
