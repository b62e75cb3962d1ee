// The seven profile popups in the ticket: custom profiles travel as a flag and
// the profile's path on the printer, built-in choices as their keyword.
#include "PaneFixture.h"

#include "PopupMenus.h"

namespace {

const char *const kDisk = "/ata1a/data/USfiles/Profiles/";
const char *const kCard = "/ataCf1a/data/USfiles/Profiles/";

// Profile list file: listed entries (InMenu 3, 4, 6) between unlisted ones.
class ProfileAccessors : public PaneFixture {
protected:
    void SetUp() override
    {
        PaneFixture::SetUp();
        WriteProfiles(
            {
                Profile(kInMenuPrinterHidden, 0, "HIDDEN.ICC", "Hidden", kProfileLocationDisk),
                Profile(kInMenuPrinterListed, 0, "DISK1.ICC", "Disk One", kProfileLocationDisk),
                Profile(kInMenuUserHidden, 0, "GONE.ICC", "Gone", kProfileLocationCard),
                Profile(kInMenuUserListed, 0, "CARD2.ICC", "Card Two", kProfileLocationCard),
                Profile(kInMenuPrinterListedSeen, 0, "ODD.ICC", "Odd Place", 7),
            },
            {Profile(kInMenuUserListed, 1, "SIM1.ICC", "Sim One", kProfileLocationCard)},
            {Profile(kInMenuPrinterHiddenSeen, 2, "DHIDE.ICC", "Dest Hidden", kProfileLocationDisk),
             Profile(kInMenuPrinterListedSeen, 2, "DST1.ICC", "Dest One", kProfileLocationDisk)});
    }
};

TEST_F(ProfileAccessors, ChosenCustomSourceIsWrittenAsItsPathAndReadBack)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_EQ(Items("ImageRGBSourcePopup").size(), 7u); // four PPD choices, three listed profiles
    ASSERT_EQ(Context()->profileMenuBaseCounts[0], 4);
    ASSERT_NO_FATAL_FAILURE(ShowAdvancedTab(1));

    struct Case {
        SInt32 item;
        std::string path;
    } cases[] = {
        {5, std::string(kDisk) + "DISK1.ICC"},
        {6, std::string(kCard) + "CARD2.ICC"},
        {7, "ODD.ICC"}, // a location without a folder: the bare file name
    };
    for (const Case &c : cases) {
        ASSERT_EQ(Click("ImageRGBSourcePopup", c.item), noErr);
        EXPECT_EQ(SyncFromPane(), noErr);
        EXPECT_EQ(TicketString("VxImageRGBSource"), "None") << c.item; // the first PPD choice
        EXPECT_EQ(TicketString("VxImageRGBSourceCustom"), "True") << c.item;
        EXPECT_EQ(TicketString("VxImageRGBSourceCustomFilename"), c.path) << c.item;

        ASSERT_EQ(Click("ImageRGBSourcePopup", 2), noErr);
        EXPECT_EQ(SyncFromTicket(), noErr);
        EXPECT_EQ(Value("ImageRGBSourcePopup"), c.item);
        SetTicket("VxImageRGBSourceCustom", "False"); // the next case starts from a PPD choice
    }

    // Back to a PPD choice: the flag turns "False", the old path stays and is
    // ignored when read back.
    ASSERT_EQ(Click("ImageRGBSourcePopup", 3), noErr);
    EXPECT_EQ(SyncFromPane(), noErr);
    EXPECT_EQ(TicketString("VxImageRGBSource"), "WideGamut");
    EXPECT_EQ(TicketString("VxImageRGBSourceCustom"), "False");
    EXPECT_EQ(TicketString("VxImageRGBSourceCustomFilename"), "ODD.ICC");
    EXPECT_EQ(SyncFromTicket(), noErr);
    EXPECT_EQ(Value("ImageRGBSourcePopup"), 3);
}

// Each profile popup under its own keys, with its own class's list.
TEST_F(ProfileAccessors, EveryProfilePopupUsesItsOwnKeysAndList)
{
    struct Case {
        const char *control;
        const char *key;
        SInt32 item; // the last listed profile of the popup's class
        std::string path;
    } cases[] = {
        {"ImageRGBSourcePopup", "VxImageRGBSource", 7, "ODD.ICC"},
        {"TextRGBSourcePopup", "VxTextRGBSource", 6, std::string(kCard) + "CARD2.ICC"},
        {"GraphicsRGBSourcePopup", "VxGraphicsRGBSource", 5, std::string(kDisk) + "DISK1.ICC"},
        {"SimulationSourcePopup", "VxSimSource", 5, std::string(kCard) + "SIM1.ICC"},
        {"ImageDestinationProfilePopup", "VxImageDestinationProfile", 5, std::string(kDisk) + "DST1.ICC"},
        {"TextDestinationProfilePopup", "VxTextDestinationProfile", 5, std::string(kDisk) + "DST1.ICC"},
        {"GraphicsDestinationProfilePopup", "VxGraphicsDestinationProfile", 5, std::string(kDisk) + "DST1.ICC"},
    };
    SetTicket("VxQuickColor", "UserDefined");
    for (const Case &c : cases) {
        SetTicket((std::string(c.key) + "Custom").c_str(), "True");
        SetTicket((std::string(c.key) + "CustomFilename").c_str(), c.path.c_str());
    }
    ASSERT_NO_FATAL_FAILURE(Start());
    for (const Case &c : cases)
        EXPECT_EQ(Value(c.control), c.item) << c.control;

    CFDictionaryRemoveAllValues(Ticket());
    EXPECT_EQ(SyncFromPane(), noErr);
    for (const Case &c : cases) {
        const std::string key = c.key;
        EXPECT_EQ(TicketString((key + "Custom").c_str()), "True") << key;
        EXPECT_EQ(TicketString((key + "CustomFilename").c_str()), c.path) << key;
    }
    EXPECT_EQ(TicketString("VxSimSource"), "None");
    EXPECT_EQ(TicketString("VxTextDestinationProfile"), "Auto");
}

TEST_F(ProfileAccessors, TicketsThatNameNoUsableCustomProfile)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    const std::string listed = std::string(kCard) + "CARD2.ICC";
    struct Case {
        const char *what;
        const char *flag; // null: the number 1
        std::string path;
        const char *choice;
        SInt32 source;      // ImageRGBSourcePopup afterwards
        SInt32 destination; // ImageDestinationProfilePopup afterwards
    } cases[] = {
        {"lower-case flag is not a custom choice", "true", listed, "CIERGB", 4, 1},
        {"number flag is not a custom choice", nullptr, listed, "CIERGB", 4, 1},
        {"profile no longer in the list", "True", std::string(kCard) + "NOFILE.ICC", "CIERGB", 2, 1},
        {"unlisted entry's path", "True", std::string(kCard) + "GONE.ICC", "None", 2, 1},
        {"built-in destination other than the first", "False", listed, "WideGamut", 3, 1},
    };
    for (const Case &c : cases) {
        CFDictionaryRemoveAllValues(Ticket());
        SetControl32BitValue(Control("ImageRGBSourcePopup"), 7);
        SetControl32BitValue(Control("ImageDestinationProfilePopup"), 5);
        for (const char *key : {"VxImageRGBSource", "VxImageDestinationProfile"}) {
            const std::string k = key;
            if (c.flag != nullptr)
                SetTicket((k + "Custom").c_str(), c.flag);
            else
                SetTicketNumber((k + "Custom").c_str(), 1);
            SetTicket((k + "CustomFilename").c_str(), c.path.c_str());
        }
        SetTicket("VxImageRGBSource", c.choice);
        SetTicket("VxImageDestinationProfile", "Proof");
        iDefaultPosition[1] = 0;
        EXPECT_EQ(SyncFromTicket(), noErr) << c.what;
        EXPECT_EQ(Value("ImageRGBSourcePopup"), c.source) << c.what;
        EXPECT_EQ(Value("ImageDestinationProfilePopup"), c.destination) << c.what;
        EXPECT_EQ(iDefaultPosition[1], 1) << c.what;
    }
}

// The source getter records the PPD default only when it falls back to it.
TEST_F(ProfileAccessors, SourceDefaultPositionIsRecordedOnFallbackOnly)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    iDefaultPosition[0] = 0;
    SetTicket("VxImageRGBSource", "CIERGB");
    EXPECT_EQ(SyncFromTicket(), noErr);
    EXPECT_EQ(Value("ImageRGBSourcePopup"), 4);
    EXPECT_EQ(iDefaultPosition[0], 0);
    SetTicket("VxImageRGBSource", "Unknown");
    EXPECT_EQ(SyncFromTicket(), noErr);
    EXPECT_EQ(Value("ImageRGBSourcePopup"), 2);
    EXPECT_EQ(iDefaultPosition[0], 2);
}

// The list changed behind the pane: the popup points past the listed entries.
// The ticket still says "custom", with an empty path.
TEST_F(ProfileAccessors, CustomItemBeyondTheListWritesAnEmptyPath)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_NO_FATAL_FAILURE(ShowAdvancedTab(1));
    ASSERT_EQ(Click("ImageRGBSourcePopup", 7), noErr);
    WriteProfiles({}, {}, {});
    EXPECT_EQ(SyncFromPane(), noErr);
    EXPECT_EQ(TicketString("VxImageRGBSourceCustom"), "True");
    EXPECT_EQ(TicketString("VxImageRGBSourceCustomFilename"), "");
    EXPECT_EQ(TicketString("VxImageRGBSource"), "None");
}

} // namespace
