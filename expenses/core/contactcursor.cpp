#include "expenses/core/contactcursor.h"

#include <algorithm>

namespace expenses {

QString ContactCursor::reload() {
    m_file = readContacts(m_folder);
    return m_file.problem;
}

void ContactCursor::keepInRange() {
    m_current = std::clamp<qint64>(m_current, 1, std::max<qint64>(1, count()));
}

std::optional<Contact> ContactCursor::currentContact() const {
    if (m_current < 1 || m_current > count())
        return std::nullopt;
    return m_file.contacts.at(m_current - 1);
}

void ContactCursor::move(Move move) {
    m_adding = false;
    switch (move) {
    case Move::First:
        m_current = 1;
        break;
    case Move::Previous:
        if (m_current > 1)
            m_current = std::min(m_current - 1, count());
        break;
    case Move::Next:
        m_current = m_current >= count() ? 1 : m_current + 1;
        break;
    case Move::Last:
        m_current = count();
        break;
    }
}

bool ContactCursor::select(qint64 record) {
    if (record < 1 || record > count())
        return false;
    m_adding = false;
    m_current = record;
    return true;
}

void ContactCursor::startFirst() {
    m_adding = true;
    m_beforeAdd = 0;
    m_current = 1;
}

void ContactCursor::startNew() {
    if (!m_adding)
        m_beforeAdd = m_current;
    m_current = count() + 1;
    m_adding = true;
}

void ContactCursor::cancelNew() {
    if (!m_adding)
        return;
    // With no contact on file there is none to go back to: the boxes still wait for the
    // first, and what is typed there next is kept.
    if (count() == 0) {
        startFirst();
        return;
    }
    m_adding = false;
    m_current = std::min(m_beforeAdd, count());
}

ContactSave ContactCursor::save(Contact& contact) {
    // Empty boxes are no contact: writing them would leave a blank record behind.
    if (m_current == 0 || contact.isBlank())
        return {};
    if (trimBlanks(contact.state).isEmpty())
        contact.state = QStringLiteral("Fl");
    // What the form shows is the record at the current number as last read. None there (a
    // read that failed shows no contacts): the contact typed is new, never put in the place
    // of one the form could not show.
    const bool shown = !m_adding && m_current <= count();
    if (shown && m_file.records.at(m_current - 1) == encodeContact(contact))
        return {};
    const ContactChange change =
        shown ? saveShownContact(m_folder, m_current, m_file.records.at(m_current - 1), contact)
              : appendContact(m_folder, contact);
    if (change.status == ContactChange::Failed)
        return {ContactSave::Failed, change.error};
    if (change.status == ContactChange::Gone)
        return {ContactSave::ChangedElsewhere, {}};
    m_current = change.record;
    m_adding = false;
    reload();
    return {ContactSave::Written, {}};
}

ContactSave ContactCursor::saveAsNew(Contact& contact) {
    if (!m_adding)
        m_beforeAdd = m_current;
    m_adding = true;
    return save(contact);
}

ContactSave ContactCursor::deleteCurrent() {
    if (m_current < 1 || m_current > count())
        return {};
    const qint64 before = count();
    const ContactChange change =
        deleteShownContact(m_folder, m_current, m_file.records.at(m_current - 1));
    if (change.status == ContactChange::Failed)
        return {ContactSave::Failed, change.error};
    if (change.status == ContactChange::Gone)
        return {ContactSave::ChangedElsewhere, {}};
    m_current = change.record;
    reload();
    if (before > 1 && count() > 0)
        m_current = std::min(m_current, count());
    else
        startFirst();
    return {ContactSave::Written, {}};
}

} // namespace expenses
