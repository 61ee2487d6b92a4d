#pragma once
// Each program's Help: the user guide it ships, shown in a window of its own, and About.

#include <QString>
#include <QStringList>

class QMenu;
class QMenuBar;
class QWidget;

namespace pellar {
struct ProgramContext;
}

namespace pellar::ui {

struct ProgramHelp {
    QString title;   // the program's name
    QString version; // "1.0.0"
    QString summary; // one sentence: what the program is for
};

// The guide's page for a program, as the program carries it.
QString helpPage(const QString& title);

// What About says: the name and version, what the program does, the data folder, the licence.
QStringList aboutLines(const ProgramHelp& help, const QString& dataFolder);
void showAbout(ProgramContext& context, const ProgramHelp& help);

// The guide in its window (one per program, raised when already open). Escape closes it.
// The window, for tests to look at.
QWidget* showHelpContents(const ProgramHelp& help);

// "&Help" with "&Contents" (F1) and "&About <program>", added to the bar.
QMenu* addHelpMenu(QMenuBar* bar, ProgramContext& context, const ProgramHelp& help);

} // namespace pellar::ui
