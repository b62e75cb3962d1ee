// Inputs that once upset the list file reader (found by the fuzz target in
// fuzz/), read again as the list file: each must read or fail cleanly, and a
// list that reads must survive being written and read again unchanged.
#include <gtest/gtest.h>

#include <filesystem>

#include "ProfileTestSupport.h"

namespace {

class ProfileFuzzRegressionTest : public ProfileHomeTest {};

TEST_F(ProfileFuzzRegressionTest, KeptInputsReadCleanly)
{
    const std::filesystem::path folder = QV_SOURCE_DIR "/tests/profiles/fixtures/fuzz";
    int seen = 0;
    for (const auto &item : std::filesystem::directory_iterator(folder)) {
        if (!item.is_regular_file() || item.path().filename() == "README")
            continue;
        seen++;
        SCOPED_TRACE(item.path().filename().string());
        WriteFile(CurrentPath(), ReadFile(item.path()));
        auto r = NewList(), s = NewList(), d = NewList();
        SInt32 all = VxPListReadProfile_All(r.get(), s.get(), d.get());
        EXPECT_TRUE(all == 0 || all == -1);
        for (SInt32 type = 0; type < 3; type++) {
            auto one = NewList();
            SInt32 result = VxPListReadProfile_Dict(one.get(), type);
            EXPECT_TRUE(result == 0 || result == -1);
        }
        if (all != 0)
            continue;
        ASSERT_EQ(VxPListWriteProfile_All(r.get(), s.get(), d.get()), 0);
        auto r2 = NewList(), s2 = NewList(), d2 = NewList();
        ASSERT_EQ(VxPListReadProfile_All(r2.get(), s2.get(), d2.get()), 0);
        EXPECT_TRUE(ListsEqual(*r2, *r));
        EXPECT_TRUE(ListsEqual(*s2, *s));
        EXPECT_TRUE(ListsEqual(*d2, *d));
    }
    EXPECT_GT(seen, 0);
}

} // namespace
