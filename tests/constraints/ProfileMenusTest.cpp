// The profile popups: PPD choices followed by the listed custom profiles, and
// the selections kept across a change of the lists.
#include "PaneHarness.h"

#include <filesystem>
#include <fstream>

#include "OptionCatalog.h"
#include "PopupMenus.h"
#include "ProfileFile.h"
#include "ProfileMenus.h"

namespace {

std::string ItemText(ControlRef popup, MenuItemIndex item)
{
    CFStringRef text = nullptr;
    if (CopyMenuItemTextAsCFString(GetControlPopupMenuHandle(popup), item, &text) != noErr || text == nullptr)
        return "<none>";
    char buffer[256] = "";
    CFStringGetCString(text, buffer, sizeof buffer, kCFStringEncodingUTF8);
    CFRelease(text);
    return buffer;
}

// The sample PPD offers four choices in every profile popup.
constexpr SInt32 kBase = 4;

} // namespace

class ProfileMenus : public RulePane {
protected:
    // Refills the seven popups from the list file, as OK in the Profile
    // Management window does.
    void RefreshFromFile()
    {
        auto rgb = NewList(), sim = NewList(), dst = NewList();
        ASSERT_EQ(VxPListReadProfile_All(rgb.get(), sim.get(), dst.get()), 0);
        const ProfileList *byClass[] = {rgb.get(), sim.get(), dst.get()};
        for (SInt32 n = 0; n < kProfilePopupCount; ++n)
            vRefreshProfilePopup(n, byClass[OptionForProfilePopup(n)->profileClass]);
    }
};

// Only listed entries (states 3, 4, 6) become items, in slot order, titled
// "file (profile) location".
TEST_F(ProfileMenus, ListedEntriesFollowThePPDChoices)
{
    auto rgb = NewList(), sim = NewList(), dst = NewList();
    AddEntry(*rgb, kInMenuPrinterListedSeen, "RGB1.ICC", "Office", kProfileLocationDisk, kProfileClassRGB);
    AddEntry(*rgb, kInMenuPrinterHiddenSeen, "RGB2.ICC", "Hidden", kProfileLocationDisk, kProfileClassRGB);
    AddEntry(*rgb, kInMenuUserListed, "RGB3.ICC", "Mine", kProfileLocationCard, kProfileClassRGB);
    AddEntry(*sim, kInMenuPrinterListed, "PROF01.ICC", "Vivid", kProfileLocationCard, kProfileClassSIM);
    AddEntry(*dst, kInMenuUserHidden, "DST1.ICC", "Unused", kProfileLocationDisk, kProfileClassDST);
    WriteLists(*rgb, *sim, *dst);
    StartPane();

    for (const char *name : {"ImageRGBSourcePopup", "TextRGBSourcePopup", "GraphicsRGBSourcePopup"}) {
        SCOPED_TRACE(name);
        ControlRef popup = Control(name);
        EXPECT_EQ(GetControl32BitMaximum(popup), kBase + 2);
        EXPECT_EQ(ItemText(popup, kBase), "CIE RGB");
        EXPECT_EQ(ItemText(popup, kBase + 1), "RGB1.ICC (Office) Disk");
        EXPECT_EQ(ItemText(popup, kBase + 2), "RGB3.ICC (Mine) Card");
    }
    EXPECT_EQ(GetControl32BitMaximum(Control("SimulationSourcePopup")), kBase + 1);
    EXPECT_EQ(ItemText(Control("SimulationSourcePopup"), kBase + 1), "PROF01.ICC (Vivid) Card");
    EXPECT_EQ(GetControl32BitMaximum(Control("ImageDestinationProfilePopup")), kBase);
    for (SInt32 n = 0; n < kProfilePopupCount; ++n)
        EXPECT_EQ(Context()->profileMenuBaseCounts[n], kBase) << n;

    // A second refresh replaces the custom items instead of adding to them.
    RefreshFromFile();
    EXPECT_EQ(GetControl32BitMaximum(Control("TextRGBSourcePopup")), kBase + 2);
    EXPECT_EQ(Context()->profileMenuBaseCounts[2], kBase);
}

// A custom profile is found again by file name after the lists change; a
// PPD choice keeps its position; a profile taken out of the menus falls back
// to the popup's default.
TEST_F(ProfileMenus, SelectionsSurviveAChangeOfTheLists)
{
    auto rgb = NewList(), sim = NewList(), dst = NewList();
    AddEntry(*rgb, kInMenuPrinterListedSeen, "A.ICC", "A", kProfileLocationDisk, kProfileClassRGB);
    AddEntry(*rgb, kInMenuUserListed, "B.ICC", "B", kProfileLocationCard, kProfileClassRGB);
    AddEntry(*rgb, kInMenuPrinterListedSeen, "C.ICC", "C", kProfileLocationDisk, kProfileClassRGB);
    WriteLists(*rgb, *sim, *dst);
    StartPane();
    ShowAdvanced();
    ASSERT_EQ(Click("ImageRGBSourcePopup", kBase + 2), noErr);
    ASSERT_EQ(Click("AdvancedOptionsTab", 2), noErr);
    ASSERT_EQ(Click("TextRGBSourcePopup", 3), noErr);
    ASSERT_EQ(Click("AdvancedOptionsTab", 3), noErr);
    ASSERT_EQ(Click("GraphicsRGBSourcePopup", kBase + 3), noErr);

    vGetCurrentProfiles();
    EXPECT_EQ(stProfileSpoolLocal[0].value, kBase + 2);
    EXPECT_STREQ(stProfileSpoolLocal[0].FileName, "B.ICC");
    EXPECT_STREQ(stProfileSpoolLocal[2].FileName, "");
    EXPECT_STREQ(stProfileSpoolLocal[4].FileName, "C.ICC");

    // The window's edits: B moves first, C leaves the menus.
    auto edited = NewList();
    AddEntry(*edited, kInMenuUserListed, "B.ICC", "B", kProfileLocationCard, kProfileClassRGB);
    AddEntry(*edited, kInMenuPrinterListedSeen, "A.ICC", "A", kProfileLocationDisk, kProfileClassRGB);
    AddEntry(*edited, kInMenuPrinterHiddenSeen, "C.ICC", "C", kProfileLocationDisk, kProfileClassRGB);
    WriteLists(*edited, *sim, *dst);
    RefreshFromFile();
    vRestoreProfilePopup();

    EXPECT_EQ(Value("ImageRGBSourcePopup"), kBase + 1);
    EXPECT_EQ(Value("TextRGBSourcePopup"), 3);
    EXPECT_EQ(Value("GraphicsRGBSourcePopup"), iDefaultPosition[4]);
    EXPECT_EQ(iDefaultPosition[4], 2); // the PPD's default, sRGB
}

// A list file that can no longer be read leaves a custom selection on
// position 1, where the refresh put it.
TEST_F(ProfileMenus, UnreadableListFileDuringRestore)
{
    auto rgb = NewList(), sim = NewList(), dst = NewList();
    AddEntry(*rgb, kInMenuUserListed, "A.ICC", "A", kProfileLocationDisk, kProfileClassRGB);
    WriteLists(*rgb, *sim, *dst);
    StartPane();
    ShowAdvanced();
    ASSERT_EQ(Click("ImageRGBSourcePopup", kBase + 1), noErr);
    vGetCurrentProfiles();
    RefreshFromFile();

    char path[256];
    ASSERT_TRUE(VxPListCurrentPath(path, sizeof path));
    std::ofstream(path, std::ios::trunc) << "<plist><dict><key>broken";
    vRestoreProfilePopup();
    EXPECT_EQ(Value("ImageRGBSourcePopup"), 1);
}

namespace {

// Replaces the first `from` in the file by `to`.
void ReplaceInFile(const std::string &file, const std::string &from, const std::string &to)
{
    std::ifstream in(file);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from << " in " << file;
    text.replace(at, from.size(), to);
    std::ofstream(file, std::ios::trunc) << text;
}

} // namespace

// The location word comes from the bundle's strings.  A word long enough to
// overflow the 128-byte title is cut at a whole UTF-8 character, not inside
// one (which would leave no title at all).
TEST_F(ProfileMenus, LocationWordsAreLocalized)
{
    namespace fs = std::filesystem;
    const std::string copy = home + "/German.plugin";
    fs::copy(QV_BUNDLE_DIR, copy, fs::copy_options::recursive);
    fs::rename(copy + "/Contents/Resources/en.lproj", copy + "/Contents/Resources/de.lproj");
    ReplaceInFile(copy + "/Contents/Info.plist", "<string>en</string>", "<string>de</string>");
    std::string longWord;
    for (int i = 0; i < 60; ++i)
        longWord += "\xC3\x9C"; // U+00DC, two bytes
    const std::string strings = copy + "/Contents/Resources/de.lproj/Localizable.strings";
    ReplaceInFile(strings, "<string>Card</string>", "<string>Karte</string>");
    ReplaceInFile(strings, "<string>Disk</string>", "<string>" + longWord + "</string>");
    bundleDir = copy;

    auto rgb = NewList(), sim = NewList(), dst = NewList();
    AddEntry(*sim, kInMenuPrinterListed, "PROF01.ICC", "Vivid", kProfileLocationCard, kProfileClassSIM);
    AddEntry(*sim, kInMenuPrinterListedSeen, "PROF02.ICC", "Office", kProfileLocationDisk, kProfileClassSIM);
    WriteLists(*rgb, *sim, *dst);
    StartPane();

    ControlRef popup = Control("SimulationSourcePopup");
    EXPECT_EQ(ItemText(popup, kBase + 1), "PROF01.ICC (Vivid) Karte");
    // "PROF02.ICC (Office) " is 20 bytes; 107 more fit, that is 53 whole Ü.
    EXPECT_EQ(ItemText(popup, kBase + 2), "PROF02.ICC (Office) " + longWord.substr(0, 2 * 53));
}
