// What every form shares: Enter on a focused button, Return in a box, the status note beside
// a refusal, the amount and count boxes, what the files cannot hold left out as it is typed,
// tints that stay readable on light and dark desktops, and the guide and About from the Help
// menu.
#include "common/core/ansi.h"
#include "common/core/programcontext.h"
#include "common/core/tints.h"
#include "common/ui/helpmenu.h"
#include "common/ui/inputroutines.h"
#include "common/ui/keyboard.h"
#include "common/ui/tinted.h"
#include "tests/support/datafolder.h"
#include "tests/support/scripteddesk.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPalette>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QTextBrowser>
#include <QToolTip>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

using namespace pellar;
using namespace pellar::ui;
using pellar::testing::ScriptedDesk;

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

// Typed one key at a time, each key carrying its character, as a keyboard layout sends it.
void typeKeys(QWidget* box, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
    }
}

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
    ScriptedDesk desk;
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
    ScriptedDesk desk;
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

TEST(NumberBoxes, AmountsGetTwoDecimalsCountsTheirWholePartAnythingElseBeeps) {
    Form form;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form.window));
    QLineEdit* box = form.box;
    ScriptedDesk desk;

    const QList<std::pair<QString, QString>> numbers{
        {"12.5", "12.50"},   {"1,234.5", "1234.50"}, {" 7 ", "7.00"},
        {"-3.456", "-3.46"}, {"$20", "20.00"},       {"0.005", "0.01"},
    };
    for (const auto& [typed, shown] : numbers) {
        box->setText(typed);
        EXPECT_TRUE(CheckMoneyBox(*box, desk)) << typed.toStdString();
        EXPECT_EQ(box->text(), shown) << typed.toStdString();
    }
    EXPECT_EQ(desk.beeps(), 0);

    for (const QString& typed : {QStringLiteral("abc"), QString(), QStringLiteral("12a")}) {
        form.other->setFocus();
        box->setText(typed);
        EXPECT_FALSE(CheckMoneyBox(*box, desk)) << typed.toStdString();
        EXPECT_EQ(box->text(), QStringLiteral("$0.00"));
        EXPECT_TRUE(box->hasFocus()) << typed.toStdString();
    }
    EXPECT_EQ(desk.beeps(), 3);

    // A count box: the whole part, or zero with a beep.
    QLineEdit whole;
    ScriptedDesk wholeDesk;
    const QList<std::pair<QString, QString>> wholes{
        {"7.9", "7"}, {"12", "12"}, {"-2.5", "-3"}, {"-0", "0"}, {"1,250.75", "1250"},
    };
    for (const auto& [typed, shown] : wholes) {
        whole.setText(typed);
        WholeNumberBox(whole, wholeDesk);
        EXPECT_EQ(whole.text(), shown) << typed.toStdString();
    }
    EXPECT_EQ(wholeDesk.beeps(), 0);

    // Empty and non-numeric text alike: a beep and "0", never an error half-way.
    for (const QString& typed : {QString(), QStringLiteral("abc"), QStringLiteral("  ")}) {
        whole.setText(typed);
        WholeNumberBox(whole, wholeDesk);
        EXPECT_EQ(whole.text(), QStringLiteral("0")) << typed.toStdString();
    }
    EXPECT_EQ(wholeDesk.beeps(), 3);
}

TEST(DigitKeyFilter, DigitsAndBackspaceOnly) {
    for (int key : std::initializer_list<int>{'0', '5', '9', 8})
        EXPECT_EQ(DigitKeyFilter(key), key);
    for (int key : std::initializer_list<int>{'/', ':', 'a', '.', '-', 13, 9, 0, 127, -1, 0x10000})
        EXPECT_EQ(DigitKeyFilter(key), 0) << key;

    QLineEdit box;
    installDigitKeyFilter(box);
    QTest::keyClicks(&box, QStringLiteral("1a2.-3 x"));
    EXPECT_EQ(box.text(), QStringLiteral("123"));
    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClick(&box, Qt::Key_Left);
    QTest::keyClick(&box, Qt::Key_4);
    EXPECT_EQ(box.text(), QStringLiteral("142"));
}

TEST(KeepStorable, WhatTheFilesCannotHoldIsLeftOutAndNamed) {
    QWidget window;
    auto* box = new QLineEdit(&window);
    auto* list = new QComboBox(&window);
    list->setEditable(true);
    keepStorable(*box);
    keepStorable(*list);
    window.show();

    // Typed and pasted alike: the rest of the text stays, the cursor where it was.
    box->setFocus();
    typeKeys(box, QStringLiteral("Café 中文 Ω"));
    EXPECT_EQ(box->text(), QStringLiteral("Café "));
    // Nor is a blank left doubled or leading where characters went, typed or pasted.
    box->clear();
    typeKeys(box, QStringLiteral("中 a"));
    EXPECT_EQ(box->text(), QStringLiteral("a"));
    box->clear();
    box->insert(QStringLiteral("Acme Ω Co"));
    EXPECT_EQ(box->text(), QStringLiteral("Acme Co"));
    box->setText(QStringLiteral("Acme"));
    box->setCursorPosition(2);
    box->insert(QStringLiteral("\U0001F600x\ty€"));
    EXPECT_EQ(box->text(), QStringLiteral("Acxy€me"));
    EXPECT_EQ(box->cursorPosition(), 5);
    EXPECT_TRUE(QToolTip::text().contains(QStringLiteral("\U0001F600")))
        << QToolTip::text().toStdString();
    list->lineEdit()->insert(QStringLiteral("Bolts\r\nNuts"));
    EXPECT_EQ(list->currentText(), QStringLiteral("BoltsNuts"));

    // What the program puts in is left alone: it is shown as it was read.
    box->setText(QStringLiteral("中"));
    EXPECT_EQ(box->text(), QStringLiteral("中"));
    EXPECT_EQ(toAnsi(storableText(u"Ω ok ?")), QByteArray(" ok ?"));
}

TEST(Tints, EveryTintKeepsItsContrastOnEveryBackgroundAndALabelFollowsTheDesktop) {
    const QColor backgrounds[] = {Qt::white,
                                  QColor(0xef, 0xef, 0xef),
                                  QColor(0x80, 0x80, 0x80),
                                  QColor(0x60, 0x60, 0x70),
                                  QColor(0x35, 0x35, 0x35),
                                  Qt::black,
                                  QColor(0xfb, 0xf1, 0xc7)};
    for (const QColor& background : backgrounds)
        for (const Tint tint : {Tint::Warning, Tint::Notice, Tint::Quiet}) {
            EXPECT_GE(contrastRatio(tintColor(tint, background), background), 4.5)
                << qPrintable(background.name()) << " tint " << int(tint);
            // A marked row keeps the table's text readable.
            const QColor row = markedRowColor(tint, background);
            const QColor text = contrastRatio(Qt::black, background) > 4.5 ? Qt::black : Qt::white;
            EXPECT_GE(contrastRatio(text, row), 4.5) << qPrintable(background.name());
        }
    EXPECT_NEAR(contrastRatio(Qt::black, Qt::white), 21.0, 0.01);

    const QPalette before = QApplication::palette();
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(fusion->standardPalette());
    QLabel label(QStringLiteral("This file is damaged."));
    ui::tinted(&label, Tint::Warning, true);
    const auto contrast = [&label] {
        return contrastRatio(label.palette().color(QPalette::WindowText),
                             label.palette().color(QPalette::Window));
    };
    EXPECT_GE(contrast(), 4.5);
    EXPECT_TRUE(label.font().bold());
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(0x24, 0x24, 0x24));
    dark.setColor(QPalette::Text, Qt::white);
    QApplication::setPalette(dark);
    QApplication::processEvents();
    EXPECT_EQ(label.palette().color(QPalette::Window), QColor(0x35, 0x35, 0x35));
    EXPECT_GE(contrast(), 4.5);
    QApplication::setPalette(before);
}

TEST(Help, EveryGuideLoadsItsLinksResolveF1OpensItAndAboutShowsTheDataFolder) {
    for (const QString title : {"Billwright", "PellarSpendlogFREE", "Slipmaker"}) {
        QFile page(ui::helpPage(title));
        ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << qPrintable(title);
        const QString html = QString::fromUtf8(page.readAll());
        EXPECT_TRUE(html.contains(QStringLiteral("<h1>") + title)) << qPrintable(title);
        const QRegularExpression link(QStringLiteral("href=\"([^\"]*)\""));
        int links = 0;
        for (const QRegularExpressionMatch& m : link.globalMatch(html)) {
            const QString target = m.captured(1);
            ++links;
            if (target.startsWith(u'#'))
                EXPECT_TRUE(html.contains(QStringLiteral("id=\"%1\"").arg(target.mid(1))))
                    << qPrintable(title + target);
            else
                EXPECT_TRUE(QFile::exists(QStringLiteral(":/pellar/help/") + target))
                    << qPrintable(title + ": " + target);
        }
        EXPECT_GE(links, 5) << qPrintable(title);
    }

    pellar::testing::ScratchDataFolder folder;
    ScriptedDesk desk;
    ProgramContext context(desk, folder);
    const ui::ProgramHelp help{"Slipmaker", "1.0.0", "Slipmaker prints bank deposit slips."};
    QMainWindow window;
    ui::addHelpMenu(window.menuBar(), context, help);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(window.windowHandle(), Qt::Key_F1);
    QWidget* guide = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && top->windowTitle() == QStringLiteral("Slipmaker Help"))
            guide = top;
    ASSERT_NE(guide, nullptr) << "F1 showed no guide";
    auto* text = guide->findChild<QTextBrowser*>(QStringLiteral("txtHelp"));
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(text->toPlainText().contains(QStringLiteral("deposit slips")));
    // Escape closes it, and a closed guide goes.
    const QPointer<QWidget> shown = guide;
    QTest::keyClick(guide->windowHandle(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(shown.isNull());

    desk.expectMessage(QStringLiteral("About Slipmaker"));
    window.findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger();
    ASSERT_EQ(desk.messages().size(), 1);
    EXPECT_TRUE(desk.messages()[0].lines.contains(QStringLiteral("Data folder: ") +
                                                  QDir::toNativeSeparators(folder.path())));
    EXPECT_EQ(desk.messages()[0].lines.value(0), QStringLiteral("Slipmaker 1.0.0"));
}
