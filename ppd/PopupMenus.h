// Filling the option controls with the PPD's choices, and putting a control on
// its PPD default.
#pragma once

#include <cups/ppd.h>

#include "CustomContext.h"

// Default positions (from 1) of the seven profile popups, by popup number.
extern SInt32 iDefaultPosition[kProfilePopupCount];

// Walks the printer, resets the Custom preset, reads the three lists, builds
// the 27 choice arrays and fills every popup.  0, or the first failing status
// of an array or menu step (the options after it are left untouched).
OSStatus RebuildPopupMenusWithPPDInfo(ppd_file_t *ppd, CustomContext *context, PMPrintSession session);
// Replaces the popup's items by the choice texts; min 1, max count, value 1.
OSStatus BuildMenuFromPPDInfo(ControlRef popup, MenuRef *menu, CFArrayRef choices);
// Puts the popup on the PPD default (1 when the default is not a choice); for
// 0 <= k <= 6 records the position in iDefaultPosition[k].
OSStatus SetMenuDefaultFromPPDInfo(ControlRef popup, CFArrayRef choices, SInt32 k);
// Ticks the check box when the default choice is "True", "TRUE" or "true".
OSStatus SetCheckBoxDefaultFromPPDInfo(ControlRef checkBox, CFArrayRef choices);
