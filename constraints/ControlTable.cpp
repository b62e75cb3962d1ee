// The controls that rules may name, and the lookup of a control by name.
#include <cstring>

#include "ConstraintTables.h"

const ControlTableRow gCtrlTable[32] = {
    {1000, kQuickColorPopupSlot, kCstCtrlPopup, 0, -1, "QuickColorPopup"},
    {1010, kBrightnessPopupSlot, kCstCtrlPopup, 0, -1, "BrightnessPopup"},
    {1004, kColorAsGrayCheckBoxSlot, kCstCtrlCheckBox, 0, -1, "ColorAsGrayCheckBox"},
    {1009, kColorSeparationCheckBoxSlot, kCstCtrlCheckBox, 0, -1, "ColorSeparationCheckBox"},
    {1005, kGoToAdvancedOptionsButtonSlot, kCstCtrlButton, 0, -1, "GoToAdvancedOptionsButton"},
    {1100, kImageRGBSourcePopupSlot, kCstCtrlPopup, 0, -1, "ImageRGBSourcePopup"},
    {1101, kImageRenderIntentPopupSlot, kCstCtrlPopup, 0, -1, "ImageRenderIntentPopup"},
    {1102, kImageGrayTreatmentPopupSlot, kCstCtrlPopup, 0, -1, "ImageGrayTreatmentPopup"},
    {1103, kImageHalftonePopupSlot, kCstCtrlPopup, 0, -1, "ImageHalftonePopup"},
    {1105, kImageDestinationProfilePopupSlot, kCstCtrlPopup, 0, -1, "ImageDestinationProfilePopup"},
    {1300, kTextRGBSourcePopupSlot, kCstCtrlPopup, 0, -1, "TextRGBSourcePopup"},
    {1301, kTextRenderIntentPopupSlot, kCstCtrlPopup, 0, -1, "TextRenderIntentPopup"},
    {1302, kTextGrayTreatmentPopupSlot, kCstCtrlPopup, 0, -1, "TextGrayTreatmentPopup"},
    {1303, kTextHalftonePopupSlot, kCstCtrlPopup, 0, -1, "TextHalftonePopup"},
    {1305, kTextDestinationProfilePopupSlot, kCstCtrlPopup, 0, -1, "TextDestinationProfilePopup"},
    {1200, kGraphicsRGBSourcePopupSlot, kCstCtrlPopup, 0, -1, "GraphicsRGBSourcePopup"},
    {1201, kGraphicsRenderIntentPopupSlot, kCstCtrlPopup, 0, -1, "GraphicsRenderIntentPopup"},
    {1202, kGraphicsGrayTreatmentPopupSlot, kCstCtrlPopup, 0, -1, "GraphicsGrayTreatmentPopup"},
    {1203, kGraphicsHalftonePopupSlot, kCstCtrlPopup, 0, -1, "GraphicsHalftonePopup"},
    {1206, kGraphicsDestinationProfilePopupSlot, kCstCtrlPopup, 0, -1, "GraphicsDestinationProfilePopup"},
    {1400, kSimulationSourcePopupSlot, kCstCtrlPopup, 0, -1, "SimulationSourcePopup"},
    {1401, kSimulationRenderIntentPopupSlot, kCstCtrlPopup, 0, -1, "SimulationRenderIntentPopup"},
    {1402, kSimulationGrayTreatmentPopupSlot, kCstCtrlPopup, 0, -1, "SimulationGrayTreatmentPopup"},
    {1501, kGoToStandardOptionsButtonSlot, kCstCtrlButton, 0, -1, "GoToStandardOptionsButton"},
    {1503, kManageProfileButtonSlot, kCstCtrlButton, 0, -1, "ManageProfileButton"},
    {1504, kDownloadManagerButtonSlot, kCstCtrlButton, 0, -1, "DownloadManagerButton"},
    {1107, kImageEdgeEnhancePopupSlot, kCstCtrlButton, 0, -1, "ImageEdgeEnhancePopup"},
    {1307, kTextEdgeEnhancePopupSlot, kCstCtrlButton, 0, -1, "TextEdgeEnhancePopup"},
    {1207, kGraphicsEdgeEnhancePopupSlot, kCstCtrlButton, 0, -1, "GraphicsEdgeEnhancePopup"},
    {1011, kEconoModeCheckBoxSlot, kCstCtrlCheckBox, 0, -1, "EconoModeCheckBox"},
    {1012, kEdgeTypePopupSlot, kCstCtrlPopup, 0, -1, "EdgeTypePopup"},
    {-1, -1, kCstActionTableEnd, 0, -1, ""},
};

// Walks gCtrlTable up to its end row; a row matches when its name has the
// looked-up name's length and bytes.  Returns the context's control there.
ControlRef ConstraintControlByName(const CustomContext *context, const char *name)
{
    if (context == nullptr || name == nullptr)
        return nullptr;
    const size_t length = strnlen(name, kCstNameSize);
    for (const ControlTableRow *row = gCtrlTable; row->kind != kCstActionTableEnd; ++row) {
        if (strnlen(row->name, kCstNameSize) != length || memcmp(row->name, name, length) != 0)
            continue;
        if (row->controlIndex < 0 || row->controlIndex >= kControlSlotCount)
            return nullptr;
        return context->controls[row->controlIndex];
    }
    return nullptr;
}
