#pragma once
// The start form: the program's name and version, the reminder that the family's programs
// share files, Continue, and the program's menu.

#include <QMainWindow>
#include <QStringList>

class QAction;
class QLabel;
class QMenu;
class QPushButton;

namespace invoicing {

class Billwright;

class frmSplash : public QMainWindow {
public:
    explicit frmSplash(Billwright& program);

    // The help message; the invoice form's help says the same.
    static QStringList helpLines();

    QLabel* lblProductName;
    QLabel* lblRunning[3];
    QLabel* lblVersion;
    QLabel* lblWarning;
    QLabel* Image1;
    QPushButton* cmdContinue;

    QMenu* mnuFiles;
    QAction* mnuCreate;
    QAction* mnuExit;
    QMenu* mnuUpgrade;
    QAction* mnuVisit;
    QAction* mnuBasic;
    QAction* mnuLite;
    QMenu* mnuGreatWhite;
    QAction* mnuChecks;
    QAction* mnuPaper;
    QAction* mnuHelp;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenu();
    void continueClicked();
    void createModify();
    void openPage(const QString& url);
    void showHelp();

    Billwright& m_program;
};

} // namespace invoicing
