// Event dispatch: handler order, passing on, the container chain, events
// that end at the control, CallNextEventHandler and changes made by handlers
// while an event is under way.
#include "ToolkitTestSupport.h"

using namespace tktest;

namespace {

constexpr UInt32 kHit = kEventControlHit;
const std::vector<EventTypeSpec> kHitOnly = {{kEventClassControl, kEventControlHit}};

class Dispatch : public PanesWindow {
protected:
    // Handlers on the check box (two), its pane, the root and the window.
    void installChain(OSStatus paneResult = eventNotHandledErr)
    {
        box = named("GrayCheckBox");
        pane = named("Pane");
        GetRootControl(window, &root);
        probes.install(GetControlEventTarget(box), "box-old");
        probes.install(GetControlEventTarget(box), "box-new");
        probes.install(GetControlEventTarget(pane), "pane", kAllEvents, paneResult);
        probes.install(GetControlEventTarget(root), "root");
        probes.install(GetWindowEventTarget(window), "window");
    }
    std::vector<std::string> who() const
    {
        std::vector<std::string> out;
        for (const Seen &s : probes.log)
            out.push_back(s.who);
        return out;
    }
    ControlRef box = nullptr, pane = nullptr, root = nullptr;
};

TEST_F(Dispatch, HandlersRunNewestFirstThenTheContainersUpToTheWindow)
{
    installChain();
    EXPECT_EQ(eventNotHandledErr, sendControlEvent(box, kEventClassControl, kHit));
    EXPECT_EQ((std::vector<std::string>{"box-new", "box-old", "pane", "root", "window"}), who());
    for (const Seen &s : probes.log)
        EXPECT_EQ(box, s.about) << s.who;
}

TEST_F(Dispatch, AHandlerThatTakesTheEventStopsIt)
{
    installChain(noErr);
    EXPECT_EQ(noErr, sendControlEvent(box, kEventClassControl, kHit));
    EXPECT_EQ((std::vector<std::string>{"box-new", "box-old", "pane"}), who());

    // Any status other than eventNotHandledErr counts as taken and is returned.
    probes.log.clear();
    probes.install(GetControlEventTarget(box), "box-fails", kAllEvents, paramErr);
    EXPECT_EQ(paramErr, sendControlEvent(box, kEventClassControl, kHit));
    EXPECT_EQ(std::vector<std::string>{"box-fails"}, who());
}

TEST_F(Dispatch, WhichEventsTravelOnAndWhichEndAtTheControl)
{
    struct Case {
        UInt32 eventClass, eventKind;
        bool travels;
    } cases[] = {
        {kEventClassControl, kEventControlHit, true},
        {kEventClassControl, kEventControlValueFieldChanged, true},
        {kEventClassCommand, kEventCommandProcess, true},
        {kEventClassKeyboard, kEventRawKeyDown, true},
        {kEventClassTextInput, kEventTextInputUnicodeForKeyEvent, true},
        {kEventClassControl, kEventControlDraw, false},
        {kEventClassControl, kEventControlSetFocusPart, false},
        {kEventClassControl, kEventControlDeactivate, false},
    };
    installChain();
    for (const Case &c : cases) {
        probes.log.clear();
        sendControlEvent(box, c.eventClass, c.eventKind);
        std::vector<std::string> expected{"box-new", "box-old"};
        if (c.travels)
            expected.insert(expected.end(), {"pane", "root", "window"});
        EXPECT_EQ(expected, who()) << "kind " << c.eventKind;
    }
}

TEST_F(Dispatch, HandlersSeeOnlyTheEventsTheyWereInstalledFor)
{
    ControlRef button = named("GoButton");
    probes.install(GetControlEventTarget(button), "hits", kHitOnly);
    sendControlEvent(button, kEventClassControl, kEventControlValueFieldChanged);
    sendControlEvent(button, kEventClassControl, kEventControlDraw);
    EXPECT_TRUE(probes.log.empty());
    sendControlEvent(button, kEventClassControl, kHit);
    EXPECT_EQ(1u, probes.log.size());
}

TEST_F(Dispatch, CallNextEventHandlerRunsTheOlderHandlersOnce)
{
    installChain();
    OSStatus inner = 0;
    probes.install(GetControlEventTarget(box), "first", kAllEvents, eventNotHandledErr,
                   [&](EventHandlerCallRef call, EventRef event) { inner = CallNextEventHandler(call, event); });
    sendControlEvent(box, kEventClassControl, kHit);
    EXPECT_EQ(eventNotHandledErr, inner);
    EXPECT_EQ((std::vector<std::string>{"first", "box-new", "box-old", "pane", "root", "window"}), who());

    EventRef event = nullptr;
    CreateEvent(nullptr, kEventClassControl, kHit, 0, 0, &event);
    int notACall = 0;
    EXPECT_EQ(paramErr, CallNextEventHandler(reinterpret_cast<EventHandlerCallRef>(&notACall), event));
    ReleaseEvent(event);
}

TEST_F(Dispatch, HandlersMayRemoveHandlersWhileTheEventIsUnderWay)
{
    installChain();
    EventHandlerRef older = probes.install(GetControlEventTarget(pane), "pane-older");
    EventHandlerRef self = nullptr;
    self = probes.install(GetControlEventTarget(pane), "remover", kAllEvents, eventNotHandledErr,
                          [&](EventHandlerCallRef, EventRef) {
                              EXPECT_EQ(noErr, RemoveEventHandler(older));
                              EXPECT_EQ(noErr, RemoveEventHandler(self));
                          });
    sendControlEvent(box, kEventClassControl, kHit);
    EXPECT_EQ((std::vector<std::string>{"box-new", "box-old", "remover", "pane", "root", "window"}), who());
    probes.log.clear();
    sendControlEvent(box, kEventClassControl, kHit);
    EXPECT_EQ((std::vector<std::string>{"box-new", "box-old", "pane", "root", "window"}), who());
    EXPECT_EQ(paramErr, RemoveEventHandler(self));
}

TEST_F(Dispatch, AHandlerMayDisposeOfTheWindowItRunsIn)
{
    installChain();
    EventHandlerRef onBox = probes.install(GetControlEventTarget(box), "disposer", kAllEvents, eventNotHandledErr,
                                           [&](EventHandlerCallRef, EventRef) {
                                               DisposeWindow(window);
                                               window = nullptr;
                                           });
    EXPECT_EQ(eventNotHandledErr, sendControlEvent(box, kEventClassControl, kHit));
    EXPECT_EQ(std::vector<std::string>{"disposer"}, who());
    EXPECT_EQ(nullptr, GetControlEventTarget(box));
    // The handler died with its target; removing it later is harmless.
    EXPECT_EQ(noErr, RemoveEventHandler(onBox));
    EXPECT_EQ(paramErr, RemoveEventHandler(onBox));
}

TEST_F(Dispatch, CommandsSentToTheWindowCarryTheirCommand)
{
    UInt32 seenCommand = 0;
    probes.install(GetWindowEventTarget(window), "window", kAllEvents, noErr, [&](EventHandlerCallRef, EventRef e) {
        HICommand command{};
        EXPECT_EQ(noErr, GetEventParameter(e, kEventParamDirectObject, typeHICommand, nullptr, sizeof command,
                                           nullptr, &command));
        seenCommand = command.commandID;
    });
    EXPECT_EQ(noErr, TKUserSendCommand(window, FourCC("prvw")));
    EXPECT_EQ(FourCC("prvw"), seenCommand);
    EXPECT_EQ(errInvalidWindowRef, TKUserSendCommand(nullptr, FourCC("prvw")));
}

TEST(EventParameters, AreReadBackOnlyUnderTheirType)
{
    EventRef event = nullptr;
    ASSERT_EQ(noErr, CreateEvent(nullptr, kEventClassControl, kEventControlHit, 0, 0, &event));
    ControlRef control = reinterpret_cast<ControlRef>(0x1234);
    ASSERT_EQ(noErr, SetEventParameter(event, kEventParamDirectObject, typeControlRef, sizeof control, &control));

    ControlRef out = nullptr;
    EventParamType type = 0;
    ByteCount size = 0;
    EXPECT_EQ(noErr, GetEventParameter(event, kEventParamDirectObject, typeControlRef, &type, sizeof out, &size, &out));
    EXPECT_EQ(control, out);
    EXPECT_EQ(typeControlRef, type);
    EXPECT_EQ(sizeof control, size);

    HICommand command{};
    EXPECT_EQ(eventParameterNotFoundErr,
              GetEventParameter(event, kEventParamDirectObject, typeHICommand, nullptr, sizeof command, nullptr, &command));
    EXPECT_EQ(eventParameterNotFoundErr,
              GetEventParameter(event, kEventParamControlPart, typeSInt16, nullptr, sizeof out, nullptr, &out));
    UInt16 tooSmall = 0;
    EXPECT_EQ(errDataNotSupported,
              GetEventParameter(event, kEventParamDirectObject, typeControlRef, nullptr, sizeof tooSmall, nullptr, &tooSmall));
    ReleaseEvent(event);
}

} // namespace
