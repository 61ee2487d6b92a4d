#include "deposits/ui/frmsplash.h"

#include "common/ui/tinted.h"
#include "common/ui/widgets.h"

#include "common/core/backup.h"
#include "common/core/datafoldernotice.h"
#include "common/core/desk.h"
#include "common/core/profile.h"
#include "common/core/programcontext.h"
#include "deposits/core/checkbook.h"
#include "deposits/core/formpictures.h"
#include "deposits/core/slipmakerinfo.h"
#include "deposits/ui/clickablelabel.h"
#include "deposits/ui/depositformwidgets.h"
#include "deposits/ui/slipmaker.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace deposits {

using depositwidgets::scaled;

frmSplash::frmSplash(pellar::ProgramContext& context, QWidget* parent)
    : QMainWindow(parent)
    , m_context(context)
    , m_desk(context.desk) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(tr("Pellar Banking by ORVANTA Co"));
    // Each return to the menu makes a new start form; the old one goes when it is closed.
    setAttribute(Qt::WA_DeleteOnClose);
    buildScreen();
    buildMenu();
}

frmSplash::~frmSplash() = default;

void frmSplash::buildScreen() {
    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(18, 14, 18, 12);
    outer->setSpacing(10);

    auto* picture = pellar::ui::named(new ClickableLabel(central), QStringLiteral("Image1"));
    picture->setToolTip(tr("Shows Setup Screen"));
    const QSize pictureSize(150, 180);
    picture->setFixedSize(pictureSize);
    pellar::ui::drawPictureLater(picture, pictureSize,
                                 [pictureSize] { return depositTicketPicture(pictureSize); });
    picture->setCursor(Qt::PointingHandCursor);
    connect(picture, &ClickableLabel::clicked, this, &frmSplash::setupWanted);

    const QString nameTip = tr("The Name of this program");
    QLabel* lblProductName =
        pellar::ui::makeLabel(central, QStringLiteral("lblProductName"), tr("Pellar Banking -"));
    lblProductName->setToolTip(nameTip);
    lblProductName->setFont(scaled(font(), 2.0, true));
    QLabel* lblCreateDeposit =
        pellar::ui::makeLabel(central, QStringLiteral("lblCreateDeposit"), tr("Create a Deposit"));
    lblCreateDeposit->setToolTip(nameTip);
    lblCreateDeposit->setFont(scaled(font(), 1.6, true));

    m_version = pellar::ui::makeLabel(central, QStringLiteral("lblVersion"), QString());
    auto* lblFreeProgram =
        pellar::ui::named(new ClickableLabel(tr("(A Free Program from Orvanta)"), central),
                          QStringLiteral("lblFreeProgram"));
    lblFreeProgram->setToolTip(tr("Click to Visit"));
    lblFreeProgram->setCursor(Qt::PointingHandCursor);
    connect(lblFreeProgram, &ClickableLabel::clicked, this,
            [this] { openAddress(m_context.web.homePage); });

    auto* titles = new QVBoxLayout;
    titles->setSpacing(4);
    titles->addWidget(lblProductName);
    titles->addWidget(lblCreateDeposit);
    titles->addSpacing(8);
    titles->addWidget(m_version);
    titles->addWidget(lblFreeProgram);
    titles->addSpacing(6);
    // What the program is for, in one sentence, for the person who starts it the first time.
    QLabel* purpose = pellar::ui::makeLabel(
        central, QStringLiteral("lblPurpose"),
        tr("Prints your bank deposit slips and keeps your\ncheckbook balance. F1 shows how."));
    titles->addWidget(purpose);
    titles->addSpacing(12);
    const QStringList running{tr("Orvanta Programs share files."),
                              tr("Exit all other Orvanta Programs"), tr("before continuing....")};
    const QFont runningFont = scaled(font(), 1.0, true);
    for (int i = 0; i < running.size(); ++i) {
        QLabel* label =
            pellar::ui::makeLabel(central, QStringLiteral("lblRunning_%1").arg(i), running[i]);
        label->setFont(runningFont);
        pellar::ui::tinted(label, pellar::Tint::Warning);
        titles->addWidget(label);
    }
    titles->addStretch(1);

    auto* top = new QHBoxLayout;
    top->setSpacing(22);
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addLayout(titles, 1);
    outer->addLayout(top);
    outer->addSpacing(10);
    outer->addStretch(1);

    QPushButton* cmdContinue = pellar::ui::makeButton(central, QStringLiteral("cmdContinue"),
                                                      tr("&Continue"), tr("Starts the Program"));
    cmdContinue->setDefault(true);
    cmdContinue->setMinimumWidth(140);
    connect(cmdContinue, &QPushButton::clicked, this, &frmSplash::continueClicked);
    QPushButton* cmdHistory =
        pellar::ui::makeButton(central, QStringLiteral("cmdHistory"), tr("Deposit H&istory"),
                               tr("The deposits made so far, their totals and their slips"));
    cmdHistory->setMinimumWidth(140);
    connect(cmdHistory, &QPushButton::clicked, this, &frmSplash::historyWanted);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdHistory);
    buttons->addWidget(cmdContinue);
    outer->addLayout(buttons);

    QLabel* lblWarning = pellar::ui::makeLabel(
        central, QStringLiteral("lblWarning"),
        tr("Warning: this program is protected by copyright law. You may use it "
           "and give away unchanged copies free of charge; selling it or changing "
           "it is not allowed. It is provided as is, without warranty of any "
           "kind."));
    lblWarning->setWordWrap(true);
    lblWarning->setFont(scaled(font(), 0.85, false));
    outer->addWidget(lblWarning);

    m_notice = pellar::ui::makeLabel(central, QStringLiteral("lblNotice"), QString());
    m_notice->setFont(scaled(font(), 0.85, false));
    outer->addWidget(m_notice);

    cmdContinue->setFocus();
    resize(560, minimumSizeHint().height());
}

void frmSplash::buildMenu() {
    QMenuBar* bar = menuBar();
    QAction* setup = pellar::ui::named(bar->addAction(tr("&Setup")), QStringLiteral("mnuSetup"));
    connect(setup, &QAction::triggered, this, &frmSplash::setupWanted);
    // Where the data files are: the checkbook file is shared with another program.
    QAction* dataFolder =
        pellar::ui::named(bar->addAction(tr("&Data Folder...")), QStringLiteral("mnuDataFolder"));
    connect(dataFolder, &QAction::triggered, this, [this] { pellar::showDataFolder(m_context); });

    QMenu* upgrade = pellar::ui::named(bar->addMenu(tr("&Upgrade")), QStringLiteral("mnuOrvanta"));
    QAction* banking = pellar::ui::named(upgrade->addAction(tr("to Pellar &Banking (Full)")),
                                         QStringLiteral("mnuPellarBanking"));
    connect(banking, &QAction::triggered, this,
            [this] { openAddress(m_context.web.bankingProduct); });

    QAction* home = pellar::ui::named(bar->addAction(tr("&Visit Us")), QStringLiteral("mnuHome"));
    connect(home, &QAction::triggered, this, [this] { openAddress(m_context.web.homePage); });

    QAction* supplies =
        pellar::ui::named(bar->addAction(tr("&Order Supplies")), QStringLiteral("mnuDeluxe"));
    connect(supplies, &QAction::triggered, this, [this] {
        if (const pellar::FileResult opened = showSupplierOrderNotice(m_context); !opened)
            m_desk.message(programTitle(), {opened.error}, pellar::MessageButtons::Ok);
    });
    pellar::ui::addHelpMenu(bar, m_context, slipmakerHelp());
}

frmSplash::Checkbook frmSplash::checkCheckbook() {
    if (pellar::DataFileExists(m_context.data, kCheckbookFile))
        return Checkbook::Present;
    m_desk.message(
        programTitle(),
        {tr("Create your Checkbook Files using Pellar Writer"), tr("before Running Slipmaker")},
        pellar::MessageButtons::Ok);
    // Without the check-writing program the file can be started here instead.
    const pellar::MessageAnswer answer =
        m_desk.message(programTitle(),
                       {tr("No checkbook file CheckbookInfo.txt is in the data folder or its "
                           "Backup folder."),
                        tr("Click Yes to set up a checkbook file here now: the account, the bank "
                           "and the opening balance."),
                        tr("Click No if you keep your checkbook with the check-writing program; "
                           "Slipmaker ends, and works once that program has made the file.")},
                       pellar::MessageButtons::YesNo, pellar::MessageIcon::Question);
    if (answer == pellar::MessageAnswer::Yes)
        return Checkbook::SetUpWanted;
    m_context.exitProgram();
    return Checkbook::Ended;
}

void frmSplash::activate() {
    m_version->setText(versionText());
    m_notice->setText(tr("Copyright \u00A9 ORVANTA Co %1").arg(m_desk.today().year()));
}

void frmSplash::continueClicked() {
    if (pellar::DataFileExists(m_context.data, pellar::kBusinessFile))
        emit depositWanted();
    else
        emit setupWanted();
}

void frmSplash::openAddress(const QString& url) {
    if (const pellar::FileResult opened = pellar::OpenWebAddress(m_context, url); !opened)
        m_desk.message(programTitle(), {opened.error}, pellar::MessageButtons::Ok);
}

} // namespace deposits
