// Modal loops driven by an installed driver.
#include "ToolkitTestSupport.h"

namespace {

struct Script {
    WindowRef quitWindow = nullptr; // the window whose loop the driver quits
    WindowRef innerWindow = nullptr; // when set, the driver runs a loop for it first
    std::vector<std::pair<WindowRef, int>> calls; // window and depth seen
    OSStatus innerResult = 1;
};

void drive(WindowRef window, void *userData)
{
    auto *s = static_cast<Script *>(userData);
    s->calls.push_back({window, TKModalDepth()});
    if (s->innerWindow && window != s->innerWindow) {
        WindowRef inner = s->innerWindow;
        s->innerResult = RunAppModalLoopForWindow(inner);
    }
    if (window == s->quitWindow || window == s->innerWindow)
        QuitAppModalLoopForWindow(window);
}

class ModalLoop : public ::testing::Test {
protected:
    void SetUp() override
    {
        Rect r{0, 0, 100, 100};
        CreateNewWindow(0, 0, &r, &a);
        CreateNewWindow(0, 0, &r, &b);
    }
    void TearDown() override
    {
        TKSetModalDriver(nullptr, nullptr);
        DisposeWindow(a);
        DisposeWindow(b);
    }
    WindowRef a = nullptr, b = nullptr;
};

TEST_F(ModalLoop, EndsWhenTheDriverQuitsItsWindow)
{
    Script script;
    script.quitWindow = a;
    TKSetModalDriver(drive, &script);
    EXPECT_EQ(noErr, RunAppModalLoopForWindow(a));
    ASSERT_EQ(1u, script.calls.size());
    EXPECT_EQ(a, script.calls[0].first);
    EXPECT_EQ(1, script.calls[0].second);
    EXPECT_EQ(0, TKModalDepth());
}

TEST_F(ModalLoop, ADriverThatNeverQuitsOrNoDriverGivesLoopQuitErr)
{
    Script script; // quits nothing
    TKSetModalDriver(drive, &script);
    EXPECT_EQ(eventLoopQuitErr, RunAppModalLoopForWindow(a));
    TKSetModalDriver(nullptr, nullptr);
    EXPECT_EQ(eventLoopQuitErr, RunAppModalLoopForWindow(a));
    EXPECT_EQ(0, TKModalDepth());
    EXPECT_EQ(paramErr, QuitAppModalLoopForWindow(a));
    EXPECT_EQ(errInvalidWindowRef, RunAppModalLoopForWindow(nullptr));
}

TEST_F(ModalLoop, LoopsNestAndEachWaitsForItsOwnWindow)
{
    Script script;
    script.innerWindow = b;
    script.quitWindow = a;
    TKSetModalDriver(drive, &script);
    EXPECT_EQ(noErr, RunAppModalLoopForWindow(a));
    EXPECT_EQ(noErr, script.innerResult);
    std::vector<std::pair<WindowRef, int>> expected{{a, 1}, {b, 2}};
    EXPECT_EQ(expected, script.calls);
    EXPECT_EQ(0, TKModalDepth());
}

TEST_F(ModalLoop, OnlyTheModalWindowTakesUserInputMeanwhile)
{
    ControlRef inA = nullptr, inB = nullptr;
    Rect r{0, 0, 10, 10};
    CreateUserPaneControl(a, &r, 0, &inA);
    CreateUserPaneControl(b, &r, 0, &inB);
    struct Seen {
        ControlRef inA, inB;
        WindowRef a;
        OSStatus clickA, clickB, commandA;
    } seen{inA, inB, a, 0, 0, 0};
    TKSetModalDriver(
        [](WindowRef modal, void *userData) {
            auto *s = static_cast<Seen *>(userData);
            s->clickA = TKUserClick(s->inA, 0);
            s->clickB = TKUserClick(s->inB, 0);
            s->commandA = TKUserSendCommand(s->a, FourCC("ok  "));
            QuitAppModalLoopForWindow(modal);
        },
        &seen);
    EXPECT_EQ(noErr, RunAppModalLoopForWindow(b));
    EXPECT_EQ(errInvalidControlForUserInput, seen.clickA);
    EXPECT_EQ(noErr, seen.clickB);
    EXPECT_EQ(errInvalidControlForUserInput, seen.commandA);
    EXPECT_EQ(noErr, TKUserClick(inA, 0));
}

} // namespace
