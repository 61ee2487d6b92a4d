#pragma once
// What a program is asked to do from its command line, and where its data folder is.

#include <QString>
#include <QStringList>
#include <optional>

namespace pellar {

struct CommandLine {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    QString dataFolder; // given with --data-folder; empty when not given
    QString error;      // one line, for Action::Error
};

// The options every program takes: --data-folder DIR (or --data-folder=DIR), --help,
// --version. Anything else starting with '-' is an error; other words are ignored.
CommandLine parseCommandLine(const QStringList& arguments);

// What --help prints: how to start the program, where its data folder is and the data files
// the program writes there.
QString usageText(const QString& programName, const QString& userFolder,
                  const QStringList& files = {});

// Whether a folder is a portable copy's data folder: it holds a file named "portable", one of
// the files every program of the family shares (the business profile, the settings, the print
// offsets) or one of `programFiles`, the running program's own data files.
bool isPortableFolder(const QString& folder, const QStringList& programFiles);

// The folder the three programs share for each user when they are installed.
QString perUserDataFolder();

// The data folder, in this order: the folder given on the command line; the folder that
// holds the program when it is a portable copy (above); the per-user folder, made when
// missing. nullopt, with one line in *error, when the given folder does not exist or the
// per-user one cannot be made.
std::optional<QString> chooseDataFolder(const QString& given, const QString& programFolder,
                                        const QString& userFolder, QString* error,
                                        const QStringList& programFiles = {});

} // namespace pellar
