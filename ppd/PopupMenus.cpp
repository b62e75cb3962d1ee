// Filling the option controls from the PPD: the 27 choice arrays, the popups'
// items, and the operations that put a control on its PPD default.
#include "PopupMenus.h"

#include <cstdlib>

#include "DebugMessage.h"
#include "OptionCatalog.h"
#include "PPDAccess.h"
#include "ProfileFile.h"
#include "ProfileMenus.h"
#include "ProfileWalk.h"

SInt32 iDefaultPosition[kProfilePopupCount] = {};

namespace {

// What a rebuild step does after the option's choice array is built.
enum RebuildAction {
    kFillMenu,          // BuildMenuFromPPDInfo on the option's popup
    kRefreshProfiles,   // the profile popup's refresh with the list of its class
    kArrayOnly,         // check boxes: the array is all
};

struct RebuildStep {
    OptionIndex option;
    RebuildAction action;
    void (*refresh)(const ProfileList *list);
};

// The rebuild's order: the advanced options tab by tab, then the check boxes
// and the edge type.
const RebuildStep kRebuildSteps[] = {
    {kOptQuickColor, kFillMenu, nullptr},
    {kOptBrightness, kFillMenu, nullptr},
    {kOptImageRGBSource, kRefreshProfiles, vRefreshImageRgbSourcePopup},
    {kOptImageRenderIntent, kFillMenu, nullptr},
    {kOptImageGrayTreatment, kFillMenu, nullptr},
    {kOptImageDestinationProfile, kRefreshProfiles, vRefreshImageDestinationPopup},
    {kOptImageHalftone, kFillMenu, nullptr},
    {kOptImageEdgeEnhance, kFillMenu, nullptr},
    {kOptTextRGBSource, kRefreshProfiles, vRefreshTextRgbSourcePopup},
    {kOptTextRenderIntent, kFillMenu, nullptr},
    {kOptTextGrayTreatment, kFillMenu, nullptr},
    {kOptTextDestinationProfile, kRefreshProfiles, vRefreshTextDestinationPopup},
    {kOptTextHalftone, kFillMenu, nullptr},
    {kOptTextEdgeEnhance, kFillMenu, nullptr},
    {kOptGraphicsRGBSource, kRefreshProfiles, vRefreshGraphicsRgbSourcePopup},
    {kOptGraphicsRenderIntent, kFillMenu, nullptr},
    {kOptGraphicsGrayTreatment, kFillMenu, nullptr},
    {kOptGraphicsDestinationProfile, kRefreshProfiles, vRefreshGraphicsDestinationPopup},
    {kOptGraphicsHalftone, kFillMenu, nullptr},
    {kOptGraphicsEdgeEnhance, kFillMenu, nullptr},
    {kOptSimulationSource, kRefreshProfiles, vRefreshSimulationSourcePopup},
    {kOptSimulationRenderIntent, kFillMenu, nullptr},
    {kOptSimulationGrayTreatment, kFillMenu, nullptr},
    {kOptColorAsGray, kArrayOnly, nullptr},
    {kOptColorSeparation, kArrayOnly, nullptr},
    {kOptEconoMode, kArrayOnly, nullptr},
    {kOptEdgeType, kFillMenu, nullptr},
};

// The three profile lists of one rebuild, by class.
struct RebuildLists {
    ProfileList list[3];
};

// String i of a choice element, or null when the element is not an array of
// strings that long.
CFStringRef ElementString(CFArrayRef choices, CFIndex element, CFIndex i)
{
    if (choices == nullptr || element < 0 || element >= CFArrayGetCount(choices))
        return nullptr;
    CFTypeRef value = CFArrayGetValueAtIndex(choices, element);
    if (value == nullptr || CFGetTypeID(value) != CFArrayGetTypeID())
        return nullptr;
    auto fields = static_cast<CFArrayRef>(value);
    if (i >= CFArrayGetCount(fields))
        return nullptr;
    CFTypeRef field = CFArrayGetValueAtIndex(fields, i);
    if (field == nullptr || CFGetTypeID(field) != CFStringGetTypeID())
        return nullptr;
    return static_cast<CFStringRef>(field);
}

// Builds the option's choice array into its context member, releasing an
// earlier one.  The builder's status; the member is unchanged on failure.
OSStatus BuildChoiceArray(ppd_file_t *ppd, CustomContext *context, const OptionInfo &option)
{
    CFMutableArrayRef fresh = nullptr;
    OSStatus status = GetPPDArrayForUIOption(ppd, option.keyword, &fresh);
    if (status != noErr)
        return status;
    if (fresh == nullptr)
        return -30870;
    CFMutableArrayRef &member = context->ppdarrays.*(option.array);
    if (member != nullptr)
        CFRelease(member);
    member = fresh;
    return noErr;
}

} // namespace

// Walks the printer, resets the Custom preset, reads the profile lists, then
// builds every option's choice array and fills its control in table order.
// 0, or the status of the first array or menu step that failed (the options
// after it are left untouched).
OSStatus RebuildPopupMenusWithPPDInfo(ppd_file_t *ppd, CustomContext *context, PMPrintSession session)
{
    if (context == nullptr)
        return paramErr;
    if (context->printSession == nullptr)
        context->printSession = session;
    GetProfilesFromMIB(context);
    vRefreshCustomProfilesAsDefault();

    auto *lists = static_cast<RebuildLists *>(std::calloc(1, sizeof(RebuildLists)));
    if (lists == nullptr)
        return memFullErr;
    VxPListReadProfile_All(&lists->list[kProfileClassRGB], &lists->list[kProfileClassSIM],
                           &lists->list[kProfileClassDST]);

    OSStatus status = noErr;
    for (const RebuildStep &step : kRebuildSteps) {
        const OptionInfo &option = kOptionCatalog[step.option];
        status = BuildChoiceArray(ppd, context, option);
        if (status != noErr)
            break;
        CFArrayRef choices = context->ppdarrays.*(option.array);
        if (step.action == kFillMenu)
            status = BuildMenuFromPPDInfo(context->controls[option.slot], &(context->menus.*(option.menu)), choices);
        else if (step.action == kRefreshProfiles)
            step.refresh(&lists->list[option.profileClass]);
        if (status != noErr)
            break;
    }
    std::free(lists);
    MyDebugMessage("[UTL] RebuildPopupMenusWithPPDInfo", status);
    return status;
}

// Replaces the popup's items by the choices' texts and stores its menu; the
// popup then runs from 1 to the number of choices and shows item 1.  A null
// array leaves the popup as it is.  Always 0.
OSStatus BuildMenuFromPPDInfo(ControlRef popup, MenuRef *menu, CFArrayRef choices)
{
    MenuRef popupMenu = GetControlPopupMenuHandle(popup);
    if (menu != nullptr)
        *menu = popupMenu;
    if (popupMenu == nullptr || choices == nullptr)
        return noErr;
    DeleteMenuItems(popupMenu, 1, CountMenuItems(popupMenu));
    CFIndex count = CFArrayGetCount(choices);
    for (CFIndex i = 0; i < count; ++i) {
        // An unreadable element still takes its place, so that item k stays element k - 1.
        CFStringRef text = ElementString(choices, i, 3);
        AppendMenuItemTextWithCFString(popupMenu, text != nullptr ? text : CFSTR(""), 0, 0, nullptr);
    }
    SetControl32BitMinimum(popup, 1);
    SetControl32BitMaximum(popup, SInt32(count));
    SetControl32BitValue(popup, 1);
    return noErr;
}

// Puts the popup on the position of the PPD default (1 when the default is not
// among the choices) and, for a profile popup number k (0..6), records that
// position in iDefaultPosition.  An empty or null array changes nothing.
// Always 0.
OSStatus SetMenuDefaultFromPPDInfo(ControlRef popup, CFArrayRef choices, SInt32 k)
{
    CFStringRef keyword = ElementString(choices, 0, 0);
    CFStringRef defaultChoice = ElementString(choices, 0, 1);
    if (keyword == nullptr || defaultChoice == nullptr)
        return noErr;
    SInt32 found = FindPPDKeyPairsMatch(choices, keyword, defaultChoice);
    SInt32 position = found >= 0 ? found + 1 : 1;
    SetControl32BitValue(popup, position);
    if (k >= 0 && k < kProfilePopupCount)
        iDefaultPosition[k] = position;
    return noErr;
}

// Ticks the check box when the PPD default is "True", "TRUE" or "true" and
// clears it otherwise.  An empty or null array changes nothing.  Always 0.
OSStatus SetCheckBoxDefaultFromPPDInfo(ControlRef checkBox, CFArrayRef choices)
{
    CFStringRef defaultChoice = ElementString(choices, 0, 1);
    if (defaultChoice == nullptr)
        return noErr;
    bool on = CFStringCompare(defaultChoice, CFSTR("True"), 0) == kCFCompareEqualTo ||
              CFStringCompare(defaultChoice, CFSTR("TRUE"), 0) == kCFCompareEqualTo ||
              CFStringCompare(defaultChoice, CFSTR("true"), 0) == kCFCompareEqualTo;
    SetControl32BitValue(checkBox, on ? 1 : 0);
    return noErr;
}
