#pragma once
// The contacts form: one payee at a time from "/VendorDat.txt", paged through, added,
// changed and deleted, or picked from the vendor list sorted by name.

#include "expenses/core/contacts.h"
#include "expenses/core/contactsearch.h"

#include <QMainWindow>
#include <QSet>
#include <QStringList>

class QAction;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QMenu;
class QPoint;
class QPushButton;
class QRadioButton;
class QTableView;

namespace expenses {

class ContactsFoundModel;
class SpendlogForms;
class VendorListModel;

class frmContacts : public QMainWindow {
    Q_OBJECT
public:
    enum Box { Account, Name, Address1, Address2, State, Postal, Telephone, Fax, KeyContact };
    enum Nav { First, Previous, Next, Last };

    explicit frmContacts(SpendlogForms& forms);

    // Once per run: the first contact becomes current, the lists are filled.
    void formLoad();
    // Shows the form; activation reads the contacts again and shows the current one, or
    // asks for a first contact when there is none.
    void showForm();

    // The form's procedures.
    void LoadContacts();
    void FillCategories();
    void ShowContact();
    void ClearContactBoxes();
    void AddCityToList(const QString& city);
    // Writes the contact on screen at the current record. A contact whose boxes are all
    // empty is not written. False when the write failed (the person has been told).
    bool SaveContact();
    // Empty boxes for a contact that reaches the file, appended, when it is next saved.
    void NewContact();
    // Drops the new, unsaved contact and shows the one that was current before it.
    void CancelAddNew();
    void DeleteContact();
    void navigate(int index);
    // Saves the contact on screen and shows the given one (the vendor list and the
    // search results lead here).
    void selectContact(qint64 record);

    // The search, its results and the full list.
    void openSearch();
    void chooseSearchKind();
    void StartSearch();
    // Fills the result grid with the matches. A search that finds one contact shows it, one
    // that finds none offers a new contact, and several go to the grid; the full list
    // always goes to the grid.
    void SearchContacts(SearchKind kind, const QString& criterion);
    void hideSearch();
    void hideResults();
    void ListAllContacts();
    // The row under a point of the grid's viewport becomes the current one: the row the
    // person right-clicks is the one the pop-up menu acts on. False over no row.
    bool chooseResultAt(const QPoint& viewportPos);
    void selectFoundContact();
    // "&Print" on the full list: the question, the printer dialog, then the report.
    void printContactReport();

    const ContactsFoundModel& contactsFound() const { return *m_found; }

    qint64 currentRecord() const { return m_current; }
    qint64 contactCount() const { return m_count; }
    // A new contact is on screen that is not in the file yet.
    bool addingContact() const { return m_adding; }
    const VendorListModel& vendorList() const { return *m_vendors; }

    QGroupBox* fraContact;
    QGroupBox* fraSuppliers;
    // The search and its results take the contact frame's place.
    QGroupBox* fraSearch;
    QGroupBox* fraContactsFound;
    QRadioButton* optSearch[kSearchOptionCount];
    QLineEdit* txtSearchfor;
    QPushButton* cmdStartSearch;
    QPushButton* cmdClearSearch;
    QPushButton* cmdHideSearch;
    QTableView* fgContactsFound;
    QPushButton* cmdPrintContacts;
    QPushButton* cmdRetry;
    QLineEdit* txtContact[9];
    QComboBox* cboCity;
    QComboBox* cboCategory;
    QPushButton* cmdNav[4];
    QPushButton* Command1[2];
    QTableView* fgVendors;
    QPushButton* cmdVendorList[2];
    QPushButton* cmdExit;
    QAction* mnuView;
    QMenu* mnuCust;
    QAction* mnuAdd;
    QAction* mnuDelete;
    QAction* mnuPrint;
    QMenu* mnupopup;
    QAction* mnuSelect;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildContactFrame();
    void buildSupplierFrame();
    void buildMenus();
    void buildSearchFrame();
    void buildResultsFrame();
    void connectSearch();
    void backToSearch();
    // The contact frame alone: the search and the results give way to it.
    void showContactFrame();
    // A context-menu event of the result grid opens the pop-up menu; true when handled.
    bool resultsContextMenu(QObject* watched, QEvent* event);
    void showResultsPopup(const QPoint& viewportPos, bool fromMouse);
    // The window takes the room its frames need and gives back what they no longer need.
    void fitWindow();
    Contact contactOnScreen() const;
    void putOnScreen(const Contact& contact);
    // The new contact was left without being saved: it is dropped.
    void leaveAdding();
    void loadFromVendorList();
    void showVendorList(bool visible);
    void returnToMenu();
    void checkName();
    void report(const QString& problem);

    SpendlogForms& m_forms;
    VendorListModel* m_vendors;
    ContactsFoundModel* m_found;
    QButtonGroup* m_searchKinds;
    QButtonGroup* m_navButtons;
    qint64 m_current = 0;
    qint64 m_count = 0;
    bool m_adding = false;
    bool m_listingAll = false; // the result grid holds the full list, not search results
    qint64 m_beforeAdd = 0;    // the contact current when the new one was started
    QSet<QString> m_cities;    // the city list's entries, trimmed
};

} // namespace expenses
