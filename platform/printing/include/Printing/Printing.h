// Printing sessions, printers and print settings tickets, as a print dialog
// hands them to a pane, plus the system version query.  The PM* calls are the
// ones the pane uses; the PMHost* calls are how a host (or a test) sets up the
// session that it hands in.
#pragma once

#include <CoreFoundation/CoreFoundation.h>

typedef struct OpaquePMPrintSession *PMPrintSession;
typedef struct OpaquePMPrinter *PMPrinter;
// A ticket is known to the pane by a small integer handle (it travels through
// the session as a 32-bit number); the handle is carried in this pointer type.
typedef struct OpaquePMTicketRef *PMTicketRef;

enum {
    kPMNoError = 0,
    kPMGeneralError = -30870,
    kPMInvalidParameter = -50,
    kPMKeyNotFound = -9589,
    kPMInvalidTicket = -30895,
    kPMInvalidPrinter = -30882,
};

// Session data keys the pane reads.
#define kPMPPDReferenceKey CFSTR("kPMPPDReference")
#define kPMPrintSettingsTicketKey CFSTR("PMPrintSettingsTicket")
#define kPMPPDDescriptionType CFSTR("PMPPDDescriptionType")

// The session's object under key (not retained for the caller), or
// kPMKeyNotFound with *data null when the session holds nothing under it.
OSStatus PMSessionGetDataFromSession(PMPrintSession session, CFStringRef key, CFTypeRef *data);
OSStatus PMSessionSetDataInSession(PMPrintSession session, CFStringRef key, CFTypeRef data);
OSStatus PMSessionGetCurrentPrinter(PMPrintSession session, PMPrinter *printer);
// The printer's PPD file as a file URL (not retained for the caller).
OSStatus PMPrinterGetDescriptionURL(PMPrinter printer, CFStringRef descriptionType, CFURLRef *fileURL);
// The printer's device URI; the caller releases it.  kPMKeyNotFound (and
// null) when the printer has none.
OSStatus PMPrinterGetDeviceURI(PMPrinter printer, CFURLRef *deviceURI);
CFStringRef PMPrinterGetName(PMPrinter printer);
// The ticket's mutable dictionary of PPD options (node indexes 0 and 0 only);
// not retained for the caller.  kPMInvalidTicket for an unknown handle.
OSStatus PMTicketGetPPDDict(PMTicketRef ticket, UInt32 nodeIndex1, UInt32 nodeIndex2, CFMutableDictionaryRef *dict);

// System version query; only 'sysv' is answered, with the version set by the
// host (one decimal digit per four bits: 10.4.9 is 0x1049; 0x1049 until a
// host sets another).
enum { gestaltSystemVersion = FourCC("sysv"), gestaltUndefSelectorErr = -5551 };
OSErr Gestalt(OSType selector, SInt32 *response);

// ---- Host side --------------------------------------------------------------
// A new session with an empty print settings ticket (registered under
// "PMPrintSettingsTicket" as its handle) and no printer.
PMPrintSession PMHostCreateSession(void);
void PMHostReleaseSession(PMPrintSession session);
// Makes the named printer current.  ppdPath: the PPD file, also parsed with
// libcups and published under "kPMPPDReference" (a data object holding the
// whole ppd_file_t pointer) when it parses; deviceURI may be null.
// Returns paramErr for a null name or path or a device URI that is not a URL,
// noErr otherwise (an unparsable PPD only leaves "kPMPPDReference" out).  The
// session closes the record it parsed when the printer is replaced or the
// session released.
OSStatus PMHostSessionSetPrinter(PMPrintSession session, CFStringRef name, CFStringRef ppdPath, CFStringRef deviceURI);
// The session's own ticket (whatever "PMPrintSettingsTicket" now holds).
PMTicketRef PMHostSessionGetTicket(PMPrintSession session);
// The ticket's PPD dictionary, for hosts that fill it in or read it out.
CFMutableDictionaryRef PMHostTicketGetPPDDict(PMTicketRef ticket);
// The version that Gestalt('sysv') answers; 0 makes Gestalt fail.
void PMHostSetSystemVersion(SInt32 version);
SInt32 PMHostGetSystemVersion(void);
// The home folder whose Library/Preferences holds the pane's files, when the
// host sets one (null goes back to the real user's home); null when unset.
void PMHostSetUserHomeDirectory(const char *path);
const char *PMHostGetUserHomeDirectory(void);
// Handle of a ticket as the session publishes it.
SInt32 PMHostTicketHandle(PMTicketRef ticket);

