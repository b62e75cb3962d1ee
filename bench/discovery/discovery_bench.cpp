// Walks a 500-row profile table (3,000 variables) served by snmpsimd on the
// loopback, alternately with our walk and with net-snmp's snmpwalk command,
// and prints both medians and their ratio; then times the merge and file
// write that follow a walk.  Usage: discovery_bench [rounds]
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "ProfileFile.h"
#include "ProfileMerge.h"
#include "ProfileSnmp.h"
#include "ProfileWalk.h"
#include "agent/SnmpAgent.h"

namespace {

using Clock = std::chrono::steady_clock;

double dMilliseconds(Clock::time_point since)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

double dMedian(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Our walk, exactly as the pane runs it; includes the merge at its end.
SInt32 iOurWalk(void)
{
    char program[] = "snmpwalk", output[] = "-Os", communityFlag[] = "-c", community[] = "tundra",
         versionFlag[] = "-v", version[] = "1", host[] = "127.0.0.1", root[] = kProfileEntryOidText;
    char *argv[] = {program, output, communityFlag, community, versionFlag, version, host, root};
    return mib_walk(8, argv);
}

// net-snmp's snmpwalk with the same arguments and configuration, its output
// discarded; its exit status.
int iTheirWalk(void)
{
    pid_t pid = fork();
    if (pid == 0) {
        int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        execl(QV_SNMPWALK, "snmpwalk", "-Os", "-c", "tundra", "-v", "1", "127.0.0.1", kProfileEntryOidText,
              static_cast<char *>(nullptr));
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// True when the merge wrote the profile list file.
bool FileWritten(void)
{
    char path[256];
    struct stat info;
    return VxPListCurrentPath(path, sizeof path) && stat(path, &info) == 0 && info.st_size > 0;
}

} // namespace

int main(int argc, char **argv)
{
    int rounds = argc > 1 ? std::atoi(argv[1]) : 3;
    if (rounds < 1)
        rounds = 1;
    const int rows = kProfileListSlots;

    // A generous timeout: the agent answers every request, only slowly.
    const SnmpTestSetup &setup = SnmpPrepareEnvironment(5, 1);
    std::string table = setup.workDir + "/full.snmprec";
    std::string error;
    pid_t agent = -1;
    if (setup.workDir.empty() || !SnmpWriteFullTable(table, rows) ||
        (agent = SnmpStartAgent(setup, table, &error)) < 0) {
        std::fprintf(stderr, "discovery_bench: no agent: %s\n", error.c_str());
        SnmpRemoveTree(setup.workDir);
        return 1;
    }
    // The profile list file goes to a folder of the benchmark's own.
    std::string home = setup.workDir + "/home";
    mkdir(home.c_str(), 0755);
    VxPListSetHomeDirectoryForTesting(home.c_str());

    // One walk of each first, so that neither pays for a cold agent.
    iOurWalk();
    iTheirWalk();

    std::vector<double> ours, theirs, merges;
    bool failed = false;
    for (int r = 0; r < rounds && !failed; r++) {
        Clock::time_point start = Clock::now();
        failed = iOurWalk() != kWalkCompleted || PlistForSpool.iNum != rows;
        ours.push_back(dMilliseconds(start));
        start = Clock::now();
        failed = iTheirWalk() != 0 || failed;
        theirs.push_back(dMilliseconds(start));
    }
    // The merge and file write alone, on the spool of the last walk.
    for (int r = 0; r < 10 && !failed; r++) {
        Clock::time_point start = Clock::now();
        vRestructPlistSpool2Current(kWalkCompleted);
        merges.push_back(dMilliseconds(start));
    }
    failed = failed || !FileWritten();
    // Of which the file layer: one read and one write of the three lists.
    std::vector<double> reads, writes;
    auto lists = std::make_unique<ProfileList[]>(3);
    for (int r = 0; r < 10 && !failed; r++) {
        Clock::time_point start = Clock::now();
        VxPListReadProfile_All(&lists[0], &lists[1], &lists[2]);
        reads.push_back(dMilliseconds(start));
        start = Clock::now();
        VxPListWriteProfile_All(&lists[0], &lists[1], &lists[2]);
        writes.push_back(dMilliseconds(start));
    }

    SnmpStopAgent(agent);
    VxPListSetHomeDirectoryForTesting(nullptr);
    SnmpRemoveTree(setup.workDir);
    if (failed) {
        std::fprintf(stderr, "discovery_bench: a walk did not complete, or the file was not written\n");
        return 1;
    }

    double ourMedian = dMedian(ours), theirMedian = dMedian(theirs), mergeMedian = dMedian(merges);
    std::printf("walk of %d rows (%d variables), %d rounds\n", rows, rows * 6, rounds);
    std::printf("  mib_walk (with merge)   median %9.1f ms\n", ourMedian);
    std::printf("  snmpwalk command        median %9.1f ms\n", theirMedian);
    std::printf("  ratio                          %9.2f  (target <= 1.20)\n", ourMedian / theirMedian);
    std::printf("  merge and file write    median %9.1f ms  (target < 20 ms)\n", mergeMedian);
    std::printf("    of which file read    median %9.1f ms\n", dMedian(reads));
    std::printf("    of which file write   median %9.1f ms\n", dMedian(writes));
    return 0;
}
