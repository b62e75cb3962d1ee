// Reading the ticket into the plain popups and check boxes and writing them
// back, through the host's Sync and a person's clicks.
#include "PaneFixture.h"

#include "TicketAccessors.h"

namespace {

class Accessors : public PaneFixture {};

TEST_F(Accessors, PopupsTakeTheTicketsChoiceOrTheirPPDDefault)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    struct Case {
        const char *what;
        const char *key;
        const char *value; // null: a number under the key; "": no key at all
        const char *control;
        SInt32 expected;
    } cases[] = {
        {"offered choice", "VxBrightness", "Plus2", "BrightnessPopup", 5},
        {"choice the PPD does not offer", "VxQuickColor", "Custom", "QuickColorPopup", 1},
        {"choice in another case", "VxEdgeType", "fine", "EdgeTypePopup", 2},
        {"number instead of a string", "VxTextHalftone", nullptr, "TextHalftonePopup", 3},
        {"no key", "VxImageRenderIntent", "", "ImageRenderIntentPopup", 1},
        {"short simulation key", "VxSimGrayTreatment", "BlackOnly", "SimulationGrayTreatmentPopup", 2},
        {"long simulation key is not the option's", "VxSimulationRenderIntent", "Absolute",
         "SimulationRenderIntentPopup", 1},
        {"source profile's plain choice", "VxGraphicsRGBSource", "WideGamut", "GraphicsRGBSourcePopup", 3},
    };
    for (const Case &c : cases) {
        CFDictionaryRemoveAllValues(Ticket());
        ControlRef control = Control(c.control);
        // Start away from the expected position so that the getter must move it.
        SetControl32BitValue(control, c.expected == 1 ? 2 : 1);
        if (c.value == nullptr)
            SetTicketNumber(c.key, 2);
        else if (c.value[0] != '\0')
            SetTicket(c.key, c.value);
        EXPECT_EQ(SyncFromTicket(), noErr) << c.what;
        EXPECT_EQ(GetControl32BitValue(control), c.expected) << c.what;
    }
}

TEST_F(Accessors, CheckBoxesReadOnlyTheExactTrueSpellings)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    struct Case {
        const char *value; // null: a number under the key; "": no key at all
        SInt32 before;
        SInt32 expected;
    } cases[] = {
        {"True", 0, 1}, {"TRUE", 0, 1}, {"true", 0, 1},  {"tRUE", 1, 0}, {"yes", 1, 0}, {"1", 1, 0},
        {" True", 1, 0}, {"False", 1, 0}, {nullptr, 0, 0}, {nullptr, 1, 1}, {"", 1, 0},
    };
    for (const Case &c : cases) {
        const std::string what = c.value == nullptr ? "<number>" : c.value;
        CFDictionaryRemoveAllValues(Ticket());
        SetControl32BitValue(Control("ColorAsGrayCheckBox"), c.before);
        if (c.value == nullptr)
            SetTicketNumber("VxColorAsGray", 1);
        else if (c.value[0] != '\0')
            SetTicket("VxColorAsGray", c.value);
        EXPECT_EQ(SyncFromTicket(), noErr) << what;
        EXPECT_EQ(Value("ColorAsGrayCheckBox"), c.expected) << what;
    }
}

TEST_F(Accessors, ClicksReachTheTicketAsPPDChoiceKeywords)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_EQ(Click("BrightnessPopup", 1), noErr);
    ASSERT_EQ(Click("EdgeTypePopup", 3), noErr);
    ASSERT_EQ(Click("EconoModeCheckBox"), noErr);
    ASSERT_EQ(Click("ColorSeparationCheckBox"), noErr);
    ASSERT_NO_FATAL_FAILURE(ShowAdvancedTab(4));
    ASSERT_EQ(Click("SimulationSourcePopup", 3), noErr);
    ASSERT_EQ(Click("SimulationGrayTreatmentPopup", 2), noErr);
    EXPECT_EQ(SyncFromPane(), noErr);

    EXPECT_EQ(TicketString("VxQuickColor"), "UserDefined");
    EXPECT_EQ(TicketString("VxBrightness"), "Minus2");
    EXPECT_EQ(TicketString("VxEdgeType"), "Fine");
    EXPECT_EQ(TicketString("VxEconoMode"), "True");
    EXPECT_EQ(TicketString("VxColorSeparation"), "True");
    EXPECT_EQ(TicketString("VxColorAsGray"), "False");
    EXPECT_EQ(TicketString("VxSimSource"), "Euroscale");
    EXPECT_EQ(TicketString("VxSimSourceCustom"), "False");
    EXPECT_FALSE(TicketHas("VxSimSourceCustomFilename"));
    EXPECT_EQ(TicketString("VxSimGrayTreatment"), "BlackOnly");
    EXPECT_FALSE(TicketHas("VxSimulationGrayTreatment"));
}

// A PPD whose check-box choices are spelled otherwise: the default "TRUE"
// still ticks the box, but no "True" choice exists to be written.
TEST_F(Accessors, CheckBoxWithoutATrueChoiceWritesNothing)
{
    SetPrinter(DerivedPPD("upper.ppd", {{"*VxColorAsGray True/", "*VxColorAsGray TRUE/"},
                                        {"*VxColorAsGray False/", "*VxColorAsGray FALSE/"},
                                        {"*DefaultVxColorAsGray: False", "*DefaultVxColorAsGray: TRUE"}}));
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_EQ(Value("ColorAsGrayCheckBox"), 1);
    CFDictionaryRemoveAllValues(Ticket());
    EXPECT_EQ(SyncFromPane(), noErr);
    EXPECT_FALSE(TicketHas("VxColorAsGray"));
    EXPECT_EQ(TicketString("VxColorSeparation"), "False");
}

// The session's ticket datum must be a 32-bit number: anything else is
// -30889, a missing one the session's status.  Getters then fall back,
// setters write nothing.
TEST_F(Accessors, UnusableTicketFallsBackAndWritesNothing)
{
    SetTicket("VxBrightness", "Plus2");
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_EQ(Value("BrightnessPopup"), 5);
    CFMutableDictionaryRef ticket = Ticket();
    CFRetain(ticket);

    PMTicketRef found = reinterpret_cast<PMTicketRef>(1);
    PMSessionSetDataInSession(session, kPMPrintSettingsTicketKey, CFSTR("not a ticket"));
    EXPECT_EQ(MyGetTicket(session, kPMPrintSettingsTicketKey, &found), -30889);
    EXPECT_EQ(found, nullptr);
    const CFIndex entries = CFDictionaryGetCount(ticket);
    EXPECT_EQ(SyncFromPane(), -30889);
    EXPECT_EQ(CFDictionaryGetCount(ticket), entries);
    EXPECT_EQ(SyncFromTicket(), noErr); // the last getter, a plain popup's, never fails
    EXPECT_EQ(Value("BrightnessPopup"), 3);
    // Destination getters are the ones that report it, after going to position 1.
    SetControl32BitValue(Control("ImageDestinationProfilePopup"), 3);
    EXPECT_EQ(MyGetImageDestinationProfile(session, Context()), -30889);
    EXPECT_EQ(Value("ImageDestinationProfilePopup"), 1);

    PMSessionSetDataInSession(session, kPMPrintSettingsTicketKey, nullptr);
    EXPECT_NE(MyGetTicket(session, kPMPrintSettingsTicketKey, &found), noErr);
    EXPECT_NE(SyncFromPane(), noErr);
    EXPECT_EQ(CFDictionaryGetCount(ticket), entries);
    CFRelease(ticket);
}

// A PPD without the image rendering intent: the rebuild stops there, so it and
// every option built after it have no choice array.  Nothing crashes, and
// nothing is written for those options.
TEST_F(Accessors, OptionsWithoutChoicesAreLeftAlone)
{
    SetPrinter(DerivedPPD("partial.ppd", {{"VxImageRenderIntent", "VxOtherRenderIntent"}}));
    SetTicket("VxQuickColor", "Vivid");
    SetTicket("VxEdgeType", "Fine");
    SetTicket("VxColorAsGray", "True");
    SetTicket("VxImageDestinationProfileCustom", "True");
    SetTicket("VxImageDestinationProfileCustomFilename", "/ata1a/data/USfiles/Profiles/A.ICC");
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_EQ(Context()->ppdarrays.ImageRenderIntentPPDInfoArrayRef, nullptr);
    EXPECT_EQ(Context()->ppdarrays.EdgeTypePPDInfoArrayRef, nullptr);
    EXPECT_EQ(Value("QuickColorPopup"), 3);

    CFDictionaryRemoveAllValues(Ticket());
    SetControl32BitValue(Control("ImageDestinationProfilePopup"), 7);
    EXPECT_EQ(SyncFromPane(), noErr);
    EXPECT_EQ(TicketString("VxQuickColor"), "Vivid");
    EXPECT_EQ(TicketString("VxImageRGBSource"), "sRGB");
    for (const char *key : {"VxColorAsGray", "VxEdgeType", "VxImageRenderIntent", "VxImageDestinationProfile",
                            "VxImageDestinationProfileCustom", "VxSimGrayTreatment"})
        EXPECT_FALSE(TicketHas(key)) << key;
    EXPECT_EQ(CFDictionaryGetCount(Ticket()), 4); // QuickColor, Brightness, ImageRGBSource and its flag
}

} // namespace
