// Enter on a focused button, Return in a box, and the status note beside a refusal.

#include "common/ui/keyboard.h"
#include "tests/support/scripteddesk.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace pellar;
using namespace pellar::ui;

namespace {

struct Form {
    QWidget window;
    QLineEdit* box = new QLineEdit(&window);
    QPushButton* button = new QPushButton(QStringLiteral("Post"), &window);
    QPushButton* other = new QPushButton(QStringLiteral("Menu"), &window);
    StatusNote* note = new StatusNote(&window);
    int clicks = 0;
    int otherClicks = 0;
    Form() {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(box);
        layout->addWidget(button);
        layout->addWidget(other);
        layout->addWidget(note);
        QObject::connect(button, &QPushButton::clicked, [this] { ++clicks; });
        QObject::connect(other, &QPushButton::clicked, [this] { ++otherClicks; });
        window.show();
        window.activateWindow();
    }
};

} // namespace

TEST(Keyboard, EnterClicksOnlyTheFocusedEnabledButton) {
    EnterClicksButtons enter;
    Form form;
    form.button->setFocus();
    QTest::keyClick(form.button, Qt::Key_Return);
    QTest::keyClick(form.button, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(form.clicks, 2);
    EXPECT_EQ(form.otherClicks, 0);

    // With a modifier it is somebody else's shortcut; disabled, nothing happens.
    QTest::keyClick(form.button, Qt::Key_Return, Qt::ControlModifier);
    form.button->setEnabled(false);
    QTest::keyClick(form.button, Qt::Key_Return);
    EXPECT_EQ(form.clicks, 2);
}

TEST(Keyboard, ReturnInTheLastBoxDoesTheStepsButtonWhenItIsAvailable) {
    Form form;
    returnClicks(form.box, form.button);
    form.box->setFocus();
    QTest::keyClick(form.box, Qt::Key_Return);
    EXPECT_EQ(form.clicks, 1);
    form.button->setEnabled(false);
    QTest::keyClick(form.box, Qt::Key_Return);
    EXPECT_EQ(form.clicks, 1);

    // A step refused from Return keeps its words, though the box passes the key on.
    pellar::testing::ScriptedDesk desk;
    form.button->setEnabled(true);
    QObject::connect(form.button, &QPushButton::clicked,
                     [&] { refuse(desk, form.note, QStringLiteral("Nothing to post.")); });
    QTest::keyClick(form.box, Qt::Key_Return);
    EXPECT_EQ(form.note->text(), QStringLiteral("Nothing to post."));
}

TEST(Keyboard, ReturnInABoxWithoutAStepGoesOnAsTabDoes) {
    EnterClicksButtons enter;
    Form form;
    auto* first = new QLineEdit(&form.window);
    form.window.layout()->addWidget(first);
    QWidget::setTabOrder(first, form.box);
    form.window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form.window));
    first->setFocus();
    QTest::keyClick(form.window.windowHandle(), Qt::Key_Return);
    EXPECT_TRUE(form.box->hasFocus());
    // A box whose Return is a step does the step and stays.
    returnClicks(form.box, form.button);
    QTest::keyClick(form.window.windowHandle(), Qt::Key_Return);
    EXPECT_EQ(form.clicks, 1);
    EXPECT_TRUE(form.box->hasFocus());
}

TEST(Keyboard, ARefusalBeepsAndSaysWhyUntilTheNextKeystroke) {
    pellar::testing::ScriptedDesk desk;
    Form form;
    refuse(desk, form.note, QStringLiteral("The price must be a number."));
    EXPECT_EQ(desk.beeps(), 1);
    EXPECT_EQ(form.note->text(), QStringLiteral("The price must be a number."));
    // The key as a keyboard sends it: to the window, which hands it to the focused box.
    form.window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form.window));
    form.box->setFocus();
    QTest::keyClick(form.window.windowHandle(), Qt::Key_1);
    EXPECT_TRUE(form.note->text().isEmpty());
    EXPECT_EQ(form.box->text(), QStringLiteral("1"));
}
