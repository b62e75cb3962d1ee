// Starting and stopping the loopback agents used by the walk's tests.
#include "SnmpAgent.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

// SNMPv1 GET of sysDescr.0 with community "tundra": enough for any of our
// agents to answer, so that a test knows the agent is up.
const unsigned char kProbe[] = {
    0x30, 0x28, 0x02, 0x01, 0x00, 0x04, 0x06, 't', 'u', 'n', 'd', 'r', 'a', 0xA0, 0x1B, 0x02, 0x01, 0x01,
    0x02, 0x01, 0x00, 0x02, 0x01, 0x00, 0x30, 0x10, 0x30, 0x0E, 0x06, 0x0A, 0x2B, 0x06, 0x01, 0x02, 0x01,
    0x01, 0x01, 0x00, 0x00, 0x00, 0x05, 0x00};

int iFreeLoopbackPort(void)
{
    int fd = socket(AF_INET, SOCK_DGRAM, 0);
    if (fd < 0)
        return -1;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    int port = -1;
    if (bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0 &&
        getsockname(fd, reinterpret_cast<sockaddr *>(&address), &size) == 0)
        port = ntohs(address.sin_port);
    close(fd);
    return port;
}

// Sends the probe to the port and waits up to waitMs for any answer.
bool bAgentAnswers(int port, int waitMs)
{
    int fd = socket(AF_INET, SOCK_DGRAM, 0);
    if (fd < 0)
        return false;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bool answered = false;
    if (sendto(fd, kProbe, sizeof kProbe, 0, reinterpret_cast<sockaddr *>(&address), sizeof address) > 0) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, waitMs) == 1) {
            char buffer[1500];
            answered = recv(fd, buffer, sizeof buffer, 0) > 0;
        }
    }
    close(fd);
    return answered;
}

// Runs argv with its output sent to logPath; the child's id or -1.
pid_t iSpawn(const std::vector<std::string> &args, const std::string &logPath)
{
    std::vector<char *> argv;
    for (const std::string &a : args)
        argv.push_back(const_cast<char *>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = fork();
    if (pid == 0) {
        int log = open(logPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        int null = open("/dev/null", O_RDONLY);
        if (log >= 0) {
            dup2(log, STDOUT_FILENO);
            dup2(log, STDERR_FILENO);
        }
        if (null >= 0)
            dup2(null, STDIN_FILENO);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    return pid;
}

// Waits until the process answers on the port; stops it and returns -1 when
// it ends or stays silent for 60 seconds.
pid_t iAwaitAgent(pid_t pid, int port, const std::string &logPath, std::string *error)
{
    if (pid < 0) {
        if (error)
            *error = "cannot start the agent";
        return -1;
    }
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (std::chrono::steady_clock::now() < deadline) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            if (error)
                *error = "the agent ended; see " + logPath;
            return -1;
        }
        if (bAgentAnswers(port, 200))
            return pid;
    }
    SnmpStopAgent(pid);
    if (error)
        *error = "the agent did not answer; see " + logPath;
    return -1;
}

// A fresh folder for one agent, readable by the user the agent runs as.
std::string sFreshAgentFolder(const SnmpTestSetup &setup)
{
    static int counter = 0;
    std::string folder = setup.workDir + "/agent" + std::to_string(++counter);
    fs::create_directories(folder + "/data");
    fs::create_directories(folder + "/cache");
    chmod(folder.c_str(), 0755);
    chmod((folder + "/data").c_str(), 0755);
    chmod((folder + "/cache").c_str(), 0777);
    return folder;
}

SnmpTestSetup gSetup;

// Removes the process's temporary folder when the process ends.
void vRemoveWorkDir(void)
{
    SnmpRemoveTree(gSetup.workDir);
}

} // namespace

const SnmpTestSetup &SnmpPrepareEnvironment(int timeoutSeconds, int retries)
{
    SnmpTestSetup &setup = gSetup;
    if (!setup.workDir.empty())
        return setup;
    char pattern[] = "/tmp/qv-discovery-XXXXXX";
    if (mkdtemp(pattern) == nullptr)
        return setup;
    setup.workDir = pattern;
    std::atexit(vRemoveWorkDir);
    chmod(pattern, 0755);
    setup.port = iFreeLoopbackPort();
    std::string conf = setup.workDir + "/snmpconf";
    std::string persistent = setup.workDir + "/persistent";
    fs::create_directories(conf);
    // The library announces on stderr each folder it has to create here.
    fs::create_directories(persistent + "/cert_indexes");
    std::ofstream out(conf + "/snmp.conf");
    out << "defaultPort " << setup.port << "\n"
        << "timeout " << timeoutSeconds << "\n"
        << "retries " << retries << "\n"
        << "mibs :\n";
    out.close();
    setenv("SNMPCONFPATH", conf.c_str(), 1);
    setenv("SNMP_PERSISTENT_DIR", persistent.c_str(), 1);
    return setup;
}

pid_t SnmpStartAgent(const SnmpTestSetup &setup, const std::string &snmprecFile, std::string *error)
{
    std::string folder = sFreshAgentFolder(setup);
    std::string data = folder + "/data/tundra.snmprec";
    std::error_code copyError;
    fs::copy_file(snmprecFile, data, copyError);
    if (copyError) {
        if (error)
            *error = "cannot copy " + snmprecFile;
        return -1;
    }
    chmod(data.c_str(), 0644);
    std::vector<std::string> args = {QV_SNMPSIMD,
                                     "--data-dir=" + folder + "/data",
                                     "--cache-dir=" + folder + "/cache",
                                     "--agent-udpv4-endpoint=127.0.0.1:" + std::to_string(setup.port),
                                     "--logging-method=null"};
    // snmpsimd refuses to run as root.
    if (geteuid() == 0) {
        args.push_back("--process-user=nobody");
        args.push_back("--process-group=nogroup");
    }
    std::string log = folder + "/agent.log";
    return iAwaitAgent(iSpawn(args, log), setup.port, log, error);
}

pid_t SnmpStartResponder(const SnmpTestSetup &setup, const std::string &script, const std::string &mode,
                         std::string *error)
{
    std::string folder = sFreshAgentFolder(setup);
    std::string log = folder + "/responder.log";
    pid_t pid = iSpawn({QV_PYTHON3, script, std::to_string(setup.port), mode}, log);
    return iAwaitAgent(pid, setup.port, log, error);
}

void SnmpStopAgent(pid_t pid)
{
    if (pid <= 0)
        return;
    kill(pid, SIGTERM);
    for (int i = 0; i < 100; i++) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

bool SnmpWriteFullTable(const std::string &path, int rows)
{
    const char *entry = "1.3.6.1.4.1.18334.1.1.1.1.6.13.1.1";
    std::ofstream out(path);
    // Column by column, as an agent orders a table.
    for (int column = 1; column <= 7; column++) {
        if (column == 6)
            continue;
        for (int r = 1; r <= rows; r++) {
            out << entry << '.' << column << ".1." << r << '|';
            switch (column) {
            case 1: out << "2|" << 1000 + r; break;
            case 2: out << "2|4"; break;
            case 3: out << "4|Profile " << r; break;
            case 4: {
                char name[16];
                std::snprintf(name, sizeof name, "P%07d.ICC", r);
                out << "4|" << name;
                break;
            }
            case 5: out << "2|1"; break;
            case 7: out << "2|1"; break;
            }
            out << '\n';
        }
    }
    return static_cast<bool>(out);
}

void SnmpRemoveTree(const std::string &path)
{
    std::error_code ignored;
    if (!path.empty())
        fs::remove_all(path, ignored);
}
