// The seven host operations of the pane and the bundle and title caches.
#include "PluginShell.h"

#include <cstdlib>

#include "DebugMessage.h"
#include "Help.h"
#include "PPDAccess.h"
#include "PaneViews.h"
#include "PopupMenus.h"

PDEInstance *globalContext = nullptr;

namespace {

CFBundleRef sBundle = nullptr;
CFStringRef sTitle = nullptr;

PDEInstance *AsInstance(PMPDEContext context)
{
    return static_cast<PDEInstance *>(context);
}

// Builds one view from a window of a resource file into the host's pane.
// Returns the status of opening the file, the window and the embedding.
OSStatus EmbedViewFromNib(PDEInstance *instance, CFStringRef nibName, CFStringRef windowName,
                          OSStatus (*embed)(CustomContext *, WindowRef, ControlRef))
{
    IBNibRef nib = nullptr;
    OSStatus status = CreateNibReferenceWithCFBundle(MyGetBundle(), nibName, &nib);
    if (status != noErr)
        return status;
    WindowRef window = nullptr;
    status = CreateWindowFromNib(nib, windowName, &window);
    if (status == noErr) {
        status = embed(instance->context, window, instance->hostPane);
        if (status == noErr)
            instance->controlsEmbedded = 1;
        DisposeWindow(window);
    }
    DisposeNibReference(nib);
    return status;
}

} // namespace

CustomContext *MyCurrentContext(void)
{
    return globalContext != nullptr ? globalContext->context : nullptr;
}

// With a non-zero flag returns the cached bundle, looking it up by identifier
// when the cache is empty; with 0 releases and empties the cache.
CFBundleRef _MyGetBundle(Boolean stillNeeded)
{
    if (stillNeeded) {
        if (sBundle == nullptr) {
            sBundle = CFBundleGetBundleWithIdentifier(CFSTR(kColorOptionsBundleID));
            if (sBundle != nullptr)
                CFRetain(sBundle);
        }
        return sBundle;
    }
    if (sBundle != nullptr) {
        CFRelease(sBundle);
        sBundle = nullptr;
    }
    return nullptr;
}

CFBundleRef MyGetBundle(void) { return _MyGetBundle(TRUE); }
void MyFreeBundle(void) { _MyGetBundle(FALSE); }

// With a non-zero flag returns the cached localized pane title, creating it
// when the cache is empty; with 0 releases and empties the cache.
CFStringRef MyGetCustomTitle(Boolean stillNeeded)
{
    if (stillNeeded) {
        if (sTitle == nullptr) {
            CFBundleRef bundle = MyGetBundle();
            if (bundle != nullptr)
                sTitle = CFBundleCopyLocalizedString(bundle, CFSTR("Color Options"), CFSTR("Color Options"),
                                                     CFSTR("Localizable"));
            else
                sTitle = static_cast<CFStringRef>(CFRetain(CFSTR("Color Options")));
        }
        return sTitle;
    }
    if (sTitle != nullptr) {
        CFRelease(sTitle);
        sTitle = nullptr;
    }
    return nullptr;
}

CFStringRef MyGetTitle(void) { return MyGetCustomTitle(TRUE); }
void MyFreeTitle(void) { MyGetCustomTitle(FALSE); }

// Creates the instance and its context and reports creator, kind, title and
// size.  -9530 when either record cannot be allocated (outputs untouched).
OSStatus MyPrologue(PMPDEContext *context, OSType *creator, CFStringRef *userOptionKind, CFStringRef *title,
                    UInt32 *maxH, UInt32 *maxV)
{
    globalContext = nullptr;
    auto *instance = static_cast<PDEInstance *>(std::calloc(1, sizeof(PDEInstance)));
    globalContext = instance;
    if (instance == nullptr) {
        MyDebugMessage("MyPrologue", -9530);
        return -9530;
    }
    instance->context = MyCreateCustomContext();
    if (instance->context == nullptr) {
        std::free(instance);
        globalContext = nullptr;
        MyDebugMessage("MyPrologue", -9530);
        return -9530;
    }
    *context = instance;
    *creator = kColorOptionsCreator;
    *userOptionKind = CFSTR(kColorOptionsBundleID);
    *title = MyGetTitle();
    *maxH = kColorOptionsMaxWidth;
    *maxV = kColorOptionsMaxHeight;
    MyDebugMessage("MyPrologue", noErr);
    return noErr;
}

// Confirms the model, builds the views, fills the menus from the PPD, reads
// the ticket into the controls and installs the view switch on the host's
// pane.  -1 for another printer model (nothing built); otherwise the result
// of the ticket sync.
OSStatus MyInitialize(PMPDEContext context, PMPDEFlags *flags, PMPDERef ref, ControlRef parentUserPane,
                      PMPrintSession printSession)
{
    (void) ref;
    PDEInstance *instance = AsInstance(context);
    OSStatus status = MyPPDModelConfirmation(printSession);
    if (status != noErr) {
        MyDebugMessage("MyInitialize", status);
        return status;
    }
    *flags = 0;
    instance->hostPane = parentUserPane;

    if (MyOpen(instance) == noErr) {
        CustomContext *pane = instance->context;
        ppd_file_t *ppd = nullptr;
        status = GetPPDRefFromSession(printSession, &ppd);
        if (ppd == nullptr && status == noErr)
            status = -30870;
        if (status == noErr) {
            ppdMarkDefaults(ppd);
            RebuildPopupMenusWithPPDInfo(ppd, pane, printSession);
        }
        pane->hostPane = parentUserPane;
        pane->hostWindow = GetControlOwner(parentUserPane);
    }

    OSStatus result = MySync(instance, printSession, 1);

    CustomContext *pane = instance->context;
    pane->dispatchHandlerUPP = NewEventHandlerUPP(PDESizeDispatchEventHandler);
    static const EventTypeSpec kHit = {kEventClassControl, kEventControlHit};
    InstallEventHandler(GetControlEventTarget(parentUserPane), pane->dispatchHandlerUPP, 1, &kHit, pane, nullptr);
    MyDebugMessage("MyInitialize", result);
    return result;
}

// Embeds the two views the first time, and installs the help handler when it
// is not installed.  The status of the advanced view and of the installation.
OSStatus MyOpen(PMPDEContext context)
{
    PDEInstance *instance = AsInstance(context);
    globalContext = instance;
    OSStatus status = noErr;
    if (instance->controlsEmbedded == 0) {
        EmbedViewFromNib(instance, CFSTR("ColorOptions"), CFSTR("MainWindow"),
                         MyEmbedCustomControlsFromStandardOptionsWindow);
        status = EmbedViewFromNib(instance, CFSTR("AdvancedOptions"), CFSTR("Advanced Color Options"),
                                  MyEmbedCustomControlsFromAdvancedOptionsWindow);
    }
    if (instance->helpInstalled == 0) {
        status = MyInstallHelpEventHandler(GetControlOwner(instance->hostPane), &instance->helpHandlerRef,
                                           &instance->helpHandlerUPP);
        instance->helpInstalled = 1;
    }
    MyDebugMessage("MyOpen", status);
    return status;
}

// Removes the help handler; the controls stay embedded.
OSStatus MyClose(PMPDEContext context)
{
    PDEInstance *instance = AsInstance(context);
    globalContext = instance;
    OSStatus status = MyRemoveHelpEventHandler(&instance->helpHandlerRef, &instance->helpHandlerUPP);
    instance->helpInstalled = 0;
    MyDebugMessage("MyClose", status);
    return status;
}

// Removes the help handler, releases the context and frees the instance.
OSStatus MyTerminate(PMPDEContext context, OSStatus hostStatus)
{
    (void) hostStatus;
    PDEInstance *instance = AsInstance(context);
    globalContext = instance;
    OSStatus status = noErr;
    if (instance != nullptr) {
        status = MyRemoveHelpEventHandler(&instance->helpHandlerRef, &instance->helpHandlerUPP);
        instance->helpInstalled = 0;
        if (instance->context != nullptr)
            MyReleaseCustomContext(instance->context);
        std::free(instance);
        globalContext = nullptr;
    }
    MyDebugMessage("MyTerminate", status);
    return status;
}
