// The toolkit's object model.  Every object the callers hold (control, window,
// menu, event target, handler, resource file, icon) is named by a handle that
// is never reused; the opaque Ref types carry that handle.  A stale Ref left in
// a caller's record after its window was disposed therefore finds nothing and
// the call fails cleanly instead of touching freed memory.
#pragma once

#include <Toolkit/Toolkit.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace tk {

using Handle = std::uintptr_t;

// Owns one reference to a CF object.
template <class T>
class CFOwned {
public:
    CFOwned() = default;
    explicit CFOwned(T obj) : obj_(obj) {}
    CFOwned(const CFOwned &) = delete;
    CFOwned &operator=(const CFOwned &) = delete;
    CFOwned(CFOwned &&other) noexcept : obj_(other.obj_) { other.obj_ = nullptr; }
    CFOwned &operator=(CFOwned &&other) noexcept
    {
        if (this != &other) {
            reset();
            obj_ = other.obj_;
            other.obj_ = nullptr;
        }
        return *this;
    }
    ~CFOwned() { reset(); }
    void reset(T obj = nullptr)
    {
        if (obj_)
            CFRelease(obj_);
        obj_ = obj;
    }
    T get() const { return obj_; }

private:
    T obj_ = nullptr;
};

// How a kind of control answers a person's click.
enum class ClickBehaviour { Hit, Toggle, SelectItem, SelectTab };

// One row of the control-kind table: the resource's kind code, the click
// behaviour and the value range a new control of that kind starts with.
struct KindInfo {
    OSType kind;
    ClickBehaviour click;
    SInt32 value, minimum, maximum;
};
const KindInfo *findKind(OSType kind);

struct Control {
    Handle self = 0;
    ControlID id{};
    OSType kind = kControlKindUserPane;
    CFOwned<CFStringRef> name;
    std::string nameUTF8;
    SInt32 value = 0, minimum = 0, maximum = 0;
    bool enabled = true;
    bool visible = true;
    CFOwned<CFStringRef> title;
    Rect bounds{};
    Handle container = 0;
    std::vector<Handle> children;
    Handle window = 0;
    Handle menu = 0;                          // popup buttons only
    std::vector<CFOwned<CFStringRef>> tabLabels; // tab controls only
    Handle target = 0;
    // Edit fields: the text, its selection and any other tagged data.
    CFOwned<CFStringRef> text;
    SInt16 selStart = 0, selEnd = 0;
    std::map<ResType, std::vector<UInt8>> data;
};

struct Window {
    Handle self = 0;
    Handle root = 0;
    Rect content{};
    bool visible = false;
    CFOwned<CFStringRef> title;
    Handle target = 0;
};

struct Menu {
    Handle self = 0;
    Handle control = 0;
    std::vector<CFOwned<CFStringRef>> items;
    std::vector<MenuCommand> commands;
};

// An event target belongs to one control or one window; its handlers are
// kept oldest first.
struct Target {
    Handle self = 0;
    Handle control = 0;
    Handle window = 0;
    std::vector<Handle> handlers;
};

// An installed handler.  target is 0 once its target is gone; such a handler
// is never called again and RemoveEventHandler merely forgets it.
struct Handler {
    Handle self = 0;
    Handle target = 0;
    EventHandlerUPP proc = nullptr;
    void *userData = nullptr;
    std::vector<EventTypeSpec> types;
    bool accepts(UInt32 eventClass, UInt32 eventKind) const;
};

// A parsed resource file (see NibFormat.cpp).
struct NibControl {
    OSType kind = 0;
    ControlID id{};
    std::string name;
    Rect bounds{};
    std::string title;
    bool hasValue = false, hasMinimum = false, hasMaximum = false;
    SInt32 value = 0, minimum = 0, maximum = 0;
    bool visible = true, enabled = true;
    std::vector<std::string> items;
    std::vector<std::string> tabs;
    std::vector<NibControl> children;
};

struct NibWindow {
    std::string name;
    Rect content{};
    std::string title;
    bool visible = false;
    std::vector<NibControl> controls;
};

struct Nib {
    Handle self = 0;
    std::vector<NibWindow> windows;
};

struct Icon {
    Handle self = 0;
    OSType creator = 0, type = 0;
    std::string path;
    int refCount = 0;
};

// A table of objects by handle.
template <class T>
struct Table {
    std::unordered_map<Handle, std::unique_ptr<T>> items;
    T *find(Handle h) const
    {
        auto it = items.find(h);
        return it == items.end() ? nullptr : it->second.get();
    }
};

struct ObserverEntry {
    int id;
    TKObserver fn;
    void *userData;
};

struct ModalFrame {
    Handle window;
    bool quit;
};

struct Model {
    Handle nextHandle = 0x10000;
    Table<Control> controls;
    Table<Window> windows;
    Table<Menu> menus;
    Table<Target> targets;
    Table<Handler> handlers;
    Table<Nib> nibs;
    Table<Icon> icons;
    std::vector<ObserverEntry> observers;
    int nextObserverID = 1;
    std::vector<ModalFrame> modalStack;
    TKModalDriver modalDriver = nullptr;
    void *modalDriverData = nullptr;
    std::vector<std::string> filePaths; // FSRefs name entries of this table
};

// The one model of the process (never destroyed, so that nothing is released
// after the CF layer has gone at exit).
Model &model();
Handle newHandle();

template <class Ref>
inline Handle handleOf(Ref ref)
{
    return reinterpret_cast<Handle>(ref);
}
template <class Ref>
inline Ref refOf(Handle h)
{
    return reinterpret_cast<Ref>(h);
}

Control *findControl(ControlRef ref);
Control *findControl(Handle h);
Window *findWindow(WindowRef ref);
Window *findWindow(Handle h);
Menu *findMenu(MenuRef ref);

// A new control (visible, enabled) in window, not yet embedded anywhere; it
// gets its event target and, for popup buttons, its menu.
Control &createControl(Handle window, OSType kind);
// Appends child to container's children and gives child's subtree the
// container's window.
void attachControl(Handle child, Handle container);
// Disposes of the control and everything embedded in it.
void disposeControlTree(Handle control);
// The control's handle, then its descendants' handles, depth first.
std::vector<Handle> subtreeOf(Handle control);

// A new event target for a control or a window.
Handle createTarget(Handle control, Handle window);
// Forgets the target; its handlers become inert.
void disposeTarget(Handle target);

// Whether the control and all its containers are visible / enabled.
bool visibleInTree(const Control &c);
bool enabledInTree(const Control &c);

// Sets value, clamped to minimum..maximum; true when it changed (observers
// are told).
bool setValue(Handle control, SInt32 value);

// Tells the observers about a change of the control.
void notify(Handle control, TKChange change);

// Sends a control event (class, kind) with the control as direct object to
// the control's target; returns the dispatch status.
OSStatus sendControlEvent(Handle control, UInt32 eventClass, UInt32 eventKind);
// Sends a draw event to the control and then, separately, to each of its
// visible embedded controls, when the control is visible.
void drawTree(Handle control);

// Converts between UTF-8 and CF strings; a null string gives "".
CFStringRef createString(const std::string &utf8);
std::string utf8Of(CFStringRef str);

} // namespace tk

namespace tk {
// A new hidden window with the content bounds, its root control (sized to
// the content, at 0,0) and its event target.
Window &createWindow(const Rect &content);
} // namespace tk
