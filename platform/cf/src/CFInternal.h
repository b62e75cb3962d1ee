// Private object model of the Core Foundation subset: every CF object derives
// from CFObject, which carries the type id and the reference count.
#pragma once

#include <CoreFoundation/CoreFoundation.h>

#include <map>
#include <string>
#include <unordered_map>
#include <vector>

enum : CFTypeID {
    kCFTypeIDString = 1,
    kCFTypeIDNumber,
    kCFTypeIDBoolean,
    kCFTypeIDData,
    kCFTypeIDArray,
    kCFTypeIDDictionary,
    kCFTypeIDURL,
    kCFTypeIDUUID,
    kCFTypeIDBundle,
};

// Base of every CF object.  Immortal objects (constant strings, booleans,
// constant UUIDs, loaded bundles) ignore retain and release and are not
// counted as live.
struct CFObject {
    explicit CFObject(CFTypeID type, bool immortal = false);
    CFObject(const CFObject &) = delete;
    CFObject &operator=(const CFObject &) = delete;
    virtual ~CFObject();

    // Same-type value comparison; CFEqual checks the type ids first.
    virtual bool equals(const CFObject &other) const { return this == &other; }
    virtual CFHashCode hash() const { return CFHashCode(reinterpret_cast<uintptr_t>(this) >> 4); }
    // Text used by %@ in formats.
    virtual std::u16string describe() const;

    // Makes the object live for the rest of the process.
    void makeImmortal();

    CFTypeID typeID;
    CFIndex refCount = 1;
    bool immortal;
};

struct __CFString : CFObject {
    explicit __CFString(std::u16string s, bool isMutable = false, bool immortal = false)
        : CFObject(kCFTypeIDString, immortal), text(std::move(s)), isMutable(isMutable) {}
    bool equals(const CFObject &other) const override;
    CFHashCode hash() const override;
    std::u16string describe() const override { return text; }
    // Call after every change of text: drops the cached C string.
    void changed() { cacheValid = false; }

    std::u16string text;
    bool isMutable;
    mutable std::string cache;
    mutable bool cacheValid = false;
};

struct __CFNumber : CFObject {
    __CFNumber() : CFObject(kCFTypeIDNumber) {}
    bool equals(const CFObject &other) const override;
    CFHashCode hash() const override;
    std::u16string describe() const override;

    CFNumberType type = kCFNumberSInt64Type;
    bool isFloat = false;
    int64_t i = 0;
    double d = 0;
};

struct __CFBoolean : CFObject {
    explicit __CFBoolean(bool v) : CFObject(kCFTypeIDBoolean, true), value(v) {}
    CFHashCode hash() const override { return value ? 1 : 0; }
    std::u16string describe() const override { return value ? u"true" : u"false"; }
    bool value;
};

struct __CFData : CFObject {
    __CFData() : CFObject(kCFTypeIDData) {}
    bool equals(const CFObject &other) const override;
    CFHashCode hash() const override;
    std::vector<UInt8> bytes;
};

struct __CFArray : CFObject {
    explicit __CFArray(const CFArrayCallBacks *cb);
    ~__CFArray() override;
    bool equals(const CFObject &other) const override;
    CFHashCode hash() const override { return CFHashCode(values.size()); }
    std::u16string describe() const override;
    const void *retainValue(const void *v) const;
    void releaseValue(const void *v) const;

    CFArrayCallBacks callBacks{};
    std::vector<const void *> values;
};

struct __CFDictionary : CFObject {
    __CFDictionary(const CFDictionaryKeyCallBacks *kcb, const CFDictionaryValueCallBacks *vcb);
    ~__CFDictionary() override;
    bool equals(const CFObject &other) const override;
    CFHashCode hash() const override { return CFHashCode(entries.size()); }
    std::u16string describe() const override;

    // Index of key in entries, or -1.
    long find(const void *key) const;
    void set(const void *key, const void *value);
    void remove(const void *key);
    void clear();
    CFHashCode hashKey(const void *key) const;
    bool keysEqual(const void *a, const void *b) const;
    bool valuesEqual(const void *a, const void *b) const;

    struct Entry {
        const void *key;
        const void *value;
        CFHashCode hash;
    };
    CFDictionaryKeyCallBacks keyCallBacks{};
    CFDictionaryValueCallBacks valueCallBacks{};
    std::vector<Entry> entries;                       // insertion order
    std::unordered_multimap<CFHashCode, size_t> index; // hash -> position in entries
    void rebuildIndex();
};

struct __CFURL : CFObject {
    explicit __CFURL(std::string s) : CFObject(kCFTypeIDURL), text(std::move(s)) {}
    ~__CFURL() override;
    bool equals(const CFObject &other) const override;
    CFHashCode hash() const override;
    std::u16string describe() const override;

    std::string text; // the whole URL, ASCII with percent escapes
    mutable CFStringRef string = nullptr; // cached for CFURLGetString
};

struct __CFUUID : CFObject {
    explicit __CFUUID(const CFUUIDBytes &b, bool immortal = false) : CFObject(kCFTypeIDUUID, immortal), bytes(b) {}
    bool equals(const CFObject &other) const override;
    CFHashCode hash() const override;
    std::u16string describe() const override;
    CFUUIDBytes bytes;
};

struct __CFBundle : CFObject {
    __CFBundle() : CFObject(kCFTypeIDBundle) {}
    ~__CFBundle() override;

    std::string path;                 // folder, no trailing slash
    CFDictionaryRef info = nullptr;   // Info.plist
    CFStringRef identifier = nullptr; // CFBundleIdentifier, may be null
    void *handle = nullptr;           // dlopen handle once loaded
    std::map<std::string, CFDictionaryRef> tables; // localized string tables read so far
};

// Checked downcasts: null when cf is null or of another type.
const CFObject *cfObject(CFTypeRef cf);
template <typename T> T *cfCast(CFTypeRef cf, CFTypeID type)
{
    const CFObject *o = cfObject(cf);
    return (o && o->typeID == type) ? static_cast<T *>(const_cast<CFObject *>(o)) : nullptr;
}
inline __CFString *cfString(CFTypeRef cf) { return cfCast<__CFString>(cf, kCFTypeIDString); }
inline __CFNumber *cfNumber(CFTypeRef cf) { return cfCast<__CFNumber>(cf, kCFTypeIDNumber); }
inline __CFBoolean *cfBoolean(CFTypeRef cf) { return cfCast<__CFBoolean>(cf, kCFTypeIDBoolean); }
inline __CFData *cfData(CFTypeRef cf) { return cfCast<__CFData>(cf, kCFTypeIDData); }
inline __CFArray *cfArray(CFTypeRef cf) { return cfCast<__CFArray>(cf, kCFTypeIDArray); }
inline __CFDictionary *cfDictionary(CFTypeRef cf) { return cfCast<__CFDictionary>(cf, kCFTypeIDDictionary); }
inline __CFURL *cfURL(CFTypeRef cf) { return cfCast<__CFURL>(cf, kCFTypeIDURL); }
inline __CFUUID *cfUUID(CFTypeRef cf) { return cfCast<__CFUUID>(cf, kCFTypeIDUUID); }
inline __CFBundle *cfBundle(CFTypeRef cf) { return cfCast<__CFBundle>(cf, kCFTypeIDBundle); }

// ---- Encodings (CFStringEncoding.cpp) ---------------------------------------
// Decodes bytes into UTF-16; false when they are not valid in the encoding or
// the encoding is unknown.
bool cfDecode(const UInt8 *bytes, size_t n, CFStringEncoding enc, bool external, std::u16string &out);
// Encodes UTF-16 into bytes; false when a character has no form in the encoding.
bool cfEncode(const std::u16string &text, CFStringEncoding enc, std::string &out);
// Encodes one code point (one or two UTF-16 units); false when it cannot be.
bool cfEncodeChar(const char16_t *units, size_t n, CFStringEncoding enc, std::string &out);
// UTF-8 helpers built on the above; the from-UTF-8 form falls back to Latin 1.
std::string cfToUTF8(const std::u16string &s);
std::u16string cfFromUTF8(const std::string &s);

// A new string object holding text (+1).
CFStringRef cfMakeString(std::u16string text);
// The text of a CF string as UTF-8 ("" for null or a non-string).
std::string cfStringUTF8(CFTypeRef str);

// Decoded path of a file URL (CFURL.cpp); false for other URLs.
bool cfURLFilePath(CFURLRef url, std::string &path);

// ---- Property lists ----------------------------------------------------------
// Deeper trees are refused rather than risking the stack on hostile input.
constexpr int kCFPropertyListMaxDepth = 256;

// The value of a hexadecimal digit (either case), or -1.
inline int HexDigitValue(UInt32 c)
{
    if (c >= '0' && c <= '9')
        return int(c - '0');
    if (c >= 'a' && c <= 'f')
        return int(c - 'a' + 10);
    if (c >= 'A' && c <= 'F')
        return int(c - 'A' + 10);
    return -1;
}
// Reads an XML property list (CFPropertyListXMLRead.cpp): a new CF tree (+1),
// or null with why set.
CFTypeRef cfReadXMLPropertyList(const UInt8 *bytes, size_t n, std::string &why);
// Writes root as an XML property list into out (CFPropertyListXMLWrite.cpp);
// false when the tree holds a value with no property-list form.
bool cfWriteXMLPropertyList(CFTypeRef root, std::string &out);

// Bundle registry access for plug-ins (CFBundle.cpp).
std::vector<__CFBundle *> cfOpenBundles();
