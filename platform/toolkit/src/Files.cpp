// Headless stand-ins for file references, icons and opening applications.
//
// An FSRef names an entry of the process's table of paths (a path is entered
// once and kept), so that any path fits the reference's fixed size.
// Icons are small reference-counted records registered by (creator, type).
// Nothing is ever launched: LSOpenFSRef only reports whether the file it
// would open is there.
#include "Model.h"

#include <sys/stat.h>

#include <cstring>

using namespace tk;

namespace {

constexpr UInt32 kFSRefMagic = FourCC("fsrf");

// The path an FSRef names, or null when the reference was not made here.
const std::string *pathOf(const FSRef *ref)
{
    if (!ref)
        return nullptr;
    UInt32 magic, index;
    std::memcpy(&magic, ref->hidden, sizeof magic);
    std::memcpy(&index, ref->hidden + sizeof magic, sizeof index);
    const auto &paths = model().filePaths;
    return magic == kFSRefMagic && index < paths.size() ? &paths[index] : nullptr;
}

// True when something exists at the path (directory noted in *isDirectory).
bool exists(const std::string &path, bool *isDirectory = nullptr)
{
    struct stat st;
    if (stat(path.c_str(), &st) != 0)
        return false;
    if (isDirectory)
        *isDirectory = S_ISDIR(st.st_mode);
    return true;
}

} // namespace

// Makes a reference to the existing file or folder at the POSIX path.
// fnfErr when nothing is there, paramErr for a null path or reference.
OSStatus FSPathMakeRef(const UInt8 *path, FSRef *ref, Boolean *isDirectory)
{
    if (!path || !ref)
        return paramErr;
    std::string p(reinterpret_cast<const char *>(path));
    bool dir = false;
    if (p.empty() || !exists(p, &dir))
        return fnfErr;
    auto &paths = model().filePaths;
    UInt32 index = 0;
    while (index < paths.size() && paths[index] != p)
        ++index;
    if (index == paths.size())
        paths.push_back(p);
    std::memset(ref->hidden, 0, sizeof ref->hidden);
    std::memcpy(ref->hidden, &kFSRefMagic, sizeof kFSRefMagic);
    std::memcpy(ref->hidden + sizeof kFSRefMagic, &index, sizeof index);
    if (isDirectory)
        *isDirectory = dir;
    return noErr;
}

// Registers the icon file under (creator, type) and hands out its icon; a
// second registration of the pair hands out the same icon with one more
// reference.  paramErr for a bad reference, fnfErr when the file is gone.
OSStatus RegisterIconRefFromFSRef(OSType creator, OSType iconType, const FSRef *iconFile, IconRef *theIconRef)
{
    if (!theIconRef)
        return paramErr;
    *theIconRef = nullptr;
    const std::string *path = pathOf(iconFile);
    if (!path)
        return paramErr;
    if (!exists(*path))
        return fnfErr;
    Model &m = model();
    for (auto &[h, icon] : m.icons.items)
        if (icon->creator == creator && icon->type == iconType) {
            ++icon->refCount;
            *theIconRef = refOf<IconRef>(h);
            return noErr;
        }
    auto icon = std::make_unique<Icon>();
    icon->self = newHandle();
    icon->creator = creator;
    icon->type = iconType;
    icon->path = *path;
    icon->refCount = 1;
    *theIconRef = refOf<IconRef>(icon->self);
    m.icons.items.emplace(icon->self, std::move(icon));
    return noErr;
}

// Drops one reference to the icon; the last one frees it.  paramErr for an
// unknown icon.
OSStatus ReleaseIconRef(IconRef iconRef)
{
    Model &m = model();
    Icon *icon = m.icons.find(handleOf(iconRef));
    if (!icon)
        return paramErr;
    if (--icon->refCount == 0)
        m.icons.items.erase(icon->self);
    return noErr;
}

// Headless: launches nothing.  noErr when the referenced file or application
// still exists (outLaunchedRef, when given, gets the same reference), fnfErr
// when it is gone, paramErr for a bad reference.
OSStatus LSOpenFSRef(const FSRef *inRef, FSRef *outLaunchedRef)
{
    const std::string *path = pathOf(inRef);
    if (!path)
        return paramErr;
    if (!exists(*path))
        return fnfErr;
    if (outLaunchedRef)
        *outLaunchedRef = *inRef;
    return noErr;
}
