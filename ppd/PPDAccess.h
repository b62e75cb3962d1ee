// The printer's PPD: getting the parsed record for a session, confirming the
// printer model, turning an option into a choice array (one five-string
// element per choice), and the two lookups on choice arrays and profile lists.
#pragma once

#include <CoreFoundation/CoreFoundation.h>
#include <Printing/Printing.h>
#include <cups/ppd.h>

#include "ProfileList.h"

// Statuses of the choice-array builders.
enum {
    kPPDOptionNotFound = -30888,  // the PPD has no such option
    kPPDArrayNotCreated = -30870, // the array could not be made
};

// Positions within a choice element.
enum {
    kPPDElementOptionKeyword = 0,
    kPPDElementDefaultChoice = 1,
    kPPDElementChoiceKeyword = 2,
    kPPDElementChoiceText = 3,
    kPPDElementConflict = 4,
    kPPDElementCount = 5,
};

// Conflict markers of a choice element.
#define kPPDConflictTrue "ConflictTrue"
#define kPPDConflictFalse "ConflictFalse"

// The text that identifies the supported printer's PPD file.
#define kPPDModelText "ORVEN QV17 PPD"

// The PPD path buffers hold 99 characters and the terminator; longer paths
// are refused rather than cut short.
enum { kPPDPathBufferSize = 100 };

// LanguageEncoding names with an encoding of their own.
extern const char *const kISOLatin1;
extern const char *const kWindowsANSI;
extern const char *const kJIS83_RKSJ;
extern const char *const kUTF_8;
extern const char *const kUTF8;

// Stores the session's parsed PPD in *ppd (null on failure).  Above system
// version 0x102F (or when the version is unknown) the record is the one the
// session publishes; the session owns it.  On older systems the printer's PPD
// file is parsed here and kept open for the life of the process.  Returns 0,
// the session's status (with a message on stderr) when it has no record, or -1
// when there is no printer, no PPD URL or the path does not fit.
OSStatus GetPPDRefFromSession(PMPrintSession session, ppd_file_t **ppd);

// 0 when the current printer's PPD file contains "ORVEN QV17 PPD", -1 when it
// does not, cannot be read, or there is no printer or PPD URL.
OSStatus MyPPDModelConfirmation(PMPrintSession session);

// Reads the whole regular file at path into a new buffer (not terminated) and
// stores its size in *length; null on failure.  The caller frees the buffer.
char *performOpen(const char *path, size_t *length);

// Creates the choice array of option keyword and stores it in *array.
// Returns 0, kPPDOptionNotFound (*array untouched) or kPPDArrayNotCreated.
OSStatus GetPPDArrayForUIOption(ppd_file_t *ppd, const char *keyword, CFMutableArrayRef *array);

// Appends one element per choice of option keyword to array and adds 1 to
// *count per element.  A choice whose element cannot be made is skipped;
// nothing happens for a null array or an unknown option.  Returns 0.
OSStatus GetUIListFromPPD(ppd_file_t *ppd, const char *keyword, CFMutableArrayRef array, UInt16 *count);

// 1 when selecting choice puts option keyword in conflict with the other marked
// choices, else 0.  The marks and conflict flags are as before on return.
SInt32 IsPPDChoiceConflicted(ppd_file_t *ppd, const char *keyword, const char *choice);

// Stores the string encoding of the PPD's LanguageEncoding in *encoding.
void GetCFStringEncodingFromPPD(ppd_file_t *ppd, CFStringEncoding *encoding);

// Creates the string of a choice text of ppd, given the encoding that
// GetCFStringEncodingFromPPD chose; null when it cannot be made.
CFStringRef CreatePPDChoiceText(ppd_file_t *ppd, const char *text, CFStringEncoding encoding);

// Index of the first element of array whose option keyword is key and whose
// choice keyword is choice (exact, case-sensitive), or -1.
SInt32 FindPPDKeyPairsMatch(CFArrayRef array, CFStringRef key, CFStringRef choice);
SInt32 FindPPDKeyPairsMatch(CFArrayRef array, const char *key, const char *choice);

// Device paths of custom profiles: the location's folder on the printer, then
// the file name.  The buffer fits the longest prefix, 32 name bytes and a NUL.
#define kProfileDiskPrefix "/ata1a/data/USfiles/Profiles/"
#define kProfileCardPrefix "/ataCf1a/data/USfiles/Profiles/"
enum { kProfileDevicePathSize = 64 };

// Writes entry's device path into path and returns path.
const char *BuildProfileDevicePath(const ProfileEntry *entry, char path[kProfileDevicePathSize]);
// Creates entry's device path as a string (UTF-8; Mac Roman when the name is
// not UTF-8), or null.
CFStringRef CreateProfileDevicePath(const ProfileEntry *entry);

// Position among the listed entries of list (InMenu 3, 4 or 6, in list order)
// of the first one whose device path equals path, or -1.
SInt32 FindAddedProfileKeyPairsMatch(CFStringRef path, const ProfileList *list);
