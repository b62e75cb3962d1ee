// Writing the profile lists to the list file.
#include <cstring>
#include <memory>

#include "ProfileFileInternal.h"

namespace {

// A new mutable dictionary with CF keys and values.
CFMutableDictionaryRef CreateMutableDictionary()
{
    return CFDictionaryCreateMutable(kCFAllocatorDefault, 0, &kCFTypeDictionaryKeyCallBacks,
                                     &kCFTypeDictionaryValueCallBacks);
}

// Sets dict[key] = value for a C-string key, releasing value; a null value
// (text that is not UTF-8) sets nothing.
void vSetOwnedValue(CFMutableDictionaryRef dict, const char *key, CFTypeRef value)
{
    if (value == nullptr)
        return;
    CFStringRef name = CFStringCreateWithCString(kCFAllocatorDefault, key, kCFStringEncodingUTF8);
    if (name != nullptr) {
        CFDictionarySetValue(dict, name, value);
        CFRelease(name);
    }
    CFRelease(value);
}

// The CF value of one stored field of an entry: a 32-bit number, or the
// text up to its terminator (null when it is not valid UTF-8).
CFTypeRef CreateFieldValue(const ProfileEntry &entry, const ProfileStoredField &field)
{
    const char *place = reinterpret_cast<const char *>(&entry) + field.offset;
    if (field.isText) {
        size_t length = strnlen(place, kProfileTextSize - 1);
        return CFStringCreateWithBytes(kCFAllocatorDefault, reinterpret_cast<const UInt8 *>(place),
                                       static_cast<CFIndex>(length), kCFStringEncodingUTF8, false);
    }
    SInt32 number;
    std::memcpy(&number, place, sizeof number);
    return CFNumberCreate(kCFAllocatorDefault, kCFNumberSInt32Type, &number);
}

// Writes the three lists to the current file; false when it cannot be
// written.
bool bWriteLists(const ProfileList *const lists[kProfileClassCount])
{
    char path[256];
    if (!VxPListCurrentPath(path, sizeof path))
        return false;
    CFMutableDictionaryRef top = CreateMutableDictionary();
    for (SInt32 type = 0; type < kProfileClassCount; type++) {
        CFMutableDictionaryRef classDict = nullptr;
        CFDictionaryRef wrapper =
            CreatePropsDictionary(type, lists[type], &classDict, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
        if (wrapper == nullptr) {
            CFRelease(top);
            return false;
        }
        vSetOwnedValue(top, kProfileClassKeys[type], CFRetain(classDict));
        CFRelease(wrapper);
    }
    SInt32 version = 1;
    vSetOwnedValue(top, "PlistVersion", CFNumberCreate(kCFAllocatorDefault, kCFNumberSInt32Type, &version));

    CFDataRef xml = CFPropertyListCreateXMLData(kCFAllocatorDefault, top);
    CFRelease(top);
    if (xml == nullptr)
        return false;
    bool written = false;
    CFStringRef pathString = CFStringCreateWithCString(kCFAllocatorDefault, path, kCFStringEncodingUTF8);
    if (pathString != nullptr) {
        CFURLRef url = CFURLCreateWithFileSystemPath(kCFAllocatorDefault, pathString, kCFURLPOSIXPathStyle, false);
        if (url != nullptr) {
            SInt32 error = 0;
            written = CFURLWriteDataAndPropertiesToResource(url, xml, nullptr, &error) && error == 0;
            CFRelease(url);
        }
        CFRelease(pathString);
    }
    CFRelease(xml);
    return written;
}

} // namespace

// Builds the class dictionary of one list (six sub-dictionaries of 500 items
// each, and "iNum") and returns a new one-entry dictionary mapping the class
// key to it; null for an unknown class.  The places that are given receive
// the class dictionary and its sub-dictionaries, valid while the result lives.
CFDictionaryRef CreatePropsDictionary(SInt32 type, const ProfileList *list, CFMutableDictionaryRef *classDict,
                                      CFMutableDictionaryRef *indexOnDevice, CFMutableDictionaryRef *inMenu,
                                      CFMutableDictionaryRef *profileClass, CFMutableDictionaryRef *location,
                                      CFMutableDictionaryRef *fileName, CFMutableDictionaryRef *profileName)
{
    vProfileTraceEntry("CreatePropsDictionary");
    if (type < 0 || type >= kProfileClassCount || list == nullptr)
        return nullptr;
    CFMutableDictionaryRef fields[kProfileStoredFieldCount];
    for (CFMutableDictionaryRef &field : fields)
        field = CreateMutableDictionary();
    for (int slot = 0; slot < kProfileListSlots; slot++) {
        for (int f = 0; f < kProfileStoredFieldCount; f++) {
            CFTypeRef value = CreateFieldValue(list->entry[slot], kProfileStoredFields[f]);
            // Text that is not UTF-8 gets no item.
            if (value != nullptr) {
                CFDictionarySetValue(fields[f], ProfileItemKey(f, slot), value);
                CFRelease(value);
            }
        }
    }
    CFMutableDictionaryRef props = CreateMutableDictionary();
    vSetOwnedValue(props, "iNum", CFNumberCreate(kCFAllocatorDefault, kCFNumberSInt32Type, &list->iNum));
    for (int f = 0; f < kProfileStoredFieldCount; f++)
        vSetOwnedValue(props, kProfileStoredFields[f].key, fields[f]);

    CFMutableDictionaryRef wrapper = CreateMutableDictionary();
    vSetOwnedValue(wrapper, kProfileClassKeys[type], props);

    // Hand out borrowed references; the wrapper keeps them alive.
    CFMutableDictionaryRef *places[kProfileStoredFieldCount] = {indexOnDevice, inMenu,   profileClass,
                                                                 location,      fileName, profileName};
    for (int f = 0; f < kProfileStoredFieldCount; f++) {
        if (places[f] != nullptr)
            *places[f] = fields[f];
    }
    if (classDict != nullptr)
        *classDict = props;
    return wrapper;
}

// Writes the three lists, replacing the current file: 0 written, -1 when the
// preferences folder is not writable or the write failed.
SInt32 VxPListWriteProfile_All(const ProfileList *rgb, const ProfileList *sim, const ProfileList *dst)
{
    vProfileTraceEntry("VxPListWriteProfile_All");
    if (rgb == nullptr || sim == nullptr || dst == nullptr)
        return -1;
    bProfileEnsurePreferencesFolder();
    if (!VxPListIsAdminProfile())
        return -1;
    const ProfileList *const lists[kProfileClassCount] = {rgb, sim, dst};
    return bWriteLists(lists) ? 0 : -1;
}

// Replaces the list of one class in the file, keeping the other two, and
// copies the three lists as written into the out buffers that are given.
// The result of the write; 0 without writing for an unknown class.
SInt32 VxPListWriteProfile_Dict(const ProfileList *list, SInt32 type, ProfileList *rgbOut, ProfileList *simOut,
                                ProfileList *dstOut)
{
    vProfileTraceEntry("VxPListWriteProfile_Dict");
    // Copy the given list first: it may be one of the out buffers.
    auto given = std::make_unique<ProfileList>();
    if (list != nullptr)
        *given = *list;
    auto rgb = std::make_unique<ProfileList>();
    auto sim = std::make_unique<ProfileList>();
    auto dst = std::make_unique<ProfileList>();
    ProfileList *stored[kProfileClassCount] = {rgb.get(), sim.get(), dst.get()};
    if (VxPListReadProfile_All(rgb.get(), sim.get(), dst.get()) != 0) {
        // Keep whatever class is still readable rather than wiping it; a
        // failed read leaves its list untouched, so still empty.
        for (SInt32 t = 0; t < kProfileClassCount; t++)
            VxPListReadProfile_Dict(stored[t], t);
    }
    ProfileList *outs[kProfileClassCount] = {rgbOut, simOut, dstOut};
    for (SInt32 t = 0; t < kProfileClassCount; t++) {
        if (outs[t] != nullptr)
            *outs[t] = *stored[t];
    }
    if (type < 0 || type >= kProfileClassCount)
        return 0;
    if (list == nullptr)
        return -1;
    *stored[type] = *given;
    SInt32 result = VxPListWriteProfile_All(rgb.get(), sim.get(), dst.get());
    if (outs[type] != nullptr)
        *outs[type] = *given;
    return result;
}
