// The debug trace for the profile tests: records what it is handed, so that
// the tests can check the trace texts.
#include "TraceLog.h"

#include <string>
#include <vector>

static std::vector<std::string> gTrace;

void MyDebugMessage(const char *message, SInt32 number)
{
    (void) number;
    gTrace.emplace_back(message != nullptr ? message : "");
}

std::vector<std::string> &TraceLog()
{
    return gTrace;
}
