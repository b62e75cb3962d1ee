// Choice texts come out in the characters the PPD meant, whatever its
// LanguageEncoding.
#include "PPDTestSupport.h"

#include <cstring>

namespace {

struct RecordCase {
    const char *languageEncoding;  // null: the PPD declares none
    CFStringEncoding expected;
    const char *rawText;           // a text as it would sit in the record
    const char *expectedText;      // UTF-8
};

// Records made by hand, so that the table sees every name, including the ones
// libcups never reports.
TEST(PPDEncoding, LanguageEncodingTableDecidesHowRecordTextsAreRead)
{
    const RecordCase cases[] = {
        {"ISOLatin1", kCFStringEncodingISOLatin1, "Caf\xE9", "Café"},
        {"WindowsANSI", kCFStringEncodingWindowsLatin1, "\x80 \x93q\x94", "€ “q”"},
        {"JIS83-RKSJ", kCFStringEncodingMacJapanese, "\x95\x57\x8F\x80", "標準"},
        {"UTF-8", kCFStringEncodingUTF8, "Caf\xC3\xA9", "Café"},
        {"UTF8", kCFStringEncodingUTF8, "Caf\xC3\xA9", "Café"},
        // Exact, case-sensitive names; anything else is Mac Roman.
        {"utf-8", kCFStringEncodingMacRoman, "Caf\x8E", "Café"},
        {"ISOLatin1 ", kCFStringEncodingMacRoman, "Caf\x8E", "Café"},
        {"Private", kCFStringEncodingMacRoman, "Caf\x8E", "Café"},
        // Bytes that are not valid in the named encoding are read as Mac Roman
        // rather than losing the choice.
        {"UTF-8", kCFStringEncodingUTF8, "Caf\x8E", "Café"},
    };
    for (const RecordCase &c : cases) {
        ppd_file_t record;
        std::memset(&record, 0, sizeof record);
        std::string name = c.languageEncoding;
        record.lang_encoding = name.data();
        CFStringEncoding encoding = 0xdead;
        GetCFStringEncodingFromPPD(&record, &encoding);
        EXPECT_EQ(encoding, c.expected) << c.languageEncoding;
        CFStringRef text = CreatePPDChoiceText(&record, c.rawText, encoding);
        EXPECT_EQ(StdString(text), c.expectedText) << c.languageEncoding;
        if (text)
            CFRelease(text);
    }

    CFStringEncoding encoding = 0xdead;
    GetCFStringEncodingFromPPD(nullptr, &encoding);
    EXPECT_EQ(encoding, kCFStringEncodingMacRoman);
    ppd_file_t record;
    std::memset(&record, 0, sizeof record);
    encoding = 0xdead;
    GetCFStringEncodingFromPPD(&record, &encoding);
    EXPECT_EQ(encoding, kCFStringEncodingMacRoman);
}

// Real files, written as raw bytes in their encodings and read by libcups.
TEST(PPDEncoding, FixtureTextsComeOutAsWritten)
{
    const struct {
        const char *file;
        const char *text;
    } cases[] = {
        {"encoding-isolatin1.ppd", "Café ±"},
        {"encoding-windowsansi.ppd", "€ “Quoted”"},
        {"encoding-jis83-rksj.ppd", "標準カラー"},
        {"encoding-utf-8.ppd", "Café € 標準"},
        {"encoding-utf8.ppd", "Café € 標準"},
        {"encoding-unknown.ppd", "Café ü"},  // Mac Roman bytes
        {"encoding-none.ppd", "Café ±"},     // ISO Latin 1, the PPD default
    };
    for (const auto &c : cases) {
        OpenedPPD file(FixturePath(c.file));
        ASSERT_NE(file.ppd, nullptr) << c.file;
        ChoiceArray choices;
        ASSERT_EQ(GetPPDArrayForUIOption(file.ppd, "VxQuickColor", &choices.array), noErr) << c.file;
        ASSERT_EQ(CFArrayGetCount(choices.array), 2) << c.file;
        EXPECT_EQ(ElementString(choices.array, 0, kPPDElementChoiceText), "Plain") << c.file;
        EXPECT_EQ(ElementString(choices.array, 1, kPPDElementChoiceText), c.text) << c.file;
        EXPECT_EQ(ElementString(choices.array, 1, kPPDElementChoiceKeyword), "Accented") << c.file;
    }
}

} // namespace
