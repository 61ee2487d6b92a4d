#pragma once
// The business setup form: the shared business profile in a United States or an
// international address layout, and a tab for ordering the pre-printed forms.

#include "common/core/profile.h"
#include "deposits/core/addressstyle.h"
#include "deposits/core/depositlinks.h"

#include <QList>
#include <QMainWindow>

class QAction;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace pellar {
class Desk;
struct ProgramContext;
} // namespace pellar

namespace deposits {

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

    QTabWidget* SSTab1 = nullptr;
    QPushButton* cmdAddress = nullptr;
    QLineEdit* txtName = nullptr;
    QLineEdit* txtAddress = nullptr;
    QLineEdit* txtPOBox = nullptr;
    QLineEdit* txtCity = nullptr;
    QLineEdit* txtSt = nullptr;
    QLineEdit* txtZip = nullptr;
    QLineEdit* txtTel = nullptr;
    QLineEdit* txtFax = nullptr;
    QLineEdit* txtFein = nullptr;
    QList<QLabel*> lblAddress; // indexes 0 to 6
    QLabel* lblPostal = nullptr;
    QPushButton* cmdQuit = nullptr;

    QGroupBox* fraOrderNow = nullptr;
    QLineEdit* txtRep = nullptr;
    QLineEdit* txtOrderNo = nullptr;
    QList<QPushButton*> cmdInstructions; // 0 show, 1 hide, 2 save

    QAction* mnuOrder = nullptr;

signals:
    // The form has hidden itself; the start form is to be shown.
    void menuWanted();

private:
    QWidget* buildBusinessTab();
    QWidget* buildFormsTab();
    void setTabOrder();
    void ShowBusinessProfile();
    void ChooseAddressStyle();
    void LoadFormsOrdered();
    void applyAddressStyle(AddressStyle style);
    void addressClicked();
    void instructionsClicked(int index);
    void quitClicked();
    void tell(const QString& text);

    pellar::ProgramContext& m_context;
    pellar::Desk& m_desk;
    pellar::BusinessProfile m_profile; // as last loaded or saved
    AddressStyle m_style = AddressStyle::UnitedStates;
    QButtonGroup* m_instructions = nullptr;
};

} // namespace deposits
