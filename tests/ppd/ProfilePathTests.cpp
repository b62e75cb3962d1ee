// Device paths of custom profiles, and finding one among the listed entries
// of a profile list.
#include "PPDTestSupport.h"

#include <cstring>
#include <memory>

namespace {

ProfileEntry Entry(SInt32 inMenu, SInt32 location, const char *fileName)
{
    ProfileEntry e{};
    e.InMenu = inMenu;
    e.Location = location;
    std::strncpy(e.FileName, fileName, sizeof e.FileName);
    return e;
}

TEST(ProfileDevicePath, PrefixComesFromTheLocation)
{
    const struct {
        SInt32 location;
        const char *expected;
    } cases[] = {
        {kProfileLocationDisk, "/ata1a/data/USfiles/Profiles/SWOP.ICC"},
        {kProfileLocationCard, "/ataCf1a/data/USfiles/Profiles/SWOP.ICC"},
        {0, "SWOP.ICC"},
        {3, "SWOP.ICC"},
    };
    for (const auto &c : cases) {
        const ProfileEntry e = Entry(kInMenuUserListed, c.location, "SWOP.ICC");
        char path[kProfileDevicePathSize];
        EXPECT_STREQ(BuildProfileDevicePath(&e, path), c.expected) << c.location;
        CFStringRef s = CreateProfileDevicePath(&e);
        EXPECT_EQ(StdString(s), c.expected);
        CFRelease(s);
    }

    // A file name that fills its field without a terminator ends with the field.
    ProfileEntry full = Entry(kInMenuUserListed, kProfileLocationCard, "");
    std::memset(full.FileName, 'A', sizeof full.FileName);
    char path[kProfileDevicePathSize];
    EXPECT_EQ(std::string(BuildProfileDevicePath(&full, path)), kProfileCardPrefix + std::string(32, 'A'));
}

TEST(ProfileDevicePath, LookupCountsOnlyListedEntries)
{
    auto list = std::make_unique<ProfileList>();
    *list = ProfileList{};
    list->entry[0] = Entry(kInMenuPrinterHidden, kProfileLocationDisk, "HIDDEN.ICC");
    list->entry[1] = Entry(kInMenuPrinterListed, kProfileLocationDisk, "FIRST.ICC");
    list->entry[2] = Entry(kInMenuPrinterHiddenSeen, kProfileLocationDisk, "SEEN.ICC");
    list->entry[3] = Entry(kInMenuUserListed, kProfileLocationCard, "CARD.ICC");
    list->entry[4] = Entry(kInMenuUserHidden, kProfileLocationCard, "USER.ICC");
    list->entry[5] = Entry(kInMenuPrinterListedSeen, 7, "BARE.ICC");
    list->entry[6] = Entry(kInMenuPrinterListed, kProfileLocationDisk, "FIRST.ICC");
    list->entry[7] = Entry(kInMenuPrinterListed, kProfileLocationDisk, "BEYOND.ICC");
    list->iNum = 7;

    const struct {
        const char *path;
        SInt32 expected;
    } cases[] = {
        {"/ata1a/data/USfiles/Profiles/FIRST.ICC", 0},   // second entry, first listed
        {"/ataCf1a/data/USfiles/Profiles/CARD.ICC", 1},
        {"BARE.ICC", 2},
        {"/ata1a/data/USfiles/Profiles/HIDDEN.ICC", -1}, // not listed
        {"/ata1a/data/USfiles/Profiles/USER.ICC", -1},
        {"/ataCf1a/data/USfiles/Profiles/FIRST.ICC", -1}, // disk entry under the card prefix
        {"/ata1a/data/USfiles/Profiles/first.icc", -1},
        {"/ata1a/data/USfiles/Profiles/FIRST.ICC ", -1},
        {"/ata1a/data/USfiles/Profiles/BEYOND.ICC", -1}, // past iNum
        {"", -1},
    };
    for (const auto &c : cases) {
        CFStringRef path = NewString(c.path);
        EXPECT_EQ(FindAddedProfileKeyPairsMatch(path, list.get()), c.expected) << c.path;
        CFRelease(path);
    }

    // A count outside the list is held to the list.
    CFStringRef last = NewString("/ata1a/data/USfiles/Profiles/LAST.ICC");
    list->entry[kProfileListSlots - 1] = Entry(kInMenuPrinterListed, kProfileLocationDisk, "LAST.ICC");
    list->iNum = kProfileListSlots + 1000;
    EXPECT_EQ(FindAddedProfileKeyPairsMatch(last, list.get()), 5);
    list->iNum = -3;
    EXPECT_EQ(FindAddedProfileKeyPairsMatch(last, list.get()), -1);
    EXPECT_EQ(FindAddedProfileKeyPairsMatch(last, nullptr), -1);
    CFRelease(last);
}

} // namespace
