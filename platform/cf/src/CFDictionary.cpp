// Dictionaries: keys compared and hashed through their callbacks (CFEqual and
// CFHash for CF keys), entries kept in insertion order with a hash index.
#include "CFInternal.h"

namespace {
const void *retainCF(CFAllocatorRef, const void *v) { return CFRetain(v); }
const void *copyString(CFAllocatorRef, const void *v)
{
    return cfString(v) ? CFStringCreateCopy(nullptr, static_cast<CFStringRef>(v)) : CFRetain(v);
}
void releaseCF(CFAllocatorRef, const void *v) { CFRelease(v); }
CFStringRef describeCF(const void *v)
{
    const CFObject *o = cfObject(v);
    return cfMakeString(o ? o->describe() : u"(null)");
}
Boolean equalCF(const void *a, const void *b) { return CFEqual(a, b); }
CFHashCode hashCF(const void *v) { return CFHash(v); }
} // namespace

const CFDictionaryKeyCallBacks kCFTypeDictionaryKeyCallBacks = {0, retainCF, releaseCF, describeCF, equalCF, hashCF};
const CFDictionaryKeyCallBacks kCFCopyStringDictionaryKeyCallBacks = {0, copyString, releaseCF, describeCF, equalCF,
                                                                      hashCF};
const CFDictionaryValueCallBacks kCFTypeDictionaryValueCallBacks = {0, retainCF, releaseCF, describeCF, equalCF};

__CFDictionary::__CFDictionary(const CFDictionaryKeyCallBacks *kcb, const CFDictionaryValueCallBacks *vcb)
    : CFObject(kCFTypeIDDictionary)
{
    if (kcb)
        keyCallBacks = *kcb;
    if (vcb)
        valueCallBacks = *vcb;
}

__CFDictionary::~__CFDictionary()
{
    clear();
}

CFHashCode __CFDictionary::hashKey(const void *key) const
{
    return keyCallBacks.hash ? keyCallBacks.hash(key) : CFHashCode(reinterpret_cast<uintptr_t>(key));
}

bool __CFDictionary::keysEqual(const void *a, const void *b) const
{
    return a == b || (keyCallBacks.equal && keyCallBacks.equal(a, b));
}

bool __CFDictionary::valuesEqual(const void *a, const void *b) const
{
    return a == b || (valueCallBacks.equal && valueCallBacks.equal(a, b));
}

long __CFDictionary::find(const void *key) const
{
    auto [first, last] = index.equal_range(hashKey(key));
    for (auto it = first; it != last; ++it)
        if (keysEqual(entries[it->second].key, key))
            return long(it->second);
    return -1;
}

// Replaces the value of an existing key (keeping the key object) or adds the pair.
void __CFDictionary::set(const void *key, const void *value)
{
    const void *v = valueCallBacks.retain ? valueCallBacks.retain(nullptr, value) : value;
    long at = find(key);
    if (at >= 0) {
        const void *old = entries[size_t(at)].value;
        entries[size_t(at)].value = v;
        if (valueCallBacks.release)
            valueCallBacks.release(nullptr, old);
        return;
    }
    const void *k = keyCallBacks.retain ? keyCallBacks.retain(nullptr, key) : key;
    CFHashCode h = hashKey(k);
    entries.push_back(Entry{k, v, h});
    index.emplace(h, entries.size() - 1);
}

void __CFDictionary::rebuildIndex()
{
    index.clear();
    for (size_t i = 0; i < entries.size(); ++i)
        index.emplace(entries[i].hash, i);
}

void __CFDictionary::remove(const void *key)
{
    long at = find(key);
    if (at < 0)
        return;
    Entry e = entries[size_t(at)];
    entries.erase(entries.begin() + at);
    rebuildIndex();
    if (keyCallBacks.release)
        keyCallBacks.release(nullptr, e.key);
    if (valueCallBacks.release)
        valueCallBacks.release(nullptr, e.value);
}

void __CFDictionary::clear()
{
    std::vector<Entry> old;
    old.swap(entries);
    index.clear();
    for (const Entry &e : old) {
        if (keyCallBacks.release)
            keyCallBacks.release(nullptr, e.key);
        if (valueCallBacks.release)
            valueCallBacks.release(nullptr, e.value);
    }
}

bool __CFDictionary::equals(const CFObject &other) const
{
    const auto &o = static_cast<const __CFDictionary &>(other);
    if (entries.size() != o.entries.size())
        return false;
    for (const Entry &e : entries) {
        long at = o.find(e.key);
        if (at < 0 || !valuesEqual(e.value, o.entries[size_t(at)].value))
            return false;
    }
    return true;
}

std::u16string __CFDictionary::describe() const
{
    std::u16string s = u"{";
    for (size_t i = 0; i < entries.size(); ++i) {
        const CFObject *k = keyCallBacks.hash == hashCF ? cfObject(entries[i].key) : nullptr;
        const CFObject *v = valueCallBacks.retain == retainCF ? cfObject(entries[i].value) : nullptr;
        s += (i ? u"; " : u"") + (k ? k->describe() : u"?") + u" = " + (v ? v->describe() : u"?");
    }
    return s + u"}";
}

CFTypeID CFDictionaryGetTypeID(void)
{
    return kCFTypeIDDictionary;
}

CFDictionaryRef CFDictionaryCreate(CFAllocatorRef, const void **keys, const void **values, CFIndex numValues,
                                   const CFDictionaryKeyCallBacks *keyCallBacks,
                                   const CFDictionaryValueCallBacks *valueCallBacks)
{
    if (numValues < 0 || (numValues > 0 && (!keys || !values)))
        return nullptr;
    auto *d = new __CFDictionary(keyCallBacks, valueCallBacks);
    for (CFIndex i = 0; i < numValues; ++i)
        d->set(keys[i], values[i]);
    return d;
}

CFMutableDictionaryRef CFDictionaryCreateMutable(CFAllocatorRef, CFIndex,
                                                 const CFDictionaryKeyCallBacks *keyCallBacks,
                                                 const CFDictionaryValueCallBacks *valueCallBacks)
{
    return new __CFDictionary(keyCallBacks, valueCallBacks);
}

// A mutable dictionary with dict's entries (and callbacks); empty with CF
// callbacks when dict is null.
CFMutableDictionaryRef CFDictionaryCreateMutableCopy(CFAllocatorRef, CFIndex, CFDictionaryRef dict)
{
    const __CFDictionary *src = cfDictionary(dict);
    if (!src)
        return new __CFDictionary(&kCFTypeDictionaryKeyCallBacks, &kCFTypeDictionaryValueCallBacks);
    auto *d = new __CFDictionary(&src->keyCallBacks, &src->valueCallBacks);
    for (const auto &e : src->entries)
        d->set(e.key, e.value);
    return d;
}

CFIndex CFDictionaryGetCount(CFDictionaryRef dict)
{
    const __CFDictionary *d = cfDictionary(dict);
    return d ? CFIndex(d->entries.size()) : 0;
}

const void *CFDictionaryGetValue(CFDictionaryRef dict, const void *key)
{
    const __CFDictionary *d = cfDictionary(dict);
    long at = d ? d->find(key) : -1;
    return at >= 0 ? d->entries[size_t(at)].value : nullptr;
}

Boolean CFDictionaryGetValueIfPresent(CFDictionaryRef dict, const void *key, const void **value)
{
    const __CFDictionary *d = cfDictionary(dict);
    long at = d ? d->find(key) : -1;
    if (at < 0)
        return false;
    if (value)
        *value = d->entries[size_t(at)].value;
    return true;
}

Boolean CFDictionaryContainsKey(CFDictionaryRef dict, const void *key)
{
    const __CFDictionary *d = cfDictionary(dict);
    return d && d->find(key) >= 0;
}

void CFDictionaryGetKeysAndValues(CFDictionaryRef dict, const void **keys, const void **values)
{
    const __CFDictionary *d = cfDictionary(dict);
    if (!d)
        return;
    for (size_t i = 0; i < d->entries.size(); ++i) {
        if (keys)
            keys[i] = d->entries[i].key;
        if (values)
            values[i] = d->entries[i].value;
    }
}

void CFDictionarySetValue(CFMutableDictionaryRef dict, const void *key, const void *value)
{
    __CFDictionary *d = cfDictionary(dict);
    if (d)
        d->set(key, value);
}

// Adds the pair only when the key is not there yet.
void CFDictionaryAddValue(CFMutableDictionaryRef dict, const void *key, const void *value)
{
    __CFDictionary *d = cfDictionary(dict);
    if (d && d->find(key) < 0)
        d->set(key, value);
}

void CFDictionaryRemoveValue(CFMutableDictionaryRef dict, const void *key)
{
    __CFDictionary *d = cfDictionary(dict);
    if (d)
        d->remove(key);
}

void CFDictionaryRemoveAllValues(CFMutableDictionaryRef dict)
{
    __CFDictionary *d = cfDictionary(dict);
    if (d)
        d->clear();
}
