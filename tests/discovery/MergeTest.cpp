// The merge of spooled rows into the profile list file, without an agent: the
// spool is filled directly and the result is read back from the file.
#include <gtest/gtest.h>

#include <cstring>

#include "DiscoveryTestSupport.h"
#include "ProfileMerge.h"

namespace {

// Fills the spool with rows in slots 0 to n - 1; iNum is n unless given.
void SetSpool(const Rows &rows, SInt32 iNum = -1)
{
    PlistForSpool = MakeList(rows);
    if (iNum >= 0)
        PlistForSpool.iNum = iNum;
}

const Row kEmptySlot = {0, 0, "", 0, "", 0};

struct MergeCase {
    const char *title;
    Rows rgbBefore;
    Rows spool;
    SInt32 spoolCount;  // -1: the number of spool rows
    SInt32 result;
    Rows rgbAfter;
    Rows cmykAfter;  // SIM and DST alike
};

const MergeCase kMergeCases[] = {
    {"a new class 1 row on the disk is added, seen and not in the menus (no file before)",
     {},
     {{0, 11, "PROF01.ICC", 4, "Office", 1}},
     -1, 0,
     {{2, 11, "PROF01.ICC", 4, "Office", 1}},
     {}},
    {"a class 2 row on the card goes to the RGB list, a class 3 row to SIM and DST",
     {},
     {{0, 12, "PROF02.ICC", 5, "Photo", 2}, {0, 13, "CMYK01.ICC", 4, "Press", 3}},
     -1, 0,
     {{2, 12, "PROF02.ICC", 5, "Photo", 2}},
     {{2, 13, "CMYK01.ICC", 4, "Press", 3}}},
    {"the same file name at the other location is a new entry",
     {{2, 11, "PROF01.ICC", 4, "Office", 1}},
     {{0, 19, "PROF01.ICC", 5, "Card", 1}},
     -1, 0,
     {{1, 11, "PROF01.ICC", 4, "Office", 1}, {2, 19, "PROF01.ICC", 5, "Card", 1}},
     {}},
    {"a completed walk that no longer finds entries: listed ones become user entries, hidden ones unseen",
     {{4, 20, "GONE4.ICC", 4, "Gone listed", 1}, {2, 21, "GONE2.ICC", 4, "Gone hidden", 1}},
     {},
     -1, 0,
     {{6, 20, "GONE4.ICC", 4, "Gone listed", 1}, {1, 21, "GONE2.ICC", 4, "Gone hidden", 1}},
     {}},
    {"user entries matched by a row become printer entries and keep their names",
     {{5, 500, "USERA.ICC", 4, "Mine", 2}, {6, 501, "USERB.ICC", 5, "Ours", 2}},
     {{0, 31, "USERA.ICC", 4, "Printer A", 1}, {0, 32, "USERB.ICC", 5, "Printer B", 1}},
     -1, 0,
     {{2, 500, "USERA.ICC", 4, "Mine", 2}, {4, 501, "USERB.ICC", 5, "Ours", 2}},
     {}},
    {"rows elsewhere, with a nine-letter or empty file name, or of class 4 are not merged",
     {},
     {{0, 14, "LOC3.ICC", 3, "Elsewhere", 1},
      {0, 15, "NINELETTR", 4, "Nine", 1},
      {0, 16, "", 4, "No file", 1},
      {0, 17, "CLASS4.ICC", 4, "Class four", 4}},
     -1, 0,
     {},
     {}},
    {"a failed walk keeps listed printer entries as user entries and drops the others",
     OneEntryPerState(),
     {},
     -1, 1,
     {{6, 43, "STATE3.ICC", 5, "Three"},
      {6, 44, "STATE4.ICC", 5, "Four"},
      {5, 505, "STATE5.ICC", 4, "Five"},
      {6, 506, "STATE6.ICC", 4, "Six"}},
     {}},
    {"a failed walk still merges the rows spooled before the failure",
     {{4, 20, "KEEP.ICC", 4, "Kept", 1}},
     {{0, 11, "PROF01.ICC", 4, "Office", 1}},
     -1, 2,
     {{6, 20, "KEEP.ICC", 4, "Kept", 1}, {2, 11, "PROF01.ICC", 4, "Office", 1}},
     {}},
    {"stored entries whose file name breaks the 8.3 rule are dropped and the list is packed",
     {{6, 500, "BAD NAME.ICC", 4, "Bad"}, {6, 501, "OK.ICC", 4, "Good"}},
     {},
     -1, 0,
     {{6, 501, "OK.ICC", 4, "Good"}},
     {}},
    {"rows numbered above the count of rows received are not merged",
     {},
     {{0, 11, "ROW1.ICC", 4, "Row 1", 1}, kEmptySlot, {0, 13, "ROW3.ICC", 4, "Row 3", 1}},
     2, 0,
     {{2, 11, "ROW1.ICC", 4, "Row 1", 1}},
     {}},
};

void PrintTo(const MergeCase &c, std::ostream *out)
{
    *out << c.title;
}

class MergeTest : public ::testing::TestWithParam<MergeCase> {
protected:
    TempHome home;
};

TEST_P(MergeTest, MovesEntriesThroughTheirStatesAndRewritesTheFile)
{
    const MergeCase &c = GetParam();
    if (!c.rgbBefore.empty()) {
        ASSERT_TRUE(SeedFile(c.rgbBefore));
    }
    SetSpool(c.spool, c.spoolCount);

    vRestructPlistSpool2Current(c.result);

    StoredLists stored = ReadFile();
    ASSERT_TRUE(stored.read);
    EXPECT_EQ(stored.rgb, c.rgbAfter);
    EXPECT_EQ(stored.sim, c.cmykAfter);
    EXPECT_EQ(stored.dst, c.cmykAfter);
}

INSTANTIATE_TEST_SUITE_P(Cases, MergeTest, ::testing::ValuesIn(kMergeCases),
                         [](const ::testing::TestParamInfo<MergeCase> &info) {
                             return "Case" + std::to_string(info.index);
                         });

// A spool count beyond the list's slots (a hostile agent can send a row's index
// under many first index components) must not read past the spool.
TEST(MergeBoundsTest, SpoolCountAboveTheSlotsIsClamped)
{
    TempHome home;
    SetSpool({{0, 11, "PROF01.ICC", 4, "Office", 1}}, 100000);

    vRestructPlistSpool2Current(0);

    StoredLists stored = ReadFile();
    ASSERT_TRUE(stored.read);
    EXPECT_EQ(stored.rgb, (Rows{{2, 11, "PROF01.ICC", 4, "Office", 1}}));
}

// A full list takes no new row; a match still updates its entry.
TEST(MergeBoundsTest, FullListDropsNewRowsButMarksMatches)
{
    TempHome home;
    Rows full;
    for (int i = 0; i < kProfileListSlots; i++) {
        char name[16];
        std::snprintf(name, sizeof name, "U%07d.ICC", i);
        full.push_back({6, 500 + i, name, 4, "User"});
    }
    ASSERT_TRUE(SeedFile(full));
    SetSpool({{0, 11, "NEW.ICC", 4, "New", 1}, {0, 12, "U0000499.ICC", 4, "Printer", 1}});

    vRestructPlistSpool2Current(0);

    StoredLists stored = ReadFile();
    ASSERT_EQ(stored.rgb.size(), static_cast<size_t>(kProfileListSlots));
    EXPECT_EQ(stored.rgb.back(), (Row{4, 999, "U0000499.ICC", 4, "User"}));
    for (const Row &row : stored.rgb)
        EXPECT_NE(row.file, "NEW.ICC");
}

TEST(MergeDetailTest, PreMergeStateChangeTouchesOnlyInMenu)
{
    struct {
        SInt32 before, completed, failed;
    } const table[] = {{0, 0, 0}, {1, 1, 0}, {2, 1, 0}, {3, 3, 3}, {4, 3, 6}, {5, 5, 5}, {6, 6, 6}};
    for (auto t : table) {
        for (SInt32 result : {0, 1, 2}) {
            ProfileList list = MakeList({{t.before, 44, "X.ICC", 5, "Name", 3}});
            vDeleteMIBprofilesTemporary(result, &list);
            SCOPED_TRACE(testing::Message() << "InMenu " << t.before << ", result " << result);
            EXPECT_EQ(list.entry[0].InMenu, result == 0 ? t.completed : t.failed);
            EXPECT_EQ(list.iNum, 1);
            EXPECT_EQ(list.entry[0].IndexOnDevice, 44);
            EXPECT_STREQ(list.entry[0].FileName, "X.ICC");
        }
    }
}

// Matching compares the whole 32 bytes of the file name, zero fill included.
TEST(MergeDetailTest, MatchComparesTheWholeFileNameField)
{
    ProfileList list = MakeList({{1, 21, "A.ICC", 4, "Mine", 1}});
    std::strcpy(list.entry[0].FileName + 10, "junk");
    SetSpool({{0, 21, "A.ICC", 4, "Printer", 1}});

    vRestructDetail(0, &list);

    EXPECT_EQ(list.entry[0].InMenu, 1);
    EXPECT_EQ(list.iNum, 2);
    EXPECT_EQ(list.entry[1].InMenu, 2);
}

} // namespace
