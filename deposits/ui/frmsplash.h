#pragma once
// The start form and menu of Slipmaker. It is made afresh each time a working form returns
// to the menu, and every fresh one first makes sure the checkbook data file is there.

#include "deposits/core/depositlinks.h"

#include <QMainWindow>

class QLabel;

namespace pellar {
class Desk;
struct ProgramContext;
} // namespace pellar

namespace deposits {

class frmSplash : public QMainWindow {
    Q_OBJECT
public:
    explicit frmSplash(pellar::ProgramContext& context, QWidget* parent = nullptr);
    ~frmSplash() override;

    // The test the form makes when it is loaded: without the checkbook data file the person
    // is told, and offered to set one up here; declined, the program ends.
    enum class Checkbook { Present, SetUpWanted, Ended };
    Checkbook checkCheckbook();
    // Version and year notice, on each showing.
    void activate();

signals:
    void depositWanted();
    void setupWanted();
    void historyWanted();

private:
    void buildScreen();
    void buildMenu();
    void continueClicked();
    void openAddress(const QString& url);

    pellar::ProgramContext& m_context;
    pellar::Desk& m_desk;
    QLabel* m_version = nullptr;
    QLabel* m_notice = nullptr;
};

} // namespace deposits
