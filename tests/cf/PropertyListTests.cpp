// Property lists (checked against python3's plistlib as an independent peer)
// and the whole-file reads and atomic writes behind them.
#include "CFTestSupport.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class PropertyListTest : public CFBalanced {
protected:
    void SetUp() override
    {
        CFBalanced::SetUp();
        char tmpl[] = "/tmp/cf_plist_XXXXXX";
        ASSERT_TRUE(mkdtemp(tmpl));
        dir = tmpl;
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::permissions(dir, fs::perms::owner_all, ec);
        fs::remove_all(dir, ec);
        CFBalanced::TearDown();
    }

    CFURLRef urlFor(const std::string &path)
    {
        CFHold<CFStringRef> s(makeUTF8(path));
        return CFURLCreateWithFileSystemPath(nullptr, s, kCFURLPOSIXPathStyle, false);
    }

    // Runs the python peer and returns what it printed.
    static std::string peer(const std::string &args)
    {
        std::string cmd = "python3 " QV_SOURCE_DIR "/tests/cf/plist_peer.py " + args + " 2>&1";
        FILE *p = popen(cmd.c_str(), "r");
        std::string out;
        char buf[512];
        while (p && fgets(buf, sizeof buf, p))
            out += buf;
        if (p)
            pclose(p);
        while (!out.empty() && out.back() == '\n')
            out.pop_back();
        return out;
    }

    static std::string slurp(const std::string &path)
    {
        std::ifstream f(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), {});
    }

    std::string dir;
};

CFNumberRef int64Number(int64_t v)
{
    return CFNumberCreate(nullptr, kCFNumberSInt64Type, &v);
}

// The tree that plist_peer.py holds as REFERENCE, built with CF calls.
CFDictionaryRef makeReference()
{
    CFMutableDictionaryRef d =
        CFDictionaryCreateMutable(nullptr, 0, &kCFTypeDictionaryKeyCallBacks, &kCFTypeDictionaryValueCallBacks);
    auto put = [&](const char *key, CFTypeRef value) {
        CFHold<CFStringRef> k(makeUTF8(key));
        CFDictionarySetValue(d, k, value);
        CFRelease(value);
    };
    put("name", makeUTF8("Gr\xC3\xB6\xC3\x9F" "e <&> \xE6\x97\xA5\xE6\x9C\xAC"));
    int32_t neg = INT32_MIN;
    put("negative", CFNumberCreate(nullptr, kCFNumberSInt32Type, &neg));
    put("minusOne", int64Number(-1));
    put("large", int64Number(INT64_MAX));
    double real = 0.1;
    put("real", CFNumberCreate(nullptr, kCFNumberDoubleType, &real));
    put("yes", kCFBooleanTrue);
    put("no", kCFBooleanFalse);
    const UInt8 bytes[] = {0x00, 0x01, 0xFE, 0xFF};
    put("data", CFDataCreate(nullptr, bytes, 4));

    CFMutableArrayRef lists = CFArrayCreateMutable(nullptr, 0, &kCFTypeArrayCallBacks);
    CFHold<CFNumberRef> one(int64Number(1)), two(int64Number(2)), deep(int64Number(-7));
    const void *pair[] = {one.get(), two.get()};
    CFHold<CFArrayRef> a(CFArrayCreate(nullptr, pair, 2, &kCFTypeArrayCallBacks));
    CFHold<CFArrayRef> emptyArray(CFArrayCreate(nullptr, nullptr, 0, &kCFTypeArrayCallBacks));
    const void *deepKey[] = {CFSTR("deep")}, *deepValue[] = {deep.get()};
    CFHold<CFDictionaryRef> deepDict(CFDictionaryCreate(nullptr, deepKey, deepValue, 1,
                                                        &kCFTypeDictionaryKeyCallBacks,
                                                        &kCFTypeDictionaryValueCallBacks));
    const void *innerItems[] = {CFSTR("a"), deepDict.get()};
    CFHold<CFArrayRef> innerArray(CFArrayCreate(nullptr, innerItems, 2, &kCFTypeArrayCallBacks));
    const void *innerKey[] = {CFSTR("inner")}, *innerValue[] = {innerArray.get()};
    CFHold<CFDictionaryRef> inner(CFDictionaryCreate(nullptr, innerKey, innerValue, 1,
                                                     &kCFTypeDictionaryKeyCallBacks,
                                                     &kCFTypeDictionaryValueCallBacks));
    CFArrayAppendValue(lists, a);
    CFArrayAppendValue(lists, emptyArray);
    CFArrayAppendValue(lists, inner);
    put("lists", lists);
    put("empty", CFDictionaryCreateMutable(nullptr, 0, &kCFTypeDictionaryKeyCallBacks,
                                           &kCFTypeDictionaryValueCallBacks));
    return d;
}

const char *kReferenceJSON =
    "{\"data\": {\"hex\": \"0001feff\"}, \"empty\": {}, \"large\": 9223372036854775807, "
    "\"lists\": [[1, 2], [], {\"inner\": [\"a\", {\"deep\": -7}]}], \"minusOne\": -1, "
    "\"name\": \"Gr\\u00f6\\u00dfe <&> \\u65e5\\u672c\", \"negative\": -2147483648, \"no\": false, "
    "\"real\": 0.1, \"yes\": true}";

// Reads a file through the CF calls and parses it as a property list.
CFPropertyListRef readPlist(CFURLRef url)
{
    CFDataRef data = nullptr;
    SInt32 err = -1;
    if (!CFURLCreateDataAndPropertiesFromResource(nullptr, url, &data, nullptr, nullptr, &err))
        return nullptr;
    CFPropertyListRef plist = CFPropertyListCreateFromXMLData(nullptr, data, kCFPropertyListImmutable, nullptr);
    CFRelease(data);
    return plist;
}

TEST_F(PropertyListTest, OurXMLReadsBackInPlistlib)
{
    CFHold<CFDictionaryRef> tree(makeReference());
    CFHold<CFDataRef> xml(CFPropertyListCreateXMLData(nullptr, tree));
    ASSERT_TRUE(xml.get());
    CFHold<CFURLRef> url(urlFor(dir + "/ours.plist"));
    SInt32 err = -1;
    ASSERT_TRUE(CFURLWriteDataAndPropertiesToResource(url, xml, nullptr, &err));
    EXPECT_EQ(err, 0);
    EXPECT_EQ(peer("read " + dir + "/ours.plist"), kReferenceJSON);

    // And we read our own output back to an equal tree, negatives intact.
    CFHold<CFPropertyListRef> back(readPlist(url));
    EXPECT_TRUE(CFEqual(back, tree));
    int32_t neg = 0;
    EXPECT_TRUE(CFNumberGetValue(static_cast<CFNumberRef>(CFDictionaryGetValue(
                                     static_cast<CFDictionaryRef>(back.get()), CFSTR("negative"))),
                                 kCFNumberSInt32Type, &neg));
    EXPECT_EQ(neg, INT32_MIN);
}

TEST_F(PropertyListTest, PlistlibFilesReadByUs)
{
    CFHold<CFDictionaryRef> expected(makeReference());
    for (const char *format : {"xml", "binary"}) {
        SCOPED_TRACE(format);
        std::string path = dir + "/peer-" + format + ".plist";
        ASSERT_EQ(peer("write " + path + " " + format), "");
        CFHold<CFURLRef> url(urlFor(path));
        CFHold<CFPropertyListRef> got(readPlist(url));
        ASSERT_TRUE(got.get());
        EXPECT_TRUE(CFEqual(got, expected));
    }
}

TEST_F(PropertyListTest, MalformedInputGivesNullAndReason)
{
    std::string deep;
    for (int i = 0; i < 400; ++i)
        deep += "<array>";
    for (int i = 0; i < 400; ++i)
        deep += "</array>";
    const std::string cases[] = {
        "",
        "not a property list at all",
        "<?xml version=\"1.0\"?><plist version=\"1.0\"><string>\xC3(</string></plist>", // invalid UTF-8
        "<plist version=\"1.0\"><date>2020-01-01T00:00:00Z</date></plist>",             // no CF date type
        std::string("bplist00\xD1\x01\x02", 11),                                         // truncated binary
        "<plist version=\"1.0\">" + deep + "</plist>",
        // Entities: none may be declared, none but the predefined ones used.
        "<!DOCTYPE plist [<!ENTITY a \"aaaa\">]><plist version=\"1.0\"><string>&a;</string></plist>",
        "<!DOCTYPE plist SYSTEM \"file:///etc/passwd\"><plist version=\"1.0\"><string>&x;</string></plist>",
        "<plist version=\"1.0\"><string>&x;</string></plist>",
        // Structure.
        "<plist version=\"1.0\"></plist>",
        "<plist version=\"1.0\"><true/><false/></plist>",
        "<plist version=\"1.0\"><dict><key>a</key></dict></plist>",
        "<plist version=\"1.0\"><dict><string>a</string></dict></plist>",
        "<plist version=\"1.0\"><dict><key>a</key><key>b</key><true/></dict></plist>",
        "<plist version=\"1.0\"><array><key>a</key></array></plist>",
        "<key>a</key>",
        "<plist version=\"1.0\"><array>loose text</array></plist>",
        "<plist version=\"1.0\"><string>a<b/></string></plist>",
        "<plist version=\"1.0\"><true>yes</true></plist>",
        "<plist version=\"1.0\"><set/></plist>",
        "<plist version=\"1.0\"><plist version=\"1.0\"><true/></plist></plist>",
        "<plist version=\"1.0\"><dict><key>a</key><true/>",                              // truncated
        // Values.
        "<plist version=\"1.0\"><integer>9223372036854775808</integer></plist>",
        "<plist version=\"1.0\"><integer>-9223372036854775809</integer></plist>",
        "<plist version=\"1.0\"><integer>12abc</integer></plist>",
        "<plist version=\"1.0\"><integer></integer></plist>",
        "<plist version=\"1.0\"><real>1.5x</real></plist>",
        "<plist version=\"1.0\"><data>AA*=</data></plist>",
        "<plist version=\"1.0\"><data>A</data></plist>",
        "<plist version=\"1.0\"><data>AA==AA</data></plist>",
        "<plist version=\"1.0\"><string>&#0;</string></plist>",
    };
    for (const auto &text : cases) {
        SCOPED_TRACE(text.substr(0, 60));
        CFHold<CFDataRef> data(CFDataCreate(nullptr, reinterpret_cast<const UInt8 *>(text.data()),
                                            CFIndex(text.size())));
        CFStringRef why = nullptr;
        CFPropertyListRef plist = CFPropertyListCreateFromXMLData(nullptr, data, kCFPropertyListImmutable, &why);
        EXPECT_EQ(plist, nullptr);
        CFRelease(plist);
        EXPECT_TRUE(why != nullptr);
        CFRelease(why);
    }
}

// A binary list may carry strings with a NUL inside; the parser underneath
// aborts on such keys, so these lists are refused with a reason instead.
TEST_F(PropertyListTest, BinaryStringsWithNulAreRefused)
{
    const std::string cases[] = {
        // ["\u00e9\u0000b"] as plistlib writes it (a UTF-16 value)
        std::string("\x62\x70\x6c\x69\x73\x74\x30\x30\xa1\x01\x63\x00\xe9\x00\x00\x00\x62\x08\x0a\x00\x00"
                    "\x00\x00\x00\x00\x01\x01\x00\x00\x00\x00\x00\x00\x00\x02\x00\x00\x00\x00\x00\x00\x00"
                    "\x00\x00\x00\x00\x00\x00\x00\x00\x00\x11",
                    51),
        // {"\u00e9\u0000k": 1} (a UTF-16 key)
        std::string("\x62\x70\x6c\x69\x73\x74\x30\x30\xd1\x01\x02\x63\x00\xe9\x00\x00\x00\x6b\x10\x01\x08"
                    "\x0b\x12\x00\x00\x00\x00\x00\x00\x01\x01\x00\x00\x00\x00\x00\x00\x00\x03\x00\x00\x00"
                    "\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x14",
                    55),
    };
    for (const auto &bin : cases) {
        CFHold<CFDataRef> data(CFDataCreate(nullptr, reinterpret_cast<const UInt8 *>(bin.data()), CFIndex(bin.size())));
        CFStringRef why = nullptr;
        EXPECT_EQ(CFPropertyListCreateFromXMLData(nullptr, data, kCFPropertyListImmutable, &why), nullptr);
        EXPECT_TRUE(why != nullptr);
        CFRelease(why);
    }
}

// XML forms that other writers use and that must read to the same values.
TEST_F(PropertyListTest, XMLVariantsRead)
{
    const UInt8 bytes[] = {0x00, 0x01, 0xFE, 0xFF, 0x7F};
    CFHold<CFDataRef> data(CFDataCreate(nullptr, bytes, 5));
    CFHold<CFDataRef> noData(CFDataCreate(nullptr, nullptr, 0));
    CFHold<CFNumberRef> minimum(int64Number(INT64_MIN)), sixteen(int64Number(16)), minus(int64Number(-5));
    double half = 0.5, big = 1e300;
    CFHold<CFNumberRef> halfNumber(CFNumberCreate(nullptr, kCFNumberFloat64Type, &half));
    CFHold<CFNumberRef> bigNumber(CFNumberCreate(nullptr, kCFNumberFloat64Type, &big));
    CFHold<CFStringRef> escaped(makeUTF8("<&>\"' \xC3\xA9\r\n")), empty(makeUTF8(""));
    const void *keys[] = {CFSTR("k")}, *values[] = {kCFBooleanFalse};
    CFHold<CFDictionaryRef> lastWins(CFDictionaryCreate(nullptr, keys, values, 1, &kCFTypeDictionaryKeyCallBacks,
                                                        &kCFTypeDictionaryValueCallBacks));
    struct Variant {
        std::string xml;
        CFTypeRef expected;
    };
    const std::string head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                             "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                             "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n<plist version=\"1.0\">\n";
    const Variant variants[] = {
        {head + "<data>\n\tAAH+\n\t/38=\n</data></plist>", data.get()},
        {head + "<data/></plist>", noData.get()},
        {head + "<integer> -9223372036854775808\n</integer></plist>", minimum.get()},
        {head + "<integer>0x10</integer></plist>", sixteen.get()},
        {head + "<integer>-5</integer></plist>", minus.get()},
        {head + "<real>.5</real></plist>", halfNumber.get()},
        {head + "<real>+1E300</real></plist>", bigNumber.get()},
        {head + "<string>&lt;&amp;&gt;&quot;&apos; &#xE9;&#13;\n</string></plist>", escaped.get()},
        {head + "<string><![CDATA[<&>\"' ]]>\xC3\xA9&#13;\n</string></plist>", escaped.get()},
        {head + "<string/></plist>", empty.get()},
        {head + "<dict><key>k</key><true/><key>k</key><false/></dict></plist>", lastWins.get()},
        {"<dict>\n<!-- comment --><key>k</key><?pi x?><false/></dict>", lastWins.get()}, // no plist element
    };
    for (const Variant &v : variants) {
        SCOPED_TRACE(v.xml);
        CFHold<CFDataRef> xml(CFDataCreate(nullptr, reinterpret_cast<const UInt8 *>(v.xml.data()),
                                           CFIndex(v.xml.size())));
        CFStringRef why = nullptr;
        CFHold<CFPropertyListRef> got(CFPropertyListCreateFromXMLData(nullptr, xml, kCFPropertyListImmutable, &why));
        EXPECT_TRUE(CFEqual(got, v.expected)) << utf8(why);
        if (why)
            CFRelease(why);
    }
}

// The exact layout of what we write, and strings that XML cannot carry.
TEST_F(PropertyListTest, XMLLayoutAndUnwritableText)
{
    CFHold<CFMutableDictionaryRef> dict(
        CFDictionaryCreateMutable(nullptr, 0, &kCFTypeDictionaryKeyCallBacks, &kCFTypeDictionaryValueCallBacks));
    CFHold<CFStringRef> text(makeUTF8("a<b>&c\r\n\t\xF0\x9F\x98\x80"));
    CFHold<CFNumberRef> number(int64Number(-42));
    double real = 0.1;
    CFHold<CFNumberRef> realNumber(CFNumberCreate(nullptr, kCFNumberFloat64Type, &real));
    const UInt8 bytes[] = {0xFF, 0x00, 0x41, 0x42};
    CFHold<CFDataRef> data(CFDataCreate(nullptr, bytes, 4));
    CFHold<CFMutableArrayRef> array(CFArrayCreateMutable(nullptr, 0, &kCFTypeArrayCallBacks));
    CFHold<CFArrayRef> emptyArray(CFArrayCreate(nullptr, nullptr, 0, &kCFTypeArrayCallBacks));
    CFHold<CFDictionaryRef> emptyDict(CFDictionaryCreate(nullptr, nullptr, nullptr, 0, &kCFTypeDictionaryKeyCallBacks,
                                                         &kCFTypeDictionaryValueCallBacks));
    CFArrayAppendValue(array, kCFBooleanTrue);
    CFArrayAppendValue(array, emptyArray);
    CFArrayAppendValue(array, emptyDict);
    CFDictionarySetValue(dict, CFSTR("t&xt"), text);
    CFDictionarySetValue(dict, CFSTR("n"), number);
    CFDictionarySetValue(dict, CFSTR("r"), realNumber);
    CFDictionarySetValue(dict, CFSTR("d"), data);
    CFDictionarySetValue(dict, CFSTR("a"), array);
    CFHold<CFDataRef> xml(CFPropertyListCreateXMLData(nullptr, dict));
    ASSERT_TRUE(xml.get());
    std::string got(reinterpret_cast<const char *>(CFDataGetBytePtr(xml)), size_t(CFDataGetLength(xml)));
    EXPECT_EQ(got, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                   "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                   "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
                   "<plist version=\"1.0\">\n"
                   "<dict>\n"
                   "\t<key>t&amp;xt</key>\n"
                   "\t<string>a&lt;b&gt;&amp;c&#13;\n\t\xF0\x9F\x98\x80</string>\n"
                   "\t<key>n</key>\n\t<integer>-42</integer>\n"
                   "\t<key>r</key>\n\t<real>0.1</real>\n"
                   "\t<key>d</key>\n\t<data>/wBBQg==</data>\n"
                   "\t<key>a</key>\n\t<array>\n\t\t<true/>\n\t\t<array/>\n\t\t<dict/>\n\t</array>\n"
                   "</dict>\n"
                   "</plist>\n");
    // The carriage return survives a round trip, here and in plistlib.
    CFHold<CFPropertyListRef> back(CFPropertyListCreateFromXMLData(nullptr, xml, kCFPropertyListImmutable, nullptr));
    EXPECT_TRUE(CFEqual(back, dict));
    CFHold<CFURLRef> url(urlFor(dir + "/layout.plist"));
    SInt32 err = -1;
    ASSERT_TRUE(CFURLWriteDataAndPropertiesToResource(url, xml, nullptr, &err));
    EXPECT_NE(peer("read " + dir + "/layout.plist").find("\"a<b>&c\\r\\n\\t\\ud83d\\ude00\""), std::string::npos);

    // Characters XML 1.0 has no form for, in a value or in a key.
    const std::u16string unwritable[] = {u"a\x01", u"\x1F", u"\xFFFE", u"\xFFFF", u"x\xD800", u"\xDC00y"};
    for (const std::u16string &bad : unwritable) {
        CFHold<CFStringRef> s(CFStringCreateWithCharacters(nullptr, reinterpret_cast<const UniChar *>(bad.data()),
                                                           CFIndex(bad.size())));
        EXPECT_EQ(CFPropertyListCreateXMLData(nullptr, s), nullptr);
        const void *k[] = {s.get()}, *v[] = {kCFBooleanTrue};
        CFHold<CFDictionaryRef> d(CFDictionaryCreate(nullptr, k, v, 1, &kCFTypeDictionaryKeyCallBacks,
                                                     &kCFTypeDictionaryValueCallBacks));
        EXPECT_EQ(CFPropertyListCreateXMLData(nullptr, d), nullptr);
    }
}

TEST_F(PropertyListTest, NonPropertyListValuesAreRefused)
{
    CFHold<CFURLRef> url(urlFor("/tmp/x"));
    CFHold<CFMutableArrayRef> array(CFArrayCreateMutable(nullptr, 0, &kCFTypeArrayCallBacks));
    CFArrayAppendValue(array, CFSTR("fine"));
    CFArrayAppendValue(array, url);
    EXPECT_EQ(CFPropertyListCreateXMLData(nullptr, array), nullptr);

    CFHold<CFMutableDictionaryRef> dict(
        CFDictionaryCreateMutable(nullptr, 0, &kCFTypeDictionaryKeyCallBacks, &kCFTypeDictionaryValueCallBacks));
    CFHold<CFNumberRef> key(int64Number(1));
    CFDictionarySetValue(dict, key, CFSTR("number keys have no XML form"));
    EXPECT_EQ(CFPropertyListCreateXMLData(nullptr, dict), nullptr);

    // A NUL would silently cut the string short in XML.
    const UniChar withNul[] = {'a', 0, 'b'};
    CFHold<CFStringRef> nulString(CFStringCreateWithCharacters(nullptr, withNul, 3));
    EXPECT_EQ(CFPropertyListCreateXMLData(nullptr, nulString), nullptr);
}

TEST_F(PropertyListTest, AtomicWriteReplacesWholeFileAndKeepsMode)
{
    std::string path = dir + "/list.plist";
    { std::ofstream(path) << "old contents that are longer than the new ones"; }
    chmod(path.c_str(), 0640);
    CFHold<CFURLRef> url(urlFor(path));
    const UInt8 text[] = "new";
    CFHold<CFDataRef> data(CFDataCreate(nullptr, text, 3));
    SInt32 err = -1;
    ASSERT_TRUE(CFURLWriteDataAndPropertiesToResource(url, data, nullptr, &err));
    EXPECT_EQ(slurp(path), "new");
    struct stat st;
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1); // no temporary left

    CFDataRef readBack = nullptr;
    ASSERT_TRUE(CFURLCreateDataAndPropertiesFromResource(nullptr, url, &readBack, nullptr, nullptr, &err));
    EXPECT_EQ(CFDataGetLength(readBack), 3);
    CFRelease(readBack);
}

TEST_F(PropertyListTest, FailedWriteLeavesTargetAndNoTemporary)
{
    const UInt8 text[] = "new";
    CFHold<CFDataRef> data(CFDataCreate(nullptr, text, 3));
    SInt32 err = 0;

    // The folder is a regular file.
    std::string notDir = dir + "/plain";
    { std::ofstream(notDir) << "x"; }
    CFHold<CFURLRef> underFile(urlFor(notDir + "/list.plist"));
    EXPECT_FALSE(CFURLWriteDataAndPropertiesToResource(underFile, data, nullptr, &err));
    EXPECT_EQ(err, ENOTDIR);

    // The rename fails (the target is a folder): the temporary is removed.
    std::string target = dir + "/target";
    fs::create_directory(target);
    { std::ofstream(target + "/keep") << "kept"; }
    CFHold<CFURLRef> onDir(urlFor(target));
    EXPECT_FALSE(CFURLWriteDataAndPropertiesToResource(onDir, data, nullptr, &err));
    EXPECT_NE(err, 0);
    EXPECT_EQ(slurp(target + "/keep"), "kept");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);

    // Reading a missing file or a folder reports errno and no data.
    CFDataRef out = reinterpret_cast<CFDataRef>(1);
    CFHold<CFURLRef> missing(urlFor(dir + "/missing"));
    EXPECT_FALSE(CFURLCreateDataAndPropertiesFromResource(nullptr, missing, &out, nullptr, nullptr, &err));
    EXPECT_EQ(err, ENOENT);
    EXPECT_EQ(out, nullptr);
    EXPECT_FALSE(CFURLCreateDataAndPropertiesFromResource(nullptr, onDir, &out, nullptr, nullptr, &err));
    EXPECT_EQ(err, EISDIR);
}

TEST_F(PropertyListTest, UnwritableFolderKeepsOldFile)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root";
    std::string path = dir + "/list.plist";
    { std::ofstream(path) << "old"; }
    chmod(dir.c_str(), 0555);
    CFHold<CFURLRef> url(urlFor(path));
    const UInt8 text[] = "new";
    CFHold<CFDataRef> data(CFDataCreate(nullptr, text, 3));
    SInt32 err = 0;
    EXPECT_FALSE(CFURLWriteDataAndPropertiesToResource(url, data, nullptr, &err));
    EXPECT_EQ(err, EACCES);
    EXPECT_EQ(slurp(path), "old");
}

} // namespace
