// Alt-key letters: in every window of the expense and deposit programs each menu, action and
// button caption has one, and no two controls that can be on screen together share one.
#include "deposits/ui/frmsplash.h"
#include "deposits/ui/slipmaker.h"
#include "expenses/ui/frmexpenses.h"
#include "expenses/ui/frmstartup.h"
#include "expenses/ui/spendlogforms.h"
#include "tests/support/testprogram.h"

#include <QAbstractButton>
#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMetaObject>
#include <QShortcut>
#include <QTabWidget>
#include <QWidget>
#include <algorithm>
#include <gtest/gtest.h>
#include <map>

namespace {

// The Alt+letter of a caption, as the controls read it ("&&" is a plain ampersand).
constexpr auto mnemonic = &QKeySequence::mnemonic;

struct Caption {
    QString where;
    QString text;
    const QWidget* hiddenPanel; // the outermost hidden part of the window it sits in, if any
    const QWidget* screen;      // the screen of the window it belongs to, if any
};

// The parts of a window that take one another's place (only one is on screen at a time), by
// name, several names to a screen where parts show together; the pages of a tab or stacked
// widget are such screens too.
const QList<QStringList> kScreens[] = {
    {{"fraMain"}, {"fraExpenses"}, {"fraCleanup"}, {"fraExport"}, {"fraCategoryTotals"}},
    {{"fraContact", "fraSuppliers"}, {"fraSearch"}, {"fraContactsFound"}, {"fraAlignment"}},
    {{"fraDepositCreation", "fraCheckEntry"}, {"fraAmountBack"}, {"fraDepositSummary"}},
};

const QWidget* screenOf(const QWidget* control, const QWidget* window) {
    for (const QWidget* w = control; w && w != window; w = w->parentWidget()) {
        const QWidget* parent = w->parentWidget();
        if (parent && parent->inherits("QStackedWidget"))
            return w;
        for (const QList<QStringList>& screens : kScreens) {
            for (const QStringList& screen : screens) {
                if (screen.contains(w->objectName()))
                    return window->findChild<QWidget*>(screen.first());
            }
        }
    }
    return nullptr;
}

// The outermost ancestor below the window that is hidden: controls inside it come on screen
// with it, together with what is shown now.
const QWidget* hiddenPanelOf(const QWidget* control, const QWidget* window) {
    const QWidget* panel = nullptr;
    for (const QWidget* w = control; w && w != window; w = w->parentWidget()) {
        if (w->isHidden())
            panel = w;
    }
    return panel;
}

QString describe(const QObject* object, const QString& text) {
    return QStringLiteral("%1 %2 \"%3\"")
        .arg(QString::fromLatin1(object->metaObject()->className()), object->objectName(), text);
}

// The problems of one window: captions without a letter, letters used twice in one scope.
QStringList problemsOf(QWidget* window) {
    QStringList problems;
    QList<Caption> captions;
    const QString name = window->objectName();
    // A caption of arrows alone ("<", ">>|") has no letter to give.
    auto needLetter = [&](const QObject* object, const QString& text) {
        const bool wordy =
            std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
        if (wordy && mnemonic(text).isEmpty())
            problems << name + QStringLiteral(": no letter: ") + describe(object, text);
    };
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (button->text().isEmpty() || button->inherits("QToolButton"))
            continue;
        needLetter(button, button->text());
        captions.append({describe(button, button->text()), button->text(),
                         hiddenPanelOf(button, window), screenOf(button, window)});
    }
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->buddy())
            captions.append({describe(label, label->text()), label->text(),
                             hiddenPanelOf(label, window), screenOf(label, window)});
    }
    // A window-wide Alt+letter key of the form's own takes the letter from every screen.
    for (QShortcut* shortcut : window->findChildren<QShortcut*>()) {
        const QKeyCombination key = shortcut->key()[0];
        if (shortcut->isEnabled() && key.keyboardModifiers() == Qt::AltModifier &&
            key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z) {
            const QString text = QStringLiteral("&") + QChar(u'a' + (key.key() - Qt::Key_A));
            // As it stands now: a form may let its key stand aside while a button of the
            // same letter is on screen, so it is weighed against what is shown.
            captions.append({describe(shortcut, text), text, window, nullptr});
        }
    }
    for (QMenuBar* bar : window->findChildren<QMenuBar*>()) {
        for (QAction* action : bar->actions()) {
            needLetter(action, action->text());
            captions.append({describe(action, action->text()), action->text(), nullptr, nullptr});
        }
    }
    // A menu's own letters act only while it is open.
    for (QMenu* menu : window->findChildren<QMenu*>()) {
        std::map<QKeySequence, QString> used;
        for (QAction* action : menu->actions()) {
            if (action->isSeparator() || !action->isVisible())
                continue;
            needLetter(action, action->text());
            const QKeySequence letter = mnemonic(action->text());
            if (letter.isEmpty())
                continue;
            auto [at, fresh] = used.emplace(letter, action->text());
            if (!fresh)
                problems << name + QStringLiteral(": menu \"%1\": \"%2\" and \"%3\"")
                                       .arg(menu->title(), at->second, action->text());
        }
    }
    // Within the window: what is shown now, and each hidden part together with it; parts on
    // two different screens are never shown together.
    for (const Caption& a : captions) {
        for (const Caption& b : captions) {
            if (&a >= &b || mnemonic(a.text).isEmpty() || mnemonic(a.text) != mnemonic(b.text))
                continue;
            if (a.hiddenPanel && b.hiddenPanel && a.hiddenPanel != b.hiddenPanel)
                continue;
            if (a.screen && b.screen && a.screen != b.screen)
                continue;
            problems << name + QStringLiteral(": ") + a.where + QStringLiteral(" and ") + b.where;
        }
    }
    return problems;
}

QStringList problemsOfAll(pellar::ProgramShell& shell) {
    QStringList problems;
    for (QWidget* form : shell.loadedForms()) {
        EXPECT_FALSE(form->objectName().isEmpty());
        problems << problemsOf(form);
        // Each tab of a form in turn, as the person would bring it forward.
        for (QTabWidget* tabs : form->findChildren<QTabWidget*>()) {
            for (int tab = 0; tab < tabs->count(); ++tab) {
                tabs->setCurrentIndex(tab);
                problems << problemsOf(form);
            }
        }
    }
    problems.removeDuplicates();
    return problems;
}

} // namespace

TEST(Mnemonics, EveryCaptionOfTheExpenseProgramHasItsOwnLetter) {
    pellar::testing::TestProgram app{expenses::spendlogProfile()};
    app.folder.put("ExpenseCodes.txt", "\"Travel\"\r\n");
    auto* forms = new expenses::SpendlogForms(app.shell());
    forms->start();
    forms->setup();
    forms->contacts();
    forms->showExpenseExport(&forms->startup());
    forms->showCategoryTotals(&forms->expenses());
    forms->showExpenses(&forms->expenses());
    const QStringList problems = problemsOfAll(app.shell());
    EXPECT_TRUE(problems.isEmpty()) << problems.join(u'\n').toStdString();
}

TEST(Mnemonics, EveryCaptionOfTheDepositProgramHasItsOwnLetter) {
    pellar::testing::TestProgram app{deposits::slipmakerProfile()};
    app.folder.put("CheckbookInfo.txt",
                   "\"Checking\",\"Bank\",\"$1,000.00\",\"0042\",\" 4\",1,2\r\n");
    auto* program = new deposits::Slipmaker(app.shell());
    ASSERT_TRUE(program->start());
    QStringList problems = problemsOf(program->splash());
    program->showCheckbookSetup();
    program->showHistory();
    problems << problemsOfAll(app.shell());
    problems.removeDuplicates();
    EXPECT_TRUE(problems.isEmpty()) << problems.join(u'\n').toStdString();
}
