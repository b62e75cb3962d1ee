// The option controls filled from the PPD: popups' items, PPD defaults, and a
// PPD that lacks an option.
#include <initializer_list>
#include <string>
#include <vector>

#include "OptionCatalog.h"
#include "PPDAccess.h"
#include "PaneFixture.h"
#include "PopupMenus.h"

namespace {

// A choice array as the PPD layer builds it: one five-string element per choice.
CFMutableArrayRef MakeChoices(const char *option, const char *defaultChoice,
                              std::initializer_list<std::pair<const char *, const char *>> choices)
{
    CFMutableArrayRef array = CFArrayCreateMutable(nullptr, 0, &kCFTypeArrayCallBacks);
    for (const auto &[keyword, text] : choices) {
        const char *fields[] = {option, defaultChoice, keyword, text, "ConflictFalse"};
        CFStringRef strings[5];
        for (int i = 0; i < 5; ++i)
            strings[i] = CFStringCreateWithCString(nullptr, fields[i], kCFStringEncodingUTF8);
        CFArrayRef element = CFArrayCreate(nullptr, reinterpret_cast<const void **>(strings), 5, &kCFTypeArrayCallBacks);
        CFArrayAppendValue(array, element);
        CFRelease(element);
        for (CFStringRef s : strings)
            CFRelease(s);
    }
    return array;
}

using MenuTest = PaneFixture;

// The standard view's resource window, for a popup and a check box to work on.
class PopupMenus : public MenuTest {
protected:
    void SetUp() override
    {
        MenuTest::SetUp();
        IBNibRef nib = nullptr;
        ASSERT_EQ(CreateNibReferenceWithCFBundle(bundle, CFSTR("ColorOptions"), &nib), noErr);
        ASSERT_EQ(CreateWindowFromNib(nib, CFSTR("MainWindow"), &nibWindow), noErr);
        DisposeNibReference(nib);
        popup = TKFindControlByName(nibWindow, "QuickColorPopup");
        checkBox = TKFindControlByName(nibWindow, "ColorAsGrayCheckBox");
        ASSERT_NE(popup, nullptr);
        ASSERT_NE(checkBox, nullptr);
    }
    void TearDown() override
    {
        DisposeWindow(nibWindow);
        MenuTest::TearDown();
    }
    WindowRef nibWindow = nullptr;
    ControlRef popup = nullptr;
    ControlRef checkBox = nullptr;
};

TEST_F(PopupMenus, BuildReplacesWhateverItemsThePopupHad)
{
    MenuRef menu = GetControlPopupMenuHandle(popup);
    for (CFStringRef extra : {CFSTR("x"), CFSTR("y"), CFSTR("z"), CFSTR("w")})
        AppendMenuItemTextWithCFString(menu, extra, 0, 0, nullptr);
    SetControl32BitMaximum(popup, CountMenuItems(menu));
    SetControl32BitValue(popup, 4);

    CFMutableArrayRef choices = MakeChoices("VxQuickColor", "Photo", {{"Standard", "Standard"}, {"Photo", "Photo"},
                                                                      {"UserDefined", "Custom"}});
    MenuRef stored = nullptr;
    EXPECT_EQ(BuildMenuFromPPDInfo(popup, &stored, choices), noErr);
    EXPECT_EQ(stored, menu);
    EXPECT_EQ(MenuItems(menu), (std::vector<std::string>{"Standard", "Photo", "Custom"}));
    EXPECT_EQ(GetControl32BitMinimum(popup), 1);
    EXPECT_EQ(GetControl32BitMaximum(popup), 3);
    EXPECT_EQ(GetControl32BitValue(popup), 1);

    // An option without an array leaves the popup as it is.
    SetControl32BitValue(popup, 2);
    EXPECT_EQ(BuildMenuFromPPDInfo(popup, &stored, nullptr), noErr);
    EXPECT_EQ(CountMenuItems(menu), 3);
    EXPECT_EQ(GetControl32BitValue(popup), 2);
    CFRelease(choices);
}

TEST_F(PopupMenus, MenuDefaultIsThePPDDefaultOrTheFirstItem)
{
    const struct {
        const char *defaultChoice;
        SInt32 k;
        SInt32 value;
        SInt32 recorded[kProfilePopupCount];
    } cases[] = {
        {"Vivid", 0, 3, {3, 99, 99, 99, 99, 99, 99}},
        {"Missing", 2, 1, {99, 99, 1, 99, 99, 99, 99}},  // not among the choices
        {"Photo", 6, 2, {99, 99, 99, 99, 99, 99, 2}},
        {"Photo", -1, 2, {99, 99, 99, 99, 99, 99, 99}},  // not a profile popup
        {"Photo", 7, 2, {99, 99, 99, 99, 99, 99, 99}},
    };
    SetControl32BitMaximum(popup, 3);
    for (const auto &c : cases) {
        for (SInt32 &p : iDefaultPosition)
            p = 99;
        SetControl32BitValue(popup, 3 - (c.value % 3)); // somewhere else
        CFMutableArrayRef choices = MakeChoices("VxQuickColor", c.defaultChoice,
                                                {{"Standard", "Standard"}, {"Photo", "Photo"}, {"Vivid", "Vivid"}});
        EXPECT_EQ(SetMenuDefaultFromPPDInfo(popup, choices, c.k), noErr);
        EXPECT_EQ(GetControl32BitValue(popup), c.value) << c.defaultChoice << " k " << c.k;
        for (int i = 0; i < kProfilePopupCount; ++i)
            EXPECT_EQ(iDefaultPosition[i], c.recorded[i]) << c.defaultChoice << " k " << c.k << " entry " << i;
        CFRelease(choices);
    }

    // No choices: nothing changes.
    CFMutableArrayRef empty = CFArrayCreateMutable(nullptr, 0, &kCFTypeArrayCallBacks);
    SetControl32BitValue(popup, 2);
    EXPECT_EQ(SetMenuDefaultFromPPDInfo(popup, empty, 0), noErr);
    EXPECT_EQ(SetMenuDefaultFromPPDInfo(popup, nullptr, 0), noErr);
    EXPECT_EQ(GetControl32BitValue(popup), 2);
    EXPECT_EQ(iDefaultPosition[0], 99);
    CFRelease(empty);
}

TEST_F(PopupMenus, CheckBoxDefaultAcceptsThreeSpellingsOfTrue)
{
    const struct {
        const char *defaultChoice;
        SInt32 value;
    } cases[] = {
        {"True", 1}, {"TRUE", 1}, {"true", 1}, {"False", 0}, {"True ", 0}, {"tRUE", 0}, {"TRue", 0}, {"", 0},
    };
    for (const auto &c : cases) {
        SetControl32BitValue(checkBox, 1 - c.value);
        CFMutableArrayRef choices = MakeChoices("VxColorAsGray", c.defaultChoice, {{"True", "On"}, {"False", "Off"}});
        EXPECT_EQ(SetCheckBoxDefaultFromPPDInfo(checkBox, choices), noErr);
        EXPECT_EQ(GetControl32BitValue(checkBox), c.value) << "'" << c.defaultChoice << "'";
        CFRelease(choices);
    }
    SetControl32BitValue(checkBox, 1);
    EXPECT_EQ(SetCheckBoxDefaultFromPPDInfo(checkBox, nullptr), noErr);
    EXPECT_EQ(GetControl32BitValue(checkBox), 1);
}

using Rebuild = MenuTest;

TEST_F(Rebuild, EveryPopupOffersItsPPDChoices)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    for (const OptionInfo &o : kOptionCatalog) {
        CFArrayRef choices = Context()->ppdarrays.*(o.array);
        ASSERT_NE(choices, nullptr) << o.name;
        ASSERT_GT(CFArrayGetCount(choices), 1) << o.name;
        if (o.menu == nullptr)
            continue;
        ControlRef control = Context()->controls[o.slot];
        MenuRef menu = Context()->menus.*(o.menu);
        EXPECT_EQ(menu, GetControlPopupMenuHandle(control)) << o.name;
        // No custom profiles are listed, so every item is a PPD choice.
        std::vector<std::string> want;
        for (CFIndex i = 0; i < CFArrayGetCount(choices); ++i)
            want.push_back(Text(static_cast<CFStringRef>(
                CFArrayGetValueAtIndex(static_cast<CFArrayRef>(CFArrayGetValueAtIndex(choices, i)), 3))));
        EXPECT_EQ(MenuItems(menu), want) << o.name;
        EXPECT_EQ(GetControl32BitMaximum(control), SInt32(want.size())) << o.name;
        if (o.profilePopup >= 0) {
            EXPECT_EQ(Context()->profileMenuBaseCounts[o.profilePopup], SInt32(want.size())) << o.name;
        }
    }
}

TEST_F(Rebuild, APPDWithoutEconoModeStopsThereAndThePaneStillWorks)
{
    SetPrinter(QV_SOURCE_DIR "/tests/ppd/fixtures/missing-econo-mode.ppd");
    ASSERT_NO_FATAL_FAILURE(Start());
    CustomContext *context = Context();
    for (const OptionInfo &o : kOptionCatalog) {
        bool built = &o != &kOptionCatalog[kOptEconoMode] && &o != &kOptionCatalog[kOptEdgeType];
        EXPECT_EQ(context->ppdarrays.*(o.array) != nullptr, built) << o.name;
    }
    // The edge type popup keeps the resource's placeholder.
    EXPECT_EQ(context->menus.EdgeTypeMenuRef, nullptr);
    EXPECT_EQ(Items("EdgeTypePopup").size(), 1u);

    // The person works with the pane; the options without choices stay out of
    // the ticket and the summary.
    EXPECT_EQ(Click("EconoModeCheckBox"), noErr);
    EXPECT_EQ(Click("EdgeTypePopup", 1), noErr);
    EXPECT_EQ(Click("BrightnessPopup", 2), noErr);
    EXPECT_EQ(SyncFromPane(), noErr);
    EXPECT_FALSE(TicketHas("VxEconoMode"));
    EXPECT_FALSE(TicketHas("VxEdgeType"));
    EXPECT_EQ(TicketString("VxBrightness"), "Minus1");
    SyncFromTicket();
    auto summary = Summary();
    EXPECT_FALSE(summary.empty());
    for (const auto &[label, value] : summary)
        EXPECT_NE(label, "EconoMode");

    // Building again reports the missing option and keeps the first session.
    ppd_file_t *ppd = nullptr;
    ASSERT_EQ(GetPPDRefFromSession(session, &ppd), noErr);
    PMPrintSession other = PMHostCreateSession();
    EXPECT_EQ(RebuildPopupMenusWithPPDInfo(ppd, context, other), kPPDOptionNotFound);
    EXPECT_EQ(context->printSession, session);
    PMHostReleaseSession(other);
}

} // namespace
