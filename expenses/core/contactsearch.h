#pragma once
// Finding contacts: by one field of the record, upper-cased and trimmed, holding the
// criterion anywhere; or every contact for the full list.

#include "common/core/datafiles.h"
#include "expenses/core/contacts.h"

#include <QList>
#include <QString>

namespace expenses {

// The first eight follow the search frame's option buttons, in order.
enum class SearchKind { Name, Street, AddressLine2, City, State, Postal, Telephone, Category, All };
inline constexpr int kSearchOptionCount = 8;

// A telephone number is only looked for once it is typed out whole ("217-555-0101").
inline constexpr int kTelephoneCriterionLength = 12;

// A telephone criterion shorter than a whole number, counted as typed.
bool criterionTooShort(SearchKind kind, const QString& typed);
// What the records are compared with: blanks trimmed, upper case.
QString searchCriterion(const QString& typed);

// The field a kind looks at, trimmed. Empty for All.
QString searchedField(const Contact& contact, SearchKind kind);

struct FoundContact {
    qint64 record = 0; // from 1, in the contacts file
    Contact contact;
};

// The matches in file order. An empty criterion, and the kind All, match every contact.
QList<FoundContact> searchContacts(const QList<Contact>& contacts, SearchKind kind,
                                   const QString& criterion);

} // namespace expenses
