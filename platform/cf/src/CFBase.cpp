// Reference counting, equality and hashing shared by every CF object.
#include "CFInternal.h"

namespace {
CFIndex liveObjects = 0;
}

CFObject::CFObject(CFTypeID type, bool immortal) : typeID(type), immortal(immortal)
{
    if (!immortal)
        ++liveObjects;
}

CFObject::~CFObject()
{
    if (!immortal)
        --liveObjects;
}

// Default description: the type name and the address.
std::u16string CFObject::describe() const
{
    char buf[64];
    snprintf(buf, sizeof buf, "<CFType %lu %p>", typeID, static_cast<const void *>(this));
    return cfFromUTF8(buf);
}

void CFObject::makeImmortal()
{
    if (!immortal) {
        immortal = true;
        --liveObjects;
    }
}

// The object behind a CF reference (null stays null).
const CFObject *cfObject(CFTypeRef cf)
{
    return static_cast<const CFObject *>(cf);
}

// Adds a reference; returns cf.  Null is passed through.
CFTypeRef CFRetain(CFTypeRef cf)
{
    auto *o = const_cast<CFObject *>(cfObject(cf));
    if (o && !o->immortal)
        ++o->refCount;
    return cf;
}

// Drops a reference and destroys the object at zero.  Null is ignored.
void CFRelease(CFTypeRef cf)
{
    auto *o = const_cast<CFObject *>(cfObject(cf));
    if (!o || o->immortal)
        return;
    if (--o->refCount == 0)
        delete o;
}

// Current reference count (a large constant for immortal objects, 0 for null).
CFIndex CFGetRetainCount(CFTypeRef cf)
{
    const CFObject *o = cfObject(cf);
    if (!o)
        return 0;
    return o->immortal ? CFIndex(0x7fffffff) : o->refCount;
}

// Type id of the object; 0 for null.
CFTypeID CFGetTypeID(CFTypeRef cf)
{
    const CFObject *o = cfObject(cf);
    return o ? o->typeID : 0;
}

// Same type and same value (identity for types without a value).
Boolean CFEqual(CFTypeRef a, CFTypeRef b)
{
    if (a == b)
        return true;
    const CFObject *x = cfObject(a), *y = cfObject(b);
    if (!x || !y || x->typeID != y->typeID)
        return false;
    return x->equals(*y);
}

// Hash consistent with CFEqual; 0 for null.
CFHashCode CFHash(CFTypeRef cf)
{
    const CFObject *o = cfObject(cf);
    return o ? o->hash() : 0;
}

CFIndex CFDebugLiveObjectCount(void)
{
    return liveObjects;
}

// Moves a rectangle by dh horizontally and dv vertically.
void OffsetRect(Rect *r, SInt16 dh, SInt16 dv)
{
    if (!r)
        return;
    r->left = SInt16(r->left + dh);
    r->right = SInt16(r->right + dh);
    r->top = SInt16(r->top + dv);
    r->bottom = SInt16(r->bottom + dv);
}
