// Bundles: folders with Contents/Info.plist, Contents/Linux/<executable> and
// Contents/Resources/.  Open bundles are registered by path, so that each
// folder has one bundle object, and found by identifier.
#include "CFInternal.h"

#include <climits>
#include <cstdlib>
#include <dlfcn.h>
#include <sys/stat.h>

namespace {

// Open bundles by canonical folder path.  Entries do not own their bundle: a
// bundle leaves the table when it is destroyed.
std::map<std::string, __CFBundle *> &registry()
{
    static auto *table = new std::map<std::string, __CFBundle *>();
    return *table;
}

bool fileExists(const std::string &path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

CFURLRef fileURL(const std::string &path, bool isDirectory)
{
    CFStringRef s = cfMakeString(cfFromUTF8(path));
    CFURLRef url = CFURLCreateWithFileSystemPath(nullptr, s, kCFURLPOSIXPathStyle, isDirectory);
    CFRelease(s);
    return url;
}

// Reads and parses a property-list file; null when missing or malformed.
CFPropertyListRef readPropertyList(const std::string &path)
{
    CFURLRef url = fileURL(path, false);
    CFDataRef data = nullptr;
    CFPropertyListRef plist = nullptr;
    if (url && CFURLCreateDataAndPropertiesFromResource(nullptr, url, &data, nullptr, nullptr, nullptr))
        plist = CFPropertyListCreateFromXMLData(nullptr, data, kCFPropertyListImmutable, nullptr);
    CFRelease(data);
    CFRelease(url);
    return plist;
}

// The info dictionary's string for key, as UTF-8 ("" when absent).
std::string infoString(const __CFBundle *b, const char *key)
{
    return cfStringUTF8(CFDictionaryGetValue(b->info, __CFStringMakeConstantString(key)));
}

std::string developmentRegion(const __CFBundle *b)
{
    std::string region = infoString(b, "CFBundleDevelopmentRegion");
    return region.empty() ? "en" : region;
}

} // namespace

__CFBundle::~__CFBundle()
{
    auto it = registry().find(path);
    if (it != registry().end() && it->second == this)
        registry().erase(it);
    for (auto &t : tables)
        CFRelease(t.second);
    CFRelease(identifier);
    CFRelease(info);
}

std::vector<__CFBundle *> cfOpenBundles()
{
    std::vector<__CFBundle *> out;
    for (auto &e : registry())
        out.push_back(e.second);
    return out;
}

CFTypeID CFBundleGetTypeID(void)
{
    return kCFTypeIDBundle;
}

CFBundleRef CFBundleCreate(CFAllocatorRef, CFURLRef bundleURL)
{
    std::string path;
    if (!cfURLFilePath(bundleURL, path))
        return nullptr;
    char real[PATH_MAX];
    if (!realpath(path.c_str(), real))
        return nullptr;
    path = real;
    auto it = registry().find(path);
    if (it != registry().end())
        return static_cast<CFBundleRef>(const_cast<void *>(CFRetain(it->second)));
    CFPropertyListRef info = readPropertyList(path + "/Contents/Info.plist");
    if (!cfDictionary(info)) {
        CFRelease(info);
        return nullptr;
    }
    auto *b = new __CFBundle();
    b->path = path;
    b->info = static_cast<CFDictionaryRef>(info);
    CFTypeRef id = CFDictionaryGetValue(b->info, CFSTR("CFBundleIdentifier"));
    if (cfString(id))
        b->identifier = static_cast<CFStringRef>(CFRetain(id));
    registry()[path] = b;
    return b;
}

// The open bundle with that identifier (not retained), or null.
CFBundleRef CFBundleGetBundleWithIdentifier(CFStringRef bundleID)
{
    if (!cfString(bundleID))
        return nullptr;
    for (auto &e : registry())
        if (e.second->identifier && CFEqual(e.second->identifier, bundleID))
            return e.second;
    return nullptr;
}

CFStringRef CFBundleGetIdentifier(CFBundleRef bundle)
{
    const __CFBundle *b = cfBundle(bundle);
    return b ? b->identifier : nullptr;
}

CFDictionaryRef CFBundleGetInfoDictionary(CFBundleRef bundle)
{
    const __CFBundle *b = cfBundle(bundle);
    return b ? b->info : nullptr;
}

CFTypeRef CFBundleGetValueForInfoDictionaryKey(CFBundleRef bundle, CFStringRef key)
{
    const __CFBundle *b = cfBundle(bundle);
    return b ? CFDictionaryGetValue(b->info, key) : nullptr;
}

CFURLRef CFBundleCopyBundleURL(CFBundleRef bundle)
{
    const __CFBundle *b = cfBundle(bundle);
    return b ? fileURL(b->path, true) : nullptr;
}

CFURLRef CFBundleCopyResourcesDirectoryURL(CFBundleRef bundle)
{
    const __CFBundle *b = cfBundle(bundle);
    return b ? fileURL(b->path + "/Contents/Resources", true) : nullptr;
}

// Contents/Linux/<CFBundleExecutable>; null when the bundle names none.
CFURLRef CFBundleCopyExecutableURL(CFBundleRef bundle)
{
    const __CFBundle *b = cfBundle(bundle);
    if (!b)
        return nullptr;
    std::string exe = infoString(b, "CFBundleExecutable");
    if (exe.empty())
        return nullptr;
    return fileURL(b->path + "/Contents/Linux/" + exe, false);
}

CFURLRef CFBundleCopyResourceURL(CFBundleRef bundle, CFStringRef resourceName, CFStringRef resourceType,
                                 CFStringRef subDirName)
{
    const __CFBundle *b = cfBundle(bundle);
    std::string name = cfStringUTF8(resourceName);
    if (!b || name.empty())
        return nullptr;
    std::string type = cfStringUTF8(resourceType);
    if (!type.empty())
        name += (type[0] == '.' ? "" : ".") + type;
    std::string sub = cfStringUTF8(subDirName);
    if (!sub.empty())
        name = sub + "/" + name;
    std::string resources = b->path + "/Contents/Resources/";
    for (const std::string &candidate :
         {resources + name, resources + developmentRegion(b) + ".lproj/" + name}) {
        if (fileExists(candidate))
            return fileURL(candidate, false);
    }
    return nullptr;
}

CFStringRef CFBundleCopyLocalizedString(CFBundleRef bundle, CFStringRef key, CFStringRef value, CFStringRef tableName)
{
    __CFBundle *b = cfBundle(bundle);
    CFStringRef fallback = value ? value : key;
    if (b && cfString(key)) {
        std::string table = tableName ? cfStringUTF8(tableName) : "Localizable";
        auto it = b->tables.find(table);
        if (it == b->tables.end()) {
            // Read once; a missing or malformed table is remembered as null.
            CFPropertyListRef dict = readPropertyList(b->path + "/Contents/Resources/" + developmentRegion(b) +
                                                      ".lproj/" + table + ".strings");
            if (dict && !cfDictionary(dict)) {
                CFRelease(dict);
                dict = nullptr;
            }
            it = b->tables.emplace(table, static_cast<CFDictionaryRef>(dict)).first;
        }
        CFTypeRef found = it->second ? CFDictionaryGetValue(it->second, key) : nullptr;
        if (cfString(found))
            return static_cast<CFStringRef>(CFRetain(found));
    }
    return fallback ? static_cast<CFStringRef>(CFRetain(fallback)) : nullptr;
}

// dlopens the executable once.  A loaded bundle stays for the life of the
// process, since code from it may still run after its last release.
Boolean CFBundleLoadExecutable(CFBundleRef bundle)
{
    __CFBundle *b = cfBundle(bundle);
    if (!b)
        return false;
    if (b->handle)
        return true;
    std::string exe = infoString(b, "CFBundleExecutable");
    if (exe.empty())
        return false;
    b->handle = dlopen((b->path + "/Contents/Linux/" + exe).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!b->handle)
        return false;
    b->makeImmortal();
    return true;
}

// The exported symbol of that name in the loaded executable, or null.
void *CFBundleGetFunctionPointerForName(CFBundleRef bundle, CFStringRef functionName)
{
    const __CFBundle *b = cfBundle(bundle);
    std::string name = cfStringUTF8(functionName);
    if (!b || !b->handle || name.empty())
        return nullptr;
    return dlsym(b->handle, name.c_str());
}
