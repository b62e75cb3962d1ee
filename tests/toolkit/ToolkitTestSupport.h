// Helpers of the toolkit tests: handlers that record the events they see, and
// a fixture that opens the test bundle's resource file.
#pragma once

#include <Toolkit/Toolkit.h>
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace tktest {

// One event as a handler saw it.
struct Seen {
    std::string who;
    UInt32 eventClass;
    UInt32 eventKind;
    ControlRef about; // the direct object, when it is a control

    bool operator==(const Seen &) const = default;
};

// A recording handler: logs what it sees, runs its action, answers result.
struct Probe {
    std::vector<Seen> *log;
    std::string who;
    OSStatus result = eventNotHandledErr;
    std::function<void(EventHandlerCallRef, EventRef)> action;
};

OSStatus probeHandler(EventHandlerCallRef call, EventRef event, void *userData);

// The control events, command, key and text events the tests send.
extern const std::vector<EventTypeSpec> kAllEvents;

// Probes installed by a test; they live as long as the test.
class Probes {
public:
    // Installs a recording handler on target for types; returns its ref.
    EventHandlerRef install(EventTargetRef target, const std::string &who,
                            const std::vector<EventTypeSpec> &types = kAllEvents,
                            OSStatus result = eventNotHandledErr,
                            std::function<void(EventHandlerCallRef, EventRef)> action = {});
    std::vector<Seen> log;

private:
    std::deque<Probe> probes_;
};

// Sends (class, kind) with control as direct object to target.
OSStatus sendControlEvent(ControlRef control, UInt32 eventClass, UInt32 eventKind,
                          EventTargetRef target = nullptr);

// The fixture bundle's resource file "Panes", window "Main" built from it.
class PanesWindow : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // The control with the resource name; fails the test when missing.
    ControlRef named(const char *name);

    CFBundleRef bundle = nullptr;
    IBNibRef nib = nullptr;
    WindowRef window = nullptr;
    Probes probes;
};

// A path inside the test fixtures.
std::string fixturePath(const std::string &relative);
// Opens the bundle at path (+1).
CFBundleRef openBundle(const std::string &path);

} // namespace tktest
