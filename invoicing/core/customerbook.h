#pragma once
// The customer book: every customer an invoice was confirmed for, so the next invoice can
// start from a saved name and address instead of a blank form.
//
//   "Maple Street Bakery","12 Maple St","","Springfield","IL","62704"<CR><LF>
//
// One quoted-field record per customer (the six customer-entry fields), 8-bit text, CR LF.
// A customer is known by name (blanks at the ends and case not counting); saving one already
// there replaces its record in place.

#include "common/core/datafiles.h"
#include "common/core/fileresult.h"
#include "invoicing/core/invoicevalues.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace invoicing {

inline constexpr const char16_t* kCustomerBookFile = u"/Customers.txt";

struct CustomerBook {
    QList<CustomerAddress> customers; // in file order
    int damaged = 0;                  // lines that are not a six-field customer record
    QString problem;                  // plain words when the file could not be used at all

    // Nothing is written over a file with lines this program could not read.
    bool writable() const { return damaged == 0 && problem.isEmpty(); }
    qsizetype indexOf(const QString& name) const;
    // The names, sorted without regard to case: what the completer offers.
    QStringList names() const;
};

CustomerBook parseCustomerBook(const QByteArray& bytes);
QByteArray customerBookBytes(const QList<CustomerAddress>& customers);

// The book as it is in the data folder now (after a restore from the backup folder was
// tried); a missing file is an empty book.
CustomerBook readCustomerBook(const pellar::DataFolder& folder);

// Adds the customer, or updates the one of the same name. Read again and written under the
// folder lock; a damaged book is refused, never written over. A customer with no name is not
// kept.
pellar::FileResult saveCustomer(const pellar::DataFolder& folder, const CustomerAddress& customer);
// Replaces the customer named `name` (a rename when `customer` has another name; refused when
// that name belongs to another customer) or, with `customer` unset, deletes it.
pellar::FileResult changeCustomer(const pellar::DataFolder& folder, const QString& name,
                                  const std::optional<CustomerAddress>& customer);

} // namespace invoicing
