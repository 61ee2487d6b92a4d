#pragma once
// The contacts form's place in the contacts file: which contact is current, paging
// through them, a new contact that is not in the file yet, saving and deleting. It holds
// the file as last read, which is what the form shows, and reads it again after every
// change it writes.

#include "common/core/datafiles.h"
#include "common/core/fileresult.h"
#include "expenses/core/contacts.h"

#include <QList>
#include <optional>

namespace expenses {

struct ContactSave {
    enum Status { Unchanged, Written, ChangedElsewhere, Failed };
    Status status = Unchanged;
    QString error; // Failed: plain words
    explicit operator bool() const { return status == Unchanged || status == Written; }
};

class ContactCursor {
public:
    enum class Move { First, Previous, Next, Last };

    explicit ContactCursor(const pellar::DataFolder& folder)
        : m_folder(folder) {}

    const pellar::DataFolder& folder() const { return m_folder; }
    // Reads the file again. The problem in plain words; empty when it was read.
    QString reload();
    // What the last read left out of the file, in plain words; empty when nothing.
    const QString& notice() const { return m_file.notice; }
    const QList<Contact>& contacts() const { return m_file.contacts; }
    qint64 count() const { return m_file.contacts.size(); }

    // The current record number; 0 when no contact is shown.
    qint64 current() const { return m_current; }
    void setCurrent(qint64 record) { m_current = record; }
    // A current record beyond the file becomes the last one, 0 the first.
    void keepInRange();
    // A new contact is on screen that is not in the file yet.
    bool adding() const { return m_adding; }
    // The current contact as read; nullopt for none and for a new one.
    std::optional<Contact> currentContact() const;

    // Wraps from the last contact to the first; stays on the first going back.
    void move(Move move);
    // False for a record that is not in the file.
    bool select(qint64 record);

    // The file is empty: the first contact typed becomes record 1.
    void startFirst();
    // A new contact after the last; the one current before comes back if it is dropped.
    void startNew();
    // The new contact dropped: the one current before it is current again. With no contact
    // on file, the next one typed is the first.
    void cancelNew();
    // The new contact left behind without being saved.
    void leaveNew() { m_adding = false; }

    // Writes the contact over the one shown at the current record, wherever another copy of
    // the program has moved it since, when it differs from what was shown; a new contact is
    // appended after the last one on file. A contact with every field empty is never
    // written, and an empty state becomes "Fl" (in `contact` too). ChangedElsewhere: the
    // shown contact was changed or deleted meanwhile; nothing was written, the other change
    // stands, and saveAsNew() may keep what is on screen beside it.
    ContactSave save(Contact& contact);
    ContactSave saveAsNew(Contact& contact);
    // Removes the shown contact, wherever it is now, and closes the gap; the same number then
    // shows the next contact, or the new last one. The only contact gone, the boxes wait for
    // a new first. ChangedElsewhere: it was changed or deleted meanwhile; nothing was removed.
    ContactSave deleteCurrent();

private:
    const pellar::DataFolder& m_folder;
    ContactFile m_file;
    qint64 m_current = 0;
    bool m_adding = false;
    qint64 m_beforeAdd = 0; // the contact current when the new one was started
};

} // namespace expenses
