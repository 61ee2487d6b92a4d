#include "invoicing/core/catalogue.h"

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

} // namespace invoicing
