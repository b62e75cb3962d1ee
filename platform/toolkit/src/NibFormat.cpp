// Reads the toolkit's resource files: Contents/Resources/<name>.nib.plist of
// a bundle (or the same in the development region's .lproj folder), an XML
// property list of this shape:
//
//   <dict>
//     <key>Windows</key>
//     <dict>                              windows by name
//       <key>MainWindow</key>
//       <dict>
//         Bounds    array of 4 integers: top, left, bottom, right of the
//                   content area in screen coordinates (required)
//         Title     string (optional)
//         Visible   boolean (optional, false: windows start hidden)
//         Controls  array of controls, embedded in the window's root control
//                   in this order (optional)
//       </dict>
//     </dict>
//   </dict>
//
// A control is a dictionary:
//   Kind       string: push, cbox, popb, tabs, upan, grpb, stxt, eutx, datb
//              (push button, check box, popup button, tab control, user pane,
//              group box, static text, edit field, list view; required)
//   Signature  string of four characters, and
//   ID         integer: the control ID (both optional, 0 when absent)
//   Name       string: the name hosts and tests find it by (optional)
//   Bounds     array of 4 integers: top, left, bottom, right in the window's
//              content coordinates (optional, all 0)
//   Title      string (optional)
//   Value, Minimum, Maximum   integers (optional; the kind's defaults: check
//              box 0..1, popup 1..number of Items, tab control 1..number of
//              Tabs, others 0..0, value 1 for popups and tab controls, else
//              0; the value is clamped into the range)
//   Visible, Enabled          booleans (optional, true)
//   Items      array of strings: the popup's menu (popb only)
//   Tabs       array of strings: the tab labels (tabs only)
//   Children   array of controls embedded in this one (optional)
//
// Keys not listed are ignored.  Anything else that does not fit (a known key
// with a value of the wrong type, a number outside its range, an unknown
// kind, controls nested deeper than 32) makes the whole file malformed.
#include "NibFormat.h"

#include <climits>
#include <cstring>

namespace tk {

namespace {

constexpr int kMaxDepth = 32;

// Kinds as written in the file.
constexpr struct {
    const char *text;
    OSType kind;
} kKindNames[] = {
    {"push", kControlKindPushButton}, {"cbox", kControlKindCheckBox},      {"popb", kControlKindPopupButton},
    {"tabs", kControlKindTabs},       {"upan", kControlKindUserPane},      {"grpb", kControlKindGroupBox},
    {"stxt", kControlKindStaticText}, {"eutx", kControlKindEditUnicodeText}, {"datb", kControlKindDataBrowser},
};

// The value under key when it has the type; *ok turns false when the key is
// present with another type.
CFTypeRef typedValue(CFDictionaryRef dict, const char *key, CFTypeID type, bool *ok)
{
    CFStringRef k = CFStringCreateWithCString(kCFAllocatorDefault, key, kCFStringEncodingUTF8);
    CFTypeRef v = k ? CFDictionaryGetValue(dict, k) : nullptr;
    if (k)
        CFRelease(k);
    if (v && CFGetTypeID(v) != type) {
        *ok = false;
        return nullptr;
    }
    return v;
}

// Reads an optional string; false when it is not one or is not valid text.
bool readString(CFDictionaryRef dict, const char *key, std::string *out, bool *present = nullptr)
{
    bool ok = true;
    auto s = static_cast<CFStringRef>(typedValue(dict, key, CFStringGetTypeID(), &ok));
    if (present)
        *present = s != nullptr;
    if (s)
        *out = utf8Of(s);
    return ok;
}

// Reads an integer within lo..hi from a CF number.
bool numberIn(CFTypeRef v, long long lo, long long hi, long long *out)
{
    if (!v || CFGetTypeID(v) != CFNumberGetTypeID() || CFNumberIsFloatType(static_cast<CFNumberRef>(v)))
        return false;
    SInt64 n = 0;
    if (!CFNumberGetValue(static_cast<CFNumberRef>(v), kCFNumberSInt64Type, &n) || n < lo || n > hi)
        return false;
    *out = n;
    return true;
}

// Reads an optional 32-bit integer.
bool readInt32(CFDictionaryRef dict, const char *key, SInt32 *out, bool *present)
{
    bool ok = true;
    CFTypeRef v = typedValue(dict, key, CFNumberGetTypeID(), &ok);
    *present = v != nullptr;
    if (!ok || !v)
        return ok;
    long long n;
    if (!numberIn(v, INT32_MIN, INT32_MAX, &n))
        return false;
    *out = SInt32(n);
    return true;
}

// Reads an optional boolean.
bool readBool(CFDictionaryRef dict, const char *key, bool *out)
{
    bool ok = true;
    auto b = static_cast<CFBooleanRef>(typedValue(dict, key, CFBooleanGetTypeID(), &ok));
    if (b)
        *out = CFBooleanGetValue(b);
    return ok;
}

// Reads a rectangle written as [top, left, bottom, right].
bool readRect(CFDictionaryRef dict, const char *key, Rect *out, bool *present)
{
    bool ok = true;
    auto a = static_cast<CFArrayRef>(typedValue(dict, key, CFArrayGetTypeID(), &ok));
    *present = a != nullptr;
    if (!ok || !a)
        return ok;
    if (CFArrayGetCount(a) != 4)
        return false;
    long long v[4];
    for (CFIndex i = 0; i < 4; ++i)
        if (!numberIn(CFArrayGetValueAtIndex(a, i), SHRT_MIN, SHRT_MAX, &v[i]))
            return false;
    *out = {SInt16(v[0]), SInt16(v[1]), SInt16(v[2]), SInt16(v[3])};
    return true;
}

// Reads an optional array of strings.
bool readStrings(CFDictionaryRef dict, const char *key, std::vector<std::string> *out, bool *present)
{
    bool ok = true;
    auto a = static_cast<CFArrayRef>(typedValue(dict, key, CFArrayGetTypeID(), &ok));
    *present = a != nullptr;
    if (!ok || !a)
        return ok;
    for (CFIndex i = 0, n = CFArrayGetCount(a); i < n; ++i) {
        CFTypeRef s = CFArrayGetValueAtIndex(a, i);
        if (!s || CFGetTypeID(s) != CFStringGetTypeID())
            return false;
        out->push_back(utf8Of(static_cast<CFStringRef>(s)));
    }
    return true;
}

bool readControls(CFDictionaryRef dict, const char *key, std::vector<NibControl> *out, int depth);

// Reads one control and, below it, its children.
bool readControl(CFTypeRef v, NibControl *c, int depth)
{
    if (!v || CFGetTypeID(v) != CFDictionaryGetTypeID() || depth > kMaxDepth)
        return false;
    auto dict = static_cast<CFDictionaryRef>(v);

    std::string kind, signature;
    bool hasKind = false, hasSignature = false, present = false;
    if (!readString(dict, "Kind", &kind, &hasKind) || !hasKind)
        return false;
    for (const auto &k : kKindNames)
        if (kind == k.text)
            c->kind = k.kind;
    if (!c->kind)
        return false;

    if (!readString(dict, "Signature", &signature, &hasSignature) || (hasSignature && signature.size() != 4))
        return false;
    if (hasSignature)
        c->id.signature = (OSType(UInt8(signature[0])) << 24) | (OSType(UInt8(signature[1])) << 16) |
                          (OSType(UInt8(signature[2])) << 8) | OSType(UInt8(signature[3]));
    bool hasItems = false, hasTabs = false;
    if (!readInt32(dict, "ID", &c->id.id, &present) || !readString(dict, "Name", &c->name) ||
        !readRect(dict, "Bounds", &c->bounds, &present) || !readString(dict, "Title", &c->title) ||
        !readInt32(dict, "Value", &c->value, &c->hasValue) ||
        !readInt32(dict, "Minimum", &c->minimum, &c->hasMinimum) ||
        !readInt32(dict, "Maximum", &c->maximum, &c->hasMaximum) || !readBool(dict, "Visible", &c->visible) ||
        !readBool(dict, "Enabled", &c->enabled) || !readStrings(dict, "Items", &c->items, &hasItems) ||
        !readStrings(dict, "Tabs", &c->tabs, &hasTabs))
        return false;
    if ((hasItems && c->kind != kControlKindPopupButton) || (hasTabs && c->kind != kControlKindTabs))
        return false;
    return readControls(dict, "Children", &c->children, depth + 1);
}

// Reads an optional array of controls.
bool readControls(CFDictionaryRef dict, const char *key, std::vector<NibControl> *out, int depth)
{
    bool ok = true;
    auto a = static_cast<CFArrayRef>(typedValue(dict, key, CFArrayGetTypeID(), &ok));
    if (!ok || !a)
        return ok;
    CFIndex n = CFArrayGetCount(a);
    out->resize(size_t(n));
    for (CFIndex i = 0; i < n; ++i)
        if (!readControl(CFArrayGetValueAtIndex(a, i), &(*out)[size_t(i)], depth))
            return false;
    return true;
}

// Reads one window.
bool readWindow(CFStringRef name, CFTypeRef v, NibWindow *w)
{
    if (!name || CFGetTypeID(name) != CFStringGetTypeID() || !v || CFGetTypeID(v) != CFDictionaryGetTypeID())
        return false;
    auto dict = static_cast<CFDictionaryRef>(v);
    w->name = utf8Of(name);
    bool hasBounds = false;
    return readRect(dict, "Bounds", &w->content, &hasBounds) && hasBounds && readString(dict, "Title", &w->title) &&
           readBool(dict, "Visible", &w->visible) && readControls(dict, "Controls", &w->controls, 1);
}

} // namespace

// Parses a resource file's property list into nib; false when it does not
// have the shape above.
bool parseNib(CFPropertyListRef plist, Nib *nib)
{
    if (!plist || CFGetTypeID(plist) != CFDictionaryGetTypeID())
        return false;
    bool ok = true;
    auto windows = static_cast<CFDictionaryRef>(
        typedValue(static_cast<CFDictionaryRef>(plist), "Windows", CFDictionaryGetTypeID(), &ok));
    if (!windows)
        return false;
    CFIndex n = CFDictionaryGetCount(windows);
    std::vector<const void *> keys(static_cast<size_t>(n)), values(static_cast<size_t>(n));
    CFDictionaryGetKeysAndValues(windows, keys.data(), values.data());
    nib->windows.resize(size_t(n));
    for (CFIndex i = 0; i < n; ++i)
        if (!readWindow(static_cast<CFStringRef>(keys[size_t(i)]), values[size_t(i)], &nib->windows[size_t(i)]))
            return false;
    return true;
}

} // namespace tk
