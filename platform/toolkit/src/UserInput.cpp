// What a person's click or menu command does: the value change first, then
// the events, in the toolkit's order.  Hosts and tests drive the pane only
// through these, so that both go the same way.
#include "Event.h"
#include "Model.h"

using namespace tk;

namespace {

// True when a person could reach the control now: it and its containers are
// visible and enabled and, while a modal loop runs, it lies in the window of
// the innermost loop.
bool reachable(const Control &c)
{
    if (!visibleInTree(c) || !enabledInTree(c))
        return false;
    const auto &stack = model().modalStack;
    return stack.empty() || stack.back().window == c.window;
}

// The number of choices a click may pick from: popup items or tabs.
SInt32 choiceCount(const Control &c, ClickBehaviour click)
{
    if (click == ClickBehaviour::SelectItem) {
        const Menu *m = model().menus.find(c.menu);
        return m ? SInt32(m->items.size()) : 0;
    }
    return c.maximum;
}

} // namespace

// Clicks the control.  A check box toggles (or takes value when value >= 0);
// a popup or tab control takes the item or tab value (1..count, else
// paramErr); a value-changed event follows when the value changed, then a
// hit event.  Other kinds get the hit event only.  Returns noErr once the
// click was carried out, whatever the handlers answered.
OSStatus TKUserClick(ControlRef control, SInt32 value)
{
    const Control *c = findControl(control);
    if (!c)
        return errUnknownControl;
    if (!reachable(*c))
        return errInvalidControlForUserInput;
    Handle h = c->self;
    const KindInfo *info = findKind(c->kind);
    ClickBehaviour click = info ? info->click : ClickBehaviour::Hit;
    bool changed = false;
    switch (click) {
    case ClickBehaviour::Hit:
        break;
    case ClickBehaviour::Toggle:
        changed = setValue(h, value >= 0 ? value : (c->value ? 0 : 1));
        break;
    case ClickBehaviour::SelectItem:
    case ClickBehaviour::SelectTab:
        if (value < 1 || value > choiceCount(*c, click))
            return paramErr;
        changed = setValue(h, value);
        break;
    }
    if (changed)
        sendControlEvent(h, kEventClassControl, kEventControlValueFieldChanged);
    if (findControl(h))
        sendControlEvent(h, kEventClassControl, kEventControlHit);
    return noErr;
}

// Sends a command event for commandID to the window's target, as a menu or
// key equivalent would.  Returns the dispatch status (eventNotHandledErr when
// no handler took it); errInvalidWindowRef for an unknown window, and
// errInvalidControlForUserInput while a modal loop runs for another window.
OSStatus TKUserSendCommand(WindowRef window, UInt32 commandID)
{
    const Window *w = findWindow(window);
    if (!w)
        return errInvalidWindowRef;
    const auto &stack = model().modalStack;
    if (!stack.empty() && stack.back().window != w->self)
        return errInvalidControlForUserInput;
    HICommand command{};
    command.commandID = commandID;
    OpaqueEventRef event;
    event.eventClass = kEventClassCommand;
    event.eventKind = kEventCommandProcess;
    SetEventParameter(&event, kEventParamDirectObject, typeHICommand, sizeof command, &command);
    return SendEventToEventTarget(&event, refOf<EventTargetRef>(w->target));
}
