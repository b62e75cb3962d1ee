// The printing host layer: session data, ticket handles, printers and their
// PPD records, and the system version.
#include <Printing/Printing.h>

#include <cups/ppd.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const std::string kSamplePPD = std::string(QV_SOURCE_DIR) + "/resources/ppd/ORVEN-QV17.ppd";

CFStringRef Str(const std::string &s) { return CFStringCreateWithCString(nullptr, s.c_str(), kCFStringEncodingUTF8); }

std::string StdString(CFStringRef s)
{
    char buffer[1024];
    return s && CFStringGetCString(s, buffer, sizeof buffer, kCFStringEncodingUTF8) ? buffer : "<null>";
}

PMTicketRef TicketFromHandle(SInt32 handle) { return reinterpret_cast<PMTicketRef>(static_cast<std::intptr_t>(handle)); }

// The handle the session publishes, read the way the pane reads it.
SInt32 PublishedHandle(PMPrintSession session)
{
    CFTypeRef value = nullptr;
    EXPECT_EQ(PMSessionGetDataFromSession(session, kPMPrintSettingsTicketKey, &value), noErr);
    SInt32 handle = 0;
    EXPECT_TRUE(value && CFGetTypeID(value) == CFNumberGetTypeID());
    EXPECT_TRUE(CFNumberGetValue(static_cast<CFNumberRef>(value), kCFNumberSInt32Type, &handle));
    return handle;
}

// The record published under "kPMPPDReference", or null.
ppd_file_t *PublishedPPD(PMPrintSession session)
{
    CFTypeRef value = nullptr;
    if (PMSessionGetDataFromSession(session, kPMPPDReferenceKey, &value) != noErr)
        return nullptr;
    EXPECT_EQ(CFGetTypeID(value), CFDataGetTypeID());
    EXPECT_EQ(CFDataGetLength(static_cast<CFDataRef>(value)), CFIndex(sizeof(ppd_file_t *)));
    ppd_file_t *ppd = nullptr;
    std::memcpy(&ppd, CFDataGetBytePtr(static_cast<CFDataRef>(value)), sizeof ppd);
    return ppd;
}

class PrintingTest : public ::testing::Test {
protected:
    void SetUp() override { liveAtStart = CFDebugLiveObjectCount(); }
    void TearDown() override { EXPECT_EQ(CFDebugLiveObjectCount(), liveAtStart) << "CF objects leaked"; }
    CFIndex liveAtStart = 0;
};

TEST_F(PrintingTest, SessionDataRoundTripsAndMissingKeysAreReported)
{
    PMPrintSession session = PMHostCreateSession();
    ASSERT_NE(session, nullptr);
    CFStringRef key = CFSTR("com.example.key");
    CFTypeRef value = CFSTR("sentinel");
    EXPECT_EQ(PMSessionGetDataFromSession(session, key, &value), kPMKeyNotFound);
    EXPECT_EQ(value, nullptr);

    CFStringRef stored = Str("stored");
    EXPECT_EQ(PMSessionSetDataInSession(session, key, stored), noErr);
    CFRelease(stored);  // the session keeps its own reference
    EXPECT_EQ(PMSessionGetDataFromSession(session, key, &value), noErr);
    EXPECT_EQ(StdString(static_cast<CFStringRef>(value)), "stored");

    EXPECT_EQ(PMSessionSetDataInSession(session, key, nullptr), noErr);
    EXPECT_EQ(PMSessionGetDataFromSession(session, key, &value), kPMKeyNotFound);
    EXPECT_NE(PMSessionGetDataFromSession(nullptr, key, &value), noErr);

    PMPrinter printer = reinterpret_cast<PMPrinter>(1);
    EXPECT_EQ(PMSessionGetCurrentPrinter(session, &printer), kPMInvalidPrinter);
    EXPECT_EQ(printer, nullptr);
    PMHostReleaseSession(session);
}

TEST_F(PrintingTest, TicketHandlesAreDistinctAndMapToTheirOwnDictionaries)
{
    PMPrintSession a = PMHostCreateSession();
    PMPrintSession b = PMHostCreateSession();
    const SInt32 ha = PublishedHandle(a);
    const SInt32 hb = PublishedHandle(b);
    EXPECT_GE(ha, 1);
    EXPECT_GE(hb, 1);
    EXPECT_NE(ha, hb);
    EXPECT_EQ(PMHostTicketHandle(PMHostSessionGetTicket(a)), ha);

    CFMutableDictionaryRef da = nullptr, db = nullptr;
    ASSERT_EQ(PMTicketGetPPDDict(TicketFromHandle(ha), 0, 0, &da), noErr);
    ASSERT_EQ(PMTicketGetPPDDict(TicketFromHandle(hb), 0, 0, &db), noErr);
    ASSERT_NE(da, db);
    EXPECT_EQ(da, PMHostTicketGetPPDDict(TicketFromHandle(ha)));
    CFDictionarySetValue(da, CFSTR("VxQuickColor"), CFSTR("Vivid"));
    EXPECT_EQ(CFDictionaryGetCount(db), 0);
    EXPECT_EQ(StdString(static_cast<CFStringRef>(CFDictionaryGetValue(
                  PMHostTicketGetPPDDict(PMHostSessionGetTicket(a)), CFSTR("VxQuickColor")))),
              "Vivid");

    CFMutableDictionaryRef dict = nullptr;
    EXPECT_EQ(PMTicketGetPPDDict(TicketFromHandle(ha), 1, 0, &dict), kPMInvalidParameter);

    // A released session's handle no longer reaches a ticket, and is not
    // handed to the next session while the other one lives.
    PMHostReleaseSession(a);
    EXPECT_EQ(PMTicketGetPPDDict(TicketFromHandle(ha), 0, 0, &dict), kPMInvalidTicket);
    EXPECT_EQ(dict, nullptr);
    EXPECT_EQ(PMHostTicketGetPPDDict(TicketFromHandle(ha)), nullptr);
    PMPrintSession c = PMHostCreateSession();
    EXPECT_NE(PublishedHandle(c), hb);
    EXPECT_EQ(PMTicketGetPPDDict(TicketFromHandle(hb), 0, 0, &dict), noErr);

    for (SInt32 bogus : {0, -1, 0x7fffffff})
        EXPECT_EQ(PMTicketGetPPDDict(TicketFromHandle(bogus), 0, 0, &dict), kPMInvalidTicket) << bogus;
    PMHostReleaseSession(b);
    PMHostReleaseSession(c);
}

TEST_F(PrintingTest, GestaltAnswersOnlyTheSystemVersion)
{
    SInt32 response = -1;
    EXPECT_EQ(PMHostGetSystemVersion(), 0x1049);
    EXPECT_EQ(Gestalt(gestaltSystemVersion, &response), noErr);
    EXPECT_EQ(response, 0x1049);

    PMHostSetSystemVersion(0x1028);
    EXPECT_EQ(Gestalt(gestaltSystemVersion, &response), noErr);
    EXPECT_EQ(response, 0x1028);
    EXPECT_EQ(Gestalt(FourCC("cpu "), &response), gestaltUndefSelectorErr);
    PMHostSetSystemVersion(0);
    EXPECT_NE(Gestalt(gestaltSystemVersion, &response), noErr);
    PMHostSetSystemVersion(0x1049);
}

TEST_F(PrintingTest, PrinterCarriesNamePPDURLDeviceURIAndParsedRecord)
{
    PMPrintSession session = PMHostCreateSession();
    CFStringRef name = Str("QV17"), path = Str(kSamplePPD), uri = Str("socket://127.0.0.1:9100");
    ASSERT_EQ(PMHostSessionSetPrinter(session, name, path, uri), noErr);

    PMPrinter printer = nullptr;
    ASSERT_EQ(PMSessionGetCurrentPrinter(session, &printer), noErr);
    EXPECT_EQ(StdString(PMPrinterGetName(printer)), "QV17");

    CFURLRef url = nullptr;
    ASSERT_EQ(PMPrinterGetDescriptionURL(printer, kPMPPDDescriptionType, &url), noErr);
    CFStringRef urlPath = CFURLCopyFileSystemPath(url, kCFURLPOSIXPathStyle);
    EXPECT_EQ(StdString(urlPath), kSamplePPD);
    CFRelease(urlPath);
    EXPECT_NE(PMPrinterGetDescriptionURL(printer, CFSTR("PMOtherDescriptionType"), &url), noErr);
    EXPECT_EQ(url, nullptr);

    CFURLRef device = nullptr;
    ASSERT_EQ(PMPrinterGetDeviceURI(printer, &device), noErr);
    CFStringRef location = CFURLCopyNetLocation(device);
    EXPECT_EQ(StdString(location), "127.0.0.1:9100");
    CFRelease(location);
    CFRelease(device);

    ppd_file_t *ppd = PublishedPPD(session);
    ASSERT_NE(ppd, nullptr);
    EXPECT_NE(ppdFindOption(ppd, "VxQuickColor"), nullptr);

    // Without a device URI the printer reports none.
    ASSERT_EQ(PMHostSessionSetPrinter(session, name, path, nullptr), noErr);
    ASSERT_EQ(PMSessionGetCurrentPrinter(session, &printer), noErr);
    EXPECT_EQ(PMPrinterGetDeviceURI(printer, &device), kPMKeyNotFound);
    EXPECT_EQ(device, nullptr);

    EXPECT_EQ(PMHostSessionSetPrinter(session, nullptr, path, nullptr), paramErr);
    EXPECT_EQ(PMHostSessionSetPrinter(session, name, nullptr, nullptr), paramErr);
    CFRelease(name);
    CFRelease(path);
    CFRelease(uri);
    PMHostReleaseSession(session);
}

TEST_F(PrintingTest, UnparsablePPDLeavesNoReferenceButKeepsThePrinter)
{
    char tmpl[] = "/tmp/printing_tests_XXXXXX";
    const int fd = mkstemp(tmpl);
    ASSERT_GE(fd, 0);
    FILE *f = fdopen(fd, "w");
    std::fputs("this is not a PPD file\n", f);
    std::fclose(f);

    PMPrintSession session = PMHostCreateSession();
    CFStringRef name = Str("QV17"), good = Str(kSamplePPD), bad = Str(tmpl), missing = Str("/nonexistent/x.ppd");
    ASSERT_EQ(PMHostSessionSetPrinter(session, name, good, nullptr), noErr);
    ASSERT_NE(PublishedPPD(session), nullptr);

    for (CFStringRef path : {bad, missing}) {
        ASSERT_EQ(PMHostSessionSetPrinter(session, name, path, nullptr), noErr);
        CFTypeRef value = nullptr;
        EXPECT_EQ(PMSessionGetDataFromSession(session, kPMPPDReferenceKey, &value), kPMKeyNotFound);
        PMPrinter printer = nullptr;
        CFURLRef url = nullptr;
        ASSERT_EQ(PMSessionGetCurrentPrinter(session, &printer), noErr);
        EXPECT_EQ(PMPrinterGetDescriptionURL(printer, kPMPPDDescriptionType, &url), noErr);
        EXPECT_NE(url, nullptr);
    }
    CFRelease(name);
    CFRelease(good);
    CFRelease(bad);
    CFRelease(missing);
    PMHostReleaseSession(session);
    std::remove(tmpl);
}

} // namespace
