// Shared by the files of the profile list file layer: the stored fields, the
// class keys, the trace and the helpers around paths and file modes.
#pragma once

#include <cstddef>
#include <sys/types.h>

#include "ProfileFile.h"

enum { kProfileStoredFieldCount = 6, kProfileClassCount = 3 };

// One stored field of an entry: its key in the class dictionary (also the
// prefix of its item keys) and where it lives in the entry.
struct ProfileStoredField {
    const char *key;
    bool isText;
    size_t offset;
};

extern const ProfileStoredField kProfileStoredFields[kProfileStoredFieldCount];
// "RGB", "SIM", "DST" by class number.
extern const char *const kProfileClassKeys[kProfileClassCount];

// Hands "[Vxplist] <name> <Entry>" to the debug trace.
void vProfileTraceEntry(const char *name);

// The item key of a stored field (index into kProfileStoredFields) and slot,
// "InMenu0042": an immortal string, made once per process and not released.
CFStringRef ProfileItemKey(int field, int slot);

// Makes "<home>/Library/Preferences" (not the home itself) when it is missing;
// true when the folder exists afterwards.
bool bProfileEnsurePreferencesFolder(void);

// Opens path with flags, creating it rw-rw-r-- when O_CREAT is among them,
// and leaves the process's file-creation mask as it found it.  -1 on failure.
int iProfileOpenShared(const char *path, int flags);

// Moves the used entries of a list to its front in order, clearing the slots
// they leave; iNum is not touched.
void vProfileCompact(ProfileList *list);
