#include "ProfileTestSupport.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>

void ProfileHomeTest::SetUp()
{
    char pattern[] = "/tmp/qv-profiles-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    home_ = pattern;
    ASSERT_EQ(RunCommand("mkdir -p " + ShellQuote(PrefsDir())), 0);
    VxPListSetHomeDirectoryForTesting(home_.c_str());
}

void ProfileHomeTest::TearDown()
{
    VxPListSetHomeDirectoryForTesting(nullptr);
    if (!home_.empty())
        RunCommand("rm -rf " + ShellQuote(home_));
}

std::string ProfileHomeTest::CurrentPath() const
{
    return PrefsDir() + "/" kProfileFilePrefix ".printers.QV17PS.profile.plist";
}

std::string ProfileHomeTest::PreviousPath() const
{
    return PrefsDir() + "/" kProfileFilePrefix ".printers.QV17PS.profile.prev.plist";
}

std::unique_ptr<ProfileList> NewList()
{
    return std::make_unique<ProfileList>();
}

void SetEntry(ProfileList *list, int slot, SInt32 index, SInt32 inMenu, SInt32 profileClass, const char *fileName,
              const char *profileName, SInt32 location)
{
    ProfileEntry &e = list->entry[slot];
    e = ProfileEntry{};
    e.IndexOnDevice = index;
    e.InMenu = inMenu;
    e.ProfileClass = profileClass;
    SetText(e.FileName, fileName);
    SetText(e.ProfileName, profileName);
    e.Location = location;
}

void SetText(char (&field)[kProfileTextSize], const char *text)
{
    std::memset(field, 0, kProfileTextSize);
    std::memcpy(field, text, strnlen(text, kProfileTextSize - 1));
}

void FillList(ProfileList *list, int count, int seed)
{
    for (int slot = 0; slot < count; slot++) {
        char fileName[32];
        char profileName[32];
        std::snprintf(fileName, sizeof fileName, "P%03d_%02d.ICC", slot, seed % 100);
        std::snprintf(profileName, sizeof profileName, "Profile %d of list %d", slot, seed);
        SetEntry(list, slot, 500 + slot + seed, 1 + (slot + seed) % 6, 1 + slot % 3, fileName, profileName,
                 slot % 2 ? kProfileLocationDisk : kProfileLocationCard);
    }
    list->iNum = count;
}

::testing::AssertionResult ListsEqual(const ProfileList &a, const ProfileList &b)
{
    if (a.iNum != b.iNum)
        return ::testing::AssertionFailure() << "iNum " << a.iNum << " != " << b.iNum;
    for (int slot = 0; slot < kProfileListSlots; slot++) {
        if (std::memcmp(&a.entry[slot], &b.entry[slot], sizeof(ProfileEntry)) != 0) {
            const ProfileEntry &x = a.entry[slot];
            const ProfileEntry &y = b.entry[slot];
            return ::testing::AssertionFailure()
                   << "slot " << slot << ": {" << x.IndexOnDevice << "," << x.InMenu << "," << x.ProfileClass << ",\""
                   << x.FileName << "\",\"" << x.ProfileName << "\"," << x.Location << "," << x.DriverAvail
                   << "} != {" << y.IndexOnDevice << "," << y.InMenu << "," << y.ProfileClass << ",\"" << y.FileName
                   << "\",\"" << y.ProfileName << "\"," << y.Location << "," << y.DriverAvail << "}";
        }
    }
    return ::testing::AssertionSuccess();
}

std::string ReadFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void WriteFile(const std::string &path, const std::string &content)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
}

bool FileExists(const std::string &path)
{
    struct stat info;
    return lstat(path.c_str(), &info) == 0;
}

int RunCommand(const std::string &command, std::string *out)
{
    FILE *pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return -1;
    std::string text;
    char buffer[4096];
    size_t got;
    while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        text.append(buffer, got);
    int status = pclose(pipe);
    if (out != nullptr)
        *out = text;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

nlohmann::json PlistlibDump(const std::string &path)
{
    std::string out;
    std::string command = ShellQuote(QV_PYTHON3) + " " + ShellQuote(QV_SOURCE_DIR "/tests/profiles/plist_peer.py") +
                          " dump " + ShellQuote(path);
    if (RunCommand(command, &out) != 0)
        return nullptr;
    return nlohmann::json::parse(out, nullptr, false);
}

std::string ShellQuote(const std::string &word)
{
    std::string quoted = "'";
    for (char c : word) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}
