// File references, icons and opening applications, headless.
#include "ToolkitTestSupport.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

using namespace tktest;

namespace {

const UInt8 *path(const std::string &p) { return reinterpret_cast<const UInt8 *>(p.c_str()); }

TEST(Files, ReferencesNameExistingPathsOfAnyLength)
{
    FSRef ref;
    Boolean isDir = false;
    EXPECT_EQ(fnfErr, FSPathMakeRef(path("/no/such/file"), &ref, &isDir));
    EXPECT_EQ(paramErr, FSPathMakeRef(nullptr, &ref, &isDir));

    char pattern[] = "/tmp/tktest-files-XXXXXX";
    std::string dir = mkdtemp(pattern);
    std::string app = dir + "/" + std::string(100, 'a') + "/Download Manager.app";
    std::filesystem::create_directories(std::filesystem::path(app).parent_path());
    std::ofstream(app) << "x";

    EXPECT_EQ(noErr, FSPathMakeRef(path(dir), &ref, &isDir));
    EXPECT_TRUE(isDir);
    ASSERT_EQ(noErr, FSPathMakeRef(path(app), &ref, &isDir));
    EXPECT_FALSE(isDir);

    // Opening launches nothing; it only finds the file there, or not.
    FSRef launched;
    EXPECT_EQ(noErr, LSOpenFSRef(&ref, &launched));
    EXPECT_EQ(noErr, LSOpenFSRef(&launched, nullptr));
    std::filesystem::remove(app);
    EXPECT_EQ(fnfErr, LSOpenFSRef(&ref, nullptr));
    FSRef garbage{};
    EXPECT_EQ(paramErr, LSOpenFSRef(&garbage, nullptr));
    std::filesystem::remove_all(dir);
}

TEST(Files, IconsAreCountedPerCreatorAndType)
{
    FSRef ref;
    ASSERT_EQ(noErr, FSPathMakeRef(path(fixturePath("Toolkit.bundle/Contents/Info.plist")), &ref, nullptr));
    IconRef first = nullptr, second = nullptr, other = nullptr;
    ASSERT_EQ(noErr, RegisterIconRefFromFSRef(FourCC("test"), FourCC("icon"), &ref, &first));
    ASSERT_EQ(noErr, RegisterIconRefFromFSRef(FourCC("test"), FourCC("icon"), &ref, &second));
    ASSERT_EQ(noErr, RegisterIconRefFromFSRef(FourCC("test"), FourCC("othr"), &ref, &other));
    EXPECT_EQ(first, second);
    EXPECT_NE(first, other);
    EXPECT_EQ(noErr, ReleaseIconRef(first));
    EXPECT_EQ(noErr, ReleaseIconRef(second));
    EXPECT_EQ(paramErr, ReleaseIconRef(first));
    EXPECT_EQ(noErr, ReleaseIconRef(other));
    FSRef garbage{};
    EXPECT_EQ(paramErr, RegisterIconRefFromFSRef(FourCC("test"), FourCC("icon"), &garbage, &first));
}

} // namespace
