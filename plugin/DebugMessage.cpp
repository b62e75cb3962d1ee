#include "DebugMessage.h"

// Discards the trace; a build may route it to a log without changing behaviour.
void MyDebugMessage(const char *message, SInt32 number)
{
    (void) message;
    (void) number;
}
