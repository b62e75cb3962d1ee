// The quick-colour presets and the remembered Custom set, chosen in the
// QuickColor popup.
#include "PaneHarness.h"

#include <array>
#include <fstream>
#include <sstream>

#include "PopupMenus.h"
#include "ProfileMenus.h"

namespace {

// The 21 advanced popups in the Custom set's index order.
const char *const kCustomSet[kCustomColorOptionCount] = {
    "ImageRGBSourcePopup",          "TextRGBSourcePopup",          "GraphicsRGBSourcePopup",
    "ImageRenderIntentPopup",       "TextRenderIntentPopup",       "GraphicsRenderIntentPopup",
    "ImageGrayTreatmentPopup",      "TextGrayTreatmentPopup",      "GraphicsGrayTreatmentPopup",
    "ImageHalftonePopup",           "TextHalftonePopup",           "GraphicsHalftonePopup",
    "ImageDestinationProfilePopup", "TextDestinationProfilePopup", "GraphicsDestinationProfilePopup",
    "SimulationSourcePopup",        "SimulationRenderIntentPopup", "SimulationGrayTreatmentPopup",
    "ImageEdgeEnhancePopup",        "TextEdgeEnhancePopup",        "GraphicsEdgeEnhancePopup",
};

using Positions = std::array<SInt32, kCustomColorOptionCount>;

} // namespace

class Presets : public RulePane {
protected:
    Positions Current()
    {
        Positions p{};
        for (int i = 0; i < kCustomColorOptionCount; ++i)
            p[i] = Value(kCustomSet[i]);
        return p;
    }
    // Moves every advanced popup to its last item, so that a preset has to
    // set each one.
    void Scramble()
    {
        for (const char *name : kCustomSet)
            SetControl32BitValue(Control(name), GetControl32BitMaximum(Control(name)));
    }
};

TEST_F(Presets, FixedPresetsWithAndWithoutEconoMode)
{
    struct Case {
        SInt32 preset, econo;
        Positions expected;
    };
    // Order of kCustomSet: sources, intents, gray treatments, halftones,
    // destinations, simulation, edge enhancement (image, text, graphics).
    const Case cases[] = {
        {1, 0, {2, 2, 2, 1, 2, 2, 1, 2, 2, 2, 3, 2, 1, 1, 1, 1, 1, 1, 1, 2, 2}},
        {1, 1, {2, 2, 2, 1, 2, 2, 1, 2, 2, 2, 3, 2, 1, 1, 1, 1, 1, 1, 1, 2, 1}},
        {2, 0, {2, 2, 2, 1, 1, 1, 1, 1, 1, 2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
        {2, 1, {2, 2, 2, 1, 1, 1, 1, 1, 1, 2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
        {3, 0, {2, 2, 2, 2, 2, 2, 2, 2, 2, 3, 3, 3, 1, 1, 1, 1, 1, 1, 2, 2, 2}},
        {3, 1, {2, 2, 2, 2, 2, 2, 2, 2, 2, 3, 3, 3, 1, 1, 1, 1, 1, 1, 1, 2, 1}},
    };
    StartPane();
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "preset " << c.preset << " econo " << c.econo);
        ASSERT_EQ(Click("EconoModeCheckBox", c.econo), noErr);
        Scramble();
        ASSERT_EQ(Click("QuickColorPopup", c.preset), noErr);
        EXPECT_EQ(Current(), c.expected);
    }
}

// Leaving the advanced view remembers its positions; choosing Custom later
// puts exactly those back, after a fixed preset moved them.
TEST_F(Presets, CustomRestoresThePositionsLeftInTheAdvancedView)
{
    StartPane();
    ShowAdvanced();
    ASSERT_EQ(Click("ImageRGBSourcePopup", 4), noErr);
    ASSERT_EQ(Click("ImageHalftonePopup", 1), noErr);
    ASSERT_EQ(Click("AdvancedOptionsTab", 2), noErr);
    ASSERT_EQ(Click("TextRenderIntentPopup", 3), noErr);
    ASSERT_EQ(Click("AdvancedOptionsTab", 4), noErr);
    ASSERT_EQ(Click("SimulationSourcePopup", 3), noErr);
    const Positions chosen = Current();
    ASSERT_EQ(Click("GoToStandardOptionsButton"), noErr);
    EXPECT_EQ(Current(), chosen);

    ASSERT_EQ(Click("QuickColorPopup", 2), noErr);
    ASSERT_NE(Current(), chosen);
    ASSERT_EQ(Click("QuickColorPopup", 4), noErr);
    EXPECT_EQ(Current(), chosen);
    EXPECT_EQ(Value("ImageHalftonePopup"), 1);
    EXPECT_EQ(Value("TextRenderIntentPopup"), 3);
}

// After a rebuild of the menus resets the Custom set, Custom gives its
// defaults.
TEST_F(Presets, CustomAfterAResetGivesTheDefaults)
{
    StartPane();
    ASSERT_EQ(Click("QuickColorPopup", 3), noErr);
    vRefreshCustomProfilesAsDefault();
    ASSERT_EQ(Click("QuickColorPopup", 4), noErr);
    Positions defaults;
    std::copy(std::begin(CustomColorOptionsOrg), std::end(CustomColorOptionsOrg), defaults.begin());
    EXPECT_EQ(Current(), defaults);
}

// A PPD without VxImageHalftone: the rebuild stops there and the options
// after it have empty popups.  Presets, Custom and the rules still run.
TEST_F(Presets, PaneWithMissingOptionsStaysSane)
{
    std::ifstream in(kSamplePPD);
    std::ostringstream kept;
    for (std::string line; std::getline(in, line);)
        if (line.find("VxImageHalftone") == std::string::npos)
            kept << line << '\n';
    const std::string ppd = home + "/partial.ppd";
    std::ofstream(ppd) << kept.str();

    StartPane({}, ppd);
    EXPECT_EQ(Context()->ppdarrays.ImageHalftonePPDInfoArrayRef, nullptr);
    EXPECT_EQ(Context()->ppdarrays.EconoModePPDInfoArrayRef, nullptr);
    for (SInt32 quick : {1, 2, 3, 4})
        ASSERT_EQ(Click("QuickColorPopup", quick), noErr);
    EXPECT_EQ(Value("ImageRGBSourcePopup"), CustomColorOptions[0]);
    ASSERT_EQ(Click("ColorAsGrayCheckBox"), noErr);
    EXPECT_FALSE(Enabled("ImageRGBSourcePopup"));
    EXPECT_TRUE(Enabled("ImageHalftonePopup"));
}
