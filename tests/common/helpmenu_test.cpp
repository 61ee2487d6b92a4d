// Each program's guide and About, and F1 reaching the guide from the window's keyboard.
#include "common/core/programcontext.h"
#include "common/ui/helpmenu.h"
#include "tests/support/datafolder.h"
#include "tests/support/scripteddesk.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

using namespace pellar;

TEST(Help, EveryGuideLoadsAndEveryLinkInItResolves) {
    for (const QString& title :
         {QStringLiteral("Billwright"), QStringLiteral("PellarSpendlogFREE"),
          QStringLiteral("Slipmaker")}) {
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
}

TEST(Help, F1OpensTheGuideAndAboutShowsTheDataFolder) {
    pellar::testing::ScratchDataFolder folder;
    pellar::testing::ScriptedDesk desk;
    ProgramContext context(desk, folder);
    const ui::ProgramHelp help{QStringLiteral("Slipmaker"), QStringLiteral("1.0.0"),
                               QStringLiteral("Slipmaker prints bank deposit slips.")};
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
    EXPECT_TRUE(desk.messages()[0].lines.contains(
        QStringLiteral("Data folder: ") + QDir::toNativeSeparators(folder.path())));
    EXPECT_EQ(desk.messages()[0].lines.value(0), QStringLiteral("Slipmaker 1.0.0"));
}
