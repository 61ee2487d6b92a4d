#include "common/ui/helpmenu.h"

#include "common/core/desk.h"
#include "common/core/programcontext.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QShortcut>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

namespace pellar::ui {

QString helpPage(const QString& title) {
    return QStringLiteral(":/pellar/help/org.pellar.%1.html").arg(title);
}

QStringList aboutLines(const ProgramHelp& help, const QString& dataFolder) {
    return {help.title + QStringLiteral(" ") + help.version,
            help.summary,
            QString(),
            QCoreApplication::translate("HelpMenu", "Data folder: ") +
                QDir::toNativeSeparators(dataFolder),
            QCoreApplication::translate(
                "HelpMenu", "Part of Pellar: Billwright, PellarSpendlogFREE and Slipmaker."),
            QCoreApplication::translate(
                "HelpMenu", "Copyright 2026 Pellar. All rights reserved; licensed for use "
                            "by the holder of a licence.")};
}

void showAbout(ProgramContext& context, const ProgramHelp& help) {
    context.desk.message(QCoreApplication::translate("HelpMenu", "About ") + help.title,
                         aboutLines(help, context.data.path()), MessageButtons::Ok,
                         MessageIcon::Information);
}

QWidget* showHelpContents(const ProgramHelp& help) {
    static QPointer<QWidget> window;
    if (!window || window->objectName() != help.title) {
        delete window;
        window = new QWidget(nullptr, Qt::Window);
        window->setObjectName(help.title);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setWindowTitle(help.title + QCoreApplication::translate("HelpMenu", " Help"));
        auto* browser = new QTextBrowser(window);
        browser->setObjectName(QStringLiteral("txtHelp"));
        browser->setSearchPaths({QStringLiteral(":/pellar/help")});
        browser->document()->setDocumentMargin(14);
        browser->setSource(QUrl(QStringLiteral("qrc") + helpPage(help.title)));
        auto* layout = new QVBoxLayout(window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(browser);
        auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), window);
        QObject::connect(close, &QShortcut::activated, window, &QWidget::close);
        window->resize(680, 720);
        browser->setFocus();
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

QMenu* addHelpMenu(QMenuBar* bar, ProgramContext& context, const ProgramHelp& help) {
    QMenu* menu = bar->addMenu(QCoreApplication::translate("HelpMenu", "&Help"));
    menu->setObjectName(QStringLiteral("mnuHelpMenu"));
    QAction* contents = menu->addAction(QCoreApplication::translate("HelpMenu", "&Contents"));
    contents->setObjectName(QStringLiteral("mnuHelpContents"));
    contents->setShortcut(QKeySequence::HelpContents);
    contents->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(contents, &QAction::triggered, menu, [help] { showHelpContents(help); });
    QAction* about =
        menu->addAction(QCoreApplication::translate("HelpMenu", "&About ") + help.title);
    about->setObjectName(QStringLiteral("mnuAbout"));
    QObject::connect(about, &QAction::triggered, menu,
                     [&context, help] { showAbout(context, help); });
    return menu;
}

} // namespace pellar::ui
