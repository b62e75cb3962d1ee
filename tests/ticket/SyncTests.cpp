// The host's Sync in both directions: every option travels, and the
// constraint rules have run when Sync returns.
#include "PaneFixture.h"

namespace {

class Sync : public PaneFixture {};

// A ticket with a non-default choice for every option, read at Initialize and
// written back by a sync from the pane (any direction but 1).
TEST_F(Sync, EveryOptionMakesTheRoundTrip)
{
    const std::pair<const char *, const char *> written[] = {
        {"VxQuickColor", "UserDefined"},
        {"VxBrightness", "Minus1"},
        {"VxColorAsGray", "False"},
        {"VxColorSeparation", "True"},
        {"VxEconoMode", "True"},
        {"VxEdgeType", "Off"},
        {"VxImageRGBSource", "CIERGB"},
        {"VxImageRenderIntent", "Saturation"},
        {"VxImageGrayTreatment", "BlackOnly"},
        {"VxImageHalftone", "Smooth"},
        {"VxImageEdgeEnhance", "On"},
        {"VxTextRGBSource", "None"},
        {"VxTextRenderIntent", "Colorimetric"},
        {"VxTextGrayTreatment", "Composite"},
        {"VxTextHalftone", "Detail"},
        {"VxTextEdgeEnhance", "Off"},
        {"VxGraphicsRGBSource", "WideGamut"},
        {"VxGraphicsRenderIntent", "Perceptual"},
        {"VxGraphicsGrayTreatment", "Composite"},
        {"VxGraphicsHalftone", "HighDetail"},
        {"VxGraphicsEdgeEnhance", "Off"},
        {"VxSimSource", "JapanColor"},
        {"VxSimRenderIntent", "Absolute"},
        {"VxSimGrayTreatment", "BlackOnly"},
    };
    for (const auto &[key, value] : written)
        SetTicket(key, value);
    // Destinations are not read back from their main key: they come back as
    // the first choice.
    for (const char *key : {"VxImageDestinationProfile", "VxTextDestinationProfile", "VxGraphicsDestinationProfile"})
        SetTicket(key, "Proof");
    ASSERT_NO_FATAL_FAILURE(Start());

    for (Boolean direction : {0, 2}) {
        CFDictionaryRemoveAllValues(Ticket());
        EXPECT_EQ(MySync(pde, session, direction), noErr);
        for (const auto &[key, value] : written)
            EXPECT_EQ(TicketString(key), value) << key;
        for (const char *key : {"VxImageDestinationProfile", "VxTextDestinationProfile", "VxGraphicsDestinationProfile"})
            EXPECT_EQ(TicketString(key), "Auto") << key;
        for (const char *key : {"VxImageRGBSourceCustom", "VxTextRGBSourceCustom", "VxGraphicsRGBSourceCustom",
                                "VxSimSourceCustom", "VxImageDestinationProfileCustom",
                                "VxTextDestinationProfileCustom", "VxGraphicsDestinationProfileCustom"})
            EXPECT_EQ(TicketString(key), "False") << key;
        EXPECT_EQ(CFDictionaryGetCount(Ticket()), 27 + 7);
    }
}

TEST_F(Sync, RulesHaveRunWhenATicketSyncReturns)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_TRUE(Enabled("ImageRGBSourcePopup"));
    SetTicket("VxColorAsGray", "True");
    SetTicket("VxColorSeparation", "True");
    EXPECT_EQ(SyncFromTicket(), noErr);
    EXPECT_EQ(Value("ColorAsGrayCheckBox"), 1);
    EXPECT_TRUE(Enabled("ColorAsGrayCheckBox"));
    EXPECT_EQ(Value("ColorSeparationCheckBox"), 0);
    EXPECT_FALSE(Enabled("ColorSeparationCheckBox"));
    EXPECT_FALSE(Enabled("ImageRGBSourcePopup"));

    // The forced value is what the next sync from the pane writes.
    EXPECT_EQ(SyncFromPane(), noErr);
    EXPECT_EQ(TicketString("VxColorSeparation"), "False");
}

} // namespace
