// Events and their typed parameters.
#include "Event.h"

#include <cstring>

// Creates an event of the class and kind with no parameters; the caller
// releases it with ReleaseEvent.  paramErr when outEvent is null.
OSStatus CreateEvent(CFAllocatorRef, UInt32 eventClass, UInt32 eventKind, double when, UInt32, EventRef *outEvent)
{
    if (!outEvent)
        return paramErr;
    EventRef event = new OpaqueEventRef;
    event->eventClass = eventClass;
    event->eventKind = eventKind;
    event->when = when;
    *outEvent = event;
    return noErr;
}

// Frees an event made by CreateEvent; null is ignored.
void ReleaseEvent(EventRef event) { delete event; }

// The event's class, or 0 for a null event.
UInt32 GetEventClass(EventRef event) { return event ? event->eventClass : 0; }

// The event's kind, or 0 for a null event.
UInt32 GetEventKind(EventRef event) { return event ? event->eventKind : 0; }

// Stores a copy of size bytes under name with the type, replacing what was
// there.  paramErr for a null event or null data with a non-zero size.
OSStatus SetEventParameter(EventRef event, EventParamName name, EventParamType type, ByteCount size, const void *data)
{
    if (!event || (size > 0 && !data))
        return paramErr;
    OpaqueEventRef::Param &p = event->params[name];
    p.type = type;
    p.bytes.assign(static_cast<const UInt8 *>(data), static_cast<const UInt8 *>(data) + size);
    return noErr;
}

// Copies the parameter stored under name with desiredType into outData
// (which may be null to ask only for type and size).  eventParameterNotFoundErr
// when it is missing or of another type; errDataNotSupported when bufferSize
// is too small for it.
OSStatus GetEventParameter(EventRef event, EventParamName name, EventParamType desiredType, EventParamType *actualType,
                           ByteCount bufferSize, ByteCount *actualSize, void *outData)
{
    if (!event)
        return paramErr;
    auto it = event->params.find(name);
    if (it == event->params.end() || it->second.type != desiredType)
        return eventParameterNotFoundErr;
    const auto &bytes = it->second.bytes;
    if (actualType)
        *actualType = it->second.type;
    if (actualSize)
        *actualSize = bytes.size();
    if (!outData)
        return noErr;
    if (bufferSize < bytes.size())
        return errDataNotSupported;
    if (!bytes.empty())
        std::memcpy(outData, bytes.data(), bytes.size());
    return noErr;
}
