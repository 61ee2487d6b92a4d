#include "expenses/ui/frmstartup.h"

#include "common/core/backup.h"
#include "common/core/buildversion.h"
#include "common/core/profile.h"
#include "common/core/programcontext.h"
#include "common/core/weblinks.h"
#include "expenses/core/categories.h"
#include "expenses/core/contacts.h"
#include "expenses/ui/notices.h"
#include "expenses/ui/spendlogforms.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

namespace expenses {

namespace {

inline constexpr const char16_t* kCheckbookFile = u"\\CheckbookInfo.txt";
inline constexpr const char16_t* kProfileName = u"/MyBusinessData.txt";

// The program's picture: a paid receipt with a coin on it.
QPixmap startupPicture() {
    QPixmap picture(132, 168);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);

    QPainterPath receipt;
    receipt.moveTo(14, 8);
    receipt.lineTo(104, 8);
    receipt.lineTo(104, 150);
    for (int x = 104, i = 0; x > 14; x -= 9, ++i)
        receipt.lineTo(x - 4.5, i % 2 == 0 ? 158 : 150);
    receipt.lineTo(14, 150);
    receipt.closeSubpath();
    p.fillPath(receipt.translated(4, 4), QColor(0, 0, 0, 50));
    p.fillPath(receipt, QColor(252, 250, 240));
    p.setPen(QPen(QColor(120, 110, 90), 1.5));
    p.drawPath(receipt);

    p.setPen(QPen(QColor(160, 160, 170), 2));
    for (int y = 30; y <= 110; y += 16)
        p.drawLine(26, y, y % 32 == 14 ? 70 : 92, y);
    p.setPen(QPen(QColor(40, 40, 60), 2.5));
    p.drawLine(26, 128, 92, 128);

    const QRectF coin(72, 104, 54, 54);
    p.setPen(QPen(QColor(140, 100, 10), 2));
    p.setBrush(QColor(236, 190, 60));
    p.drawEllipse(coin);
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(30);
    p.setFont(font);
    p.setPen(QColor(110, 75, 0));
    p.drawText(coin, Qt::AlignCenter, QStringLiteral("$"));
    return picture;
}

QLabel* wrappedLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

} // namespace

frmStartup::frmStartup(SpendlogForms& forms)
    : m_forms(forms) {
    setObjectName(QStringLiteral("frmStartup"));
    setWindowTitle(QStringLiteral("Pellar Spendlog"));

    auto* central = new QWidget(this);
    setCentralWidget(central);

    lblProductName = new QLabel(QStringLiteral("Pellar Spendlog"), central);
    lblProductName->setObjectName(QStringLiteral("lblProductName"));
    lblProductName->setToolTip(QStringLiteral("The Name of this program"));
    QFont title = lblProductName->font();
    title.setPointSizeF(title.pointSizeF() * 2.0);
    title.setBold(true);
    lblProductName->setFont(title);

    Label1[0] = nullptr;
    Label1[1] = new QLabel(QStringLiteral("(A Free Program from Orvanta)"), central);
    Label1[1]->setObjectName(QStringLiteral("Label1_1"));
    Label1[1]->setToolTip(QStringLiteral("Click to Visit"));
    Label1[2] = wrappedLabel(QStringLiteral("A Orvanta Checkbook Module was found. Enter only CASH "
                                            "and CC Expenditures  using Spendlog"),
                             central);
    Label1[2]->setObjectName(QStringLiteral("Label1_2"));
    Label1[2]->setStyleSheet(QStringLiteral("color: #8b0000; font-weight: bold;"));
    Label1[2]->hide();

    lblVersion = new QLabel(QStringLiteral("Version"), central);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblLicensedTo = new QLabel(central);
    lblLicensedTo->setObjectName(QStringLiteral("lblLicensedTo"));
    lblLicensedTo->setToolTip(QStringLiteral("Thank you for using Orvanta Products"));

    const char16_t* running[3] = {u"Orvanta Programs share files.",
                                  u"Exit all other Orvanta Programs", u"before continuing...."};
    for (int i = 0; i < 3; ++i) {
        lblRunning[i] = new QLabel(QString::fromUtf16(running[i]), central);
        lblRunning[i]->setObjectName(QStringLiteral("lblRunning_%1").arg(i));
    }
    QFont strong = lblRunning[0]->font();
    strong.setBold(true);
    lblRunning[0]->setFont(strong);

    lblWarning = wrappedLabel(
        QStringLiteral("Warning: this computer program is protected by copyright law. Copying or "
                       "passing on this program, or any part of it, without permission may be "
                       "prosecuted to the full extent of the law."),
        central);
    lblWarning->setObjectName(QStringLiteral("lblWarning"));
    lblWarning->setToolTip(QStringLiteral("Protected by Law"));
    QFont small = lblWarning->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    lblWarning->setFont(small);

    Image1 = new QLabel(central);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setToolTip(QStringLiteral("Shows Setup Screen"));
    Image1->setPixmap(startupPicture());
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->installEventFilter(this);

    cmdGoto = new QPushButton(QStringLiteral("&Continue......."), central);
    cmdGoto->setObjectName(QStringLiteral("cmdGoto"));
    cmdGoto->setToolTip(QStringLiteral("Enter expense data"));
    cmdGoto->setDefault(true);
    cmdGoto->setMinimumWidth(140);

    auto* text = new QVBoxLayout;
    text->addWidget(lblProductName);
    text->addWidget(Label1[1]);
    text->addSpacing(6);
    text->addWidget(lblVersion);
    text->addWidget(lblLicensedTo);
    text->addSpacing(12);
    for (QLabel* label : lblRunning)
        text->addWidget(label);
    text->addSpacing(8);
    text->addWidget(Label1[2]);
    text->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addWidget(Image1, 0, Qt::AlignTop);
    top->addSpacing(16);
    top->addLayout(text, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblWarning, 1);
    bottom->addSpacing(16);
    bottom->addWidget(cmdGoto, 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->addLayout(top, 1);
    layout->addSpacing(10);
    layout->addLayout(bottom);
    central->setMinimumWidth(520);

    buildMenus();
    connect(cmdGoto, &QPushButton::clicked, this, &frmStartup::goOn);
}

void frmStartup::buildMenus() {
    const auto action = [](QMenu* menu, const char* name, const QString& caption) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    mnuFiles = menuBar()->addMenu(QStringLiteral("Files"));
    mnuFiles->setObjectName(QStringLiteral("mnuFiles"));
    mnuSetup = action(mnuFiles, "mnuSetup", QStringLiteral("Show Setup Screen"));
    mnuSuppliers = action(mnuFiles, "mnuSuppliers", QStringLiteral("Create/Manage Suppliers List"));
    mnuExit = action(mnuFiles, "mnuExit", QStringLiteral("Exit"));

    mnuOrder = menuBar()->addMenu(QStringLiteral("Order Forms"));
    mnuOrder->setObjectName(QStringLiteral("mnuOrder"));
    mnuDeluxe =
        action(mnuOrder, "mnuDeluxe", QStringLiteral("Checks, Deposit Slips,Envelopes, etc"));
    mnuOffice = action(mnuOrder, "mnuOffice", QStringLiteral("Perfed Paper"));
    mnuAvery = action(mnuOrder, "mnuAvery", QStringLiteral("Labels, etc"));

    mnuUpgrade = menuBar()->addMenu(QStringLiteral("Upgrade"));
    mnuUpgrade->setObjectName(QStringLiteral("mnuUpgrade"));
    mnuAccounting = action(mnuUpgrade, "mnuAccounting", QStringLiteral("Orvanta Accounting"));
    mnuCompletion = action(mnuUpgrade, "mnuCompletion", QStringLiteral("Orvanta Form Completion"));

    connect(mnuSetup, &QAction::triggered, this, [this] { m_forms.showSetup(this); });
    connect(mnuSuppliers, &QAction::triggered, this, [this] { m_forms.showContacts(this); });
    connect(mnuExit, &QAction::triggered, this, [this] { m_forms.context().exitProgram(); });
    connect(mnuDeluxe, &QAction::triggered, this,
            [this] { reportIfFailed(showFormsNotice(m_forms.context())); });
    connect(mnuOffice, &QAction::triggered, this,
            [this] { reportIfFailed(showPaperNotice(m_forms.context())); });
    connect(mnuAvery, &QAction::triggered, this,
            [this] { openAddress(m_forms.web().labelSupplier); });
    connect(mnuAccounting, &QAction::triggered, this,
            [this] { openAddress(m_forms.web().accountingProduct); });
    connect(mnuCompletion, &QAction::triggered, this,
            [this] { openAddress(m_forms.web().completionProduct); });
}

void frmStartup::formLoad() {
    // Loading the contacts form reads the contacts file, so the payees are ready.
    m_forms.contacts();
    Label1[2]->setVisible(pellar::DataFileExists(m_forms.data(), kCheckbookFile));
}

void frmStartup::showForm() {
    show();
    raise();
    activateWindow();
    activate();
}

void frmStartup::activate() {
    QString owner;
    if (pellar::DataFileExists(m_forms.data(), kProfileName))
        owner = trimBlanks(pellar::readBusinessProfile(m_forms.data()).profile.name);
    lblLicensedTo->setText(owner.isEmpty() ? QStringLiteral("Licensed to a Valued Customer")
                                           : QStringLiteral("Licensed to ") + owner);
    lblVersion->setText(QStringLiteral("Version ") + pellar::buildVersion());
    cmdGoto->setFocus();
}

void frmStartup::goOn() {
    hide();
    if (!pellar::DataFileExists(m_forms.data(), kCategoriesFile))
        m_forms.showSetup(nullptr);
    else if (!pellar::DataFileExists(m_forms.data(), kContactsFile))
        m_forms.showContacts(nullptr);
    else
        m_forms.showExpenses(nullptr);
}

void frmStartup::openAddress(const QString& url) {
    reportIfFailed(pellar::OpenWebAddress(m_forms.context(), url));
}

void frmStartup::reportIfFailed(const pellar::FileResult& result) {
    if (!result)
        reportFileProblem(m_forms.desk(), result.error);
}

bool frmStartup::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Image1 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        m_forms.showSetup(this);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace expenses
