#pragma once
// Expense categories: the built-in suggestions, the user's list in "\ExpenseCodes.txt" (one
// quoted category per line) and the standard chart of accounts the user may keep in
// "\Chart.txt".

#include "common/core/datafiles.h"
#include "common/core/fileresult.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace expenses {

inline constexpr const char16_t* kCategoriesFile = u"\\ExpenseCodes.txt";
inline constexpr const char16_t* kChartFile = u"\\Chart.txt";

// The 55 suggested categories, in the order offered ("Taxes - Local" stands in it twice).
const QStringList& suggestedCategories();
// The 5 categories that are not tax deductible; capitals are what mark them.
const QStringList& nondeductibleCategories();

// Whether a candidate may be added to a list: not empty, and no entry equal to it
// (case-sensitive, whole text).
bool canAddCategory(const QStringList& list, const QString& candidate);

// One line per category: a double quote, the text, a double quote, CR LF.
QByteArray encodeCategories(const QStringList& categories);
// Every field of a file of quoted or plain fields separated by commas or line ends.
QStringList decodeFieldList(const QByteArray& bytes);

struct CategoriesRead {
    QStringList categories;
    bool found = false; // the file existed (perhaps after a restore)
    QString problem;    // plain words when the file could not be read
    QByteArray bytes;   // the file as read, to tell later whether it changed meanwhile
};

// The user's categories; a missing file gives none.
CategoriesRead readCategories(const pellar::DataFolder& folder);
// The standard chart of accounts; a missing file gives found = false.
CategoriesRead readChart(const pellar::DataFolder& folder);

// Rewrites "\ExpenseCodes.txt" whole, after dropping its backup copy.
pellar::FileResult saveCategories(const pellar::DataFolder& folder, const QStringList& categories);

// The same, unless another copy of the program changed the file since it was read as
// `shown`: the file is read again under the data-folder lock, and when it is not what was
// shown nothing is written and `current` holds what it is now. A file that already holds
// exactly these categories is left as it is.
struct CategoriesSave {
    pellar::FileResult result;
    bool changedMeanwhile = false;
    CategoriesRead current;
};
CategoriesSave saveCategoriesOver(const pellar::DataFolder& folder, const QStringList& categories,
                                  const CategoriesRead& shown);

} // namespace expenses
