#pragma once
// A running program for one test: the scripted desk, a scratch data folder, the program's
// context and its shell. ExitProgram counts its ends instead of quitting the event loop,
// and the guard against a second copy keeps its lock in the scratch folder.

#include "common/core/programcontext.h"
#include "common/ui/programshell.h"
#include "tests/support/datafolder.h"
#include "tests/support/scripteddesk.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QtTest/qtestspontaneevent.h>
#include <memory>

namespace pellar::testing {

class TestProgram {
public:
    explicit TestProgram(ProgramProfile profile = {})
        : context(desk, folder.data())
        , m_profile(std::move(profile)) {
        restart();
    }

    ProgramShell& shell() { return *m_shell; }
    // The program ended and started again on the same folder and desk: its forms go, and a
    // new shell takes their place.
    void restart() {
        m_shell.reset();
        context.printer = {};
        m_shell = std::make_unique<ProgramShell>(context, m_profile);
        m_shell->setEndAction([this] { ++ended; });
        m_shell->setLockFolder(folder.path());
    }

    ScriptedDesk desk;
    ScratchDataFolder folder;
    ProgramContext context;
    int ended = 0;

private:
    ProgramProfile m_profile;
    std::unique_ptr<ProgramShell> m_shell;
};

// The person closes a window with its close box: a spontaneous close, delivered as the
// window system delivers it (sendEvent() would clear the flag), and the events it queues.
inline void closeByPerson(QWidget* window) {
    QCloseEvent close;
    QSpontaneKeyEvent::setSpontaneous(&close);
    QCoreApplication::instance()->notify(window, &close);
    QCoreApplication::processEvents();
}

} // namespace pellar::testing
