// The process's one toolkit model: handle allocation, look-ups, the table of
// control kinds and string conversions shared by the toolkit's files.
#include "Model.h"

#include <vector>

namespace tk {

// Returns the model, created on first use and kept until the process ends.
Model &model()
{
    static Model *instance = new Model;
    return *instance;
}

// Returns a handle not given out before.  Steps of 16 keep handles looking
// like aligned addresses in a debugger.
Handle newHandle()
{
    Model &m = model();
    m.nextHandle += 16;
    return m.nextHandle;
}

// Looks up a live object by its Ref or handle; null when it is gone.
Control *findControl(ControlRef ref) { return model().controls.find(handleOf(ref)); }
Control *findControl(Handle h) { return model().controls.find(h); }
Window *findWindow(WindowRef ref) { return model().windows.find(handleOf(ref)); }
Window *findWindow(Handle h) { return model().windows.find(h); }
Menu *findMenu(MenuRef ref) { return model().menus.find(handleOf(ref)); }

namespace {

// Kinds of control the toolkit knows, with their click behaviour and the
// value range a new one starts with (a popup's and a tab control's maximum
// is then set from its items or tabs).
constexpr KindInfo kKinds[] = {
    {kControlKindPushButton, ClickBehaviour::Hit, 0, 0, 0},
    {kControlKindCheckBox, ClickBehaviour::Toggle, 0, 0, 1},
    {kControlKindPopupButton, ClickBehaviour::SelectItem, 1, 1, 0},
    {kControlKindTabs, ClickBehaviour::SelectTab, 1, 1, 0},
    {kControlKindUserPane, ClickBehaviour::Hit, 0, 0, 0},
    {kControlKindGroupBox, ClickBehaviour::Hit, 0, 0, 0},
    {kControlKindStaticText, ClickBehaviour::Hit, 0, 0, 0},
    {kControlKindEditUnicodeText, ClickBehaviour::Hit, 0, 0, 0},
    {kControlKindDataBrowser, ClickBehaviour::Hit, 0, 0, 0},
    {kControlKindRoot, ClickBehaviour::Hit, 0, 0, 0},
};

} // namespace

// Returns the table row of a kind, null for an unknown kind.
const KindInfo *findKind(OSType kind)
{
    for (const KindInfo &k : kKinds)
        if (k.kind == kind)
            return &k;
    return nullptr;
}

// Returns a new CF string holding the UTF-8 text (+1), or null when the text
// is not valid UTF-8.
CFStringRef createString(const std::string &utf8)
{
    return CFStringCreateWithBytes(kCFAllocatorDefault, reinterpret_cast<const UInt8 *>(utf8.data()),
                                   CFIndex(utf8.size()), kCFStringEncodingUTF8, false);
}

// Returns the string's text as UTF-8; "" for a null string.
std::string utf8Of(CFStringRef str)
{
    if (!str)
        return {};
    // A UTF-16 code unit never needs more than three UTF-8 bytes.
    CFIndex length = CFStringGetLength(str);
    std::string out(size_t(length) * 3, '\0');
    CFIndex used = 0;
    if (length > 0)
        CFStringGetBytes(str, CFRangeMake(0, length), kCFStringEncodingUTF8, 0, false,
                         reinterpret_cast<UInt8 *>(out.data()), CFIndex(out.size()), &used);
    out.resize(size_t(used));
    return out;
}

} // namespace tk
