#include "expenses/core/contactsearch.h"

namespace expenses {

bool criterionTooShort(SearchKind kind, const QString& typed) {
    return kind == SearchKind::Telephone && typed.size() < kTelephoneCriterionLength;
}

QString searchCriterion(const QString& typed) {
    return trimBlanks(typed).toUpper();
}

QString searchedField(const Contact& c, SearchKind kind) {
    switch (kind) {
    case SearchKind::Name:
        return c.name;
    case SearchKind::Street:
        return c.address1;
    case SearchKind::AddressLine2:
        return c.address2;
    case SearchKind::City:
        return c.city;
    case SearchKind::State:
        return c.state;
    case SearchKind::Postal:
        return c.postal;
    case SearchKind::Telephone:
        return c.telephone;
    case SearchKind::Category:
        return c.category;
    case SearchKind::All:
        break;
    }
    return {};
}

QList<FoundContact> searchContacts(const QList<Contact>& contacts, SearchKind kind,
                                   const QString& criterion) {
    QList<FoundContact> found;
    for (qsizetype i = 0; i < contacts.size(); ++i) {
        const Contact& contact = contacts[i];
        const bool match = kind == SearchKind::All || criterion.isEmpty() ||
                           trimBlanks(searchedField(contact, kind)).toUpper().contains(criterion);
        if (match)
            found.append({i + 1, contact});
    }
    return found;
}

} // namespace expenses
