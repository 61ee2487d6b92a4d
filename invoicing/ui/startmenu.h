#pragma once
// The start form: the program's name and version, the reminder that the family's programs
// share files, Continue, and the program's menu.

#include <QMainWindow>
#include <QStringList>

class QLabel;

namespace invoicing {

class Billwright;

// The start menu (form name frmSplash).
class StartMenu : public QMainWindow {
    Q_OBJECT

public:
    explicit StartMenu(Billwright& program);

    // The help message; the invoice form's help says the same.
    static QStringList helpLines();

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
    QLabel* m_version = nullptr; // lblVersion
};

} // namespace invoicing
