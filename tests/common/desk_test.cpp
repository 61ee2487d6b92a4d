// The printer choice of the run, print jobs, and the parts of the real desk that need no
// person.
#include "common/core/printerchoice.h"
#include "common/core/printjob.h"
#include "common/core/printsurface.h"
#include "common/core/programcontext.h"
#include "common/ui/realdesk.h"
#include "tests/support/scripteddesk.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QMessageBox>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QUrl>
#include <QtTest/QTest>
#include <gtest/gtest.h>

using namespace pellar;
using pellar::testing::ScriptedDesk;

TEST(ChoosePrinter, ChoiceLastsForTheRunAndCancelPrintsNothing) {
    ScriptedDesk desk;
    ProgramContext context(desk, DataFolder());
    const PrinterChoice office{QStringLiteral("Office Laser"), 3, QString()};
    const PrinterChoice pdf{QStringLiteral("Office Laser"), 1, QStringLiteral("/tmp/invoice.pdf")};
    desk.expectPrinterDialog(office);
    desk.expectPrinterDialog(std::nullopt);
    desk.expectPrinterDialog(pdf);
    desk.expectPrinterDialog(std::nullopt);

    const auto first = ChoosePrinter(context);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->copies, 3);
    EXPECT_FALSE(ChoosePrinter(context).has_value()) << "Cancel abandons the print";
    const auto third = ChoosePrinter(context);
    ASSERT_TRUE(third);
    EXPECT_EQ(third->outputFile, QStringLiteral("/tmp/invoice.pdf"));
    EXPECT_FALSE(ChoosePrinter(context).has_value());

    const QList<PrinterChoice>& shown = desk.printerDialogsShownWith();
    ASSERT_EQ(shown.size(), 4);
    EXPECT_TRUE(shown[0].printerName.isEmpty()) << "the system default at first";
    EXPECT_EQ(shown[0].copies, 1);
    EXPECT_EQ(shown[1].printerName, QStringLiteral("Office Laser"));
    EXPECT_EQ(shown[1].copies, 3);
    EXPECT_EQ(shown[2].printerName, QStringLiteral("Office Laser")) << "a cancel changes nothing";
    EXPECT_TRUE(shown[3].outputFile.isEmpty()) << "a PDF file is not chosen again silently";
    EXPECT_EQ(context.printer.printerName, QStringLiteral("Office Laser"));
}

TEST(RealDesk, MessageBoxHasNoIconUnlessAskedAndShowsPlainText) {
    auto box = RealDesk::makeMessageBox(QStringLiteral("Order Paper"),
                                        {QStringLiteral("<b>one</b>"), QStringLiteral("two")},
                                        MessageButtons::YesNo, MessageIcon::None);
    EXPECT_EQ(box->text(), QStringLiteral("<b>one</b>\ntwo"));
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Yes));

    // A question whose Yes deletes: Enter must answer No.
    auto risky = RealDesk::makeMessageBox(QStringLiteral("Verify"), {QStringLiteral("Delete?")},
                                          MessageButtons::YesNoDefaultNo, MessageIcon::None);
    EXPECT_EQ(risky->standardButtons(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(risky->defaultButton(), risky->button(QMessageBox::No));
}

TEST(RealDesk, PreviewPagesTurnFromTheKeyboard) {
    QPrinter printer(QPrinter::HighResolution);
    PrintJobSetup setup;
    setup.documentName = QStringLiteral("Three pages");
    const auto dialog = RealDesk::makePreviewDialog(printer, setup, [](PrintSurface& surface) {
        for (int page = 1; page <= 3; ++page) {
            surface.print(QStringLiteral("Page %1").arg(page));
            if (page < 3)
                surface.newPage();
        }
    });
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    auto* preview = dialog->findChild<QPrintPreviewWidget*>();
    QTRY_COMPARE_WITH_TIMEOUT(preview->pageCount(), 3, 5000);
    const auto press = [&](Qt::Key key) {
        QWidget* focus = dialog->focusWidget();
        QTest::keyClick(focus ? focus : dialog.get(), key);
        return preview->currentPage();
    };
    EXPECT_EQ(press(Qt::Key_PageDown), 2);
    EXPECT_EQ(press(Qt::Key_End), 3);
    EXPECT_EQ(press(Qt::Key_PageDown), 3);
    EXPECT_EQ(press(Qt::Key_Home), 1);
    EXPECT_EQ(press(Qt::Key_PageUp), 1);
}

namespace {
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};
} // namespace

TEST(RealDesk, WebAddressesGoStraightToTheDesktopAndNothingElseDoes) {
    UrlCatcher web;
    UrlCatcher local;
    for (const char* scheme : {"http", "https"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &web, "open");
    for (const char* scheme : {"file", "javascript", "mailto"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &local, "open");

    RealDesk desk;
    // Shell metacharacters are just characters of the address: nothing runs a command line.
    const QString tricky = QStringLiteral("https://example.com/a;b?c=$(touch x)&d=`id`");
    EXPECT_TRUE(desk.openWebAddress(tricky));
    EXPECT_TRUE(desk.openWebAddress(QStringLiteral("  http://example.org/order  ")));
    for (const char* refused : {"file:///etc/passwd", "javascript:alert(1)",
                                "mailto:someone@example.com", "/usr/bin/xterm", ""})
        EXPECT_FALSE(desk.openWebAddress(QString::fromLatin1(refused))) << refused;

    for (const char* scheme : {"http", "https", "file", "javascript", "mailto"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));

    ASSERT_EQ(web.urls.size(), 2);
    EXPECT_EQ(web.urls[0].host(), QStringLiteral("example.com"));
    EXPECT_EQ(web.urls[0].path(), QStringLiteral("/a;b"));
    EXPECT_EQ(web.urls[0].query(QUrl::FullyDecoded), QStringLiteral("c=$(touch x)&d=`id`"));
    EXPECT_EQ(web.urls[1], QUrl(QStringLiteral("http://example.org/order")));
    EXPECT_TRUE(local.urls.isEmpty());
}

TEST(RealDesk, HourglassNestsAndNeverPopsSomeoneElsesCursor) {
    ASSERT_EQ(QApplication::overrideCursor(), nullptr);
    {
        RealDesk desk;
        desk.setBusy(false); // nothing to take off
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        desk.setBusy(true);
        desk.setBusy(true);
        desk.setBusy(false);
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        desk.setBusy(false);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        desk.setBusy(true);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the desk gives back what it set";
}

#include "desk_test.moc"

TEST(PrintJob, OneJobDrawnAndEndedOrThePrintersOwnWords) {
    ScriptedDesk desk;
    int drawn = 0;
    const auto layout = [&drawn](PrintSurface& surface) {
        ++drawn;
        surface.print(QStringLiteral("Hello"));
    };
    const PrintOutcome printed = runPrintJob(desk, PrintJobSetup{}, layout);
    EXPECT_TRUE(printed);
    ASSERT_EQ(desk.jobs().size(), 1);
    EXPECT_TRUE(desk.jobs()[0]->ended) << "the runner ends the job, not the layout";
    EXPECT_FALSE(desk.busy());

    desk.failNextPrintJob(QStringLiteral("The printer is out of paper."));
    const PrintOutcome failed = runPrintJob(desk, PrintJobSetup{}, layout);
    EXPECT_FALSE(failed);
    EXPECT_EQ(failed.error, QStringLiteral("The printer is out of paper."));
    EXPECT_EQ(drawn, 1) << "nothing is drawn on a job that did not start";
    EXPECT_FALSE(desk.busy());
}
