// The quick-colour presets: the three fixed sets of advanced positions, the
// remembered Custom set, and the exclusion of the two colour check boxes.
#include "ConstraintTables.h"
#include "Constraints.h"
#include "DebugMessage.h"
#include "PluginShell.h"
#include "ProfileMenus.h"

// A preset cell that depends on EconoMode: 1 while it is on, else 2.
enum { kPresetEconoEdge = -1 };

struct PresetRow {
    ControlSlot slot;
    SInt16 position[3]; // presets 1, 2, 3
};

static const PresetRow kPresetPositions[] = {
    {kImageRGBSourcePopupSlot, {2, 2, 2}},
    {kTextRGBSourcePopupSlot, {2, 2, 2}},
    {kGraphicsRGBSourcePopupSlot, {2, 2, 2}},
    {kImageRenderIntentPopupSlot, {1, 1, 2}},
    {kTextRenderIntentPopupSlot, {2, 1, 2}},
    {kGraphicsRenderIntentPopupSlot, {2, 1, 2}},
    {kImageGrayTreatmentPopupSlot, {1, 1, 2}},
    {kTextGrayTreatmentPopupSlot, {2, 1, 2}},
    {kGraphicsGrayTreatmentPopupSlot, {2, 1, 2}},
    {kImageHalftonePopupSlot, {2, 2, 3}},
    {kTextHalftonePopupSlot, {3, 2, 3}},
    {kGraphicsHalftonePopupSlot, {2, 2, 3}},
    {kImageEdgeEnhancePopupSlot, {1, 1, kPresetEconoEdge}},
    {kTextEdgeEnhancePopupSlot, {2, 1, 2}},
    {kGraphicsEdgeEnhancePopupSlot, {kPresetEconoEdge, 1, kPresetEconoEdge}},
    {kImageDestinationProfilePopupSlot, {1, 1, 1}},
    {kTextDestinationProfilePopupSlot, {1, 1, 1}},
    {kGraphicsDestinationProfilePopupSlot, {1, 1, 1}},
    {kSimulationSourcePopupSlot, {1, 1, 1}},
    {kSimulationRenderIntentPopupSlot, {1, 1, 1}},
    {kSimulationGrayTreatmentPopupSlot, {1, 1, 1}},
};

// Puts the advanced controls on the positions of preset 1, 2 or 3; the
// toolkit clamps a position beyond a popup's last item.
static void vApplyPreset(const CustomContext *context, SInt32 preset)
{
    ControlRef econo = context->controls[kEconoModeCheckBoxSlot];
    const bool economy = econo != nullptr && GetControlValue(econo) == 1;
    for (const PresetRow &row : kPresetPositions) {
        ControlRef control = context->controls[row.slot];
        if (control == nullptr)
            continue;
        SInt16 position = row.position[preset - 1];
        if (position == kPresetEconoEdge)
            position = economy ? 1 : 2;
        SetControlValue(control, position);
    }
}

// Handler of the standard view's container for hits, draws and commands.
// Touching either colour check box turns the other off; QuickColor's preset,
// or the remembered Custom set on its last item, is applied again; then the
// rules run.  Always passes the event on (eventNotHandledErr).
OSStatus ColorPresetsEventHandlerProc(EventHandlerCallRef callRef, EventRef event, void *userData)
{
    const CustomContext *context = MyCurrentContext();
    if (context == nullptr)
        return eventNotHandledErr;

    ControlRef hit = nullptr;
    const bool fetched = event != nullptr && GetEventParameter(event, kEventParamDirectObject, typeControlRef, nullptr,
                                                               sizeof hit, nullptr, &hit) == noErr;
    ControlRef quickColor = context->controls[kQuickColorPopupSlot];
    const SInt32 v = quickColor != nullptr ? GetControlValue(quickColor) : 0;

    if (fetched && hit != nullptr) {
        ControlRef gray = context->controls[kColorAsGrayCheckBoxSlot];
        ControlRef separation = context->controls[kColorSeparationCheckBoxSlot];
        if (hit == separation && gray != nullptr)
            SetControlValue(gray, 0);
        else if (hit == gray && separation != nullptr)
            SetControlValue(separation, 0);
    }

    MyDebugMessage("ColorPreset1=", v);
    if (v >= 1 && v <= 3)
        vApplyPreset(context, v);
    else if (quickColor != nullptr && v >= 1 && v == GetControlMaximum(quickColor))
        vSetCustomProfilesAsCurrent();

    vColorPresetConstraints();
    return eventNotHandledErr;
}
