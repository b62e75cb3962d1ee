// Windows: creation, disposal, visibility, bounds and finding controls.
#include "Model.h"

#include <cstring>

using namespace tk;

namespace tk {

// Creates a hidden window with a root control covering its content.
Window &createWindow(const Rect &content)
{
    Model &m = model();
    auto window = std::make_unique<Window>();
    Window &w = *window;
    w.self = newHandle();
    w.content = content;
    w.target = createTarget(0, w.self);
    Control &root = createControl(w.self, kControlKindRoot);
    root.bounds = {0, 0, SInt16(content.bottom - content.top), SInt16(content.right - content.left)};
    w.root = root.self;
    m.windows.items.emplace(w.self, std::move(window));
    return w;
}

} // namespace tk

// A new, hidden, empty window with the content bounds.  paramErr when an
// argument is missing.
OSStatus CreateNewWindow(UInt32, UInt32, const Rect *contentBounds, WindowRef *outWindow)
{
    if (!outWindow)
        return paramErr;
    *outWindow = nullptr;
    if (!contentBounds)
        return paramErr;
    *outWindow = refOf<WindowRef>(createWindow(*contentBounds).self);
    return noErr;
}

// A visible, enabled user pane with the bounds, embedded last in the
// window's root control.
OSStatus CreateUserPaneControl(WindowRef window, const Rect *bounds, UInt32, ControlRef *outControl)
{
    if (!outControl || !bounds)
        return paramErr;
    *outControl = nullptr;
    const Window *w = findWindow(window);
    if (!w)
        return errInvalidWindowRef;
    Control &pane = createControl(w->self, kControlKindUserPane);
    pane.bounds = *bounds;
    attachControl(pane.self, w->root);
    *outControl = refOf<ControlRef>(pane.self);
    return noErr;
}

// Disposes of the window and the controls still in it (controls moved into
// other windows live on).  References to them become invalid: calls with
// them fail or do nothing.
void DisposeWindow(WindowRef window)
{
    Window *w = findWindow(window);
    if (!w)
        return;
    Handle self = w->self;
    disposeControlTree(w->root);
    if ((w = findWindow(self))) {
        disposeTarget(w->target);
        model().windows.items.erase(self);
    }
}

// Draws the window's visible controls, as a host does when it shows it.
void TKDrawWindow(WindowRef window)
{
    if (const Window *w = findWindow(window))
        drawTree(w->root);
}

// Shows the window; when it was hidden, observers hear of it (as a change of
// the root control's visibility) and its controls are drawn.
void ShowWindow(WindowRef window)
{
    Window *w = findWindow(window);
    if (!w || w->visible)
        return;
    w->visible = true;
    notify(w->root, kTKChangeVisible);
    TKDrawWindow(window);
}

// Hides the window; nothing is drawn.
void HideWindow(WindowRef window)
{
    Window *w = findWindow(window);
    if (!w || !w->visible)
        return;
    w->visible = false;
    notify(w->root, kTKChangeVisible);
}

Boolean IsWindowVisible(WindowRef window)
{
    const Window *w = findWindow(window);
    return w && w->visible;
}

// The window's root control.
OSStatus GetRootControl(WindowRef window, ControlRef *outControl)
{
    if (!outControl)
        return paramErr;
    *outControl = nullptr;
    const Window *w = findWindow(window);
    if (!w)
        return errInvalidWindowRef;
    *outControl = refOf<ControlRef>(w->root);
    return noErr;
}

// The window's content bounds.  Headless windows have no frame, so the
// structure region is the content region.
OSStatus GetWindowBounds(WindowRef window, WindowRegionCode regionCode, Rect *globalBounds)
{
    const Window *w = findWindow(window);
    if (!w)
        return errInvalidWindowRef;
    if (!globalBounds || (regionCode != kWindowContentRgn && regionCode != kWindowStructureRgn))
        return paramErr;
    *globalBounds = w->content;
    return noErr;
}

namespace {

// The first control of the window's tree, depth first, that matches.
template <class Match>
Handle findInWindow(const Window &w, Match match)
{
    for (Handle h : subtreeOf(w.root))
        if (match(*findControl(h)))
            return h;
    return 0;
}

} // namespace

// Finds the control with the ID anywhere in the window; errUnknownControl
// (and a null control) when there is none.
OSStatus GetControlByID(WindowRef window, const ControlID *inID, ControlRef *outControl)
{
    if (!outControl)
        return paramErr;
    *outControl = nullptr;
    const Window *w = findWindow(window);
    if (!w)
        return errInvalidWindowRef;
    if (!inID)
        return paramErr;
    Handle h = findInWindow(*w, [inID](const Control &c) {
        return c.id.signature == inID->signature && c.id.id == inID->id;
    });
    if (!h)
        return errUnknownControl;
    *outControl = refOf<ControlRef>(h);
    return noErr;
}

// Finds the control with the resource name anywhere in the window; null when
// there is none.
ControlRef TKFindControlByName(WindowRef window, const char *name)
{
    const Window *w = findWindow(window);
    if (!w || !name || !*name)
        return nullptr;
    Handle h = findInWindow(*w, [name](const Control &c) { return c.nameUTF8 == name; });
    return refOf<ControlRef>(h);
}
