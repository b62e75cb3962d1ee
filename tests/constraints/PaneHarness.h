// A real pane for the rule and menu tests: the plug-in's bundle, a temporary
// home folder for the profile list file, a session on the sample printer, and
// the pane built through Prologue and Initialize in a shown, drawn window.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "CustomContext.h"
#include "PluginShell.h"
#include "ProfileList.h"

class RulePane : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes the three lists to the profile list file (before StartPane, so
    // that the rebuild offers them).
    void WriteLists(const ProfileList &rgb, const ProfileList &sim, const ProfileList &dst);
    // Builds the pane on the printer of ppd (the sample PPD by default); the
    // ticket's PPD dictionary first gets these entries as strings.
    void StartPane(const std::vector<std::pair<std::string, std::string>> &ticket = {}, const std::string &ppd = "");

    ControlRef Control(const char *name);
    CustomContext *Context();
    // A person's click on the named control (value -1 toggles a check box).
    OSStatus Click(const char *name, SInt32 value = -1);
    SInt32 Value(const char *name) { return GetControl32BitValue(Control(name)); }
    bool Enabled(const char *name) { return IsControlEnabled(Control(name)); }
    // QuickColor on Custom, then the advanced view.
    void ShowAdvanced();

    std::string home;
    // The bundle the pane is built from; a test may point it at a copy.
    std::string bundleDir = QV_BUNDLE_DIR;

    WindowRef window = nullptr;

private:
    CFBundleRef bundle = nullptr;
    PMPrintSession session = nullptr;
    void *instance = nullptr;
};

// A zero-filled list on the heap (a list is 42 KB).
std::unique_ptr<ProfileList> NewList();
// The sample PPD.
#define kSamplePPD QV_SOURCE_DIR "/resources/ppd/ORVEN-QV17.ppd"

// Appends an entry to list.
void AddEntry(ProfileList &list, SInt32 inMenu, const char *fileName, const char *profileName, SInt32 location,
              SInt32 profileClass);
