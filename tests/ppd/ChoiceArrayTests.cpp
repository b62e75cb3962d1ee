// Choice arrays of the sample PPD and of small fixtures: their elements, the
// conflict markers, a missing option, and the (keyword, choice) lookup.
#include "PPDTestSupport.h"

#include <cstdlib>
#include <vector>

namespace {

// The 27 keywords the pane reads, in catalogue order.
const char *const kOptionKeywords[] = {
    "VxQuickColor", "VxBrightness", "VxColorAsGray", "VxColorSeparation", "VxEconoMode", "VxEdgeType",
    "VxImageRGBSource", "VxImageRenderIntent", "VxImageGrayTreatment", "VxImageHalftone", "VxImageEdgeEnhance",
    "VxImageDestinationProfile", "VxTextRGBSource", "VxTextRenderIntent", "VxTextGrayTreatment", "VxTextHalftone",
    "VxTextEdgeEnhance", "VxTextDestinationProfile", "VxGraphicsRGBSource", "VxGraphicsRenderIntent",
    "VxGraphicsGrayTreatment", "VxGraphicsHalftone", "VxGraphicsEdgeEnhance", "VxGraphicsDestinationProfile",
    "VxSimSource", "VxSimRenderIntent", "VxSimGrayTreatment",
};

std::vector<std::string> ChoiceKeywords(CFArrayRef array)
{
    std::vector<std::string> keywords;
    for (CFIndex k = 0; k < CFArrayGetCount(array); ++k)
        keywords.push_back(ElementString(array, k, kPPDElementChoiceKeyword));
    return keywords;
}

TEST(SamplePPD, PassesCupsTestPPD)
{
    if (std::system("command -v cupstestppd >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "cupstestppd is not installed";
    const std::string command = "cupstestppd -q '" + SamplePPDPath() + "'";
    EXPECT_EQ(std::system(command.c_str()), 0);
}

TEST(SamplePPD, EveryOptionBuildsAnArrayOfFiveStringElements)
{
    OpenedPPD sample(SamplePPDPath());
    ASSERT_NE(sample.ppd, nullptr);
    ppdMarkDefaults(sample.ppd);
    for (const char *keyword : kOptionKeywords) {
        ChoiceArray choices;
        ASSERT_EQ(GetPPDArrayForUIOption(sample.ppd, keyword, &choices.array), noErr) << keyword;
        ppd_option_t *option = ppdFindOption(sample.ppd, keyword);
        ASSERT_EQ(CFArrayGetCount(choices.array), option->num_choices) << keyword;
        ASSERT_GE(option->num_choices, 2) << keyword;
        EXPECT_GE(FindPPDKeyPairsMatch(choices.array, keyword, option->defchoice), 0) << keyword;
        for (CFIndex k = 0; k < CFArrayGetCount(choices.array); ++k) {
            CFArrayRef element = static_cast<CFArrayRef>(CFArrayGetValueAtIndex(choices.array, k));
            ASSERT_EQ(CFArrayGetCount(element), kPPDElementCount);
            EXPECT_EQ(ElementString(choices.array, k, kPPDElementOptionKeyword), keyword);
            EXPECT_EQ(ElementString(choices.array, k, kPPDElementDefaultChoice), option->defchoice);
            EXPECT_EQ(ElementString(choices.array, k, kPPDElementChoiceKeyword), option->choices[k].choice);
            // The sample's defaults are consistent with one another.
            if (ElementString(choices.array, k, kPPDElementChoiceKeyword) == option->defchoice) {
                EXPECT_EQ(ElementString(choices.array, k, kPPDElementConflict), kPPDConflictFalse) << keyword;
            }
        }
    }
}

// The choices that give the pane's positions their meaning.
TEST(SamplePPD, ChoicesCarryThePaneRoles)
{
    OpenedPPD sample(SamplePPDPath());
    ASSERT_NE(sample.ppd, nullptr);
    ppdMarkDefaults(sample.ppd);
    auto keywordsOf = [&](const char *keyword) {
        ChoiceArray choices;
        EXPECT_EQ(GetPPDArrayForUIOption(sample.ppd, keyword, &choices.array), noErr) << keyword;
        return choices.array ? ChoiceKeywords(choices.array) : std::vector<std::string>{};
    };
    // QuickColor: three presets, then Custom.  libcups reserves the keyword
    // "Custom", so the choice has its own keyword and shows as "Custom".
    ChoiceArray quick;
    ASSERT_EQ(GetPPDArrayForUIOption(sample.ppd, "VxQuickColor", &quick.array), noErr);
    ASSERT_EQ(CFArrayGetCount(quick.array), 4);
    EXPECT_EQ(ElementString(quick.array, 3, kPPDElementChoiceText), "Custom");
    const SInt32 preset =
        FindPPDKeyPairsMatch(quick.array, "VxQuickColor", ppdFindOption(sample.ppd, "VxQuickColor")->defchoice);
    EXPECT_TRUE(preset >= 0 && preset < 3) << preset;
    for (const char *source : {"VxImageRGBSource", "VxTextRGBSource", "VxGraphicsRGBSource", "VxSimSource"})
        EXPECT_EQ(keywordsOf(source).front(), "None") << source;
    for (const char *dest : {"VxImageDestinationProfile", "VxTextDestinationProfile", "VxGraphicsDestinationProfile"})
        EXPECT_EQ(keywordsOf(dest).front(), "Auto") << dest;
    EXPECT_EQ(keywordsOf("VxEdgeType").front(), "Off");
    for (const char *box : {"VxColorAsGray", "VxColorSeparation", "VxEconoMode"})
        EXPECT_EQ(keywordsOf(box), (std::vector<std::string>{"True", "False"})) << box;
    for (const char *halftone : {"VxImageHalftone", "VxTextHalftone", "VxGraphicsHalftone"})
        EXPECT_GE(keywordsOf(halftone).size(), 3u) << halftone;
}

TEST(ChoiceArray, MissingOptionLeavesTheOutputAlone)
{
    OpenedPPD file(FixturePath("missing-econo-mode.ppd"));
    ASSERT_NE(file.ppd, nullptr);
    CFMutableArrayRef sentinel = reinterpret_cast<CFMutableArrayRef>(0x1234);
    CFMutableArrayRef out = sentinel;
    EXPECT_EQ(GetPPDArrayForUIOption(file.ppd, "VxEconoMode", &out), kPPDOptionNotFound);
    EXPECT_EQ(out, sentinel);
    EXPECT_EQ(GetPPDArrayForUIOption(nullptr, "VxQuickColor", &out), kPPDOptionNotFound);
    EXPECT_EQ(out, sentinel);

    // The list builder appends nothing for an unknown option or a null array,
    // and counts what it appends.
    CFMutableArrayRef list = CFArrayCreateMutable(nullptr, 0, &kCFTypeArrayCallBacks);
    UInt16 count = 7;
    EXPECT_EQ(GetUIListFromPPD(file.ppd, "VxEconoMode", list, &count), noErr);
    EXPECT_EQ(GetUIListFromPPD(file.ppd, "VxQuickColor", nullptr, &count), noErr);
    EXPECT_EQ(count, 7);
    EXPECT_EQ(CFArrayGetCount(list), 0);
    EXPECT_EQ(GetUIListFromPPD(file.ppd, "VxQuickColor", list, &count), noErr);
    EXPECT_EQ(GetUIListFromPPD(file.ppd, "VxColorAsGray", list, &count), noErr);
    EXPECT_EQ(count, 7 + 4 + 2);
    EXPECT_EQ(CFArrayGetCount(list), 6);
    CFRelease(list);
}

TEST(ChoiceArray, ConflictMarkersJudgeEachChoiceAgainstTheOtherDefaults)
{
    OpenedPPD file(FixturePath("conflicting-defaults.ppd"));
    ASSERT_NE(file.ppd, nullptr);
    ppdMarkDefaults(file.ppd);

    const struct {
        const char *keyword;
        std::vector<std::string> markers;  // in choice order
        const char *markedAfter;           // null: no choice marked
    } cases[] = {
        // Brightness has no valid default; its Plus1 conflicts with the
        // TextEdgeEnhance default.  Built first, so that a mark or a flag left
        // over from its test shows next: TextEdgeEnhance's default is its
        // first choice, judged by the option's flag as it stands.
        {"VxBrightness", {kPPDConflictFalse, kPPDConflictTrue}, nullptr},
        {"VxTextEdgeEnhance", {kPPDConflictFalse, kPPDConflictFalse}, "On"},
        // Both defaults on: each default is in conflict, its other choice not.
        {"VxColorAsGray", {kPPDConflictTrue, kPPDConflictFalse}, "True"},
        {"VxColorSeparation", {kPPDConflictTrue, kPPDConflictFalse}, "True"},
        // Off would conflict with the TextEdgeEnhance default.
        {"VxEdgeType", {kPPDConflictTrue, kPPDConflictFalse, kPPDConflictFalse}, "Standard"},
    };
    for (const auto &c : cases) {
        ChoiceArray choices;
        ASSERT_EQ(GetPPDArrayForUIOption(file.ppd, c.keyword, &choices.array), noErr) << c.keyword;
        std::vector<std::string> markers;
        for (CFIndex k = 0; k < CFArrayGetCount(choices.array); ++k)
            markers.push_back(ElementString(choices.array, k, kPPDElementConflict));
        EXPECT_EQ(markers, c.markers) << c.keyword;
        ppd_choice_t *marked = ppdFindMarkedChoice(file.ppd, c.keyword);
        if (c.markedAfter) {
            ASSERT_NE(marked, nullptr) << c.keyword;
            EXPECT_STREQ(marked->choice, c.markedAfter) << c.keyword;
        } else {
            EXPECT_EQ(marked, nullptr) << c.keyword << " left marked with " << marked->choice;
        }
    }
    // The conflict flags are those of the defaults again.
    EXPECT_TRUE(ppdFindOption(file.ppd, "VxColorAsGray")->conflicted);
    EXPECT_FALSE(ppdFindOption(file.ppd, "VxTextEdgeEnhance")->conflicted);
    EXPECT_FALSE(ppdFindOption(file.ppd, "VxBrightness")->conflicted);

    // Unknown options and choices are not in conflict.
    EXPECT_EQ(IsPPDChoiceConflicted(file.ppd, "VxNoSuchOption", "On"), 0);
    EXPECT_EQ(IsPPDChoiceConflicted(file.ppd, "VxEdgeType", "NoSuchChoice"), 0);
}

TEST(ChoiceArray, KeyPairLookupIsExact)
{
    OpenedPPD sample(SamplePPDPath());
    ASSERT_NE(sample.ppd, nullptr);
    ChoiceArray gray;
    ASSERT_EQ(GetPPDArrayForUIOption(sample.ppd, "VxColorAsGray", &gray.array), noErr);
    const struct {
        const char *key;
        const char *choice;
        SInt32 index;
    } cases[] = {
        {"VxColorAsGray", "True", 0},
        {"VxColorAsGray", "False", 1},
        {"VxColorAsGray", "true", -1},
        {"VxColorSeparation", "True", -1},
        {"VxColorAsGray", "", -1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FindPPDKeyPairsMatch(gray.array, c.key, c.choice), c.index) << c.key << " " << c.choice;
    EXPECT_EQ(FindPPDKeyPairsMatch(nullptr, "VxColorAsGray", "True"), -1);
    EXPECT_EQ(FindPPDKeyPairsMatch(gray.array, static_cast<CFStringRef>(nullptr), CFSTR("True")), -1);

    // Elements that are not five strings are passed over, not read past.
    const void *shortElement[] = {CFSTR("VxColorAsGray")};
    const void *wrongTypes[] = {CFSTR("VxColorAsGray"), CFSTR("True"), kCFBooleanTrue};
    CFArrayRef a = CFArrayCreate(nullptr, shortElement, 1, &kCFTypeArrayCallBacks);
    CFArrayRef b = CFArrayCreate(nullptr, wrongTypes, 3, &kCFTypeArrayCallBacks);
    CFMutableArrayRef odd = CFArrayCreateMutable(nullptr, 0, &kCFTypeArrayCallBacks);
    CFArrayAppendValue(odd, CFSTR("not an element"));
    CFArrayAppendValue(odd, a);
    CFArrayAppendValue(odd, b);
    CFArrayAppendValue(odd, CFArrayGetValueAtIndex(gray.array, 1));
    EXPECT_EQ(FindPPDKeyPairsMatch(odd, "VxColorAsGray", "False"), 3);
    EXPECT_EQ(FindPPDKeyPairsMatch(odd, "VxColorAsGray", "True"), -1);
    CFRelease(a);
    CFRelease(b);
    CFRelease(odd);
}

} // namespace
