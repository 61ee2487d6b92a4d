#include "expenses/ui/frmcontacts.h"

#include "common/core/backup.h"
#include "common/core/desk.h"
#include "expenses/core/vendorlistmodel.h"
#include "expenses/ui/notices.h"
#include "expenses/ui/spendlogforms.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

namespace expenses {

namespace {

const QStringList& fixedCategories() {
    static const QStringList list{QStringLiteral("Vendor"), QStringLiteral("Supplier"),
                                  QStringLiteral("Credit Card Company")};
    return list;
}

} // namespace

void frmContacts::formLoad() {
    connect(m_navButtons, &QButtonGroup::idClicked, this, &frmContacts::navigate);
    connect(Command1[1], &QPushButton::clicked, this, &frmContacts::CancelAddNew);
    connect(cmdVendorList[0], &QPushButton::clicked, this, &frmContacts::loadFromVendorList);
    connect(cmdVendorList[1], &QPushButton::clicked, this, [this] { showVendorList(false); });
    connect(cmdExit, &QPushButton::clicked, this, &frmContacts::returnToMenu);
    connect(mnuView, &QAction::triggered, this,
            [this] { showVendorList(!fraSuppliers->isVisible()); });
    connect(mnuAdd, &QAction::triggered, this, &frmContacts::NewContact);
    connect(mnuDelete, &QAction::triggered, this, &frmContacts::DeleteContact);
    connectSearch();

    m_current = 1;
    if (pellar::DataFileExists(m_forms.data(), kContactsFile))
        LoadContacts();
    FillCategories();
}

void frmContacts::showForm() {
    show();
    raise();
    activateWindow();

    fraContact->show();
    ClearContactBoxes();
    m_count = 0;
    if (pellar::DataFileExists(m_forms.data(), kContactsFile))
        LoadContacts();
    if (m_count == 0) {
        // The first contact is typed straight into the empty boxes.
        m_adding = true;
        m_beforeAdd = 0;
        m_current = 1;
        Command1[1]->setEnabled(true);
        txtContact[Account]->setFocus();
        m_forms.desk().message(QStringLiteral("Create Contacts"),
                               {QStringLiteral("Your Contact File is Empty"),
                                QStringLiteral("Create your First Contact Now")},
                               pellar::MessageButtons::Ok);
        return;
    }
    m_current = std::clamp<qint64>(m_current, 1, m_count);
    ShowContact();
}

void frmContacts::LoadContacts() {
    const ContactList list = readContactList(m_forms.data());
    if (!list.problem.isEmpty())
        report(list.problem);
    m_count = expenses::contactCount(m_forms.data());

    QStringList names;
    names.reserve(list.contacts.size());
    QStringList newCities;
    for (const ContactSummary& contact : list.contacts) {
        names.append(contact.name);
        if (!contact.city.isEmpty() && !m_cities.contains(contact.city)) {
            m_cities.insert(contact.city);
            newCities.append(contact.city);
        }
    }
    // One insertion for all new cities: the first load may bring thousands.
    if (!newCities.isEmpty()) {
        const QString typed = cboCity->currentText();
        cboCity->addItems(newCities);
        cboCity->setEditText(typed);
    }
    m_vendors->setContacts(list.contacts);
    m_forms.payeesLoaded(names);
}

void frmContacts::FillCategories() {
    cboCategory->clear();
    cboCategory->addItems(fixedCategories());
    cboCategory->setEditText(QString());
}

void frmContacts::AddCityToList(const QString& city) {
    const QString trimmed = trimBlanks(city);
    if (trimmed.isEmpty() || m_cities.contains(trimmed))
        return;
    m_cities.insert(trimmed);
    const QString typed = cboCity->currentText();
    cboCity->addItem(trimmed);
    cboCity->setEditText(typed);
}

void frmContacts::ClearContactBoxes() {
    for (QLineEdit* box : txtContact)
        box->clear();
    cboCity->setEditText(QString());
    cboCategory->setEditText(QString());
    txtContact[Account]->setFocus();
}

void frmContacts::ShowContact() {
    ClearContactBoxes();
    if (m_current == 0)
        return;
    fraSearch->hide();
    fraContactsFound->hide();
    fraContact->show();
    // A new contact has no record yet: its boxes stay empty.
    if (m_current <= m_count) {
        QString problem;
        if (const std::optional<Contact> contact = readContact(m_forms.data(), m_current, &problem))
            putOnScreen(*contact);
        else
            report(problem);
    }
    cboCategory->setFocus();
}

bool frmContacts::SaveContact() {
    if (m_current == 0)
        return true;
    Contact contact = contactOnScreen();
    // Empty boxes are no contact: writing them would leave a blank record behind.
    if (contact.isBlank())
        return true;
    if (trimBlanks(contact.state).isEmpty()) {
        contact.state = QStringLiteral("Fl");
        txtContact[State]->setText(contact.state);
    }
    // A record beyond the file (a new contact) is appended, never written past a gap.
    const qint64 onFile = expenses::contactCount(m_forms.data());
    const qint64 record = std::min(m_current, onFile + 1);
    if (const pellar::FileResult written = writeContact(m_forms.data(), record, contact);
        !written) {
        report(written.error);
        return false;
    }
    m_current = record;
    if (m_adding) {
        m_adding = false;
        Command1[1]->setEnabled(false);
    }
    AddCityToList(contact.city);
    LoadContacts();
    return true;
}

void frmContacts::NewContact() {
    if (txtContact[Name]->text().size() >= 2 && !SaveContact())
        return;
    // Asked for over the search or the list, the empty boxes still have to be seen.
    showContactFrame();
    if (!m_adding)
        m_beforeAdd = m_current;
    m_count = expenses::contactCount(m_forms.data());
    m_current = m_count + 1;
    m_adding = true;
    ClearContactBoxes();
    LoadContacts();
    Command1[1]->setEnabled(true);
}

void frmContacts::CancelAddNew() {
    Command1[1]->setEnabled(false);
    if (m_adding) {
        // Nothing of the new contact is in the file; the one before it comes back.
        m_adding = false;
        m_current = std::min(m_beforeAdd, m_count);
    }
    ShowContact();
}

void frmContacts::leaveAdding() {
    if (!m_adding)
        return;
    m_adding = false;
    Command1[1]->setEnabled(false);
}

void frmContacts::DeleteContact() {
    // The person sees the contact the question is about.
    showContactFrame();
    if (m_current == 0) {
        m_forms.desk().beep();
        return;
    }
    if (m_forms.desk().message(QString::fromUtf16(kProgramTitle),
                               {QStringLiteral("Delete this Contact?")},
                               pellar::MessageButtons::YesNo) != pellar::MessageAnswer::Yes) {
        txtContact[Account]->setFocus();
        return;
    }
    if (m_adding) {
        // The contact on screen was never saved: there is nothing to take from the file.
        CancelAddNew();
        txtContact[Account]->setFocus();
        return;
    }
    const qint64 before = expenses::contactCount(m_forms.data());
    if (const pellar::FileResult removed = deleteContact(m_forms.data(), m_current); !removed) {
        report(removed.error);
        return;
    }
    if (before > 1) {
        m_count = before - 1;
        m_current = std::min(m_current, m_count);
        ShowContact();
    } else {
        // The file is empty now; the boxes wait for a new first contact.
        m_count = 0;
        m_current = 1;
        m_adding = true;
        m_beforeAdd = 0;
        ClearContactBoxes();
    }
    LoadContacts();
    txtContact[Account]->setFocus();
}

void frmContacts::navigate(int index) {
    if (!SaveContact())
        return;
    // Still waiting for a first contact: there is nowhere to go.
    if (m_count == 0)
        return;
    leaveAdding();
    switch (index) {
    case First:
        m_current = 1;
        break;
    case Previous:
        if (m_current > 1)
            m_current = std::min(m_current - 1, m_count);
        break;
    case Next:
        m_current = m_current >= m_count ? 1 : m_current + 1;
        break;
    case Last:
        m_current = m_count;
        break;
    default:
        return;
    }
    ShowContact();
}

void frmContacts::selectContact(qint64 record) {
    if (!SaveContact())
        return;
    if (record < 1 || record > m_count)
        return;
    leaveAdding();
    m_current = record;
    ShowContact();
}

void frmContacts::loadFromVendorList() {
    const QModelIndexList rows = fgVendors->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        m_forms.desk().beep();
        return;
    }
    // Saving reloads the list, so the choice is taken first.
    const qint64 record = m_vendors->recordAt(rows.first().row());
    selectContact(record);
    showVendorList(false);
}

void frmContacts::showVendorList(bool visible) {
    fraSuppliers->setVisible(visible);
    // The window takes the list's room when it opens and gives it back when it closes.
    if (!visible)
        QTimer::singleShot(0, this, [this] { adjustSize(); });
}

void frmContacts::returnToMenu() {
    if (m_current != 0 && !SaveContact())
        return;
    if (m_adding) {
        // Left without a word typed: the new contact is dropped.
        m_adding = false;
        Command1[1]->setEnabled(false);
        m_current = std::min(m_beforeAdd, m_count);
    }
    fraSearch->hide();
    fraContactsFound->hide();
    m_forms.showStartup(this);
}

Contact frmContacts::contactOnScreen() const {
    Contact c;
    c.account = txtContact[Account]->text();
    c.name = txtContact[Name]->text();
    c.address1 = txtContact[Address1]->text();
    c.address2 = txtContact[Address2]->text();
    c.city = cboCity->currentText();
    c.state = txtContact[State]->text();
    c.postal = txtContact[Postal]->text();
    c.telephone = txtContact[Telephone]->text();
    c.fax = txtContact[Fax]->text();
    c.category = cboCategory->currentText();
    c.keyContact = txtContact[KeyContact]->text();
    return c;
}

void frmContacts::putOnScreen(const Contact& c) {
    txtContact[Account]->setText(c.account);
    txtContact[Name]->setText(c.name);
    txtContact[Address1]->setText(c.address1);
    txtContact[Address2]->setText(c.address2);
    cboCity->setEditText(c.city);
    txtContact[State]->setText(c.state);
    txtContact[Postal]->setText(c.postal);
    txtContact[Telephone]->setText(c.telephone);
    txtContact[Fax]->setText(c.fax);
    cboCategory->setEditText(c.category);
    txtContact[KeyContact]->setText(c.keyContact);
}

void frmContacts::checkName() {
    if (m_current == 0 || txtContact[Name]->text().size() >= 2)
        return;
    m_forms.desk().beep();
    m_forms.desk().message(QStringLiteral("No Name Entered"),
                           {QStringLiteral("The Name Field Must be at least 2 Characters"),
                            QStringLiteral("This is okay if Cancelling a New Entry"),
                            QStringLiteral("Click Cancel AddNew Again")},
                           pellar::MessageButtons::Ok);
}

bool frmContacts::eventFilter(QObject* watched, QEvent* event) {
    if (resultsContextMenu(watched, event))
        return true;
    if (watched == txtContact[Name] && event->type() == QEvent::FocusOut) {
        // Only the person moving on counts; focus moved by the form itself, or lost to
        // another window or a menu, does not.
        switch (static_cast<QFocusEvent*>(event)->reason()) {
        case Qt::MouseFocusReason:
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
        case Qt::ShortcutFocusReason:
            checkName();
            break;
        default:
            break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmContacts::report(const QString& problem) {
    reportFileProblem(m_forms.desk(), problem);
}

} // namespace expenses
