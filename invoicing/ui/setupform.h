#pragma once
// The setup form (form name frmSetup): the business profile that heads every invoice and the
// invoice options. It is made hidden at start and kept for the whole run. Each change of an
// option is handed to the program at once, so it applies to the next invoice; the files are
// written only by Save.

#include "common/core/printalignment.h"
#include "common/core/profile.h"

#include <QMainWindow>

class QTabWidget;

namespace pellar::ui {
class AlignmentPage;
}

namespace invoicing {

class Billwright;
class SetupBusinessPage;
class SetupMemoPage;
class SetupOptionsPage;
class SetupPrintingPage;

class SetupForm : public QMainWindow {
    Q_OBJECT

public:
    explicit SetupForm(Billwright& program);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildMenu();
    void setTabOrders(QWidget* saveButton);
    void showOptions();
    void optionsEdited();
    void saveAndReturn();
    // The alignment test page of the invoice, with the offsets as the page shows them.
    void printTestPage(pellar::AlignmentOffsets offsets);
    // Saves the offsets when they differ from the file's; false when that failed.
    bool saveChangedOffsets();

    Billwright& m_program;
    QTabWidget* m_tabs = nullptr; // tabInfo
    SetupBusinessPage* m_business = nullptr;
    SetupOptionsPage* m_options = nullptr;
    SetupPrintingPage* m_printing = nullptr;
    SetupMemoPage* m_memo = nullptr;
    pellar::ui::AlignmentPage* m_alignment = nullptr;
    bool m_showing = false; // the pages are being filled: their changes are not edits
    // The profile as the form was filled: a save finds out whether another program has
    // saved a different one since.
    pellar::BusinessProfile m_shownProfile;
};

} // namespace invoicing
