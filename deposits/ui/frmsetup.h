#pragma once
// The business setup form: the shared business profile in a United States or an
// international address layout, and a tab for ordering the pre-printed forms.

#include "common/core/printalignment.h"
#include "common/core/profile.h"
#include "deposits/core/addressstyle.h"

#include <QMainWindow>

class QTabWidget;

namespace pellar {
class Desk;
struct ProgramContext;
namespace ui {
class AlignmentPage;
class StatusNote;
} // namespace ui
} // namespace pellar

namespace deposits {

class BusinessInfoPanel;
class FormsOrderPanel;

class frmSetup : public QMainWindow {
    Q_OBJECT
public:
    // Loading the form reads the business profile (converting the older file) and the
    // forms-order note.
    explicit frmSetup(pellar::ProgramContext& context, QWidget* parent = nullptr);
    ~frmSetup() override;

    // Each showing: the address layout that suits the profile.
    void activate();

    void LoadBusiness();
    // The nine boxes into "\MyBusinessData.txt" (its backup copy dropped first). False,
    // after telling the person, when the file could not be written.
    bool SaveBusiness();

    AddressStyle addressStyle() const { return m_style; }

signals:
    // The form has hidden itself; the start form is to be shown.
    void menuWanted();

private:
    void ShowBusinessProfile();
    void ChooseAddressStyle();
    void LoadFormsOrdered();
    void applyAddressStyle(AddressStyle style);
    void saveFormsOrdered();
    void quitClicked();
    void tell(const QString& text);
    // The test page of a side of the deposit sheet, with the offsets being tried.
    void printTestPage(pellar::PrintedDocument document, pellar::AlignmentOffsets offsets);

    pellar::ProgramContext& m_context;
    pellar::Desk& m_desk;
    pellar::BusinessProfile m_profile; // as last loaded or saved
    AddressStyle m_style = AddressStyle::UnitedStates;
    QTabWidget* m_tabs = nullptr;
    BusinessInfoPanel* m_business = nullptr;
    FormsOrderPanel* m_forms = nullptr;
    pellar::ui::AlignmentPage* m_alignment = nullptr;
    pellar::ui::StatusNote* m_note = nullptr;
};

} // namespace deposits
