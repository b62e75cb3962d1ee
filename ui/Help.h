// The dialog command watcher: forgets the printing session when the dialog
// asks for help, previews, saves, faxes, prints or cancels.
#pragma once

#include <Toolkit/Toolkit.h>

OSStatus MyInstallHelpEventHandler(WindowRef window, EventHandlerRef *handlerRef, EventHandlerUPP *handlerUPP);
OSStatus MyRemoveHelpEventHandler(EventHandlerRef *handlerRef, EventHandlerUPP *handlerUPP);
OSStatus MyHandleHelpEvent(EventHandlerCallRef callRef, EventRef event, void *userData);
