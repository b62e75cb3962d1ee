// The ticket and its PPD dictionary, choice element fields, option keys and
// listed profile entries.
#include "TicketInternal.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "ProfileFile.h"
#include "TicketAccessors.h"

// Asks the session for its data under key, a number holding the ticket's
// 32-bit handle, and stores the ticket in *ticket.  The session's status when
// it has nothing there, -30889 when the datum is not such a number, else 0.
OSStatus MyGetTicket(PMPrintSession session, CFStringRef key, PMTicketRef *ticket)
{
    if (ticket == nullptr)
        return paramErr;
    *ticket = nullptr;
    CFTypeRef data = nullptr;
    OSStatus status = PMSessionGetDataFromSession(session, key, &data);
    if (status != noErr)
        return status;
    SInt32 handle = 0;
    if (data == nullptr || CFGetTypeID(data) != CFNumberGetTypeID() ||
        !CFNumberGetValue(static_cast<CFNumberRef>(data), kCFNumberSInt32Type, &handle))
        return -30889;
    *ticket = reinterpret_cast<PMTicketRef>(static_cast<std::intptr_t>(handle));
    return noErr;
}

// The ticket's PPD dictionary; the status of the later call made.
OSStatus MyGetTicketPPDDict(PMPrintSession session, CFMutableDictionaryRef *dict)
{
    *dict = nullptr;
    PMTicketRef ticket = nullptr;
    OSStatus status = MyGetTicket(session, kPMPrintSettingsTicketKey, &ticket);
    if (status != noErr)
        return status;
    status = PMTicketGetPPDDict(ticket, 0, 0, dict);
    if (status == noErr && *dict == nullptr)
        status = kPMInvalidTicket;
    return status;
}

// The string under key, or null.
CFStringRef DictionaryString(CFDictionaryRef dict, CFStringRef key)
{
    if (dict == nullptr || key == nullptr)
        return nullptr;
    CFTypeRef value = CFDictionaryGetValue(dict, key);
    if (value == nullptr || CFGetTypeID(value) != CFStringGetTypeID())
        return nullptr;
    return static_cast<CFStringRef>(value);
}

// Elements of a choice array, 0 for none.
CFIndex ChoiceCount(CFArrayRef choices)
{
    return choices != nullptr ? CFArrayGetCount(choices) : 0;
}

// One string of a choice element, or null.
CFStringRef ChoiceField(CFArrayRef choices, CFIndex element, CFIndex field)
{
    if (element < 0 || element >= ChoiceCount(choices))
        return nullptr;
    CFTypeRef value = CFArrayGetValueAtIndex(choices, element);
    if (value == nullptr || CFGetTypeID(value) != CFArrayGetTypeID())
        return nullptr;
    auto fields = static_cast<CFArrayRef>(value);
    if (field < 0 || field >= CFArrayGetCount(fields))
        return nullptr;
    CFTypeRef text = CFArrayGetValueAtIndex(fields, field);
    if (text == nullptr || CFGetTypeID(text) != CFStringGetTypeID())
        return nullptr;
    return static_cast<CFStringRef>(text);
}

// dict[option keyword] = choice keyword of one element; false if not written.
bool StoreChoice(CFMutableDictionaryRef dict, CFArrayRef choices, CFIndex element)
{
    CFStringRef keyword = ChoiceField(choices, element, 0);
    CFStringRef choice = ChoiceField(choices, element, 2);
    if (dict == nullptr || keyword == nullptr || choice == nullptr)
        return false;
    CFDictionarySetValue(dict, keyword, choice);
    return true;
}

namespace {

// A key string from UTF-8 text, or null.
CFStringRef KeyString(const std::string &text)
{
    return CFStringCreateWithCString(kCFAllocatorDefault, text.c_str(), kCFStringEncodingUTF8);
}

} // namespace

// The option's main, flag and path keys.
OptionKeys::OptionKeys(const OptionInfo &option)
    : main(KeyString(option.keyword)),
      flag(KeyString(std::string(option.keyword) + "Custom")),
      path(KeyString(std::string(option.keyword) + "CustomFilename"))
{
}

// One class's list read from the profile list file, or null without memory.
ProfileList *ReadProfileClass(SInt32 profileClass)
{
    auto *list = static_cast<ProfileList *>(std::calloc(1, sizeof(ProfileList)));
    if (list != nullptr)
        VxPListReadProfile_Dict(list, profileClass);
    return list;
}

const OptionIndex kTicketWriteOrder[kOptionCount] = {
    kOptQuickColor, kOptBrightness, kOptColorAsGray, kOptColorSeparation, kOptEconoMode, kOptEdgeType,
    kOptImageRGBSource, kOptImageRenderIntent, kOptImageGrayTreatment,
    kOptImageDestinationProfile, kOptImageHalftone, kOptImageEdgeEnhance,
    kOptTextRGBSource, kOptTextRenderIntent, kOptTextGrayTreatment,
    kOptTextDestinationProfile, kOptTextHalftone, kOptTextEdgeEnhance,
    kOptGraphicsRGBSource, kOptGraphicsRenderIntent, kOptGraphicsGrayTreatment,
    kOptGraphicsDestinationProfile, kOptGraphicsHalftone, kOptGraphicsEdgeEnhance,
    kOptSimulationSource, kOptSimulationRenderIntent, kOptSimulationGrayTreatment,
};
