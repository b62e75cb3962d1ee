// Messages handed to the debug trace since the test last cleared them.
#pragma once

#include <MacTypes.h>
#include <string>
#include <vector>

void MyDebugMessage(const char *message, SInt32 number);
std::vector<std::string> &TraceLog();
