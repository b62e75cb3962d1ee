// Helpers shared by the accessors and the summary: the ticket's PPD
// dictionary, the strings of a choice element, the keys of an option, and the
// listed entries of a profile list.
#pragma once

#include <CoreFoundation/CoreFoundation.h>
#include <Printing/Printing.h>

#include "OptionCatalog.h"
#include "ProfileList.h"

// Releases the object it holds (if any) when it goes out of scope.
struct ScopedCF {
    CFTypeRef ref = nullptr;
    ScopedCF() = default;
    explicit ScopedCF(CFTypeRef object) : ref(object) {}
    ScopedCF(const ScopedCF &) = delete;
    ScopedCF &operator=(const ScopedCF &) = delete;
    ~ScopedCF()
    {
        if (ref != nullptr)
            CFRelease(ref);
    }
};

// The session's print settings ticket's PPD dictionary (not retained) in
// *dict: the status of MyGetTicket, or of PMTicketGetPPDDict when the ticket
// was found.  *dict is null on failure.
OSStatus MyGetTicketPPDDict(PMPrintSession session, CFMutableDictionaryRef *dict);

// The string under key in dict, or null when it is missing or not a string.
CFStringRef DictionaryString(CFDictionaryRef dict, CFStringRef key);

// Field `field` of element `element` of a choice array, or null when the array
// is null, the element is outside it or the field is not a string.
CFStringRef ChoiceField(CFArrayRef choices, CFIndex element, CFIndex field);
// Number of elements of a choice array; a null array counts as empty.
CFIndex ChoiceCount(CFArrayRef choices);

// Stores element `element`'s choice keyword under its option keyword; false
// (nothing written) when the element or either string is missing.
bool StoreChoice(CFMutableDictionaryRef dict, CFArrayRef choices, CFIndex element);

// The three ticket keys of an option: its keyword, then with "Custom" and
// "CustomFilename" appended.  Each is created here; null if it cannot be.
struct OptionKeys {
    ScopedCF main;
    ScopedCF flag;
    ScopedCF path;
    explicit OptionKeys(const OptionInfo &option);
    CFStringRef Main() const { return static_cast<CFStringRef>(main.ref); }
    CFStringRef Flag() const { return static_cast<CFStringRef>(flag.ref); }
    CFStringRef Path() const { return static_cast<CFStringRef>(path.ref); }
};

// A new zeroed list filled with class profileClass from the profile list file
// (left empty when the file cannot be read); null when memory runs out.  Free
// it with std::free.
ProfileList *ReadProfileClass(SInt32 profileClass);

// The order in which the setters write the ticket, which is also the order of
// the summary's members.  It differs from the getters' in the first four options.
extern const OptionIndex kTicketWriteOrder[kOptionCount];
