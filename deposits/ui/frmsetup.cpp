#include "deposits/ui/frmsetup.h"

#include "common/core/desk.h"
#include "common/core/programcontext.h"
#include "common/ui/inputroutines.h"
#include "common/ui/widgets.h"
#include "deposits/core/formpictures.h"
#include "deposits/core/formsordered.h"
#include "deposits/core/slipmakerinfo.h"

#include <QAction>
#include <QButtonGroup>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace deposits {

namespace {

const QString kUsaCaption = QStringLiteral("USA Style Address");
const QString kInternationalCaption = QStringLiteral("International Style Address");

// Box widths of the two layouts, in twips.
constexpr int kWideBox = 5400;
constexpr int kCityBox = 3150;
constexpr int kStateBox = 930;
constexpr int kZipBox = 1800;
constexpr int kStateLength = 2;
constexpr int kAddressLineLength = 55;

int twips(const QWidget* widget, int value) {
    return value * widget->logicalDpiX() / 1440;
}

// A box whose text goes into an 8-bit data file (the profile, the forms-order note).
QLineEdit* storedBox(QWidget* parent, const QString& name) {
    QLineEdit* box = pellar::ui::makeBox(parent, name);
    pellar::keepStorable(*box);
    return box;
}

// A length limit for typing that never cuts what the box already holds: a long
// international address line shown in the two-letter state box stays whole.
void limitTyping(QLineEdit* box, int length) {
    box->setMaxLength(std::max<int>(length, int(box->text().size())));
}

// The note's run of blanks is where it breaks into two lines: the label is made just wide
// enough for the longer second line, so the first line ends at the blanks.
QLabel* tillbookNote(QWidget* parent) {
    const QString first = QStringLiteral("If you plan on using Orvanta's Tillbook II,");
    const QString blanks(16, u' ');
    const QString second = QStringLiteral("run it's setup routine before using Slipmaker.");
    QLabel* note = pellar::ui::makeNote(parent, first + blanks + second);
    const QFontMetrics metrics(note->font());
    const int width = std::max(metrics.horizontalAdvance(first), metrics.horizontalAdvance(second));
    if (metrics.horizontalAdvance(first + blanks + QStringLiteral("run")) > width)
        note->setFixedWidth(width + 2);
    return note;
}

} // namespace

frmSetup::frmSetup(pellar::ProgramContext& context, QWidget* parent)
    : QMainWindow(parent)
    , m_context(context)
    , m_desk(context.desk) {
    setObjectName(QStringLiteral("frmSetup"));
    setWindowTitle(QStringLiteral("Deposit Creation Setup Form"));

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->addTab(buildBusinessTab(), QStringLiteral("Business Info"));
    SSTab1->addTab(buildFormsTab(), QStringLiteral("Forms"));
    setCentralWidget(SSTab1);

    mnuOrder = menuBar()->addAction(QStringLiteral("Order Forms"));
    mnuOrder->setObjectName(QStringLiteral("mnuOrder"));
    connect(mnuOrder, &QAction::triggered, this, [this] {
        if (const pellar::FileResult opened = showSupplierOrderNotice(m_context); !opened)
            tell(opened.error);
    });

    setTabOrder();
    applyAddressStyle(AddressStyle::UnitedStates);
    resize(700, 560);

    LoadBusiness();
    LoadFormsOrdered();
}

frmSetup::~frmSetup() = default;

QWidget* frmSetup::buildBusinessTab() {
    auto* page = new QWidget;
    auto* outer = new QVBoxLayout(page);
    outer->setContentsMargins(16, 12, 16, 12);

    cmdAddress = new QPushButton(kUsaCaption, page);
    cmdAddress->setObjectName(QStringLiteral("cmdAddress"));
    cmdAddress->setMinimumWidth(220);
    connect(cmdAddress, &QPushButton::clicked, this, &frmSetup::addressClicked);
    outer->addWidget(cmdAddress, 0, Qt::AlignLeft);
    outer->addSpacing(6);

    const QStringList captions{QStringLiteral("Company Name"), QStringLiteral("Address 1"),
                               QStringLiteral("Address 2"),    QStringLiteral("City"),
                               QStringLiteral("State"),        QStringLiteral("Postal Zip Code"),
                               QStringLiteral("Telephone")};
    for (int i = 0; i < captions.size(); ++i) {
        auto* label = new QLabel(captions[i], page);
        label->setObjectName(QStringLiteral("lblAddress_%1").arg(i));
        lblAddress << label;
    }

    txtName = storedBox(page, QStringLiteral("txtName"));
    txtAddress = storedBox(page, QStringLiteral("txtAddress"));
    txtPOBox = storedBox(page, QStringLiteral("txtPOBox"));
    txtCity = storedBox(page, QStringLiteral("txtCity"));
    txtSt = storedBox(page, QStringLiteral("txtSt"));
    txtZip = storedBox(page, QStringLiteral("txtZip"));
    txtTel = storedBox(page, QStringLiteral("txtTel"));
    txtFax = storedBox(page, QStringLiteral("txtFax"));
    txtFein = storedBox(page, QStringLiteral("txtFein"));
    txtFein->setToolTip(QStringLiteral("Enter your FEIN or VAT if desired"));
    for (QLineEdit* box : {txtName, txtAddress, txtPOBox, txtTel, txtFax, txtFein})
        box->setFixedWidth(twips(page, kWideBox));
    txtZip->setFixedWidth(twips(page, kZipBox));

    lblPostal = new QLabel(QStringLiteral("Postal Code is Mandatory"), page);
    lblPostal->setObjectName(QStringLiteral("lblPostal"));
    lblPostal->setStyleSheet(QStringLiteral("color: #8b1a1a;"));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(6);
    int row = 0;
    const auto addRow = [&](QLabel* label, QLineEdit* box) {
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1, Qt::AlignLeft);
        ++row;
    };
    addRow(lblAddress[0], txtName);
    addRow(lblAddress[1], txtAddress);
    addRow(lblAddress[2], txtPOBox);
    addRow(lblAddress[3], txtCity);
    addRow(lblAddress[4], txtSt);
    auto* postal = new QHBoxLayout;
    postal->setSpacing(12);
    postal->addWidget(txtZip);
    postal->addWidget(lblPostal);
    postal->addStretch(1);
    grid->addWidget(lblAddress[5], row, 0);
    grid->addLayout(postal, row++, 1);

    QLabel* extraNote = pellar::ui::makeNote(
        page, QStringLiteral("Use these Fields to enter additional Information "
                             "about your Company that you wish Printed on "
                             "Documents"));
    extraNote->setStyleSheet(QStringLiteral("font-weight: bold;"));
    grid->setRowMinimumHeight(row++, 6);
    grid->addWidget(extraNote, row++, 0, 1, 2);
    addRow(lblAddress[6], txtTel);
    addRow(new QLabel(QStringLiteral("E-Mail"), page), txtFax);
    addRow(new QLabel(QStringLiteral("FEIN, VAT or Other"), page), txtFein);
    grid->addWidget(pellar::ui::makeNote(
                        page, QStringLiteral("Write each additional line as a title followed by "
                                             "the information, for example:\nFax: 802-555-0143")),
                    row++, 1);
    grid->setColumnStretch(1, 1);
    outer->addLayout(grid);

    outer->addSpacing(8);
    outer->addWidget(tillbookNote(page));
    outer->addStretch(1);

    cmdQuit = new QPushButton(QStringLiteral("&Save Changes and Return to Menu"), page);
    cmdQuit->setObjectName(QStringLiteral("cmdQuit"));
    cmdQuit->setToolTip(QStringLiteral("Returns to Main Menu"));
    cmdQuit->setMinimumWidth(cmdQuit->sizeHint().width() + 24);
    connect(cmdQuit, &QPushButton::clicked, this, &frmSetup::quitClicked);
    outer->addWidget(cmdQuit, 0, Qt::AlignRight);
    return page;
}

QWidget* frmSetup::buildFormsTab() {
    auto* page = new QWidget;
    auto* outer = new QHBoxLayout(page);
    outer->setContentsMargins(16, 12, 16, 12);
    outer->setSpacing(18);

    // The forms the programs print on.
    auto* pictures = new QVBoxLayout;
    const auto addPicture = [&](const QPixmap& pixmap, const QString& caption) {
        auto* picture = new QLabel(page);
        picture->setPixmap(pixmap);
        picture->setAlignment(Qt::AlignHCenter);
        auto* text = new QLabel(caption, page);
        text->setAlignment(Qt::AlignHCenter);
        pictures->addWidget(picture);
        pictures->addWidget(text);
        pictures->addSpacing(6);
    };
    addPicture(depositTicketPicture(QSize(130, 150)),
               QStringLiteral("Deposit Ticket\nDeluxe  #  80200"));
    addPicture(checkPicture(QSize(170, 74)), QStringLiteral("Business Checks"));
    addPicture(envelopePicture(QSize(170, 80)), QStringLiteral("Double Window Envelopes"));
    pictures->addStretch(1);
    outer->addLayout(pictures);

    auto* right = new QVBoxLayout;
    fraOrderNow = new QGroupBox(QStringLiteral("Ordering your Forms"), page);
    fraOrderNow->setObjectName(QStringLiteral("fraOrderNow"));
    auto* orderLayout = new QVBoxLayout(fraOrderNow);
    const pellar::WebConfig& config = m_context.web;
    orderLayout->addWidget(pellar::ui::makeNote(
        fraOrderNow,
        QStringLiteral(
            "Slipmaker prints each deposit onto a pre-printed Deluxe deposit form "
            "(Deluxe  #  80200). Checks and window envelopes for Pellar Writer come from the "
            "same supplier.\n\n"
            "1.  Call Deluxe (Toll Free) at %1.\n"
            "2.  Give the Priority Code %2 to receive the Orvanta 20% discount on your initial "
            "order.\n"
            "3.  Order the deposit forms, and the checks and envelopes if you need them.\n"
            "4.  Write the name of the Representative and the Order Number below and click "
            "SAVE.\n\n"
            "Re-orders can be placed over the internet through \"Order Forms\" on the menu.")
            .arg(config.supplierPhone, config.priorityCode)));
    right->addWidget(fraOrderNow);

    txtRep = storedBox(page, QStringLiteral("txtRep"));
    txtOrderNo = storedBox(page, QStringLiteral("txtOrderNo"));
    auto* note = new QGridLayout;
    note->addWidget(new QLabel(QStringLiteral("Representative"), page), 0, 0);
    note->addWidget(txtRep, 0, 1);
    note->addWidget(new QLabel(QStringLiteral("Order Number"), page), 1, 0);
    note->addWidget(txtOrderNo, 1, 1);
    right->addLayout(note);

    m_instructions = new QButtonGroup(this);
    auto* buttons = new QHBoxLayout;
    const QStringList captions{QStringLiteral("Show Instructions"),
                               QStringLiteral("Hide Instructions"), QStringLiteral("SAVE")};
    for (int i = 0; i < captions.size(); ++i) {
        auto* button = new QPushButton(captions[i], page);
        button->setObjectName(QStringLiteral("cmdInstructions_%1").arg(i));
        m_instructions->addButton(button, i);
        cmdInstructions << button;
        buttons->addWidget(button);
    }
    connect(m_instructions, &QButtonGroup::idClicked, this, &frmSetup::instructionsClicked);
    right->addLayout(buttons);
    right->addStretch(1);
    outer->addLayout(right, 1);
    return page;
}

void frmSetup::setTabOrder() {
    const QList<QWidget*> business{txtName, txtAddress, txtPOBox, txtCity, txtSt,     txtZip,
                                   txtTel,  txtFax,     txtFein,  cmdQuit, cmdAddress};
    for (int i = 1; i < business.size(); ++i)
        QWidget::setTabOrder(business[i - 1], business[i]);
    const QList<QWidget*> forms{txtRep, txtOrderNo, cmdInstructions[2], cmdInstructions[0],
                                cmdInstructions[1]};
    for (int i = 1; i < forms.size(); ++i)
        QWidget::setTabOrder(forms[i - 1], forms[i]);
}

void frmSetup::tell(const QString& text) {
    m_desk.message(programTitle(), {text}, pellar::MessageButtons::Ok);
}

void frmSetup::LoadBusiness() {
    // Reads the nine-field file or converts the older eight-field one; whatever was found
    // is already saved again as the nine-field file when this returns.
    const pellar::DepositProfileLoad load = pellar::loadBusinessConverting(m_context.data);
    if (!load.read.found)
        return;
    m_profile = load.read.profile;
    ShowBusinessProfile();
    if (!load.read.problem.isEmpty())
        tell(load.read.problem);
    else if (!load.saved)
        tell(load.saved.error);
}

void frmSetup::ShowBusinessProfile() {
    const QList<QLineEdit*> boxes{txtName, txtAddress, txtPOBox, txtCity, txtSt,
                                  txtZip,  txtTel,     txtFax,   txtFein};
    const QStringList values = m_profile.fields();
    for (int i = 0; i < boxes.size(); ++i) {
        boxes[i]->setMaxLength(32767);
        boxes[i]->setText(values[i]);
    }
    applyAddressStyle(m_style);
}

bool frmSetup::SaveBusiness() {
    const pellar::BusinessProfile profile{txtName->text(), txtAddress->text(), txtPOBox->text(),
                                          txtCity->text(), txtSt->text(),      txtZip->text(),
                                          txtTel->text(),  txtFax->text(),     txtFein->text()};
    if (const pellar::FileResult saved = pellar::saveProfileDroppingBackup(m_context.data, profile);
        !saved) {
        tell(saved.error);
        return false;
    }
    m_profile = profile;
    return true;
}

void frmSetup::ChooseAddressStyle() {
    applyAddressStyle(chooseAddressStyle(m_profile.name, m_profile.zip, m_style));
}

void frmSetup::LoadFormsOrdered() {
    if (const std::optional<FormsOrder> order = readFormsOrder(m_context.data)) {
        txtRep->setText(order->representative);
        txtOrderNo->setText(order->orderNumber);
        fraOrderNow->hide();
    } else {
        // A new user sees how to order the forms first.
        fraOrderNow->show();
        SSTab1->setCurrentIndex(1);
    }
}

void frmSetup::activate() {
    ChooseAddressStyle();
    if (SSTab1->currentIndex() == 0)
        txtName->setFocus();
}

void frmSetup::applyAddressStyle(AddressStyle style) {
    m_style = style;
    const bool usa = style == AddressStyle::UnitedStates;
    cmdAddress->setText(usa ? kUsaCaption : kInternationalCaption);
    lblPostal->setVisible(usa);
    lblAddress[3]->setText(usa ? QStringLiteral("City") : QStringLiteral("Address 3"));
    lblAddress[4]->setText(usa ? QStringLiteral("State") : QStringLiteral("Address 4"));
    lblAddress[5]->setVisible(usa);
    // The international layout has no postal code; the United States one shows the code
    // as last loaded or saved, not what was typed before a switch.
    txtZip->setText(usa ? m_profile.zip : QString());
    txtZip->setVisible(usa);
    txtSt->setFixedWidth(twips(this, usa ? kStateBox : kWideBox));
    limitTyping(txtSt, usa ? kStateLength : kAddressLineLength);
    txtCity->setFixedWidth(twips(this, usa ? kCityBox : kWideBox));
}

void frmSetup::addressClicked() {
    applyAddressStyle(cmdAddress->text() == kUsaCaption ? AddressStyle::International
                                                        : AddressStyle::UnitedStates);
}

void frmSetup::instructionsClicked(int index) {
    switch (index) {
    case 0:
        fraOrderNow->show();
        break;
    case 1:
        fraOrderNow->hide();
        break;
    case 2:
        if (const pellar::FileResult written =
                writeFormsOrder(m_context.data, {txtRep->text(), txtOrderNo->text()});
            !written)
            tell(written.error);
        break;
    default:
        break;
    }
}

void frmSetup::quitClicked() {
    if (txtName->text().isEmpty()) {
        m_desk.beep();
        txtName->setFocus();
        return;
    }
    if (!SaveBusiness())
        return;
    hide();
    emit menuWanted();
}

} // namespace deposits
