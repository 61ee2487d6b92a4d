#pragma once
// The web pages the deposit program's menus open, and the forms supplier's order notice
// shared by its start form and its setup form.

#include "common/fileresult.h"
#include "common/weblinks.h"

#include <QString>

namespace pellar {
class Desk;
}

namespace deposits {

// The shared addresses, plus two pages only this program links to. Read from the same
// deployment file, "PellarLinks.ini" beside the programs:
//   [Links]  HomePage, BankingProduct
struct DepositLinks {
    pellar::WebConfig shared;
    QString homePage;       // the maker's home page
    QString bankingProduct; // purchase page of the maker's full banking product

    static DepositLinks defaults();
    static DepositLinks load(const QString& programFolder);
    static DepositLinks forThisProgram();
};

// "Ordering Deluxe Forms": any answer but No opens the supplier's re-order page. The result
// is the shortcut file's (ok when nothing was opened).
pellar::FileResult showSupplierOrderNotice(pellar::Desk& desk, const pellar::WebConfig& config);

} // namespace deposits
