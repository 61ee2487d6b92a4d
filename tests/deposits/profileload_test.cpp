// Slipmaker's load of the business profile, converting the older eight-field file.
#include "deposits/core/profileload.h"
#include "tests/support/datafolder.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace deposits;
using pellar::testing::ScratchDataFolder;

TEST(Profile, DepositProgramConvertsTheOlderFileButNeverWritesOverADamagedOne) {
    ScratchDataFolder folder;
    folder.put("BusinessInfo.txt", "\"Acme, Inc\",\"1 Road\",\"\",\"Town\",\"ST\",\"12345\","
                                   "\"555-1234\",\"555-9999\"\r\n");
    folder.put("Backup/BusinessInfo.txt", "older still");

    DepositProfileLoad load = loadBusinessConverting(folder);
    EXPECT_TRUE(load.read.found && load.saved);
    EXPECT_EQ(load.read.profile.fax, "555-9999");
    EXPECT_EQ(folder.bytes("MyBusinessData.txt"),
              QByteArray("\"Acme, Inc\",\"1 Road\",\"\",\"Town\",\"ST\",\"12345\",\"555-1234\","
                         "\"555-9999\",\"\"\r\n"));
    EXPECT_FALSE(folder.exists("BusinessInfo.txt") || folder.exists("Backup/BusinessInfo.txt"));

    // The nine-field file wins; a stray older file is removed all the same.
    folder.put("BusinessInfo.txt", "\"Other\"\r\n");
    load = loadBusinessConverting(folder);
    EXPECT_EQ(load.read.profile.name, "Acme, Inc");
    EXPECT_FALSE(folder.exists("BusinessInfo.txt"));

    // Nothing at all: nothing is written.
    QFile::remove(folder.file("MyBusinessData.txt"));
    load = loadBusinessConverting(folder);
    EXPECT_FALSE(load.read.found || folder.exists("MyBusinessData.txt"));

    folder.put("MyBusinessData.txt", "\"Acme\"\r\n");
    folder.put("BusinessInfo.txt", "\"Older\"\r\n");
    load = loadBusinessConverting(folder);
    EXPECT_FALSE(load.read.problem.isEmpty());
    EXPECT_EQ(folder.bytes("MyBusinessData.txt"), QByteArray("\"Acme\"\r\n"));
    EXPECT_TRUE(folder.exists("BusinessInfo.txt"));
}
