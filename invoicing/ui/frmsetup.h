#pragma once
// The setup form: the business profile that heads every invoice and the invoice options.
// It is made hidden at start and kept for the whole run; its option controls are the
// options in use, so a change here applies to the next invoice at once and reaches the
// files only through Save.

#include "invoicing/core/invoiceoptions.h"

#include <QMainWindow>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace invoicing {

class Billwright;
class OptionCheckBox;

class frmSetup : public QMainWindow {
public:
    explicit frmSetup(Billwright& program);

    InvoiceOptions options() const;
    void setOptions(InvoiceOptions options);

    QTabWidget* tabInfo;
    QTabWidget* tabOptions; // the sub-tabs of "Options"

    // "Business Info"
    QLineEdit* txtName;
    QLineEdit* txtAddress;
    QLineEdit* txtPOBox;
    QLineEdit* txtCity;
    QLineEdit* txtSt;
    QLineEdit* txtZip;
    QLineEdit* txtTel;
    QLineEdit* txtFax;
    QLineEdit* txtFEIN;

    // "Options"
    QGroupBox* fraLabor;
    QRadioButton* optFlat;
    QRadioButton* optCal;
    QLineEdit* txtRate;
    QGroupBox* fraTax;
    QRadioButton* optAll;
    QRadioButton* optMaterial;
    QRadioButton* optNoTax;
    QComboBox* cboRate;
    QLabel* lblRate;
    QGroupBox* fraInvoiceOptions;
    OptionCheckBox* ckDiscount;
    OptionCheckBox* ckMisc;
    OptionCheckBox* ckLabor;
    OptionCheckBox* ckShipping;
    QGroupBox* fraDiscount;
    QComboBox* cboDiscount;
    QLabel* lblDiscount;
    QComboBox* cboDays;
    QLabel* lblDays;
    QGroupBox* fraAlarms;
    QCheckBox* ckAlarms;
    QCheckBox* ckPrompts;

    // "Printing"
    QRadioButton* optReturn;
    QRadioButton* optPlain;
    OptionCheckBox* ckColor;

    QPushButton* cmdQuit;

    QMenu* mnuOrder;
    QAction* mnuDeluxe;
    QAction* mnuPaper;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildBusinessTab();
    QWidget* buildHelpTab();
    QWidget* buildOptionsTab();
    QWidget* buildLaborTab();
    QWidget* buildTaxTab();
    QWidget* buildAddOnsTab();
    QWidget* buildDiscountTab();
    QWidget* buildAidsTab();
    QWidget* buildPrintingTab();
    void buildMenu();
    void setTabOrders();

    void saveAndReturn();
    void orderFormsNotice();
    void orderPaperNotice();

    Billwright& m_program;
};

} // namespace invoicing
