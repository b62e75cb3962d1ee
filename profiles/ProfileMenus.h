// The seven profile popups: PPD choices followed by the listed custom profiles,
// their remembered selections, and the remembered Custom preset.
#pragma once

#include "CustomContext.h"
#include "ProfileList.h"

enum { kCustomColorOptionCount = 21 };

struct ProfileSelection {
    SInt32 value;
    char FileName[kProfileTextSize];
};

extern ProfileSelection stProfileSpoolLocal[kProfilePopupCount];
extern SInt32 CustomColorOptions[kCustomColorOptionCount];
extern const SInt32 CustomColorOptionsOrg[kCustomColorOptionCount];

void AppendMenuFromInfoPlist(ControlRef popup, MenuRef menu, CFArrayRef choices, const ProfileList *list);
void vRefreshImageRgbSourcePopup(const ProfileList *list);
void vRefreshImageDestinationPopup(const ProfileList *list);
void vRefreshTextRgbSourcePopup(const ProfileList *list);
void vRefreshTextDestinationPopup(const ProfileList *list);
void vRefreshGraphicsRgbSourcePopup(const ProfileList *list);
void vRefreshGraphicsDestinationPopup(const ProfileList *list);
void vRefreshSimulationSourcePopup(const ProfileList *list);
// The refresh of profile popup number 0..6.
void vRefreshProfilePopup(SInt32 popup, const ProfileList *list);
void vGetCurrentProfiles(void);
void vRestoreProfilePopup(void);
void vRefreshCustomProfilesAsDefault(void);
void vGetCustomProfilesAsCurrent(void);
void vSetCustomProfilesAsCurrent(void);
