#pragma once
// The sales-item catalogue while an invoice is made: the entries in list order, edited by
// Add to List and Delete from List, and written back when the invoice form is left.

#include "invoicing/core/invoicefiles.h"

#include <QStringList>

namespace invoicing {

class Catalogue {
public:
    Catalogue() = default;
    // What could be read is offered; a file that could not be read whole is never written
    // back from it.
    explicit Catalogue(const CatalogueRead& read)
        : m_items(read.items)
        , m_read(read.items)
        , m_writable(read.problem.isEmpty()) {}

    const QStringList& items() const { return m_items; }
    bool writable() const { return m_writable; }

    // Adds the entry where the list order puts it (after its equals); its index.
    qsizetype add(const QString& entry);
    // The entry that reads exactly as `text`: the selected one when it does, else the first
    // such; -1 when there is none.
    qsizetype find(const QString& text, qsizetype selected) const;
    void removeAt(qsizetype index) { m_items.removeAt(index); }

    // Writes the catalogue back over the file as it is now, read again under the folder
    // lock: the entries added here since it was read join the file's and those deleted here
    // leave it, so what another program added or deleted meanwhile stays as it left it.
    // A file that cannot be read now is not written over.
    pellar::FileResult saveChanges(const pellar::DataFolder& folder) const;

private:
    QStringList m_items;
    QStringList m_read; // as read from the file
    bool m_writable = true;
};

} // namespace invoicing
