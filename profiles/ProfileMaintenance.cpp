// Maintenance of one profile list in place: compaction, the count check,
// cleaning and salvage.
#include "ProfileFileInternal.h"

namespace {

// True for a slot that holds an entry.
bool bIsUsed(const ProfileEntry &entry)
{
    return entry.InMenu != kInMenuEmpty;
}

} // namespace

// Moves the used entries to the front in order and clears the slots they
// leave behind.
void vProfileCompact(ProfileList *list)
{
    int next = 0;
    for (int slot = 0; slot < kProfileListSlots; slot++) {
        if (!bIsUsed(list->entry[slot]))
            continue;
        if (slot != next) {
            list->entry[next] = list->entry[slot];
            list->entry[slot] = ProfileEntry{};
        }
        next++;
    }
}

// Compacts the list; iNum is left as it is.
void VxPListPaddingProfile_Dict(ProfileList *list)
{
    vProfileTraceEntry("VxPListPaddingProfile_Dict");
    if (list != nullptr)
        vProfileCompact(list);
}

// Makes iNum the number of used slots.  The list is compacted first, so a
// hole among the used slots loses no entry; when the count was wrong, the
// slots behind the used ones are cleared.
void VxPlistCheckWithInMenu_Dict(ProfileList *list)
{
    vProfileTraceEntry("VxPlistCheckWithInMenu_Dict");
    if (list == nullptr)
        return;
    vProfileCompact(list);
    int used = 0;
    while (used < kProfileListSlots && bIsUsed(list->entry[used]))
        used++;
    if (used == list->iNum)
        return;
    for (int slot = used; slot < kProfileListSlots; slot++)
        list->entry[slot] = ProfileEntry{};
    list->iNum = used;
}

// For entries with a file name but no device index: listed printer entries
// become listed entries with index 501, the others are cleared (and no
// longer counted).  The list is not compacted.
void VxPListCleanProfile_Dict(ProfileList *list)
{
    vProfileTraceEntry("VxPListCleanProfile_Dict");
    if (list == nullptr)
        return;
    for (ProfileEntry &entry : list->entry) {
        if (entry.IndexOnDevice != 0 || entry.FileName[0] == '\0')
            continue;
        if (entry.InMenu == kInMenuPrinterListed || entry.InMenu == kInMenuPrinterListedSeen) {
            entry.IndexOnDevice = 501;
            entry.InMenu = kInMenuPrinterListed;
            continue;
        }
        if (bIsUsed(entry) && list->iNum > 0)
            list->iNum--;
        entry = ProfileEntry{};
    }
}

// Listed printer entries that the walk did not see (state 3, with a device
// index and a file name) become listed user entries.
void VxPListSalvage_Dict(ProfileList *list)
{
    if (list == nullptr)
        return;
    for (ProfileEntry &entry : list->entry) {
        if (entry.IndexOnDevice != 0 && entry.FileName[0] != '\0' && entry.InMenu == kInMenuPrinterListed)
            entry.InMenu = kInMenuUserListed;
    }
}
