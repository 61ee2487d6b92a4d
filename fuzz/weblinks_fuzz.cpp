// The deployment file "PellarLinks.ini" (WebConfig::load).
//
// Properties:
//  - Every setting is set, with no blanks at its ends: a key missing or empty keeps its
//    built-in default.
//  - The settings written back as a file of that form, each value in double quotes (the
//    reader drops one pair round a value, so quotes of the value's own survive), load as
//    the same settings.
#include "common/core/weblinks.h"
#include "fuzz/fuzzsupport.h"

#include <QDir>

using namespace pellar;

namespace {

struct Key {
    const char* section;
    const char* name;
    QString WebConfig::*value;
};

const Key kKeys[] = {
    {"Links", "ProductComparison", &WebConfig::productComparison},
    {"Links", "BasicProduct", &WebConfig::basicProduct},
    {"Links", "LiteProduct", &WebConfig::liteProduct},
    {"Links", "AccountingProduct", &WebConfig::accountingProduct},
    {"Links", "CompletionProduct", &WebConfig::completionProduct},
    {"Links", "FormsReorder", &WebConfig::formsReorder},
    {"Links", "PaperSupplier", &WebConfig::paperSupplier},
    {"Links", "LabelSupplier", &WebConfig::labelSupplier},
    {"Links", "HomePage", &WebConfig::homePage},
    {"Links", "BankingProduct", &WebConfig::bankingProduct},
    {"FormsSupplier", "Phone", &WebConfig::supplierPhone},
    {"FormsSupplier", "PriorityCode", &WebConfig::priorityCode},
};

QByteArray written(const WebConfig& config) {
    QByteArray bytes;
    const char* section = "";
    for (const Key& key : kKeys) {
        if (qstrcmp(section, key.section) != 0) {
            section = key.section;
            bytes += QByteArray("[") + section + "]\r\n";
        }
        bytes += QByteArray(key.name) + " = \"" + (config.*key.value).toUtf8() + "\"\r\n";
    }
    return bytes;
}

QString path(const QString& folder) {
    return QDir(folder).filePath(QString::fromUtf16(kWebConfigFile));
}

void put(const QString& folder, const QByteArray& bytes) {
    QFile file(path(folder));
    PELLAR_FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                      file.write(bytes) == bytes.size());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::scratchFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString folder = fuzz::scratchFolder().path();
    put(folder, QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const WebConfig first = WebConfig::load(folder);
    for (const Key& key : kKeys) {
        const QString& value = first.*key.value;
        PELLAR_FUZZ_CHECK(!value.isEmpty() && value == value.trimmed());
    }
    put(folder, written(first));
    const WebConfig second = WebConfig::load(folder);
    for (const Key& key : kKeys)
        PELLAR_FUZZ_CHECK(second.*key.value == first.*key.value);
    return 0;
}
