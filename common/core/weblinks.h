#pragma once
// Web links: the addresses are opened through "\Temp.url" in the data folder and the
// person's browser; suppliers' notices ask before sending the person away.

#include "common/core/fileresult.h"

#include <QString>
#include <QStringList>

namespace pellar {

class Desk;

// Deployment configuration: one small file, "PellarLinks.ini", beside the programs or in
// their installed share folder,
// that a deployer can edit, in the usual "[Section]" / "Key = value" form (UTF-8, ';' or
// '#' starting a comment line, values taken as written, surrounding double quotes dropped).
// Any key it lacks (or leaves empty) keeps the built-in default. Sections and keys:
//   [Links]          ProductComparison, BasicProduct, LiteProduct, AccountingProduct,
//                    CompletionProduct, FormsReorder, PaperSupplier, LabelSupplier
//   [FormsSupplier]  Phone, PriorityCode
struct WebConfig {
    QString productComparison; // the maker's product-comparison page
    QString basicProduct;      // purchase page of a related product
    QString liteProduct;       // purchase page of another related product
    QString accountingProduct; // purchase page of the maker's accounting product
    QString completionProduct; // purchase page of the maker's form-completion product
    QString formsReorder;      // business-forms supplier's re-order page
    QString paperSupplier;     // perforated-paper supplier's page
    QString labelSupplier;     // label supplier's home page
    QString homePage;          // the maker's home page
    QString bankingProduct;    // purchase page of the maker's full banking product
    QString supplierPhone;     // business-forms supplier's toll-free number
    QString priorityCode;      // discount priority code

    static WebConfig defaults();
    // Reads the file over the defaults. A missing or unreadable file gives the defaults.
    static WebConfig load(const QString& programFolder);
    // The file beside the running program, else the one installed with it
    // (<prefix>/share/pellar), else the defaults.
    static WebConfig forThisProgram();
};

inline constexpr const char16_t* kWebConfigFile = u"PellarLinks.ini";
inline constexpr const char16_t* kShortcutFile = u"\\Temp.url";

// The business-forms supplier's partner notice ("Ordering Deluxe Forms"), word for word the
// same in the menus of all three programs: its lines, with `itemLine` after the third when a
// program names the form it prints on.
QStringList partnerNoticeLines(const WebConfig& config, const QString& itemLine = {});

// The perforated-paper supplier's notice ("Order Paper"), word for word the same in the
// invoicing and expense programs' start menus.
QStringList paperNoticeLines();

// The two lines of the shortcut file for an address, each ended by CR LF.
QByteArray shortcutFileBytes(const QString& url);

struct ProgramContext;

// Whether the address is a web page's (http or https, with a host): nothing else is opened,
// so a deployer's typo never starts a local program or opens a local file.
bool isWebPageAddress(const QString& url);

// Writes "\Temp.url" then asks the desk to open the address; does not wait. Fails, saying
// why, for an address that is not a web page's (nothing is written), for the file, and when
// no browser took the address.
FileResult OpenWebAddress(ProgramContext& context, const QString& url);

// Which answer to a supplier's notice sends the person to the page.
enum class NoticeOpens { OnYes, UnlessNo };

// A supplier's notice: a Yes/No question, then the page when the person agrees. The file
// result of the open (ok when the page was not wanted).
FileResult askThenOpen(ProgramContext& context, const QString& title, const QStringList& lines,
                       const QString& url, NoticeOpens opens = NoticeOpens::OnYes);

} // namespace pellar
