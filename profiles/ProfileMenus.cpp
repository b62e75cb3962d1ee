// The seven profile popups: their PPD choices followed by the listed custom
// profiles of their class, the selections remembered across a rebuild by the
// Profile Management window, and the remembered Custom quick-colour set.
#include "ProfileMenus.h"

#include <cstdio>
#include <cstring>
#include <memory>

#include "DebugMessage.h"
#include "OptionCatalog.h"
#include "PluginShell.h"
#include "../ppd/PopupMenus.h"
#include "ProfileFile.h"

ProfileSelection stProfileSpoolLocal[kProfilePopupCount] = {};

// Index order of the Custom set: RGB sources, rendering intents, gray
// treatments, halftones, destinations, the simulation trio, edge enhancements.
static const ControlSlot kCustomColorSlots[kCustomColorOptionCount] = {
    kImageRGBSourcePopupSlot,          kTextRGBSourcePopupSlot,          kGraphicsRGBSourcePopupSlot,
    kImageRenderIntentPopupSlot,       kTextRenderIntentPopupSlot,       kGraphicsRenderIntentPopupSlot,
    kImageGrayTreatmentPopupSlot,      kTextGrayTreatmentPopupSlot,      kGraphicsGrayTreatmentPopupSlot,
    kImageHalftonePopupSlot,           kTextHalftonePopupSlot,           kGraphicsHalftonePopupSlot,
    kImageDestinationProfilePopupSlot, kTextDestinationProfilePopupSlot, kGraphicsDestinationProfilePopupSlot,
    kSimulationSourcePopupSlot,        kSimulationRenderIntentPopupSlot, kSimulationGrayTreatmentPopupSlot,
    kImageEdgeEnhancePopupSlot,        kTextEdgeEnhancePopupSlot,        kGraphicsEdgeEnhancePopupSlot,
};

const SInt32 CustomColorOptionsOrg[kCustomColorOptionCount] = {
    2, 2, 2, 1, 2, 2, 1, 2, 2, 2, 3, 2, 1, 1, 1, 1, 1, 1, 1, 2, 2,
};

SInt32 CustomColorOptions[kCustomColorOptionCount] = {
    2, 2, 2, 1, 2, 2, 1, 2, 2, 2, 3, 2, 1, 1, 1, 1, 1, 1, 1, 2, 2,
};

enum { kProfileItemTitleSize = 128 };

// The number of slots of list worth walking: iNum kept within the list.
static SInt32 iListedSlots(const ProfileList *list)
{
    if (list == nullptr || list->iNum <= 0)
        return 0;
    return list->iNum < kProfileListSlots ? list->iNum : kProfileListSlots;
}

// Copies a 32-byte text field into a terminated buffer of its size + 1.
static void vCopyField(char (&out)[kProfileTextSize + 1], const char *field)
{
    const size_t length = strnlen(field, kProfileTextSize);
    memcpy(out, field, length);
    out[length] = '\0';
}

// Cuts a trailing UTF-8 sequence that truncation left incomplete, so that
// the shortened title still converts.
static void vTrimPartialUTF8(char *text)
{
    size_t length = strlen(text);
    size_t start = length;
    while (start > 0 && (static_cast<unsigned char>(text[start - 1]) & 0xC0) == 0x80)
        --start;
    if (start == 0)
        return;
    const unsigned char lead = static_cast<unsigned char>(text[start - 1]);
    size_t need = 1;
    if ((lead & 0xE0) == 0xC0)
        need = 2;
    else if ((lead & 0xF0) == 0xE0)
        need = 3;
    else if ((lead & 0xF8) == 0xF0)
        need = 4;
    if (length - (start - 1) < need)
        text[start - 1] = '\0';
}

// The menu title of a custom profile: "FileName (ProfileName) Location" with
// the localized "Disk" or "Card"; an empty string when the location word or
// the title cannot be had.  The caller releases it; null without memory.
static CFStringRef CreateProfileItemTitle(const ProfileEntry &entry)
{
    CFStringRef key = entry.Location == kProfileLocationDisk ? CFSTR("Disk") : CFSTR("Card");
    CFBundleRef bundle = MyGetBundle();
    CFStringRef word = bundle != nullptr ? CFBundleCopyLocalizedString(bundle, key, key, CFSTR("Localizable")) : nullptr;
    char location[kProfileItemTitleSize] = "";
    const bool haveWord = word != nullptr && CFStringGetCString(word, location, sizeof location, kCFStringEncodingUTF8);
    if (word != nullptr)
        CFRelease(word);

    CFStringRef title = nullptr;
    if (haveWord) {
        char fileName[kProfileTextSize + 1];
        char profileName[kProfileTextSize + 1];
        vCopyField(fileName, entry.FileName);
        vCopyField(profileName, entry.ProfileName);
        char text[kProfileItemTitleSize];
        if (snprintf(text, sizeof text, "%s (%s) %s", fileName, profileName, location) >= (int)sizeof text)
            vTrimPartialUTF8(text);
        title = CFStringCreateWithCString(nullptr, text, kCFStringEncodingUTF8);
    }
    return title != nullptr ? title : CFStringCreateWithCString(nullptr, "", kCFStringEncodingUTF8);
}

// Appends one item per listed entry of list (InMenu 3, 4 or 6, slot order)
// to the popup's menu and raises the popup's maximum by the items appended.
// The choice array is not used.
void AppendMenuFromInfoPlist(ControlRef popup, MenuRef menu, CFArrayRef choices, const ProfileList *list)
{
    MyDebugMessage("[UTL] AppendMenuFromInfoPlist()", 0);
    if (popup == nullptr || menu == nullptr)
        return;
    const SInt32 maximum = GetControl32BitMaximum(popup);
    const SInt32 slots = iListedSlots(list);
    if (slots == 0)
        return;
    SInt32 appended = 0;
    for (SInt32 i = 0; i < slots; ++i) {
        if (!bIsListedEntry(list->entry[i]))
            continue;
        CFStringRef title = CreateProfileItemTitle(list->entry[i]);
        if (title == nullptr)
            continue;
        if (AppendMenuItemTextWithCFString(menu, title, 0, 0, nullptr) == noErr)
            ++appended;
        CFRelease(title);
    }
    SetControl32BitMaximum(popup, maximum + appended);
}

// Refills profile popup `popup` (0..6): its PPD choices, their count as the
// popup's built-in item count, then the custom items of list.
void vRefreshProfilePopup(SInt32 popup, const ProfileList *list)
{
    CustomContext *context = MyCurrentContext();
    const OptionInfo *option = OptionForProfilePopup(popup);
    if (context == nullptr || option == nullptr)
        return;
    ControlRef control = context->controls[option->slot];
    if (control == nullptr)
        return;
    MenuRef &menu = context->menus.*(option->menu);
    CFArrayRef choices = context->ppdarrays.*(option->array);
    BuildMenuFromPPDInfo(control, &menu, choices);
    context->profileMenuBaseCounts[popup] = GetControl32BitMaximum(control);
    AppendMenuFromInfoPlist(control, menu, choices, list);
}

void vRefreshImageRgbSourcePopup(const ProfileList *list) { vRefreshProfilePopup(0, list); }
void vRefreshImageDestinationPopup(const ProfileList *list) { vRefreshProfilePopup(1, list); }
void vRefreshTextRgbSourcePopup(const ProfileList *list) { vRefreshProfilePopup(2, list); }
void vRefreshTextDestinationPopup(const ProfileList *list) { vRefreshProfilePopup(3, list); }
void vRefreshGraphicsRgbSourcePopup(const ProfileList *list) { vRefreshProfilePopup(4, list); }
void vRefreshGraphicsDestinationPopup(const ProfileList *list) { vRefreshProfilePopup(5, list); }
void vRefreshSimulationSourcePopup(const ProfileList *list) { vRefreshProfilePopup(6, list); }

// Reads the list of the popup's class from the profile list file into a new
// zero-filled list; null when it cannot be read.
static std::unique_ptr<ProfileList> ReadPopupList(const OptionInfo &option)
{
    auto list = std::make_unique<ProfileList>();
    if (VxPListReadProfile_Dict(list.get(), option.profileClass) != 0)
        return nullptr;
    return list;
}

// Records each profile popup's position and, for a custom profile, the file
// name of the listed entry it designates in the list file as it is now.
void vGetCurrentProfiles(void)
{
    for (ProfileSelection &record : stProfileSpoolLocal) {
        record.value = 1;
        memset(record.FileName, 0, sizeof record.FileName);
    }
    const CustomContext *context = MyCurrentContext();
    if (context == nullptr)
        return;
    for (SInt32 n = 0; n < kProfilePopupCount; ++n) {
        const OptionInfo *option = OptionForProfilePopup(n);
        ControlRef control = context->controls[option->slot];
        if (control == nullptr)
            continue;
        const SInt32 value = GetControl32BitValue(control);
        const SInt32 base = context->profileMenuBaseCounts[n];
        stProfileSpoolLocal[n].value = value;
        if (value <= base)
            continue;
        std::unique_ptr<ProfileList> list = ReadPopupList(*option);
        if (list == nullptr)
            continue;
        if (const ProfileEntry *entry = NthListedEntry(list.get(), value - base))
            memcpy(stProfileSpoolLocal[n].FileName, entry->FileName, kProfileTextSize);
    }
}

// Puts each profile popup back on its recorded selection: a PPD choice by
// position, a custom profile by file name among the listed entries of the
// list file; a profile that is gone falls back to the popup's default.
void vRestoreProfilePopup(void)
{
    const CustomContext *context = MyCurrentContext();
    if (context == nullptr)
        return;
    for (SInt32 n = 0; n < kProfilePopupCount; ++n) {
        const OptionInfo *option = OptionForProfilePopup(n);
        ControlRef control = context->controls[option->slot];
        if (control == nullptr)
            continue;
        const ProfileSelection &record = stProfileSpoolLocal[n];
        const SInt32 base = context->profileMenuBaseCounts[n];
        if (record.value <= base) {
            SetControl32BitValue(control, record.value);
            continue;
        }
        std::unique_ptr<ProfileList> list = ReadPopupList(*option);
        if (list == nullptr)
            continue;
        SInt32 listed = 0;
        SInt32 position = iDefaultPosition[n];
        for (SInt32 i = 0; i < iListedSlots(list.get()); ++i) {
            if (!bIsListedEntry(list->entry[i]))
                continue;
            ++listed;
            if (strncmp(list->entry[i].FileName, record.FileName, kProfileTextSize) == 0) {
                position = base + listed;
                break;
            }
        }
        SetControl32BitValue(control, position);
    }
}

// Resets the Custom set to its defaults.
void vRefreshCustomProfilesAsDefault(void)
{
    memcpy(CustomColorOptions, CustomColorOptionsOrg, sizeof CustomColorOptions);
}

// Takes the Custom set from the 21 advanced controls' current positions.
void vGetCustomProfilesAsCurrent(void)
{
    const CustomContext *context = MyCurrentContext();
    if (context == nullptr)
        return;
    for (SInt32 i = 0; i < kCustomColorOptionCount; ++i)
        if (context->controls[kCustomColorSlots[i]] != nullptr)
            CustomColorOptions[i] = GetControl32BitValue(context->controls[kCustomColorSlots[i]]);
}

// Puts the 21 advanced controls on the Custom set, in index order.
void vSetCustomProfilesAsCurrent(void)
{
    const CustomContext *context = MyCurrentContext();
    if (context == nullptr)
        return;
    for (SInt32 i = 0; i < kCustomColorOptionCount; ++i)
        if (context->controls[kCustomColorSlots[i]] != nullptr)
            SetControl32BitValue(context->controls[kCustomColorSlots[i]], CustomColorOptions[i]);
}
