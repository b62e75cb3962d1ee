// The plug-in's outer shell: the per-instance record the host holds, the
// global pointer to the instance called last, the seven host operations, and
// the bundle and title caches.
#pragma once

#include <Printing/PDE.h>

#include "CustomContext.h"

// Bundle identifier, also the pane kind string.
#define kColorOptionsBundleID "net.colorpane.ColorOptions"
constexpr OSType kColorOptionsCreator = FourCC("vxco");
constexpr UInt32 kColorOptionsMaxWidth = 440;
constexpr UInt32 kColorOptionsMaxHeight = 310;

struct PDEInstance {
    ControlRef hostPane;
    EventHandlerRef helpHandlerRef;
    EventHandlerUPP helpHandlerUPP;
    CustomContext *context;
    UInt8 controlsEmbedded;
    UInt8 helpInstalled;
};

// The instance the host called last; handlers reach the pane through it.
extern PDEInstance *globalContext;

OSStatus MyPrologue(PMPDEContext *context, OSType *creator, CFStringRef *userOptionKind, CFStringRef *title,
                    UInt32 *maxH, UInt32 *maxV);
OSStatus MyInitialize(PMPDEContext context, PMPDEFlags *flags, PMPDERef ref, ControlRef parentUserPane,
                      PMPrintSession printSession);
OSStatus MySync(PMPDEContext context, PMPrintSession printSession, Boolean reinitializePlugin);
OSStatus MyGetSummary(PMPDEContext context, CFArrayRef *titleArray, CFArrayRef *summaryArray);
OSStatus MyOpen(PMPDEContext context);
OSStatus MyClose(PMPDEContext context);
OSStatus MyTerminate(PMPDEContext context, OSStatus status);

// Bundle and title caches: flag 1 fills (if empty) and returns, flag 0 empties.
CFBundleRef _MyGetBundle(Boolean stillNeeded);
CFBundleRef MyGetBundle(void);
void MyFreeBundle(void);
CFStringRef MyGetCustomTitle(Boolean stillNeeded);
CFStringRef MyGetTitle(void);
void MyFreeTitle(void);

// The current pane's context (globalContext's), or null.
CustomContext *MyCurrentContext(void);
