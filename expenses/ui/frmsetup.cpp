#include "expenses/ui/frmsetup.h"

#include "common/ui/tinted.h"
#include "common/core/desk.h"
#include "common/core/programcontext.h"
#include "common/ui/keyboard.h"
#include "expenses/core/categories.h"
#include "expenses/ui/categorylists.h"
#include "expenses/ui/notices.h"
#include "expenses/ui/spendlogforms.h"

#include <QAction>
#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace expenses {

namespace {

QLabel* note(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

QLabel* heading(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setBuddy(buddy);
    return label;
}

} // namespace

frmSetup::frmSetup(SpendlogForms& forms)
    : m_forms(forms) {
    setObjectName(QStringLiteral("frmSetup"));
    setWindowTitle(tr("Spendlog Form"));

    auto* central = new QWidget(this);
    setCentralWidget(central);

    m_suggested = new CategorySourceList(central);
    m_suggested->setObjectName(QStringLiteral("lstCategories"));
    m_suggested->setToolTip(tr("Displays a List of Suggested Expenses"));
    m_nondeductible = new CategorySourceList(central);
    m_nondeductible->setObjectName(QStringLiteral("lstNondeductable"));
    m_nondeductible->setToolTip(tr("Displays Expenses that are not tax deductable"));
    m_expenseList = new ExpenseListBox(central);
    m_expenseList->setObjectName(QStringLiteral("cboCategories"));
    m_expenseList->setToolTip(tr("Displays Expense Categories for your Business"));
    m_expenseList->typingArea()->setPlaceholderText(tr("Type Here"));

    struct ButtonText {
        const char* caption;
        const char* tip;
    };
    const ButtonText texts[5] = {
        {QT_TR_NOOP("Add&Item"), QT_TR_NOOP("Adds the current item to your expense list")},
        {QT_TR_NOOP("&DeleteItem"), QT_TR_NOOP("Delets the Current Item from your Expense List")},
        {QT_TR_NOOP("Select&All"),
         QT_TR_NOOP("Adds all Categoiries and Non-Deductables to your Expenses List")},
        {QT_TR_NOOP("&ClearAll"), QT_TR_NOOP("Clears your Expense List")},
        {QT_TR_NOOP("&Use a Standard Chart of Accounts"),
         QT_TR_NOOP("Click to load a Standard Chart of Accounts")},
    };
    m_expenseButtons = new QButtonGroup(this);
    for (int i = 0; i < 5; ++i) {
        m_listButtons[i] = new QPushButton(tr(texts[i].caption), central);
        m_listButtons[i]->setObjectName(QStringLiteral("cmdExpense_%1").arg(i));
        m_listButtons[i]->setToolTip(tr(texts[i].tip));
        m_expenseButtons->addButton(m_listButtons[i], i);
    }
    m_saveAndReturn = new QPushButton(tr("Save Changes and Return to &Menu"), central);
    m_saveAndReturn->setObjectName(QStringLiteral("cmdQuit"));
    m_saveAndReturn->setToolTip(tr("Returns to Main Menu"));

    QAction* order = menuBar()->addAction(tr("&Order Banking Supplies"));
    order->setObjectName(QStringLiteral("mnuOrder"));

    // Layout: the explanation on top, the two ready-made lists, the expense list with its
    // buttons, and the way back at the bottom.
    auto* intro = note(tr("You can track Expenses by Categories Unique to your Business or "
                          "use a Standard Chart of Accounts.  To select all Categories, "
                          "including Non Deductable Catagories, Click Select All. You can "
                          "add or delete from the Expense List."),
                       central);
    auto* dragHint = note(tr("You can Drag and Drop from the Categories Lists to the "
                             "Expenses List or you can Type an Expense into the list "
                             "and click AddItem."),
                          central);
    auto* eitherList = new QLabel(tr("Drag from Either List to Expense List"), central);
    eitherList->setAlignment(Qt::AlignCenter);
    pellar::ui::tinted(eitherList, pellar::Tint::Notice);
    QFont italic = eitherList->font();
    italic.setItalic(true);
    eitherList->setFont(italic);
    auto* uppercase = note(tr("To create a non-deductable Category, enter it in "
                              "UPPERCASE Letters"),
                           central);

    auto* sources = new QGridLayout;
    sources->addWidget(heading(tr("Categories List"), m_suggested, central), 0, 0);
    sources->addWidget(m_suggested, 1, 0, 3, 1);
    sources->addWidget(heading(tr("Non Deductable Categories"), m_nondeductible, central), 0, 1);
    sources->addWidget(m_nondeductible, 1, 1);
    sources->addWidget(uppercase, 2, 1);
    sources->addWidget(eitherList, 3, 1, Qt::AlignBottom);
    sources->setRowStretch(3, 1);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : m_listButtons)
        buttons->addWidget(button);
    buttons->addStretch(1);

    auto* target = new QGridLayout;
    target->addWidget(heading(tr("Expenses List"), m_expenseList, central), 0, 0);
    target->addWidget(m_expenseList, 1, 0);
    target->addLayout(buttons, 1, 1);
    target->setRowStretch(1, 1);

    auto* lists = new QHBoxLayout;
    lists->addLayout(sources, 0);
    lists->addSpacing(12);
    lists->addLayout(target, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(dragHint, 1);
    bottom->addSpacing(12);
    bottom->addWidget(m_saveAndReturn, 0, Qt::AlignBottom);

    m_note = new pellar::ui::StatusNote(central);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(14, 10, 14, 12);
    layout->addWidget(intro);
    layout->addSpacing(6);
    layout->addLayout(lists, 1);
    layout->addSpacing(6);
    layout->addLayout(bottom);
    layout->addWidget(m_note);
    resize(860, 600);

    connect(m_expenseButtons, &QButtonGroup::idClicked, this, &frmSetup::expenseClicked);
    connect(m_expenseList, &ExpenseListBox::droppedFrom, this, &frmSetup::dropFromList);
    connect(m_saveAndReturn, &QPushButton::clicked, this, &frmSetup::saveAndReturn);
    pellar::ui::returnClicks(m_expenseList->typingArea(), m_listButtons[AddItem]);
    connect(order, &QAction::triggered, this, [this] {
        if (const pellar::FileResult opened = showFormsNotice(m_forms.context()); !opened)
            reportFileProblem(m_forms.desk(), opened.error);
    });

    setTabOrder(m_expenseList, m_listButtons[0]);
    for (int i = 0; i < 4; ++i)
        setTabOrder(m_listButtons[i], m_listButtons[i + 1]);
    setTabOrder(m_listButtons[4], m_saveAndReturn);
    setTabOrder(m_saveAndReturn, m_suggested);
    setTabOrder(m_suggested, m_nondeductible);
}

void frmSetup::formLoad() {
    m_suggested->addItems(suggestedCategories());
    m_nondeductible->addItems(nondeductibleCategories());
    // Sized to their entries: the whole of every category readable, the short list whole.
    const int scrollBar = m_suggested->verticalScrollBar()->sizeHint().width();
    for (QListWidget* list :
         {static_cast<QListWidget*>(m_suggested), static_cast<QListWidget*>(m_nondeductible)})
        list->setMinimumWidth(list->sizeHintForColumn(0) + scrollBar + 2 * list->frameWidth() + 8);
    m_nondeductible->setFixedHeight(m_nondeductible->sizeHintForRow(0) * m_nondeductible->count() +
                                    2 * m_nondeductible->frameWidth() + 4);
    m_suggested->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_expenseList->setMinimumWidth(m_suggested->minimumWidth() + 40);
    const CategoriesRead saved = readCategories(m_forms.data());
    m_shown = saved;
    if (!saved.problem.isEmpty()) {
        reportFileProblem(m_forms.desk(), saved.problem);
        return;
    }
    if (saved.found) {
        m_expenseList->clear();
        m_expenseList->addItems(saved.categories);
    }
}

void frmSetup::showForm() {
    show();
    raise();
    activateWindow();
    m_expenseList->setFocus();
}

void frmSetup::addEntry(const QString& candidate) {
    if (canAddCategory(m_expenseList->items(), candidate)) {
        m_expenseList->addItem(candidate);
        return;
    }
    if (candidate.trimmed().isEmpty())
        pellar::ui::refuse(m_forms.desk(), m_note, tr("Type a category to add."));
    else
        m_note->say(tr("%1 is in the Expenses List already.").arg(candidate));
}

void frmSetup::dropFromList(const QString& listName) {
    const QListWidget* source = listName == m_suggested->objectName()       ? m_suggested
                                : listName == m_nondeductible->objectName() ? m_nondeductible
                                                                            : nullptr;
    if (!source || !source->currentItem())
        return;
    addEntry(source->currentItem()->text());
}

void frmSetup::expenseClicked(int index) {
    switch (index) {
    case AddItem:
        addEntry(m_expenseList->editText());
        break;
    case DeleteItem:
        if (const int selected = m_expenseList->currentIndex(); selected >= 0) {
            m_expenseList->removeItem(selected);
            m_expenseList->setCurrentIndex(-1);
        }
        break;
    case SelectAll:
        // The whole of both lists, as they stand: no duplicate test.
        m_expenseList->clear();
        m_expenseList->addItems(suggestedCategories());
        m_expenseList->addItems(nondeductibleCategories());
        break;
    case ClearAll:
        m_expenseList->clear();
        break;
    case StandardChart:
        useStandardChart();
        break;
    default:
        break;
    }
}

void frmSetup::useStandardChart() {
    const CategoriesRead chart = readChart(m_forms.data());
    if (!chart.found) {
        pellar::ui::refuse(m_forms.desk(), m_note,
                           tr("There is no standard chart of accounts (Chart.txt) "
                              "in the data folder."));
        return;
    }
    if (!chart.problem.isEmpty()) {
        reportFileProblem(m_forms.desk(), chart.problem);
        return;
    }
    m_expenseList->clear();
    m_expenseList->addItems(chart.categories);
}

void frmSetup::saveAndReturn() {
    if (m_expenseList->count() == 0) {
        m_forms.desk().message(tr("No Expense Codes Selected"),
                               {tr("You must Enter Expense Codes")}, pellar::MessageButtons::Ok);
        return;
    }
    const QStringList list = m_expenseList->items();
    for (;;) {
        const CategoriesSave saved = saveCategoriesOver(m_forms.data(), list, m_shown);
        if (!saved.result) {
            reportFileProblem(m_forms.desk(), saved.result.error);
            return;
        }
        if (!saved.changedMeanwhile)
            break;
        // Asked with nothing held; a Yes is checked against the file again, in case it
        // changed once more while the question was open.
        m_shown = saved.current;
        if (m_forms.desk().message(QString::fromUtf16(kProgramTitle),
                                   {tr("The Expense Categories were changed "
                                       "elsewhere since this screen showed them."),
                                    tr("Replace them with the Expenses List on this "
                                       "screen?")},
                                   pellar::MessageButtons::YesNoDefaultNo) !=
            pellar::MessageAnswer::Yes) {
            m_expenseList->clear();
            m_expenseList->addItems(saved.current.categories);
            m_note->say(tr("The categories saved elsewhere are kept; the Expenses "
                           "List now shows them."));
            return;
        }
    }
    m_shown = {list, true, {}, encodeCategories(list)};
    m_forms.showStartup(this);
}

} // namespace expenses
