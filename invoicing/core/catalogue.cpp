#include "invoicing/core/catalogue.h"

#include "common/core/folderlock.h"

#include <QCoreApplication>

namespace invoicing {

qsizetype Catalogue::add(const QString& entry) {
    const qsizetype at = catalogueInsertPosition(m_items, entry);
    m_items.insert(at, entry);
    return at;
}

qsizetype Catalogue::find(const QString& text, qsizetype selected) const {
    if (text.isEmpty())
        return -1;
    if (selected >= 0 && selected < m_items.size() && m_items[selected] == text)
        return selected;
    return m_items.indexOf(text);
}

namespace {

// The entries of `from` beyond those of `taken`, each counted as often as it appears.
QStringList without(QStringList from, const QStringList& taken) {
    for (const QString& entry : taken)
        from.removeOne(entry);
    return from;
}

} // namespace

pellar::FileResult Catalogue::saveChanges(const pellar::DataFolder& folder) const {
    return pellar::underFolderLock(folder, [&] {
        const CatalogueRead now = loadItems(folder);
        if (!now.problem.isEmpty())
            return pellar::FileResult::failure(
                now.problem +
                QCoreApplication::translate("Catalogue", " The catalogue was not saved."));
        QStringList merged = now.items;
        for (const QString& deleted : without(m_read, m_items))
            merged.removeOne(deleted);
        for (const QString& added : without(m_items, m_read))
            merged.insert(catalogueInsertPosition(merged, added), added);
        return writeItems(folder, merged);
    });
}

} // namespace invoicing
