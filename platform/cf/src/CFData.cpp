// Immutable byte buffers.
#include "CFInternal.h"

#include <cstring>

bool __CFData::equals(const CFObject &other) const
{
    return bytes == static_cast<const __CFData &>(other).bytes;
}

// FNV-1a over at most the first 80 bytes: enough to spread, cheap for big data.
CFHashCode __CFData::hash() const
{
    uint64_t h = 1469598103934665603ULL ^ bytes.size();
    for (size_t i = 0; i < bytes.size() && i < 80; ++i) {
        h ^= bytes[i];
        h *= 1099511628211ULL;
    }
    return CFHashCode(h);
}

CFTypeID CFDataGetTypeID(void)
{
    return kCFTypeIDData;
}

// Copies length bytes; null for a negative length or missing bytes.
CFDataRef CFDataCreate(CFAllocatorRef, const UInt8 *bytes, CFIndex length)
{
    if (length < 0 || (length > 0 && !bytes))
        return nullptr;
    auto *d = new __CFData();
    d->bytes.assign(bytes, bytes + length);
    return d;
}

CFIndex CFDataGetLength(CFDataRef data)
{
    const __CFData *d = cfData(data);
    return d ? CFIndex(d->bytes.size()) : 0;
}

// Pointer to the bytes (null when empty).
const UInt8 *CFDataGetBytePtr(CFDataRef data)
{
    const __CFData *d = cfData(data);
    return (d && !d->bytes.empty()) ? d->bytes.data() : nullptr;
}

// Copies range; does nothing when range does not lie inside the data.
void CFDataGetBytes(CFDataRef data, CFRange range, UInt8 *buffer)
{
    const __CFData *d = cfData(data);
    if (!d || !buffer || range.location < 0 || range.length < 0 || size_t(range.location) > d->bytes.size() ||
        size_t(range.length) > d->bytes.size() - size_t(range.location))
        return;
    if (range.length > 0)
        memcpy(buffer, d->bytes.data() + range.location, size_t(range.length));
}
