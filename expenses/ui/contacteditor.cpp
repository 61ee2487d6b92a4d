#include "expenses/ui/contacteditor.h"

#include "common/core/backup.h"
#include "common/core/desk.h"
#include "common/ui/inputroutines.h"
#include "common/ui/keyboard.h"
#include "common/ui/widgets.h"
#include "expenses/ui/focusreasons.h"
#include "expenses/ui/notices.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace expenses {

namespace {

// A box that puts the cursor after its last character when it gets the focus, rather
// than selecting everything, so a click or a Tab never invites typing over a contact.
class ContactBox : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent* event) override {
        QLineEdit::focusInEvent(event);
        deselect();
        end(false);
    }
};

QComboBox* editableCombo(const QString& name, int width, QWidget* parent) {
    auto* combo = pellar::ui::named(new QComboBox(parent), name);
    combo->setEditable(true);
    // The lists are kept by the form; typing never adds to them by itself.
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->lineEdit()->setMaxLength(width);
    pellar::keepStorable(*combo);
    return combo;
}

struct ButtonText {
    const char* caption;
    const char* tip;
};

} // namespace

ContactEditor::ContactEditor(pellar::Desk& desk, const pellar::DataFolder& data, QWidget* parent)
    : QGroupBox(tr("Payto Information"), parent)
    , m_desk(desk)
    , m_cursor(data) {
    setObjectName(QStringLiteral("fraContact"));
    setToolTip(tr("Used to Display/Modify or Enter Contact Data"));

    // Widths of the record's fields, so a box never holds more than the file keeps.
    const int widths[9] = {20, 30, 35, 25, 2, 10, 13, 30, 30};
    for (int i = 0; i < 9; ++i) {
        m_boxes[i] =
            pellar::ui::named(new ContactBox(this), QStringLiteral("txtContact_%1").arg(i));
        pellar::keepStorable(*m_boxes[i]);
        m_boxes[i]->setMaxLength(widths[i]);
    }
    m_boxes[Account]->setToolTip(tr("Your Acct No with this Payto"));
    m_boxes[Name]->installEventFilter(this);
    m_city = editableCombo(QStringLiteral("cboCity"), 20, this);
    m_category = editableCombo(QStringLiteral("cboCategory"), 20, this);
    m_category->setToolTip(tr("Assign this Payto Recipient to a category"));
    // The category chosen is kept in the contacts file as it reads, so it stays untranslated.
    m_category->addItems({QStringLiteral("Vendor"), QStringLiteral("Supplier"),
                          QStringLiteral("Credit Card Company")});
    m_category->setEditText(QString());

    const int charWidth = QFontMetrics(m_boxes[0]->font()).horizontalAdvance(QLatin1Char('M'));
    m_boxes[State]->setFixedWidth(charWidth * 2 + 14);
    m_boxes[Postal]->setMinimumWidth(charWidth * 6);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    int row = 0;
    const auto label = [this](const QString& text, QWidget* box) {
        return pellar::ui::makeLabel(this, QString(), text, box);
    };
    const auto line = [&](const QString& text, QWidget* box, int span = 5) {
        grid->addWidget(label(text, box), row, 0);
        grid->addWidget(box, row, 1, 1, span);
    };
    line(tr("Account No."), m_boxes[Account]);
    ++row;
    line(tr("Name"), m_boxes[Name]);
    ++row;
    line(tr("Address 1"), m_boxes[Address1]);
    ++row;
    line(tr("Address 2"), m_boxes[Address2]);
    ++row;
    line(tr("City"), m_city, 1);
    grid->addWidget(label(tr("St"), m_boxes[State]), row, 2);
    grid->addWidget(m_boxes[State], row, 3);
    grid->addWidget(label(tr("Postal"), m_boxes[Postal]), row, 4);
    grid->addWidget(m_boxes[Postal], row, 5);
    ++row;
    line(tr("Telephone"), m_boxes[Telephone]);
    ++row;
    line(tr("Fax,Cell"), m_boxes[Fax]);
    ++row;
    line(tr("Category"), m_category);
    ++row;
    line(tr("Key Contact"), m_boxes[KeyContact], 4);
    grid->addWidget(new QLabel(tr("(FYI Only)"), this), row, 5);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(5, 1);

    const ButtonText moves[4] = {{"|<<", QT_TR_NOOP("Goes to Previous Contact Record")},
                                 {"<", QT_TR_NOOP("Goes to Previous Contact Record")},
                                 {">", QT_TR_NOOP("Goes to Next Contact Record")},
                                 {">>|", QT_TR_NOOP("Goes to Last Contact Record")}};
    m_moveGroup = new QButtonGroup(this);
    auto* buttons = new QHBoxLayout;
    for (int i = 0; i < 4; ++i) {
        m_moves[i] = pellar::ui::makeButton(this, QStringLiteral("cmdNav_%1").arg(i),
                                            tr(moves[i].caption), tr(moves[i].tip));
        m_moves[i]->setFixedWidth(charWidth * 3 + 16);
        m_moveGroup->addButton(m_moves[i], i);
        buttons->addWidget(m_moves[i]);
    }
    buttons->addSpacing(16);
    m_search = pellar::ui::makeButton(this, QStringLiteral("Command1_0"), tr("&Search"),
                                      tr("Enter Name, Address, etc  to find a Contact"));
    m_cancelAdd = pellar::ui::makeButton(this, QStringLiteral("Command1_1"), tr("Cancel &Add New"),
                                         tr("Cancels the creation of a New Contact Record"));
    m_cancelAdd->setEnabled(false);
    buttons->addWidget(m_search);
    buttons->addWidget(m_cancelAdd);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pellar::ui::makeNote(
        this, tr("Use this form to store Payto Information.  Select a Category for "
                 "this Recipient. Searching by Category would then find all Records "
                 "with this category")));
    layout->addSpacing(4);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    // The contact keeps its full width when the vendor list opens beside it.
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred);

    m_cursor.setCurrent(1);
    connect(m_moveGroup, &QButtonGroup::idClicked, this,
            [this](int index) { move(ContactCursor::Move(index)); });
    connect(m_search, &QPushButton::clicked, this, &ContactEditor::searchClicked);
    connect(m_cancelAdd, &QPushButton::clicked, this, &ContactEditor::CancelAddNew);
}

Contact ContactEditor::contact() const {
    Contact c;
    c.account = m_boxes[Account]->text();
    c.name = m_boxes[Name]->text();
    c.address1 = m_boxes[Address1]->text();
    c.address2 = m_boxes[Address2]->text();
    c.city = m_city->currentText();
    c.state = m_boxes[State]->text();
    c.postal = m_boxes[Postal]->text();
    c.telephone = m_boxes[Telephone]->text();
    c.fax = m_boxes[Fax]->text();
    c.category = m_category->currentText();
    c.keyContact = m_boxes[KeyContact]->text();
    return c;
}

void ContactEditor::putOnScreen(const Contact& c) {
    m_boxes[Account]->setText(c.account);
    m_boxes[Name]->setText(c.name);
    m_boxes[Address1]->setText(c.address1);
    m_boxes[Address2]->setText(c.address2);
    m_city->setEditText(c.city);
    m_boxes[State]->setText(c.state);
    m_boxes[Postal]->setText(c.postal);
    m_boxes[Telephone]->setText(c.telephone);
    m_boxes[Fax]->setText(c.fax);
    m_category->setEditText(c.category);
    m_boxes[KeyContact]->setText(c.keyContact);
}

void ContactEditor::clear() {
    for (QLineEdit* box : m_boxes)
        box->clear();
    m_city->setEditText(QString());
    m_category->setEditText(QString());
    m_boxes[Account]->setFocus();
}

void ContactEditor::offerCities(const QList<Contact>& contacts) {
    QStringList newCities;
    for (const Contact& contact : contacts) {
        const QString city = trimBlanks(contact.city);
        if (!city.isEmpty() && !m_cities.contains(city)) {
            m_cities.insert(city);
            newCities.append(city);
        }
    }
    // One insertion for all new cities: the first load may bring thousands.
    if (!newCities.isEmpty()) {
        const QString typed = m_city->currentText();
        m_city->addItems(newCities);
        m_city->setEditText(typed);
    }
}

void ContactEditor::LoadContacts() {
    report(m_cursor.reload());
    tellNotice();
    offerCities(m_cursor.contacts());
    emit contactsChanged(m_cursor.contacts());
}

void ContactEditor::activate() {
    show();
    clear();
    if (pellar::DataFileExists(m_cursor.folder(), kContactsFile))
        LoadContacts();
    else
        report(m_cursor.reload());
    tellNotice();
    if (m_cursor.count() == 0) {
        // The first contact is typed straight into the empty boxes.
        m_cursor.startFirst();
        m_cancelAdd->setEnabled(true);
        m_boxes[Account]->setFocus();
        m_desk.message(tr("Create Contacts"),
                       {tr("Your Contact File is Empty"), tr("Create your First Contact Now")},
                       pellar::MessageButtons::Ok);
        return;
    }
    m_cursor.keepInRange();
    ShowContact();
}

void ContactEditor::ShowContact() {
    clear();
    if (m_cursor.current() == 0)
        return;
    emit frontWanted();
    // A new contact has no record yet: its boxes stay empty.
    if (const std::optional<Contact> contact = m_cursor.currentContact())
        putOnScreen(*contact);
    m_category->setFocus();
}

bool ContactEditor::SaveContact() {
    Contact contact = this->contact();
    const QString typedState = contact.state;
    ContactSave saved = m_cursor.save(contact);
    if (saved.status == ContactSave::ChangedElsewhere) {
        // Asked with nothing held: the file is read again when the answer is acted on.
        if (m_desk.message(QString::fromUtf16(kProgramTitle),
                           {tr("This contact was changed or deleted elsewhere since "
                               "it was shown here, and that change is kept."),
                            tr("Save the contact on this screen as a new contact?")},
                           pellar::MessageButtons::YesNo) != pellar::MessageAnswer::Yes) {
            // The other change stands; the contacts are shown as they are now.
            LoadContacts();
            m_cursor.keepInRange();
            ShowContact();
            return true;
        }
        saved = m_cursor.saveAsNew(contact);
    }
    if (!saved) {
        report(saved.error);
        return false;
    }
    if (contact.state != typedState)
        m_boxes[State]->setText(contact.state);
    if (saved.status == ContactSave::Written) {
        m_cancelAdd->setEnabled(false);
        offerCities({contact});
        emit contactsChanged(m_cursor.contacts());
    }
    return true;
}

void ContactEditor::NewContact() {
    if (m_boxes[Name]->text().size() >= 2 && !SaveContact())
        return;
    // Asked for over the search or the list, the empty boxes still have to be seen.
    emit frontWanted();
    LoadContacts();
    m_cursor.startNew();
    clear();
    m_cancelAdd->setEnabled(true);
}

void ContactEditor::CancelAddNew() {
    m_cancelAdd->setEnabled(false);
    // Nothing of the new contact is in the file; the one before it comes back.
    m_cursor.cancelNew();
    ShowContact();
}

void ContactEditor::leaveAdding() {
    if (!m_cursor.adding())
        return;
    m_cursor.leaveNew();
    m_cancelAdd->setEnabled(false);
}

void ContactEditor::DeleteContact() {
    // The person sees the contact the question is about.
    emit frontWanted();
    if (m_cursor.current() == 0) {
        pellar::ui::refuse(m_desk, m_note, tr("There is no contact here to delete."));
        return;
    }
    if (m_desk.message(QString::fromUtf16(kProgramTitle), {tr("Delete this Contact?")},
                       pellar::MessageButtons::YesNoDefaultNo) != pellar::MessageAnswer::Yes) {
        m_boxes[Account]->setFocus();
        return;
    }
    if (m_cursor.adding()) {
        // The contact on screen was never saved: there is nothing to take from the file.
        CancelAddNew();
        m_boxes[Account]->setFocus();
        return;
    }
    const ContactSave removed = m_cursor.deleteCurrent();
    if (removed.status == ContactSave::ChangedElsewhere) {
        m_desk.message(QString::fromUtf16(kProgramTitle),
                       {tr("This contact was changed or deleted elsewhere since it "
                           "was shown here."),
                        tr("Nothing was deleted; the contacts are shown as they are "
                           "now.")},
                       pellar::MessageButtons::Ok);
        LoadContacts();
        m_cursor.keepInRange();
        ShowContact();
        return;
    }
    if (!removed) {
        report(removed.error);
        return;
    }
    // The file empty, the boxes wait for a new first contact.
    if (m_cursor.count() > 0)
        ShowContact();
    else
        clear();
    emit contactsChanged(m_cursor.contacts());
    m_boxes[Account]->setFocus();
}

void ContactEditor::move(ContactCursor::Move move) {
    if (!SaveContact())
        return;
    // Still waiting for a first contact: there is nowhere to go.
    if (m_cursor.count() == 0)
        return;
    leaveAdding();
    m_cursor.move(move);
    ShowContact();
}

void ContactEditor::selectContact(qint64 record) {
    if (!SaveContact())
        return;
    const bool adding = m_cursor.adding();
    if (!m_cursor.select(record))
        return;
    if (adding)
        m_cancelAdd->setEnabled(false);
    ShowContact();
}

bool ContactEditor::leave() {
    if (!SaveContact())
        return false;
    if (m_cursor.adding()) {
        // Left without a word typed: the new contact is dropped.
        m_cancelAdd->setEnabled(false);
        m_cursor.cancelNew();
    }
    return true;
}

void ContactEditor::checkName() {
    if (m_cursor.current() == 0 || m_boxes[Name]->text().size() >= 2)
        return;
    pellar::ui::refuse(m_desk, m_note, tr("A name needs at least 2 characters."));
    m_desk.message(tr("No Name Entered"),
                   {tr("The Name Field Must be at least 2 Characters"),
                    tr("This is okay if Cancelling a New Entry"), tr("Click Cancel AddNew Again")},
                   pellar::MessageButtons::Ok);
}

void ContactEditor::tellNotice() {
    if (m_cursor.notice() != m_noticeTold && !m_cursor.notice().isEmpty())
        reportFileProblem(m_desk, m_cursor.notice());
    m_noticeTold = m_cursor.notice();
}

void ContactEditor::report(const QString& problem) {
    if (!problem.isEmpty())
        reportFileProblem(m_desk, problem);
}

QList<QWidget*> ContactEditor::tabChain() const {
    return {m_boxes[Account], m_boxes[Name],  m_boxes[Address1],   m_boxes[Address2],
            m_city,           m_boxes[State], m_boxes[Postal],     m_boxes[Telephone],
            m_boxes[Fax],     m_category,     m_boxes[KeyContact], m_moves[0],
            m_moves[1],       m_moves[2],     m_moves[3],          m_search,
            m_cancelAdd};
}

bool ContactEditor::eventFilter(QObject* watched, QEvent* event) {
    // Only the person moving on counts; focus moved by the form itself, or lost to another
    // window or a menu, does not.
    if (watched == m_boxes[Name] && event->type() == QEvent::FocusOut &&
        movedByPerson(static_cast<QFocusEvent*>(event)->reason()))
        checkName();
    return QGroupBox::eventFilter(watched, event);
}

} // namespace expenses
