#pragma once
// The setup form's tabs, each a panel that shows a value and hands back what the person
// made of it: the business profile, the invoice options (with the program aids) and the
// printing options. The help tab only has its three notes.

#include "common/core/profile.h"
#include "invoicing/core/invoiceoptions.h"

#include <QList>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QTabWidget;

namespace invoicing {

class OptionCheckBox;

// "Business Info": the nine boxes of the business profile.
class SetupBusinessPage : public QWidget {
    Q_OBJECT
public:
    SetupBusinessPage();
    void showProfile(const pellar::BusinessProfile& profile);
    pellar::BusinessProfile profile() const;
    QList<QWidget*> tabChain() const;

private:
    QLineEdit* m_boxes[9] = {}; // txtName to txtFEIN, in record order
};

// "Options": labor, sales tax, the add-ons each invoice starts with, the discount and the
// program aids, on five sub-tabs (tabOptions).
class SetupOptionsPage : public QWidget {
    Q_OBJECT
public:
    SetupOptionsPage();
    void showOptions(const InvoiceOptions& options);
    // Writes this page's fields of the options.
    void collect(InvoiceOptions& options) const;
    void showAids(bool alarmsOn, bool promptsOn);
    QList<QWidget*> tabChain() const;

signals:
    void edited();
    void aidsEdited(bool alarmsOn, bool promptsOn);

private:
    QWidget* buildLaborTab();
    QWidget* buildTaxTab();
    QWidget* buildAddOnsTab();
    QWidget* buildDiscountTab();
    QWidget* buildAidsTab();

    QRadioButton* m_laborFlat = nullptr;       // optFlat
    QRadioButton* m_laborCalculated = nullptr; // optCal
    QLineEdit* m_hourlyRate = nullptr;         // txtRate
    QRadioButton* m_taxAll = nullptr;          // optAll
    QRadioButton* m_taxMaterial = nullptr;     // optMaterial
    QRadioButton* m_noTax = nullptr;           // optNoTax
    QComboBox* m_taxRate = nullptr;            // cboRate
    OptionCheckBox* m_discountAddOn = nullptr; // ckDiscount
    OptionCheckBox* m_miscAddOn = nullptr;     // ckMisc
    OptionCheckBox* m_laborAddOn = nullptr;    // ckLabor
    OptionCheckBox* m_shippingAddOn = nullptr; // ckShipping
    QComboBox* m_discountPercent = nullptr;    // cboDiscount
    QComboBox* m_discountDays = nullptr;       // cboDays
    QCheckBox* m_alarms = nullptr;             // ckAlarms
    QCheckBox* m_prompts = nullptr;            // ckPrompts
};

// "Printing": the remittance slip or plain paper, and colour.
class SetupPrintingPage : public QWidget {
    Q_OBJECT
public:
    SetupPrintingPage();
    void showOptions(const InvoiceOptions& options);
    void collect(InvoiceOptions& options) const;
    QList<QWidget*> tabChain() const;

signals:
    void edited();

private:
    QRadioButton* m_remittance = nullptr; // optReturn
    QRadioButton* m_plainPaper = nullptr; // optPlain
    OptionCheckBox* m_color = nullptr;    // ckColor
};

// "Help": the three notes.
QWidget* makeSetupHelpPage();

} // namespace invoicing
