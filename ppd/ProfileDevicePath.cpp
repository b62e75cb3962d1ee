// Device paths of custom profiles on the printer, and finding a path among the
// listed entries of a profile list.
#include "PPDAccess.h"

#include <algorithm>
#include <cstring>

namespace {

// The folder of a location, or "" for a location without one.
const char *locationPrefix(SInt32 location)
{
    switch (location) {
    case kProfileLocationDisk:
        return kProfileDiskPrefix;
    case kProfileLocationCard:
        return kProfileCardPrefix;
    default:
        return "";
    }
}

} // namespace

// Writes the location's folder and the file name (up to its first NUL, at most
// the field's 32 bytes) into path; returns path.
const char *BuildProfileDevicePath(const ProfileEntry *entry, char path[kProfileDevicePathSize])
{
    path[0] = '\0';
    if (!entry)
        return path;
    const char *prefix = locationPrefix(entry->Location);
    const size_t prefixLength = std::strlen(prefix);
    const size_t nameLength = strnlen(entry->FileName, sizeof entry->FileName);
    static_assert(sizeof(kProfileCardPrefix) - 1 + kProfileTextSize < kProfileDevicePathSize);
    std::memcpy(path, prefix, prefixLength);
    std::memcpy(path + prefixLength, entry->FileName, nameLength);
    path[prefixLength + nameLength] = '\0';
    return path;
}

// Creates entry's device path as a string, or null.
CFStringRef CreateProfileDevicePath(const ProfileEntry *entry)
{
    if (!entry)
        return nullptr;
    char path[kProfileDevicePathSize];
    BuildProfileDevicePath(entry, path);
    CFStringRef string = CFStringCreateWithCString(kCFAllocatorDefault, path, kCFStringEncodingUTF8);
    return string ? string : CFStringCreateWithCString(kCFAllocatorDefault, path, kCFStringEncodingMacRoman);
}

// Position of path among the listed entries of list, or -1.
SInt32 FindAddedProfileKeyPairsMatch(CFStringRef path, const ProfileList *list)
{
    if (!path || !list)
        return -1;
    const SInt32 count = std::clamp<SInt32>(list->iNum, 0, kProfileListSlots);
    SInt32 listed = 0;
    for (SInt32 i = 0; i < count; ++i) {
        const ProfileEntry &entry = list->entry[i];
        if (!bIsListedEntry(entry))
            continue;
        CFStringRef candidate = CreateProfileDevicePath(&entry);
        const bool equal = candidate && CFStringCompare(candidate, path, 0) == kCFCompareEqualTo;
        if (candidate)
            CFRelease(candidate);
        if (equal)
            return listed;
        ++listed;
    }
    return -1;
}
