// Event targets, handlers and dispatch.
//
// A target's handlers run newest first; one that returns eventNotHandledErr
// passes the event to the next.  When all pass, the target's standard
// behaviour follows: a control passes the event on to its container, the
// containers above it, the root control and then the window, except for the
// events that concern the control alone (draw, focus, deactivate), which end
// at it.  Handlers may install, remove or dispose of anything meanwhile: each
// target's handler list is copied before the run and every handler and
// target is looked up again before use.
#include "Event.h"
#include "Model.h"

#include <algorithm>

using namespace tk;

struct OpaqueEventHandlerCallRef {
    Handle target;
    std::vector<Handle> order; // the target's handlers, newest first
    size_t next;               // the next one to call
};

namespace {

// The calls in progress, innermost last; CallNextEventHandler accepts only these.
std::vector<EventHandlerCallRef> &activeCalls()
{
    static auto *calls = new std::vector<EventHandlerCallRef>;
    return *calls;
}

// Control events that concern only the control they are sent to.
constexpr EventTypeSpec kEndAtControl[] = {
    {kEventClassControl, kEventControlDraw},
    {kEventClassControl, kEventControlSetFocusPart},
    {kEventClassControl, kEventControlDeactivate},
};

// True when the event stops at the control it was sent to.
bool endsAtControl(EventRef event)
{
    for (const EventTypeSpec &t : kEndAtControl)
        if (t.eventClass == event->eventClass && t.eventKind == event->eventKind)
            return true;
    return false;
}

// Runs the frame's remaining handlers that accept the event; returns the
// status of the first that takes it, or eventNotHandledErr.
OSStatus runHandlers(EventHandlerCallRef frame, EventRef event)
{
    while (frame->next < frame->order.size()) {
        const Handler *h = model().handlers.find(frame->order[frame->next++]);
        if (!h || h->target != frame->target || !h->accepts(event->eventClass, event->eventKind))
            continue;
        EventHandlerUPP proc = h->proc;
        void *userData = h->userData;
        OSStatus status = proc(frame, event, userData);
        if (status != eventNotHandledErr)
            return status;
    }
    return eventNotHandledErr;
}

// Runs every handler of the target for the event; returns as runHandlers.
OSStatus dispatchToTarget(Handle target, EventRef event)
{
    const Target *t = model().targets.find(target);
    if (!t)
        return eventNotHandledErr;
    OpaqueEventHandlerCallRef frame{target, std::vector<Handle>(t->handlers.rbegin(), t->handlers.rend()), 0};
    activeCalls().push_back(&frame);
    OSStatus status = runHandlers(&frame, event);
    activeCalls().pop_back();
    return status;
}

// The target the event goes to after this one, or 0 when it ends here.
Handle nextTarget(Handle target, EventRef event)
{
    const Target *t = model().targets.find(target);
    if (!t || !t->control || endsAtControl(event))
        return 0;
    const Control *c = findControl(t->control);
    if (!c)
        return 0;
    if (const Control *parent = findControl(c->container))
        return parent->target;
    const Window *w = findWindow(c->window);
    return w ? w->target : 0;
}

} // namespace

namespace tk {

// True when the handler was installed for the event's class and kind.
bool Handler::accepts(UInt32 eventClass, UInt32 eventKind) const
{
    for (const EventTypeSpec &t : types)
        if (t.eventClass == eventClass && t.eventKind == eventKind)
            return true;
    return false;
}

// Creates the target of a control or window; returns its handle.
Handle createTarget(Handle control, Handle window)
{
    auto t = std::make_unique<Target>();
    t->self = newHandle();
    t->control = control;
    t->window = window;
    Handle h = t->self;
    model().targets.items.emplace(h, std::move(t));
    return h;
}

// Forgets the target; its handlers stay known (inert) until removed.
void disposeTarget(Handle target)
{
    Model &m = model();
    const Target *t = m.targets.find(target);
    if (!t)
        return;
    for (Handle h : t->handlers)
        if (Handler *handler = m.handlers.find(h))
            handler->target = 0;
    m.targets.items.erase(target);
}

// Sends (class, kind) with the control as direct object to the control's
// target; returns the dispatch status.
OSStatus sendControlEvent(Handle control, UInt32 eventClass, UInt32 eventKind)
{
    const Control *c = findControl(control);
    if (!c)
        return errUnknownControl;
    OpaqueEventRef event;
    event.eventClass = eventClass;
    event.eventKind = eventKind;
    ControlRef ref = refOf<ControlRef>(control);
    SetEventParameter(&event, kEventParamDirectObject, typeControlRef, sizeof ref, &ref);
    return SendEventToEventTarget(&event, refOf<EventTargetRef>(c->target));
}

} // namespace tk

// Handler routines are plain function pointers.
EventHandlerUPP NewEventHandlerUPP(EventHandlerProcPtr proc) { return proc; }
void DisposeEventHandlerUPP(EventHandlerUPP) {}

// The control's event target, null for an unknown control.
EventTargetRef GetControlEventTarget(ControlRef control)
{
    const Control *c = findControl(control);
    return c ? refOf<EventTargetRef>(c->target) : nullptr;
}

// The window's event target, null for an unknown window.
EventTargetRef GetWindowEventTarget(WindowRef window)
{
    const Window *w = findWindow(window);
    return w ? refOf<EventTargetRef>(w->target) : nullptr;
}

// Installs handler on target for the listed (class, kind) pairs; it runs
// before the handlers installed earlier.  paramErr for an unknown target, a
// null handler or an empty list.
OSStatus InstallEventHandler(EventTargetRef target, EventHandlerUPP handler, ItemCount numTypes,
                             const EventTypeSpec *list, void *userData, EventHandlerRef *outRef)
{
    Model &m = model();
    Target *t = m.targets.find(handleOf(target));
    if (!t || !handler || numTypes == 0 || !list)
        return paramErr;
    auto h = std::make_unique<Handler>();
    h->self = newHandle();
    h->target = t->self;
    h->proc = handler;
    h->userData = userData;
    h->types.assign(list, list + numTypes);
    t->handlers.push_back(h->self);
    if (outRef)
        *outRef = refOf<EventHandlerRef>(h->self);
    m.handlers.items.emplace(h->self, std::move(h));
    return noErr;
}

// Removes an installed handler; one whose target is already gone is simply
// forgotten (noErr).  paramErr for an unknown or already removed handler.
OSStatus RemoveEventHandler(EventHandlerRef handler)
{
    Model &m = model();
    Handler *h = m.handlers.find(handleOf(handler));
    if (!h)
        return paramErr;
    if (Target *t = m.targets.find(h->target)) {
        auto &list = t->handlers;
        list.erase(std::remove(list.begin(), list.end(), h->self), list.end());
    }
    m.handlers.items.erase(h->self);
    return noErr;
}

// Runs the handlers of the same target that come after the calling one; they
// are then not run again when the caller passes the event on.  paramErr when
// callRef is not a call in progress.
OSStatus CallNextEventHandler(EventHandlerCallRef callRef, EventRef event)
{
    const auto &calls = activeCalls();
    if (!event || std::find(calls.begin(), calls.end(), callRef) == calls.end())
        return paramErr;
    return runHandlers(callRef, event);
}

// Dispatches the event to target and, while every handler passes it on, to
// the targets after it (see the top of this file).  Returns the status of
// the handler that took it, eventNotHandledErr when none did, or paramErr
// for a null event or an unknown target.
OSStatus SendEventToEventTarget(EventRef event, EventTargetRef target)
{
    Handle t = handleOf(target);
    if (!event || !model().targets.find(t))
        return paramErr;
    while (t) {
        OSStatus status = dispatchToTarget(t, event);
        if (status != eventNotHandledErr)
            return status;
        t = nextTarget(t, event);
    }
    return eventNotHandledErr;
}
