#include "expenses/ui/frmcontacts.h"

#include "common/core/backup.h"
#include "common/core/desk.h"
#include "common/ui/keyboard.h"
#include "common/ui/widgets.h"
#include "expenses/ui/contacteditor.h"
#include "expenses/ui/contactresultspanel.h"
#include "expenses/ui/contactsearchpanel.h"
#include "expenses/ui/reportalignmentpanel.h"
#include "expenses/ui/spendlogforms.h"
#include "expenses/ui/vendorlistpanel.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace expenses {

frmContacts::frmContacts(SpendlogForms& forms)
    : m_forms(forms) {
    setObjectName(QStringLiteral("frmContacts"));
    setWindowTitle(tr("Payto Selection       "));

    auto* central = new QWidget(this);
    setCentralWidget(central);
    m_editor = new ContactEditor(forms.desk(), forms.data(), central);
    m_vendors = new VendorListPanel(central);
    m_vendors->hide();
    m_search = new ContactSearchPanel(central);
    // The window keeps its width when the search takes the contact's place.
    m_search->setMinimumWidth(m_editor->sizeHint().width());
    m_search->hide();
    m_results = new ContactResultsPanel(central);
    m_results->hide();
    m_alignment = new ReportAlignmentPanel(
        forms.context(),
        [this](pellar::PrintedDocument, pellar::AlignmentOffsets offsets) {
            printAlignmentTest(offsets);
        },
        central);
    m_alignment->hide();
    m_exit = pellar::ui::makeButton(central, QStringLiteral("cmdExit"), tr("&Menu"),
                                    tr("Returns to the Main Menu"));

    auto* work = new QVBoxLayout;
    work->addWidget(m_editor);
    work->addWidget(m_search);
    work->addWidget(m_results);
    work->addWidget(m_alignment);
    work->addStretch(1);
    auto* frames = new QHBoxLayout;
    frames->addLayout(work, 0);
    frames->addWidget(m_vendors, 1);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(12, 8, 12, 10);
    layout->addLayout(frames, 1);
    m_note = new pellar::ui::StatusNote(central);
    m_editor->setStatusNote(m_note);
    auto* foot = new QHBoxLayout;
    foot->addWidget(m_note, 1);
    foot->addWidget(m_exit);
    layout->addLayout(foot);
    layout->setSizeConstraint(QLayout::SetMinimumSize);

    buildMenus();
    setTabChain();
}

void frmContacts::buildMenus() {
    m_toggleView = menuBar()->addAction(tr("Toggle &View"));
    m_toggleView->setObjectName(QStringLiteral("mnuView"));
    m_filesMenu = menuBar()->addMenu(tr("&Files"));
    m_filesMenu->setObjectName(QStringLiteral("mnuCust"));
    m_add = m_filesMenu->addAction(tr("&Add a New Recipient"));
    m_add->setObjectName(QStringLiteral("mnuAdd"));
    m_delete = m_filesMenu->addAction(tr("&DELETE This Recipient"));
    m_delete->setObjectName(QStringLiteral("mnuDelete"));
    m_listAll = m_filesMenu->addAction(tr("&Print  Recipient Records"));
    m_listAll->setObjectName(QStringLiteral("mnuPrint"));
}

void frmContacts::setTabChain() {
    QList<QWidget*> chain = m_editor->tabChain();
    chain << m_search->tabChain() << m_results->tabChain() << m_alignment->tabChain()
          << m_vendors->tabChain() << m_exit;
    for (qsizetype i = 0; i + 1 < chain.size(); ++i)
        setTabOrder(chain[i], chain[i + 1]);
}

void frmContacts::connectParts() {
    connect(m_editor, &ContactEditor::searchClicked, this, &frmContacts::openSearch);
    connect(m_editor, &ContactEditor::contactsChanged, this, &frmContacts::contactsChanged);
    connect(m_editor, &ContactEditor::frontWanted, this, &frmContacts::showContactFrame);
    connect(m_vendors, &VendorListPanel::loadClicked, this, &frmContacts::loadFromVendorList);
    connect(m_vendors, &VendorListPanel::quitClicked, this, [this] { showVendorList(false); });
    connect(m_search, &ContactSearchPanel::searchClicked, this, &frmContacts::startSearch);
    connect(m_search, &ContactSearchPanel::returnClicked, this, &frmContacts::showContactFrame);
    connect(m_results, &ContactResultsPanel::selectClicked, this, &frmContacts::selectFoundContact);
    connect(m_results, &ContactResultsPanel::printClicked, this, &frmContacts::printContactReport);
    connect(m_results, &ContactResultsPanel::previewClicked, this,
            &frmContacts::previewContactReport);
    connect(m_results, &ContactResultsPanel::savePdfClicked, this,
            &frmContacts::saveContactReportAsPdf);
    connect(m_results, &ContactResultsPanel::alignmentClicked, this,
            [this] { showAlignment(true); });
    connect(m_alignment, &ReportAlignmentPanel::doneClicked, this,
            [this] { showAlignment(false); });
    connect(m_results, &ContactResultsPanel::hideClicked, this, &frmContacts::hideResults);
    connect(m_exit, &QPushButton::clicked, this, &frmContacts::returnToMenu);
    connect(m_toggleView, &QAction::triggered, this,
            [this] { showVendorList(!m_vendors->isVisible()); });
    connect(m_add, &QAction::triggered, m_editor, &ContactEditor::NewContact);
    connect(m_delete, &QAction::triggered, m_editor, &ContactEditor::DeleteContact);
    connect(m_listAll, &QAction::triggered, this, &frmContacts::ListAllContacts);
}

const ContactCursor& frmContacts::cursor() const {
    return m_editor->cursor();
}

void frmContacts::formLoad() {
    connectParts();
    if (pellar::DataFileExists(m_forms.data(), kContactsFile))
        m_editor->LoadContacts();
}

void frmContacts::showForm() {
    show();
    raise();
    activateWindow();
    m_editor->activate();
}

void frmContacts::contactsChanged(const QList<Contact>& contacts) {
    m_vendors->setContacts(contacts);
    QStringList names;
    names.reserve(contacts.size());
    for (const Contact& contact : contacts)
        names.append(contact.name);
    m_forms.payeesLoaded(names);
}

void frmContacts::loadFromVendorList(qint64 record) {
    if (record == 0) {
        refuse(tr("Choose a contact in the list first."));
        return;
    }
    m_editor->selectContact(record);
    showVendorList(false);
}

void frmContacts::showVendorList(bool visible) {
    m_vendors->setVisible(visible);
    // The window takes the list's room when it opens and gives it back when it closes.
    if (!visible)
        fitWindow();
}

void frmContacts::returnToMenu() {
    if (!m_editor->leave())
        return;
    m_search->hide();
    m_results->hide();
    m_alignment->hide();
    m_forms.showStartup(this);
}

void frmContacts::refuse(const QString& why) {
    pellar::ui::refuse(m_forms.desk(), m_note, why);
}

void frmContacts::fitWindow() {
    QTimer::singleShot(0, this, [this] { adjustSize(); });
}

} // namespace expenses
