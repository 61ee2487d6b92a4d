#pragma once
// What a running program hands to its forms besides the desk: its data folder, the settings
// it read, the printer chosen last, the deployment's web links, and the way to end the
// program. One per running program; each test makes its own.

#include "common/core/datafiles.h"
#include "common/core/desk.h"
#include "common/core/settings.h"
#include "common/core/weblinks.h"

namespace pellar {

// How a form ends the whole program (ExitProgram) without knowing the program's shell.
class ProgramControl {
public:
    virtual ~ProgramControl();
    virtual void exitProgram() = 0;
    // True from the start of ExitProgram: forms being unloaded then do nothing more.
    virtual bool exiting() const = 0;
};

struct ProgramContext {
    ProgramContext(Desk& desk, DataFolder data, WebConfig web = WebConfig::defaults())
        : desk(desk)
        , data(std::move(data))
        , web(std::move(web)) {}

    Desk& desk;
    DataFolder data;
    WebConfig web;
    // The flags AlarmsOn and PromptsOn, as read at start.
    ProgramSettings settings;
    // The printer chosen last in this run: the next printer dialog opens on it.
    PrinterChoice printer;
    // Whether writing "\Temp.url" drops its backup copy first, as all the expense
    // program's rewrites do.
    bool shortcutDropsBackup = false;
    // Set by the program shell; without one (a form tested on its own) ExitProgram does
    // nothing.
    ProgramControl* control = nullptr;

    void exitProgram() const {
        if (control)
            control->exitProgram();
    }
    bool exiting() const { return control && control->exiting(); }
};

} // namespace pellar
