// The list file against independent property-list readers and writers:
// python3's plistlib and libplist's plistutil.
#include <gtest/gtest.h>

#include <cstring>
#include <nlohmann/json.hpp>

#include "ProfileTestSupport.h"

namespace {

using nlohmann::json;

const char *const kClassKeys[] = {"RGB", "SIM", "DST"};

// The JSON form of the three lists, as the file must hold them.
json ExpectedFile(const ProfileList *const lists[3])
{
    json file = {{"PlistVersion", 1}};
    for (int type = 0; type < 3; type++) {
        const ProfileList &list = *lists[type];
        json classDict = {{"iNum", list.iNum}};
        for (int slot = 0; slot < kProfileListSlots; slot++) {
            const ProfileEntry &e = list.entry[slot];
            char suffix[12];
            std::snprintf(suffix, sizeof suffix, "%04d", slot);
            classDict["IndexOnDevice"][std::string("IndexOnDevice") + suffix] = e.IndexOnDevice;
            classDict["InMenu"][std::string("InMenu") + suffix] = e.InMenu;
            classDict["ProfileClass"][std::string("ProfileClass") + suffix] = e.ProfileClass;
            classDict["Location"][std::string("Location") + suffix] = e.Location;
            classDict["FileName"][std::string("FileName") + suffix] = std::string(e.FileName);
            classDict["ProfileName"][std::string("ProfileName") + suffix] = std::string(e.ProfileName);
        }
        file[kClassKeys[type]] = classDict;
    }
    return file;
}

// Lists that use the value ranges: extremes, 31-byte and multi-byte texts.
void FillVaried(ProfileList *rgb, ProfileList *sim, ProfileList *dst)
{
    FillList(rgb, 500, 0);
    FillList(sim, 7, 1);
    FillList(dst, 1, 2);
    rgb->entry[0].IndexOnDevice = INT32_MIN;
    rgb->entry[1].IndexOnDevice = INT32_MAX;
    rgb->entry[2].Location = -1;
    std::memset(sim->entry[3].ProfileName, 'w', kProfileTextSize - 1);
    SetText(sim->entry[4].ProfileName, "\xE8\x89\xB2 \xC3\xA9 <&> \"q\" '");
    SetText(dst->entry[0].FileName, "~PROF_1.I-C");
}

class ProfilePeersTest : public ProfileHomeTest {};

TEST_F(ProfilePeersTest, OurFilesReadTheSameInPlistlibAndPlistutil)
{
    for (bool varied : {false, true}) {
        auto rgb = NewList(), sim = NewList(), dst = NewList();
        if (varied)
            FillVaried(rgb.get(), sim.get(), dst.get());
        const ProfileList *lists[3] = {rgb.get(), sim.get(), dst.get()};
        ASSERT_EQ(VxPListWriteProfile_All(rgb.get(), sim.get(), dst.get()), 0);

        // 9000 items, "iNum" per class and "PlistVersion", nothing else.
        json ours = PlistlibDump(CurrentPath());
        EXPECT_EQ(ours, ExpectedFile(lists)) << "varied " << varied;

        // libplist converts it to binary and back without changing a value.
        std::string binary = home_ + "/copy.bplist";
        std::string xml = home_ + "/copy.plist";
        ASSERT_EQ(RunCommand(ShellQuote(QV_PLISTUTIL) + " -i " + ShellQuote(CurrentPath()) + " -o " +
                             ShellQuote(binary) + " -f bin"),
                  0);
        EXPECT_EQ(PlistlibDump(binary), ours) << "varied " << varied;
        ASSERT_EQ(RunCommand(ShellQuote(QV_PLISTUTIL) + " -i " + ShellQuote(binary) + " -o " + ShellQuote(xml) +
                             " -f xml"),
                  0);
        // And we read libplist's own XML back to the same lists.
        std::rename(xml.c_str(), CurrentPath().c_str());
        auto r = NewList(), s = NewList(), d = NewList();
        ASSERT_EQ(VxPListReadProfile_All(r.get(), s.get(), d.get()), 0);
        EXPECT_TRUE(ListsEqual(*r, *rgb));
        EXPECT_TRUE(ListsEqual(*s, *sim));
        EXPECT_TRUE(ListsEqual(*d, *dst));
    }
}

TEST_F(ProfilePeersTest, FilesWrittenByPlistlibRead)
{
    auto rgb = NewList(), sim = NewList(), dst = NewList();
    FillVaried(rgb.get(), sim.get(), dst.get());
    const ProfileList *lists[3] = {rgb.get(), sim.get(), dst.get()};
    std::string description = home_ + "/lists.json";
    WriteFile(description, ExpectedFile(lists).dump());
    const std::string peer =
        ShellQuote(QV_PYTHON3) + " " + ShellQuote(QV_SOURCE_DIR "/tests/profiles/plist_peer.py");
    ASSERT_EQ(RunCommand(peer + " write " + ShellQuote(CurrentPath()) + " " + ShellQuote(description)), 0);

    auto r = NewList(), s = NewList(), d = NewList();
    ASSERT_EQ(VxPListReadProfile_All(r.get(), s.get(), d.get()), 0);
    EXPECT_TRUE(ListsEqual(*r, *rgb));
    EXPECT_TRUE(ListsEqual(*s, *sim));
    EXPECT_TRUE(ListsEqual(*d, *dst));
}

} // namespace
