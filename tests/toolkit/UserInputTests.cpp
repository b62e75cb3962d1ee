// User input: what a click does to each kind of control, in which order the
// events come, and that unreachable controls refuse it.
#include "ToolkitTestSupport.h"

using namespace tktest;

namespace {

constexpr UInt32 kChanged = kEventControlValueFieldChanged;
constexpr UInt32 kHit = kEventControlHit;

class UserInput : public PanesWindow {
protected:
    // Records the control events of control, with the value seen at the time.
    EventHandlerRef watch(ControlRef control)
    {
        return probes.install(GetControlEventTarget(control), "c", kAllEvents, eventNotHandledErr,
                       [this, control](EventHandlerCallRef, EventRef) {
                           valuesSeen.push_back(GetControl32BitValue(control));
                       });
    }
    std::vector<UInt32> kinds() const
    {
        std::vector<UInt32> out;
        for (const Seen &s : probes.log)
            out.push_back(s.eventKind);
        return out;
    }
    std::vector<SInt32> valuesSeen;
};

TEST_F(UserInput, EachKindChangesItsValueBeforeTheEvents)
{
    struct Case {
        const char *control;
        SInt32 before, click, after;
        std::vector<UInt32> events;
    } cases[] = {
        {"GoButton", 0, -1, 0, {kHit}},
        {"GrayCheckBox", 0, -1, 1, {kChanged, kHit}},
        {"GrayCheckBox", 1, -1, 0, {kChanged, kHit}},
        {"GrayCheckBox", 1, 1, 1, {kHit}}, // set to what it is: no change event
        {"ColorPopup", 2, 3, 3, {kChanged, kHit}},
        {"ColorPopup", 2, 2, 2, {kHit}},
        {"Tabs", 1, 2, 2, {kChanged, kHit}},
    };
    for (const Case &c : cases) {
        ControlRef control = named(c.control);
        SetControl32BitValue(control, c.before);
        probes.log.clear();
        valuesSeen.clear();
        EventHandlerRef watcher = watch(control);
        EXPECT_EQ(noErr, TKUserClick(control, c.click)) << c.control;
        EXPECT_EQ(c.after, GetControl32BitValue(control)) << c.control;
        EXPECT_EQ(c.events, kinds()) << c.control << " clicked with " << c.click;
        for (SInt32 v : valuesSeen)
            EXPECT_EQ(c.after, v) << c.control;
        for (const Seen &s : probes.log)
            EXPECT_EQ(control, s.about);
        RemoveEventHandler(watcher);
    }
}

TEST_F(UserInput, UnreachableControlsRefuseAndNothingHappens)
{
    ControlRef popup = named("ColorPopup");
    struct Case {
        const char *why;
        ControlRef control;
        std::function<void()> prepare;
    } cases[] = {
        {"disabled itself", named("OutsideButton"), [] {}},
        {"hidden container", named("BoxInHiddenGroup"), [] {}},
        {"hidden itself", popup, [popup] { SetControlVisibility(popup, false, false); }},
        {"disabled container", popup, [this] { DisableControl(named("Pane")); }},
    };
    probes.install(GetWindowEventTarget(window), "window");
    for (const Case &c : cases) {
        c.prepare();
        SInt32 before = GetControl32BitValue(c.control);
        EXPECT_EQ(errInvalidControlForUserInput, TKUserClick(c.control, 1)) << c.why;
        EXPECT_EQ(before, GetControl32BitValue(c.control)) << c.why;
    }
    EXPECT_TRUE(probes.log.empty());
}

TEST_F(UserInput, APopupOrTabChoiceOutsideItsItemsIsRefused)
{
    ControlRef popup = named("ColorPopup");
    ControlRef tabs = named("Tabs");
    probes.install(GetWindowEventTarget(window), "window");
    for (SInt32 item : {0, 4, -1})
        EXPECT_EQ(paramErr, TKUserClick(popup, item)) << item;
    EXPECT_EQ(paramErr, TKUserClick(tabs, 3));
    EXPECT_EQ(2, GetControl32BitValue(popup));
    EXPECT_EQ(1, GetControl32BitValue(tabs));
    EXPECT_TRUE(probes.log.empty());
    EXPECT_EQ(errUnknownControl, TKUserClick(nullptr, 1));
}

TEST_F(UserInput, ProgrammaticChangesSendNoEvents)
{
    ControlRef popup = named("ColorPopup");
    probes.install(GetWindowEventTarget(window), "window");
    SetControl32BitValue(popup, 3);
    SetControlValue(named("GrayCheckBox"), 1);
    EnableControl(named("OutsideButton"));
    EXPECT_TRUE(probes.log.empty());
}

} // namespace
