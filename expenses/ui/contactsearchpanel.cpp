#include "expenses/ui/contactsearchpanel.h"

#include "common/ui/widgets.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace expenses {

ContactSearchPanel::ContactSearchPanel(QWidget* parent)
    : QGroupBox(tr("Payto Search"), parent) {
    setObjectName(QStringLiteral("fraSearch"));

    const char* captions[kSearchOptionCount] = {QT_TR_NOOP("by &Name"),
                                                QT_TR_NOOP("by &Street Address"),
                                                QT_TR_NOOP("by A&pt/PO Box Sub Div"),
                                                QT_TR_NOOP("by &City"),
                                                QT_TR_NOOP("by St&ate"),
                                                QT_TR_NOOP("by &Zip Code"),
                                                QT_TR_NOOP("by &Telephone Number"),
                                                QT_TR_NOOP("by Cate&gory")};
    m_kindGroup = new QButtonGroup(this);
    auto* options = new QGridLayout;
    options->setHorizontalSpacing(24);
    for (int i = 0; i < kSearchOptionCount; ++i) {
        m_kinds[i] = pellar::ui::named(new QRadioButton(tr(captions[i]), this),
                                       QStringLiteral("optSearch_%1").arg(i));
        m_kindGroup->addButton(m_kinds[i], i);
        // Four to a column, down the first column first.
        options->addWidget(m_kinds[i], i % 4, i / 4);
    }
    options->setColumnStretch(2, 1);

    m_criterion =
        pellar::ui::makeBox(this, QStringLiteral("txtSearchfor"), tr("Enter Criteria here"));
    // Room for the widest field searched.
    m_criterion->setMinimumWidth(m_criterion->fontMetrics().horizontalAdvance(u'n') * 36);

    m_start = pellar::ui::makeButton(this, QStringLiteral("cmdStartSearch"), tr("Start Sea&rch"),
                                     tr("Finds Contact(s) based on Criteria"));
    m_clear = pellar::ui::makeButton(this, QStringLiteral("cmdClearSearch"), tr("Cl&ear Search"),
                                     tr("Clears the Search Criteria"));
    m_return = pellar::ui::makeButton(this, QStringLiteral("cmdHideSearch"), tr("Ret&urn"),
                                      tr("Hides the Search Screen"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_start);
    buttons->addWidget(m_clear);
    buttons->addStretch(1);
    buttons->addWidget(m_return);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Click a Button to Select a Search Criteria"), this));
    layout->addLayout(options);
    layout->addSpacing(10);
    layout->addWidget(
        pellar::ui::makeLabel(this, QString(), tr("Enter Criteria Here"), m_criterion));
    layout->addWidget(m_criterion);
    layout->addWidget(new QLabel(tr("Finds all Contacts that Match this Criteria"), this));
    layout->addSpacing(6);
    layout->addLayout(buttons);

    connect(m_kindGroup, &QButtonGroup::idClicked, this, &ContactSearchPanel::clearCriterion);
    connect(m_clear, &QPushButton::clicked, this, &ContactSearchPanel::clearCriterion);
    connect(m_start, &QPushButton::clicked, this, &ContactSearchPanel::startSearch);
    connect(m_criterion, &QLineEdit::returnPressed, this, &ContactSearchPanel::startSearch);
    connect(m_return, &QPushButton::clicked, this, &ContactSearchPanel::returnClicked);
}

void ContactSearchPanel::open() {
    m_kinds[int(SearchKind::Telephone)]->setChecked(true);
    m_criterion->setFocus();
    m_criterion->deselect();
    m_criterion->end(false);
}

void ContactSearchPanel::clearCriterion() {
    m_criterion->clear();
    m_criterion->setFocus();
}

void ContactSearchPanel::focusCriterion() {
    m_criterion->setFocus();
}

void ContactSearchPanel::startSearch() {
    const int checked = m_kindGroup->checkedId();
    emit searchClicked(checked < 0 ? SearchKind::Telephone : SearchKind(checked),
                       m_criterion->text());
}

QList<QWidget*> ContactSearchPanel::tabChain() const {
    QList<QWidget*> chain(std::begin(m_kinds), std::end(m_kinds));
    chain << m_criterion << m_start << m_clear << m_return;
    return chain;
}

} // namespace expenses
