// The per-pane state record: control references, the Profile Management
// window's controls, popup menus, the options' choice arrays and localized
// titles, the host's pane, window and session, and the bookkeeping of the
// profile popups and edit fields.  Allocated zero-filled.
#pragma once

#include <CoreFoundation/CoreFoundation.h>
#include <Printing/Printing.h>
#include <Toolkit/Toolkit.h>

// Slots of the `controls` group.
enum ControlSlot {
    kQuickColorPopupSlot = 0,
    kBrightnessPopupSlot = 1,
    kColorAsGrayCheckBoxSlot = 2,
    kColorSeparationCheckBoxSlot = 3,
    kGoToAdvancedOptionsButtonSlot = 4,
    kStandardOptionsPaneSlot = 5,
    kImageRGBSourcePopupSlot = 6,
    kImageRenderIntentPopupSlot = 7,
    kImageGrayTreatmentPopupSlot = 8,
    kImageHalftonePopupSlot = 9,
    kImageTabPaneSlot = 10,
    kImageDestinationProfilePopupSlot = 11,
    kTextRGBSourcePopupSlot = 12,
    kTextRenderIntentPopupSlot = 13,
    kTextGrayTreatmentPopupSlot = 14,
    kTextHalftonePopupSlot = 15,
    kTextTabPaneSlot = 16,
    kTextDestinationProfilePopupSlot = 17,
    kGraphicsRGBSourcePopupSlot = 18,
    kGraphicsRenderIntentPopupSlot = 19,
    kGraphicsGrayTreatmentPopupSlot = 20,
    kGraphicsHalftonePopupSlot = 21,
    kGraphicsTabPaneSlot = 22,
    kGraphicsDestinationProfilePopupSlot = 23,
    kSimulationSourcePopupSlot = 24,
    kSimulationRenderIntentPopupSlot = 25,
    kSimulationGrayTreatmentPopupSlot = 26,
    kSimulationTabPaneSlot = 27,
    kAdvancedOptionsTabSlot = 28,
    kAdvancedOptionsPaneSlot = 29,
    kGoToStandardOptionsButtonSlot = 30,
    kManageProfileButtonSlot = 31,
    kDownloadManagerButtonSlot = 32,
    kImageEdgeEnhancePopupSlot = 33,
    kTextEdgeEnhancePopupSlot = 34,
    kGraphicsEdgeEnhancePopupSlot = 35,
    kEconoModeCheckBoxSlot = 36,
    kEdgeTypePopupSlot = 37,
    kControlSlotCount = 38,
};

// Controls of the Profile Management window, in control-ID order.
struct ProfileWindowControls {
    ControlRef ProfileNameLabel;     // 2000
    ControlRef FileNameLabel;        // 2001
    ControlRef LocationLabel;        // 2002
    ControlRef ProfileListPopup;     // 2010
    ControlRef LocationPopup;        // 2011
    ControlRef AddButton;            // 2020
    ControlRef EditButton;           // 2021
    ControlRef DeleteButton;         // 2022
    ControlRef BrowseButton;         // 2023
    ControlRef CancelLocalButton;    // 2024
    ControlRef OKLocalButton;        // 2025
    ControlRef CancelOverallButton;  // 2026
    ControlRef OKOverallButton;      // 2027
    ControlRef ProfileNameEditText;  // 2030
    ControlRef FileNameEditText;     // 2031
    ControlRef EditGroupBox;         // 2040
    ControlRef ProfileListBrowser;   // 2050
    ControlRef ProfileSettingsPane;  // 2070
};

// One menu per popup and profile popup (the check boxes have none).
struct PopupMenus {
    MenuRef QuickColorMenuRef;
    MenuRef BrightnessMenuRef;
    MenuRef EdgeTypeMenuRef;
    MenuRef ImageRGBSourceMenuRef;
    MenuRef ImageRenderIntentMenuRef;
    MenuRef ImageGrayTreatmentMenuRef;
    MenuRef ImageHalftoneMenuRef;
    MenuRef ImageEdgeEnhanceMenuRef;
    MenuRef ImageDestinationProfileMenuRef;
    MenuRef TextRGBSourceMenuRef;
    MenuRef TextRenderIntentMenuRef;
    MenuRef TextGrayTreatmentMenuRef;
    MenuRef TextHalftoneMenuRef;
    MenuRef TextEdgeEnhanceMenuRef;
    MenuRef TextDestinationProfileMenuRef;
    MenuRef GraphicsRGBSourceMenuRef;
    MenuRef GraphicsRenderIntentMenuRef;
    MenuRef GraphicsGrayTreatmentMenuRef;
    MenuRef GraphicsHalftoneMenuRef;
    MenuRef GraphicsEdgeEnhanceMenuRef;
    MenuRef GraphicsDestinationProfileMenuRef;
    MenuRef SimulationSourceMenuRef;
    MenuRef SimulationRenderIntentMenuRef;
    MenuRef SimulationGrayTreatmentMenuRef;
};

// Choice arrays, one per option in canonical order; owned by the context.
struct PPDArrays {
    CFMutableArrayRef QuickColorPPDInfoArrayRef;
    CFMutableArrayRef BrightnessPPDInfoArrayRef;
    CFMutableArrayRef ColorAsGrayPPDInfoArrayRef;
    CFMutableArrayRef ColorSeparationPPDInfoArrayRef;
    CFMutableArrayRef EconoModePPDInfoArrayRef;
    CFMutableArrayRef EdgeTypePPDInfoArrayRef;
    CFMutableArrayRef ImageRGBSourcePPDInfoArrayRef;
    CFMutableArrayRef ImageRenderIntentPPDInfoArrayRef;
    CFMutableArrayRef ImageGrayTreatmentPPDInfoArrayRef;
    CFMutableArrayRef ImageHalftonePPDInfoArrayRef;
    CFMutableArrayRef ImageEdgeEnhancePPDInfoArrayRef;
    CFMutableArrayRef ImageDestinationProfilePPDInfoArrayRef;
    CFMutableArrayRef TextRGBSourcePPDInfoArrayRef;
    CFMutableArrayRef TextRenderIntentPPDInfoArrayRef;
    CFMutableArrayRef TextGrayTreatmentPPDInfoArrayRef;
    CFMutableArrayRef TextHalftonePPDInfoArrayRef;
    CFMutableArrayRef TextEdgeEnhancePPDInfoArrayRef;
    CFMutableArrayRef TextDestinationProfilePPDInfoArrayRef;
    CFMutableArrayRef GraphicsRGBSourcePPDInfoArrayRef;
    CFMutableArrayRef GraphicsRenderIntentPPDInfoArrayRef;
    CFMutableArrayRef GraphicsGrayTreatmentPPDInfoArrayRef;
    CFMutableArrayRef GraphicsHalftonePPDInfoArrayRef;
    CFMutableArrayRef GraphicsEdgeEnhancePPDInfoArrayRef;
    CFMutableArrayRef GraphicsDestinationProfilePPDInfoArrayRef;
    CFMutableArrayRef SimulationSourcePPDInfoArrayRef;
    CFMutableArrayRef SimulationRenderIntentPPDInfoArrayRef;
    CFMutableArrayRef SimulationGrayTreatmentPPDInfoArrayRef;
};

// Localized control titles; owned by the context.
struct TitleStrings {
    CFStringRef QuickColorTitleStringRef;
    CFStringRef BrightnessTitleStringRef;
    CFStringRef ColorAsGrayTitleStringRef;
    CFStringRef ColorSeparationTitleStringRef;
    CFStringRef EconoModeTitleStringRef;
    CFStringRef EdgeTypeTitleStringRef;
    CFStringRef StandardButtonTitleStringRef;
    CFStringRef AdvancedButtonTitleStringRef;
    CFStringRef ManagementProfileButtonTitleStringRef;
    CFStringRef DownloadManagerButtonTitleStringRef;
    CFStringRef ImageRGBSourceTitleStringRef;
    CFStringRef ImageRenderIntentTitleStringRef;
    CFStringRef ImageGrayTreatmentTitleStringRef;
    CFStringRef ImageHalftoneTitleStringRef;
    CFStringRef ImageEdgeEnhanceTitleStringRef;
    CFStringRef ImageDestinationProfileTitleStringRef;
    CFStringRef TextRGBSourceTitleStringRef;
    CFStringRef TextRenderIntentTitleStringRef;
    CFStringRef TextGrayTreatmentTitleStringRef;
    CFStringRef TextHalftoneTitleStringRef;
    CFStringRef TextEdgeEnhanceTitleStringRef;
    CFStringRef TextDestinationProfileStringRef;
    CFStringRef GraphicsRGBSourceTitleStringRef;
    CFStringRef GraphicsRenderIntentTitleStringRef;
    CFStringRef GraphicsGrayTreatmentTitleStringRef;
    CFStringRef GraphicsHalftoneTitleStringRef;
    CFStringRef GraphicsEdgeEnhanceTitleStringRef;
    CFStringRef GraphicsDestinationProfileTitleStringRef;
    CFStringRef SimulationSourceTitleStringRef;
    CFStringRef SimulationRenderIntentTitleStringRef;
    CFStringRef SimulationGrayTreatmentTitleStringRef;
};

enum { kProfilePopupCount = 7 };

struct CustomContext {
    ControlRef controls[kControlSlotCount];
    ProfileWindowControls profileControls;
    PopupMenus menus;
    PPDArrays ppdarrays;
    SInt32 currentTab;
    TitleStrings titles;
    EventHandlerUPP dispatchHandlerUPP;
    WindowRef hostWindow;
    ControlRef hostPane;
    IBNibRef profileNibRef;
    WindowRef profileWindow;
    SInt32 profileClass;
    UInt8 pasteHandled;
    SInt32 editMode;
    UInt32 selectedItemID;
    IconRef printerIconRef;
    PMPrintSession printSession;
    SInt32 profileMenuBaseCounts[kProfilePopupCount];
    ControlRef focusedEditControl;
    SInt32 focusedEditControlID;
    SInt32 inlineInputFixLength;
    SInt32 inlineInputTextLength;
    SInt32 inlineInputScript;
    SInt32 inlineInputUpdateCount;
};

// A new zero-filled context, or null when memory runs out.
CustomContext *MyCreateCustomContext(void);
// Releases the titles, then the choice arrays, then frees the record.
void MyReleaseCustomContext(CustomContext *context);
