// The string encoding of a PPD's choice texts.
#include "PPDAccess.h"

#include <cstring>

const char *const kISOLatin1 = "ISOLatin1";
const char *const kWindowsANSI = "WindowsANSI";
const char *const kJIS83_RKSJ = "JIS83-RKSJ";
const char *const kUTF_8 = "UTF-8";
const char *const kUTF8 = "UTF8";

namespace {

struct EncodingRow {
    const char *const *name;
    CFStringEncoding encoding;
};

// Tried in order, exact and case-sensitive; anything else is Mac Roman.
const EncodingRow kEncodingTable[] = {
    {&kISOLatin1, kCFStringEncodingISOLatin1},
    {&kWindowsANSI, kCFStringEncodingWindowsLatin1},
    {&kJIS83_RKSJ, kCFStringEncodingMacJapanese},
    {&kUTF_8, kCFStringEncodingUTF8},
    {&kUTF8, kCFStringEncodingUTF8},
};

} // namespace

// Stores the encoding of ppd's LanguageEncoding (Mac Roman for none, an
// unknown name or no PPD) in *encoding.
void GetCFStringEncodingFromPPD(ppd_file_t *ppd, CFStringEncoding *encoding)
{
    if (!encoding)
        return;
    *encoding = kCFStringEncodingMacRoman;
    if (!ppd || !ppd->lang_encoding)
        return;
    for (const EncodingRow &row : kEncodingTable) {
        if (std::strcmp(ppd->lang_encoding, *row.name) == 0) {
            *encoding = row.encoding;
            return;
        }
    }
}

// Creates the string of a choice text.  libcups converts the texts of every
// LanguageEncoding it knows to UTF-8 and then reports "UTF-8"; a PPD without
// LanguageEncoding it reads as ISO Latin 1 and converts as well, reporting
// none, so those texts are UTF-8 too.  Only texts declared in an encoding that
// libcups does not know arrive as raw bytes; when they are not valid in the
// chosen encoding they are read as Mac Roman instead of being dropped.
CFStringRef CreatePPDChoiceText(ppd_file_t *ppd, const char *text, CFStringEncoding encoding)
{
    if (!text)
        return nullptr;
    if (ppd && !ppd->lang_encoding)
        encoding = kCFStringEncodingUTF8;
    CFStringRef string = CFStringCreateWithCString(kCFAllocatorDefault, text, encoding);
    if (!string && encoding != kCFStringEncodingMacRoman)
        string = CFStringCreateWithCString(kCFAllocatorDefault, text, kCFStringEncodingMacRoman);
    return string;
}
