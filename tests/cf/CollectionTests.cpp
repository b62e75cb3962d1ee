// Reference counts, numbers, data, arrays, dictionaries and UUIDs.
#include "CFTestSupport.h"

#include <cstring>
#include <limits>

namespace {

class CollectionTest : public CFBalanced {};

CFNumberRef makeInt(int v)
{
    return CFNumberCreate(nullptr, kCFNumberIntType, &v);
}

TEST_F(CollectionTest, ContainersRetainAndReleaseTheirValues)
{
    CFStringRef value = makeUTF8("value");
    CFMutableArrayRef array = CFArrayCreateMutable(nullptr, 0, &kCFTypeArrayCallBacks);
    CFMutableDictionaryRef dict =
        CFDictionaryCreateMutable(nullptr, 0, &kCFTypeDictionaryKeyCallBacks, &kCFTypeDictionaryValueCallBacks);
    CFArrayAppendValue(array, value);
    CFArraySetValueAtIndex(array, 0, value); // same value again must not free it
    CFDictionarySetValue(dict, CFSTR("k"), value);
    CFDictionarySetValue(dict, CFSTR("k"), value);
    EXPECT_EQ(CFGetRetainCount(value), 3);
    CFRelease(value); // the containers keep it alive
    EXPECT_EQ(utf8(static_cast<CFStringRef>(CFArrayGetValueAtIndex(array, 0))), "value");
    CFArrayRemoveAllValues(array);
    EXPECT_EQ(CFGetRetainCount(CFDictionaryGetValue(dict, CFSTR("k"))), 1);
    CFRelease(array);
    CFRelease(dict); // releases the last reference; the fixture checks nothing is left
}

TEST_F(CollectionTest, DictionaryKeysCompareByValue)
{
    CFHold<CFMutableDictionaryRef> dict(
        CFDictionaryCreateMutable(nullptr, 0, &kCFTypeDictionaryKeyCallBacks, &kCFTypeDictionaryValueCallBacks));
    CFHold<CFStringRef> key(makeUTF8("VxEdgeType"));
    CFHold<CFNumberRef> one(makeInt(1)), two(makeInt(2));
    CFDictionarySetValue(dict, key, one);
    CFDictionarySetValue(dict, CFSTR("VxEdgeType"), two); // equal key: replaces
    EXPECT_EQ(CFDictionaryGetCount(dict), 1);
    EXPECT_EQ(CFDictionaryGetValue(dict, CFSTR("VxEdgeType")), two.get());
    CFDictionaryAddValue(dict, key, one); // present: AddValue keeps the old value
    EXPECT_EQ(CFDictionaryGetValue(dict, key), two.get());

    // Numbers as keys: an integer and an equal double are the same key.
    double twoDouble = 2.0;
    CFHold<CFNumberRef> twoD(CFNumberCreate(nullptr, kCFNumberDoubleType, &twoDouble));
    EXPECT_TRUE(CFEqual(two, twoD));
    EXPECT_EQ(CFHash(two), CFHash(twoD));
    CFDictionarySetValue(dict, two, CFSTR("number key"));
    EXPECT_TRUE(CFDictionaryContainsKey(dict, twoD));

    const void *found = nullptr;
    EXPECT_FALSE(CFDictionaryGetValueIfPresent(dict, CFSTR("missing"), &found));
    EXPECT_EQ(CFDictionaryGetValue(dict, nullptr), nullptr);
    CFDictionaryRemoveValue(dict, CFSTR("VxEdgeType"));
    EXPECT_FALSE(CFDictionaryContainsKey(dict, key));
    EXPECT_TRUE(CFDictionaryContainsKey(dict, two));
}

TEST_F(CollectionTest, DictionaryKeepsInsertionOrderThroughRemovals)
{
    CFHold<CFMutableDictionaryRef> dict(
        CFDictionaryCreateMutable(nullptr, 0, &kCFTypeDictionaryKeyCallBacks, &kCFTypeDictionaryValueCallBacks));
    const char *names[] = {"zeta", "alpha", "mid", "beta", "omega"};
    for (const char *n : names) {
        CFHold<CFStringRef> k(makeUTF8(n));
        CFDictionarySetValue(dict, k, k);
    }
    CFDictionaryRemoveValue(dict, CFSTR("mid"));
    CFDictionarySetValue(dict, CFSTR("alpha"), CFSTR("replaced")); // keeps its place
    const void *keys[4], *values[4];
    ASSERT_EQ(CFDictionaryGetCount(dict), 4);
    CFDictionaryGetKeysAndValues(dict, keys, values);
    const char *expect[] = {"zeta", "alpha", "beta", "omega"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(utf8(static_cast<CFStringRef>(keys[i])), expect[i]);
    EXPECT_EQ(utf8(static_cast<CFStringRef>(values[1])), "replaced");
    // Lookups still work after the removal shifted the entries.
    EXPECT_EQ(utf8(static_cast<CFStringRef>(CFDictionaryGetValue(dict, CFSTR("omega")))), "omega");

    CFHold<CFMutableDictionaryRef> copy(CFDictionaryCreateMutableCopy(nullptr, 0, dict));
    EXPECT_TRUE(CFEqual(copy, dict));
    CFDictionarySetValue(copy, CFSTR("new"), kCFBooleanTrue);
    EXPECT_FALSE(CFEqual(copy, dict));
    EXPECT_EQ(CFDictionaryGetCount(dict), 4);
}

TEST_F(CollectionTest, CopyStringKeysAreCopiedNotShared)
{
    CFHold<CFMutableDictionaryRef> dict(
        CFDictionaryCreateMutable(nullptr, 0, &kCFCopyStringDictionaryKeyCallBacks, &kCFTypeDictionaryValueCallBacks));
    CFHold<CFMutableStringRef> key(CFStringCreateMutableCopy(nullptr, 0, CFSTR("before")));
    CFDictionarySetValue(dict, key, kCFBooleanTrue);
    CFStringAppend(key, CFSTR("-changed"));
    EXPECT_TRUE(CFDictionaryContainsKey(dict, CFSTR("before")));
}

TEST_F(CollectionTest, ArrayIndexesOutsideAreHarmless)
{
    const void *values[] = {CFSTR("a"), CFSTR("b")};
    CFHold<CFArrayRef> fixed(CFArrayCreate(nullptr, values, 2, &kCFTypeArrayCallBacks));
    EXPECT_EQ(CFArrayGetValueAtIndex(fixed, 2), nullptr);
    EXPECT_EQ(CFArrayGetValueAtIndex(fixed, -1), nullptr);

    CFHold<CFMutableArrayRef> m(CFArrayCreateMutable(nullptr, 0, &kCFTypeArrayCallBacks));
    CFArraySetValueAtIndex(m, 0, CFSTR("first")); // index == count appends
    CFArraySetValueAtIndex(m, 5, CFSTR("ignored"));
    CFArrayRemoveValueAtIndex(m, 3);
    ASSERT_EQ(CFArrayGetCount(m), 1);
    CFArrayAppendValue(m, CFSTR("second"));
    CFArrayRemoveValueAtIndex(m, 0);
    EXPECT_EQ(CFArrayGetValueAtIndex(m, 0), CFSTR("second"));

    // Type mismatches are answered, not crashed on.
    EXPECT_EQ(CFArrayGetCount(reinterpret_cast<CFArrayRef>(CFSTR("not an array"))), 0);
    int out = 7;
    EXPECT_FALSE(CFNumberGetValue(reinterpret_cast<CFNumberRef>(CFSTR("5")), kCFNumberIntType, &out));
}

TEST_F(CollectionTest, NumberConversionsReportLoss)
{
    struct Case {
        const char *name;
        CFNumberRef number;
        CFNumberType asType;
        bool fits;
        double expect; // value read back (as double)
    };
    int64_t big = int64_t(1) << 40, neg = -129;
    double frac = 2.5, whole = 3.0, huge = 1e300;
    float f = 0.5f;
    CFHold<CFNumberRef> nBig(CFNumberCreate(nullptr, kCFNumberSInt64Type, &big));
    CFHold<CFNumberRef> nNeg(CFNumberCreate(nullptr, kCFNumberSInt64Type, &neg));
    CFHold<CFNumberRef> nFrac(CFNumberCreate(nullptr, kCFNumberDoubleType, &frac));
    CFHold<CFNumberRef> nWhole(CFNumberCreate(nullptr, kCFNumberFloat64Type, &whole));
    CFHold<CFNumberRef> nHuge(CFNumberCreate(nullptr, kCFNumberDoubleType, &huge));
    CFHold<CFNumberRef> nFloat(CFNumberCreate(nullptr, kCFNumberFloatType, &f));
    const Case cases[] = {
        {"int64 as int64", nBig, kCFNumberSInt64Type, true, double(big)},
        {"int64 as int32", nBig, kCFNumberSInt32Type, false, 0},
        {"-129 as int16", nNeg, kCFNumberSInt16Type, true, -129},
        {"-129 as int8", nNeg, kCFNumberSInt8Type, false, 127},
        {"2.5 as int", nFrac, kCFNumberIntType, false, 2},
        {"3.0 as int", nWhole, kCFNumberIntType, true, 3},
        {"1e300 as int64", nHuge, kCFNumberSInt64Type, false, double(std::numeric_limits<int64_t>::max())},
        {"1e300 as float", nHuge, kCFNumberFloatType, false, std::numeric_limits<double>::infinity()},
        {"0.5f as double", nFloat, kCFNumberDoubleType, true, 0.5},
        {"int64 as double", nBig, kCFNumberFloat64Type, true, double(big)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        union {
            int8_t i8;
            int16_t i16;
            int32_t i32;
            int64_t i64;
            float f32;
            double f64;
        } out{};
        EXPECT_EQ(bool(CFNumberGetValue(c.number, c.asType, &out)), c.fits);
        double got = 0;
        switch (c.asType) {
        case kCFNumberSInt8Type: got = out.i8; break;
        case kCFNumberSInt16Type: got = out.i16; break;
        case kCFNumberSInt32Type:
        case kCFNumberIntType: got = out.i32; break;
        case kCFNumberSInt64Type: got = double(out.i64); break;
        case kCFNumberFloatType: got = out.f32; break;
        default: got = out.f64; break;
        }
        EXPECT_EQ(got, c.expect);
    }
    EXPECT_EQ(CFNumberGetType(nFloat), kCFNumberFloat32Type);
    EXPECT_TRUE(CFNumberIsFloatType(nFloat));
    EXPECT_FALSE(CFNumberIsFloatType(nBig));
    EXPECT_EQ(CFNumberCreate(nullptr, kCFNumberIntType, nullptr), nullptr);
}

TEST_F(CollectionTest, DataCopiesAndBoundsRanges)
{
    UInt8 bytes[] = {1, 2, 3, 4};
    CFHold<CFDataRef> d(CFDataCreate(nullptr, bytes, 4));
    bytes[0] = 9;
    EXPECT_EQ(CFDataGetBytePtr(d)[0], 1);
    UInt8 out[4] = {0, 0, 0, 0};
    CFDataGetBytes(d, CFRangeMake(3, 2), out); // runs past the end: nothing copied
    EXPECT_EQ(out[0], 0);
    CFDataGetBytes(d, CFRangeMake(2, 2), out);
    EXPECT_EQ(out[1], 4);
    CFHold<CFDataRef> empty(CFDataCreate(nullptr, nullptr, 0));
    EXPECT_EQ(CFDataGetLength(empty), 0);
}

TEST_F(CollectionTest, UUIDsParsePrintAndCompare)
{
    CFHold<CFUUIDRef> a(CFUUIDCreateFromString(nullptr, CFSTR("a996fd7e-b738-11d3-8519-0050e4603277")));
    ASSERT_TRUE(a.get());
    CFHold<CFStringRef> text(CFUUIDCreateString(nullptr, a));
    EXPECT_EQ(utf8(text), "A996FD7E-B738-11D3-8519-0050E4603277");
    CFHold<CFUUIDRef> b(CFUUIDCreateFromUUIDBytes(nullptr, CFUUIDGetUUIDBytes(a)));
    EXPECT_TRUE(CFEqual(a, b));
    EXPECT_EQ(CFHash(a), CFHash(b));

    CFUUIDRef c1 = IUnknownUUID;
    EXPECT_EQ(c1, IUnknownUUID); // constants are shared and immortal
    CFRelease(c1);
    EXPECT_EQ(CFUUIDGetUUIDBytes(IUnknownUUID).byte8, 0xC0);

    for (const char *bad : {"A996FD7E-B738-11D3-8519-0050E460327", "A996FD7E+B738-11D3-8519-0050E4603277",
                            "G996FD7E-B738-11D3-8519-0050E4603277", ""}) {
        CFHold<CFStringRef> s(makeUTF8(bad));
        EXPECT_EQ(CFUUIDCreateFromString(nullptr, s), nullptr) << bad;
    }
}

} // namespace
