// Opening resource files of a bundle and building windows from them.  The
// file format is described at the top of NibFormat.cpp.
#include "NibFormat.h"

#include <algorithm>

using namespace tk;

namespace {

// Reads and parses the bundle's resource file <name>.nib.plist.  resNotFound
// when the file is missing or unreadable, paramErr when it is malformed.
OSStatus loadNib(CFBundleRef bundle, CFStringRef name, Nib *nib)
{
    CFURLRef url = CFBundleCopyResourceURL(bundle, name, CFSTR("nib.plist"), nullptr);
    if (!url)
        return resNotFound;
    CFDataRef data = nullptr;
    SInt32 error = 0;
    bool read = CFURLCreateDataAndPropertiesFromResource(kCFAllocatorDefault, url, &data, nullptr, nullptr, &error);
    CFRelease(url);
    if (!read || !data) {
        if (data)
            CFRelease(data);
        return resNotFound;
    }
    CFPropertyListRef plist = CFPropertyListCreateFromXMLData(kCFAllocatorDefault, data, kCFPropertyListImmutable, nullptr);
    CFRelease(data);
    bool ok = parseNib(plist, nib);
    if (plist)
        CFRelease(plist);
    return ok ? noErr : paramErr;
}

// Creates one control of the description in window, embeds it in parent and
// builds its children.
void buildControl(const NibControl &d, Handle window, Handle parent)
{
    Control &c = createControl(window, d.kind);
    c.id = d.id;
    c.bounds = d.bounds;
    c.visible = d.visible;
    c.enabled = d.enabled;
    if (!d.name.empty()) {
        c.name.reset(createString(d.name));
        c.nameUTF8 = d.name;
    }
    if (!d.title.empty())
        c.title.reset(createString(d.title));
    if (Menu *menu = model().menus.find(c.menu))
        for (const std::string &item : d.items) {
            menu->items.emplace_back(createString(item));
            menu->commands.push_back(0);
        }
    for (const std::string &tab : d.tabs)
        c.tabLabels.emplace_back(createString(tab));
    if (d.kind == kControlKindPopupButton)
        c.maximum = SInt32(d.items.size());
    if (d.kind == kControlKindTabs)
        c.maximum = SInt32(d.tabs.size());
    if (d.hasMinimum)
        c.minimum = d.minimum;
    if (d.hasMaximum)
        c.maximum = d.maximum;
    if (d.hasValue)
        c.value = d.value;
    c.value = std::max(c.minimum, std::min(c.value, c.maximum));
    Handle self = c.self;
    attachControl(self, parent);
    for (const NibControl &child : d.children)
        buildControl(child, window, self);
}

} // namespace

// Opens the bundle's resource file <nibName>.nib.plist.  resNotFound when it
// is missing, paramErr when it is malformed or an argument is missing.
OSStatus CreateNibReferenceWithCFBundle(CFBundleRef bundle, CFStringRef nibName, IBNibRef *outNibRef)
{
    if (!outNibRef)
        return paramErr;
    *outNibRef = nullptr;
    if (!bundle || !nibName)
        return paramErr;
    auto nib = std::make_unique<Nib>();
    if (OSStatus status = loadNib(bundle, nibName, nib.get()))
        return status;
    nib->self = newHandle();
    *outNibRef = refOf<IBNibRef>(nib->self);
    model().nibs.items.emplace(nib->self, std::move(nib));
    return noErr;
}

// Closes a resource file; windows made from it live on.
void DisposeNibReference(IBNibRef nibRef) { model().nibs.items.erase(handleOf(nibRef)); }

// Builds a new window from the resource file's window of that name.
// resNotFound when the file has no such window, paramErr for a bad argument.
OSStatus CreateWindowFromNib(IBNibRef nibRef, CFStringRef windowName, WindowRef *outWindow)
{
    if (!outWindow)
        return paramErr;
    *outWindow = nullptr;
    const Nib *nib = model().nibs.find(handleOf(nibRef));
    if (!nib || !windowName)
        return paramErr;
    std::string name = utf8Of(windowName);
    auto it = std::find_if(nib->windows.begin(), nib->windows.end(),
                           [&name](const NibWindow &w) { return w.name == name; });
    if (it == nib->windows.end())
        return resNotFound;
    Window &w = createWindow(it->content);
    if (!it->title.empty())
        w.title.reset(createString(it->title));
    w.visible = it->visible;
    for (const NibControl &d : it->controls)
        buildControl(d, w.self, w.root);
    *outWindow = refOf<WindowRef>(w.self);
    return noErr;
}
