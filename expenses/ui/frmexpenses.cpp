#include "expenses/ui/frmexpenses.h"

#include "common/core/backup.h"
#include "common/core/desk.h"
#include "common/ui/keyboard.h"
#include "expenses/core/categories.h"
#include "expenses/core/contacts.h"
#include "expenses/core/expenseentry.h"
#include "expenses/ui/categorytotalspanel.h"
#include "expenses/ui/cleanuppanel.h"
#include "expenses/ui/entrynotices.h"
#include "expenses/ui/entrypanel.h"
#include "expenses/ui/exportpanel.h"
#include "expenses/ui/reviewpanel.h"
#include "expenses/ui/spendlogforms.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

namespace expenses {

frmExpenses::frmExpenses(SpendlogForms& forms)
    : m_forms(forms)
    , m_notices(std::make_unique<EntryNotices>(forms.desk())) {
    setObjectName(QStringLiteral("frmExpenses"));
    setWindowTitle(tr("Expenses"));

    auto* central = new QWidget(this);
    setCentralWidget(central);
    m_entry = new EntryPanel(*m_notices, forms.data(), central);
    m_review = new ReviewPanel(m_period, forms.desk(), forms.data(), central);
    m_cleanup = new CleanupPanel(m_period, forms.desk(), forms.data(), central);
    m_note = new pellar::ui::StatusNote(central);
    m_notices->setStatusNote(m_note);
    m_cleanup->setStatusNote(m_note);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(m_entry);
    layout->addWidget(m_review);
    layout->addWidget(m_cleanup);
    layout->addWidget(m_note);

    m_reports = menuBar()->addMenu(tr("&Reports"));
    m_reports->setObjectName(QStringLiteral("mnuReport"));
    m_reviewAction = m_reports->addAction(tr("&Expenses"));
    m_reviewAction->setObjectName(QStringLiteral("mnuExpenses"));
    m_cleanupAction = m_reports->addAction(tr("File &Cleanup"));
    m_cleanupAction->setObjectName(QStringLiteral("mnuCleanup"));
    m_reports->addSeparator();
    m_exportAction = m_reports->addAction(tr("E&xport..."));
    m_exportAction->setObjectName(QStringLiteral("mnuExport"));
    m_totalsAction = m_reports->addAction(tr("Category &Totals"));
    m_totalsAction->setObjectName(QStringLiteral("mnuCategoryTotals"));

    connect(m_reviewAction, &QAction::triggered, this, &frmExpenses::showReview);
    connect(m_cleanupAction, &QAction::triggered, this, &frmExpenses::openCleanup);
    // From the menu: the year so far, as the review first lists it.
    connect(m_exportAction, &QAction::triggered, this, [this] {
        const QDate today = m_forms.desk().today();
        openExport({QDate(today.year(), 1, 1), today});
    });
    connect(m_totalsAction, &QAction::triggered, this, &frmExpenses::openCategoryTotals);
    connect(m_review, &ReviewPanel::exportClicked, this, [this] { openExport(m_period); });
    connect(m_entry, &EntryPanel::menuClicked, this, [this] { m_forms.showStartup(this); });
    // After a posting the review lists everything on file.
    connect(m_entry, &EntryPanel::posted, this, [this] {
        m_period.start = QDate(1988, 1, 1);
        m_review->refresh();
    });
    connect(m_review, &ReviewPanel::closeClicked, this, [this] { showFrame(m_entry); });
    connect(m_cleanup, &CleanupPanel::hideClicked, this, [this] { showFrame(m_entry); });

    showFrame(m_entry);
    resize(960, 640);
}

frmExpenses::~frmExpenses() = default;

const ExpenseEntry& frmExpenses::entry() const {
    return m_entry->entry();
}

const ExpenseGridModel& frmExpenses::gridModel() const {
    return m_review->gridModel();
}

void frmExpenses::showFrame(QWidget* frame) {
    // The others go first, so the window never has to hold two frames at once; then the
    // focus goes to the frame's first control unless it is in the frame already (a frame
    // may set its own), never left behind in a hidden one.
    for (QWidget* each : {static_cast<QWidget*>(m_entry), static_cast<QWidget*>(m_review),
                          static_cast<QWidget*>(m_cleanup), static_cast<QWidget*>(m_export),
                          static_cast<QWidget*>(m_totals)})
        if (each && each != frame)
            each->setVisible(false);
    frame->setVisible(true);
    const QWidget* focus = QApplication::focusWidget();
    if (focus && frame->isAncestorOf(focus))
        return;
    for (QWidget* w = frame->nextInFocusChain(); w && w != frame; w = w->nextInFocusChain()) {
        if (frame->isAncestorOf(w) && w->isVisible() && w->isEnabled() &&
            (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void frmExpenses::formLoad() {
    // Payments by check and e-bill belong in the checkbook program when the person has it.
    m_entry->setCheckbookPresent(pellar::DataFileExists(m_forms.data(), pellar::kCheckbookFile));
}

void frmExpenses::showForm() {
    show();
    raise();
    activateWindow();
    activate();
}

void frmExpenses::showForm(Screen screen) {
    showForm();
    // The activation may have sent the person to the setup for categories instead.
    if (!isVisible())
        return;
    if (screen == Screen::Export)
        m_exportAction->trigger();
    else if (screen == Screen::CategoryTotals)
        openCategoryTotals();
}

void frmExpenses::activate() {
    if (pellar::DataFileExists(m_forms.data(), kContactsFile)) {
        const ContactFile file = readContacts(m_forms.data());
        if (!file.problem.isEmpty())
            m_notices->fileProblem(file.problem);
        QStringList names;
        for (const Contact& contact : file.contacts)
            names.append(contact.name);
        setPayees(names);
    }
    const CategoriesRead categories = readCategories(m_forms.data());
    if (!categories.problem.isEmpty())
        m_notices->fileProblem(categories.problem);
    if (categories.found)
        m_entry->setCategories(categories.categories);
    if (m_entry->categoryCount() == 0) {
        m_notices->noCategories();
        m_forms.showStartup(this);
        return;
    }
    m_entry->selectFirstChoices();
    m_entry->reset();
    // Left over from older versions; nothing reads it. Removed where it lies: bringing a
    // copy back from the backup folder first, as data files are, would only be noise.
    const QString leftover = m_forms.data().filePath(kLeftoverExpensesFile);
    if (QFile::exists(leftover) && !QFile::remove(leftover))
        m_notices->fileProblem(tr("The file TempExpenses.txt could not be deleted."));
}

void frmExpenses::setPayees(const QStringList& names) {
    m_entry->setPayees(names);
}

void frmExpenses::showReview() {
    showFrame(m_review);
    m_review->listFrom(ReviewPanel::YearToDate);
}

void frmExpenses::openCleanup() {
    if (m_forms.desk().message(
            tr("Archive Procedure"),
            {tr("Cleanup Permenantly removes Records in your Expense Files"),
             tr("You should Clean Files only when Records are no longer needed")},
            pellar::MessageButtons::OkCancel) != pellar::MessageAnswer::Ok)
        return;
    showFrame(m_cleanup);
    m_cleanup->open();
}

// The report screens are made when first wanted: the form opens without them.
void frmExpenses::addFrame(QWidget* frame) {
    frame->hide();
    auto* layout = static_cast<QVBoxLayout*>(centralWidget()->layout());
    layout->insertWidget(layout->indexOf(m_note), frame);
}

ExportPanel& frmExpenses::exportPanel() {
    if (!m_export) {
        m_export = new ExportPanel(m_forms.desk(), m_forms.data(), centralWidget());
        m_export->setStatusNote(m_note);
        connect(m_export, &ExportPanel::closeClicked, this, [this] { showFrame(m_entry); });
        addFrame(m_export);
    }
    return *m_export;
}

CategoryTotalsPanel& frmExpenses::totalsPanel() {
    if (!m_totals) {
        m_totals = new CategoryTotalsPanel(m_forms.context(), centralWidget());
        m_totals->setStatusNote(m_note);
        connect(m_totals, &CategoryTotalsPanel::closeClicked, this, [this] { showFrame(m_entry); });
        addFrame(m_totals);
    }
    return *m_totals;
}

void frmExpenses::openExport(const DateRange& period) {
    const CategoriesRead categories = readCategories(m_forms.data());
    if (!categories.problem.isEmpty())
        m_notices->fileProblem(categories.problem);
    showFrame(&exportPanel());
    m_export->open(period, categories.categories);
}

void frmExpenses::openCategoryTotals() {
    showFrame(&totalsPanel());
    // Room for the table and its charts side by side, where the screen has it.
    const QSize wanted(1280, 760);
    const QRect screen = this->screen() ? this->screen()->availableGeometry() : QRect();
    if (width() < wanted.width() || height() < wanted.height())
        resize(screen.isValid() ? wanted.boundedTo(screen.size()) : wanted);
    m_totals->open(m_forms.desk().today());
}

} // namespace expenses
