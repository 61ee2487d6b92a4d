#include "common/core/weblinks.h"

#include "common/core/ansi.h"
#include "common/core/datafiles.h"
#include "common/core/desk.h"
#include "common/core/programcontext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>
#include <QStringList>
#include <QUrl>

namespace pellar {

namespace {

// "Section/key" (lower case) -> value, as written. QSettings is not used on purpose: it
// cuts a value at ';', splits it at commas and eats backslashes, and web addresses may
// hold all three.
QHash<QString, QString> readIni(QByteArray bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QHash<QString, QString> values;
    QString section;
    // A bare CR ends a line as well, so no value can carry a line break into Temp.url.
    bytes.replace('\r', '\n');
    for (const QByteArray& raw : bytes.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            section = line.mid(1, line.size() - 2).trimmed().toLower();
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0)
            continue;
        QString value = line.mid(equals + 1).trimmed();
        if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"'))
            value = value.mid(1, value.size() - 2);
        values.insert(section + u'/' + line.left(equals).trimmed().toLower(), value);
    }
    return values;
}

void takeValue(QString& target, const QHash<QString, QString>& values, const char* key) {
    const QString value = values.value(QString::fromLatin1(key).toLower()).trimmed();
    if (!value.isEmpty())
        target = value;
}

} // namespace

WebConfig WebConfig::defaults() {
    // Neutral stand-ins until a deployer writes the real addresses into the file.
    WebConfig c;
    c.productComparison = QStringLiteral("https://www.example.com/pellar/compare");
    c.basicProduct = QStringLiteral("https://www.example.com/pellar/basic");
    c.liteProduct = QStringLiteral("https://www.example.com/pellar/lite");
    c.accountingProduct = QStringLiteral("https://www.example.com/pellar/accounting");
    c.completionProduct = QStringLiteral("https://www.example.com/pellar/forms-completion");
    c.formsReorder = QStringLiteral("https://www.example.org/business-forms/reorder");
    c.paperSupplier = QStringLiteral("https://www.example.net/perforated-paper");
    c.labelSupplier = QStringLiteral("https://www.example.net/labels");
    c.homePage = QStringLiteral("https://www.example.com/pellar/");
    c.bankingProduct = QStringLiteral("https://www.example.com/pellar/banking");
    c.supplierPhone = QStringLiteral("1-800-555-0100");
    c.priorityCode = QStringLiteral("PELLAR");
    return c;
}

WebConfig WebConfig::load(const QString& programFolder) {
    WebConfig c = defaults();
    const QString path = QDir(programFolder).filePath(QString::fromUtf16(kWebConfigFile));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return c;
    const QHash<QString, QString> v = readIni(file.readAll());
    takeValue(c.productComparison, v, "Links/ProductComparison");
    takeValue(c.basicProduct, v, "Links/BasicProduct");
    takeValue(c.liteProduct, v, "Links/LiteProduct");
    takeValue(c.accountingProduct, v, "Links/AccountingProduct");
    takeValue(c.completionProduct, v, "Links/CompletionProduct");
    takeValue(c.formsReorder, v, "Links/FormsReorder");
    takeValue(c.paperSupplier, v, "Links/PaperSupplier");
    takeValue(c.labelSupplier, v, "Links/LabelSupplier");
    takeValue(c.homePage, v, "Links/HomePage");
    takeValue(c.bankingProduct, v, "Links/BankingProduct");
    takeValue(c.supplierPhone, v, "FormsSupplier/Phone");
    takeValue(c.priorityCode, v, "FormsSupplier/PriorityCode");
    return c;
}

WebConfig WebConfig::forThisProgram() {
    // A copy beside the program wins (a portable copy, or one a deployer edited); an
    // installed program finds the one installed with it.
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString name = QString::fromUtf16(kWebConfigFile);
    for (const QString& folder :
         {programFolder, QDir(programFolder).filePath(QStringLiteral("../share/pellar"))}) {
        if (QFileInfo::exists(QDir(folder).filePath(name)))
            return load(folder);
    }
    const QString installed = QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                                     QStringLiteral("pellar/") + name);
    return installed.isEmpty() ? defaults() : load(QFileInfo(installed).path());
}

QStringList partnerNoticeLines(const WebConfig& config, const QString& itemLine) {
    QStringList lines{
        QCoreApplication::translate("WebLinks", "Orvanta partners with Deluxe Business Forms,"),
        QCoreApplication::translate("WebLinks",
                                    "follow these instructions to receive a 20% Discount"),
        QCoreApplication::translate("WebLinks", "on your initial order of ANY DELUXE PRODUCTS"),
    };
    if (!itemLine.isEmpty())
        lines << itemLine;
    lines << QString()
          << QCoreApplication::translate("WebLinks", "Call Deluxe (Toll Free) at ") +
                 config.supplierPhone
          << QCoreApplication::translate("WebLinks", "USE PRIORITY CODE ") + config.priorityCode +
                 QCoreApplication::translate("WebLinks", " to obtain the Discount")
          << QString()
          << QCoreApplication::translate(
                 "WebLinks", "Click YES to connect to the INTERNET TO PLACE A  RE-ORDER")
          << QString() << QCoreApplication::translate("WebLinks", "After connecting:")
          << QCoreApplication::translate("WebLinks",
                                         "Click Continue to Deluxe Business Checks and Solutions")
          << QCoreApplication::translate("WebLinks", "Select Sumbit a Re-Order")
          << QCoreApplication::translate("WebLinks", "follow the Re-order Instructions");
    return lines;
}

QStringList paperNoticeLines() {
    return {QCoreApplication::translate("WebLinks", "Perforated Response Paper is used to create"),
            QCoreApplication::translate("WebLinks", "Invoices with a remittance Slip"),
            QCoreApplication::translate("WebLinks", "Click Yes to connect to a Supplier")};
}

QByteArray shortcutFileBytes(const QString& url) {
    // The file is two lines whatever the address holds: a line break in it would start a
    // line of its own that a browser might read.
    QString address = url;
    address.removeIf([](QChar c) {
        return c == u'\r' || c == u'\n' || c == QChar::LineSeparator ||
               c == QChar::ParagraphSeparator;
    });
    return toAnsi(QStringLiteral("[InternetShortcut]\r\nURL = ") + address +
                  QStringLiteral("\r\n"));
}

bool isWebPageAddress(const QString& url) {
    const QUrl address(url.trimmed(), QUrl::TolerantMode);
    const QString scheme = address.scheme().toLower();
    return address.isValid() && (scheme == u"http" || scheme == u"https") &&
           !address.host().isEmpty();
}

FileResult OpenWebAddress(ProgramContext& context, const QString& url) {
    // Refused before the shortcut is written: the file only ever holds an address that is
    // then handed on.
    if (!isWebPageAddress(url))
        return FileResult::failure(
            QCoreApplication::translate(
                "WebLinks", "\"%1\" is not the address of a web page, so it was not opened.")
                .arg(url));
    const QByteArray bytes = shortcutFileBytes(url);
    const FileResult written = context.shortcutDropsBackup
                                   ? writeDataFileDroppingBackup(context.data, kShortcutFile, bytes)
                                   : writeDataFile(context.data, kShortcutFile, bytes);
    if (!written)
        return written;
    if (!context.desk.openWebAddress(url))
        return FileResult::failure(
            QCoreApplication::translate(
                "WebLinks", "No web browser could be started for %1; the address can be typed "
                            "into one.")
                .arg(url));
    return FileResult::success();
}

FileResult askThenOpen(ProgramContext& context, const QString& title, const QStringList& lines,
                       const QString& url, NoticeOpens opens) {
    const MessageAnswer answer = context.desk.message(title, lines, MessageButtons::YesNo);
    const bool wanted =
        opens == NoticeOpens::OnYes ? answer == MessageAnswer::Yes : answer != MessageAnswer::No;
    if (!wanted)
        return FileResult::success();
    return OpenWebAddress(context, url);
}

} // namespace pellar
