// Printing sessions: a data dictionary, the current printer (name, PPD file,
// device URI) and the print settings ticket.  The session parses its printer's
// PPD with libcups and publishes the record under "kPMPPDReference".
#include "PrintingInternal.h"

#include <cups/ppd.h>

#include <vector>

namespace {

struct PPDCloser {
    void operator()(ppd_file_t *ppd) const { ppdClose(ppd); }
};

// A C string of str in UTF-8 (empty on failure).
std::vector<char> utf8Path(CFStringRef str)
{
    const CFIndex size = CFStringGetMaximumSizeForEncoding(CFStringGetLength(str), kCFStringEncodingUTF8) + 1;
    std::vector<char> buffer(static_cast<std::size_t>(size), '\0');
    if (!CFStringGetCString(str, buffer.data(), size, kCFStringEncodingUTF8))
        buffer.assign(1, '\0');
    return buffer;
}

} // namespace

struct OpaquePMPrinter {
    CFOwned<CFStringRef> name;
    CFOwned<CFURLRef> ppdURL;
    CFOwned<CFURLRef> deviceURI;
};

struct OpaquePMPrintSession {
    CFOwned<CFMutableDictionaryRef> data;
    std::unique_ptr<OpaquePMPrinter> printer;
    std::unique_ptr<ppd_file_t, PPDCloser> ppd;
    SInt32 ticket = 0;
};

// Returns a new session with an empty ticket published under
// "PMPrintSettingsTicket", or null when it cannot be made.
PMPrintSession PMHostCreateSession(void)
{
    auto session = std::make_unique<OpaquePMPrintSession>();
    session->data.reset(CFDictionaryCreateMutable(kCFAllocatorDefault, 0, &kCFTypeDictionaryKeyCallBacks,
                                                  &kCFTypeDictionaryValueCallBacks));
    if (!session->data)
        return nullptr;
    session->ticket = PrintingTicketCreate();
    if (session->ticket == 0)
        return nullptr;
    CFOwned<CFNumberRef> handle(CFNumberCreate(kCFAllocatorDefault, kCFNumberSInt32Type, &session->ticket));
    if (!handle) {
        PrintingTicketRelease(session->ticket);
        return nullptr;
    }
    CFDictionarySetValue(session->data.get(), kPMPrintSettingsTicketKey, handle.get());
    return session.release();
}

// Releases the session, its printer, its ticket and the PPD record it parsed.
void PMHostReleaseSession(PMPrintSession session)
{
    if (!session)
        return;
    PrintingTicketRelease(session->ticket);
    delete session;
}

// Stores the session's object under key (not retained) in *data; kPMKeyNotFound
// with *data null when there is none.
OSStatus PMSessionGetDataFromSession(PMPrintSession session, CFStringRef key, CFTypeRef *data)
{
    if (!data)
        return kPMInvalidParameter;
    *data = nullptr;
    if (!session || !key)
        return kPMInvalidParameter;
    *data = CFDictionaryGetValue(session->data.get(), key);
    return *data ? kPMNoError : kPMKeyNotFound;
}

// Stores data under key (retained by the session); null data removes the key.
OSStatus PMSessionSetDataInSession(PMPrintSession session, CFStringRef key, CFTypeRef data)
{
    if (!session || !key)
        return kPMInvalidParameter;
    if (data)
        CFDictionarySetValue(session->data.get(), key, data);
    else
        CFDictionaryRemoveValue(session->data.get(), key);
    return kPMNoError;
}

// Stores the session's current printer in *printer; kPMInvalidPrinter when
// the session has none.
OSStatus PMSessionGetCurrentPrinter(PMPrintSession session, PMPrinter *printer)
{
    if (!printer)
        return kPMInvalidParameter;
    *printer = nullptr;
    if (!session)
        return kPMInvalidParameter;
    if (!session->printer)
        return kPMInvalidPrinter;
    *printer = session->printer.get();
    return kPMNoError;
}

// Stores the printer's PPD file URL (not retained) in *fileURL; only the
// "PMPPDDescriptionType" description exists.
OSStatus PMPrinterGetDescriptionURL(PMPrinter printer, CFStringRef descriptionType, CFURLRef *fileURL)
{
    if (!fileURL)
        return kPMInvalidParameter;
    *fileURL = nullptr;
    if (!printer)
        return kPMInvalidPrinter;
    if (!descriptionType || !CFEqual(descriptionType, kPMPPDDescriptionType))
        return kPMInvalidParameter;
    *fileURL = printer->ppdURL.get();
    return kPMNoError;
}

// Stores the printer's device URI (retained for the caller) in *deviceURI;
// kPMKeyNotFound with null when the printer has none.
OSStatus PMPrinterGetDeviceURI(PMPrinter printer, CFURLRef *deviceURI)
{
    if (!deviceURI)
        return kPMInvalidParameter;
    *deviceURI = nullptr;
    if (!printer)
        return kPMInvalidPrinter;
    if (!printer->deviceURI)
        return kPMKeyNotFound;
    *deviceURI = static_cast<CFURLRef>(CFRetain(printer->deviceURI.get()));
    return kPMNoError;
}

// Returns the printer's name (not retained), or null.
CFStringRef PMPrinterGetName(PMPrinter printer) { return printer ? printer->name.get() : nullptr; }

// Makes the named printer current and parses its PPD; the record is published
// under "kPMPPDReference" as the bytes of its pointer, or the key is removed
// when the file does not parse.  The previous printer's record is closed, so a
// pointer taken from the session earlier is no longer valid.  paramErr for a
// missing session, name or path, or a device URI that is not a URL.
OSStatus PMHostSessionSetPrinter(PMPrintSession session, CFStringRef name, CFStringRef ppdPath, CFStringRef deviceURI)
{
    if (!session || !name || !ppdPath)
        return paramErr;
    auto printer = std::make_unique<OpaquePMPrinter>();
    printer->name.reset(CFStringCreateCopy(kCFAllocatorDefault, name));
    printer->ppdURL.reset(CFURLCreateWithFileSystemPath(kCFAllocatorDefault, ppdPath, kCFURLPOSIXPathStyle, false));
    if (!printer->name || !printer->ppdURL)
        return paramErr;
    if (deviceURI) {
        printer->deviceURI.reset(CFURLCreateWithString(kCFAllocatorDefault, deviceURI, nullptr));
        if (!printer->deviceURI)
            return paramErr;
    }

    const std::vector<char> path = utf8Path(ppdPath);
    std::unique_ptr<ppd_file_t, PPDCloser> ppd(path[0] ? ppdOpenFile(path.data()) : nullptr);
    if (ppd) {
        ppd_file_t *pointer = ppd.get();
        CFOwned<CFDataRef> reference(
            CFDataCreate(kCFAllocatorDefault, reinterpret_cast<const UInt8 *>(&pointer), sizeof pointer));
        if (!reference)
            return memFullErr;
        CFDictionarySetValue(session->data.get(), kPMPPDReferenceKey, reference.get());
    } else {
        CFDictionaryRemoveValue(session->data.get(), kPMPPDReferenceKey);
    }
    session->printer = std::move(printer);
    session->ppd = std::move(ppd);
    return noErr;
}

// Returns the ticket whose handle "PMPrintSettingsTicket" now holds, or null.
PMTicketRef PMHostSessionGetTicket(PMPrintSession session)
{
    if (!session)
        return nullptr;
    const void *value = CFDictionaryGetValue(session->data.get(), kPMPrintSettingsTicketKey);
    if (!value || CFGetTypeID(value) != CFNumberGetTypeID())
        return nullptr;
    SInt32 handle = 0;
    if (!CFNumberGetValue(static_cast<CFNumberRef>(value), kCFNumberSInt32Type, &handle) || handle <= 0)
        return nullptr;
    return PrintingTicketFromHandle(handle);
}
