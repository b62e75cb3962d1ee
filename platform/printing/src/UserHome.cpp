// The home folder under which the pane keeps its preferences, as a setting of
// the host.  Unset, the pane uses the real user's home from the password
// database.
#include <Printing/Printing.h>

#include <string>

namespace {
std::string gUserHome;
bool gUserHomeSet = false;
} // namespace

void PMHostSetUserHomeDirectory(const char *path)
{
    gUserHomeSet = path != nullptr;
    gUserHome = path != nullptr ? path : "";
}

const char *PMHostGetUserHomeDirectory(void)
{
    return gUserHomeSet ? gUserHome.c_str() : nullptr;
}
