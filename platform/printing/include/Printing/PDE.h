// The plug-in interface of a print dialog extension: what a print dialog host
// calls, and the identifiers that tie a bundle to it.
#pragma once

#include <Printing/Printing.h>
#include <Toolkit/Toolkit.h>

// ---- Print dialog extensions -------------------------------------------------
// Plug-in type of a print dialog extension (the key of "CFPlugInTypes"), and the
// interface a host asks its instances for.
#define kPMPDETypeIDStr "814B1E40-EE11-490F-A611-62C7CC841AC9"
#define kDialogExtensionIntfIDStr "A996FD7E-B738-11D3-8519-0050E4603277"
#define kPMPDEKindKey "kPMPDEKind"

typedef void *PMPDEContext;
typedef UInt32 PMPDEFlags;
typedef void *PMPDERef;

struct PMPlugInAPIVersion {
    UInt32 buildVersionMajor;
    UInt32 buildVersionMinor;
    UInt32 baseVersionMajor;
    UInt32 baseVersionMinor;
};

// The common header of a printing plug-in interface, then the seven operations
// of a dialog extension, in slot order.
struct PlugInIntfVTable {
    OSStatus (*Retain)(void *obj);
    OSStatus (*Release)(void **obj);
    OSStatus (*GetAPIVersion)(void *obj, PMPlugInAPIVersion *versionPtr);
};

struct PlugInIntf {
    const void *vtable;
};

struct PDEPluginInterface {
    PlugInIntfVTable plugInHeader;
    OSStatus (*Prologue)(PMPDEContext *context, OSType *creator, CFStringRef *userOptionKind, CFStringRef *title,
                         UInt32 *maxH, UInt32 *maxV);
    OSStatus (*Initialize)(PMPDEContext context, PMPDEFlags *flags, PMPDERef ref, ControlRef parentUserPane,
                           PMPrintSession printSession);
    OSStatus (*Sync)(PMPDEContext context, PMPrintSession printSession, Boolean reinitializePlugin);
    OSStatus (*GetSummaryText)(PMPDEContext context, CFArrayRef *titleArray, CFArrayRef *summaryArray);
    OSStatus (*Open)(PMPDEContext context);
    OSStatus (*Close)(PMPDEContext context);
    OSStatus (*Terminate)(PMPDEContext context, OSStatus status);
};
