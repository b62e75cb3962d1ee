// Strings: encoding conversions, bounded copies, formatting and mutation.
#include "CFTestSupport.h"

#include <cstring>
#include <vector>

namespace {

class StringTest : public CFBalanced {};

struct EncodingCase {
    const char *name;
    CFStringEncoding encoding;
    std::string text;  // UTF-8
    std::string bytes; // in the encoding
};

const EncodingCase kRoundTrips[] = {
    {"MacRoman", kCFStringEncodingMacRoman, "caf\xC3\xA9 \xE2\x84\xA2", "caf\x8E \xAA"},
    {"WindowsLatin1", kCFStringEncodingWindowsLatin1, "\xE2\x82\xAC" "5 \xC3\xA9", "\x80" "5 \xE9"},
    {"ISOLatin1", kCFStringEncodingISOLatin1, "\xC3\xBF\xC3\xA9", "\xFF\xE9"},
    // Backslash must stay a backslash in Japanese PPD text.
    {"MacJapanese", kCFStringEncodingMacJapanese, "\xE6\x97\xA5\xE6\x9C\xAC\\~", "\x93\xFA\x96\x7B\\~"},
    {"MacJapaneseKana", kCFStringEncodingMacJapanese, "\xEF\xBD\xB1", "\xB1"},
    {"UTF8", kCFStringEncodingUTF8, "\xE6\x97\xA5 \xF0\x9F\x96\xA8", "\xE6\x97\xA5 \xF0\x9F\x96\xA8"},
    {"ASCII", kCFStringEncodingASCII, "plain text", "plain text"},
};

TEST_F(StringTest, EncodingsRoundTrip)
{
    for (const auto &c : kRoundTrips) {
        SCOPED_TRACE(c.name);
        CFHold<CFStringRef> fromBytes(CFStringCreateWithBytes(
            nullptr, reinterpret_cast<const UInt8 *>(c.bytes.data()), CFIndex(c.bytes.size()), c.encoding, false));
        ASSERT_TRUE(fromBytes.get());
        EXPECT_EQ(utf8(fromBytes), c.text);

        char buf[64];
        ASSERT_TRUE(CFStringGetCString(fromBytes, buf, sizeof buf, c.encoding));
        EXPECT_EQ(std::string(buf), c.bytes);

        Str255 pascal;
        ASSERT_TRUE(CFStringGetPascalString(fromBytes, pascal, sizeof pascal, c.encoding));
        EXPECT_EQ(std::string(reinterpret_cast<char *>(pascal + 1), pascal[0]), c.bytes);
        CFHold<CFStringRef> fromPascal(CFStringCreateWithPascalString(nullptr, pascal, c.encoding));
        EXPECT_TRUE(CFEqual(fromPascal, fromBytes));
    }
}

TEST_F(StringTest, TextWithoutFormInTargetEncodingFails)
{
    struct Case {
        CFStringEncoding encoding;
        const char *text;
    } cases[] = {
        {kCFStringEncodingISOLatin1, "\xE2\x82\xAC"},   // euro sign
        {kCFStringEncodingMacRoman, "\xE6\x97\xA5"},    // kanji
        {kCFStringEncodingWindowsLatin1, "\xC4\x80"},   // A with macron
        {kCFStringEncodingASCII, "caf\xC3\xA9"},
        {kCFStringEncodingMacJapanese, "\xC3\xA9"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        CFHold<CFStringRef> s(makeUTF8(c.text));
        ASSERT_TRUE(s.get());
        char buf[32];
        memset(buf, 'x', sizeof buf);
        EXPECT_FALSE(CFStringGetCString(s, buf, sizeof buf, c.encoding));
        EXPECT_EQ(buf[0], 0);
        Str255 pascal;
        pascal[0] = 7;
        EXPECT_FALSE(CFStringGetPascalString(s, pascal, sizeof pascal, c.encoding));
        EXPECT_EQ(pascal[0], 0);
    }
}

TEST_F(StringTest, InvalidBytesGiveNull)
{
    struct Case {
        CFStringEncoding encoding;
        std::string bytes;
    } cases[] = {
        {kCFStringEncodingUTF8, "\xC3("},             // broken sequence
        {kCFStringEncodingUTF8, "\xED\xA0\x80"},      // encoded surrogate
        {kCFStringEncodingUTF8, "\xC0\xAF"},          // overlong slash
        {kCFStringEncodingASCII, "ok\x80"},
        {kCFStringEncodingWindowsLatin1, "\x81"},     // unassigned in the code page
        {kCFStringEncodingMacJapanese, "ab\x93"},     // lead byte without trail
        {kCFStringEncodingUnicode, std::string("a\0b", 3)}, // odd byte count
        {0x12345, "abc"},                            // unknown encoding
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(CFStringCreateWithBytes(nullptr, reinterpret_cast<const UInt8 *>(c.bytes.data()),
                                          CFIndex(c.bytes.size()), c.encoding, false),
                  nullptr);
    }
    EXPECT_EQ(CFStringCreateWithCString(nullptr, nullptr, kCFStringEncodingUTF8), nullptr);
}

TEST_F(StringTest, BoundedCopiesNeverOverrun)
{
    CFHold<CFStringRef> s(makeUTF8("ab\xC3\xA9")); // 4 bytes in UTF-8, 3 in MacRoman
    char buf[8];
    memset(buf, 'x', sizeof buf);
    EXPECT_FALSE(CFStringGetCString(s, buf, 4, kCFStringEncodingUTF8));
    EXPECT_EQ(buf[0], 0);
    EXPECT_EQ(buf[4], 'x');
    EXPECT_TRUE(CFStringGetCString(s, buf, 5, kCFStringEncodingUTF8));
    EXPECT_TRUE(CFStringGetCString(s, buf, 4, kCFStringEncodingMacRoman));
    EXPECT_FALSE(CFStringGetCString(s, buf, 0, kCFStringEncodingUTF8));

    UInt8 pascal[4];
    EXPECT_FALSE(CFStringGetPascalString(s, pascal, 3, kCFStringEncodingMacRoman));
    EXPECT_EQ(pascal[0], 0);
    EXPECT_TRUE(CFStringGetPascalString(s, pascal, 4, kCFStringEncodingMacRoman));
    EXPECT_EQ(pascal[0], 3);

    // A Pascal string holds at most 255 bytes whatever the buffer.
    CFHold<CFStringRef> longText(makeUTF8(std::string(256, 'a')));
    std::vector<UInt8> big(1024);
    EXPECT_FALSE(CFStringGetPascalString(longText, big.data(), CFIndex(big.size()), kCFStringEncodingASCII));
}

TEST_F(StringTest, GetBytesStopsAtBufferAndSubstitutesLoss)
{
    CFHold<CFStringRef> s(makeUTF8("a\xC3\xA9\xF0\x9F\x96\xA8z")); // a, e-acute, a surrogate pair, z
    ASSERT_EQ(CFStringGetLength(s), 5);
    UInt8 buf[16];
    CFIndex used = -1;

    // Lossy: the pair counts as two units and becomes one loss byte.
    EXPECT_EQ(CFStringGetBytes(s, CFRangeMake(0, 5), kCFStringEncodingASCII, '?', false, buf, sizeof buf, &used), 5);
    EXPECT_EQ(std::string(reinterpret_cast<char *>(buf), size_t(used)), "a??z");

    // No loss byte: stops at the first unconvertible character.
    EXPECT_EQ(CFStringGetBytes(s, CFRangeMake(0, 5), kCFStringEncodingASCII, 0, false, buf, sizeof buf, &used), 1);
    EXPECT_EQ(used, 1);

    // The buffer bounds the conversion to whole characters.
    EXPECT_EQ(CFStringGetBytes(s, CFRangeMake(0, 5), kCFStringEncodingUTF8, 0, false, buf, 4, &used), 2);
    EXPECT_EQ(used, 3);

    // No buffer: only measures.
    EXPECT_EQ(CFStringGetBytes(s, CFRangeMake(0, 5), kCFStringEncodingUTF8, 0, false, nullptr, 0, &used), 5);
    EXPECT_EQ(used, 8);
}

TEST_F(StringTest, CStringPtrIsCachedAndRefreshedAfterChange)
{
    CFHold<CFStringRef> s(makeUTF8("Gr\xC3\xB6\xC3\x9F" "e"));
    const char *p = CFStringGetCStringPtr(s, kCFStringEncodingUTF8);
    ASSERT_TRUE(p);
    EXPECT_STREQ(p, "Gr\xC3\xB6\xC3\x9F" "e");
    EXPECT_EQ(CFStringGetCStringPtr(s, kCFStringEncodingUTF8), p);
    EXPECT_EQ(CFStringGetCStringPtr(s, kCFStringEncodingASCII), nullptr);
    EXPECT_EQ(CFStringGetCStringPtr(s, kCFStringEncodingMacRoman), nullptr);

    CFHold<CFMutableStringRef> m(CFStringCreateMutableCopy(nullptr, 0, CFSTR("abc")));
    EXPECT_STREQ(CFStringGetCStringPtr(m, kCFStringEncodingASCII), "abc");
    CFStringAppend(m, CFSTR("def"));
    EXPECT_STREQ(CFStringGetCStringPtr(m, kCFStringEncodingASCII), "abcdef");
}

TEST_F(StringTest, ConstantStringsAreInternedAndImmortal)
{
    CFStringRef a = CFSTR("Color Options");
    EXPECT_EQ(a, CFSTR("Color Options"));
    CFRelease(a);
    CFRelease(a);
    EXPECT_EQ(CFStringGetLength(CFSTR("Color Options")), 13);
    EXPECT_EQ(CFRetain(a), a);
    // Constants cannot be changed through the mutable calls.
    CFStringAppend(const_cast<CFMutableStringRef>(a), CFSTR("!"));
    EXPECT_EQ(utf8(CFSTR("Color Options")), "Color Options");
    // Null is tolerated by the base calls.
    CFRelease(nullptr);
    EXPECT_EQ(CFRetain(nullptr), nullptr);
    EXPECT_FALSE(CFEqual(nullptr, a));
}

TEST_F(StringTest, MutableEditing)
{
    CFHold<CFMutableStringRef> m(CFStringCreateMutable(nullptr, 0));
    CFStringAppendCString(m, "caf\xC3\xA9", kCFStringEncodingUTF8);
    CFStringAppendCString(m, "\xFF", kCFStringEncodingUTF8); // invalid: nothing appended
    const UniChar more[] = {' ', 0x65E5};
    CFStringAppendCharacters(m, more, 2);
    EXPECT_EQ(utf8(m), "caf\xC3\xA9 \xE6\x97\xA5");
    CFStringDelete(m, CFRangeMake(1, 2));
    EXPECT_EQ(utf8(m), "c\xC3\xA9 \xE6\x97\xA5");
    CFStringDelete(m, CFRangeMake(3, 100)); // clipped to the end
    EXPECT_EQ(utf8(m), "c\xC3\xA9 ");
    CFStringReplaceAll(m, m); // replacing with itself keeps the text
    EXPECT_EQ(utf8(m), "c\xC3\xA9 ");

    CFHold<CFStringRef> sub(CFStringCreateWithSubstring(nullptr, m, CFRangeMake(1, 2)));
    EXPECT_EQ(utf8(sub), "\xC3\xA9 ");
    EXPECT_EQ(CFStringCreateWithSubstring(nullptr, m, CFRangeMake(3, 2)), nullptr);
    EXPECT_EQ(CFStringGetCharacterAtIndex(m, 99), 0);
}

TEST_F(StringTest, CompareAndPrefix)
{
    EXPECT_EQ(CFStringCompare(CFSTR("abc"), CFSTR("abd"), 0), kCFCompareLessThan);
    EXPECT_EQ(CFStringCompare(CFSTR("abc"), CFSTR("ab"), 0), kCFCompareGreaterThan);
    EXPECT_EQ(CFStringCompare(CFSTR("ABC"), CFSTR("abc"), 0), kCFCompareLessThan);
    EXPECT_EQ(CFStringCompare(CFSTR("ABC"), CFSTR("abc"), kCFCompareCaseInsensitive), kCFCompareEqualTo);
    EXPECT_EQ(CFStringCompare(CFSTR("\xC3\x89t\xC3\xA9"), CFSTR("\xC3\xA9T\xC3\x89"), kCFCompareCaseInsensitive),
              kCFCompareEqualTo);
    EXPECT_TRUE(CFStringHasPrefix(CFSTR("VxImageRGBSource"), CFSTR("VxImage")));
    EXPECT_FALSE(CFStringHasPrefix(CFSTR("Vx"), CFSTR("VxImage")));
    EXPECT_TRUE(CFStringHasPrefix(CFSTR("Vx"), CFSTR("")));
}

TEST_F(StringTest, FormatConversions)
{
    CFHold<CFStringRef> name(makeUTF8("Gr\xC3\xB6\xC3\x9F" "e"));
    CFHold<CFStringRef> s(CFStringCreateWithFormat(nullptr, nullptr,
                                                   CFSTR("%s|%d|%ld|%u|%x|%c|%%|%@|%5d|%-4s|%03u|%@"), "Name", -42,
                                                   -5000000000L, 4000000000u, 0xBEEFu, 'Q', name.get(), 7, "ab", 5u,
                                                   nullptr));
    EXPECT_EQ(utf8(s), "Name|-42|-5000000000|4000000000|beef|Q|%|Gr\xC3\xB6\xC3\x9F" "e|    7|ab  |005|(null)");
    EXPECT_EQ(CFStringCreateWithFormat(nullptr, nullptr, nullptr), nullptr);
    // A format that ends inside a conversion keeps the text.
    CFHold<CFStringRef> tail(CFStringCreateWithFormat(nullptr, nullptr, CFSTR("50%")));
    EXPECT_EQ(utf8(tail), "50%");
}

} // namespace
