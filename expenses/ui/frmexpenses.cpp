#include "expenses/ui/frmexpenses.h"

#include "common/core/backup.h"
#include "common/core/datafiles.h"
#include "common/core/desk.h"
#include "common/core/regional.h"
#include "expenses/core/categories.h"
#include "expenses/core/contacts.h"
#include "expenses/core/expensefile.h"
#include "expenses/core/expensegridmodel.h"
#include "expenses/ui/notices.h"
#include "expenses/ui/spendlogforms.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QFile>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace expenses {

namespace {

inline constexpr const char16_t* kCheckbookFile = u"\\CheckbookInfo.txt";

// Focus that the person moved, as against focus moved by the form itself or lost to
// another window or a popup.
bool movedByPerson(Qt::FocusReason reason) {
    return reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
           reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
}

} // namespace

frmExpenses::frmExpenses(SpendlogForms& forms)
    : m_forms(forms)
    , m_desk(forms.desk())
    , m_gridModel(new ExpenseGridModel(this)) {
    setObjectName(QStringLiteral("frmExpenses"));
    setWindowTitle(QStringLiteral("Expenses"));
    for (QPushButton*& button : cmdExpense)
        button = nullptr;
    for (QPushButton*& button : cmdIncome)
        button = nullptr;

    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(buildEntryFrame());
    layout->addWidget(buildReviewFrame());
    layout->addWidget(buildCleanupFrame());
    buildSplitFrame();
    buildMenus();

    // One handler for the whole button array, dispatching on the index.
    auto* buttons = new QButtonGroup(this);
    for (int i = 0; i < ButtonCount; ++i) {
        if (cmdExpense[i])
            buttons->addButton(cmdExpense[i], i);
    }
    connect(buttons, &QButtonGroup::idClicked, this, &frmExpenses::onButton);

    txtAmount->installEventFilter(this);
    txtFinance->installEventFilter(this);
    txtSplitAmount->installEventFilter(this);
    fraPayto->installEventFilter(this);

    showFrame(fraMain);
    resize(960, 640);
}

void frmExpenses::buildMenus() {
    mnuReport = menuBar()->addMenu(QStringLiteral("&Reports"));
    mnuReport->setObjectName(QStringLiteral("mnuReport"));
    mnuExpenses = mnuReport->addAction(QStringLiteral("&Expenses"));
    mnuExpenses->setObjectName(QStringLiteral("mnuExpenses"));
    mnuCleanup = mnuReport->addAction(QStringLiteral("File Cleanup"));
    mnuCleanup->setObjectName(QStringLiteral("mnuCleanup"));
    connect(mnuExpenses, &QAction::triggered, this, &frmExpenses::showReview);
    connect(mnuCleanup, &QAction::triggered, this, &frmExpenses::openCleanup);
}

QPushButton* frmExpenses::makeButton(int index, const QString& caption, const QString& tip,
                                     QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QStringLiteral("cmdExpense_%1").arg(index));
    button->setToolTip(tip);
    button->setAutoDefault(false);
    cmdExpense[index] = button;
    return button;
}

void frmExpenses::showFrame(QGroupBox* frame) {
    for (QGroupBox* each : {fraMain, fraExpenses, fraCleanup})
        each->setVisible(each == frame);
}

void frmExpenses::formLoad() {
    // Payments by check and e-bill belong in the checkbook program when the person has it.
    const bool checkbook = pellar::DataFileExists(m_forms.data(), kCheckbookFile);
    optPayment[PayByCheck]->setEnabled(!checkbook);
    optPayment[PayByEBill]->setEnabled(!checkbook);
    lblCBFound[0]->setVisible(checkbook);
    lblCBFound[1]->setVisible(!checkbook);
    const int chosen = checkbook ? PayByCash : PayByCheck;
    optPayment[chosen]->setChecked(true);
    paymentClicked(chosen);
}

void frmExpenses::showForm() {
    show();
    raise();
    activateWindow();
    activate();
}

void frmExpenses::activate() {
    if (pellar::DataFileExists(m_forms.data(), kContactsFile)) {
        const ContactList list = readContactList(m_forms.data());
        if (!list.problem.isEmpty())
            reportFileProblem(m_desk, list.problem);
        QStringList names;
        for (const ContactSummary& contact : list.contacts)
            names.append(contact.name);
        setPayees(names);
    }
    const CategoriesRead categories = readCategories(m_forms.data());
    if (!categories.problem.isEmpty())
        reportFileProblem(m_desk, categories.problem);
    if (categories.found) {
        cboExpenseCategories->clear();
        cboExpenseCategories->addItems(categories.categories);
    }
    if (cboExpenseCategories->count() == 0) {
        m_desk.message(QStringLiteral("No Expense Catigories"),
                       {QStringLiteral("You Do not have any Expense Categories"),
                        QStringLiteral("Create a list by Selecting Setup on the Main Menu")});
        m_forms.showStartup(this);
        return;
    }
    cboExpenseCategories->setCurrentIndex(0);
    if (lstVendors->count() > 0)
        lstVendors->setCurrentRow(0);
    ResetEntryScreen();
    // Left over from older versions; nothing reads it. Removed where it lies: bringing a
    // copy back from the backup folder first, as data files are, would only be noise.
    const QString leftover = m_forms.data().filePath(kLeftoverExpensesFile);
    if (QFile::exists(leftover) && !QFile::remove(leftover))
        reportFileProblem(m_desk,
                          QStringLiteral("The file TempExpenses.txt could not be deleted."));
}

void frmExpenses::setPayees(const QStringList& names) {
    lstVendors->clear();
    lstVendors->addItems(names);
}

void frmExpenses::onButton(int index) {
    switch (index) {
    case Menu:
        m_forms.showStartup(this);
        break;
    case Enter:
        postSingleCategory();
        break;
    case Complete:
        completeSplit();
        break;
    case FinanceContinue:
        postFinanceCharge();
        break;
    case SplitEnter:
        enterSplitLine();
        break;
    case Redo:
    case SplitRedo:
        ResetEntryScreen();
        break;
    case ClearAmount:
        clearAmount();
        break;
    case SplitContinue:
        postSplit();
        break;
    case Cleanup:
        runCleanup();
        break;
    case Hide:
        showFrame(fraMain);
        break;
    default:
        break;
    }
}

bool frmExpenses::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        // Typing over a zero starts from an empty box.
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (!typed.isEmpty() && typed[0].isPrint()) {
            if (watched == txtAmount && txtAmount->text() == pellar::formatCurrency({}))
                txtAmount->clear();
            else if (watched == txtFinance && txtFinance->text() == u"0")
                txtFinance->clear();
        }
    } else if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (watched == txtAmount && reason != Qt::ActiveWindowFocusReason &&
            reason != Qt::PopupFocusReason)
            amountLeft();
        else if ((watched == txtFinance || watched == txtSplitAmount) && movedByPerson(reason))
            m_desk.beep();
    } else if (watched == fraPayto &&
               (event->type() == QEvent::Resize || event->type() == QEvent::Move)) {
        placeSplitSummary();
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace expenses
