#include "deposits/depositlinks.h"

#include "common/desk.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace deposits {

namespace {

QString readAddress(const QSettings& settings, const QString& key, const QString& fallback) {
    // An address with a comma in it comes back from the ini reader as a list.
    const QVariant value = settings.value(key);
    const QString text = (value.typeId() == QMetaType::QStringList ? value.toStringList().join(u',')
                                                                   : value.toString())
                             .trimmed();
    return text.isEmpty() ? fallback : text;
}

} // namespace

DepositLinks DepositLinks::defaults() {
    DepositLinks links;
    links.shared = pellar::WebConfig::defaults();
    links.homePage = QStringLiteral("https://www.example.com/pellar/");
    links.bankingProduct = QStringLiteral("https://www.example.com/pellar/banking");
    return links;
}

DepositLinks DepositLinks::load(const QString& programFolder) {
    DepositLinks links = defaults();
    links.shared = pellar::WebConfig::load(programFolder);
    const QString path = QDir(programFolder).filePath(QString::fromUtf16(pellar::kWebConfigFile));
    if (!QFileInfo(path).isFile())
        return links;
    const QSettings settings(path, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return links;
    links.homePage = readAddress(settings, QStringLiteral("Links/HomePage"), links.homePage);
    links.bankingProduct =
        readAddress(settings, QStringLiteral("Links/BankingProduct"), links.bankingProduct);
    return links;
}

DepositLinks DepositLinks::forThisProgram() {
    return load(QCoreApplication::applicationDirPath());
}

pellar::FileResult showSupplierOrderNotice(pellar::Desk& desk, const pellar::WebConfig& config) {
    const QStringList lines{
        QStringLiteral("Orvanta partners with Deluxe Business Forms,"),
        QStringLiteral("follow these instructions to receive a 20% Discount"),
        QStringLiteral("on your initial order of ANY DELUXE PRODUCTS"),
        QString(),
        QStringLiteral("Call Deluxe (Toll Free) at ") + config.supplierPhone,
        QStringLiteral("USE PRIORITY CODE ") + config.priorityCode +
            QStringLiteral(" to obtain the Discount"),
        QString(),
        QStringLiteral("Click YES to connect to the INTERNET TO PLACE A  RE-ORDER"),
        QString(),
        QStringLiteral("After connecting:"),
        QStringLiteral("Click Continue to Deluxe Business Checks and Solutions"),
        QStringLiteral("Select Sumbit a Re-Order"),
        QStringLiteral("follow the Re-order Instructions"),
    };
    if (desk.message(QStringLiteral("Ordering Deluxe Forms"), lines,
                     pellar::MessageButtons::YesNo) == pellar::MessageAnswer::No)
        return pellar::FileResult::success();
    return pellar::OpenWebAddress(config.formsReorder, desk);
}

} // namespace deposits
