// Compaction, the count check, cleaning and salvage of one list.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "ProfileTestSupport.h"

namespace {

// The InMenu codes of the first slots, for compact comparisons.
std::vector<SInt32> Codes(const ProfileList &list, int count)
{
    std::vector<SInt32> codes;
    for (int slot = 0; slot < count; slot++)
        codes.push_back(list.entry[slot].InMenu);
    return codes;
}

TEST(Compaction, MovesUsedEntriesForwardInOrderAndKeepsCount)
{
    auto list = NewList();
    SetEntry(list.get(), 1, 501, 6, 2, "A.ICC", "first", 4);
    SetEntry(list.get(), 4, 7, 2, 1, "B.ICC", "second", 5);
    SetEntry(list.get(), 499, 8, 4, 3, "C.ICC", "third", 4);
    list->iNum = 7;
    auto expected = NewList();
    expected->entry[0] = list->entry[1];
    expected->entry[1] = list->entry[4];
    expected->entry[2] = list->entry[499];
    expected->iNum = 7;

    VxPListPaddingProfile_Dict(list.get());
    EXPECT_TRUE(ListsEqual(*list, *expected));
}

TEST(CountCheck, CorrectsCountAndClearsLeftovers)
{
    auto list = NewList();
    FillList(list.get(), 3, 1);
    list->iNum = 5;
    // Leftovers of an emptied slot behind the used ones.
    list->entry[3].IndexOnDevice = 9;
    SetText(list->entry[3].FileName, "OLD.ICC");
    auto expected = NewList();
    FillList(expected.get(), 3, 1);

    VxPlistCheckWithInMenu_Dict(list.get());
    EXPECT_TRUE(ListsEqual(*list, *expected));
}

// A hole among the used slots must not cost the entries behind it.
TEST(CountCheck, KeepsEveryUsedEntryWhenSlotsHaveHoles)
{
    for (SInt32 stored : {0, 2, 3, 4, 500}) {
        auto list = NewList();
        SetEntry(list.get(), 0, 1, 4, 1, "A.ICC", "a", 4);
        SetEntry(list.get(), 2, 2, 6, 2, "B.ICC", "b", 5);
        SetEntry(list.get(), 3, 3, 5, 2, "C.ICC", "c", 5);
        list->iNum = stored;
        VxPlistCheckWithInMenu_Dict(list.get());
        EXPECT_EQ(list->iNum, 3) << stored;
        EXPECT_EQ(Codes(*list, 4), (std::vector<SInt32>{4, 6, 5, 0})) << stored;
        EXPECT_STREQ(list->entry[2].FileName, "C.ICC") << stored;
    }
}

TEST(Cleaning, KeepsListedEntriesWithoutDeviceIndexAndDropsTheRest)
{
    auto list = NewList();
    SetEntry(list.get(), 0, 0, 4, 1, "A.ICC", "listed, seen", 4);
    SetEntry(list.get(), 1, 0, 3, 1, "B.ICC", "listed", 4);
    SetEntry(list.get(), 2, 0, 6, 2, "C.ICC", "user", 4);
    SetEntry(list.get(), 3, 0, 2, 1, "", "no file name", 4);
    SetEntry(list.get(), 4, 12, 1, 1, "E.ICC", "has an index", 4);
    // An empty slot with a stray name is cleared without being counted.
    SetEntry(list.get(), 5, 0, 0, 0, "F.ICC", "", 0);
    list->iNum = 5;

    VxPListCleanProfile_Dict(list.get());
    EXPECT_EQ(Codes(*list, 6), (std::vector<SInt32>{3, 3, 0, 2, 1, 0}));
    EXPECT_EQ(list->entry[0].IndexOnDevice, 501);
    EXPECT_EQ(list->entry[1].IndexOnDevice, 501);
    EXPECT_EQ(list->entry[2].FileName[0], '\0');
    EXPECT_EQ(list->entry[5].FileName[0], '\0');
    EXPECT_EQ(list->entry[4].IndexOnDevice, 12);
    EXPECT_EQ(list->iNum, 4);
}

TEST(Salvage, TurnsUnseenListedPrinterEntriesIntoUserEntries)
{
    auto list = NewList();
    SetEntry(list.get(), 0, 7, 3, 1, "A.ICC", "", 4);  // becomes 6
    SetEntry(list.get(), 1, 0, 3, 1, "B.ICC", "", 4);  // no index
    SetEntry(list.get(), 2, 7, 3, 1, "", "", 4);       // no file name
    SetEntry(list.get(), 3, 7, 4, 1, "D.ICC", "", 4);  // seen
    SetEntry(list.get(), 4, 7, 1, 1, "E.ICC", "", 4);  // not listed
    list->iNum = 5;
    VxPListSalvage_Dict(list.get());
    EXPECT_EQ(Codes(*list, 5), (std::vector<SInt32>{6, 3, 3, 4, 1}));
    EXPECT_EQ(list->iNum, 5);
}

} // namespace
