#include "DiscoveryTestSupport.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <memory>

#include "ProfileFile.h"

void PrintTo(const Row &row, std::ostream *out)
{
    *out << "{InMenu " << row.inMenu << ", index " << row.index << ", \"" << row.file << "\" at " << row.location
         << ", \"" << row.name << "\", class " << row.profileClass << "}";
}

ProfileEntry MakeEntry(const Row &row)
{
    ProfileEntry e;
    std::memset(&e, 0, sizeof e);
    e.InMenu = row.inMenu;
    e.IndexOnDevice = row.index;
    e.Location = row.location;
    e.ProfileClass = row.profileClass;
    std::strncpy(e.FileName, row.file.c_str(), kProfileTextSize - 1);
    std::strncpy(e.ProfileName, row.name.c_str(), kProfileTextSize - 1);
    return e;
}

ProfileList MakeList(const Rows &rows)
{
    ProfileList list;
    std::memset(&list, 0, sizeof list);
    for (size_t i = 0; i < rows.size() && i < kProfileListSlots; i++)
        list.entry[i] = MakeEntry(rows[i]);
    list.iNum = static_cast<SInt32>(rows.size());
    return list;
}

Rows RowsOf(const ProfileList &list)
{
    Rows rows;
    for (SInt32 i = 0; i < list.iNum && i < kProfileListSlots; i++) {
        const ProfileEntry &e = list.entry[i];
        rows.push_back({e.InMenu, e.IndexOnDevice, std::string(e.FileName, strnlen(e.FileName, kProfileTextSize)),
                        e.Location, std::string(e.ProfileName, strnlen(e.ProfileName, kProfileTextSize)),
                        e.ProfileClass});
    }
    return rows;
}

bool SeedFile(const Rows &rgb, const Rows &sim, const Rows &dst)
{
    auto lists = std::make_unique<ProfileList[]>(3);
    lists[0] = MakeList(rgb);
    lists[1] = MakeList(sim);
    lists[2] = MakeList(dst);
    return VxPListWriteProfile_All(&lists[0], &lists[1], &lists[2]) == 0;
}

StoredLists ReadFile()
{
    auto lists = std::make_unique<ProfileList[]>(3);
    StoredLists stored;
    stored.read = VxPListReadProfile_All(&lists[0], &lists[1], &lists[2]) == 0;
    stored.rgb = RowsOf(lists[0]);
    stored.sim = RowsOf(lists[1]);
    stored.dst = RowsOf(lists[2]);
    return stored;
}

bool FileExists(bool previousCopy)
{
    char path[256];
    bool formed = previousCopy ? VxPListPreviousPath(path, sizeof path) : VxPListCurrentPath(path, sizeof path);
    struct stat info;
    return formed && stat(path, &info) == 0;
}

TempHome::TempHome()
{
    char pattern[] = "/tmp/qv-discovery-home-XXXXXX";
    if (mkdtemp(pattern) != nullptr)
        path_ = pattern;
    VxPListSetHomeDirectoryForTesting(path_.c_str());
}

TempHome::~TempHome()
{
    VxPListSetHomeDirectoryForTesting(nullptr);
    std::error_code ignored;
    if (!path_.empty())
        std::filesystem::remove_all(path_, ignored);
}

Rows OneEntryPerState()
{
    return {
        {1, 41, "STATE1.ICC", 4, "One"},  {2, 42, "STATE2.ICC", 4, "Two"},  {3, 43, "STATE3.ICC", 5, "Three"},
        {4, 44, "STATE4.ICC", 5, "Four"}, {5, 505, "STATE5.ICC", 4, "Five"}, {6, 506, "STATE6.ICC", 4, "Six"},
    };
}
