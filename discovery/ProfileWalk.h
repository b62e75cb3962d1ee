// Discovery of the printer's custom profiles: finds the printer's host from
// the printing session and walks the printer's profile table with SNMPv1
// GetNext requests.  Every way out of a started walk hands its result to the
// merge (ProfileMerge.h), which rewrites the profile list file.
#pragma once

#include <MacTypes.h>

struct CustomContext;

// Walk results handed to the merge.
enum {
    kWalkCompleted = 0,   // the table was read to its end
    kWalkFailed = 1,      // bad arguments or OID, no session, timeout, transport error, OIDs not increasing
    kWalkAgentError = 2,  // the agent answered with an error status other than noSuchName
};

// Backs up the profile list file, then walks the profile table of the
// session's current printer and merges what it finds.  Always returns 0.
SInt32 GetProfilesFromMIB(CustomContext *context);

// The walk, driven by a command-line style argument vector.  Returns the walk
// result, or the argument parser's negative code when the parser fails.
SInt32 mib_walk(int argc, char **argv);

// Handler of the walk's extra option "-C": each character toggles one of the
// walk's booleans in the SNMP library's store.
void optProc(int argc, char *const *argv, int opt);

// Variables found by every walk of this process (spooled or fetched as the root).
extern SInt32 numprinted;

// Copies the host part of a device URI's network location into host: the
// bracketed IPv6 literal, as "udp6:[literal]", when the location starts with
// "[", otherwise everything up to the first ":".  Returns false, with host empty, when there
// is no host, it does not fit, or it begins with "-" (it would be read as an
// option).
Boolean bHostOfNetLocation(const char *location, char *host, size_t hostSize);
