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

pellar::FileResult ContactCursor::save(Contact& contact, bool* written) {
    if (written)
        *written = false;
    // Empty boxes are no contact: writing them would leave a blank record behind.
    if (m_current == 0 || contact.isBlank())
        return pellar::FileResult::success();
    if (trimBlanks(contact.state).isEmpty())
        contact.state = QStringLiteral("Fl");
    // A new contact is appended, and a record beyond the file is never written past a gap.
    // The count is the file's own, not the last read's: a read that failed leaves no
    // contacts in view, and a new contact must not take the place of one it could not show.
    const qint64 onFile = contactCount(m_folder);
    const qint64 record = m_adding ? onFile + 1 : std::min(m_current, onFile + 1);
    const QByteArray bytes = encodeContact(contact);
    if (record <= count() && m_file.records.at(record - 1) == bytes)
        return pellar::FileResult::success();
    if (pellar::FileResult result = writeContact(m_folder, record, contact); !result)
        return result;
    if (written)
        *written = true;
    m_current = record;
    m_adding = false;
    reload();
    return pellar::FileResult::success();
}

pellar::FileResult ContactCursor::deleteCurrent() {
    const qint64 before = count();
    if (pellar::FileResult result = deleteContact(m_folder, m_current); !result)
        return result;
    reload();
    if (before > 1)
        m_current = std::min(m_current, count());
    else
        startFirst();
    return pellar::FileResult::success();
}

} // namespace expenses
