// The system version query.  The version is a setting of the host so that
// both PPD paths of the pane can be exercised.
#include <Printing/Printing.h>

namespace {
SInt32 systemVersion = 0x1049;
}

// Answers 'sysv' with the host's version; gestaltUndefSelectorErr for any other
// selector, a null response or a version of 0.
OSErr Gestalt(OSType selector, SInt32 *response)
{
    if (!response)
        return paramErr;
    *response = 0;
    if (selector != gestaltSystemVersion || systemVersion == 0)
        return gestaltUndefSelectorErr;
    *response = systemVersion;
    return noErr;
}

// Sets the version that Gestalt('sysv') answers.
void PMHostSetSystemVersion(SInt32 version) { systemVersion = version; }

// Returns the version that Gestalt('sysv') answers.
SInt32 PMHostGetSystemVersion(void) { return systemVersion; }
