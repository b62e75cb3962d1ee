// The control tree: creating controls, embedding them, walking and disposing
// of subtrees, and the states that depend on the containers.
#include "Model.h"

#include <algorithm>

namespace tk {

// Creates a control of the kind in window, with the kind's starting values,
// its event target and (for a popup button) an empty menu.  Returns it.
Control &createControl(Handle window, OSType kind)
{
    Model &m = model();
    auto control = std::make_unique<Control>();
    Control &c = *control;
    c.self = newHandle();
    c.kind = kind;
    c.window = window;
    if (const KindInfo *info = findKind(kind)) {
        c.value = info->value;
        c.minimum = info->minimum;
        c.maximum = info->maximum;
    }
    c.target = createTarget(c.self, 0);
    if (kind == kControlKindPopupButton) {
        auto menu = std::make_unique<Menu>();
        menu->self = newHandle();
        menu->control = c.self;
        c.menu = menu->self;
        m.menus.items.emplace(menu->self, std::move(menu));
    }
    m.controls.items.emplace(c.self, std::move(control));
    return c;
}

// Returns the control's handle followed by its descendants', depth first.
std::vector<Handle> subtreeOf(Handle control)
{
    std::vector<Handle> out;
    std::vector<Handle> pending{control};
    while (!pending.empty()) {
        Handle h = pending.back();
        pending.pop_back();
        const Control *c = findControl(h);
        if (!c)
            continue;
        out.push_back(h);
        for (auto it = c->children.rbegin(); it != c->children.rend(); ++it)
            pending.push_back(*it);
    }
    return out;
}

// Removes child from its container's list of children.
static void detachControl(Control &child)
{
    if (Control *parent = findControl(child.container)) {
        auto &kids = parent->children;
        kids.erase(std::remove(kids.begin(), kids.end(), child.self), kids.end());
    }
    child.container = 0;
}

// Embeds child as the last control of container; child and everything in it
// then belong to the container's window.
void attachControl(Handle child, Handle container)
{
    Control *c = findControl(child);
    Control *parent = findControl(container);
    if (!c || !parent)
        return;
    detachControl(*c);
    parent->children.push_back(child);
    c->container = container;
    for (Handle h : subtreeOf(child))
        findControl(h)->window = parent->window;
}

// Disposes of the control after everything embedded in it: observers hear
// of each control while it can still be read, then it, its menu and its
// target go.  Every step looks the control up again, since an observer may
// have changed the tree meanwhile.
void disposeControlTree(Handle control)
{
    Control *c = findControl(control);
    if (!c)
        return;
    std::vector<Handle> kids = c->children;
    for (Handle k : kids) {
        const Control *kid = findControl(k);
        if (kid && kid->container == control)
            disposeControlTree(k);
    }
    notify(control, kTKChangeDisposed);
    c = findControl(control);
    if (!c)
        return;
    while (!c->children.empty()) {
        Handle k = c->children.front();
        if (!findControl(k))
            c->children.erase(c->children.begin());
        else
            disposeControlTree(k);
        c = findControl(control);
        if (!c)
            return;
    }
    detachControl(*c);
    Model &m = model();
    m.menus.items.erase(c->menu);
    disposeTarget(c->target);
    m.controls.items.erase(control);
}

// True when the control and every container above it are visible.
bool visibleInTree(const Control &c)
{
    for (const Control *p = &c; p; p = findControl(p->container))
        if (!p->visible)
            return false;
    return true;
}

// True when the control and every container above it are enabled.
bool enabledInTree(const Control &c)
{
    for (const Control *p = &c; p; p = findControl(p->container))
        if (!p->enabled)
            return false;
    return true;
}

// Sets the value, clamped to minimum..maximum (the minimum wins when the
// range is empty); returns true when it changed, after telling observers.
bool setValue(Handle control, SInt32 value)
{
    Control *c = findControl(control);
    if (!c)
        return false;
    value = std::max(c->minimum, std::min(value, c->maximum));
    if (value == c->value)
        return false;
    c->value = value;
    notify(control, kTKChangeValue);
    return true;
}

} // namespace tk
