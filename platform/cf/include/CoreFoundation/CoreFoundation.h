// The Core Foundation subset that the pane and the hosts use: reference-counted
// objects, strings (UTF-16 inside, converted through iconv), numbers, booleans,
// data, arrays, dictionaries, URLs, UUIDs, bundles, plug-in loading and XML
// property lists.  Every object is released with CFRelease; "Create" and "Copy"
// calls hand out a +1 reference, "Get" calls do not.
#pragma once

#include <MacTypes.h>

typedef const void *CFTypeRef;
typedef unsigned long CFTypeID;
typedef long CFIndex;
typedef unsigned long CFHashCode;
typedef unsigned long CFOptionFlags;
typedef UInt32 CFStringEncoding;

typedef const struct __CFAllocator *CFAllocatorRef;
typedef const struct __CFString *CFStringRef;
typedef struct __CFString *CFMutableStringRef;
typedef const struct __CFArray *CFArrayRef;
typedef struct __CFArray *CFMutableArrayRef;
typedef const struct __CFDictionary *CFDictionaryRef;
typedef struct __CFDictionary *CFMutableDictionaryRef;
typedef const struct __CFNumber *CFNumberRef;
typedef const struct __CFBoolean *CFBooleanRef;
typedef const struct __CFData *CFDataRef;
typedef const struct __CFURL *CFURLRef;
typedef const struct __CFUUID *CFUUIDRef;
typedef struct __CFBundle *CFBundleRef;
typedef struct __CFBundle *CFPlugInRef;
typedef CFTypeRef CFPropertyListRef;

struct CFRange {
    CFIndex location;
    CFIndex length;
};
inline CFRange CFRangeMake(CFIndex loc, CFIndex len) { return CFRange{loc, len}; }

enum CFComparisonResult : CFIndex {
    kCFCompareLessThan = -1,
    kCFCompareEqualTo = 0,
    kCFCompareGreaterThan = 1,
};

// Allocators exist only as a parameter; every object uses the C++ heap.
#define kCFAllocatorDefault ((CFAllocatorRef) nullptr)
#define kCFAllocatorSystemDefault ((CFAllocatorRef) nullptr)

// ---- Base -----------------------------------------------------------------
CFTypeRef CFRetain(CFTypeRef cf);
void CFRelease(CFTypeRef cf);
CFIndex CFGetRetainCount(CFTypeRef cf);
CFTypeID CFGetTypeID(CFTypeRef cf);
Boolean CFEqual(CFTypeRef a, CFTypeRef b);
CFHashCode CFHash(CFTypeRef cf);
// Number of CF objects alive in the process (constant strings excluded); tests
// use it to check that retains and releases balance.
CFIndex CFDebugLiveObjectCount(void);

// ---- Strings --------------------------------------------------------------
enum {
    kCFStringEncodingMacRoman = 0,
    kCFStringEncodingMacJapanese = 1,
    kCFStringEncodingWindowsLatin1 = 0x0500,
    kCFStringEncodingISOLatin1 = 0x0201,
    kCFStringEncodingNextStepLatin = 0x0B01,
    kCFStringEncodingASCII = 0x0600,
    kCFStringEncodingUnicode = 0x0100,
    kCFStringEncodingUTF8 = 0x08000100,
    kCFStringEncodingNonLossyASCII = 0x0BFF,
    kCFStringEncodingInvalidId = 0xffffffffU,
};

enum {
    kCFCompareCaseInsensitive = 1,
};

CFTypeID CFStringGetTypeID(void);
// An immortal, interned string for a literal; CFRetain/CFRelease on it are
// harmless.  Use through CFSTR("...").
CFStringRef __CFStringMakeConstantString(const char *cStr);
#define CFSTR(cStr) __CFStringMakeConstantString("" cStr "")

// Null when the bytes are not valid in the encoding.
CFStringRef CFStringCreateWithCString(CFAllocatorRef alloc, const char *cStr, CFStringEncoding encoding);
CFStringRef CFStringCreateWithPascalString(CFAllocatorRef alloc, ConstStr255Param pStr, CFStringEncoding encoding);
CFStringRef CFStringCreateWithBytes(CFAllocatorRef alloc, const UInt8 *bytes, CFIndex numBytes,
                                    CFStringEncoding encoding, Boolean isExternalRepresentation);
CFStringRef CFStringCreateWithCharacters(CFAllocatorRef alloc, const UniChar *chars, CFIndex numChars);
CFStringRef CFStringCreateCopy(CFAllocatorRef alloc, CFStringRef str);
CFMutableStringRef CFStringCreateMutable(CFAllocatorRef alloc, CFIndex maxLength);
CFMutableStringRef CFStringCreateMutableCopy(CFAllocatorRef alloc, CFIndex maxLength, CFStringRef str);
void CFStringAppend(CFMutableStringRef str, CFStringRef appended);
void CFStringAppendCString(CFMutableStringRef str, const char *cStr, CFStringEncoding encoding);
void CFStringAppendCharacters(CFMutableStringRef str, const UniChar *chars, CFIndex numChars);
void CFStringDelete(CFMutableStringRef str, CFRange range);
void CFStringReplaceAll(CFMutableStringRef str, CFStringRef replacement);

// Length and offsets count UTF-16 code units.
CFIndex CFStringGetLength(CFStringRef str);
UniChar CFStringGetCharacterAtIndex(CFStringRef str, CFIndex idx);
void CFStringGetCharacters(CFStringRef str, CFRange range, UniChar *buffer);
// False, with buffer[0] = 0, when the string does not fit (terminator included)
// or cannot be converted.
Boolean CFStringGetCString(CFStringRef str, char *buffer, CFIndex bufferSize, CFStringEncoding encoding);
Boolean CFStringGetPascalString(CFStringRef str, StringPtr buffer, CFIndex bufferSize, CFStringEncoding encoding);
// A pointer into the string's own storage when it already holds the text in
// that encoding (UTF-8 and ASCII), else null.  Valid while the string lives.
const char *CFStringGetCStringPtr(CFStringRef str, CFStringEncoding encoding);
// Converts range into bytes; returns the number of characters converted.
CFIndex CFStringGetBytes(CFStringRef str, CFRange range, CFStringEncoding encoding, UInt8 lossByte,
                         Boolean isExternalRepresentation, UInt8 *buffer, CFIndex maxBufLen, CFIndex *usedBufLen);
CFIndex CFStringGetMaximumSizeForEncoding(CFIndex length, CFStringEncoding encoding);
CFComparisonResult CFStringCompare(CFStringRef a, CFStringRef b, CFOptionFlags options);
Boolean CFStringHasPrefix(CFStringRef str, CFStringRef prefix);
CFStringRef CFStringCreateWithSubstring(CFAllocatorRef alloc, CFStringRef str, CFRange range);
// printf-style format with %s, %d, %ld, %u, %x, %c and %@ (a CF string).
CFStringRef CFStringCreateWithFormat(CFAllocatorRef alloc, CFDictionaryRef formatOptions, CFStringRef format, ...);

// ---- Numbers and booleans -------------------------------------------------
enum CFNumberType : CFIndex {
    kCFNumberSInt8Type = 1,
    kCFNumberSInt16Type = 2,
    kCFNumberSInt32Type = 3,
    kCFNumberSInt64Type = 4,
    kCFNumberFloat32Type = 5,
    kCFNumberFloat64Type = 6,
    kCFNumberCharType = 7,
    kCFNumberShortType = 8,
    kCFNumberIntType = 9,
    kCFNumberLongType = 10,
    kCFNumberLongLongType = 11,
    kCFNumberFloatType = 12,
    kCFNumberDoubleType = 13,
    kCFNumberCFIndexType = 14,
};

CFTypeID CFNumberGetTypeID(void);
CFNumberRef CFNumberCreate(CFAllocatorRef alloc, CFNumberType type, const void *valuePtr);
CFNumberType CFNumberGetType(CFNumberRef number);
Boolean CFNumberIsFloatType(CFNumberRef number);
// False when the value does not fit the requested type (it is still stored,
// truncated, as Core Foundation does).
Boolean CFNumberGetValue(CFNumberRef number, CFNumberType type, void *valuePtr);

CFTypeID CFBooleanGetTypeID(void);
extern const CFBooleanRef kCFBooleanTrue;
extern const CFBooleanRef kCFBooleanFalse;
Boolean CFBooleanGetValue(CFBooleanRef boolean);

// ---- Data -----------------------------------------------------------------
CFTypeID CFDataGetTypeID(void);
CFDataRef CFDataCreate(CFAllocatorRef alloc, const UInt8 *bytes, CFIndex length);
CFIndex CFDataGetLength(CFDataRef data);
const UInt8 *CFDataGetBytePtr(CFDataRef data);
void CFDataGetBytes(CFDataRef data, CFRange range, UInt8 *buffer);

// ---- Arrays ---------------------------------------------------------------
struct CFArrayCallBacks {
    CFIndex version;
    const void *(*retain)(CFAllocatorRef, const void *);
    void (*release)(CFAllocatorRef, const void *);
    CFStringRef (*copyDescription)(const void *);
    Boolean (*equal)(const void *, const void *);
};
// Values are CF objects, retained while in the array.
extern const CFArrayCallBacks kCFTypeArrayCallBacks;

CFTypeID CFArrayGetTypeID(void);
CFArrayRef CFArrayCreate(CFAllocatorRef alloc, const void **values, CFIndex numValues, const CFArrayCallBacks *callBacks);
CFMutableArrayRef CFArrayCreateMutable(CFAllocatorRef alloc, CFIndex capacity, const CFArrayCallBacks *callBacks);
CFIndex CFArrayGetCount(CFArrayRef array);
// Null for an index outside the array.
const void *CFArrayGetValueAtIndex(CFArrayRef array, CFIndex idx);
void CFArrayAppendValue(CFMutableArrayRef array, const void *value);
void CFArraySetValueAtIndex(CFMutableArrayRef array, CFIndex idx, const void *value);
void CFArrayRemoveValueAtIndex(CFMutableArrayRef array, CFIndex idx);
void CFArrayRemoveAllValues(CFMutableArrayRef array);

// ---- Dictionaries ---------------------------------------------------------
struct CFDictionaryKeyCallBacks {
    CFIndex version;
    const void *(*retain)(CFAllocatorRef, const void *);
    void (*release)(CFAllocatorRef, const void *);
    CFStringRef (*copyDescription)(const void *);
    Boolean (*equal)(const void *, const void *);
    CFHashCode (*hash)(const void *);
};
struct CFDictionaryValueCallBacks {
    CFIndex version;
    const void *(*retain)(CFAllocatorRef, const void *);
    void (*release)(CFAllocatorRef, const void *);
    CFStringRef (*copyDescription)(const void *);
    Boolean (*equal)(const void *, const void *);
};
// Keys and values are CF objects, retained while in the dictionary; keys are
// compared with CFEqual.
extern const CFDictionaryKeyCallBacks kCFTypeDictionaryKeyCallBacks;
extern const CFDictionaryKeyCallBacks kCFCopyStringDictionaryKeyCallBacks;
extern const CFDictionaryValueCallBacks kCFTypeDictionaryValueCallBacks;

CFTypeID CFDictionaryGetTypeID(void);
CFDictionaryRef CFDictionaryCreate(CFAllocatorRef alloc, const void **keys, const void **values, CFIndex numValues,
                                   const CFDictionaryKeyCallBacks *keyCallBacks,
                                   const CFDictionaryValueCallBacks *valueCallBacks);
CFMutableDictionaryRef CFDictionaryCreateMutable(CFAllocatorRef alloc, CFIndex capacity,
                                                 const CFDictionaryKeyCallBacks *keyCallBacks,
                                                 const CFDictionaryValueCallBacks *valueCallBacks);
CFMutableDictionaryRef CFDictionaryCreateMutableCopy(CFAllocatorRef alloc, CFIndex capacity, CFDictionaryRef dict);
CFIndex CFDictionaryGetCount(CFDictionaryRef dict);
const void *CFDictionaryGetValue(CFDictionaryRef dict, const void *key);
Boolean CFDictionaryGetValueIfPresent(CFDictionaryRef dict, const void *key, const void **value);
Boolean CFDictionaryContainsKey(CFDictionaryRef dict, const void *key);
// Keys and values in insertion order.
void CFDictionaryGetKeysAndValues(CFDictionaryRef dict, const void **keys, const void **values);
void CFDictionarySetValue(CFMutableDictionaryRef dict, const void *key, const void *value);
void CFDictionaryAddValue(CFMutableDictionaryRef dict, const void *key, const void *value);
void CFDictionaryRemoveValue(CFMutableDictionaryRef dict, const void *key);
void CFDictionaryRemoveAllValues(CFMutableDictionaryRef dict);

// ---- URLs -----------------------------------------------------------------
enum CFURLPathStyle : CFIndex {
    kCFURLPOSIXPathStyle = 0,
};

CFTypeID CFURLGetTypeID(void);
CFURLRef CFURLCreateWithFileSystemPath(CFAllocatorRef alloc, CFStringRef filePath, CFURLPathStyle style, Boolean isDirectory);
CFURLRef CFURLCreateWithString(CFAllocatorRef alloc, CFStringRef urlString, CFURLRef baseURL);
CFURLRef CFURLCreateCopyAppendingPathComponent(CFAllocatorRef alloc, CFURLRef url, CFStringRef component, Boolean isDirectory);
CFStringRef CFURLGetString(CFURLRef url);
// The path of a file URL (percent escapes removed), null for other schemes.
CFStringRef CFURLCopyFileSystemPath(CFURLRef url, CFURLPathStyle style);
Boolean CFURLGetFileSystemRepresentation(CFURLRef url, Boolean resolveAgainstBase, UInt8 *buffer, CFIndex maxBufLen);
// "host" or "host:port" of a URL with an authority ("user@" is dropped), else null.
CFStringRef CFURLCopyNetLocation(CFURLRef url);
CFStringRef CFURLCopyScheme(CFURLRef url);

// Reads the whole file behind a file URL into *data (propertiesToFetch and
// *properties are accepted and left null).  errorCode: 0 or an errno value.
Boolean CFURLCreateDataAndPropertiesFromResource(CFAllocatorRef alloc, CFURLRef url, CFDataRef *resourceData,
                                                 CFDictionaryRef *properties, CFArrayRef desiredProperties,
                                                 SInt32 *errorCode);
// Writes data to the file behind a file URL through a temporary file beside it,
// renamed over the target, so that the target is never left half written.
Boolean CFURLWriteDataAndPropertiesToResource(CFURLRef url, CFDataRef dataToWrite, CFDictionaryRef propertiesToWrite,
                                              SInt32 *errorCode);

// ---- UUIDs ----------------------------------------------------------------
struct CFUUIDBytes {
    UInt8 byte0, byte1, byte2, byte3, byte4, byte5, byte6, byte7;
    UInt8 byte8, byte9, byte10, byte11, byte12, byte13, byte14, byte15;
};

CFTypeID CFUUIDGetTypeID(void);
// Null when the text is not a UUID ("XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX").
CFUUIDRef CFUUIDCreateFromString(CFAllocatorRef alloc, CFStringRef uuidStr);
CFUUIDRef CFUUIDCreateFromUUIDBytes(CFAllocatorRef alloc, CFUUIDBytes bytes);
// Immortal UUID for the given bytes (same object each time).
CFUUIDRef CFUUIDGetConstantUUIDWithBytes(CFAllocatorRef alloc, UInt8 b0, UInt8 b1, UInt8 b2, UInt8 b3, UInt8 b4,
                                         UInt8 b5, UInt8 b6, UInt8 b7, UInt8 b8, UInt8 b9, UInt8 b10, UInt8 b11,
                                         UInt8 b12, UInt8 b13, UInt8 b14, UInt8 b15);
CFUUIDBytes CFUUIDGetUUIDBytes(CFUUIDRef uuid);
// Upper-case text form.
CFStringRef CFUUIDCreateString(CFAllocatorRef alloc, CFUUIDRef uuid);

// ---- Property lists -------------------------------------------------------
enum CFPropertyListMutabilityOptions : CFOptionFlags {
    kCFPropertyListImmutable = 0,
    kCFPropertyListMutableContainers = 1,
    kCFPropertyListMutableContainersAndLeaves = 2,
};

// Parses an XML (or binary) property list; null and, when errorString is given,
// a description on failure.  Strings, numbers (integers as 64-bit, reals as
// double), booleans, data, arrays and dictionaries are supported.
CFPropertyListRef CFPropertyListCreateFromXMLData(CFAllocatorRef alloc, CFDataRef xmlData, CFOptionFlags mutabilityOption,
                                                  CFStringRef *errorString);
// Serialises in the XML property-list format, version 1.0; null when the tree
// holds something that is not a property-list type.
CFDataRef CFPropertyListCreateXMLData(CFAllocatorRef alloc, CFPropertyListRef propertyList);

// ---- Bundles --------------------------------------------------------------
// A bundle is a folder: Contents/Info.plist, Contents/Linux/<CFBundleExecutable>,
// Contents/Resources/ with <lang>.lproj folders.
CFTypeID CFBundleGetTypeID(void);
// Opens (or finds, if already open) the bundle at a folder URL; null when the
// folder has no readable Info.plist.  Open bundles are registered by identifier.
CFBundleRef CFBundleCreate(CFAllocatorRef alloc, CFURLRef bundleURL);
CFBundleRef CFBundleGetBundleWithIdentifier(CFStringRef bundleID);
CFStringRef CFBundleGetIdentifier(CFBundleRef bundle);
CFDictionaryRef CFBundleGetInfoDictionary(CFBundleRef bundle);
CFTypeRef CFBundleGetValueForInfoDictionaryKey(CFBundleRef bundle, CFStringRef key);
CFURLRef CFBundleCopyBundleURL(CFBundleRef bundle);
CFURLRef CFBundleCopyResourcesDirectoryURL(CFBundleRef bundle);
CFURLRef CFBundleCopyExecutableURL(CFBundleRef bundle);
// Resources/<subDir>/<name>.<type>, then the same in the development region's
// .lproj folder; null when neither exists.
CFURLRef CFBundleCopyResourceURL(CFBundleRef bundle, CFStringRef resourceName, CFStringRef resourceType, CFStringRef subDirName);
// Looks key up in Resources/<lang>.lproj/<tableName>.strings (an XML property
// list holding one dictionary; "Localizable" when tableName is null), the
// language being the bundle's CFBundleDevelopmentRegion ("en" if unset).  A
// missing table or key gives value (or key when value is null), retained.
CFStringRef CFBundleCopyLocalizedString(CFBundleRef bundle, CFStringRef key, CFStringRef value, CFStringRef tableName);
Boolean CFBundleLoadExecutable(CFBundleRef bundle);
void *CFBundleGetFunctionPointerForName(CFBundleRef bundle, CFStringRef functionName);

// ---- Plug-ins -------------------------------------------------------------
// A plug-in is a bundle whose Info.plist carries "CFPlugInFactories" (factory
// UUID string -> exported function name) and "CFPlugInTypes" (type UUID string
// -> array of factory UUID strings).
typedef void *(*CFPlugInFactoryFunction)(CFAllocatorRef allocator, CFUUIDRef typeUUID);

CFPlugInRef CFPlugInCreate(CFAllocatorRef alloc, CFURLRef plugInURL);
CFBundleRef CFPlugInGetBundle(CFPlugInRef plugIn);
// Factories of all open plug-ins that declare typeUUID; an array of UUIDs.
CFArrayRef CFPlugInFindFactoriesForPlugInType(CFUUIDRef typeUUID);
// Loads the plug-in's executable, finds the factory's function and calls it.
void *CFPlugInInstanceCreate(CFAllocatorRef alloc, CFUUIDRef factoryUUID, CFUUIDRef typeUUID);
// Instance bookkeeping that a factory does; counted per factory.
void CFPlugInAddInstanceForFactory(CFUUIDRef factoryID);
void CFPlugInRemoveInstanceForFactory(CFUUIDRef factoryID);
CFIndex CFPlugInDebugInstanceCount(CFUUIDRef factoryID);

// ---- COM-style interfaces of plug-ins --------------------------------------
typedef CFUUIDBytes REFIID;
#define S_OK ((HRESULT) 0)
#define E_NOINTERFACE ((HRESULT) 0x80000004)
#define E_UNEXPECTED ((HRESULT) 0x8000FFFF)

#define IUNKNOWN_C_GUTS                                                         \
    void *_reserved;                                                            \
    HRESULT (*QueryInterface)(void *thisPointer, REFIID iid, LPVOID *ppv);      \
    ULONG (*AddRef)(void *thisPointer);                                         \
    ULONG (*Release)(void *thisPointer)

struct IUnknownVTbl {
    IUNKNOWN_C_GUTS;
};

// 00000000-0000-0000-C000-000000000046
#define IUnknownUUID                                                                                                  \
    CFUUIDGetConstantUUIDWithBytes(nullptr, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xC0, 0x00, 0x00, 0x00,  \
                                   0x00, 0x00, 0x00, 0x46)
