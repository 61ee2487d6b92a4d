#include "common/ui/programshell.h"

#include "common/core/backup.h"
#include "common/core/commandline.h"
#include "common/core/singleinstance.h"
#include "common/ui/keyboard.h"
#include "common/ui/realdesk.h"
#include "common/ui/warmup.h"
#include "common/ui/widgets.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QIcon>
#include <QKeySequence>
#include <QLocale>
#include <QShortcut>
#include <QTimer>
#include <QTranslator>
#include <QWidget>
#include <cstdio>

namespace pellar {

ProgramShell::ProgramShell(ProgramContext& context, ProgramProfile profile)
    : m_context(context)
    , m_profile(std::move(profile)) {
    m_context.control = this;
    new ui::EnterClicksButtons(this);
    m_context.shortcutDropsBackup = m_profile.shortcutDropsBackup;
    if (m_profile.restoreNotice) {
        m_context.data.setRestoreNotice([&desk = m_context.desk, &folder = m_context.data,
                                         notice = m_profile.restoreNotice](const QString& name) {
            notice(desk, folder, name);
        });
    }
}

ProgramShell::~ProgramShell() {
    // The forms go the way they came, the last loaded first.
    for (qsizetype i = m_loaded.size() - 1; i >= 0; --i) {
        if (m_loaded[i])
            m_loaded[i]->removeEventFilter(this);
    }
    for (qsizetype i = m_slots.size() - 1; i >= 0; --i)
        delete m_slots[i].form.data();
    if (m_context.control == this)
        m_context.control = nullptr;
}

void ProgramShell::addForm(const QString& name, std::function<QWidget*()> make, Lifetime lifetime) {
    m_slots.append({name, std::move(make), lifetime, {}});
}

ProgramShell::Slot* ProgramShell::slot(const QString& name) {
    for (Slot& s : m_slots) {
        if (s.name == name)
            return &s;
    }
    return nullptr;
}

const ProgramShell::Slot* ProgramShell::slotOf(const QWidget* form) const {
    for (const Slot& s : m_slots) {
        if (form && s.form == form)
            return &s;
    }
    return nullptr;
}

void ProgramShell::loaded(Slot& slot) {
    m_loaded.removeIf([](const QPointer<QWidget>& f) { return f.isNull(); });
    m_loaded.append(slot.form);
    slot.form->installEventFilter(this);
    // Ctrl+Q in any form ends the program the one way it ends, backup and all.
    auto* quit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), slot.form);
    quit->setContext(Qt::WindowShortcut);
    connect(quit, &QShortcut::activated, this,
            [this] { QMetaObject::invokeMethod(this, [this] { exitProgram(); }, Qt::QueuedConnection); });
}

QWidget* ProgramShell::form(const QString& name) {
    Slot* s = slot(name);
    if (!s)
        return nullptr;
    if (!s->form) {
        s->form = s->make();
        if (s->form)
            loaded(*s);
    }
    return s->form;
}

QWidget* ProgramShell::loadedForm(const QString& name) const {
    for (const Slot& s : m_slots) {
        if (s.name == name)
            return s.form;
    }
    return nullptr;
}

QWidget* ProgramShell::show(const QString& name, QWidget* from) {
    if (from) {
        const Slot* fromSlot = slotOf(from);
        if (fromSlot && fromSlot->lifetime == Lifetime::Recreated)
            unload(from);
        else
            from->hide();
    }
    Slot* s = slot(name);
    if (!s)
        return nullptr;
    if (s->lifetime == Lifetime::Recreated && s->form)
        unload(s->form);
    QWidget* shown = form(name);
    if (!shown)
        return nullptr;
    shown->show();
    shown->raise();
    shown->activateWindow();
    return shown;
}

void ProgramShell::unload(QWidget* form) {
    if (!form)
        return;
    m_loaded.removeAll(form);
    form->removeEventFilter(this);
    const QPointer<QWidget> watched(form);
    // A close from code: the form's own close handler runs, and it goes even if it refuses.
    form->close();
    if (!watched)
        return;
    form->hide();
    for (Slot& s : m_slots) {
        if (s.form == form && s.lifetime == Lifetime::Recreated) {
            s.form = nullptr;
            form->deleteLater();
        }
    }
}

QList<QWidget*> ProgramShell::loadedForms() const {
    QList<QWidget*> forms;
    for (const QPointer<QWidget>& form : m_loaded) {
        if (form)
            forms.append(form.data());
    }
    return forms;
}

bool ProgramShell::start() {
    if (!m_profile.refusalLines.isEmpty()) {
        m_guard = std::make_unique<SingleInstanceGuard>(m_profile.title, m_lockFolder,
                                                        m_context.data.path());
        if (!m_guard->acquire()) {
            m_context.desk.message(m_profile.title, m_profile.refusalLines, MessageButtons::Ok);
            if (m_profile.exitAfterRefusal)
                exitProgram();
            return false;
        }
    }
    if (!m_profile.start)
        return true;
    return m_profile.start(*this) && !m_exiting;
}

void ProgramShell::exitProgram() {
    if (m_exiting)
        return;
    m_exiting = true;
    while (!m_loaded.isEmpty()) {
        const QPointer<QWidget> form = m_loaded.takeLast();
        if (!form)
            continue;
        form->removeEventFilter(this);
        form->close();
        if (form)
            form->hide();
        if (form && form->testAttribute(Qt::WA_DeleteOnClose))
            form->deleteLater();
    }
    backupDataFiles();
    if (m_end)
        m_end();
    else
        QCoreApplication::exit(0);
}

void ProgramShell::backupDataFiles() {
    if (!m_profile.backupNames.isEmpty()) {
        const bool tell = bool(m_profile.backupFailed);
        const BackupOutcome outcome = copyToBackup(m_context.data, m_profile.backupNames, tell);
        if (!outcome.complete && tell)
            m_profile.backupFailed(m_context.desk, outcome.failedName);
    }
    QStringList others;
    for (const QString& name : m_profile.writtenNames) {
        if (!m_profile.backupNames.contains(name))
            others << name;
    }
    if (others.isEmpty())
        return;
    // The program is ending: a copy that fails is tried again at the next exit.
    if (MakeBackupFolder(m_context.data))
        copyToBackup(m_context.data, others, false);
    copyToDatedBackup(m_context.data, m_profile.backupNames + others, m_context.desk.today());
}

bool ProgramShell::eventFilter(QObject* watched, QEvent* event) {
    // Only the close box sends a spontaneous close; close() from code does not.
    if (event->type() == QEvent::Close && event->spontaneous() && !m_exiting) {
        auto* form = qobject_cast<QWidget*>(watched);
        if (form && m_loaded.contains(form)) {
            // Refused here and ended from the event loop, so the window system's close is
            // over and every form, this one too, is unloaded the same way.
            event->ignore();
            QMetaObject::invokeMethod(
                this, [this] { exitProgram(); }, Qt::QueuedConnection);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

namespace {

// The catalogue of the person's language: beside the program for a copy run from its own
// folder, else where the package installs it (share/pellar/translations beside bin/).
// Without one the texts stay as written, in English.
bool loadCatalogue(QTranslator& translator) {
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QStringList folders{programFolder + QStringLiteral("/translations"),
                              programFolder + QStringLiteral("/../share/pellar/translations")};
    for (const QString& folder : folders) {
        if (translator.load(QLocale(), QStringLiteral("pellar"), QStringLiteral("_"), folder))
            return true;
    }
    return false;
}

} // namespace

int runProgram(const ProgramProfile& profile, int argc, char** argv) {
    // Answered before any window system is asked for, so they work from a plain terminal.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine line = parseCommandLine(arguments);
    const QString userFolder = perUserDataFolder();
    switch (line.action) {
    case CommandLine::Action::Help:
        std::fputs(qPrintable(usageText(profile.title, userFolder,
                                        profile.backupNames + profile.writtenNames)),
                   stdout);
        return 0;
    case CommandLine::Action::Version:
        std::printf("%s %s\n", qPrintable(profile.title), qPrintable(profile.version));
        return 0;
    case CommandLine::Action::Error:
        std::fprintf(stderr, "%s: %s\n\n%s", qPrintable(profile.title), qPrintable(line.error),
                     qPrintable(usageText(profile.title, userFolder)));
        return 2;
    case CommandLine::Action::Run:
        break;
    }

    WarmUp fonts = WarmUp::fonts();
    QApplication app(argc, argv);
    QApplication::setApplicationName(profile.title);
    QApplication::setApplicationVersion(profile.version);
    WarmUp imageFormats = WarmUp::imageFormats();
    ui::useScreenTextStrategy();
    QTranslator translator;
    if (loadCatalogue(translator))
        QCoreApplication::installTranslator(&translator);
    // The window belongs to the program's menu entry, and shows the same icon: the theme's
    // when installed, else the one the program carries.
    const QString entry = QStringLiteral("org.pellar.") + profile.title;
    QGuiApplication::setDesktopFileName(entry);
    // Looked up once the first window is on the screen: the theme's search takes longer
    // than showing the window, and the icon follows a moment later.
    QTimer::singleShot(0, &app, [entry] {
        QApplication::setWindowIcon(
            QIcon::fromTheme(entry, QIcon(QStringLiteral(":/pellar/icon.png"))));
    });
    QString error;
    const std::optional<QString> folder = chooseDataFolder(
        line.dataFolder, QCoreApplication::applicationDirPath(), perUserDataFolder(), &error,
        profile.backupNames + profile.writtenNames);
    if (!folder) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(profile.title), qPrintable(error));
        // Started from the desktop's menu there is no terminal to read: said in a window too.
        RealDesk desk;
        QString sentence = error;
        if (!sentence.isEmpty())
            sentence[0] = sentence[0].toUpper();
        desk.message(profile.title,
                     {sentence, profile.title + QCoreApplication::translate(
                                                    "ProgramShell", " cannot start without it.")},
                     MessageButtons::Ok, MessageIcon::Critical);
        return 2;
    }
    // Forms are hidden and shown as the person moves between them; only ExitProgram ends.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    RealDesk desk;
    ProgramContext context(desk, DataFolder(*folder), WebConfig::forThisProgram());
    ProgramShell shell(context, profile);
    fonts.wait();
    if (!shell.start())
        return 0;
    return app.exec();
}

} // namespace pellar
