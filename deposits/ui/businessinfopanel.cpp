#include "deposits/ui/businessinfopanel.h"

#include "common/ui/tinted.h"
#include "common/ui/inputroutines.h"
#include "common/ui/keyboard.h"
#include "common/ui/widgets.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace deposits {

namespace {

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

// A box whose text goes into the 8-bit profile file.
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
    const QString first = QCoreApplication::translate(
        "BusinessInfoPanel", "If you plan on using Orvanta's Tillbook II,");
    const QString blanks(16, u' ');
    const QString second = QCoreApplication::translate(
        "BusinessInfoPanel", "run it's setup routine before using Slipmaker.");
    QLabel* note = pellar::ui::makeNote(parent, first + blanks + second);
    const QFontMetrics metrics(note->font());
    const int width = std::max(metrics.horizontalAdvance(first), metrics.horizontalAdvance(second));
    if (metrics.horizontalAdvance(first + blanks + QStringLiteral("run")) > width)
        note->setFixedWidth(width + 2);
    return note;
}

} // namespace

BusinessInfoPanel::BusinessInfoPanel(QWidget* parent)
    : QWidget(parent) {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(16, 12, 16, 12);

    m_addressStyle =
        pellar::ui::makeButton(this, QStringLiteral("cmdAddress"), tr("&USA Style Address"));
    m_addressStyle->setMinimumWidth(220);
    connect(m_addressStyle, &QPushButton::clicked, this, &BusinessInfoPanel::addressStyleClicked);
    outer->addWidget(m_addressStyle, 0, Qt::AlignLeft);
    outer->addSpacing(6);

    const QStringList captions{tr("Company Name"), tr("Address 1"), tr("Address 2"),
                               tr("City"),         tr("State"),     tr("Postal Zip Code"),
                               tr("Telephone")};
    for (int i = 0; i < captions.size(); ++i)
        m_captions << pellar::ui::makeLabel(this, QStringLiteral("lblAddress_%1").arg(i),
                                            captions[i]);

    m_name = storedBox(this, QStringLiteral("txtName"));
    m_address = storedBox(this, QStringLiteral("txtAddress"));
    m_poBox = storedBox(this, QStringLiteral("txtPOBox"));
    m_city = storedBox(this, QStringLiteral("txtCity"));
    m_state = storedBox(this, QStringLiteral("txtSt"));
    m_zip = storedBox(this, QStringLiteral("txtZip"));
    m_tel = storedBox(this, QStringLiteral("txtTel"));
    m_fax = storedBox(this, QStringLiteral("txtFax"));
    m_fein = storedBox(this, QStringLiteral("txtFein"));
    m_fein->setToolTip(tr("Enter your FEIN or VAT if desired"));
    for (QLineEdit* box : {m_name, m_address, m_poBox, m_tel, m_fax, m_fein})
        box->setFixedWidth(twips(this, kWideBox));
    m_zip->setFixedWidth(twips(this, kZipBox));

    m_postalNote =
        pellar::ui::makeLabel(this, QStringLiteral("lblPostal"), tr("Postal Code is Mandatory"));
    pellar::ui::tinted(m_postalNote, pellar::Tint::Warning);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(6);
    int row = 0;
    const auto addRow = [&](QLabel* label, QLineEdit* box) {
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1, Qt::AlignLeft);
        ++row;
    };
    addRow(m_captions[0], m_name);
    addRow(m_captions[1], m_address);
    addRow(m_captions[2], m_poBox);
    addRow(m_captions[3], m_city);
    addRow(m_captions[4], m_state);
    auto* postal = new QHBoxLayout;
    postal->setSpacing(12);
    postal->addWidget(m_zip);
    postal->addWidget(m_postalNote);
    postal->addStretch(1);
    grid->addWidget(m_captions[5], row, 0);
    grid->addLayout(postal, row++, 1);

    QLabel* extraNote =
        pellar::ui::makeNote(this, tr("Use these Fields to enter additional Information "
                                      "about your Company that you wish Printed on "
                                      "Documents"));
    extraNote->setStyleSheet(QStringLiteral("font-weight: bold;"));
    grid->setRowMinimumHeight(row++, 6);
    grid->addWidget(extraNote, row++, 0, 1, 2);
    addRow(m_captions[6], m_tel);
    addRow(new QLabel(tr("E-Mail"), this), m_fax);
    addRow(new QLabel(tr("FEIN, VAT or Other"), this), m_fein);
    grid->addWidget(
        pellar::ui::makeNote(this, tr("Write each additional line as a title followed by "
                                      "the information, for example:\nFax: 802-555-0143")),
        row++, 1);
    grid->setColumnStretch(1, 1);
    outer->addLayout(grid);

    outer->addSpacing(8);
    outer->addWidget(tillbookNote(this));
    outer->addStretch(1);

    m_save =
        pellar::ui::makeButton(this, QStringLiteral("cmdQuit"),
                               tr("&Save Changes and Return to Menu"), tr("Returns to Main Menu"));
    m_save->setMinimumWidth(m_save->sizeHint().width() + 24);
    connect(m_save, &QPushButton::clicked, this, &BusinessInfoPanel::saveClicked);
    pellar::ui::returnClicks(m_fein, m_save);
    outer->addWidget(m_save, 0, Qt::AlignRight);
    setTabOrder();
}

QList<QLineEdit*> BusinessInfoPanel::boxes() const {
    return {m_name, m_address, m_poBox, m_city, m_state, m_zip, m_tel, m_fax, m_fein};
}

void BusinessInfoPanel::setTabOrder() {
    QList<QWidget*> order;
    for (QLineEdit* box : boxes())
        order << box;
    order << m_save << m_addressStyle;
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void BusinessInfoPanel::showProfile(const pellar::BusinessProfile& profile) {
    const QList<QLineEdit*> shown = boxes();
    const QStringList values = profile.fields();
    for (qsizetype i = 0; i < shown.size(); ++i) {
        shown[i]->setMaxLength(32767);
        shown[i]->setText(values[i]);
    }
}

pellar::BusinessProfile BusinessInfoPanel::profile() const {
    QStringList values;
    for (const QLineEdit* box : boxes())
        values << box->text();
    return pellar::BusinessProfile::fromFields(values);
}

void BusinessInfoPanel::showAddressStyle(AddressStyle style, const QString& postalCode) {
    const bool usa = style == AddressStyle::UnitedStates;
    m_addressStyle->setText(usa ? tr("&USA Style Address") : tr("&International Style Address"));
    m_postalNote->setVisible(usa);
    m_captions[3]->setText(usa ? tr("City") : tr("Address 3"));
    m_captions[4]->setText(usa ? tr("State") : tr("Address 4"));
    m_captions[5]->setVisible(usa);
    m_zip->setText(usa ? postalCode : QString());
    m_zip->setVisible(usa);
    m_state->setFixedWidth(twips(this, usa ? kStateBox : kWideBox));
    limitTyping(m_state, usa ? kStateLength : kAddressLineLength);
    m_city->setFixedWidth(twips(this, usa ? kCityBox : kWideBox));
}

bool BusinessInfoPanel::nameEmpty() const {
    return m_name->text().isEmpty();
}

void BusinessInfoPanel::focusName() {
    m_name->setFocus();
}

} // namespace deposits
