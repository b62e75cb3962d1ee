// The debug trace writes nothing; the test binary needs only its definition.
#include "DebugMessage.h"

void MyDebugMessage(const char *, SInt32) {}
