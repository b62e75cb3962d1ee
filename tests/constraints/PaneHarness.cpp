#include "PaneHarness.h"

#include <cstdlib>
#include <cstring>

#include "PluginShell.h"
#include "ProfileFile.h"

void RulePane::SetUp()
{
    char tmpl[] = "/tmp/qv-rules-XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    home = tmpl;
    VxPListSetHomeDirectoryForTesting(home.c_str());
}

void RulePane::TearDown()
{
    if (instance != nullptr)
        MyTerminate(instance, noErr);
    if (window != nullptr)
        DisposeWindow(window);
    if (session != nullptr)
        PMHostReleaseSession(session);
    MyFreeTitle();
    MyFreeBundle();
    VxPListSetHomeDirectoryForTesting(nullptr);
    std::system(("rm -rf " + home).c_str());
    if (bundle != nullptr)
        CFRelease(bundle);
}

void RulePane::WriteLists(const ProfileList &rgb, const ProfileList &sim, const ProfileList &dst)
{
    ASSERT_EQ(VxPListWriteProfile_All(&rgb, &sim, &dst), 0);
}

void RulePane::StartPane(const std::vector<std::pair<std::string, std::string>> &ticket, const std::string &ppdFile)
{
    CFStringRef path = CFStringCreateWithCString(nullptr, bundleDir.c_str(), kCFStringEncodingUTF8);
    CFURLRef url = CFURLCreateWithFileSystemPath(nullptr, path, kCFURLPOSIXPathStyle, TRUE);
    bundle = CFBundleCreate(nullptr, url);
    CFRelease(url);
    CFRelease(path);
    ASSERT_NE(bundle, nullptr);

    session = PMHostCreateSession();
    CFStringRef ppd = CFStringCreateWithCString(nullptr, ppdFile.empty() ? kSamplePPD : ppdFile.c_str(),
                                                kCFStringEncodingUTF8);
    ASSERT_EQ(PMHostSessionSetPrinter(session, CFSTR("QV17"), ppd, nullptr), noErr);
    CFRelease(ppd);
    CFMutableDictionaryRef dict = PMHostTicketGetPPDDict(PMHostSessionGetTicket(session));
    for (const auto &[key, value] : ticket) {
        CFStringRef k = CFStringCreateWithCString(nullptr, key.c_str(), kCFStringEncodingUTF8);
        CFStringRef v = CFStringCreateWithCString(nullptr, value.c_str(), kCFStringEncodingUTF8);
        CFDictionarySetValue(dict, k, v);
        CFRelease(k);
        CFRelease(v);
    }

    OSType creator = 0;
    CFStringRef kind = nullptr, title = nullptr;
    UInt32 width = 0, height = 0;
    ASSERT_EQ(MyPrologue(&instance, &creator, &kind, &title, &width, &height), noErr);
    Rect bounds = {0, 0, SInt16(height), SInt16(width)};
    ASSERT_EQ(CreateNewWindow(0, 0, &bounds, &window), noErr);
    ControlRef hostPane = nullptr;
    ASSERT_EQ(CreateUserPaneControl(window, &bounds, 0, &hostPane), noErr);
    PMPDEFlags flags = 0;
    ASSERT_EQ(MyInitialize(instance, &flags, nullptr, hostPane, session), noErr);
    ShowWindow(window);
    TKDrawWindow(window);
}

ControlRef RulePane::Control(const char *name)
{
    ControlRef control = TKFindControlByName(window, name);
    EXPECT_NE(control, nullptr) << name;
    return control;
}

CustomContext *RulePane::Context()
{
    return MyCurrentContext();
}

OSStatus RulePane::Click(const char *name, SInt32 value)
{
    return TKUserClick(Control(name), value);
}

void RulePane::ShowAdvanced()
{
    ASSERT_EQ(Click("QuickColorPopup", 4), noErr);
    ASSERT_EQ(Click("GoToAdvancedOptionsButton"), noErr);
    ASSERT_TRUE(IsControlVisible(Control("AdvancedOptionsPane")));
}

std::unique_ptr<ProfileList> NewList()
{
    return std::make_unique<ProfileList>();
}

void AddEntry(ProfileList &list, SInt32 inMenu, const char *fileName, const char *profileName, SInt32 location,
              SInt32 profileClass)
{
    ProfileEntry &e = list.entry[list.iNum++];
    e.IndexOnDevice = inMenu <= kInMenuPrinterListedSeen ? list.iNum : 0;
    e.InMenu = inMenu;
    e.ProfileClass = profileClass;
    std::strncpy(e.FileName, fileName, sizeof e.FileName - 1);
    std::strncpy(e.ProfileName, profileName, sizeof e.ProfileName - 1);
    e.Location = location;
    e.DriverAvail = 1;
}
