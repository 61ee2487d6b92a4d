// The contacts form's controls and their arrangement.
#include "expenses/ui/frmcontacts.h"

#include "common/ui/widgets.h"

#include "common/ui/inputroutines.h"

#include "expenses/core/contactsfoundmodel.h"
#include "expenses/core/vendorlistmodel.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
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

QComboBox* editableCombo(const char* name, int width, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(name));
    combo->setEditable(true);
    // The lists are kept by the form; typing never adds to them by itself.
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->lineEdit()->setMaxLength(width);
    pellar::keepStorable(*combo);
    return combo;
}

} // namespace

frmContacts::frmContacts(SpendlogForms& forms)
    : m_forms(forms)
    , m_vendors(new VendorListModel(this))
    , m_found(new ContactsFoundModel(this)) {
    setObjectName(QStringLiteral("frmContacts"));
    setWindowTitle(QStringLiteral("Payto Selection       "));

    buildContactFrame();
    buildSupplierFrame();
    buildMenus();
    buildSearchFrame();
    buildResultsFrame();

    auto* central = new QWidget(this);
    setCentralWidget(central);
    fraContact->setParent(central);
    fraSuppliers->setParent(central);

    fraSearch->setParent(central);
    // The window keeps its width when the search takes the contact's place.
    fraSearch->setMinimumWidth(fraContact->sizeHint().width());
    fraSearch->hide();
    fraContactsFound->setParent(central);
    fraContactsFound->hide();

    cmdExit = new QPushButton(QStringLiteral("&Menu"), central);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    cmdExit->setToolTip(QStringLiteral("Returns to the Main Menu"));

    auto* work = new QVBoxLayout;
    work->addWidget(fraContact);
    work->addWidget(fraSearch);
    work->addWidget(fraContactsFound);
    work->addStretch(1);

    auto* frames = new QHBoxLayout;
    frames->addLayout(work, 0);
    frames->addWidget(fraSuppliers, 1);

    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(12, 8, 12, 10);
    layout->addLayout(frames, 1);
    layout->addWidget(cmdExit, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    fraSuppliers->hide();

    QWidget* order[] = {txtContact[Account],
                        txtContact[Name],
                        txtContact[Address1],
                        txtContact[Address2],
                        cboCity,
                        txtContact[State],
                        txtContact[Postal],
                        txtContact[Telephone],
                        txtContact[Fax],
                        cboCategory,
                        txtContact[KeyContact],
                        cmdNav[0],
                        cmdNav[1],
                        cmdNav[2],
                        cmdNav[3],
                        Command1[0],
                        Command1[1],
                        optSearch[0],
                        optSearch[1],
                        optSearch[2],
                        optSearch[3],
                        optSearch[4],
                        optSearch[5],
                        optSearch[6],
                        optSearch[7],
                        txtSearchfor,
                        cmdStartSearch,
                        cmdClearSearch,
                        cmdHideSearch,
                        fgContactsFound,
                        cmdPrintContacts,
                        cmdRetry,
                        fgVendors,
                        cmdVendorList[0],
                        cmdVendorList[1],
                        cmdExit};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
}

void frmContacts::buildContactFrame() {
    fraContact = new QGroupBox(QStringLiteral("Payto Information"));
    fraContact->setObjectName(QStringLiteral("fraContact"));
    fraContact->setToolTip(QStringLiteral("Used to Display/Modify or Enter Contact Data"));

    // Widths of the record's fields, so a box never holds more than the file keeps.
    const int widths[9] = {20, 30, 35, 25, 2, 10, 13, 30, 30};
    for (int i = 0; i < 9; ++i) {
        txtContact[i] = new ContactBox(fraContact);
        pellar::keepStorable(*txtContact[i]);
        txtContact[i]->setObjectName(QStringLiteral("txtContact_%1").arg(i));
        txtContact[i]->setMaxLength(widths[i]);
    }
    txtContact[Account]->setToolTip(QStringLiteral("Your Acct No with this Payto"));
    txtContact[Name]->installEventFilter(this);
    cboCity = editableCombo("cboCity", 20, fraContact);
    cboCategory = editableCombo("cboCategory", 20, fraContact);
    cboCategory->setToolTip(QStringLiteral("Assign this Payto Recipient to a category"));

    const QFontMetrics metrics(txtContact[0]->font());
    const int charWidth = metrics.horizontalAdvance(QLatin1Char('M'));
    txtContact[State]->setFixedWidth(charWidth * 2 + 14);
    txtContact[Postal]->setMinimumWidth(charWidth * 6);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    int row = 0;
    const auto line = [&](const QString& text, QWidget* box) {
        grid->addWidget(pellar::ui::makeLabel(fraContact, QString(), text, box), row, 0);
        grid->addWidget(box, row, 1, 1, 5);
        ++row;
    };
    line(QStringLiteral("Account No."), txtContact[Account]);
    line(QStringLiteral("Name"), txtContact[Name]);
    line(QStringLiteral("Address 1"), txtContact[Address1]);
    line(QStringLiteral("Address 2"), txtContact[Address2]);
    grid->addWidget(pellar::ui::makeLabel(fraContact, QString(), QStringLiteral("City"), cboCity),
                    row, 0);
    grid->addWidget(cboCity, row, 1);
    grid->addWidget(
        pellar::ui::makeLabel(fraContact, QString(), QStringLiteral("St"), txtContact[State]), row,
        2);
    grid->addWidget(txtContact[State], row, 3);
    grid->addWidget(
        pellar::ui::makeLabel(fraContact, QString(), QStringLiteral("Postal"), txtContact[Postal]),
        row, 4);
    grid->addWidget(txtContact[Postal], row, 5);
    ++row;
    line(QStringLiteral("Telephone"), txtContact[Telephone]);
    line(QStringLiteral("Fax,Cell"), txtContact[Fax]);
    line(QStringLiteral("Category"), cboCategory);
    grid->addWidget(pellar::ui::makeLabel(fraContact, QString(), QStringLiteral("Key Contact"),
                                          txtContact[KeyContact]),
                    row, 0);
    grid->addWidget(txtContact[KeyContact], row, 1, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("(FYI Only)"), fraContact), row, 5);
    ++row;
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(5, 1);

    struct ButtonText {
        const char16_t* caption;
        const char16_t* tip;
    };
    const ButtonText nav[4] = {{u"|<<", u"Goes to Previous Contact Record"},
                               {u"<", u"Goes to Previous Contact Record"},
                               {u">", u"Goes to Next Contact Record"},
                               {u">>|", u"Goes to Last Contact Record"}};
    m_navButtons = new QButtonGroup(this);
    auto* navRow = new QHBoxLayout;
    for (int i = 0; i < 4; ++i) {
        cmdNav[i] = new QPushButton(QString::fromUtf16(nav[i].caption), fraContact);
        cmdNav[i]->setObjectName(QStringLiteral("cmdNav_%1").arg(i));
        cmdNav[i]->setToolTip(QString::fromUtf16(nav[i].tip));
        cmdNav[i]->setFixedWidth(charWidth * 3 + 16);
        m_navButtons->addButton(cmdNav[i], i);
        navRow->addWidget(cmdNav[i]);
    }
    navRow->addSpacing(16);
    const ButtonText commands[2] = {
        {u"&Search", u"Enter Name, Address, etc  to find a Contact"},
        {u"Cancel &Add New", u"Cancels the creation of a New Contact Record"}};
    for (int i = 0; i < 2; ++i) {
        Command1[i] = new QPushButton(QString::fromUtf16(commands[i].caption), fraContact);
        Command1[i]->setObjectName(QStringLiteral("Command1_%1").arg(i));
        Command1[i]->setToolTip(QString::fromUtf16(commands[i].tip));
        navRow->addWidget(Command1[i]);
    }
    navRow->addStretch(1);
    Command1[1]->setEnabled(false);

    auto* layout = new QVBoxLayout(fraContact);
    layout->addWidget(pellar::ui::makeNote(
        fraContact, QStringLiteral("Use this form to store Payto Information.  Select a "
                                   "Category for this Recipient. Searching by Category "
                                   "would then find all Records with this category")));
    layout->addSpacing(4);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addLayout(navRow);
    // The contact keeps its full width when the vendor list opens beside it.
    fraContact->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred);
}

void frmContacts::buildSupplierFrame() {
    fraSuppliers = new QGroupBox(QStringLiteral("Vendors / Suppliers List"));
    fraSuppliers->setObjectName(QStringLiteral("fraSuppliers"));

    fgVendors = new QTableView(fraSuppliers);
    fgVendors->setObjectName(QStringLiteral("fgVendors"));
    fgVendors->setModel(m_vendors);
    fgVendors->setSelectionBehavior(QAbstractItemView::SelectRows);
    fgVendors->setSelectionMode(QAbstractItemView::SingleSelection);
    fgVendors->setEditTriggers(QAbstractItemView::NoEditTriggers);
    fgVendors->verticalHeader()->hide();
    fgVendors->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    fgVendors->horizontalHeader()->setHighlightSections(false);
    fgVendors->setWordWrap(false);
    const QFontMetrics metrics(fgVendors->font());
    const int charWidth = metrics.horizontalAdvance(QLatin1Char('n'));
    const int columns[4] = {charWidth * 28, charWidth * 19, charWidth * 15, charWidth * 6};
    for (int i = 0; i < 4; ++i)
        fgVendors->setColumnWidth(i, columns[i]);
    fgVendors->horizontalHeader()->setStretchLastSection(true);
    fgVendors->verticalHeader()->setDefaultSectionSize(metrics.height() + 6);
    // Every column in view, with room for the scroll bar.
    fgVendors->setMinimumWidth(columns[0] + columns[1] + columns[2] + columns[3] +
                               fgVendors->verticalScrollBar()->sizeHint().width() +
                               2 * fgVendors->frameWidth() + 2);

    const char16_t* captions[2] = {u"Load", u"Quit"};
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(new QLabel(QStringLiteral("Left Click to Select"), fraSuppliers), 1);
    for (int i = 0; i < 2; ++i) {
        cmdVendorList[i] = new QPushButton(QString::fromUtf16(captions[i]), fraSuppliers);
        cmdVendorList[i]->setObjectName(QStringLiteral("cmdVendorList_%1").arg(i));
        buttons->addWidget(cmdVendorList[i]);
    }

    auto* layout = new QVBoxLayout(fraSuppliers);
    layout->addWidget(fgVendors, 1);
    layout->addWidget(pellar::ui::makeNote(
        fraSuppliers,
        QStringLiteral("Vendor / Supplier Data cannot be modified     on this screen")));
    layout->addLayout(buttons);
}

void frmContacts::buildMenus() {
    mnuView = menuBar()->addAction(QStringLiteral("Toggle View"));
    mnuView->setObjectName(QStringLiteral("mnuView"));
    mnuCust = menuBar()->addMenu(QStringLiteral("Files"));
    mnuCust->setObjectName(QStringLiteral("mnuCust"));
    mnuAdd = mnuCust->addAction(QStringLiteral("Add a New Recipient"));
    mnuAdd->setObjectName(QStringLiteral("mnuAdd"));
    mnuDelete = mnuCust->addAction(QStringLiteral("DELETE This Recipient"));
    mnuDelete->setObjectName(QStringLiteral("mnuDelete"));
    mnuPrint = mnuCust->addAction(QStringLiteral("Print  Recipient Records"));
    mnuPrint->setObjectName(QStringLiteral("mnuPrint"));
    // Shown only over the result grid.
    mnupopup = new QMenu(this);
    mnupopup->setObjectName(QStringLiteral("mnupopup"));
    mnuSelect = mnupopup->addAction(QStringLiteral("Select Recipient"));
    mnuSelect->setObjectName(QStringLiteral("mnuSelect"));
}

} // namespace expenses
