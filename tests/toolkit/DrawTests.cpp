// Drawing: every visible control gets its own draw event, hidden ones none.
#include "ToolkitTestSupport.h"

#include <algorithm>

using namespace tktest;

namespace {

const std::vector<EventTypeSpec> kDraw = {{kEventClassControl, kEventControlDraw}};

class Drawing : public PanesWindow {
protected:
    // A draw probe on every control of the fixture's pane, by name.
    void probeAll()
    {
        for (const char *name : {"Pane", "ColorPopup", "GrayCheckBox", "GoButton", "NameField", "HiddenGroup",
                                 "BoxInHiddenGroup", "Tabs", "FirstTabPane", "SecondTabPane", "OutsideButton"})
            probes.install(GetControlEventTarget(named(name)), name, kDraw);
    }
    // The names drawn, each with the control the event was about.
    std::vector<std::string> drawn()
    {
        std::vector<std::string> out;
        for (const Seen &s : probes.log) {
            EXPECT_EQ(TKFindControlByName(window, s.who.c_str()), s.about) << s.who << " saw another's draw";
            out.push_back(s.who);
        }
        return out;
    }
};

TEST_F(Drawing, AContainerAndEachVisibleControlInItGetTheirOwnDraw)
{
    probeAll();
    Draw1Control(named("Pane"));
    EXPECT_EQ((std::vector<std::string>{"Pane", "ColorPopup", "GrayCheckBox", "GoButton", "NameField", "Tabs",
                                        "FirstTabPane"}),
              drawn());
}

TEST_F(Drawing, NothingIsDrawnForAControlHiddenByItselfOrAContainer)
{
    probeAll();
    Draw1Control(named("HiddenGroup"));
    Draw1Control(named("BoxInHiddenGroup"));
    EXPECT_TRUE(drawn().empty());
}

TEST_F(Drawing, ShowingWithRedrawDrawsHidingNeverDoes)
{
    probeAll();
    ControlRef group = named("HiddenGroup");
    SetControlVisibility(group, true, false);
    EXPECT_TRUE(drawn().empty());
    SetControlVisibility(group, false, true);
    EXPECT_TRUE(drawn().empty());
    EXPECT_FALSE(IsControlVisible(named("BoxInHiddenGroup")));

    SetControlVisibility(group, true, true);
    EXPECT_EQ((std::vector<std::string>{"HiddenGroup", "BoxInHiddenGroup"}), drawn());
    EXPECT_TRUE(IsControlVisible(named("BoxInHiddenGroup")));

    // Showing a control inside a hidden container draws nothing yet.
    probes.log.clear();
    SetControlVisibility(named("Pane"), false, false);
    SetControlVisibility(named("SecondTabPane"), true, true);
    EXPECT_TRUE(drawn().empty());
}

TEST_F(Drawing, ShowingTheWindowDrawsItsVisibleControlsOnce)
{
    probeAll();
    ShowWindow(window);
    std::vector<std::string> first = drawn();
    EXPECT_EQ(8u, first.size());
    EXPECT_EQ(0, std::count(first.begin(), first.end(), "HiddenGroup"));
    ShowWindow(window);
    EXPECT_EQ(first.size(), drawn().size());
}

TEST_F(Drawing, AHandlerMayHideWhatIsAboutToBeDrawn)
{
    probeAll();
    probes.install(GetControlEventTarget(named("Pane")), "hider", kDraw, eventNotHandledErr,
                   [this](EventHandlerCallRef, EventRef) { SetControlVisibility(named("Tabs"), false, false); });
    Draw1Control(named("Pane"));
    auto drew = [this](const char *name) {
        return std::count_if(probes.log.begin(), probes.log.end(), [name](const Seen &s) { return s.who == name; });
    };
    EXPECT_EQ(1, drew("GoButton"));
    EXPECT_EQ(0, drew("Tabs"));
    EXPECT_EQ(0, drew("FirstTabPane"));
}

} // namespace
