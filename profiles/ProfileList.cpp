// The process-wide lists and the printer file-name rule.
#include "ProfileList.h"

#include <cstring>

ProfileList PlistCurrentForDataBrowser = {};
ProfileList PlistForSpool = {};

const ProfileEntry *NthListedEntry(const ProfileList *list, SInt32 n)
{
    if (list == nullptr || n < 1)
        return nullptr;
    const SInt32 count = list->iNum < 0 ? 0 : list->iNum < kProfileListSlots ? list->iNum : kProfileListSlots;
    SInt32 listed = 0;
    for (SInt32 i = 0; i < count; ++i) {
        if (bIsListedEntry(list->entry[i]) && ++listed == n)
            return &list->entry[i];
    }
    return nullptr;
}

// Bytes a printer file name may hold: letters, digits and the punctuation
// that the printer's file system accepts (the same set the edit field allows).
static bool bIsFileNameByte(unsigned char c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
        return true;
    return std::strchr("!#$%&'()-.^_`{}~", c) != nullptr && c != '\0';
}

// Returns 1 when text is an 8.3 name (name part at most 8 bytes, optional
// extension of at most 3 bytes after the first dot) made only of accepted
// bytes; 0 for null, empty or anything else.
Boolean bJudgement8point3Format(const char *text)
{
    if (text == nullptr || text[0] == '\0')
        return 0;
    // A valid name is at most 12 bytes, so never scan further than that.
    size_t length = strnlen(text, 13);
    if (length > 12)
        return 0;
    const char *dot = static_cast<const char *>(std::memchr(text, '.', length));
    if (dot == nullptr) {
        if (length > 8)
            return 0;
    } else {
        size_t nameLength = static_cast<size_t>(dot - text);
        size_t extensionLength = length - nameLength - 1;
        if (nameLength == 0 || nameLength > 8 || extensionLength > 3)
            return 0;
    }
    for (size_t i = 0; i < length; i++) {
        if (!bIsFileNameByte(static_cast<unsigned char>(text[i])))
            return 0;
    }
    return 1;
}
