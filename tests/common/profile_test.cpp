// The business profile record and the small settings file.
#include "common/core/profile.h"
#include "common/core/settings.h"
#include "tests/support/datafolder.h"
#include "tests/support/scripteddesk.h"

#include <gtest/gtest.h>

using namespace pellar;
using pellar::testing::ScratchDataFolder;

namespace {

BusinessProfile sample() {
    return {"Hill, Dale & Sons", "12 Main St",   "Suite 4",   "Springfield", "IL", "62701",
            "217-555-0100",      "217-555-0101", "12-3456789"};
}

} // namespace

TEST(Profile, RecordBytesAndRoundTrip) {
    ScratchDataFolder folder;
    EXPECT_EQ(encodeProfile(sample()),
              QByteArray("\"Hill, Dale & Sons\",\"12 Main St\",\"Suite 4\",\"Springfield\",\"IL\","
                         "\"62701\",\"217-555-0100\",\"217-555-0101\",\"12-3456789\"\r\n"));
    EXPECT_EQ(encodeProfile({}), QByteArray("\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"));

    // Written by the invoicing program, read by any of the three.
    ASSERT_TRUE(saveProfileKeepingBackup(folder, sample()));
    ProfileRead read = readBusinessProfile(folder);
    EXPECT_TRUE(read.found && read.problem.isEmpty());
    EXPECT_EQ(read.profile, sample());

    // A double quote cannot live inside the record: it is kept as an apostrophe.
    BusinessProfile quoted = sample();
    quoted.name = "The \"Best\" Shop";
    ASSERT_TRUE(saveProfileDroppingBackup(folder, quoted));
    EXPECT_EQ(readBusinessProfile(folder).profile.name, "The 'Best' Shop");
    EXPECT_EQ(readBusinessProfile(folder).profile.zip, "62701");
}

TEST(Profile, MissingShortRestoredAndTheWritersBackupCopies) {
    ScratchDataFolder folder;
    ProfileRead read = readBusinessProfile(folder);
    EXPECT_FALSE(read.found);
    EXPECT_EQ(read.profile, BusinessProfile{});

    folder.put("MyBusinessData.txt", "\"Acme\",\"1 Road\"\r\n");
    read = readBusinessProfile(folder);
    EXPECT_TRUE(read.found && !read.problem.isEmpty());
    EXPECT_EQ(read.profile, BusinessProfile::fromFields({"Acme", "1 Road"}));

    folder.put("Backup/MyBusinessData.txt", encodeProfile(sample()));
    QFile::remove(folder.file("MyBusinessData.txt"));
    EXPECT_EQ(readBusinessProfile(folder).profile, sample());

    folder.put("Backup/MyBusinessData.txt", "old");
    ASSERT_TRUE(saveProfileKeepingBackup(folder, sample()));
    EXPECT_EQ(folder.bytes("Backup/MyBusinessData.txt"), QByteArray("old"));
    ASSERT_TRUE(saveProfileDroppingBackup(folder, sample()));
    EXPECT_FALSE(folder.exists("Backup/MyBusinessData.txt"));
}

TEST(Profile, AProfileAnotherProgramSavedMeanwhileIsNeverWrittenOverUnasked) {
    ScratchDataFolder folder;
    pellar::testing::ScriptedDesk desk;
    BusinessProfile shown = sample();
    ASSERT_TRUE(saveProfileKeepingBackup(folder, shown));
    BusinessProfile typed = sample();
    typed.tel = "217-555-0199";
    BusinessProfile other = sample();
    other.name = "Dale Hill Hardware";

    // Nobody else saved: no question, the form's profile is saved.
    EXPECT_TRUE(saveProfileAsking(desk, "Slipmaker", folder, shown, typed, true));
    EXPECT_EQ(readBusinessProfile(folder).profile, typed);

    // Another program saved meanwhile: No keeps its profile and hands it back to the form.
    for (const auto answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        shown = typed;
        ASSERT_TRUE(saveProfileKeepingBackup(folder, other));
        desk.expectMessage("Slipmaker", answer);
        bool keptOther = false;
        EXPECT_TRUE(saveProfileAsking(desk, "Slipmaker", folder, shown, typed, true, &keptOther));
        EXPECT_EQ(desk.messages().last().lines.first(),
                  "The business profile was changed by another program after this form showed "
                  "it: it now names Dale Hill Hardware.");
        EXPECT_EQ(keptOther, answer == MessageAnswer::No);
        EXPECT_EQ(shown, other);
        EXPECT_EQ(readBusinessProfile(folder).profile, answer == MessageAnswer::No ? other : typed);
    }
}

TEST(Settings, FlagsAndTheirDefaults) {
    ScratchDataFolder folder;
    const auto loaded = [&folder] {
        const ProgramSettings s = LoadSettings(folder);
        return std::tuple(s.first, s.second, s.alarmsOn, s.promptsOn, s.problem.isEmpty());
    };
    EXPECT_EQ(loaded(), std::tuple(0, 0, true, true, true));
    folder.put("Settings.txt", "3,7,#FALSE#,#TRUE#\r\n");
    EXPECT_EQ(loaded(), std::tuple(3, 7, false, true, true));
    // Values may stand on lines of their own.
    folder.put("Settings.txt", "1\r\n2\r\n#TRUE#\r\n#FALSE#\r\n");
    EXPECT_EQ(loaded(), std::tuple(1, 2, true, false, true));
    // A short record keeps the defaults for what is missing and says what was wrong.
    folder.put("Settings.txt", "1,2,#FALSE#\r\n");
    EXPECT_EQ(loaded(), std::tuple(1, 2, false, true, false));
    ProgramSettings settings;

    // Nor is it written over: its carried values could not be read.
    settings.first = 3;
    settings.alarmsOn = false;
    EXPECT_FALSE(saveSettings(folder, settings));
    EXPECT_EQ(folder.bytes("Settings.txt"), QByteArray("1,2,#FALSE#\r\n"));

    ASSERT_TRUE(QFile::remove(folder.file("Settings.txt")));
    ASSERT_TRUE(saveSettings(folder, settings));
    EXPECT_EQ(folder.bytes("Settings.txt"), QByteArray("3,0,#FALSE#,#TRUE#\r\n"));
    // The carried values another program wrote since they were read stay as it wrote them.
    folder.put("Settings.txt", "5,6,#TRUE#,#TRUE#\r\n");
    ASSERT_TRUE(saveSettings(folder, settings));
    EXPECT_EQ(folder.bytes("Settings.txt"), QByteArray("5,6,#FALSE#,#TRUE#\r\n"));
}
