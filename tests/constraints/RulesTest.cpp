// The constraint rules on a real pane, driven by a person's clicks.
#include "PaneHarness.h"

#include "Constraints.h"

namespace {

// The fifteen colour-management popups that grayscale printing greys out.
const char *const kColourManagement[] = {
    "ImageRGBSourcePopup",        "ImageRenderIntentPopup",        "ImageGrayTreatmentPopup",
    "ImageDestinationProfilePopup", "TextRGBSourcePopup",          "TextRenderIntentPopup",
    "TextGrayTreatmentPopup",     "TextDestinationProfilePopup",   "GraphicsRGBSourcePopup",
    "GraphicsRenderIntentPopup",  "GraphicsGrayTreatmentPopup",    "GraphicsDestinationProfilePopup",
    "SimulationSourcePopup",      "SimulationRenderIntentPopup",   "SimulationGrayTreatmentPopup",
};
// Controls that ColorAsGray leaves alone.
const char *const kUntouchedByGray[] = {
    "ImageHalftonePopup",    "TextHalftonePopup",    "GraphicsHalftonePopup", "ImageEdgeEnhancePopup",
    "TextEdgeEnhancePopup",  "GraphicsEdgeEnhancePopup", "BrightnessPopup",   "QuickColorPopup",
};

} // namespace

// A ticket can hold both check boxes on: one run keeps ColorAsGray and turns
// ColorSeparation off and greys it out.
TEST_F(RulePane, BothColourCheckBoxesOnFromTheTicket)
{
    StartPane({{"VxColorAsGray", "True"}, {"VxColorSeparation", "True"}});
    EXPECT_EQ(Value("ColorAsGrayCheckBox"), 1);
    EXPECT_TRUE(Enabled("ColorAsGrayCheckBox"));
    EXPECT_EQ(Value("ColorSeparationCheckBox"), 0);
    EXPECT_FALSE(Enabled("ColorSeparationCheckBox"));
}

TEST_F(RulePane, ColorAsGrayGreysOutTheColourManagementPopups)
{
    StartPane();
    ASSERT_EQ(Click("ColorAsGrayCheckBox"), noErr);
    for (const char *name : kColourManagement)
        EXPECT_FALSE(Enabled(name)) << name;
    for (const char *name : kUntouchedByGray)
        EXPECT_TRUE(Enabled(name)) << name;

    // Off again: everything comes back but the two simulation popups, which
    // the preset's simulation source "None" still greys out.
    ASSERT_EQ(Click("ColorAsGrayCheckBox"), noErr);
    for (const char *name : kColourManagement) {
        const bool simulationFollower = std::string(name) == "SimulationRenderIntentPopup" ||
                                        std::string(name) == "SimulationGrayTreatmentPopup";
        EXPECT_EQ(Enabled(name), !simulationFollower) << name;
    }
}

// Each rendering intent follows its RGB source's position 1 ("None"), each
// gray treatment its destination's position 1 ("Auto"), the simulation
// popups the simulation source.
TEST_F(RulePane, IntentsAndGrayTreatmentsFollowTheirProfiles)
{
    struct Group {
        SInt32 tab;
        const char *source, *intent, *destination, *gray;
    };
    const Group groups[] = {
        {1, "ImageRGBSourcePopup", "ImageRenderIntentPopup", "ImageDestinationProfilePopup", "ImageGrayTreatmentPopup"},
        {2, "TextRGBSourcePopup", "TextRenderIntentPopup", "TextDestinationProfilePopup", "TextGrayTreatmentPopup"},
        {3, "GraphicsRGBSourcePopup", "GraphicsRenderIntentPopup", "GraphicsDestinationProfilePopup",
         "GraphicsGrayTreatmentPopup"},
        {4, "SimulationSourcePopup", "SimulationRenderIntentPopup", nullptr, "SimulationGrayTreatmentPopup"},
    };
    StartPane();
    ShowAdvanced();
    for (const Group &g : groups) {
        SCOPED_TRACE(g.source);
        ASSERT_EQ(Click("AdvancedOptionsTab", g.tab), noErr);
        ASSERT_EQ(Click(g.source, 1), noErr);
        EXPECT_FALSE(Enabled(g.intent));
        ASSERT_EQ(Click(g.source, 3), noErr);
        EXPECT_TRUE(Enabled(g.intent));
        if (g.destination == nullptr) {
            EXPECT_TRUE(Enabled(g.gray)); // the simulation source rules both
            continue;
        }
        ASSERT_EQ(Click(g.destination, 2), noErr);
        EXPECT_FALSE(Enabled(g.gray));
        ASSERT_EQ(Click(g.destination, 1), noErr);
        EXPECT_TRUE(Enabled(g.gray));
    }
}

TEST_F(RulePane, EdgeEnhancementFollowsEdgeTypeAndEconoMode)
{
    struct Case {
        SInt32 econo, edgeType;
        bool image, text, graphics; // enabled
    };
    const Case cases[] = {
        {0, 1, false, false, false},
        {0, 2, true, true, true},
        {1, 2, false, true, false},
        {1, 3, false, true, false},
        {1, 1, false, false, false},
        {0, 3, true, true, true},
    };
    StartPane();
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "econo " << c.econo << " edge type " << c.edgeType);
        ASSERT_EQ(Click("EconoModeCheckBox", c.econo), noErr);
        ASSERT_EQ(Click("EdgeTypePopup", c.edgeType), noErr);
        EXPECT_EQ(Enabled("ImageEdgeEnhancePopup"), c.image);
        EXPECT_EQ(Enabled("TextEdgeEnhancePopup"), c.text);
        EXPECT_EQ(Enabled("GraphicsEdgeEnhancePopup"), c.graphics);
    }
}

TEST_F(RulePane, AdvancedButtonOnlyOnCustom)
{
    StartPane();
    for (SInt32 quick : {4, 1, 2, 4, 3}) {
        ASSERT_EQ(Click("QuickColorPopup", quick), noErr);
        EXPECT_EQ(Enabled("GoToAdvancedOptionsButton"), quick == 4) << quick;
    }
}

// Touching ColorAsGray turns ColorSeparation off whatever ColorAsGray's own
// new state; without that, the separation rule would then force ColorAsGray
// off and grey it out.
TEST_F(RulePane, ClickingColorAsGrayOffStillTurnsSeparationOff)
{
    StartPane();
    ASSERT_EQ(Click("ColorAsGrayCheckBox", 1), noErr);
    SetControl32BitValue(Control("ColorSeparationCheckBox"), 1);
    ASSERT_EQ(Click("ColorAsGrayCheckBox", 0), noErr);
    EXPECT_EQ(Value("ColorSeparationCheckBox"), 0);
    EXPECT_TRUE(Enabled("ColorAsGrayCheckBox"));
    EXPECT_TRUE(Enabled("ColorSeparationCheckBox"));

    ASSERT_EQ(Click("ColorSeparationCheckBox"), noErr);
    EXPECT_EQ(Value("ColorAsGrayCheckBox"), 0);
    EXPECT_FALSE(Enabled("ColorAsGrayCheckBox"));
}

// Without a current pane the evaluator and the preset handler do nothing; a
// rule index outside the table never holds.
TEST(RulesWithoutPane, AreHarmless)
{
    ASSERT_EQ(MyCurrentContext(), nullptr);
    vColorPresetConstraints();
    EXPECT_EQ(bMatchCondition(0), 0);
    vValueChange(1);
    vActOption(0);
    vActReverseOption(0);
    EXPECT_EQ(ColorPresetsEventHandlerProc(nullptr, nullptr, nullptr), eventNotHandledErr);
}

TEST_F(RulePane, RuleIndexesOutsideTheTable)
{
    StartPane({{"VxColorAsGray", "True"}});
    ASSERT_EQ(bMatchCondition(1), 1); // ColorAsGray on
    for (SInt32 index : {-1, 21, 22, 1 << 20}) {
        EXPECT_EQ(bMatchCondition(index), 0) << index;
        vValueChange(index);
        vActOption(index);
    }
}
