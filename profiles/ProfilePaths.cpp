// Where the profile list file and its previous copy live, and the small file
// helpers shared by the file layer.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include <Printing/Printing.h>

#include "DebugMessage.h"
#include "ProfileFileInternal.h"

namespace {

// Paths are limited to 255 bytes including the terminator.
constexpr size_t kProfilePathSize = 256;

constexpr const char *kPreferencesFolder = "Library/Preferences";
constexpr const char *kCurrentFileName = kProfileFilePrefix ".printers.QV17PS.profile.plist";
constexpr const char *kPreviousFileName = kProfileFilePrefix ".printers.QV17PS.profile.prev.plist";

// The home folder set by a test, if any.
std::string gHomeForTesting;
bool gHomeIsSet = false;

// The home folder: the test's, else the one the host set, else the password
// entry of the real user (never the environment).  Null when none is known.
const char *ProfileHomeDirectory()
{
    if (gHomeIsSet)
        return gHomeForTesting.c_str();
    if (const char *hostHome = PMHostGetUserHomeDirectory())
        return hostHome;
    struct passwd *entry = getpwuid(getuid());
    if (entry == nullptr || entry->pw_dir == nullptr || entry->pw_dir[0] == '\0')
        return nullptr;
    return entry->pw_dir;
}

// Writes "<home>/<relative>" into path; false when the home is unknown or the
// result would not fit in 255 bytes or in size.
bool bProfileHomePath(const char *relative, char *path, size_t size)
{
    if (path == nullptr || size == 0)
        return false;
    path[0] = '\0';
    const char *home = ProfileHomeDirectory();
    if (home == nullptr)
        return false;
    char buffer[kProfilePathSize];
    int length = std::snprintf(buffer, sizeof buffer, "%s/%s", home, relative);
    if (length < 0 || static_cast<size_t>(length) >= sizeof buffer || static_cast<size_t>(length) >= size)
        return false;
    std::memcpy(path, buffer, static_cast<size_t>(length) + 1);
    return true;
}

// Path of a file in the preferences folder.
bool bProfilePreferencesPath(const char *fileName, char *path, size_t size)
{
    char relative[kProfilePathSize];
    int length = std::snprintf(relative, sizeof relative, "%s/%s", kPreferencesFolder, fileName);
    if (length < 0 || static_cast<size_t>(length) >= sizeof relative)
        return false;
    return bProfileHomePath(relative, path, size);
}

} // namespace

const ProfileStoredField kProfileStoredFields[kProfileStoredFieldCount] = {
    {"IndexOnDevice", false, offsetof(ProfileEntry, IndexOnDevice)},
    {"InMenu", false, offsetof(ProfileEntry, InMenu)},
    {"ProfileClass", false, offsetof(ProfileEntry, ProfileClass)},
    {"Location", false, offsetof(ProfileEntry, Location)},
    {"FileName", true, offsetof(ProfileEntry, FileName)},
    {"ProfileName", true, offsetof(ProfileEntry, ProfileName)},
};

const char *const kProfileClassKeys[kProfileClassCount] = {"RGB", "SIM", "DST"};

// Sets the home folder for tests; null returns to the password entry.
void VxPListSetHomeDirectoryForTesting(const char *home)
{
    gHomeIsSet = home != nullptr;
    gHomeForTesting = home != nullptr ? home : "";
}

// Path of the current file; false when it cannot be formed.
Boolean VxPListCurrentPath(char *path, size_t size)
{
    return bProfilePreferencesPath(kCurrentFileName, path, size);
}

// Path of the previous copy; false when it cannot be formed.
Boolean VxPListPreviousPath(char *path, size_t size)
{
    return bProfilePreferencesPath(kPreviousFileName, path, size);
}

// Hands "[Vxplist] <name> <Entry>" to the debug trace.
void vProfileTraceEntry(const char *name)
{
    char message[128];
    std::snprintf(message, sizeof message, "[Vxplist] %s <Entry>", name);
    MyDebugMessage(message, 0);
}

// The 3000 item keys, built on first use: every read and write looks up
// all of them, and making them afresh each time costs more than the lookups.
CFStringRef ProfileItemKey(int field, int slot)
{
    static CFStringRef keys[kProfileStoredFieldCount][kProfileListSlots];
    static bool built = false;
    if (!built) {
        for (int f = 0; f < kProfileStoredFieldCount; f++) {
            for (int i = 0; i < kProfileListSlots; i++) {
                char text[32];
                std::snprintf(text, sizeof text, "%s%04d", kProfileStoredFields[f].key, i);
                keys[f][i] = __CFStringMakeConstantString(text);
            }
        }
        built = true;
    }
    return keys[field][slot];
}

// Creates "<home>/Library" and "<home>/Library/Preferences" where missing:
// a fresh Linux home has neither, and the file could never be written.
bool bProfileEnsurePreferencesFolder(void)
{
    const char *levels[] = {"Library", kPreferencesFolder};
    for (const char *relative : levels) {
        char path[kProfilePathSize];
        if (!bProfileHomePath(relative, path, sizeof path))
            return false;
        if (mkdir(path, 0755) != 0 && errno != EEXIST)
            return false;
    }
    struct stat info;
    char path[kProfilePathSize];
    return bProfileHomePath(kPreferencesFolder, path, sizeof path) && stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

// Opens path; a created file gets rw-rw-r-- whatever the caller's mask, and
// the caller's mask is put back before returning.
int iProfileOpenShared(const char *path, int flags)
{
    mode_t callerMask = umask(002);
    int fd = open(path, flags | O_CLOEXEC, 0664);
    umask(callerMask);
    return fd;
}
