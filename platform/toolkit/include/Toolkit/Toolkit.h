// A headless user-interface toolkit: windows built from resource files in a
// bundle, a tree of controls with values, states and titles, popup menus,
// event targets with handlers, a modal loop, and the user-input calls that do
// what a person's click or keystroke does.  A desktop view can mirror the model
// through its observers.
#pragma once

#include <CoreFoundation/CoreFoundation.h>

typedef struct OpaqueControlRef *ControlRef;
typedef struct OpaqueWindowPtr *WindowRef;
typedef struct OpaqueMenuRef *MenuRef;
typedef struct OpaqueIBNibRef *IBNibRef;
typedef struct OpaqueEventRef *EventRef;
typedef struct OpaqueEventHandlerRef *EventHandlerRef;
typedef struct OpaqueEventHandlerCallRef *EventHandlerCallRef;
typedef struct OpaqueEventTargetRef *EventTargetRef;
typedef struct OpaqueIconRef *IconRef;

typedef OSStatus (*EventHandlerProcPtr)(EventHandlerCallRef inHandlerCallRef, EventRef inEvent, void *inUserData);
typedef EventHandlerProcPtr EventHandlerUPP;

typedef UInt16 MenuItemIndex;
typedef UInt32 MenuItemAttributes;
typedef UInt32 MenuCommand;
typedef SInt16 ControlPartCode;
typedef UInt32 WindowRegionCode;
typedef UInt32 EventParamName;
typedef UInt32 EventParamType;
typedef unsigned long ByteCount;
typedef long Size;

struct ControlID {
    OSType signature;
    SInt32 id;
};

struct ControlKind {
    OSType signature;
    OSType kind;
};

struct EventTypeSpec {
    UInt32 eventClass;
    UInt32 eventKind;
};

struct HICommand {
    UInt32 attributes;
    UInt32 commandID;
    struct {
        MenuRef menuRef;
        MenuItemIndex menuItemIndex;
    } menu;
};

enum {
    eventNotHandledErr = -9874,
    eventParameterNotFoundErr = -9870,
    eventInternalErr = -9868,
    eventLoopQuitErr = -9876,
    errUnknownControl = -30584,
    errInvalidWindowRef = -5600,
    errControlDoesntSupportFocus = -30582,
    errDataNotSupported = -4474,
    controlPropertyNotFoundErr = -5603,
    menuItemNotFoundErr = -5622,
    errInvalidControlForUserInput = -30599, // user input on a hidden or disabled control
};

// Event classes and kinds.
enum {
    kEventClassControl = FourCC("cntl"),
    kEventClassCommand = FourCC("cmds"),
    kEventClassKeyboard = FourCC("keyb"),
    kEventClassTextInput = FourCC("text"),
    kEventClassWindow = FourCC("wind"),
};
enum {
    kEventControlHit = 1,
    kEventControlDraw = 4,
    kEventControlSetFocusPart = 7,
    kEventControlDeactivate = 10,
    kEventControlValueFieldChanged = 151,
    kEventCommandProcess = 1,
    kEventRawKeyDown = 1,
    kEventRawKeyRepeat = 2,
    kEventTextInputUpdateActiveInputArea = 1,
    kEventTextInputUnicodeForKeyEvent = 2,
    kEventTextInputShowHideBottomWindow = 5,
    kEventTextInputGetSelectedText = 6,
    kEventTextInputUnicodeText = 7,
};

// Event parameters and their types.
enum {
    kEventParamDirectObject = FourCC("----"),
    kEventParamControlPart = FourCC("cprt"),
    kEventParamKeyMacCharCodes = FourCC("kchr"),
    kEventParamKeyCode = FourCC("kcod"),
    kEventParamKeyModifiers = FourCC("kmod"),
    kEventParamTextInputSendText = FourCC("tstx"),
    kEventParamTextInputSendFixLen = FourCC("tsfx"),
    kEventParamTextInputSendKeyboardEvent = FourCC("tske"),
    kEventParamTextInputSendShowHide = FourCC("tssh"),
    typeControlRef = FourCC("ctrl"),
    typeHICommand = FourCC("hcmd"),
    typeChar = FourCC("TEXT"),
    typeUInt32 = FourCC("magn"),
    typeLongInteger = FourCC("long"),
    typeSInt16 = FourCC("shor"),
    typeUnicodeText = FourCC("utxt"),
    typeEventRef = FourCC("evrf"),
    typeBoolean = FourCC("bool"),
};

// Control kinds (ControlKind.kind; the signature is 'appl').
enum {
    kControlKindSignatureApple = FourCC("appl"),
    kControlKindPushButton = FourCC("push"),
    kControlKindCheckBox = FourCC("cbox"),
    kControlKindPopupButton = FourCC("popb"),
    kControlKindTabs = FourCC("tabs"),
    kControlKindUserPane = FourCC("upan"),
    kControlKindGroupBox = FourCC("grpb"),
    kControlKindStaticText = FourCC("stxt"),
    kControlKindEditUnicodeText = FourCC("eutx"),
    kControlKindDataBrowser = FourCC("datb"),
    kControlKindRoot = FourCC("root"),
};

enum { kWindowContentRgn = 33, kWindowStructureRgn = 32 };

// Control data tags of edit fields.  'text' carries the text as UTF-8 bytes
// (no terminator); 'cfst' a CFStringRef (GetControlData hands out +1); 'sele'
// a ControlEditTextSelectionRec in UTF-16 units.  Setting the text puts the
// caret at its end.  Other tags are stored and returned as given.
enum {
    kControlEditTextTextTag = FourCC("text"),
    kControlEditTextCFStringTag = FourCC("cfst"),
    kControlEditTextSelectionTag = FourCC("sele"),
    kControlEditTextSingleLineTag = FourCC("sglc"),
    kControlEditTextKeyScriptBehaviorTag = FourCC("kscr"),
};
struct ControlEditTextSelectionRec {
    SInt16 selStart;
    SInt16 selEnd;
};
enum { kControlEntireControl = 0, kControlEditTextPart = 5 };

// ---- Windows from resource files ------------------------------------------------
// A resource file is Contents/Resources/<name>.nib.plist in the bundle: an XML
// property list describing the file's windows and their control trees.
OSStatus CreateNibReferenceWithCFBundle(CFBundleRef bundle, CFStringRef nibName, IBNibRef *outNibRef);
void DisposeNibReference(IBNibRef nibRef);
OSStatus CreateWindowFromNib(IBNibRef nibRef, CFStringRef windowName, WindowRef *outWindow);
// A new empty window with the given content bounds (for hosts).
OSStatus CreateNewWindow(UInt32 windowClass, UInt32 attributes, const Rect *contentBounds, WindowRef *outWindow);
// A user pane (a plain container) embedded in the window's root control.
OSStatus CreateUserPaneControl(WindowRef window, const Rect *bounds, UInt32 features, ControlRef *outControl);
// Disposes of the window and the controls still in it; references to them
// stay harmless (calls with them fail or do nothing).
void DisposeWindow(WindowRef window);
// Showing a hidden window draws its visible controls (as TKDrawWindow).
void ShowWindow(WindowRef window);
void HideWindow(WindowRef window);
Boolean IsWindowVisible(WindowRef window);
OSStatus GetRootControl(WindowRef window, ControlRef *outControl);
OSStatus GetWindowBounds(WindowRef window, WindowRegionCode regionCode, Rect *globalBounds);
// Finds a control anywhere in the window's tree.
OSStatus GetControlByID(WindowRef window, const ControlID *inID, ControlRef *outControl);

// ---- Controls -------------------------------------------------------------------
SInt32 GetControl32BitValue(ControlRef control);
void SetControl32BitValue(ControlRef control, SInt32 value);   // clamped to minimum..maximum
SInt32 GetControl32BitMaximum(ControlRef control);
void SetControl32BitMaximum(ControlRef control, SInt32 maximum); // value clamped
SInt32 GetControl32BitMinimum(ControlRef control);
void SetControl32BitMinimum(ControlRef control, SInt32 minimum); // value clamped
SInt16 GetControlValue(ControlRef control);
void SetControlValue(ControlRef control, SInt16 value);
SInt16 GetControlMaximum(ControlRef control);
void SetControlMaximum(ControlRef control, SInt16 maximum);
SInt16 GetControlMinimum(ControlRef control);
void SetControlMinimum(ControlRef control, SInt16 minimum);
OSStatus EnableControl(ControlRef control);
OSStatus DisableControl(ControlRef control);
Boolean IsControlEnabled(ControlRef control);
// doDraw: when the control becomes visible (and its containers are), it and its
// visible embedded controls are drawn, each receiving its own draw event.
OSErr SetControlVisibility(ControlRef control, Boolean isVisible, Boolean doDraw);
// The control's own flag and every container's.
Boolean IsControlVisible(ControlRef control);
OSStatus SetControlTitleWithCFString(ControlRef control, CFStringRef title);
OSStatus CopyControlTitleAsCFString(ControlRef control, CFStringRef *outTitle);
Rect *GetControlBounds(ControlRef control, Rect *bounds);
void SetControlBounds(ControlRef control, const Rect *bounds);
// Moves the control (with what it holds) into container, possibly of another
// window; it then belongs to the container's window.
OSErr EmbedControl(ControlRef control, ControlRef container);
OSErr GetSuperControl(ControlRef control, ControlRef *outParent);
OSErr CountSubControls(ControlRef control, UInt16 *outNumChildren);
OSErr GetIndexedSubControl(ControlRef control, UInt16 index, ControlRef *outSubControl); // index from 1
WindowRef GetControlOwner(ControlRef control);
OSStatus GetControlID(ControlRef control, ControlID *outID);
OSStatus GetControlKind(ControlRef control, ControlKind *outKind);
// Sends a draw event to the control, then to each of its visible embedded
// controls (only while the control is visible).
void Draw1Control(ControlRef control);
// The content area of a tab control (its bounds less the tab strip).
OSStatus GetTabContentRect(ControlRef tabControl, Rect *outContentRect);
// Edit fields keep their text, selection and other data under a tag.
OSErr GetControlData(ControlRef control, ControlPartCode part, ResType tagName, Size bufferSize, void *buffer, Size *actualSize);
OSErr SetControlData(ControlRef control, ControlPartCode part, ResType tagName, Size size, const void *data);
OSStatus GetControlDataSize(ControlRef control, ControlPartCode part, ResType tagName, Size *outSize);

// ---- Popup menus -----------------------------------------------------------------
MenuRef GetControlPopupMenuHandle(ControlRef control);
UInt16 CountMenuItems(MenuRef menu);
void DeleteMenuItems(MenuRef menu, MenuItemIndex firstItem, ItemCount numItems);
OSStatus AppendMenuItemTextWithCFString(MenuRef menu, CFStringRef text, MenuItemAttributes attributes,
                                        MenuCommand commandID, MenuItemIndex *outNewItem);
// menuItemNotFoundErr for an item outside 1..count.
OSStatus CopyMenuItemTextAsCFString(MenuRef menu, MenuItemIndex item, CFStringRef *outString);

// ---- Events ----------------------------------------------------------------------
EventHandlerUPP NewEventHandlerUPP(EventHandlerProcPtr proc);
void DisposeEventHandlerUPP(EventHandlerUPP upp);
EventTargetRef GetControlEventTarget(ControlRef control);
EventTargetRef GetWindowEventTarget(WindowRef window);
OSStatus InstallEventHandler(EventTargetRef target, EventHandlerUPP handler, ItemCount numTypes,
                             const EventTypeSpec *list, void *userData, EventHandlerRef *outRef);
OSStatus RemoveEventHandler(EventHandlerRef handler);
// Passes the event to the handlers below the calling one on the same target.
OSStatus CallNextEventHandler(EventHandlerCallRef callRef, EventRef event);

OSStatus CreateEvent(CFAllocatorRef alloc, UInt32 eventClass, UInt32 eventKind, double when, UInt32 flags, EventRef *outEvent);
void ReleaseEvent(EventRef event);
UInt32 GetEventClass(EventRef event);
UInt32 GetEventKind(EventRef event);
OSStatus SetEventParameter(EventRef event, EventParamName name, EventParamType type, ByteCount size, const void *data);
// eventParameterNotFoundErr when the event lacks the parameter or holds it
// under another type; errDataNotSupported when bufferSize is too small.
OSStatus GetEventParameter(EventRef event, EventParamName name, EventParamType desiredType, EventParamType *actualType,
                           ByteCount bufferSize, ByteCount *actualSize, void *outData);
// Dispatch: the target's handlers newest first, each passing on by returning
// eventNotHandledErr; then the target's standard behaviour.  For a control,
// hit, value-changed, command, keyboard and text events travel on to the
// container, the containers above it and the window; a draw event ends at the
// control drawn, as do set-focus-part and deactivate, which concern only it.  Returns the status of the handler that took the event, or
// eventNotHandledErr.
OSStatus SendEventToEventTarget(EventRef event, EventTargetRef target);

// ---- Modal loop --------------------------------------------------------------------
// Headless: the loop calls the driver installed with TKSetModalDriver, which
// acts as the person at the keyboard; the loop ends when QuitAppModalLoopForWindow
// is called for the window, or, if the driver returns without that, with
// eventLoopQuitErr.  Loops nest.
OSStatus RunAppModalLoopForWindow(WindowRef window);
OSStatus QuitAppModalLoopForWindow(WindowRef window);
typedef void (*TKModalDriver)(WindowRef window, void *userData);
void TKSetModalDriver(TKModalDriver driver, void *userData);
// Number of modal loops running now.
int TKModalDepth(void);

// ---- Icons and files (headless stand-ins) -----------------------------------------
struct FSRef {
    UInt8 hidden[80];
};
OSStatus FSPathMakeRef(const UInt8 *path, FSRef *ref, Boolean *isDirectory);
OSStatus RegisterIconRefFromFSRef(OSType creator, OSType iconType, const FSRef *iconFile, IconRef *theIconRef);
OSStatus ReleaseIconRef(IconRef icon);
OSStatus LSOpenFSRef(const FSRef *inRef, FSRef *outLaunchedRef);

// ---- User input -------------------------------------------------------------------
// What a person's action does, in the toolkit's order.  Each fails with
// errInvalidControlForUserInput, doing nothing, when the control is hidden or
// disabled (itself or a container), or while a modal loop runs for another
// window.  The value-changed event is sent only when the value changed.
//  - push button (and other kinds): a hit event.
//  - check box: value toggled (or set to value when value >= 0), a
//    value-changed event, then a hit event.
//  - popup: value set to item (1..count; paramErr outside), value-changed, hit.
//  - tab control: value set to tab (1..count), value-changed, hit.
OSStatus TKUserClick(ControlRef control, SInt32 value);
// A command event (kEventCommandProcess, HICommand with commandID) sent to the
// window's event target; returns the dispatch status.
OSStatus TKUserSendCommand(WindowRef window, UInt32 commandID);
// Draws every visible control of the window, as a host does when it shows it.
void TKDrawWindow(WindowRef window);

// The name a control carries in its resource ("QuickColorPopup"); null when it
// has none.  Not retained for the caller.
CFStringRef TKGetControlName(ControlRef control);
// Finds a control by resource name anywhere in the window's tree.
ControlRef TKFindControlByName(WindowRef window, const char *name);

// ---- Observers ---------------------------------------------------------------------
enum TKChange {
    kTKChangeValue = 1,
    kTKChangeMinimum,
    kTKChangeMaximum,
    kTKChangeEnabled,
    kTKChangeVisible,
    kTKChangeTitle,
    kTKChangeItems,
    kTKChangeText,
    kTKChangeBounds,
    kTKChangeEmbedding,
    kTKChangeDisposed,
};
// Observers should only read the model.  kTKChangeDisposed comes
// just before the control goes (it can still be read); showing or hiding a
// window comes as kTKChangeVisible of its root control.
typedef void (*TKObserver)(ControlRef control, TKChange change, void *userData);
// Called after every change of any control; returns an id for removal.
int TKAddObserver(TKObserver observer, void *userData);
void TKRemoveObserver(int observerID);
