#pragma once
// The expense program's start form and main menu: name, version and owner line, the
// notice that the family's programs share files, and the way on to the setup form, the
// contacts form or the expense form.

#include "common/core/desk.h"
#include "common/core/fileresult.h"

#include <QMainWindow>

class QLabel;
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
    QLabel* m_version;
    QLabel* m_licensedTo;
    QLabel* m_checkbookNotice; // Label1_2
    QLabel* m_picture;         // Image1
    QPushButton* m_continue;   // cmdGoto
};

} // namespace expenses
