// The debug trace: every host operation and many helpers hand it a text and a
// number.  It writes nothing.
#pragma once

#include <MacTypes.h>

void MyDebugMessage(const char *message, SInt32 number);
