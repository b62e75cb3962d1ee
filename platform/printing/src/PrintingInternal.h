// What the session and ticket files of the printing layer share.
#pragma once

#include <Printing/Printing.h>

#include <memory>
#include <type_traits>

// Releases a CF object held by a unique_ptr.
struct CFReleaser {
    void operator()(CFTypeRef object) const
    {
        if (object)
            CFRelease(object);
    }
};
template <class Ref> using CFOwned = std::unique_ptr<std::remove_pointer_t<Ref>, CFReleaser>;

// Creates an empty ticket and returns its handle (from 1; never that of a
// ticket still alive), or 0 when no handle is free.
SInt32 PrintingTicketCreate(void);
// Forgets the ticket behind handle and releases its dictionary.
void PrintingTicketRelease(SInt32 handle);
// The pointer-typed form of a handle, as the pane passes tickets around.
PMTicketRef PrintingTicketFromHandle(SInt32 handle);
