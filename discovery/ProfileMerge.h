// The merge of the rows a walk spooled into the three profile lists, and the
// rewrite of the profile list file.
#pragma once

#include "ProfileList.h"

// Reads the three lists from the file, moves their entries through the
// states that the walk result implies, merges every candidate row of the
// spool, tidies the lists and writes them back.  result: 0 for a completed
// walk, anything else for a failed one.
void vRestructPlistSpool2Current(SInt32 result);

// The state change of one list before rows are merged: a completed walk
// marks every printer entry as not seen; a failed one drops printer entries
// that are not in the menus and turns seen ones in the menus into user
// entries.  Only InMenu changes.
void vDeleteMIBprofilesTemporary(SInt32 result, ProfileList *list);

// Merges spool slot i into list: marks the entry with the same FileName and
// Location as seen, or copies the row into the first free slot as a printer
// entry that is seen but not in the menus (dropped when the list is full).
void vRestructDetail(SInt32 i, ProfileList *list);

// True when a spool row may be merged: on the disk or card, with a file name
// that follows the 8.3 rule.
bool bIsMergeCandidate(const ProfileEntry &row);
