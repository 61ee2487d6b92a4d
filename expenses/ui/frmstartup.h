#pragma once
// The expense program's start form and main menu: name, version and owner line, the
// notice that the family's programs share files, and the way on to the setup form, the
// contacts form or the expense form.

#include "common/core/desk.h"
#include "common/core/fileresult.h"

#include <QMainWindow>

class QAction;
class QLabel;
class QMenu;
class QPushButton;

namespace expenses {

class SpendlogForms;

class frmStartup : public QMainWindow {
    Q_OBJECT
public:
    explicit frmStartup(SpendlogForms& forms);

    // Once per run: loads the contacts form (hidden) and looks for the checkbook program.
    void formLoad();
    // Shows the form and runs its activation (owner line and version).
    void showForm();

    // The printer the person chose last, for the program's printed reports.
    pellar::PrinterChoice& cdbPrint() { return m_printer; }

    QLabel* lblProductName;
    QLabel* lblVersion;
    QLabel* lblLicensedTo;
    QLabel* lblWarning;
    QLabel* lblRunning[3];
    QLabel* Label1[3]; // indexes 1 and 2
    QLabel* Image1;
    QPushButton* cmdGoto;

    QMenu* mnuFiles;
    QAction* mnuSetup;
    QAction* mnuSuppliers;
    QAction* mnuExit;
    QMenu* mnuOrder;
    QAction* mnuDeluxe;
    QAction* mnuOffice;
    QAction* mnuAvery;
    QMenu* mnuUpgrade;
    QAction* mnuAccounting;
    QAction* mnuCompletion;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void activate();
    void goOn();
    void openAddress(const QString& url);
    void reportIfFailed(const pellar::FileResult& result);

    SpendlogForms& m_forms;
    pellar::PrinterChoice m_printer;
};

} // namespace expenses
