#pragma once
// The contact frame "fraContact": one contact's boxes, the buttons that page through the
// contacts, the search button and "Cancel &Add New", and the editing itself: showing,
// saving, adding and deleting contacts through a ContactCursor.

#include "expenses/core/contactcursor.h"

#include <QGroupBox>
#include <QSet>

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace pellar {
class DataFolder;
class Desk;
namespace ui {
class StatusNote;
}
} // namespace pellar

namespace expenses {

class ContactEditor : public QGroupBox {
    Q_OBJECT
public:
    // The boxes of txtContact, by index.
    enum Box { Account, Name, Address1, Address2, State, Postal, Telephone, Fax, KeyContact };

    ContactEditor(pellar::Desk& desk, const pellar::DataFolder& data, QWidget* parent);

    const ContactCursor& cursor() const { return m_cursor; }
    // Where a refusal is told in words.
    void setStatusNote(pellar::ui::StatusNote* note) { m_note = note; }

    // The contacts read again; the lists follow.
    void LoadContacts();
    // Reads the contacts and shows the current one, or asks for a first contact when there
    // is none.
    void activate();
    void ShowContact();
    // Writes the contact on screen when it changed. False when the write failed (the
    // person has been told).
    bool SaveContact();
    // Empty boxes for a contact that reaches the file, appended, when it is next saved.
    void NewContact();
    void DeleteContact();
    // Saves the contact on screen and shows the given one.
    void selectContact(qint64 record);
    // Saves the contact on screen; a new one left without a word typed is dropped. False
    // when the write failed.
    bool leave();
    // Every box empty, the focus in the account number.
    void clear();
    QList<QWidget*> tabChain() const;

signals:
    void searchClicked();
    // The contacts were read again.
    void contactsChanged(const QList<Contact>& contacts);
    // A contact is to be shown: the frame belongs in front.
    void frontWanted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Contact contact() const;
    void putOnScreen(const Contact& contact);
    // The city list holds every city once, trimmed, in the order first met.
    void offerCities(const QList<Contact>& contacts);
    void move(ContactCursor::Move move);
    void CancelAddNew();
    void leaveAdding();
    void checkName();
    void report(const QString& problem);
    // What the last read left out, told once for as long as it stays the same.
    void tellNotice();

    pellar::Desk& m_desk;
    pellar::ui::StatusNote* m_note = nullptr;
    QString m_noticeTold;
    ContactCursor m_cursor;
    QLineEdit* m_boxes[9];
    QComboBox* m_city;
    QComboBox* m_category;
    QPushButton* m_moves[4];
    QPushButton* m_search;
    QPushButton* m_cancelAdd;
    QButtonGroup* m_moveGroup;
    QSet<QString> m_cities; // the city list's entries, trimmed
};

} // namespace expenses
