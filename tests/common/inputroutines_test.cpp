// The deposit program's amount and count boxes.
#include "common/ui/inputroutines.h"

#include "common/core/ansi.h"
#include "common/core/regional.h"
#include "tests/support/scripteddesk.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QToolTip>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

using namespace pellar;
using pellar::testing::ScriptedDesk;

namespace {

// Typed one key at a time, each key carrying its character, as a keyboard layout sends it.
void typeKeys(QWidget* box, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
    }
}

} // namespace

TEST(CheckMoneyBox, NumbersGetTwoDecimalsAnythingElseBeepsAndKeepsTheFocus) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* box = new QLineEdit;
    auto* other = new QLineEdit;
    layout->addWidget(box);
    layout->addWidget(other);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
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
        other->setFocus();
        box->setText(typed);
        EXPECT_FALSE(CheckMoneyBox(*box, desk)) << typed.toStdString();
        EXPECT_EQ(box->text(), QStringLiteral("$0.00"));
        EXPECT_TRUE(box->hasFocus()) << typed.toStdString();
    }
    EXPECT_EQ(desk.beeps(), 3);
}

TEST(WholeNumberBox, WholePartOrZeroWithABeep) {
    QLineEdit box;
    ScriptedDesk desk;
    const QList<std::pair<QString, QString>> numbers{
        {"7.9", "7"}, {"12", "12"}, {"-2.5", "-3"}, {"-0", "0"}, {"1,250.75", "1250"},
    };
    for (const auto& [typed, shown] : numbers) {
        box.setText(typed);
        WholeNumberBox(box, desk);
        EXPECT_EQ(box.text(), shown) << typed.toStdString();
    }
    EXPECT_EQ(desk.beeps(), 0);

    // Empty and non-numeric text alike: a beep and "0", never an error half-way.
    for (const QString& typed : {QString(), QStringLiteral("abc"), QStringLiteral("  ")}) {
        box.setText(typed);
        WholeNumberBox(box, desk);
        EXPECT_EQ(box.text(), QStringLiteral("0")) << typed.toStdString();
    }
    EXPECT_EQ(desk.beeps(), 3);
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
