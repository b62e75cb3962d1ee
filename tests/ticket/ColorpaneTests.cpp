// The headless host end to end: a ticket in, clicks, the ticket and the
// summary out.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/wait.h>

#include <nlohmann/json.hpp>

#include "ProfileFile.h"

namespace {

struct HostRun {
    int status = -1;
    std::string out;
    std::string err;
};

class ColorpaneRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        char folder[] = "/tmp/qv-colorpane-XXXXXX";
        ASSERT_NE(mkdtemp(folder), nullptr);
        dir = folder;
    }
    void TearDown() override { std::system(("rm -rf " + dir).c_str()); }

    // Writes text into a file of the temporary folder; returns its path.
    std::string File(const std::string &name, const std::string &text)
    {
        std::string path = dir + "/" + name;
        std::ofstream(path) << text;
        return path;
    }

    // Runs colorpane with the arguments (a shell fragment).
    HostRun RunColorpane(const std::string &args)
    {
        std::string cmd = QV_BINARY_DIR "/bin/colorpane --home " + dir + " " + args + " 2>" + dir + "/stderr";
        HostRun run;
        if (std::FILE *p = popen(cmd.c_str(), "r")) {
            std::array<char, 4096> buffer;
            size_t n;
            while ((n = std::fread(buffer.data(), 1, buffer.size(), p)) > 0)
                run.out.append(buffer.data(), n);
            int status = pclose(p);
            run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        std::ifstream err(dir + "/stderr");
        run.err.assign(std::istreambuf_iterator<char>(err), std::istreambuf_iterator<char>());
        return run;
    }

    std::string dir;
    const std::string sample = QV_SOURCE_DIR "/resources/ppd/ORVEN-QV17.ppd";
};

TEST_F(ColorpaneRun, TicketInClicksTicketOut)
{
    // A number where a check box's string belongs leaves the box as it was.
    std::string in = File("in.json", R"({"VxQuickColor": "UserDefined", "VxBrightness": "Plus1",
                                         "VxImageRGBSource": "CIERGB", "VxColorAsGray": 1,
                                         "VxEdgeType": "NoSuchChoice", "Unrelated": "kept"})");
    HostRun run = RunColorpane("--ppd " + sample + " --ticket-in " + in + " --click EconoModeCheckBox --ticket-out -");
    ASSERT_EQ(run.status, 0) << run.err;
    nlohmann::json ticket = nlohmann::json::parse(run.out);
    EXPECT_EQ(ticket["VxQuickColor"], "UserDefined");
    EXPECT_EQ(ticket["VxBrightness"], "Plus1");
    EXPECT_EQ(ticket["VxImageRGBSource"], "CIERGB");
    EXPECT_EQ(ticket["VxImageRGBSourceCustom"], "False");
    EXPECT_EQ(ticket["VxColorAsGray"], "False");
    EXPECT_EQ(ticket["VxEdgeType"], "Standard");
    EXPECT_EQ(ticket["VxEconoMode"], "True");
    EXPECT_EQ(ticket["Unrelated"], "kept");
    EXPECT_EQ(ticket.size(), 27u + 7u + 1u);
}

TEST_F(ColorpaneRun, SummaryAfterClicks)
{
    HostRun run = RunColorpane("--ppd " + sample + " --click ColorAsGrayCheckBox --click BrightnessPopup=5 --summary");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Quick Color\tStandard\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Brightness\t+2\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Color as Grayscale\tOn\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("CMYK Gray Treatment\t"), std::string::npos) << run.out;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 27);
}

// A custom profile registered in the home folder's profile list file travels
// from the ticket through the pane and back, and the summary names it.
TEST_F(ColorpaneRun, CustomProfileByDevicePath)
{
    auto *lists = static_cast<ProfileList *>(std::calloc(3, sizeof(ProfileList)));
    ProfileEntry &entry = lists[kProfileClassRGB].entry[0];
    entry.InMenu = kInMenuUserListed;
    entry.Location = kProfileLocationCard;
    std::snprintf(entry.FileName, sizeof entry.FileName, "PHOTO.ICC");
    std::snprintf(entry.ProfileName, sizeof entry.ProfileName, "Studio Photo");
    lists[kProfileClassRGB].iNum = 1;
    ASSERT_EQ(std::system(("mkdir -p " + dir + "/Library/Preferences").c_str()), 0);
    VxPListSetHomeDirectoryForTesting(dir.c_str());
    EXPECT_EQ(VxPListWriteProfile_All(&lists[0], &lists[1], &lists[2]), 0);
    VxPListSetHomeDirectoryForTesting(nullptr);
    std::free(lists);

    const std::string path = "/ataCf1a/data/USfiles/Profiles/PHOTO.ICC";
    std::string in = File("in.json", R"({"VxQuickColor": "UserDefined", "VxTextRGBSourceCustom": "True",
                                         "VxTextRGBSourceCustomFilename": ")" + path + "\"}");
    std::string out = dir + "/out.json";
    HostRun run = RunColorpane("--ppd " + sample + " --ticket-in " + in + " --ticket-out " + out + " --summary");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Text RGB Source\tStudio Photo\n"), std::string::npos) << run.out;
    std::ifstream written(out);
    nlohmann::json ticket = nlohmann::json::parse(written);
    EXPECT_EQ(ticket["VxTextRGBSource"], "None");
    EXPECT_EQ(ticket["VxTextRGBSourceCustom"], "True");
    EXPECT_EQ(ticket["VxTextRGBSourceCustomFilename"], path);
}

TEST_F(ColorpaneRun, RefusesBadInputWithoutWritingATicket)
{
    std::string out = dir + "/out.json";
    struct Case {
        const char *what;
        std::string args;
        int status;
        const char *message;
    } cases[] = {
        {"ticket that is not JSON", "--ppd " + sample + " --ticket-in " + File("bad.json", "{\"VxBrightness\": "), 2,
         "not valid JSON"},
        {"ticket entry of no usable type", "--ppd " + sample + " --ticket-in " + File("list.json", R"({"VxBrightness": [1]})"),
         2, "must be a string, a number or a boolean"},
        {"another printer model", "--ppd " QV_SOURCE_DIR "/tests/ppd/fixtures/model-lowercase.ppd", 3,
         "not for the supported printer model"},
    };
    for (const Case &c : cases) {
        std::remove(out.c_str());
        HostRun run = RunColorpane(c.args + " --ticket-out " + out);
        EXPECT_EQ(run.status, c.status) << c.what << ": " << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.what << ": " << run.err;
        EXPECT_FALSE(std::ifstream(out).good()) << c.what;
    }
}

} // namespace
