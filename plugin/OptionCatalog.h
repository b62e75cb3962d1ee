// The 27 colour options: keyword (also the ticket key), kind, control, slot,
// title and summary keys, profile popup number and class, and where the
// context keeps each option's choice array, title and menu.  Later code is
// driven from this one table.
#pragma once

#include "CustomContext.h"

enum OptionKind {
    kOptionPopup,
    kOptionCheckBox,
    kOptionSourceProfile,       // profile popup of an RGB or simulation source
    kOptionDestinationProfile,  // profile popup of a destination
};

// Options in canonical order (the order of `ppdarrays`).
enum OptionIndex {
    kOptQuickColor,
    kOptBrightness,
    kOptColorAsGray,
    kOptColorSeparation,
    kOptEconoMode,
    kOptEdgeType,
    kOptImageRGBSource,
    kOptImageRenderIntent,
    kOptImageGrayTreatment,
    kOptImageHalftone,
    kOptImageEdgeEnhance,
    kOptImageDestinationProfile,
    kOptTextRGBSource,
    kOptTextRenderIntent,
    kOptTextGrayTreatment,
    kOptTextHalftone,
    kOptTextEdgeEnhance,
    kOptTextDestinationProfile,
    kOptGraphicsRGBSource,
    kOptGraphicsRenderIntent,
    kOptGraphicsGrayTreatment,
    kOptGraphicsHalftone,
    kOptGraphicsEdgeEnhance,
    kOptGraphicsDestinationProfile,
    kOptSimulationSource,
    kOptSimulationRenderIntent,
    kOptSimulationGrayTreatment,
    kOptionCount,
};

struct OptionInfo {
    const char *name;          // "QuickColor"
    const char *keyword;       // "VxQuickColor": PPD keyword and ticket key
    OptionKind kind;
    const char *controlName;   // "QuickColorPopup"
    SInt32 controlID;          // number under the signature 'vxco'
    ControlSlot slot;
    const char *titleKey;      // "Quick Color:"
    const char *summaryKey;    // "Quick Color"
    SInt32 profilePopup;       // 0..6 for profile popups, else -1
    SInt32 profileClass;       // 0 RGB, 1 SIM, 2 DST for profile popups, else -1
    CFMutableArrayRef PPDArrays::*array;
    CFStringRef TitleStrings::*title;
    MenuRef PopupMenus::*menu; // null for check boxes
};

extern const OptionInfo kOptionCatalog[kOptionCount];

// The signature of every control ID of the pane.
constexpr OSType kPaneSignature = FourCC("vxco");

// The option of a profile popup number (0..6), or null.
const OptionInfo *OptionForProfilePopup(SInt32 popup);

// Keyword constants (ColorSeparation's constant keeps its historical spelling).
extern const char *const kQuickColorPPDKey;
extern const char *const kBrightnessPPDKey;
extern const char *const kColorAsGrayPPDKey;
extern const char *const kColorSeparationkPPDKey;
extern const char *const kEconoModePPDKey;
extern const char *const kEdgeTypePPDKey;
extern const char *const kImageRGBSourcePPDKey;
extern const char *const kImageRenderIntentPPDKey;
extern const char *const kImageGrayTreatmentPPDKey;
extern const char *const kImageHalftonePPDKey;
extern const char *const kImageEdgeEnhancePPDKey;
extern const char *const kImageDestinationProfilePPDKey;
extern const char *const kTextRGBSourcePPDKey;
extern const char *const kTextRenderIntentPPDKey;
extern const char *const kTextGrayTreatmentPPDKey;
extern const char *const kTextHalftonePPDKey;
extern const char *const kTextEdgeEnhancePPDKey;
extern const char *const kTextDestinationProfilePPDKey;
extern const char *const kGraphicsRGBSourcePPDKey;
extern const char *const kGraphicsRenderIntentPPDKey;
extern const char *const kGraphicsGrayTreatmentPPDKey;
extern const char *const kGraphicsHalftonePPDKey;
extern const char *const kGraphicsEdgeEnhancePPDKey;
extern const char *const kGraphicsDestinationProfilePPDKey;
extern const char *const kSimulationSourcePPDKey;
extern const char *const kSimulationRenderIntentPPDKey;
extern const char *const kSimulationGrayTreatmentPPDKey;
