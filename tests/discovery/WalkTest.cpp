// The walk against real agents on the loopback: snmpsimd serving .snmprec
// files, and a scripted responder for answers snmpsimd never gives.  Each
// test starts its own agent and checks the walk result, the spool and the
// profile list file that the merge wrote.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <string>

#include <CoreFoundation/CoreFoundation.h>
#include <Printing/Printing.h>

#include "CustomContext.h"
#include "DiscoveryTestSupport.h"
#include "ProfileFile.h"
#include "ProfileSnmp.h"
#include "ProfileWalk.h"
#include "agent/SnmpAgent.h"

namespace {

const std::string kFixtures = QV_SOURCE_DIR "/tests/discovery/fixtures/";
const std::string kResponder = QV_SOURCE_DIR "/tests/discovery/responder.py";

// The library's timeout (seconds) and retries for every walk of this process.
constexpr int kTimeoutSeconds = 2;
constexpr int kRetries = 1;

class WalkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setup = &SnmpPrepareEnvironment(kTimeoutSeconds, kRetries);
        ASSERT_FALSE(setup->workDir.empty());
        ASSERT_GT(setup->port, 0);
    }
    void TearDown() override { SnmpStopAgent(agent); }

    void StartAgent(const std::string &snmprec)
    {
        std::string error;
        agent = SnmpStartAgent(*setup, snmprec, &error);
        ASSERT_GT(agent, 0) << error;
    }
    void StartResponder(const std::string &mode)
    {
        std::string error;
        agent = SnmpStartResponder(*setup, kResponder, mode, &error);
        ASSERT_GT(agent, 0) << error;
    }

    // The walk as the pane runs it, with the host (and root) given.
    static SInt32 Walk(const char *hostName = "127.0.0.1", const char *rootOid = kProfileEntryOidText)
    {
        std::string host = hostName, root = rootOid;
        char program[] = "snmpwalk", output[] = "-Os", communityFlag[] = "-c", community[] = "tundra",
             versionFlag[] = "-v", version[] = "1";
        char *argv[] = {program, output, communityFlag, community, versionFlag, version, host.data(), root.data()};
        return mib_walk(8, argv);
    }

    const SnmpTestSetup *setup = nullptr;
    pid_t agent = -1;
    TempHome home;
};

std::string SpoolText(int slot, bool fileName)
{
    const ProfileEntry &e = PlistForSpool.entry[slot];
    return fileName ? std::string(e.FileName) : std::string(e.ProfileName);
}

// The pane's own path: device URI "host:port" (the port is not used; the
// library's configured port is), backup first, a walk to the end of the MIB,
// then the merge.  Nothing reaches the standard streams.
TEST_F(WalkTest, DeviceURIWalkMergesEachClassIntoItsLists)
{
    StartAgent(kFixtures + "classes.snmprec");
    Rows before = {
        {6, 500, "USER1.ICC", 4, "Mine"},
        {4, 20, "GONE4.ICC", 4, "Gone listed", 1},
        {2, 21, "GONE2.ICC", 4, "Gone hidden", 1},
        {3, 11, "PROF01.ICC", 4, "Renamed", 1},
    };
    ASSERT_TRUE(SeedFile(before));

    PMPrintSession session = PMHostCreateSession();
    CFStringRef ppd = CFStringCreateWithCString(nullptr, QV_SOURCE_DIR "/resources/ppd/ORVEN-QV17.ppd",
                                                kCFStringEncodingUTF8);
    PMHostSessionSetPrinter(session, CFSTR("QV17"), ppd, CFSTR("socket://127.0.0.1:9100/"));
    CustomContext context{};
    context.printSession = session;
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    EXPECT_EQ(GetProfilesFromMIB(&context), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    CFRelease(ppd);
    PMHostReleaseSession(session);

    EXPECT_EQ(PlistForSpool.iNum, 9);
    StoredLists stored = ReadFile();
    ASSERT_TRUE(stored.read);
    EXPECT_EQ(stored.rgb, (Rows{
                              {4, 500, "USER1.ICC", 4, "Mine"},
                              {6, 20, "GONE4.ICC", 4, "Gone listed", 1},
                              {1, 21, "GONE2.ICC", 4, "Gone hidden", 1},
                              {4, 11, "PROF01.ICC", 4, "Renamed", 1},
                              {2, 12, "PROF02.ICC", 5, "Photo RGB", 2},
                              {2, 19, "PROF01.ICC", 5, "Office card", 1},
                          }));
    Rows cmyk = {{2, 13, "CMYK01.ICC", 4, "Press CMYK", 3}};
    EXPECT_EQ(stored.sim, cmyk);
    EXPECT_EQ(stored.dst, cmyk);

    // The backup holds the file as it was before the walk.
    ASSERT_TRUE(FileExists(true));
    VxPListSwapProfile(0);
    EXPECT_EQ(ReadFile().rgb, before);
}

// How each way out of the walk ends: its result, the rows it spooled, and
// what the merge made of a list holding one entry in each state.
struct EndCase {
    const char *title;
    const char *fixture;        // snmpsimd serves this file, or
    const char *responderMode;  // the scripted responder answers, or neither
    const char *host;
    const char *root;
    SInt32 result;
    SInt32 spooled;
    Rows rgbAfter;
};

const Rows kAfterCompleted = {{1, 41, "STATE1.ICC", 4, "One"},  {1, 42, "STATE2.ICC", 4, "Two"},
                              {6, 43, "STATE3.ICC", 5, "Three"}, {6, 44, "STATE4.ICC", 5, "Four"},
                              {5, 505, "STATE5.ICC", 4, "Five"}, {6, 506, "STATE6.ICC", 4, "Six"}};
const Rows kAfterFailed = {{6, 43, "STATE3.ICC", 5, "Three"},
                           {6, 44, "STATE4.ICC", 5, "Four"},
                           {5, 505, "STATE5.ICC", 4, "Five"},
                           {6, 506, "STATE6.ICC", 4, "Six"}};

// A row merged after a failed walk takes the first free slot, the one the
// dropped state-1 entry left.
const Rows kAfterFailedWithRepeatedRow = {{2, 9, "REP.ICC", 4, "Repeated", 1},
                                         {6, 43, "STATE3.ICC", 5, "Three"},
                                         {6, 44, "STATE4.ICC", 5, "Four"},
                                         {5, 505, "STATE5.ICC", 4, "Five"},
                                         {6, 506, "STATE6.ICC", 4, "Six"}};

const char *const kLoopback = "127.0.0.1";

const EndCase kEndCases[] = {
    {"empty table: the first answer lies outside the subtree", "empty.snmprec", nullptr, kLoopback,
     kProfileEntryOidText, kWalkCompleted, 0, kAfterCompleted},
    {"agent error status after one variable", "agent-error.snmprec", nullptr, kLoopback, kProfileEntryOidText,
     kWalkAgentError, 1, kAfterFailed},
    {"repeated OID: spooled once more, then the walk fails", nullptr, "repeat", kLoopback, kProfileEntryOidText,
     kWalkFailed, 1, kAfterFailedWithRepeatedRow},
    {"answer without variables", nullptr, "empty", kLoopback, kProfileEntryOidText, kWalkFailed, 0, kAfterFailed},
    {"agent that does not answer", nullptr, "silent", kLoopback, kProfileEntryOidText, kWalkFailed, 0,
     kAfterFailed},
    {"session cannot be opened", nullptr, nullptr, "unix:/nonexistent/qv-agent", kProfileEntryOidText, kWalkFailed,
     0, kAfterFailed},
    {"root OID does not parse", nullptr, nullptr, kLoopback, "1.3.6.x.4", kWalkFailed, 0, kAfterFailed},
};

void PrintTo(const EndCase &c, std::ostream *out)
{
    *out << c.title;
}

class WalkEndTest : public WalkTest, public ::testing::WithParamInterface<EndCase> {};

TEST_P(WalkEndTest, EndsWithItsResultAndMerges)
{
    const EndCase &c = GetParam();
    if (c.fixture != nullptr) {
        ASSERT_NO_FATAL_FAILURE(StartAgent(kFixtures + c.fixture));
    }
    if (c.responderMode != nullptr) {
        ASSERT_NO_FATAL_FAILURE(StartResponder(c.responderMode));
    }
    ASSERT_TRUE(SeedFile(OneEntryPerState()));
    PlistForSpool.iNum = 77;

    auto begin = std::chrono::steady_clock::now();
    testing::internal::CaptureStderr();
    SInt32 result = Walk(c.host, c.root);
    std::string reported = testing::internal::GetCapturedStderr();
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();

    EXPECT_EQ(result, c.result) << reported;
    EXPECT_EQ(PlistForSpool.iNum, c.spooled);
    StoredLists stored = ReadFile();
    ASSERT_TRUE(stored.read);
    EXPECT_EQ(stored.rgb, c.rgbAfter);
    // Only a silent agent makes the walk wait for the library's timeout and
    // retries; every other way out is quick.
    EXPECT_LT(seconds, kTimeoutSeconds * (kRetries + 1) + 3.0);
}

INSTANTIATE_TEST_SUITE_P(Ends, WalkEndTest, ::testing::ValuesIn(kEndCases),
                         [](const ::testing::TestParamInfo<EndCase> &info) {
                             return "Case" + std::to_string(info.index);
                         });

// A parser failure ends the walk before any request; the merge still runs
// with a failed walk, and the parser's own negative code is returned.
TEST_F(WalkTest, ArgumentParserFailureReturnsItsCode)
{
    ASSERT_TRUE(SeedFile(OneEntryPerState()));
    char program[] = "snmpwalk", bad[] = "-Z", host[] = "127.0.0.1";
    char *argv[] = {program, bad, host};
    testing::internal::CaptureStderr();
    SInt32 result = mib_walk(3, argv);
    testing::internal::GetCapturedStderr();
    EXPECT_LT(result, 0);
    EXPECT_EQ(ReadFile().rgb, kAfterFailed);
}

// Values an agent should never send are ignored or cut, never overflow:
// names of 16 and 17 sub-identifiers, rows 0 and 501, values of the wrong
// type, strings of 40 bytes and a string with a NUL inside.
TEST_F(WalkTest, HostileValuesAreIgnoredOrCut)
{
    StartAgent(kFixtures + "hostile.snmprec");
    ASSERT_EQ(Walk(), kWalkCompleted);

    EXPECT_EQ(PlistForSpool.iNum, 4);
    EXPECT_EQ(SpoolText(0, false), "ABCDEFGHIJKLMNOPQRSTUVWXYZ01234");
    EXPECT_EQ(PlistForSpool.entry[1].Location, 0);
    EXPECT_EQ(SpoolText(2, true), "NUL.ICC");
    EXPECT_EQ(SpoolText(2, false), "");
    EXPECT_EQ(SpoolText(3, true), "ABCDEFGHIJKLMNOPQRSTUVWXYZ01234");
    for (int slot = 4; slot < kProfileListSlots; slot++)
        ASSERT_EQ(PlistForSpool.entry[slot].IndexOnDevice, 0) << slot;
    EXPECT_EQ(PlistForSpool.entry[kProfileListSlots - 1].IndexOnDevice, 0);

    StoredLists stored = ReadFile();
    EXPECT_EQ(stored.rgb, (Rows{{2, 21, "GOOD.ICC", 4, "ABCDEFGHIJKLMNOPQRSTUVWXYZ01234", 1}}));
    Rows cmyk = {{2, 23, "NUL.ICC", 5, "", 3}};
    EXPECT_EQ(stored.sim, cmyk);
    EXPECT_EQ(stored.dst, cmyk);
}

// A table of 500 rows (3,000 variables) fills the list; with one user entry
// already there, the last row finds no free slot.
TEST_F(WalkTest, FullTableFillsTheList)
{
    std::string table = setup->workDir + "/full.snmprec";
    ASSERT_TRUE(SnmpWriteFullTable(table, kProfileListSlots));
    StartAgent(table);
    ASSERT_TRUE(SeedFile({{6, 500, "USER.ICC", 5, "Mine"}}));

    ASSERT_EQ(Walk(), kWalkCompleted);

    EXPECT_EQ(PlistForSpool.iNum, kProfileListSlots);
    Rows rgb = ReadFile().rgb;
    ASSERT_EQ(rgb.size(), static_cast<size_t>(kProfileListSlots));
    EXPECT_EQ(rgb[0], (Row{6, 500, "USER.ICC", 5, "Mine"}));
    EXPECT_EQ(rgb[1], (Row{2, 1001, "P0000001.ICC", 4, "Profile 1", 1}));
    EXPECT_EQ(rgb[499], (Row{2, 1499, "P0000499.ICC", 4, "Profile 499", 1}));
}

} // namespace
