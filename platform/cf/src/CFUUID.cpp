// UUIDs: sixteen bytes, parsed from and printed as the 8-4-4-4-12 text form.
#include "CFInternal.h"

#include <cstring>

namespace {

std::string uuidText(const CFUUIDBytes &b)
{
    const UInt8 *p = &b.byte0;
    char buf[40];
    snprintf(buf, sizeof buf, "%02X%02X%02X%02X-%02X%02X-%02X%02X-%02X%02X-%02X%02X%02X%02X%02X%02X", p[0], p[1], p[2],
             p[3], p[4], p[5], p[6], p[7], p[8], p[9], p[10], p[11], p[12], p[13], p[14], p[15]);
    return buf;
}

} // namespace

bool __CFUUID::equals(const CFObject &other) const
{
    return memcmp(&bytes, &static_cast<const __CFUUID &>(other).bytes, sizeof bytes) == 0;
}

CFHashCode __CFUUID::hash() const
{
    uint64_t a, b;
    memcpy(&a, &bytes.byte0, 8);
    memcpy(&b, &bytes.byte8, 8);
    return CFHashCode(a ^ (b * 31));
}

std::u16string __CFUUID::describe() const
{
    return cfFromUTF8(uuidText(bytes));
}

CFTypeID CFUUIDGetTypeID(void)
{
    return kCFTypeIDUUID;
}

CFUUIDRef CFUUIDCreateFromString(CFAllocatorRef, CFStringRef uuidStr)
{
    const __CFString *s = cfString(uuidStr);
    if (!s || s->text.size() != 36)
        return nullptr;
    CFUUIDBytes b{};
    UInt8 *out = &b.byte0;
    size_t n = 0;
    for (size_t i = 0; i < 36;) {
        if (i == 8 || i == 13 || i == 18 || i == 23) {
            if (s->text[i] != u'-')
                return nullptr;
            ++i;
            continue;
        }
        int h = HexDigitValue(s->text[i]), l = HexDigitValue(s->text[i + 1]);
        if (h < 0 || l < 0)
            return nullptr;
        out[n++] = UInt8(h * 16 + l);
        i += 2;
    }
    return new __CFUUID(b);
}

CFUUIDRef CFUUIDCreateFromUUIDBytes(CFAllocatorRef, CFUUIDBytes bytes)
{
    return new __CFUUID(bytes);
}

// One immortal object per distinct value, kept for the process.
CFUUIDRef CFUUIDGetConstantUUIDWithBytes(CFAllocatorRef, UInt8 b0, UInt8 b1, UInt8 b2, UInt8 b3, UInt8 b4, UInt8 b5,
                                         UInt8 b6, UInt8 b7, UInt8 b8, UInt8 b9, UInt8 b10, UInt8 b11, UInt8 b12,
                                         UInt8 b13, UInt8 b14, UInt8 b15)
{
    static auto *table = new std::map<std::string, __CFUUID *>();
    CFUUIDBytes b{b0, b1, b2, b3, b4, b5, b6, b7, b8, b9, b10, b11, b12, b13, b14, b15};
    std::string key(reinterpret_cast<const char *>(&b), sizeof b);
    auto it = table->find(key);
    if (it != table->end())
        return it->second;
    auto *u = new __CFUUID(b, true);
    table->emplace(key, u);
    return u;
}

CFUUIDBytes CFUUIDGetUUIDBytes(CFUUIDRef uuid)
{
    const __CFUUID *u = cfUUID(uuid);
    return u ? u->bytes : CFUUIDBytes{};
}

CFStringRef CFUUIDCreateString(CFAllocatorRef, CFUUIDRef uuid)
{
    const __CFUUID *u = cfUUID(uuid);
    return u ? cfMakeString(cfFromUTF8(uuidText(u->bytes))) : nullptr;
}
