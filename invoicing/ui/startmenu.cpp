#include "invoicing/ui/startmenu.h"

#include "common/core/datafiles.h"
#include "common/core/datafoldernotice.h"
#include "common/core/desk.h"
#include "common/core/profile.h"
#include "common/core/programcontext.h"
#include "common/core/weblinks.h"
#include "common/ui/tinted.h"
#include "common/ui/widgets.h"
#include "invoicing/core/pictures.h"
#include "invoicing/core/suppliernotices.h"
#include "invoicing/ui/billwright.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace invoicing {

namespace {

// A font's name is untranslated.
QFont labelFont(int pointSize, bool bold = false) {
    QFont font(QStringLiteral("Franklin Gothic Book"), pointSize);
    pellar::ui::preferSansSerif(font);
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

StartMenu::StartMenu(Billwright& program)
    : m_program(program) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(tr("BILLWRIGHT by ORVANTA Co"));
    auto* central = new QWidget(this);
    setCentralWidget(central);

    auto* picture = new QLabel(central);
    picture->setObjectName(QStringLiteral("Image1"));
    pellar::ui::drawPictureLater(picture, kProductPictureSize, productPicture);
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    QLabel* productName = makeLabel(central, QStringLiteral("lblProductName"),
                                    tr("Orvanta's Free Billwright"), labelFont(20, true));
    productName->setToolTip(tr("The Name of this program"));
    m_version = makeLabel(central, QStringLiteral("lblVersion"), tr("Version No"), labelFont(10));
    const QStringList running{
        tr("Orvanta Programs share files."),
        tr("Exit all other Orvanta Programs before continuing...."),
        tr("Need customer lists and statements too? "
           "See Billwright Basic in the Upgrade menu."),
    };
    QLabel* runningNotes[3];
    for (int i = 0; i < 3; ++i)
        runningNotes[i] = makeLabel(central, QStringLiteral("lblRunning_%1").arg(i), running[i],
                                    labelFont(i == 2 ? 9 : 11, i == 1));
    QLabel* warning =
        makeLabel(central, QStringLiteral("lblWarning"),
                  tr("Warning: this program is protected by copyright law. It may be copied "
                     "and given away free of charge, but it may not be sold or changed.\n"
                     "%1 Orvanta Co, all rights reserved, 2026")
                      .arg(QChar(0xA9)),
                  labelFont(8));
    pellar::ui::tinted(warning, pellar::Tint::Quiet);

    auto* continueButton = new QPushButton(tr("&Continue"), central);
    continueButton->setObjectName(QStringLiteral("cmdContinue"));
    continueButton->setDefault(true);
    continueButton->setMinimumWidth(120);
    connect(continueButton, &QPushButton::clicked, this, &StartMenu::continueClicked);

    auto* text = new QVBoxLayout;
    text->addWidget(productName);
    text->addWidget(m_version);
    text->addSpacing(8);
    // What the program is for, in one sentence, for the person who starts it the first time.
    text->addWidget(makeLabel(central, QStringLiteral("lblPurpose"),
                              tr("Writes and prints your invoices, and keeps every one it "
                                 "issues. F1 shows how."),
                              labelFont(10)));
    text->addSpacing(12);
    text->addWidget(runningNotes[0]);
    text->addWidget(runningNotes[1]);
    text->addSpacing(12);
    text->addWidget(runningNotes[2]);
    text->addStretch(1);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(continueButton);
    text->addLayout(buttonRow);

    auto* grid = new QGridLayout(central);
    grid->setContentsMargins(20, 16, 20, 12);
    grid->setHorizontalSpacing(24);
    grid->addWidget(picture, 0, 0);
    grid->addLayout(text, 0, 1);
    grid->addWidget(warning, 1, 0, 1, 2);
    grid->setColumnStretch(1, 1);

    buildMenu();
    setMinimumSize(680, 340);
    continueButton->setFocus();
}

void StartMenu::buildMenu() {
    const auto entry = [this](QMenu* menu, const QString& name, const QString& caption,
                              void (StartMenu::*slot)()) {
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

    const auto menu = [this](const QString& name, const QString& caption) {
        QMenu* m = menuBar()->addMenu(caption);
        m->setObjectName(name);
        return m;
    };
    QMenu* files = menu(QStringLiteral("mnuFiles"), tr("&Files"));
    entry(files, QStringLiteral("mnuCreate"), tr("Create/&Modify"), &StartMenu::createModify);
    // The records windows take the start form's place, each with a key of its own.
    const auto records = [&](const QString& name, const QString& caption, Qt::Key key,
                             void (Billwright::*show)()) {
        QAction* action = files->addAction(caption);
        action->setObjectName(name);
        action->setShortcut(QKeySequence(Qt::CTRL | key));
        connect(action, &QAction::triggered, this, [this, show] {
            hide();
            (m_program.*show)();
        });
    };
    records(QStringLiteral("mnuInvoices"), tr("&Invoices..."), Qt::Key_I,
            &Billwright::showInvoices);
    records(QStringLiteral("mnuCustomers"), tr("&Customers..."), Qt::Key_U,
            &Billwright::showCustomers);
    QAction* dataFolder = files->addAction(tr("&Data Folder..."));
    dataFolder->setObjectName(QStringLiteral("mnuDataFolder"));
    connect(dataFolder, &QAction::triggered, this,
            [this] { pellar::showDataFolder(m_program.context()); });
    QAction* exit = files->addAction(tr("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, [this] { m_program.context().exitProgram(); });

    QMenu* upgrade = menu(QStringLiteral("mnuUpgrade"), tr("&Upgrade"));
    page(upgrade, QStringLiteral("mnuVisit"), tr("&Visit Us- Compare Products"),
         &pellar::WebConfig::productComparison);
    page(upgrade, QStringLiteral("mnuBasic"), tr("Billwright &Basic"),
         &pellar::WebConfig::basicProduct);
    page(upgrade, QStringLiteral("mnuLite"), tr("Billwright &Lite"),
         &pellar::WebConfig::liteProduct);

    QMenu* orderForms = menu(QStringLiteral("mnuGreatWhite"), tr("&Order Forms"));
    const auto notice = [this](QMenu* into, const QString& name, const QString& caption,
                               pellar::FileResult (*show)(pellar::ProgramContext&)) {
        QAction* action = into->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, [this, show] {
            if (const pellar::FileResult opened = show(m_program.context()); !opened)
                m_program.reportFileError(opened.error);
        });
    };
    notice(orderForms, QStringLiteral("mnuChecks"), tr("&Checks etc"), &showFormsOrderNotice);
    notice(orderForms, QStringLiteral("mnuPaper"), tr("&Perforated Paper"), &showPaperOrderNotice);

    // Help is an entry of the menu bar itself, not a menu.
    QAction* help = menuBar()->addAction(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    help->setShortcut(QKeySequence::HelpContents);
    connect(help, &QAction::triggered, this, &StartMenu::showHelp);
    QAction* about = menuBar()->addAction(tr("&About"));
    about->setObjectName(QStringLiteral("mnuAbout"));
    connect(about, &QAction::triggered, this,
            [this] { pellar::ui::showAbout(m_program.context(), billwrightHelp()); });
}

QStringList StartMenu::helpLines() {
    return {tr("The Help file is named Free Billwright User.pdf"),
            tr("and is in your Orvanta folder"), tr("You'll need a PFD Reader to view it"),
            tr("Free PDF Readers are listed at www.pdfreaders.org")};
}

void StartMenu::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        m_version->setText(tr("Version %1").arg(billwrightVersion()));
}

void StartMenu::closeEvent(QCloseEvent* event) {
    // However the start form goes, the program goes with it.
    QMainWindow::closeEvent(event);
    m_program.context().exitProgram();
}

void StartMenu::continueClicked() {
    hide();
    // A plain look: a profile only in the backup folder still sends the person to setup.
    if (QFileInfo(m_program.data().filePath(pellar::kBusinessFile)).isFile())
        m_program.showCustomerEntry();
    else
        m_program.showSetup();
}

void StartMenu::createModify() {
    m_program.showSetup();
    hide();
}

void StartMenu::openPage(const QString& url) {
    if (const pellar::FileResult opened = pellar::OpenWebAddress(m_program.context(), url); !opened)
        m_program.reportFileError(opened.error);
}

void StartMenu::showHelp() {
    m_program.desk().message(QString::fromUtf16(kApplicationTitle), helpLines(),
                             pellar::MessageButtons::Ok);
    // The guide the program carries is where the help is.
    pellar::ui::showHelpContents(billwrightHelp());
}

} // namespace invoicing
