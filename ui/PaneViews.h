// Building the standard and advanced views into the host's pane, and
// navigating between the views and tabs.
#pragma once

#include "CustomContext.h"

OSStatus MyEmbedCustomControlsFromStandardOptionsWindow(CustomContext *context, WindowRef window, ControlRef hostPane);
OSStatus MyEmbedCustomControlsFromAdvancedOptionsWindow(CustomContext *context, WindowRef window, ControlRef hostPane);
OSStatus AdjustControlBounds(WindowRef window, ControlRef hostPane, ControlRef control);
OSStatus TabEventHandlerProc(EventHandlerCallRef callRef, EventRef event, void *userData);
OSStatus AdvancedOptionsEventHandlerProc(EventHandlerCallRef callRef, EventRef event, void *userData);
OSStatus PDESizeDispatchEventHandler(EventHandlerCallRef callRef, EventRef event, void *userData);
OSStatus DownloadManagerButtonEventHandlerProc(EventHandlerCallRef callRef, EventRef event, void *userData);
