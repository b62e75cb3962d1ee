// The rules and presets through the headless host, as scripts use it.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace {

struct ControlState {
    int value = -1, maximum = -1, enabled = -1;
};

// Runs colorpane with args and reads its --controls listing by name.
std::map<std::string, ControlState> RunControls(const std::string &dir, const std::string &args)
{
    std::map<std::string, ControlState> states;
    const std::string cmd = "HOME=" + dir + " " QV_BINARY_DIR "/bin/colorpane --ppd " QV_SOURCE_DIR
                            "/resources/ppd/ORVEN-QV17.ppd --controls " + args + " 2>" + dir + "/err";
    FILE *out = popen(cmd.c_str(), "r");
    if (out == nullptr)
        return states;
    char line[512];
    while (fgets(line, sizeof line, out) != nullptr) {
        std::istringstream fields(line);
        std::string name;
        ControlState s;
        int visible = 0;
        if (fields >> name >> s.value >> s.maximum >> s.enabled >> visible)
            states[name] = s;
    }
    EXPECT_EQ(pclose(out), 0) << cmd;
    return states;
}

} // namespace

TEST(ColorPaneHost, TicketConflictAndPresetThree)
{
    char tmpl[] = "/tmp/qv-rules-host-XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    const std::string dir = tmpl;
    std::ofstream(dir + "/ticket.json") << R"({"VxColorAsGray": "True", "VxColorSeparation": "True"})";

    auto states = RunControls(dir, "--ticket-in " + dir + "/ticket.json");
    EXPECT_EQ(states["ColorAsGrayCheckBox"].value, 1);
    EXPECT_EQ(states["ColorSeparationCheckBox"].value, 0);
    EXPECT_EQ(states["ColorSeparationCheckBox"].enabled, 0);
    EXPECT_EQ(states["ImageRGBSourcePopup"].enabled, 0);

    states = RunControls(dir, "--click QuickColorPopup=3 --click EconoModeCheckBox=1");
    EXPECT_EQ(states["ImageHalftonePopup"].value, 3);
    EXPECT_EQ(states["ImageEdgeEnhancePopup"].value, 1);
    EXPECT_EQ(states["ImageEdgeEnhancePopup"].enabled, 0);
    EXPECT_EQ(states["TextEdgeEnhancePopup"].enabled, 1);
    EXPECT_EQ(states["GoToAdvancedOptionsButton"].enabled, 0);
    std::system(("rm -rf " + dir).c_str());
}
