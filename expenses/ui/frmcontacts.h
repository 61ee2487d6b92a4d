#pragma once
// The contacts form: one payee at a time from "/VendorDat.txt", paged through, added,
// changed and deleted, picked from the vendor list sorted by name or found by a search,
// and the printed contact report.

#include "expenses/core/contactcursor.h"
#include "expenses/core/contacts.h"
#include "expenses/core/contactsearch.h"

#include "common/core/printalignment.h"

#include <QMainWindow>

class QAction;
class QMenu;
class QPushButton;

namespace pellar::ui {
class StatusNote;
}

namespace expenses {

class ContactEditor;
class ContactResultsPanel;
class ContactSearchPanel;
class ReportAlignmentPanel;
class SpendlogForms;
class VendorListPanel;

class frmContacts : public QMainWindow {
    Q_OBJECT
public:
    explicit frmContacts(SpendlogForms& forms);

    // Once per run: the first contact becomes current, the lists are filled.
    void formLoad();
    // Shows the form; activation reads the contacts again and shows the current one, or
    // asks for a first contact when there is none.
    void showForm();

    const ContactCursor& cursor() const;

private:
    void buildMenus();
    void connectParts();
    void setTabChain();
    void contactsChanged(const QList<Contact>& contacts);
    void loadFromVendorList(qint64 record);
    void showVendorList(bool visible);
    void returnToMenu();

    // The search, its results and the full list.
    void openSearch();
    void startSearch(SearchKind kind, const QString& typed);
    // A search that finds one contact shows it, one that finds none offers a new contact,
    // and several go to the grid; the full list always goes to the grid.
    void SearchContacts(SearchKind kind, const QString& criterion);
    void backToSearch();
    void hideResults();
    void ListAllContacts();
    void selectFoundContact(qint64 record);
    // The contact frame alone: the search and the results give way to it.
    void showContactFrame();
    // "&Print" on the full list: the question, the printer dialog (or, with no printer set
    // up, the offer of a PDF), then the report.
    void printContactReport();
    void previewContactReport();
    void saveContactReportAsPdf();
    // The report's alignment frame in place of the list, and back.
    void showAlignment(bool visible);
    void printAlignmentTest(pellar::AlignmentOffsets offsets);
    // The contacts as the file holds them now; nullopt, told, when it cannot be read.
    std::optional<QList<Contact>> contactsForReport();
    // The window takes the room its frames need and gives back what they no longer need.
    void fitWindow();
    // The beep and the reason on the status line.
    void refuse(const QString& why);

    SpendlogForms& m_forms;
    ContactEditor* m_editor;
    VendorListPanel* m_vendors;
    ContactSearchPanel* m_search;
    ContactResultsPanel* m_results;
    ReportAlignmentPanel* m_alignment;
    QPushButton* m_exit;
    pellar::ui::StatusNote* m_note; // lblStatusNote
    QAction* m_toggleView;          // mnuView
    QMenu* m_filesMenu;             // mnuCust
    QAction* m_add;                 // mnuAdd
    QAction* m_delete;              // mnuDelete
    QAction* m_listAll;             // mnuPrint
    bool m_listingAll = false;      // the result grid holds the full list, not search results
};

} // namespace expenses
