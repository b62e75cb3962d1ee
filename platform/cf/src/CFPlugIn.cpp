// Plug-ins: bundles that declare factories ("CFPlugInFactories": factory UUID
// -> exported function) for plug-in types ("CFPlugInTypes": type UUID ->
// factory UUIDs), and the per-factory instance counts.
#include "CFInternal.h"

#include <cstring>

namespace {

// Live instances per factory UUID (its sixteen bytes).
std::map<std::string, CFIndex> &instanceCounts()
{
    static auto *counts = new std::map<std::string, CFIndex>();
    return *counts;
}

std::string uuidKey(CFUUIDRef uuid)
{
    CFUUIDBytes b = CFUUIDGetUUIDBytes(uuid);
    return std::string(reinterpret_cast<const char *>(&b), sizeof b);
}

// True when text is a UUID string equal to uuid (in either letter case).
bool sameUUID(CFTypeRef text, CFUUIDRef uuid)
{
    if (!cfString(text))
        return false;
    CFUUIDRef parsed = CFUUIDCreateFromString(nullptr, static_cast<CFStringRef>(text));
    bool same = parsed && CFEqual(parsed, uuid);
    CFRelease(parsed);
    return same;
}

// The value of a dictionary entry of bundle's info whose UUID key equals uuid.
CFTypeRef lookupByUUID(const __CFBundle *b, CFStringRef dictKey, CFUUIDRef uuid)
{
    const __CFDictionary *d = cfDictionary(CFDictionaryGetValue(b->info, dictKey));
    if (!d)
        return nullptr;
    for (const auto &e : d->entries)
        if (sameUUID(e.key, uuid))
            return e.value;
    return nullptr;
}

} // namespace

// A plug-in is its bundle.
CFPlugInRef CFPlugInCreate(CFAllocatorRef alloc, CFURLRef plugInURL)
{
    return CFBundleCreate(alloc, plugInURL);
}

CFBundleRef CFPlugInGetBundle(CFPlugInRef plugIn)
{
    return cfBundle(plugIn);
}

// UUIDs of the factories that open bundles list for typeUUID (+1 array, empty
// when there are none).
CFArrayRef CFPlugInFindFactoriesForPlugInType(CFUUIDRef typeUUID)
{
    CFMutableArrayRef out = CFArrayCreateMutable(nullptr, 0, &kCFTypeArrayCallBacks);
    if (!cfUUID(typeUUID))
        return out;
    for (__CFBundle *b : cfOpenBundles()) {
        const __CFArray *factories = cfArray(lookupByUUID(b, CFSTR("CFPlugInTypes"), typeUUID));
        if (!factories)
            continue;
        for (const void *f : factories->values) {
            CFUUIDRef uuid = cfString(f) ? CFUUIDCreateFromString(nullptr, static_cast<CFStringRef>(f)) : nullptr;
            if (uuid)
                CFArrayAppendValue(out, uuid);
            CFRelease(uuid);
        }
    }
    return out;
}

// Finds the open bundle that implements factoryUUID, loads it and calls the
// factory function with typeUUID; null when any step fails.
void *CFPlugInInstanceCreate(CFAllocatorRef alloc, CFUUIDRef factoryUUID, CFUUIDRef typeUUID)
{
    if (!cfUUID(factoryUUID))
        return nullptr;
    for (__CFBundle *b : cfOpenBundles()) {
        CFTypeRef name = lookupByUUID(b, CFSTR("CFPlugInFactories"), factoryUUID);
        if (!cfString(name))
            continue;
        if (!CFBundleLoadExecutable(b))
            return nullptr;
        auto factory = reinterpret_cast<CFPlugInFactoryFunction>(
            CFBundleGetFunctionPointerForName(b, static_cast<CFStringRef>(name)));
        return factory ? factory(alloc, typeUUID) : nullptr;
    }
    return nullptr;
}

void CFPlugInAddInstanceForFactory(CFUUIDRef factoryID)
{
    if (cfUUID(factoryID))
        ++instanceCounts()[uuidKey(factoryID)];
}

// Never below zero: an unbalanced remove is ignored.
void CFPlugInRemoveInstanceForFactory(CFUUIDRef factoryID)
{
    if (!cfUUID(factoryID))
        return;
    auto it = instanceCounts().find(uuidKey(factoryID));
    if (it != instanceCounts().end() && --it->second <= 0)
        instanceCounts().erase(it);
}

CFIndex CFPlugInDebugInstanceCount(CFUUIDRef factoryID)
{
    if (!cfUUID(factoryID))
        return 0;
    auto it = instanceCounts().find(uuidKey(factoryID));
    return it == instanceCounts().end() ? 0 : it->second;
}
