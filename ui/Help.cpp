// The dialog command watcher.
#include "Help.h"

#include "DebugMessage.h"
#include "PluginShell.h"

namespace {

const EventTypeSpec sEventTypes[] = {{kEventClassCommand, kEventCommandProcess}};

// Commands after which the pane lets go of the printing session.
const UInt32 kWatchedCommands[] = {
    FourCC("help"), FourCC("prvw"), FourCC("prsv"), FourCC("pfax"), FourCC("not!"), FourCC("ok  "),
};

} // namespace

// Forgets the remembered session on a watched command; always passes the
// command on to the host.
OSStatus MyHandleHelpEvent(EventHandlerCallRef callRef, EventRef event, void *userData)
{
    (void) callRef;
    (void) userData;
    HICommand command;
    if (GetEventParameter(event, kEventParamDirectObject, typeHICommand, nullptr, sizeof(command), nullptr,
                          &command) != noErr)
        return eventNotHandledErr;
    for (UInt32 watched : kWatchedCommands) {
        if (command.commandID == watched) {
            if (CustomContext *context = MyCurrentContext())
                context->printSession = nullptr;
            break;
        }
    }
    return eventNotHandledErr;
}

// Installs the watcher on the window's command events; outputs the handler
// and its routine.  The installation's status.
OSStatus MyInstallHelpEventHandler(WindowRef window, EventHandlerRef *handlerRef, EventHandlerUPP *handlerUPP)
{
    *handlerUPP = NewEventHandlerUPP(MyHandleHelpEvent);
    OSStatus status = InstallEventHandler(GetWindowEventTarget(window), *handlerUPP, 1, sEventTypes, nullptr,
                                          handlerRef);
    MyDebugMessage("InstallEventHandler", status);
    return status;
}

// Removes the watcher if installed and disposes of its routine, clearing both.
// The removal's status, 0 when nothing was installed.
OSStatus MyRemoveHelpEventHandler(EventHandlerRef *handlerRef, EventHandlerUPP *handlerUPP)
{
    OSStatus status = noErr;
    if (*handlerRef != nullptr) {
        MyDebugMessage("Removing event handler", 0);
        status = RemoveEventHandler(*handlerRef);
        *handlerRef = nullptr;
    }
    if (*handlerUPP != nullptr) {
        DisposeEventHandlerUPP(*handlerUPP);
        *handlerUPP = nullptr;
    }
    return status;
}
