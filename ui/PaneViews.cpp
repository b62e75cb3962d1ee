// The standard and advanced views: moving their controls from the resource
// windows into the host's pane, titling and wiring them, and the handlers that
// switch views and tabs.
#include "PaneViews.h"

#include "Constraints.h"
#include "DebugMessage.h"
#include "OptionCatalog.h"
#include "PluginShell.h"
#include "ProfileMenus.h"

namespace {

// Where a control goes when its view is built.
enum Placement {
    kIntoHostPane,      // placed and embedded into the host's pane
    kIntoViewPane,      // placed and embedded into the view's container (the table's first row)
    kStaysInTab,        // part of the tab control: only looked up, titled and shown
};

// One control of a view: its ID, where the context keeps it and its title,
// where it goes, its handler and whether it ends up visible.
struct EmbedStep {
    SInt32 id;
    ControlSlot slot;
    const char *titleKey;                // null: keeps the resource's title
    CFStringRef TitleStrings::*title;
    Placement placement;
    EventHandlerProcPtr handler;         // null: none of its own
    const EventTypeSpec *events;
    ItemCount eventCount;
    Boolean visible;
};

const EventTypeSpec kContainerEvents[] = {
    {kEventClassControl, kEventControlHit},
    {kEventClassControl, kEventControlDraw},
    {kEventClassCommand, kEventCommandProcess},
};
const EventTypeSpec kTabEvents[] = {
    {kEventClassControl, kEventControlHit},
    {kEventClassCommand, kEventCommandProcess},
};
const EventTypeSpec kHitEvent[] = {
    {kEventClassControl, kEventControlHit},
};

#define EVENTS(list) list, sizeof(list) / sizeof(list[0])
#define NO_HANDLER nullptr, nullptr, 0
#define TITLED(key, member) key, &TitleStrings::member
#define UNTITLED nullptr, nullptr

// Standard view ("ColorOptions", window "MainWindow"), in processing order.
const EmbedStep kStandardSteps[] = {
    {1006, kStandardOptionsPaneSlot, UNTITLED, kIntoHostPane, ColorPresetsEventHandlerProc, EVENTS(kContainerEvents), TRUE},
    {1000, kQuickColorPopupSlot, TITLED("Quick Color:", QuickColorTitleStringRef), kIntoViewPane, NO_HANDLER, TRUE},
    {1010, kBrightnessPopupSlot, TITLED("Brightness:", BrightnessTitleStringRef), kIntoViewPane, NO_HANDLER, TRUE},
    {1004, kColorAsGrayCheckBoxSlot, TITLED("Color as Grayscale", ColorAsGrayTitleStringRef), kIntoViewPane, NO_HANDLER, TRUE},
    {1005, kGoToAdvancedOptionsButtonSlot, TITLED("Advanced Color Options", StandardButtonTitleStringRef), kIntoViewPane, NO_HANDLER, TRUE},
    {1009, kColorSeparationCheckBoxSlot, TITLED("Color Separation", ColorSeparationTitleStringRef), kIntoViewPane, NO_HANDLER, TRUE},
    {1011, kEconoModeCheckBoxSlot, TITLED("EconoMode", EconoModeTitleStringRef), kIntoViewPane, NO_HANDLER, TRUE},
    {1012, kEdgeTypePopupSlot, TITLED("EdgeType:", EdgeTypeTitleStringRef), kIntoViewPane, NO_HANDLER, TRUE},
};

// Advanced view ("AdvancedOptions", window "Advanced Color Options"), in
// processing order.  The Manage Profile button gets its handler together with
// the Profile Management window; until then its hits travel on like any other.
const EmbedStep kAdvancedSteps[] = {
    {1502, kAdvancedOptionsPaneSlot, UNTITLED, kIntoHostPane, AdvancedOptionsEventHandlerProc, EVENTS(kContainerEvents), TRUE},
    {1501, kGoToStandardOptionsButtonSlot, TITLED("Hide Advanced Options", AdvancedButtonTitleStringRef), kIntoViewPane, NO_HANDLER, TRUE},
    {1503, kManageProfileButtonSlot, TITLED("Management Profile", ManagementProfileButtonTitleStringRef), kIntoViewPane, NO_HANDLER, TRUE},
    {1504, kDownloadManagerButtonSlot, TITLED("Download Manager", DownloadManagerButtonTitleStringRef), kIntoViewPane, DownloadManagerButtonEventHandlerProc, EVENTS(kHitEvent), FALSE},
    {1104, kImageTabPaneSlot, UNTITLED, kStaysInTab, NO_HANDLER, TRUE},
    {1100, kImageRGBSourcePopupSlot, TITLED("RGB Source:", ImageRGBSourceTitleStringRef), kStaysInTab, NO_HANDLER, TRUE},
    {1101, kImageRenderIntentPopupSlot, TITLED("RGB Intent:", ImageRenderIntentTitleStringRef), kStaysInTab, NO_HANDLER, TRUE},
    {1102, kImageGrayTreatmentPopupSlot, TITLED("RGB Gray Treatment:", ImageGrayTreatmentTitleStringRef), kStaysInTab, NO_HANDLER, TRUE},
    {1105, kImageDestinationProfilePopupSlot, TITLED("Destination Profile:", ImageDestinationProfileTitleStringRef), kStaysInTab, NO_HANDLER, TRUE},
    {1103, kImageHalftonePopupSlot, TITLED("Halftone:", ImageHalftoneTitleStringRef), kStaysInTab, NO_HANDLER, TRUE},
    {1107, kImageEdgeEnhancePopupSlot, TITLED("EdgeEnhance:", ImageEdgeEnhanceTitleStringRef), kStaysInTab, NO_HANDLER, TRUE},
    {1205, kGraphicsTabPaneSlot, UNTITLED, kStaysInTab, NO_HANDLER, TRUE},
    {1200, kGraphicsRGBSourcePopupSlot, TITLED("RGB Source:", GraphicsRGBSourceTitleStringRef), kStaysInTab, NO_HANDLER, TRUE},
    {1201, kGraphicsRenderIntentPopupSlot, TITLED("RGB Intent:", GraphicsRenderIntentTitleStringRef), kStaysInTab, NO_HANDLER, TRUE},
    {1202, kGraphicsGrayTreatmentPopupSlot, TITLED("RGB Gray Treatment:", GraphicsGrayTreatmentTitleStringRef), kStaysInTab, NO_HANDLER, TRUE},
    {1206, kGraphicsDestinationProfilePopupSlot, TITLED("Destination Profile:", GraphicsDestinationProfileTitleStringRef), kStaysInTab, NO_HANDLER, TRUE},
    {1203, kGraphicsHalftonePopupSlot, TITLED("Halftone:", GraphicsHalftoneTitleStringRef), kStaysInTab, NO_HANDLER, TRUE},
    {1207, kGraphicsEdgeEnhancePopupSlot, TITLED("EdgeEnhance:", GraphicsEdgeEnhanceTitleStringRef), kStaysInTab, NO_HANDLER, TRUE},
    {1304, kTextTabPaneSlot, UNTITLED, kStaysInTab, NO_HANDLER, TRUE},
    {1300, kTextRGBSourcePopupSlot, TITLED("RGB Source:", TextRGBSourceTitleStringRef), kStaysInTab, NO_HANDLER, TRUE},
    {1301, kTextRenderIntentPopupSlot, TITLED("RGB Intent:", TextRenderIntentTitleStringRef), kStaysInTab, NO_HANDLER, TRUE},
    {1302, kTextGrayTreatmentPopupSlot, TITLED("RGB Gray Treatment:", TextGrayTreatmentTitleStringRef), kStaysInTab, NO_HANDLER, TRUE},
    {1305, kTextDestinationProfilePopupSlot, TITLED("Destination Profile:", TextDestinationProfileStringRef), kStaysInTab, NO_HANDLER, TRUE},
    {1303, kTextHalftonePopupSlot, TITLED("Halftone:", TextHalftoneTitleStringRef), kStaysInTab, NO_HANDLER, TRUE},
    {1307, kTextEdgeEnhancePopupSlot, TITLED("EdgeEnhance:", TextEdgeEnhanceTitleStringRef), kStaysInTab, NO_HANDLER, TRUE},
    {1403, kSimulationTabPaneSlot, UNTITLED, kStaysInTab, NO_HANDLER, TRUE},
    {1400, kSimulationSourcePopupSlot, TITLED("Simulation Profile:", SimulationSourceTitleStringRef), kStaysInTab, NO_HANDLER, TRUE},
    {1401, kSimulationRenderIntentPopupSlot, TITLED("Match Paper Color:", SimulationRenderIntentTitleStringRef), kStaysInTab, NO_HANDLER, TRUE},
    {1402, kSimulationGrayTreatmentPopupSlot, TITLED("CMYK Gray Treatment:", SimulationGrayTreatmentTitleStringRef), kStaysInTab, NO_HANDLER, TRUE},
    {1500, kAdvancedOptionsTabSlot, UNTITLED, kIntoViewPane, TabEventHandlerProc, EVENTS(kTabEvents), TRUE},
};

#undef EVENTS
#undef NO_HANDLER
#undef TITLED
#undef UNTITLED

// The panes of tabs 1 to 4.
const ControlSlot kTabPaneSlots[] = {kImageTabPaneSlot, kTextTabPaneSlot, kGraphicsTabPaneSlot, kSimulationTabPaneSlot};
constexpr SInt32 kTabCount = SInt32(sizeof(kTabPaneSlots) / sizeof(kTabPaneSlots[0]));

// Sets the control's localized title from the bundle's string table and keeps
// the string in the context; a missing string leaves the resource's title.
void SetLocalizedTitle(CustomContext *context, const EmbedStep &step, ControlRef control)
{
    CFStringRef &member = context->titles.*(step.title);
    if (member != nullptr) {
        CFRelease(member);
        member = nullptr;
    }
    CFBundleRef bundle = MyGetBundle();
    CFStringRef key = CFStringCreateWithCString(kCFAllocatorDefault, step.titleKey, kCFStringEncodingUTF8);
    if (bundle != nullptr && key != nullptr)
        member = CFBundleCopyLocalizedString(bundle, key, key, CFSTR("Localizable"));
    if (key != nullptr)
        CFRelease(key);
    if (member != nullptr)
        SetControlTitleWithCFString(control, member);
}

// Builds one view from the resource window: each row's control is looked up,
// stored, placed, embedded, titled, wired and shown or hidden.  Stops at the
// first failing lookup or embedding and returns its status; 0 when all went.
OSStatus EmbedView(CustomContext *context, WindowRef window, ControlRef hostPane, const EmbedStep *steps,
                   size_t count)
{
    if (context == nullptr)
        return paramErr;
    WindowRef owner = GetControlOwner(hostPane);
    ControlRef viewPane = nullptr;
    OSStatus status = noErr;
    for (size_t i = 0; i < count; ++i) {
        const EmbedStep &step = steps[i];
        const ControlID id = {kPaneSignature, step.id};
        ControlRef control = nullptr;
        status = GetControlByID(window, &id, &control);
        context->controls[step.slot] = control;
        if (status == noErr && control == nullptr)
            status = errUnknownControl;
        if (status != noErr)
            return status;
        if (i == 0)
            viewPane = control;

        if (step.placement != kStaysInTab) {
            AdjustControlBounds(window, hostPane, control);
            status = EmbedControl(control, step.placement == kIntoHostPane ? hostPane : viewPane);
        }
        if (step.titleKey != nullptr)
            SetLocalizedTitle(context, step, control);
        if (step.visible)
            SetControlVisibility(control, TRUE, FALSE);
        if (step.handler != nullptr)
            InstallEventHandler(GetControlEventTarget(control), NewEventHandlerUPP(step.handler), step.eventCount,
                                step.events, owner, nullptr);
        if (!step.visible)
            SetControlVisibility(control, FALSE, FALSE);
        if (status != noErr)
            return status;
    }
    return status;
}

// The pane shown for tab v (1..4) of the current context, or null.
ControlRef TabPane(const CustomContext *context, SInt32 tab)
{
    if (tab < 1 || tab > kTabCount)
        return nullptr;
    return context->controls[kTabPaneSlots[tab - 1]];
}

// Gives the four tab panes the tab control's content area, shows tab 1's pane
// only and selects tab 1.
void SetUpTabs(CustomContext *context)
{
    ControlRef tab = context->controls[kAdvancedOptionsTabSlot];
    Rect content;
    if (GetTabContentRect(tab, &content) == noErr)
        for (ControlSlot slot : kTabPaneSlots)
            SetControlBounds(context->controls[slot], &content);
    for (SInt32 t = 2; t <= kTabCount; ++t)
        SetControlVisibility(TabPane(context, t), FALSE, TRUE);
    SetControlValue(tab, 1);
    context->currentTab = 1;
}

// Traces the image popups' values after a view switch.
void TraceImagePopups(const CustomContext *context)
{
    static const struct {
        const char *label;
        ControlSlot slot;
    } kTraced[] = {
        {"imagerendintent=", kImageRenderIntentPopupSlot}, {"imageRGBsrc=", kImageRGBSourcePopupSlot},
        {"imgGrayTreat=", kImageGrayTreatmentPopupSlot},   {"ImgHalftone=", kImageHalftonePopupSlot},
        {"ImgEdgeEnhance=", kImageEdgeEnhancePopupSlot},
    };
    for (const auto &t : kTraced)
        MyDebugMessage(t.label, GetControlValue(context->controls[t.slot]));
}

} // namespace

// Builds the standard view into the host's pane.  0, or the status of the
// first lookup or embedding that failed.
OSStatus MyEmbedCustomControlsFromStandardOptionsWindow(CustomContext *context, WindowRef window, ControlRef hostPane)
{
    OSStatus status = EmbedView(context, window, hostPane, kStandardSteps, sizeof(kStandardSteps) / sizeof(kStandardSteps[0]));
    MyDebugMessage("[CUS] MyEmbedCustomControlsFromStandardOptionsWindow", status);
    return status;
}

// Builds the advanced view into the host's pane, sets up its tabs and hides
// it, so that the standard view is the one shown.  0, or the status of the
// first lookup or embedding that failed (the view is hidden all the same).
OSStatus MyEmbedCustomControlsFromAdvancedOptionsWindow(CustomContext *context, WindowRef window, ControlRef hostPane)
{
    OSStatus status = EmbedView(context, window, hostPane, kAdvancedSteps, sizeof(kAdvancedSteps) / sizeof(kAdvancedSteps[0]));
    if (context == nullptr)
        return status;
    if (status == noErr)
        SetUpTabs(context);
    SetControlVisibility(context->controls[kAdvancedOptionsPaneSlot], FALSE, TRUE);
    MyDebugMessage("[CUS] MyEmbedCustomControlsFromAdvancedOptionsWindow", status);
    return status;
}

// Moves a control from the resource window's layout into the host's pane:
// centred in each direction in which the pane is larger than the window,
// from the pane's top or left edge where it is smaller.  Always 0.
OSStatus AdjustControlBounds(WindowRef window, ControlRef hostPane, ControlRef control)
{
    Rect windowBounds = {};
    Rect paneBounds = {};
    Rect bounds = {};
    GetWindowBounds(window, kWindowContentRgn, &windowBounds);
    GetControlBounds(hostPane, &paneBounds);
    GetControlBounds(control, &bounds);
    // int arithmetic: 16-bit coordinates cannot overflow it, and / truncates toward zero.
    int dx = ((paneBounds.right - paneBounds.left) - (windowBounds.right - windowBounds.left)) / 2;
    int dy = ((paneBounds.bottom - paneBounds.top) - (windowBounds.bottom - windowBounds.top)) / 2;
    int h = dx >= 0 ? paneBounds.left + dx : paneBounds.left;
    int v = dy >= 0 ? paneBounds.top + dy : paneBounds.top;
    OffsetRect(&bounds, SInt16(h), SInt16(v));
    SetControlBounds(control, &bounds);
    return noErr;
}

// Shows the pane of the tab just selected and hides the previous one.
// Always passes the event on.
OSStatus TabEventHandlerProc(EventHandlerCallRef callRef, EventRef event, void *userData)
{
    CustomContext *context = MyCurrentContext();
    if (context == nullptr)
        return eventNotHandledErr;
    ControlRef tab = context->controls[kAdvancedOptionsTabSlot];
    SInt32 selected = GetControlValue(tab);
    if (selected == context->currentTab || TabPane(context, selected) == nullptr)
        return eventNotHandledErr;
    SetControlVisibility(TabPane(context, context->currentTab), FALSE, TRUE);
    SetControlVisibility(TabPane(context, selected), TRUE, TRUE);
    Draw1Control(tab);
    context->currentTab = selected;
    return eventNotHandledErr;
}

// Runs the constraint rules for every event of the advanced view.  Always
// passes the event on.
OSStatus AdvancedOptionsEventHandlerProc(EventHandlerCallRef callRef, EventRef event, void *userData)
{
    if (MyCurrentContext() != nullptr)
        vColorPresetConstraints();
    return eventNotHandledErr;
}

// Switches between the views on a hit of either view's button; leaving the
// advanced view keeps its popups' values as the Custom preset.  Always passes
// the event on.
OSStatus PDESizeDispatchEventHandler(EventHandlerCallRef callRef, EventRef event, void *userData)
{
    if (GetEventClass(event) != kEventClassControl || GetEventKind(event) != kEventControlHit)
        return eventNotHandledErr;
    ControlRef control = nullptr;
    if (GetEventParameter(event, kEventParamDirectObject, typeControlRef, nullptr, sizeof(control), nullptr,
                          &control) != noErr ||
        control == nullptr)
        return eventNotHandledErr;
    // The host's pane can outlive the instance: without a current pane there is nothing to switch.
    CustomContext *context = MyCurrentContext();
    if (context == nullptr)
        return eventNotHandledErr;
    ControlRef standardPane = context->controls[kStandardOptionsPaneSlot];
    ControlRef advancedPane = context->controls[kAdvancedOptionsPaneSlot];
    if (control == context->controls[kGoToStandardOptionsButtonSlot]) {
        vGetCustomProfilesAsCurrent();
        SetControlVisibility(standardPane, TRUE, TRUE);
        SetControlVisibility(advancedPane, FALSE, TRUE);
        TraceImagePopups(context);
    } else if (control == context->controls[kGoToAdvancedOptionsButtonSlot]) {
        SetControlVisibility(standardPane, FALSE, TRUE);
        SetControlVisibility(advancedPane, TRUE, TRUE);
        TraceImagePopups(context);
    }
    return eventNotHandledErr;
}

// Opens the download manager application.  The status of finding it or of
// opening it.
OSStatus DownloadManagerButtonEventHandlerProc(EventHandlerCallRef callRef, EventRef event, void *userData)
{
    static const char kDownloadManagerPath[] = "/Applications/Download Manager QV17/Download Manager.app";
    FSRef ref;
    OSStatus status = FSPathMakeRef(reinterpret_cast<const UInt8 *>(kDownloadManagerPath), &ref, nullptr);
    if (status != noErr)
        return status;
    return LSOpenFSRef(&ref, nullptr);
}
