// The ticket accessors: one getter and one setter routine per kind of option
// (plain popup, check box, source profile, destination profile), each driven
// by the option's catalogue row.  Getters never fail visibly: a missing or
// unusable ticket value puts the control on its fallback.  A missing choice
// array counts as empty: getters leave the control alone, setters write
// nothing.
#include "TicketAccessors.h"

#include <cstdlib>

#include "PPDAccess.h"
#include "PopupMenus.h"
#include "TicketInternal.h"

namespace {

CFStringRef const kTrue = CFSTR("True");
CFStringRef const kFalse = CFSTR("False");

// The option's control.
ControlRef ControlOf(const OptionInfo &option, CustomContext *context)
{
    return context->controls[option.slot];
}

// The option's choice array (null when the PPD did not give one).
CFArrayRef ChoicesOf(const OptionInfo &option, CustomContext *context)
{
    return context->ppdarrays.*(option.array);
}

// Position among the listed entries of the option's class of the custom
// profile the ticket names (flag "True" and a path string), or -1.
SInt32 TicketCustomProfile(const OptionInfo &option, CFDictionaryRef dict, const OptionKeys &keys)
{
    CFTypeRef flag = keys.Flag() != nullptr ? CFDictionaryGetValue(dict, keys.Flag()) : nullptr;
    CFStringRef path = DictionaryString(dict, keys.Path());
    if (flag == nullptr || !CFEqual(flag, kTrue) || path == nullptr)
        return -1;
    ProfileList *list = ReadProfileClass(option.profileClass);
    SInt32 position = FindAddedProfileKeyPairsMatch(path, list);
    std::free(list);
    return position;
}

// Puts a popup on the ticket's choice; falls back to the PPD default (which
// also records the default position of a source profile popup).  Always 0.
OSStatus GetPopup(const OptionInfo &option, PMPrintSession session, CustomContext *context)
{
    ControlRef popup = ControlOf(option, context);
    CFArrayRef choices = ChoicesOf(option, context);
    CFMutableDictionaryRef dict = nullptr;
    if (MyGetTicketPPDDict(session, &dict) == noErr) {
        OptionKeys keys(option);
        CFStringRef value = DictionaryString(dict, keys.Main());
        if (value != nullptr) {
            SInt32 found = FindPPDKeyPairsMatch(choices, keys.Main(), value);
            if (found >= 0) {
                SetControl32BitValue(popup, found + 1);
                return noErr;
            }
        }
    }
    return SetMenuDefaultFromPPDInfo(popup, choices, -1);
}

// Ticks the check box for "True", "TRUE" or "true", clears it for any other
// string and leaves it alone for a value that is not a string; a missing key
// gives the PPD default.  Always 0.
OSStatus GetCheckBox(const OptionInfo &option, PMPrintSession session, CustomContext *context)
{
    ControlRef checkBox = ControlOf(option, context);
    CFMutableDictionaryRef dict = nullptr;
    if (MyGetTicketPPDDict(session, &dict) == noErr) {
        OptionKeys keys(option);
        CFTypeRef value = keys.Main() != nullptr ? CFDictionaryGetValue(dict, keys.Main()) : nullptr;
        if (value != nullptr) {
            if (CFGetTypeID(value) == CFStringGetTypeID()) {
                bool on = CFEqual(value, CFSTR("True")) || CFEqual(value, CFSTR("TRUE")) ||
                          CFEqual(value, CFSTR("true"));
                SetControl32BitValue(checkBox, on ? 1 : 0);
            }
            return noErr;
        }
    }
    return SetCheckBoxDefaultFromPPDInfo(checkBox, ChoicesOf(option, context));
}

// Puts a source profile popup on the custom profile the ticket names, else on
// the ticket's PPD choice, else on the PPD default (recorded in
// iDefaultPosition).  A custom flag whose profile is no longer listed falls
// back to the default without reading the main key.  Always 0.
OSStatus GetSourceProfile(const OptionInfo &option, PMPrintSession session, CustomContext *context)
{
    ControlRef popup = ControlOf(option, context);
    CFArrayRef choices = ChoicesOf(option, context);
    CFMutableDictionaryRef dict = nullptr;
    if (MyGetTicketPPDDict(session, &dict) == noErr) {
        OptionKeys keys(option);
        CFTypeRef flag = keys.Flag() != nullptr ? CFDictionaryGetValue(dict, keys.Flag()) : nullptr;
        if (flag != nullptr && CFEqual(flag, kTrue)) {
            SInt32 position = TicketCustomProfile(option, dict, keys);
            if (position >= 0 && ChoiceCount(choices) > 0) {
                SetControl32BitValue(popup, SInt32(ChoiceCount(choices)) + position + 1);
                return noErr;
            }
        } else if (CFStringRef value = DictionaryString(dict, keys.Main())) {
            SInt32 found = FindPPDKeyPairsMatch(choices, keys.Main(), value);
            if (found >= 0) {
                SetControl32BitValue(popup, found + 1);
                return noErr;
            }
        }
    }
    return SetMenuDefaultFromPPDInfo(popup, choices, option.profilePopup);
}

// Puts a destination popup on position 1 (recorded as its default), then on
// the custom profile the ticket names if it is listed.  The main key is not
// read.  The dictionary status (non-zero when there is no ticket), else 0.
OSStatus GetDestinationProfile(const OptionInfo &option, PMPrintSession session, CustomContext *context)
{
    ControlRef popup = ControlOf(option, context);
    CFArrayRef choices = ChoicesOf(option, context);
    const bool haveChoices = ChoiceCount(choices) > 0;
    if (option.profilePopup >= 0 && option.profilePopup < kProfilePopupCount)
        iDefaultPosition[option.profilePopup] = 1;
    if (haveChoices)
        SetControl32BitValue(popup, 1);
    CFMutableDictionaryRef dict = nullptr;
    OSStatus status = MyGetTicketPPDDict(session, &dict);
    if (status != noErr)
        return status;
    OptionKeys keys(option);
    SInt32 position = TicketCustomProfile(option, dict, keys);
    if (position >= 0 && haveChoices)
        SetControl32BitValue(popup, SInt32(ChoiceCount(choices)) + position + 1);
    return noErr;
}

// Writes the popup's PPD choice.  A value outside the choice array writes
// nothing.  The dictionary status, else 0.
OSStatus SetPopup(const OptionInfo &option, PMPrintSession session, CustomContext *context)
{
    CFMutableDictionaryRef dict = nullptr;
    OSStatus status = MyGetTicketPPDDict(session, &dict);
    if (status != noErr)
        return status;
    StoreChoice(dict, ChoicesOf(option, context), CFIndex(GetControl32BitValue(ControlOf(option, context))) - 1);
    return noErr;
}

// Writes the PPD's "True" choice when the box is ticked, its "False" choice
// otherwise; nothing when the PPD lacks that choice.  The dictionary status,
// else 0.
OSStatus SetCheckBox(const OptionInfo &option, PMPrintSession session, CustomContext *context)
{
    CFMutableDictionaryRef dict = nullptr;
    OSStatus status = MyGetTicketPPDDict(session, &dict);
    if (status != noErr)
        return status;
    CFArrayRef choices = ChoicesOf(option, context);
    OptionKeys keys(option);
    CFStringRef choice = GetControl32BitValue(ControlOf(option, context)) == 1 ? kTrue : kFalse;
    SInt32 found = FindPPDKeyPairsMatch(choices, keys.Main(), choice);
    if (found >= 0)
        StoreChoice(dict, choices, found);
    return noErr;
}

// Writes a profile popup: a PPD choice with the flag "False" (an earlier path
// stays), or a custom profile as the first PPD choice, its device path and the
// flag "True".  The dictionary status, else 0.
OSStatus SetProfile(const OptionInfo &option, PMPrintSession session, CustomContext *context, const ProfileList *list)
{
    CFMutableDictionaryRef dict = nullptr;
    OSStatus status = MyGetTicketPPDDict(session, &dict);
    if (status != noErr)
        return status;
    CFArrayRef choices = ChoicesOf(option, context);
    OptionKeys keys(option);
    if (ChoiceCount(choices) == 0 || keys.Flag() == nullptr || keys.Path() == nullptr)
        return noErr;
    const SInt32 value = GetControl32BitValue(ControlOf(option, context));
    const SInt32 base = context->profileMenuBaseCounts[option.profilePopup];
    if (value <= base) {
        if (StoreChoice(dict, choices, CFIndex(value) - 1))
            CFDictionarySetValue(dict, keys.Flag(), kFalse);
        return noErr;
    }
    // A custom profile: the listed entry counted value - base; an empty path
    // when the list no longer reaches that far.
    const ProfileEntry *entry = NthListedEntry(list, value - base);
    CFStringRef path = entry != nullptr ? CreateProfileDevicePath(entry)
                                        : static_cast<CFStringRef>(CFRetain(CFSTR("")));
    if (path != nullptr) {
        StoreChoice(dict, choices, 0);
        CFDictionarySetValue(dict, keys.Path(), path);
        CFRelease(path);
    }
    CFDictionarySetValue(dict, keys.Flag(), kTrue);
    return noErr;
}

} // namespace

// Reads one option from the ticket into its control with its kind's routine;
// that routine's status (paramErr for an unknown option or no context).
OSStatus MyGetOption(OptionIndex option, PMPrintSession session, CustomContext *context)
{
    if (option < 0 || option >= kOptionCount || context == nullptr)
        return paramErr;
    const OptionInfo &info = kOptionCatalog[option];
    switch (info.kind) {
    case kOptionPopup:
        return GetPopup(info, session, context);
    case kOptionCheckBox:
        return GetCheckBox(info, session, context);
    case kOptionSourceProfile:
        return GetSourceProfile(info, session, context);
    case kOptionDestinationProfile:
        return GetDestinationProfile(info, session, context);
    }
    return paramErr;
}

// Writes one option's control into the ticket with its kind's routine; that
// routine's status (paramErr for an unknown option or no context).
OSStatus MySetOption(OptionIndex option, PMPrintSession session, CustomContext *context, const ProfileList *list)
{
    if (option < 0 || option >= kOptionCount || context == nullptr)
        return paramErr;
    const OptionInfo &info = kOptionCatalog[option];
    switch (info.kind) {
    case kOptionPopup:
        return SetPopup(info, session, context);
    case kOptionCheckBox:
        return SetCheckBox(info, session, context);
    case kOptionSourceProfile:
    case kOptionDestinationProfile:
        return SetProfile(info, session, context, list);
    }
    return paramErr;
}
