// Getting the PPD out of a session on both system-version paths, and the
// model confirmation.
#include "PPDTestSupport.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

const char kSessionMessage[] = "there was a problem getting the PPD out of the session object ------ err = %d\n";

std::string SessionMessage(OSStatus status)
{
    char text[200];
    std::snprintf(text, sizeof text, kSessionMessage, static_cast<int>(status));
    return text;
}

// The record the session published under "kPMPPDReference".
ppd_file_t *PublishedPPD(PMPrintSession session)
{
    CFTypeRef data = nullptr;
    if (PMSessionGetDataFromSession(session, kPMPPDReferenceKey, &data) != noErr)
        return nullptr;
    ppd_file_t *ppd = nullptr;
    std::memcpy(&ppd, CFDataGetBytePtr(static_cast<CFDataRef>(data)), sizeof ppd);
    return ppd;
}

// A scratch folder, removed at the end of the test.
class PPDSessionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char tmpl[] = "/tmp/ppd_tests_XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir = tmpl;
    }
    void TearDown() override
    {
        PMHostSetSystemVersion(0x1049);
        fs::remove_all(dir);
    }
    std::string Write(const std::string &name, const std::string &contents)
    {
        const fs::path path = fs::path(dir) / name;
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << contents;
        return path.string();
    }
    // A copy of the sample under a path of exactly length characters.
    std::string SampleAtPathLength(size_t length)
    {
        std::string path = dir + "/";
        const std::string leaf = "x.ppd";
        while (path.size() + leaf.size() < length)
            path += (length - path.size() - leaf.size() > 1) ? "d/" : "e";
        path += leaf;
        EXPECT_EQ(path.size(), length);
        fs::create_directories(fs::path(path).parent_path());
        fs::copy_file(SamplePPDPath(), path);
        return path;
    }
    std::string dir;
};

TEST_F(PPDSessionTest, NewerSystemsTakeTheSessionsRecord)
{
    for (SInt32 version : {0x1030, 0x1049, 0 /* Gestalt fails */}) {
        PMHostSetSystemVersion(version);
        TestSession s(SamplePPDPath());
        ppd_file_t *ppd = reinterpret_cast<ppd_file_t *>(0x1);
        testing::internal::CaptureStderr();
        EXPECT_EQ(GetPPDRefFromSession(s.session, &ppd), noErr) << version;
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        EXPECT_EQ(ppd, PublishedPPD(s.session)) << version;
        EXPECT_NE(ppd, nullptr);
    }
}

TEST_F(PPDSessionTest, NewerSystemsReportASessionWithoutRecord)
{
    const std::string broken = Write("broken.ppd", "not a PPD\n");
    {
        // The printer's file did not parse, so the session has no record.
        TestSession s(broken);
        ppd_file_t *ppd = reinterpret_cast<ppd_file_t *>(0x1);
        testing::internal::CaptureStderr();
        EXPECT_EQ(GetPPDRefFromSession(s.session, &ppd), kPMKeyNotFound);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), SessionMessage(kPMKeyNotFound));
        EXPECT_EQ(ppd, nullptr);
    }
    {
        // Data that cannot hold a pointer is no record; the session itself
        // answered 0.
        TestSession s(SamplePPDPath());
        const UInt8 bytes[4] = {1, 2, 3, 4};
        CFDataRef shortData = CFDataCreate(nullptr, bytes, sizeof bytes);
        ASSERT_EQ(PMSessionSetDataInSession(s.session, kPMPPDReferenceKey, shortData), noErr);
        CFRelease(shortData);
        ppd_file_t *ppd = nullptr;
        testing::internal::CaptureStderr();
        EXPECT_EQ(GetPPDRefFromSession(s.session, &ppd), noErr);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), SessionMessage(0));
        EXPECT_EQ(ppd, nullptr);
    }
}

TEST_F(PPDSessionTest, OlderSystemsParseThePrintersFile)
{
    PMHostSetSystemVersion(0x102F);
    {
        TestSession s(SamplePPDPath());
        ppd_file_t *ppd = nullptr;
        EXPECT_EQ(GetPPDRefFromSession(s.session, &ppd), noErr);
        ASSERT_NE(ppd, nullptr);
        EXPECT_NE(ppd, PublishedPPD(s.session));
        EXPECT_NE(ppdFindOption(ppd, "VxSimGrayTreatment"), nullptr);
    }
    {
        TestSession s(Write("broken.ppd", "not a PPD\n"));
        ppd_file_t *ppd = reinterpret_cast<ppd_file_t *>(0x1);
        EXPECT_EQ(GetPPDRefFromSession(s.session, &ppd), noErr);
        EXPECT_EQ(ppd, nullptr);
    }
    {
        TestSession s;  // no printer
        ppd_file_t *ppd = reinterpret_cast<ppd_file_t *>(0x1);
        EXPECT_EQ(GetPPDRefFromSession(s.session, &ppd), -1);
        EXPECT_EQ(ppd, nullptr);
    }
    {
        // A path that does not fit the buffer is refused, not cut short.
        TestSession s(SampleAtPathLength(kPPDPathBufferSize));
        ppd_file_t *ppd = reinterpret_cast<ppd_file_t *>(0x1);
        EXPECT_EQ(GetPPDRefFromSession(s.session, &ppd), -1);
        EXPECT_EQ(ppd, nullptr);
    }
    {
        TestSession s(SampleAtPathLength(kPPDPathBufferSize - 1));
        ppd_file_t *ppd = nullptr;
        EXPECT_EQ(GetPPDRefFromSession(s.session, &ppd), noErr);
        EXPECT_NE(ppd, nullptr);
    }
}

TEST_F(PPDSessionTest, ModelConfirmationReadsThePrintersFile)
{
    fs::create_directories(dir + "/folder.ppd");
    const struct {
        std::string path;
        OSStatus expected;
    } cases[] = {
        {SamplePPDPath(), noErr},
        {FixturePath("model-in-comment.ppd"), noErr},
        {FixturePath("model-lowercase.ppd"), -1},
        {FixturePath("encoding-utf-8.ppd"), -1},
        // Unparsable as a PPD but carrying the text: only the text counts.
        {Write("plain.txt", std::string("\0\xff", 2) + "ORVEN QV17 PPD"), noErr},
        // The text cut by the end of the file.
        {Write("cut.ppd", "*% ORVEN QV17 PP"), -1},
        {Write("empty.ppd", ""), -1},
        {dir + "/missing.ppd", -1},
        {dir + "/folder.ppd", -1},
        {SampleAtPathLength(kPPDPathBufferSize - 1), noErr},
        {SampleAtPathLength(kPPDPathBufferSize + 20), -1},
    };
    for (const auto &c : cases) {
        TestSession s(c.path);
        EXPECT_EQ(MyPPDModelConfirmation(s.session), c.expected) << c.path;
    }
    TestSession noPrinter;
    EXPECT_EQ(MyPPDModelConfirmation(noPrinter.session), -1);
}

} // namespace
