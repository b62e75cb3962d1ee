// Print settings tickets.  The pane reads a ticket reference out of the session
// as a 32-bit number, which cannot hold a pointer on 64-bit; so tickets live
// in a table keyed by small integer handles, and PMTicketRef carries a handle.
#include "PrintingInternal.h"

#include <cstdint>
#include <limits>
#include <map>

namespace {

struct Ticket {
    CFOwned<CFMutableDictionaryRef> ppdDict;
};

struct TicketTable {
    std::map<SInt32, Ticket> tickets;
    SInt32 next = 1;
};

// Never destroyed, so that a session released late in process exit still
// finds it; tickets alive at exit stay reachable from here.
TicketTable &table()
{
    static TicketTable *t = new TicketTable;
    return *t;
}

SInt32 handleOf(PMTicketRef ticket)
{
    const auto value = reinterpret_cast<std::intptr_t>(ticket);
    if (value <= 0 || value > std::numeric_limits<SInt32>::max())
        return 0;
    return static_cast<SInt32>(value);
}

Ticket *find(PMTicketRef ticket)
{
    auto &tickets = table().tickets;
    auto it = tickets.find(handleOf(ticket));
    return it == tickets.end() ? nullptr : &it->second;
}

} // namespace

// Creates an empty ticket; returns its handle, or 0 when none is free.
SInt32 PrintingTicketCreate(void)
{
    auto &t = table();
    // Handles count up; after a wrap, skip the ones still in use.
    for (std::size_t tries = 0; tries <= t.tickets.size(); ++tries) {
        const SInt32 handle = t.next;
        t.next = (t.next == std::numeric_limits<SInt32>::max()) ? 1 : t.next + 1;
        if (t.tickets.count(handle))
            continue;
        CFMutableDictionaryRef dict = CFDictionaryCreateMutable(kCFAllocatorDefault, 0, &kCFTypeDictionaryKeyCallBacks,
                                                                &kCFTypeDictionaryValueCallBacks);
        if (!dict)
            return 0;
        t.tickets.emplace(handle, Ticket{CFOwned<CFMutableDictionaryRef>(dict)});
        return handle;
    }
    return 0;
}

// Drops the ticket behind handle, if any.
void PrintingTicketRelease(SInt32 handle) { table().tickets.erase(handle); }

// Returns the pointer-typed form of handle.
PMTicketRef PrintingTicketFromHandle(SInt32 handle)
{
    return reinterpret_cast<PMTicketRef>(static_cast<std::intptr_t>(handle));
}

// Stores the ticket's PPD dictionary (not retained) in *dict; kPMInvalidTicket
// for an unknown ticket, kPMInvalidParameter for other node indexes.
OSStatus PMTicketGetPPDDict(PMTicketRef ticket, UInt32 nodeIndex1, UInt32 nodeIndex2, CFMutableDictionaryRef *dict)
{
    if (!dict)
        return kPMInvalidParameter;
    *dict = nullptr;
    Ticket *t = find(ticket);
    if (!t)
        return kPMInvalidTicket;
    if (nodeIndex1 != 0 || nodeIndex2 != 0)
        return kPMInvalidParameter;
    *dict = t->ppdDict.get();
    return kPMNoError;
}

// Returns the ticket's PPD dictionary (not retained), or null for an unknown ticket.
CFMutableDictionaryRef PMHostTicketGetPPDDict(PMTicketRef ticket)
{
    Ticket *t = find(ticket);
    return t ? t->ppdDict.get() : nullptr;
}

// Returns the handle the session publishes for ticket (0 for null).
SInt32 PMHostTicketHandle(PMTicketRef ticket) { return handleOf(ticket); }
