#pragma once
// The plain values an invoice is made of: the customer it is made out to and its item lines.

#include "common/core/currency.h"

#include <QString>
#include <QStringList>

namespace invoicing {

// The six fields typed on customer entry.
struct CustomerAddress {
    QString name;
    QString street;
    QString poBox; // apartment or PO box; may be empty
    QString city;
    QString state;
    QString zip;

    // The block the invoice form shows: lines joined by CR LF, the apt/PO box line left out
    // when empty, "city,state" with no blank, no line break after the ZIP.
    QString block() const;

    bool operator==(const CustomerAddress&) const = default;
};

// One posted item line. The price and the extension are exact; the quantity stays as typed
// ("2 coils"), since that is what the invoice shows and prints.
struct InvoiceLine {
    QString quantity;
    QString item;
    pellar::Currency price;
    pellar::Currency extension;

    bool operator==(const InvoiceLine&) const = default;
};

} // namespace invoicing
