// The profile list file: the three lists as an XML property list in the user's
// preferences, its previous copy, and the list maintenance operations.
#pragma once

#include <CoreFoundation/CoreFoundation.h>

#include "ProfileList.h"

// Reverse-DNS prefix of both file names.
#define kProfileFilePrefix "net.colorpane"

// Readers: 0, or -1 with nothing read.
SInt32 VxPListReadProfile_All(ProfileList *rgb, ProfileList *sim, ProfileList *dst);
SInt32 VxPListReadProfile_Dict(ProfileList *list, SInt32 type);
// Writers: 0 written, -1 not written.
SInt32 VxPListWriteProfile_All(const ProfileList *rgb, const ProfileList *sim, const ProfileList *dst);
SInt32 VxPListWriteProfile_Dict(const ProfileList *list, SInt32 type, ProfileList *rgbOut, ProfileList *simOut,
                                ProfileList *dstOut);
// 1 when the current file can be opened for writing.
Boolean VxPListIsAdminProfile(void);
// mode: 0 restore the previous copy, 1 discard it, 2 back the current file up.
void VxPListSwapProfile(SInt32 mode);
// which: 2 the previous copy, 3 the current file.  1 when removed.
SInt32 VxPListRemove(SInt32 which);

// Maintenance of one list in place.
void VxPListPaddingProfile_Dict(ProfileList *list);
void VxPlistCheckWithInMenu_Dict(ProfileList *list);
void VxPListCleanProfile_Dict(ProfileList *list);
void VxPListSalvage_Dict(ProfileList *list);

// File-layer helpers.
CFDictionaryRef CreatePropsDictionary(SInt32 type, const ProfileList *list, CFMutableDictionaryRef *classDict,
                                      CFMutableDictionaryRef *indexOnDevice, CFMutableDictionaryRef *inMenu,
                                      CFMutableDictionaryRef *profileClass, CFMutableDictionaryRef *location,
                                      CFMutableDictionaryRef *fileName, CFMutableDictionaryRef *profileName);
Boolean ReadDictionaryStringEntry(CFDictionaryRef dict, CFStringRef key, char *field, CFIndex fieldSize);
Boolean ReadDictionaryIntEntry(CFDictionaryRef dict, CFStringRef key, SInt32 *value);

// Paths of the two files (false when the path would exceed 255 bytes or the
// home folder is unknown).
Boolean VxPListCurrentPath(char *path, size_t size);
Boolean VxPListPreviousPath(char *path, size_t size);

// The home folder under which "Library/Preferences/" lies.  Production code
// takes it from the password entry of the real user; tests set it here.  Null
// goes back to the password entry.
void VxPListSetHomeDirectoryForTesting(const char *home);
