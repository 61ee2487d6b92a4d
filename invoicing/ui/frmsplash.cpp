#include "invoicing/ui/frmsplash.h"

#include "common/core/datafiles.h"
#include "common/core/desk.h"
#include "common/core/programcontext.h"
#include "common/core/weblinks.h"
#include "invoicing/core/pictures.h"
#include "invoicing/core/suppliernotices.h"
#include "invoicing/ui/billwright.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace invoicing {

namespace {

QFont labelFont(int pointSize, bool bold = false) {
    QFont font(QStringLiteral("Franklin Gothic Book"), pointSize);
    font.setStyleHint(QFont::SansSerif);
    font.setBold(bold);
    return font;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, const QFont& font) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    label->setWordWrap(true);
    return label;
}

} // namespace

frmSplash::frmSplash(Billwright& program)
    : m_program(program) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("BILLWRIGHT by ORVANTA Co"));
    auto* central = new QWidget(this);
    setCentralWidget(central);

    Image1 = new QLabel(central);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(productPicture());
    Image1->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    lblProductName = makeLabel(central, QStringLiteral("lblProductName"),
                               QStringLiteral("Orvanta's Free Billwright"), labelFont(20, true));
    lblProductName->setToolTip(QStringLiteral("The Name of this program"));
    lblVersion = makeLabel(central, QStringLiteral("lblVersion"), QStringLiteral("Version No"),
                           labelFont(10));
    const QStringList running{
        QStringLiteral("Orvanta Programs share files."),
        QStringLiteral("Exit all other Orvanta Programs before continuing...."),
        QStringLiteral("Need customer lists and statements too? "
                       "See Billwright Basic in the Upgrade menu."),
    };
    for (int i = 0; i < 3; ++i)
        lblRunning[i] = makeLabel(central, QStringLiteral("lblRunning_%1").arg(i), running[i],
                                  labelFont(i == 2 ? 9 : 11, i == 1));
    lblWarning = makeLabel(
        central, QStringLiteral("lblWarning"),
        QStringLiteral("Warning: this program is protected by copyright law. It may be copied "
                       "and given away free of charge, but it may not be sold or changed.\n"
                       "\u00A9 Orvanta Co, all rights reserved, 2026"),
        labelFont(8));
    lblWarning->setStyleSheet(QStringLiteral("color: #555555;"));

    cmdContinue = new QPushButton(QStringLiteral("Continue"), central);
    cmdContinue->setObjectName(QStringLiteral("cmdContinue"));
    cmdContinue->setDefault(true);
    cmdContinue->setMinimumWidth(120);
    connect(cmdContinue, &QPushButton::clicked, this, &frmSplash::continueClicked);

    auto* text = new QVBoxLayout;
    text->addWidget(lblProductName);
    text->addWidget(lblVersion);
    text->addSpacing(16);
    text->addWidget(lblRunning[0]);
    text->addWidget(lblRunning[1]);
    text->addSpacing(12);
    text->addWidget(lblRunning[2]);
    text->addStretch(1);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(cmdContinue);
    text->addLayout(buttonRow);

    auto* grid = new QGridLayout(central);
    grid->setContentsMargins(20, 16, 20, 12);
    grid->setHorizontalSpacing(24);
    grid->addWidget(Image1, 0, 0);
    grid->addLayout(text, 0, 1);
    grid->addWidget(lblWarning, 1, 0, 1, 2);
    grid->setColumnStretch(1, 1);

    buildMenu();
    setMinimumSize(680, 340);
    cmdContinue->setFocus();
}

void frmSplash::buildMenu() {
    const auto entry = [this](QMenu* menu, const QString& name, const QString& caption,
                              void (frmSplash::*slot)()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    const auto page = [this](QMenu* menu, const QString& name, const QString& caption,
                             QString pellar::WebConfig::*address) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this,
                [this, address] { openPage(m_program.web().*address); });
        return action;
    };

    mnuFiles = menuBar()->addMenu(QStringLiteral("Files"));
    mnuFiles->setObjectName(QStringLiteral("mnuFiles"));
    mnuCreate = entry(mnuFiles, QStringLiteral("mnuCreate"), QStringLiteral("Create/Modify"),
                      &frmSplash::createModify);
    mnuExit = mnuFiles->addAction(QStringLiteral("Exit"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
    connect(mnuExit, &QAction::triggered, this, [this] { m_program.context().exitProgram(); });

    mnuUpgrade = menuBar()->addMenu(QStringLiteral("Upgrade"));
    mnuUpgrade->setObjectName(QStringLiteral("mnuUpgrade"));
    mnuVisit =
        page(mnuUpgrade, QStringLiteral("mnuVisit"), QStringLiteral("Visit Us- Compare Products"),
             &pellar::WebConfig::productComparison);
    mnuBasic = page(mnuUpgrade, QStringLiteral("mnuBasic"), QStringLiteral("Billwright Basic"),
                    &pellar::WebConfig::basicProduct);
    mnuLite = page(mnuUpgrade, QStringLiteral("mnuLite"), QStringLiteral("Billwright Lite"),
                   &pellar::WebConfig::liteProduct);

    mnuGreatWhite = menuBar()->addMenu(QStringLiteral("Order Forms"));
    mnuGreatWhite->setObjectName(QStringLiteral("mnuGreatWhite"));
    mnuChecks = mnuGreatWhite->addAction(QStringLiteral("Checks etc"));
    mnuChecks->setObjectName(QStringLiteral("mnuChecks"));
    connect(mnuChecks, &QAction::triggered, this, [this] {
        if (const auto opened = showFormsOrderNotice(m_program.context()); !opened)
            m_program.reportFileError(opened.error);
    });
    mnuPaper = mnuGreatWhite->addAction(QStringLiteral("Perforated Paper"));
    mnuPaper->setObjectName(QStringLiteral("mnuPaper"));
    connect(mnuPaper, &QAction::triggered, this, [this] {
        if (const auto opened = showPaperOrderNotice(m_program.context()); !opened)
            m_program.reportFileError(opened.error);
    });

    // Help is an entry of the menu bar itself, not a menu.
    mnuHelp = menuBar()->addAction(QStringLiteral("Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    connect(mnuHelp, &QAction::triggered, this, &frmSplash::showHelp);
}

QStringList frmSplash::helpLines() {
    return {QStringLiteral("The Help file is named Free Billwright User.pdf"),
            QStringLiteral("and is in your Orvanta folder"),
            QStringLiteral("You'll need a PFD Reader to view it"),
            QStringLiteral("Free PDF Readers are listed at www.pdfreaders.org")};
}

void frmSplash::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        lblVersion->setText(QStringLiteral("Version ") + billwrightVersion());
}

void frmSplash::closeEvent(QCloseEvent* event) {
    // However the start form goes, the program goes with it.
    QMainWindow::closeEvent(event);
    m_program.context().exitProgram();
}

void frmSplash::continueClicked() {
    hide();
    // A plain look: a profile only in the backup folder still sends the person to setup.
    if (QFileInfo(m_program.data().filePath(u"/MyBusinessData.txt")).isFile())
        m_program.showCustomerEntry();
    else
        m_program.showSetup();
}

void frmSplash::createModify() {
    m_program.showSetup();
    hide();
}

void frmSplash::openPage(const QString& url) {
    if (const pellar::FileResult opened = pellar::OpenWebAddress(m_program.context(), url); !opened)
        m_program.reportFileError(opened.error);
}

void frmSplash::showHelp() {
    m_program.desk().message(QString::fromUtf16(kApplicationTitle), helpLines(),
                             pellar::MessageButtons::Ok);
}

} // namespace invoicing
