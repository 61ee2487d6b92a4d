#include "common/core/commandline.h"

#include "common/core/printalignment.h"
#include "common/core/profile.h"
#include "common/core/settings.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace pellar {

namespace {

// A data file's name as the profiles and constants write it ("\\Name.txt"), bare.
QString bareFileName(QString name) {
    while (name.startsWith(u'\\') || name.startsWith(u'/'))
        name.remove(0, 1);
    return name;
}

// Qt's own options, which the application object reads and removes (with one dash or two):
// those that take a value, and those that do not.
bool isQtOption(QStringView name, bool* takesValue) {
    static const QStringList withValue = {
        QStringLiteral("platform"),   QStringLiteral("platformpluginpath"),
        QStringLiteral("platformtheme"), QStringLiteral("plugin"),
        QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),
        QStringLiteral("qwindowtitle"), QStringLiteral("session"),
        QStringLiteral("style"),      QStringLiteral("stylesheet"),
        QStringLiteral("display"),    QStringLiteral("geometry"),
        QStringLiteral("title"),      QStringLiteral("name")};
    static const QStringList flags = {QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                                      QStringLiteral("nograb"), QStringLiteral("dograb"),
                                      QStringLiteral("sync")};
    *takesValue = withValue.contains(name);
    return *takesValue || flags.contains(name);
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    CommandLine line;
    const QString option = QStringLiteral("--data-folder");
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QStringLiteral("--help") || argument == QStringLiteral("-h")) {
            line.action = CommandLine::Action::Help;
            return line;
        }
        if (argument == QStringLiteral("--version")) {
            line.action = CommandLine::Action::Version;
            return line;
        }
        if (argument == option) {
            if (i + 1 >= arguments.size()) {
                line.action = CommandLine::Action::Error;
                line.error = QStringLiteral("--data-folder needs the name of a folder.");
                return line;
            }
            line.dataFolder = arguments[++i];
        } else if (argument.startsWith(option + u'=')) {
            line.dataFolder = argument.mid(option.size() + 1);
        } else if (argument.startsWith(u'-')) {
            QStringView name = QStringView(argument).mid(argument.startsWith(u"--") ? 2 : 1);
            const qsizetype equals = name.indexOf(u'=');
            bool takesValue = false;
            if (isQtOption(equals < 0 ? name : name.left(equals), &takesValue)) {
                if (takesValue && equals < 0) {
                    if (i + 1 >= arguments.size()) {
                        line.action = CommandLine::Action::Error;
                        line.error = QStringLiteral("%1 needs a value.").arg(argument);
                        return line;
                    }
                    ++i; // the value is Qt's too
                }
                if (takesValue || equals < 0)
                    continue;
            }
            line.action = CommandLine::Action::Error;
            line.error = QStringLiteral("unknown option %1.").arg(argument);
            return line;
        }
    }
    return line;
}

QString usageText(const QString& programName, const QString& userFolder,
                  const QStringList& files) {
    QString listed;
    if (!files.isEmpty()) {
        listed = QStringLiteral("\nThe data files %1 writes there, each backed up at exit:\n")
                     .arg(programName);
        QStringList names;
        for (const QString& file : files) {
            const QString bare = bareFileName(file);
            if (!names.contains(bare))
                names << bare;
        }
        QString line = QStringLiteral(" ");
        for (const QString& bare : names) {
            if (line.size() + bare.size() + 1 > 78) {
                listed += line + u'\n';
                line = QStringLiteral(" ");
            }
            line += u' ' + bare;
        }
        listed += line + u'\n';
    }
    return QStringLiteral(
               "Usage: %1 [--data-folder DIR]\n"
               "\n"
               "  --data-folder DIR  keep the data files in the folder DIR\n"
               "  --help             show this help and end\n"
               "  --version          show the program's name and version and end\n"
               "\n"
               "Qt's standard options (-style NAME, -platform NAME, -reverse and the others)\n"
               "are passed on to Qt.\n"
               "\n"
               "The data folder is DIR when it is given; otherwise the folder that holds the\n"
               "program when that is a portable copy (it holds a file named \"portable\" or one\n"
               "of the program's data files); otherwise %2, which the three\n"
               "programs share.\n"
               "\n"
               "Besides the data files the folder holds PellarFolder.lock (taken for the\n"
               "moment of each save), Pellar-Billwright.lock and Pellar-Slipmaker.lock (held\n"
               "while those programs run), and Backup/, with the copies made at every exit:\n"
               "the latest beside each other, and those of the last 10 days in\n"
               "Backup/yyyy-MM-dd/.\n")
               .arg(programName, userFolder)
           + listed;
}

bool isPortableFolder(const QString& folder, const QStringList& programFiles) {
    const QDir dir(folder);
    QStringList markers{QStringLiteral("portable"), QString::fromUtf16(kBusinessFile),
                        QString::fromUtf16(kSettingsFile), QString::fromUtf16(kPrintAlignmentFile)};
    markers += programFiles;
    for (const QString& marker : markers) {
        const QString name = bareFileName(marker);
        if (!name.isEmpty() && QFileInfo(dir.filePath(name)).isFile())
            return true;
    }
    return false;
}

QString perUserDataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Pellar");
}

std::optional<QString> chooseDataFolder(const QString& given, const QString& programFolder,
                                        const QString& userFolder, QString* error,
                                        const QStringList& programFiles) {
    if (!given.isEmpty()) {
        if (!QFileInfo(given).isDir()) {
            if (error)
                *error = QStringLiteral("the data folder %1 does not exist.").arg(given);
            return std::nullopt;
        }
        return QDir(given).absolutePath();
    }
    if (isPortableFolder(programFolder, programFiles))
        return QDir(programFolder).absolutePath();
    if (!QDir().mkpath(userFolder)) {
        if (error)
            *error = QStringLiteral("the data folder %1 could not be made.").arg(userFolder);
        return std::nullopt;
    }
    return QDir(userFolder).absolutePath();
}

} // namespace pellar
