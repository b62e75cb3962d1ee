// The dialog's summary: for each option its localized label and the choice
// its control shows, in the summary's own order.
#include "Summary.h"

#include <cstdlib>
#include <cstring>

#include "DebugMessage.h"
#include "PPDAccess.h"
#include "PluginShell.h"
#include "TicketInternal.h"

namespace {


constexpr OSStatus kSummaryFailed = -9530;

// The option's summary label from the bundle's "Localizable" table (the key
// itself by default); null when there is no bundle or no string.
CFStringRef CopyLabel(const OptionInfo &option)
{
    CFBundleRef bundle = MyGetBundle();
    CFStringRef key = CFStringCreateWithCString(kCFAllocatorDefault, option.summaryKey, kCFStringEncodingUTF8);
    CFStringRef label = nullptr;
    if (bundle != nullptr && key != nullptr)
        label = CFBundleCopyLocalizedString(bundle, key, key, CFSTR("Localizable"));
    if (key != nullptr)
        CFRelease(key);
    return label;
}

// Appends one label and value pair.
void AppendPair(CFMutableArrayRef titles, CFMutableArrayRef values, CFStringRef label, CFStringRef value)
{
    CFArrayAppendValue(titles, label);
    CFArrayAppendValue(values, value);
}

// Appends the text of the popup's selected menu item; the status of copying
// that text (nothing appended on failure).
OSStatus AppendMenuText(const OptionInfo &option, CustomContext *context, CFStringRef label, CFMutableArrayRef titles,
                        CFMutableArrayRef values)
{
    const MenuItemIndex item = MenuItemIndex(UInt16(GetControlValue(context->controls[option.slot])));
    CFStringRef text = nullptr;
    OSStatus status = CopyMenuItemTextAsCFString(context->menus.*(option.menu), item, &text);
    if (text == nullptr)
        return status != noErr ? status : kSummaryFailed;
    AppendPair(titles, values, label, text);
    CFRelease(text);
    return noErr;
}

// Appends the choice text of the PPD's "True" choice for a ticked box, of its
// "False" choice otherwise; -9530 (nothing appended) when the PPD lacks it.
OSStatus AppendCheckBoxText(const OptionInfo &option, CustomContext *context, CFStringRef label,
                            CFMutableArrayRef titles, CFMutableArrayRef values)
{
    CFArrayRef choices = context->ppdarrays.*(option.array);
    const char *choice = GetControl32BitValue(context->controls[option.slot]) == 1 ? "True" : "False";
    SInt32 found = FindPPDKeyPairsMatch(choices, option.keyword, choice);
    CFStringRef text = ChoiceField(choices, found, 3);
    if (text == nullptr)
        return kSummaryFailed;
    AppendPair(titles, values, label, text);
    return noErr;
}

// Appends a profile popup's value: its menu text for a PPD choice, the chosen
// custom profile's name otherwise (empty when the list no longer holds it).
// The menu text's status, or 0 for a custom profile.
OSStatus AppendProfileText(const OptionInfo &option, CustomContext *context, CFStringRef label,
                           CFMutableArrayRef titles, CFMutableArrayRef values)
{
    const SInt32 value = GetControl32BitValue(context->controls[option.slot]);
    const SInt32 base = context->profileMenuBaseCounts[option.profilePopup];
    // Without a choice array the popup was never filled, so its base count
    // means nothing.
    if (value <= base || ChoiceCount(context->ppdarrays.*(option.array)) == 0)
        return AppendMenuText(option, context, label, titles, values);
    ProfileList *list = ReadProfileClass(option.profileClass);
    const ProfileEntry *entry = NthListedEntry(list, value - base);
    CFStringRef name = nullptr;
    if (entry != nullptr)
        name = CFStringCreateWithBytes(kCFAllocatorDefault, reinterpret_cast<const UInt8 *>(entry->ProfileName),
                                       CFIndex(strnlen(entry->ProfileName, sizeof entry->ProfileName)),
                                       kCFStringEncodingUTF8, false);
    else
        name = static_cast<CFStringRef>(CFRetain(CFSTR("")));
    std::free(list);
    if (name != nullptr) {
        AppendPair(titles, values, label, name);
        CFRelease(name);
    }
    return noErr;
}

} // namespace

// Appends the pair of one option with the routine of its kind; -9530 when the
// label is missing, else that routine's status.
OSStatus MyGetOptionSummaryText(OptionIndex option, CustomContext *context, CFMutableArrayRef titles,
                                CFMutableArrayRef values)
{
    if (option < 0 || option >= kOptionCount || context == nullptr || titles == nullptr || values == nullptr)
        return paramErr;
    const OptionInfo &info = kOptionCatalog[option];
    CFStringRef label = CopyLabel(info);
    if (label == nullptr)
        return kSummaryFailed;
    OSStatus status = paramErr;
    switch (info.kind) {
    case kOptionPopup:
        status = AppendMenuText(info, context, label, titles, values);
        break;
    case kOptionCheckBox:
        status = AppendCheckBoxText(info, context, label, titles, values);
        break;
    case kOptionSourceProfile:
    case kOptionDestinationProfile:
        status = AppendProfileText(info, context, label, titles, values);
        break;
    }
    CFRelease(label);
    return status;
}

// Appends the pairs of all 27 options in the summary's order; the status of
// the last member.
OSStatus MyGetSummaryText(CustomContext *context, CFMutableArrayRef titles, CFMutableArrayRef values)
{
    OSStatus status = noErr;
    // The members run in the setters' order; only the last one's status reaches
    // the host.
    for (OptionIndex option : kTicketWriteOrder)
        status = MyGetOptionSummaryText(option, context, titles, values);
    return status;
}

// The host's GetSummary: two new arrays of labels and values handed to the
// host, or a non-zero status with both outputs null.
OSStatus MyGetSummary(PMPDEContext context, CFArrayRef *titleArray, CFArrayRef *summaryArray)
{
    auto *instance = static_cast<PDEInstance *>(context);
    globalContext = instance;
    if (titleArray == nullptr || summaryArray == nullptr)
        return paramErr;
    *titleArray = nullptr;
    *summaryArray = nullptr;
    if (instance == nullptr || instance->context == nullptr)
        return paramErr;
    CFMutableArrayRef titles = CFArrayCreateMutable(kCFAllocatorDefault, 0, &kCFTypeArrayCallBacks);
    if (titles == nullptr)
        return kSummaryFailed;
    CFMutableArrayRef values = CFArrayCreateMutable(kCFAllocatorDefault, 0, &kCFTypeArrayCallBacks);
    if (values == nullptr) {
        CFRelease(titles);
        return kSummaryFailed;
    }
    OSStatus status = MyGetSummaryText(instance->context, titles, values);
    if (status != noErr) {
        CFRelease(titles);
        CFRelease(values);
    } else {
        *titleArray = titles;
        *summaryArray = values;
    }
    MyDebugMessage("MyGetSummary", status);
    return status;
}

#define QV_DEFINE_SUMMARY_MEMBER(Name)                                                                         \
    OSStatus Get##Name##SummaryText(CustomContext *context, CFMutableArrayRef titles, CFMutableArrayRef values) \
    {                                                                                                          \
        return MyGetOptionSummaryText(kOpt##Name, context, titles, values);                                    \
    }
QV_DEFINE_SUMMARY_MEMBER(QuickColor)
QV_DEFINE_SUMMARY_MEMBER(Brightness)
QV_DEFINE_SUMMARY_MEMBER(ColorAsGray)
QV_DEFINE_SUMMARY_MEMBER(ColorSeparation)
QV_DEFINE_SUMMARY_MEMBER(EconoMode)
QV_DEFINE_SUMMARY_MEMBER(EdgeType)
QV_DEFINE_SUMMARY_MEMBER(ImageRGBSource)
QV_DEFINE_SUMMARY_MEMBER(ImageRenderIntent)
QV_DEFINE_SUMMARY_MEMBER(ImageGrayTreatment)
QV_DEFINE_SUMMARY_MEMBER(ImageHalftone)
QV_DEFINE_SUMMARY_MEMBER(ImageEdgeEnhance)
QV_DEFINE_SUMMARY_MEMBER(ImageDestinationProfile)
QV_DEFINE_SUMMARY_MEMBER(TextRGBSource)
QV_DEFINE_SUMMARY_MEMBER(TextRenderIntent)
QV_DEFINE_SUMMARY_MEMBER(TextGrayTreatment)
QV_DEFINE_SUMMARY_MEMBER(TextHalftone)
QV_DEFINE_SUMMARY_MEMBER(TextEdgeEnhance)
QV_DEFINE_SUMMARY_MEMBER(TextDestinationProfile)
QV_DEFINE_SUMMARY_MEMBER(GraphicsRGBSource)
QV_DEFINE_SUMMARY_MEMBER(GraphicsRenderIntent)
QV_DEFINE_SUMMARY_MEMBER(GraphicsGrayTreatment)
QV_DEFINE_SUMMARY_MEMBER(GraphicsHalftone)
QV_DEFINE_SUMMARY_MEMBER(GraphicsEdgeEnhance)
QV_DEFINE_SUMMARY_MEMBER(GraphicsDestinationProfile)
QV_DEFINE_SUMMARY_MEMBER(SimulationSource)
QV_DEFINE_SUMMARY_MEMBER(SimulationRenderIntent)
QV_DEFINE_SUMMARY_MEMBER(SimulationGrayTreatment)
