// The printer file-name rule and the listed-entry rule.
#include <gtest/gtest.h>

#include <string>

#include "ProfileList.h"

namespace {

struct NameCase {
    const char *text;
    Boolean accepted;
};

const NameCase kNameCases[] = {
    {"ABCDEFGH.ICC", 1},  {"ABCDEFGHI.ICC", 0}, {"PROFILE", 1},  {"PROFILE1", 1},      {"PROFILE12", 0},
    {"A.ICCM", 0},        {"A.", 1},            {"A.B.C", 1},    {"A.B.CD", 0},        {".ICC", 0},
    {"", 0},              {"MY PROF.ICC", 0},   {"PROF+1.ICC", 0}, {"~PROF_1.I-C", 1}, {"a/b.icc", 0},
    {"!#$%&'()", 1},      {"^_`{}~-.", 1},      {"\"A.ICC", 0},  {"A*.ICC", 0},        {"A\xC3\xA9.ICC", 0},
    {"\x80", 0},          {"ABCDEFGH.ICC.", 0}, {"ABCDEFGHABCDEFGHABCDEFGH", 0},
};

TEST(FileNameRule, AcceptsOnlyShortNamesOfAllowedBytes)
{
    for (const NameCase &c : kNameCases)
        EXPECT_EQ(bJudgement8point3Format(c.text), c.accepted) << "\"" << c.text << "\"";
    EXPECT_EQ(bJudgement8point3Format(nullptr), 0);
}

// Every byte outside the accepted set fails on its own and inside a name.
TEST(FileNameRule, ByteSetMatchesTheEditFieldFilter)
{
    const std::string punctuation = "!#$%&'()-.^_`{}~";
    for (int c = 1; c < 256; c++) {
        bool expected = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                        punctuation.find(static_cast<char>(c)) != std::string::npos;
        std::string name = std::string("AB") + static_cast<char>(c) + "C.ICC";
        if (c == '.')
            name = "ABC.I.C";
        EXPECT_EQ(bJudgement8point3Format(name.c_str()), expected ? 1 : 0) << "byte " << c;
    }
}

TEST(ListedEntry, OnlyInMenuCodesThreeFourAndSix)
{
    for (SInt32 code = -1; code <= 7; code++) {
        ProfileEntry entry{};
        entry.InMenu = code;
        EXPECT_EQ(bIsListedEntry(entry), code == 3 || code == 4 || code == 6) << code;
    }
}

} // namespace
