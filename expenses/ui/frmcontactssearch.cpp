// The contacts form's search, its result grid and the full list.
#include "expenses/ui/frmcontacts.h"

#include "common/core/backup.h"
#include "common/core/desk.h"
#include "expenses/ui/contacteditor.h"
#include "expenses/ui/contactresultspanel.h"
#include "expenses/ui/contactsearchpanel.h"
#include "expenses/ui/notices.h"
#include "expenses/ui/reportalignmentpanel.h"
#include "expenses/ui/spendlogforms.h"

namespace expenses {

void frmContacts::openSearch() {
    if (!m_editor->SaveContact())
        return;
    m_editor->hide();
    m_results->hide();
    m_alignment->hide();
    m_search->show();
    m_search->open();
    fitWindow();
}

void frmContacts::startSearch(SearchKind kind, const QString& typed) {
    if (criterionTooShort(kind, typed)) {
        refuse(tr("Type the whole telephone number, %1 characters, to search by it.")
                   .arg(kTelephoneCriterionLength));
        m_search->focusCriterion();
        return;
    }
    SearchContacts(kind, searchCriterion(typed));
}

void frmContacts::SearchContacts(SearchKind kind, const QString& criterion) {
    const QList<FoundContact> found = searchContacts(cursor().contacts(), kind, criterion);
    m_results->setFound(found);
    if (kind == SearchKind::All) {
        // The list was asked for to be seen and printed, however short it is.
        m_editor->hide();
        fitWindow();
        return;
    }
    if (found.isEmpty()) {
        if (m_forms.desk().message(tr("Contact not Found"),
                                   {tr("Would you like to Create a New Contact?")},
                                   pellar::MessageButtons::YesNo) != pellar::MessageAnswer::Yes) {
            backToSearch();
            return;
        }
        showContactFrame();
        if (!m_editor->SaveContact())
            return;
        m_editor->clear();
        m_editor->NewContact();
        return;
    }
    if (found.size() == 1) {
        showContactFrame();
        m_editor->selectContact(found.first().record);
        return;
    }
    m_listingAll = false;
    m_search->hide();
    m_results->showAs(tr("Contacts Search Results"), false);
    m_results->focusGrid();
    fitWindow();
}

void frmContacts::showContactFrame() {
    if (!m_editor->isHidden() && m_search->isHidden() && m_results->isHidden())
        return;
    m_search->hide();
    m_results->hide();
    m_alignment->hide();
    m_editor->show();
    fitWindow();
}

void frmContacts::backToSearch() {
    m_editor->hide();
    m_results->hide();
    m_alignment->hide();
    m_search->show();
    m_search->clearCriterion();
    fitWindow();
}

void frmContacts::hideResults() {
    if (m_listingAll)
        showContactFrame();
    else
        backToSearch();
}

void frmContacts::ListAllContacts() {
    // The list and its report come from the file: the contact on screen goes there first.
    if (!m_editor->SaveContact())
        return;
    // An empty file lists nothing, just as a missing one.
    if (!pellar::DataFileExists(m_forms.data(), kContactsFile) || cursor().count() == 0) {
        refuse(tr("There are no contacts to list."));
        return;
    }
    m_listingAll = true;
    m_search->hide();
    m_results->showAs(tr("Contact List"), true);
    SearchContacts(SearchKind::All, QStringLiteral("All"));
    m_results->focusGrid();
}

void frmContacts::selectFoundContact(qint64 record) {
    if (record == 0) {
        refuse(tr("Choose a contact in the grid first."));
        return;
    }
    showContactFrame();
    m_editor->selectContact(record);
}

} // namespace expenses
