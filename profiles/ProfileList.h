// Custom colour profiles: one entry per ICC profile on the printer's disk or
// card, three fixed lists of 500 entries (RGB sources, CMYK simulations,
// destinations), and the rule that printer file names follow.
#pragma once

#include <MacTypes.h>

// Slots of a list, and the size of its text fields (31 bytes of text + NUL).
enum { kProfileListSlots = 500, kProfileTextSize = 32 };

// Profile classes: also the list selector of every list-file operation.
enum { kProfileClassRGB = 0, kProfileClassSIM = 1, kProfileClassDST = 2 };

// Where a profile file lives on the printer.
enum { kProfileLocationDisk = 4, kProfileLocationCard = 5 };

// InMenu state codes.
enum {
    kInMenuEmpty = 0,
    kInMenuPrinterHidden = 1,        // printer entry, not in menus, not seen
    kInMenuPrinterHiddenSeen = 2,    // printer entry, not in menus, seen
    kInMenuPrinterListed = 3,        // printer entry, in menus, not seen
    kInMenuPrinterListedSeen = 4,    // printer entry, in menus, seen
    kInMenuUserHidden = 5,           // user entry, not in menus
    kInMenuUserListed = 6,           // user entry, in menus
};

struct ProfileEntry {
    SInt32 IndexOnDevice;
    SInt32 InMenu;
    SInt32 ProfileClass;
    char FileName[kProfileTextSize];
    char ProfileName[kProfileTextSize];
    SInt32 Location;
    SInt32 DriverAvail;
};

struct ProfileList {
    ProfileEntry entry[kProfileListSlots];
    SInt32 iNum;
};

// An entry offered in the profile popups, counted by the ticket accessors and
// ticked in the list view: InMenu 3, 4 or 6.
inline bool bIsListedEntry(const ProfileEntry &e)
{
    return e.InMenu == kInMenuPrinterListed || e.InMenu == kInMenuPrinterListedSeen || e.InMenu == kInMenuUserListed;
}

// The listed entry whose 1-based count among the listed entries of list (in
// slot order, within iNum) is n, or null (also for a null list).
const ProfileEntry *NthListedEntry(const ProfileList *list, SInt32 n);

// 1 when text is an acceptable printer file name (8.3, restricted characters).
Boolean bJudgement8point3Format(const char *text);

// The working list of the Profile Management window, and the spool of the
// current printer walk.  All zeros at load.
extern ProfileList PlistCurrentForDataBrowser;
extern ProfileList PlistForSpool;
