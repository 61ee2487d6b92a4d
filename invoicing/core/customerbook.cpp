#include "invoicing/core/customerbook.h"

#include "common/core/ansi.h"
#include "common/core/backup.h"
#include "common/core/folderlock.h"
#include "common/core/records.h"

#include <QCoreApplication>
#include <algorithm>

namespace invoicing {

namespace {

QString key(const QString& name) {
    return name.trimmed().toCaseFolded();
}

// The lines of a file, each without its CR LF (or lone LF / CR); blank lines left out.
QList<QByteArray> recordLines(const QByteArray& bytes) {
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= bytes.size(); ++i) {
        if (i < bytes.size() && bytes[i] != '\n' && bytes[i] != '\r')
            continue;
        if (i > start)
            lines << bytes.mid(start, i - start);
        if (i + 1 < bytes.size() && bytes[i] == '\r' && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    return lines;
}

std::optional<CustomerAddress> parseCustomer(const QByteArray& line) {
    pellar::FreeFormatReader reader(line);
    QString fields[6];
    for (QString& field : fields) {
        const std::optional<pellar::FreeField> f = reader.next();
        if (!f || f->kind != pellar::FreeField::Kind::Quoted)
            return std::nullopt;
        field = f->text;
    }
    if (!reader.atEnd() || fields[0].trimmed().isEmpty())
        return std::nullopt;
    return CustomerAddress{fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]};
}

CustomerAddress storable(const CustomerAddress& c) {
    return {pellar::storableText(c.name.trimmed()), pellar::storableText(c.street),
            pellar::storableText(c.poBox),          pellar::storableText(c.city),
            pellar::storableText(c.state),          pellar::storableText(c.zip)};
}

// Reads the book under the lock, lets `change` edit it, and writes it back whole.
template <typename Change>
pellar::FileResult rewriteBook(const pellar::DataFolder& folder, Change&& change) {
    return pellar::underFolderLock(folder, [&]() -> pellar::FileResult {
        CustomerBook book = readCustomerBook(folder);
        if (!book.writable())
            return pellar::FileResult::failure(
                book.problem.isEmpty()
                    ? QCoreApplication::translate("CustomerBook",
                                                  "Customers.txt has %1 line(s) that are not "
                                                  "customer records, so it was left as it is.")
                          .arg(book.damaged)
                    : book.problem);
        if (const QString refused = change(book.customers); !refused.isEmpty())
            return pellar::FileResult::failure(refused);
        return pellar::writeDataFile(folder, kCustomerBookFile, customerBookBytes(book.customers));
    });
}

} // namespace

qsizetype CustomerBook::indexOf(const QString& name) const {
    const QString wanted = key(name);
    for (qsizetype i = 0; i < customers.size(); ++i)
        if (key(customers[i].name) == wanted)
            return i;
    return -1;
}

QStringList CustomerBook::names() const {
    QStringList list;
    for (const CustomerAddress& c : customers)
        list << c.name;
    std::sort(list.begin(), list.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    return list;
}

CustomerBook parseCustomerBook(const QByteArray& bytes) {
    CustomerBook book;
    for (const QByteArray& line : recordLines(bytes)) {
        if (const std::optional<CustomerAddress> c = parseCustomer(line))
            book.customers << *c;
        else
            ++book.damaged;
    }
    return book;
}

QByteArray customerBookBytes(const QList<CustomerAddress>& customers) {
    QByteArray bytes;
    for (const CustomerAddress& c : customers)
        bytes += pellar::RecordWriter()
                     .text(c.name)
                     .text(c.street)
                     .text(c.poBox)
                     .text(c.city)
                     .text(c.state)
                     .text(c.zip)
                     .line();
    return bytes;
}

CustomerBook readCustomerBook(const pellar::DataFolder& folder) {
    if (!pellar::DataFileExists(folder, kCustomerBookFile))
        return {};
    QString error;
    const std::optional<QByteArray> bytes = pellar::readDataFile(folder, kCustomerBookFile, &error);
    if (!bytes) {
        CustomerBook book;
        book.problem = error;
        return book;
    }
    return parseCustomerBook(*bytes);
}

pellar::FileResult saveCustomer(const pellar::DataFolder& folder, const CustomerAddress& customer) {
    const CustomerAddress kept = storable(customer);
    if (kept.name.isEmpty())
        return pellar::FileResult::success();
    return rewriteBook(folder, [&](QList<CustomerAddress>& customers) {
        CustomerBook found{customers, 0, {}};
        const qsizetype at = found.indexOf(kept.name);
        if (at < 0)
            customers << kept;
        else
            customers[at] = kept;
        return QString();
    });
}

pellar::FileResult changeCustomer(const pellar::DataFolder& folder, const QString& name,
                                  const std::optional<CustomerAddress>& customer) {
    return rewriteBook(folder, [&](QList<CustomerAddress>& customers) {
        CustomerBook found{customers, 0, {}};
        const qsizetype at = found.indexOf(name);
        if (at < 0)
            return QCoreApplication::translate("CustomerBook",
                                               "%1 is no longer in the customer book.")
                .arg(name);
        if (!customer) {
            customers.removeAt(at);
            return QString();
        }
        const CustomerAddress kept = storable(*customer);
        if (kept.name.isEmpty())
            return QCoreApplication::translate("CustomerBook", "A customer needs a name.");
        const qsizetype other = found.indexOf(kept.name);
        if (other >= 0 && other != at)
            return QCoreApplication::translate("CustomerBook",
                                               "%1 is already in the customer book.")
                .arg(kept.name);
        customers[at] = kept;
        return QString();
    });
}

} // namespace invoicing
