// Arrays of values, retained through their callbacks (CF objects with
// kCFTypeArrayCallBacks, plain pointers with none).
#include "CFInternal.h"

namespace {
const void *retainCF(CFAllocatorRef, const void *v) { return CFRetain(v); }
void releaseCF(CFAllocatorRef, const void *v) { CFRelease(v); }
CFStringRef describeCF(const void *v)
{
    const CFObject *o = cfObject(v);
    return cfMakeString(o ? o->describe() : u"(null)");
}
Boolean equalCF(const void *a, const void *b) { return CFEqual(a, b); }
} // namespace

const CFArrayCallBacks kCFTypeArrayCallBacks = {0, retainCF, releaseCF, describeCF, equalCF};

__CFArray::__CFArray(const CFArrayCallBacks *cb) : CFObject(kCFTypeIDArray)
{
    if (cb)
        callBacks = *cb;
}

__CFArray::~__CFArray()
{
    for (const void *v : values)
        releaseValue(v);
}

const void *__CFArray::retainValue(const void *v) const
{
    return callBacks.retain ? callBacks.retain(nullptr, v) : v;
}

void __CFArray::releaseValue(const void *v) const
{
    if (callBacks.release)
        callBacks.release(nullptr, v);
}

bool __CFArray::equals(const CFObject &other) const
{
    const auto &o = static_cast<const __CFArray &>(other);
    if (values.size() != o.values.size())
        return false;
    for (size_t i = 0; i < values.size(); ++i) {
        bool same = callBacks.equal ? callBacks.equal(values[i], o.values[i]) : values[i] == o.values[i];
        if (!same)
            return false;
    }
    return true;
}

std::u16string __CFArray::describe() const
{
    std::u16string s = u"(";
    for (size_t i = 0; i < values.size(); ++i) {
        const CFObject *o = callBacks.retain == kCFTypeArrayCallBacks.retain ? cfObject(values[i]) : nullptr;
        s += (i ? u", " : u"") + (o ? o->describe() : u"?");
    }
    return s + u")";
}

CFTypeID CFArrayGetTypeID(void)
{
    return kCFTypeIDArray;
}

CFArrayRef CFArrayCreate(CFAllocatorRef, const void **values, CFIndex numValues, const CFArrayCallBacks *callBacks)
{
    if (numValues < 0 || (numValues > 0 && !values))
        return nullptr;
    auto *a = new __CFArray(callBacks);
    a->values.reserve(size_t(numValues));
    for (CFIndex i = 0; i < numValues; ++i)
        a->values.push_back(a->retainValue(values[i]));
    return a;
}

CFMutableArrayRef CFArrayCreateMutable(CFAllocatorRef, CFIndex, const CFArrayCallBacks *callBacks)
{
    return new __CFArray(callBacks);
}

CFIndex CFArrayGetCount(CFArrayRef array)
{
    const __CFArray *a = cfArray(array);
    return a ? CFIndex(a->values.size()) : 0;
}

const void *CFArrayGetValueAtIndex(CFArrayRef array, CFIndex idx)
{
    const __CFArray *a = cfArray(array);
    if (!a || idx < 0 || size_t(idx) >= a->values.size())
        return nullptr;
    return a->values[size_t(idx)];
}

void CFArrayAppendValue(CFMutableArrayRef array, const void *value)
{
    __CFArray *a = cfArray(array);
    if (a)
        a->values.push_back(a->retainValue(value));
}

// Replaces the value at idx; idx == count appends.  Other indexes are ignored.
void CFArraySetValueAtIndex(CFMutableArrayRef array, CFIndex idx, const void *value)
{
    __CFArray *a = cfArray(array);
    if (!a || idx < 0 || size_t(idx) > a->values.size())
        return;
    const void *v = a->retainValue(value); // before releasing, in case it is the same value
    if (size_t(idx) == a->values.size()) {
        a->values.push_back(v);
    } else {
        const void *old = a->values[size_t(idx)];
        a->values[size_t(idx)] = v;
        a->releaseValue(old);
    }
}

void CFArrayRemoveValueAtIndex(CFMutableArrayRef array, CFIndex idx)
{
    __CFArray *a = cfArray(array);
    if (!a || idx < 0 || size_t(idx) >= a->values.size())
        return;
    const void *old = a->values[size_t(idx)];
    a->values.erase(a->values.begin() + idx);
    a->releaseValue(old);
}

void CFArrayRemoveAllValues(CFMutableArrayRef array)
{
    __CFArray *a = cfArray(array);
    if (!a)
        return;
    std::vector<const void *> old;
    old.swap(a->values);
    for (const void *v : old)
        a->releaseValue(v);
}
