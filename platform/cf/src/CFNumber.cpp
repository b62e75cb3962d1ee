// Numbers (a 64-bit integer or a double, with the type they were made from)
// and the two booleans.
#include "CFInternal.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace {

struct NumberTypeInfo {
    CFNumberType type;
    CFNumberType canonical; // the fixed-size type reported by CFNumberGetType
    bool isFloat;
    size_t size;
    bool isSigned;
};

constexpr NumberTypeInfo kNumberTypes[] = {
    {kCFNumberSInt8Type, kCFNumberSInt8Type, false, 1, true},
    {kCFNumberSInt16Type, kCFNumberSInt16Type, false, 2, true},
    {kCFNumberSInt32Type, kCFNumberSInt32Type, false, 4, true},
    {kCFNumberSInt64Type, kCFNumberSInt64Type, false, 8, true},
    {kCFNumberFloat32Type, kCFNumberFloat32Type, true, 4, true},
    {kCFNumberFloat64Type, kCFNumberFloat64Type, true, 8, true},
    {kCFNumberCharType, kCFNumberSInt8Type, false, sizeof(char), true},
    {kCFNumberShortType, kCFNumberSInt16Type, false, sizeof(short), true},
    {kCFNumberIntType, kCFNumberSInt32Type, false, sizeof(int), true},
    {kCFNumberLongType, kCFNumberSInt64Type, false, sizeof(long), true},
    {kCFNumberLongLongType, kCFNumberSInt64Type, false, sizeof(long long), true},
    {kCFNumberFloatType, kCFNumberFloat32Type, true, sizeof(float), true},
    {kCFNumberDoubleType, kCFNumberFloat64Type, true, sizeof(double), true},
    {kCFNumberCFIndexType, kCFNumberSInt64Type, false, sizeof(CFIndex), true},
};

const NumberTypeInfo *numberType(CFNumberType t)
{
    for (const auto &i : kNumberTypes)
        if (i.type == t)
            return &i;
    return nullptr;
}

int64_t readInt(const void *p, size_t size)
{
    switch (size) {
    case 1: { int8_t v; memcpy(&v, p, 1); return v; }
    case 2: { int16_t v; memcpy(&v, p, 2); return v; }
    case 4: { int32_t v; memcpy(&v, p, 4); return v; }
    default: { int64_t v; memcpy(&v, p, 8); return v; }
    }
}

// Stores v truncated to size bytes; false when it does not fit.
bool writeInt(void *p, size_t size, int64_t v)
{
    switch (size) {
    case 1: { int8_t t = int8_t(v); memcpy(p, &t, 1); return t == v; }
    case 2: { int16_t t = int16_t(v); memcpy(p, &t, 2); return t == v; }
    case 4: { int32_t t = int32_t(v); memcpy(p, &t, 4); return t == v; }
    default: memcpy(p, &v, 8); return true;
    }
}

// Double to int64 without undefined behaviour; ok is false when the value is
// fractional or out of range (the result is then clamped or truncated).
int64_t doubleToInt(double d, bool &ok)
{
    ok = std::isfinite(d) && d >= -9223372036854775808.0 && d < 9223372036854775808.0;
    if (!ok)
        return std::isnan(d) ? 0 : (d < 0 ? std::numeric_limits<int64_t>::min() : std::numeric_limits<int64_t>::max());
    int64_t v = int64_t(d);
    ok = double(v) == d;
    return v;
}

} // namespace

bool __CFNumber::equals(const CFObject &other) const
{
    const auto &o = static_cast<const __CFNumber &>(other);
    if (!isFloat && !o.isFloat)
        return i == o.i;
    double a = isFloat ? d : double(i), b = o.isFloat ? o.d : double(o.i);
    return a == b;
}

// Integral values hash alike whether stored as integer or double.
CFHashCode __CFNumber::hash() const
{
    if (!isFloat)
        return CFHashCode(i);
    bool exact;
    int64_t v = doubleToInt(d, exact);
    if (exact)
        return CFHashCode(v);
    uint64_t bits;
    memcpy(&bits, &d, 8);
    return CFHashCode(bits);
}

std::u16string __CFNumber::describe() const
{
    char buf[64];
    if (isFloat)
        snprintf(buf, sizeof buf, "%g", d);
    else
        snprintf(buf, sizeof buf, "%lld", (long long) i);
    return cfFromUTF8(buf);
}

CFTypeID CFNumberGetTypeID(void)
{
    return kCFTypeIDNumber;
}

// Null for an unknown type or a null value pointer.
CFNumberRef CFNumberCreate(CFAllocatorRef, CFNumberType type, const void *valuePtr)
{
    const NumberTypeInfo *t = numberType(type);
    if (!t || !valuePtr)
        return nullptr;
    auto *n = new __CFNumber();
    n->type = t->canonical;
    n->isFloat = t->isFloat;
    if (t->isFloat) {
        if (t->size == sizeof(float)) {
            float f;
            memcpy(&f, valuePtr, sizeof f);
            n->d = f;
        } else {
            memcpy(&n->d, valuePtr, sizeof n->d);
        }
    } else {
        n->i = readInt(valuePtr, t->size);
    }
    return n;
}

CFNumberType CFNumberGetType(CFNumberRef number)
{
    const __CFNumber *n = cfNumber(number);
    return n ? n->type : CFNumberType(0);
}

Boolean CFNumberIsFloatType(CFNumberRef number)
{
    const __CFNumber *n = cfNumber(number);
    return n && n->isFloat;
}

Boolean CFNumberGetValue(CFNumberRef number, CFNumberType type, void *valuePtr)
{
    const __CFNumber *n = cfNumber(number);
    const NumberTypeInfo *t = numberType(type);
    if (!n || !t || !valuePtr)
        return false;
    if (t->isFloat) {
        double v = n->isFloat ? n->d : double(n->i);
        if (t->size == sizeof(float)) {
            bool fits = !std::isfinite(v) || std::fabs(v) <= std::numeric_limits<float>::max();
            float f = fits ? float(v) : (v < 0 ? -std::numeric_limits<float>::infinity()
                                               : std::numeric_limits<float>::infinity());
            memcpy(valuePtr, &f, sizeof f);
            return fits;
        }
        memcpy(valuePtr, &v, sizeof v);
        return true;
    }
    bool exact = true;
    int64_t v = n->isFloat ? doubleToInt(n->d, exact) : n->i;
    return writeInt(valuePtr, t->size, v) && exact;
}

namespace {
__CFBoolean trueObject(true);
__CFBoolean falseObject(false);
} // namespace

const CFBooleanRef kCFBooleanTrue = &trueObject;
const CFBooleanRef kCFBooleanFalse = &falseObject;

CFTypeID CFBooleanGetTypeID(void)
{
    return kCFTypeIDBoolean;
}

Boolean CFBooleanGetValue(CFBooleanRef boolean)
{
    const __CFBoolean *b = cfBoolean(boolean);
    return b && b->value;
}
