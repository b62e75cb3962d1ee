// The option catalogue as one constant table.
#include "OptionCatalog.h"

const char *const kQuickColorPPDKey = "VxQuickColor";
const char *const kBrightnessPPDKey = "VxBrightness";
const char *const kColorAsGrayPPDKey = "VxColorAsGray";
const char *const kColorSeparationkPPDKey = "VxColorSeparation";
const char *const kEconoModePPDKey = "VxEconoMode";
const char *const kEdgeTypePPDKey = "VxEdgeType";
const char *const kImageRGBSourcePPDKey = "VxImageRGBSource";
const char *const kImageRenderIntentPPDKey = "VxImageRenderIntent";
const char *const kImageGrayTreatmentPPDKey = "VxImageGrayTreatment";
const char *const kImageHalftonePPDKey = "VxImageHalftone";
const char *const kImageEdgeEnhancePPDKey = "VxImageEdgeEnhance";
const char *const kImageDestinationProfilePPDKey = "VxImageDestinationProfile";
const char *const kTextRGBSourcePPDKey = "VxTextRGBSource";
const char *const kTextRenderIntentPPDKey = "VxTextRenderIntent";
const char *const kTextGrayTreatmentPPDKey = "VxTextGrayTreatment";
const char *const kTextHalftonePPDKey = "VxTextHalftone";
const char *const kTextEdgeEnhancePPDKey = "VxTextEdgeEnhance";
const char *const kTextDestinationProfilePPDKey = "VxTextDestinationProfile";
const char *const kGraphicsRGBSourcePPDKey = "VxGraphicsRGBSource";
const char *const kGraphicsRenderIntentPPDKey = "VxGraphicsRenderIntent";
const char *const kGraphicsGrayTreatmentPPDKey = "VxGraphicsGrayTreatment";
const char *const kGraphicsHalftonePPDKey = "VxGraphicsHalftone";
const char *const kGraphicsEdgeEnhancePPDKey = "VxGraphicsEdgeEnhance";
const char *const kGraphicsDestinationProfilePPDKey = "VxGraphicsDestinationProfile";
const char *const kSimulationSourcePPDKey = "VxSimSource";
const char *const kSimulationRenderIntentPPDKey = "VxSimRenderIntent";
const char *const kSimulationGrayTreatmentPPDKey = "VxSimGrayTreatment";

const OptionInfo kOptionCatalog[kOptionCount] = {
    {"QuickColor", "VxQuickColor", kOptionPopup, "QuickColorPopup", 1000, kQuickColorPopupSlot, "Quick Color:", "Quick Color", -1, -1, &PPDArrays::QuickColorPPDInfoArrayRef, &TitleStrings::QuickColorTitleStringRef, &PopupMenus::QuickColorMenuRef},
    {"Brightness", "VxBrightness", kOptionPopup, "BrightnessPopup", 1010, kBrightnessPopupSlot, "Brightness:", "Brightness", -1, -1, &PPDArrays::BrightnessPPDInfoArrayRef, &TitleStrings::BrightnessTitleStringRef, &PopupMenus::BrightnessMenuRef},
    {"ColorAsGray", "VxColorAsGray", kOptionCheckBox, "ColorAsGrayCheckBox", 1004, kColorAsGrayCheckBoxSlot, "Color as Grayscale", "Color as Grayscale", -1, -1, &PPDArrays::ColorAsGrayPPDInfoArrayRef, &TitleStrings::ColorAsGrayTitleStringRef, nullptr},
    {"ColorSeparation", "VxColorSeparation", kOptionCheckBox, "ColorSeparationCheckBox", 1009, kColorSeparationCheckBoxSlot, "Color Separation", "Color Separation", -1, -1, &PPDArrays::ColorSeparationPPDInfoArrayRef, &TitleStrings::ColorSeparationTitleStringRef, nullptr},
    {"EconoMode", "VxEconoMode", kOptionCheckBox, "EconoModeCheckBox", 1011, kEconoModeCheckBoxSlot, "EconoMode", "EconoMode", -1, -1, &PPDArrays::EconoModePPDInfoArrayRef, &TitleStrings::EconoModeTitleStringRef, nullptr},
    {"EdgeType", "VxEdgeType", kOptionPopup, "EdgeTypePopup", 1012, kEdgeTypePopupSlot, "EdgeType:", "EdgeType", -1, -1, &PPDArrays::EdgeTypePPDInfoArrayRef, &TitleStrings::EdgeTypeTitleStringRef, &PopupMenus::EdgeTypeMenuRef},
    {"ImageRGBSource", "VxImageRGBSource", kOptionSourceProfile, "ImageRGBSourcePopup", 1100, kImageRGBSourcePopupSlot, "RGB Source:", "Image RGB Source", 0, 0, &PPDArrays::ImageRGBSourcePPDInfoArrayRef, &TitleStrings::ImageRGBSourceTitleStringRef, &PopupMenus::ImageRGBSourceMenuRef},
    {"ImageRenderIntent", "VxImageRenderIntent", kOptionPopup, "ImageRenderIntentPopup", 1101, kImageRenderIntentPopupSlot, "RGB Intent:", "Image RGB Intent", -1, -1, &PPDArrays::ImageRenderIntentPPDInfoArrayRef, &TitleStrings::ImageRenderIntentTitleStringRef, &PopupMenus::ImageRenderIntentMenuRef},
    {"ImageGrayTreatment", "VxImageGrayTreatment", kOptionPopup, "ImageGrayTreatmentPopup", 1102, kImageGrayTreatmentPopupSlot, "RGB Gray Treatment:", "Image RGB Gray Treatment", -1, -1, &PPDArrays::ImageGrayTreatmentPPDInfoArrayRef, &TitleStrings::ImageGrayTreatmentTitleStringRef, &PopupMenus::ImageGrayTreatmentMenuRef},
    {"ImageHalftone", "VxImageHalftone", kOptionPopup, "ImageHalftonePopup", 1103, kImageHalftonePopupSlot, "Halftone:", "Image Halftone", -1, -1, &PPDArrays::ImageHalftonePPDInfoArrayRef, &TitleStrings::ImageHalftoneTitleStringRef, &PopupMenus::ImageHalftoneMenuRef},
    {"ImageEdgeEnhance", "VxImageEdgeEnhance", kOptionPopup, "ImageEdgeEnhancePopup", 1107, kImageEdgeEnhancePopupSlot, "EdgeEnhance:", "Image EdgeEnhance", -1, -1, &PPDArrays::ImageEdgeEnhancePPDInfoArrayRef, &TitleStrings::ImageEdgeEnhanceTitleStringRef, &PopupMenus::ImageEdgeEnhanceMenuRef},
    {"ImageDestinationProfile", "VxImageDestinationProfile", kOptionDestinationProfile, "ImageDestinationProfilePopup", 1105, kImageDestinationProfilePopupSlot, "Destination Profile:", "Image Destination Profile", 1, 2, &PPDArrays::ImageDestinationProfilePPDInfoArrayRef, &TitleStrings::ImageDestinationProfileTitleStringRef, &PopupMenus::ImageDestinationProfileMenuRef},
    {"TextRGBSource", "VxTextRGBSource", kOptionSourceProfile, "TextRGBSourcePopup", 1300, kTextRGBSourcePopupSlot, "RGB Source:", "Text RGB Source", 2, 0, &PPDArrays::TextRGBSourcePPDInfoArrayRef, &TitleStrings::TextRGBSourceTitleStringRef, &PopupMenus::TextRGBSourceMenuRef},
    {"TextRenderIntent", "VxTextRenderIntent", kOptionPopup, "TextRenderIntentPopup", 1301, kTextRenderIntentPopupSlot, "RGB Intent:", "Text RGB Intent", -1, -1, &PPDArrays::TextRenderIntentPPDInfoArrayRef, &TitleStrings::TextRenderIntentTitleStringRef, &PopupMenus::TextRenderIntentMenuRef},
    {"TextGrayTreatment", "VxTextGrayTreatment", kOptionPopup, "TextGrayTreatmentPopup", 1302, kTextGrayTreatmentPopupSlot, "RGB Gray Treatment:", "Text RGB Gray Treatment", -1, -1, &PPDArrays::TextGrayTreatmentPPDInfoArrayRef, &TitleStrings::TextGrayTreatmentTitleStringRef, &PopupMenus::TextGrayTreatmentMenuRef},
    {"TextHalftone", "VxTextHalftone", kOptionPopup, "TextHalftonePopup", 1303, kTextHalftonePopupSlot, "Halftone:", "Text Halftone", -1, -1, &PPDArrays::TextHalftonePPDInfoArrayRef, &TitleStrings::TextHalftoneTitleStringRef, &PopupMenus::TextHalftoneMenuRef},
    {"TextEdgeEnhance", "VxTextEdgeEnhance", kOptionPopup, "TextEdgeEnhancePopup", 1307, kTextEdgeEnhancePopupSlot, "EdgeEnhance:", "Text EdgeEnhance", -1, -1, &PPDArrays::TextEdgeEnhancePPDInfoArrayRef, &TitleStrings::TextEdgeEnhanceTitleStringRef, &PopupMenus::TextEdgeEnhanceMenuRef},
    {"TextDestinationProfile", "VxTextDestinationProfile", kOptionDestinationProfile, "TextDestinationProfilePopup", 1305, kTextDestinationProfilePopupSlot, "Destination Profile:", "Text Destination Profile", 3, 2, &PPDArrays::TextDestinationProfilePPDInfoArrayRef, &TitleStrings::TextDestinationProfileStringRef, &PopupMenus::TextDestinationProfileMenuRef},
    {"GraphicsRGBSource", "VxGraphicsRGBSource", kOptionSourceProfile, "GraphicsRGBSourcePopup", 1200, kGraphicsRGBSourcePopupSlot, "RGB Source:", "Graphics RGB Source", 4, 0, &PPDArrays::GraphicsRGBSourcePPDInfoArrayRef, &TitleStrings::GraphicsRGBSourceTitleStringRef, &PopupMenus::GraphicsRGBSourceMenuRef},
    {"GraphicsRenderIntent", "VxGraphicsRenderIntent", kOptionPopup, "GraphicsRenderIntentPopup", 1201, kGraphicsRenderIntentPopupSlot, "RGB Intent:", "Graphics RGB Intent", -1, -1, &PPDArrays::GraphicsRenderIntentPPDInfoArrayRef, &TitleStrings::GraphicsRenderIntentTitleStringRef, &PopupMenus::GraphicsRenderIntentMenuRef},
    {"GraphicsGrayTreatment", "VxGraphicsGrayTreatment", kOptionPopup, "GraphicsGrayTreatmentPopup", 1202, kGraphicsGrayTreatmentPopupSlot, "RGB Gray Treatment:", "Graphics RGB Gray Treatment", -1, -1, &PPDArrays::GraphicsGrayTreatmentPPDInfoArrayRef, &TitleStrings::GraphicsGrayTreatmentTitleStringRef, &PopupMenus::GraphicsGrayTreatmentMenuRef},
    {"GraphicsHalftone", "VxGraphicsHalftone", kOptionPopup, "GraphicsHalftonePopup", 1203, kGraphicsHalftonePopupSlot, "Halftone:", "Graphics Halftone", -1, -1, &PPDArrays::GraphicsHalftonePPDInfoArrayRef, &TitleStrings::GraphicsHalftoneTitleStringRef, &PopupMenus::GraphicsHalftoneMenuRef},
    {"GraphicsEdgeEnhance", "VxGraphicsEdgeEnhance", kOptionPopup, "GraphicsEdgeEnhancePopup", 1207, kGraphicsEdgeEnhancePopupSlot, "EdgeEnhance:", "Graphics EdgeEnhance", -1, -1, &PPDArrays::GraphicsEdgeEnhancePPDInfoArrayRef, &TitleStrings::GraphicsEdgeEnhanceTitleStringRef, &PopupMenus::GraphicsEdgeEnhanceMenuRef},
    {"GraphicsDestinationProfile", "VxGraphicsDestinationProfile", kOptionDestinationProfile, "GraphicsDestinationProfilePopup", 1206, kGraphicsDestinationProfilePopupSlot, "Destination Profile:", "Graphics Destination Profile", 5, 2, &PPDArrays::GraphicsDestinationProfilePPDInfoArrayRef, &TitleStrings::GraphicsDestinationProfileTitleStringRef, &PopupMenus::GraphicsDestinationProfileMenuRef},
    {"SimulationSource", "VxSimSource", kOptionSourceProfile, "SimulationSourcePopup", 1400, kSimulationSourcePopupSlot, "Simulation Profile:", "Simulation Profile", 6, 1, &PPDArrays::SimulationSourcePPDInfoArrayRef, &TitleStrings::SimulationSourceTitleStringRef, &PopupMenus::SimulationSourceMenuRef},
    {"SimulationRenderIntent", "VxSimRenderIntent", kOptionPopup, "SimulationRenderIntentPopup", 1401, kSimulationRenderIntentPopupSlot, "Match Paper Color:", "Match Paper Color", -1, -1, &PPDArrays::SimulationRenderIntentPPDInfoArrayRef, &TitleStrings::SimulationRenderIntentTitleStringRef, &PopupMenus::SimulationRenderIntentMenuRef},
    {"SimulationGrayTreatment", "VxSimGrayTreatment", kOptionPopup, "SimulationGrayTreatmentPopup", 1402, kSimulationGrayTreatmentPopupSlot, "CMYK Gray Treatment:", "CMYK Gray Treatment", -1, -1, &PPDArrays::SimulationGrayTreatmentPPDInfoArrayRef, &TitleStrings::SimulationGrayTreatmentTitleStringRef, &PopupMenus::SimulationGrayTreatmentMenuRef},
};

const OptionInfo *OptionForProfilePopup(SInt32 popup)
{
    for (const OptionInfo &o : kOptionCatalog)
        if (o.profilePopup >= 0 && o.profilePopup == popup)
            return &o;
    return nullptr;
}
