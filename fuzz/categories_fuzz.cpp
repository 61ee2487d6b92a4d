// Expense categories "\ExpenseCodes.txt" and the chart of accounts "\Chart.txt": every
// field of a file of quoted or plain fields.
//
// Property: the categories read, written one quoted field per line and read again, are
// the same list with each '"' turned into '\'' (a truth value reads as the text #TRUE# or
// #FALSE#, and stays that text). Nothing read is lost: a list holds no more entries than
// the file has bytes plus one.
#include "expenses/core/categories.h"
#include "fuzz/fuzzsupport.h"

using namespace expenses;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    pellar::fuzz::pinUnitedStates();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QStringList first =
        decodeFieldList(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    PELLAR_FUZZ_CHECK(first.size() <= qsizetype(size) + 1);
    QStringList expected;
    for (const QString& category : first)
        expected.append(pellar::fuzz::quotesReplaced(category));
    PELLAR_FUZZ_CHECK(decodeFieldList(encodeCategories(first)) == expected);
    return 0;
}
