// The contacts form's search, its result grid, the full list and the contact report.
#include "expenses/ui/frmcontacts.h"

#include "common/core/backup.h"
#include "common/core/desk.h"
#include "common/core/printerchoice.h"
#include "common/core/printjob.h"
#include "common/core/regional.h"
#include "expenses/core/contactreport.h"
#include "expenses/ui/contacteditor.h"
#include "expenses/ui/contactresultspanel.h"
#include "expenses/ui/contactsearchpanel.h"
#include "expenses/ui/notices.h"
#include "expenses/ui/spendlogforms.h"

namespace expenses {

void frmContacts::openSearch() {
    if (!m_editor->SaveContact())
        return;
    m_editor->hide();
    m_results->hide();
    m_search->show();
    m_search->open();
    fitWindow();
}

void frmContacts::startSearch(SearchKind kind, const QString& typed) {
    if (criterionTooShort(kind, typed)) {
        m_forms.desk().beep();
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
        if (m_forms.desk().message(QStringLiteral("Contact not Found"),
                                   {QStringLiteral("Would you like to Create a New Contact?")},
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
    m_results->showAs(QStringLiteral("Contacts Search Results"), false);
    m_results->focusGrid();
    fitWindow();
}

void frmContacts::showContactFrame() {
    if (!m_editor->isHidden() && m_search->isHidden() && m_results->isHidden())
        return;
    m_search->hide();
    m_results->hide();
    m_editor->show();
    fitWindow();
}

void frmContacts::backToSearch() {
    m_editor->hide();
    m_results->hide();
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
        m_forms.desk().beep();
        return;
    }
    m_listingAll = true;
    m_search->hide();
    m_results->showAs(QStringLiteral("Contact List"), true);
    SearchContacts(SearchKind::All, QStringLiteral("All"));
    m_results->focusGrid();
}

void frmContacts::selectFoundContact(qint64 record) {
    if (record == 0) {
        m_forms.desk().beep();
        return;
    }
    showContactFrame();
    m_editor->selectContact(record);
}

void frmContacts::printContactReport() {
    pellar::Desk& desk = m_forms.desk();
    if (desk.message(QStringLiteral("Contact Report"),
                     {QStringLiteral("Click Yes to print a Contact Report")},
                     pellar::MessageButtons::YesNo) != pellar::MessageAnswer::Yes)
        return;
    const std::optional<pellar::PrinterChoice> printer = pellar::ChoosePrinter(m_forms.context());
    if (!printer)
        return;
    // The report prints the file as it is now.
    const ContactFile file = readContacts(m_forms.data());
    if (!file.problem.isEmpty()) {
        reportFileProblem(desk, file.problem);
        return;
    }
    const QString date = pellar::formatShortDate(desk.today());
    const pellar::PrintOutcome printed = pellar::runPrintJob(
        desk,
        expensePageSetup(QStringLiteral("Portrait"), *printer, QStringLiteral("Contact Report")),
        [&](pellar::PrintSurface& surface) { PrintContactReport(surface, file.contacts, date); });
    if (!printed)
        desk.message(QStringLiteral("Print Error"), {QStringLiteral("A Print Error has occurred")},
                     pellar::MessageButtons::Ok);
}

} // namespace expenses
