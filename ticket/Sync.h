// Synchronising the pane and the ticket (MySync itself is a host operation,
// declared with the plug-in shell).
#pragma once

#include "CustomContext.h"

// The 27 getters in their order; the last one's status.
OSStatus MySyncPaneFromTicket(CustomContext *context, PMPrintSession session);
// Reads the three lists, then the 27 setters in their order; the last one's status.
OSStatus MySyncTicketFromPane(CustomContext *context, PMPrintSession session);
