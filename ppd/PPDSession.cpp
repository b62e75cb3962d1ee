// Getting the parsed PPD of a printing session, on both system-version paths.
#include "PPDInternal.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// Newer systems publish the parsed record in the session.
constexpr SInt32 kLastVersionWithoutSessionPPD = 0x102F;

// Records parsed on older systems.  Any pane instance may still hold one, so
// they stay open until the process ends.
struct OpenedPPDs {
    std::vector<ppd_file_t *> records;
    ~OpenedPPDs()
    {
        for (ppd_file_t *ppd : records)
            ppdClose(ppd);
    }
};

OpenedPPDs &opened()
{
    static OpenedPPDs o;
    return o;
}

// The record whose pointer the session's data holds, or null when the data is
// not a pointer's worth of bytes.
ppd_file_t *recordFromData(CFTypeRef data)
{
    if (!data || CFGetTypeID(data) != CFDataGetTypeID())
        return nullptr;
    CFDataRef bytes = static_cast<CFDataRef>(data);
    if (CFDataGetLength(bytes) < CFIndex(sizeof(ppd_file_t *)))
        return nullptr;
    ppd_file_t *ppd = nullptr;
    std::memcpy(&ppd, CFDataGetBytePtr(bytes), sizeof ppd);
    return ppd;
}

} // namespace

// Copies the current printer's PPD path into path; 0 or -1.
OSStatus iCopyPrinterPPDPath(PMPrintSession session, char (&path)[kPPDPathBufferSize])
{
    path[0] = '\0';
    PMPrinter printer = nullptr;
    CFURLRef url = nullptr;
    if (PMSessionGetCurrentPrinter(session, &printer) != noErr || !printer)
        return -1;
    if (PMPrinterGetDescriptionURL(printer, kPMPPDDescriptionType, &url) != noErr || !url)
        return -1;
    CFStringRef posix = CFURLCopyFileSystemPath(url, kCFURLPOSIXPathStyle);
    if (!posix)
        return -1;
    const Boolean fits = CFStringGetCString(posix, path, kPPDPathBufferSize, kCFStringEncodingASCII);
    CFRelease(posix);
    if (!fits) {
        path[0] = '\0';
        return -1;
    }
    return noErr;
}

// Stores the session's parsed PPD in *ppd; see the header for the statuses.
OSStatus GetPPDRefFromSession(PMPrintSession session, ppd_file_t **ppd)
{
    if (!ppd)
        return paramErr;
    *ppd = nullptr;
    SInt32 version = 0;
    if (Gestalt(gestaltSystemVersion, &version) != noErr || version > kLastVersionWithoutSessionPPD) {
        CFTypeRef data = nullptr;
        OSStatus status = PMSessionGetDataFromSession(session, kPMPPDReferenceKey, &data);
        if (status == noErr)
            *ppd = recordFromData(data);
        if (!*ppd) {
            std::fprintf(stderr, "there was a problem getting the PPD out of the session object ------ err = %d\n",
                         static_cast<int>(status));
            return status;
        }
        return noErr;
    }

    char path[kPPDPathBufferSize];
    if (iCopyPrinterPPDPath(session, path) != noErr)
        return -1;
    *ppd = ppdOpenFile(path);
    if (*ppd)
        opened().records.push_back(*ppd);
    return noErr;
}
