// The plug-in shell: the factory and interface objects as a host reaches them,
// and the host operations' life cycle.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "PluginShell.h"
#include "ProfileFile.h"

extern "C" void *VxPluginFactoryFunction(CFAllocatorRef allocator, CFUUIDRef typeID);

namespace {

CFUUIDRef PDEType()
{
    static CFUUIDRef type = CFUUIDCreateFromString(nullptr, CFSTR(kPMPDETypeIDStr));
    return type;
}

REFIID Bytes(const char *uuid)
{
    CFStringRef s = CFStringCreateWithCString(nullptr, uuid, kCFStringEncodingASCII);
    CFUUIDRef u = CFUUIDCreateFromString(nullptr, s);
    CFUUIDBytes bytes = CFUUIDGetUUIDBytes(u);
    CFRelease(u);
    CFRelease(s);
    return bytes;
}

class PluginShell : public ::testing::Test {
protected:
    void SetUp() override
    {
        CFStringRef path = CFStringCreateWithCString(nullptr, QV_BUNDLE_DIR, kCFStringEncodingUTF8);
        CFURLRef url = CFURLCreateWithFileSystemPath(nullptr, path, kCFURLPOSIXPathStyle, TRUE);
        bundle = CFBundleCreate(nullptr, url);
        CFRelease(url);
        CFRelease(path);
        ASSERT_NE(bundle, nullptr);
        char tmpl[] = "/tmp/qv-plugin-XXXXXX";
        home = mkdtemp(tmpl);
        VxPListSetHomeDirectoryForTesting(home.c_str());
    }
    void TearDown() override
    {
        VxPListSetHomeDirectoryForTesting(nullptr);
        std::system(("rm -rf " + home).c_str());
        if (bundle != nullptr)
            CFRelease(bundle);
    }
    CFBundleRef bundle = nullptr;
    std::string home;
};

TEST_F(PluginShell, FactoryAndInterfaceQueries)
{
    void *obj = VxPluginFactoryFunction(nullptr, PDEType());
    ASSERT_NE(obj, nullptr);
    auto *unknown = *static_cast<IUnknownVTbl **>(obj);
    CFUUIDRef factory = CFUUIDCreateFromString(nullptr, CFSTR("D94E89B9-7E1E-48F1-A1B2-B2726F59F5B7"));
    EXPECT_EQ(CFPlugInDebugInstanceCount(factory), 1);

    // Two PDE queries give two records; the object itself is not retained.
    void *pde1 = nullptr, *pde2 = nullptr;
    EXPECT_EQ(unknown->QueryInterface(obj, Bytes(kDialogExtensionIntfIDStr), &pde1), S_OK);
    EXPECT_EQ(unknown->QueryInterface(obj, Bytes(kDialogExtensionIntfIDStr), &pde2), S_OK);
    ASSERT_NE(pde1, nullptr);
    EXPECT_NE(pde1, pde2);

    // IUnknown answers with the object, retained; anything else with nothing.
    void *same = nullptr;
    EXPECT_EQ(unknown->QueryInterface(obj, Bytes("00000000-0000-0000-C000-000000000046"), &same), S_OK);
    EXPECT_EQ(same, obj);
    void *other = &other;
    EXPECT_EQ(unknown->QueryInterface(obj, Bytes("11111111-2222-3333-4444-555555555555"), &other), E_NOINTERFACE);
    EXPECT_EQ(other, nullptr);
    EXPECT_EQ(unknown->AddRef(nullptr), 1u);
    EXPECT_EQ(unknown->Release(nullptr), 0u);

    // Releasing the first PDE record to 0 empties the title and bundle caches.
    const PDEPluginInterface *vt =
        static_cast<const PDEPluginInterface *>(static_cast<PlugInIntf *>(pde1)->vtable);
    PMPlugInAPIVersion version = {};
    EXPECT_EQ(vt->plugInHeader.GetAPIVersion(pde1, &version), noErr);
    EXPECT_EQ(version.buildVersionMajor, 1u);
    EXPECT_EQ(version.baseVersionMinor, 0u);
    CFStringRef title = MyGetTitle();
    ASSERT_NE(title, nullptr);
    CFIndex bundleCount = CFGetRetainCount(bundle);
    vt->plugInHeader.Release(&pde1);
    EXPECT_EQ(pde1, nullptr);
    EXPECT_EQ(CFGetRetainCount(bundle), bundleCount - 1);
    CFStringRef again = MyGetTitle();
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(CFEqual(again, CFSTR("Color Options")));
    vt->plugInHeader.Release(&pde2);

    EXPECT_EQ(unknown->Release(obj), 1u);
    EXPECT_EQ(unknown->Release(obj), 0u);
    EXPECT_EQ(CFPlugInDebugInstanceCount(factory), 0);
    CFRelease(factory);
    MyFreeTitle();
    MyFreeBundle();
}

TEST_F(PluginShell, FactoryRefusesUnknownTypes)
{
    CFUUIDRef other = CFUUIDCreateFromString(nullptr, CFSTR("11111111-2222-3333-4444-555555555555"));
    EXPECT_EQ(VxPluginFactoryFunction(nullptr, other), nullptr);
    EXPECT_EQ(VxPluginFactoryFunction(nullptr, nullptr), nullptr);
    CFRelease(other);
    MyFreeBundle();
}

TEST_F(PluginShell, TerminateWithoutInstance)
{
    EXPECT_EQ(MyTerminate(nullptr, noErr), noErr);
    EXPECT_EQ(globalContext, nullptr);
}

// A dialog's pane: the host window, its 440 x 310 user pane, a session.
struct Dialog {
    WindowRef window = nullptr;
    ControlRef pane = nullptr;
    PMPrintSession session = nullptr;
    PMPDEContext context = nullptr;

    explicit Dialog(const std::string &ppd)
    {
        Rect bounds = {0, 0, 310, 440};
        CreateNewWindow(0, 0, &bounds, &window);
        CreateUserPaneControl(window, &bounds, 0, &pane);
        session = PMHostCreateSession();
        CFStringRef path = CFStringCreateWithCString(nullptr, ppd.c_str(), kCFStringEncodingUTF8);
        PMHostSessionSetPrinter(session, CFSTR("QV17"), path, nullptr);
        CFRelease(path);
    }
    ~Dialog()
    {
        if (context != nullptr)
            MyTerminate(context, noErr);
        DisposeWindow(window);
        PMHostReleaseSession(session);
        MyFreeTitle();
        MyFreeBundle();
    }
    UInt16 Children() const
    {
        UInt16 n = 0;
        CountSubControls(pane, &n);
        return n;
    }
};

TEST_F(PluginShell, PrologueReportsTheIdentity)
{
    Dialog dialog(QV_SOURCE_DIR "/resources/ppd/ORVEN-QV17.ppd");
    OSType creator = 0;
    CFStringRef kind = nullptr, title = nullptr;
    UInt32 w = 0, h = 0;
    ASSERT_EQ(MyPrologue(&dialog.context, &creator, &kind, &title, &w, &h), noErr);
    EXPECT_EQ(globalContext, dialog.context);
    EXPECT_EQ(creator, FourCC("vxco"));
    EXPECT_TRUE(CFEqual(kind, CFSTR(kColorOptionsBundleID)));
    EXPECT_TRUE(CFEqual(title, CFSTR("Color Options")));
    EXPECT_EQ(w, 440u);
    EXPECT_EQ(h, 310u);
    auto *instance = static_cast<PDEInstance *>(dialog.context);
    ASSERT_NE(instance->context, nullptr);
    EXPECT_EQ(instance->context->currentTab, 0);
    EXPECT_EQ(instance->context->printSession, nullptr);
}

TEST_F(PluginShell, InitializeRefusesAnotherModel)
{
    Dialog dialog(QV_SOURCE_DIR "/tests/ppd/fixtures/model-lowercase.ppd");
    OSType creator;
    CFStringRef kind, title;
    UInt32 w, h;
    ASSERT_EQ(MyPrologue(&dialog.context, &creator, &kind, &title, &w, &h), noErr);
    PMPDEFlags flags = 0x55;
    EXPECT_EQ(MyInitialize(dialog.context, &flags, nullptr, dialog.pane, dialog.session), -1);
    EXPECT_EQ(flags, 0x55u);
    EXPECT_EQ(dialog.Children(), 0);
}

TEST_F(PluginShell, OpenAfterCloseReinstallsOnlyTheHelpHandler)
{
    Dialog dialog(QV_SOURCE_DIR "/resources/ppd/ORVEN-QV17.ppd");
    OSType creator;
    CFStringRef kind, title;
    UInt32 w, h;
    ASSERT_EQ(MyPrologue(&dialog.context, &creator, &kind, &title, &w, &h), noErr);
    PMPDEFlags flags = 0x55;
    EXPECT_EQ(MyInitialize(dialog.context, &flags, nullptr, dialog.pane, dialog.session), noErr);
    EXPECT_EQ(flags, 0u);
    auto *instance = static_cast<PDEInstance *>(dialog.context);
    EXPECT_EQ(instance->controlsEmbedded, 1);
    EXPECT_EQ(instance->helpInstalled, 1);
    UInt16 embedded = dialog.Children();
    EXPECT_EQ(embedded, 2); // the standard and the advanced view

    EXPECT_EQ(MyClose(dialog.context), noErr);
    EXPECT_EQ(instance->helpInstalled, 0);
    EXPECT_EQ(instance->helpHandlerRef, nullptr);
    EXPECT_EQ(MyOpen(dialog.context), noErr);
    EXPECT_EQ(instance->helpInstalled, 1);
    EXPECT_NE(instance->helpHandlerRef, nullptr);
    EXPECT_EQ(dialog.Children(), embedded);

    // The watcher is live again: a Cancel makes the pane forget its session.
    EXPECT_NE(instance->context->printSession, nullptr);
    TKUserSendCommand(dialog.window, FourCC("not!"));
    EXPECT_EQ(instance->context->printSession, nullptr);
}

TEST_F(PluginShell, InitializeWithoutPPDStillBuildsThePane)
{
    Dialog dialog(QV_SOURCE_DIR "/resources/ppd/ORVEN-QV17.ppd");
    // The session loses its parsed PPD; the printer's PPD file is still the model's.
    PMSessionSetDataInSession(dialog.session, CFSTR("kPMPPDReference"), nullptr);
    OSType creator;
    CFStringRef kind, title;
    UInt32 w, h;
    ASSERT_EQ(MyPrologue(&dialog.context, &creator, &kind, &title, &w, &h), noErr);
    PMPDEFlags flags = 0x55;
    testing::internal::CaptureStderr();
    MyInitialize(dialog.context, &flags, nullptr, dialog.pane, dialog.session);
    testing::internal::GetCapturedStderr();
    auto *instance = static_cast<PDEInstance *>(dialog.context);
    EXPECT_EQ(flags, 0u);
    EXPECT_EQ(instance->controlsEmbedded, 1);
    EXPECT_EQ(instance->context->ppdarrays.QuickColorPPDInfoArrayRef, nullptr);
    EXPECT_NE(instance->context->dispatchHandlerUPP, nullptr);
}

} // namespace
