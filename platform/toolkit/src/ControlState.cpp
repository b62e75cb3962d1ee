// A control's enabled state, visibility, title, bounds and identity.
#include "Model.h"

#include <algorithm>

using namespace tk;

namespace {

// Sets the enabled flag; observers hear of an actual change.
OSStatus setEnabled(ControlRef control, bool enabled)
{
    Control *c = findControl(control);
    if (!c)
        return errUnknownControl;
    if (c->enabled != enabled) {
        c->enabled = enabled;
        notify(c->self, kTKChangeEnabled);
    }
    return noErr;
}

} // namespace

OSStatus EnableControl(ControlRef control) { return setEnabled(control, true); }
OSStatus DisableControl(ControlRef control) { return setEnabled(control, false); }

// The control's own enabled flag (false for an unknown control).
Boolean IsControlEnabled(ControlRef control)
{
    const Control *c = findControl(control);
    return c && c->enabled;
}

// Sets the control's own visible flag.  When it is shown with doDraw and its
// containers are visible, it and its visible embedded controls are drawn
// (also when it was visible already).  Hiding draws nothing.
OSErr SetControlVisibility(ControlRef control, Boolean isVisible, Boolean doDraw)
{
    Control *c = findControl(control);
    if (!c)
        return errUnknownControl;
    Handle h = c->self;
    if (c->visible != bool(isVisible)) {
        c->visible = isVisible;
        notify(h, kTKChangeVisible);
    }
    if (isVisible && doDraw)
        drawTree(h);
    return noErr;
}

// True when the control and every container above it are visible.
Boolean IsControlVisible(ControlRef control)
{
    const Control *c = findControl(control);
    return c && visibleInTree(*c);
}

// Gives the control a copy of title.  paramErr for a null title.
OSStatus SetControlTitleWithCFString(ControlRef control, CFStringRef title)
{
    Control *c = findControl(control);
    if (!c)
        return errUnknownControl;
    if (!title)
        return paramErr;
    if (c->title.get() && CFEqual(c->title.get(), title))
        return noErr;
    c->title.reset(CFStringCreateCopy(kCFAllocatorDefault, title));
    notify(c->self, kTKChangeTitle);
    return noErr;
}

// Hands out the control's title (+1; "" when it has none).
OSStatus CopyControlTitleAsCFString(ControlRef control, CFStringRef *outTitle)
{
    const Control *c = findControl(control);
    if (!outTitle)
        return paramErr;
    *outTitle = nullptr;
    if (!c)
        return errUnknownControl;
    CFStringRef title = c->title.get() ? c->title.get() : CFSTR("");
    *outTitle = static_cast<CFStringRef>(CFRetain(title));
    return noErr;
}

// Copies the control's bounds (in its window's coordinates) into bounds and
// returns bounds; an unknown control gives an empty rectangle.
Rect *GetControlBounds(ControlRef control, Rect *bounds)
{
    if (!bounds)
        return nullptr;
    const Control *c = findControl(control);
    *bounds = c ? c->bounds : Rect{};
    return bounds;
}

// Sets the control's bounds; embedded controls keep theirs.
void SetControlBounds(ControlRef control, const Rect *bounds)
{
    Control *c = findControl(control);
    if (!c || !bounds)
        return;
    const Rect &b = c->bounds;
    if (b.top == bounds->top && b.left == bounds->left && b.bottom == bounds->bottom && b.right == bounds->right)
        return;
    c->bounds = *bounds;
    notify(c->self, kTKChangeBounds);
}

// The control's ID (signature and number).
OSStatus GetControlID(ControlRef control, ControlID *outID)
{
    const Control *c = findControl(control);
    if (!c)
        return errUnknownControl;
    if (!outID)
        return paramErr;
    *outID = c->id;
    return noErr;
}

// The control's kind, with the toolkit's signature.
OSStatus GetControlKind(ControlRef control, ControlKind *outKind)
{
    const Control *c = findControl(control);
    if (!c)
        return errUnknownControl;
    if (!outKind)
        return paramErr;
    *outKind = {kControlKindSignatureApple, c->kind};
    return noErr;
}

// The control's resource name, not retained; null when it has none.
CFStringRef TKGetControlName(ControlRef control)
{
    const Control *c = findControl(control);
    return c ? c->name.get() : nullptr;
}

// The area a tab control's panes occupy: its bounds less the tab strip at
// the top and a small frame on the other sides (never inverted).
OSStatus GetTabContentRect(ControlRef tabControl, Rect *outContentRect)
{
    constexpr int kTabStripHeight = 24;
    constexpr int kFrame = 2;
    const Control *c = findControl(tabControl);
    if (!c)
        return errUnknownControl;
    if (c->kind != kControlKindTabs || !outContentRect)
        return paramErr;
    const Rect &b = c->bounds;
    Rect r;
    r.top = SInt16(std::min<int>(b.top + kTabStripHeight, b.bottom));
    r.left = SInt16(std::min<int>(b.left + kFrame, b.right));
    r.bottom = SInt16(std::max<int>(b.bottom - kFrame, r.top));
    r.right = SInt16(std::max<int>(b.right - kFrame, r.left));
    *outContentRect = r;
    return noErr;
}
