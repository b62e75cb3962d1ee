// A print dialog around the pane, for tests that drive it as a host does:
// the plug-in's bundle, a temporary home folder for the profile list file, a
// printing session on a PPD, and a 440 x 310 user pane in a host window.
// Start() runs Prologue and Initialize and shows the window; TearDown runs
// Terminate, frees everything and checks that CF objects balance.
//
//   class MyTest : public PaneFixture {};
//   TEST_F(MyTest, Something) {
//       ASSERT_NO_FATAL_FAILURE(Start());
//       Click("ColorAsGrayCheckBox");
//       EXPECT_EQ(SyncFromPane(), noErr);
//       EXPECT_EQ(TicketString("VxColorAsGray"), "True");
//   }
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "CustomContext.h"
#include "PluginShell.h"
#include "ProfileFile.h"
#include "ProfileList.h"

class PaneFixture : public ::testing::Test {
protected:
    // The sample PPD of the supported printer.
    static std::string SamplePPD() { return QV_SOURCE_DIR "/resources/ppd/ORVEN-QV17.ppd"; }

    void SetUp() override
    {
        liveAtStart = CFDebugLiveObjectCount();
        CFStringRef path = CFStringCreateWithCString(nullptr, QV_BUNDLE_DIR, kCFStringEncodingUTF8);
        CFURLRef url = CFURLCreateWithFileSystemPath(nullptr, path, kCFURLPOSIXPathStyle, TRUE);
        bundle = CFBundleCreate(nullptr, url);
        CFRelease(url);
        CFRelease(path);
        ASSERT_NE(bundle, nullptr) << "the plug-in bundle is not built at " QV_BUNDLE_DIR;
        char folder[] = "/tmp/qv-pane-XXXXXX";
        ASSERT_NE(mkdtemp(folder), nullptr);
        home = folder;
        std::system(("mkdir -p " + home + "/Library/Preferences").c_str());
        VxPListSetHomeDirectoryForTesting(home.c_str());
        Rect bounds = {0, 0, 310, 440};
        CreateNewWindow(0, 0, &bounds, &window);
        CreateUserPaneControl(window, &bounds, 0, &hostPane);
        session = PMHostCreateSession();
        SetPrinter(SamplePPD());
    }

    void TearDown() override
    {
        if (pde != nullptr)
            MyTerminate(pde, noErr);
        pde = nullptr;
        MyFreeTitle();
        MyFreeBundle();
        if (window != nullptr)
            DisposeWindow(window);
        if (session != nullptr)
            PMHostReleaseSession(session);
        VxPListSetHomeDirectoryForTesting(nullptr);
        if (!home.empty())
            std::system(("rm -rf " + home).c_str());
        if (bundle != nullptr)
            CFRelease(bundle);
        EXPECT_EQ(CFDebugLiveObjectCount(), liveAtStart) << "CF objects left alive or released twice";
    }

    // Makes ppd (and deviceURI, if any) the session's printer.
    void SetPrinter(const std::string &ppd, const char *deviceURI = nullptr)
    {
        CFStringRef path = CFStringCreateWithCString(nullptr, ppd.c_str(), kCFStringEncodingUTF8);
        CFStringRef uri = deviceURI ? CFStringCreateWithCString(nullptr, deviceURI, kCFStringEncodingUTF8) : nullptr;
        PMHostSessionSetPrinter(session, CFSTR("QV17"), path, uri);
        CFRelease(path);
        if (uri != nullptr)
            CFRelease(uri);
    }

    // Writes a copy of the sample PPD, with each (from, to) text replaced
    // (every occurrence), into the temporary folder; returns its path.
    std::string DerivedPPD(const std::string &name, const std::vector<std::pair<std::string, std::string>> &edits)
    {
        std::ifstream in(SamplePPD());
        std::stringstream text;
        text << in.rdbuf();
        std::string ppd = text.str();
        for (const auto &[from, to] : edits) {
            for (size_t at = ppd.find(from); at != std::string::npos; at = ppd.find(from, at + to.size()))
                ppd.replace(at, from.size(), to);
        }
        std::string path = home + "/" + name;
        std::ofstream(path) << ppd;
        return path;
    }

    // Prologue and Initialize into the host pane, as a print dialog does, then
    // shows and draws the window.  Expects Initialize to return `expected`.
    void Start(OSStatus expected = noErr)
    {
        OSType creator = 0;
        CFStringRef kind = nullptr, title = nullptr;
        UInt32 width = 0, height = 0;
        ASSERT_EQ(MyPrologue(&pde, &creator, &kind, &title, &width, &height), noErr);
        PMPDEFlags flags = 0;
        ASSERT_EQ(MyInitialize(pde, &flags, nullptr, hostPane, session), expected);
        ShowWindow(window);
        TKDrawWindow(window);
    }

    CustomContext *Context() const { return static_cast<PDEInstance *>(pde)->context; }
    OSStatus SyncFromPane() { return MySync(pde, session, 0); }
    OSStatus SyncFromTicket() { return MySync(pde, session, 1); }

    // The control of that resource name; fails the test when there is none.
    ControlRef Control(const char *name)
    {
        ControlRef control = TKFindControlByName(window, name);
        EXPECT_NE(control, nullptr) << "no control named " << name;
        return control;
    }
    SInt32 Value(const char *name) { return GetControl32BitValue(Control(name)); }
    bool Enabled(const char *name) { return IsControlEnabled(Control(name)); }
    // A person's click: item or tab `value` of a popup or tab control, a
    // toggle of a check box (or the given state), a push of a button.
    OSStatus Click(const char *name, SInt32 value = -1) { return TKUserClick(Control(name), value); }
    // Menu item texts of a popup.
    std::vector<std::string> Items(const char *name) { return MenuItems(GetControlPopupMenuHandle(Control(name))); }
    // The texts of a menu's items, in order.
    static std::vector<std::string> MenuItems(MenuRef menu)
    {
        std::vector<std::string> items;
        for (UInt16 i = 1; i <= CountMenuItems(menu); ++i) {
            CFStringRef text = nullptr;
            CopyMenuItemTextAsCFString(menu, i, &text);
            items.push_back(Text(text));
            if (text != nullptr)
                CFRelease(text);
        }
        return items;
    }
    // Shows the advanced view (QuickColor on Custom, then the advanced button)
    // and selects tab 1..4.
    void ShowAdvancedTab(SInt32 tab)
    {
        if (Value("QuickColorPopup") != 4) {
            ASSERT_EQ(Click("QuickColorPopup", 4), noErr);
        }
        if (!IsControlVisible(Control("AdvancedOptionsPane"))) {
            ASSERT_EQ(Click("GoToAdvancedOptionsButton"), noErr);
        }
        ASSERT_EQ(Click("AdvancedOptionsTab", tab), noErr);
    }

    // The ticket's PPD dictionary.
    CFMutableDictionaryRef Ticket() { return PMHostTicketGetPPDDict(PMHostSessionGetTicket(session)); }
    void SetTicket(const char *key, const char *value)
    {
        CFStringRef v = CFStringCreateWithCString(nullptr, value, kCFStringEncodingUTF8);
        SetTicketValue(key, v);
        CFRelease(v);
    }
    void SetTicketNumber(const char *key, SInt32 number)
    {
        CFNumberRef v = CFNumberCreate(nullptr, kCFNumberSInt32Type, &number);
        SetTicketValue(key, v);
        CFRelease(v);
    }
    void SetTicketValue(const char *key, CFTypeRef value)
    {
        CFStringRef k = CFStringCreateWithCString(nullptr, key, kCFStringEncodingUTF8);
        CFDictionarySetValue(Ticket(), k, value);
        CFRelease(k);
    }
    bool TicketHas(const char *key)
    {
        CFStringRef k = CFStringCreateWithCString(nullptr, key, kCFStringEncodingUTF8);
        bool has = CFDictionaryContainsKey(Ticket(), k);
        CFRelease(k);
        return has;
    }
    // The string under key; "<missing>" or "<not a string>" otherwise.
    std::string TicketString(const char *key)
    {
        CFStringRef k = CFStringCreateWithCString(nullptr, key, kCFStringEncodingUTF8);
        CFTypeRef v = CFDictionaryGetValue(Ticket(), k);
        CFRelease(k);
        if (v == nullptr)
            return "<missing>";
        if (CFGetTypeID(v) != CFStringGetTypeID())
            return "<not a string>";
        return Text(static_cast<CFStringRef>(v));
    }

    // GetSummary as (label, value) pairs; the status in *status.
    std::vector<std::pair<std::string, std::string>> Summary(OSStatus *status = nullptr)
    {
        CFArrayRef titles = nullptr, values = nullptr;
        OSStatus s = MyGetSummary(pde, &titles, &values);
        if (status != nullptr)
            *status = s;
        std::vector<std::pair<std::string, std::string>> pairs;
        if (titles != nullptr && values != nullptr) {
            EXPECT_EQ(CFArrayGetCount(titles), CFArrayGetCount(values));
            for (CFIndex i = 0; i < CFArrayGetCount(titles); ++i)
                pairs.emplace_back(Text(static_cast<CFStringRef>(CFArrayGetValueAtIndex(titles, i))),
                                   Text(static_cast<CFStringRef>(CFArrayGetValueAtIndex(values, i))));
        }
        if (titles != nullptr)
            CFRelease(titles);
        if (values != nullptr)
            CFRelease(values);
        return pairs;
    }

    // A profile entry for the list file.
    static ProfileEntry Profile(SInt32 inMenu, SInt32 profileClass, const char *fileName, const char *profileName,
                                SInt32 location)
    {
        ProfileEntry e = {};
        e.IndexOnDevice = 0;
        e.InMenu = inMenu;
        e.ProfileClass = profileClass;
        std::snprintf(e.FileName, sizeof e.FileName, "%s", fileName);
        std::snprintf(e.ProfileName, sizeof e.ProfileName, "%s", profileName);
        e.Location = location;
        return e;
    }
    // Writes the profile list file with these entries per class.
    void WriteProfiles(const std::vector<ProfileEntry> &rgb, const std::vector<ProfileEntry> &sim,
                       const std::vector<ProfileEntry> &dst)
    {
        auto *lists = static_cast<ProfileList *>(std::calloc(3, sizeof(ProfileList)));
        const std::vector<ProfileEntry> *sources[3] = {&rgb, &sim, &dst};
        for (int c = 0; c < 3; ++c) {
            for (const ProfileEntry &e : *sources[c])
                lists[c].entry[lists[c].iNum++] = e;
        }
        EXPECT_EQ(VxPListWriteProfile_All(&lists[0], &lists[1], &lists[2]), 0);
        std::free(lists);
    }

    static std::string Text(CFStringRef s)
    {
        if (s == nullptr)
            return "<null>";
        char buffer[512];
        return CFStringGetCString(s, buffer, sizeof buffer, kCFStringEncodingUTF8) ? buffer : "<unconvertible>";
    }

    CFBundleRef bundle = nullptr;
    std::string home;
    WindowRef window = nullptr;
    ControlRef hostPane = nullptr;
    PMPrintSession session = nullptr;
    PMPDEContext pde = nullptr;
    CFIndex liveAtStart = 0;
};
