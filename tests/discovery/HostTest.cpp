// Finding the printer's host: the network location rule, and the calls that
// end before any walk (only the backup of the file is made).
#include <gtest/gtest.h>

#include <string>

#include <CoreFoundation/CoreFoundation.h>
#include <Printing/Printing.h>

#include "CustomContext.h"
#include "DiscoveryTestSupport.h"
#include "ProfileWalk.h"

namespace {

TEST(HostOfNetLocationTest, TakesTheHostPart)
{
    struct {
        const char *location;
        const char *host;  // null: refused
    } const table[] = {
        {"printer.local", "printer.local"},
        {"192.168.1.20:9100", "192.168.1.20"},
        {"printer.local:631:extra", "printer.local"},
        {"[fe80::1]:631", "udp6:[fe80::1]"},
        {"[fe80::1]", "udp6:[fe80::1]"},
        {"[fe80::1", nullptr},
        {"[]", nullptr},
        {"", nullptr},
        {":9100", nullptr},
        {"-Cc:161", nullptr},
    };
    for (auto t : table) {
        char host[256] = "sentinel";
        SCOPED_TRACE(t.location);
        Boolean ok = bHostOfNetLocation(t.location, host, sizeof host);
        EXPECT_EQ(ok != 0, t.host != nullptr);
        EXPECT_STREQ(host, t.host != nullptr ? t.host : "");
    }
}

TEST(HostOfNetLocationTest, RefusesAHostThatDoesNotFit)
{
    std::string location(300, 'a');
    char host[256];
    EXPECT_FALSE(bHostOfNetLocation(location.c_str(), host, sizeof host));
    EXPECT_STREQ(host, "");
    location.resize(255);
    EXPECT_TRUE(bHostOfNetLocation(location.c_str(), host, sizeof host));
    EXPECT_EQ(std::string(host), location);
}

// Sessions whose printer cannot be walked: GetProfilesFromMIB answers 0, backs
// the file up, and neither walks (the spool keeps its content) nor merges
// (the file keeps its content).
class NoWalkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SeedFile({{2, 11, "PROF01.ICC", 4, "Office", 1}}));
        PlistForSpool.iNum = 77;
    }
    void TearDown() override
    {
        EXPECT_EQ(PlistForSpool.iNum, 77);
        EXPECT_TRUE(FileExists(true));
        StoredLists stored = ReadFile();
        EXPECT_EQ(stored.rgb, (Rows{{2, 11, "PROF01.ICC", 4, "Office", 1}}));
        PlistForSpool.iNum = 0;
    }
    // Runs GetProfilesFromMIB on a session whose printer has this device URI
    // (none for null).
    SInt32 WalkPrinterWithURI(const char *uri)
    {
        PMPrintSession session = PMHostCreateSession();
        CFStringRef ppd = CFStringCreateWithCString(nullptr, QV_SOURCE_DIR "/resources/ppd/ORVEN-QV17.ppd",
                                                    kCFStringEncodingUTF8);
        CFStringRef deviceURI =
            uri != nullptr ? CFStringCreateWithCString(nullptr, uri, kCFStringEncodingUTF8) : nullptr;
        PMHostSessionSetPrinter(session, CFSTR("QV17"), ppd, deviceURI);
        CustomContext context{};
        context.printSession = session;
        SInt32 status = GetProfilesFromMIB(&context);
        if (deviceURI != nullptr)
            CFRelease(deviceURI);
        CFRelease(ppd);
        PMHostReleaseSession(session);
        return status;
    }
    TempHome home;
};

TEST_F(NoWalkTest, NoContextOrSession)
{
    EXPECT_EQ(GetProfilesFromMIB(nullptr), 0);
    CustomContext context{};
    EXPECT_EQ(GetProfilesFromMIB(&context), 0);
}

TEST_F(NoWalkTest, SessionWithoutPrinter)
{
    PMPrintSession session = PMHostCreateSession();
    CustomContext context{};
    context.printSession = session;
    EXPECT_EQ(GetProfilesFromMIB(&context), 0);
    PMHostReleaseSession(session);
}

TEST_F(NoWalkTest, PrinterWithoutDeviceURI)
{
    EXPECT_EQ(WalkPrinterWithURI(nullptr), 0);
}

TEST_F(NoWalkTest, DeviceURIsWithoutAUsableHost)
{
    std::string longHost = "socket://" + std::string(300, 'a') + ":9100/";
    for (const char *uri : {"file:///dev/null", "socket://:9100/", "socket://-Ci/", longHost.c_str()}) {
        SCOPED_TRACE(uri);
        EXPECT_EQ(WalkPrinterWithURI(uri), 0);
    }
}

} // namespace
