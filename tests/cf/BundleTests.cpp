// Bundles, localized strings and plug-in loading against fixture bundles.
#include "CFTestSupport.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

class BundleTest : public CFBalanced {};

CFURLRef folderURL(const std::string &path)
{
    CFHold<CFStringRef> s(makeUTF8(path));
    return CFURLCreateWithFileSystemPath(nullptr, s, kCFURLPOSIXPathStyle, true);
}

std::string pathOf(CFURLRef url)
{
    CFHold<CFStringRef> p(CFURLCopyFileSystemPath(url, kCFURLPOSIXPathStyle));
    return utf8(p);
}

const std::string kSample = CF_FIXTURES "/Sample.bundle";

TEST_F(BundleTest, OneObjectPerFolderFoundByIdentifier)
{
    CFHold<CFURLRef> url(folderURL(kSample));
    CFHold<CFURLRef> otherSpelling(folderURL(CF_FIXTURES "/./Sample.bundle/"));
    {
        CFHold<CFBundleRef> a(CFBundleCreate(nullptr, url));
        ASSERT_TRUE(a.get());
        CFHold<CFBundleRef> b(CFBundleCreate(nullptr, otherSpelling));
        EXPECT_EQ(a.get(), b.get());
        EXPECT_EQ(CFGetRetainCount(a), 2);
        EXPECT_EQ(CFBundleGetBundleWithIdentifier(CFSTR("net.colorpane.test.sample")), a.get());
        EXPECT_EQ(utf8(CFBundleGetIdentifier(a)), "net.colorpane.test.sample");
        EXPECT_EQ(utf8(static_cast<CFStringRef>(CFBundleGetValueForInfoDictionaryKey(a, CFSTR("CFBundleDevelopmentRegion")))),
                  "de");
    }
    // Released for good: no longer registered.
    EXPECT_EQ(CFBundleGetBundleWithIdentifier(CFSTR("net.colorpane.test.sample")), nullptr);

    CFHold<CFURLRef> noInfo(folderURL(CF_FIXTURES));
    EXPECT_EQ(CFBundleCreate(nullptr, noInfo), nullptr);
    CFHold<CFURLRef> missing(folderURL(CF_FIXTURES "/Missing.bundle"));
    EXPECT_EQ(CFBundleCreate(nullptr, missing), nullptr);
}

TEST_F(BundleTest, LocalizedStringsFromDevelopmentRegion)
{
    CFHold<CFURLRef> url(folderURL(kSample));
    CFHold<CFBundleRef> bundle(CFBundleCreate(nullptr, url));
    ASSERT_TRUE(bundle.get());
    struct Case {
        const char *key;
        const char *value; // null: no default given
        const char *table; // null: "Localizable"
        const char *expect;
    } cases[] = {
        {"Cancel", "Cancel", "Localizable", "Abbrechen"},
        {"Cancel", nullptr, nullptr, "Abbrechen"},
        {"Gr\xC3\xB6\xC3\x9F" "e", nullptr, nullptr, "Gr\xC3\xB6\xC3\x9F" "e:"},
        {"Missing key", "Default", nullptr, "Default"},
        {"Missing key", nullptr, nullptr, "Missing key"},
        {"Cancel", "Default", "NoSuchTable", "Default"},
        {"Cancel", "Default", "Broken", "Default"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.key) + " / " + (c.table ? c.table : "null"));
        CFHold<CFStringRef> key(makeUTF8(c.key));
        CFHold<CFStringRef> value(c.value ? makeUTF8(c.value) : nullptr);
        CFHold<CFStringRef> table(c.table ? makeUTF8(c.table) : nullptr);
        CFHold<CFStringRef> got(CFBundleCopyLocalizedString(bundle, key, value, table));
        EXPECT_EQ(utf8(got), c.expect);
    }
}

TEST_F(BundleTest, ResourceAndExecutableURLs)
{
    CFHold<CFURLRef> url(folderURL(kSample));
    CFHold<CFBundleRef> bundle(CFBundleCreate(nullptr, url));
    std::string root = fs::canonical(kSample).string();

    CFHold<CFURLRef> plain(CFBundleCopyResourceURL(bundle, CFSTR("Icon"), CFSTR("txt"), nullptr));
    EXPECT_EQ(pathOf(plain), root + "/Contents/Resources/Icon.txt");
    CFHold<CFURLRef> localized(CFBundleCopyResourceURL(bundle, CFSTR("Main"), CFSTR("nib.plist"), nullptr));
    EXPECT_EQ(pathOf(localized), root + "/Contents/Resources/de.lproj/Main.nib.plist");
    EXPECT_EQ(CFBundleCopyResourceURL(bundle, CFSTR("Nothing"), CFSTR("txt"), nullptr), nullptr);

    CFHold<CFURLRef> exe(CFBundleCopyExecutableURL(bundle));
    EXPECT_EQ(pathOf(exe), root + "/Contents/Linux/missing.so");
    CFHold<CFURLRef> res(CFBundleCopyResourcesDirectoryURL(bundle));
    EXPECT_EQ(pathOf(res), root + "/Contents/Resources");
    EXPECT_FALSE(CFBundleLoadExecutable(bundle)); // named but absent
    EXPECT_EQ(CFBundleGetFunctionPointerForName(bundle, CFSTR("anything")), nullptr);
}

// Loading keeps the bundle (and its info) for the process, so this test does
// not check the live-object balance; LeakSanitizer still watches it.
TEST(PlugInTest, FactoriesFoundLoadedAndCounted)
{
    fs::path dir = fs::temp_directory_path() / ("cf_plugin_" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    fs::copy(CF_FIXTURES "/Plugin.bundle", dir / "Plugin.bundle", fs::copy_options::recursive);
    fs::create_directories(dir / "Plugin.bundle/Contents/Linux");
    fs::copy_file(CF_TEST_PLUGIN, dir / "Plugin.bundle/Contents/Linux/cf_test_plugin.so");

    CFHold<CFURLRef> sampleURL(folderURL(kSample));
    CFHold<CFBundleRef> sample(CFBundleCreate(nullptr, sampleURL)); // no plug-in keys: offers nothing
    CFHold<CFURLRef> url(folderURL((dir / "Plugin.bundle").string()));
    CFHold<CFPlugInRef> plugIn(CFPlugInCreate(nullptr, url));
    ASSERT_TRUE(plugIn.get());
    EXPECT_EQ(CFPlugInGetBundle(plugIn), plugIn.get());

    CFHold<CFUUIDRef> type(CFUUIDCreateFromString(nullptr, CFSTR("11111111-2222-3333-4444-555555555555")));
    CFHold<CFUUIDRef> otherType(CFUUIDCreateFromString(nullptr, CFSTR("11111111-2222-3333-4444-555555555556")));
    CFHold<CFArrayRef> none(CFPlugInFindFactoriesForPlugInType(otherType));
    EXPECT_EQ(CFArrayGetCount(none), 0);
    CFHold<CFArrayRef> factories(CFPlugInFindFactoriesForPlugInType(type));
    ASSERT_EQ(CFArrayGetCount(factories), 1);
    CFUUIDRef factory = static_cast<CFUUIDRef>(CFArrayGetValueAtIndex(factories, 0));

    EXPECT_EQ(CFPlugInDebugInstanceCount(factory), 0);
    EXPECT_EQ(CFPlugInInstanceCreate(nullptr, factory, otherType), nullptr); // factory refuses the type
    void *instance = CFPlugInInstanceCreate(nullptr, factory, type);
    ASSERT_TRUE(instance);
    EXPECT_EQ(*static_cast<int *>(instance), 42);
    EXPECT_EQ(CFPlugInDebugInstanceCount(factory), 1);
    CFPlugInRemoveInstanceForFactory(factory);
    CFPlugInRemoveInstanceForFactory(factory); // unbalanced: stays at zero
    EXPECT_EQ(CFPlugInDebugInstanceCount(factory), 0);
    EXPECT_TRUE(CFBundleGetFunctionPointerForName(plugIn, CFSTR("TestFactory")) != nullptr);

    // The loaded bundle stays usable after its last release.
    CFRelease(plugIn.ref);
    plugIn.ref = nullptr;
    EXPECT_TRUE(CFBundleGetBundleWithIdentifier(CFSTR("net.colorpane.test.plugin")) != nullptr);
    fs::remove_all(dir);
}

} // namespace
