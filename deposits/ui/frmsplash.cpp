#include "deposits/ui/frmsplash.h"

#include "common/ui/widgets.h"

#include "common/core/backup.h"
#include "common/core/desk.h"
#include "common/core/profile.h"
#include "common/core/programcontext.h"
#include "deposits/core/checkbook.h"
#include "deposits/core/formpictures.h"
#include "deposits/core/slipmakerinfo.h"
#include "deposits/ui/clickablelabel.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace deposits {

namespace {

QFont scaledFont(const QFont& base, qreal factor, bool bold) {
    QFont font = base;
    font.setPointSizeF(base.pointSizeF() * factor);
    font.setBold(bold);
    return font;
}

} // namespace

frmSplash::frmSplash(pellar::ProgramContext& context, QWidget* parent)
    : QMainWindow(parent)
    , m_context(context)
    , m_desk(context.desk) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Pellar Banking by ORVANTA Co"));
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

    Image1 = new ClickableLabel(central);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setToolTip(QStringLiteral("Shows Setup Screen"));
    const QSize pictureSize(150, 180);
    Image1->setPixmap(depositTicketPicture(pictureSize));
    Image1->setFixedSize(pictureSize);
    Image1->setCursor(Qt::PointingHandCursor);
    connect(Image1, &ClickableLabel::clicked, this, &frmSplash::setupWanted);

    const QString nameTip = QStringLiteral("The Name of this program");
    lblProductName = pellar::ui::makeLabel(central, QStringLiteral("lblProductName"),
                                           QStringLiteral("Pellar Banking -"));
    lblProductName->setToolTip(nameTip);
    lblProductName->setFont(scaledFont(font(), 2.0, true));
    lblCreateDeposit = pellar::ui::makeLabel(central, QStringLiteral("lblCreateDeposit"),
                                             QStringLiteral("Create a Deposit"));
    lblCreateDeposit->setToolTip(nameTip);
    lblCreateDeposit->setFont(scaledFont(font(), 1.6, true));

    lblVersion = pellar::ui::makeLabel(central, QStringLiteral("lblVersion"), QString());
    lblFreeProgram = new ClickableLabel(QStringLiteral("(A Free Program from Orvanta)"), central);
    lblFreeProgram->setObjectName(QStringLiteral("lblFreeProgram"));
    lblFreeProgram->setToolTip(QStringLiteral("Click to Visit"));
    lblFreeProgram->setCursor(Qt::PointingHandCursor);
    connect(lblFreeProgram, &ClickableLabel::clicked, this,
            [this] { openAddress(m_context.web.homePage); });

    auto* titles = new QVBoxLayout;
    titles->setSpacing(4);
    titles->addWidget(lblProductName);
    titles->addWidget(lblCreateDeposit);
    titles->addSpacing(8);
    titles->addWidget(lblVersion);
    titles->addWidget(lblFreeProgram);
    titles->addSpacing(12);
    const QStringList running{QStringLiteral("Orvanta Programs share files."),
                              QStringLiteral("Exit all other Orvanta Programs"),
                              QStringLiteral("before continuing....")};
    const QFont runningFont = scaledFont(font(), 1.0, true);
    for (int i = 0; i < running.size(); ++i) {
        QLabel* label =
            pellar::ui::makeLabel(central, QStringLiteral("lblRunning_%1").arg(i), running[i]);
        label->setFont(runningFont);
        label->setStyleSheet(QStringLiteral("color: #8b1a1a;"));
        lblRunning << label;
        titles->addWidget(label);
    }
    titles->addStretch(1);

    auto* top = new QHBoxLayout;
    top->setSpacing(22);
    top->addWidget(Image1, 0, Qt::AlignTop);
    top->addLayout(titles, 1);
    outer->addLayout(top);
    outer->addSpacing(10);
    outer->addStretch(1);

    cmdContinue = new QPushButton(QStringLiteral("Continue"), central);
    cmdContinue->setObjectName(QStringLiteral("cmdContinue"));
    cmdContinue->setToolTip(QStringLiteral("Starts the Program"));
    cmdContinue->setDefault(true);
    cmdContinue->setMinimumWidth(140);
    connect(cmdContinue, &QPushButton::clicked, this, &frmSplash::continueClicked);
    outer->addWidget(cmdContinue, 0, Qt::AlignRight);

    lblWarning = pellar::ui::makeLabel(
        central, QStringLiteral("lblWarning"),
        QStringLiteral("Warning: this program is protected by copyright law. You may use it "
                       "and give away unchanged copies free of charge; selling it or changing "
                       "it is not allowed. It is provided as is, without warranty of any "
                       "kind."));
    lblWarning->setWordWrap(true);
    lblWarning->setFont(scaledFont(font(), 0.85, false));
    outer->addWidget(lblWarning);

    lblNotice = pellar::ui::makeLabel(central, QStringLiteral("lblNotice"), QString());
    lblNotice->setFont(scaledFont(font(), 0.85, false));
    outer->addWidget(lblNotice);

    cmdContinue->setFocus();
    resize(560, minimumSizeHint().height());
}

void frmSplash::buildMenu() {
    QMenuBar* bar = menuBar();
    mnuSetup = bar->addAction(QStringLiteral("Setup"));
    mnuSetup->setObjectName(QStringLiteral("mnuSetup"));
    connect(mnuSetup, &QAction::triggered, this, &frmSplash::setupWanted);

    mnuOrvanta = bar->addMenu(QStringLiteral("Upgrade"));
    mnuOrvanta->setObjectName(QStringLiteral("mnuOrvanta"));
    mnuPellarBanking = mnuOrvanta->addAction(QStringLiteral("to Pellar Banking (Full)"));
    mnuPellarBanking->setObjectName(QStringLiteral("mnuPellarBanking"));
    connect(mnuPellarBanking, &QAction::triggered, this,
            [this] { openAddress(m_context.web.bankingProduct); });

    mnuHome = bar->addAction(QStringLiteral("Visit Us"));
    mnuHome->setObjectName(QStringLiteral("mnuHome"));
    connect(mnuHome, &QAction::triggered, this, [this] { openAddress(m_context.web.homePage); });

    mnuDeluxe = bar->addAction(QStringLiteral("Order Supplies"));
    mnuDeluxe->setObjectName(QStringLiteral("mnuDeluxe"));
    connect(mnuDeluxe, &QAction::triggered, this, [this] {
        if (const pellar::FileResult opened = showSupplierOrderNotice(m_context); !opened)
            m_desk.message(programTitle(), {opened.error}, pellar::MessageButtons::Ok);
    });
}

bool frmSplash::checkCheckbook() {
    if (pellar::DataFileExists(m_context.data, kCheckbookFile))
        return true;
    m_desk.message(programTitle(),
                   {QStringLiteral("Create your Checkbook Files using Pellar Writer"),
                    QStringLiteral("before Running Slipmaker")},
                   pellar::MessageButtons::Ok);
    m_context.exitProgram();
    return false;
}

void frmSplash::activate() {
    lblVersion->setText(versionText());
    lblNotice->setText(QStringLiteral("Copyright \u00A9 ORVANTA Co %1").arg(m_desk.today().year()));
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
