// The contacts form's search, its result grid, the full list and the contact report.
#include "expenses/ui/frmcontacts.h"

#include "common/core/backup.h"
#include "common/core/desk.h"
#include "common/core/printerchoice.h"
#include "common/core/printjob.h"
#include "common/core/printsurface.h"
#include "common/core/regional.h"
#include "expenses/core/contactreport.h"
#include "expenses/core/contactsfoundmodel.h"
#include "expenses/ui/spendlogforms.h"

#include <QAction>
#include <QButtonGroup>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace expenses {

namespace {

QPushButton* button(const char* name, const QString& caption, const QString& tip, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(tip);
    return b;
}

// One frame in view, the others out of the way: they share the same place.
void showOnly(QGroupBox* shown, std::initializer_list<QGroupBox*> hidden) {
    for (QGroupBox* frame : hidden)
        frame->hide();
    shown->show();
}

} // namespace

void frmContacts::buildSearchFrame() {
    fraSearch = new QGroupBox(QStringLiteral("Payto Search"));
    fraSearch->setObjectName(QStringLiteral("fraSearch"));

    const char16_t* captions[kSearchOptionCount] = {
        u"by Name",  u"by Street Address", u"by Apt/PO Box Sub Div", u"by City",
        u"by State", u"by Zip Code",       u"by Telephone Number",   u"by Category"};
    m_searchKinds = new QButtonGroup(this);
    auto* options = new QGridLayout;
    options->setHorizontalSpacing(24);
    for (int i = 0; i < kSearchOptionCount; ++i) {
        optSearch[i] = new QRadioButton(QString::fromUtf16(captions[i]), fraSearch);
        optSearch[i]->setObjectName(QStringLiteral("optSearch_%1").arg(i));
        m_searchKinds->addButton(optSearch[i], i);
        // Four to a column, down the first column first.
        options->addWidget(optSearch[i], i % 4, i / 4);
    }
    options->setColumnStretch(2, 1);

    txtSearchfor = new QLineEdit(fraSearch);
    txtSearchfor->setObjectName(QStringLiteral("txtSearchfor"));
    txtSearchfor->setToolTip(QStringLiteral("Enter Criteria here"));
    // Room for the widest field searched.
    txtSearchfor->setMinimumWidth(txtSearchfor->fontMetrics().horizontalAdvance(u'n') * 36);
    auto* criterionLabel = new QLabel(QStringLiteral("Enter Criteria Here"), fraSearch);
    criterionLabel->setBuddy(txtSearchfor);

    cmdStartSearch = button("cmdStartSearch", QStringLiteral("Start Search"),
                            QStringLiteral("Finds Contact(s) based on Criteria"), fraSearch);
    cmdClearSearch = button("cmdClearSearch", QStringLiteral("Clear Search"),
                            QStringLiteral("Clears the Search Criteria"), fraSearch);
    cmdHideSearch = button("cmdHideSearch", QStringLiteral("Return"),
                           QStringLiteral("Hides the Search Screen"), fraSearch);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdStartSearch);
    buttons->addWidget(cmdClearSearch);
    buttons->addStretch(1);
    buttons->addWidget(cmdHideSearch);

    auto* layout = new QVBoxLayout(fraSearch);
    layout->addWidget(
        new QLabel(QStringLiteral("Click a Button to Select a Search Criteria"), fraSearch));
    layout->addLayout(options);
    layout->addSpacing(10);
    layout->addWidget(criterionLabel);
    layout->addWidget(txtSearchfor);
    layout->addWidget(
        new QLabel(QStringLiteral("Finds all Contacts that Match this Criteria"), fraSearch));
    layout->addSpacing(6);
    layout->addLayout(buttons);
}

void frmContacts::buildResultsFrame() {
    fraContactsFound = new QGroupBox(QStringLiteral("Payto Search Results"));
    fraContactsFound->setObjectName(QStringLiteral("fraContactsFound"));

    fgContactsFound = new QTableView(fraContactsFound);
    fgContactsFound->setObjectName(QStringLiteral("fgContactsFound"));
    fgContactsFound->setToolTip(QStringLiteral("Displays Customers"));
    fgContactsFound->setModel(m_found);
    fgContactsFound->setSelectionBehavior(QAbstractItemView::SelectRows);
    fgContactsFound->setSelectionMode(QAbstractItemView::SingleSelection);
    fgContactsFound->setEditTriggers(QAbstractItemView::NoEditTriggers);
    fgContactsFound->setWordWrap(false);
    fgContactsFound->verticalHeader()->hide();
    fgContactsFound->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    fgContactsFound->horizontalHeader()->setHighlightSections(false);
    const QFontMetrics metrics(fgContactsFound->font());
    const int charWidth = metrics.horizontalAdvance(u'n');
    // Name, telephone, street, city, state, postal code, record number.
    const int columns[ContactsFoundModel::ColumnCount] = {
        charWidth * 26, charWidth * 14, charWidth * 30, charWidth * 16,
        charWidth * 7,  charWidth * 10, charWidth * 11};
    int total = 0;
    for (int i = 0; i < ContactsFoundModel::ColumnCount; ++i) {
        fgContactsFound->setColumnWidth(i, columns[i]);
        total += columns[i];
    }
    fgContactsFound->horizontalHeader()->setStretchLastSection(true);
    fgContactsFound->verticalHeader()->setDefaultSectionSize(metrics.height() + 6);
    fgContactsFound->setMinimumWidth(total +
                                     fgContactsFound->verticalScrollBar()->sizeHint().width() +
                                     2 * fgContactsFound->frameWidth() + 2);
    fgContactsFound->setMinimumHeight((metrics.height() + 6) * 14);
    // The pop-up menu opens over the row that was right-clicked.
    fgContactsFound->installEventFilter(this);
    fgContactsFound->viewport()->installEventFilter(this);

    cmdPrintContacts = button("cmdPrintContacts", QStringLiteral("&Print"),
                              QStringLiteral("Prints the Contact List"), fraContactsFound);
    cmdRetry = button("cmdRetry", QStringLiteral("&Hide"),
                      QStringLiteral("Hides the Contactr Grid"), fraContactsFound);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(new QLabel(QStringLiteral("Click a Payto to Select then Right Click to "
                                                 "load                or Click Retry if not Found"),
                                  fraContactsFound),
                       1);
    buttons->addWidget(cmdPrintContacts);
    buttons->addWidget(cmdRetry);

    auto* layout = new QVBoxLayout(fraContactsFound);
    layout->addWidget(fgContactsFound, 1);
    layout->addLayout(buttons);
}

void frmContacts::connectSearch() {
    connect(Command1[0], &QPushButton::clicked, this, &frmContacts::openSearch);
    connect(m_searchKinds, &QButtonGroup::idClicked, this, &frmContacts::chooseSearchKind);
    connect(cmdClearSearch, &QPushButton::clicked, this, &frmContacts::chooseSearchKind);
    connect(cmdStartSearch, &QPushButton::clicked, this, &frmContacts::StartSearch);
    connect(txtSearchfor, &QLineEdit::returnPressed, this, &frmContacts::StartSearch);
    connect(cmdHideSearch, &QPushButton::clicked, this, &frmContacts::hideSearch);
    connect(cmdRetry, &QPushButton::clicked, this, &frmContacts::hideResults);
    connect(cmdPrintContacts, &QPushButton::clicked, this, &frmContacts::printContactReport);
    connect(mnuPrint, &QAction::triggered, this, &frmContacts::ListAllContacts);
    connect(mnuSelect, &QAction::triggered, this, &frmContacts::selectFoundContact);
}

void frmContacts::openSearch() {
    if (!SaveContact())
        return;
    showOnly(fraSearch, {fraContact, fraContactsFound});
    optSearch[int(SearchKind::Telephone)]->setChecked(true);
    txtSearchfor->setFocus();
    txtSearchfor->deselect();
    txtSearchfor->end(false);
    fitWindow();
}

void frmContacts::chooseSearchKind() {
    txtSearchfor->clear();
    txtSearchfor->setFocus();
}

void frmContacts::StartSearch() {
    const int checked = m_searchKinds->checkedId();
    const SearchKind kind = checked < 0 ? SearchKind::Telephone : SearchKind(checked);
    if (criterionTooShort(kind, txtSearchfor->text())) {
        m_forms.desk().beep();
        txtSearchfor->setFocus();
        return;
    }
    SearchContacts(kind, searchCriterion(txtSearchfor->text()));
}

void frmContacts::SearchContacts(SearchKind kind, const QString& criterion) {
    const ContactFile file = readAllContacts(m_forms.data());
    if (!file.problem.isEmpty()) {
        report(file.problem);
        return;
    }
    const QList<FoundContact> found = searchContacts(file.contacts, kind, criterion);
    m_found->setFound(found);
    // The first match starts out chosen, so the pop-up menu has a row even before a click.
    if (!found.isEmpty())
        fgContactsFound->selectRow(0);

    if (kind == SearchKind::All) {
        // The list was asked for to be seen and printed, however short it is.
        fraContact->hide();
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
        if (!SaveContact())
            return;
        ClearContactBoxes();
        NewContact();
        return;
    }
    if (found.size() == 1) {
        showContactFrame();
        selectContact(found.first().record);
        return;
    }
    m_listingAll = false;
    fraSearch->hide();
    fraContactsFound->setTitle(QStringLiteral("Contacts Search Results"));
    cmdPrintContacts->hide();
    fraContactsFound->show();
    fgContactsFound->setFocus();
    fitWindow();
}

void frmContacts::hideSearch() {
    showContactFrame();
}

void frmContacts::showContactFrame() {
    if (!fraContact->isHidden() && fraSearch->isHidden() && fraContactsFound->isHidden())
        return;
    showOnly(fraContact, {fraSearch, fraContactsFound});
    fitWindow();
}

void frmContacts::backToSearch() {
    showOnly(fraSearch, {fraContact, fraContactsFound});
    txtSearchfor->clear();
    txtSearchfor->setFocus();
    fitWindow();
}

void frmContacts::hideResults() {
    if (m_listingAll) {
        showContactFrame();
    } else {
        backToSearch();
    }
}

void frmContacts::ListAllContacts() {
    // The list and its report come from the file: the contact on screen goes there first.
    if (!SaveContact())
        return;
    // An empty file lists nothing, just as a missing one.
    if (!pellar::DataFileExists(m_forms.data(), kContactsFile) ||
        expenses::contactCount(m_forms.data()) == 0) {
        m_forms.desk().beep();
        return;
    }
    m_listingAll = true;
    fraSearch->hide();
    fraContactsFound->setTitle(QStringLiteral("Contact List"));
    cmdPrintContacts->show();
    fraContactsFound->show();
    SearchContacts(SearchKind::All, QStringLiteral("All"));
    fgContactsFound->setFocus();
}

bool frmContacts::chooseResultAt(const QPoint& viewportPos) {
    const QModelIndex index = fgContactsFound->indexAt(viewportPos);
    if (!index.isValid())
        return false;
    fgContactsFound->setCurrentIndex(index);
    return true;
}

void frmContacts::showResultsPopup(const QPoint& viewportPos, bool fromMouse) {
    QPoint at = viewportPos;
    if (fromMouse) {
        if (!chooseResultAt(viewportPos))
            return;
    } else {
        // From the keyboard the menu opens over the current row.
        const QModelIndex current = fgContactsFound->currentIndex();
        if (!current.isValid())
            return;
        at = fgContactsFound->visualRect(current).center();
    }
    mnupopup->popup(fgContactsFound->viewport()->mapToGlobal(at));
}

void frmContacts::selectFoundContact() {
    const qint64 record = m_found->recordAt(fgContactsFound->currentIndex().row());
    if (record == 0) {
        m_forms.desk().beep();
        return;
    }
    showContactFrame();
    selectContact(record);
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
    const ContactFile file = readAllContacts(m_forms.data());
    if (!file.problem.isEmpty()) {
        report(file.problem);
        return;
    }

    const auto printError = [&desk] {
        desk.message(QStringLiteral("Print Error"), {QStringLiteral("A Print Error has occurred")},
                     pellar::MessageButtons::Ok);
    };
    const QString date = pellar::formatShortDate(desk.today());
    const pellar::PrintOutcome printed = pellar::runPrintJob(
        desk,
        expensePageSetup(QStringLiteral("Portrait"), *printer, QStringLiteral("Contact Report")),
        [&](pellar::PrintSurface& surface) { PrintContactReport(surface, file.contacts, date); });
    if (!printed)
        printError();
}

void frmContacts::fitWindow() {
    QTimer::singleShot(0, this, [this] { adjustSize(); });
}

bool frmContacts::resultsContextMenu(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ContextMenu ||
        (watched != fgContactsFound && watched != fgContactsFound->viewport()))
        return false;
    const auto* menuEvent = static_cast<QContextMenuEvent*>(event);
    QPoint pos = menuEvent->pos();
    if (watched == fgContactsFound)
        pos = fgContactsFound->viewport()->mapFrom(fgContactsFound, pos);
    showResultsPopup(pos, menuEvent->reason() == QContextMenuEvent::Mouse);
    return true;
}

} // namespace expenses
