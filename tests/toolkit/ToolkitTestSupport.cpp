#include "ToolkitTestSupport.h"

namespace tktest {

const std::vector<EventTypeSpec> kAllEvents = {
    {kEventClassControl, kEventControlHit},
    {kEventClassControl, kEventControlDraw},
    {kEventClassControl, kEventControlSetFocusPart},
    {kEventClassControl, kEventControlDeactivate},
    {kEventClassControl, kEventControlValueFieldChanged},
    {kEventClassCommand, kEventCommandProcess},
    {kEventClassKeyboard, kEventRawKeyDown},
    {kEventClassTextInput, kEventTextInputUnicodeForKeyEvent},
};

OSStatus probeHandler(EventHandlerCallRef call, EventRef event, void *userData)
{
    auto *probe = static_cast<Probe *>(userData);
    ControlRef about = nullptr;
    GetEventParameter(event, kEventParamDirectObject, typeControlRef, nullptr, sizeof about, nullptr, &about);
    probe->log->push_back({probe->who, GetEventClass(event), GetEventKind(event), about});
    if (probe->action)
        probe->action(call, event);
    return probe->result;
}

EventHandlerRef Probes::install(EventTargetRef target, const std::string &who, const std::vector<EventTypeSpec> &types,
                                OSStatus result, std::function<void(EventHandlerCallRef, EventRef)> action)
{
    probes_.push_back({&log, who, result, std::move(action)});
    EventHandlerRef ref = nullptr;
    EXPECT_EQ(noErr, InstallEventHandler(target, NewEventHandlerUPP(probeHandler), ItemCount(types.size()),
                                         types.data(), &probes_.back(), &ref));
    return ref;
}

OSStatus sendControlEvent(ControlRef control, UInt32 eventClass, UInt32 eventKind, EventTargetRef target)
{
    EventRef event = nullptr;
    CreateEvent(nullptr, eventClass, eventKind, 0, 0, &event);
    SetEventParameter(event, kEventParamDirectObject, typeControlRef, sizeof control, &control);
    OSStatus status = SendEventToEventTarget(event, target ? target : GetControlEventTarget(control));
    ReleaseEvent(event);
    return status;
}

std::string fixturePath(const std::string &relative)
{
    return std::string(QV_SOURCE_DIR) + "/tests/toolkit/fixtures/" + relative;
}

CFBundleRef openBundle(const std::string &path)
{
    CFStringRef p = CFStringCreateWithCString(nullptr, path.c_str(), kCFStringEncodingUTF8);
    CFURLRef url = CFURLCreateWithFileSystemPath(nullptr, p, kCFURLPOSIXPathStyle, true);
    CFBundleRef bundle = CFBundleCreate(nullptr, url);
    CFRelease(url);
    CFRelease(p);
    return bundle;
}

void PanesWindow::SetUp()
{
    bundle = openBundle(fixturePath("Toolkit.bundle"));
    ASSERT_NE(nullptr, bundle);
    ASSERT_EQ(noErr, CreateNibReferenceWithCFBundle(bundle, CFSTR("Panes"), &nib));
    ASSERT_EQ(noErr, CreateWindowFromNib(nib, CFSTR("Main"), &window));
}

void PanesWindow::TearDown()
{
    DisposeWindow(window);
    DisposeNibReference(nib);
    if (bundle)
        CFRelease(bundle);
}

ControlRef PanesWindow::named(const char *name)
{
    ControlRef c = TKFindControlByName(window, name);
    EXPECT_NE(nullptr, c) << name;
    return c;
}

} // namespace tktest
