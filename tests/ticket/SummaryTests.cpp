// The dialog's summary: one localized label and the shown choice per option.
#include "PaneFixture.h"

#include "Summary.h"

namespace {

class PaneSummary : public PaneFixture {};

TEST_F(PaneSummary, ListsEveryOptionInItsOrder)
{
    SetTicket("VxQuickColor", "UserDefined");
    SetTicket("VxColorAsGray", "True");
    SetTicket("VxImageRenderIntent", "Colorimetric");
    SetTicket("VxSimRenderIntent", "Absolute");
    ASSERT_NO_FATAL_FAILURE(Start());
    OSStatus status = -1;
    auto pairs = Summary(&status);
    ASSERT_EQ(status, noErr);
    const std::pair<std::string, std::string> expected[] = {
        {"Quick Color", "Custom"},
        {"Brightness", "0"},
        {"Color as Grayscale", "On"},
        {"Color Separation", "Off"},
        {"EconoMode", "Off"},
        {"EdgeType", "Standard"},
        {"Image RGB Source", "sRGB"},
        {"Image RGB Intent", "Relative Colorimetric"},
        {"Image RGB Gray Treatment", "Composite Gray (CMYK)"},
        {"Image Destination Profile", "Auto"},
        {"Image Halftone", "Detail"},
        {"Image EdgeEnhance", "Off"},
        {"Text RGB Source", "sRGB"},
        {"Text RGB Intent", "Saturation"},
        {"Text RGB Gray Treatment", "Black Only"},
        {"Text Destination Profile", "Auto"},
        {"Text Halftone", "High Detail"},
        {"Text EdgeEnhance", "On"},
        {"Graphics RGB Source", "sRGB"},
        {"Graphics RGB Intent", "Saturation"},
        {"Graphics RGB Gray Treatment", "Black Only"},
        {"Graphics Destination Profile", "Auto"},
        {"Graphics Halftone", "Detail"},
        {"Graphics EdgeEnhance", "On"},
        {"Simulation Profile", "None"},
        {"Match Paper Color", "On"},
        {"CMYK Gray Treatment", "Composite Gray (CMYK)"},
    };
    ASSERT_EQ(pairs.size(), std::size(expected));
    for (size_t i = 0; i < pairs.size(); ++i)
        EXPECT_EQ(pairs[i], expected[i]) << i;

    ASSERT_EQ(Click("ColorAsGrayCheckBox"), noErr);
    pairs = Summary();
    ASSERT_EQ(pairs.size(), 27u);
    EXPECT_EQ(pairs[2].second, "Off");
}

TEST_F(PaneSummary, CustomProfileShowsItsName)
{
    WriteProfiles({Profile(kInMenuPrinterHidden, 0, "HIDDEN.ICC", "Hidden", kProfileLocationDisk),
                   Profile(kInMenuUserHidden, 0, "GONE.ICC", "Gone", kProfileLocationDisk),
                   Profile(kInMenuPrinterListed, 0, "FIRST.ICC", "Première", kProfileLocationCard),
                   Profile(kInMenuUserListed, 0, "SECOND.ICC", "Second", kProfileLocationDisk)},
                  {}, {});
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_NO_FATAL_FAILURE(ShowAdvancedTab(1));

    ASSERT_EQ(Click("ImageRGBSourcePopup", 5), noErr);
    EXPECT_EQ(Summary()[6], std::make_pair(std::string("Image RGB Source"), std::string("Première")));
    ASSERT_EQ(Click("ImageRGBSourcePopup", 6), noErr);
    EXPECT_EQ(Summary()[6].second, "Second");

    // The list lost its second listed entry since the popup was filled.
    WriteProfiles({Profile(kInMenuPrinterListed, 0, "FIRST.ICC", "Première", kProfileLocationCard)}, {}, {});
    auto pairs = Summary();
    ASSERT_EQ(pairs.size(), 27u);
    EXPECT_EQ(pairs[6], std::make_pair(std::string("Image RGB Source"), std::string("")));
}

// A check box whose PPD lacks the choice it stands for is left out.
TEST_F(PaneSummary, CheckBoxWithoutItsChoiceIsLeftOut)
{
    SetPrinter(DerivedPPD("upper.ppd", {{"*VxEconoMode True/", "*VxEconoMode TRUE/"}}));
    ASSERT_NO_FATAL_FAILURE(Start());
    auto pairs = Summary();
    ASSERT_EQ(pairs.size(), 27u); // EconoMode is off, and its "False" choice exists
    ASSERT_EQ(Click("EconoModeCheckBox"), noErr);
    pairs = Summary();
    ASSERT_EQ(pairs.size(), 26u);
    EXPECT_EQ(pairs[4].first, "EdgeType");
}

// A PPD without the image rendering intent: the rebuild stops there.  The
// last member has nothing to show, so the host gets no summary at all.
TEST_F(PaneSummary, PartialPPDGivesNoSummary)
{
    SetPrinter(DerivedPPD("partial.ppd", {{"VxImageRenderIntent", "VxOtherRenderIntent"}}));
    ASSERT_NO_FATAL_FAILURE(Start());
    CFArrayRef handed[2] = {reinterpret_cast<CFArrayRef>(1), reinterpret_cast<CFArrayRef>(1)};
    EXPECT_NE(MyGetSummary(pde, &handed[0], &handed[1]), noErr);
    EXPECT_EQ(handed[0], nullptr);
    EXPECT_EQ(handed[1], nullptr);

    CFMutableArrayRef titles = CFArrayCreateMutable(nullptr, 0, &kCFTypeArrayCallBacks);
    CFMutableArrayRef values = CFArrayCreateMutable(nullptr, 0, &kCFTypeArrayCallBacks);
    EXPECT_NE(MyGetSummaryText(Context(), titles, values), noErr);
    // QuickColor, Brightness and the image RGB source were built before the
    // rebuild stopped; the check boxes have no choices to name.
    ASSERT_EQ(CFArrayGetCount(titles), CFArrayGetCount(values));
    std::vector<std::string> labels;
    for (CFIndex i = 0; i < CFArrayGetCount(titles); ++i)
        labels.push_back(Text(static_cast<CFStringRef>(CFArrayGetValueAtIndex(titles, i))));
    EXPECT_EQ(labels, (std::vector<std::string>{"Quick Color", "Brightness", "Image RGB Source"}));
    CFRelease(titles);
    CFRelease(values);
}

} // namespace
