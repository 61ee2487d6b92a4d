#pragma once
// The invoicing program's own data files besides the options: the sales-item catalogue,
// the invoice counter and the memo printed on every invoice.

#include "common/core/datafiles.h"
#include "common/core/fileresult.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace invoicing {

inline constexpr const char16_t* kCatalogueFile = u"\\SalesItems.txt";
inline constexpr const char16_t* kCounterFile = u"/BWInvoiceNo.txt";
inline constexpr const char16_t* kMemoFile = u"/InvoiceMemo.txt";

// Every data file this program writes, by base name, for the backup at exit - all but the
// counter, which an older copy would make issue a number twice. A file the program comes to
// write is added here, beside its name.
QStringList writtenFiles();

// ---- Catalogue: one entry per line, unquoted, kept in list order --------------------------

// The item list's order: alphabetical without regard to case; equal entries keep the order
// they were added in.
bool catalogueLess(const QString& a, const QString& b);
// Where an entry goes in a sorted list: after every entry that does not sort after it.
qsizetype catalogueInsertPosition(const QStringList& sorted, const QString& entry);

struct CatalogueRead {
    QStringList items; // sorted; empty when there is no file
    QString problem;   // plain words when the file exists but could not be read
};

// Each line is one entry, blanks at its ends dropped and blank lines skipped, so an entry
// with commas or quotes comes back whole. A missing file (after a restore from the
// backup folder was tried) is an empty catalogue; nothing is created. (`LoadItems`)
CatalogueRead loadItems(const pellar::DataFolder& folder);
// Writes the entries in the order given, one line each. A line break inside an entry
// becomes a blank so every entry stays on its own line. (`WriteItems`)
pellar::FileResult writeItems(const pellar::DataFolder& folder, const QStringList& items);

// ---- Invoice counter: the number of the invoice now being made ----------------------------

// The year's four digits followed by a four-digit sequence: (2026, 1) -> 20260001.
qint32 yearCounter(int year, int sequence);

struct InvoiceCounterLoad {
    qint32 counter = 0;
    QString problem;          // plain words when the file exists but could not be read
    pellar::FileResult saved; // the save that follows every load
};

// The counter from the file; year + "0001" when there is no file, year + "0000" when the
// file holds zero or no number. The counter is saved back at once so the file exists from
// here on - except when the file could not be read at all, which is left as it is.
// (`LoadInvoiceNumber`)
InvoiceCounterLoad loadInvoiceNumber(const pellar::DataFolder& folder, QDate today);
// Replaces the counter file; its backup copy is deleted first, so a later restore cannot
// bring back an older number. (`SaveInvoiceCounter`)
pellar::FileResult saveInvoiceCounter(const pellar::DataFolder& folder, qint32 counter);

// The number an invoice is about to be printed under, taken from the counter file under the
// folder lock and counted there at once, so no other copy of the program (on this computer
// or another one sharing the folder) can print it as well. It is the number the form shows,
// or the file's when another copy counted past it meanwhile. The file then holds the next
// number, as after a confirmed print.
struct InvoiceNumberTaken {
    qint32 counter = 0;
    pellar::FileResult saved; // failed: nothing taken, nothing may be printed
};
InvoiceNumberTaken takeInvoiceNumber(const pellar::DataFolder& folder, qint32 shown);
// Hands a taken number back when its invoice was not confirmed: the counter goes back to
// it, unless another copy has counted on since (then the number is simply not used).
pellar::FileResult giveBackInvoiceNumber(const pellar::DataFolder& folder, qint32 taken);

// ---- Memo: free text lines the person writes with any editor -----------------------------

struct MemoRead {
    QStringList lines;  // each line whole; an empty line stays an empty line
    bool found = false; // the file existed (perhaps after a restore)
    QString problem;    // plain words when it exists but could not be read
};

MemoRead readInvoiceMemo(const pellar::DataFolder& folder);
// Rewrites the memo whole: each line in 8-bit text ending in CR LF (nothing for no lines).
pellar::FileResult saveInvoiceMemo(const pellar::DataFolder& folder, const QStringList& lines);

} // namespace invoicing
