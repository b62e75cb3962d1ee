// The plug-in's entry: the factory the loader calls, the IUnknown object it
// returns, and the print dialog extension interface records.
#include <cstdlib>

#include "DebugMessage.h"
#include "PluginShell.h"

namespace {

struct FactoryInstanceRecord {
    const IUnknownVTbl *vtable;
    SInt32 refCount;
    CFUUIDRef factoryID;
};

struct PDEInterfaceRecord {
    const PDEPluginInterface *vtable;
    SInt32 refCount;
};

HRESULT MyQueryInterface(void *obj, REFIID iid, LPVOID *ppv);
ULONG MyIUnknownRetain(void *obj);
ULONG MyIUnknownRelease(void *obj);
OSStatus MyPMRetain(void *obj);
OSStatus MyPMRelease(void **obj);
OSStatus MyPMGetAPIVersion(void *obj, PMPlugInAPIVersion *versionPtr);

const IUnknownVTbl sMyIUnknownVTable = {
    nullptr,
    MyQueryInterface,
    MyIUnknownRetain,
    MyIUnknownRelease,
};

const PDEPluginInterface sMyPDEVTable = {
    {MyPMRetain, MyPMRelease, MyPMGetAPIVersion},
    MyPrologue,
    MyInitialize,
    MySync,
    MyGetSummary,
    MyOpen,
    MyClose,
    MyTerminate,
};

// Answers the PDE interface with a new interface record (count 1), IUnknown
// with the object itself retained, anything else with E_NOINTERFACE.
HRESULT MyQueryInterface(void *obj, REFIID iid, LPVOID *ppv)
{
    HRESULT result = E_UNEXPECTED;
    CFUUIDRef requested = CFUUIDCreateFromUUIDBytes(kCFAllocatorDefault, iid);
    CFUUIDRef pdeID = CFUUIDCreateFromString(kCFAllocatorDefault, CFSTR(kDialogExtensionIntfIDStr));
    if (requested != nullptr && pdeID != nullptr) {
        if (CFEqual(requested, pdeID)) {
            auto *record = static_cast<PDEInterfaceRecord *>(std::malloc(sizeof(PDEInterfaceRecord)));
            if (record != nullptr) {
                record->vtable = &sMyPDEVTable;
                record->refCount = 1;
                *ppv = record;
                result = S_OK;
            }
        } else if (CFEqual(requested, IUnknownUUID)) {
            MyIUnknownRetain(obj);
            *ppv = obj;
            result = S_OK;
        } else {
            *ppv = nullptr;
            result = E_NOINTERFACE;
        }
    }
    if (requested != nullptr)
        CFRelease(requested);
    if (pdeID != nullptr)
        CFRelease(pdeID);
    MyDebugMessage("MyQueryInterface", result);
    return result;
}

// Adds one to the instance's count; returns the new count (1 for null).
ULONG MyIUnknownRetain(void *obj)
{
    auto *record = static_cast<FactoryInstanceRecord *>(obj);
    ULONG count = 1;
    if (record != nullptr)
        count = ++record->refCount;
    MyDebugMessage("MyIUnknownRetain", SInt32(count));
    return count;
}

// Subtracts one; at 0 unregisters the instance and frees it.  Returns the new
// count (0 for null).
ULONG MyIUnknownRelease(void *obj)
{
    auto *record = static_cast<FactoryInstanceRecord *>(obj);
    if (record == nullptr) {
        MyDebugMessage("MyIUnknownRelease", 0);
        return 0;
    }
    SInt32 count = --record->refCount;
    if (count == 0) {
        CFPlugInRemoveInstanceForFactory(record->factoryID);
        CFRelease(record->factoryID);
        std::free(record);
    }
    MyDebugMessage("MyIUnknownRelease", count);
    return ULONG(count);
}

// Adds one to the interface record's count.
OSStatus MyPMRetain(void *obj)
{
    auto *record = static_cast<PDEInterfaceRecord *>(obj);
    SInt32 count = 0;
    if (record != nullptr)
        count = ++record->refCount;
    MyDebugMessage("MyPMRetain", count);
    return noErr;
}

// Clears the caller's reference and subtracts one; at 0 frees the record and
// empties the title and bundle caches.
OSStatus MyPMRelease(void **obj)
{
    if (obj == nullptr)
        return noErr;
    auto *record = static_cast<PDEInterfaceRecord *>(*obj);
    *obj = nullptr;
    SInt32 count = 0;
    if (record != nullptr) {
        count = --record->refCount;
        if (count == 0) {
            std::free(record);
            MyFreeTitle();
            MyFreeBundle();
        }
    }
    MyDebugMessage("MyPMRelease", count);
    return noErr;
}

// Build and base versions 1.0.
OSStatus MyPMGetAPIVersion(void *obj, PMPlugInAPIVersion *versionPtr)
{
    if (versionPtr != nullptr) {
        versionPtr->buildVersionMajor = 1;
        versionPtr->buildVersionMinor = 0;
        versionPtr->baseVersionMajor = 1;
        versionPtr->baseVersionMinor = 0;
    }
    MyDebugMessage("MyPMGetAPIVersion", noErr);
    return noErr;
}

} // namespace

// The factory: finds the first factory the bundle lists for the requested type
// and creates an instance registered for it.  Null when the bundle, its
// "CFPlugInTypes", the type's entry or the factory UUID is missing.
extern "C" __attribute__((visibility("default"))) void *VxPluginFactoryFunction(CFAllocatorRef allocator, CFUUIDRef typeID)
{
    (void) allocator;
    FactoryInstanceRecord *record = nullptr;
    CFBundleRef bundle = MyGetBundle();
    CFTypeRef types = bundle != nullptr ? CFBundleGetValueForInfoDictionaryKey(bundle, CFSTR("CFPlugInTypes")) : nullptr;
    if (types != nullptr && CFGetTypeID(types) == CFDictionaryGetTypeID() && typeID != nullptr) {
        CFStringRef typeString = CFUUIDCreateString(kCFAllocatorDefault, typeID);
        CFTypeRef factories = typeString != nullptr
                                  ? CFDictionaryGetValue(static_cast<CFDictionaryRef>(types), typeString)
                                  : nullptr;
        if (typeString != nullptr)
            CFRelease(typeString);
        CFTypeRef first = nullptr;
        if (factories != nullptr && CFGetTypeID(factories) == CFArrayGetTypeID())
            first = CFArrayGetValueAtIndex(static_cast<CFArrayRef>(factories), 0);
        CFUUIDRef factoryID = nullptr;
        if (first != nullptr && CFGetTypeID(first) == CFStringGetTypeID())
            factoryID = CFUUIDCreateFromString(kCFAllocatorDefault, static_cast<CFStringRef>(first));
        if (factoryID != nullptr) {
            record = static_cast<FactoryInstanceRecord *>(std::malloc(sizeof(FactoryInstanceRecord)));
            if (record == nullptr) {
                CFRelease(factoryID);
            } else {
                record->vtable = &sMyIUnknownVTable;
                record->refCount = 1;
                record->factoryID = factoryID;
                CFPlugInAddInstanceForFactory(factoryID);
            }
        }
    }
    MyDebugMessage("Factory", record != nullptr ? 1 : 0);
    return record;
}
