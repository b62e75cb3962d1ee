// URLs: device URIs of every scheme, file URLs and their escaping.
#include "CFTestSupport.h"

namespace {

class URLTest : public CFBalanced {};

TEST_F(URLTest, SchemeAndNetLocationAsWritten)
{
    struct Case {
        const char *url;
        const char *scheme;
        const char *netLocation;
    } cases[] = {
        {"socket://192.168.0.5:9100", "socket", "192.168.0.5:9100"},
        {"ipp://host:631/printers/x", "ipp", "host:631"},
        {"lpd://[fe80::1]:515/q", "lpd", "[fe80::1]:515"},
        {"ipp://[fe80::1%25eth0]/ipp", "ipp", "[fe80::1%25eth0]"},
        {"http://user:pw@printer.local/status?x=1", "http", "printer.local"},
        {"snmp://printer", "snmp", "printer"},
        {"usb://ORVEN/QV17?serial=A1", "usb", "ORVEN"},
        {"file:///tmp/x.ppd", "file", "<null>"},
        {"mailto:someone@example.com", "mailto", "<null>"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.url);
        CFHold<CFStringRef> text(makeUTF8(c.url));
        CFHold<CFURLRef> url(CFURLCreateWithString(nullptr, text, nullptr));
        ASSERT_TRUE(url.get());
        EXPECT_TRUE(CFEqual(CFURLGetString(url), text));
        CFHold<CFStringRef> scheme(CFURLCopyScheme(url));
        CFHold<CFStringRef> loc(CFURLCopyNetLocation(url));
        EXPECT_EQ(utf8(scheme), c.scheme);
        EXPECT_EQ(utf8(loc), c.netLocation);
    }
}

TEST_F(URLTest, MalformedURLStringsGiveNull)
{
    for (const char *bad : {"", "ipp://host name/", "ipp://host/%zz", "ipp://host/50%", "ipp://h\xC3\xA9/"}) {
        CFHold<CFStringRef> s(makeUTF8(bad));
        EXPECT_EQ(CFURLCreateWithString(nullptr, s, nullptr), nullptr) << bad;
    }
}

TEST_F(URLTest, FilePathsRoundTripThroughEscaping)
{
    struct Case {
        const char *path;
        bool isDirectory;
        const char *url;
        const char *back;
    } cases[] = {
        {"/Library/Printers/PPDs/QV17.ppd", false, "file:///Library/Printers/PPDs/QV17.ppd",
         "/Library/Printers/PPDs/QV17.ppd"},
        {"/tmp/with space/50%#?.plist", false, "file:///tmp/with%20space/50%25%23%3F.plist",
         "/tmp/with space/50%#?.plist"},
        {"/home/u/Gr\xC3\xB6\xC3\x9F" "e", true, "file:///home/u/Gr%C3%B6%C3%9Fe/", "/home/u/Gr\xC3\xB6\xC3\x9F" "e"},
        {"/", true, "file:///", "/"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path);
        CFHold<CFStringRef> path(makeUTF8(c.path));
        CFHold<CFURLRef> url(CFURLCreateWithFileSystemPath(nullptr, path, kCFURLPOSIXPathStyle, c.isDirectory));
        EXPECT_EQ(utf8(CFURLGetString(url)), c.url);
        CFHold<CFStringRef> back(CFURLCopyFileSystemPath(url, kCFURLPOSIXPathStyle));
        EXPECT_EQ(utf8(back), c.back);
        UInt8 buf[128];
        ASSERT_TRUE(CFURLGetFileSystemRepresentation(url, true, buf, sizeof buf));
        EXPECT_STREQ(reinterpret_cast<char *>(buf), c.back);
    }
}

TEST_F(URLTest, PathsOnlyForFileURLs)
{
    CFHold<CFURLRef> ipp(CFURLCreateWithString(nullptr, CFSTR("ipp://host/printers/x"), nullptr));
    EXPECT_EQ(CFURLCopyFileSystemPath(ipp, kCFURLPOSIXPathStyle), nullptr);
    CFHold<CFURLRef> remote(CFURLCreateWithString(nullptr, CFSTR("file://server/share/x"), nullptr));
    EXPECT_EQ(CFURLCopyFileSystemPath(remote, kCFURLPOSIXPathStyle), nullptr);
    // An escaped NUL would cut the path short: refused.
    CFHold<CFURLRef> nul(CFURLCreateWithString(nullptr, CFSTR("file:///etc/passwd%00.plist"), nullptr));
    EXPECT_EQ(CFURLCopyFileSystemPath(nul, kCFURLPOSIXPathStyle), nullptr);

    CFHold<CFURLRef> file(CFURLCreateWithFileSystemPath(nullptr, CFSTR("/a/long/path"), kCFURLPOSIXPathStyle, false));
    UInt8 small[8];
    EXPECT_FALSE(CFURLGetFileSystemRepresentation(file, true, small, sizeof small));
    EXPECT_EQ(small[0], 0);
}

TEST_F(URLTest, AppendingComponentsAndRelativeStrings)
{
    CFHold<CFURLRef> dir(CFURLCreateWithFileSystemPath(nullptr, CFSTR("/tmp/prefs"), kCFURLPOSIXPathStyle, true));
    CFHold<CFURLRef> file(CFURLCreateCopyAppendingPathComponent(nullptr, dir, CFSTR("my list.plist"), false));
    EXPECT_EQ(utf8(CFURLGetString(file)), "file:///tmp/prefs/my%20list.plist");
    CFHold<CFURLRef> noSlash(CFURLCreateWithFileSystemPath(nullptr, CFSTR("/tmp/prefs"), kCFURLPOSIXPathStyle, false));
    CFHold<CFURLRef> sub(CFURLCreateCopyAppendingPathComponent(nullptr, noSlash, CFSTR("en.lproj"), true));
    EXPECT_EQ(utf8(CFURLGetString(sub)), "file:///tmp/prefs/en.lproj/");

    CFHold<CFURLRef> base(CFURLCreateWithString(nullptr, CFSTR("ipp://host:631/printers/x"), nullptr));
    CFHold<CFURLRef> sibling(CFURLCreateWithString(nullptr, CFSTR("y"), base));
    EXPECT_EQ(utf8(CFURLGetString(sibling)), "ipp://host:631/printers/y");
    CFHold<CFURLRef> rooted(CFURLCreateWithString(nullptr, CFSTR("/admin"), base));
    EXPECT_EQ(utf8(CFURLGetString(rooted)), "ipp://host:631/admin");
}

} // namespace
