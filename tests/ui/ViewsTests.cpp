// The pane's two views as a person meets them: the build into the host's pane,
// the titles, the view and tab switches, and the dialog command watcher.
#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <sys/wait.h>
#include <vector>

#include "OptionCatalog.h"
#include "PaneFixture.h"
#include "PaneViews.h"
#include "ProfileMenus.h"

namespace {

const ControlSlot kTabPanes[] = {kImageTabPaneSlot, kTextTabPaneSlot, kGraphicsTabPaneSlot, kSimulationTabPaneSlot};

bool SameRect(const Rect &a, const Rect &b)
{
    return a.top == b.top && a.left == b.left && a.bottom == b.bottom && a.right == b.right;
}

// The pane in a dialog, reached by slot as well as by name.
class PaneViews : public PaneFixture {
protected:
    ControlRef Slot(ControlSlot slot) const { return Context()->controls[slot]; }
    PDEInstance *Instance() const { return static_cast<PDEInstance *>(pde); }
    static ControlRef Super(ControlRef control)
    {
        ControlRef parent = nullptr;
        GetSuperControl(control, &parent);
        return parent;
    }
    static std::string Title(ControlRef control)
    {
        CFStringRef title = nullptr;
        CopyControlTitleAsCFString(control, &title);
        std::string text = Text(title);
        if (title != nullptr)
            CFRelease(title);
        return text;
    }
    // The pane of the selected tab is the only one shown.
    void ExpectShownTab(SInt32 tab)
    {
        EXPECT_EQ(Context()->currentTab, tab);
        EXPECT_EQ(Value("AdvancedOptionsTab"), tab);
        for (SInt32 t = 1; t <= 4; ++t)
            EXPECT_EQ(bool(IsControlVisible(Slot(kTabPanes[t - 1]))), t == tab) << "tab " << t;
    }
    void ExpectStandardShown(bool standard)
    {
        EXPECT_EQ(bool(IsControlVisible(Slot(kStandardOptionsPaneSlot))), standard);
        EXPECT_EQ(bool(IsControlVisible(Slot(kAdvancedOptionsPaneSlot))), !standard);
    }
    void SendCommand(const char (&code)[5]) { TKUserSendCommand(window, FourCC(code)); }
};

// Titles of the controls that are not options.
const struct {
    ControlSlot slot;
    const char *key;
    CFStringRef TitleStrings::*member;
} kButtonTitles[] = {
    {kGoToAdvancedOptionsButtonSlot, "Advanced Color Options", &TitleStrings::StandardButtonTitleStringRef},
    {kGoToStandardOptionsButtonSlot, "Hide Advanced Options", &TitleStrings::AdvancedButtonTitleStringRef},
    {kManageProfileButtonSlot, "Management Profile", &TitleStrings::ManagementProfileButtonTitleStringRef},
    {kDownloadManagerButtonSlot, "Download Manager", &TitleStrings::DownloadManagerButtonTitleStringRef},
};

TEST_F(PaneViews, BuildPutsBothViewsIntoTheHostPaneShowingTheStandardOne)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    for (int slot = 0; slot < kControlSlotCount; ++slot)
        ASSERT_NE(Slot(ControlSlot(slot)), nullptr) << "slot " << slot;

    // The two containers sit in the host's pane; buttons and tab in their view.
    UInt16 children = 0;
    CountSubControls(hostPane, &children);
    EXPECT_EQ(children, 2);
    EXPECT_EQ(Super(Slot(kStandardOptionsPaneSlot)), hostPane);
    EXPECT_EQ(Super(Slot(kAdvancedOptionsPaneSlot)), hostPane);
    for (ControlSlot s : {kQuickColorPopupSlot, kBrightnessPopupSlot, kColorAsGrayCheckBoxSlot,
                          kGoToAdvancedOptionsButtonSlot, kColorSeparationCheckBoxSlot, kEconoModeCheckBoxSlot,
                          kEdgeTypePopupSlot})
        EXPECT_EQ(Super(Slot(s)), Slot(kStandardOptionsPaneSlot)) << "slot " << s;
    for (ControlSlot s : {kGoToStandardOptionsButtonSlot, kManageProfileButtonSlot, kDownloadManagerButtonSlot,
                          kAdvancedOptionsTabSlot})
        EXPECT_EQ(Super(Slot(s)), Slot(kAdvancedOptionsPaneSlot)) << "slot " << s;
    for (ControlSlot s : kTabPanes)
        EXPECT_EQ(Super(Slot(s)), Slot(kAdvancedOptionsTabSlot));

    ExpectStandardShown(true);
    EXPECT_EQ(Context()->currentTab, 1);
    EXPECT_EQ(Value("AdvancedOptionsTab"), 1);

    // The four panes share the tab's content area.
    Rect content, bounds;
    ASSERT_EQ(GetTabContentRect(Slot(kAdvancedOptionsTabSlot), &content), noErr);
    for (ControlSlot s : kTabPanes)
        EXPECT_TRUE(SameRect(*GetControlBounds(Slot(s), &bounds), content)) << "slot " << s;

    // Every titled control shows the string the context keeps for it.
    for (const OptionInfo &o : kOptionCatalog) {
        CFStringRef kept = Context()->titles.*(o.title);
        ASSERT_NE(kept, nullptr) << o.name;
        EXPECT_EQ(Text(kept), o.titleKey) << o.name;
        EXPECT_EQ(Title(Slot(o.slot)), o.titleKey) << o.name;
    }
    for (const auto &b : kButtonTitles) {
        EXPECT_EQ(Text(Context()->titles.*(b.member)), b.key);
        EXPECT_EQ(Title(Slot(b.slot)), b.key);
    }
}

TEST_F(PaneViews, TitlesComeFromTheBundlesStringTable)
{
    // A copy of the bundle whose string table translates two titles takes
    // the place of the built one.
    std::string dir = home + "/Translated.plugin";
    ASSERT_EQ(std::system(("mkdir -p '" + dir + "/Contents' && cp '" QV_BUNDLE_DIR "/Contents/Info.plist' '" + dir +
                           "/Contents/' && cp -r '" QV_BUNDLE_DIR "/Contents/Resources' '" + dir + "/Contents/'")
                              .c_str()),
              0);
    std::ofstream(dir + "/Contents/Resources/en.lproj/Localizable.strings")
        << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>"
           "<key>Quick Color:</key><string>Schnellfarbe:</string>"
           "<key>Hide Advanced Options</key><string>Weniger Optionen</string>"
           "</dict></plist>\n";
    CFRelease(bundle);
    CFStringRef path = CFStringCreateWithCString(nullptr, dir.c_str(), kCFStringEncodingUTF8);
    CFURLRef url = CFURLCreateWithFileSystemPath(nullptr, path, kCFURLPOSIXPathStyle, TRUE);
    bundle = CFBundleCreate(nullptr, url);
    CFRelease(url);
    CFRelease(path);
    ASSERT_NE(bundle, nullptr);

    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_EQ(Title(Slot(kQuickColorPopupSlot)), "Schnellfarbe:");
    EXPECT_EQ(Text(Context()->titles.QuickColorTitleStringRef), "Schnellfarbe:");
    EXPECT_EQ(Title(Slot(kGoToStandardOptionsButtonSlot)), "Weniger Optionen");
    EXPECT_EQ(Text(Context()->titles.AdvancedButtonTitleStringRef), "Weniger Optionen");
    // A key the table lacks is its own text.
    EXPECT_EQ(Title(Slot(kBrightnessPopupSlot)), "Brightness:");
}

struct PlacementCase {
    Rect pane;
    SInt16 dh, dv;
};

TEST(AdjustControlBounds, MovesTheWindowLayoutIntoThePane)
{
    // The resource window's content is 440 x 310.
    const Rect windowBounds = {100, 100, 410, 540};
    const Rect control = {10, 20, 30, 60};
    const PlacementCase cases[] = {
        {{5, 7, 305, 487}, 7 + 20, 5},  // 40 wider, 10 lower: centred across, from the top down
        {{0, 0, 310, 440}, 0, 0},       // same size
        {{10, 30, 320, 430}, 30, 10},   // narrower: from the left edge
        {{2, 4, 323, 444}, 4, 2 + 5},   // 11 taller: half of it, rounded toward zero
        {{-8, -6, 292, 434}, -6, -8},   // smaller both ways, at negative coordinates
    };
    for (const PlacementCase &c : cases) {
        WindowRef window = nullptr, host = nullptr;
        ControlRef moved = nullptr, pane = nullptr;
        CreateNewWindow(0, 0, &windowBounds, &window);
        CreateUserPaneControl(window, &control, 0, &moved);
        Rect hostBounds = {0, 0, 400, 600};
        CreateNewWindow(0, 0, &hostBounds, &host);
        CreateUserPaneControl(host, &c.pane, 0, &pane);

        EXPECT_EQ(AdjustControlBounds(window, pane, moved), noErr);
        Rect got;
        GetControlBounds(moved, &got);
        Rect want = control;
        OffsetRect(&want, c.dh, c.dv);
        EXPECT_TRUE(SameRect(got, want)) << "pane " << c.pane.left << "," << c.pane.top << " -> " << got.left << ","
                                         << got.top;
        DisposeWindow(window);
        DisposeWindow(host);
    }
}

TEST_F(PaneViews, ViewSwitchKeepsTheCustomSetAndTheTab)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    // Only the Custom preset opens the advanced view.
    EXPECT_EQ(Click("GoToAdvancedOptionsButton"), errInvalidControlForUserInput);
    ASSERT_EQ(Click("QuickColorPopup", GetControl32BitMaximum(Control("QuickColorPopup"))), noErr);

    ASSERT_EQ(Click("GoToAdvancedOptionsButton"), noErr);
    ExpectStandardShown(false);
    ExpectShownTab(1);
    EXPECT_FALSE(IsControlVisible(Control("DownloadManagerButton")));
    EXPECT_TRUE(IsControlVisible(Control("ManageProfileButton")));

    // The person changes an image setting and looks at the graphics tab.
    SInt32 chosen = Value("ImageHalftonePopup") == 1 ? 2 : 1;
    ASSERT_EQ(Click("ImageHalftonePopup", chosen), noErr);
    ASSERT_EQ(Click("AdvancedOptionsTab", 3), noErr);
    ExpectShownTab(3);

    // Back: the advanced values become the Custom set, and redrawing the
    // standard view (which re-applies Custom) keeps the change.
    ASSERT_EQ(Click("GoToStandardOptionsButton"), noErr);
    ExpectStandardShown(true);
    EXPECT_EQ(CustomColorOptions[9], chosen);
    EXPECT_EQ(Value("ImageHalftonePopup"), chosen);

    // Forth again: nothing is stored, and the graphics tab is still the one shown.
    std::array<SInt32, kCustomColorOptionCount> before;
    std::copy(std::begin(CustomColorOptions), std::end(CustomColorOptions), before.begin());
    ASSERT_EQ(Click("GoToAdvancedOptionsButton"), noErr);
    ExpectStandardShown(false);
    ExpectShownTab(3);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), std::begin(CustomColorOptions)));
}

// Counts the hits that reach the host's pane from one control.
struct HitCounter {
    ControlRef from;
    int hits;
};

OSStatus CountHits(EventHandlerCallRef, EventRef event, void *userData)
{
    auto *counter = static_cast<HitCounter *>(userData);
    ControlRef control = nullptr;
    if (GetEventParameter(event, kEventParamDirectObject, typeControlRef, nullptr, sizeof(control), nullptr,
                          &control) == noErr &&
        control == counter->from)
        ++counter->hits;
    return eventNotHandledErr;
}

TEST_F(PaneViews, TabClicksPassOnAndTheSelectedTabChangesNothing)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_NO_FATAL_FAILURE(ShowAdvancedTab(1));
    HitCounter counter = {Control("AdvancedOptionsTab"), 0};
    static const EventTypeSpec kHit = {kEventClassControl, kEventControlHit};
    EventHandlerRef handler = nullptr;
    ASSERT_EQ(InstallEventHandler(GetControlEventTarget(hostPane), NewEventHandlerUPP(CountHits), 1, &kHit, &counter,
                                  &handler),
              noErr);

    ASSERT_EQ(Click("AdvancedOptionsTab", 1), noErr);
    ExpectShownTab(1);
    EXPECT_EQ(counter.hits, 1);
    ASSERT_EQ(Click("AdvancedOptionsTab", 4), noErr);
    ExpectShownTab(4);
    EXPECT_EQ(counter.hits, 2);
    RemoveEventHandler(handler);
}

TEST_F(PaneViews, WatchedCommandsForgetTheSession)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    const struct {
        const char code[5];
        bool forgets;
    } cases[] = {
        {"help", true}, {"not!", true}, {"ok  ", true}, {"pfax", true}, {"prsv", true}, {"prvw", true},
        {"ok!!", false}, {"abcd", false}, {"HELP", false},
    };
    for (const auto &c : cases) {
        Context()->printSession = session;
        SendCommand(c.code);
        EXPECT_EQ(Context()->printSession == nullptr, c.forgets) << c.code;
    }
}

TEST_F(PaneViews, CloseThenOpenWatchesAgainWithoutBuildingAgain)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    ControlRef quick = Slot(kQuickColorPopupSlot);
    ASSERT_EQ(MyClose(pde), noErr);
    EXPECT_EQ(Instance()->helpInstalled, 0);
    EXPECT_EQ(Instance()->helpHandlerRef, nullptr);
    Context()->printSession = session;
    SendCommand("help");
    EXPECT_EQ(Context()->printSession, session);

    ASSERT_EQ(MyOpen(pde), noErr);
    EXPECT_EQ(Instance()->helpInstalled, 1);
    EXPECT_NE(Instance()->helpHandlerRef, nullptr);
    UInt16 children = 0;
    CountSubControls(hostPane, &children);
    EXPECT_EQ(children, 2);
    EXPECT_EQ(Slot(kQuickColorPopupSlot), quick);
    SendCommand("help");
    EXPECT_EQ(Context()->printSession, nullptr);
}

TEST_F(PaneViews, HostPaneOutlivingTheInstanceIgnoresHits)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    ControlRef button = Slot(kGoToStandardOptionsButtonSlot);
    ASSERT_EQ(MyTerminate(pde, noErr), noErr);
    pde = nullptr;
    EventRef event = nullptr;
    ASSERT_EQ(CreateEvent(nullptr, kEventClassControl, kEventControlHit, 0, 0, &event), noErr);
    SetEventParameter(event, kEventParamDirectObject, typeControlRef, sizeof(button), &button);
    EXPECT_EQ(SendEventToEventTarget(event, GetControlEventTarget(hostPane)), eventNotHandledErr);
    ReleaseEvent(event);
}

TEST(DownloadManagerButton, MissingApplicationIsReported)
{
    OSStatus status = DownloadManagerButtonEventHandlerProc(nullptr, nullptr, nullptr);
    EXPECT_NE(status, noErr);
    EXPECT_NE(status, eventNotHandledErr);
}

// The headless host clicks the controls by the names the resources give them.
TEST(ColorpaneViews, ClicksReachTheAdvancedViewByName)
{
    char tmpl[] = "/tmp/qv-ui-host-XXXXXX";
    std::string dir = mkdtemp(tmpl);
    std::string cmd = QV_BINARY_DIR "/bin/colorpane --home '" + dir + "' --ppd '" QV_SOURCE_DIR
                      "/resources/ppd/ORVEN-QV17.ppd'"
                      " --click QuickColorPopup=4 --click GoToAdvancedOptionsButton --click AdvancedOptionsTab=3"
                      " --controls 2>/dev/null";
    std::string out;
    int status = -1;
    if (std::FILE *p = popen(cmd.c_str(), "r")) {
        char buffer[4096];
        size_t n;
        while ((n = fread(buffer, 1, sizeof(buffer), p)) > 0)
            out.append(buffer, n);
        int st = pclose(p);
        status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    }
    std::system(("rm -rf '" + dir + "'").c_str());
    ASSERT_EQ(status, 0) << out;

    // name, value, maximum, enabled, visible
    std::map<std::string, std::vector<int>> controls;
    std::istringstream lines(out);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string name;
        std::getline(fields, name, '\t');
        std::vector<int> v;
        for (int x; fields >> x;)
            v.push_back(x);
        if (v.size() == 4)
            controls[name] = v;
    }
    for (const char *name : {"AdvancedOptionsTab", "GraphicsTabPane", "ImageTabPane", "StandardOptionsPane",
                             "AdvancedOptionsPane", "QuickColorPopup"})
        ASSERT_EQ(controls.count(name), 1u) << name << " in\n" << out;
    EXPECT_EQ(controls["AdvancedOptionsTab"][0], 3);
    EXPECT_EQ(controls["GraphicsTabPane"][3], 1);
    EXPECT_EQ(controls["ImageTabPane"][3], 0);
    EXPECT_EQ(controls["StandardOptionsPane"][3], 0);
    EXPECT_EQ(controls["AdvancedOptionsPane"][3], 1);
    EXPECT_EQ(controls["QuickColorPopup"][0], 4);
}

} // namespace
