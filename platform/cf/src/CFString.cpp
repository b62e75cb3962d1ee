// Strings: UTF-16 text, immutable or mutable, with conversions to and from
// byte encodings and a cached C string for CFStringGetCStringPtr.
#include "CFInternal.h"

#include <algorithm>
#include <cstring>
#include <memory>

bool __CFString::equals(const CFObject &other) const
{
    return text == static_cast<const __CFString &>(other).text;
}

// FNV-1a over the UTF-16 units.
CFHashCode __CFString::hash() const
{
    uint64_t h = 1469598103934665603ULL;
    for (char16_t c : text) {
        h ^= c;
        h *= 1099511628211ULL;
    }
    return CFHashCode(h);
}

CFStringRef cfMakeString(std::u16string text)
{
    return new __CFString(std::move(text));
}

std::string cfStringUTF8(CFTypeRef str)
{
    const __CFString *s = cfString(str);
    return s ? cfToUTF8(s->text) : std::string();
}

namespace {

// Mutable strings only; constants and immutable strings are never changed.
__CFString *mutableString(CFMutableStringRef str)
{
    __CFString *s = cfString(str);
    return (s && s->isMutable && !s->immortal) ? s : nullptr;
}

// Clips a range to [0, length]; false when it starts outside the string.
bool clipRange(CFRange &r, size_t length)
{
    if (r.location < 0 || r.length < 0 || size_t(r.location) > length)
        return false;
    r.length = CFIndex(std::min(size_t(r.length), length - size_t(r.location)));
    return true;
}

char16_t foldCase(char16_t c)
{
    if (c >= u'A' && c <= u'Z')
        return char16_t(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return char16_t(c + 32);
    return c;
}

} // namespace

CFTypeID CFStringGetTypeID(void)
{
    return kCFTypeIDString;
}

// Interned, immortal string for a literal (the table lives for the process).
CFStringRef __CFStringMakeConstantString(const char *cStr)
{
    static auto *table = new std::unordered_map<std::string, __CFString *>();
    std::string key = cStr ? cStr : "";
    auto it = table->find(key);
    if (it != table->end())
        return it->second;
    auto *s = new __CFString(cfFromUTF8(key), false, true);
    table->emplace(key, s);
    return s;
}

CFStringRef CFStringCreateWithCString(CFAllocatorRef, const char *cStr, CFStringEncoding encoding)
{
    if (!cStr)
        return nullptr;
    return CFStringCreateWithBytes(nullptr, reinterpret_cast<const UInt8 *>(cStr), CFIndex(strlen(cStr)), encoding,
                                   false);
}

CFStringRef CFStringCreateWithPascalString(CFAllocatorRef, ConstStr255Param pStr, CFStringEncoding encoding)
{
    if (!pStr)
        return nullptr;
    return CFStringCreateWithBytes(nullptr, pStr + 1, pStr[0], encoding, false);
}

CFStringRef CFStringCreateWithBytes(CFAllocatorRef, const UInt8 *bytes, CFIndex numBytes, CFStringEncoding encoding,
                                    Boolean isExternalRepresentation)
{
    if (numBytes < 0 || (numBytes > 0 && !bytes))
        return nullptr;
    std::u16string text;
    if (!cfDecode(bytes, size_t(numBytes), encoding, isExternalRepresentation, text))
        return nullptr;
    return cfMakeString(std::move(text));
}

CFStringRef CFStringCreateWithCharacters(CFAllocatorRef, const UniChar *chars, CFIndex numChars)
{
    if (numChars < 0 || (numChars > 0 && !chars))
        return nullptr;
    return cfMakeString(std::u16string(reinterpret_cast<const char16_t *>(chars), size_t(numChars)));
}

// Constants are shared; any other string is copied into a new immutable one.
CFStringRef CFStringCreateCopy(CFAllocatorRef, CFStringRef str)
{
    const __CFString *s = cfString(str);
    if (!s)
        return nullptr;
    if (s->immortal)
        return str;
    return cfMakeString(s->text);
}

CFMutableStringRef CFStringCreateMutable(CFAllocatorRef, CFIndex)
{
    return new __CFString(u"", true);
}

CFMutableStringRef CFStringCreateMutableCopy(CFAllocatorRef, CFIndex, CFStringRef str)
{
    const __CFString *s = cfString(str);
    return new __CFString(s ? s->text : u"", true);
}

void CFStringAppend(CFMutableStringRef str, CFStringRef appended)
{
    __CFString *s = mutableString(str);
    const __CFString *a = cfString(appended);
    if (s && a) {
        s->text += a->text;
        s->changed();
    }
}

// Appends nothing when the C string is not valid in the encoding.
void CFStringAppendCString(CFMutableStringRef str, const char *cStr, CFStringEncoding encoding)
{
    __CFString *s = mutableString(str);
    std::u16string text;
    if (s && cStr && cfDecode(reinterpret_cast<const UInt8 *>(cStr), strlen(cStr), encoding, false, text)) {
        s->text += text;
        s->changed();
    }
}

void CFStringAppendCharacters(CFMutableStringRef str, const UniChar *chars, CFIndex numChars)
{
    __CFString *s = mutableString(str);
    if (s && chars && numChars > 0) {
        s->text.append(reinterpret_cast<const char16_t *>(chars), size_t(numChars));
        s->changed();
    }
}

void CFStringDelete(CFMutableStringRef str, CFRange range)
{
    __CFString *s = mutableString(str);
    if (s && clipRange(range, s->text.size())) {
        s->text.erase(size_t(range.location), size_t(range.length));
        s->changed();
    }
}

void CFStringReplaceAll(CFMutableStringRef str, CFStringRef replacement)
{
    __CFString *s = mutableString(str);
    const __CFString *r = cfString(replacement);
    if (s && r) {
        s->text = r->text; // a copy first, so that replacing with itself is safe
        s->changed();
    }
}

CFIndex CFStringGetLength(CFStringRef str)
{
    const __CFString *s = cfString(str);
    return s ? CFIndex(s->text.size()) : 0;
}

// The UTF-16 unit at idx; 0 outside the string.
UniChar CFStringGetCharacterAtIndex(CFStringRef str, CFIndex idx)
{
    const __CFString *s = cfString(str);
    if (!s || idx < 0 || size_t(idx) >= s->text.size())
        return 0;
    return s->text[size_t(idx)];
}

// Copies the units of range (clipped to the string) into buffer.
void CFStringGetCharacters(CFStringRef str, CFRange range, UniChar *buffer)
{
    const __CFString *s = cfString(str);
    if (!s || !buffer || !clipRange(range, s->text.size()))
        return;
    memcpy(buffer, s->text.data() + range.location, size_t(range.length) * sizeof(UniChar));
}

Boolean CFStringGetCString(CFStringRef str, char *buffer, CFIndex bufferSize, CFStringEncoding encoding)
{
    if (!buffer || bufferSize <= 0)
        return false;
    buffer[0] = 0;
    const __CFString *s = cfString(str);
    std::string bytes;
    if (!s || !cfEncode(s->text, encoding, bytes) || CFIndex(bytes.size()) >= bufferSize)
        return false;
    memcpy(buffer, bytes.data(), bytes.size());
    buffer[bytes.size()] = 0;
    return true;
}

// Length byte and text; false (and an empty string) when it exceeds 255 bytes
// or bufferSize.
Boolean CFStringGetPascalString(CFStringRef str, StringPtr buffer, CFIndex bufferSize, CFStringEncoding encoding)
{
    if (!buffer || bufferSize <= 0)
        return false;
    buffer[0] = 0;
    const __CFString *s = cfString(str);
    std::string bytes;
    if (!s || !cfEncode(s->text, encoding, bytes) || bytes.size() > 255 || CFIndex(bytes.size()) + 1 > bufferSize)
        return false;
    buffer[0] = UInt8(bytes.size());
    memcpy(buffer + 1, bytes.data(), bytes.size());
    return true;
}

// The cached UTF-8 form; for ASCII only when every character is below 128.
const char *CFStringGetCStringPtr(CFStringRef str, CFStringEncoding encoding)
{
    const __CFString *s = cfString(str);
    if (!s || (encoding != kCFStringEncodingUTF8 && encoding != kCFStringEncodingASCII))
        return nullptr;
    if (!s->cacheValid) {
        if (!cfEncode(s->text, kCFStringEncodingUTF8, s->cache))
            return nullptr;
        s->cacheValid = true;
    }
    if (encoding == kCFStringEncodingASCII && s->cache.size() != s->text.size())
        return nullptr; // some character took more than one byte
    return s->cache.c_str();
}

// Converts character by character so that a character without a form in the
// encoding becomes lossByte (or ends the conversion when lossByte is 0), and
// so that conversion stops before the buffer would overflow.
CFIndex CFStringGetBytes(CFStringRef str, CFRange range, CFStringEncoding encoding, UInt8 lossByte,
                         Boolean isExternalRepresentation, UInt8 *buffer, CFIndex maxBufLen, CFIndex *usedBufLen)
{
    if (usedBufLen)
        *usedBufLen = 0;
    const __CFString *s = cfString(str);
    if (!s || !clipRange(range, s->text.size()))
        return 0;
    CFIndex used = 0;
    auto put = [&](const std::string &bytes) {
        if (buffer) {
            if (used + CFIndex(bytes.size()) > maxBufLen)
                return false;
            memcpy(buffer + used, bytes.data(), bytes.size());
        }
        used += CFIndex(bytes.size());
        return true;
    };
    if (isExternalRepresentation && encoding == kCFStringEncodingUnicode) {
        const char16_t bom = 0xFEFF;
        if (!put(std::string(reinterpret_cast<const char *>(&bom), 2)))
            return 0;
    }
    CFIndex converted = 0;
    const char16_t *p = s->text.data() + range.location;
    CFIndex end = range.length;
    while (converted < end) {
        size_t n = 1;
        if (p[converted] >= 0xD800 && p[converted] < 0xDC00 && converted + 1 < end && p[converted + 1] >= 0xDC00 &&
            p[converted + 1] < 0xE000)
            n = 2;
        std::string bytes;
        if (!cfEncodeChar(p + converted, n, encoding, bytes)) {
            if (!lossByte)
                break;
            bytes.assign(1, char(lossByte));
        }
        if (!put(bytes))
            break;
        converted += CFIndex(n);
    }
    if (usedBufLen)
        *usedBufLen = used;
    return converted;
}

// Worst-case bytes for length UTF-16 units in the encoding; -1 when unknown.
CFIndex CFStringGetMaximumSizeForEncoding(CFIndex length, CFStringEncoding encoding)
{
    switch (encoding) {
    case kCFStringEncodingUTF8:
        return length * 3;
    case kCFStringEncodingUnicode:
    case kCFStringEncodingMacJapanese:
        return length * 2;
    case kCFStringEncodingNonLossyASCII:
        return length * 6;
    case kCFStringEncodingMacRoman:
    case kCFStringEncodingWindowsLatin1:
    case kCFStringEncodingISOLatin1:
    case kCFStringEncodingNextStepLatin:
    case kCFStringEncodingASCII:
        return length;
    default:
        return -1;
    }
}

// Compares UTF-16 units; kCFCompareCaseInsensitive folds ASCII and Latin 1
// letters.  A null string sorts before any other.
CFComparisonResult CFStringCompare(CFStringRef a, CFStringRef b, CFOptionFlags options)
{
    const __CFString *x = cfString(a), *y = cfString(b);
    if (!x || !y)
        return x == y ? kCFCompareEqualTo : (x ? kCFCompareGreaterThan : kCFCompareLessThan);
    size_t n = std::min(x->text.size(), y->text.size());
    for (size_t i = 0; i < n; ++i) {
        char16_t c = x->text[i], d = y->text[i];
        if (options & kCFCompareCaseInsensitive)
            c = foldCase(c), d = foldCase(d);
        if (c != d)
            return c < d ? kCFCompareLessThan : kCFCompareGreaterThan;
    }
    if (x->text.size() == y->text.size())
        return kCFCompareEqualTo;
    return x->text.size() < y->text.size() ? kCFCompareLessThan : kCFCompareGreaterThan;
}

Boolean CFStringHasPrefix(CFStringRef str, CFStringRef prefix)
{
    const __CFString *s = cfString(str), *p = cfString(prefix);
    return s && p && s->text.compare(0, p->text.size(), p->text) == 0;
}

// Null when the range does not lie inside the string.
CFStringRef CFStringCreateWithSubstring(CFAllocatorRef, CFStringRef str, CFRange range)
{
    const __CFString *s = cfString(str);
    if (!s || range.location < 0 || range.length < 0 || size_t(range.location) > s->text.size() ||
        size_t(range.length) > s->text.size() - size_t(range.location))
        return nullptr;
    return cfMakeString(s->text.substr(size_t(range.location), size_t(range.length)));
}
