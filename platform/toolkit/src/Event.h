// An event: class, kind, time and typed parameters.  Events are plain heap
// objects owned by whoever created them (ReleaseEvent), or stack objects for
// the events the toolkit sends itself.
#pragma once

#include <Toolkit/Toolkit.h>

#include <map>
#include <vector>

struct OpaqueEventRef {
    struct Param {
        EventParamType type;
        std::vector<UInt8> bytes;
    };
    UInt32 eventClass = 0;
    UInt32 eventKind = 0;
    double when = 0;
    std::map<EventParamName, Param> params;
};
