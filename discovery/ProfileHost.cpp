// The start of a walk: backs up the profile list file, finds the host of the
// session's current printer and walks its profile table with the pane's
// fixed argument vector.
#include <cstring>

#include <CoreFoundation/CoreFoundation.h>
#include <Printing/Printing.h>

#include "CustomContext.h"
#include "DebugMessage.h"
#include "ProfileFile.h"
#include "ProfileSnmp.h"
#include "ProfileWalk.h"

// Room for a network location of at most 255 bytes and its terminator.
enum { kNetLocationSize = 256 };

Boolean bHostOfNetLocation(const char *location, char *host, size_t hostSize)
{
    if (host == nullptr || hostSize == 0)
        return false;
    host[0] = '\0';
    if (location == nullptr)
        return false;
    const char *prefix = "";
    size_t length;
    if (location[0] == '[') {
        // An IPv6 literal: its colons are not a port.  The library reads a
        // bracketed address only with its transport named.
        const char *close = std::strchr(location, ']');
        if (close == nullptr || close == location + 1)
            return false;
        prefix = "udp6:";
        length = static_cast<size_t>(close - location) + 1;
    } else {
        length = std::strcspn(location, ":");
    }
    size_t prefixLength = std::strlen(prefix);
    if (length == 0 || prefixLength + length >= hostSize || location[0] == '-')
        return false;
    std::memcpy(host, prefix, prefixLength);
    std::memcpy(host + prefixLength, location, length);
    host[prefixLength + length] = '\0';
    return true;
}

// Copies the network location of the current printer's device URI into
// location.  False when the session has no printer, the printer no device URI,
// or the URI no network location that fits.
static bool bCurrentNetLocation(PMPrintSession session, char *location, size_t size)
{
    PMPrinter printer = nullptr;
    if (PMSessionGetCurrentPrinter(session, &printer) != noErr || printer == nullptr)
        return false;
    CFURLRef uri = nullptr;
    if (PMPrinterGetDeviceURI(printer, &uri) != noErr || uri == nullptr)
        return false;
    CFStringRef netLocation = CFURLCopyNetLocation(uri);
    bool found = netLocation != nullptr &&
                 CFStringGetCString(netLocation, location, static_cast<CFIndex>(size), kCFStringEncodingMacRoman);
    if (netLocation != nullptr)
        CFRelease(netLocation);
    CFRelease(uri);
    return found;
}

SInt32 GetProfilesFromMIB(CustomContext *context)
{
    MyDebugMessage("[SnmpWalk] GetProfilesFromMIB  <Enter>", 0);
    VxPListSwapProfile(2);
    if (context == nullptr || context->printSession == nullptr)
        return 0;

    char location[kNetLocationSize];
    if (!bCurrentNetLocation(context->printSession, location, sizeof location))
        return 0;
    char host[kNetLocationSize];
    if (!bHostOfNetLocation(location, host, sizeof host))
        return 0;

    // SNMPv1, read community "tundra", OIDs printed by their last label, the
    // table's entry as the root; port, timeout and retries come from the
    // library's defaults and configuration.
    char program[] = "snmpwalk";
    char output[] = "-Os";
    char communityFlag[] = "-c";
    char community[] = "tundra";
    char versionFlag[] = "-v";
    char version[] = "1";
    char root[] = kProfileEntryOidText;
    char *argv[] = {program, output, communityFlag, community, versionFlag, version, host, root};
    mib_walk(8, argv);
    return 0;
}
