// colorpane-walk's command line: a bad one ends with one clear line on stderr
// and exit status 2, before any walk (so the real preferences stay untouched).
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>

namespace {

struct Outcome {
    int status;
    std::string out, err;
};

Outcome RunWalkProgram(const std::string &arguments)
{
    char errPath[] = "/tmp/qv-walk-stderr-XXXXXX";
    int fd = mkstemp(errPath);
    if (fd >= 0)
        close(fd);
    std::string command = QV_BINARY_DIR "/bin/colorpane-walk " + arguments + " 2>" + errPath;
    Outcome outcome{-1, "", ""};
    FILE *pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return outcome;
    char buffer[256];
    while (fgets(buffer, sizeof buffer, pipe) != nullptr)
        outcome.out += buffer;
    int status = pclose(pipe);
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (FILE *err = fopen(errPath, "r")) {
        while (fgets(buffer, sizeof buffer, err) != nullptr)
            outcome.err += buffer;
        fclose(err);
    }
    remove(errPath);
    return outcome;
}

TEST(WalkProgramTest, BadCommandLinesExitWithTwoAndOneLine)
{
    struct {
        const char *arguments;
        const char *reason;
    } const table[] = {
        {"", "--device-uri is required"},
        {"--ppd /dev/null", "--device-uri is required"},
        {"--device-uri", "--device-uri needs a value"},
        {"--device-uri ''", "--device-uri needs a value"},
        {"--verbose --device-uri socket://127.0.0.1", "unknown argument --verbose"},
        {"--device-uri socket://127.0.0.1 --home", "--home needs a value"},
    };
    for (auto t : table) {
        SCOPED_TRACE(t.arguments);
        Outcome outcome = RunWalkProgram(t.arguments);
        EXPECT_EQ(outcome.status, 2);
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(outcome.err, std::string("colorpane-walk: ") + t.reason + " (see --help)\n");
    }
}

TEST(WalkProgramTest, HelpPrintsTheUsage)
{
    Outcome outcome = RunWalkProgram("--help");
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out, "usage: colorpane-walk --device-uri URI [--ppd FILE] [--home DIR]\n");
}

} // namespace
