// colorpane-walk: runs one walk of a printer's profile table and its merge,
// as the pane does when it is initialised, then prints the three profile
// lists from the user's profile list file, so that a person can see what the
// printer holds.
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include <CoreFoundation/CoreFoundation.h>
#include <Printing/Printing.h>

#include "CustomContext.h"
#include "ProfileFile.h"
#include "ProfileWalk.h"

namespace {

const char *const kUsage = "usage: colorpane-walk --device-uri URI [--ppd FILE] [--home DIR]\n";

struct Options {
    std::string deviceURI;
    std::string ppd = QV_SAMPLE_PPD;
    std::string home;
};

// Reads the command line; false with a one-line reason in error.
bool bParseArguments(int argc, char **argv, Options &options, std::string &error, bool &help)
{
    for (int i = 1; i < argc; i++) {
        std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            help = true;
            return true;
        }
        std::string *target = arg == "--device-uri" ? &options.deviceURI
                              : arg == "--ppd"      ? &options.ppd
                              : arg == "--home"     ? &options.home
                                                    : nullptr;
        if (target == nullptr) {
            error = "unknown argument " + arg;
            return false;
        }
        if (i + 1 >= argc || argv[i + 1][0] == '\0') {
            error = arg + " needs a value";
            return false;
        }
        *target = argv[++i];
    }
    if (options.deviceURI.empty()) {
        error = "--device-uri is required";
        return false;
    }
    return true;
}

CFStringRef CreateString(const std::string &text)
{
    return CFStringCreateWithCString(nullptr, text.c_str(), kCFStringEncodingUTF8);
}

// One line per used slot: class, slot, InMenu, IndexOnDevice, ProfileClass,
// Location, FileName, ProfileName, separated by tabs.
void vPrintList(const char *className, const ProfileList &list)
{
    for (SInt32 slot = 0; slot < list.iNum && slot < kProfileListSlots; slot++) {
        const ProfileEntry &e = list.entry[slot];
        std::printf("%s\t%d\t%d\t%d\t%d\t%d\t%.*s\t%.*s\n", className, slot, e.InMenu, e.IndexOnDevice,
                    e.ProfileClass, e.Location, kProfileTextSize, e.FileName, kProfileTextSize, e.ProfileName);
    }
}

} // namespace

int main(int argc, char **argv)
{
    Options options;
    std::string error;
    bool help = false;
    if (!bParseArguments(argc, argv, options, error, help)) {
        std::fprintf(stderr, "colorpane-walk: %s (see --help)\n", error.c_str());
        return 2;
    }
    if (help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (!options.home.empty())
        PMHostSetUserHomeDirectory(options.home.c_str());

    PMPrintSession session = PMHostCreateSession();
    CFStringRef ppd = CreateString(options.ppd);
    CFStringRef uri = CreateString(options.deviceURI);
    if (session == nullptr || ppd == nullptr || uri == nullptr ||
        PMHostSessionSetPrinter(session, CFSTR("QV17"), ppd, uri) != noErr) {
        std::fprintf(stderr, "colorpane-walk: cannot set up a printing session for %s\n", options.deviceURI.c_str());
        return 1;
    }
    CFRelease(uri);
    CFRelease(ppd);

    auto context = std::make_unique<CustomContext>();
    context->printSession = session;
    GetProfilesFromMIB(context.get());
    PMHostReleaseSession(session);

    auto lists = std::make_unique<ProfileList[]>(3);
    VxPListReadProfile_All(&lists[0], &lists[1], &lists[2]);
    const char *const names[] = {"RGB", "SIM", "DST"};
    for (int c = 0; c < 3; c++)
        vPrintList(names[c], lists[c]);
    return 0;
}
