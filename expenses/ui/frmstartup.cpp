#include "expenses/ui/frmstartup.h"

#include "common/ui/tinted.h"
#include "common/core/backup.h"
#include "common/core/buildversion.h"
#include "common/core/datafoldernotice.h"
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
#include <QTimer>
#include <QVBoxLayout>

namespace expenses {

namespace {

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
    setWindowTitle(tr("Pellar Spendlog"));

    auto* central = new QWidget(this);
    setCentralWidget(central);

    auto* productName = new QLabel(tr("Pellar Spendlog"), central);
    productName->setObjectName(QStringLiteral("lblProductName"));
    productName->setToolTip(tr("The Name of this program"));
    QFont title = productName->font();
    title.setPointSizeF(title.pointSizeF() * 2.0);
    title.setBold(true);
    productName->setFont(title);

    auto* freeProgram = new QLabel(tr("(A Free Program from Orvanta)"), central);
    freeProgram->setObjectName(QStringLiteral("Label1_1"));
    freeProgram->setToolTip(tr("Click to Visit"));
    m_checkbookNotice = wrappedLabel(tr("A Orvanta Checkbook Module was found. Enter only CASH "
                                        "and CC Expenditures  using Spendlog"),
                                     central);
    m_checkbookNotice->setObjectName(QStringLiteral("Label1_2"));
    pellar::ui::tinted(m_checkbookNotice, pellar::Tint::Warning, true);
    m_checkbookNotice->hide();

    m_version = new QLabel(tr("Version"), central);
    m_version->setObjectName(QStringLiteral("lblVersion"));
    m_licensedTo = new QLabel(central);
    m_licensedTo->setObjectName(QStringLiteral("lblLicensedTo"));
    m_licensedTo->setToolTip(tr("Thank you for using Orvanta Products"));

    const char* runningTexts[3] = {QT_TR_NOOP("Orvanta Programs share files."),
                                   QT_TR_NOOP("Exit all other Orvanta Programs"),
                                   QT_TR_NOOP("before continuing....")};
    QLabel* running[3];
    for (int i = 0; i < 3; ++i) {
        running[i] = new QLabel(tr(runningTexts[i]), central);
        running[i]->setObjectName(QStringLiteral("lblRunning_%1").arg(i));
    }
    QFont strong = running[0]->font();
    strong.setBold(true);
    running[0]->setFont(strong);

    auto* warning =
        wrappedLabel(tr("Warning: this computer program is protected by copyright law. Copying or "
                        "passing on this program, or any part of it, without permission may be "
                        "prosecuted to the full extent of the law."),
                     central);
    warning->setObjectName(QStringLiteral("lblWarning"));
    warning->setToolTip(tr("Protected by Law"));
    QFont small = warning->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    warning->setFont(small);

    m_picture = new QLabel(central);
    m_picture->setObjectName(QStringLiteral("Image1"));
    m_picture->setToolTip(tr("Shows Setup Screen"));
    m_picture->setPixmap(startupPicture());
    m_picture->setCursor(Qt::PointingHandCursor);
    m_picture->installEventFilter(this);

    m_continue = new QPushButton(tr("&Continue......."), central);
    m_continue->setObjectName(QStringLiteral("cmdGoto"));
    m_continue->setToolTip(tr("Enter expense data"));
    m_continue->setDefault(true);
    m_continue->setMinimumWidth(140);

    auto* text = new QVBoxLayout;
    text->addWidget(productName);
    text->addWidget(freeProgram);
    text->addSpacing(6);
    text->addWidget(m_version);
    text->addWidget(m_licensedTo);
    text->addSpacing(6);
    // What the program is for, in one sentence, for the person who starts it the first time.
    auto* purpose = new QLabel(
        tr("Records what your business pays, and reports it for your accountant. F1 shows how."),
        this);
    purpose->setObjectName(QStringLiteral("lblPurpose"));
    purpose->setWordWrap(true);
    text->addWidget(purpose);
    text->addSpacing(12);
    for (QLabel* label : running)
        text->addWidget(label);
    text->addSpacing(8);
    text->addWidget(m_checkbookNotice);
    text->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addWidget(m_picture, 0, Qt::AlignTop);
    top->addSpacing(16);
    top->addLayout(text, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(warning, 1);
    bottom->addSpacing(16);
    bottom->addWidget(m_continue, 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->addLayout(top, 1);
    layout->addSpacing(10);
    layout->addLayout(bottom);
    central->setMinimumWidth(520);

    buildMenus();
    connect(m_continue, &QPushButton::clicked, this, &frmStartup::goOn);
}

void frmStartup::buildMenus() {
    const auto action = [](QMenu* menu, const char* name, const QString& caption) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    auto* files = menuBar()->addMenu(tr("&Files"));
    files->setObjectName(QStringLiteral("mnuFiles"));
    auto* setup = action(files, "mnuSetup", tr("Show &Setup Screen"));
    auto* suppliers = action(files, "mnuSuppliers", tr("Create/&Manage Suppliers List"));
    auto* dataFolder = action(files, "mnuDataFolder", tr("&Data Folder..."));
    auto* exportExpenses = action(files, "mnuExportExpenses", tr("&Export Expenses..."));
    auto* categoryTotals = action(files, "mnuCategoryTotals", tr("Category &Totals"));
    auto* exitProgram = action(files, "mnuExit", tr("E&xit"));

    auto* order = menuBar()->addMenu(tr("&Order Forms"));
    order->setObjectName(QStringLiteral("mnuOrder"));
    auto* businessForms = action(order, "mnuDeluxe", tr("&Checks, Deposit Slips,Envelopes, etc"));
    auto* paper = action(order, "mnuOffice", tr("&Perfed Paper"));
    auto* labels = action(order, "mnuAvery", tr("&Labels, etc"));

    auto* upgrade = menuBar()->addMenu(tr("&Upgrade"));
    upgrade->setObjectName(QStringLiteral("mnuUpgrade"));
    auto* accounting = action(upgrade, "mnuAccounting", tr("Orvanta &Accounting"));
    auto* completion = action(upgrade, "mnuCompletion", tr("Orvanta &Form Completion"));
    pellar::ui::addHelpMenu(menuBar(), m_forms.context(), spendlogHelp());

    connect(setup, &QAction::triggered, this, [this] { m_forms.showSetup(this); });
    connect(suppliers, &QAction::triggered, this, [this] { m_forms.showContacts(this); });
    connect(dataFolder, &QAction::triggered, this,
            [this] { pellar::showDataFolder(m_forms.context()); });
    connect(exportExpenses, &QAction::triggered, this, [this] { m_forms.showExpenseExport(this); });
    connect(categoryTotals, &QAction::triggered, this,
            [this] { m_forms.showCategoryTotals(this); });
    connect(exitProgram, &QAction::triggered, this, [this] { m_forms.context().exitProgram(); });
    connect(businessForms, &QAction::triggered, this,
            [this] { reportIfFailed(showFormsNotice(m_forms.context())); });
    connect(paper, &QAction::triggered, this,
            [this] { reportIfFailed(showPaperNotice(m_forms.context())); });
    connect(labels, &QAction::triggered, this,
            [this] { openAddress(m_forms.web().labelSupplier); });
    connect(accounting, &QAction::triggered, this,
            [this] { openAddress(m_forms.web().accountingProduct); });
    connect(completion, &QAction::triggered, this,
            [this] { openAddress(m_forms.web().completionProduct); });
}

void frmStartup::formLoad() {
    m_checkbookNotice->setVisible(pellar::DataFileExists(m_forms.data(), pellar::kCheckbookFile));
    // Loading the contacts form reads the contacts file, so the payees are ready — as soon as
    // this form is on the screen: making that form takes longer than showing this one.
    QTimer::singleShot(0, this, [this] { m_forms.contacts(); });
}

void frmStartup::showForm() {
    show();
    raise();
    activateWindow();
    activate();
}

void frmStartup::activate() {
    QString owner;
    if (pellar::DataFileExists(m_forms.data(), pellar::kBusinessFile))
        owner = trimBlanks(pellar::readBusinessProfile(m_forms.data()).profile.name);
    m_licensedTo->setText(owner.isEmpty() ? tr("Licensed to a Valued Customer")
                                          : tr("Licensed to ") + owner);
    m_version->setText(tr("Version ") + pellar::buildVersion());
    m_continue->setFocus();
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
    if (watched == m_picture && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        m_forms.showSetup(this);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace expenses
