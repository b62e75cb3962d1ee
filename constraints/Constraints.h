// The compiled constraint rules, their evaluator and the quick-colour presets.
#pragma once

#include <Toolkit/Toolkit.h>

// Runs every rule in table order against the current pane's controls.
void vColorPresetConstraints(void);
// 1 when rule `index` holds.
Boolean bMatchCondition(SInt32 index);
void vValueChange(SInt32 index);
void vActOption(SInt32 index);
void vActReverseOption(SInt32 index);
// Installed on the standard view's container: applies presets, runs the rules,
// always passes the event on.
OSStatus ColorPresetsEventHandlerProc(EventHandlerCallRef callRef, EventRef event, void *userData);
