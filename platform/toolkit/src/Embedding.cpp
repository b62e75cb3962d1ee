// Moving controls between containers and walking the embedding hierarchy.
#include "Model.h"

#include <algorithm>

using namespace tk;

// Moves control, with everything embedded in it, to the end of container's
// controls; when container lies in another window, the moved controls then
// belong to that window.  paramErr when control is a window's root or the
// container lies inside control (which would make a cycle).
OSErr EmbedControl(ControlRef control, ControlRef container)
{
    Control *c = findControl(control);
    const Control *parent = findControl(container);
    if (!c || !parent)
        return errUnknownControl;
    if (c->kind == kControlKindRoot)
        return paramErr;
    for (const Control *p = parent; p; p = findControl(p->container))
        if (p == c)
            return paramErr;
    attachControl(c->self, parent->self);
    notify(c->self, kTKChangeEmbedding);
    return noErr;
}

// The container the control is embedded in; errUnknownControl (and null) for
// a root control or an unknown control.
OSErr GetSuperControl(ControlRef control, ControlRef *outParent)
{
    if (!outParent)
        return paramErr;
    *outParent = nullptr;
    const Control *c = findControl(control);
    if (!c || !findControl(c->container))
        return errUnknownControl;
    *outParent = refOf<ControlRef>(c->container);
    return noErr;
}

// The number of controls embedded directly in control.
OSErr CountSubControls(ControlRef control, UInt16 *outNumChildren)
{
    const Control *c = findControl(control);
    if (!c)
        return errUnknownControl;
    if (!outNumChildren)
        return paramErr;
    *outNumChildren = UInt16(std::min<size_t>(c->children.size(), 0xFFFF));
    return noErr;
}

// The index-th control embedded in control, from 1; paramErr outside.
OSErr GetIndexedSubControl(ControlRef control, UInt16 index, ControlRef *outSubControl)
{
    const Control *c = findControl(control);
    if (!c)
        return errUnknownControl;
    if (!outSubControl || index < 1 || index > c->children.size())
        return paramErr;
    *outSubControl = refOf<ControlRef>(c->children[index - 1]);
    return noErr;
}

// The window the control belongs to, null for an unknown control.
WindowRef GetControlOwner(ControlRef control)
{
    const Control *c = findControl(control);
    return c && findWindow(c->window) ? refOf<WindowRef>(c->window) : nullptr;
}
