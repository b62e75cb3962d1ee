// Reading the profile lists from the list file.
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "ProfileFileInternal.h"

namespace {

// Releases a CF object when it goes out of scope.
struct CFReleaser {
    void operator()(CFTypeRef object) const
    {
        if (object != nullptr)
            CFRelease(object);
    }
};
using CFHolder = std::unique_ptr<const void, CFReleaser>;

// The value under key when it is a dictionary, else null (not retained).
CFDictionaryRef GetDictionaryValue(CFDictionaryRef dict, const char *key)
{
    CFStringRef name = CFStringCreateWithCString(kCFAllocatorDefault, key, kCFStringEncodingUTF8);
    if (name == nullptr)
        return nullptr;
    CFTypeRef value = CFDictionaryGetValue(dict, name);
    CFRelease(name);
    if (value == nullptr || CFGetTypeID(value) != CFDictionaryGetTypeID())
        return nullptr;
    return static_cast<CFDictionaryRef>(value);
}

// A class dictionary and its six sub-dictionaries, not retained.
struct ClassDictionaries {
    CFDictionaryRef classDict;
    CFDictionaryRef fields[kProfileStoredFieldCount];
};

// Finds the class dictionary of type and its six sub-dictionaries; false
// when any of them is missing or not a dictionary.
bool bFindClassDictionaries(CFDictionaryRef top, SInt32 type, ClassDictionaries *found)
{
    found->classDict = GetDictionaryValue(top, kProfileClassKeys[type]);
    if (found->classDict == nullptr)
        return false;
    for (int f = 0; f < kProfileStoredFieldCount; f++) {
        found->fields[f] = GetDictionaryValue(found->classDict, kProfileStoredFields[f].key);
        if (found->fields[f] == nullptr)
            return false;
    }
    return true;
}

// Reads one item of one slot into its field; a missing or unusable item
// leaves the field as it was.
void vReadItem(CFDictionaryRef fieldDict, int field, int slot, ProfileEntry *entry)
{
    const ProfileStoredField &spec = kProfileStoredFields[field];
    char *place = reinterpret_cast<char *>(entry) + spec.offset;
    CFStringRef key = ProfileItemKey(field, slot);
    if (spec.isText)
        ReadDictionaryStringEntry(fieldDict, key, place, kProfileTextSize);
    else
        ReadDictionaryIntEntry(fieldDict, key, reinterpret_cast<SInt32 *>(place));
}

// Reads every slot and the count of one class into list, then runs the
// count check.
void vReadClass(const ClassDictionaries &dicts, ProfileList *list)
{
    for (int slot = 0; slot < kProfileListSlots; slot++) {
        for (int f = 0; f < kProfileStoredFieldCount; f++)
            vReadItem(dicts.fields[f], f, slot, &list->entry[slot]);
    }
    ReadDictionaryIntEntry(dicts.classDict, CFSTR("iNum"), &list->iNum);
    VxPlistCheckWithInMenu_Dict(list);
}

// Reads and parses the current file; its top dictionary (+1), or null when
// the file is missing, unreadable, not a property list or not a dictionary.
CFDictionaryRef CopyTopDictionary()
{
    char path[256];
    if (!VxPListCurrentPath(path, sizeof path))
        return nullptr;
    CFHolder pathString(CFStringCreateWithCString(kCFAllocatorDefault, path, kCFStringEncodingUTF8));
    if (!pathString)
        return nullptr;
    CFHolder url(CFURLCreateWithFileSystemPath(kCFAllocatorDefault, static_cast<CFStringRef>(pathString.get()),
                                               kCFURLPOSIXPathStyle, false));
    if (!url)
        return nullptr;
    CFDataRef data = nullptr;
    SInt32 error = 0;
    if (!CFURLCreateDataAndPropertiesFromResource(kCFAllocatorDefault, static_cast<CFURLRef>(url.get()), &data,
                                                  nullptr, nullptr, &error) ||
        data == nullptr) {
        if (data != nullptr)
            CFRelease(data);
        return nullptr;
    }
    CFPropertyListRef plist = CFPropertyListCreateFromXMLData(kCFAllocatorDefault, data, kCFPropertyListImmutable,
                                                              nullptr);
    CFRelease(data);
    if (plist == nullptr)
        return nullptr;
    if (CFGetTypeID(plist) != CFDictionaryGetTypeID()) {
        CFRelease(plist);
        return nullptr;
    }
    return static_cast<CFDictionaryRef>(plist);
}

// Length of the longest prefix of text (length bytes of valid UTF-8) that
// fits in limit bytes without splitting a character.
size_t Utf8PrefixLength(const char *text, size_t length, size_t limit)
{
    if (length <= limit)
        return length;
    size_t cut = limit;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        cut--;
    return cut;
}

} // namespace

// Reads an integer item into *value: true when the item is an integer that
// fits in 32 bits; anything else leaves *value alone.
Boolean ReadDictionaryIntEntry(CFDictionaryRef dict, CFStringRef key, SInt32 *value)
{
    if (dict == nullptr || key == nullptr || value == nullptr)
        return false;
    CFTypeRef item = CFDictionaryGetValue(dict, key);
    if (item == nullptr || CFGetTypeID(item) != CFNumberGetTypeID())
        return false;
    CFNumberRef number = static_cast<CFNumberRef>(item);
    if (CFNumberIsFloatType(number))
        return false;
    SInt64 wide = 0;
    if (!CFNumberGetValue(number, kCFNumberSInt64Type, &wide))
        return false;
    if (wide < INT32_MIN || wide > INT32_MAX)
        return false;
    *value = static_cast<SInt32>(wide);
    return true;
}

// Reads a string item as UTF-8 into field: at most fieldSize - 1 bytes, cut
// at a character boundary and at any embedded NUL, zero-filled behind the
// text.  True when the item is a string; anything else leaves field alone.
Boolean ReadDictionaryStringEntry(CFDictionaryRef dict, CFStringRef key, char *field, CFIndex fieldSize)
{
    if (dict == nullptr || key == nullptr || field == nullptr || fieldSize <= 0)
        return false;
    CFTypeRef item = CFDictionaryGetValue(dict, key);
    if (item == nullptr || CFGetTypeID(item) != CFStringGetTypeID())
        return false;
    CFStringRef string = static_cast<CFStringRef>(item);
    std::string converted;
    const char *text = CFStringGetCStringPtr(string, kCFStringEncodingUTF8);
    if (text == nullptr) {
        CFIndex capacity = CFStringGetMaximumSizeForEncoding(CFStringGetLength(string), kCFStringEncodingUTF8) + 1;
        converted.resize(static_cast<size_t>(capacity));
        if (!CFStringGetCString(string, converted.data(), capacity, kCFStringEncodingUTF8))
            return false;
        text = converted.c_str();
    }
    size_t length = std::strlen(text);
    size_t kept = Utf8PrefixLength(text, length, static_cast<size_t>(fieldSize) - 1);
    std::memset(field, 0, static_cast<size_t>(fieldSize));
    std::memcpy(field, text, kept);
    return true;
}

// Reads the three lists; 0, or -1 with none of them touched when the file or
// any class or sub-dictionary is missing.
SInt32 VxPListReadProfile_All(ProfileList *rgb, ProfileList *sim, ProfileList *dst)
{
    vProfileTraceEntry("VxPListReadProfile_All");
    ProfileList *lists[kProfileClassCount] = {rgb, sim, dst};
    for (ProfileList *list : lists) {
        if (list == nullptr)
            return -1;
    }
    CFHolder top(CopyTopDictionary());
    if (!top)
        return -1;
    ClassDictionaries dicts[kProfileClassCount];
    for (SInt32 type = 0; type < kProfileClassCount; type++) {
        if (!bFindClassDictionaries(static_cast<CFDictionaryRef>(top.get()), type, &dicts[type]))
            return -1;
    }
    for (SInt32 type = 0; type < kProfileClassCount; type++)
        vReadClass(dicts[type], lists[type]);
    return 0;
}

// Reads the list of one class; 0, or -1 with list untouched when the file,
// the class or one of its sub-dictionaries is missing or type is unknown.
SInt32 VxPListReadProfile_Dict(ProfileList *list, SInt32 type)
{
    vProfileTraceEntry("VxPListReadProfile_Dict");
    if (list == nullptr || type < 0 || type >= kProfileClassCount)
        return -1;
    CFHolder top(CopyTopDictionary());
    if (!top)
        return -1;
    ClassDictionaries dicts;
    if (!bFindClassDictionaries(static_cast<CFDictionaryRef>(top.get()), type, &dicts))
        return -1;
    vReadClass(dicts, list);
    return 0;
}
