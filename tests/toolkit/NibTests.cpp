// Resource files: building windows from the fixture bundle, and the statuses
// for missing and malformed files.
#include "ToolkitTestSupport.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

using namespace tktest;

namespace {

class Nib : public PanesWindow {};

// The title of a control as UTF-8.
std::string titleOf(ControlRef control)
{
    CFStringRef title = nullptr;
    CopyControlTitleAsCFString(control, &title);
    char buffer[128] = "";
    CFStringGetCString(title, buffer, sizeof buffer, kCFStringEncodingUTF8);
    CFRelease(title);
    return buffer;
}

TEST_F(Nib, BuildsTheWindowAndItsControlTree)
{
    Rect r;
    ASSERT_EQ(noErr, GetWindowBounds(window, kWindowContentRgn, &r));
    EXPECT_EQ((std::vector<int>{40, 40, 240, 340}), (std::vector<int>{r.top, r.left, r.bottom, r.right}));
    EXPECT_FALSE(IsWindowVisible(window));
    ControlRef root = nullptr;
    ASSERT_EQ(noErr, GetRootControl(window, &root));
    GetControlBounds(root, &r);
    EXPECT_EQ((std::vector<int>{0, 0, 200, 300}), (std::vector<int>{r.top, r.left, r.bottom, r.right}));

    struct Expect {
        const char *name;
        OSType kind;
        SInt32 id, value, minimum, maximum;
        bool visible, enabled;
        const char *title;
    } expected[] = {
        {"Pane", kControlKindUserPane, 100, 0, 0, 0, true, true, ""},
        {"ColorPopup", kControlKindPopupButton, 101, 2, 1, 3, true, true, "Color:"},
        {"GrayCheckBox", kControlKindCheckBox, 102, 0, 0, 1, true, true, "Gray"},
        {"GoButton", kControlKindPushButton, 103, 0, 0, 0, true, true, "Go"},
        {"NameField", kControlKindEditUnicodeText, 109, 0, 0, 0, true, true, ""},
        {"HiddenGroup", kControlKindGroupBox, 104, 0, 0, 0, false, true, ""},
        {"BoxInHiddenGroup", kControlKindCheckBox, 105, 0, 0, 1, false, true, ""},
        {"Tabs", kControlKindTabs, 106, 1, 1, 2, true, true, ""},
        {"OutsideButton", kControlKindPushButton, 110, 0, 0, 0, true, false, ""},
    };
    for (const Expect &e : expected) {
        ControlRef c = named(e.name);
        ControlID id{};
        ControlKind kind{};
        GetControlID(c, &id);
        GetControlKind(c, &kind);
        EXPECT_EQ(FourCC("test"), id.signature) << e.name;
        EXPECT_EQ(e.id, id.id) << e.name;
        EXPECT_EQ(e.kind, kind.kind) << e.name;
        EXPECT_EQ(e.value, GetControl32BitValue(c)) << e.name;
        EXPECT_EQ(e.minimum, GetControl32BitMinimum(c)) << e.name;
        EXPECT_EQ(e.maximum, GetControl32BitMaximum(c)) << e.name;
        EXPECT_EQ(e.visible, bool(IsControlVisible(c))) << e.name;
        EXPECT_EQ(e.enabled, bool(IsControlEnabled(c))) << e.name;
        EXPECT_EQ(e.title, titleOf(c)) << e.name;
    }

    // Tree shape: the pane holds its six controls in file order.
    ControlRef pane = named("Pane");
    UInt16 count = 0;
    CountSubControls(pane, &count);
    EXPECT_EQ(6, count);
    ControlRef third = nullptr;
    EXPECT_EQ(noErr, GetIndexedSubControl(pane, 3, &third));
    EXPECT_EQ(named("GoButton"), third);
    EXPECT_EQ(paramErr, GetIndexedSubControl(pane, 7, &third));

    Rect tabArea;
    ASSERT_EQ(noErr, GetTabContentRect(named("Tabs"), &tabArea));
    GetControlBounds(named("Tabs"), &r);
    EXPECT_GT(tabArea.top, r.top);
    EXPECT_LE(tabArea.bottom, r.bottom);
    EXPECT_EQ(paramErr, GetTabContentRect(pane, &tabArea));
}

TEST_F(Nib, EveryWindowIsBuiltAfreshAndReleasedWhole)
{
    CFIndex live = CFDebugLiveObjectCount();
    for (int i = 0; i < 2; ++i) {
        WindowRef another = nullptr;
        ASSERT_EQ(noErr, CreateWindowFromNib(nib, CFSTR("Main"), &another));
        EXPECT_NE(window, another);
        EXPECT_NE(named("Pane"), TKFindControlByName(another, "Pane"));
        // What the window gathers while it lives goes with it too.
        ControlRef popup = TKFindControlByName(another, "ColorPopup");
        CFStringRef text = CFStringCreateWithCString(nullptr, "Cyan", kCFStringEncodingUTF8);
        SetControlTitleWithCFString(popup, text);
        AppendMenuItemTextWithCFString(GetControlPopupMenuHandle(popup), text, 0, 0, nullptr);
        SetControlData(TKFindControlByName(another, "NameField"), 0, kControlEditTextCFStringTag, sizeof text, &text);
        CFRelease(text);
        DisposeWindow(another);
    }
    EXPECT_EQ(live, CFDebugLiveObjectCount());
}

TEST_F(Nib, MissingFilesAndWindowsAreReported)
{
    IBNibRef missing = reinterpret_cast<IBNibRef>(1);
    EXPECT_EQ(resNotFound, CreateNibReferenceWithCFBundle(bundle, CFSTR("NoSuchFile"), &missing));
    EXPECT_EQ(nullptr, missing);
    WindowRef none = reinterpret_cast<WindowRef>(1);
    EXPECT_EQ(resNotFound, CreateWindowFromNib(nib, CFSTR("NoSuchWindow"), &none));
    EXPECT_EQ(nullptr, none);
    EXPECT_EQ(paramErr, CreateNibReferenceWithCFBundle(nullptr, CFSTR("Panes"), &missing));
}

// A bundle in a temporary folder whose resource file "Test" holds text.
class TempBundle {
public:
    explicit TempBundle(const std::string &nibText)
    {
        char pattern[] = "/tmp/tktest-XXXXXX";
        dir_ = mkdtemp(pattern);
        std::filesystem::create_directories(dir_ + "/Contents/Resources");
        std::ofstream(dir_ + "/Contents/Info.plist")
            << "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>CFBundleIdentifier</key><string>test."
            << std::filesystem::path(dir_).filename().string() << "</string></dict></plist>";
        std::ofstream(dir_ + "/Contents/Resources/Test.nib.plist") << nibText;
        bundle_ = openBundle(dir_);
    }
    ~TempBundle()
    {
        if (bundle_)
            CFRelease(bundle_);
        std::filesystem::remove_all(dir_);
    }
    CFBundleRef bundle() const { return bundle_; }

private:
    std::string dir_;
    CFBundleRef bundle_ = nullptr;
};

// A resource file with one window "W" whose controls are the given XML.
std::string fileWithControls(const std::string &controls)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><plist version=\"1.0\"><dict><key>Windows</key><dict>"
           "<key>W</key><dict><key>Bounds</key><array><integer>0</integer><integer>0</integer>"
           "<integer>10</integer><integer>10</integer></array><key>Controls</key><array>" +
           controls + "</array></dict></dict></dict></plist>";
}

std::string nested(int depth)
{
    std::string open, close;
    for (int i = 0; i < depth; ++i) {
        open += "<dict><key>Kind</key><string>upan</string><key>Children</key><array>";
        close += "</array></dict>";
    }
    return open + close;
}

TEST(NibFormat, MalformedFilesAreRefusedWhole)
{
    struct Case {
        const char *why;
        std::string text;
    } cases[] = {
        {"not a property list", "<plist><dict><key>Windows"},
        {"not a dictionary", "<?xml version=\"1.0\"?><plist version=\"1.0\"><array/></plist>"},
        {"no windows", "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict/></plist>"},
        {"window without bounds",
         "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>Windows</key><dict><key>W</key><dict/></dict>"
         "</dict></plist>"},
        {"no kind", fileWithControls("<dict><key>ID</key><integer>1</integer></dict>")},
        {"unknown kind", fileWithControls("<dict><key>Kind</key><string>slid</string></dict>")},
        {"three-number bounds", fileWithControls("<dict><key>Kind</key><string>push</string><key>Bounds</key><array>"
                                                 "<integer>1</integer><integer>2</integer><integer>3</integer>"
                                                 "</array></dict>")},
        {"coordinate out of range",
         fileWithControls("<dict><key>Kind</key><string>push</string><key>Bounds</key><array><integer>0</integer>"
                          "<integer>0</integer><integer>40000</integer><integer>10</integer></array></dict>")},
        {"value not a number",
         fileWithControls("<dict><key>Kind</key><string>cbox</string><key>Value</key><string>1</string></dict>")},
        {"value beyond 32 bits",
         fileWithControls("<dict><key>Kind</key><string>cbox</string><key>Value</key><integer>4294967296</integer>"
                          "</dict>")},
        {"short signature",
         fileWithControls("<dict><key>Kind</key><string>push</string><key>Signature</key><string>ab</string></dict>")},
        {"items on a push button",
         fileWithControls("<dict><key>Kind</key><string>push</string><key>Items</key><array/></dict>")},
        {"item not a string",
         fileWithControls("<dict><key>Kind</key><string>popb</string><key>Items</key><array><integer>1</integer>"
                          "</array></dict>")},
        {"too deep", fileWithControls(nested(40))},
    };
    for (const Case &c : cases) {
        TempBundle b(c.text);
        ASSERT_NE(nullptr, b.bundle()) << c.why;
        IBNibRef nib = reinterpret_cast<IBNibRef>(1);
        EXPECT_EQ(paramErr, CreateNibReferenceWithCFBundle(b.bundle(), CFSTR("Test"), &nib)) << c.why;
        EXPECT_EQ(nullptr, nib) << c.why;
    }

    // The same shapes within limits load.
    TempBundle fine(fileWithControls(nested(20)));
    IBNibRef nib = nullptr;
    WindowRef w = nullptr;
    ASSERT_EQ(noErr, CreateNibReferenceWithCFBundle(fine.bundle(), CFSTR("Test"), &nib));
    EXPECT_EQ(noErr, CreateWindowFromNib(nib, CFSTR("W"), &w));
    DisposeWindow(w);
    DisposeNibReference(nib);
}

} // namespace
