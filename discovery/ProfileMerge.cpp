// The merge of the spooled rows into the three profile lists read from the
// profile list file, and the rewrite of the file.
#include "ProfileMerge.h"

#include <cstring>
#include <memory>

#include "DebugMessage.h"
#include "ProfileFile.h"

namespace {

// Profile classes that the printer reports.
enum { kPrinterClassRGB1 = 1, kPrinterClassRGB2 = 2, kPrinterClassCMYK = 3 };

// Slots of list worth visiting: iNum, kept within the list's bounds.
SInt32 iUsedBound(const ProfileList &list)
{
    if (list.iNum < 0)
        return 0;
    return list.iNum > kProfileListSlots ? kProfileListSlots : list.iNum;
}

// Clears every slot whose non-empty file name breaks the 8.3 rule; true when
// one was cleared.
bool bDropBadFileNames(ProfileList *list)
{
    bool dropped = false;
    for (ProfileEntry &e : list->entry) {
        if (e.FileName[0] != '\0' && !bJudgement8point3Format(e.FileName)) {
            std::memset(&e, 0, sizeof e);
            list->iNum--;
            dropped = true;
        }
    }
    return dropped;
}

} // namespace

bool bIsMergeCandidate(const ProfileEntry &row)
{
    return (row.Location == kProfileLocationDisk || row.Location == kProfileLocationCard) &&
           bJudgement8point3Format(row.FileName);
}

void vDeleteMIBprofilesTemporary(SInt32 result, ProfileList *list)
{
    for (ProfileEntry &e : list->entry) {
        if (e.InMenu == kInMenuPrinterHidden || e.InMenu == kInMenuPrinterHiddenSeen)
            e.InMenu = result == 0 ? kInMenuPrinterHidden : kInMenuEmpty;
        else if (e.InMenu == kInMenuPrinterListedSeen)
            e.InMenu = result == 0 ? kInMenuPrinterListed : kInMenuUserListed;
    }
}

void vRestructDetail(SInt32 i, ProfileList *list)
{
    if (i < 0 || i >= kProfileListSlots)
        return;
    const ProfileEntry &row = PlistForSpool.entry[i];
    SInt32 used = iUsedBound(*list);
    for (SInt32 s = 0; s < used; s++) {
        ProfileEntry &e = list->entry[s];
        if (std::memcmp(e.FileName, row.FileName, kProfileTextSize) != 0 || e.Location != row.Location)
            continue;
        if (e.InMenu == kInMenuPrinterHidden || e.InMenu == kInMenuUserHidden)
            e.InMenu = kInMenuPrinterHiddenSeen;
        else if (e.InMenu == kInMenuPrinterListed || e.InMenu == kInMenuUserListed)
            e.InMenu = kInMenuPrinterListedSeen;
        return;
    }
    for (ProfileEntry &e : list->entry) {
        if (e.InMenu == kInMenuEmpty) {
            e = row;
            e.InMenu = kInMenuPrinterHiddenSeen;
            list->iNum++;
            return;
        }
    }
}

void vRestructPlistSpool2Current(SInt32 result)
{
    MyDebugMessage("[SnmpWalk] vRestructPlistSpool2Current  <Enter>", result);
    // Three lists of 500 slots are too large for the caller's stack frame.
    auto lists = std::make_unique<ProfileList[]>(3);
    ProfileList *rgb = &lists[0], *sim = &lists[1], *dst = &lists[2];
    VxPListReadProfile_All(rgb, sim, dst);

    for (int c = 0; c < 3; c++)
        vDeleteMIBprofilesTemporary(result, &lists[c]);
    for (int c = 0; c < 3; c++) {
        if (bDropBadFileNames(&lists[c]))
            VxPListPaddingProfile_Dict(&lists[c]);
    }

    SInt32 rows = iUsedBound(PlistForSpool);
    for (SInt32 i = 0; i < rows; i++) {
        const ProfileEntry &row = PlistForSpool.entry[i];
        if (!bIsMergeCandidate(row))
            continue;
        if (row.ProfileClass == kPrinterClassRGB1 || row.ProfileClass == kPrinterClassRGB2) {
            vRestructDetail(i, rgb);
        } else if (row.ProfileClass == kPrinterClassCMYK) {
            vRestructDetail(i, sim);
            vRestructDetail(i, dst);
        }
    }

    for (int c = 0; c < 3; c++) {
        VxPListCleanProfile_Dict(&lists[c]);
        VxPListPaddingProfile_Dict(&lists[c]);
        VxPListSalvage_Dict(&lists[c]);
    }
    VxPListWriteProfile_All(rgb, sim, dst);
}
