// The write probe, the previous copy, removal, and where the files live.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include "ProfileTestSupport.h"

namespace {

class ProfileFileOpsTest : public ProfileHomeTest {
protected:
    // Writes lists whose first RGB entry carries the given index.
    void WriteMarked(SInt32 mark)
    {
        auto rgb = NewList(), sim = NewList(), dst = NewList();
        FillList(rgb.get(), 2, 0);
        rgb->entry[0].IndexOnDevice = mark;
        ASSERT_EQ(VxPListWriteProfile_All(rgb.get(), sim.get(), dst.get()), 0);
    }

    // The index of the first RGB entry in the current file, -1 if unreadable.
    SInt32 ReadMark()
    {
        auto rgb = NewList();
        if (VxPListReadProfile_Dict(rgb.get(), 0) != 0)
            return -1;
        return rgb->entry[0].IndexOnDevice;
    }
};

TEST_F(ProfileFileOpsTest, ProbeLeavesNoFileAndKeepsTheCallersMask)
{
    mode_t original = umask(077);
    EXPECT_EQ(VxPListIsAdminProfile(), 1);
    EXPECT_FALSE(FileExists(CurrentPath()));
    WriteMarked(11);
    VxPListSwapProfile(2);
    EXPECT_EQ(VxPListIsAdminProfile(), 1);
    EXPECT_EQ(umask(original), 077);
    EXPECT_EQ(ReadMark(), 11);

    // The previous copy is shared with the group, whatever the caller's mask.
    struct stat info;
    ASSERT_EQ(stat(PreviousPath().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0664);
}

TEST_F(ProfileFileOpsTest, RestoreBringsBackTheBackedUpList)
{
    WriteMarked(11);
    VxPListSwapProfile(2);
    WriteMarked(22);
    EXPECT_EQ(ReadMark(), 22);
    VxPListSwapProfile(0);
    EXPECT_EQ(ReadMark(), 11);
    EXPECT_FALSE(FileExists(PreviousPath()));
    EXPECT_EQ(VxPListRemove(2), 0);
}

// Without a previous copy a restore must not cost the current list.
TEST_F(ProfileFileOpsTest, RestoreWithoutPreviousCopyKeepsTheCurrentFile)
{
    // Backing up a missing file makes no copy.
    VxPListSwapProfile(2);
    EXPECT_FALSE(FileExists(PreviousPath()));
    WriteMarked(33);
    VxPListSwapProfile(0);
    EXPECT_EQ(ReadMark(), 33);

    // Neither does a discarded copy.
    VxPListSwapProfile(2);
    ASSERT_TRUE(FileExists(PreviousPath()));
    VxPListSwapProfile(1);
    EXPECT_FALSE(FileExists(PreviousPath()));
    WriteMarked(44);
    VxPListSwapProfile(0);
    EXPECT_EQ(ReadMark(), 44);
}

TEST_F(ProfileFileOpsTest, BackupCopiesTheWholeFileAndReplacesAnOlderCopy)
{
    WriteFile(PreviousPath(), std::string(200000, 'o'));
    WriteMarked(11);
    VxPListSwapProfile(2);
    EXPECT_EQ(ReadFile(PreviousPath()), ReadFile(CurrentPath()));
    // Other modes do nothing.
    VxPListSwapProfile(3);
    VxPListSwapProfile(-1);
    EXPECT_TRUE(FileExists(PreviousPath()));
    EXPECT_TRUE(FileExists(CurrentPath()));
}

TEST_F(ProfileFileOpsTest, RemoveReportsWhetherAFileWent)
{
    WriteMarked(11);
    VxPListSwapProfile(2);
    EXPECT_EQ(VxPListRemove(1), 0);
    EXPECT_EQ(VxPListRemove(4), 0);
    EXPECT_EQ(VxPListRemove(2), 1);
    EXPECT_EQ(VxPListRemove(2), 0);
    EXPECT_TRUE(FileExists(CurrentPath()));
    EXPECT_EQ(VxPListRemove(3), 1);
    EXPECT_FALSE(FileExists(CurrentPath()));
    EXPECT_EQ(VxPListRemove(3), 0);
}

// Root ignores permission bits, so the folder is made unusable by putting a
// regular file where a folder belongs.
TEST_F(ProfileFileOpsTest, UnwritableFolderRefusesEveryChange)
{
    for (const char *blocked : {"Library/Preferences", "Library"}) {
        ASSERT_EQ(RunCommand("rm -rf " + ShellQuote(home_ + "/Library")), 0);
        if (std::string(blocked) != "Library") {
            ASSERT_EQ(RunCommand("mkdir -p " + ShellQuote(home_ + "/Library")), 0);
        }
        WriteFile(home_ + "/" + blocked, "not a folder");
        auto list = NewList();
        FillList(list.get(), 3, 0);
        EXPECT_EQ(VxPListIsAdminProfile(), 0) << blocked;
        EXPECT_EQ(VxPListWriteProfile_All(list.get(), list.get(), list.get()), -1) << blocked;
        EXPECT_EQ(VxPListWriteProfile_Dict(list.get(), 0, nullptr, nullptr, nullptr), -1) << blocked;
        EXPECT_EQ(VxPListRemove(2), 0) << blocked;
        EXPECT_EQ(VxPListRemove(3), 0) << blocked;
        VxPListSwapProfile(2);
        VxPListSwapProfile(0);
        EXPECT_EQ(VxPListReadProfile_All(list.get(), list.get(), list.get()), -1) << blocked;
        EXPECT_EQ(ReadFile(home_ + "/" + blocked), "not a folder") << blocked;
    }
}

// A fresh home has no Library/Preferences; the first write makes it.
TEST_F(ProfileFileOpsTest, FirstWriteMakesThePreferencesFolder)
{
    ASSERT_EQ(RunCommand("rm -rf " + ShellQuote(home_ + "/Library")), 0);
    EXPECT_EQ(VxPListIsAdminProfile(), 0);
    WriteMarked(55);
    EXPECT_EQ(ReadMark(), 55);

    // The home folder itself is never made.
    VxPListSetHomeDirectoryForTesting((home_ + "/absent").c_str());
    auto list = NewList();
    EXPECT_EQ(VxPListWriteProfile_All(list.get(), list.get(), list.get()), -1);
    EXPECT_FALSE(FileExists(home_ + "/absent"));
}

// A path over 255 bytes fails like an unopenable file, and nothing is
// written to a shortened path.
TEST_F(ProfileFileOpsTest, OverlongPathFailsWithoutWritingElsewhere)
{
    std::string longHome = home_ + "/" + std::string(200, 'h');
    ASSERT_EQ(RunCommand("mkdir -p " + ShellQuote(longHome + "/Library/Preferences")), 0);
    VxPListSetHomeDirectoryForTesting(longHome.c_str());
    char path[1024];
    EXPECT_FALSE(VxPListCurrentPath(path, sizeof path));
    auto list = NewList();
    FillList(list.get(), 3, 0);
    EXPECT_EQ(VxPListIsAdminProfile(), 0);
    EXPECT_EQ(VxPListWriteProfile_All(list.get(), list.get(), list.get()), -1);
    EXPECT_EQ(VxPListReadProfile_All(list.get(), list.get(), list.get()), -1);
    VxPListSwapProfile(2);
    EXPECT_EQ(VxPListRemove(3), 0);
    std::string files;
    RunCommand("find " + ShellQuote(home_) + " -type f", &files);
    EXPECT_EQ(files, "");

    // Just within the limit: 255 bytes including the terminator.
    std::string tail = "/Library/Preferences/" kProfileFilePrefix ".printers.QV17PS.profile.prev.plist";
    std::string fitting = home_ + "/" + std::string(254 - home_.size() - 1 - tail.size(), 'f');
    ASSERT_EQ(RunCommand("mkdir -p " + ShellQuote(fitting + "/Library/Preferences")), 0);
    VxPListSetHomeDirectoryForTesting(fitting.c_str());
    char shortBuffer[254];
    EXPECT_FALSE(VxPListPreviousPath(shortBuffer, sizeof shortBuffer));
    ASSERT_TRUE(VxPListPreviousPath(path, sizeof path));
    EXPECT_EQ(std::strlen(path), 254u);
    WriteMarked(66);
    VxPListSwapProfile(2);
    EXPECT_TRUE(FileExists(path));
}

// Without a test home the files lie in the password entry's home, whatever
// the environment says.
TEST(ProfileFilePaths, HomeComesFromThePasswordEntry)
{
    VxPListSetHomeDirectoryForTesting(nullptr);
    const char *saved = std::getenv("HOME");
    std::string savedHome = saved != nullptr ? saved : "";
    setenv("HOME", "/nonexistent-home", 1);
    char path[256];
    Boolean formed = VxPListCurrentPath(path, sizeof path);
    if (saved != nullptr)
        setenv("HOME", savedHome.c_str(), 1);
    else
        unsetenv("HOME");
    struct passwd *entry = getpwuid(getuid());
    ASSERT_NE(entry, nullptr);
    ASSERT_TRUE(formed);
    EXPECT_EQ(std::string(path),
              std::string(entry->pw_dir) + "/Library/Preferences/net.colorpane.printers.QV17PS.profile.plist");
}

} // namespace
