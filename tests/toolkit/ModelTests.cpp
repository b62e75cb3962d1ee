// The control model: value ranges, popup menus, observers, embedding into
// another window and what disposing of a window leaves behind.
#include "ToolkitTestSupport.h"

#include <algorithm>

using namespace tktest;

namespace {

class Model : public PanesWindow {};

TEST_F(Model, ValuesStayWithinTheRange)
{
    ControlRef box = named("GrayCheckBox"); // 0..1
    struct Case {
        SInt32 minimum, maximum, set, expected;
    } cases[] = {
        {0, 1, 5, 1},     {0, 1, -3, 0},         {1, 3, 2, 2},
        {1, 0, 5, 1},     // empty range: the minimum
        {-70000, 70000, -69999, -69999},
    };
    for (const Case &c : cases) {
        SetControl32BitMinimum(box, c.minimum);
        SetControl32BitMaximum(box, c.maximum);
        SetControl32BitValue(box, c.set);
        EXPECT_EQ(c.expected, GetControl32BitValue(box)) << c.minimum << ".." << c.maximum << " set " << c.set;
    }

    // A new bound pulls the value in.
    SetControl32BitMinimum(box, 0);
    SetControl32BitMaximum(box, 10);
    SetControl32BitValue(box, 8);
    SetControlMaximum(box, 5);
    EXPECT_EQ(5, GetControlValue(box));
    SetControlMinimum(box, 6);
    EXPECT_EQ(6, GetControl32BitValue(box));
}

TEST_F(Model, SixteenBitCallsShareTheThirtyTwoBitFields)
{
    ControlRef box = named("GrayCheckBox");
    SetControl32BitMaximum(box, 100000);
    SetControl32BitValue(box, 70000);
    EXPECT_EQ(SInt16(70000), GetControlValue(box));
    EXPECT_EQ(SInt16(100000), GetControlMaximum(box));
    SetControlValue(box, -2);
    EXPECT_EQ(0, GetControl32BitValue(box));
    SetControlMinimum(box, -5);
    SetControlValue(box, -2);
    EXPECT_EQ(-2, GetControl32BitValue(box));
}

// The texts of a menu, joined by commas.
std::string itemsOf(MenuRef menu)
{
    std::string out;
    for (UInt16 i = 1; i <= CountMenuItems(menu); ++i) {
        CFStringRef text = nullptr;
        EXPECT_EQ(noErr, CopyMenuItemTextAsCFString(menu, i, &text));
        char buffer[64];
        CFStringGetCString(text, buffer, sizeof buffer, kCFStringEncodingUTF8);
        CFRelease(text);
        out += (i > 1 ? "," : "") + std::string(buffer);
    }
    return out;
}

TEST_F(Model, PopupMenusHoldTheirItems)
{
    ControlRef popup = named("ColorPopup");
    MenuRef menu = GetControlPopupMenuHandle(popup);
    ASSERT_NE(nullptr, menu);
    EXPECT_EQ(nullptr, GetControlPopupMenuHandle(named("GrayCheckBox")));
    EXPECT_EQ("Red,Green,Blue", itemsOf(menu));
    EXPECT_EQ(3, GetControl32BitMaximum(popup));

    CFStringRef out = nullptr;
    EXPECT_EQ(menuItemNotFoundErr, CopyMenuItemTextAsCFString(menu, 0, &out));
    EXPECT_EQ(menuItemNotFoundErr, CopyMenuItemTextAsCFString(menu, 4, &out));
    EXPECT_EQ(nullptr, out);

    DeleteMenuItems(menu, 1, 2);
    EXPECT_EQ("Blue", itemsOf(menu));
    DeleteMenuItems(menu, 1, 50); // more than there are
    EXPECT_EQ(0, CountMenuItems(menu));

    CFMutableStringRef text = CFStringCreateMutable(nullptr, 0);
    CFStringAppendCString(text, "Cyan", kCFStringEncodingUTF8);
    MenuItemIndex index = 0;
    EXPECT_EQ(noErr, AppendMenuItemTextWithCFString(menu, text, 0, 0, &index));
    EXPECT_EQ(1, index);
    CFStringAppendCString(text, "!", kCFStringEncodingUTF8); // the menu keeps its own copy
    CFRelease(text);
    EXPECT_EQ("Cyan", itemsOf(menu));
    EXPECT_EQ(paramErr, AppendMenuItemTextWithCFString(menu, nullptr, 0, 0, &index));
}

struct Change {
    ControlRef control;
    TKChange change;
    SInt32 valueThen;
    bool operator==(const Change &) const = default;
};

void recordChange(ControlRef control, TKChange change, void *userData)
{
    auto *changes = static_cast<std::vector<Change> *>(userData);
    changes->push_back({control, change, change == kTKChangeDisposed ? 0 : GetControl32BitValue(control)});
}

TEST_F(Model, ObserversHearOfEveryChangeAfterItIsMade)
{
    std::vector<Change> changes;
    int id = TKAddObserver(recordChange, &changes);
    ControlRef popup = named("ColorPopup");
    Rect bounds{1, 2, 3, 4};

    SetControl32BitValue(popup, 3);
    SetControl32BitValue(popup, 3); // no change, no news
    DisableControl(popup);
    SetControlVisibility(popup, false, false);
    SetControlTitleWithCFString(popup, CFSTR("Colour:"));
    SetControlBounds(popup, &bounds);
    SetControl32BitMaximum(popup, 2); // the value follows: two changes
    AppendMenuItemTextWithCFString(GetControlPopupMenuHandle(popup), CFSTR("Cyan"), 0, 0, nullptr);
    EmbedControl(popup, named("Tabs"));
    TKRemoveObserver(id);
    EnableControl(popup);

    std::vector<Change> expected = {
        {popup, kTKChangeValue, 3},   {popup, kTKChangeEnabled, 3}, {popup, kTKChangeVisible, 3},
        {popup, kTKChangeTitle, 3},   {popup, kTKChangeBounds, 3},  {popup, kTKChangeMaximum, 3},
        {popup, kTKChangeValue, 2},   {popup, kTKChangeItems, 2},   {popup, kTKChangeEmbedding, 2},
    };
    EXPECT_EQ(expected, changes);
}

TEST_F(Model, ControlsMovedIntoAnotherWindowBelongToItWithWhatTheyHold)
{
    Rect content{0, 0, 310, 440};
    WindowRef host = nullptr;
    ControlRef hostPane = nullptr;
    ASSERT_EQ(noErr, CreateNewWindow(0, 0, &content, &host));
    ASSERT_EQ(noErr, CreateUserPaneControl(host, &content, 0, &hostPane));

    ControlRef pane = named("Pane");
    ControlRef popup = named("ColorPopup");
    ControlRef button = named("GoButton");
    ASSERT_EQ(noErr, EmbedControl(pane, hostPane));
    EXPECT_EQ(host, GetControlOwner(pane));
    EXPECT_EQ(host, GetControlOwner(popup));
    ControlRef parent = nullptr;
    EXPECT_EQ(noErr, GetSuperControl(pane, &parent));
    EXPECT_EQ(hostPane, parent);

    ControlID id{FourCC("test"), 101};
    ControlRef found = nullptr;
    EXPECT_EQ(noErr, GetControlByID(host, &id, &found));
    EXPECT_EQ(popup, found);
    found = reinterpret_cast<ControlRef>(1);
    EXPECT_EQ(errUnknownControl, GetControlByID(window, &id, &found));
    EXPECT_EQ(nullptr, found);

    // Events now travel to the host's pane and window, not the old window.
    probes.install(GetControlEventTarget(hostPane), "hostPane");
    probes.install(GetWindowEventTarget(host), "host");
    probes.install(GetWindowEventTarget(window), "old");
    EXPECT_EQ(button, TKFindControlByName(host, "GoButton"));
    EXPECT_EQ(nullptr, TKFindControlByName(window, "GoButton"));
    EXPECT_EQ(noErr, TKUserClick(button, 0));
    std::vector<std::string> who;
    for (const Seen &s : probes.log)
        who.push_back(s.who);
    EXPECT_EQ((std::vector<std::string>{"hostPane", "host"}), who);

    // A control cannot go into itself or what it holds, nor can a root move.
    ControlRef root = nullptr;
    GetRootControl(host, &root);
    EXPECT_EQ(paramErr, EmbedControl(pane, popup));
    EXPECT_EQ(paramErr, EmbedControl(pane, pane));
    EXPECT_EQ(paramErr, EmbedControl(root, pane));
    DisposeWindow(host);
}

TEST_F(Model, DisposingOfAWindowSparesTheControlsMovedOut)
{
    Rect content{0, 0, 310, 440};
    WindowRef host = nullptr;
    ControlRef hostPane = nullptr;
    ASSERT_EQ(noErr, CreateNewWindow(0, 0, &content, &host));
    ASSERT_EQ(noErr, CreateUserPaneControl(host, &content, 0, &hostPane));

    // Moved in before the old window goes: a check box only, the rest stays.
    ControlRef box = named("GrayCheckBox");
    ControlRef popup = named("ColorPopup");
    MenuRef menu = GetControlPopupMenuHandle(popup);
    EventHandlerRef onPopup = probes.install(GetControlEventTarget(popup), "popup");
    ASSERT_EQ(noErr, EmbedControl(box, hostPane));
    std::vector<Change> changes;
    int id = TKAddObserver(recordChange, &changes);
    DisposeWindow(window);
    window = nullptr;
    TKRemoveObserver(id);

    EXPECT_EQ(1, std::count(changes.begin(), changes.end(), Change{popup, kTKChangeDisposed, 0}));
    EXPECT_EQ(0, std::count_if(changes.begin(), changes.end(), [box](const Change &c) { return c.control == box; }));

    // What went with the window answers as unknown; nothing is touched.
    EXPECT_EQ(errUnknownControl, EnableControl(popup));
    EXPECT_EQ(nullptr, GetControlOwner(popup));
    EXPECT_EQ(0, GetControl32BitValue(popup));
    SetControl32BitValue(popup, 1);
    Draw1Control(popup);
    EXPECT_EQ(0, CountMenuItems(menu));
    EXPECT_EQ(errUnknownControl, TKUserClick(popup, 1));
    EXPECT_EQ(noErr, RemoveEventHandler(onPopup));

    // The moved check box lives on in the host.
    EXPECT_EQ(host, GetControlOwner(box));
    EXPECT_EQ(noErr, TKUserClick(box, -1));
    EXPECT_EQ(1, GetControl32BitValue(box));
    DisposeWindow(host);
    EXPECT_EQ(errUnknownControl, EnableControl(box));
}

} // namespace
