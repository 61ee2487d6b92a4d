// The command line every program takes, and where the data folder is.
#include "common/core/commandline.h"
#include "common/core/datafoldernotice.h"
#include "common/core/programcontext.h"
#include "tests/support/datafolder.h"
#include "tests/support/scripteddesk.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace pellar;
using pellar::testing::ScratchDataFolder;

TEST(CommandLine, OptionsHelpVersionAndMistakes) {
    const auto parse = [](QStringList arguments) {
        arguments.prepend(QStringLiteral("Billwright"));
        return parseCommandLine(arguments);
    };
    EXPECT_EQ(parse({}).action, CommandLine::Action::Run);
    EXPECT_EQ(parse({"--data-folder", "/data"}).dataFolder, "/data");
    EXPECT_EQ(parse({"--data-folder=/data"}).dataFolder, "/data");
    EXPECT_EQ(parse({"--help"}).action, CommandLine::Action::Help);
    EXPECT_EQ(parse({"--version", "--bogus"}).action, CommandLine::Action::Version);
    const CommandLine missing = parse({"--data-folder"});
    EXPECT_EQ(missing.action, CommandLine::Action::Error);
    EXPECT_TRUE(missing.error.contains("--data-folder"));
    const CommandLine unknown = parse({"--verbose"});
    EXPECT_EQ(unknown.action, CommandLine::Action::Error);
    EXPECT_TRUE(unknown.error.contains("--verbose"));
    // Qt's own options pass, with their values, in every spelling Qt takes; a folder after
    // them is still the program's.
    const CommandLine qt = parse({"-style", "fusion", "--platform", "xcb", "-reverse",
                                  "-style=windows", "--data-folder", "/data"});
    EXPECT_EQ(qt.action, CommandLine::Action::Run);
    EXPECT_EQ(qt.dataFolder, "/data");
    EXPECT_EQ(parse({"-style"}).action, CommandLine::Action::Error);
    EXPECT_EQ(parse({"-reverse=1"}).action, CommandLine::Action::Error);
    EXPECT_TRUE(usageText("Billwright", "/home/u/.local/share/Pellar")
                    .contains("/home/u/.local/share/Pellar"));
    // The program's files, each named once, bare.
    const QString files = usageText("Slipmaker", "/u", {"\\Transactions.txt", "Deposits.txt",
                                                       "\\Transactions.txt"});
    EXPECT_TRUE(files.endsWith("  Transactions.txt Deposits.txt\n")) << qPrintable(files);
}

TEST(CommandLine, TheDataFolderRule) {
    ScratchDataFolder given;
    ScratchDataFolder program;
    ScratchDataFolder home;
    const QString user = home.file("share/Pellar");
    QString error;
    // Given: that folder, if it is there.
    EXPECT_EQ(chooseDataFolder(given.path(), program.path(), user, &error), given.path());
    EXPECT_FALSE(chooseDataFolder(given.file("nowhere"), program.path(), user, &error));
    EXPECT_TRUE(error.contains("nowhere"));

    // Not given, the program in a folder of its own: the per-user folder, made on first use.
    EXPECT_EQ(chooseDataFolder({}, program.path(), user, &error), user);
    EXPECT_TRUE(QFileInfo(user).isDir());

    // A portable copy keeps its data beside the program: a "portable" file, a file the family
    // shares, or one of the program's own.
    const QStringList own{QStringLiteral("\\CheckbookInfo.txt")};
    for (const char* marker : {"portable", "MyBusinessData.txt", "CheckbookInfo.txt"}) {
        ScratchDataFolder copy;
        copy.put(QString::fromLatin1(marker), "");
        EXPECT_EQ(chooseDataFolder({}, copy.path(), user, &error, own), copy.path()) << marker;
        // A folder given on the command line still comes first.
        EXPECT_EQ(chooseDataFolder(given.path(), copy.path(), user, &error), given.path());
    }
    program.put("Backup/readme.txt", "not a data file");
    EXPECT_EQ(chooseDataFolder({}, program.path(), user, &error), user);

    // A per-user folder that cannot be made is told.
    home.put("blocked", "a file where the folder should be");
    EXPECT_FALSE(chooseDataFolder({}, program.path(), home.file("blocked/Pellar"), &error));
    EXPECT_TRUE(error.contains("blocked"));
}

TEST(DataFolderNotice, ShowsThePathAndOpensTheFolderOnlyWhenAsked) {
    pellar::testing::ScratchDataFolder folder;
    pellar::testing::ScriptedDesk desk;
    pellar::ProgramContext context(desk, folder);
    desk.expectMessage(QStringLiteral("Data Folder"), pellar::MessageAnswer::No);
    pellar::showDataFolder(context);
    EXPECT_TRUE(desk.messages()[0].lines.contains(QDir::toNativeSeparators(folder.path())));
    EXPECT_TRUE(desk.openedFolders().isEmpty());
    desk.expectMessage(QStringLiteral("Data Folder"), pellar::MessageAnswer::Yes);
    pellar::showDataFolder(context);
    EXPECT_EQ(desk.openedFolders(), QStringList{folder.path()});
    // Nothing to open it with: the path is given to copy, not a silent nothing.
    desk.folderOpenerWorks = false;
    desk.expectMessage(QStringLiteral("Data Folder"), pellar::MessageAnswer::Yes);
    desk.expectMessage(QStringLiteral("Data Folder"));
    pellar::showDataFolder(context);
    ASSERT_EQ(desk.messages().size(), 4);
    EXPECT_TRUE(desk.messages()[3].lines.contains(QDir::toNativeSeparators(folder.path())));
}
