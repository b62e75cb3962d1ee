// Property lists: the public read and write calls.  XML is read and written
// by CFPropertyListXMLRead.cpp and CFPropertyListXMLWrite.cpp; binary lists
// are read through libplist and converted from its nodes here.
#include "CFInternal.h"

#include <cstdlib>
#include <cstring>
#include <plist/plist.h>

namespace {

struct PlistHolder {
    plist_t node = nullptr;
    ~PlistHolder() { if (node) plist_free(node); }
};

uint64_t readBigEndian(const UInt8 *p, size_t n)
{
    uint64_t v = 0;
    for (size_t i = 0; i < n; ++i)
        v = (v << 8) | p[i];
    return v;
}

// True when a binary list holds a string with a NUL character.  libplist
// aborts the process when it hands out such a string as a dictionary key, so
// these lists are refused before it sees them.  Anything malformed is left for
// libplist to reject.
bool binaryHasNulString(const std::vector<UInt8> &b)
{
    const size_t n = b.size();
    if (n < 8 + 32)
        return false;
    const UInt8 *trailer = b.data() + n - 32;
    size_t offsetSize = trailer[6];
    uint64_t count = readBigEndian(trailer + 8, 8);
    uint64_t table = readBigEndian(trailer + 24, 8);
    if (offsetSize < 1 || offsetSize > 8 || table >= n || count > (n - table) / offsetSize)
        return false;
    for (uint64_t i = 0; i < count; ++i) {
        uint64_t off = readBigEndian(b.data() + table + i * offsetSize, offsetSize);
        if (off >= n)
            continue;
        UInt8 marker = b[off];
        unsigned type = marker >> 4;
        if (type != 5 && type != 6) // ASCII and UTF-16 strings
            continue;
        uint64_t len = marker & 0x0F, pos = off + 1;
        if (len == 0x0F) {
            if (pos >= n || (b[pos] >> 4) != 1)
                continue;
            size_t intSize = size_t(1) << (b[pos] & 0x0F);
            if (intSize > 8 || pos + 1 + intSize > n)
                continue;
            len = readBigEndian(b.data() + pos + 1, intSize);
            pos += 1 + intSize;
        }
        size_t unit = type == 6 ? 2 : 1;
        if (len > (n - pos) / unit)
            continue;
        for (uint64_t k = 0; k < len; ++k) {
            const UInt8 *c = b.data() + pos + k * unit;
            if (c[0] == 0 && (unit == 1 || c[1] == 0))
                return true;
        }
    }
    return false;
}

// Converts a libplist node into a new CF object (+1); null with why set on
// failure.
CFTypeRef fromNode(plist_t node, int depth, std::string &why)
{
    if (depth > kCFPropertyListMaxDepth) {
        why = "property list nested too deeply";
        return nullptr;
    }
    switch (plist_get_node_type(node)) {
    case PLIST_BOOLEAN: {
        uint8_t b = 0;
        plist_get_bool_val(node, &b);
        return b ? kCFBooleanTrue : kCFBooleanFalse;
    }
    case PLIST_UINT: {
        // libplist keeps integers as 64 bits; negative values come back two's
        // complement, which is the signed value we store.
        uint64_t u = 0;
        plist_get_uint_val(node, &u);
        int64_t v = int64_t(u);
        return CFNumberCreate(nullptr, kCFNumberSInt64Type, &v);
    }
    case PLIST_REAL: {
        double d = 0;
        plist_get_real_val(node, &d);
        return CFNumberCreate(nullptr, kCFNumberFloat64Type, &d);
    }
    case PLIST_STRING: {
        // The pointer form: the copying getter aborts on strings holding NUL,
        // which a hostile binary list can carry.
        uint64_t len = 0;
        const char *s = plist_get_string_ptr(node, &len);
        std::u16string text;
        if (!s || !cfDecode(reinterpret_cast<const UInt8 *>(s), size_t(len), kCFStringEncodingUTF8, false, text)) {
            why = "string is not valid UTF-8";
            return nullptr;
        }
        return cfMakeString(std::move(text));
    }
    case PLIST_DATA: {
        char *bytes = nullptr;
        uint64_t len = 0;
        plist_get_data_val(node, &bytes, &len);
        CFDataRef d = CFDataCreate(nullptr, reinterpret_cast<const UInt8 *>(bytes), bytes ? CFIndex(len) : 0);
        free(bytes);
        return d;
    }
    case PLIST_ARRAY: {
        CFMutableArrayRef a = CFArrayCreateMutable(nullptr, 0, &kCFTypeArrayCallBacks);
        uint32_t n = plist_array_get_size(node);
        for (uint32_t i = 0; i < n; ++i) {
            CFTypeRef v = fromNode(plist_array_get_item(node, i), depth + 1, why);
            if (!v) {
                CFRelease(a);
                return nullptr;
            }
            CFArrayAppendValue(a, v);
            CFRelease(v);
        }
        return a;
    }
    case PLIST_DICT: {
        CFMutableDictionaryRef d =
            CFDictionaryCreateMutable(nullptr, 0, &kCFTypeDictionaryKeyCallBacks, &kCFTypeDictionaryValueCallBacks);
        plist_dict_iter it = nullptr;
        plist_dict_new_iter(node, &it);
        bool ok = it != nullptr;
        while (ok) {
            char *key = nullptr;
            plist_t item = nullptr;
            plist_dict_next_item(node, it, &key, &item);
            if (!item) { // no more pairs
                free(key);
                break;
            }
            if (!key) {
                why = "dictionary key missing";
                ok = false;
                break;
            }
            std::u16string keyText;
            bool keyOK = cfDecode(reinterpret_cast<const UInt8 *>(key), strlen(key), kCFStringEncodingUTF8, false,
                                  keyText);
            free(key);
            CFTypeRef v = keyOK ? fromNode(item, depth + 1, why) : nullptr;
            if (!v) {
                if (!keyOK)
                    why = "dictionary key is not valid UTF-8";
                ok = false;
                break;
            }
            CFStringRef k = cfMakeString(std::move(keyText));
            CFDictionarySetValue(d, k, v);
            CFRelease(k);
            CFRelease(v);
        }
        free(it);
        if (!ok) {
            CFRelease(d);
            return nullptr;
        }
        return d;
    }
    default:
        why = "unsupported property list type";
        return nullptr;
    }
}

} // namespace

CFPropertyListRef CFPropertyListCreateFromXMLData(CFAllocatorRef, CFDataRef xmlData, CFOptionFlags,
                                                  CFStringRef *errorString)
{
    if (errorString)
        *errorString = nullptr;
    const __CFData *d = cfData(xmlData);
    std::string why;
    CFTypeRef result = nullptr;
    if (!d || d->bytes.empty()) {
        why = "no property list data";
    } else if (d->bytes.size() > UINT32_MAX) {
        why = "property list data too large";
    } else {
        PlistHolder root; // libplist reads *plist on entry: it must start null
        const char *bytes = reinterpret_cast<const char *>(d->bytes.data());
        uint32_t len = uint32_t(d->bytes.size());
        bool binary = plist_is_binary(bytes, len);
        if (binary && binaryHasNulString(d->bytes))
            why = "string with a NUL character";
        else if (binary)
            plist_from_bin(bytes, len, &root.node);
        else
            result = cfReadXMLPropertyList(d->bytes.data(), d->bytes.size(), why);
        if (root.node)
            result = fromNode(root.node, 0, why);
        else if (binary && why.empty())
            why = "malformed property list";
    }
    if (!result && errorString)
        *errorString = cfMakeString(cfFromUTF8(why));
    return result;
}

CFDataRef CFPropertyListCreateXMLData(CFAllocatorRef, CFPropertyListRef propertyList)
{
    std::string xml;
    if (!cfWriteXMLPropertyList(propertyList, xml))
        return nullptr;
    auto *data = new __CFData();
    data->bytes.assign(xml.begin(), xml.end());
    return data;
}
