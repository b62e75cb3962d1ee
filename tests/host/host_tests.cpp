// The headless host as a person or a script runs it.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>

namespace {

struct RunResult {
    int status;
    std::string out;
    std::string err;
};

// Runs colorpane with the given arguments (a shell fragment) and a temporary
// home folder, so that no real preferences are touched.
RunResult Colorpane(const std::string &args)
{
    char tmpl[] = "/tmp/qv-host-XXXXXX";
    std::string dir = mkdtemp(tmpl);
    std::string cmd = QV_BINARY_DIR "/bin/colorpane --home " + dir + " " + args + " 2>" + dir + "/err";
    RunResult run{};
    if (std::FILE *p = popen(cmd.c_str(), "r")) {
        std::array<char, 4096> buf;
        size_t n;
        while ((n = fread(buf.data(), 1, buf.size(), p)) > 0)
            run.out.append(buf.data(), n);
        int st = pclose(p);
        run.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    }
    if (std::FILE *e = std::fopen((dir + "/err").c_str(), "r")) {
        std::array<char, 4096> buf;
        size_t n;
        while ((n = fread(buf.data(), 1, buf.size(), e)) > 0)
            run.err.append(buf.data(), n);
        std::fclose(e);
    }
    std::system(("rm -rf " + dir).c_str());
    return run;
}

const std::string kSample = QV_SOURCE_DIR "/resources/ppd/ORVEN-QV17.ppd";

TEST(Colorpane, PrintsThePaneIdentityReadThroughTheBundle)
{
    RunResult run = Colorpane("--ppd " + kSample);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("creator: vxco"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("title: Color Options"), std::string::npos);
    EXPECT_NE(run.out.find("size: 440 x 310"), std::string::npos);
    EXPECT_EQ(run.err, "");
}

// A copy of the bundle whose Info.plist lacks "CFPlugInTypes".
std::string BundleWithoutTypes()
{
    std::string dir = QV_BINARY_DIR "/test-bundles/NoTypes.plugin";
    std::string cmd = "rm -rf " + dir + " && mkdir -p " QV_BINARY_DIR "/test-bundles && cp -r " QV_BUNDLE_DIR " " +
                      dir + " && python3 -c \"import plistlib,sys;p=sys.argv[1];d=plistlib.load(open(p,'rb'));"
                            "d.pop('CFPlugInTypes');plistlib.dump(d,open(p,'wb'))\" " +
                      dir + "/Contents/Info.plist";
    EXPECT_EQ(std::system(cmd.c_str()), 0);
    return dir;
}

TEST(Colorpane, RefusesWhatItCannotUse)
{
    struct Case {
        const char *what;
        std::string args;
        int status;
        const char *message;
    } cases[] = {
        {"no PPD", "", 2, "--ppd FILE is required"},
        {"home without folder", "--ppd " + kSample + " --home", 2, "--home needs a value"},
        {"missing PPD", "--ppd /nonexistent.ppd", 2, "cannot read the PPD file"},
        {"bad flag", "--ppd " + kSample + " --frobnicate", 2, "unknown option"},
        {"flag without value", "--ppd", 2, "--ppd needs a value"},
        {"missing bundle", "--ppd " + kSample + " --bundle /nonexistent.plugin", 1, "cannot open the plug-in bundle"},
        {"bundle without types", "--ppd " + kSample + " --bundle " + BundleWithoutTypes(), 1, "CFPlugInTypes"},
        {"another model", "--ppd " QV_SOURCE_DIR "/tests/ppd/fixtures/model-lowercase.ppd", 3, "not for the supported printer model"},
    };
    for (const Case &c : cases) {
        RunResult run = Colorpane(c.args);
        EXPECT_EQ(run.status, c.status) << c.what << ": " << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.what << ": " << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n') >= 1, true) << c.what;
        EXPECT_EQ(run.out.find("creator:"), std::string::npos) << c.what;
    }
}

} // namespace
